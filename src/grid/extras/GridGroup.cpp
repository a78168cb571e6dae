// Grouping; see GridGroup.h.
#include "grid/extras/GridGroup.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "grid/extras/GridExtras.h"
#include "grid/extras/GridSort.h"
#include "grid/stringgrid/GxGridModule.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {

namespace {

int LastNormalRow(const TGxStringGrid& g)
{
    return g.RowCount() - g.FixedFooters() - 1;
}

// Updates stay suspended and the flag set while the rows are reshaped, also when a step raises.
class TGroupingFrame {
public:
    explicit TGroupingFrame(TGxStringGrid& g, bool busy) : g_(g), busy_(busy)
    {
        g_.BeginUpdate();
        if (busy_)
            g_.GroupingBusy = true;
    }
    ~TGroupingFrame()
    {
        if (busy_)
            g_.GroupingBusy = false;
        g_.EndUpdate();
    }
    TGroupingFrame(const TGroupingFrame&) = delete;
    TGroupingFrame& operator=(const TGroupingFrame&) = delete;

private:
    TGxStringGrid& g_;
    bool busy_;
};

// The column that shows a group's value: column 1, or column 2 when column 1 is the grouped one.
int ValueColumn(int Colindex)
{
    return Colindex == 1 ? 2 : 1;
}

void PaintRow(TGxStringGrid& g, int row, ui::TColor color, ui::TColor colorTo, ui::TColor text)
{
    if (color != ui::clNone)
        g.SetRowColor(row, color);
    if (colorTo != ui::clNone)
        g.SetRowColorTo(row, colorTo);
    if (text != ui::clNone)
        g.SetRowFontColor(row, text);
}

void PaintCell(TGxStringGrid& g, int col, int row, ui::TColor color, ui::TColor colorTo, ui::TColor text)
{
    if (color != ui::clNone)
        g.SetColors(col, row, color);
    if (colorTo != ui::clNone)
        g.SetColorsTo(col, row, colorTo);
    if (text != ui::clNone)
        g.SetFontColors(col, row, text);
}

void PaintHeader(TGxStringGrid& g, int row)
{
    const TGrouping& gr = *g.Grouping();
    PaintRow(g, row, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
}

void PaintSummary(TGxStringGrid& g, int row)
{
    const TGrouping& gr = *g.Grouping();
    PaintRow(g, row, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
}

// Takes back the colours PaintRow gave (only those that are set) or splits the merged cell.
void UnpaintRow(TGxStringGrid& g, int row, bool merged, ui::TColor color, ui::TColor colorTo, ui::TColor text)
{
    if (merged) {
        if (g.ColCount() > 1 && g.IsBaseCell(1, row) && g.IsMergedCell(1, row))
            g.SplitCells(1, row);
        return;
    }
    if (color != ui::clNone)
        g.SetRowColor(row, ui::clNone);
    if (colorTo != ui::clNone)
        g.SetRowColorTo(row, ui::clNone);
    if (text != ui::clNone)
        g.SetRowFontColor(row, ui::clNone);
}

void UnpaintHeader(TGxStringGrid& g, int row)
{
    const TGrouping& gr = *g.Grouping();
    UnpaintRow(g, row, gr.MergeHeader, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
}

void UnpaintSummary(TGxStringGrid& g, int row)
{
    const TGrouping& gr = *g.Grouping();
    UnpaintRow(g, row, gr.MergeSummary, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
}

TCellGraphic* NodeGraphic(TGxStringGrid& g, int row)
{
    TCellGraphic* n = g.IsNode(row) ? g.GetCellGraphic(0, row) : nullptr;
    return n && n->CellType == ctNode ? n : nullptr;
}

// The column a node made by SubGroup carries; -1 for a node made by Group (and for no node).
int NodeValue(TGxStringGrid& g, int row)
{
    const TCellGraphic* n = NodeGraphic(g, row);
    return n && std::holds_alternative<int>(n->CellVar) ? std::get<int>(n->CellVar) : -1;
}

void SetNodeValue(TGxStringGrid& g, int row, int value)
{
    if (TCellGraphic* n = NodeGraphic(g, row))
        n->CellVar = value;
}

// The runs of equal stored text in Colindex over the normal rows: first row and row count of each.
std::vector<std::pair<int, int>> Runs(TGxStringGrid& g, int Colindex)
{
    std::vector<std::pair<int, int>> runs;
    const std::string* last = nullptr;  // the stored texts, which nothing changes meanwhile
    for (int r = g.FixedRows(); r <= LastNormalRow(g); ++r) {
        const std::string& v = g.GridCellsRef(Colindex, r);
        if (runs.empty() || v != *last)
            runs.emplace_back(r, 0);
        ++runs.back().second;
        last = &v;
    }
    return runs;
}

void MergeGroupRows(TGxStringGrid& g)
{
    const TGrouping& gr = *g.Grouping();
    const bool mergeSummary = gr.MergeSummary && gr.Summary;
    if (g.ColCount() < 2)
        return;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r) {
        if (gr.MergeHeader && g.IsNode(r)) {
            g.MergeCells(1, r, g.ColCount() - 1, 1);
            PaintCell(g, 1, r, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
        } else if (mergeSummary && g.IsSummary(r)) {
            g.MergeCells(1, r, g.ColCount() - 1, 1);
            PaintCell(g, 1, r, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
        }
    }
}

// Takes back the levels SubGroup added, deepest first: their headers do not carry the outer value.
// A level whose column has left the grid since (columns removed after SubGroup) cannot be taken
// back; its nodes stay, and the walk goes on with the others instead of asking for it forever.
void SubUnGroupAll(TGxStringGrid& Grid)
{
    std::set<int> stuck;
    for (;;) {
        int deepest = -1, level = -1, marked = 0;
        for (int r = Grid.FixedRows(); r < Grid.RowCount(); ++r) {
            const int value = NodeValue(Grid, r);
            if (value < 0 || stuck.count(value))
                continue;
            ++marked;
            if (Grid.GetNodeLevel(r) > level) {
                level = Grid.GetNodeLevel(r);
                deepest = value;
            }
        }
        if (deepest < 0)
            break;
        SubUnGroup(Grid, deepest);
        int left = 0;
        for (int r = Grid.FixedRows(); r < Grid.RowCount(); ++r) {
            const int value = NodeValue(Grid, r);
            left += value >= 0 && !stuck.count(value) ? 1 : 0;
        }
        if (left >= marked)
            stuck.insert(deepest);
    }
}

// True when a node SubGroup made on Colindex is shown (everything being expanded).
bool HasSubLevelOn(TGxStringGrid& Grid, int Colindex)
{
    for (int r = Grid.FixedRows(); r <= LastNormalRow(Grid); ++r)
        if (Grid.IsNode(r) && NodeValue(Grid, r) == Colindex)
            return true;
    return false;
}

// Rows hidden by a filter or by hand lie outside the outline: Group would take their cells of the
// grouped column away with the column, and UnGroup would give them no value back.
void RefuseHiddenRows(TGxStringGrid& Grid)
{
    if (Grid.NumHiddenRows() > 0)
        throw VIdiRazeRaduz("Hidden rows must be shown before the grid is grouped or ungrouped");
}

}  // namespace

void Group(TGxStringGrid& Grid, int Colindex)
{
    if (Colindex < Grid.FixedCols() || Colindex <= 0 || Colindex >= Grid.ColCount())
        return;
    if (ValueColumn(Colindex) >= Grid.ColCount())
        return;
    if (Grid.GroupColumn != -1) {
        UnGroup(Grid);
    } else {
        RefuseHiddenRows(Grid);
        SubUnGroupAll(Grid);
    }  // levels SubGroup made on the flat grid: the column removed below would shift them
    if (Grid.RowCount() - Grid.FixedFooters() <= Grid.FixedRows())
        return;
    const TGrouping& gr = *Grid.Grouping();
    {
        TGroupingFrame frame(Grid, true);
        Grid.GroupColumn = Colindex;
        Grid.GroupColWidth = Grid.ColWidths(Colindex);
        Grid.GroupCaption = Grid.FixedRows() > 0 ? Grid.GridCells(Colindex, 0) : std::string();
        Grid.GroupFooter = Grid.FixedFooters() > 0 ? Grid.GridCells(Colindex, Grid.RowCount() - 1) : std::string();
        if (Grid.SortSettings()->AutoSortForGrouping) {
            Grid.SortSettings()->Column = Colindex;
            Grid.QSort();
        }
        const auto runs = Runs(Grid, Colindex);
        const int summary = gr.Summary ? 1 : 0;
        // Where the header and summary rows stand once all are in; the values are read before.
        std::vector<int> headers, summaries, targets;
        std::vector<std::string> values;
        int at = Grid.FixedRows();
        for (const auto& [first, count] : runs) {
            values.push_back(Grid.GridCells(Colindex, first));
            headers.push_back(at);
            targets.push_back(at);
            at += 1 + count;
            if (summary) {
                summaries.push_back(at);
                targets.push_back(at);
                at += 1;
            }
        }
        Grid.InsertRowList(targets);
        for (const int r : summaries) {
            Grid.SetSummaryRow(Grid.RealRowIndex(r));
            if (!gr.MergeSummary)
                PaintSummary(Grid, r);
        }
        for (std::size_t i = 0; i < headers.size(); ++i) {
            const int h = headers[i];
            Grid.SetCells(ValueColumn(Colindex), h, values[i]);
            if (!gr.MergeHeader)
                PaintHeader(Grid, h);
            Grid.AddNode(Grid.RealRowIndex(h), runs[i].second + 1);
        }
        Grid.RemoveCols(Colindex, 1);
        if (gr.MergeHeader || (gr.MergeSummary && gr.Summary))
            MergeGroupRows(Grid);
        if (Grid.CellNode()->ExpandOne)
            Grid.ExpandNode(Grid.RealRowIndex(Grid.FixedRows()));
    }
    if (Grid.Col() >= Grid.ColCount() || Grid.Row() >= Grid.RowCount())
        Grid.FocusCell(Grid.FixedCols(), Grid.FixedRows());
    if (Grid.RowCount() > Grid.FixedRows())
        Grid.SetRow(Grid.FixedRows());
    if (Grid.SearchFooter()->Visible())
        Grid.UpdateSearchPanel();
}

void UnGroup(TGxStringGrid& Grid)
{
    if (Grid.GroupColumn <= 0)
        return;
    // Every node open first: the rows still hidden then are hidden by a filter or by hand.
    TCellNode* cn = Grid.CellNode();
    const bool expandOne = cn->ExpandOne;
    cn->ExpandOne = false;
    Grid.ExpandAll();
    cn->ExpandOne = expandOne;
    RefuseHiddenRows(Grid);
    TGroupingFrame frame(Grid, false);
    SubUnGroupAll(Grid);
    cn->ExpandOne = false;
    const int col = Grid.GroupColumn;
    Grid.InsertCols(col, 1);
    Grid.SetColWidths(col, Grid.GroupColWidth);
    if (Grid.FixedRows() > 0)
        Grid.SetCells(col, 0, Grid.GroupCaption);
    if (Grid.FixedFooters() > 0)
        Grid.SetCells(col, Grid.RowCount() - 1, Grid.GroupFooter);
    Grid.GroupingBusy = true;
    try {
        // Header and summary rows are emptied where they stand and then go all at once.
        std::vector<int> gone;
        std::string current;
        for (int r = Grid.FixedRows(); r <= LastNormalRow(Grid); ++r) {
            if (Grid.IsSummary(r)) {
                // Summary rows go whether Summary is still on or not: they never held data.
                UnpaintSummary(Grid, r);
                Grid.ClearRows(r, 1);
                gone.push_back(r);
            } else if (Grid.IsNode(r)) {
                current = Grid.GridCells(ValueColumn(col), r);
                Grid.RemoveNode(Grid.RealRowIndex(r));
                UnpaintHeader(Grid, r);
                if (Grid.HasCellProperties(0, r))
                    Grid.ClearCellProperties(0, r);
                Grid.ClearRows(r, 1);
                gone.push_back(r);
            } else {
                Grid.SetCells(col, r, current);
            }
        }
        Grid.RemoveRowList(gone);
    } catch (...) {
        Grid.GroupingBusy = false;
        cn->ExpandOne = expandOne;
        throw;
    }
    Grid.GroupingBusy = false;
    Grid.GroupColumn = -1;
    cn->ExpandOne = expandOne;
    Grid.Invalidate();
}

namespace {

// A run of equal values that gets a header row of its own, and the nodes that grow by that header:
// the node holding the run and, above it, each shallower one up to level 1 (display rows before
// any header goes in).
struct TSubRun {
    int first = 0;
    int count = 0;
    std::string value;
    int parent = -1;
};

std::vector<int> GrowingNodes(TGxStringGrid& g, int parent)
{
    std::vector<int> nodes;
    if (parent == -1)
        return nodes;
    nodes.push_back(parent);
    int level = g.RowNodeLevel(parent);
    for (int a = parent; level > 1 && a >= g.FixedRows();) {
        const int up = g.GetParentRow(a);
        if (up == -1 || up == a || g.RowNodeLevel(up) >= level)
            break;
        a = up;
        nodes.push_back(a);
        level = g.RowNodeLevel(a);
    }
    return nodes;
}

}  // namespace

void SubGroup(TGxStringGrid& Grid, int Colindex)
{
    if (Colindex < Grid.FixedCols() || Colindex < 0 || Colindex + 1 >= Grid.ColCount())
        return;
    // A level inside groups needs groups: on a grid whose first row is no node the first row would
    // belong to no sub-group, and taking the level back would empty its cell.
    if (Grid.RowCount() - Grid.FixedFooters() <= Grid.FixedRows() || !Grid.IsNode(Grid.FixedRows()))
        return;
    const TGrouping& gr = *Grid.Grouping();
    {
        TGroupingFrame frame(Grid, false);
        Grid.ExpandAll();
        // SubUnGroup finds a level by its column: a second level on the same column could not be
        // told from the first, and taking them back would write the second's empty values.
        if (HasSubLevelOn(Grid, Colindex))
            return;
        // One pass finds the runs and their parents (the innermost open node above, everything
        // being expanded) and empties the grouped cells; the header rows then go in at once.
        std::vector<TSubRun> runs;
        std::vector<std::pair<int, int>> open;  // node rows whose block is still open, with its end
        bool havePrev = false, seenAny = false, lastSummary = false;
        std::string prev;
        for (int r = Grid.FixedRows(); r <= LastNormalRow(Grid); ++r) {
            while (!open.empty() && open.back().second <= r)
                open.pop_back();
            const bool node = Grid.IsNode(r);
            if (node)
                open.emplace_back(r, r + Grid.GetNodeSpan(r));
            if (r == Grid.FixedRows())
                continue;
            if (node || Grid.IsSummary(r)) {
                havePrev = false;
                seenAny = true;
                lastSummary = !node;
                continue;
            }
            std::string value = Grid.Cells(Colindex, r);
            Grid.SetCells(Colindex, r, "");
            if (havePrev && value == prev) {
                ++runs.back().count;
                continue;
            }
            int parent = -1;
            for (auto it = open.rbegin(); it != open.rend() && parent == -1; ++it)
                if (r < it->second)
                    parent = it->first;
            runs.push_back({r, 1, value, parent});
            prev = std::move(value);
            havePrev = seenAny = true;
            lastSummary = false;
        }
        // The nodes each header makes grow, found before the rows move.
        std::map<int, int> growth;  // node row, headers it gains
        {
            std::vector<int> nodes;
            int nodesOf = -2;
            for (const TSubRun& run : runs) {
                if (run.parent != nodesOf) {
                    nodesOf = run.parent;
                    nodes = GrowingNodes(Grid, run.parent);
                }
                for (const int n : nodes)
                    ++growth[n];
            }
        }
        std::vector<int> targets;
        targets.reserve(runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i)
            targets.push_back(runs[i].first + static_cast<int>(i));
        Grid.InsertRowList(targets);
        // A node row (never a run's first row) moves down by the headers inserted above it.
        const auto moved = [&](int row) {
            const auto above = std::lower_bound(runs.begin(), runs.end(), row,
                                                [](const TSubRun& run, int r) { return run.first < r; });
            return row + static_cast<int>(above - runs.begin());
        };
        for (const auto& [n, k] : growth) {
            Grid.UpdateNodeSpan(moved(n), k);
            Grid.UpdateSubNodeCount(moved(n), k);
        }
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const int h = targets[i];
            if (runs[i].parent != -1)
                Grid.SetRowNodeLevel(h, Grid.RowNodeLevel(moved(runs[i].parent)));
            Grid.SetCells(Colindex + 1, h, runs[i].value);
            if (gr.MergeHeader) {
                Grid.MergeCells(Colindex + 1, h, Grid.ColCount() - Colindex - 1, 1);
                PaintCell(Grid, Colindex + 1, h, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
            } else {
                PaintHeader(Grid, h);
            }
            Grid.AddNode(Grid.RealRowIndex(h), runs[i].count + 1);
            SetNodeValue(Grid, h, Colindex);
        }
        // Summary switched on after Group: the grid had no summary rows, it gets one at the end.
        if (gr.Summary && !lastSummary && seenAny) {
            const int s = LastNormalRow(Grid) + 1;
            Grid.InsertRows(s, 1);
            Grid.SetSummaryRow(Grid.RealRowIndex(s));
            if (gr.MergeSummary) {
                Grid.MergeCells(Colindex + 1, s, Grid.ColCount() - Colindex - 1, 1);
                PaintCell(Grid, Colindex + 1, s, gr.SummaryColor, gr.SummaryColorTo, gr.SummaryTextColor);
            } else {
                PaintSummary(Grid, s);
            }
        }
    }
    if (Grid.RowCount() > Grid.FixedRows())
        Grid.SetRow(Grid.FixedRows());
}

void SubUnGroup(TGxStringGrid& Grid, int Colindex)
{
    if (Colindex < 0 || Colindex + 1 >= Grid.ColCount())
        return;
    const TGrouping& gr = *Grid.Grouping();
    TGroupingFrame frame(Grid, false);
    Grid.ExpandAll();
    // Without a level made by SubGroup on this column there is nothing to take back: the walk below
    // would write the empty value over every row of the column.
    if (!HasSubLevelOn(Grid, Colindex))
        return;
    // The headers are taken apart where they stand and then go all at once. Each one makes the
    // node holding it, and the shallower ones above up to level 1, one row shorter (never below 1).
    std::vector<int> gone;
    std::vector<std::pair<int, int>> open;  // remaining node rows whose block is still open, with its end
    std::map<int, int> span, shrink;        // per node: its span as the headers go, the rows it loses
    const auto shrinkOne = [&](int node) {
        int& s = span.try_emplace(node, Grid.GetNodeSpan(node)).first->second;
        if (s > 1) {
            --s;
            ++shrink[node];
        }
    };
    std::string current;
    for (int r = Grid.FixedRows(); r <= LastNormalRow(Grid); ++r) {
        while (!open.empty() && open.back().second <= r)
            open.pop_back();
        if (Grid.IsNode(r)) {
            if (NodeValue(Grid, r) != Colindex) {
                open.emplace_back(r, r + Grid.GetNodeSpan(r));
                continue;
            }
            current = Grid.Cells(Colindex + 1, r);
            Grid.RemoveNode(Grid.RealRowIndex(r));
            if (gr.MergeHeader) {
                if (Grid.IsBaseCell(Colindex + 1, r) && Grid.IsMergedCell(Colindex + 1, r))
                    Grid.SplitCells(Colindex + 1, r);
            } else {
                UnpaintRow(Grid, r, false, gr.HeaderColor, gr.HeaderColorTo, gr.HeaderTextColor);
            }
            int parent = -1;
            for (auto it = open.rbegin(); it != open.rend() && parent == -1; ++it)
                if (r < it->second)
                    parent = it->first;
            if (parent != -1) {
                const int level = Grid.GetNodeLevel(parent);
                shrinkOne(parent);
                for (int a = parent; Grid.GetNodeLevel(a) > 1;) {
                    const int up = Grid.GetParentRow(a);
                    if (up == -1 || up == a || Grid.GetNodeLevel(up) >= level)
                        break;
                    a = up;
                    shrinkOne(a);
                }
            }
            gone.push_back(r);
            continue;
        }
        // Summary rows hold results, never a value of the sub-grouped column.
        if (!Grid.IsSummary(r))
            Grid.SetCells(Colindex, r, current);
    }
    Grid.RemoveRowList(gone);
    for (const auto& [node, k] : shrink) {
        const int at = node - static_cast<int>(std::lower_bound(gone.begin(), gone.end(), node) - gone.begin());
        Grid.UpdateNodeSpan(at, -k);
        Grid.UpdateSubNodeCount(at, -k);
    }
}

void SetGroupColumn(TGxStringGrid& Grid, int Value)
{
    if (Value == -1)
        Grid.UnGroup();
    else if (Value > 0)
        Grid.Group(Value);
}

void GroupCalc(TGxStringGrid& Grid, int Colindex, int Method)
{
    const bool summary = Grid.Grouping()->Summary;
    for (int r = Grid.FixedRows(); r < Grid.RowCount();) {
        if (!Grid.IsNode(r) || Grid.NodeState(r)) {
            ++r;
            continue;
        }
        const int span = std::max(Grid.GetNodeSpan(r), 1);
        // The span counts real rows; with rows of the group hidden (a filter) the shown group ends
        // earlier, and the row after it is the summary row or the next group.
        const int end = Grid.DisplRowIndex(Grid.RealRowIndex(r) + span);
        const int target = summary ? end : r;
        const int from = r + 1, to = end - 1;
        if (target < Grid.RowCount() && (!summary || Grid.IsSummary(target))) {
            if (Method == gcCount) {
                Grid.SetInts(Colindex, target, end - r - 1);
            } else {
                double v = 0;
                switch (Method) {
                case gcSum:
                    v = Grid.ColumnSum(Colindex, from, to);
                    break;
                case gcAvg:
                    v = Grid.ColumnAvg(Colindex, from, to);
                    break;
                case gcMin:
                    v = Grid.ColumnMin(Colindex, from, to);
                    break;
                case gcMax:
                    v = Grid.ColumnMax(Colindex, from, to);
                    break;
                case gcCustom:
                    v = Grid.GroupCalcCustomValue(Colindex, from, to);
                    break;
                case gcDistinct:
                    v = Grid.ColumnDistinct(Colindex, from, to);
                    break;
                case gcStdDev:
                    v = Grid.ColumnStdDev(Colindex, from, to);
                    break;
                default:
                    return;
                }
                Grid.SetFloats(Colindex, target, v);
            }
        }
        // A nested node's rows lie inside this span; nested groups are not computed on their own.
        r = std::max(end, r + 1);
    }
}

namespace {

void GroupCalcWithFooter(TGxStringGrid& Grid, int Colindex, int Method, TColumnCalcType FooterCalc)
{
    GroupCalc(Grid, Colindex, Method);
    if (Grid.FloatingFooter()->Visible())
        Grid.FloatingFooter()->SetColumnCalc(Colindex, FooterCalc);
}

}  // namespace

void GroupSum(TGxStringGrid& Grid, int Colindex)
{
    GroupCalcWithFooter(Grid, Colindex, gcSum, acSUM);
}

void GroupAvg(TGxStringGrid& Grid, int Colindex)
{
    GroupCalcWithFooter(Grid, Colindex, gcAvg, acAVG);
}

void GroupMin(TGxStringGrid& Grid, int Colindex)
{
    GroupCalcWithFooter(Grid, Colindex, gcMin, acMIN);
}

void GroupMax(TGxStringGrid& Grid, int Colindex)
{
    GroupCalcWithFooter(Grid, Colindex, gcMax, acMAX);
}

void GroupCount(TGxStringGrid& Grid, int Colindex)
{
    GroupCalcWithFooter(Grid, Colindex, gcCount, acCOUNT);
}

void GroupCustomCalc(TGxStringGrid& Grid, int Colindex)
{
    GroupCalc(Grid, Colindex, gcCustom);
}

void GroupDistinct(TGxStringGrid& Grid, int Colindex)
{
    GroupCalc(Grid, Colindex, gcDistinct);
}

void GroupStdDev(TGxStringGrid& Grid, int Colindex)
{
    GroupCalc(Grid, Colindex, gcStdDev);
}

void TGridExtras::Group(TGxStringGrid& Grid, int ACol)
{
    gx::Group(Grid, ACol);
}

void TGridExtras::UnGroup(TGxStringGrid& Grid)
{
    gx::UnGroup(Grid);
}

void TGridExtras::SubGroup(TGxStringGrid& Grid, int ACol)
{
    gx::SubGroup(Grid, ACol);
}

void TGridExtras::SubUnGroup(TGxStringGrid& Grid, int ACol)
{
    gx::SubUnGroup(Grid, ACol);
}

}  // namespace gx
