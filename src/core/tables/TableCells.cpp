#include "core/tables/TableCells.h"

#include "core/tables/TableDesc.h"
#include "core/tables/TableEngine.h"

namespace tables {

std::string TTable::Cell(int col, int row) const
{
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_)
        return {};
    return cells_[static_cast<std::size_t>(row * cols_ + col)];
}

void TTable::SetCell(int col, int row, const std::string& text)
{
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_)
        return;
    cells_[static_cast<std::size_t>(row * cols_ + col)] = text;
}

std::int64_t TTableState::Var(std::string_view name) const
{
    const auto it = Vars.find(name);
    return it == Vars.end() ? 0 : it->second;
}

std::string TRowView::Trimmed(int col) const
{
    return Cell_Trim(Cell(col));
}

std::int32_t TRowView::Int(int col) const
{
    return Cell_Int(Cell(col));
}

}  // namespace tables
