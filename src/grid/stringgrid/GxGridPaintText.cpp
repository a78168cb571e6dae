// TGxStringGrid: the text layer of a cell: the selection colours, the filter glyph, the background
// picture or gradient inside the cell, the selection rectangle, and the text itself (plain, mini-HTML
// or formula) with its margins, alignment, word wrap, link look and the sort indicator beside it.
#include <algorithm>

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/TextChars.h"
#include "grid/base/VozEdidCoding.h"
#include "grid/base/VozEdidDraw.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPaint.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

namespace {

// A sort-indicator header: a cell of the sort row in the sort column (or any column of the index
// sort list), drawn only for the primary column unless the index is shown.
bool SortIndicatorHeader(TGxStringGrid& g, int col, int rcol, int row)
{
    TSortSettings& sort = *g.SortSettings();
    if (!sort.Show() || g.TBaseGrid::FixedRows() <= 0 || g.TBaseGrid::FixedRows() + 1 >= g.RowCount())
        return false;
    const int lastRow = row + (g.IsMergedCell(rcol, row) ? g.CellExt(rcol, row).Y : 0);
    if (row != sort.Row() && lastRow != sort.Row())
        return false;
    if (col < g.TBaseGrid::FixedCols() && !sort.FixedCols)
        return false;
    if (sort.Column == rcol)
        return true;
    if (!sort.IndexShow)
        return false;
    const int position = g.SortIndexes()->FindIndex(rcol);
    return position == 0 || (position > 0 && sort.IndexShow);
}

// The middle of the sort indicator beside text in r, by the cell's vertical alignment.
int SortIndicatorY(const GridPaint::Cell& c, const TRect& r)
{
    if (c.va == vtaCenter)
        return r.Top + (r.Bottom - r.Top) / 2;
    return c.va == vtaBottom ? r.Bottom - 8 : r.Top + 8;
}

// The selection colours of a selected cell (or a cell of a selected row) on the canvas; gives the
// colour of links in the cell.
TColor ApplySelectionColors(GridPaint::Cell& c, bool fixed)
{
    TGxStringGrid& g = c.grid;
    TColor linkColor = g.URLColor();
    const int selRow = g.MouseActions()->DisjunctRowSelect() && g.MouseActions()->RowSelectPersistent()
                           ? g.RealRowIndex(c.row)
                           : c.row;
    const bool rowSelected = (g.Options() & ui::goRowSelect) && g.RowSelect(selRow) &&
                             c.rcol >= g.TBaseGrid::FixedCols() && c.rcol < g.ColCount() - g.FixedRightCols();
    if (((c.state & ui::gdSelected) || rowSelected) && !fixed) {
        if (g.ShowSelection()) {
            if (g.SelectionColor != ui::clNone)
                c.canvas.Brush()->SetColor(g.SelectionColor);
            if (g.SelectionTextColor != ui::clNone && g.Enabled())
                c.canvas.Font()->SetColor(g.SelectionTextColor);
            linkColor = g.SelectionTextColor;
        }
    }
    return linkColor;
}

// The text the cell shows and its kind (GetCellTextKind): formatted, a formula's result, wide text
// decoded, a password hidden.
std::string CellShownText(TGxStringGrid& g, int rcol, int row, int& kind)
{
    std::string text = g.GetFormattedCell(rcol, row);
    g.GetDrawText(rcol, row, text);
    kind = GetCellTextKind(text, g.EnableHTML);
    if (kind == 3) {
        text = g.GetCalcCellText(rcol, row);
        kind = GetCellTextKind(text, g.EnableHTML);
    }
    if (kind == 5)
        text = Utf16ToUtf8(DecodeWideCellText(text));
    bool password = false;
    g.GetIsPasswordCell(rcol, row, password);
    if (password)
        text = std::string(static_cast<std::size_t>(rtl::Utf8Length(text)), g.PasswordChar);
    return text;
}

// The filter row's glyph at the right edge of T: the column's own, else the program's.
void DrawFilterGlyph(GridPaint::Cell& c, const TRect& T)
{
    TGxStringGrid& g = c.grid;
    ui::TBitmap* glyph =
        g.Filter()->HasFilter(c.rcol) ? g.FilterDropDown()->GlyphActive() : g.FilterDropDown()->Glyph();
    if (glyph->Empty()) {
        ui::TBitmap resource;
        if (LoadGridGlyph("GSGFILT", resource))
            VozEdid::DrawTransparentBitmap(c.canvas, resource, g.FixedColor(),
                                           TRect(T.Right - 16, T.Top, T.Right, T.Top + resource.Height()));
    } else {
        DrawAutoTransparent(c.canvas, T.Right - 16, T.Top, *glyph);
    }
}

// The background gradient inside a cell without a brush colour of its own, as a slice of the
// gradient over the whole grid.
void DrawBackgroundGradient(GridPaint::Cell& c, const TRect& T, bool fixed)
{
    TGxStringGrid& g = c.grid;
    const int gl = g.GridLineWidth();
    TBackGround& bg = *g.BackGround();
    const bool bgCell = (fixed || (c.state & ui::gdFixed)) ? bg.Cells() != bcNormal : bg.Cells() != bcFixed;
    if ((bg.Display() != bdGradientHorz && bg.Display() != bdGradientVert) || !bgCell ||
        (g.ShowSelection() && (c.state & (ui::gdSelected | ui::gdFocused))))
        return;
    const TCellProperties* props = g.GridObjects(c.rcol, c.row);
    if (props && props->BrushColor() != ui::clNone)
        return;
    const TRect fill(T.Left - 1, T.Top - gl, T.Right, T.Bottom + gl - 1);
    const bool vert = bg.Display() == bdGradientVert;
    const int extent = vert ? g.Height() : g.Width();
    const TColor from = VozEdid::BlendColorAt(bg.Color(), bg.ColorTo(), 0, extent, vert ? fill.Top : fill.Left);
    const TColor to = VozEdid::BlendColorAt(bg.Color(), bg.ColorTo(), 0, extent, vert ? fill.Bottom : fill.Right);
    DrawGradient(c.canvas, from, to, !vert, fill, 128);
}

// The edges of the selection rectangle that pass through the cell, and the resizer's square in
// the selection's bottom right cell.
void DrawSelectionRectangle(GridPaint::Cell& c, const TRect& R, const TRect& T)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const int col = c.col, row = c.row;
    const int gl = g.GridLineWidth();
    const ui::TGridRect sel = g.Selection();
    canvas.Pen()->SetColor(g.SelectionRectangleColor);
    canvas.Pen()->SetWidth(2);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    const int right = col == sel.Right ? T.Right - 1 : T.Right;
    if (col == sel.Left)
        line(T.Left - gl + 1, T.Bottom, T.Left - gl + 1, T.Top - gl);
    if (col == sel.Right)
        line(T.Right - 1, T.Bottom, T.Right - 1, T.Top - gl);
    if (row == sel.Top)
        line(T.Left - gl, T.Top - gl + 1, right, T.Top - gl + 1);
    if (row == sel.Bottom)
        line(T.Left - gl, T.Bottom, right, T.Bottom);
    if (g.SelectionResizer && col == sel.Right && row == sel.Bottom) {
        canvas.Brush()->SetColor(g.SelectionRectangleColor);
        canvas.FillRect(TRect(T.Right - 4, T.Bottom - 4, R.Right, R.Bottom));
    }
    canvas.Pen()->SetWidth(1);
}

// The room left to the text in T: the cell's margins, the graphic beside, above or under the text,
// the tree indent.
void ShrinkToTextRoom(GridPaint::Cell& c, TRect& T, int GW, int GH, TCellHAlign GHA, TCellVAlign GVA)
{
    TGxStringGrid& g = c.grid;
    T.Left += g.XYOffset().X;
    T.Top += g.XYOffset().Y;
    if (!g.XYOffsetTopLeftOnly)
        T.Right -= g.XYOffset().X;
    if (GHA == haBeforeText)
        T.Left += GW;
    else if (GHA == haAfterText)
        T.Right -= GW;
    if (GVA == vaAboveText)
        T.Top += GH;
    else if (GVA == vaUnderText)
        T.Bottom -= GH;
    if (c.rcol == 0 && g.HasNodes() && !g.IsNode(c.row))
        T.Left += g.GetNodeIndent(c.row);
}

// Mini-HTML text in T, with the sort indicator after it; the width used goes to c.textWidth.
void DrawHtmlCellText(GridPaint::Cell& c, TRect T, const std::string& text, TColor linkColor, bool FilterGlyph,
                      bool sortHeader)
{
    TGxStringGrid& g = c.grid;
    if (FilterGlyph)
        T.Right -= 18;
    --T.Left;
    if (sortHeader)
        T.Right -= 10;
    THTMLDrawParams params;
    params.Images = g.GetGridImageList();
    params.PictureCache = g.ImageCache();
    params.LinkColor = linkColor;
    params.ShadowColor = 0x808080;
    params.HoverLinkIndex = g.Pointer.HoverCell.X == c.col && g.Pointer.HoverCell.Y == c.row ? g.Pointer.HoverLink : -1;
    params.UnderlineHoverOnly = g.URLUnderlineOnHover;
    params.BlinkVisible = !g.Pointer.GridBlink;
    params.ControlDown = g.Pointer.CtrlDown;
    params.WordWrap = !g.EnhTextSize;
    THTMLDrawResult result;
    DrawHTMLText(c.canvas, text, T, params, result);
    c.textWidth = result.UsedWidth + 2;
    if (sortHeader)
        g.DrawSortIndicator(c.canvas, c.rcol, SortIndicatorY(c, T), T.Right + 2);
}

// The drawing flags of plain text: one line (cut at its first line break) or word wrap, ellipsis,
// alignment. vflag gets the flag of the vertical placement.
unsigned PlainTextFlags(GridPaint::Cell& c, std::string& text, unsigned& vflag)
{
    TGxStringGrid& g = c.grid;
    bool ww = g.WordWrap();
    if (const TCellProperties* props = g.GridObjects(c.rcol, c.row))
        ww = props->WordWrap();
    g.GetCellWordWrap(c.rcol, c.row, ww);
    unsigned flags = ui::DT_EDITCONTROL;
    if (LineCount(text, g.Multilinecells) == 1 && !ww) {
        const auto br = text.find_first_of("\r\n");
        if (br != std::string::npos)
            text.resize(br);
        flags = ui::DT_SINGLELINE;
        if (g.EnhTextSize)
            flags |= ui::DT_END_ELLIPSIS;
    } else if (ww && g.EnhTextSize && !g.Multilinecells) {
        flags |= ui::DT_END_ELLIPSIS;
    }
    flags |= ui::DT_EXPANDTABS | ui::DT_NOPREFIX;
    if (c.ha == THAlignment::taRightJustify)
        flags |= ui::DT_RIGHT;
    else if (c.ha == THAlignment::taCenter)
        flags |= ui::DT_CENTER;
    vflag = 0;
    if (c.va == vtaCenter)
        vflag = ui::DT_VCENTER;
    else if (c.va == vtaBottom)
        vflag = ui::DT_BOTTOM;
    flags |= vflag;
    if (ww || g.Multilinecells)
        flags |= ui::DT_WORDBREAK | ui::DT_EDITCONTROL;
    else
        flags |= ui::DT_SINGLELINE;
    return flags;
}

// Plain text in T with flags, and the error underline of a value graphic; gives the rectangle the
// text was drawn in. With a graphic the text's width goes to c.textWidth.
TRect DrawPlainCellText(GridPaint::Cell& c, TRect T, const std::string& text, unsigned flags, unsigned vflag,
                        bool FilterGlyph, const TCellGraphic* G)
{
    TCanvas& canvas = c.canvas;
    // A single line is placed vertically by the flags; wrapped text starts at the top.
    if ((flags & ui::DT_WORDBREAK) && vflag != 0) {
        TRect m = T;
        canvas.DrawText(text, m, flags | ui::DT_CALCRECT);
        const int room = T.Height() - m.Height();
        if (room > 0)
            T.Top += vflag == ui::DT_VCENTER ? room / 2 : room;
    }
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    if (FilterGlyph)
        T.Right -= 16;
    if (G && !text.empty()) {
        TRect m = T;
        canvas.DrawText(text, m, flags | ui::DT_CALCRECT);
        c.textWidth = m.Width() + 2;
    }
    const TRect drawn = T;
    TRect t = T;
    canvas.DrawText(text, t, flags);
    if (G && (G->CellType == ctEmpty || G->CellType == ctValue) && G->CellErrLen > 0) {
        int errPos = G->CellErrFrom;
        int errLen = G->CellErrLen;
        VozEdid::DrawErrorUnderline(canvas, text, drawn, canvas.TextHeight("hg"), errPos, errLen);
    }
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    return drawn;
}

// The sort indicator after plain text drawn in T.
void DrawSortAfterText(GridPaint::Cell& c, const TRect& T, const std::string& text, int sortOffset)
{
    const int q = std::max(0, std::min(T.Right - T.Left - 16, c.canvas.TextWidth(text)));
    int x = T.Left + 8;
    if (c.ha == THAlignment::taLeftJustify)
        x = T.Left + q + sortOffset + 10;
    else if (c.ha == THAlignment::taRightJustify)
        x = T.Right - q - 10;
    c.grid.DrawSortIndicator(c.canvas, c.rcol, SortIndicatorY(c, T), x);
}

}  // namespace

void GridPaint::DrawTextLayer(Cell& c, const TRect& R, bool ShowText, bool FilterGlyph, const TCellGraphic* G, int GW,
                              int GH, TCellHAlign GHA, TCellVAlign GVA)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    TRect T = R;
    const bool fixed = g.IsFixed(c.col, c.row);

    const TColor linkColor = ApplySelectionColors(c, fixed);
    int kind = 0;
    std::string text = CellShownText(g, c.rcol, c.row, kind);
    if (fixed) {
        T.Left += g.GridLineWidth();
        T.Top += g.GridLineWidth();
    }
    if (FilterGlyph)
        DrawFilterGlyph(c, T);
    DrawBackgroundGradient(c, T, fixed);
    const ui::TGridRect sel = g.Selection();
    if (g.SelectionRectangle && !fixed && c.col >= sel.Left && c.col <= sel.Right && c.row >= sel.Top &&
        c.row <= sel.Bottom)
        DrawSelectionRectangle(c, R, T);

    // The text.
    if (!ShowText)
        return;
    ShrinkToTextRoom(c, T, GW, GH, GHA, GVA);
    const int sortOffset = (GHA == haLeft || (GHA == haBeforeText && c.ha == THAlignment::taLeftJustify)) && G ? GW : 0;
    const bool sortHeader = SortIndicatorHeader(g, c.col, c.rcol, c.row);
    if (kind == 1) {
        DrawHtmlCellText(c, T, text, linkColor, FilterGlyph, sortHeader);
        return;
    }
    if (kind == 2) {
        g.DrawRichTextCell(c.rcol, c.row, T, canvas);
        return;
    }

    // Plain text, underlined in the link colour when it is a link.
    if (sortHeader && c.ha == THAlignment::taCenter)
        T.Left += 10;
    const bool url = g.URLShow() && IsURL(text);
    const ui::TFontStyles savedStyle = canvas.Font()->Style();
    if (url) {
        if (!g.URLFull())
            StripURLProtocol(text);
        canvas.Font()->SetStyle(savedStyle | ui::fsUnderline);
        canvas.Font()->SetColor(linkColor);
    }
    unsigned vflag = 0;
    const unsigned flags = PlainTextFlags(c, text, vflag);
    g.vAlignFlag_ = vflag;
    const TRect drawn = DrawPlainCellText(c, T, text, flags, vflag, FilterGlyph, G);
    if (url)
        canvas.Font()->SetStyle(savedStyle);
    if (sortHeader)
        DrawSortAfterText(c, drawn, text, sortOffset);
}

}  // namespace gx
