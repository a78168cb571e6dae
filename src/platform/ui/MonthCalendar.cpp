// The month calendar: layout, painting, keys and clicks.
#include "platform/ui/MonthCalendar.h"

#include <algorithm>
#include <cmath>

namespace ui {

using rtl::TDateTime;

namespace {

TDateTime wholeDay(TDateTime v)
{
    return std::floor(v);
}

// ISO week number of a date.
int isoWeek(TDateTime day)
{
    const int iso = (rtl::DayOfWeek(day) + 5) % 7 + 1;  // Monday 1 … Sunday 7
    const TDateTime thursday = day + (4 - iso);
    int y = 0, m = 0, d = 0;
    rtl::DecodeDate(thursday, y, m, d);
    return static_cast<int>(thursday - rtl::EncodeDate(y, 1, 1)) / 7 + 1;
}

}  // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetDefaultColor(clWindow);
    SetDate(rtl::Date());
    const TSize size = MinimumSize();
    TControl::SetBounds(0, 0, size.cx, size.cy);
}

TMonthCalendar::~TMonthCalendar() = default;

TDateTime TMonthCalendar::Clamp(TDateTime v) const
{
    v = wholeDay(v);
    if (minDate_ != 0 && v < wholeDay(minDate_))
        v = wholeDay(minDate_);
    if (maxDate_ != 0 && v > wholeDay(maxDate_))
        v = wholeDay(maxDate_);
    return v;
}

void TMonthCalendar::SetDate(TDateTime v)
{
    date_ = Clamp(v);
    int d = 0;
    rtl::DecodeDate(date_, year_, month_, d);
    Invalidate();
}

void TMonthCalendar::SetMinDate(TDateTime v)
{
    minDate_ = v;
    SetDate(date_);
}

void TMonthCalendar::SetMaxDate(TDateTime v)
{
    maxDate_ = v;
    SetDate(date_);
}

void TMonthCalendar::SetShowToday(bool v)
{
    showToday_ = v;
    Invalidate();
}

void TMonthCalendar::SetShowTodayCircle(bool v)
{
    showTodayCircle_ = v;
    Invalidate();
}

void TMonthCalendar::SetWeekNumbers(bool v)
{
    weekNumbers_ = v;
    Invalidate();
}

void TMonthCalendar::FontChanged()
{
    TCustomControl::FontChanged();
    Invalidate();
}

TMonthCalendar::Metrics TMonthCalendar::Measure()
{
    TCanvas measure;
    measure.Font()->Assign(*Font());
    Metrics m;
    const int textH = measure.TextHeight("0");
    m.cellW = std::max(measure.TextWidth("00"), measure.TextWidth("Wm")) + 10;
    m.cellH = textH + 4;
    m.titleH = textH + 10;
    m.headerH = textH + 4;
    m.todayH = showToday_ ? textH + 6 : 0;
    m.weekW = weekNumbers_ ? m.cellW : 0;
    return m;
}

TSize TMonthCalendar::MinimumSize()
{
    const Metrics m = Measure();
    const TPoint o = ClientOrigin();
    return {2 * m.margin + m.weekW + 7 * m.cellW + 2 * o.X,
            2 * m.margin + m.titleH + m.headerH + 6 * m.cellH + m.todayH + 2 * o.Y};
}

TDateTime TMonthCalendar::FirstShownDay() const
{
    const TDateTime first = rtl::EncodeDate(year_, month_, 1);
    return first - (rtl::DayOfWeek(first) - 1);
}

TRect TMonthCalendar::DayRect(TDateTime day)
{
    const int index = static_cast<int>(wholeDay(day) - FirstShownDay());
    if (index < 0 || index >= 42)
        return {};
    const Metrics m = Measure();
    const int x = m.margin + m.weekW + (index % 7) * m.cellW;
    const int y = m.margin + m.titleH + m.headerH + (index / 7) * m.cellH;
    return Bounds(x, y, m.cellW, m.cellH);
}

TRect TMonthCalendar::PrevButtonRect()
{
    const Metrics m = Measure();
    return Bounds(m.margin + 2, m.margin + (m.titleH - 16) / 2, 16, 16);
}

TRect TMonthCalendar::NextButtonRect()
{
    const Metrics m = Measure();
    return Bounds(ClientWidth() - m.margin - 18, m.margin + (m.titleH - 16) / 2, 16, 16);
}

TRect TMonthCalendar::TodayRect()
{
    const Metrics m = Measure();
    if (!showToday_)
        return {};
    const int y = m.margin + m.titleH + m.headerH + 6 * m.cellH;
    return TRect(m.margin, y, ClientWidth() - m.margin, y + m.todayH);
}

void TMonthCalendar::MoveTo(TDateTime day)
{
    const TDateTime before = date_;
    SetDate(day);
    if (date_ != before && OnChange)
        OnChange(this);
}

void TMonthCalendar::Pick(TDateTime day)
{
    MoveTo(day);
    if (OnSelect)
        OnSelect(this);
}

void TMonthCalendar::HandleKey(unsigned& key, TShiftState /*shift*/)
{
    switch (key) {
    case VK_LEFT:
        MoveTo(date_ - 1);
        break;
    case VK_RIGHT:
        MoveTo(date_ + 1);
        break;
    case VK_UP:
        MoveTo(date_ - 7);
        break;
    case VK_DOWN:
        MoveTo(date_ + 7);
        break;
    case VK_PRIOR:
        MoveTo(rtl::IncMonth(date_, -1));
        break;
    case VK_NEXT:
        MoveTo(rtl::IncMonth(date_, 1));
        break;
    case VK_RETURN:
        Pick(date_);
        break;
    default:
        return;
    }
    key = 0;
}

void TMonthCalendar::KeyDown(unsigned& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    HandleKey(key, shift);
}

void TMonthCalendar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    const TPoint p{x, y};
    if (PrevButtonRect().Contains(p)) {
        MoveTo(rtl::IncMonth(date_, -1));
        return;
    }
    if (NextButtonRect().Contains(p)) {
        MoveTo(rtl::IncMonth(date_, 1));
        return;
    }
    if (TodayRect().Contains(p)) {
        Pick(rtl::Date());
        return;
    }
    const TDateTime first = FirstShownDay();
    for (int i = 0; i < 42; ++i) {
        if (DayRect(first + i).Contains(p)) {
            Pick(first + i);
            return;
        }
    }
}

void TMonthCalendar::Paint()
{
    TCanvas& c = *Canvas();
    const Metrics m = Measure();
    const rtl::TFormatSettings& fs = rtl::Regional();
    const TRect client = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    c.Font()->Assign(*Font());

    // Title: the month and year between the arrows.
    const TRect title(m.margin, m.margin, client.Right - m.margin, m.margin + m.titleH);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(title);
    auto arrow = [&](const TRect& r, bool left) {
        c.Brush()->SetColor(clBtnText);
        c.Pen()->SetColor(clBtnText);
        const int cy = (r.Top + r.Bottom) / 2;
        if (left)
            c.Polygon({{r.Left + 5, cy}, {r.Left + 10, cy - 5}, {r.Left + 10, cy + 5}});
        else
            c.Polygon({{r.Right - 5, cy}, {r.Right - 10, cy - 5}, {r.Right - 10, cy + 5}});
    };
    arrow(PrevButtonRect(), true);
    arrow(NextButtonRect(), false);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->SetStyle(fsBold);
    TRect t = title;
    c.DrawText(fs.LongMonthNames[static_cast<std::size_t>(month_ - 1)] + " " + std::to_string(year_), t,
               DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    c.Font()->SetStyle(0);

    // Day names and a line under them.
    const int headerTop = m.margin + m.titleH;
    const int gridLeft = m.margin + m.weekW;
    c.Font()->SetColor(clHotLight);
    for (int i = 0; i < 7; ++i) {
        TRect r = Bounds(gridLeft + i * m.cellW, headerTop, m.cellW, m.headerH);
        c.DrawText(fs.ShortDayNames[static_cast<std::size_t>(i)].substr(0, 2), r,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    c.Pen()->SetColor(clGrayText);
    c.MoveTo(gridLeft, headerTop + m.headerH - 1);
    c.LineTo(gridLeft + 7 * m.cellW, headerTop + m.headerH - 1);

    // Six weeks of days.
    const TDateTime first = FirstShownDay();
    const TDateTime today = rtl::Date();
    const bool focused = Focused() || Parent() == nullptr || !Parent()->Focused();
    for (int i = 0; i < 42; ++i) {
        const TDateTime day = first + i;
        TRect r = DayRect(day);
        int y = 0, mo = 0, d = 0;
        rtl::DecodeDate(day, y, mo, d);
        const bool selected = day == date_;
        const bool outside = (minDate_ != 0 && day < wholeDay(minDate_)) || (maxDate_ != 0 && day > wholeDay(maxDate_));
        if (selected) {
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(focused ? clHighlight : clBtnFace);
            c.FillRect(r);
            c.Brush()->SetStyle(TBrushStyle::bsClear);
        }
        c.Font()->SetColor(selected && focused         ? clHighlightText
                           : (mo != month_ || outside) ? clGrayText
                                                       : clWindowText);
        c.DrawText(std::to_string(d), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (day == today && showTodayCircle_) {
            c.Pen()->SetColor(clRed);
            c.Rectangle(r.Inflate(-1, 0));
        }
        if (i % 7 == 0 && weekNumbers_) {
            c.Font()->SetColor(clGrayText);
            TRect w = Bounds(m.margin, r.Top, m.weekW - 2, m.cellH);
            c.DrawText(std::to_string(isoWeek(day + 1)), w, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    if (weekNumbers_) {
        c.Pen()->SetColor(clGrayText);
        c.MoveTo(gridLeft - 1, headerTop + m.headerH);
        c.LineTo(gridLeft - 1, headerTop + m.headerH + 6 * m.cellH);
    }

    // Today's line.
    if (showToday_) {
        TRect r = TodayRect();
        int x = r.Left + 4;
        if (showTodayCircle_) {
            c.Pen()->SetColor(clRed);
            c.Rectangle(Bounds(x, r.Top + 3, 16, r.Height() - 6));
            x += 22;
        }
        c.Font()->SetColor(clWindowText);
        c.Font()->SetStyle(fsBold);
        TRect text(x, r.Top, r.Right, r.Bottom);
        c.DrawText("Today: " + rtl::DateToStr(today), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        c.Font()->SetStyle(0);
    }
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
}

}  // namespace ui
