#include "tables/modbus_s7_bacnet/UImportEDEFile.h"

#include "common/AddressHelpers.h"
#include "common/UComon.h"
#include "core/tables/TableEngine.h"
#include "core/tables/modbus_s7_bacnet/ImportEDETable.h"
#include "dialogs/UDialogFrame.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Dialogs.h"

namespace ms7 = tables::modbus_s7_bacnet;

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {

constexpr int Text_Error_Line = 2113, Text_Only_Read = 2114, Text_Address_Label = 2115, Text_IP_Address = 2116,
              Text_Slave_ID = 2117, Text_Select_All = 2120, Text_Unselect_All = 2121;
constexpr int Panel_Height = 34;

}  // namespace

TFImportEDEFile::TFImportEDEFile(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, ms7::Import_EDE_Desc()), ACG(static_cast<dlg::TFrameColumnGrid*>(Grids[0]))
{
    // The address band between the title and the list.
    P_ID_IP = dlg::Place<ui::TPanel>(this, this, "P_ID_IP", 0, dlg::Title_Height, Desc.Client_Width, Panel_Height);
    P_ID_IP->SetAlign(ui::TAlign::alTop);
    P_ID_IP->SetCaption("");
    P_ID_IP->SetColor(dlg::Form_Color);
    LID_IP = dlg::Place_Label(this, P_ID_IP, "LID_IP", 16, 10, false, ui::clBlack);
    E_ID_IP = dlg::Place<ui::TEdit>(this, P_ID_IP, "E_ID_IP", 300, 6, 160, 21);
    Btn_Select_All = dlg::Panel_Button(*this, P_Button, "Btn_Select_All", dlg::Button_Left(2));
    Btn_Unselect_All = dlg::Panel_Button(*this, P_Button, "Btn_Unselect_All", dlg::Button_Left(3));
    Btn_Select_All->OnClick = [this](ui::TObject* s) { Btn_Select_AllClick(s); };
    Btn_Unselect_All->OnClick = [this](ui::TObject* s) { Btn_Unselect_AllClick(s); };
    ACG->OnCheckBoxToggled = [this](ui::TObject* s, int c, int r, bool st) { ACGCheckBoxClick(s, c, r, st); };
    Set_Lang();
}

void TFImportEDEFile::Set_Lang()
{
    dlg::TFTableFrame::Set_Lang();
    if (!Btn_Select_All)
        return;
    LID_IP->SetCaption(dlg::Txt(Text_Address_Label));
    Btn_Select_All->SetCaption(dlg::Txt(Text_Select_All));
    Btn_Unselect_All->SetCaption(dlg::Txt(Text_Unselect_All));
}

void TFImportEDEFile::Cancel_EDE_List_Vars()
{
    List_EDE_Var.clear();
}

void TFImportEDEFile::Load_EDE_File()
{
    // Shown without a file chosen: nothing to list.
    if (EDE_File.empty())
        return;
    try {
        List_EDE_Var = ms7::Load_EDE_File(EDE_File);
    } catch (const rtl::Exception& e) {
        List_EDE_Var.clear();
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
    }
}

void TFImportEDEFile::Show_Data_in_Grid()
{
    const std::size_t objects = List_EDE_Var.size();
    ACG->BeginUpdate();
    // Sized first, then every row reset: nothing of a longer list shown before stays.
    ACG->SetRowCount(static_cast<int>(objects) + (objects ? 1 : 2));
    tables::Reset_Rows(Desc.Grids[0], Cells(0));
    ms7::Show_EDE_Vars(Cells(0), List_EDE_Var);
    ACG->EndUpdate();
}

void TFImportEDEFile::Shown()
{
    if (E_ID_IP->CanFocus())
        E_ID_IP->SetFocus();
    Cancel_EDE_List_Vars();
    Load_EDE_File();
    Show_Data_in_Grid();
}

void TFImportEDEFile::ACGCheckBoxClick(ui::TObject*, int ACol, int ARow, bool State)
{
    if (ARow < 1 || ARow > static_cast<int>(List_EDE_Var.size()))
        return;
    ms7::TBACnet_Var& v = List_EDE_Var[static_cast<std::size_t>(ARow - 1)];
    switch (ACol) {
    case ms7::ede_list::Import:
        v.import = State;
        break;
    case ms7::ede_list::Read:
        v.read = State;
        break;
    case ms7::ede_list::Write:
        if (State && !v.commandable) {
            ui::MessageDlg(dlg::Txt(Text_Error_Line) + std::to_string(ARow) + dlg::Txt(Text_Only_Read),
                           ui::TMsgDlgType::mtError, ui::mbOK);
            Cells(0).SetCell(ACol, ARow, "N");
            return;
        }
        v.write = State;
        break;
    case ms7::ede_list::Commandable:
        // What the file says; the box only shows it.
        Cells(0).SetCell(ACol, ARow, v.commandable ? "Y" : "N");
        break;
    default:
        break;
    }
}

void TFImportEDEFile::Select_All(bool state)
{
    for (std::size_t k = 0; k < List_EDE_Var.size(); ++k) {
        List_EDE_Var[k].import = state;
        Cells(0).SetCell(ms7::ede_list::Import, static_cast<int>(k) + 1, state ? "Y" : "N");
    }
}

void TFImportEDEFile::Btn_Select_AllClick(ui::TObject*)
{
    Select_All(true);
}

void TFImportEDEFile::Btn_Unselect_AllClick(ui::TObject*)
{
    Select_All(false);
}

void TFImportEDEFile::Btn_OKClick(ui::TObject*)
{
    const std::string address = E_ID_IP->Text();
    if (App_BACnet_Type == 0) {
        std::uint8_t b[4] = {};
        if (IP_To_Bytes(address, b[0], b[1], b[2], b[3])) {
            ui::MessageDlg(dlg::Txt(Text_IP_Address), ui::TMsgDlgType::mtError, ui::mbOK);
            return;
        }
    } else if (App_BACnet_Type == 1) {
        const std::int32_t id = tables::Cell_Int(address);
        if (id < 0 || id > 254) {
            ui::MessageDlg(dlg::Txt(Text_Slave_ID), ui::TMsgDlgType::mtError, ui::mbOK);
            return;
        }
    }
    SetModalResult(ui::mrOk);
}
