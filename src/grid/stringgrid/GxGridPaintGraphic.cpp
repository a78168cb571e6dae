// TGxStringGrid: the graphic of a cell: its layout (size, whether the text shows), its place in the
// cell and its drawing by kind: pictures, icons, images, check boxes and radio buttons, progress
// bars, pies, range indicators, shapes, ratings, comment marks, push buttons and node glyphs.
#include <algorithm>
#include <cmath>

#include "grid/base/VozEdidDraw.h"
#include "grid/base/VozEdidProgress.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridCellDrawer.h"
#include "grid/stringgrid/GxGridPaint.h"
#include "platform/ui/ImgList.h"

namespace gx {

using ui::TCanvas;
using ui::TColor;
using ui::TRect;

double ClampPercent(double Value)
{
    return std::clamp(Value, 0.0, 100.0);
}

TCellGraphic* TGxStringGrid::GetCellGraphicLayout(int ACol, int ARow, int& Width, int& Height, bool& ShowText,
                                                  TCellHAlign& HAlign, TCellVAlign& VAlign)
{
    Width = Height = 0;
    ShowText = true;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    HAlign = g->CellHAlign;
    VAlign = g->CellVAlign;
    const int check = controlLook_->CheckSize();
    const ui::TImageList* images = GetGridImageList();
    switch (g->CellType) {
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const ui::TBitmap*>(g->CellBitmap)) {
            Width = bmp->Width();
            Height = bmp->Height();
        }
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const ui::TBitmap*>(g->CellIcon)) {
            Width = icon->Width();
            Height = icon->Height();
        }
        break;
    case ctImageList:
    case ctDataImage:
        if (images) {
            Width = images->Width();
            Height = images->Height();
            ShowText = g->CellType == ctImageList;
        }
        break;
    case ctCheckBox:
    case ctTriStateCheckBox:
        Width = Height = check;
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        Width = Height = check;
        ShowText = false;
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        ShowText = false;
        break;
    case ctImages:
        if (images) {
            const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap);
            const int n = list ? list->Count() : 0;
            Width = g->CellBoolean ? n * images->Width() : images->Width();
            Height = g->CellBoolean ? images->Height() : n * images->Height();
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const TRect cell = CellRect(DisplColIndex(ACol), ARow);
        const ui::TPoint size = g->GetPictureSize(cell.Width(), cell.Height(), true);
        Width = size.X;
        Height = size.Y;
        break;
    }
    case ctButton:
    case ctBitButton:
        Width = g->CellIndex & 0xFFFF;
        Height = (g->CellIndex >> 16) & 0xFFFF;
        break;
    case ctProgressPie:
        Width = Height = 20;
        break;
    case ctRadioButton:
        Width = Height = controlLook_->RadioSize() + 4;
        break;
    case ctShape:
        Width = Height = RowHeights(ARow) - 2 * xyOffset_.Y;
        break;
    case ctRating:
        Width = g->CellAngle * 18;
        Height = 16;
        ShowText = false;
        break;
    case ctInterface:
        if (const IGridCellDrawer* drawer = CellDrawer(g)) {
            Width = drawer->Width();
            Height = drawer->Height();
        }
        break;
    default:
        break;
    }
    return g;
}

namespace {

using Cell = GridPaint::Cell;

bool IsBoxGraphic(TCellType kind)
{
    return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox ||
           kind == ctRadioButton || kind == ctTriStateCheckBox;
}

// The left edge of a graphic W wide in Gr by its own alignment; tw is the room the text takes.
int GraphicLeft(const Cell& c, const TRect& Gr, TCellHAlign ha, int W, int tw)
{
    int left = 0;
    switch (ha) {
    case haLeft:
        left = Gr.Left + 1;
        break;
    case haRight:
        left = Gr.Right - 1 - W;
        break;
    case haCenter:
        left = W < Gr.Width() ? Gr.Left + (Gr.Width() - W) / 2 : Gr.Left + 1;
        break;
    case haBeforeText:
        if (c.ha == THAlignment::taRightJustify)
            left = Gr.Right - tw - W;
        else if (c.ha == THAlignment::taCenter)
            left = Gr.Left + (Gr.Width() - tw - W) / 2;
        else
            left = Gr.Left + 1;
        break;
    case haAfterText:
        if (c.ha == THAlignment::taRightJustify)
            left = Gr.Right - 1 - W;
        else if (c.ha == THAlignment::taCenter)
            left = Gr.Left + tw + (Gr.Width() - tw - W) / 2;
        else
            left = Gr.Left + tw;
        break;
    case haFull:
        left = Gr.Left;
        break;
    }
    if (left < Gr.Left && ha != haFull)
        left = Gr.Left + 1;
    return left;
}

// The left edge of a check box or radio button: it follows the cell's text alignment instead; a
// data check box stands alone, the others beside the text.
int BoxLeft(const Cell& c, const TRect& Gr, TCellType kind, int W, int tw)
{
    const bool data = kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox;
    int left = Gr.Left + 1;
    if (c.ha == THAlignment::taRightJustify) {
        left = (data ? Gr.Right : Gr.Right - tw) - W - 1;
    } else if (c.ha == THAlignment::taCenter) {
        if (data || tw == 0)
            left = Gr.Left + std::max(0, Gr.Right - W - Gr.Left) / 2;
        else
            left = Gr.Left + std::max(0, Gr.Right - tw - Gr.Left) / 2 - W;
    }
    return left < Gr.Left ? Gr.Left + 1 : left;
}

// The top and bottom edges of a graphic H high in Gr by its vertical alignment.
void PlaceVertically(TRect& B, const TRect& Gr, TCellVAlign va, int H)
{
    switch (va) {
    case vaTop:
    case vaAboveText:
        B.Top = Gr.Top + 1;
        break;
    case vaBottom:
        B.Top = Gr.Bottom - 1 - H;
        break;
    case vaCenter:
        B.Top = H < Gr.Height() ? Gr.Top + (Gr.Height() - H) / 2 : Gr.Top + 1;
        break;
    case vaUnderText:
        B.Top = Gr.Bottom - H;
        break;
    case vaFull:
        B.Top = Gr.Top;
        break;
    }
    B.Bottom = va == vaFull ? Gr.Bottom : va == vaUnderText ? Gr.Bottom : B.Top + H;
}

// Bitmaps, icons, image list entries and pictures at B.
void DrawPictureGraphic(Cell& c, const TRect& B, const TCellGraphic* G)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    switch (G->CellType) {
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const ui::TBitmap*>(G->CellBitmap)) {
            if (G->CellTransparent)
                DrawAutoTransparent(canvas, B.Left, B.Top, *bmp);
            else
                canvas.Draw(B.Left, B.Top, bmp);
        }
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const ui::TBitmap*>(G->CellIcon))
            canvas.Draw(B.Left, B.Top, icon);
        break;
    case ctImageList:
        if (const ui::TImageList* images = g.GetGridImageList(); images && G->CellIndex < images->Count())
            images->Draw(canvas, B.Left, B.Top, G->CellIndex, true);
        break;
    case ctDataImage:
        if (const ui::TImageList* images = g.GetGridImageList()) {
            const int index = g.GetCellImageValue(c.rcol, c.row) + G->CellIndex;
            if (index >= 0 && index < images->Count())
                images->Draw(canvas, B.Left, B.Top, index, true);
        }
        break;
    case ctImages:
        if (const ui::TImageList* images = g.GetGridImageList())
            if (const auto* list = dynamic_cast<const TIntList*>(G->CellBitmap)) {
                int x = B.Left, y = B.Top;
                for (int i = 0; i < list->Count(); ++i) {
                    const int index = list->GetInteger(i);
                    if (index >= 0 && index < images->Count())
                        images->Draw(canvas, x, y, index, true);
                    (G->CellBoolean ? x : y) += G->CellBoolean ? images->Width() : images->Height();
                }
            }
        break;
    case ctPicture:
        if (const auto* picture = dynamic_cast<const ui::TPicture*>(G->CellBitmap); picture && picture->Graphic()) {
            if (G->CellAngle != 0)
                canvas.StretchDraw(B, picture->Graphic());
            else
                canvas.Draw(B.Left, B.Top, picture->Graphic());
        }
        break;
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const ui::TGraphic*>(G->CellBitmap))
            picture->Draw(canvas, B);
        break;
    default:
        break;
    }
}

// Check boxes and radio buttons: at B, a radio group over the whole of Gr; greyed unless enabled.
void DrawBoxGraphic(Cell& c, const TRect& Gr, const TRect& B, const TCellGraphic* G, bool enabled)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const TControlLook& look = *g.ControlLook();
    const TControlStyle style = look.ControlStyle();
    switch (G->CellType) {
    case ctCheckBox:
    case ctRowCheckBox:
        g.DrawCellCheckBox(canvas, B, G->CellBoolean, ui::TCheckBoxState::cbUnchecked, false, style, G->CellAngle > 0,
                           enabled);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string checkTrue;
        g.GetCheckTrueText(c.rcol, c.row, checkTrue);
        g.DrawCellCheckBox(canvas, B, g.Cells(c.rcol, c.row) == checkTrue, ui::TCheckBoxState::cbUnchecked, false,
                           style, false, enabled);
        break;
    }
    case ctTriStateCheckBox:
        g.DrawCellCheckBox(canvas, B, false, G->CellCheckBoxState, true, style, G->CellAngle > 0, enabled);
        break;
    case ctRadioButton: {
        const TRect rb = ui::Bounds(B.Left + g.XYOffset().X, B.Top, look.RadioSize(), look.RadioSize());
        g.DrawCellRadioButtons(canvas, rb, false, 1.0, style, c.row, c.rcol, false, nullptr, !enabled, false,
                               G->CellBoolean ? 0 : -1, 1);
        break;
    }
    case ctRadio: {
        const auto* items = dynamic_cast<const rtl::TStrings*>(G->CellBitmap);
        const rtl::TStrings* own = g.GetRadioStrings(c.rcol, c.row);
        g.DrawCellRadioButtons(canvas, Gr, false, 1.0, style, c.row, c.rcol, (c.state & ui::gdSelected) != 0, items,
                               !enabled, G->CellBoolean, G->CellIndex, own ? own->Count() : 0);
        break;
    }
    default:
        break;
    }
}

// The look of the themed progress bar from the grid's progress appearance.
VozEdid::TProgressLook ProgressLook(TGxStringGrid& g, TCanvas& canvas)
{
    VozEdid::TProgressLook pl;
    const TGridProgressAppearance& pa = *g.ProgressAppearance();
    pl.Level0Color = pa.Level0Color();
    pl.Level0ColorTo = pa.Level0ColorTo();
    pl.Level1Color = pa.Level1Color();
    pl.Level1ColorTo = pa.Level1ColorTo();
    pl.Level2Color = pa.Level2Color();
    pl.Level2ColorTo = pa.Level2ColorTo();
    pl.Level3Color = pa.Level3Color();
    pl.Level3ColorTo = pa.Level3ColorTo();
    pl.Level1Perc = pa.Level1Perc();
    pl.Level2Perc = pa.Level2Perc();
    pl.ShowBorder = pa.ShowBorder();
    pl.BorderColor = pa.BorderColor();
    pl.Stacked = pa.Stacked();
    pl.ShowPercentage = pa.ShowPercentage();
    pl.CompletionSmooth = pa.CompletionSmooth();
    pl.ShowGradient = pa.ShowGradient();
    pl.Font.Assign(*g.Font());
    pl.CompleteFontColor = pa.CompleteFontColor();
    pl.Steps = pa.Steps();
    pl.UnCompleteColor = pa.UnCompleteColor() == ui::clNone ? canvas.Brush()->Color() : pa.UnCompleteColor();
    return pl;
}

// Progress bars, the pie and the range indicator: the bars fill Gr less the margins, the pie
// stands at B.
void DrawProgressGraphic(Cell& c, const TRect& Gr, const TRect& B, const TCellGraphic* G)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const TControlLook& look = *g.ControlLook();
    switch (G->CellType) {
    case ctProgress: {
        TRect p = Gr.Inflate(-2, -2);
        const double value = g.Floats(c.rcol, c.row);
        // The bar's two colours (done part, rest); the text colours are the cell's own when it has
        // them, otherwise each bar colour inverted so that the text stays readable on it.
        const TColor color = G->CellBitmapColor, rest = G->CellIconColor;
        const TColor text = G->CellBoolean ? static_cast<TColor>(G->CellIndex) : ui::ColorToRGB(color) ^ 0xFFFFFF;
        const TColor restText = G->CellBoolean ? static_cast<TColor>(G->CellAngle) : ui::ColorToRGB(rest) ^ 0xFFFFFF;
        VozEdid::DrawClassicProgress(canvas, p, color, text, rest, restText, value, look.ProgressMarginX(),
                                     look.ProgressMarginY(), G->CellErrFrom, G->CellErrLen, G->CellText,
                                     look.ProgressBorderColor, false);
        break;
    }
    case ctProgressPie:
        VozEdid::DrawProgressPie(canvas, ui::Bounds(B.Left, B.Top, 20, 20), G->CellBitmapColor, G->CellAngle, false);
        break;
    case ctRangeIndicator: {
        const TRect p = Gr.Inflate(-look.ProgressMarginX(), -look.ProgressMarginY());
        VozEdid::DrawRangeIndicator(canvas, p, g.Ints(c.rcol, c.row), G->CellIndex, G->CellBoolean, G->CellBitmapColor,
                                    G->CellIconColor);
        break;
    }
    case ctXPProgress: {
        TRect p = Gr.Inflate(-look.ProgressMarginX(), -look.ProgressMarginY());
        --p.Right;
        --p.Bottom;
        // A zero range draws an empty bar instead of dividing by zero.
        const int range = G->CellErrLen - G->CellErrFrom;
        const int percent =
            range == 0
                ? 0
                : static_cast<int>(std::lround(std::abs(g.Ints(c.rcol, c.row) - G->CellErrFrom) * 100.0 / range));
        VozEdid::DrawCellProgressBar(canvas, p, percent, ProgressLook(g, canvas));
        break;
    }
    default:
        break;
    }
}

// The comment mark: a small triangle in the top right corner of R.
void DrawCommentMark(Cell& c, const TRect& R, const TCellGraphic* G)
{
    const TControlLook& look = *c.grid.ControlLook();
    TCanvas& canvas = c.canvas;
    if (look.CommentColor() == ui::clNone)
        return;
    canvas.Brush()->SetColor(G->CellAngle != static_cast<int>(ui::clNone) ? static_cast<TColor>(G->CellIndex)
                                                                          : look.CommentColor());
    canvas.Pen()->SetColor(canvas.Brush()->Color());
    canvas.Polygon({{R.Right - 7, R.Top}, {R.Right - 2, R.Top}, {R.Right - 2, R.Top + 5}});
    canvas.Brush()->SetColor(c.grid.Color());
}

// A shape at B, or a row of rating stars (half a star for a half value).
void DrawShapeGraphic(Cell& c, const TRect& B, const TCellGraphic* G)
{
    TCanvas& canvas = c.canvas;
    if (G->CellType == ctShape) {
        VozEdid::DrawCellShape(canvas, B.Left, B.Top, B.Width() - 1, B.Height() - 1,
                               static_cast<TCellShape>(G->CellAngle), G->CellBitmapColor, G->CellIconColor);
        return;
    }
    const double v = std::trunc(c.grid.Floats(c.rcol, c.row) * 2) / 2;
    for (int i = 0; i < G->CellAngle; ++i) {
        const int x = B.Left + i * 18;
        const bool set = i + 1 <= v;
        VozEdid::DrawCellShape(canvas, x, B.Top, 16, 16, csStar, set ? G->CellBitmapColor : G->CellIconColor,
                               set ? G->CellBitmapColor : G->CellIconColor);
        if (i < v && v < i + 1)
            VozEdid::DrawCellShape(canvas, x, B.Top, 16, 16, csHalfStar, G->CellBitmapColor, G->CellBitmapColor);
    }
}

// The cell's object draws itself over Gr.
void DrawInterfaceGraphic(Cell& c, const TRect& Gr, const TCellGraphic* G)
{
    IGridCellDrawer* drawer = CellDrawer(G);
    if (!drawer)
        return;
    TCanvas& canvas = c.canvas;
    // The object may leave the canvas as it likes; the layers after it find the cell's own.
    ui::TBrush brush;
    ui::TPen pen;
    ui::TFont font;
    brush.Assign(*canvas.Brush());
    pen.Assign(*canvas.Pen());
    font.Assign(*canvas.Font());
    drawer->Draw(canvas, TRect(Gr.Left - 1, Gr.Top - 1, Gr.Right, Gr.Bottom), c.grid, c.rcol, c.row,
                 (c.state & ui::gdSelected) != 0);
    canvas.Brush()->Assign(brush);
    canvas.Pen()->Assign(pen);
    canvas.Font()->Assign(font);
}

}  // namespace

void GridPaint::DrawCellGraphic(Cell& c, TRect& R, TCellGraphic* G, TVAlignment VA)
{
    TGxStringGrid& g = c.grid;
    int W = 0, H = 0;
    bool showText = true;
    TCellHAlign ha = haLeft;
    TCellVAlign va = vaTop;
    g.GetCellGraphicLayout(c.rcol, c.row, W, H, showText, ha, va);
    const TCellType kind = G->CellType;
    TRect Gr = R;
    if (kind != ctNode && kind != ctProgress && kind != ctRangeIndicator && kind != ctXPProgress)
        Gr = R.Inflate(-(g.xyOffset_.X - 1), -(g.xyOffset_.Y - 1));
    const int tw = c.textWidth > 0 ? c.textWidth + 2 : 0;

    // Placement: boxes follow the text's alignment and the cell's vertical alignment.
    TRect B;
    B.Left = GraphicLeft(c, Gr, ha, W, tw);
    B.Right = ha == haFull ? Gr.Right : B.Left + W;
    if (IsBoxGraphic(kind)) {
        B.Left = BoxLeft(c, Gr, kind, W, tw);
        B.Right = B.Left + W;
        if (VA != g.VAlignment())
            va = VA == vtaCenter ? vaCenter : VA == vtaBottom ? vaBottom : vaTop;
    }
    PlaceVertically(B, Gr, va, H);

    // Asked of every graphic, as the editable event may count on it.
    bool enabled = true;
    g.GetCellEditable(c.rcol, c.row, enabled);
    switch (kind) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
        DrawPictureGraphic(c, B, G);
        break;
    case ctCheckBox:
    case ctRowCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
    case ctRadio:
        DrawBoxGraphic(c, Gr, B, G, enabled);
        break;
    case ctNode:
        DrawNode(c, R, G);
        break;
    case ctProgress:
    case ctProgressPie:
    case ctRangeIndicator:
    case ctXPProgress:
        DrawProgressGraphic(c, Gr, B, G);
        break;
    case ctComment:
        DrawCommentMark(c, R, G);
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand:
        DrawPushButton(c, R, B, G);
        break;
    case ctShape:
    case ctRating:
        DrawShapeGraphic(c, B, G);
        break;
    case ctInterface:
        DrawInterfaceGraphic(c, Gr, G);
        break;
    default:
        break;
    }
}

void GridPaint::DrawPushButton(Cell& c, TRect R, const TRect& B0, TCellGraphic* G)
{
    TGxStringGrid& g = c.grid;
    TCanvas& canvas = c.canvas;
    const TControlLook& look = *g.ControlLook();
    TRect B = B0;
    if (G->CellType == ctExpand)
        B = TRect(R.Right - 13, R.Top, R.Right, R.Top + 13);
    const TRect cell = g.CellRect(c.col, c.row);
    G->CellValue = ((B.Top - cell.Top) << 16) | ((B.Left - cell.Left) & 0xFFFF);
    const TColor savedBrush = canvas.Brush()->Color();
    canvas.Brush()->SetColor(ui::clBtnFace);
    int kind = look.FlatButton() ? VozEdid::bkFlat : VozEdid::bkThemed;
    if (g.Flat() && g.tones_.Background.BrushColor != ui::clNone)
        kind = VozEdid::bkTones;
    int state = VozEdid::bsNormal;
    if (G->CellBoolean)
        state = VozEdid::bsPressed;
    else if (g.Pointer.HoverButton.X == c.col && g.Pointer.HoverButton.Y == c.row)
        state = VozEdid::bsHot;
    bool enabled = true;
    if (!look.NoDisabledButtonLook())
        g.GetCellEditable(c.rcol, c.row, enabled);
    if (!enabled && G->CellType != ctExpand)
        state = VozEdid::bsDisabled;
    VozEdid::DrawButtonFace(canvas, B, kind, state, g.tones_);
    const int shift = state == VozEdid::bsPressed ? 1 : 0;
    if (G->CellType == ctExpand) {
        canvas.Pen()->SetColor(ui::clBlack);
        const bool expanded = std::holds_alternative<bool>(G->CellVar) && std::get<bool>(G->CellVar);
        if (!expanded) {
            canvas.MoveTo(R.Right - 10, R.Top + 5);
            canvas.LineTo(R.Right - 7, R.Top + 8);
            canvas.LineTo(R.Right - 3, R.Top + 4);
        } else {
            canvas.MoveTo(R.Right - 10, R.Top + 8);
            canvas.LineTo(R.Right - 7, R.Top + 5);
            canvas.LineTo(R.Right - 3, R.Top + 9);
        }
        canvas.Brush()->SetColor(savedBrush);
        return;
    }
    int textLeft = B.Left;
    if (G->CellType == ctBitButton)
        if (const auto* glyph = dynamic_cast<const ui::TBitmap*>(G->CellIcon); glyph && !glyph->Empty()) {
            const int y = glyph->Height() < B.Height() ? B.Top + (B.Height() - glyph->Height()) / 2 : B.Top + 3;
            if (!G->CellText.empty() || glyph->Width() + 6 > B.Width()) {
                DrawAutoTransparent(canvas, B.Left + 3 + shift, y + shift, *glyph);
                textLeft = B.Left + 3 + glyph->Width() + 4;
            } else {
                DrawAutoTransparent(canvas, B.Left + (B.Width() - glyph->Width()) / 2 + shift, y + shift, *glyph);
            }
        }
    if (!G->CellText.empty()) {
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
        if (kind == VozEdid::bkTones) {
            const TColorTone& tone = state == VozEdid::bsHot        ? g.tones_.Hover
                                     : state == VozEdid::bsPressed  ? g.tones_.Selected
                                     : state == VozEdid::bsDisabled ? g.tones_.Disabled
                                                                    : g.tones_.Background;
            canvas.Font()->SetColor(tone.TextColor);
        }
        TRect t(textLeft + 1 + shift, B.Top + shift, B.Right + shift, B.Bottom + shift);
        const bool multi = G->CellText.find('\r') != std::string::npos;
        canvas.DrawText(G->CellText, t,
                        ui::DT_CENTER | ui::DT_VCENTER | ui::DT_END_ELLIPSIS |
                            (multi ? ui::DT_WORDBREAK : ui::DT_SINGLELINE));
        canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    }
    canvas.Brush()->SetColor(savedBrush);
}

// Tree nodes: the settings of the tree rows are not part of this grid yet; nodes draw in the flat
// look with an indent of 12 per level.
void GridPaint::DrawNode(Cell& c, TRect R, TCellGraphic* G)
{
    TCanvas& canvas = c.canvas;
    constexpr int kIndent = 12;
    const int indent = c.grid.GetNodeIndent(c.row);
    R.Left = indent - kIndent / 2 - 4;
    canvas.Brush()->SetColor(ui::clWhite);
    const int left = R.Left + 4;
    const int top = R.Top + std::max(0, R.Height() - 8) / 2;
    canvas.Pen()->SetColor(ui::clGray);
    canvas.Rectangle(left, top, left + 9, top + 9);
    canvas.Pen()->SetColor(ui::clBlack);
    canvas.MoveTo(left + 2, top + 4);
    canvas.LineTo(left + 7, top + 4);
    if (G->CellBoolean) {
        canvas.MoveTo(left + 4, top + 2);
        canvas.LineTo(left + 4, top + 7);
    }
}

}  // namespace gx
