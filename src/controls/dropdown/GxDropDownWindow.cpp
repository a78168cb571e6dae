// The drop-down edit's window road: creating the window, sizing it, placing the hosted control,
// opening next to the edit on the work area, closing accepted or cancelled, passing keys on.
#include <algorithm>
#include <chrono>

#include "controls/dropdown/GxBars.h"
#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "platform/ui/Application.h"

namespace dropdown {

using namespace ui;

void TGxCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm)
        return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetGxDropDown(this);
    FDropDownForm->SetBounds(0, 0, std::max(FDropDownWidth, 1), std::max(FDropDownHeight, 1));
    FDropDownForm->OnSizing = [this](TObject*) { DropDownFormSizing(); };
}

void TGxCustomDropDown::DoBeforeDropDown()
{
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}

void TGxCustomDropDown::AdjustDropDownHeight(int&) {}

void TGxCustomDropDown::FocusDropDownControl()
{
    // The window never takes the focus from the edit; the control to focus takes the keys typed
    // while the window is open instead.
    if (!FDropDownForm)
        return;
    auto* target = FFocusControl && FFocusControl->TabStop() && FFocusControl->Enabled() && FFocusControl->Visible()
                       ? FFocusControl
                       : nullptr;
    FDropDownForm->SetKeyTarget(target);
}

void TGxCustomDropDown::PlaceDropDownControl()
{
    if (!FDropDownForm || !FControl)
        return;
    // The control's own size sizes the window; filling the window changes it, so it is kept.
    if (FControl->Align() != TAlign::alClient)
        FControlSize = {FControl->Width(), FControl->Height()};
    FControl->SetParent(FDropDownForm);
    FControl->SetTop(FDropDownHeader->Visible() ? FDropDownHeader->Height + 2 : FDropDownBorderWidth);
    FControl->SetAlign(TAlign::alClient);
}

void TGxCustomDropDown::UpdateDropDownSize()
{
    if (!FDropDownForm)
        return;
    const bool control = FControl && FControl->Visible();
    TSize controlSize;
    if (control) {
        const bool filling = FControl->Align() == TAlign::alClient && FControlSize.cx >= 0;
        controlSize = filling ? FControlSize : TSize{FControl->Width(), FControl->Height()};
    }
    int width = Width();
    if (FDropDownWidth > 0)
        width = FDropDownWidth;
    else if (control)
        width = controlSize.cx;
    int height = FDropDownHeight;
    if (FDropDownHeight <= 0) {
        height = 2 * FDropDownBorderWidth;
        if (FDropDownHeader->Visible())
            height += FDropDownHeader->Height;
        if (FDropDownFooter->Visible())
            height += FDropDownFooter->Height;
        if (control)
            height += controlSize.cy;
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), width, height);
}

void TGxCustomDropDown::RefreshDropDownBars()
{
    if (FDropDownForm)
        FDropDownForm->InitializeAndUpdate();
}

bool TGxCustomDropDown::DropDownClosedRecently() const
{
    if (!FDropDownForm)
        return false;
    return std::chrono::steady_clock::now() - FDropDownForm->DeActivateTime < std::chrono::milliseconds(250);
}

void TGxCustomDropDown::DoShowDropDown()
{
    if ((ComponentState() & csDesigning) || !FDropDownForm || FDropDownForm->IsOpen() || !Enabled() || ReadOnly())
        return;
    DoBeforeDropDown();
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->SetBorderWidth(FDropDownBorderWidth);
    FDropDownForm->InitializeAndUpdate();
    UpdateDropDownSize();
    PlaceDropDownControl();
    if (auto* control = dynamic_cast<TWinControl*>(FControl)) {
        control->OnKeyDown = [this](TObject*, unsigned& key, TShiftState shift) { ControlKeyDown(key, shift); };
        control->OnKeyUp = [this](TObject*, unsigned& key, TShiftState shift) { ControlKeyUp(key, shift); };
        control->OnKeyPress = [this](TObject*, char32_t& key) { ControlKeyPress(key); };
    }

    // Below the edit (covering its bottom pixel row) when it fits on the work area, else above.
    const TPoint pt = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : ClientToScreen({0, 0});
    int w = FDropDownForm->Width(), h = FDropDownForm->Height();
    const TRect work = GetScreen()->WorkAreaRect();
    const int belowTop = pt.Y + Height() - 1;
    bool below = true;
    switch (FDropPosition) {
    case TDropPosition::dpAuto:
        below = belowTop + h <= work.Bottom || (work.Bottom - belowTop >= pt.Y - work.Top);
        break;
    case TDropPosition::dpDown:
        below = true;
        break;
    case TDropPosition::dpUp:
        below = false;
        break;
    }
    bool accept = true;
    if (OnDropDown)
        OnDropDown(this, accept);
    if (!accept)
        return;
    if (FUserWidth != -1)
        w = FUserWidth;
    if (FUserHeight != -1)
        h = FUserHeight;
    w = std::max(w, FDropDownForm->MinTrackSize.cx);
    h = std::max(h, FDropDownForm->MinTrackSize.cy);
    AdjustDropDownHeight(h);
    // Kept on the work area: moved left before a right edge, up before the bottom (and never
    // above the top).
    int left = std::min(pt.X, work.Right - w);
    left = std::max(left, work.Left);
    int top = below ? belowTop : pt.Y - h;
    top = std::clamp(top, work.Top, std::max(work.Top, work.Bottom - h));
    FOldText = Text();
    FDroppedDown = true;
    FDropDownForm->SetBounds(left, top, w, h);
    FDropDownForm->PopupAt({left, top}, this);
    FocusDropDownControl();
}

void TGxCustomDropDown::DoHideDropDown(bool Cancelled)
{
    // Also the road of a window that a press outside (or the window system) already closed: the
    // drop-down is still dropped down until its window's hiding ran here.
    if ((ComponentState() & csDesigning) || !FDropDownForm || !FDroppedDown)
        return;
    if (OnBeforeDropUp)
        OnBeforeDropUp(this);
    FUserWidth = FDropDownForm->Width();
    FUserHeight = FDropDownForm->Height();
    if (FDropDownForm->IsOpen()) {
        FDropDownForm->FClosingFromEdit = true;
        FDropDownForm->ClosePopup(Cancelled ? TPopupCloseReason::pcrCancel : TPopupCloseReason::pcrSelect);
        FDropDownForm->FClosingFromEdit = false;
    }
    DropDownFormHide();
    Application->CancelHint();
    if (Cancelled)
        SetText(FOldText);
    if (OnDropUp)
        OnDropUp(this, Cancelled);
}

void TGxCustomDropDown::DropDownFormHide()
{
    FDroppedDown = false;
    if (FDropDownForm)
        FDropDownForm->SetKeyTarget(nullptr);
    if (TabStop() && CanFocus() && !Focused() && !Destroying())
        SetFocus();
}

void TGxCustomDropDown::DropDownFormKeyPress(char32_t&)
{
    // Left as it is, the character goes on to the edit.
}

void TGxCustomDropDown::DropDownFormKeyDown(unsigned&, TShiftState) {}

void TGxCustomDropDown::DropDownFormKeyUp(unsigned&, TShiftState) {}

void TGxCustomDropDown::ControlKeyDown(unsigned& Key, TShiftState)
{
    Perform(WM_KEYDOWN, Key);
}

void TGxCustomDropDown::ControlKeyUp(unsigned& Key, TShiftState)
{
    Perform(WM_KEYUP, Key);
}

void TGxCustomDropDown::ControlKeyPress(char32_t& Key)
{
    Perform(WM_CHAR, Key);
}

}  // namespace dropdown
