// The date-time picker: value, keys, mouse, the calendar drop-down and painting.
#include "platform/ui/DateTimePicker.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/MonthCalendar.h"
#include "platform/ui/PopupWindow.h"

namespace ui {

using rtl::TDateTime;

namespace {

constexpr int kCheckboxSize = 13;

// The calendar's popup: keys typed on the picker's form reach it first; the calendar takes the
// arrows, Page Up/Page Down and Enter, F4 and Alt+Up/Alt+Down close it, Escape too.
class TCalendarDropDown : public TPopupWindow {
public:
    explicit TCalendarDropDown(TComponent* AOwner) : TPopupWindow(AOwner)
    {
        calendar = new TMonthCalendar(this);
        calendar->SetParent(this);
        calendar->SetTabStop(false);
    }
    TMonthCalendar* calendar;

protected:
    void KeyDown(unsigned& key, TShiftState shift) override
    {
        TPopupWindow::KeyDown(key, shift);
        if (key == 0)
            return;
        if (key == VK_F4 || ((shift & ssAlt) && (key == VK_UP || key == VK_DOWN))) {
            key = 0;
            ClosePopup(TPopupCloseReason::pcrCancel);
            return;
        }
        calendar->HandleKey(key, shift);
    }
};

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    SetDefaultColor(clWindow);
    TControl::SetBounds(0, 0, 186, 21);
    value_ = rtl::Now();
    value_ = std::floor(value_) + std::round((value_ - std::floor(value_)) * 86400.0) / 86400.0;
    Parse();
}

TDateTimePicker::~TDateTimePicker()
{
    MarkDestroying();
}

// ---------------------------------------------------------------------------------------------
// Value

TDateTime TDateTimePicker::Clamp(TDateTime v) const
{
    if (minDate_ != 0 && v < minDate_)
        v = minDate_;
    if (maxDate_ != 0 && v > maxDate_)
        v = maxDate_;
    return v;
}

void TDateTimePicker::SetDateTime(TDateTime v)
{
    Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<std::intptr_t>(&v));
}

TDateTime TDateTimePicker::Date() const
{
    return std::floor(value_);
}

void TDateTimePicker::SetDate(TDateTime v)
{
    SetDateTime(std::floor(v) + Time());
}

TDateTime TDateTimePicker::Time() const
{
    return value_ - std::floor(value_);
}

void TDateTimePicker::SetTime(TDateTime v)
{
    SetDateTime(Date() + (v - std::floor(v)));
}

void TDateTimePicker::SetMinDate(TDateTime v)
{
    minDate_ = v;
    value_ = Clamp(value_);
    UpdateText();
}

void TDateTimePicker::SetMaxDate(TDateTime v)
{
    maxDate_ = v;
    value_ = Clamp(value_);
    UpdateText();
}

void TDateTimePicker::ApplySystemTime(bool valid, TDateTime value)
{
    if (valid) {
        value_ = Clamp(value);
        checked_ = true;
    } else {
        checked_ = false;
    }
    typed_.clear();
    UpdateText();
}

void TDateTimePicker::SetChecked(bool v)
{
    if (v == checked_)
        return;
    if (v)
        Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<std::intptr_t>(&value_));
    else
        Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

void TDateTimePicker::UserValue(TDateTime v)
{
    v = Clamp(v);
    if (v == value_ && checked_)
        return;
    value_ = v;
    checked_ = true;
    UpdateText();
    NotifyParent(this, DTN_DATETIMECHANGE);
}

void TDateTimePicker::UserChecked(bool v)
{
    if (v == checked_)
        return;
    checked_ = v;
    Invalidate();
    NotifyParent(this, DTN_DATETIMECHANGE);
}

void TDateTimePicker::SetShowCheckbox(bool v)
{
    showCheckbox_ = v;
    if (!v)
        checked_ = true;
    Invalidate();
}

void TDateTimePicker::SetKind(TDateTimeKind v)
{
    if (v == kind_)
        return;
    SetDroppedDown(false);
    kind_ = v;
    active_ = -1;
    Parse();
}

void TDateTimePicker::SetDateMode(TDTDateMode v)
{
    SetDroppedDown(false);
    dateMode_ = v;
    Invalidate();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat v)
{
    dateFormat_ = v;
    active_ = -1;
    Parse();
}

void TDateTimePicker::SetFormat(const std::string& v)
{
    if (v == format_)
        return;
    format_ = v;
    active_ = -1;
    Parse();
}

void TDateTimePicker::SetCtl3D(bool v)
{
    ctl3D_ = v;
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Messages, keys and mouse

void TDateTimePicker::WndProc(TMessage& message)
{
    if (message.Msg == DTM_SETSYSTEMTIME) {
        const auto* v = reinterpret_cast<const TDateTime*>(message.LParam);
        ApplySystemTime(message.WParam == GDT_VALID && v, v ? *v : value_);
        message.Result = 1;
        return;
    }
    if (message.Msg == WM_KEYDOWN || message.Msg == WM_CHAR) {
        TWinControl::WndProc(message);
        if (message.WParam == 0)
            return;
        if (message.Msg == WM_KEYDOWN) {
            auto key = static_cast<unsigned>(message.WParam);
            ControlKey(key, KeyboardShiftState());
            message.WParam = key;
        } else {
            auto ch = static_cast<char32_t>(message.WParam);
            ControlChar(ch);
            message.WParam = ch;
        }
        message.Result = message.WParam == 0 ? 1 : 0;
        return;
    }
    if (message.Msg == CN_COMMAND) {
        switch (HiWord(message.WParam)) {
        case DTN_DATETIMECHANGE:
            Change();
            return;
        case DTN_DROPDOWN:
            DropDown();
            return;
        case DTN_CLOSEUP:
            CloseUp();
            return;
        default:
            break;
        }
    }
    TWinControl::WndProc(message);
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TDateTimePicker::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TDateTimePicker::ControlKey(unsigned& key, TShiftState shift)
{
    const bool calendar = kind_ == TDateTimeKind::dtkDate && dateMode_ == TDTDateMode::dmComboBox;
    switch (key) {
    case VK_LEFT:
        MoveField(-1);
        break;
    case VK_RIGHT:
        MoveField(+1);
        break;
    case VK_UP:
    case VK_DOWN:
        if ((shift & ssAlt) && calendar)
            SetDroppedDown(!droppedDown_);
        else if (checked_)
            StepField(key == VK_UP ? +1 : -1);
        break;
    case VK_F4:
        if (calendar && !(shift & (ssAlt | ssCtrl)))
            SetDroppedDown(!droppedDown_);
        break;
    default:
        return;
    }
    key = 0;
}

void TDateTimePicker::ControlChar(char32_t& key)
{
    if (key == U' ' && showCheckbox_) {
        UserChecked(!checked_);
        key = 0;
        return;
    }
    if (!checked_)
        return;
    if (key >= U'0' && key <= U'9') {
        TypeDigit(static_cast<int>(key - U'0'));
        key = 0;
    } else if (ActiveField() == TDTField::dtfAmPm && (key == U'a' || key == U'A' || key == U'p' || key == U'P')) {
        TypeAmPm(key == U'p' || key == U'P');
        key = 0;
    }
}

void TDateTimePicker::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && CanFocus() && !Focused())
        SetFocus();
    TWinControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    const TPoint p{x, y};
    if (CheckboxRect().Contains(p)) {
        UserChecked(!checked_);
        return;
    }
    const TRect button_ = ButtonRect();
    if (button_.Contains(p)) {
        if (kind_ == TDateTimeKind::dtkDate && dateMode_ == TDTDateMode::dmComboBox) {
            SetDroppedDown(!droppedDown_);
        } else if (checked_) {
            StepField(y < (button_.Top + button_.Bottom) / 2 ? +1 : -1);
        }
        return;
    }
    for (int i = 0; i < FieldCount(); ++i) {
        if (Editable(i) && FieldRect(i).Contains(p)) {
            active_ = i;
            typed_.clear();
            Invalidate();
            return;
        }
    }
}

void TDateTimePicker::FocusOut()
{
    TWinControl::FocusOut();
    typed_.clear();
}

void TDateTimePicker::VisibleChanged()
{
    TWinControl::VisibleChanged();
    if (!Visible())
        SetDroppedDown(false);
}

void TDateTimePicker::EnabledChanged()
{
    TWinControl::EnabledChanged();
    if (!Enabled())
        SetDroppedDown(false);
    Invalidate();
}

void TDateTimePicker::FontChanged()
{
    TWinControl::FontChanged();
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// The calendar drop-down

void TDateTimePicker::OpenCalendar()
{
    if (!popup_) {
        auto* dropDown = new TCalendarDropDown(this);
        popup_ = dropDown;
        calendar_ = dropDown->calendar;
        calendar_->OnChange = [this](TObject*) { UserValue(calendar_->Date() + Time()); };
        calendar_->OnSelect = [this](TObject*) {
            UserValue(calendar_->Date() + Time());
            popup_->ClosePopup(TPopupCloseReason::pcrSelect);
        };
        popup_->OnClosePopup = [this](TObject*, TPopupCloseReason) {
            if (!droppedDown_)
                return;
            droppedDown_ = false;
            Invalidate();
            NotifyParent(this, DTN_CLOSEUP);
        };
    }
    calendar_->Font()->Assign(*Font());
    calendar_->SetMinDate(minDate_);
    calendar_->SetMaxDate(maxDate_);
    calendar_->SetDate(value_);
    const TSize size = calendar_->MinimumSize();
    calendar_->SetBounds(0, 0, size.cx, size.cy);
    // The handler may set the calendar's options and size before it shows.
    NotifyParent(this, DTN_DROPDOWN);
    if (!droppedDown_)
        return;
    popup_->SetBounds(0, 0, calendar_->Width() + 2, calendar_->Height() + 2);
    popup_->Popup(this);
}

void TDateTimePicker::SetDroppedDown(bool v)
{
    if (v == droppedDown_)
        return;
    if (v) {
        if (kind_ != TDateTimeKind::dtkDate || dateMode_ != TDTDateMode::dmComboBox || !Enabled())
            return;
        droppedDown_ = true;
        typed_.clear();
        Invalidate();
        OpenCalendar();
        return;
    }
    if (popup_ && popup_->IsOpen())
        popup_->ClosePopup(TPopupCloseReason::pcrCancel);
    else {
        droppedDown_ = false;
        Invalidate();
        NotifyParent(this, DTN_CLOSEUP);
    }
}

// ---------------------------------------------------------------------------------------------
// Geometry and painting

TPoint TDateTimePicker::ClientOrigin() const
{
    const int b = ctl3D_ ? 2 : 1;
    return {b, b};
}

TRect TDateTimePicker::CheckboxRect() const
{
    if (!showCheckbox_)
        return {};
    const TRect c = ClientRect();
    return Bounds(2, (c.Height() - kCheckboxSize) / 2, kCheckboxSize, kCheckboxSize);
}

TRect TDateTimePicker::ButtonRect() const
{
    const TRect c = ClientRect();
    const int w =
        kind_ == TDateTimeKind::dtkDate && dateMode_ == TDTDateMode::dmComboBox ? ButtonWidth : ButtonWidth - 1;
    return TRect(std::max(0, c.Right - w), 0, c.Right, c.Bottom);
}

TRect TDateTimePicker::FieldRect(int index)
{
    if (index < 0 || index >= FieldCount())
        return {};
    TCanvas measure;
    measure.Font()->Assign(*Font());
    int x = showCheckbox_ ? CheckboxRect().Right + 4 : 2;
    for (int i = 0; i < index; ++i)
        x += measure.TextWidth(SegmentText(segments_[static_cast<std::size_t>(i)]));
    const int w = measure.TextWidth(SegmentText(segments_[static_cast<std::size_t>(index)]));
    const int h = measure.TextHeight("0");
    const TRect c = ClientRect();
    const int top = (c.Height() - h) / 2;
    return TRect(x, top, x + w, top + h);
}

void TDateTimePicker::PaintControl(TCanvas& canvas)
{
    TRect whole(0, 0, Width(), Height());
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(whole);
    if (ctl3D_) {
        TRect edge = whole;
        canvas.DrawEdge(edge, EDGE_SUNKEN, BF_RECT);
    } else {
        canvas.Brush()->SetColor(clWindowFrame);
        canvas.FrameRect(whole);
    }
    // The parts lie in client coordinates.
    const TPoint o = ClientOrigin();
    auto at = [&](const TRect& r) { return r.Offset(o.X, o.Y); };

    if (showCheckbox_)
        canvas.DrawThemedPart(TThemedPart::CheckBox, (checked_ ? tsChecked : 0u) | (Enabled() ? 0u : tsDisabled),
                              at(CheckboxRect()));
    canvas.Font()->Assign(*Font());
    const bool grey = !Enabled() || (showCheckbox_ && !checked_);
    const bool showActive = Focused() && !droppedDown_ && !grey;
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    for (int i = 0; i < FieldCount(); ++i) {
        const TRect r = at(FieldRect(i));
        const bool active = showActive && i == active_;
        if (active) {
            canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
            canvas.Brush()->SetColor(clHighlight);
            canvas.FillRect(r);
            canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        }
        canvas.Font()->SetColor(grey ? clGrayText : active ? clHighlightText : Font()->Color());
        canvas.TextOut(r.Left, r.Top, SegmentText(segments_[static_cast<std::size_t>(i)]));
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);

    const TRect b = at(ButtonRect());
    const unsigned disabled = Enabled() ? 0u : tsDisabled;
    if (kind_ == TDateTimeKind::dtkDate && dateMode_ == TDTDateMode::dmComboBox) {
        canvas.DrawThemedPart(TThemedPart::ComboButton, (droppedDown_ ? tsPressed : tsNormal) | disabled, b);
    } else {
        const int mid = (b.Top + b.Bottom) / 2;
        canvas.DrawThemedPart(TThemedPart::SpinUp, disabled, TRect(b.Left, b.Top, b.Right, mid));
        canvas.DrawThemedPart(TThemedPart::SpinDown, disabled, TRect(b.Left, mid, b.Right, b.Bottom));
    }
}

}  // namespace ui
