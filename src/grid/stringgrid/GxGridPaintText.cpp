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

}  // namespace

void GridPaint::DrawTextLayer(Cell& c, const TRect& R, bool ShowText, bool FilterGlyph, const TCellGraphic* G, int GW,
                              int GH, TCellHAlign GHA, TCellVAlign GVA)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const int col = c.col, rcol = c.rcol, row = c.row;
    const int fixedCols = g.TBaseGrid::FixedCols();
    const int gl = g.GridLineWidth();
    TRect T = R;
    const bool fixed = g.IsFixed(col, row);

    // 1, 2. Link colour and the selection colours of the text.
    TColor linkColor = g.URLColor();
    const int selRow =
        g.MouseActions()->DisjunctRowSelect() && g.MouseActions()->RowSelectPersistent() ? g.RealRowIndex(row) : row;
    const bool rowSelected = (g.Options() & ui::goRowSelect) && g.RowSelect(selRow) && rcol >= fixedCols &&
                             rcol < g.ColCount() - g.fixedRightCols_;
    if (((c.state & ui::gdSelected) || rowSelected) && !fixed) {
        if (g.ShowSelection()) {
            if (g.SelectionColor != ui::clNone)
                canvas.Brush()->SetColor(g.SelectionColor);
            if (g.SelectionTextColor != ui::clNone && g.Enabled())
                canvas.Font()->SetColor(g.SelectionTextColor);
            linkColor = g.SelectionTextColor;
        }
    }

    // 3. The text and its kind.
    std::string text = g.GetFormattedCell(rcol, row);
    g.GetDrawText(rcol, row, text);
    int kind = GetCellTextKind(text, g.EnableHTML);
    if (kind == 3) {
        text = g.GetCalcCellText(rcol, row);
        kind = GetCellTextKind(text, g.EnableHTML);
    }
    if (kind == 5)
        text = Utf16ToUtf8(DecodeWideCellText(text));

    // 5. Password cells.
    bool password = false;
    g.GetIsPasswordCell(rcol, row, password);
    if (password)
        text = std::string(static_cast<std::size_t>(rtl::Utf8Length(text)), g.PasswordChar);

    // 6. Fixed cells.
    if (fixed) {
        T.Left += gl;
        T.Top += gl;
    }

    // 8. Filter glyph.
    if (FilterGlyph) {
        ui::TBitmap* glyph =
            g.Filter()->HasFilter(rcol) ? g.FilterDropDown()->GlyphActive() : g.FilterDropDown()->Glyph();
        if (glyph->Empty()) {
            ui::TBitmap resource;
            if (LoadGridGlyph("GSGFILT", resource))
                VozEdid::DrawTransparentBitmap(canvas, resource, g.FixedColor(),
                                               TRect(T.Right - 16, T.Top, T.Right, T.Top + resource.Height()));
        } else {
            DrawAutoTransparent(canvas, T.Right - 16, T.Top, *glyph);
        }
    }

    // 11. Background gradient in the cell.
    TBackGround& bg = *g.BackGround();
    const bool bgCell = (fixed || (c.state & ui::gdFixed)) ? bg.Cells() != bcNormal : bg.Cells() != bcFixed;
    if ((bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert) && bgCell &&
        (!g.ShowSelection() || !(c.state & (ui::gdSelected | ui::gdFocused)))) {
        const TCellProperties* props = g.GridObjects(rcol, row);
        if (!props || props->BrushColor() == ui::clNone) {
            const TRect fill(T.Left - 1, T.Top - gl, T.Right, T.Bottom + gl - 1);
            const bool vert = bg.Display() == bdGradientVert;
            const int extent = vert ? g.Height() : g.Width();
            const TColor from = VozEdid::BlendColorAt(bg.Color(), bg.ColorTo(), 0, extent, vert ? fill.Top : fill.Left);
            const TColor to =
                VozEdid::BlendColorAt(bg.Color(), bg.ColorTo(), 0, extent, vert ? fill.Bottom : fill.Right);
            DrawGradient(canvas, from, to, !vert, fill, 128);
        }
    }

    // 12. Selection rectangle.
    const ui::TGridRect sel = g.Selection();
    if (g.SelectionRectangle && !fixed && col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom) {
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

    // 13. The text.
    if (!ShowText)
        return;
    T.Left += g.xyOffset_.X;
    T.Top += g.xyOffset_.Y;
    if (!g.XYOffsetTopLeftOnly)
        T.Right -= g.xyOffset_.X;
    if (GHA == haBeforeText)
        T.Left += GW;
    else if (GHA == haAfterText)
        T.Right -= GW;
    if (GVA == vaAboveText)
        T.Top += GH;
    else if (GVA == vaUnderText)
        T.Bottom -= GH;
    const int sortOffset = (GHA == haLeft || (GHA == haBeforeText && c.ha == THAlignment::taLeftJustify)) && G ? GW : 0;
    if (rcol == 0 && g.HasNodes() && !g.IsNode(row))
        T.Left += g.GetNodeIndent(row);
    const bool sortHeader = SortIndicatorHeader(g, col, rcol, row);
    const auto sortY = [&](const TRect& r) {
        if (c.va == vtaCenter)
            return r.Top + (r.Bottom - r.Top) / 2;
        return c.va == vtaBottom ? r.Bottom - 8 : r.Top + 8;
    };

    if (kind == 1) {
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
        params.HoverLinkIndex = g.Pointer.HoverCell.X == col && g.Pointer.HoverCell.Y == row ? g.Pointer.HoverLink : -1;
        params.UnderlineHoverOnly = g.URLUnderlineOnHover;
        params.BlinkVisible = !g.Pointer.GridBlink;
        params.ControlDown = g.Pointer.CtrlDown;
        params.WordWrap = !g.EnhTextSize;
        THTMLDrawResult result;
        DrawHTMLText(canvas, text, T, params, result);
        c.textWidth = result.UsedWidth + 2;
        if (sortHeader)
            g.DrawSortIndicator(canvas, rcol, sortY(T), T.Right + 2);
        return;
    }

    if (kind == 2) {
        g.DrawRichTextCell(rcol, row, T, canvas);
        return;
    }

    // Plain text.
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
    bool ww = g.WordWrap();
    if (const TCellProperties* props = g.GridObjects(rcol, row))
        ww = props->WordWrap();
    g.GetCellWordWrap(rcol, row, ww);
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
    unsigned vflag = 0;
    if (c.va == vtaCenter)
        vflag = ui::DT_VCENTER;
    else if (c.va == vtaBottom)
        vflag = ui::DT_BOTTOM;
    flags |= vflag;
    g.vAlignFlag_ = vflag;
    if (ww || g.Multilinecells)
        flags |= ui::DT_WORDBREAK | ui::DT_EDITCONTROL;
    else
        flags |= ui::DT_SINGLELINE;
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
    int errPos = 0, errLen = 0;
    if (G && (G->CellType == ctEmpty || G->CellType == ctValue) && G->CellErrLen > 0) {
        errPos = G->CellErrFrom;
        errLen = G->CellErrLen;
        VozEdid::DrawErrorUnderline(canvas, text, drawn, canvas.TextHeight("hg"), errPos, errLen);
    }
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    if (url)
        canvas.Font()->SetStyle(savedStyle);

    // The sort indicator after plain text.
    if (sortHeader) {
        T = drawn;
        const int q = std::max(0, std::min(T.Right - T.Left - 16, canvas.TextWidth(text)));
        int x = T.Left + 8;
        if (c.ha == THAlignment::taLeftJustify)
            x = T.Left + q + sortOffset + 10;
        else if (c.ha == THAlignment::taRightJustify)
            x = T.Right - q - 10;
        g.DrawSortIndicator(canvas, rcol, sortY(T), x);
    }
}

}  // namespace gx
