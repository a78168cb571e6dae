// TFIEC_61850_Access: the form, its panels and buttons, texts, and the device
// list.
#include "tables/iec61850_it/UIEC_61850_Access.h"

#include "common/UComon.h"
#include "dialogs/UDialogFrame.h"

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

namespace {
constexpr int Client_Width = 1200;
constexpr int Client_Height = 550;
constexpr int Device_Panel_Width = 465;
constexpr int Device_List_Width = 161;
}  // namespace

TFIEC_61850_Access::TFIEC_61850_Access(ui::TComponent* AOwner)
    : ui::TForm(AOwner),
      List_IEC_Dev(Model.List_IEC_Dev),
      List_DataSet(Model.List_DataSet),
      DataSet_Row_Select(Model.DataSet_Row_Select),
      Selected_IEC_DA(Model.Selected_IEC_DA),
      Selected_IEC_DS(Model.Selected_IEC_DS)
{
    SetName("FIEC_61850_Access");
    dlg::Dialog_Frame(*this, Client_Width, Client_Height);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Build_Buttons();
    Build_Pictures();
    Build_Device_Panel();
    Build_Table_Panel();
    OD_IcdFile = new ui::TOpenDialog(this);
    OD_IcdFile->SetName("OD_IcdFile");
    OD_IcdFile->Filter = "SCL Files (*.scd, *.ssd, *.sed, *.icd, *.iid, "
                         "*.cid)|*.scd; *.ssd; *.sed; *.icd; *.iid; "
                         "*.cid;|Any File (*.*)|*.*";
    OnShow = [this](ui::TObject* s) { FormShow(s); };
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

TFIEC_61850_Access::~TFIEC_61850_Access()
{
    // The tree's nodes go before the devices they point at.
    TV_IEC_Device->Items()->Clear();
}

void TFIEC_61850_Access::Build_Buttons()
{
    P_Button = dlg::Button_Panel(*this);
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", dlg::Button_Left(0));
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", dlg::Button_Left(1), ui::mrCancel);
    Btn_AddVar = dlg::Panel_Button(*this, P_Button, "Btn_AddVar", dlg::Button_Left(2));
    Btn_RemoveVar = dlg::Panel_Button(*this, P_Button, "Btn_RemoveVar", dlg::Button_Left(3));
    Btn_MoveUp = dlg::Panel_Button(*this, P_Button, "Btn_MoveUp", dlg::Button_Left(4));
    Btn_ModeDown = dlg::Panel_Button(*this, P_Button, "Btn_ModeDown", dlg::Button_Left(5));
    // Moving lines is not offered: the two buttons stay hidden and do nothing.
    Btn_MoveUp->SetVisible(false);
    Btn_ModeDown->SetVisible(false);
    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };
    Btn_AddVar->OnClick = [this](ui::TObject* s) { Btn_AddVarClick(s); };
    Btn_RemoveVar->OnClick = [this](ui::TObject* s) { Btn_RemoveVarClick(s); };
}

void TFIEC_61850_Access::Build_Device_Panel()
{
    const int height = Client_Height - dlg::Title_Height - dlg::Button_Panel_Height;
    PDevIEC = dlg::Place<ui::TPanel>(this, this, "PDevIEC", 0, dlg::Title_Height, Device_Panel_Width, height);
    PDevIEC->SetAlign(ui::TAlign::alLeft);
    PDevIEC->SetBevelOuter(ui::TBevelCut::bvNone);
    PDevIEC->SetCaption("");

    PDevIECList = dlg::Place<ui::TPanel>(this, PDevIEC, "PDevIECList", 0, 0, Device_List_Width, height);
    PDevIECList->SetAlign(ui::TAlign::alLeft);
    PDevIECList->SetBevelOuter(ui::TBevelCut::bvNone);
    PDevIECList->SetCaption("");
    Btn_Add_IEC_Device = dlg::Place<controls::TLbButton>(this, PDevIECList, "Btn_Add_IEC_Device", 0, 0,
                                                         Device_List_Width, dlg::Button_Height);
    dlg::Button_Look(*Btn_Add_IEC_Device, "LBOK");
    Btn_Add_IEC_Device->SetAlign(ui::TAlign::alTop);
    Btn_Add_IEC_Device->SetShowHint(true);
    Btn_Remove_IEC_Device =
        dlg::Place<controls::TLbButton>(this, PDevIECList, "Btn_Remove_IEC_Device", 0, height - dlg::Button_Height,
                                        Device_List_Width, dlg::Button_Height);
    dlg::Button_Look(*Btn_Remove_IEC_Device, "LBCANCEL");
    Btn_Remove_IEC_Device->SetAlign(ui::TAlign::alBottom);
    Btn_Remove_IEC_Device->SetShowHint(true);
    LB_IEC_Devices = dlg::Place<ui::TListBox>(this, PDevIECList, "LB_IEC_Devices", 0, dlg::Button_Height,
                                              Device_List_Width, height - 2 * dlg::Button_Height);
    LB_IEC_Devices->SetAlign(ui::TAlign::alClient);

    SplitterDev = dlg::Place<ui::TSplitter>(this, PDevIEC, "SplitterDev", Device_List_Width, 0, 4, height);
    // A splitter starts aligned to the top: turned to the left, it takes its width again.
    SplitterDev->SetAlign(ui::TAlign::alLeft);
    SplitterDev->SetBounds(Device_List_Width, 0, 4, height);

    PDevIECTree = dlg::Place<ui::TPanel>(this, PDevIEC, "PDevIECTree", Device_List_Width + 4, 0,
                                         Device_Panel_Width - Device_List_Width - 4, height);
    PDevIECTree->SetAlign(ui::TAlign::alClient);
    PDevIECTree->SetBevelOuter(ui::TBevelCut::bvNone);
    PDevIECTree->SetCaption("");
    TV_IEC_Device = dlg::Place<ui::TTreeView>(this, PDevIECTree, "TV_IEC_Device", 0, 0, PDevIECTree->Width(), height);
    TV_IEC_Device->SetAlign(ui::TAlign::alClient);
    TV_IEC_Device->SetReadOnly(true);
    TV_IEC_Device->SetIndent(19);
    TV_IEC_Device->SetImages(IL_IEC);
    TV_IEC_Device->SetHideSelection(false);

    Btn_Add_IEC_Device->OnClick = [this](ui::TObject* s) { Btn_Add_IEC_DeviceClick(s); };
    Btn_Remove_IEC_Device->OnClick = [this](ui::TObject* s) { Btn_Remove_IEC_DeviceClick(s); };
    LB_IEC_Devices->OnClick = [this](ui::TObject* s) { LB_IEC_DevicesClick(s); };
    TV_IEC_Device->OnClick = [this](ui::TObject* s) { TV_IEC_DeviceClick(s); };
    TV_IEC_Device->OnCustomDrawItem = [this](ui::TTreeView* s, ui::TTreeNode* n, ui::TCustomDrawState st, bool& d) {
        TV_IEC_DeviceCustomDrawItem(s, n, st, d);
    };

    SplitterTable =
        dlg::Place<ui::TSplitter>(this, this, "SplitterTable", Device_Panel_Width, dlg::Title_Height, 4, height);
    SplitterTable->SetAlign(ui::TAlign::alLeft);
    SplitterTable->SetBounds(Device_Panel_Width, dlg::Title_Height, 4, height);
}

void TFIEC_61850_Access::Set_Lang()
{
    using dlg::Txt;
    SetCaption(Txt(3200));
    L_SW_Desc->SetCaption(Txt(3201));
    controls::TLbButton* buttons[] = {Btn_OK,     Btn_Cancel,   Btn_AddVar,         Btn_RemoveVar,
                                      Btn_MoveUp, Btn_ModeDown, Btn_Add_IEC_Device, Btn_Remove_IEC_Device};
    for (int i = 0; i < 8; ++i) {
        buttons[i]->SetCaption(Txt(3202 + i));
        buttons[i]->SetHint(Txt(3210 + i));
    }
    Set_Lang_Tables();
}

void TFIEC_61850_Access::Show_IEC_Devices()
{
    LB_IEC_Devices->Items()->BeginUpdate();
    LB_IEC_Devices->Clear();
    for (const auto& device : List_IEC_Dev)
        LB_IEC_Devices->Items()->Add(device->fName);
    LB_IEC_Devices->Items()->EndUpdate();
}
