// TGxStringGrid: hidden columns and rows, the mapping between display and real indexes, and the
// current cell (Row, Col, TopRow).
//
// Hidden columns keep their cells in the store under their real index; the framework shows
// ColCount display columns, and two tables map between the spaces in constant time. Hidden rows
// leave the store: each becomes a TGridItem holding the row's stored cells (moved, not copied),
// its height and its real index; the records stay sorted by real index, so both row mappings are
// binary searches.
#include "grid/stringgrid/GxGrid.h"

#include <algorithm>

namespace gx {

// --- columns ---------------------------------------------------------------------------------------

void TGxStringGrid::RebuildColumnMaps()
{
    realToDispl_.assign(kMaxHiddenColumns + 1, 0);
    displToReal_.clear();
    int shown = 0;
    for (int c = 0; c <= kMaxHiddenColumns; ++c) {
        realToDispl_[static_cast<std::size_t>(c)] = shown;
        if (c < kMaxHiddenColumns && visibleCol_[static_cast<std::size_t>(c)]) {
            displToReal_.push_back(c);
            ++shown;
        }
    }
}

bool TGxStringGrid::IsHiddenColumn(int ColIndex) const
{
    return ColIndex >= 0 && ColIndex < kMaxHiddenColumns && !visibleCol_[static_cast<std::size_t>(ColIndex)];
}

// A display index past the last shown column has no real column and answers 0.
int TGxStringGrid::RealColIndex(int ACol) const
{
    if (ACol >= kMaxHiddenColumns || numHiddenColumns_ == 0)
        return ACol;
    if (ACol < 0 || static_cast<std::size_t>(ACol) >= displToReal_.size())
        return 0;
    return displToReal_[static_cast<std::size_t>(ACol)];
}

int TGxStringGrid::DisplColIndex(int ACol) const
{
    if (ACol >= kMaxHiddenColumns || numHiddenColumns_ == 0 || ACol < 0)
        return ACol;
    return realToDispl_[static_cast<std::size_t>(ACol)];
}

int TGxStringGrid::DisplColIndex(int ACol)
{
    return static_cast<const TGxStringGrid*>(this)->DisplColIndex(ACol);
}

// Refused as a whole, before anything changes, when an index lies outside the real columns or past
// the hidden-column tables.
void TGxStringGrid::HideColumns(int FromCol, int ToCol)
{
    if (FromCol > ToCol)
        return;
    if (FromCol < 0 || ToCol >= kMaxHiddenColumns || ToCol >= TotalColCount())
        throw VIdiRazeRaduz("Invalid column accessed");
    HideEditor();
    for (int c = FromCol; c <= ToCol; ++c) {
        if (!visibleCol_[static_cast<std::size_t>(c)] || ColCount() < 2)
            continue;
        const int d = DisplColIndex(c);
        allColWidths_[static_cast<std::size_t>(c)] = ColWidths(d);
        for (int k = d; k < ColCount() - 1; ++k)
            SetColWidths(k, ColWidths(k + 1));
        ++numHiddenColumns_;
        visibleCol_[static_cast<std::size_t>(c)] = false;
        RebuildColumnMaps();
        if (Col() == ColCount() - 1 && Col() > TBaseGrid::FixedCols())
            ui::TCustomGrid::FocusCell(Col() - 1, Row(), true);
        SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TGxStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    HideEditor();
    const int last = std::min(ToCol, kMaxHiddenColumns - 1);
    for (int c = std::max(FromCol, 0); c <= last; ++c) {
        if (visibleCol_[static_cast<std::size_t>(c)])
            continue;
        --numHiddenColumns_;
        visibleCol_[static_cast<std::size_t>(c)] = true;
        RebuildColumnMaps();
        SetColCount(ColCount() + 1);
        const int d = DisplColIndex(c);
        for (int k = ColCount() - 1; k > d; --k)
            SetColWidths(k, ColWidths(k - 1));
        SetColWidths(d, allColWidths_[static_cast<std::size_t>(c)]);
    }
    Invalidate();
}

int TGxStringGrid::AllColWidths(int i) const
{
    if (IsHiddenColumn(i))
        return allColWidths_[static_cast<std::size_t>(i)];
    return ColWidths(DisplColIndex(i));
}

void TGxStringGrid::SetAllColWidths(int i, int Value)
{
    if (i >= 0 && i < kMaxHiddenColumns)
        allColWidths_[static_cast<std::size_t>(i)] = Value;
    if (!IsHiddenColumn(i) && DisplColIndex(i) < ColCount())
        SetColWidths(DisplColIndex(i), Value);
}

// --- rows ---------------------------------------------------------------------------------------------

int TGxStringGrid::FindItemIndex(int realRow) const
{
    const auto it = std::lower_bound(gridItems_.begin(), gridItems_.end(), realRow,
                                     [](const std::unique_ptr<TGridItem>& item, int r) { return item->Idx < r; });
    return static_cast<int>(it - gridItems_.begin());
}

TGridItem* TGxStringGrid::HiddenRowItem(int ARow) const
{
    const int i = FindItemIndex(ARow);
    return i < NumHiddenRows() && gridItems_[static_cast<std::size_t>(i)]->Idx == ARow
               ? gridItems_[static_cast<std::size_t>(i)].get()
               : nullptr;
}

bool TGxStringGrid::IsHiddenRow(int Rowindex) const
{
    return HiddenRowItem(Rowindex) != nullptr;
}

int TGxStringGrid::DisplRowIndex(int ARow) const
{
    return ARow - FindItemIndex(ARow);
}

// The real row of display row ARow is ARow plus the hidden rows before it: the records j with
// Idx[j] - j <= ARow (Idx[j] - j counts the shown rows before record j and never falls).
int TGxStringGrid::RealRowIndex(int ARow) const
{
    if (gridItems_.empty())
        return ARow;
    int lo = 0, hi = NumHiddenRows();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (gridItems_[static_cast<std::size_t>(mid)]->Idx - mid <= ARow)
            lo = mid + 1;
        else
            hi = mid;
    }
    return ARow + lo;
}

// Hides display rows (ascending, distinct): each row's cells, height and real index move into a
// record at its place among the records; then the rows leave the display in one pass.
void TGxStringGrid::HideDisplayRows(const std::vector<int>& requested, int Level)
{
    // The last shown row is never hidden.
    std::vector<int> rows = requested;
    if (!rows.empty() && static_cast<int>(rows.size()) >= RowCount())
        rows.pop_back();
    if (rows.empty())
        return;
    std::vector<std::unique_ptr<TGridItem>> records;
    records.reserve(rows.size());
    // RealRowIndex of each row, read in one walk over the records as the rows ascend: before counts
    // the records with Idx - position <= d.
    std::size_t before = 0;
    for (int d : rows) {
        while (before < gridItems_.size() && gridItems_[before]->Idx - static_cast<int>(before) <= d)
            ++before;
        auto record = std::make_unique<TGridItem>(this, ExtractStoreRow(d));
        record->Idx = d + static_cast<int>(before);
        record->Height = RowHeights(d);
        record->Level = Level;
        records.push_back(std::move(record));
    }
    std::vector<std::unique_ptr<TGridItem>> merged;
    merged.reserve(gridItems_.size() + records.size());
    std::merge(
        std::make_move_iterator(gridItems_.begin()), std::make_move_iterator(gridItems_.end()),
        std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()), std::back_inserter(merged),
        [](const std::unique_ptr<TGridItem>& a, const std::unique_ptr<TGridItem>& b) { return a->Idx < b->Idx; });
    gridItems_ = std::move(merged);
    for (int i = 0; i < controlList_->Count(); ++i) {
        TControlItem* c = controlList_->GetControl(i);
        if (c->Control && IsHiddenRow(c->Y))
            c->Control->SetVisible(false);
    }
    RemoveDisplayRows(rows, false);
}

// Real rows; an index outside the grid's real rows is refused before anything changes.
void TGxStringGrid::HideRows(int FromRow, int ToRow)
{
    if (FromRow > ToRow)
        return;
    if (FromRow < 0 || ToRow >= TotalRowCount())
        throw VIdiRazeRaduz("Invalid row accessed");
    std::vector<int> rows;
    int item = FindItemIndex(FromRow);
    for (int r = FromRow, d = DisplRowIndex(FromRow); r <= ToRow; ++r) {
        if (item < NumHiddenRows() && gridItems_[static_cast<std::size_t>(item)]->Idx == r) {
            ++item;
            continue;
        }
        rows.push_back(d++);
    }
    HideDisplayRows(rows, 0);
}

// Only for a range none of whose rows is hidden yet; no heights are kept.
void TGxStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (FromRow > ToRow || IsHiddenRow(FromRow))
        return;
    if (FromRow < 0 || ToRow >= TotalRowCount())
        throw VIdiRazeRaduz("Invalid row accessed");
    const int p = FindItemIndex(FromRow);
    if (FindItemIndex(ToRow + 1) != p)
        return;
    const int first = FromRow - p;
    std::vector<std::unique_ptr<TGridItem>> records;
    for (int r = FromRow; r <= ToRow; ++r) {
        auto record = std::make_unique<TGridItem>(this);
        record->Idx = r;
        record->SetCells(ExtractStoreRow(first + (r - FromRow)));
        records.push_back(std::move(record));
    }
    gridItems_.insert(gridItems_.begin() + p, std::make_move_iterator(records.begin()),
                      std::make_move_iterator(records.end()));
    RemoveRowsCore(first, ToRow - FromRow + 1, false);
}

// The listed display rows leave as one filter level; UnHideRowList brings the last level back.
void TGxStringGrid::HideRowList(const TIntList& RowList)
{
    std::vector<int> rows;
    for (int i = 0; i < RowList.Count(); ++i) {
        const int d = RowList.GetInteger(i);
        if (d < 0 || d >= RowCount())
            throw VIdiRazeRaduz("Invalid row accessed");
        rows.push_back(d);
    }
    if (!std::is_sorted(rows.begin(), rows.end()))  // a filter pass lists its rows in order
        std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    HideDisplayRows(rows, filterLevel_);
    ++filterLevel_;
}

// The rows of the last filter level come back (every hidden row while no filter lies under it).
void TGxStringGrid::UnHideRowList()
{
    const int level = filterLevel_ - 1;
    std::vector<int> positions;
    for (int i = 0; i < NumHiddenRows(); ++i)
        if (gridItems_[static_cast<std::size_t>(i)]->Level == level || filterLevel_ < 2)
            positions.push_back(i);
    ShowHiddenItems(positions);
}

void TGxStringGrid::UnHideRows(int FromRow, int ToRow)
{
    if (FromRow > ToRow || !IsHiddenRow(FromRow))
        return;
    const int p = FindItemIndex(FromRow);
    const int q = FindItemIndex(ToRow + 1);
    std::vector<int> positions(static_cast<std::size_t>(q - p));
    for (int i = p; i < q; ++i)
        positions[static_cast<std::size_t>(i - p)] = i;
    ShowHiddenItems(positions);
}

void TGxStringGrid::UnHideRowsAll()
{
    std::vector<int> positions(gridItems_.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = static_cast<int>(i);
    ShowHiddenItems(positions);
}

// Brings the records at the given positions (ascending) back: each comes back at the display row
// its real index gives among the rows then shown. The rows are appended, then the rows and records
// are laid out from the back in one pass.
void TGxStringGrid::ShowHiddenItems(const std::vector<int>& positions)
{
    if (positions.empty())
        return;
    const int k = static_cast<int>(positions.size());
    // Final display rows of the returning records: their real index less the records that stay
    // hidden below them.
    std::vector<int> targets(positions.size());
    {
        std::size_t next = 0;
        int staying = 0;
        for (int i = 0; i < NumHiddenRows(); ++i) {
            if (next < positions.size() && positions[next] == i)
                targets[next++] = gridItems_[static_cast<std::size_t>(i)]->Idx - staying;
            else
                ++staying;
        }
    }
    const bool showModified = showModified_->Enabled;
    showModified_->Enabled = false;
    const int oldCount = RowCount();
    InsertRowsCore(oldCount, k, false, &targets);
    int source = oldCount - 1;
    int j = k - 1;
    for (int target = oldCount + k - 1; target >= 0 && j >= 0; --target) {
        if (targets[static_cast<std::size_t>(j)] == target) {
            TGridItem* item = gridItems_[static_cast<std::size_t>(positions[static_cast<std::size_t>(j)])].get();
            PlaceStoreRow(target, item->TakeCells());
            SetRowHeights(target, item->Height);
            --j;
        } else {
            PlaceStoreRow(target, ExtractStoreRow(source));
            SetRowHeights(target, RowHeights(source));
            --source;
        }
    }
    // The records leave the collection.
    std::vector<std::unique_ptr<TGridItem>> staying;
    staying.reserve(gridItems_.size() - positions.size());
    std::size_t next = 0;
    for (int i = 0; i < NumHiddenRows(); ++i) {
        if (next < positions.size() && positions[next] == i)
            ++next;
        else
            staying.push_back(std::move(gridItems_[static_cast<std::size_t>(i)]));
    }
    gridItems_ = std::move(staying);
    showModified_->Enabled = showModified;
    for (int i = 0; i < controlList_->Count(); ++i) {
        TControlItem* c = controlList_->GetControl(i);
        if (c->Control && !IsHiddenRow(c->Y))
            c->Control->SetVisible(true);
    }
    Invalidate();
}

// --- current cell ---------------------------------------------------------------------------------------

void TGxStringGrid::SetRow(int Value)
{
    if (Col() >= ColCount() || Col() < 0)
        MoveToCell(FixedCols(), Value);
    TBaseGrid::SetRow(Value);
    if (Row() != lastRowUpdate_ && OnRowUpdate) {
        OnRowUpdate(this, lastRowUpdate_, Row());
        lastRowUpdate_ = Row();
    }
    if (mouseActions_->DisjunctRowSelect())
        SelectionToRowSelect(false);
    if (syncGrid_->Grid() && syncGrid_->SelectionRow)
        syncGrid_->Grid()->SetRow(Row());
}

void TGxStringGrid::SetCol(int Value)
{
    TBaseGrid::SetCol(Value);
    if (syncGrid_->Grid() && syncGrid_->SelectionColumn)
        syncGrid_->Grid()->SetCol(Col());
}

void TGxStringGrid::SetTopRow(int Value)
{
    if (Value >= FixedRows() && Value <= RowCount() - 1)
        TBaseGrid::SetTopRow(Value);
}

}  // namespace gx
