#include "dialogs/UEtherNetIP_Master_Access.h"

#include "common/UComon.h"
#include "core/EtherNetIPRulesFile.h"
#include "dialogs/UDialogFrame.h"
#include "dialogs/UEtherNetIP_EDS.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

using dlg::Txt;

namespace {

constexpr int Connection_Rows = static_cast<int>(core::EtherNetIP_Rows);

struct TColumnLook {
    int Width;
    ui::TColor Color;
};
constexpr TColumnLook Columns[] = {
    {40, ui::clNone},
    {50, ui::RGB(0xFF, 0xD8, 0xB0)},
    {110, ui::RGB(0xE0, 0xFA, 0xFE)},
    {80, ui::RGB(0xFF, 0xFF, 0xA8)},
    {80, ui::RGB(0xFF, 0xFF, 0xA8)},
    {85, ui::RGB(0xFC, 0xD6, 0xF4)},
    {85, ui::RGB(0xFC, 0xD6, 0xF4)},
    {80, ui::RGB(0xA8, 0xFF, 0xA8)},
    {105, ui::RGB(0xD5, 0xD5, 0xFF)},
    {120, ui::RGB(0xD5, 0xD5, 0xFF)},
    {105, ui::RGB(0xD5, 0xD5, 0xFF)},
    {120, ui::RGB(0xD5, 0xD5, 0xFF)},
    {120, ui::RGB(0x91, 0xDE, 0xFF)},
    {120, ui::RGB(0x91, 0xDE, 0xFF)},
    {95, ui::RGB(0xFF, 0xFF, 0xFF)},
};

}  // namespace

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetName("FEtherNetIP_Master_Access");
    dlg::Dialog_Frame(*this, 1180, 337);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = dlg::Button_Panel(*this);
    Btn_DelRow = dlg::Panel_Button(*this, P_Button, "Btn_DelRow", dlg::Button_Left(0));
    Btn_InsRow = dlg::Panel_Button(*this, P_Button, "Btn_InsRow", dlg::Button_Left(1));
    Btn_CopyRow = dlg::Panel_Button(*this, P_Button, "Btn_CopyRow", dlg::Button_Left(2));
    Btn_PasteRow = dlg::Panel_Button(*this, P_Button, "Btn_PasteRow", dlg::Button_Left(3));
    Btn_Import_EDS = dlg::Panel_Button(*this, P_Button, "Btn_Import_EDS", dlg::Button_Left(4) + 24);
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", 1180 - 2 * (dlg::Button_Width + 8) - 8);
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", 1180 - (dlg::Button_Width + 8) - 8, ui::mrCancel);

    ACG = dlg::Place<TConnGrid>(this, this, "ACG", 0, 0, 1180, 337 - 69 - 40);
    ACG->SetAlign(ui::TAlign::alClient);
    ACG->SetColCount(15);
    ACG->SetRowCount(Connection_Rows + 1);
    ACG->SetFixedCols(1);
    ACG->SetFixedRows(1);
    ACG->SetOptions(ACG->Options() | ui::goEditing | ui::goColSizing | ui::goRangeSelect);
    ACG->HintShowCells = true;
    ACG->SetShowHint(true);
    for (int c = 0; c < 15; ++c) {
        gx::TGridColumnItem* item = ACG->Columns()->Items(c);
        item->SetWidth(Columns[c].Width);
        if (c > 0)
            item->SetColor(Columns[c].Color);
    }
    ACG->Columns()->Items(0)->SetFixed(true);
    ACG->Columns()->Items(1)->SetEditor(gx::edDataCheckBox);
    ACG->Columns()->Items(1)->SetAlignment(ui::TAlignment::taCenter);
    for (int c : {12, 13}) {
        ACG->Columns()->Items(c)->SetEditor(gx::edComboEdit);
        ACG->Columns()->Items(c)->ComboItems.Add("Default");
    }
    ACG->OnGridHint = [this](ui::TObject* s, int r, int c, std::string& h) { GridHint(s, r, c, h); };
    ACG->OnCellDblClick = [this](ui::TObject* s, int r, int c) { DblClickCell(s, r, c); };
    ACG->OnGridKeyPress = [this](ui::TObject* s, char32_t& k) { GridKeyPress(s, k); };

    OD_EDS = new ui::TOpenDialog(this);
    OD_EDS->Filter = "EtherNet/IP EDS (*.eds)|*.eds";

    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };
    Btn_DelRow->OnClick = [this](ui::TObject* s) { Btn_DelRowClick(s); };
    Btn_InsRow->OnClick = [this](ui::TObject* s) { Btn_InsRowClick(s); };
    Btn_CopyRow->OnClick = [this](ui::TObject* s) { Btn_CopyRowClick(s); };
    Btn_PasteRow->OnClick = [this](ui::TObject* s) { Btn_PasteRowClick(s); };
    Btn_Import_EDS->OnClick = [this](ui::TObject* s) { Btn_Import_EDSClick(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };

    L_SW_Code->SetCaption(SW_Code);
    for (int r = 1; r <= Connection_Rows; ++r)
        ACG->SetCells(0, r, std::to_string(r));
    Set_Lang();
}

void TFEtherNetIP_Master_Access::Set_Lang()
{
    SetCaption(Txt(4900));
    L_SW_Desc->SetCaption(Txt(4901));
    controls::TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Txt(4902 + i));
        buttons[i]->SetHint(Txt(4908 + i));
    }
    ACG->Columns()->Items(0)->SetHeader(Txt(core::EtherNetIP_Number_Header_Text));
    Hint.Clear();
    for (std::size_t i = 0; i < core::EtherNetIP_Columns.size(); ++i) {
        ACG->Columns()->Items(static_cast<int>(i) + 1)->SetHeader(Txt(core::EtherNetIP_Columns[i].Header_Text));
        Hint.Add(Txt(core::EtherNetIP_Columns[i].Hint_Text));
    }
    Btn_Import_EDS->SetCaption(Txt(4959));
    Btn_Import_EDS->SetHint(Txt(4960));
}

std::vector<core::TEtherNetIP_Row> TFEtherNetIP_Master_Access::Grid_Rows()
{
    std::vector<core::TEtherNetIP_Row> rows(core::EtherNetIP_Rows);
    for (int r = 1; r <= Connection_Rows; ++r)
        for (std::size_t i = 0; i < core::EtherNetIP_Columns.size(); ++i)
            rows[static_cast<std::size_t>(r - 1)].*core::EtherNetIP_Columns[i].Field =
                ACG->Cells(static_cast<int>(i) + 1, r);
    return rows;
}

void TFEtherNetIP_Master_Access::Set_Grid_Rows(const std::vector<core::TEtherNetIP_Row>& rows)
{
    ACG->BeginUpdate();
    for (int r = 1; r <= Connection_Rows && r <= static_cast<int>(rows.size()); ++r) {
        ACG->SetCells(0, r, std::to_string(r));
        for (std::size_t i = 0; i < core::EtherNetIP_Columns.size(); ++i)
            ACG->SetCells(static_cast<int>(i) + 1, r,
                          rows[static_cast<std::size_t>(r - 1)].*core::EtherNetIP_Columns[i].Field);
    }
    ACG->EndUpdate();
}

void TFEtherNetIP_Master_Access::FormShow(ui::TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    Num_Byte_In = core::EtherNetIP_Max_Bytes;
    Num_Byte_Out = core::EtherNetIP_Max_Bytes;
    const core::TEtherNetIP_Rules_Load load = core::Load_EtherNetIP_Rules(File_EtherNetIP_Master_Rules);
    Set_Grid_Rows(load.Rows);
    Grid_Show_Start(ACG);
    Do_Copy = false;
    if (!load.Message.empty())
        ui::MessageDlg(load.Message, ui::TMsgDlgType::mtWarning, ui::mbOK);
}

bool TFEtherNetIP_Master_Access::Controllo_dati()
{
    const std::optional<core::TEtherNetIP_Fault> fault =
        core::EtherNetIP_First_Fault(Grid_Rows(), Num_Byte_In, Num_Byte_Out);
    if (!fault)
        return true;
    ui::MessageDlg(fault->Message, ui::TMsgDlgType::mtError, ui::mbOK);
    return false;
}

void TFEtherNetIP_Master_Access::Btn_OKClick(ui::TObject*)
{
    if (!Controllo_dati())
        return;
    try {
        core::Write_EtherNetIP_Rules_File(File_EtherNetIP_Master_Rules, Grid_Rows());
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    SetModalResult(ui::mrOk);
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick(ui::TObject*)
{
    TFEtherNEtIP_EDS* eds = EDS_Dialog ? EDS_Dialog : FEtherNEtIP_EDS;
    if (!eds || !OD_EDS->Execute())
        return;
    eds->EDS_FileName = OD_EDS->FileName;
    if (eds->ShowModal() != ui::mrOk)
        return;
    const int chosen = eds->ACG->Row() - 1;
    if (chosen < 0 || chosen >= static_cast<int>(eds->List_Conn.size()))
        return;
    Import_Connection(eds->List_Conn[static_cast<std::size_t>(chosen)]);
}

bool TFEtherNetIP_Master_Access::Import_Connection(const core::TConnData& conn)
{
    std::vector<core::TEtherNetIP_Row> rows = Grid_Rows();
    if (!core::Import_EDS_Connection(rows, conn))
        return false;
    Set_Grid_Rows(rows);
    return true;
}

void TFEtherNetIP_Master_Access::Btn_DelRowClick(ui::TObject*)
{
    const int row = ACG->Row();
    if (ui::MessageDlg(Txt(4940) + std::to_string(row), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) ==
        ui::mrYes)
        ColGrid_Del_Row(row, ACG);
}

void TFEtherNetIP_Master_Access::Btn_InsRowClick(ui::TObject*)
{
    ColGrid_Ins_Row(ACG->Row(), ACG, true);
}

void TFEtherNetIP_Master_Access::Btn_CopyRowClick(ui::TObject*)
{
    ColGrid_Copy_Row(ACG, ACG->Row());
    Do_Copy = true;
}

void TFEtherNetIP_Master_Access::Btn_PasteRowClick(ui::TObject*)
{
    ColGrid_Paste_Row(ACG, ACG->Row(), Do_Copy);
}

void TFEtherNetIP_Master_Access::DblClickCell(ui::TObject*, int ARow, int ACol)
{
    Grid_DblClick_AutoSize(ACG, ARow, ACol);
}

void TFEtherNetIP_Master_Access::GridKeyPress(ui::TObject*, char32_t& Key)
{
    Grid_Enter_Next_Cell(ACG, Key);
}

void TFEtherNetIP_Master_Access::GridHint(ui::TObject*, int ARow, int ACol, std::string& hintstr)
{
    if (const std::optional<std::string> hint = core::EtherNetIP_Cell_Hint(ACol, ARow))
        hintstr = *hint;
}
