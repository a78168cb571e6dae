#pragma once
// The month calendar: one month's days in six week rows under the month's name, with arrows to
// the previous and next month, the day names above the days, today ringed and named on a line
// below, and week numbers on request. Arrows, Page Up/Page Down and clicks move the selected
// day (OnChange); a click on a day or on the today line, or Enter, picks it (OnSelect). The
// date-time picker drops it down in a popup window. Weeks start on Sunday; names come from the
// regional settings, today from the clock (rtl::Date).
#include "platform/rtl/DateTime.h"
#include "platform/ui/Controls.h"

namespace ui {

class TMonthCalendar : public TCustomControl {
public:
    explicit TMonthCalendar(TComponent* AOwner);
    ~TMonthCalendar() override;

    // The selected day (a whole day); setting it shows its month. Held to MinDate..MaxDate.
    rtl::TDateTime Date() const { return date_; }
    void SetDate(rtl::TDateTime v);
    // Limits (0: none).
    rtl::TDateTime MinDate() const { return minDate_; }
    void SetMinDate(rtl::TDateTime v);
    rtl::TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(rtl::TDateTime v);
    // The month shown.
    int DisplayYear() const { return year_; }
    int DisplayMonth() const { return month_; }

    bool ShowToday() const { return showToday_; }
    void SetShowToday(bool v);
    bool ShowTodayCircle() const { return showTodayCircle_; }
    void SetShowTodayCircle(bool v);
    bool WeekNumbers() const { return weekNumbers_; }
    void SetWeekNumbers(bool v);

    // The smallest size that shows a whole month with the options set.
    TSize MinimumSize();
    // Geometry, in client coordinates: a day of the six rows shown (empty when not shown), the
    // month arrows and the today line.
    TRect DayRect(rtl::TDateTime day);
    TRect PrevButtonRect();
    TRect NextButtonRect();
    TRect TodayRect();
    // The first day of the six rows shown.
    rtl::TDateTime FirstShownDay() const;

    // The keys of the calendar (arrows, Page Up/Page Down, Enter); a key it takes is set to 0.
    // A popup holding the calendar passes its keys here.
    void HandleKey(unsigned& key, TShiftState shift);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

protected:
    void KeyDown(unsigned& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    unsigned WantKeys() const override { return DLGC_WANTARROWS; }
    void Paint() override;
    void FontChanged() override;

private:
    struct Metrics {
        int cellW = 0, cellH = 0, titleH = 0, headerH = 0, todayH = 0, weekW = 0, margin = 4;
    };
    Metrics Measure();
    // Moves the selection (held to the limits); fires OnChange when it moved.
    void MoveTo(rtl::TDateTime day);
    void Pick(rtl::TDateTime day);
    rtl::TDateTime Clamp(rtl::TDateTime v) const;

    rtl::TDateTime date_ = 0;
    rtl::TDateTime minDate_ = 0;
    rtl::TDateTime maxDate_ = 0;
    int year_ = 1899;
    int month_ = 12;
    bool showToday_ = true;
    bool showTodayCircle_ = true;
    bool weekNumbers_ = false;
};

}  // namespace ui
