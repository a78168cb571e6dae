#pragma once
// TGxWatch: an analog clock on a round, square or rounded face with marks, numerals, an AM/PM
// label and hour, minute and second hands. In set mode the user sets the time by clicking the dial
// (hours inside, minutes outside the face, AM/PM on the label) or with keys the host passes on;
// hand changes can be animated. OnChange fires once for every change of the time the user makes,
// animated or not. In live mode (Settings.Auto) it shows the current time and ticks by itself.
#include "controls/dropdown/GxWatchAppearance.h"
#include "grid/base/GxStyleIF.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Controls.h"

namespace dropdown {

enum class TWatchStyle {
    wsClassic,
    wsTower,
    wsFluorescent,
    wsEmerald,
    wsBlueStar,
    wsFuchsia,
    wsBlack,
    wsBlackWhite,
    wsGray,
    wsSuperNova,
    wsSports,
    wsSmooth
};

class TGxWatch : public ui::TCustomControl, public gx::IGxStyle {
public:
    explicit TGxWatch(ui::TComponent* AOwner);
    ~TGxWatch() override;

    TWatchAppearance* Appearance() { return &FAppearance; }
    void SetAppearance(const TWatchAppearance& Value) { FAppearance.Assign(Value); }
    TWatchSettings* Settings() { return &FSettings; }
    void SetSettings(const TWatchSettings& Value) { FSettings.Assign(Value); }

    rtl::TDateTime Time() const { return FTime; }
    void SetTime(rtl::TDateTime Value);
    // The time shown: the clock (plus TimeOffset) in live mode, else Time.
    rtl::TDateTime GetCurrentTime() const;
    // Hour 0..23; animated unless Animation is off or the change is internal.
    void SetHour(int H);
    // Minute 0..59 (60 and more raise "Invalid time"); 0 reached from above 30 advances the hour.
    void SetMinute(int M);
    bool AM() const { return FAM; }

    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    bool Animating() const { return FAnimationRunning; }
    TWatchStyle Style() const { return FStyle; }
    // A complete look preset; the same style again changes nothing.
    void SetStyle(TWatchStyle Value);
    // Recolours the watch to one of the shared look presets.
    void SetComponentStyle(gx::TGxStyle AStyle) override;

    // Keys of the time picker's drop-down: A, P, Page Up/Down, Home, End, Left, Right.
    void HandleWatchKey(unsigned Key);

    // Geometry of the face.
    ui::TRect GetFaceRect() const;
    ui::TPoint GetFaceCenter() const;
    double GetFaceRadius() const;
    ui::TRect GetAMPMRect();
    // The point at k radii from the centre at angle alpha (degrees clockwise from 12 o'clock).
    ui::TPoint DialPoint(double K, double Alpha) const;
    int MinuteAtPoint(int X, int Y) const;
    int HourAtPoint(int X, int Y) const;
    // One step of a running hand animation (the animation timer's work).
    void AnimationStep();

    ui::TNotifyEvent OnChange;

    void WndProc(ui::TMessage& Message) override;

protected:
    void Paint() override;
    void ClientSizeChanged(int OldClientWidth, int OldClientHeight) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    unsigned WantKeys() const override;

private:
    void SetTimeInternal(rtl::TDateTime Value);
    void SetAM(bool Value, bool Roll);
    void UpdateHands();
    void SettingsChanged();
    void StartAnimation();
    void StopAnimation();
    void DoChange();
    // Drawing (GxWatchPaint.cpp).
    void PaintFace(ui::TCanvas& Canvas);
    void DrawBackground(ui::TCanvas& Canvas, const ui::TRect& Client);
    void DrawTicks(ui::TCanvas& Canvas);
    void DrawNumbers(ui::TCanvas& Canvas);
    void DrawAMPM(ui::TCanvas& Canvas, int RollOffset);
    void DrawHands(ui::TCanvas& Canvas);
    void RollAMPM();
    void ApplyStyle(TWatchStyle Value);

    TWatchAppearance FAppearance;
    TWatchSettings FSettings;
    rtl::TDateTime FTime = 0;
    ui::TBitmap FBKGCache;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    int FCurrentHourTo = 0;
    int FCurrentMinuteTo = 0;
    int FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FAnimationStepping = false;  // an intermediate animation step: not a completed change
    bool FAnimationRunning = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    bool FInternalSet = false;
    bool FLiveTimer = false;
    int FRollOffset = -1;  // while the AM/PM label rolls: pixels moved, else -1
    TWatchStyle FStyle = TWatchStyle::wsClassic;
};

// The colour preset of a shared look for a watch appearance (fonts, frame and hand colours).
void ApplyWatchColorPreset(TWatchAppearance& Appearance, gx::TGxStyle AStyle);

}  // namespace dropdown
