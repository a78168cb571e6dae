#include "grid/base/BaseGridPaint.h"

#include <algorithm>

#include "grid/base/BaseGrid.h"
#include "grid/base/VozEdidDraw.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TGridDrawState;
using ui::TRect;

namespace {

struct SelectionLook {
    TColor color, colorTo, mirror, mirrorTo, border, topLine, bottomLine, corner;
};

constexpr SelectionLook kVista{0xFDF8F1, 0xFCEFD5, ui::clNone, ui::clNone, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
constexpr SelectionLook kWin7{0xFCEBDC, 0xFCDBC1, ui::clNone, ui::clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
constexpr SelectionLook kOffice2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
// Any style while the grid does not have the focus.
constexpr SelectionLook kUnfocused{0xF8F8F8, 0xE5E5E5, ui::clNone, ui::clNone, 0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF};

void drawSelectionFace(TBaseGrid& grid, TCanvas& canvas, int col, TRect rect)
{
    const ui::TGridRect sel = grid.Selection();
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    int position = 0;
    if (right > left) {
        if (col == left)
            position = 1;
        else if (col == right)
            position = 2;
        else if (col > left && col < right)
            position = 3;
    }
    const ui::TGridOptions options = grid.Options();
    if (!(options & ui::goHorzLine))
        ++rect.Bottom;
    if (!(options & ui::goVertLine))
        ++rect.Right;

    const SelectionLook* look = &kUnfocused;
    if (grid.Focused() || (options & ui::goDrawFocusSelected)) {
        switch (grid.SelectionStyle()) {
        case ssVista:
            look = &kVista;
            break;
        case ssWin7:
            look = &kWin7;
            break;
        case ssOffice2007:
            look = &kOffice2007;
            break;
        default:
            break;
        }
    }
    VozEdid::DrawGradientButtonFace(canvas, look->color, look->colorTo, look->mirror, look->mirrorTo, look->topLine,
                                    look->bottomLine, look->border, look->corner, grid.Color(), rect, position);
}

void line(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void paintCell(TBaseGrid& grid, TCanvas& canvas, int col, int row, TRect rect, TGridDrawState state, bool full)
{
    // 1. The hidden last row shows the grid's colour only.
    if (row == grid.RowCount() - 1 && grid.HideLastRow()) {
        canvas.Pen()->SetColor(grid.Color());
        canvas.Brush()->SetColor(grid.Color());
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        canvas.FillRect(rect);
        return;
    }

    // 2. A merged range is painted once per pass, through its base cell, whichever of its cells
    // comes first. Only the grid's own paint pass counts: a cell painted on another canvas (a
    // print, a drag image) must not keep the next pass from painting the range on screen.
    int bc = col, br = row;
    grid.FindBaseCell(col, row, bc, br);
    if (grid.IsMergedCell(col, row)) {
        const bool nonBase = bc != col || br != row;
        const bool inPass = &canvas == grid.Canvas();
        if (!inPass && nonBase) {
            paintCell(grid, canvas, bc, br, rect, state, true);
            return;
        }
        if (inPass && (nonBase || full)) {
            TCellProperties* base = grid.GetCellProperties(bc, br);
            if (base->PaintID() == grid.PaintID())
                return;
            base->SetPaintID(grid.PaintID());
            if (nonBase) {
                paintCell(grid, canvas, bc, br, rect, state, true);
                return;
            }
        }
    }

    // 3, 4. Fixed state and the whole range's rectangle.
    if (full && grid.IsFixed(col, row))
        state = (state | ui::gdFixed) & ~ui::gdSelected;
    if (full)
        rect = grid.CellRect(col, row);
    const bool fixed = (state & ui::gdFixed) != 0;
    const bool selected = (state & ui::gdSelected) != 0;

    // 5. A range scrolled under the fixed area must not paint over it.
    const int fw = col >= grid.FixedCols() ? grid.FixedColsWidth() : 0;
    const int fh = row >= grid.FixedRows() ? grid.FixedRowsHeight() : 0;
    const bool hadClip = canvas.HasClip();
    const TRect oldClip = canvas.ClipRectRaw();
    const bool clip = (col >= grid.FixedCols() && grid.FixedCols() > 0 && rect.Left < fw) ||
                      (row >= grid.FixedRows() && grid.FixedRows() > 0 && rect.Top < fh);
    if (clip)
        canvas.IntersectClipRect(TRect(fw, fh, grid.Width(), grid.Height()));

    // 6. The look of the cell.
    canvas.Pen()->SetWidth(1);
    canvas.Font()->Assign(*grid.Font());
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    if (fixed)
        canvas.Brush()->SetColor(grid.FixedColor());
    else if (selected && grid.ShowSelectionFlag())
        canvas.Brush()->SetColor(ui::clHighlight);
    else
        canvas.Brush()->SetColor(grid.Color());
    TColor colorTo = ui::clNone, mirror = ui::clNone, mirrorTo = ui::clNone;
    THAlignment ha = THAlignment::taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = grid.WordWrap();
    TCellGradientDirection gd = GradientVertical;
    grid.GetVisualProperties(col, row, state, false, true, true, canvas.Brush(), colorTo, mirror, mirrorTo,
                             canvas.Font(), ha, va, ww, gd);
    canvas.Pen()->SetColor(canvas.Brush()->Color());

    // 7. Hover row.
    const THoverRowCells hover = grid.HoverRowCells();
    if (row == grid.HoverRowIndex() && grid.HoverRow() && !(selected && !(hover & HoverRowCellBit(hcSelected))) &&
        !(fixed && !(hover & HoverRowCellBit(hcFixed)))) {
        canvas.Brush()->SetColor(grid.HoverRowColor());
        colorTo = grid.HoverRowColorTo();
        mirror = mirrorTo = ui::clNone;
        gd = GradientVertical;
    }

    // 8. Active row.
    if ((grid.ActiveRowShow() && row == grid.Row() && (col != grid.Col() || !grid.ShowSelectionFlag()) &&
         col >= grid.FixedCols()) ||
        (!full && selected)) {
        canvas.Brush()->SetColor(grid.ActiveRowColor());
        colorTo = grid.ActiveRowColorTo();
        mirror = grid.ActiveRowMirrorColor();
        mirrorTo = grid.ActiveRowMirrorColorTo();
        canvas.Pen()->SetColor(canvas.Brush()->Color());
    }

    // 9. Background.
    if (selected && grid.SelectionStyle() != ssDefault && grid.ShowSelectionFlag()) {
        drawSelectionFace(grid, canvas, col, rect);
    } else if (!(grid.UsesVCLStyles() && (fixed || selected))) {
        const TColor from = canvas.Brush()->Color();
        if (mirrorTo == ui::clNone)
            VozEdid::DrawStepGradient(canvas, from, colorTo, 64, rect, gd == GradientHorizontal);
        else
            VozEdid::DrawMirrorGradient(canvas, rect, from, colorTo, mirror, mirrorTo, true, ui::clNone, false, true);
    }

    // 10. Grid lines.
    int h;
    const ui::TGridOptions options = grid.Options();
    bool drawLines = true;
    if (fixed) {
        canvas.Pen()->SetColor(grid.GridFixedLineColor());
        canvas.Pen()->SetWidth(1);
        h = 1;
    } else {
        // A width of 0 means no lines (not a hairline in the background colour).
        drawLines = grid.GridLineWidth() > 0;
        if (drawLines)
            canvas.Pen()->SetColor(grid.GridLineColor());
        canvas.Pen()->SetWidth(std::max(grid.GridLineWidth(), 1));
        h = (grid.GridLineWidth() + 1) / 2;
    }
    canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
    if (drawLines) {
        const bool horz = (options & (fixed ? ui::goFixedHorzLine : ui::goHorzLine)) != 0;
        const bool vert = (options & (fixed ? ui::goFixedVertLine : ui::goVertLine)) != 0;
        if (horz && !(grid.HasNodes() && bc == 0))
            line(canvas, rect.Left - h + 1, rect.Bottom - h, rect.Right - h + 1, rect.Bottom - h);
        if (vert)
            line(canvas, rect.Right - h, rect.Bottom - h, rect.Right - h, rect.Top - h);
    }

    // 11. Content.
    TRect inner = fixed ? TRect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 2)
                        : rect.Inflate(-grid.GridLineWidth(), -grid.GridLineWidth());
    if (full)
        grid.DrawCellText(&canvas, col, row, inner, state);

    // 12. Clip and styles back.
    if (clip) {
        if (hadClip)
            canvas.SetClipRect(oldClip);
        else
            canvas.ResetClip();
    }
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
}

}  // namespace

void PaintCell(TBaseGrid& Grid, TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    paintCell(Grid, ACanvas, ACol, ARow, ARect, AState, true);
}

void PaintCellExt(TBaseGrid& Grid, TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    paintCell(Grid, ACanvas, ACol, ARow, ARect, AState, false);
}

void PaintPassDone(TBaseGrid& Grid)
{
    Grid.SetPaintID(Grid.PaintID() + 1);
}

bool SelectBaseGridCell(TBaseGrid& Grid, int ACol, int ARow)
{
    Grid.RepaintCell(Grid.Col(), Grid.Row());
    const bool result = Grid.ui::TStringGrid::SelectCell(ACol, ARow);
    Grid.RepaintCell(ACol, ARow);
    return result;
}

void MoveOverMergedCells(TBaseGrid& Grid, unsigned Key)
{
    if (Key == ui::VK_NEXT && Grid.HideLastRow() && Grid.RowCount() >= 2 &&
        Grid.VisibleRowCount() + Grid.TopRow() - Grid.FixedRows() == Grid.RowCount() - 1)
        Grid.SetRow(Grid.RowCount() - 2);
    if (!Grid.HasCellProperties(Grid.Col(), Grid.Row()))
        return;
    const ui::TPoint base = Grid.BaseCell(Grid.Col(), Grid.Row());
    const int bc = base.X, br = base.Y;
    const ui::TPoint span = Grid.CellSpan(bc, br);
    switch (Key) {
    case ui::VK_LEFT:
        if (bc < Grid.Col() && Grid.Col() > Grid.FixedCols() && bc > 0)
            Grid.SetCol(bc);
        break;
    case ui::VK_UP:
        if (br < Grid.Row() && Grid.Row() > Grid.FixedRows() && br > 0)
            Grid.SetRow(br);
        break;
    case ui::VK_RIGHT: {
        const int e = bc + span.X;
        if (e >= Grid.Col() && Grid.Col() < Grid.ColCount() - 1 && bc < Grid.ColCount() - 1 && e < Grid.ColCount())
            Grid.SetCol(e);
        break;
    }
    case ui::VK_DOWN: {
        const int e = br + span.Y;
        if (e >= Grid.Row() && Grid.Row() < Grid.RowCount() - 1 && br < Grid.RowCount() - 1 && e < Grid.RowCount())
            Grid.SetRow(e);
        break;
    }
    default:
        break;
    }
}

void AfterWheelDown(TBaseGrid& Grid)
{
    if (Grid.Row() - Grid.TopRow() > Grid.VisibleRowCount() && Grid.Row() < Grid.RowCount() - 1 && Grid.HideLastRow())
        Grid.SetTopRow(Grid.TopRow() + 1);
    Grid.GoToBaseCell();
}

void RepaintFixedMergedCells(TBaseGrid& Grid)
{
    const int lastRow = std::min(Grid.TopRow() + Grid.VisibleRowCount(), Grid.RowCount() - 1);
    for (int c = 0; c < Grid.FixedCols(); ++c)
        for (int r = Grid.TopRow(); r <= lastRow; ++r)
            if (Grid.IsMergedCell(c, r))
                Grid.RepaintCell(c, r);
    const int lastCol = std::min(Grid.LeftCol() + Grid.VisibleColCount(), Grid.ColCount() - 1);
    for (int r = 0; r < Grid.FixedRows(); ++r)
        for (int c = Grid.LeftCol(); c <= lastCol; ++c)
            if (Grid.IsMergedCell(c, r))
                Grid.RepaintCell(c, r);
}

}  // namespace gx
