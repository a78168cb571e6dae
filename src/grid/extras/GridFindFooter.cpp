// The search footer's handlers; see GridFindFooter.h.
#include "grid/extras/GridFindFooter.h"

#include <algorithm>

#include "grid/extras/GridExtras.h"
#include "grid/extras/GridHighlight.h"
#include "grid/stringgrid/GxGridModule.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {

namespace {

constexpr ui::TColor kNotFound = 0x0000FF;

bool HighlightDown(TGxStringGrid& g)
{
    return g.SearchPanel()->HiliteButton()->Down();
}

bool MatchCase(TGxStringGrid& g)
{
    return g.SearchPanel()->MatchCase()->Checked();
}

std::string EditText(TGxStringGrid& g)
{
    return g.SearchPanel()->Edit()->Text();
}

// The footer's search column, or -1 for every column (also when it lies outside the grid).
int SearchColumn(TGxStringGrid& g)
{
    const int c = g.SearchFooter()->SearchColumn();
    return c >= 0 && c < g.ColCount() ? c : -1;
}

void RemoveHighlights(TGxStringGrid& g)
{
    const int c = SearchColumn(g);
    if (c == -1)
        UnHilightInGrid(g, false);
    else
        UnHilightInCol(g, false, c);
}

void Highlight(TGxStringGrid& g, const std::string& text)
{
    const int c = SearchColumn(g);
    if (c == -1)
        HilightInGrid(g, false, MatchCase(g), text);
    else
        HilightInCol(g, false, MatchCase(g), c, text);
}

void ShowHit(TGxStringGrid& g, ui::TPoint hit)
{
    if (hit.X >= 0 && hit.X < g.ColCount() && hit.Y >= 0 && hit.Y < g.RowCount())
        g.ScrollInView(hit.X, hit.Y);
}

// Keeps two rows of room below the current row.
void StepTopRow(TGxStringGrid& g)
{
    const bool footer = g.FloatingFooter()->Visible();
    const int visible = g.VisibleRowCount();
    if (g.Row() > g.TopRow() + visible - (footer ? 3 : 2) && g.RowCount() > visible + g.FixedRows() + (footer ? 1 : 0))
        g.SetTopRow(std::min(g.TopRow() + 2, g.RowCount() - 1));
}

void FindAgain(TGxStringGrid& g, bool backward)
{
    TSearchFooter& f = *g.SearchFooter();
    const std::string text = EditText(g);
    if (!f.AutoSearch()) {
        if (text != f.LastSearch)
            g.SearchCell = {-1, -1};
        f.LastSearch = text;
    }
    const ui::TPoint hit = Find(g, g.SearchCell, text, SearchFooterParams(g, false, backward));
    g.SearchCell = hit;
    if (hit.X >= 0) {
        if (backward) {
            StepTopRow(g);
            ShowHit(g, hit);
        } else {
            ShowHit(g, hit);
            StepTopRow(g);
        }
    }
    g.DoSearchFooterAction(text, hit.X, hit.Y, backward ? saFindPrevious : saFindNext);
    g.SearchPanel()->Invalidate();
}

}  // namespace

TFindParams SearchFooterParams(TGxStringGrid& Grid, bool ForTyping, bool Backward)
{
    const TSearchFooter& f = *Grid.SearchFooter();
    TFindParams p = fnAutoGoto;
    if (HighlightDown(Grid))
        p |= fnIgnoreHTMLTags;
    if (MatchCase(Grid))
        p |= fnMatchCase;
    if (f.SearchActiveColumnOnly())
        p |= fnFindInCurrentCol;
    if (f.SearchMatchStart())
        p |= fnMatchStart;
    if (ForTyping && f.SearchFixedCells())
        p |= fnIncludeFixed;
    if (ForTyping && f.SearchHiddenRows())
        p |= fnIncludeHiddenRows;
    if (!Backward && f.SearchDirection() == sdLeftRight)
        p |= fnDirectionLeftRight;
    if (Backward)
        p |= fnBackward;
    if (SearchColumn(Grid) != -1) {
        p |= fnFindInPresetCol;
        Grid.FindPresetCol = SearchColumn(Grid);
    }
    return p;
}

void SearchEditChange(TGxStringGrid& Grid)
{
    const std::string text = EditText(Grid);
    bool defaultSearch = true;
    if (Grid.OnSearchEditChange)
        Grid.OnSearchEditChange(&Grid, text, defaultSearch);
    if (!defaultSearch || !Grid.SearchFooter()->AutoSearch())
        return;
    const TFindParams p = SearchFooterParams(Grid, true, false);
    const bool highlighting = HighlightDown(Grid) || Grid.SearchFooter()->AlwaysHighLight();
    if (highlighting)
        RemoveHighlights(Grid);
    TRetEdit& edit = *Grid.SearchPanel()->Edit();
    if (text.empty()) {
        edit.SetColor(ui::clWindow);
        return;
    }
    const ui::TPoint hit = Find(Grid, {-1, -1}, text, p);
    Grid.SearchCell = hit;
    Grid.DoSearchFooterAction(text, hit.X, hit.Y, saFindFirst);
    if (hit.X < 0) {
        edit.SetColor(kNotFound);
        return;
    }
    edit.SetColor(ui::clWindow);
    ShowHit(Grid, hit);
    if (highlighting)
        Highlight(Grid, text);
}

void SearchNextClick(TGxStringGrid& Grid)
{
    FindAgain(Grid, false);
}

void SearchPrevClick(TGxStringGrid& Grid)
{
    FindAgain(Grid, true);
}

void SearchCloseClick(TGxStringGrid& Grid)
{
    if (Grid.OnSearchFooterClose)
        Grid.OnSearchFooterClose(&Grid);
    Grid.SearchFooter()->SetVisible(false);
    Grid.UpdateSearchPanel();
}

void SearchHighlightClick(TGxStringGrid& Grid)
{
    RemoveHighlights(Grid);
    if (HighlightDown(Grid) && !EditText(Grid).empty())
        Highlight(Grid, EditText(Grid));
}

void TGridExtras::SearchEditChange(TGxStringGrid& Grid)
{
    gx::SearchEditChange(Grid);
}

void TGridExtras::SearchPrevClick(TGxStringGrid& Grid)
{
    gx::SearchPrevClick(Grid);
}

void TGridExtras::SearchNextClick(TGxStringGrid& Grid)
{
    gx::SearchNextClick(Grid);
}

void TGridExtras::SearchCloseClick(TGxStringGrid& Grid)
{
    gx::SearchCloseClick(Grid);
}

void TGridExtras::SearchHighlightClick(TGxStringGrid& Grid)
{
    gx::SearchHighlightClick(Grid);
}

}  // namespace gx
