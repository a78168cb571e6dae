// Sorting; see GridSort.h.
#include "grid/extras/GridSort.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "grid/extras/GridExtras.h"
#include "grid/extras/GridFilter.h"
#include "grid/extras/GridSortCompare.h"
#include "grid/stringgrid/GxGridModule.h"

namespace gx {

namespace {

// Stable merge sort of row numbers; Less may be any function (a comparison that is not a strict
// order gives some order, never a fault).
template <class LessFn>
void MergeSortRows(std::vector<int>& rows, LessFn less)
{
    std::vector<int> buf(rows.size());
    for (std::size_t width = 1; width < rows.size(); width *= 2) {
        for (std::size_t lo = 0; lo < rows.size(); lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, rows.size());
            const std::size_t hi = std::min(lo + 2 * width, rows.size());
            std::size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                buf[k++] = less(rows[j], rows[i]) ? rows[j++] : rows[i++];
            while (i < mid)
                buf[k++] = rows[i++];
            while (j < hi)
                buf[k++] = rows[j++];
        }
        rows.swap(buf);
    }
}

// Puts the rows into the order given (Order[k] is the row that goes to Left + k).
void ApplyOrder(TGxStringGrid& grid, int left, const std::vector<int>& order)
{
    grid.SortReorderRows(left, order);
}

template <class LessFn>
void SortRange(TGxStringGrid& grid, int left, int right, LessFn less)
{
    if (right <= left)
        return;
    std::vector<int> rows(static_cast<std::size_t>(right - left + 1));
    std::iota(rows.begin(), rows.end(), left);
    MergeSortRows(rows, less);
    ApplyOrder(grid, left, rows);
}

int SortSign(const TGxStringGrid& grid)
{
    return grid.SortSettings()->Direction == sdAscending ? 1 : -1;
}

using TRuns = std::vector<std::pair<std::size_t, std::size_t>>;

// One column of a sort by several: the column and its sign (-1 descending).
struct TSortLevel {
    int Col;
    int Sign;
};

// The cells of Col for the rows of the runs, read in the grid's row order (rows of a run lie
// anywhere in the grid); the cells of each run follow one another, runs in their order.
std::vector<TRowComparer::TKeyCell> ReadRunCells(TRowComparer& cmp, int col, const std::vector<int>& rows,
                                                 const TRuns& runs)
{
    int lo = 0, hi = -1;
    std::size_t count = 0;
    for (const auto& [first, last] : runs)
        for (std::size_t p = first; p < last; ++p) {
            lo = count == 0 ? rows[p] : std::min(lo, rows[p]);
            hi = count == 0 ? rows[p] : std::max(hi, rows[p]);
            ++count;
        }
    std::vector<int> slot(static_cast<std::size_t>(hi - lo + 1), -1);  // by row - lo
    int next = 0;
    for (const auto& [first, last] : runs)
        for (std::size_t p = first; p < last; ++p)
            slot[static_cast<std::size_t>(rows[p] - lo)] = next++;
    std::vector<TRowComparer::TKeyCell> cells(count);
    for (int r = lo; r <= hi; ++r)
        if (const int k = slot[static_cast<std::size_t>(r - lo)]; k >= 0)
            cells[static_cast<std::size_t>(k)] = cmp.ReadKeyCell(col, r);
    return cells;
}

// Orders each run of Rows (rows equal in the levels before) by the levels in turn: by keys while
// a run's rows have them, else by Less(level, a, b), the full comparison from that level on.
template <class LevelLess>
void OrderTies(TRowComparer& cmp, const std::vector<TSortLevel>& levels, std::vector<int>& rows, TRuns runs,
               LevelLess less)
{
    TRuns next, sub;
    std::vector<int> run;
    std::vector<TRowComparer::TKeyCell> cells;
    for (std::size_t level = 0; level < levels.size() && !runs.empty(); ++level) {
        const TSortLevel& l = levels[level];
        cells.clear();
        if (cmp.MayHaveKeys(l.Col))
            cells = ReadRunCells(cmp, l.Col, rows, runs);
        std::size_t cellAt = 0;
        next.clear();
        for (const auto& [first, last] : runs) {
            const auto from = rows.begin() + static_cast<std::ptrdiff_t>(first);
            run.assign(from, rows.begin() + static_cast<std::ptrdiff_t>(last));
            const bool keyed = !cells.empty() && cmp.PrepareKeys(l.Col, run, cells.data() + cellAt);
            cellAt += run.size();
            if (!keyed) {
                MergeSortRows(run, [&](int a, int b) { return less(level, a, b); });
                std::copy(run.begin(), run.end(), from);
                continue;
            }
            sub.clear();
            const std::vector<int> ordered = cmp.RowsInKeyOrder(l.Sign, &sub);
            std::copy(ordered.begin(), ordered.end(), from);
            for (const auto& [a, b] : sub)
                next.emplace_back(first + a, first + b);
        }
        runs.swap(next);
    }
}

// Sorts Left..Right by the levels (ties under Full by the levels after the first), by keys where
// the rows have them; Less(cmp, level, a, b) is the full comparison from a level on.
template <class LevelLess>
void SortRowsByLevels(TGxStringGrid& grid, const std::vector<TSortLevel>& levels, int left, int right, LevelLess less)
{
    if (right <= left || levels.empty())
        return;
    TRowComparer cmp(grid, true);
    if (!cmp.PrepareKeys(levels[0].Col, left, right)) {
        SortRange(grid, left, right, [&](int a, int b) { return less(cmp, 0, a, b); });
        return;
    }
    TRuns ties;
    const bool full = grid.SortSettings()->Full && levels.size() > 1;
    std::vector<int> rows = cmp.RowsInKeyOrder(levels[0].Sign, full ? &ties : nullptr);
    const std::vector<TSortLevel> rest(levels.begin() + 1, levels.end());
    OrderTies(cmp, rest, rows, std::move(ties),
              [&](std::size_t level, int a, int b) { return less(cmp, level + 1, a, b); });
    ApplyOrder(grid, left, rows);
}

// By Col, ties by the columns after it (an ignored column compares equal), as CompareRows does.
void SortRowsByColumn(TGxStringGrid& grid, int col, int left, int right)
{
    const int sign = SortSign(grid);
    std::vector<TSortLevel> levels{{col, sign}};
    for (int c = col + 1; c < grid.AllColCount(); ++c)
        if (!grid.IsIgnoredColumn(c))
            levels.push_back({c, sign});
    SortRowsByLevels(grid, levels, left, right, [&](TRowComparer& cmp, std::size_t level, int a, int b) {
        return cmp.CompareRows(levels[level].Col, a, b) * sign < 0;
    });
}

// By the sort index list, as CompareRowsIndexed does.
void SortRowsIndexed(TGxStringGrid& grid, int left, int right)
{
    const TSortIndexList& list = *grid.SortIndexes();
    std::vector<TSortLevel> levels;
    for (int i = 0; i < list.Count(); ++i)
        levels.push_back({list.SortColumns(i), list.SortDirections(i) ? 1 : -1});
    SortRowsByLevels(grid, levels, left, right, [](TRowComparer& cmp, std::size_t level, int a, int b) {
        return cmp.CompareRowsIndexed(static_cast<int>(level), a, b) < 0;
    });
}

// What every sort entry point keeps and gives back: column 0 with NormalCellsOnly, the top row,
// the update lock. Restored also when the sort raises.
class TSortFrame {
public:
    explicit TSortFrame(TGxStringGrid& grid) : grid_(grid), topRow_(grid.TopRow())
    {
        if (grid.SortRowXRef()->Count() != grid.RowCount())
            InitSortXRef(grid);
        if (grid.SortSettings()->NormalCellsOnly && grid.FixedCols() > 0) {
            keepCol0_ = true;
            for (int r = 0; r < grid.RowCount(); ++r) {
                col0Text_.push_back(grid.GridCells(0, r));
                col0Obj_.push_back(grid.Objects(0, r));
            }
        }
        grid.BeginUpdate();
        grid.SortRow = grid.Row();
    }
    ~TSortFrame()
    {
        if (keepCol0_)
            for (int r = 0; r < grid_.RowCount() && r < static_cast<int>(col0Text_.size()); ++r) {
                grid_.SetGridCell(0, r, col0Text_[static_cast<std::size_t>(r)]);
                grid_.SetObjects(0, r, col0Obj_[static_cast<std::size_t>(r)]);
            }
        if (grid_.Navigation()->KeepScrollOnSort())
            grid_.SetTopRow(topRow_);
        grid_.SortRow = -1;
        grid_.EndUpdate();
    }
    TSortFrame(const TSortFrame&) = delete;
    TSortFrame& operator=(const TSortFrame&) = delete;

    // The current row after the sort: the row followed through it with MoveRowOnSort, else the
    // same index.
    void PlaceCurrentRow(int oldRow)
    {
        if (grid_.Navigation()->MoveRowOnSort() && grid_.SortRow >= 0 && grid_.SortRow != oldRow)
            grid_.SetRow(grid_.SortRow);
    }

private:
    TGxStringGrid& grid_;
    int topRow_;
    bool keepCol0_ = false;
    std::vector<std::string> col0Text_;
    std::vector<TObject*> col0Obj_;
};

int LastSortRow(const TGxStringGrid& grid)
{
    return grid.RowCount() - 1 - grid.FixedFooters();
}

}  // namespace

void InitSortXRef(TGxStringGrid& Grid)
{
    TIntList* xref = Grid.SortRowXRef();
    xref->Clear();
    for (int r = 0; r < Grid.RowCount(); ++r)
        xref->Add(r);
}

void QSort(TGxStringGrid& Grid)
{
    TSortSettings* ss = Grid.SortSettings();
    if (ss->Column < 0)
        return;
    Grid.SortIndexes()->Clear();
    const int oldRow = Grid.Row();
    {
        TSortFrame frame(Grid);
        SortRowsByColumn(Grid, ss->Column, Grid.FixedRows(), LastSortRow(Grid));
        if (!Grid.MouseActions()->DisjunctRowSelect())
            frame.PlaceCurrentRow(oldRow);
    }
}

void QSortIndexed(TGxStringGrid& Grid)
{
    if (Grid.SortIndexes()->Count() == 0)
        throw VIdiRazeRaduz("No indexes specified for indexed sort");
    const int oldRow = Grid.Row();
    TSortFrame frame(Grid);
    SortRowsIndexed(Grid, Grid.FixedRows(), LastSortRow(Grid));
    frame.PlaceCurrentRow(oldRow);
}

namespace {

// The rows under each expanded node of the deepest level are sorted; node rows keep their places,
// and contracted groups and groups of shallower levels stay as they are.
void SortNodes(TGxStringGrid& Grid, bool Indexed)
{
    if (Indexed && Grid.SortIndexes()->Count() == 0)
        throw VIdiRazeRaduz("No indexes specified for indexed sort");
    if (!Grid.HasNodes())
        return;
    const int last = LastSortRow(Grid);
    int deepest = 0;
    for (int r = Grid.FixedRows(); r <= last; ++r)
        if (Grid.IsNode(r))
            deepest = std::max(deepest, Grid.GetNodeLevel(r));
    const int oldRow = Grid.Row();
    TSortFrame frame(Grid);
    for (int r = Grid.FixedRows(); r <= last; ++r) {
        if (!Grid.IsNode(r) || Grid.GetNodeLevel(r) != deepest || Grid.NodeState(r))
            continue;
        const int span = Grid.GetNodeSpan(r);
        if (span <= 2)
            continue;
        // The span counts real rows: with rows of the group hidden, its shown rows end earlier, and
        // sorting up to r + span - 1 would pull the next group's node row in.
        const int to = std::min(Grid.DisplRowIndex(Grid.RealRowIndex(r) + span) - 1, last);
        if (to <= r + 1)
            continue;
        if (Indexed)
            SortRowsIndexed(Grid, r + 1, to);
        else
            SortRowsByColumn(Grid, Grid.SortSettings()->Column, r + 1, to);
    }
    frame.PlaceCurrentRow(oldRow);
}

}  // namespace

void QSortGroup(TGxStringGrid& Grid)
{
    if (Grid.SortSettings()->Column >= 0)
        SortNodes(Grid, false);
}

void QSortGroupIndexed(TGxStringGrid& Grid)
{
    SortNodes(Grid, true);
}

void QUnSort(TGxStringGrid& Grid)
{
    if (Grid.SortRowXRef()->Count() != Grid.RowCount())
        InitSortXRef(Grid);
    std::vector<int> xref(static_cast<std::size_t>(Grid.SortRowXRef()->Count()));
    for (int i = 0; i < Grid.SortRowXRef()->Count(); ++i)
        xref[static_cast<std::size_t>(i)] = Grid.SortRowXRef()->GetInteger(i);
    TSortFrame frame(Grid);
    // The cross-reference is normally a permutation of the row indexes: every row goes straight
    // back to its own place. Anything else sorts by the entries, equal ones keeping their order.
    std::vector<int> order(xref.size(), -1);
    bool permutation = true;
    for (std::size_t r = 0; r < xref.size() && permutation; ++r) {
        const int to = xref[r];
        permutation = to >= 0 && static_cast<std::size_t>(to) < order.size() && order[static_cast<std::size_t>(to)] < 0;
        if (permutation)
            order[static_cast<std::size_t>(to)] = static_cast<int>(r);
    }
    if (permutation) {
        ApplyOrder(Grid, 0, order);
        return;
    }
    SortRange(Grid, 0, Grid.RowCount() - 1,
              [&](int a, int b) { return xref[static_cast<std::size_t>(a)] < xref[static_cast<std::size_t>(b)]; });
}

void Sort(TGxStringGrid& Grid, int Column, TSortDirection Direction)
{
    Grid.SortSettings()->Column = Column;
    Grid.SortSettings()->Direction = Direction;
    Grid.QSort();
}

void SortByColumn(TGxStringGrid& Grid, int Col)
{
    if (Grid.RowCount() < 2)
        return;
    Grid.SortSettings()->Column = Col;
    Grid.QSort();
}

void QuickSort(TGxStringGrid& Grid, int Col, int Left, int Right)
{
    SortRowsByColumn(Grid, Col, Left, Right);
}

void QuickSortIndexed(TGxStringGrid& Grid, int Left, int Right)
{
    SortRowsIndexed(Grid, Left, Right);
}

bool SortLine(TGxStringGrid& Grid, int Col, int ARow1, int ARow2)
{
    TRowComparer cmp(Grid, false);
    const int sign = SortSign(Grid);
    for (int c = Col;; ++c) {
        const int r = cmp.CompareCells(c, ARow1, Grid.SortSettings()->Direction, ARow2);
        if (r == sign) {
            Grid.SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (r != 0 || c >= Grid.AllColCount() - 1)
            return false;
    }
}

namespace {

class TColumnMergeFrame {
public:
    TColumnMergeFrame(TGxStringGrid& grid, bool active) : grid_(grid), active_(active)
    {
        if (!active_)
            return;
        for (int c = 0; c < grid_.ColCount(); ++c)
            grid_.SplitColumnCells(c);
    }
    ~TColumnMergeFrame()
    {
        if (!active_)
            return;
        const TIntList& merged = *grid_.MergedColumns();
        for (int i = 0; i < merged.Count(); ++i)
            if (merged.GetInteger(i) < grid_.ColCount())
                grid_.MergeColumnCells(merged.GetInteger(i), i == 0);
    }
    TColumnMergeFrame(const TColumnMergeFrame&) = delete;
    TColumnMergeFrame& operator=(const TColumnMergeFrame&) = delete;

private:
    TGxStringGrid& grid_;
    bool active_;
};

}  // namespace

void HeaderClickSort(TGxStringGrid& Grid, int ACol, bool IndexKeyHeld)
{
    TSortSettings* ss = Grid.SortSettings();
    if (Grid.IsIgnoredColumn(ACol))
        return;
    bool doSort = true;
    if (Grid.OnCanSort)
        Grid.OnCanSort(&Grid, ACol, doSort);
    if (!doSort)
        return;
    Grid.HideInplaceEdit();
    if (Grid.SortRowXRef()->Count() != Grid.RowCount())
        InitSortXRef(Grid);
    // Merged column cells would mix rows while they move: they are split for the sort and the
    // grid's merged columns merged again afterwards, also when the sort raises.
    TColumnMergeFrame merge(Grid, ss->AutoColumnMerge);
    if (ss->IndexShow) {
        TSortIndexList* list = Grid.SortIndexes();
        list->ClickColumn(ACol, IndexKeyHeld, ss->InitSortDirection == sdAscending);
        if (Grid.HasNodes())
            Grid.QSortGroupIndexed();
        else
            Grid.QSortIndexed();
        ss->Column = list->Count() > 0 ? list->SortColumns(0) : -1;
    } else if (ss->UndoSort && ss->Column == ACol && ss->Direction != ss->InitSortDirection && !Grid.HasNodes()) {
        Grid.QUnSort();
        ss->Column = -1;
    } else {
        if (ss->Column == ACol)
            ss->Direction = ss->Direction == sdAscending ? sdDescending : sdAscending;
        else {
            ss->Column = ACol;
            ss->Direction = ss->InitSortDirection;
        }
        if (Grid.HasNodes())
            Grid.QSortGroup();
        else
            Grid.QSort();
    }
    Grid.Invalidate();
    if (Grid.OnClickSort)
        Grid.OnClickSort(&Grid, ss->Column);
}

void TGridExtras::QSort(TGxStringGrid& Grid)
{
    gx::QSort(Grid);
}

void TGridExtras::QSortIndexed(TGxStringGrid& Grid)
{
    gx::QSortIndexed(Grid);
}

void TGridExtras::QSortGroup(TGxStringGrid& Grid)
{
    gx::QSortGroup(Grid);
}

void TGridExtras::QSortGroupIndexed(TGxStringGrid& Grid)
{
    gx::QSortGroupIndexed(Grid);
}

void TGridExtras::QUnSort(TGxStringGrid& Grid)
{
    gx::QUnSort(Grid);
}

void TGridExtras::ClickSort(TGxStringGrid& Grid, int ACol)
{
    HeaderClickSort(Grid, ACol, false);
}

bool TGridExtras::RowMatchesFilter(TGxStringGrid& Grid, int ARow)
{
    return gx::RowMatchesFilter(Grid, ARow);
}

}  // namespace gx
