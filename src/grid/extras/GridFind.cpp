// Find and replace; see GridFind.h.
#include "grid/extras/GridFind.h"

#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidFilter.h"
#include "grid/base/VozEdidText.h"
#include "grid/extras/GridFileCommon.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace gx {

namespace {

struct TRange {
    int C1, C2, R1, R2;
};

// With fnIncludeHiddenRows, row is a real row (hidden rows counted), otherwise a display row.
bool MatchFindCell(TGxStringGrid& g, int col, int row, bool wide)
{
    const TFindParams p = g.FindOptions;
    const int real = (p & fnIncludeHiddenColumns) ? col : g.RealColIndex(col);
    std::string text = (p & fnIncludeHiddenRows) ? g.AllCells(real, row) : g.Cells(real, row);
    if (wide)
        text = rtl::Utf16ToUtf8(DecodeWideCellText(text));
    if (!(p & fnMatchCase))
        text = rtl::AnsiUpperCase(text);
    if ((p & fnIgnoreHTMLTags) && !wide)
        text = StripHTMLTags(text);
    if (g.SearchCache == "\"\"")
        return text.empty();
    if (p & fnMatchRegular)
        return MatchFilterExpression(g.SearchCache, text, (p & fnMatchCase) != 0);
    const auto pos = text.find(g.SearchCache);
    if (pos == std::string::npos || ((p & fnMatchStart) && pos != 0))
        return false;
    return !(p & fnMatchFull) || text == g.SearchCache;
}

// The node row (real) whose contracted group hides real row ARow, or -1.
int FindParentNodeRow(TGxStringGrid& g, int ARow)
{
    for (int r = ARow - 1; r >= 0; --r)
        if (!g.IsHiddenRow(r)) {
            const int d = g.DisplRowIndex(r);
            return g.IsNode(d) && g.NodeState(d) ? r : -1;
        }
    return -1;
}

// Makes the hit current; a hit in a hidden row first opens the group that hides it (a row hidden
// otherwise is not gone to).
void GotoHit(TGxStringGrid& g, ui::TPoint hit, TFindParams p)
{
    int row = hit.Y;
    if ((p & fnIncludeHiddenRows) && g.NumHiddenRows() > 0) {
        if (g.IsHiddenRow(row) && g.HasNodes()) {
            const int node = FindParentNodeRow(g, row);
            if (node >= 0)
                g.ExpandNode(node);
        }
        if (g.IsHiddenRow(row))
            return;
        row = g.DisplRowIndex(row);
    }
    if (g.MouseActions()->DisjunctRowSelect()) {
        g.ClearRowSelect();
        g.SetRowSelect(row, true);
    }
    g.SetRow(row);
    if (hit.X < g.ColCount())
        g.SetCol(hit.X);
}

ui::TPoint FindCore(TGxStringGrid& g, ui::TPoint start, const std::string& s, TFindParams p, bool wide)
{
    g.FindOptions = p;
    g.SearchCache = (p & fnMatchCase) ? s : rtl::AnsiUpperCase(s);
    if (g.ColCount() <= g.FixedCols() || g.RowCount() <= g.FixedRows())
        return {-1, -1};
    TRange r = (p & fnIncludeFixed) ? TRange{0, g.ColCount() - 1, 0, g.RowCount() - 1}
                                    : TRange{g.FixedCols(), g.ColCount() - g.FixedRightCols() - 1, g.FixedRows(),
                                             g.RowCount() - g.FixedFooters() - 1};
    if (p & fnSelectedCells) {
        const ui::TGridRect sel = g.Selection();
        r = {sel.Left, sel.Right, sel.Top, sel.Bottom};
    }
    if (p & fnIncludeHiddenColumns)
        r.C2 += g.NumHiddenColumns();
    if (p & fnIncludeHiddenRows)
        r.R2 += g.NumHiddenRows();
    // The current or preset row and column narrow the range; a preset column outside the grid
    // leaves every column in it.
    if (p & (fnFindInCurrentRow | fnFindInPresetRow)) {
        const int fixed = (p & fnFindInCurrentRow) ? g.Row() : g.FindPresetRow;
        if (fixed >= 0 && fixed < g.RowCount())
            r.R1 = r.R2 = fixed;
    }
    if (p & (fnFindInCurrentCol | fnFindInPresetCol)) {
        const int fixed = (p & fnFindInCurrentCol) ? g.Col() : g.FindPresetCol;
        if (fixed >= 0 && fixed < g.ColCount() + g.NumHiddenColumns())
            r.C1 = r.C2 = fixed;
    }
    const bool back = (p & fnBackward) != 0;
    const bool leftRight = (p & fnDirectionLeftRight) != 0;
    int x, y;
    if (start.X == -1 && start.Y == -1) {
        x = back ? r.C2 : r.C1;
        y = back ? r.R2 : r.R1;
    } else {
        x = start.X;
        y = start.Y;
        // One step from the start cell; past the end of a line the next line begins.
        if (leftRight) {
            x += back ? -1 : 1;
            if (back ? x < r.C1 : x > r.C2) {
                x = back ? r.C2 : r.C1;
                y += back ? -1 : 1;
            }
        } else {
            y += back ? -1 : 1;
            if (back ? y < r.R1 : y > r.R2) {
                y = back ? r.R2 : r.R1;
                x += back ? -1 : 1;
            }
        }
    }
    const int step = back ? -1 : 1;
    auto inCols = [&](int c) { return c >= r.C1 && c <= r.C2; };
    auto inRows = [&](int w) { return w >= r.R1 && w <= r.R2; };
    auto test = [&](int c, int w) {
        g.ExportNotification(esExportNewRow, w);
        const int real = (p & fnIncludeHiddenColumns) ? c : g.RealColIndex(c);
        return !g.IsIgnoredColumn(real) && MatchFindCell(g, c, w, wide);
    };
    ui::TPoint hit{-1, -1};
    if (leftRight) {
        for (; inRows(y) && hit.X < 0; y += step, x = back ? r.C2 : r.C1)
            for (; inCols(x); x += step)
                if (test(x, y)) {
                    hit = {x, y};
                    break;
                }
    } else {
        for (; inCols(x) && hit.X < 0; x += step, y = back ? r.R2 : r.R1)
            for (; inRows(y); y += step)
                if (test(x, y)) {
                    hit = {x, y};
                    break;
                }
    }
    if (hit.X >= 0) {
        g.SearchCell = hit;
        if (p & fnAutoGoto)
            GotoHit(g, hit, p);
    }
    return hit;
}

}  // namespace

ui::TPoint Find(TGxStringGrid& Grid, ui::TPoint StartCell, const std::string& s, TFindParams FindParams)
{
    Grid.ExportNotification(esExportStart, -1);
    const ui::TPoint hit = FindCore(Grid, StartCell, s, FindParams, false);
    Grid.ExportNotification(hit.X < 0 ? esExportDone : esExportFail, -1);
    if ((FindParams & fnAutoGoto) && hit.X >= 0) {
        // Keeps a little room below the hit.
        const int a = Grid.FloatingFooter()->Visible() ? 2 : 0;
        const int visible = Grid.VisibleRowCount();
        if (Grid.Row() > Grid.TopRow() + visible - a - 2 && Grid.RowCount() > visible + Grid.FixedRows() + a)
            Grid.SetTopRow(std::min(Grid.TopRow() + a + 1, Grid.RowCount() - 1));
    }
    return hit;
}

ui::TPoint FindWide(TGxStringGrid& Grid, ui::TPoint StartCell, const std::u16string& ws, TFindParams FindParams)
{
    Grid.ExportNotification(esExportStart, -1);
    const ui::TPoint hit = FindCore(Grid, StartCell, rtl::Utf16ToUtf8(ws), FindParams, true);
    Grid.ExportNotification(hit.X < 0 ? esExportDone : esExportFail, -1);
    return hit;
}

ui::TPoint FindFirst(TGxStringGrid& Grid, const std::string& s, TFindParams FindParams)
{
    Grid.SearchCell = Find(Grid, {-1, -1}, s, FindParams);
    return Grid.SearchCell;
}

ui::TPoint FindNext(TGxStringGrid& Grid)
{
    // The stored text is upper-cased already unless the search matched case; upper-casing it
    // again changes nothing.
    Grid.SearchCell = Find(Grid, Grid.SearchCell, Grid.SearchCache, Grid.FindOptions);
    return Grid.SearchCell;
}

int Replace(TGxStringGrid& Grid, const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams)
{
    if (OrigStr.empty())
        return 0;
    int changed = 0;
    ui::TPoint at{-1, -1};
    const std::string upperOrig = rtl::AnsiUpperCase(OrigStr);
    for (;;) {
        at = Find(Grid, at, OrigStr, FindParams);
        if (at.X < 0)
            break;
        const int real = (FindParams & fnIncludeHiddenColumns) ? at.X : Grid.RealColIndex(at.X);
        const std::string text = Grid.Cells(real, at.Y);
        const std::string upper = rtl::AnsiUpperCase(text);
        std::string out;
        std::size_t pos = 0;
        for (std::size_t hit; (hit = upper.find(upperOrig, pos)) != std::string::npos; pos = hit + OrigStr.size())
            out += text.substr(pos, hit - pos) + NewStr;
        out += text.substr(pos);
        if (out != text) {
            Grid.SetCells(real, at.Y, out);
            if (Grid.ShowModified()->Enabled)
                Grid.SetRowModified(at.Y, true);
            ++changed;
        }
    }
    return changed;
}

int Search(TGxStringGrid& Grid, const std::string& s)
{
    if (Grid.RowCount() < 2)
        return -1;
    TSortSettings* ss = Grid.SortSettings();
    int col = Grid.FixedCols();
    if (ss->Show())
        col = ss->IndexShow ? (Grid.SortIndexes()->Count() > 0 ? Grid.SortIndexes()->SortColumns(0) : Grid.FixedCols())
                            : ss->Column;
    if (col < 0)
        return -1;
    for (int r = Grid.FixedRows(); r < Grid.RowCount(); ++r)
        if (rtl::AnsiUpperCase(Grid.StrippedCells(col, r).substr(0, s.size())) == s)
            return r;
    return -1;
}

}  // namespace gx
