#include "grid/base/VozEdidProgress.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "grid/base/VozEdidDraw.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace VozEdid {

using ui::TBrushStyle;
using ui::TCanvas;
using ui::TPoint;

namespace {

// Halves to the even neighbour, as every rounding of the grid's drawing; a value beyond the
// integers is held at their ends (not a number counts as 0).
int roundEven(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(v), -2147483648.0, 2147483647.0));
}

void setBrush(TCanvas& c, TColor color)
{
    c.Brush()->SetColor(color);
    c.Brush()->SetStyle(color == ui::clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

}  // namespace

std::string ClassicProgressText(std::string_view format, double value)
{
    if (format.empty())
        return rtl::IntToStr(roundEven(value)) + "%";
    const bool integral = format.find_first_of("du") != std::string_view::npos;
    try {
        if (integral)
            return rtl::Format(format, {static_cast<int64_t>(roundEven(value))});
        return rtl::Format(format, {value});
    } catch (const rtl::Exception&) {
        return integral ? rtl::IntToStr(roundEven(value)) : rtl::FloatToStr(value);
    }
}

namespace {

// Fills an area with a colour pair: two half gradients across the bar (a cylinder look) with
// ShowGradient, else the first colour.
void fillArea(TCanvas& c, const TRect& area, TColor color, TColor colorTo, const TProgressLook& look)
{
    if (area.IsEmpty())
        return;
    if (!look.ShowGradient) {
        setBrush(c, color);
        c.FillRect(area);
        return;
    }
    TRect first = area, second = area;
    if (look.Vertical) {
        first.Right = second.Left = area.Left + area.Width() / 2;
        DrawStepGradient(c, colorTo, color, look.Steps, first, true);
        DrawStepGradient(c, color, colorTo, look.Steps, second, true);
    } else {
        first.Bottom = second.Top = area.Top + area.Height() / 2;
        DrawStepGradient(c, colorTo, color, look.Steps, first, false);
        DrawStepGradient(c, color, colorTo, look.Steps, second, false);
    }
}

// The part of the bar from offset `from` to `from + length` along its length, with `inset` pixels
// left free on the other axis; a vertical bar grows from the bottom. Never beyond the inner area.
TRect segment(const TRect& inner, bool vertical, int from, int length, int inset)
{
    TRect r = inner;
    if (vertical) {
        r.Bottom = inner.Bottom - from;
        r.Top = r.Bottom - length;
        r.Left += inset;
        r.Right -= inset;
        r.Top = std::max(r.Top, inner.Top);
    } else {
        r.Left = inner.Left + from;
        r.Right = r.Left + length;
        r.Top += inset;
        r.Bottom -= inset;
        r.Right = std::min(r.Right, inner.Right);
    }
    return r;
}

void drawStacked(TCanvas& c, const TRect& inner, int q, int percent, const TProgressLook& l)
{
    const int first = roundEven(q * std::min(percent, l.Level1Perc) / 100.0);
    fillArea(c, segment(inner, l.Vertical, 0, first, 0), l.Level0Color, l.Level0ColorTo, l);
    if (percent <= l.Level1Perc)
        return;
    const int second = roundEven(q * (std::min(percent, l.Level2Perc) - l.Level1Perc) / 100.0);
    fillArea(c, segment(inner, l.Vertical, first, second, 0), l.Level1Color, l.Level1ColorTo, l);
    if (percent <= l.Level2Perc)
        return;
    const int third = percent == 100 ? q - first - second : roundEven(q * (percent - l.Level2Perc) / 100.0);
    fillArea(c, segment(inner, l.Vertical, first + second, third, 0), l.Level3Color, l.Level3ColorTo, l);
}

void drawLevel(TCanvas& c, const TRect& inner, int q, int percent, const TProgressLook& l)
{
    TColor color = l.Level2Color, colorTo = l.Level2ColorTo;
    if (percent < l.Level1Perc)
        color = l.Level0Color, colorTo = l.Level0ColorTo;
    else if (percent < l.Level2Perc)
        color = l.Level1Color, colorTo = l.Level1ColorTo;
    else if (percent >= 100)
        color = l.Level3Color, colorTo = l.Level3ColorTo;

    if (l.CompletionSmooth) {
        fillArea(c, segment(inner, l.Vertical, 0, roundEven(percent / 100.0 * q), 0), color, colorTo, l);
        return;
    }
    // Blocks of 7 pixels with gaps of 2, starting 2 pixels in, and a shorter last block.
    const int total = std::min(roundEven(percent * q / 100.0), q);
    if (total <= 1)
        return;
    if (total <= 9) {
        fillArea(c, segment(inner, l.Vertical, 1, total - 1, 1), color, colorTo, l);
        return;
    }
    const int blocks = total / 9;
    for (int k = 0; k < blocks; ++k)
        fillArea(c, segment(inner, l.Vertical, 1 + 9 * k, 7, 1), color, colorTo, l);
    if (total % 9 > 2)
        fillArea(c, segment(inner, l.Vertical, 1 + 9 * blocks, total % 9 - 1, 1), color, colorTo, l);
}

// Fills the region of same-coloured pixels around (x, y) within bounds.
void floodFill(TCanvas& c, int x, int y, const TRect& bounds, TColor color)
{
    if (!bounds.Contains(TPoint{x, y}))
        return;
    const TColor surface = c.Pixels(x, y);
    if (surface == ui::ColorToRGB(color))
        return;
    std::vector<TPoint> todo{{x, y}};
    while (!todo.empty()) {
        const TPoint p = todo.back();
        todo.pop_back();
        if (!bounds.Contains(p) || c.Pixels(p.X, p.Y) != surface)
            continue;
        c.SetPixels(p.X, p.Y, color);
        todo.push_back({p.X + 1, p.Y});
        todo.push_back({p.X - 1, p.Y});
        todo.push_back({p.X, p.Y + 1});
        todo.push_back({p.X, p.Y - 1});
    }
}

}  // namespace

void DrawClassicProgress(TCanvas& Canvas, TRect Rect, TColor Color, TColor CompleteFontColor, TColor RestColor,
                         TColor RestFontColor, double Value, int MarginX, int MarginY, int Min, int Max,
                         std::string_view Format, TColor BorderColor, bool Printing)
{
    const TColor startBrush = Canvas.Brush()->Color();
    setBrush(Canvas, Color);
    Canvas.Pen()->SetColor(Color);
    Canvas.Font()->SetColor(CompleteFontColor);

    const std::string text = ClassicProgressText(Format, Value);
    int percent = roundEven(Value);
    if (!Format.empty())
        percent = Max != Min ? roundEven((Value - Min) * 100.0 / (Max - Min)) : 0;  // a zero range: empty bar
    percent = std::clamp(percent, 0, 100);

    Rect = TRect(Rect.Left + MarginX, Rect.Top + MarginY, Rect.Right - MarginX, Rect.Bottom - MarginY);
    const int split = Rect.Left + roundEven(percent * Rect.Width() / 100.0);
    const ui::TSize size = Canvas.TextExtent(text);
    const int textHeight = Printing ? -size.cy : size.cy;
    const int x = Rect.Left + (Rect.Width() - size.cx) / 2;
    const int y = Rect.Top + (Rect.Height() - textHeight) / 2;

    Canvas.TextRect(TRect(Rect.Left, Rect.Top, split, Rect.Bottom), x, y, text);
    setBrush(Canvas, RestColor);
    Canvas.Pen()->SetColor(RestColor);
    Canvas.Font()->SetColor(RestFontColor);
    Canvas.TextRect(TRect(split, Rect.Top, Rect.Right, Rect.Bottom), x, y, text);

    setBrush(Canvas, BorderColor);
    Canvas.Pen()->SetColor(startBrush);
    Rect = Rect.Inflate(1, 1);
    if (BorderColor != ui::clNone)
        Canvas.FrameRect(Rect);
    setBrush(Canvas, startBrush);
    Rect = Rect.Inflate(1, 1);
    Canvas.FrameRect(Rect);
}

void DrawCellProgressBar(TCanvas& Canvas, const TRect& Rect, int Percent, const TProgressLook& Look)
{
    const TColor outline = Look.ShowBorder ? Look.BorderColor : Look.UnCompleteColor;
    const int q = (Look.Vertical ? Rect.Height() : Rect.Width()) - 2;
    setBrush(Canvas, Look.UnCompleteColor);
    Canvas.Pen()->SetColor(outline);
    Canvas.Rectangle(Rect);

    if (Percent > 0 && q > 0) {
        const TRect inner = Rect.Inflate(-1, -1);
        if (Look.Stacked)
            drawStacked(Canvas, inner, q, Percent, Look);
        else
            drawLevel(Canvas, inner, q, Percent, Look);
    }

    if (Look.ShowPercentage) {
        const std::string text = rtl::IntToStr(Percent) + "%";
        Canvas.Font()->Assign(Look.Font);
        Canvas.Font()->SetColor(Look.CompleteFontColor);
        Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        const ui::TSize size = Canvas.TextExtent(text);
        if (Look.Vertical) {
            // Turned a quarter to the left: the text runs upward from its start point.
            Canvas.Font()->SetOrientation(900);
            Canvas.TextOut(Rect.Left + (Rect.Width() - size.cy) / 2, Rect.Bottom - (Rect.Height() - size.cx) / 2, text);
        } else {
            Canvas.TextOut(Rect.Left + (Rect.Width() - size.cx) / 2, Rect.Top + (Rect.Height() - size.cy) / 2, text);
        }
    }

    Canvas.Pen()->SetColor(outline);
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas.Rectangle(Rect);
}

void DrawProgressPie(TCanvas& Canvas, const TRect& Rect, TColor Color, int Percent, bool Printing)
{
    Canvas.Pen()->SetColor(ui::clGray);
    Canvas.Pen()->SetWidth(1);
    Canvas.Ellipse(Rect);
    const int w = Rect.Width(), h = Rect.Height();
    const int cx = Rect.Left + w / 2, cy = Rect.Top + h / 2;
    const double a = Percent / 100.0 * 2 * std::numbers::pi;
    Canvas.MoveTo(cx, Rect.Top);
    Canvas.LineTo(cx, cy);
    Canvas.LineTo(cx + roundEven((w + 1) / 2.0 * std::sin(a)), cy - roundEven((h + 1) / 2.0 * std::cos(a)));
    if (Percent == 0)
        return;
    setBrush(Canvas, Color);
    // The fill stays inside the pie's rectangle whatever the outline left open.
    floodFill(Canvas, cx + 1, Printing ? Rect.Top - 2 : Rect.Top + 2, Rect, Color);
}

void DrawRangeIndicator(TCanvas& Canvas, TRect Rect, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor)
{
    Rect = Rect.Inflate(-2, -2);
    if (Range == 0)
        return;  // no range: an empty indicator
    Range = std::abs(Range);
    Value = std::clamp(Value, -Range, Range);
    const int half = Rect.Width() / 2;
    const int centre = Rect.Left + half;
    const int x = roundEven(static_cast<double>(half) * Value / Range);
    const TColor color = Value < 0 ? NegativeColor : PositiveColor;
    Canvas.Pen()->SetColor(color);
    setBrush(Canvas, color);
    if (Value < 0)
        Canvas.FillRect(TRect(centre + x, Rect.Top, centre, Rect.Bottom));
    else
        Canvas.FillRect(TRect(centre, Rect.Top, centre + x, Rect.Bottom));
    if (ShowValue) {
        const std::string text = rtl::IntToStr(Value);
        Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        const ui::TSize size = Canvas.TextExtent(text);
        Canvas.TextOut(Rect.Left + (Rect.Width() - size.cx) / 2, Rect.Top + (Rect.Height() - size.cy) / 2, text);
    }
}

void DrawCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, gx::TCellShape Shape, TColor BrushColor,
                   TColor PenColor)
{
    setBrush(Canvas, BrushColor);
    Canvas.Pen()->SetColor(PenColor);
    if ((Shape == gx::csCircle || Shape == gx::csSquare || Shape == gx::csRoundSquare) && Width != Height)
        Width = Height = std::min(Width, Height);
    const int w = Width, h = Height, hw = w / 2, hh = h / 2;
    const int we = w / 2 * 2, he = h / 2 * 2, w4 = we / 4, h4 = he / 4;
    const auto poly = [&](std::initializer_list<TPoint> points) {
        std::vector<TPoint> p;
        for (const TPoint& pt : points)
            p.push_back({X + pt.X, Y + pt.Y});
        Canvas.Polygon(p);
    };
    const auto starPoint = [&](int k) {
        const double angle = k * 36.0 * std::numbers::pi / 180.0;
        const double rx = k % 2 ? hw / 3 : hw, ry = k % 2 ? hh / 3 : hh;
        return TPoint{X + hw + roundEven(std::sin(angle) * rx), Y + hh - roundEven(std::cos(angle) * ry)};
    };
    switch (Shape) {
    case gx::csRectangle:
    case gx::csSquare:
        Canvas.Rectangle(X + 1, Y + 1, X + w - 1, Y + h - 1);
        break;
    case gx::csCircle:
    case gx::csEllips:
        Canvas.Ellipse(X, Y, X + w, Y + h);
        break;
    case gx::csRoundRect:
    case gx::csRoundSquare:
        Canvas.RoundRect(X, Y, X + w, Y + h, 10, 10);
        break;
    case gx::csTriangleLeft:
        poly({{w, 0}, {w, h}, {0, hh}});
        break;
    case gx::csTriangleRight:
        poly({{0, 0}, {0, h}, {w, hh}});
        break;
    case gx::csTriangleUp:
        poly({{0, h}, {w, h}, {hw, 0}});
        break;
    case gx::csTriangleDown:
        poly({{0, 0}, {w, 0}, {hw, h}});
        break;
    case gx::csDiamond:
        poly({{0, hh}, {hw, 0}, {2 * hw, hh}, {hw, 2 * hh}});
        break;
    case gx::csLineVert:
        Canvas.Rectangle(X + hw, Y, X + hw + 1, Y + h);
        break;
    case gx::csLineHorz:
        Canvas.Rectangle(X, Y + hh, X + w, Y + hh + 1);
        break;
    case gx::csStar:
    case gx::csHalfStar: {
        std::vector<TPoint> p;
        if (Shape == gx::csStar)
            for (int k = 0; k < 10; ++k)
                p.push_back(starPoint(k));
        else
            for (int k : {0, 5, 6, 7, 8, 9})
                p.push_back(starPoint(k));
        Canvas.Polygon(p);
        break;
    }
    case gx::csArrowUp:
        poly({{0, hh}, {we / 2, 0}, {we, hh}, {3 * w4, hh}, {3 * w4, h}, {w4, h}, {w4, hh}});
        break;
    case gx::csArrowDown:
        poly({{0, hh}, {we / 2, h}, {we, hh}, {3 * w4, hh}, {3 * w4, 0}, {w4, 0}, {w4, hh}});
        break;
    case gx::csArrowLeft:
        poly({{0, he / 2}, {hw, 0}, {hw, h4}, {w, h4}, {w, 3 * h4}, {hw, 3 * h4}, {hw, he}});
        break;
    case gx::csArrowRight:
        poly({{w, he / 2}, {hw, 0}, {hw, h4}, {0, h4}, {0, 3 * h4}, {hw, 3 * h4}, {hw, he}});
        break;
    }
}

}  // namespace VozEdid
