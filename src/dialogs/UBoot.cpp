#include "dialogs/UBoot.h"

#include <filesystem>
#include <string>
#include <string_view>

#include "common/AddressHelpers.h"
#include "common/UComon.h"
#include "common/UMaker.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

TFBoot* FBoot = nullptr;

using dlg::Txt;

namespace {

// A borderless panel of the dialog's width, in the dialog's colour.
ui::TPanel* Panel(ui::TForm* form, std::string_view name, int height)
{
    auto* p = dlg::Place<ui::TPanel>(form, form, name, 0, 0, 449, height);
    p->SetBevelOuter(ui::TBevelCut::bvNone);
    p->SetShowCaption(false);
    p->SetParentColor(true);
    return p;
}

ui::TLabel* Label(ui::TForm* form, ui::TWinControl* parent, std::string_view name, int left, int top,
                  const std::string& text = {})
{
    auto* l = dlg::Place<ui::TLabel>(form, parent, name, left, top, 0, 0);
    l->SetCaption(text);
    return l;
}

// Enables a control again when the update sequence ends, however it ends.
class TEnableAgain {
public:
    explicit TEnableAgain(ui::TControl* c) : c_(c) { c_->SetEnabled(false); }
    ~TEnableAgain() { c_->SetEnabled(true); }
    TEnableAgain(const TEnableAgain&) = delete;
    TEnableAgain& operator=(const TEnableAgain&) = delete;

private:
    ui::TControl* c_;
};

}  // namespace

TFBoot::TFBoot(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    dlg::Dialog_Frame(*this, 449, 230);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;

    P_Button = dlg::Button_Panel(*this);
    Btn_Update = dlg::Panel_Button(*this, P_Button, "Btn_Update", 139, ui::mrNone, 180);
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", 327, ui::mrCancel);

    P_IP_Address = Panel(this, "P_IP_Address", 49);
    L_IP_Address = Label(this, P_IP_Address, "L_IP_Address", 12, 4);
    ui::TEdit** edits[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    ui::TLabel** dots[] = {&Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        const std::string name = "E_IP" + std::to_string(i + 1);
        ui::TEdit* e = dlg::Place<ui::TEdit>(this, P_IP_Address, name, 12 + i * 56, 22, 44, 21);
        e->SetText("0");
        e->SetShowHint(true);
        e->OnKeyPress = [this](ui::TObject* s, char32_t& k) { KeyPress(s, k); };
        *edits[i] = e;
        if (i < 3)
            *dots[i] = Label(this, P_IP_Address, "Label" + std::to_string(i + 2), 60 + i * 56, 26, ".");
    }

    P_Options = Panel(this, "P_Options", 72);
    L_Update_Option = Label(this, P_Options, "L_Update_Option", 12, 4);
    CB_Update_Options = dlg::Place<ui::TComboBox>(this, P_Options, "CB_Update_Options", 12, 22, 250, 21);
    CB_Update_Options->SetStyle(ui::TComboBoxStyle::csDropDownList);
    CB_Update_Options->SetShowHint(true);
    CB_Update_Option_Read_Back =
        dlg::Place<ui::TCheckBox>(this, P_Options, "CB_Update_Option_Read_Back", 12, 48, 250, 17);
    CB_Update_Option_Read_Back->SetChecked(true);
    CB_Update_Option_Read_Back->SetShowHint(true);

    P_Serial = Panel(this, "P_Serial", 51);
    L_COM_Port = Label(this, P_Serial, "L_COM_Port", 12, 4);
    CB_COM_Port = dlg::Place<ui::TComboBox>(this, P_Serial, "CB_COM_Port", 12, 22, 150, 21);
    CB_COM_Port->SetStyle(ui::TComboBoxStyle::csDropDownList);
    Btn_COM_List = dlg::Place<controls::TLbButton>(this, P_Serial, "Btn_COM_List", 170, 20, 110, 26);
    dlg::Button_Look(*Btn_COM_List, "LBRETRY");
    Btn_COM_List->OnClick = [this](ui::TObject*) { update_ComPort(); };

    P_Eth_Search = Panel(this, "P_Eth_Search", 184);
    L_List_Device = Label(this, P_Eth_Search, "L_List_Device", 12, 4);
    Btn_Search = dlg::Place<controls::TLbButton>(this, P_Eth_Search, "Btn_Search", 327, 2, 110, 26);
    dlg::Button_Look(*Btn_Search, "LBHELP");
    Btn_Search->SetShowHint(true);
    ACG_List_Devices = dlg::Place<gx::TGxColumnGrid>(this, P_Eth_Search, "ACG_List_Devices", 12, 30, 425, 126);
    ACG_List_Devices->SetColCount(2);
    ACG_List_Devices->SetRowCount(2);
    ACG_List_Devices->SetFixedCols(0);
    ACG_List_Devices->SetOptions((ACG_List_Devices->Options() | ui::goRowSelect) & ~ui::goEditing);
    for (int c = 0; c < 2; ++c)
        ACG_List_Devices->Columns()->Items(c)->SetWidth(180);
    ACG_List_Devices->SetShowHint(true);
    CB_Find_All_VRK = dlg::Place<ui::TCheckBox>(this, P_Eth_Search, "CB_Find_All_VRK", 12, 160, 420, 17);
    CB_Find_All_VRK->SetShowHint(true);
    for (ui::TPanel* p : {P_IP_Address, P_Options, P_Serial, P_Eth_Search})
        p->Hide();

    Btn_Update->OnClick = [this](ui::TObject* s) { Btn_UpdateClick(s); };
    Echo = core::System_Echo();
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    DoCreate();
    Set_Lang();
}

void TFBoot::Set_Lang()
{
    const int base = Form_Type == 0 ? 1200 : Form_Type == 1 ? 1202 : 1204;
    SetCaption(Txt(base));
    L_SW_Desc->SetCaption(Txt(base + 1));
    L_IP_Address->SetCaption(Txt(1206));
    L_List_Device->SetCaption(Txt(1209));
    Btn_Search->SetCaption(Txt(1210));
    CB_Find_All_VRK->SetCaption(Txt(1213));
    L_Update_Option->SetCaption(Txt(1214));
    CB_Update_Options->Items()->Clear();
    for (int n : {1215, 1216, 1217})
        CB_Update_Options->Items()->Add(Txt(n));
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Option_Read_Back->SetCaption(Txt(1218));
    Btn_Cancel->SetCaption(Txt(1219));
    Btn_Update->SetCaption(Txt(1220));
    E_IP1->SetHint(Txt(1221));
    E_IP2->SetHint(Txt(1222));
    E_IP3->SetHint(Txt(1223));
    E_IP4->SetHint(Txt(1224));
    Btn_Search->SetHint(Txt(1229));
    ACG_List_Devices->Columns()->Items(0)->SetHeader(Txt(1211));
    ACG_List_Devices->Columns()->Items(1)->SetHeader(Txt(1212));
    ACG_List_Devices->SetHint(Txt(1230));
    CB_Find_All_VRK->SetHint(Txt(1231));
    CB_Update_Options->SetHint(Txt(1232));
    CB_Update_Option_Read_Back->SetHint(Txt(1233));
    Btn_Cancel->SetHint(Txt(1234));
    Btn_Update->SetHint(Txt(1235));
}

void TFBoot::FormShow(ui::TObject*)
{
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    for (ui::TPanel* p : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
        p->Hide();
        p->SetAlign(ui::TAlign::alNone);
    }
    if (Form_Type == 1) {
        P_IP_Address->Show();
        P_Options->Show();
        SetClientWidth(449);
        // Placed top to bottom in this order below the title.
        P_IP_Address->SetTop(P_Title->Height());
        P_IP_Address->SetAlign(ui::TAlign::alTop);
        P_Eth_Search->SetTop(P_IP_Address->Top() + P_IP_Address->Height());
        P_Eth_Search->SetAlign(ui::TAlign::alTop);
        P_Options->SetTop(P_Eth_Search->Top() + 1);
        P_Options->SetAlign(ui::TAlign::alTop);
        SetClientHeight(P_Title->Height() + P_IP_Address->Height() + P_Options->Height() + P_Button->Height());
        int order = 0;
        for (ui::TPanel* p : {P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial})
            p->SetTabOrder(order++);
        std::string ip1, ip2, ip3, ip4;
        if (!Last_IP_Address.empty() && Split_IP_Address(Last_IP_Address, ip1, ip2, ip3, ip4)) {
            E_IP1->SetText(ip1);
            E_IP2->SetText(ip2);
            E_IP3->SetText(ip3);
            E_IP4->SetText(ip4);
        }
        CB_Update_Options->SetItemIndex(Update_Option_Index);
        CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
        if (E_IP1->CanFocus())
            E_IP1->SetFocus();
    } else if (Form_Type == 0) {
        P_Serial->Show();
        P_Options->Show();
        SetClientWidth(449);
        P_Serial->SetTop(P_Title->Height());
        P_Serial->SetAlign(ui::TAlign::alTop);
        P_Options->SetTop(P_Serial->Top() + P_Serial->Height());
        P_Options->SetAlign(ui::TAlign::alTop);
        SetClientHeight(P_Title->Height() + P_Serial->Height() + P_Options->Height() + P_Button->Height());
        int order = 0;
        for (ui::TPanel* p : {P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search})
            p->SetTabOrder(order++);
        update_ComPort();
        CB_Update_Options->SetItemIndex(Update_Option_Index);
        CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
        if (CB_COM_Port->CanFocus())
            CB_COM_Port->SetFocus();
    }
}

void TFBoot::KeyPress(ui::TObject* Sender, char32_t& Key)
{
    if (Key != U'.')
        return;
    Key = 0;
    ui::TEdit* next = Sender == E_IP1 ? E_IP2 : Sender == E_IP2 ? E_IP3 : Sender == E_IP3 ? E_IP4 : nullptr;
    if (next && next->CanFocus())
        next->SetFocus();
}

std::string TFBoot::Typed_Address() const
{
    return E_IP1->Text() + "." + E_IP2->Text() + "." + E_IP3->Text() + "." + E_IP4->Text();
}

core::TUpdateJob TFBoot::Current_Job() const
{
    return {Typed_Address(), CB_Update_Options->ItemIndex(), CB_Update_Option_Read_Back->Checked(), Path_Master,
            Path_Project};
}

bool TFBoot::Send_Ping()
{
    core::TPingState state;
    const bool found = core::Send_Ping(
        Typed_Address(), state, Echo, [] { ui::Application->ProcessMessages(); }, Ping_Window);
    ping_res = state.ping_res;
    return found;
}

void TFBoot::Compile_XML_Parameter_New_Boot()
{
    core::Compile_XML_Parameter_New_Boot(XML1, Current_Job(), std::filesystem::path(Path_Exe) / "Ethernet_Update.xml");
}

void TFBoot::Btn_UpdateClick(ui::TObject*)
{
    if (Form_Type == 0) {
        Update_Option_Index = CB_Update_Options->ItemIndex();
        Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    // A second press while the echo loop keeps the interface alive must not start a second run.
    TEnableAgain lock(Btn_Update);
    const bool answered = Send_Ping();
    // The echoes keep the dialog usable: when the user closed it meanwhile (Cancel or the close
    // icon), the update ends there; nothing is remembered, written or started, nothing reported.
    if (ModalResult() != ui::mrNone)
        return;
    if (answered) {
        Last_IP_Address = Typed_Address();
        Update_Option_Index = CB_Update_Options->ItemIndex();
        Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        Compile_XML_Parameter_New_Boot();
        if (Start_Program)
            Start_Program(Path_Exe + "/Ethernet_Update", "", false);
    } else if (ping_res == 2) {
        ui::MessageDlg(Txt(1236), ui::TMsgDlgType::mtWarning, ui::mbOK);
    } else {
        ui::MessageDlg(Txt(1237), ui::TMsgDlgType::mtError, ui::mbOK);
    }
}

void TFBoot::update_ComPort()
{
    CB_COM_Port->Items()->Clear();
    for (const std::string& port : List_COM_Ports())
        CB_COM_Port->Items()->Add("COM" + port);
    CB_COM_Port->SetItemIndex(CB_COM_Port->Items()->Count() > 0 ? 0 : -1);
}

int TFBoot::Get_Type_Dev()
{
    return core::Get_Type_Dev(XML1, File_ParGen);
}
