// TGxStringGrid: the selection models (the rectangle, disjunct rows, columns and cells), modified
// and enabled rows, moving the current cell, repainting parts of the grid and the selection
// queries.
#include "grid/stringgrid/GxGrid.h"

#include "grid/base/VozEdidCoding.h"

#include <algorithm>

namespace gx {

namespace {

template <typename T>
void Grow(std::vector<T>& v, int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) >= v.size())
        v.resize(static_cast<std::size_t>(index) + 1, T{});
}

template <typename T>
T At(const std::vector<T>& v, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < v.size() ? v[static_cast<std::size_t>(index)] : T{};
}

}  // namespace

// --- rows and columns -----------------------------------------------------------------------------

bool TGxStringGrid::RowSelect(int ARow)
{
    const bool persistent = mouseActions_->RowSelectPersistent();
    if ((ARow < 0 || ARow >= RowCount() + NumHiddenRows()) && !persistent)
        throw VIdiRazeRaduz("Invalid row " + std::to_string(ARow) + " accessed");
    if (mouseActions_->DisjunctRowSelect()) {
        if (ARow < 0)
            return false;
        Grow(rowSelect_, ARow);
        return rowSelect_[static_cast<std::size_t>(ARow)] != 0;
    }
    const ui::TGridRect sel = Selection();
    return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

void TGxStringGrid::SetRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw VIdiRazeRaduz("Invalid row accessed");
    if (ARow >= ui::kMaxGridCount)
        throw VIdiRazeRaduz("Invalid row accessed");
    bool allow = true;
    const bool was = At(rowSelect_, ARow) != 0;
    if ((static_cast<std::size_t>(ARow) >= rowSelect_.size() || was != Value) && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow)
        return;
    Grow(rowSelect_, ARow);
    if (Value) {
        if (!was)
            RepaintRow(ARow);
        rowSelect_[static_cast<std::size_t>(ARow)] = 1;
        if (ARow >= FixedRows() && std::find(selectedRows_.begin(), selectedRows_.end(), ARow) == selectedRows_.end())
            selectedRows_.push_back(ARow);
    } else {
        if (was)
            RepaintRow(ARow);
        rowSelect_[static_cast<std::size_t>(ARow)] = 0;
        selectedRows_.erase(std::remove(selectedRows_.begin(), selectedRows_.end(), ARow), selectedRows_.end());
    }
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

bool TGxStringGrid::ColSelect(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount())
        throw VIdiRazeRaduz("Invalid column accessed");
    return At(colSelect_, ACol) != 0;
}

void TGxStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount())
        throw VIdiRazeRaduz("Invalid column accessed");
    Grow(colSelect_, ACol);
    if ((colSelect_[static_cast<std::size_t>(ACol)] != 0) == Value)
        return;
    colSelect_[static_cast<std::size_t>(ACol)] = Value ? 1 : 0;
    RepaintCol(ACol);
}

void TGxStringGrid::SelectRows(int RowIndex, int RCount)
{
    if (RowIndex + RCount > RowCount())
        RCount = RowCount() - RowIndex;
    if (!mouseActions_->DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int key = mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (key < RowCount() || mouseActions_->RowSelectPersistent())
                SetRowSelect(key, true);
        }
    }
    if (!rowIndicator_.Empty())
        RepaintCol(0);
    selChange_ = false;
}

void TGxStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (mouseActions_->DisjunctRowSelect()) {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            if (r >= RowCount())
                continue;
            SetRowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r, false);
        }
    }
    selChange_ = false;
}

void TGxStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (!mouseActions_->DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, true);
}

void TGxStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (!mouseActions_->DisjunctColSelect())
        return;
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, false);
}

void TGxStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TGxStringGrid::ClearRowSelect()
{
    for (std::size_t r = 0; r < rowSelect_.size(); ++r) {
        if (rowSelect_[r]) {
            rowSelect_[r] = 0;
            RepaintRow(static_cast<int>(r));
        }
    }
    selectedRows_.clear();
}

void TGxStringGrid::ClearColSelect()
{
    for (std::size_t c = 0; c < colSelect_.size(); ++c) {
        if (colSelect_[c]) {
            colSelect_[c] = 0;
            RepaintCol(static_cast<int>(c));
        }
    }
}

void TGxStringGrid::SelectionToRowSelect(bool All)
{
    const ui::TGridRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom);
    const int bottom = std::min(std::max(sel.Top, sel.Bottom), RowCount() - fixedFooters_ - 1);
    const int from = All ? FixedRows() : std::max(FixedRows(), top);
    const int to = All ? RowCount() - 1 : std::min(RowCount() - 1, bottom);
    for (int r = from; r <= to; ++r)
        SetRowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r, r >= top && r <= bottom);
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TGxStringGrid::SelectionToColSelect(bool All)
{
    const ui::TGridRect sel = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= sel.Left && c <= sel.Right;
        if (inside || All)
            SetColSelect(c, inside);
    }
}

int TGxStringGrid::RowSelectCount() const
{
    if (mouseActions_->DisjunctRowSelect()) {
        const std::size_t n = std::min(static_cast<std::size_t>(RowCount() + NumHiddenRows()), rowSelect_.size());
        return static_cast<int>(std::count_if(rowSelect_.begin(), rowSelect_.begin() + static_cast<long>(n),
                                              [](std::uint8_t f) { return f != 0; }));
    }
    const ui::TGridRect sel = Selection();
    return std::abs(sel.Bottom - sel.Top) + 1;
}

int TGxStringGrid::ColSelectCount() const
{
    if (mouseActions_->DisjunctColSelect())
        return static_cast<int>(std::count_if(colSelect_.begin(), colSelect_.end(), [](std::uint8_t f) { return f; }));
    const ui::TGridRect sel = Selection();
    return sel.Right - sel.Left + 1;
}

// --- modified and enabled rows ------------------------------------------------------------------------

int TGxStringGrid::ModifiedRowCount() const
{
    return static_cast<int>(std::count(modifiedRows_.begin(), modifiedRows_.end(), 1));
}

bool TGxStringGrid::RowModified(int ARow) const
{
    return At(modifiedRows_, ARow) == 1;
}

void TGxStringGrid::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0 || ARow >= ui::kMaxGridCount)
        throw VIdiRazeRaduz("Invalid row accessed");
    Grow(modifiedRows_, ARow);
    modifiedRows_[static_cast<std::size_t>(ARow)] = Value ? 1 : 0;
    RepaintCell(0, ARow);
}

void TGxStringGrid::ClearModifiedRows()
{
    modifiedRows_.clear();
    Invalidate();
}

bool TGxStringGrid::RowEnabled(int ARow) const
{
    return At(disabledRows_, ARow) == 0;
}

// The current row first moves to the first other enabled row (it stays when there is none).
void TGxStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0 || ARow >= ui::kMaxGridCount)
        throw VIdiRazeRaduz("Invalid row accessed");
    if (ARow == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (r != ARow && RowEnabled(r)) {
                MoveToCell(Col(), r);
                break;
            }
        }
    }
    useEnabledRows_ = true;
    Grow(disabledRows_, ARow);
    disabledRows_[static_cast<std::size_t>(ARow)] = Value ? 0 : 1;
    RepaintRow(ARow);
}

// --- moving the current cell ----------------------------------------------------------------------------

void TGxStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TGxStringGrid::EditCell(int ACol, int ARow)
{
    if (CanFocus())
        SetFocus();
    GotoCell(ACol, ARow);
    ShowEditor();
}

void TGxStringGrid::FocusCell(int ACol, int ARow)
{
    SetSelection({ACol, ARow, ACol, ARow});
}

void TGxStringGrid::MoveToCell(int ACol, int ARow)
{
    MoveColRow(ACol, ARow, true, true);
}

// --- repainting -----------------------------------------------------------------------------------------

void TGxStringGrid::RepaintRow(int ARow)
{
    InvalidateRow(ARow);
}

void TGxStringGrid::RepaintCol(int ACol)
{
    InvalidateCol(ACol);
}

void TGxStringGrid::RepaintRect(const ui::TRect& r)
{
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0)
        return;
    const ui::TRect first = CellRect(r.Left, r.Top);
    const ui::TRect last = CellRect(std::min(VisibleColCount() + FixedCols(), r.Right), r.Bottom);
    if (first.IsEmpty() || last.IsEmpty()) {
        Invalidate();
        return;
    }
    InvalidateRect({std::min(first.Left, last.Left), std::min(first.Top, last.Top), std::max(first.Right, last.Right),
                    std::max(first.Bottom, last.Bottom)});
}

void TGxStringGrid::RepaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow)
{
    for (auto [c, r] : {std::pair{OldCol, OldRow}, std::pair{NewCol, NewRow}}) {
        if (TBaseGrid::FixedRows() > 0)
            RepaintCell(c, TBaseGrid::FixedRows() - 1);
        if (TBaseGrid::FixedCols() > 0)
            RepaintCell(TBaseGrid::FixedCols() - 1, r);
    }
}

void TGxStringGrid::RepaintCellRange(const ui::TRect& r)
{
    RepaintRect(r);
}

// Raw texts and raw properties change places; merged ranges and row flags stay where they are.
void TGxStringGrid::SwapCells(ui::TGridCoord FromCell, ui::TGridCoord ToCell)
{
    const std::string fromText = GridCells(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GridCells(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, fromText);
    auto fromProps = TakeCellProperties(FromCell.X, FromCell.Y);
    PutCellProperties(FromCell.X, FromCell.Y, TakeCellProperties(ToCell.X, ToCell.Y));
    PutCellProperties(ToCell.X, ToCell.Y, std::move(fromProps));
}

// --- selection queries ----------------------------------------------------------------------------------

void TGxStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

bool TGxStringGrid::IsSelected(int ACol, int ARow)
{
    if (ARow < FixedRows() || ACol < FixedCols())
        return false;
    if (mouseActions_->DisjunctCellSelect())
        return selectedCellSet_.count({ACol, ARow}) != 0;
    if (mouseActions_->DisjunctRowSelect())
        return RowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
    if (mouseActions_->DisjunctColSelect())
        return ACol < ColCount() && ColSelect(ACol);
    const ui::TGridRect sel = Selection();
    return ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
}

bool TGxStringGrid::SelectedCells(int i, int j) const
{
    if (mouseActions_->DisjunctCellSelect())
        return selectedCellSet_.count({i, j}) != 0;
    const ui::TGridRect sel = Selection();
    return i >= std::min(sel.Left, sel.Right) && i <= std::max(sel.Left, sel.Right) &&
           j >= std::min(sel.Top, sel.Bottom) && j <= std::max(sel.Top, sel.Bottom);
}

void TGxStringGrid::SetSelectedCells(int i, int j, bool Value)
{
    const bool present = selectedCellSet_.count({i, j}) != 0;
    if (present == Value)
        return;
    if (Value) {
        selectedCellSet_.insert({i, j});
        selectedCells_.push_back({i, j});
    } else {
        selectedCellSet_.erase({i, j});
        selectedCells_.erase(std::find(selectedCells_.begin(), selectedCells_.end(), ui::TGridCoord{i, j}));
    }
    RepaintCell(i, j);
}

// Outside the disjunct cell model the set is first rebuilt from the rectangle, column by column.
int TGxStringGrid::SelectedCellsCount()
{
    if (mouseActions_->DisjunctCellSelect())
        return static_cast<int>(selectedCells_.size());
    selectedCells_.clear();
    selectedCellSet_.clear();
    const ui::TGridRect sel = Selection();
    if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
        selectedCells_.push_back({Col(), Row()});
    } else {
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                selectedCells_.push_back({c, r});
    }
    for (const ui::TGridCoord& cell : selectedCells_)
        selectedCellSet_.insert({cell.X, cell.Y});
    return static_cast<int>(selectedCells_.size());
}

ui::TGridCoord TGxStringGrid::SelectedCell(int i) const
{
    if (i < 0 || static_cast<std::size_t>(i) >= selectedCells_.size())
        throw VIdiRazeRaduz("Invalid cell accessed");
    return selectedCells_[static_cast<std::size_t>(i)];
}

void TGxStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    selectedCells_.clear();
    selectedCellSet_.clear();
    Invalidate();
}

int TGxStringGrid::SelectedRowCount() const
{
    if (mouseActions_->DisjunctRowSelect())
        return static_cast<int>(selectedRows_.size());
    const ui::TGridRect sel = Selection();
    const int top = sel.Top;
    const int bottom = std::min(sel.Bottom, RowCount() - fixedFooters_ - 1);
    const ui::TPoint span = CellSpan(RealColIndex(sel.Left), top);
    if (IsMergedCell(RealColIndex(sel.Left), top))
        return top + span.Y > bottom ? span.Y + 1 : std::abs(top - bottom) + 1;
    int count = std::abs(top - bottom) + 1;
    if (IsMergedCell(RealColIndex(sel.Left), bottom))
        count += CellSpan(RealColIndex(sel.Left), bottom).Y;
    return count;
}

int TGxStringGrid::SelectedColCount() const
{
    if (mouseActions_->DisjunctColSelect())
        return ColSelectCount();
    const ui::TGridRect sel = Selection();
    const int left = RealColIndex(sel.Left);
    if (IsMergedCell(left, sel.Top)) {
        const int span = CellSpan(left, sel.Top).X;
        return sel.Left + span > sel.Right ? span + 1 : std::abs(sel.Left - sel.Right) + 1;
    }
    int count = std::abs(sel.Left - sel.Right) + 1;
    if (IsMergedCell(RealColIndex(sel.Right), sel.Top))
        count += CellSpan(RealColIndex(sel.Right), sel.Top).X;
    return count;
}

int TGxStringGrid::SelectedRow(int i) const
{
    if (mouseActions_->DisjunctRowSelect())
        return i >= 0 && static_cast<std::size_t>(i) < selectedRows_.size() ? selectedRows_[static_cast<std::size_t>(i)]
                                                                            : -1;
    const ui::TGridRect sel = Selection();
    const int row = std::min(sel.Top, sel.Bottom) + i;
    return i >= 0 && row <= std::max(sel.Top, sel.Bottom) ? row : -1;
}

// Cells joined by tabs, rows by CR LF, nothing after the last row.
std::string TGxStringGrid::SelectedText()
{
    ui::TGridRect sel = Selection();
    if ((Options() & ui::goRowSelect) && dragDropSettings_->OleEntireRows) {
        sel.Left = 0;
        sel.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (mouseActions_->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r))
                rows.push_back(r);
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            rows.push_back(r);
    }
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        for (int c = sel.Left; c <= sel.Right; ++c) {
            std::string cell = Cells(RealColIndex(c), rows[i]);
            if (Multilinecells && ExcelClipboardFormat && cell.find('\r') != std::string::npos)
                cell = QuoteMultiLine(cell);
            text += cell;
            if (c < sel.Right)
                text += '\t';
        }
    }
    return text;
}

}  // namespace gx
