// The cell rules, the row tests of the engine and the reset of a show.
#include <system_error>

#include "common/NumConv.h"
#include "core/tables/TableEngine.h"
#include "platform/rtl/StrUtils.h"

namespace tables {

std::string Cell_Trim(std::string_view text)
{
    return rtl::Trim(text);
}

std::int32_t Cell_Int(std::string_view text)
{
    return Str_To_Int_Rule(text);
}

bool Row_Enabled(const TGridDesc& grid, const TCells& cells, int row)
{
    if (grid.Enable_Column < 0)
        return true;
    const std::string cell = cells.Cell(grid.Enable_Column, row);
    switch (grid.Enable_Compare) {
    case TEnableCompare::TrimmedExact:
        return Cell_Trim(cell) == "Y";
    case TEnableCompare::TrimmedUpper:
        return rtl::UpperCase(Cell_Trim(cell)) == "Y";
    case TEnableCompare::Upper:
        return rtl::UpperCase(cell) == "Y";
    case TEnableCompare::Exact:
        return cell == "Y";
    }
    return false;
}

int Key_Column(const TKeyDesc& key, const TTableState* state)
{
    if (!key.Column_Var.empty() && state && state->Vars.contains(key.Column_Var))
        return static_cast<int>(state->Var(key.Column_Var));
    return key.Column;
}

bool Key_Empty(const TKeyDesc& key, const TCells& cells, int row, const TTableState* state)
{
    const int column = Key_Column(key, state);
    if (column < 0)
        return false;
    const std::string cell = cells.Cell(column, row);
    return key.Compare == TKeyCompare::Trimmed ? Cell_Trim(cell).empty() : cell.empty();
}

int Rows_Written(const TGridDesc& grid, const TCells& cells, const TTableState* state)
{
    int r = 1;
    while (r < cells.RowCount() && !Key_Empty(grid.Write_Key, cells, r, state))
        ++r;
    return r - 1;
}

void Reset_Rows(const TGridDesc& grid, TCells& cells)
{
    std::vector<std::string> texts(static_cast<std::size_t>(cells.ColCount()));
    for (int c = 1; c < cells.ColCount(); ++c)
        if (c == grid.Enable_Column)
            texts[static_cast<std::size_t>(c)] = "Y";
        else if (c < grid.Col_Count())
            texts[static_cast<std::size_t>(c)] = grid.Columns[static_cast<std::size_t>(c)].Reset;
    for (int r = 1; r < cells.RowCount(); ++r) {
        cells.SetCell(0, r, std::to_string(r));
        for (int c = 1; c < cells.ColCount(); ++c)
            cells.SetCell(c, r, texts[static_cast<std::size_t>(c)]);
    }
}

std::vector<std::string> Counted_Items(const TColumnDesc& column, const TTableState& state)
{
    std::vector<std::string> items = column.Items;
    if (!column.Items_Count.empty()) {
        const std::int64_t n = state.Var(column.Items_Count);
        items.reserve(items.size() + static_cast<std::size_t>(n > 0 ? n : 0));
        for (std::int64_t i = 0; i < n; ++i)
            items.push_back(std::to_string(i));
    }
    return items;
}

std::string Show_Tables(const TDialogDesc& dialog, const std::vector<TCells*>& grids, TTableState& state)
{
    if (dialog.Prepare)
        dialog.Prepare(state);
    for (std::size_t g = 0; g < grids.size() && g < dialog.Grids.size(); ++g)
        Reset_Rows(dialog.Grids[g], *grids[g]);
    std::string note;
    std::error_code ec;
    if (dialog.File && !dialog.File->empty() && std::filesystem::is_regular_file(*dialog.File, ec))
        note = Load_Table_File(dialog, *dialog.File, grids, state);
    if (dialog.After_Load) {
        std::vector<TCells*> all = grids;
        dialog.After_Load(all, state);
    }
    return note;
}

}  // namespace tables
