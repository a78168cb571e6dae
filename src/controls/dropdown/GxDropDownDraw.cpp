#include "controls/dropdown/GxDropDownDraw.h"

#include <algorithm>
#include <cmath>

#include "grid/base/HtmlTextDraw.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImgList.h"

namespace dropdown {

using namespace ui;

int RoundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

namespace {

// Numerator / 100 rounded to the nearest integer, halves to even, in exact integer arithmetic.
int PercentOf(int numerator)
{
    int q = numerator / 100;
    const int r = numerator % 100;
    if (r > 50 || (r == 50 && (q & 1)))
        ++q;
    return q;
}

}  // namespace

TColor BlendColor(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
    const auto mix = [Percent](unsigned ca, unsigned cb) {
        return PercentOf(Percent * static_cast<int>(ca) + (100 - Percent) * static_cast<int>(cb));
    };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor DarkenColor(TColor Color, int PercentRed, int PercentGreen, int PercentBlue)
{
    const TColor c = ColorToRGB(Color);
    const auto channel = [](unsigned v, int p) {
        if (v == 0)
            return std::clamp(p, 0, 255);
        return std::clamp(PercentOf(std::min(100, p + 100) * static_cast<int>(v)), 0, 255);
    };
    return RGB(channel(GetRValue(c), PercentRed), channel(GetGValue(c), PercentGreen),
               channel(GetBValue(c), PercentBlue));
}

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R, int Bands)
{
    if (Bands <= 0)
        Bands = 1;
    const TColor a = ColorToRGB(FromColor), b = ColorToRGB(ToColor);
    const double d = static_cast<double>(Horizontal ? R.Right - 1 - R.Left : R.Bottom - 1 - R.Top) / Bands;
    const int size = RoundEven(d) + 1;
    const auto step = [Bands](int i, unsigned from, unsigned to) {
        return static_cast<unsigned>(
            static_cast<int>(from) +
            RoundEven(static_cast<double>(i) * (static_cast<int>(to) - static_cast<int>(from)) / Bands));
    };
    TPen* pen = Canvas.Pen();
    TBrush* brush = Canvas.Brush();
    pen->SetStyle(TPenStyle::psSolid);
    pen->SetWidth(1);
    brush->SetStyle(TBrushStyle::bsSolid);
    for (int i = 0; i < Bands; ++i) {
        const TColor c = RGB(step(i, GetRValue(a), GetRValue(b)), step(i, GetGValue(a), GetGValue(b)),
                             step(i, GetBValue(a), GetBValue(b)));
        pen->SetColor(c);
        brush->SetColor(c);
        const int start = RoundEven(i * d);
        if (Horizontal)
            Canvas.Rectangle(R.Left + start, R.Top, R.Left + start + size, R.Bottom);
        else
            Canvas.Rectangle(R.Left, R.Top + start, R.Right, R.Top + start + size);
    }
}

void DrawBackgroundRect(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TGradientDirection Direction,
                        int BorderWidth, TColor BorderColor)
{
    if (!Canvas)
        return;
    if (ColorTo != clNone) {
        DrawGradient(*Canvas, Color, ColorTo, Direction == TGradientDirection::gdHorizontal, Rect, 80);
    } else if (Color != clNone) {
        Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(Rect);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas->Pen()->SetStyle(TPenStyle::psSolid);
        Canvas->Pen()->SetColor(BorderColor);
        Canvas->Pen()->SetWidth(BorderWidth);
        Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
        Canvas->Rectangle(Rect);
        Canvas->Pen()->SetWidth(1);
    }
}

void DrawImageAndText(TCanvas* Canvas, TRect& Rect, const std::string& Caption, int ImageIndex,
                      const TImageList* Images)
{
    if (!Canvas)
        return;
    bool imageDrawn = false;
    if (ImageIndex >= 0 && Images) {
        Images->Draw(*Canvas, Rect.Left + 4, Rect.Top + (Rect.Height() - Images->Height()) / 2, ImageIndex);
        Rect.Left += Images->Width() + 8;
        imageDrawn = true;
    }
    if (Caption.empty())
        return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (!imageDrawn)
        flags |= DT_CENTER;
    TRect r = Rect;
    Canvas->DrawText(Caption, r, flags);
}

void DrawTransparentGlyph(TCanvas& Canvas, const TBitmap& Glyph, TColor BackColor, const TRect& Rect)
{
    if (Glyph.Empty())
        return;
    TBitmap tmp(Glyph.Width(), Glyph.Height());
    tmp.Canvas()->Brush()->SetColor(BackColor);
    tmp.Canvas()->FillRect({0, 0, Glyph.Width(), Glyph.Height()});
    TBitmap glyph;
    glyph.Assign(Glyph);
    glyph.SetTransparentMode(TTransparentMode::tmFixed);
    glyph.SetTransparentColor(Glyph.Pixel(0, 0));
    glyph.SetTransparent(true);
    tmp.Canvas()->Draw(0, 0, &glyph);
    Canvas.CopyRect(Rect, *tmp.Canvas(), {0, 0, Rect.Width(), Rect.Height()});
}

TSize GetTextSize(TCanvas& Canvas, const std::string& Text)
{
    if (Text.empty())
        return {};
    TRect r{0, 0, 1000, 500};
    Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Width(), r.Height()};
}

std::string FitTextToWidth(TCanvas& Canvas, const std::string& Text, int MaxWidth, bool Ellipsis)
{
    if (GetTextSize(Canvas, Text).cx <= MaxWidth)
        return Text;
    const std::u32string chars = rtl::Utf8ToCodePoints(Text);
    for (std::size_t keep = chars.size(); keep-- > 0;) {
        std::string candidate = rtl::CodePointsToUtf8(chars.substr(0, keep));
        if (Ellipsis)
            candidate += "...";
        if (GetTextSize(Canvas, candidate).cx < MaxWidth)
            return candidate;
    }
    return Text;
}

TSize GetHTMLTextSize(TCanvas& Canvas, const std::string& Text, const TRect& Rect, bool Draw)
{
    if (Text.empty())
        return {};
    gx::THTMLDrawParams params;
    params.MeasureOnly = !Draw;
    gx::THTMLDrawResult result;
    gx::DrawHTMLText(Canvas, Text, Rect, params, result);
    return {result.UsedWidth, result.UsedHeight};
}

}  // namespace dropdown
