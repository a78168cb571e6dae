// TGxStringGrid: the cell painter. The base grid fills the cell and draws its lines, then calls
// DrawCellText with the inner rectangle; here the layers inside the cell are drawn in order: fixed
// looks, row indicator, modified marker, permanent edit buttons, text, graphic, borders, 3D lines,
// tree lines, the drawing events and the focus rectangle.
#include <algorithm>

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/VozEdidCoding.h"
#include "grid/base/VozEdidDraw.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridCellDrawer.h"
#include "grid/stringgrid/GxGridPaint.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

namespace {

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

bool IsGradientLook(TGridLook look)
{
    return look == glDUD || look == glXP || look == glVista || look == glWin7 || look == glOffice2007;
}

// The row indicator picture in the current row's first cell; R gives up its room.
void DrawRowIndicator(GridPaint::Cell& c, TRect& R, const ui::TBitmap& indicator)
{
    int y = R.Top;
    if (c.va == vtaCenter)
        y = R.Top + (R.Height() - indicator.Height()) / 2;
    else if (c.va == vtaBottom)
        y = R.Bottom - indicator.Height();
    DrawAutoTransparent(c.canvas, R.Left + 2, y, indicator);
    R.Left += indicator.Width() + 2;
}

// The modified-row marker: a bar at the right edge of the row's first cell.
void DrawModifiedMarker(GridPaint::Cell& c, const TRect& R, TColor savedBrush)
{
    c.canvas.Brush()->SetColor(c.grid.ShowModified()->Color());
    c.canvas.FillRect(TRect(R.Right - 4, R.Top, R.Right, R.Bottom));
    c.canvas.Brush()->SetColor(savedBrush);
}

// The drop-down or spin buttons shown in every cell that has them; R gives up their room.
void DrawPermanentEditButtons(GridPaint::Cell& c, TRect& R, TColor savedBrush)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const TControlLook& look = *g.ControlLook();
    int kind = look.FlatButton() ? VozEdid::bkFlat : VozEdid::bkThemed;
    if (g.Flat() && g.Tones().Background.BrushColor != ui::clNone)
        kind = VozEdid::bkTones;
    bool editable = true;
    g.GetCellEditable(c.rcol, c.row, editable);
    const int buttonState = editable ? VozEdid::bsNormal : VozEdid::bsDisabled;
    if (look.DropDownAlwaysVisible() && g.GetHasComboBox(c.rcol, c.row)) {
        VozEdid::DrawComboButton(canvas, TRect(R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom), kind, buttonState,
                                 g.Tones());
        R.Right -= 16;
    } else if (look.SpinButtonsAlwaysVisible() && g.GetHasSpinEdit(c.rcol, c.row)) {
        VozEdid::DrawSpinButtons(canvas, R, kind, buttonState, g.Tones());
        R.Right -= 16;
    }
    canvas.Brush()->SetColor(savedBrush);
}

// The grey frame of the fixed right columns of a flat grid.
void DrawFixedRightFrame(GridPaint::Cell& c, const TRect& R)
{
    TCanvas& canvas = c.canvas;
    canvas.Pen()->SetColor(0x808080);
    if (c.grid.Options() & ui::goFixedHorzLine) {
        Line(canvas, R.Left - 1, R.Top - 1, R.Right + 1, R.Top - 1);
        Line(canvas, R.Left - 1, R.Bottom, R.Right + 1, R.Bottom);
    }
    if (c.grid.Options() & ui::goFixedVertLine) {
        Line(canvas, R.Left - 1, R.Top - 1, R.Left - 1, R.Bottom + 1);
        Line(canvas, R.Right, R.Top - 1, R.Right, R.Bottom + 1);
    }
}

// The focus rectangle of the current cell (a merged range's base cell) while the grid has the focus.
void DrawCellFocusRect(GridPaint::Cell& c, const TRect& R)
{
    TGxStringGrid& g = c.grid;
    const ui::TPoint base = g.BaseCell(c.col, c.row);
    const bool current = base.X == g.Col() && base.Y == g.Row();
    const bool currentFixed = g.Col() < g.TBaseGrid::FixedCols() || g.Row() < g.TBaseGrid::FixedRows();
    if (current && g.Focused() && !(g.Options() & ui::goRowSelect) && !currentFixed) {
        TRect f = R.Inflate(g.GridLineWidth() - 1, g.GridLineWidth() - 1);
        --f.Right;
        --f.Bottom;
        c.canvas.DrawFocusRect(f);
    }
}

// The column's number in the first row, for the design-time helper.
void DrawColumnNumber(GridPaint::Cell& c, const TRect& R)
{
    TCanvas& canvas = c.canvas;
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetSize(8);
    canvas.Font()->SetColor(0x808080);
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    TRect n(R.Left, R.Top, R.Right - 2, R.Bottom);
    canvas.DrawText(std::to_string(c.col), n, ui::DT_RIGHT | ui::DT_BOTTOM | ui::DT_SINGLELINE);
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
}

}  // namespace

void TGxStringGrid::DrawCellText(ui::TCanvas* ACanvas, int ACol, int ARow, const ui::TRect& ARect,
                                 ui::TGridDrawState AState)
{
    GridPaint::Cell cell{*this, *ACanvas, ACol, RealColIndex(ACol), ARow, AState};
    GridPaint::DrawCellText(cell, ARect);
}

void GridPaint::DrawFixedGradient(Cell& c, TRect& R, TColor AColorTo, TColor AMirror, TColor AMirrorTo)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const auto& fg = g.fixedGradients_;
    const TGridPointerState& p = g.Pointer;
    const int fixedCols = g.TBaseGrid::FixedCols(), fixedRows = g.TBaseGrid::FixedRows();
    const bool inFixedRow = c.row < fixedRows, inFixedCol = c.col < fixedCols;
    bool admitted = false;
    switch (g.HoverFixedCells) {
    case hfAll:
        admitted = inFixedRow || inFixedCol;
        break;
    case hfFixedRows:
        admitted = inFixedRow;
        break;
    case hfFixedColumns:
        admitted = inFixedCol;
        break;
    default:
        break;
    }
    const bool hovered = (c.col == p.HoverFixedX && c.row == p.HoverFixedY && !p.MouseDownMove) ||
                         (p.MouseDownMove && c.col == p.HoverFixedX);
    const bool dropDown = g.ControlLook()->FixedDropDownButton && g.DoCanShowFixedDropDown(c.rcol);
    if (admitted && hovered && !p.Designing) {
        ++R.Bottom;
        using TL = TControlLook;
        const auto hot = [&](const TRect& r) {
            VozEdid::DrawMirrorGradient(canvas, r, fg[TL::kHoverFrom], fg[TL::kHoverTo], fg[TL::kHoverMirrorFrom],
                                        fg[TL::kHoverMirrorTo], true, fg[TL::kHoverBorder], false, true);
        };
        const auto down = [&](const TRect& r) {
            VozEdid::DrawMirrorGradient(canvas, r, fg[TL::kDownFrom], fg[TL::kDownTo], fg[TL::kDownMirrorFrom],
                                        fg[TL::kDownMirrorTo], true, fg[TL::kDownBorder], false, true);
        };
        const TRect body(R.Left, R.Top, R.Right - 16, R.Bottom), button(R.Right - 16, R.Top, R.Right, R.Bottom);
        if (!p.MouseDown) {
            hot(R);
        } else if (dropDown) {
            if (p.DropDownDown) {
                hot(body);
                down(button);
            } else {
                down(body);
                hot(button);
            }
        } else {
            down(R);
        }
        if (dropDown) {
            canvas.Pen()->SetColor(p.MouseDown ? fg[TL::kDownBorder] : fg[TL::kHoverBorder]);
            Line(canvas, R.Right - 16, R.Top, R.Right - 16, R.Bottom);
            VozEdid::DrawDownTriangle(canvas, R.Right - 8, R.Top + 8, ui::clBlack);
            R.Right -= 16;
        }
        return;
    }
    if (g.ActiveCellShow && ((fixedCols > 0 && c.col == fixedCols - 1 && c.row == g.Row()) ||
                             (fixedRows > 0 && c.row == fixedRows - 1 && c.col == g.Col()))) {
        VozEdid::DrawStepGradient(canvas, g.ActiveCellColor, g.ActiveCellColorTo, 64, R, false);
        return;
    }
    const TSortSettings& sort = *g.SortSettings();
    if (sort.Column != -1 && sort.HeaderColor() != ui::clNone && sort.Column == c.rcol && c.row == fixedRows - 1 &&
        (c.col >= fixedCols || sort.FixedCols)) {
        VozEdid::DrawMirrorGradient(canvas, R, sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                                    sort.HeaderMirrorColorTo(), true, ui::clNone, false, true);
        return;
    }
    if (!g.Flat())
        VozEdid::DrawMirrorGradient(canvas, R, canvas.Brush()->Color(), AColorTo, AMirror, AMirrorTo, true,
                                    g.Look == glVista ? ui::clWhite : ui::clNone, g.Look == glVista, true);
}

void GridPaint::DrawFixed3D(Cell& c, TRect R)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const ui::TGridOptions options = g.Options();
    const TColor half = VozEdid::HalfColor(g.FixedColor());
    switch (g.Look) {
    case glClassic: {
        ++R.Left;
        ++R.Top;
        ++R.Bottom;
        TRect e = R;
        canvas.DrawEdge(e, ui::BDR_RAISEDINNER, ui::BF_LEFT);
        e = R;
        canvas.DrawEdge(e, ui::BDR_RAISEDINNER, ui::BF_TOP);
        e = R;
        canvas.DrawEdge(e, ui::BDR_RAISEDINNER, ui::BF_RIGHT | ui::BF_BOTTOM);
        canvas.Pen()->SetColor(ui::clBlack);
        Line(canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
        canvas.LineTo(R.Left - 1, R.Bottom - 1);
        break;
    }
    case glDUD:
    case glXP:
        ++R.Bottom;
        if (options & ui::goFixedHorzLine) {
            canvas.Pen()->SetColor(half);
            Line(canvas, R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
            canvas.Pen()->SetColor(ui::clWhite);
            Line(canvas, R.Right - 2, R.Top + 1, R.Left + 1, R.Top + 1);
            canvas.LineTo(R.Left + 1, R.Bottom - 1);
        }
        break;
    case glSoft:
        ++R.Right;
        ++R.Bottom;
        if (options & ui::goFixedHorzLine) {
            canvas.Pen()->SetColor(half);
            Line(canvas, R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
            canvas.Pen()->SetColor(ui::clWhite);
            Line(canvas, R.Right, R.Top + 1, R.Left + 1, R.Top + 1);
            canvas.LineTo(R.Left + 1, R.Bottom - 1);
        }
        if (options & ui::goFixedVertLine) {
            canvas.Pen()->SetColor(half);
            Line(canvas, R.Right - 2, R.Top, R.Right - 2, R.Bottom - 1);
            canvas.Pen()->SetColor(ui::clWhite);
            Line(canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
        }
        break;
    default:
        break;
    }
}

void GridPaint::DrawCellText(Cell& c, TRect R)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const int col = c.col, row = c.row, rcol = c.rcol;
    const int fixedCols = g.TBaseGrid::FixedCols(), fixedRows = g.TBaseGrid::FixedRows();

    // 3. Filter glyph in the filter row of a column with a filter list.
    const bool filterGlyph = row == g.FilterDropDownRow && g.GetColumnFilterList(rcol);

    // 5. Visual properties on the canvas.
    TColor colorTo = ui::clNone, mirror = ui::clNone, mirrorTo = ui::clNone;
    bool ww = g.WordWrap();
    TCellGradientDirection gd = GradientVertical;
    ui::TGridDrawState state = c.state;
    g.GetVisualProperties(col, row, state, false, false, true, canvas.Brush(), colorTo, mirror, mirrorTo, canvas.Font(),
                          c.ha, c.va, ww, gd);

    // 6. The graphic and its layout.
    int gw = 0, gh = 0;
    bool showText = true;
    TCellHAlign gha = haLeft;
    TCellVAlign gva = vaTop;
    TCellGraphic* graphic = g.GetCellGraphicLayout(rcol, row, gw, gh, showText, gha, gva);
    if (graphic && graphic->CellType == ctNode && rcol == 0)
        gw = g.RowNodeLevel(row) * 12 + 4;

    // 7. A selected cell without the focus and without a selection colour.
    if ((c.state & ui::gdSelected) && !(c.state & ui::gdFocused) && g.SelectionColor == ui::clNone)
        canvas.Brush()->SetColor(ui::clHighlight);

    // 8. Zoom; the colours are put back after the text.
    if (g.zoomFactor_ != 0)
        canvas.Font()->SetSize(canvas.Font()->Size() + g.zoomFactor_);
    const TColor savedBrush = canvas.Brush()->Color(), savedFont = canvas.Font()->Color();

    // 9. Fixed look.
    bool fixed = g.IsFixed(col, row) || col < fixedCols || row < fixedRows;
    if (row == g.HoverRowIndex() && g.HoverRow() && (g.HoverRowCells() & HoverRowCellBit(hcFixed)))
        fixed = false;

    // 11. Gradient looks.
    const bool gradientLook = IsGradientLook(g.Look);
    if (gradientLook && fixed)
        DrawFixedGradient(c, R, colorTo, mirror, mirrorTo);

    // 12. Row indicator.
    ui::TBitmap* indicator = g.RowIndicator();
    const bool indicatorRow = rcol == 0 && row == g.Row() && fixedCols > 0;
    if (indicatorRow && !indicator->Empty() && !(g.RowCount() == fixedRows && g.FixedRowAlways()))
        DrawRowIndicator(c, R, *indicator);

    // 13. List-view headers.
    if (g.Look == glListView && fixed && !g.Flat()) {
        ++R.Bottom;
        canvas.DrawThemedPart(ui::TThemedPart::HeaderItem, ui::tsNormal, R);
        canvas.Pen()->SetColor(ui::clWhite);
        Line(canvas, R.Left, R.Top, R.Right, R.Top);
    }

    // 14. Modified-row marker.
    if (col == 0 && g.ShowModified()->Enabled && g.RowModified(g.RealRowIndex(row)))
        DrawModifiedMarker(c, R, savedBrush);

    // 15. Background event.
    if (g.OnCustomCellBkgDraw)
        g.OnCustomCellBkgDraw(&g, &canvas, rcol, row, c.state, R, false);

    // 16. Permanent edit buttons.
    const int savedRight = R.Right;
    const TControlLook& look = *g.ControlLook();
    if (!fixed && (look.DropDownAlwaysVisible() || look.SpinButtonsAlwaysVisible()))
        DrawPermanentEditButtons(c, R, savedBrush);

    // 17. Text layer, over an object that asks to draw itself first.
    const IGridCellDrawer* drawer = CellDrawer(graphic);
    const bool drawerFirst = drawer && drawer->DrawsFirst();
    if (drawerFirst) {
        TRect under = R.Inflate(1, 1);
        DrawCellGraphic(c, under, graphic, c.va);
    }
    const bool events = g.OnDrawCell || g.OnCustomCellDraw;
    if ((!events || !g.NoDefaultDraw) && !(graphic && g.NoImageAndText)) {
        canvas.Brush()->SetColor(savedBrush);
        DrawTextLayer(c, R, showText, filterGlyph, graphic, gw, gh, gha, gva);
    }

    // 18. Borders.
    R.Right = savedRight;
    canvas.Brush()->SetColor(savedBrush);
    canvas.Font()->SetColor(savedFont);
    R = R.Inflate(1, 1);
    DrawBorders(c, R);
    if (col == 0 && row == g.Row() && fixedCols > 0)
        R.Left -= indicator->Width();

    // 19. 3D lines of fixed cells.
    if (fixed && !g.Flat())
        DrawFixed3D(c, R);

    // 20. Fixed right columns of a flat grid.
    if (g.Flat() && g.fixedRightCols_ > 0 && col >= g.ColCount() - g.fixedRightCols_ && g.Look != glClassic)
        DrawFixedRightFrame(c, R);

    // 22. The cell graphic.
    if (graphic && !drawerFirst) {
        TRect gr = R;
        if (fixed)
            ++gr.Top;
        DrawCellGraphic(c, gr, graphic, c.va);
    }

    // 23, 24. Drawing events.
    if (g.OnDrawCell)
        g.OnDrawCell(&g, rcol, row,
                     TRect(R.Left + 1, R.Top + 1, R.Right - g.GridLineWidth(), R.Bottom - g.GridLineWidth()), c.state);
    if (g.OnCustomCellDraw)
        g.OnCustomCellDraw(&g, &canvas, rcol, row, c.state, R, false);

    // 25. Focus rectangle.
    if (!g.HideFocusRect)
        DrawCellFocusRect(c, R);

    // 26. Column numbers of the design-time helper.
    if (g.Pointer.Designing && g.ShowColumnNumbers && row == 0)
        DrawColumnNumber(c, R);
}

void GridPaint::DrawBorders(Cell& c, TRect R)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    ui::TPen saved;
    saved.Assign(*canvas.Pen());
    TCellBorders borders = 0;
    g.GetCellBorder(c.rcol, c.row, canvas.Pen(), borders);
    if (borders == 0 && !g.OnGetCellBorderProp) {
        canvas.Pen()->Assign(saved);
        return;
    }
    ui::TPen left, top, right, bottom;
    left.Assign(*canvas.Pen());
    top.Assign(*canvas.Pen());
    right.Assign(*canvas.Pen());
    bottom.Assign(*canvas.Pen());
    if (g.OnGetCellBorderProp)
        g.OnGetCellBorderProp(&g, c.row, c.rcol, &left, &top, &right, &bottom);
    const int e = (canvas.Pen()->Width() + 1) / 2;
    const ui::TGridOptions options = g.Options();
    if (options & ui::goVertLine)
        R.Left += e;
    if (options & ui::goHorzLine)
        R.Bottom -= e;
    const int gl = g.GridLineWidth();
    if (borders & CellBorderBit(cbLeft)) {
        canvas.Pen()->Assign(left);
        Line(canvas, std::max(0, R.Left), R.Top, std::max(0, R.Left), R.Bottom);
    }
    if (options & ui::goVertLine)
        R.Right -= e;
    if (borders & CellBorderBit(cbRight)) {
        canvas.Pen()->Assign(right);
        Line(canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    }
    if (options & ui::goHorzLine)
        R.Top += e;
    if (borders & CellBorderBit(cbTop)) {
        canvas.Pen()->Assign(top);
        const int y = gl == 0 ? R.Top + 1 : std::max(0, R.Top - gl);
        Line(canvas, R.Left, y, R.Right, y);
    }
    if (borders & CellBorderBit(cbBottom)) {
        canvas.Pen()->Assign(bottom);
        Line(canvas, R.Left - gl - 1, R.Bottom - 1, R.Right, R.Bottom - 1);
    }
    canvas.Pen()->Assign(saved);
}

}  // namespace gx
