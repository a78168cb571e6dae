// Painting of the analog watch: face, marks, numerals, AM/PM label and hands.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxWatch.h"

namespace dropdown {

using namespace ui;

namespace {

constexpr double kPi = 3.14159265358979323846;

// An ellipse inscribed in r as a region of one span per pixel row.
TRegion EllipseRegion(const TRect& r)
{
    TRegion rgn;
    const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    const double cx = r.Left + rx, cy = r.Top + ry;
    if (rx <= 0 || ry <= 0)
        return rgn;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        if (dy * dy > 1)
            continue;
        const double half = rx * std::sqrt(1 - dy * dy);
        const int left = static_cast<int>(std::lround(cx - half)), right = static_cast<int>(std::lround(cx + half));
        if (right > left)
            rgn.Rects.push_back({left, y, right, y + 1});
    }
    return rgn;
}

// A rectangle with rounded corners (corner ellipse cw x ch) as a region of row spans.
TRegion RoundRectRegion(const TRect& r, int cw, int ch)
{
    TRegion rgn;
    const double rx = cw / 2.0, ry = ch / 2.0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        double inset = 0;
        const double fromTop = y + 0.5 - r.Top, fromBottom = r.Bottom - (y + 0.5);
        const double d = std::min(fromTop, fromBottom);
        if (d < ry && ry > 0) {
            const double dy = (ry - d) / ry;
            inset = rx - rx * std::sqrt(std::max(0.0, 1 - dy * dy));
        }
        const int left = r.Left + static_cast<int>(std::lround(inset));
        const int right = r.Right - static_cast<int>(std::lround(inset));
        if (right > left)
            rgn.Rects.push_back({left, y, right, y + 1});
    }
    return rgn;
}

void SetPen(TCanvas& c, TColor color, int width)
{
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetColor(color);
    c.Pen()->SetWidth(std::max(1, width));
}

void Line(TCanvas& c, TPoint a, TPoint b)
{
    c.MoveTo(a.X, a.Y);
    c.LineTo(b.X, b.Y);
}

}  // namespace

void TGxWatch::DrawBackground(TCanvas& C, const TRect& Client)
{
    const TWatchAppearance& a = FAppearance;
    const TRect area = a.Shape() == TWatchShape::wsCircle ? GetFaceRect() : Client;
    const TRect grown{area.Left - 1, area.Top - 1, area.Right + 2, area.Bottom + 2};
    TRegion clip;
    if (a.Shape() == TWatchShape::wsCircle)
        clip = EllipseRegion(grown);
    else if (a.Shape() == TWatchShape::wsRoundRect)
        clip = RoundRectRegion(grown, 20, 20);
    if (a.Shape() != TWatchShape::wsRect)
        C.SelectClipRgn(&clip);
    if (a.BackgroundColor() != clNone && a.BackgroundColorTo() != clNone) {
        DrawGradient(C, a.BackgroundColor(), a.BackgroundColorTo(), a.BackgroundGradient() == TWatchGradient::wgRadial,
                     area, 80);
    } else if (a.BackgroundColor() != clNone) {
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(a.BackgroundColor());
        C.FillRect(area);
    }
    if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
        SetPen(C, a.BorderColor(), a.BorderWidth());
        C.Brush()->SetStyle(TBrushStyle::bsClear);
        switch (a.Shape()) {
        case TWatchShape::wsCircle:
            C.Ellipse(area);
            break;
        case TWatchShape::wsRect:
            C.Rectangle(Client);
            break;
        case TWatchShape::wsRoundRect:
            C.RoundRect(Client.Left, Client.Top, Client.Right, Client.Bottom, 20, 20);
            break;
        }
    }
    C.SelectClipRgn(nullptr);
    const TPicture* pic = a.Picture();
    if (pic->Graphic() && !pic->Graphic()->Empty()) {
        TBitmap layer(Client.Width(), Client.Height());
        layer.Canvas()->Draw(0, 0, pic->Graphic());
        layer.SetTransparent(true);
        C.StretchDraw(Client, &layer);
    }
}

void TGxWatch::DrawTicks(TCanvas& C)
{
    const TWatchAppearance& a = FAppearance;
    if (a.TickMarks() == TTickMarks::tmNone)
        return;
    const double r = GetFaceRadius();
    const double rm = r - a.BorderWidth() / 2;
    const double hourInner = a.HourMarkLength() > 0 ? rm - a.HourMarkLength() : 0.9 * rm;
    const double minuteInner = a.MinuteMarkLength() > 0 ? rm - a.MinuteMarkLength() : 0.95 * rm;
    const auto mark = [&](double inner, double alpha, int dx, int dy) {
        TPoint p1 = DialPoint(inner / r, alpha), p2 = DialPoint(rm / r, alpha);
        Line(C, {p1.X + dx, p1.Y + dy}, {p2.X + dx, p2.Y + dy});
    };
    SetPen(C, a.HourColor(), a.HourMarkWidth());
    for (int q = 0; q < 4; ++q) {
        const double alpha = q * 90.0;
        if (a.HourMarkStyle() == THourMarkStyle::hmsQuartDblLine) {
            // 12 and 6 o'clock: two lines side by side; 3 and 9 o'clock: one above the other.
            const bool vertical = q % 2 == 0;
            mark(hourInner, alpha, vertical ? -2 : 0, vertical ? 0 : -2);
            mark(hourInner, alpha, vertical ? 2 : 0, vertical ? 0 : 2);
        } else {
            mark(hourInner, alpha, 0, 0);
        }
    }
    if (a.TickMarks() == TTickMarks::tmAll || a.TickMarks() == TTickMarks::tmHours)
        for (int h = 0; h < 12; ++h)
            if (h % 3 != 0)
                mark(hourInner, h * 30.0, 0, 0);
    if (a.TickMarks() == TTickMarks::tmAll) {
        SetPen(C, a.MinuteColor(), a.MinuteMarkWidth());
        for (int m = 0; m < 60; ++m)
            if (m % 5 != 0)
                mark(minuteInner, m * 6.0, 0, 0);
    }
}

void TGxWatch::DrawNumbers(TCanvas& C)
{
    const TWatchAppearance& a = FAppearance;
    if (!FShowNumbers || a.TickMarks() == TTickMarks::tmNone || a.TickMarks() == TTickMarks::tmHours)
        return;
    C.Font()->Assign(*a.HourFont());
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    const TPoint c = GetFaceCenter();
    const double rm = GetFaceRadius() - a.BorderWidth() / 2;
    const int b = a.HourMarkLength() > 0 ? a.HourMarkLength() : RoundEven(rm - 0.9 * rm) + 2;
    const double rn = rm - 2 * b - 2;
    for (int i = 1; i <= 12; ++i) {
        if (a.TickMarks() == TTickMarks::tmQuartHours && i % 3 != 0)
            continue;
        const std::string text = std::to_string(i);
        const TSize ext = C.TextExtent(text);
        const int d = i == 10 ? RoundEven(0.2 * ext.cy) : i == 11 ? RoundEven(0.15 * ext.cy) : 0;
        const double r = rn - d + b / 2;
        const double alpha = 30.0 * i * kPi / 180.0;
        C.TextOut(c.X + RoundEven(std::sin(alpha) * r) - ext.cx / 2, c.Y - RoundEven(std::cos(alpha) * r) - ext.cy / 2,
                  text);
    }
}

TRect TGxWatch::GetAMPMRect()
{
    if (!FShowAMPM)
        return {};
    TCanvas& c = *FBKGCache.Canvas();
    c.Font()->Assign(*FAppearance.AMPMFont());
    const TSize ext = c.TextExtent("AM");
    const TPoint centre = GetFaceCenter();
    const int top = centre.Y + RoundEven((GetFaceRadius() - ext.cy) / 3);
    return Bounds(centre.X - (ext.cx + 8) / 2, top, ext.cx + 8, ext.cy);
}

void TGxWatch::DrawAMPM(TCanvas& C, int RollOffset)
{
    if (!FShowAMPM)
        return;
    const TWatchAppearance& a = FAppearance;
    const TRect r = GetAMPMRect();
    const auto frame = [&] {
        if (a.AMPMColor == clNone && a.AMPMBorderColor == clNone)
            return;
        C.Brush()->SetStyle(a.AMPMColor == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
        C.Brush()->SetColor(a.AMPMColor);
        C.Pen()->SetStyle(a.AMPMBorderColor == clNone ? TPenStyle::psClear : TPenStyle::psSolid);
        C.Pen()->SetColor(a.AMPMBorderColor);
        C.Pen()->SetWidth(1);
        if (a.AMPMFrame() == TAMPMFrame::apRect)
            C.Rectangle(r);
        else
            C.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 5, 5);
        C.Pen()->SetStyle(TPenStyle::psSolid);
    };
    C.Font()->Assign(*a.AMPMFont());
    if (RollOffset < 0) {
        frame();
        C.Brush()->SetStyle(TBrushStyle::bsClear);
        TRect t = r;
        C.DrawText(FAM ? "AM" : "PM", t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    // Rolling: a strip of "AM" over "PM" slides inside the label, then the frame on top.
    const TRect inner = r.Inflate(-1, -1);
    const int h = inner.Height();
    const int shift = FAM ? h - RollOffset : RollOffset;  // towards PM the strip moves up
    C.IntersectClipRect(inner);
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(a.AMPMColor);
    C.FillRect(inner);
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect am = inner.Offset(0, -shift), pm = inner.Offset(0, h - shift);
    C.DrawText("AM", am, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    C.DrawText("PM", pm, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    C.ResetClip();
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    C.Pen()->SetStyle(a.AMPMBorderColor == clNone ? TPenStyle::psClear : TPenStyle::psSolid);
    C.Pen()->SetColor(a.AMPMBorderColor);
    if (a.AMPMFrame() == TAMPMFrame::apRect)
        C.Rectangle(r);
    else
        C.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 5, 5);
    C.Pen()->SetStyle(TPenStyle::psSolid);
}

void TGxWatch::DrawHands(TCanvas& C)
{
    const TWatchAppearance& a = FAppearance;
    int hour = 0, minute = 0, second = 0, msec = 0;
    rtl::DecodeTime(GetCurrentTime(), hour, minute, second, msec);
    if (FSettings.Auto()) {
        FInternalSet = true;
        SetAM(hour < 12, false);
        FInternalSet = false;
    }
    const double ah = 30.0 * (hour % 12) + 6.0 * (minute / 12.0);
    const double am = 6.0 * minute, as = 6.0 * second;
    const bool live = FSettings.Auto() && FSettings.Second();
    const auto line = [&](TColor color, int width, double from, double to, double alpha, int dx, int dy) {
        SetPen(C, color, width);
        const TPoint p1 = DialPoint(from, alpha), p2 = DialPoint(to, alpha);
        Line(C, {p1.X + dx, p1.Y + dy}, {p2.X + dx, p2.Y + dy});
    };
    const auto pointer = [&](TColor color, double k, double alpha, int dx, int dy) {
        SetPen(C, color, 1);
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(color);
        std::vector<TPoint> pts{DialPoint(-0.1, alpha), DialPoint(-0.05, alpha + 90), DialPoint(k, alpha),
                                DialPoint(-0.05, alpha - 90)};
        for (TPoint& p : pts)
            p = {p.X + dx, p.Y + dy};
        C.Polygon(pts);
    };
    switch (a.PointerStyle()) {
    case TPointerStyle::psLine:
        if (a.HourPointerShadow() != clNone)
            line(a.HourPointerShadow(), a.HourPointerSize(), -0.1, 0.46, ah, -1, 3);
        if (a.MinutePointerShadow() != clNone)
            line(a.MinutePointerShadow(), a.MinutePointerSize(), -0.1, 0.65, am, 0, 3);
        line(a.HourPointer(), a.HourPointerSize(), -0.1, 0.5, ah, 0, 0);
        line(a.MinutePointer(), a.MinutePointerSize(), -0.1, 0.7, am, 0, 0);
        if (live)
            line(a.SecondPointer(), a.SecondPointerSize(), -0.2, 0.9, as, 0, 0);
        break;
    case TPointerStyle::psPointer:
        if (a.HourPointerShadow() != clNone)
            pointer(a.HourPointerShadow(), 0.5, ah, 1, 3);
        pointer(a.HourPointer(), 0.5, ah, 0, 0);
        if (a.MinutePointerShadow() != clNone)
            pointer(a.MinutePointerShadow(), 0.7, am, 1, 3);
        pointer(a.MinutePointer(), 0.7, am, 0, 0);
        if (live)
            line(a.SecondPointer(), a.SecondPointerSize(), -0.2, 0.9, as, 0, 0);
        break;
    case TPointerStyle::psShortLine:
    case TPointerStyle::psLineArrow:
        break;  // no hands of their own: only the centre point
    }
    const int s = a.CenterPointSize();
    if (s <= 0)
        return;
    const TPoint c = GetFaceCenter();
    const auto ellipse = [&](double size) {
        const int left = RoundEven(c.X - size / 2), top = RoundEven(c.Y - size / 2);
        const int w = static_cast<int>(size);
        C.Ellipse(left, top, left + w, top + w);
    };
    if (a.CenterPointColor() != clNone) {
        SetPen(C, a.CenterPointColor(), 1);
        C.Brush()->SetStyle(TBrushStyle::bsSolid);
        C.Brush()->SetColor(a.CenterPointColor());
        ellipse(s);
    }
    int w = 0;
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    if (a.CenterPointOuterBorderColor() != clNone) {
        w = RoundEven(0.2 * s);
        SetPen(C, a.CenterPointOuterBorderColor(), w);
        ellipse(s);
    }
    if (a.CenterPointBorderColor() != clNone) {
        SetPen(C, a.CenterPointBorderColor(), RoundEven(0.1 * s));
        ellipse(s - w);
    }
    C.Pen()->SetWidth(1);
}

void TGxWatch::PaintFace(TCanvas& C)
{
    const TRect client = ClientRect();
    FBKGCache.SetSize(client.Width(), client.Height());
    TCanvas& cache = *FBKGCache.Canvas();
    cache.ResetClip();
    cache.Brush()->SetStyle(TBrushStyle::bsSolid);
    cache.Brush()->SetColor(Color());
    cache.FillRect(client);
    DrawBackground(cache, client);
    DrawTicks(cache);
    DrawNumbers(cache);
    DrawAMPM(cache, FRollOffset);
    C.Draw(0, 0, &FBKGCache);
}

void TGxWatch::Paint()
{
    TCustomControl::Paint();
    PaintFace(*Canvas());
    DrawHands(*Canvas());
}

void TGxWatch::RollAMPM()
{
    if (!Showing())
        return;  // nobody would see the frames
    const int frames = std::max(0, GetAMPMRect().Height() - 2);
    for (int i = 1; i <= frames; ++i) {
        FRollOffset = i;
        Repaint();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    FRollOffset = -1;
}

}  // namespace dropdown
