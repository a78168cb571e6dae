#include "grid/base/VozEdidDraw.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/ui/Graphics.h"

namespace VozEdid {

using ui::TCanvas;
using ui::TPoint;

namespace {

// Nearest integer, halves to the even one.
int roundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

struct Rgb {
    int r, g, b;
};

Rgb rgb(TColor c)
{
    const TColor v = ui::ColorToRGB(c);
    return {static_cast<int>(ui::GetRValue(v)), static_cast<int>(ui::GetGValue(v)), static_cast<int>(ui::GetBValue(v))};
}

void usePenAndBrush(TCanvas& canvas, TColor color)
{
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
}

// A rectangle filled and outlined in one colour.
void fill(TCanvas& canvas, const TRect& r, TColor color)
{
    if (color == ui::clNone || r.IsEmpty())
        return;
    usePenAndBrush(canvas, color);
    canvas.FillRect(r);
}

void line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2)
{
    if (color == ui::clNone)
        return;
    canvas.Pen()->SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void pixel(TCanvas& canvas, TColor color, int x, int y)
{
    if (color != ui::clNone)
        canvas.SetPixels(x, y, color);
}

void triangle(TCanvas& canvas, TColor color, TPoint a, TPoint b, TPoint c)
{
    if (color == ui::clNone)
        return;
    usePenAndBrush(canvas, color);
    canvas.Polygon({a, b, c});
}

const gx::TColorTone& toneFor(const gx::TColorTones& tones, int state)
{
    switch (state) {
    case bsHot:
        return tones.Hover;
    case bsPressed:
        return tones.Selected;
    case bsDisabled:
        return tones.Disabled;
    default:
        return tones.Background;
    }
}

// Two gradients split at the middle (upper/lower when Vertical, else left/right).
void splitGradient(TCanvas& canvas, const TRect& r, TColor c1, TColor c1To, TColor c2, TColor c2To, int steps,
                   bool vertical)
{
    if (vertical) {
        const int mid = r.Top + (r.Bottom - r.Top) / 2;
        DrawStepGradient(canvas, c1, c1To, steps, TRect(r.Left, r.Top, r.Right, mid), false);
        DrawStepGradient(canvas, c2, c2To, steps, TRect(r.Left, mid, r.Right, r.Bottom), false);
    } else {
        const int mid = r.Left + (r.Right - r.Left) / 2;
        DrawStepGradient(canvas, c1, c1To, steps, TRect(r.Left, r.Top, mid, r.Bottom), true);
        DrawStepGradient(canvas, c2, c2To, steps, TRect(mid, r.Top, r.Right, r.Bottom), true);
    }
}

}  // namespace

void DrawStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect Rect, bool Horizontal)
{
    if (Rect.Top == Rect.Bottom)
        return;
    if (Rect.Bottom < Rect.Top)
        std::swap(Rect.Top, Rect.Bottom);
    if (FromColor == ui::clNone || ToColor == ui::clNone || FromColor == ToColor) {
        // A missing colour gives a solid fill in the other one; with neither there is nothing to
        // paint. One colour is one fill (a printed page gets one rectangle, not a band per step).
        fill(Canvas, Rect, FromColor == ui::clNone ? ToColor : FromColor);
        return;
    }
    const int span = (Horizontal ? Rect.Width() : Rect.Height()) - 1;
    const int n = std::max(1, std::min(Steps, span));
    const double band = static_cast<double>(std::max(span, 0)) / n;
    const Rgb from = rgb(FromColor), to = rgb(ToColor);
    for (int i = 0; i <= n; ++i) {
        const TColor c = ui::RGB(from.r + roundEven(static_cast<double>(i) * (to.r - from.r) / n),
                                 from.g + roundEven(static_cast<double>(i) * (to.g - from.g) / n),
                                 from.b + roundEven(static_cast<double>(i) * (to.b - from.b) / n));
        const int start = static_cast<int>(i * band);
        const int size = static_cast<int>(band + 1);
        TRect r = Rect;
        if (Horizontal) {
            r.Left = Rect.Left + start;
            r.Right = std::min(r.Left + size, Rect.Right);
        } else {
            r.Top = Rect.Top + start;
            r.Bottom = std::min(r.Top + size, Rect.Bottom);
        }
        fill(Canvas, r, c);
    }
}

void DrawMirrorGradient(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill)
{
    if (Fill && Color != ui::clNone) {
        if (MirrorColor == ui::clNone && ColorTo == ui::clNone) {
            fill(Canvas, TRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1), Color);
        } else if (MirrorColor == ui::clNone) {
            DrawStepGradient(Canvas, Color, ColorTo, 128, Rect, !Vertical);
        } else {
            splitGradient(Canvas, Rect, Color, ColorTo, MirrorColor, MirrorColorTo, 128, Vertical);
        }
    }
    if (BorderColor == ui::clNone)
        return;
    if (SideLinesOnly) {
        line(Canvas, BorderColor, Rect.Left, Rect.Top, Rect.Left, Rect.Bottom);
        line(Canvas, BorderColor, Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom);
    } else {
        Canvas.Brush()->SetColor(BorderColor);
        Canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        Canvas.FrameRect(Rect);
    }
}

void DrawGradientButtonFace(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                            TColor TopLineColor, TColor BottomLineColor, TColor BorderColor, TColor CornerColor,
                            TColor BackColor, const TRect& Rect, int Position)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right - 1, B = Rect.Bottom - 2;
    const int M = T + (B - T) / 2;
    const bool roundLeft = Position == 0 || Position == 1;
    const bool roundRight = Position == 0 || Position == 2;
    Canvas.Pen()->SetWidth(1);

    line(Canvas, TopLineColor, L, T + 1, R, T + 1);
    if (roundLeft)
        line(Canvas, TopLineColor, L + 1, T + 1, L + 1, M);
    if (roundRight)
        line(Canvas, TopLineColor, R - 2, T + 1, R - 2, M);

    line(Canvas, BottomLineColor, L, B - 1, R, B - 1);
    if (roundLeft)
        line(Canvas, BottomLineColor, L + 1, M, L + 1, B - 1);
    if (roundRight)
        line(Canvas, BottomLineColor, R - 2, M, R - 2, B - 1);

    const int li = roundLeft ? 2 : 0, ri = roundRight ? 2 : 0;
    line(Canvas, BorderColor, L + li, T, R - ri, T);
    line(Canvas, BorderColor, L + li, B, R - ri, B);
    if (roundRight)
        line(Canvas, BorderColor, R - 1, T + 2, R - 1, B - 1);
    if (roundLeft)
        line(Canvas, BorderColor, L, T + 2, L, B - 1);

    const auto corners = [&](int inner, int outer) {
        for (const TPoint p : {TPoint(inner, T), TPoint(inner, T + 1), TPoint(outer, T + 1), TPoint(inner, B),
                               TPoint(inner, B - 1), TPoint(outer, B - 1)})
            pixel(Canvas, CornerColor, p.X, p.Y);
        pixel(Canvas, BackColor, outer, T);
        pixel(Canvas, BackColor, outer, B);
    };
    if (roundLeft)
        corners(L + 1, L);
    if (roundRight)
        corners(R - 2, R - 1);

    const TRect inner(L + li, T + 2, R - ri, B - 1);
    if (ColorTo == ui::clNone)
        fill(Canvas, inner, Color);
    else if (MirrorColor == ui::clNone)
        DrawStepGradient(Canvas, Color, ColorTo, 16, inner, false);
    else
        splitGradient(Canvas, inner, Color, ColorTo, MirrorColor, MirrorColorTo, 16, true);
}

TColor BlendColorAt(TColor Color1, TColor Color2, int Min, int Max, int Pos)
{
    if (Color2 == ui::clNone)
        return Color1;
    if (Max == Min)
        return Pos > Min ? ui::ColorToRGB(Color2) : ui::ColorToRGB(Color1);
    const Rgb a = rgb(Color1), b = rgb(Color2);
    // One division of exact integers, so that a share of exactly one half rounds to even.
    const auto at = [&](int from, int to) {
        return from + roundEven(static_cast<double>((to - from) * Pos) / (Max - Min));
    };
    return ui::RGB(at(a.r, b.r), at(a.g, b.g), at(a.b, b.b));
}

TColor HalfColor(TColor Color)
{
    const Rgb c = rgb(Color);
    return ui::RGB(c.r / 2, c.g / 2, c.b / 2);
}

TColor AdjustColorPercent(TColor Color, int Percent)
{
    const Rgb c = rgb(Color);
    const auto adjust = [&](int v) {
        return static_cast<unsigned>(roundEven(v + v * static_cast<double>(Percent) / 100)) & 0xFF;
    };
    return ui::RGB(adjust(c.r), adjust(c.g), adjust(c.b));
}

void DrawComboButton(TCanvas& Canvas, const TRect& Rect, int Kind, int State, const gx::TColorTones& Tones)
{
    TRect r(Rect.Right - 17 - 2, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1);
    const bool disabled = State == bsDisabled;
    switch (Kind) {
    case bkThemed:
        Canvas.DrawThemedPart(ui::TThemedPart::ComboButton, disabled ? ui::tsDisabled : ui::tsNormal, r);
        break;
    case bkClassic:
    case bkFlat:
        Canvas.DrawFrameControl(r, ui::DFC_SCROLL,
                                ui::DFCS_SCROLLCOMBOBOX | (disabled ? ui::DFCS_INACTIVE : 0) |
                                    (Kind == bkFlat ? ui::DFCS_FLAT : 0));
        break;
    case bkTones: {
        r.Left += 3;
        fill(Canvas, r, toneFor(Tones, State).BrushColor);
        line(Canvas, Tones.Background.BorderColor, r.Left + 1, r.Top, r.Left + 1, r.Bottom);
        triangle(Canvas, Tones.Background.TextColor, {r.Left + 5, r.Top + 8}, {r.Left + 11, r.Top + 8},
                 {r.Left + 8, r.Top + 11});
        break;
    }
    default:
        break;
    }
}

void DrawButtonFace(TCanvas& Canvas, const TRect& Rect, int Kind, int State, const gx::TColorTones& Tones)
{
    switch (Kind) {
    case bkThemed: {
        static constexpr unsigned kStates[] = {ui::tsNormal, ui::tsHot, ui::tsPressed, ui::tsDisabled};
        Canvas.DrawThemedPart(ui::TThemedPart::PushButton, kStates[std::clamp(State, 0, 3)], Rect);
        break;
    }
    case bkClassic:
    case bkFlat: {
        unsigned flags = ui::DFCS_BUTTONPUSH;
        if (State == bsHot)
            flags |= ui::DFCS_HOT;
        if (State == bsPressed)
            flags |= ui::DFCS_PUSHED;
        if (State == bsDisabled)
            flags |= ui::DFCS_INACTIVE;
        if (Kind == bkFlat)
            flags |= ui::DFCS_FLAT;
        Canvas.DrawFrameControl(Rect, ui::DFC_BUTTON, flags);
        break;
    }
    case bkTones: {
        const gx::TColorTone& tone = toneFor(Tones, State);
        fill(Canvas, Rect, tone.BrushColor);
        if (tone.BorderColor != ui::clNone) {
            Canvas.Brush()->SetColor(tone.BorderColor);
            Canvas.FrameRect(Rect);
        }
        break;
    }
    default:
        break;
    }
}

void DrawSpinButtons(TCanvas& Canvas, const TRect& Rect, int Kind, int State, const gx::TColorTones& Tones)
{
    const TRect r(Rect.Right - 15 - 1, Rect.Top - 1, Rect.Right - 1, Rect.Bottom - 1);
    const int mid = r.Top + r.Height() / 2;
    const TRect up(r.Left, r.Top, r.Right, mid);
    const TRect down(r.Left, mid + 1, r.Right, r.Bottom);
    const bool disabled = State == bsDisabled;
    switch (Kind) {
    case bkThemed: {
        const unsigned s = disabled ? ui::tsDisabled : ui::tsNormal;
        Canvas.DrawThemedPart(ui::TThemedPart::SpinUp, s, up);
        Canvas.DrawThemedPart(ui::TThemedPart::SpinDown, s, down);
        break;
    }
    case bkClassic:
    case bkFlat: {
        const unsigned extra = (disabled ? ui::DFCS_INACTIVE : 0) | (Kind == bkFlat ? ui::DFCS_FLAT : 0);
        Canvas.DrawFrameControl(up, ui::DFC_SCROLL, ui::DFCS_SCROLLUP | extra);
        Canvas.DrawFrameControl(down, ui::DFC_SCROLL, ui::DFCS_SCROLLDOWN | extra);
        break;
    }
    case bkTones: {
        const TColor brush = toneFor(Tones, State).BrushColor;
        fill(Canvas, up, brush);
        fill(Canvas, down, brush);
        const int l = r.Left;
        triangle(Canvas, ui::clBlack, {l + 5, up.Top + 5}, {l + 9, up.Top + 5}, {l + 7, up.Top + 3});
        triangle(Canvas, ui::clBlack, {l + 5, down.Top + 1}, {l + 9, down.Top + 1}, {l + 7, down.Top + 3});
        break;
    }
    default:
        break;
    }
}

void DrawDownTriangle(TCanvas& Canvas, int X, int Y, TColor Color)
{
    triangle(Canvas, Color, {X - 3, Y}, {X + 3, Y}, {X, Y + 3});
}

void DrawTransparentBitmap(TCanvas& Canvas, const ui::TBitmap& Bitmap, TColor BackColor, const TRect& Rect)
{
    if (Bitmap.Width() <= 0 || Bitmap.Height() <= 0)
        return;
    ui::TBitmap work(Bitmap.Width(), Bitmap.Height());
    const TColor key = Bitmap.Pixel(0, 0);
    const TColor back = ui::ColorToRGB(BackColor);
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x) {
            const TColor p = Bitmap.Pixel(x, y);
            work.SetPixel(x, y, p == key ? back : p);
        }
    Canvas.Draw(Rect.Left, Rect.Top, &work);
}

void DrawErrorUnderline(TCanvas& Canvas, std::string_view Text, const TRect& Rect, int YOffset, int ErrPos, int ErrLen)
{
    // Character boundaries (UTF-8 code points) of the text.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < Text.size(); ++i)
        if ((static_cast<unsigned char>(Text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    const int length = static_cast<int>(starts.size());
    const auto xOf = [&](int index) {
        if (index <= 0)
            return 0;
        if (index >= length)
            return Canvas.TextWidth(std::string(Text));
        return Canvas.TextWidth(std::string(Text.substr(0, starts[static_cast<std::size_t>(index)])));
    };
    const int x1 = ErrPos < length ? xOf(ErrPos) : xOf(length) + 4;
    const int last = ErrPos + ErrLen - 1;
    const int x2 = ErrPos + ErrLen < length ? xOf(last) : xOf(length - 1) + 4;

    Canvas.Pen()->SetColor(ui::clRed);
    Canvas.Pen()->SetWidth(2);
    Canvas.Pen()->SetStyle(ui::TPenStyle::psSolid);
    const int base = Rect.Top + YOffset;
    Canvas.MoveTo(Rect.Left + x1, base + 3);
    int level = 0;
    int x = x1;
    for (; x <= x2; x += 3) {
        Canvas.LineTo(Rect.Left + x + 3, base + level);
        level = 3 - level;
    }
    Canvas.LineTo(Rect.Left + x + 3, base + level);
}

bool DynSetLayeredWindowAttributes(void*, TColor, std::uint8_t, unsigned)
{
    return true;
}

}  // namespace VozEdid
