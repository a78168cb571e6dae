#include "controls/dropdown/GxWatch.h"

#include <algorithm>
#include <cmath>

#include "controls/dropdown/GxDropDownDraw.h"
#include "platform/rtl/Exceptions.h"

namespace dropdown {

using namespace ui;

namespace {

constexpr unsigned kLiveTimer = 1;       // 100 ms: the hands follow the clock
constexpr unsigned kAnimationTimer = 2;  // 1 ms: one step of a hand animation
constexpr double kPi = 3.14159265358979323846;

struct TimeParts {
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
};

TimeParts Decompose(rtl::TDateTime t)
{
    TimeParts p;
    rtl::DecodeTime(t, p.Hour, p.Minute, p.Second, p.MSec);
    return p;
}

// t with its time of day replaced, the date part kept.
rtl::TDateTime WithTime(rtl::TDateTime t, int h, int m, int s, int ms)
{
    return std::floor(t) + rtl::EncodeTime(h, m, s, ms);
}

}  // namespace

TGxWatch::TGxWatch(TComponent* AOwner) : TCustomControl(AOwner)
{
    FAppearance.OnChange = [this](TObject*) { Invalidate(); };
    FSettings.OnChange = [this](TObject*) { SettingsChanged(); };
    SetBounds(Left(), Top(), 180, 180);
    FBKGCache.SetSize(180, 180);
}

TGxWatch::~TGxWatch()
{
    MarkDestroying();
    FAppearance.OnChange = nullptr;
    FSettings.OnChange = nullptr;
    StopAnimation();
    if (FLiveTimer)
        KillTimer(kLiveTimer);
}

unsigned TGxWatch::WantKeys() const
{
    return TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0;
}

void TGxWatch::DoChange()
{
    if (OnChange)
        OnChange(this);
}

rtl::TDateTime TGxWatch::GetCurrentTime() const
{
    if (FSettings.Auto())
        return rtl::Now() + FSettings.TimeOffset() / 1440.0;
    return FTime;
}

void TGxWatch::SetTimeInternal(rtl::TDateTime Value)
{
    if (Value == FTime)
        return;
    FTime = Value;
    FInternalSet = true;
    SetAM(Decompose(Value).Hour < 12, false);
    FInternalSet = false;
}

void TGxWatch::SetTime(rtl::TDateTime Value)
{
    if (Value == FTime)
        return;
    SetTimeInternal(Value);
    UpdateHands();
}

void TGxWatch::UpdateHands()
{
    Invalidate();
}

namespace {

// Whether a change of a hand runs as an animation.
bool Animates(const TGxWatch& w, bool internalCall)
{
    return w.Animation() && !internalCall && !w.Loading() && !(w.ComponentState() & csDesigning);
}

}  // namespace

void TGxWatch::SetHour(int H)
{
    const TimeParts t = Decompose(GetCurrentTime());
    if (H == t.Hour)
        return;
    if (Animates(*this, FInternalCall)) {
        FCurrentHourTo = H;
        FHourAnimating = true;
        StartAnimation();
        return;
    }
    SetTimeInternal(WithTime(GetCurrentTime(), H, t.Minute, t.Second, t.MSec));
    UpdateHands();
    // Every completed change is reported; the steps of an animation on its way are not.
    if (!FAnimationStepping)
        DoChange();
}

void TGxWatch::SetMinute(int M)
{
    if (M >= 60)
        throw rtl::Exception("Invalid time");
    const TimeParts t = Decompose(GetCurrentTime());
    if (M == t.Minute)
        return;
    if (Animates(*this, FInternalCall)) {
        FCurrentMinuteTo = M;
        FHourAnimating = false;
        FMinuteFrom = t.Minute;
        StartAnimation();
        return;
    }
    if (!FAnimation)
        FMinuteFrom = t.Minute;
    int hour = t.Hour;
    if (M == 0 && FMinuteFrom > 30) {
        // The hand passed 12 going forward.
        hour = (hour + 1) % 24;
        FMinuteFrom = 0;
    }
    SetTimeInternal(WithTime(GetCurrentTime(), hour, M, t.Second, t.MSec));
    UpdateHands();
    if (!FAnimationStepping)
        DoChange();
}

void TGxWatch::StartAnimation()
{
    if (!FAnimationRunning) {
        SetTimer(kAnimationTimer, 1);
        FAnimationRunning = true;
    }
}

void TGxWatch::StopAnimation()
{
    if (FAnimationRunning) {
        KillTimer(kAnimationTimer);
        FAnimationRunning = false;
    }
}

void TGxWatch::AnimationStep()
{
    if (!FAnimation || Loading() || (ComponentState() & csDesigning)) {
        StopAnimation();
        return;
    }
    const TimeParts t = Decompose(GetCurrentTime());
    const double factor = FAnimationFactor > 0 ? FAnimationFactor : 1;
    const bool saved = FInternalCall;
    FInternalCall = true;
    if (FHourAnimating) {
        const int target = FCurrentHourTo;
        if (t.Hour == target) {
            SetHour(target);
            StopAnimation();
        } else {
            const int step = std::max(1, RoundEven(std::abs(target - t.Hour) / factor));
            int next = t.Hour < target ? std::min(target, t.Hour + step) : std::max(target, t.Hour - step);
            FAnimationStepping = next != target;
            SetHour(next);
            FAnimationStepping = false;
        }
    } else {
        const int target = FCurrentMinuteTo;
        if (t.Minute == target) {
            SetMinute(target);
            StopAnimation();
        } else {
            const bool wrapping = target == 0 && t.Minute > 30;
            const int distance = wrapping ? 60 - t.Minute : std::abs(target - t.Minute);
            const int step = std::max(1, RoundEven(distance / factor));
            int next;
            if (wrapping) {
                next = t.Minute + step;
                if (next >= 60)
                    next = 0;
            } else if (t.Minute < target) {
                next = std::min(target, t.Minute + step);
            } else {
                next = std::max(target, t.Minute - step);
            }
            FAnimationStepping = next != target;
            SetMinute(next);
            FAnimationStepping = false;
        }
    }
    FInternalCall = saved;
}

void TGxWatch::SetShowAMPM(bool Value)
{
    if (FShowAMPM == Value)
        return;
    FShowAMPM = Value;
    Invalidate();
}

void TGxWatch::SetShowNumbers(bool Value)
{
    if (FShowNumbers == Value)
        return;
    FShowNumbers = Value;
    Invalidate();
}

void TGxWatch::SettingsChanged()
{
    if (FSettings.Auto() != FLiveTimer) {
        if (FSettings.Auto())
            SetTimer(kLiveTimer, 100);
        else
            KillTimer(kLiveTimer);
        FLiveTimer = FSettings.Auto();
    }
    if (FSettings.Auto()) {
        FTime = GetCurrentTime();
        FInternalSet = true;
        SetAM(Decompose(FTime).Hour < 12, false);
        FInternalSet = false;
    }
    Invalidate();
}

void TGxWatch::SetAM(bool Value, bool Roll)
{
    if (FAM == Value)
        return;
    FAM = Value;
    if (Roll && FAnimation && FShowAMPM && FAppearance.AMPMColor != clNone && !FInternalSet)
        RollAMPM();
    Invalidate();
}

void TGxWatch::HandleWatchKey(unsigned Key)
{
    if (FSettings.Auto())
        return;
    const TimeParts t = Decompose(GetCurrentTime());
    const bool saved = FInternalCall;
    switch (Key) {
    case 'A':
        if (t.Hour >= 12)
            SetHour(t.Hour - 12);
        break;
    case 'P':
        if (t.Hour < 12)
            SetHour(t.Hour + 12);
        break;
    case VK_PRIOR:
        if (t.Hour == 23) {
            FInternalCall = true;
            SetHour(0);
        } else {
            SetHour(t.Hour + 1);
        }
        break;
    case VK_NEXT:
        if (t.Hour == 0) {
            FInternalCall = true;
            SetHour(23);
        } else {
            SetHour(t.Hour - 1);
        }
        break;
    case VK_HOME:
        FInternalCall = true;
        SetHour(12);
        break;
    case VK_END:
        SetMinute(0);
        break;
    case VK_LEFT:
        if (t.Minute == 0) {
            SetTime(WithTime(GetCurrentTime(), t.Hour == 0 ? 23 : t.Hour - 1, 59, t.Second, t.MSec));
            DoChange();
        } else {
            SetMinute(t.Minute - 1);
        }
        break;
    case VK_RIGHT:
        SetMinute(t.Minute == 59 ? 0 : t.Minute + 1);
        break;
    default:
        break;
    }
    FInternalCall = saved;
}

TRect TGxWatch::GetFaceRect() const
{
    const TRect c = ClientRect();
    const int w = c.Width(), h = c.Height();
    const int s = FAppearance.Size() <= 0 ? std::min(w, h) - 20 : std::min({FAppearance.Size(), w, h});
    return Bounds(c.Left + (w - s) / 2, c.Top + (h - s) / 2, s, s);
}

TPoint TGxWatch::GetFaceCenter() const
{
    const TRect f = GetFaceRect();
    return {f.Left + f.Width() / 2, f.Top + f.Height() / 2};
}

double TGxWatch::GetFaceRadius() const
{
    return GetFaceRect().Width() / 2;
}

TPoint TGxWatch::DialPoint(double K, double Alpha) const
{
    const TPoint c = GetFaceCenter();
    const double r = GetFaceRadius();
    const double a = Alpha * kPi / 180.0;
    return {RoundEven(c.X + K * r * std::sin(a)), RoundEven(c.Y - K * r * std::cos(a))};
}

int TGxWatch::MinuteAtPoint(int X, int Y) const
{
    const TPoint c = GetFaceCenter();
    int dx = std::abs(c.X - X), dy = std::abs(c.Y - Y);
    if (dx == 0)
        dx = 1;
    if (dy == 0)
        dy = 1;
    const int a = RoundEven(std::atan(static_cast<double>(dy) / dx) * 180.0 / kPi / 6.0);
    int m;
    if (X >= c.X && Y >= c.Y)
        m = a + 15;
    else if (X <= c.X && Y >= c.Y)
        m = 45 - a;
    else if (X <= c.X && Y <= c.Y)
        m = a + 45;
    else
        m = 15 - a;
    return (m < 0 || m >= 60) ? 0 : m;
}

int TGxWatch::HourAtPoint(int X, int Y) const
{
    const int c = RoundEven(MinuteAtPoint(X, Y) / 5.0);
    if (c <= 0)
        return FAM ? 0 : 12;
    if (FAM)
        return c;
    return c + 12 == 24 ? 0 : c + 12;
}

void TGxWatch::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(FShowAMPM && GetAMPMRect().Contains({X, Y}) ? crHandPoint : crDefault);
}

void TGxWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings.Auto())
        return;
    const TRect face = GetFaceRect();
    // The face is an ellipse inscribed in its rectangle.
    const double rx = face.Width() / 2.0, ry = face.Height() / 2.0;
    const double nx = (X + 0.5 - (face.Left + rx)) / rx, ny = (Y + 0.5 - (face.Top + ry)) / ry;
    const bool inside = rx > 0 && ry > 0 && nx * nx + ny * ny <= 1.0;
    if (!inside) {
        SetMinute(MinuteAtPoint(X, Y));
        return;
    }
    if (FShowAMPM && GetAMPMRect().Contains({X, Y})) {
        if (FAnimation)
            SetAM(!FAM, true);
        const int hour = Decompose(GetCurrentTime()).Hour;
        const bool saved = FInternalCall;
        FInternalCall = true;
        FCurrentHourTo = hour < 12 ? hour + 12 : hour - 12;
        SetHour(FCurrentHourTo);
        FInternalCall = saved;
        return;
    }
    SetHour(HourAtPoint(X, Y));
}

void TGxWatch::ClientSizeChanged(int OldClientWidth, int OldClientHeight)
{
    TCustomControl::ClientSizeChanged(OldClientWidth, OldClientHeight);
    FBKGCache.SetSize(std::max(0, ClientWidth()), std::max(0, ClientHeight()));
}

void TGxWatch::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_TIMER) {
        if (Message.WParam == kAnimationTimer) {
            AnimationStep();
            return;
        }
        if (Message.WParam == kLiveTimer) {
            UpdateHands();
            return;
        }
    }
    TCustomControl::WndProc(Message);
}

}  // namespace dropdown
