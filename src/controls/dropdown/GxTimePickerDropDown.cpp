#include "controls/dropdown/GxTimePickerDropDown.h"

#include <cmath>

#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxWatch.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/ExtCtrls.h"

namespace dropdown {

using namespace ui;

namespace {

std::string TwoDigits(int n)
{
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

struct Parts {
    int H = 0, M = 0, S = 0, MS = 0;
};

Parts Decompose(rtl::TDateTime t)
{
    Parts p;
    rtl::DecodeTime(t, p.H, p.M, p.S, p.MS);
    return p;
}

bool IsTwoDigitField(const std::string& s)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return (s.size() < 1 || digit(s[0])) && (s.size() < 2 || digit(s[1]));
}

int FieldValue(const std::string& s)
{
    int v = 0;
    for (const char c : s)
        if (c >= '0' && c <= '9')
            v = v * 10 + (c - '0');
    return v;
}

// The four keys that step the open watch's hours and the edit's fields alike.
bool IsStepKey(unsigned key)
{
    return key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN;
}

}  // namespace

TGxTimePickerDropDown::TGxTimePickerDropDown(TComponent* AOwner)
    : TGxCustomDropDown(AOwner),
      FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>())
{
    if (!(ComponentState() & csDesigning))
        CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    ApplyMask();
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
}

TGxTimePickerDropDown::~TGxTimePickerDropDown()
{
    MarkDestroying();
    DestroyComponents();
}

void TGxTimePickerDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGxCustomDropDown::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FGxWatch)
        FGxWatch = nullptr;
    if (AComponent == FDateTimePicker)
        FDateTimePicker = nullptr;
    if (AComponent == FPanelCtrl)
        FPanelCtrl = nullptr;
}

void TGxTimePickerDropDown::ApplyMask()
{
    const std::string sep(1, rtl::Regional().TimeSeparator);
    FInternalCall = true;
    SetEditMask("");
    SetTextDirect("");
    SetEditMask(FShowSeconds ? "!90" + sep + "00" + sep + "00;1; " : "!90" + sep + "00;1; ");
    const Parts p = Decompose(FTime);
    SetTextDirect(FormatTimeText(p.H, p.M, p.S));
    FInternalCall = false;
}

std::string TGxTimePickerDropDown::FormatTimeText(int Hours, int Minutes, int Seconds) const
{
    const std::string sep(1, rtl::Regional().TimeSeparator);
    std::string s = TwoDigits(Hours) + sep + TwoDigits(Minutes);
    if (FShowSeconds)
        s += sep + TwoDigits(Seconds);
    return s;
}

void TGxTimePickerDropDown::SetShowSeconds(bool Value)
{
    if (Value == FShowSeconds)
        return;
    FShowSeconds = Value;
    ApplyMask();
}

void TGxTimePickerDropDown::SetTime(rtl::TDateTime Value)
{
    if (Value == FTime)
        return;
    FTime = Value;
    const Parts p = Decompose(Value);
    SetTextDirect(FormatTimeText(p.H, p.M, p.S));
    if (DroppedDown()) {
        if (FGxWatch)
            FGxWatch->SetTime(Value);
        if (FShowTimePicker && FDateTimePicker)
            FDateTimePicker->SetTime(Value);
    }
}

void TGxTimePickerDropDown::ReportTime(rtl::TDateTime Value)
{
    SetTime(Value);
    if (OnTimeChange)
        OnTimeChange(this);
}

void TGxTimePickerDropDown::ReplacePart(int Part, int Value)
{
    const Parts p = Decompose(FTime);
    const int limits[3] = {23, 59, 59};
    const int current[3] = {p.H, p.M, p.S};
    if (Value == current[Part] || Value < 0 || Value > limits[Part])
        return;
    int h = p.H, m = p.M, s = p.S;
    (Part == 0 ? h : Part == 1 ? m : s) = Value;
    ReportTime(rtl::EncodeTime(h, m, s, p.MS));
}

void TGxTimePickerDropDown::ChangeHour(int H)
{
    ReplacePart(0, H);
}

void TGxTimePickerDropDown::ChangeMinute(int M)
{
    ReplacePart(1, M);
}

void TGxTimePickerDropDown::ChangeSecond(int S)
{
    ReplacePart(2, S);
}

void TGxTimePickerDropDown::SetComponentStyle(gx::TGxStyle AStyle)
{
    TGxCustomDropDown::SetComponentStyle(AStyle);
    if (FWatchAppearance)
        ApplyWatchColorPreset(*FWatchAppearance, AStyle);
}

void TGxTimePickerDropDown::CreateDropDownForm()
{
    TGxCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FPanelCtrl) {
        FPanelCtrl = new TPanel(this);
        FPanelCtrl->SetParent(DropDownForm());
        FPanelCtrl->SetBevelOuter(TBevelCut::bvNone);
        FPanelCtrl->SetBevelInner(TBevelCut::bvNone);
        FPanelCtrl->SetBorderWidth(0);
        FPanelCtrl->SetBounds(0, 0, 170, 180);
    }
    if (!FGxWatch) {
        FGxWatch = new TGxWatch(this);
        FGxWatch->SetParent(FPanelCtrl);
        FGxWatch->SetAlign(TAlign::alClient);
    }
    SetControl(FPanelCtrl);
}

void TGxTimePickerDropDown::DoBeforeDropDown()
{
    TGxCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->CancelOnDeActivate = false;
    if (!FPanelCtrl || !FGxWatch)
        return;
    FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), 170, 170);
    FPanelCtrl->SetColor(DropDownColor());
    FGxWatch->SetAppearance(*FWatchAppearance);
    FGxWatch->SetSettings(*FWatchSettings);
    FGxWatch->SetShowAMPM(FShowWatchAMPM);
    FGxWatch->SetShowNumbers(FShowWatchNumbers);
    FGxWatch->SetAnimation(FAnimation);
    FGxWatch->SetAnimationFactor(FAnimationFactor);
    FGxWatch->OnChange = nullptr;
    if (!FWatchSettings->Auto())
        FGxWatch->SetTime(FTime);
    FGxWatch->OnChange = [this](TObject*) { WatchChanged(); };
    if (!FShowTimePicker) {
        if (FDateTimePicker)
            FDateTimePicker->Hide();
        SetControlSize({170, 170});
        return;
    }
    if (!FDateTimePicker) {
        FDateTimePicker = new TDateTimePicker(this);
        FDateTimePicker->SetParent(FPanelCtrl);
        FDateTimePicker->SetKind(TDateTimeKind::dtkTime);
    }
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetAlign(TAlign::alBottom);
    FDateTimePicker->Show();
    FDateTimePicker->SetTime(FTime);
    FDateTimePicker->BringToFront();
    FDateTimePicker->OnChange = [this](TObject*) { TimePickerChange(); };
    FDateTimePicker->OnKeyDown = [this](TObject*, unsigned& k, TShiftState s) { ControlKeyDown(k, s); };
    FDateTimePicker->OnKeyUp = [this](TObject*, unsigned& k, TShiftState s) { ControlKeyUp(k, s); };
    FDateTimePicker->OnKeyPress = [this](TObject*, char32_t& k) { ControlKeyPress(k); };
    FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
    SetControlSize({170, FDateTimePicker->Height() + 170});
}

void TGxTimePickerDropDown::WatchChanged()
{
    if (!FGxWatch)
        return;
    const rtl::TDateTime t = FGxWatch->Time();
    if (FDateTimePicker && FShowTimePicker && FDateTimePicker->Time() != t - std::floor(t))
        FDateTimePicker->SetTime(t);
    // Every change the user makes on the watch is reported, whether or not the time picker
    // control shows.
    if (t != FTime)
        ReportTime(t);
}

void TGxTimePickerDropDown::TimePickerChange()
{
    if (!FGxWatch || FWatchSettings->Auto() || !FDateTimePicker)
        return;
    const rtl::TDateTime t = FDateTimePicker->Time();
    FGxWatch->OnChange = nullptr;
    FGxWatch->SetTime(t);
    FGxWatch->OnChange = [this](TObject*) { WatchChanged(); };
    if (t != FTime)
        ReportTime(t);
}

void TGxTimePickerDropDown::DropDownFormHide()
{
    TGxCustomDropDown::DropDownFormHide();
    if (FGxWatch)
        SetTime(FGxWatch->Time());
}

void TGxTimePickerDropDown::DoHideDropDown(bool Cancelled)
{
    const bool wasDown = DroppedDown();
    TGxCustomDropDown::DoHideDropDown(Cancelled);
    if (!wasDown || !FGxWatch)
        return;
    if (Cancelled)
        FGxWatch->SetTime(FTime);
    else
        SetTime(FGxWatch->Time());
}

void TGxTimePickerDropDown::DropDownFormKeyDown(unsigned& Key, TShiftState Shift)
{
    const unsigned key = Key;
    Key = 0;
    if (!IsStepKey(key) || (Shift & ssAlt))
        Perform(WM_KEYDOWN, key);
    if (DropDownForm() && DropDownForm()->IsOpen() && FGxWatch)
        FGxWatch->HandleWatchKey(key);
}

void TGxTimePickerDropDown::DropDownFormKeyUp(unsigned& Key, TShiftState Shift)
{
    if (IsStepKey(Key) && !(Shift & ssAlt))
        Key = 0;
}

void TGxTimePickerDropDown::ControlKeyDown(unsigned& Key, TShiftState Shift)
{
    if (!IsStepKey(Key) || (Shift & ssAlt))
        TGxCustomDropDown::ControlKeyDown(Key, Shift);
}

void TGxTimePickerDropDown::ControlKeyUp(unsigned& Key, TShiftState Shift)
{
    if (!IsStepKey(Key) || (Shift & ssAlt))
        TGxCustomDropDown::ControlKeyUp(Key, Shift);
}

void TGxTimePickerDropDown::ControlKeyPress(char32_t& Key)
{
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (!(Key == 33 || Key == 34 || Key == 38 || Key == 40) || alt)
        TGxCustomDropDown::ControlKeyPress(Key);
}

void TGxTimePickerDropDown::KeyDown(unsigned& Key, TShiftState Shift)
{
    TGxCustomDropDown::KeyDown(Key, Shift);
    if ((Key != VK_UP && Key != VK_DOWN) || (Shift & (ssAlt | ssCtrl)) || (GetKeyState(VK_MENU) & 0x8000))
        return;
    const std::string s = Text();
    const int caret = SelStart();
    const char sep = rtl::Regional().TimeSeparator;
    const Parts p = Decompose(FTime);
    const int p1 = rtl::Pos(std::string(1, sep), s);
    int field = 0;
    if (caret >= p1) {
        const std::string rest = s.substr(static_cast<std::size_t>(std::max(p1, 0)));
        const int p2 = rtl::Pos(std::string(1, sep), rest);
        field = (p2 > 0 && caret - p1 >= p2 && FShowSeconds) ? 2 : 1;
    }
    const bool down = Key == VK_DOWN;
    switch (field) {
    case 0:
        ChangeHour(down ? (p.H == 23 ? 0 : p.H + 1) : (p.H == 0 ? 23 : p.H - 1));
        break;
    case 1:
        ChangeMinute(down ? (p.M == 59 ? 0 : p.M + 1) : (p.M == 0 ? 59 : p.M - 1));
        break;
    default:
        ChangeSecond(down ? (p.S == 59 ? 0 : p.S + 1) : (p.S == 0 ? 59 : p.S - 1));
        break;
    }
    SetSelStart(caret);
}

void TGxTimePickerDropDown::Change()
{
    TGxCustomDropDown::Change();
    const std::string text = Text();
    const std::size_t complete = FShowSeconds ? 8 : 5;
    if (text.empty() || rtl::Trim(text).size() != complete || FInternalCall)
        return;
    const char sep = rtl::Regional().TimeSeparator;
    const auto first = text.find(sep);
    if (first == std::string::npos)
        return;
    const std::string after = rtl::Trim(text.substr(first + 1));
    const auto second = after.find(sep);
    if (FShowSeconds != (second != std::string::npos))
        return;
    if (FShowSeconds && rtl::Trim(after.substr(second + 1)).find(sep) != std::string::npos)
        return;
    std::string t = text;
    for (char& c : t)
        if (c == ' ')
            c = '0';
    const std::string hourText = rtl::Trim(t.substr(0, first));
    const std::string rest = rtl::Trim(t.substr(first + 1));
    const auto restSep = rest.find(sep);
    const std::string minuteText = rtl::Trim(FShowSeconds ? rest.substr(0, restSep) : rest);
    const std::string secondText = FShowSeconds ? rtl::Trim(rest.substr(restSep + 1)) : std::string();
    if (!IsTwoDigitField(hourText) || !IsTwoDigitField(minuteText) || (FShowSeconds && !IsTwoDigitField(secondText)))
        return;
    const int h = FieldValue(hourText), m = FieldValue(minuteText), s = FShowSeconds ? FieldValue(secondText) : 0;
    FTime = rtl::EncodeTime(h, m, s, 0);  // an hour above 23 or a minute above 59 raises the conversion error
    if (FormatTimeText(h, m, s) != text && m == 0 && s == 0) {
        FInternalCall = true;
        SetText(FormatTimeText(h, m, s));
        FInternalCall = false;
    }
}

}  // namespace dropdown
