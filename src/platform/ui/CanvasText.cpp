// Text output on the canvas. Measuring and glyph drawing come from the backend; without one,
// text is measured with a fixed-pitch estimate and not drawn.
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/TextLayout.h"
#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {
TSize EstimateExtent(const TFont& font, const std::string& text)
{
    int h = std::abs(font.Height());
    int cw = std::max(1, (h * 6 + 5) / 10);
    return {cw * rtl::Utf8Length(text), h + (h + 3) / 4};
}

int LineHeight(const TFont& font)
{
    if (Backend())
        return Backend()->FontHeight(font);
    return EstimateExtent(font, "").cy;
}
}  // namespace

TSize TCanvas::TextExtent(const std::string& text)
{
    if (Backend())
        return Backend()->TextExtent(font_, text);
    return EstimateExtent(font_, text);
}

void TCanvas::DrawTextLineAt(int x, int y, const std::string& text, bool opaque)
{
    if (!Drawable())
        return;
    if (Backend()) {
        Backend()->DrawTextLine(RasterTarget(), font_, x + origin_.X, y + origin_.Y, text, opaque, brush_.Color());
    } else if (opaque) {
        TSize sz = EstimateExtent(font_, text);
        FillRect(Bounds(x, y, sz.cx, sz.cy));
    }
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    DrawTextLineAt(x, y, text, brush_.Style() != TBrushStyle::bsClear);
    penPos_ = {x + TextExtent(text).cx, y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text)
{
    FillRect(r);
    bool hadClip = hasClip_;
    TRect oldClip = clip_;
    IntersectClipRect(r);
    DrawTextLineAt(x, y, text, false);
    hasClip_ = hadClip;
    clip_ = oldClip;
}

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned flags)
{
    TMeasure measure = [this](const std::string& s) { return TextExtent(s).cx; };
    std::vector<TTextLine> lines = LayoutText(text, flags, r.Width(), measure);
    int lineH = LineHeight(font_);
    int total = lineH * static_cast<int>(lines.size());
    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const TTextLine& l : lines)
            widest = std::max(widest, l.Width);
        if (!(flags & DT_WORDBREAK) || widest > r.Width() || (flags & DT_SINGLELINE))
            r.Right = r.Left + widest;
        else
            r.Right = r.Left + std::max(widest, 0);
        r.Bottom = r.Top + total;
        return total;
    }
    int y = r.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            y = r.Top + (r.Height() - lineH) / 2;
        else if (flags & DT_BOTTOM)
            y = r.Bottom - lineH;
    }
    bool hadClip = hasClip_;
    TRect oldClip = clip_;
    if (!(flags & DT_NOCLIP))
        IntersectClipRect(r);
    bool opaque = brush_.Style() != TBrushStyle::bsClear;
    for (const TTextLine& l : lines) {
        int x = r.Left;
        if (flags & DT_CENTER)
            x = r.Left + (r.Width() - l.Width) / 2;
        else if (flags & DT_RIGHT)
            x = r.Right - l.Width;
        DrawTextLineAt(x, y, l.Text, opaque);
        if (l.Underline >= 0 && l.Underline < static_cast<int>(l.Text.size())) {
            std::size_t end = static_cast<std::size_t>(l.Underline);
            rtl::DecodeUtf8(l.Text, end);
            const std::size_t n = end - static_cast<std::size_t>(l.Underline);
            int ux = x + measure(l.Text.substr(0, static_cast<std::size_t>(l.Underline)));
            int uw = measure(l.Text.substr(static_cast<std::size_t>(l.Underline), n));
            TPen saved;
            saved.Assign(pen_);
            pen_.SetColor(font_.Color());
            pen_.SetStyle(TPenStyle::psSolid);
            pen_.SetMode(TPenMode::pmCopy);
            pen_.SetWidth(1);
            TPoint pos = penPos_;
            MoveTo(ux, y + lineH - 1);
            LineTo(ux + uw, y + lineH - 1);
            penPos_ = pos;
            pen_.Assign(saved);
        }
        y += lineH;
    }
    hasClip_ = hadClip;
    clip_ = oldClip;
    // Centred or bottom text reports the offset of its bottom from the top of the rectangle.
    if ((flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM)))
        return y - r.Top;
    return total;
}

}  // namespace ui
