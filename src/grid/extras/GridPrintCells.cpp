// Printing a grid: measuring and drawing the cells of a row (colours, fonts, alignment, word wrap,
// rotation, HTML, merged extent, graphics, borders); see GridPrintJob.h.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/VozEdidDraw.h"
#include "grid/base/VozEdidProgress.h"
#include "grid/base/VozEdidText.h"
#include "grid/extras/GridPrintJob.h"
#include "grid/stringgrid/GxCellGraphic.h"
#include "grid/stringgrid/GxGridCellDrawer.h"
#include "grid/stringgrid/GxGridLook.h"
#include "platform/ui/ImgList.h"

namespace gx::printjob {

namespace {

// Cell kinds that print a graphic.
bool PrintsGraphic(TCellType k)
{
    switch (k) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctCheckBox:
    case ctDataCheckBox:
    case ctDataImage:
    case ctNode:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctProgress:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctProgressPie:
    case ctInterface:
        return true;
    default:
        return false;
    }
}

bool IsCheckBox(TCellType k)
{
    return k == ctCheckBox || k == ctDataCheckBox || k == ctVirtCheckBox || k == ctRowCheckBox;
}

double Rad(int angle)
{
    return angle * std::numbers::pi / 180.0;
}

// Everything up to and including "://" (or "mailto:") dropped, for links shown without protocol.
std::string DropProtocol(const std::string& s)
{
    if (const auto p = s.find("://"); p != std::string::npos)
        return s.substr(p + 3);
    if (s.rfind("mailto:", 0) == 0)
        return s.substr(7);
    return s;
}

// A cell's colours, font and alignment as the grid gives them for printing.
struct TPrintLook {
    ui::TBrush Brush;
    ui::TFont Font;
    ui::TColor ColorTo = ui::clNone;
    THAlignment HAlign = THAlignment::taLeftJustify;
    TVAlignment VAlign = vtaTop;
    ui::TGridDrawState State = ui::TGridDrawState(0);
};

void ReadPrintLook(TGxStringGrid& Grid, int Real, int Row, TPrintLook& Look)
{
    Look.State = Grid.IsFixed(Real, Row) ? ui::TGridDrawState(ui::gdFixed) : ui::TGridDrawState(0);
    ui::TColor mirror = ui::clNone, mirrorTo = ui::clNone;
    bool ww = false;
    TCellGradientDirection gd{};
    Grid.GetVisualProperties(Real, Row, Look.State, true, false, false, &Look.Brush, Look.ColorTo, mirror, mirrorTo,
                             &Look.Font, Look.HAlign, Look.VAlign, ww, gd);
}

}  // namespace

}  // namespace gx::printjob

namespace gx {

std::string RichTextToPlain(const std::string& Rtf)
{
    std::string out;
    // Per group: whether its text is shown (font, colour and style tables, pictures and "\*"
    // destinations are not).
    std::vector<bool> shown{true};
    static const char* const hidden[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer"};
    bool groupStart = false;
    for (std::size_t i = 0; i < Rtf.size(); ++i) {
        const char ch = Rtf[i];
        if (ch == '{') {
            shown.push_back(shown.back());
            groupStart = true;
            continue;
        }
        if (ch == '}') {
            if (shown.size() > 1)
                shown.pop_back();
            groupStart = false;
            continue;
        }
        const bool atGroupStart = groupStart;
        groupStart = false;
        if (ch == '\\' && i + 1 < Rtf.size()) {
            const char next = Rtf[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                if (shown.back())
                    out += next;
                ++i;
            } else if (next == '*') {
                shown.back() = false;
                ++i;
            } else if (next == '\'') {
                const auto hex = [&](std::size_t k) {
                    const char h = k < Rtf.size() ? Rtf[k] : 'x';
                    return std::isxdigit(static_cast<unsigned char>(h))
                               ? (std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : (h | 0x20) - 'a' + 10)
                               : -1;
                };
                const int hi = hex(i + 2), lo = hex(i + 3);
                if (hi >= 0 && lo >= 0 && shown.back())
                    out += static_cast<char>(hi * 16 + lo);
                i += hi >= 0 && lo >= 0 ? 3 : 1;  // a broken escape is skipped
            } else if (std::isalpha(static_cast<unsigned char>(next))) {
                std::size_t j = i + 1;
                while (j < Rtf.size() && std::isalpha(static_cast<unsigned char>(Rtf[j])))
                    ++j;
                const std::string word = Rtf.substr(i + 1, j - i - 1);
                if (j < Rtf.size() && (Rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(Rtf[j]))))
                    ++j;
                while (j < Rtf.size() && std::isdigit(static_cast<unsigned char>(Rtf[j])))
                    ++j;
                if (j < Rtf.size() && Rtf[j] == ' ')
                    ++j;  // the delimiting blank belongs to the control word
                i = j - 1;
                if (atGroupStart && std::find(std::begin(hidden), std::end(hidden), word) != std::end(hidden))
                    shown.back() = false;
                else if (shown.back() && (word == "par" || word == "line"))
                    out += "\r\n";
                else if (shown.back() && word == "tab")
                    out += '\t';
            } else {
                ++i;  // another control symbol
            }
            continue;
        }
        if (ch == '\r' || ch == '\n' || !shown.back())
            continue;
        out += ch;
    }
    while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0)
        out.erase(out.size() - 2);
    return out;
}

}  // namespace gx

namespace gx::printjob {

std::string TPrintJob::PrintText(int real, int row, int& kind)
{
    kind = ctkPlain;
    if (g_.IsDataGraphicCell(real, row))
        return {};
    std::string text = g_.GetFormattedCell(real, row);
    kind = GetCellTextKind(text, g_.EnableHTML);
    if (kind == ctkFormula) {
        text = g_.GetCalcCellText(real, row);
        kind = ctkPlain;
    }
    if (kind == ctkRichText) {
        text = RichTextToPlain(text);  // printed and measured as its plain text
        kind = ctkPlain;
    }
    if (kind == ctkPlain && g_.URLShow() && !g_.URLFull())
        text = DropProtocol(text);
    return text;
}

ui::TSize TPrintJob::MeasureCell(int c, int r)
{
    const int real = RealCol(c);
    int kind = ctkPlain;
    const std::string text = PrintText(real, r, kind);
    TPrintLook look;
    ReadPrintLook(g_, real, r, look);
    UseFont(look.Font);

    ui::TSize graphic{0, 0};
    if (ps_.PrintGraphics)
        if (const TCellGraphic* gr = g_.GetCellGraphic(real, r); gr && PrintsGraphic(gr->CellType)) {
            const ui::TPoint gs = g_.GetCellGraphicSize(real, r);
            graphic = {static_cast<int>(gs.X * kPixelFactor), static_cast<int>(gs.Y * kPixelFactor)};
        }

    ui::TSize size{0, 0};
    if (kind == ctkHTML) {
        THTMLDrawParams params;
        params.Printing = true;
        params.MeasureOnly = true;
        params.Images = g_.GridImages;
        params.PictureCache = g_.ImageCache();
        params.WordWrap = ps_.NoAutoSize;
        const int wide = ps_.NoAutoSize ? DevLen(static_cast<int>((g_.ColWidths(c) + 12) * kPixelFactor)) : 100000;
        THTMLDrawResult result;
        DrawHTMLText(*c_, text, ui::TRect{0, 0, wide, 100000}, params, result);
        size = {ToTenths(result.UsedWidth) + graphic.cx, ToTenths(result.UsedHeight)};
    } else {
        bool ww = g_.WordWrap();
        g_.GetCellWordWrap(real, r, ww);
        int angle = 0;
        const bool rotated = g_.IsRotated(real, r, angle);
        const std::vector<std::string> lines = Lines(text.empty() ? std::string("gh") : text);
        int widest = 0;
        for (const auto& l : lines)
            widest = std::max(widest, TextW(l));
        if (!ww || !ps_.NoAutoSize || rotated) {
            size = {widest + graphic.cx, TextH("gh") * static_cast<int>(lines.size())};
        } else {
            const bool acrossCols = g_.CellExt(real, r).X > 0;
            ui::TRect box{0, 0, acrossCols ? 100000 : std::max(1, DevLen(Width(c))), 0};
            c_->DrawText(text, box, ui::DT_CALCRECT | ui::DT_WORDBREAK | ui::DT_NOPREFIX);
            size = {ToTenths(box.Right - box.Left), ToTenths(box.Bottom - box.Top)};
        }
        if (rotated) {
            const double a = Rad(angle);
            const ui::TSize flat = size;
            size.cx = std::abs(static_cast<int>(std::lround(std::cos(a) * flat.cx))) +
                      std::abs(static_cast<int>(std::lround(std::sin(a) * flat.cy)));
            size.cy = std::abs(static_cast<int>(std::lround(std::sin(a) * widest))) +
                      std::abs(static_cast<int>(std::lround(std::cos(a) * flat.cy)));
        }
    }
    size.cx = std::max(size.cx, graphic.cx);
    size.cy = std::max(size.cy, graphic.cy);
    return size;
}

int TPrintJob::PrintRow(int y, int first, int last, int row)
{
    const int hr = 2 * gap_ + RowHeight(row) + ps_.RowSpacing;
    if (!PageInRange() || first > last)
        return hr;
    int bandRight = Offset(first);
    for (int c = first; c <= last; ++c)
        if (ColIncluded(c))
            bandRight = std::max(bandRight, Offset(c) + Width(c) + s_);
    if (repeatCols_)
        for (int c = 0; c < g_.FixedCols(); ++c)
            PrintCell(y, c, row, hr, bandRight);
    for (int c = first; c <= last; ++c)
        if (ColIncluded(c))
            PrintCell(y, c, row, hr, bandRight);
    return hr;
}

TCellBorders TPrintJob::CellBorderSides(int real, int row, ui::TPen& pen)
{
    const TPrintBorders b = ps_.Borders;
    TCellBorders sides = 0;
    if (b == pbSingle || b == pbDouble)
        sides = CellBorderBit(cbTop) | CellBorderBit(cbLeft) | CellBorderBit(cbRight) | CellBorderBit(cbBottom);
    else if (b == pbHorizontal || b == pbAroundHorizontal)
        sides = CellBorderBit(cbTop) | CellBorderBit(cbBottom);
    else if (b == pbVertical || b == pbAroundVertical)
        sides = CellBorderBit(cbLeft) | CellBorderBit(cbRight);
    pen.SetWidth(1);
    pen.SetColor(ps_.BorderColor);
    pen.SetStyle(ps_.BorderStyle);
    g_.GetCellPrintBorder(real, row, &pen, sides);
    return sides;
}

ui::TRect TPrintJob::PlaceCellGraphic(int real, int row, const TCellGraphic& graphic, const ui::TRect& cell,
                                      bool noText, THAlignment ha, ui::TRect& textArea)
{
    ui::TRect graphicRect;
    const ui::TPoint gs = g_.GetCellGraphicSize(real, row);
    const int gw =
        std::min(cell.Right - cell.Left, std::max(1, DevLen(static_cast<int>(gs.X * kPixelFactor * scale_))));
    const int gh =
        std::min(cell.Bottom - cell.Top, std::max(1, DevLen(static_cast<int>(gs.Y * kPixelFactor * scale_))));
    const int pad = std::max(1, DevLen(static_cast<int>(std::lround(kPixelFactor))));
    TCellHAlign gha = graphic.CellHAlign;
    // A check box alone in its cell follows the cell's alignment.
    if (IsCheckBox(graphic.CellType) && noText)
        gha = ha == THAlignment::taRightJustify ? haRight : ha == THAlignment::taCenter ? haCenter : haLeft;
    graphicRect.Top = cell.Top + pad;
    switch (graphic.CellVAlign) {
    case vaBottom:
    case vaUnderText:
        graphicRect.Top = cell.Bottom - gh - pad;
        break;
    case vaCenter:
        graphicRect.Top = cell.Top + (cell.Bottom - cell.Top - gh) / 2;
        break;
    case vaFull:
        graphicRect.Top = cell.Top;
        break;
    default:
        break;
    }
    graphicRect.Bottom = graphic.CellVAlign == vaFull ? cell.Bottom : graphicRect.Top + gh;
    switch (gha) {
    case haRight:
    case haAfterText:
        graphicRect.Left = cell.Right - gw - pad;
        textArea.Right = graphicRect.Left;
        break;
    case haCenter:
        graphicRect.Left = cell.Left + (cell.Right - cell.Left - gw) / 2;
        break;
    case haFull:
        graphicRect.Left = cell.Left;
        break;
    default:
        graphicRect.Left = cell.Left + pad;
        textArea.Left = graphicRect.Left + gw;
        break;
    }
    graphicRect.Right = gha == haFull ? cell.Right : graphicRect.Left + gw;
    if (graphic.CellVAlign == vaUnderText)
        textArea.Bottom = graphicRect.Top;
    else if (graphic.CellVAlign == vaAboveText)
        textArea.Top = graphicRect.Bottom;
    return graphicRect;
}

void TPrintJob::PrintCellText(const TCellText& t, const ui::TRect& textArea, int bandRight)
{
    const unsigned align = t.HAlign == THAlignment::taRightJustify ? ui::DT_RIGHT
                           : t.HAlign == THAlignment::taCenter     ? ui::DT_CENTER
                                                                   : ui::DT_LEFT;
    const int hgDev = DevLen(hg_);
    const int gapDev = DevLen(gap_);
    if (t.Kind == ctkHTML) {
        THTMLDrawParams params;
        params.Printing = true;
        params.Images = g_.GridImages;
        params.PictureCache = g_.ImageCache();
        params.LinkColor = g_.URLColor();
        params.ScaleFactor = scale_;
        ui::TRect area = textArea;
        area.Left += hgDev;
        area.Right -= hgDev;
        area.Top += gapDev;
        THTMLDrawResult result;
        DrawHTMLText(*c_, t.Text, area, params, result);
    } else if (t.Rotated) {
        PrintRotatedText(t, textArea);
    } else if (t.WordWrap && ps_.NoAutoSize) {
        ui::TRect area = textArea;
        area.Right = std::min(area.Right, DevX(bandRight));
        area.Left += hgDev + DevLen(static_cast<int>(std::lround(2 * kPixelFactor)));
        area.Right -= hgDev;
        area.Top += gapDev;
        c_->DrawText(t.Text, area, ui::DT_WORDBREAK | ui::DT_EXPANDTABS | ui::DT_NOPREFIX | ui::DT_EDITCONTROL | align);
    } else if (g_.EnhTextSize && ps_.NoAutoSize && Lines(t.Text).size() == 1) {
        // A line that does not fit ends in an ellipsis instead of being cut off.
        ui::TRect area = textArea;
        area.Right = std::min(area.Right, DevX(bandRight));
        const ui::TPoint xy = g_.XYOffset();
        const int ox = DevLen(static_cast<int>(std::lround(xy.X * kPixelFactor)));
        const int oy = DevLen(static_cast<int>(std::lround(xy.Y * kPixelFactor)));
        area.Left += ox;
        area.Top += oy;
        if (!g_.XYOffsetTopLeftOnly)
            area.Right -= ox;
        c_->DrawText(t.Text, area, ui::DT_END_ELLIPSIS | ui::DT_SINGLELINE | ui::DT_NOPREFIX | align);
    } else {
        PrintTextLines(t, textArea, bandRight);
    }
}

void TPrintJob::PrintRotatedText(const TCellText& t, const ui::TRect& textArea)
{
    const int hgDev = DevLen(hg_);
    ui::TFont turned;
    turned.Assign(*c_->Font());
    turned.SetOrientation(t.Angle * 10);
    const ui::TSize extent = c_->TextExtent(t.Text);
    const double a = Rad(t.Angle);
    const int cw = std::abs(static_cast<int>(std::cos(a) * extent.cx));
    const int sh = std::abs(static_cast<int>(std::sin(a) * extent.cy));
    const int sw = std::abs(static_cast<int>(std::sin(a) * extent.cx));
    const int ch = std::abs(static_cast<int>(std::cos(a) * extent.cy));
    ui::TRect origin = textArea;
    origin.Top += hgDev;
    origin.Bottom -= hgDev;
    origin.Left += hgDev;
    origin.Right -= hgDev;
    const int hAlign = t.HAlign == THAlignment::taRightJustify ? 1 : t.HAlign == THAlignment::taCenter ? 2 : 0;
    const int vAlign = t.VAlign == vtaCenter ? 1 : t.VAlign == vtaBottom ? 2 : 0;
    TGxStringGrid::RotatedTextOrigin(origin, hAlign, vAlign, t.Angle, cw, sh, sw, ch);
    c_->Font()->Assign(turned);
    c_->TextOut(origin.Left, origin.Top, t.Text);
}

void TPrintJob::PrintTextLines(const TCellText& t, const ui::TRect& textArea, int bandRight)
{
    const int hgDev = DevLen(hg_);
    const int gapDev = DevLen(gap_);
    const std::vector<std::string> lines = Lines(t.Text);
    const int lh = TextH("gh");
    const int lhDev = DevLen(lh);
    ui::TRect area = textArea;
    area.Left += hgDev;
    area.Right = std::min(area.Right, DevX(bandRight)) - hgDev;
    area.Top += gapDev;
    area.Bottom -= gapDev;
    const int textHeight = lhDev * static_cast<int>(lines.size());
    int top = area.Top;
    const TVAlignment va = t.VAlign;
    if (!t.MergedDown || lines.size() > 1) {
        if (va == vtaCenter)
            top += (area.Bottom - area.Top - textHeight) / 2;
        else if (va == vtaBottom)
            top = area.Bottom - textHeight;
    } else if (va != vtaTop) {
        top = va == vtaCenter ? area.Top + (area.Bottom - area.Top - textHeight) / 2 : area.Bottom - textHeight;
    }
    for (const auto& l : lines) {
        const int w = c_->TextWidth(l);
        int x = area.Left;
        if (t.HAlign == THAlignment::taRightJustify)
            x = area.Right - w;
        else if (t.HAlign == THAlignment::taCenter)
            x = area.Left + (area.Right - area.Left - w) / 2;
        c_->TextOut(x, top, l);
        top += lhDev;
    }
}

void TPrintJob::PrintCellBorders(const ui::TPen& pen, TCellBorders sides, int left, int y, int right, int bottom)
{
    c_->Pen()->Assign(pen);
    c_->Pen()->SetWidth(std::max(1, Previewing() ? pen.Width() : DevLen(static_cast<int>(pen.Width() * 2))));
    if (sides & CellBorderBit(cbLeft))
        Line(left, y, left, bottom);
    if (sides & CellBorderBit(cbRight))
        Line(right, y, right, bottom);
    if (sides & CellBorderBit(cbTop))
        Line(left, y, right, y);
    if (sides & CellBorderBit(cbBottom))
        Line(left, bottom, right, bottom);
}

void TPrintJob::PrintCell(int y, int c, int row, int hr, int bandRight)
{
    const int real = RealCol(c);
    // A cell covered by a merge: its base cell draws the whole range.
    if (g_.IsMergedNonBaseCell(real, row))
        return;
    const ui::TPoint ext = g_.CellExt(real, row);
    int wc = 0;
    for (int cc = c; cc <= std::min(c + ext.X, static_cast<int>(width_.size()) - 1); ++cc)
        if (ColIncluded(cc))
            wc += Width(cc) + s_;
    int hc = hr;
    for (int rr = row + 1; rr <= row + ext.Y && rr < g_.RowCount(); ++rr)
        hc += 2 * gap_ + RowHeight(rr) + ps_.RowSpacing;
    RowHeight(row);  // keep the cached height the row's own

    const int left = Offset(c);
    const int right = std::min(left + wc, bandRight);
    int bottom = y - hc;
    bool dropBottom = false;
    if (bottom < pageHeight_ + ps_.FooterSize && hc > hr) {
        bottom = y - hr;  // a merge running past the page ends with the page
        dropBottom = true;
    }

    ui::TPen pen;
    TCellBorders sides = CellBorderSides(real, row, pen);
    if (dropBottom)
        sides &= static_cast<TCellBorders>(~CellBorderBit(cbBottom));

    // Colours, font and alignment as the grid gives them for printing.
    TPrintLook look;
    ReadPrintLook(g_, real, row, look);
    const ui::TBrush& brush = look.Brush;
    TCellText t;
    t.HAlign = look.HAlign;
    t.VAlign = look.VAlign;
    t.WordWrap = g_.WordWrap();
    g_.GetCellWordWrap(real, row, t.WordWrap);
    t.Kind = ctkPlain;
    t.Text = PrintText(real, row, t.Kind);
    t.MergedDown = ext.Y != 0;

    const ui::TRect cell = DevRect(left, y, right, bottom);
    if (brush.Color() != ui::clNone) {
        c_->Pen()->SetColor(brush.Color());
        VozEdid::DrawStepGradient(*c_, look.ColorTo == ui::clNone ? brush.Color() : look.ColorTo, brush.Color(), 64,
                                  cell, false);
    }

    // The graphic's place; the text keeps out of its way.
    ui::TRect textArea = cell;
    ui::TRect graphicRect;
    const TCellGraphic* graphic = ps_.PrintGraphics ? g_.GetCellGraphic(real, row) : nullptr;
    if (graphic && !PrintsGraphic(graphic->CellType))
        graphic = nullptr;
    const bool progress = graphic && graphic->CellType == ctProgress;
    if (progress)
        graphicRect = cell;  // the bar fills the cell and writes its own text
    else if (graphic)
        graphicRect = PlaceCellGraphic(real, row, *graphic, cell, t.Text.empty(), t.HAlign, textArea);

    // Text.
    UseFont(look.Font, scale_);
    c_->Font()->SetColor(look.Font.Color());
    c_->Brush()->SetStyle(ui::TBrushStyle::bsClear);
    const bool radio = graphic && graphic->CellType == ctRadio;
    t.Rotated = g_.IsRotated(real, row, t.Angle);
    c_->SetClipRect(cell);
    if (!t.Text.empty() && !radio && !progress)
        PrintCellText(t, textArea, bandRight);
    if (graphic)
        PrintGraphic(real, row, graphicRect);
    c_->ResetClip();
    c_->Font()->SetOrientation(0);
    if (g_.OnCustomCellDraw)
        g_.OnCustomCellDraw(&g_, c_, real, row, look.State, cell, true);

    // Borders: sides inside a merged range are not drawn (the base cell draws the range's outline).
    PrintCellBorders(pen, sides, left, y, std::min(right, bandRight), bottom);
}

void TPrintJob::PrintGraphic(int real, int row, const ui::TRect& r)
{
    // The page canvas is in device dots with y growing downwards, as on the screen: the drawing
    // helpers take it as a screen canvas.
    constexpr bool printing = false;
    const TCellGraphic* gr = g_.GetCellGraphic(real, row);
    if (!gr || r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    const TControlLook& look = *g_.ControlLook();
    // An image of the grid's list drawn on a bitmap of its size in the canvas colours, then stretched.
    auto listImage = [&](int index, const ui::TRect& dest) {
        const ui::TImageList* images = g_.GetGridImageList();
        if (!images || index < 0 || index >= images->Count())
            return;
        ui::TBitmap bmp(images->Width(), images->Height());
        ui::TCanvas* bc = bmp.Canvas();
        bc->Brush()->SetColor(ui::clWhite);
        bc->FillRect({0, 0, images->Width(), images->Height()});
        images->Draw(*bc, 0, 0, index, true);
        c_->StretchDraw(dest, &bmp);
    };
    switch (gr->CellType) {
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const ui::TBitmap*>(gr->CellBitmap))
            c_->StretchDraw(r, bmp);
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const ui::TGraphic*>(gr->CellIcon))
            c_->StretchDraw(r, icon);
        break;
    case ctImageList:
        listImage(gr->CellIndex, r);
        break;
    case ctDataImage:
        listImage(g_.GetCellImageValue(real, row) + gr->CellIndex, r);
        break;
    case ctImages:
        if (const auto* list = dynamic_cast<const TIntList*>(gr->CellBitmap)) {
            const ui::TImageList* images = g_.GetGridImageList();
            if (!images)
                break;
            const int w = std::max(1, DevLen(static_cast<int>(images->Width() * kPixelFactor * scale_)));
            const int h = std::max(1, DevLen(static_cast<int>(images->Height() * kPixelFactor * scale_)));
            int x = r.Left, y = r.Top;
            for (int i = 0; i < list->Count(); ++i) {
                listImage(list->GetInteger(i), {x, y, x + w, y + h});
                (gr->CellBoolean ? x : y) += gr->CellBoolean ? w : h;
            }
        }
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: {
        bool checked = false;
        g_.GetCheckBoxState(real, row, checked);
        unsigned st = ui::DFCS_BUTTONCHECK;
        if (checked)
            st |= ui::DFCS_CHECKED;
        if (look.ControlStyle() == csFlat)
            st |= ui::DFCS_FLAT;
        const int side = std::min(r.Right - r.Left, r.Bottom - r.Top);
        c_->DrawFrameControl({r.Left, r.Top, r.Left + side, r.Top + side}, ui::DFC_BUTTON, st);
        break;
    }
    case ctNode: {
        const int side = std::min({r.Right - r.Left, r.Bottom - r.Top, DevLen(20)});
        const int x = r.Left + (r.Right - r.Left - side) / 2, y = r.Top + (r.Bottom - r.Top - side) / 2;
        c_->Pen()->SetColor(g_.CellNode()->NodeColor);
        c_->Pen()->SetWidth(1);
        c_->Brush()->SetStyle(ui::TBrushStyle::bsClear);
        c_->Rectangle(x, y, x + side, y + side);
        c_->MoveTo(x + side / 4, y + side / 2);
        c_->LineTo(x + side - side / 4, y + side / 2);
        if (g_.NodeState(row)) {
            c_->MoveTo(x + side / 2, y + side / 4);
            c_->LineTo(x + side / 2, y + side - side / 4);
        }
        break;
    }
    case ctRadio: {
        const auto* items = dynamic_cast<const rtl::TStrings*>(gr->CellBitmap);
        const rtl::TStrings* own = g_.GetRadioStrings(real, row);
        g_.DrawCellRadioButtons(*c_, r, false, dpi_ / kScreenDpi * scale_, look.ControlStyle(), row, real, false, items,
                                false, gr->CellBoolean, gr->CellIndex, own ? own->Count() : 0);
        break;
    }
    case ctPicture:
        if (const auto* picture = dynamic_cast<const ui::TPicture*>(gr->CellBitmap); picture && picture->Graphic())
            c_->StretchDraw(r, picture->Graphic());
        break;
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const ui::TGraphic*>(gr->CellBitmap))
            c_->StretchDraw(r, picture);
        break;
    case ctProgress: {
        ui::TRect p = r;
        p.Top += DevLen(static_cast<int>(std::lround(2 * kPixelFactor)));
        p.Bottom -= DevLen(static_cast<int>(std::lround(4 * kPixelFactor)));
        const ui::TColor color = gr->CellBitmapColor, text = gr->CellIconColor;
        const ui::TColor rest = gr->CellBoolean ? ui::clNone : ui::ColorToRGB(color) ^ 0xFFFFFF;
        const ui::TColor restText = gr->CellBoolean ? ui::clNone : ui::ColorToRGB(text) ^ 0xFFFFFF;
        VozEdid::DrawClassicProgress(*c_, p, color, text, rest, restText, g_.Floats(real, row),
                                     DevLen(look.ProgressMarginX()), DevLen(look.ProgressMarginY()), gr->CellErrFrom,
                                     gr->CellErrLen, gr->CellText, look.ProgressBorderColor, printing);
        break;
    }
    case ctProgressPie:
        VozEdid::DrawProgressPie(*c_, r, gr->CellBitmapColor, gr->CellAngle, printing);
        break;
    case ctInterface:
        if (IGridCellDrawer* drawer = CellDrawer(gr)) {
            // Drawn at its own size (the rectangle's when it gives none) on the cell's colour, then
            // stretched over the rectangle.
            int w = drawer->Width(), h = drawer->Height();
            if (w <= 0 || h <= 0) {
                w = r.Right - r.Left;
                h = r.Bottom - r.Top;
            }
            TPrintLook cellLook;
            ReadPrintLook(g_, real, row, cellLook);
            ui::TBitmap bmp(w, h);
            ui::TCanvas* bc = bmp.Canvas();
            bc->Brush()->SetColor(cellLook.Brush.Color() == ui::clNone ? ui::clWhite : cellLook.Brush.Color());
            bc->FillRect({0, 0, w, h});
            bc->Font()->Assign(cellLook.Font);
            drawer->Draw(*bc, {0, 0, w, h}, g_, real, row, false);
            c_->StretchDraw(r, &bmp);
        }
        break;
    default:
        break;
    }
}

}  // namespace gx::printjob
