#pragma once
// The date-time picker: a date or a time shown in fields (day, month, year; hours, minutes,
// seconds, AM/PM) after a format. Left and Right move between the fields, Up and Down step the
// active one, digits type into it; a date picker drops a month calendar down in a popup window
// (its button, F4 or Alt+Down) or shows up/down buttons instead. An optional check box says
// whether a value is set at all. Changes made by the user are reported through the parent as
// DTN_DATETIMECHANGE (OnChange); the calendar's opening and closing as DTN_DROPDOWN
// (OnDropDown) and DTN_CLOSEUP (OnCloseUp). Names, separators and default formats come from the
// regional settings.
#include <string>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/ui/Controls.h"

namespace ui {

class TMonthCalendar;
class TPopupWindow;

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateMode { dmComboBox, dmUpDown };
enum class TDTDateFormat { dfShort, dfLong };
// The kinds of the fields a format makes.
enum class TDTField { dtfNone, dtfDay, dtfDayName, dtfMonth, dtfYear, dtfHour, dtfMinute, dtfSecond, dtfAmPm };

// Notifications of the picker (WM_COMMAND codes to the parent).
constexpr unsigned DTN_DATETIMECHANGE = 0x0761;
constexpr unsigned DTN_DROPDOWN = 0x0762;
constexpr unsigned DTN_CLOSEUP = 0x0763;
// Sets the value from code: WParam GDT_VALID with LParam pointing to the rtl::TDateTime, or
// GDT_NONE to clear the check box. No change notification follows.
constexpr unsigned DTM_SETSYSTEMTIME = 0x1002;
constexpr unsigned GDT_VALID = 0;
constexpr unsigned GDT_NONE = 1;

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind v);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode v);
    TDTDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TDTDateFormat v);
    // The field picture ("dd/MM/yyyy", "HH:mm"); empty: the regional short date (long date with
    // dfLong) or long time format. "/" and ":" stand for the regional separators; text in quotes
    // is shown as it is.
    const std::string& Format() const { return format_; }
    void SetFormat(const std::string& v);

    rtl::TDateTime DateTime() const { return value_; }
    void SetDateTime(rtl::TDateTime v);
    // The date part (whole days) and the time part (the fraction).
    rtl::TDateTime Date() const;
    void SetDate(rtl::TDateTime v);
    rtl::TDateTime Time() const;
    void SetTime(rtl::TDateTime v);
    // Limits of the value (0: none).
    rtl::TDateTime MinDate() const { return minDate_; }
    void SetMinDate(rtl::TDateTime v);
    rtl::TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(rtl::TDateTime v);

    bool ShowCheckbox() const { return showCheckbox_; }
    void SetShowCheckbox(bool v);
    // Whether a value is set (always with the check box hidden).
    bool Checked() const { return checked_; }
    void SetChecked(bool v);

    // Sunken three-dimensional border when on, a one-pixel frame when off.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);

    // The calendar drop-down (date kind with dmComboBox).
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool v);
    // The calendar and its popup while it is open (kept for the next opening), else nullptr.
    TMonthCalendar* Calendar() const { return droppedDown_ ? calendar_ : nullptr; }
    TPopupWindow* CalendarPopup() const { return droppedDown_ ? popup_ : nullptr; }

    // Fields: the active one, its kind, and where each is drawn (client coordinates).
    TDTField ActiveField() const;
    int ActiveFieldIndex() const { return active_; }
    int FieldCount() const { return static_cast<int>(segments_.size()); }
    TDTField FieldKind(int index) const;
    TRect FieldRect(int index);
    // The drop-down button or the up/down buttons; the check box (empty when hidden).
    TRect ButtonRect() const;
    TRect CheckboxRect() const;
    static constexpr int ButtonWidth = ScrollBarSize;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    TPoint ClientOrigin() const override;
    void PaintControl(TCanvas& canvas) override;
    void WndProc(TMessage& message) override;

protected:
    // Keys reach KeyDown / KeyPress (OnKeyDown / OnKeyPress) first; what they leave (a key not
    // set to 0) the picker handles itself afterwards, as a native picker does.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    unsigned WantKeys() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void FocusOut() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    // Applies a value set from code (DTM_SETSYSTEMTIME): valid sets it (and ticks the check box),
    // not valid clears the check box.
    virtual void ApplySystemTime(bool valid, rtl::TDateTime value);
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp();

private:
    struct Segment {
        TDTField field = TDTField::dtfNone;
        int width = 0;        // letters in the picture (dd: 2)
        std::string literal;  // the text of a literal
        bool twelveHour = false;
        bool lowerAmPm = false;
    };
    void ControlKey(unsigned& key, TShiftState shift);
    void ControlChar(char32_t& key);
    void Parse();
    std::string SegmentText(const Segment& s) const;
    void UpdateText();
    bool Editable(int index) const;
    void MoveField(int step);
    void StepField(int step);
    void TypeDigit(int digit);
    void TypeAmPm(bool pm);
    // Sets a value the user chose: held to the limits, shown, DTN_DATETIMECHANGE when it moved.
    void UserValue(rtl::TDateTime v);
    void UserChecked(bool v);
    rtl::TDateTime Clamp(rtl::TDateTime v) const;
    void OpenCalendar();

    TDateTimeKind kind_ = TDateTimeKind::dtkDate;
    TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
    TDTDateFormat dateFormat_ = TDTDateFormat::dfShort;
    std::string format_;
    rtl::TDateTime value_ = 0;
    rtl::TDateTime minDate_ = 0;
    rtl::TDateTime maxDate_ = 0;
    bool showCheckbox_ = false;
    bool checked_ = true;
    bool ctl3D_ = true;
    bool droppedDown_ = false;
    std::vector<Segment> segments_;
    int active_ = -1;
    std::string typed_;  // digits typed into the active field so far
    TPopupWindow* popup_ = nullptr;
    TMonthCalendar* calendar_ = nullptr;
};

}  // namespace ui
