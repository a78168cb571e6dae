// TGxStringGrid: inserting, appending and removing rows and columns, removing rows chosen by
// selection, check-box state or duplicate key, and hiding the selected or unselected rows.
//
// Rows move whole: a stored row carries its texts, user objects and properties (hidden columns
// included), and its height goes with it. Every path keeps the side tables in step with the rows it
// moves: hidden rows' real indexes, embedded controls, the modified, enabled and selected-row flags
// and the selected-row list. Bulk work runs under one update lock.
#include "grid/stringgrid/GxGrid.h"

#include <algorithm>
#include <unordered_set>

#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

// Drops the entries at the ascending positions that lie inside v.
template <typename T>
void EraseAt(std::vector<T>& v, const std::vector<int>& positions)
{
    if (v.empty() || positions.empty() || static_cast<std::size_t>(positions.front()) >= v.size())
        return;
    std::vector<T> kept;
    kept.reserve(v.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (next < positions.size() && static_cast<std::size_t>(positions[next]) == i) {
            ++next;
            continue;
        }
        kept.push_back(v[i]);
    }
    v.swap(kept);
}

// Adds zero entries so that they stand at the ascending final positions (only inside the list).
template <typename T>
void InsertZerosAt(std::vector<T>& v, const std::vector<int>& finals)
{
    if (v.empty() || finals.empty() || static_cast<std::size_t>(finals.front()) >= v.size())
        return;
    std::vector<T> out;
    out.reserve(v.size() + finals.size());
    std::size_t source = 0, next = 0;
    for (int pos = 0; source < v.size(); ++pos) {
        if (next < finals.size() && finals[next] == pos) {
            out.push_back(T{});
            ++next;
        } else {
            out.push_back(v[source++]);
        }
    }
    v.swap(out);
}

// Row numbers after rows at the ascending positions went: those rows leave the list, later ones
// move up.
void RenumberAfterErase(std::vector<int>& rows, const std::vector<int>& removed)
{
    std::vector<int> kept;
    for (int r : rows) {
        if (std::binary_search(removed.begin(), removed.end(), r))
            continue;
        kept.push_back(r - static_cast<int>(std::lower_bound(removed.begin(), removed.end(), r) - removed.begin()));
    }
    rows.swap(kept);
}

// Row numbers after rows were inserted at the ascending final positions: old row r lies after
// insertion j when finals[j] - j <= r.
void RenumberAfterInsert(std::vector<int>& rows, const std::vector<int>& finals)
{
    for (int& r : rows) {
        int lo = 0, hi = static_cast<int>(finals.size());
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (finals[static_cast<std::size_t>(mid)] - mid <= r)
                lo = mid + 1;
            else
                hi = mid;
        }
        r += lo;
    }
}

int CountBelow(const std::vector<int>& sorted, int value)
{
    return static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), value) - sorted.begin());
}

}  // namespace

// --- side tables ---------------------------------------------------------------------------------------

void TGxStringGrid::EraseSideListRows(const std::vector<int>& rows, const std::vector<int>& reals, bool Removed)
{
    EraseAt(modifiedRows_, rows);
    EraseAt(disabledRows_, rows);
    if (!mouseActions_->RowSelectPersistent()) {
        EraseAt(rowSelect_, rows);
        RenumberAfterErase(selectedRows_, rows);
    } else if (Removed) {
        std::vector<int> sortedReals = reals;
        std::sort(sortedReals.begin(), sortedReals.end());
        EraseAt(rowSelect_, sortedReals);
        RenumberAfterErase(selectedRows_, sortedReals);
    }
}

void TGxStringGrid::InsertSideListRows(const std::vector<int>& rows, bool Inserted)
{
    InsertZerosAt(modifiedRows_, rows);
    InsertZerosAt(disabledRows_, rows);
    if (!mouseActions_->RowSelectPersistent()) {
        InsertZerosAt(rowSelect_, rows);
        RenumberAfterInsert(selectedRows_, rows);
    } else if (Inserted && !rows.empty()) {
        // Real rows from the first new one on move down with the new rows.
        std::vector<int> reals;
        const int first = RealRowIndex(rows.front());
        for (std::size_t i = 0; i < rows.size(); ++i)
            reals.push_back(first + static_cast<int>(i));
        InsertZerosAt(rowSelect_, reals);
        RenumberAfterInsert(selectedRows_, reals);
    }
}

void TGxStringGrid::ClearStoreRows(int From, int Count)
{
    for (int r = From; r < From + Count; ++r)
        ExtractStoreRow(r).reset();
}

// --- the cores ----------------------------------------------------------------------------------------------

// The rows after the first listed one (ascending, distinct, not every row) close up: the store
// reorders them in one step with the listed rows' cells behind them, and those go with the rows
// the framework then deletes. A row's height is set only where it differs (an equal one changes
// nothing).
void TGxStringGrid::CloseRowGaps(const std::vector<int>& rows)
{
    const int left = rows.front();
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(RowCount() - left));
    std::size_t next = 0;
    int write = left;
    for (int d = left; d < RowCount(); ++d) {
        if (next < rows.size() && rows[next] == d) {
            ++next;
            continue;
        }
        order.push_back(d);
        if (const int height = RowHeights(d); height != RowHeights(write))
            SetRowHeights(write, height);
        ++write;
    }
    order.insert(order.end(), rows.begin(), rows.end());
    PermuteStoreRows(left, order);
    DeleteRowsAt(write, static_cast<int>(rows.size()));
}

// Removes display rows (ascending, distinct, inside the grid). With UpdateHidden the rows are
// removed for good: their controls go, and hidden rows below them move up in real index;
// otherwise (hiding) real indexes stay.
void TGxStringGrid::RemoveDisplayRows(const std::vector<int>& rows, bool UpdateHidden)
{
    if (rows.empty())
        return;
    const int n = static_cast<int>(rows.size());
    // The real indexes matter only to rows removed for good (hiding keeps every real index).
    std::vector<int> reals;
    if (UpdateHidden) {
        reals.reserve(rows.size());
        for (int d : rows)
            reals.push_back(RealRowIndex(d));
        for (int i = controlList_->Count() - 1; i >= 0; --i) {
            TControlItem* item = controlList_->GetControl(i);
            if (std::binary_search(reals.begin(), reals.end(), item->Y)) {
                if (item->Control)
                    item->Control->SetVisible(false);
                controlList_->RemoveControl(i);
                --numCellControls_;
            } else {
                item->Y -= CountBelow(reals, item->Y);
            }
        }
        for (auto& record : gridItems_)
            record->Idx -= CountBelow(reals, record->Idx);
    }

    // Footer rows, the floating footer, disjunct selection and row selection rest meanwhile.
    const int footers = fixedFooters_;
    fixedFooters_ = 0;
    const bool floating = floatingFooter_->Visible();
    if (floating)
        floatingFooter_->SetVisible(false);
    const bool disjunct = mouseActions_->DisjunctRowSelect();
    mouseActions_->SetDisjunctRowSelectDirect(false);
    BeginUpdate();
    const int topRow = TopRow();
    const int currentRow = Row();
    const bool rowSelect = (Options() & ui::goRowSelect) && TBaseGrid::FixedRows() < RowCount() - 1;
    if (rowSelect)
        SetOptions(Options() & ~ui::goRowSelect);

    EraseSideListRows(rows, reals, UpdateHidden);
    if (n >= RowCount()) {
        // Every row goes: the grid keeps one empty row.
        DeleteRowsAt(1, RowCount() - 1);
        ClearStoreRows(0, 1);
        SetRowHeights(0, DefaultRowHeight());
    } else if (rows.back() - rows.front() + 1 == n) {
        DeleteRowsAt(rows.front(), n);
    } else {
        CloseRowGaps(rows);
    }
    if (UpdateHidden)
        maxRowCount_ = std::max(maxRowCount_ - n, RowCount());

    if (currentRow < RowCount() - footers) {
        if (currentRow >= FixedRows())
            ui::TCustomGrid::FocusCell(Col(), currentRow, true);
        TBaseGrid::SetTopRow(topRow);
    } else if (RowCount() - footers - 1 >= FixedRows()) {
        ui::TCustomGrid::FocusCell(Col(), RowCount() - footers - 1, true);
    } else {
        HideSelection();
    }
    selectionHidden_ = false;
    EndUpdate();
    mouseActions_->SetDisjunctRowSelectDirect(disjunct);
    if (floating)
        floatingFooter_->SetVisible(true);
    fixedFooters_ = footers;

    DoCellsChanged({0, rows.front(), ColCount() - 1, rows.front() + n});
    if (TopRow() >= RowCount() - 1)
        TBaseGrid::SetTopRow(RowCount() - 1);
    if (rowSelect && TBaseGrid::FixedRows() < RowCount())
        SetOptions(Options() | ui::goRowSelect);
}

void TGxStringGrid::RemoveRowsCore(int RowIndex, int RCount, bool UpdateHidden)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    std::vector<int> rows(static_cast<std::size_t>(RCount));
    for (int i = 0; i < RCount; ++i)
        rows[static_cast<std::size_t>(i)] = RowIndex + i;
    RemoveDisplayRows(rows, UpdateHidden);
}

void TGxStringGrid::InsertRowsCore(int RowIndex, int RCount, bool UpdateCellControls, const std::vector<int>* Targets)
{
    if (RCount <= 0)
        return;
    RowIndex = std::clamp(RowIndex, 0, RowCount());
    if (selectionHidden_ || Col() >= ColCount() || Row() >= RowCount())
        UnHideSelection();
    const int firstReal = RealRowIndex(RowIndex);
    InsertRowsAt(RowIndex, RCount);
    std::vector<int> finals;
    if (Targets) {
        finals = *Targets;
    } else {
        for (int i = 0; i < RCount; ++i)
            finals.push_back(RowIndex + i);
    }
    InsertSideListRows(finals, Targets == nullptr);
    if (UpdateCellControls) {
        for (int i = 0; i < controlList_->Count(); ++i) {
            TControlItem* item = controlList_->GetControl(i);
            if (item->Y >= firstReal)
                item->Y += RCount;
        }
    }
    if (!Destroying())
        DoCellsChanged({0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

// --- rows --------------------------------------------------------------------------------------------------

void TGxStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RCount <= 0 || RowIndex >= RowCount())
        return;
    if (RowIndex < 0)
        throw VIdiRazeRaduz("Invalid row accessed");
    RCount = std::min(RCount, RowCount() - RowIndex);
    BeginUpdate();
    RemoveRowsCore(RowIndex, RCount, true);
    ClearStoreRows(RowCount(), RCount + 1);
    const int last = RowCount() + FixedRows() - VisibleRowCount() - 2;
    if (TopRow() >= last && RowCount() - VisibleRowCount() - 1 > 0)
        TBaseGrid::SetTopRow(last);
    EndUpdate();
    if (searchFooter_->Visible())
        searchPanel_->Invalidate();
}

// The lighter removal of the hide paths: the rows' cells move up; current and top row are kept
// while they stay inside the grid.
void TGxStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    if (RCount <= 0)
        return;
    if (RowIndex < 0 || RowIndex + RCount > RowCount())
        throw VIdiRazeRaduz("Invalid row accessed");
    RemoveRowsCore(RowIndex, RCount, true);
}

void TGxStringGrid::RemoveRowRange(int ARow, int Count)
{
    RemoveRowsCore(ARow, Count, true);
}

// Hidden rows from the insertion point on move down with the rows below, so they come back where
// they were.
void TGxStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0)
        return;
    // Refused before anything moves: the hidden rows' real indexes must not run ahead of rows
    // that never come.
    if (RowIndex < 0 || RowIndex > RowCount() || RCount > ui::kMaxGridCount - TotalRowCount())
        throw VIdiRazeRaduz("Invalid row accessed");
    const int firstReal = RealRowIndex(RowIndex);
    for (auto& record : gridItems_)
        if (record->Idx >= firstReal)
            record->Idx += RCount;
    InsertRowsCore(RowIndex, RCount, UpdateCellControls);
}

void TGxStringGrid::InsertRowList(const std::vector<int>& Targets)
{
    if (Targets.empty())
        return;
    const int k = static_cast<int>(Targets.size());
    const int oldCount = RowCount();
    for (int i = 0; i < k; ++i) {
        const int t = Targets[static_cast<std::size_t>(i)];
        if (t < 0 || t >= oldCount + k || (i > 0 && t <= Targets[static_cast<std::size_t>(i) - 1]))
            throw VIdiRazeRaduz("Invalid row accessed");
    }
    // Hidden rows and embedded controls keep real indexes of their own: one row at a time.
    if (NumHiddenRows() > 0 || controlList_->Count() > 0) {
        for (const int t : Targets)
            InsertRows(t, 1);
        return;
    }
    const bool showModified = showModified_->Enabled;
    showModified_->Enabled = false;
    InsertRowsCore(oldCount, k, false, &Targets);
    int source = oldCount - 1;
    for (int target = oldCount + k - 1, j = k - 1; j >= 0; --target) {
        if (Targets[static_cast<std::size_t>(j)] == target) {
            PlaceStoreRow(target, nullptr);
            SetRowHeights(target, DefaultRowHeight());
            --j;
        } else {
            PlaceStoreRow(target, ExtractStoreRow(source));
            SetRowHeights(target, RowHeights(source));
            --source;
        }
    }
    showModified_->Enabled = showModified;
}

void TGxStringGrid::RemoveRowList(const std::vector<int>& Rows)
{
    if (Rows.empty())
        return;
    for (std::size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i] < 0 || Rows[i] >= RowCount() || (i > 0 && Rows[i] <= Rows[i - 1]))
            throw VIdiRazeRaduz("Invalid row accessed");
    const int n = static_cast<int>(Rows.size());
    BeginUpdate();
    RemoveDisplayRows(Rows, true);
    ClearStoreRows(RowCount(), n + 1);
    const int last = RowCount() + FixedRows() - VisibleRowCount() - 2;
    if (TopRow() >= last && RowCount() - VisibleRowCount() - 1 > 0)
        TBaseGrid::SetTopRow(last);
    EndUpdate();
    if (searchFooter_->Visible())
        searchPanel_->Invalidate();
}

void TGxStringGrid::AddRow()
{
    if (floatingFooter_->Visible()) {
        InsertRows(RowCount() - 1, 1, true);
        if (floatingFooter_->FooterStyle() == fsFixedLastRow)
            ClearRows(RowCount() - 2, 1);
        return;
    }
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
}

void TGxStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked)
            rows.push_back(r);
    BeginUpdate();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        RemoveRows(*it, 1);
    EndUpdate();
}

// The first occurrence of each key (letter case ignored) stays.
void TGxStringGrid::RemoveDuplicates(int ACol, bool)
{
    // A column outside the grid reads empty in every row: every row would look like a duplicate.
    if (ACol < 0 || ACol >= ColCount())
        return;
    const int column = RealColIndex(ACol);
    std::unordered_set<std::string> keys;
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount() - fixedFooters_; ++r)
        if (!keys.insert(rtl::AnsiUpperCase(Cells(column, r))).second)
            rows.push_back(r);
    BeginUpdate();
    RemoveDisplayRows(rows, true);
    EndUpdate();
}

void TGxStringGrid::RemoveSelectedRows()
{
    std::vector<int> rows;
    const int last = RowCount() - fixedFooters_ - 1;
    if (mouseActions_->DisjunctRowSelect()) {
        for (int r = FixedRows(); r <= last; ++r)
            if (RowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r))
                rows.push_back(r);
    } else {
        const ui::TGridRect sel = Selection();
        for (int r = std::min(sel.Top, sel.Bottom); r <= std::max(sel.Top, sel.Bottom); ++r)
            rows.push_back(r);
    }
    BeginUpdate();
    RemoveDisplayRows(rows, true);
    if (mouseActions_->DisjunctRowSelect())
        ClearRowSelect();
    EndUpdate();
}

void TGxStringGrid::RemoveUnSelectedRows()
{
    std::vector<int> rows;
    for (int r = FixedRows(); r <= RowCount() - fixedFooters_ - 1; ++r) {
        const int key = mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r;
        if (!RowSelect(key))
            rows.push_back(r);
    }
    BeginUpdate();
    RemoveDisplayRows(rows, true);
    if (mouseActions_->RowSelectPersistent())
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
    EndUpdate();
}

void TGxStringGrid::RemoveSelectedCols()
{
    if (mouseActions_->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c) {
            if (!ColSelect(c))
                continue;
            RemoveCols(c, 1);
            if (static_cast<std::size_t>(c) < colSelect_.size())
                colSelect_.erase(colSelect_.begin() + c);
        }
        return;
    }
    const ui::TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    RemoveCols(left, right - left + 1);
}

void TGxStringGrid::RemoveUnSelectedCols()
{
    if (mouseActions_->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c) {
            if (ColSelect(c))
                continue;
            RemoveCols(c, 1);
            if (static_cast<std::size_t>(c) < colSelect_.size())
                colSelect_.erase(colSelect_.begin() + c);
        }
    } else {
        const ui::TGridRect sel = Selection();
        const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
        RemoveCols(right + 1, ColCount() - right);
        RemoveCols(FixedCols(), left - FixedCols());
    }
    ClearColSelect();
}

void TGxStringGrid::HideSelectedRows()
{
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (RowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r))
            rows.push_back(r);
    BeginUpdate();
    HideDisplayRows(rows, 0);
    EndUpdate();
}

void TGxStringGrid::HideUnSelectedRows()
{
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (!RowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(r) : r))
            rows.push_back(r);
    BeginUpdate();
    HideDisplayRows(rows, 0);
    EndUpdate();
}

// --- columns --------------------------------------------------------------------------------------------

namespace {

struct ColumnState {
    bool visible;
    int width;
};

}  // namespace

// The hidden-column tables from a list of (shown, width) per real column; columns from
// kMaxHiddenColumns on are always shown.
static void ReadHiddenColumns(const std::vector<ColumnState>& columns, std::array<bool, kMaxHiddenColumns + 1>& visible,
                              std::array<int, kMaxHiddenColumns + 1>& saved, int& numHidden)
{
    visible.fill(true);
    numHidden = 0;
    for (std::size_t c = 0; c < columns.size() && c < static_cast<std::size_t>(kMaxHiddenColumns); ++c) {
        if (!columns[c].visible) {
            visible[c] = false;
            saved[c] = columns[c].width;
            ++numHidden;
        }
    }
}

void TGxStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0)
        return;
    const int total = TotalColCount();
    if (ColIndex < 0 || ColIndex > total || CCount > ui::kMaxGridCount - total)
        throw VIdiRazeRaduz("Invalid column accessed");
    std::vector<ColumnState> columns;
    for (int c = 0; c < total; ++c)
        columns.push_back({!IsHiddenColumn(c), AllColWidths(c)});
    for (int c = std::max(ColIndex, kMaxHiddenColumns - CCount); c < std::min(total, kMaxHiddenColumns); ++c)
        if (!columns[static_cast<std::size_t>(c)].visible)
            throw VIdiRazeRaduz("Invalid column accessed");
    columns.insert(columns.begin() + ColIndex, static_cast<std::size_t>(CCount), {true, DefaultColWidth()});
    InsertStoreColumns(ColIndex, CCount);
    for (auto& record : gridItems_) {
        auto& cells = record->Cells();
        if (static_cast<std::size_t>(ColIndex) < cells.size()) {
            std::vector<ui::GridCell> empty(static_cast<std::size_t>(CCount));
            cells.insert(cells.begin() + ColIndex, std::make_move_iterator(empty.begin()),
                         std::make_move_iterator(empty.end()));
        }
    }
    ReadHiddenColumns(columns, visibleCol_, allColWidths_, numHiddenColumns_);
    RebuildColumnMaps();
    const int shown = total + CCount - numHiddenColumns_;
    SetColCount(shown);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        if (!IsHiddenColumn(c) && DisplColIndex(c) < ColCount())
            SetColWidths(DisplColIndex(c), columns[static_cast<std::size_t>(c)].width);
}

// What clearing the columns does, without emptying texts that leave with their column anyway: the
// properties (and graphics) are freed, a hidden last row hears of its change, observers of one
// rectangle. With mapped hidden columns the clear maps display to real columns: it runs as it is.
void TGxStringGrid::FreeRemovedCells(int ColIndex, int CCount)
{
    if (SaveHiddenCells && numHiddenColumns_ > 0) {
        ClearCols(ColIndex, CCount);
        return;
    }
    if (RowCount() == 0 || ColCount() == 0)
        return;
    const int last = ColIndex + CCount - 1, rows = RowCount();
    if (!ClearTextOnly) {
        for (int r = 0; r < rows; ++r)
            for (int c = ColIndex; c <= last; ++c)
                if (GridObjects(c, r)) {
                    RemoveCellGraphic(c, r);
                    ClearCellProperties(c, r);
                }
    }
    if (Destroying())
        return;
    if (HideLastRow())
        ClearRect(ColIndex, rows - 1, last, rows - 1);
    if (ColIndex == 0 && last >= ColCount() - 1)
        ResetHasCellProps();
    DoCellsChanged({RealColIndex(ColIndex), 0, RealColIndex(last), rows - 1});
}

void TGxStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (CCount <= 0)
        return;
    if (ColIndex < 0 || ColIndex >= total)
        throw VIdiRazeRaduz("Invalid column accessed");
    CCount = std::min(CCount, total - ColIndex);
    FreeRemovedCells(ColIndex, CCount);
    std::vector<ColumnState> columns;
    for (int c = 0; c < total; ++c)
        columns.push_back({!IsHiddenColumn(c), AllColWidths(c)});
    columns.erase(columns.begin() + ColIndex, columns.begin() + ColIndex + CCount);
    DeleteStoreColumns(ColIndex, CCount);
    for (auto& record : gridItems_) {
        auto& cells = record->Cells();
        if (static_cast<std::size_t>(ColIndex) < cells.size()) {
            std::vector<ui::GridCell> removed;
            const auto end =
                cells.begin() + std::min<std::size_t>(cells.size(), static_cast<std::size_t>(ColIndex + CCount));
            std::move(cells.begin() + ColIndex, end, std::back_inserter(removed));
            cells.erase(cells.begin() + ColIndex, end);
        }
    }
    ReadHiddenColumns(columns, visibleCol_, allColWidths_, numHiddenColumns_);
    RebuildColumnMaps();
    SetColCount(std::max(1, static_cast<int>(columns.size()) - numHiddenColumns_));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        if (!IsHiddenColumn(c) && DisplColIndex(c) < ColCount())
            SetColWidths(DisplColIndex(c), columns[static_cast<std::size_t>(c)].width);
    DoCellsChanged({ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

}  // namespace gx
