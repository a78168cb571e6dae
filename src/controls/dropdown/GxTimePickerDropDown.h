#pragma once
// TGxTimePickerDropDown: a time of day in a masked edit (hours, minutes and seconds, or hours and
// minutes), picked on the analog watch in the drop-down window (and optionally a time picker
// control below it), stepped with Up and Down when typing is on. Time, edit text and watch stay in
// step; OnTimeChange reports every change the user makes.
#include <memory>

#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxWatchAppearance.h"
#include "platform/rtl/DateTime.h"

namespace ui {
class TPanel;
class TDateTimePicker;
}  // namespace ui

namespace dropdown {

class TGxWatch;

class TGxTimePickerDropDown : public TGxCustomDropDown {
public:
    explicit TGxTimePickerDropDown(ui::TComponent* AOwner);
    ~TGxTimePickerDropDown() override;

    rtl::TDateTime Time() const { return FTime; }
    // Writes the time into the edit (and the open watch); reports nothing.
    void SetTime(rtl::TDateTime Value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    TWatchAppearance* WatchAppearance() { return FWatchAppearance.get(); }
    void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance->Assign(Value); }
    TWatchSettings* WatchSettings() { return FWatchSettings.get(); }
    void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings->Assign(Value); }
    TGxWatch* Watch() const { return FGxWatch; }
    ui::TDateTimePicker* TimePickerControl() const { return FDateTimePicker; }

    // hh<sep>mm, then <sep>ss with ShowSeconds.
    std::string FormatTimeText(int Hours, int Minutes, int Seconds) const;
    // A part of the time replaced (others kept, the date dropped); reports the change.
    void ChangeHour(int H);
    void ChangeMinute(int M);
    void ChangeSecond(int S);

    void SetComponentStyle(gx::TGxStyle AStyle) override;
    void DoHideDropDown(bool Cancelled) override;

    ui::TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DropDownFormHide() override;
    void DropDownFormKeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void DropDownFormKeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyUp(unsigned& Key, ui::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void Change() override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    void ApplyMask();
    void WatchChanged();
    void TimePickerChange();
    void ReplacePart(int Part, int Value);
    void ReportTime(rtl::TDateTime Value);

    bool FShowTimePicker = false;
    TGxWatch* FGxWatch = nullptr;
    ui::TDateTimePicker* FDateTimePicker = nullptr;
    ui::TPanel* FPanelCtrl = nullptr;
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    rtl::TDateTime FTime = 0;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    bool FInternalCall = false;
    bool FShowSeconds = true;
};

}  // namespace dropdown
