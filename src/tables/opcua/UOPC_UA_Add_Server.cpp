#include "tables/opcua/UOPC_UA_Add_Server.h"

#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "dialogs/UDialogFrame.h"
#include "platform/ui/Dialogs.h"

TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;

using dlg::Txt;

namespace {

constexpr int Label_Left = 16, Control_Left = 134, Control_Width = 251, Line_Height = 21, Box_Height = 89;
constexpr int Client_Width = 407;

// Label and control tops of the fields below the authorization, per authorization.
struct TLayout {
    int Sec_Type, Sec_Policy, Mnemonic;
};
constexpr TLayout Layouts[] = {{168, 200, 232}, {232, 264, 296}, {368, 400, 432}};

void Fill(ui::TComboBox* combo, std::initializer_list<const char*> items)
{
    combo->SetStyle(ui::TComboBoxStyle::csDropDown);
    for (const char* item : items)
        combo->Items()->Add(item);
}

}  // namespace

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetName("FOPC_UA_Add_Server");
    dlg::Dialog_Frame(*this, Client_Width, 308);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    auto label = [this](std::string_view name, int top) {
        return dlg::Place_Label(this, this, name, Label_Left, top + 3, false, ui::clBlack);
    };
    auto edit = [this](std::string_view name, int top) {
        return dlg::Place<ui::TEdit>(this, this, name, Control_Left, top, Control_Width, Line_Height);
    };
    auto combo = [this](std::string_view name, int top) {
        return dlg::Place<ui::TComboBox>(this, this, name, Control_Left, top, Control_Width, Line_Height);
    };
    CB_OPC_UA_Server_Enable = dlg::Place<ui::TCheckBox>(this, this, "CB_OPC_UA_Server_Enable", Label_Left, 78, 369, 17);
    L_Server_Add = label("L_Server_Add", 104);
    E_Server_Add = edit("E_Server_Add", 104);
    L_Auth = label("L_Auth", 136);
    CB_Auth = combo("CB_Auth", 136);
    Fill(CB_Auth, {"Anonymous", "Username and Password", "Certificate"});
    L_User = label("L_User", 168);
    E_User = edit("E_User", 168);
    L_Pass = label("L_Pass", 200);
    E_Pass = edit("E_Pass", 200);  // shown as typed
    L_Certificate = label("L_Certificate", 168);
    RE_Certificate = dlg::Place<ui::TMemo>(this, this, "RE_Certificate", Control_Left, 168, Control_Width, Box_Height);
    L_Priv_Key = label("L_Priv_Key", 268);
    RE_Priv_Key = dlg::Place<ui::TMemo>(this, this, "RE_Priv_Key", Control_Left, 268, Control_Width, Box_Height);
    for (ui::TMemo* m : {RE_Certificate, RE_Priv_Key}) {
        m->SetScrollBars(ui::TScrollStyle::ssVertical);
        m->SetWantReturns(true);
    }
    L_Sec_Type = label("L_Sec_Type", 168);
    CB_Sec_Type = combo("CB_Sec_Type", 168);
    Fill(CB_Sec_Type, {"None", "Sign", "Sign and Encrypt"});
    L_Sec_Policy = label("L_Sec_Policy", 200);
    CB_Sec_Policy = combo("CB_Sec_Policy", 200);
    Fill(CB_Sec_Policy, {"None", "Basic 128 RSA 15", "Basic 256", "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP",
                         "AES 256 SHA 256 RSA PSS"});
    L_Mnemonic = label("L_Mnemonic", 232);
    E_Mnemonic = edit("E_Mnemonic", 232);

    P_Button = dlg::Button_Panel(*this);
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", dlg::Button_Left(0));
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", dlg::Button_Left(1), ui::mrCancel);
    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };
    CB_Auth->OnChange = [this](ui::TObject* s) { CB_AuthChange(s); };
    CB_Sec_Type->OnChange = [this](ui::TObject* s) { CB_Sec_TypeChange(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
    DoCreate();
}

void TFOPC_UA_Add_Server::Set_Lang()
{
    SetCaption(Txt(4300));
    L_SW_Desc->SetCaption(Txt(4301));
    CB_OPC_UA_Server_Enable->SetCaption(Txt(4304));
    CB_OPC_UA_Server_Enable->SetHint(Txt(4305));
    const std::pair<ui::TLabel*, ui::TControl*> fields[] = {{L_Server_Add, E_Server_Add},
                                                            {L_Auth, CB_Auth},
                                                            {L_User, E_User},
                                                            {L_Pass, E_Pass},
                                                            {L_Certificate, RE_Certificate},
                                                            {L_Priv_Key, RE_Priv_Key},
                                                            {L_Sec_Type, CB_Sec_Type},
                                                            {L_Sec_Policy, CB_Sec_Policy},
                                                            {L_Mnemonic, E_Mnemonic}};
    int text = 4306;
    for (const auto& [l, control] : fields) {
        l->SetCaption(Txt(text));
        control->SetHint(Txt(text + 1));
        text += 2;
    }
    Btn_OK->SetCaption(Txt(4324));
    Btn_OK->SetHint(Txt(4325));
    Btn_Cancel->SetCaption(Txt(4326));
    Btn_Cancel->SetHint(Txt(4327));
}

void TFOPC_UA_Add_Server::FormShow(ui::TObject*)
{
    if (FormType == 2) {
        SetCaption(Txt(4302));
        L_SW_Desc->SetCaption(Txt(4303));
    } else {
        SetCaption(Txt(4300));
        L_SW_Desc->SetCaption(Txt(4301));
        CB_OPC_UA_Server_Enable->SetChecked(true);
        for (ui::TEdit* e : {E_Server_Add, E_User, E_Pass, E_Mnemonic})
            e->SetText("");
        RE_Certificate->SetText("");
        RE_Priv_Key->SetText("");
        CB_Auth->SetItemIndex(0);
        CB_Sec_Type->SetItemIndex(0);
    }
    Change_Fields();
    Check_Authorization();
}

void TFOPC_UA_Add_Server::CB_AuthChange(ui::TObject*)
{
    Change_Fields();
}

void TFOPC_UA_Add_Server::CB_Sec_TypeChange(ui::TObject*)
{
    Check_Authorization();
}

void TFOPC_UA_Add_Server::Change_Fields()
{
    const int auth = CB_Auth->ItemIndex();
    if (auth >= 0 && auth <= 2) {
        for (ui::TControl* c : std::initializer_list<ui::TControl*>{L_User, E_User, L_Pass, E_Pass})
            c->SetVisible(auth == 1);
        for (ui::TControl* c :
             std::initializer_list<ui::TControl*>{L_Certificate, RE_Certificate, L_Priv_Key, RE_Priv_Key})
            c->SetVisible(auth == 2);
        const TLayout& at = Layouts[auth];
        const std::pair<std::pair<ui::TLabel*, ui::TControl*>, int> moved[] = {
            {{L_Sec_Type, CB_Sec_Type}, at.Sec_Type},
            {{L_Sec_Policy, CB_Sec_Policy}, at.Sec_Policy},
            {{L_Mnemonic, E_Mnemonic}, at.Mnemonic}};
        for (const auto& [pair, top] : moved) {
            pair.first->SetTop(top + 3);
            pair.second->SetTop(top);
        }
    }
    SetClientHeight(P_Button->Height() + E_Mnemonic->Top() + E_Mnemonic->Height() + 15);
}

void TFOPC_UA_Add_Server::Check_Authorization()
{
    if (CB_Sec_Type->ItemIndex() == 0) {
        CB_Sec_Policy->SetItemIndex(0);
        CB_Sec_Policy->SetEnabled(false);
    } else {
        CB_Sec_Policy->SetEnabled(true);
    }
}

bool TFOPC_UA_Add_Server::Controlla_Dati()
{
    int fault = 0;
    if (tables::Cell_Trim(E_Server_Add->Text()).empty())
        fault = 4328;
    else if (CB_Auth->ItemIndex() == 1 && tables::Cell_Trim(E_User->Text()).empty())
        fault = 4329;
    else if (CB_Auth->ItemIndex() == 1 && tables::Cell_Trim(E_Pass->Text()).empty())
        fault = 4330;
    else if (CB_Auth->ItemIndex() == 2 && tables::Cell_Trim(RE_Certificate->Text()).empty())
        fault = 4331;
    else if (CB_Auth->ItemIndex() == 2 && tables::Cell_Trim(RE_Priv_Key->Text()).empty())
        fault = 4332;
    if (fault == 0)
        return true;
    ui::MessageDlg(Txt(fault), ui::TMsgDlgType::mtError, ui::mbOK);
    return false;
}

void TFOPC_UA_Add_Server::Btn_OKClick(ui::TObject*)
{
    if (Controlla_Dati())
        SetModalResult(ui::mrOk);
}
