#include "dialogs/UEtherCATSlave.h"

TFEtherCATSlave* FEtherCATSlave = nullptr;

using core::TEtherCAT_Direction;

TFEtherCATSlave::TFEtherCATSlave(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, core::EtherCAT_Slave_Desc()),
      TS_SlaveToMaster(Sheets[0]),
      TS_MasterToSlave(Sheets[1]),
      GSG_SlaveMaster(static_cast<TVarGrid*>(Grids[0])),
      GSG_MasterSlave(static_cast<TVarGrid*>(Grids[1])),
      Hint_StM(Hint_Lists[0]),
      Hint_MtS(Hint_Lists[1]),
      Do_Copy_StM(Copy_Flags[0]),
      Do_Copy_MtS(Copy_Flags[1])
{
    for (std::string_view name : core::EtherCAT_Type_Names)
        VarType.Add(std::string(name));
    for (TVarGrid* grid : {GSG_SlaveMaster, GSG_MasterSlave}) {
        grid->OnGetEditorType = [this](ui::TObject* s, int c, int r, gx::TEditorType& e) {
            GSG_SlaveMasterGetEditorType(s, c, r, e);
        };
        grid->OnCellDone = [this](ui::TObject* s, int c, int r, const std::string& v) { Cell_Done(s, c, r, v); };
        grid->OnCheckBoxToggled = [this](ui::TObject* s, int c, int r, bool st) {
            GSG_SlaveMasterCheckBoxChange(s, c, r, st);
        };
    }
}

TVarGrid* TFEtherCATSlave::Grid(TEtherCAT_Direction d) const
{
    return d == TEtherCAT_Direction::Slave_To_Master ? GSG_SlaveMaster : GSG_MasterSlave;
}

TEtherCAT_Direction TFEtherCATSlave::Direction(const ui::TObject* grid) const
{
    return grid == GSG_MasterSlave ? TEtherCAT_Direction::Master_To_Slave : TEtherCAT_Direction::Slave_To_Master;
}

void TFEtherCATSlave::Shown()
{
    // The Length of a fixed-size type is the rule's, not the engineer's.
    for (TEtherCAT_Direction d : {TEtherCAT_Direction::Slave_To_Master, TEtherCAT_Direction::Master_To_Slave}) {
        TVarGrid* grid = Grid(d);
        const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(d);
        for (int r = 1; r < grid->RowCount(); ++r) {
            const std::optional<core::TType_Rule> rule = core::Type_Rule(grid->Cells(cols.Type, r));
            grid->SetReadOnly(cols.Length, r, rule && !rule->Length_Editable);
        }
    }
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
    // The rows are the grid's; the layout of their columns is the direction's asked for.
    core::Calc_Position_Bit(d, Cells(Grid_Index(grid)));
}

void TFEtherCATSlave::Recalc(ui::TObject* Sender)
{
    Calc_Position_Bit(Grid(Direction(Sender)), PageControl1->ActivePage() == TS_SlaveToMaster);
}

void TFEtherCATSlave::GSG_SlaveMasterGetEditorType(ui::TObject* Sender, int ACol, int ARow, gx::TEditorType& AEditor)
{
    GetEditorType(Sender, ACol, ARow, AEditor);
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

void TFEtherCATSlave::Row_Deleted(int grid, int)
{
    Calc_Position_Bit(static_cast<TVarGrid*>(Grids[static_cast<std::size_t>(grid)]), grid == 0);
}

void TFEtherCATSlave::Row_Inserted(int grid, int row)
{
    // The opened row's Position and Start Bit stay computed cells.
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(Direction(Grids[static_cast<std::size_t>(grid)]));
    Grids[static_cast<std::size_t>(grid)]->SetReadOnly(cols.Position, row, true);
    Grids[static_cast<std::size_t>(grid)]->SetReadOnly(cols.BitStart, row, true);
}

void TFEtherCATSlave::Row_Pasted(int grid, int row)
{
    TVarGrid* g = static_cast<TVarGrid*>(Grids[static_cast<std::size_t>(grid)]);
    const core::TEtherCAT_Columns cols = core::EtherCAT_Columns(Direction(g));
    const std::string type = g->Cells(cols.Type, row);
    const std::string copied = g->Cells(cols.Length, row);
    VarSetLength(g, type, cols.Type, row);
    // A String row keeps the Length it was copied with.
    g->SetCells(cols.Length, row, core::Pasted_Length(type, copied));
    Calc_Position_Bit(g, grid == 0);
}
