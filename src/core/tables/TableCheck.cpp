// The data check of OK.
#include "core/tables/TableEngine.h"
#include "core/tables/TableTexts.h"

namespace tables {

namespace {

std::string Header_Text(const TColumnDesc& column)
{
    return column.Header ? core::Lang_Text(column.Header) : std::string(column.Caption);
}

TTableFault Dropped_Rows_Fault(const TDialogDesc& dialog, int g, int row, const TTableState& state)
{
    if (dialog.Dropped_Message)
        return {g, row, dialog.Texts.Dropped_Rows, dialog.Dropped_Message(g, row)};
    const TGridDesc& grid = dialog.Grids[static_cast<std::size_t>(g)];
    const std::string key = Header_Text(grid.Columns[static_cast<std::size_t>(Key_Column(grid.Write_Key, &state))]);
    return {g, row, dialog.Texts.Dropped_Rows, core::Lang_Format(dialog.Texts.Dropped_Rows, {row, key})};
}

}  // namespace

bool Row_Holds_Text(const TGridDesc& grid, const TCells& cells, int row)
{
    for (int c = 1; c < cells.ColCount() && c < grid.Col_Count(); ++c) {
        const TColumnDesc& column = grid.Columns[static_cast<std::size_t>(c)];
        if (column.Editor != TEditor::CheckBox && !column.ReadOnly && !Cell_Trim(cells.Cell(c, row)).empty())
            return true;
    }
    return false;
}

std::string Fault_Message(const TDialogDesc& dialog, int row, const TRuleFault& fault)
{
    if (!fault.Message.empty())
        return fault.Message;
    std::string message;
    if (fault.Row_Prefix)
        message = core::Lang_Text(dialog.Texts.Row_Prefix) + std::to_string(row);
    return message + core::Lang_Text(fault.Text) + fault.Suffix;
}

std::optional<TTableFault> First_Fault(const TDialogDesc& dialog, const std::vector<const TCells*>& grids,
                                       TTableState& state)
{
    if (dialog.Before_Check)
        dialog.Before_Check(state);
    for (int g = 0; g < static_cast<int>(grids.size()) && g < static_cast<int>(dialog.Grids.size()); ++g) {
        const TGridDesc& grid = dialog.Grids[static_cast<std::size_t>(g)];
        const TCells& cells = *grids[static_cast<std::size_t>(g)];
        // Rows from here on are not written: nothing typed there may be dropped without a word.
        const int end = Rows_Written(grid, cells, &state) + 1;
        bool dropping = false;
        for (int r = end; r < cells.RowCount() && !dropping; ++r)
            dropping = Row_Holds_Text(grid, cells, r);
        for (int r = 1; r < cells.RowCount(); ++r) {
            if (r == end && dropping)
                return Dropped_Rows_Fault(dialog, g, r, state);
            const bool enabled = Row_Enabled(grid, cells, r);
            if (grid.Enable_Before_Key && !enabled)
                continue;
            if (Key_Empty(grid.Check_Key, cells, r, &state))
                break;
            if (!enabled)
                continue;
            const TRowView view{cells, r, state};
            for (const TRowRule& rule : grid.Rules)
                if (const std::optional<TRuleFault> fault = rule(view))
                    return TTableFault{g, fault->Row_Prefix ? r : 0, fault->Text, Fault_Message(dialog, r, *fault)};
        }
        if (dropping)
            return Dropped_Rows_Fault(dialog, g, end, state);
    }
    if (dialog.After_Rows)
        if (const std::optional<TRuleFault> fault = dialog.After_Rows(grids, state))
            return TTableFault{fault->Grid, 0, fault->Text, Fault_Message(dialog, 0, *fault)};
    return std::nullopt;
}

}  // namespace tables
