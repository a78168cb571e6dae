#include "controls/dropdown/GxButton.h"

#include "controls/dropdown/GxButtonAppearance.h"
#include "controls/dropdown/GxDropDownDraw.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"

namespace dropdown {

using namespace ui;

namespace {

// While the mouse is over a button this timer checks every millisecond that it still is, so that
// a button left without a leave notice (a fast move off the window) loses its hot look.
constexpr unsigned kUnHotTimer = 1;

unsigned ButtonPressedMessage()
{
    static const unsigned id = RegisterWindowMessage("GxButtonPressed");
    return id;
}

bool ClosesDropDown(TModalResult r)
{
    switch (r) {
    case mrOk:
    case mrCancel:
    case mrAbort:
    case mrIgnore:
    case mrYes:
    case mrNo:
    case mrAll:
    case 13:  // no to all
    case 14:  // yes to all
        return true;
    default:
        return false;
    }
}

bool Cancels(TModalResult r)
{
    return r == mrCancel || r == mrAbort || r == mrIgnore || r == mrNo || r == 13;
}

}  // namespace

TGxButton::TGxButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 23, 22);
    SetShowHint(false);
    SetParentShowHint(false);
    controlStyle_ |= csCaptureMouse | csClickEvents;
}

TGxButton::~TGxButton()
{
    MarkDestroying();
    if (FUnHotTimer)
        KillTimer(kUnHotTimer);
}

void TGxButton::SetAppearance(TGxButtonAppearance* Value)
{
    FAppearance = Value;
    Invalidate();
}

void TGxButton::SetImages(TImageList* List)
{
    if (FImages == List)
        return;
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = List;
    if (FImages)
        FreeNotification(FImages);
    Invalidate();
}

void TGxButton::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    Invalidate();
}

void TGxButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages && !Destroying())
        FImages = nullptr;
}

void TGxButton::Loaded()
{
    TCustomControl::Loaded();
    if (FInitialDown != FDown)
        SetDown(FInitialDown);
}

bool TGxButton::Inside(int X, int Y) const
{
    // The bottom row counts as inside, as the press tracking has always done.
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TGxButton::PaintParentBackground(TCanvas& C)
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    // The parent and its windowless children are painted through this button's canvas, moved so
    // that the part under the button lands on it.
    const TPoint savedOrigin = C.Origin();
    const bool hadClip = C.HasClip();
    const TRect savedClip = C.ClipRectRaw();
    const TPoint po = parent->ClientOrigin();
    const TPoint parentOrigin{savedOrigin.X - Left() - po.X, savedOrigin.Y - Top() - po.Y};
    const TRect mine = ClientRect();
    C.SetOrigin(parentOrigin);
    C.SetClipRect(mine.Offset(Left() + po.X, Top() + po.Y));
    parent->PaintControl(C);
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (dynamic_cast<TWinControl*>(child) || !child->Visible())
            continue;
        const TRect childBounds = child->BoundsRect().Offset(po.X, po.Y);
        const TRect overlap = childBounds.Intersect(mine.Offset(Left() + po.X, Top() + po.Y));
        if (overlap.IsEmpty())
            continue;
        C.SetOrigin({parentOrigin.X + childBounds.Left, parentOrigin.Y + childBounds.Top});
        C.SetClipRect(overlap.Offset(-childBounds.Left, -childBounds.Top));
        child->PaintControl(C);
    }
    C.SetOrigin(savedOrigin);
    C.ResetClip();
    if (hadClip)
        C.SetClipRect(savedClip);
}

void TGxButton::Paint()
{
    if (!Enabled()) {
        FState = TGxButtonState::absDisabled;
        FDragging = false;
    } else if (FState == TGxButtonState::absDisabled) {
        FState = (FDown && FGroupIndex != 0) ? TGxButtonState::absExclusive : TGxButtonState::absUp;
    }
    if (FStyle == TGxButtonStyle::tasCheck && FDown)
        FState = TGxButtonState::absDown;
    TCanvas& C = *Canvas();
    C.IntersectClipRect(ClientRect());
    PaintParentBackground(C);
    DrawButton(C);
}

void TGxButton::DrawButton(TCanvas& C)
{
    if (!FAppearance)
        return;
    const TGxButtonAppearance& a = *FAppearance;
    TRect r = ClientRect();
    TColor face, faceTo, border;
    if (!Enabled()) {
        face = a.ColorDisabled();
        faceTo = a.ColorDisabledTo();
        border = a.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        face = faceTo = a.ColorDown();
        border = a.BorderColorDown();
    } else if (FDown) {
        face = faceTo = a.ColorChecked();
        border = a.BorderColorChecked();
    } else if (FMouseInControl || Focused()) {
        face = faceTo = a.ColorHot();
        border = a.BorderColorHot();
    } else {
        face = a.Color();
        faceTo = a.ColorTo();
        border = a.BorderColor();
    }
    DrawBackgroundRect(&C, r, face, faceTo, a.Gradient(), 1, border);
    C.Brush()->SetStyle(TBrushStyle::bsClear);
    C.Font()->Assign(*a.Font());
    DrawImageAndText(&C, r, Caption(), FImages ? FImageIndex : -1, FImages);
}

void TGxButton::AutoSizeButton()
{
    if (!FAppearance)
        return;
    TCanvas* c = Canvas();
    c->Font()->Assign(*FAppearance->Font());
    TSize s = GetTextSize(*c, Caption());
    if (FImages && FImageIndex >= 0) {
        s.cx = std::max(s.cx, FImages->Width());
        s.cy = std::max(s.cy, FImages->Height());
    }
    SetBounds(Left(), Top(), s.cx + 8, s.cy + 4);
}

void TGxButton::EnterHot()
{
    FMouseInControl = true;
    if (Enabled())
        Invalidate();
    if (!FUnHotTimer) {
        SetTimer(kUnHotTimer, 1);
        FUnHotTimer = true;
    }
}

void TGxButton::LeaveHot()
{
    if (FUnHotTimer) {
        KillTimer(kUnHotTimer);
        FUnHotTimer = false;
    }
    FMouseInControl = false;
    if (Enabled())
        Invalidate();
}

void TGxButton::UnHotTimerTick()
{
    if (!ClientRect().Contains(ScreenToClient(GetCursorPos())))
        LeaveHot();
}

void TGxButton::MouseEnter()
{
    TCustomControl::MouseEnter();
    EnterHot();
}

void TGxButton::MouseLeave()
{
    TCustomControl::MouseLeave();
    LeaveHot();
}

void TGxButton::UpdateTracking()
{
    if (!Enabled())
        return;
    if (MouseControl() != this)
        LeaveHot();
    else
        EnterHot();
}

void TGxButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    FMouseDownInControl = true;
    if (!FDown || FStyle == TGxButtonStyle::tasCheck) {
        FState = TGxButtonState::absDown;
        Invalidate();
    }
    FDragging = true;
}

void TGxButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging) {
        TGxButtonState s = FDown ? TGxButtonState::absExclusive : TGxButtonState::absUp;
        if (Inside(X, Y))
            s = FDown ? TGxButtonState::absExclusive : TGxButtonState::absDown;
        if (FStyle == TGxButtonStyle::tasCheck && FDown)
            s = TGxButtonState::absDown;
        if (s != FState) {
            FState = s;
            Invalidate();
        }
    } else if (!FMouseInControl) {
        UpdateTracking();
    }
}

void TGxButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FMouseDownInControl = false;
    Invalidate();
    if (FDragging) {
        FDragging = false;
        const bool inside = Inside(X, Y);
        if (FGroupIndex != 0) {
            if (inside) {
                SetDown(!FDown);
                if (FDown)
                    Invalidate();
            } else if (FDown) {
                FState = TGxButtonState::absExclusive;
                Invalidate();
            }
        } else {
            FState = TGxButtonState::absUp;
            FMouseInControl = false;
            if (FStyle == TGxButtonStyle::tasCheck) {
                SetDown(!FDown);
                FState = TGxButtonState::absUp;
            }
            if (inside)
                Invalidate();
        }
    }
    UpdateTracking();
}

void TGxButton::KeyDown(unsigned& Key, TShiftState Shift)
{
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled()) {
        // A keyboard click shows the pressed face for the click and reports the click as the mouse
        // does.
        FState = TGxButtonState::absDown;
        Invalidate();
        FInternalClick = true;
        Click();
        FInternalClick = false;
        if (!Destroying() && FState == TGxButtonState::absDown && !(FStyle == TGxButtonStyle::tasCheck && FDown)) {
            FState = TGxButtonState::absUp;
            Invalidate();
        }
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TGxButton::SetDown(bool Value)
{
    if (Loading())
        FInitialDown = Value;
    if (FGroupIndex == 0 && FStyle == TGxButtonStyle::tasButton)
        Value = false;
    if (FStyle == TGxButtonStyle::tasCheck) {
        FDown = Value;
        FState = Value ? TGxButtonState::absDown : TGxButtonState::absUp;
        Invalidate();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = Value;
    if (Value) {
        if (FState == TGxButtonState::absUp)
            Invalidate();
        FState = TGxButtonState::absExclusive;
        UpdateExclusive();
    } else {
        FState = TGxButtonState::absUp;
        Invalidate();
    }
}

void TGxButton::UpdateExclusive()
{
    TWinControl* parent = Parent();
    if (FGroupIndex == 0 || !parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(ButtonPressedMessage(), static_cast<std::uintptr_t>(FGroupIndex),
                                     reinterpret_cast<std::intptr_t>(this));
}

void TGxButton::Click()
{
    if (TCustomForm* form = ParentForm())
        form->SetModalResult(FModalResult);
    if (FGxDropDown && ClosesDropDown(FModalResult))
        FGxDropDown->DoHideDropDown(Cancels(FModalResult));
    TCustomControl::Click();
}

void TGxButton::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TGxButton::FocusIn()
{
    TCustomControl::FocusIn();
    Invalidate();
}

void TGxButton::FocusOut()
{
    TCustomControl::FocusOut();
    Invalidate();
}

void TGxButton::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_TIMER && Message.WParam == kUnHotTimer) {
        UnHotTimerTick();
        return;
    }
    if (Message.Msg == CM_DIALOGCHAR && Enabled() && IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    if (Message.Msg == ButtonPressedMessage()) {
        auto* sender = reinterpret_cast<TGxButton*>(Message.LParam);
        if (sender != this && static_cast<int>(Message.WParam) == FGroupIndex) {
            if (sender->Down() && FDown) {
                FDown = false;
                FState = TGxButtonState::absUp;
                Invalidate();
            }
            FAllowAllUp = sender->AllowAllUp();
        }
        return;
    }
    TCustomControl::WndProc(Message);
}

}  // namespace dropdown
