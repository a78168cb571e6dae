// TGxStringGrid: rotated cell texts, scrolling a cell into view, moving and swapping rows and
// columns, the sort cross-reference, the record of the column order, and merging by row and text.
#include "grid/stringgrid/GxGrid.h"

#include <algorithm>
#include <typeinfo>
#include <utility>
#include <vector>

#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

// --- rotated cells -------------------------------------------------------------------------------------------

void TGxStringGrid::AddRotated(int ACol, int ARow, int AAngle, const std::string& s)
{
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCells(RealColIndex(ACol), ARow, s);
}

void TGxStringGrid::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        g = CreateCellGraphic(ACol, ARow);
    g->SetAngle(AAngle);
    RepaintCell(ACol, ARow);
}

void TGxStringGrid::RemoveRotated(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRotated);
}

bool TGxStringGrid::IsRotated(int ACol, int ARow, int& aAngle)
{
    if (GetCellType(ACol, ARow) != ctRotated)
        return false;
    aAngle = GetCellGraphic(ACol, ARow)->CellAngle;
    return true;
}

// --- scrolling a cell into view ------------------------------------------------------------------------------

// A cell already in view keeps its place, and the current cell stays in that direction.
void TGxStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount() || ColIndex < 0 || RowIndex < 0)
        return;
    const int visCols = VisibleColCount(), visRows = VisibleRowCount();
    int a = LeftCol(), b = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + visCols) {
        SetCol(ColIndex);
        a = std::max(ColIndex - visCols / 2, FixedCols());
    }
    bool rowMoved = false;
    if (RowIndex < TopRow() || RowIndex >= TopRow() + visRows) {
        SetRow(RowIndex);
        b = std::max(RowIndex - visRows / 2, FixedRows());
        rowMoved = true;
    }
    a = std::min(a, ColCount() - visCols + 1);
    if (FixedCols() + visCols < ColCount())
        SetLeftCol(std::clamp(a, FixedCols(), ColCount() - 1));
    b = std::min(b, RowCount() - visRows + 1);
    if (FixedRows() + visRows >= RowCount())
        return;
    if (rowMoved)
        SetTopRow(std::clamp(b, FixedRows(), RowCount() - 1));
    if (searchFooter_->Visible() && searchPanel_) {
        int h = Height() - searchPanel_->Height();
        if (FixedCols() + visCols < ColCount())
            h -= ui::TWinControl::ScrollBarSize;
        while (CellRect(0, RowIndex).Bottom > h && TopRow() < RowCount() - 1) {
            const int before = TopRow();
            SetTopRow(before + 1);
            if (TopRow() == before)
                break;
        }
    }
}

// --- moving rows and columns ---------------------------------------------------------------------------------

// The column-order record, the sort column, the current column and the embedded controls follow
// the move in ColumnMoved, which the mouse's column moves reach too.
void TGxStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (columnOrder_->Count() == 0)
        SetColumnOrder();
    ui::TCustomGrid::MoveColumn(FromIndex, ToIndex);
}

void TGxStringGrid::MoveRow(int FromIndex, int ToIndex)
{
    const int from = RealRowIndex(FromIndex), to = RealRowIndex(ToIndex);
    ui::TCustomGrid::MoveRow(FromIndex, ToIndex);
    for (int i = 0; i < controlList_->Count(); ++i) {
        TControlItem* item = controlList_->GetControl(i);
        item->Y = MovedIndex(item->Y, from, to);
    }
    if (controlList_->Count() > 0)
        Invalidate();
}

// The Count rows at FromIndex go to ToIndex, counted as before the move (the rows between close up).
void TGxStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0)
        return;
    if (FromIndex < 0 || FromIndex + Count > RowCount() || ToIndex < 0 || ToIndex > RowCount())
        throw VIdiRazeRaduz("Invalid row index");
    const int cols = TotalColCount();
    std::vector<std::vector<std::string>> texts(static_cast<std::size_t>(Count));
    std::vector<std::vector<std::unique_ptr<TCellProperties>>> props(static_cast<std::size_t>(Count));
    std::vector<int> levels(static_cast<std::size_t>(Count));
    for (int k = 0; k < Count; ++k) {
        for (int c = 0; c < cols; ++c) {
            texts[k].push_back(GridCells(c, FromIndex + k));
            props[k].push_back(TakeCellProperties(c, FromIndex + k));
        }
        levels[k] = RowNodeLevel(FromIndex + k);
    }
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    RemoveRowsEx(FromIndex, Count);
    InsertRows(ToIndex, Count, true);
    for (int k = 0; k < Count; ++k) {
        for (int c = 0; c < cols; ++c) {
            SetGridCell(c, ToIndex + k, texts[k][c]);
            PutCellProperties(c, ToIndex + k, std::move(props[k][c]));
        }
        SetRowNodeLevel(ToIndex + k, levels[k]);
    }
    Invalidate();
}

// --- swapping rows and columns --------------------------------------------------------------------------------

// Storage columns with their widths; the sort column and embedded controls follow their column.
void TGxStringGrid::SwapColumns(int ACol1, int ACol2)
{
    if (ACol1 == ACol2)
        return;
    for (int r = 0; r < RowCount(); ++r)
        SwapCells({ACol1, r}, {ACol2, r});
    const int d1 = DisplColIndex(ACol1), d2 = DisplColIndex(ACol2);
    if (d1 >= 0 && d1 < ColCount() && d2 >= 0 && d2 < ColCount()) {
        const int w = ColWidths(d1);
        SetColWidths(d1, ColWidths(d2));
        SetColWidths(d2, w);
    }
    if (sortSettings_->Column == ACol1)
        sortSettings_->Column = ACol2;
    else if (sortSettings_->Column == ACol2)
        sortSettings_->Column = ACol1;
    for (int i = 0; i < controlList_->Count(); ++i) {
        TControlItem* item = controlList_->GetControl(i);
        if (item->X == ACol1)
            item->X = ACol2;
        else if (item->X == ACol2)
            item->X = ACol1;
    }
    Invalidate();
}

// The whole rows, the cells of hidden columns included, with their heights; row flags stay.
void TGxStringGrid::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2)
        return;
    if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        throw VIdiRazeRaduz("Invalid row index");
    for (int c = 0; c < TotalColCount(); ++c)
        SwapCells({c, ARow1}, {c, ARow2});
    const int level = RowNodeLevel(ARow1);
    SetRowNodeLevel(ARow1, RowNodeLevel(ARow2));
    SetRowNodeLevel(ARow2, level);
    const int h = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, h);
    const int r1 = RealRowIndex(ARow1), r2 = RealRowIndex(ARow2);
    for (int i = 0; i < controlList_->Count(); ++i) {
        TControlItem* item = controlList_->GetControl(i);
        if (item->Y == r1)
            item->Y = r2;
        else if (item->Y == r2)
            item->Y = r1;
    }
    Invalidate();
}

void TGxStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    ++Swaps;
    if (ARow1 < sortRowXRef_.Count() && ARow2 < sortRowXRef_.Count() && ARow1 >= 0 && ARow2 >= 0) {
        const int x = sortRowXRef_.GetInteger(ARow1);
        sortRowXRef_.SetInteger(ARow1, sortRowXRef_.GetInteger(ARow2));
        sortRowXRef_.SetInteger(ARow2, x);
    }
    if (ARow1 == ARow2)
        return;
    if (sortSettings_->SingleColumn) {
        if (sortSettings_->Column >= 0)
            SwapCells({sortSettings_->Column, ARow1}, {sortSettings_->Column, ARow2});
        return;
    }
    // Whole stored rows: texts, user objects and cell properties of every column the storage spans
    // (hidden ones included) travel together.
    auto r1 = ExtractStoreRow(ARow1);
    auto r2 = ExtractStoreRow(ARow2);
    PlaceStoreRow(ARow1, std::move(r2));
    PlaceStoreRow(ARow2, std::move(r1));
    if (RowHeights(ARow1) != RowHeights(ARow2)) {
        const int h = RowHeights(ARow1);
        SetRowHeights(ARow1, RowHeights(ARow2));
        SetRowHeights(ARow2, h);
    }
    if (mouseActions_->DisjunctRowSelect() && navigation_->MoveRowOnSort()) {
        const bool s1 = RowSelect(ARow1);
        SetRowSelect(ARow1, RowSelect(ARow2));
        SetRowSelect(ARow2, s1);
    }
    if (showModified_->Enabled) {
        const bool m1 = RowModified(ARow1);
        SetRowModified(ARow1, RowModified(ARow2));
        SetRowModified(ARow2, m1);
    }
    if (SortRow == ARow1)
        SortRow = ARow2;
    else if (SortRow == ARow2)
        SortRow = ARow1;
    // Under an update lock the whole grid is repainted when the lock ends.
    if (!LockUpdate()) {
        InvalidateRow(ARow1);
        InvalidateRow(ARow2);
    }
}

bool TGxStringGrid::SortSwapRowsReplaced() const
{
    return typeid(*this) != typeid(TGxStringGrid);
}

void TGxStringGrid::SortReorderRows(int Left, const std::vector<int>& Order)
{
    const int n = static_cast<int>(Order.size());
    const bool oneStep = !SortSwapRowsReplaced() && !sortSettings_->SingleColumn && Left >= 0 &&
                         Left + n <= sortRowXRef_.Count() && Left + n <= RowCount();
    // The exchanges that bring each cycle of the order home, one after the other: each brings one
    // row to its place, and the place it fills is the one the exchange before touched. In one step
    // only their number counts.
    std::vector<std::pair<int, int>> exchanges;
    int exchangeCount = 0;
    {
        std::vector<bool> placed(Order.size(), false);
        for (int start = 0; start < n; ++start) {
            if (placed[static_cast<std::size_t>(start)])
                continue;
            placed[static_cast<std::size_t>(start)] = true;
            int at = start;
            for (int from = Order[static_cast<std::size_t>(at)] - Left; from != start;
                 from = Order[static_cast<std::size_t>(at)] - Left) {
                if (!oneStep)
                    exchanges.emplace_back(Left + at, Left + from);
                ++exchangeCount;
                at = from;
                placed[static_cast<std::size_t>(at)] = true;
            }
        }
    }
    if (!oneStep) {
        for (const auto& [a, b] : exchanges)
            SortSwapRows(a, b);
        return;
    }
    if (exchangeCount == 0)
        return;
    Swaps += exchangeCount;
    // Every per-row value SortSwapRows exchanges, taken in the new order.
    const auto reorder = [&](auto get, auto set) {
        std::vector<decltype(get(0))> values(Order.size());
        for (std::size_t k = 0; k < Order.size(); ++k)
            values[k] = get(Order[k]);
        for (std::size_t k = 0; k < Order.size(); ++k)
            set(Left + static_cast<int>(k), values[k]);
    };
    reorder([&](int r) { return sortRowXRef_.GetInteger(r); }, [&](int r, int v) { sortRowXRef_.SetInteger(r, v); });
    PermuteStoreRows(Left, Order);
    reorder([&](int r) { return RowHeights(r); },
            [&](int r, int h) {
                if (RowHeights(r) != h)
                    SetRowHeights(r, h);
            });
    if (mouseActions_->DisjunctRowSelect() && navigation_->MoveRowOnSort())
        reorder([&](int r) { return RowSelect(r); }, [&](int r, bool v) { SetRowSelect(r, v); });
    if (showModified_->Enabled)
        reorder([&](int r) { return RowModified(r); }, [&](int r, bool v) { SetRowModified(r, v); });
    if (SortRow >= Left && SortRow < Left + n)
        for (int k = 0; k < n; ++k)
            if (Order[static_cast<std::size_t>(k)] == SortRow) {
                SortRow = Left + k;
                break;
            }
    if (!LockUpdate())
        Invalidate();
}

// --- sort cross-reference ----------------------------------------------------------------------------------------

int TGxStringGrid::SortedRowIndex(int ARow) const
{
    const int x = ARow >= 0 && ARow < sortRowXRef_.Count() ? sortRowXRef_.GetInteger(ARow) : ARow;
    return RealRowIndex(x);
}

namespace {

int FirstPosition(const TIntList& list, int value)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.GetInteger(i) == value)
            return i;
    return list.Count();
}

}  // namespace

int TGxStringGrid::UnSortedRowIndex(int ARow) const
{
    return sortRowXRef_.Count() == 0 ? ARow : FirstPosition(sortRowXRef_, ARow);
}

int TGxStringGrid::UnSortedRow(int j) const
{
    if (j > sortRowXRef_.Count() || sortRowXRef_.Count() == 0)
        return j;
    return FirstPosition(sortRowXRef_, j);
}

std::string TGxStringGrid::UnSortedCells(int i, int j)
{
    return Cells(i, UnSortedRow(j));
}

void TGxStringGrid::SetUnSortedCells(int i, int j, const std::string& Value)
{
    SetCells(i, UnSortedRow(j), Value);
}

// --- column order -------------------------------------------------------------------------------------------

void TGxStringGrid::SetColumnOrder()
{
    columnOrder_->Clear();
    for (int c = 0; c < ColCount(); ++c)
        columnOrder_->Add(c);
}

// Each pass moves every column whose recorded index lies left of it; a record that is no
// permutation of the columns is re-recorded instead of looping.
void TGxStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    std::vector<int> entries;
    for (int p = 0; p < columnOrder_->Count(); ++p)
        entries.push_back(columnOrder_->GetInteger(p));
    std::vector<int> sorted = entries;
    std::sort(sorted.begin(), sorted.end());
    bool permutation = static_cast<int>(sorted.size()) == ColCount();
    for (std::size_t i = 0; permutation && i < sorted.size(); ++i)
        permutation = sorted[i] == static_cast<int>(i);
    if (!permutation) {
        SetColumnOrder();
        return;
    }
    bool moved = true;
    while (moved) {
        moved = false;
        for (int p = 0; p < ColCount(); ++p) {
            const int entry = columnOrder_->GetInteger(p);
            if (entry < p) {
                MoveColumn(p, entry);
                moved = true;
            }
        }
    }
}

int TGxStringGrid::ColumnPosition(int ACol) const
{
    if (columnOrder_->Count() == 0)
        return ACol;
    int p = FirstPosition(*columnOrder_, ACol);
    if (p == columnOrder_->Count())
        p = ACol;
    if (GroupColumn != -1 && ACol >= GroupColumn)
        --p;
    return p;
}

int TGxStringGrid::ColumnAtPosition(int ACol)
{
    if (columnOrder_->Count() == 0)
        SetColumnOrder();
    if (ACol < 0 || ACol >= columnOrder_->Count())
        return ACol;
    int entry = columnOrder_->GetInteger(ACol);
    if (GroupColumn != -1 && entry >= GroupColumn)
        ++entry;
    return entry;
}

std::string TGxStringGrid::OriginalCells(int i, int j)
{
    const int c = ColumnPosition(i);
    return Cells(c == -1 ? i : c, j);
}

void TGxStringGrid::SetOriginalCells(int i, int j, const std::string& Value)
{
    const int c = ColumnPosition(i);
    SetCells(c == -1 ? i : c, j, Value);
}

int TGxStringGrid::ColumnByHeader(const std::string& AValue)
{
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue)
            return c;
    return -1;
}

// --- merging by row and text -------------------------------------------------------------------------------------

void TGxStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    const int last = ColCount() - fixedRightCols_ - 1;
    int start = FixedCols();
    for (int c = FixedCols() + 1; c <= last; ++c) {
        if (Cells(c, RowIndex) == Cells(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1)))
            continue;
        MergeCells(start, RowIndex, c - start, 1);
        start = c;
    }
    if (last - start + 1 > 1)
        MergeCells(start, RowIndex, last - start + 1, 1);
}

void TGxStringGrid::SplitRowCells(int RowIndex)
{
    int c = 0;
    while (c < ColCount() - fixedRightCols_ - 1) {
        if (IsMergedCell(c, RowIndex)) {
            const int s = CellSpan(c, RowIndex).X;
            SplitCells(c, RowIndex);
            c += std::max(s, 0) + 1;
        } else {
            ++c;
        }
    }
}

void TGxStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r))
                SplitCells(c, r);
}

void TGxStringGrid::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, rtl::Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

}  // namespace gx
