#include "dialogs/UEtherCATSlave.h"

#include <algorithm>

#include "common/UComon.h"
#include "core/EtherCATSlaveFile.h"
#include "core/TableTexts.h"
#include "dialogs/UDialogFrame.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Dialogs.h"
#include "platform/xml/Xml.h"

TFEtherCATSlave* FEtherCATSlave = nullptr;

using core::TEtherCAT_Direction;
using dlg::Txt;

namespace {

constexpr int Variable_Rows = static_cast<int>(core::EtherCAT_Rows);
constexpr TEtherCAT_Direction Directions[] = {TEtherCAT_Direction::Slave_To_Master,
                                              TEtherCAT_Direction::Master_To_Slave};

struct TColumnLook {
    int Width;
    ui::TColor Color;
};

// Widths and colours of the slave-to-master columns; the other table has no Init Value column.
constexpr TColumnLook StM_Columns[] = {
    {40, ui::clNone},
    {50, ui::RGB(0xFF, 0xD8, 0xB0)},
    {120, ui::RGB(0xE0, 0xFA, 0xFE)},
    {100, ui::RGB(0xE0, 0xFA, 0xFE)},
    {280, ui::RGB(0xE0, 0xFA, 0xFE)},
    {100, ui::RGB(0xA8, 0xFF, 0xA8)},
    {100, ui::RGB(0xFC, 0xD6, 0xF4)},
    {100, ui::RGB(0xFC, 0xD6, 0xF4)},
    {100, ui::RGB(0xFF, 0xFF, 0xFF)},
};

TColumnLook Column_Look(TEtherCAT_Direction d, int col)
{
    if (d == TEtherCAT_Direction::Master_To_Slave && col >= 5)
        ++col;
    return StM_Columns[col];
}

std::string Cell(const TVarGrid* grid, int c, int r)
{
    return const_cast<TVarGrid*>(grid)->Cells(c, r);
}

}  // namespace

TFEtherCATSlave::TFEtherCATSlave(ui::TComponent* AOwner) : ui::TForm(AOwner)
{
    SetName("FEtherCATSlave");
    dlg::Dialog_Frame(*this, 1200, 337);
    const dlg::TTitlePanel title = dlg::Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Button = dlg::Button_Panel(*this);
    Btn_DelRow = dlg::Panel_Button(*this, P_Button, "Btn_DelRow", dlg::Button_Left(0));
    Btn_InsRow = dlg::Panel_Button(*this, P_Button, "Btn_InsRow", dlg::Button_Left(1));
    Btn_CopyRow = dlg::Panel_Button(*this, P_Button, "Btn_CopyRow", dlg::Button_Left(2));
    Btn_PasteRow = dlg::Panel_Button(*this, P_Button, "Btn_PasteRow", dlg::Button_Left(3));
    Btn_OK = dlg::Panel_Button(*this, P_Button, "Btn_OK", 1200 - 2 * (dlg::Button_Width + 8) - 8);
    Btn_Cancel = dlg::Panel_Button(*this, P_Button, "Btn_Cancel", 1200 - (dlg::Button_Width + 8) - 8, ui::mrCancel);

    PageControl1 = dlg::Place<ui::TPageControl>(this, this, "PageControl1", 0, 0, 1200, 337 - 69 - 40);
    PageControl1->SetAlign(ui::TAlign::alClient);
    TS_SlaveToMaster = dlg::Place<ui::TTabSheet>(this, PageControl1, "TS_SlaveToMaster", 0, 0, 0, 0);
    TS_SlaveToMaster->SetPageControl(PageControl1);
    TS_MasterToSlave = dlg::Place<ui::TTabSheet>(this, PageControl1, "TS_MasterToSlave", 0, 0, 0, 0);
    TS_MasterToSlave->SetPageControl(PageControl1);
    GSG_SlaveMaster = dlg::Place<TVarGrid>(this, TS_SlaveToMaster, "GSG_SlaveMaster", 0, 0, 1192, 240);
    GSG_MasterSlave = dlg::Place<TVarGrid>(this, TS_MasterToSlave, "GSG_MasterSlave", 0, 0, 1192, 240);
    for (TVarGrid* grid : {GSG_SlaveMaster, GSG_MasterSlave}) {
        grid->SetAlign(ui::TAlign::alClient);
        grid->SetOptions(grid->Options() | ui::goEditing | ui::goRangeSelect | ui::goColSizing);
        grid->SetShowHint(true);
        grid->OnGetEditorType = [this](ui::TObject* s, int c, int r, gx::TEditorType& e) {
            GSG_SlaveMasterGetEditorType(s, c, r, e);
        };
        grid->OnGridHint = [this](ui::TObject* s, int r, int c, std::string& h) { GridHint(s, r, c, h); };
        grid->OnGetCellColor = [this](ui::TObject* s, int r, int c, ui::TGridDrawState, ui::TBrush* b, ui::TFont*) {
            if (r >= 1 && c >= 1)
                b->SetColor(Column_Look(Direction(s), c).Color);
        };
        grid->OnCellDone = [this](ui::TObject* s, int c, int r, const std::string& v) { Cell_Done(s, c, r, v); };
        grid->OnCheckBoxToggled = [this](ui::TObject* s, int c, int r, bool st) {
            GSG_SlaveMasterCheckBoxChange(s, c, r, st);
        };
        grid->OnCellClick = [this](ui::TObject* s, int r, int c) { ClickCell(s, r, c); };
        grid->OnCellDblClick = [this](ui::TObject* s, int r, int c) { DblClickCell(s, r, c); };
        grid->OnGridKeyPress = [this](ui::TObject* s, char32_t& k) { GridKeyPress(s, k); };
    }

    Btn_OK->OnClick = [this](ui::TObject* s) { Btn_OKClick(s); };
    Btn_DelRow->OnClick = [this](ui::TObject* s) { Btn_DelRowClick(s); };
    Btn_InsRow->OnClick = [this](ui::TObject* s) { Btn_InsRowClick(s); };
    Btn_CopyRow->OnClick = [this](ui::TObject* s) { Btn_CopyRowClick(s); };
    Btn_PasteRow->OnClick = [this](ui::TObject* s) { Btn_PasteRowClick(s); };
    OnShow = [this](ui::TObject* s) { FormShow(s); };

    L_SW_Code->SetCaption(SW_Code);
    PageControl1->SetActivePage(TS_SlaveToMaster);
    Set_Lang();
    Init_Table();
}

void TFEtherCATSlave::Init_Table()
{
    for (TEtherCAT_Direction d : Directions) {
        TVarGrid* grid = Grid(d);
        const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(d);
        grid->SetColCount(cols.Count);
        grid->SetRowCount(Variable_Rows + 1);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
        const std::vector<int>& headers = core::EtherCAT_Header_Texts(d);
        for (int c = 0; c < cols.Count; ++c) {
            grid->SetColWidths(c, Column_Look(d, c).Width);
            grid->SetCells(c, 0, Txt(headers[static_cast<std::size_t>(c)]));
        }
        for (int r = 1; r <= Variable_Rows; ++r) {
            grid->SetCells(0, r, std::to_string(r));
            Add_Cell_Check_Box(grid, cols.Enable, r, false);
            grid->SetReadOnly(cols.Position, r, true);
            grid->SetReadOnly(cols.BitStart, r, true);
        }
    }
    VarType.Clear();
    for (std::string_view name : core::EtherCAT_Type_Names)
        VarType.Add(std::string(name));
}

void TFEtherCATSlave::Set_Lang()
{
    SetCaption(Txt(1000));
    L_SW_Desc->SetCaption(Txt(1001));
    controls::TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Txt(1002 + i));
        buttons[i]->SetHint(Txt(1008 + i));
    }
    for (TEtherCAT_Direction d : Directions) {
        TVarGrid* grid = Grid(d);
        const std::vector<int>& headers = core::EtherCAT_Header_Texts(d);
        for (int c = 0; c < grid->ColCount() && c < static_cast<int>(headers.size()); ++c)
            grid->SetCells(c, 0, Txt(headers[static_cast<std::size_t>(c)]));
        rtl::TStringList& hints = d == TEtherCAT_Direction::Slave_To_Master ? Hint_StM : Hint_MtS;
        hints.Clear();
        for (int n : core::EtherCAT_Hint_Texts(d))
            hints.Add(Txt(n));
    }
    TS_SlaveToMaster->SetCaption(Txt(core::EtherCAT_Direction_Text(TEtherCAT_Direction::Slave_To_Master)));
    TS_MasterToSlave->SetCaption(Txt(core::EtherCAT_Direction_Text(TEtherCAT_Direction::Master_To_Slave)));
}

TVarGrid* TFEtherCATSlave::Grid(TEtherCAT_Direction d) const
{
    return d == TEtherCAT_Direction::Slave_To_Master ? GSG_SlaveMaster : GSG_MasterSlave;
}

TEtherCAT_Direction TFEtherCATSlave::Direction(const ui::TObject* grid) const
{
    return grid == GSG_MasterSlave ? TEtherCAT_Direction::Master_To_Slave : TEtherCAT_Direction::Slave_To_Master;
}

TVarGrid* TFEtherCATSlave::Active_Grid() const
{
    return PageControl1->ActivePage() == TS_MasterToSlave ? GSG_MasterSlave : GSG_SlaveMaster;
}

std::vector<core::TEtherCAT_Var> TFEtherCATSlave::Grid_Rows(TEtherCAT_Direction d) const
{
    const TVarGrid* grid = Grid(d);
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(d);
    std::vector<core::TEtherCAT_Var> rows(core::EtherCAT_Rows);
    for (int r = 1; r <= Variable_Rows; ++r) {
        core::TEtherCAT_Var& v = rows[static_cast<std::size_t>(r - 1)];
        v.Enable = const_cast<TVarGrid*>(grid)->IsChecked(cols.Enable, r);
        v.Type = Cell(grid, cols.Type, r);
        v.Length = Cell(grid, cols.Length, r);
        v.Name = Cell(grid, cols.Name, r);
        if (cols.InitValue >= 0)
            v.InitValue = Cell(grid, cols.InitValue, r);
        v.Position = Cell(grid, cols.Position, r);
        v.BitStart = Cell(grid, cols.BitStart, r);
        v.Mnemonic = Cell(grid, cols.Mnemonic, r);
    }
    return rows;
}

void TFEtherCATSlave::Set_Grid_Rows(TEtherCAT_Direction d, const std::vector<core::TEtherCAT_Var>& rows)
{
    TVarGrid* grid = Grid(d);
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(d);
    grid->BeginUpdate();
    for (int r = 1; r <= Variable_Rows && r <= static_cast<int>(rows.size()); ++r) {
        const core::TEtherCAT_Var& v = rows[static_cast<std::size_t>(r - 1)];
        Set_Cell_Check_State(grid, cols.Enable, r, v.Enable);
        grid->SetCells(cols.Type, r, v.Type);
        grid->SetCells(cols.Length, r, v.Length);
        grid->SetCells(cols.Name, r, v.Name);
        if (cols.InitValue >= 0)
            grid->SetCells(cols.InitValue, r, v.InitValue);
        grid->SetCells(cols.Position, r, v.Position);
        grid->SetCells(cols.BitStart, r, v.BitStart);
        grid->SetCells(cols.Mnemonic, r, v.Mnemonic);
        const std::optional<core::TType_Rule> rule = core::Type_Rule(v.Type);
        grid->SetReadOnly(cols.Length, r, rule ? !rule->Length_Editable : false);
    }
    grid->EndUpdate();
}

core::TEtherCAT_Slave_Vars TFEtherCATSlave::Grid_Vars() const
{
    core::TEtherCAT_Slave_Vars vars;
    for (TEtherCAT_Direction d : Directions)
        vars.Rows(d) = Grid_Rows(d);
    return vars;
}

void TFEtherCATSlave::FormShow(ui::TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    const core::TEtherCAT_Slave_Load load = core::Load_EtherCAT_Slave_Vars(File_EtherCAT_Slave);
    for (TEtherCAT_Direction d : Directions) {
        TVarGrid* grid = Grid(d);
        const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(d);
        for (int r = 1; r <= Variable_Rows; ++r)
            for (int c = 0; c < cols.Count; ++c)
                grid->SetReadOnly(c, r, c == cols.Position || c == cols.BitStart);
        Set_Grid_Rows(d, load.Vars.Rows(d));
        Grid_Show_Start(grid);
    }
    Do_Copy_StM = false;
    Do_Copy_MtS = false;
    if (!load.Message.empty())
        ui::MessageDlg(load.Message, ui::TMsgDlgType::mtWarning, ui::mbOK);
}

bool TFEtherCATSlave::Controllo_dati()
{
    const std::optional<core::TEtherCAT_Fault> fault = core::EtherCAT_Slave_First_Fault(Grid_Vars());
    if (!fault)
        return true;
    PageControl1->SetActivePage(fault->Direction == TEtherCAT_Direction::Slave_To_Master ? TS_SlaveToMaster
                                                                                         : TS_MasterToSlave);
    ui::MessageDlg(fault->Message, ui::TMsgDlgType::mtError, ui::mbOK);
    return false;
}

void TFEtherCATSlave::Btn_OKClick(ui::TObject*)
{
    if (!Controllo_dati())
        return;
    try {
        core::Write_EtherCAT_Slave_File(File_EtherCAT_Slave, Grid_Vars());
    } catch (const rtl::Exception& e) {
        ui::MessageDlg(e.Message, ui::TMsgDlgType::mtError, ui::mbOK);
        return;
    }
    SetModalResult(ui::mrOk);
}

void TFEtherCATSlave::VarSetLength(ui::TObject* Sender, const std::string& ASelection, int, int ARow)
{
    TVarGrid* grid = Grid(Direction(Sender));
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(Direction(Sender));
    const std::optional<core::TType_Rule> rule = core::Type_Rule(ASelection);
    if (!rule)
        return;
    grid->SetCells(cols.Length, ARow, std::string(rule->Length));
    grid->SetReadOnly(cols.Length, ARow, !rule->Length_Editable);
}

void TFEtherCATSlave::Calc_Position_Bit(TVarGrid* grid, bool SlaveMaster)
{
    const TEtherCAT_Direction d =
        SlaveMaster ? TEtherCAT_Direction::Slave_To_Master : TEtherCAT_Direction::Master_To_Slave;
    std::vector<core::TEtherCAT_Var> rows = Grid_Rows(Direction(grid));
    core::Calc_Position_Bit(rows);
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(d);
    for (int r = 1; r <= Variable_Rows; ++r) {
        grid->SetCells(cols.Position, r, rows[static_cast<std::size_t>(r - 1)].Position);
        grid->SetCells(cols.BitStart, r, rows[static_cast<std::size_t>(r - 1)].BitStart);
    }
}

void TFEtherCATSlave::Recalc(ui::TObject* Sender)
{
    Calc_Position_Bit(Grid(Direction(Sender)), PageControl1->ActivePage() == TS_SlaveToMaster);
}

void TFEtherCATSlave::GSG_SlaveMasterGetEditorType(ui::TObject* Sender, int ACol, int, gx::TEditorType& AEditor)
{
    if (ACol != core::EtherCAT_Columns(Direction(Sender)).Type)
        return;
    AEditor = gx::edComboList;
    // The list offers exactly the type names.
    TVarGrid* grid = Grid(Direction(Sender));
    grid->ClearComboString();
    for (int i = 0; i < VarType.Count(); ++i)
        grid->AddComboString(VarType.Strings(i));
}

void TFEtherCATSlave::GSG_SlaveMasterComboChange(ui::TObject* Sender, int ACol, int ARow, int,
                                                 const std::string& ASelection)
{
    if (ACol != core::EtherCAT_Columns(Direction(Sender)).Type)
        return;
    VarSetLength(Sender, ASelection, ACol, ARow);
    Grid(Direction(Sender))->SetCells(ACol, ARow, ASelection);
    Recalc(Sender);
}

void TFEtherCATSlave::GSG_SlaveMasterCheckBoxChange(ui::TObject* Sender, int ACol, int, bool)
{
    if (ACol == core::EtherCAT_Columns(Direction(Sender)).Enable)
        Recalc(Sender);
}

void TFEtherCATSlave::GSG_SlaveMasterCellValidate(ui::TObject* Sender, int ACol, int, std::string&, bool&)
{
    if (ACol >= 1 && ACol <= 3)
        Recalc(Sender);
}

void TFEtherCATSlave::Cell_Done(ui::TObject* Sender, int ACol, int ARow, const std::string& Value)
{
    TVarGrid* grid = Grid(Direction(Sender));
    if (ACol == core::EtherCAT_Columns(Direction(Sender)).Type) {
        // The Type column offers its names only: a typed name is taken as chosen from the list,
        // anything else puts back what the cell held.
        const int index = VarType.IndexOf(Value);
        if (index >= 0 && VarType[index] == Value)
            GSG_SlaveMasterComboChange(Sender, ACol, ARow, index, Value);
        else
            grid->SetCells(ACol, ARow, grid->EditStartText());
        return;
    }
    std::string value = Value;
    bool valid = true;
    GSG_SlaveMasterCellValidate(Sender, ACol, ARow, value, valid);
}

void TFEtherCATSlave::ClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    if (ACol == 0 && ARow > 0)
        Grid(Direction(Sender))->SelectRows(ARow, 1);
}

void TFEtherCATSlave::DblClickCell(ui::TObject* Sender, int ARow, int ACol)
{
    Grid_DblClick_AutoSize(Grid(Direction(Sender)), ARow, ACol);
}

void TFEtherCATSlave::GridKeyPress(ui::TObject* Sender, char32_t& Key)
{
    Grid_Enter_Next_Cell(Grid(Direction(Sender)), Key);
}

void TFEtherCATSlave::GridHint(ui::TObject* Sender, int ARow, int ACol, std::string& hintstr)
{
    const rtl::TStringList& hints = Direction(Sender) == TEtherCAT_Direction::Slave_To_Master ? Hint_StM : Hint_MtS;
    hintstr = ARow == 0 && ACol >= 1 && ACol - 1 < hints.Count() ? hints[ACol - 1] : std::string();
}

void TFEtherCATSlave::Btn_DelRowClick(ui::TObject*)
{
    TVarGrid* grid = Active_Grid();
    const int row = grid->Row();
    if (ui::MessageDlg(core::Lang_Format(1033, {row}), ui::TMsgDlgType::mtConfirmation, ui::mbYes | ui::mbNo) ==
        ui::mrYes)
        Grid_Del_Row(row, grid, true);
    Calc_Position_Bit(grid, grid == GSG_SlaveMaster);
}

void TFEtherCATSlave::Btn_InsRowClick(ui::TObject*)
{
    TVarGrid* grid = Active_Grid();
    Grid_Ins_Row(grid->Row(), grid, true);
    // The opened row's Position and Start Bit stay computed cells.
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(Direction(grid));
    grid->SetReadOnly(cols.Position, grid->Row(), true);
    grid->SetReadOnly(cols.BitStart, grid->Row(), true);
}

void TFEtherCATSlave::Btn_CopyRowClick(ui::TObject*)
{
    TVarGrid* grid = Active_Grid();
    Grid_Copy_Row(grid, grid->Row());
    Do_Copy_StM = grid == GSG_SlaveMaster;
    Do_Copy_MtS = grid == GSG_MasterSlave;
}

void TFEtherCATSlave::Btn_PasteRowClick(ui::TObject*)
{
    TVarGrid* grid = Active_Grid();
    const int row = grid->Row();
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(Direction(grid));
    if (Grid_Paste_Row(grid, row, grid == GSG_SlaveMaster ? Do_Copy_StM : Do_Copy_MtS)) {
        const std::string type = grid->Cells(cols.Type, row);
        const std::string copied = grid->Cells(cols.Length, row);
        VarSetLength(grid, type, cols.Type, row);
        // A String row keeps the Length it was copied with.
        grid->SetCells(cols.Length, row, core::Pasted_Length(type, copied));
    }
    Calc_Position_Bit(grid, grid == GSG_SlaveMaster);
}
