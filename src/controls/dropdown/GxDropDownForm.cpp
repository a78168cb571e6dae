#include "controls/dropdown/GxDropDownForm.h"

#include <algorithm>

#include "controls/dropdown/GxBars.h"
#include "controls/dropdown/GxDropDown.h"
#include "controls/dropdown/GxDropDownDraw.h"
#include "platform/ui/Input.h"

namespace dropdown {

using namespace ui;

TDropDownForm::TDropDownForm(TComponent* AOwner) : TPopupWindow(AOwner)
{
    MinTrackSize = {80, 50};
}

TDropDownForm::~TDropDownForm()
{
    MarkDestroying();
    if (FGxDropDown)
        FGxDropDown->DropDownFormDestroy();
    DestroyComponents();
}

void TDropDownForm::SetKeyTarget(TWinControl* Value)
{
    if (FKeyTarget)
        RemoveFreeNotification(FKeyTarget);
    FKeyTarget = Value;
    if (FKeyTarget)
        FreeNotification(FKeyTarget);
}

void TDropDownForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TPopupWindow::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FKeyTarget)
        FKeyTarget = nullptr;
    if (AComponent == FHeader)
        FHeader = nullptr;
    if (AComponent == FFooter)
        FFooter = nullptr;
}

void TDropDownForm::InitializeAndUpdate()
{
    TGxCustomDropDown* dd = FGxDropDown;
    if (!dd)
        return;
    const auto attach = [dd](TGxBar& bar, bool visible) {
        bar.SetGxDropDown(dd);
        bar.RebuildButtons();
        bar.SetVisible(visible);
    };
    const bool headerVisible = dd->DropDownHeader()->Visible();
    if (!FHeader && headerVisible) {
        FHeader = new TGxHeader(this);
        FHeader->SetParent(this);
        FHeader->SetHeight(dd->DropDownHeader()->Height);
        FHeader->SetAlign(TAlign::alTop);
    }
    if (FHeader) {
        attach(*FHeader, headerVisible);
        FHeader->OnDrawBackGround = dd->OnDrawHeader;
        FHeader->OnGetText = dd->OnGetHeaderText;
    }
    const bool footerVisible = dd->DropDownFooter()->Visible();
    if (!FFooter && footerVisible) {
        FFooter = new TGxFooter(this);
        FFooter->SetParent(this);
        FFooter->SetHeight(dd->DropDownFooter()->Height);
        FFooter->SetAlign(TAlign::alBottom);
    }
    if (FFooter) {
        attach(*FFooter, footerVisible);
        FFooter->OnDrawBackGround = dd->OnDrawFooter;
        FFooter->OnGetText = dd->OnGetFooterText;
    }
}

void TDropDownForm::PaintControl(TCanvas& Canvas)
{
    TGxCustomDropDown* dd = FGxDropDown;
    if (!dd) {
        TPopupWindow::PaintControl(Canvas);
        return;
    }
    const int bw = dd->DropDownBorderWidth();
    const TRect all{0, 0, Width(), Height()};
    const TRect r = all.Inflate(-bw, -bw);
    if (dd->DropDownColor() != clNone && dd->DropDownColorTo() != clNone) {
        DrawGradient(Canvas, dd->DropDownColor(), dd->DropDownColorTo(),
                     dd->DropDownGradient() == TGradientDirection::gdHorizontal, r, 80);
    } else if (dd->DropDownColor() != clNone) {
        Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush()->SetColor(dd->DropDownColor());
        Canvas.FillRect(r);
    }
    if (bw > 0 && dd->DropDownBorderColor() != clNone) {
        Canvas.Pen()->SetStyle(TPenStyle::psSolid);
        Canvas.Pen()->SetWidth(bw);
        Canvas.Pen()->SetColor(dd->DropDownBorderColor());
        Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        // The framework's wide pens lie inside the rectangle: the whole window edge.
        Canvas.Rectangle(all);
        Canvas.Pen()->SetWidth(1);
    }
}

void TDropDownForm::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);  // OnKeyDown; Escape is the drop-down's to handle
    if (!FGxDropDown || Key == 0)
        return;
    if (FKeyTarget && FKeyTarget->Visible() && FKeyTarget->Enabled()) {
        // The hosted control takes the key as if it had the focus; its key events decide what
        // goes on to the edit.
        FKeyTarget->Perform(WM_KEYDOWN, Key);
        Key = 0;
        return;
    }
    FGxDropDown->DropDownFormKeyDown(Key, Shift);
}

void TDropDownForm::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (!FGxDropDown || Key == 0)
        return;
    if (FKeyTarget && FKeyTarget->Visible() && FKeyTarget->Enabled()) {
        FKeyTarget->Perform(WM_CHAR, Key);
        Key = 0;
        return;
    }
    FGxDropDown->DropDownFormKeyPress(Key);
}

void TDropDownForm::KeyUp(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (!FGxDropDown || Key == 0)
        return;
    if (FKeyTarget && FKeyTarget->Visible() && FKeyTarget->Enabled()) {
        FKeyTarget->Perform(WM_KEYUP, Key);
        Key = 0;
        return;
    }
    FGxDropDown->DropDownFormKeyUp(Key, Shift);
}

bool TDropDownForm::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TPopupWindow::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (!FGxDropDown)
        return false;
    if (WheelDelta < 0)
        FGxDropDown->DropDownFormMouseWheelDown();
    else if (WheelDelta > 0)
        FGxDropDown->DropDownFormMouseWheelUp();
    return true;
}

void TDropDownForm::DoClosePopup(TPopupCloseReason Reason)
{
    TPopupWindow::DoClosePopup(Reason);
    if (FClosingFromEdit || !FGxDropDown)
        return;
    // Closed from outside the drop-down's own road: a press elsewhere, Escape, or the window
    // system. The drop-down finishes its closing as deactivation asks.
    DeActivateTime = std::chrono::steady_clock::now();
    if (BlockActivate) {
        FGxDropDown->DropDownFormHide();
        return;
    }
    FGxDropDown->DoHideDropDown(Reason == TPopupCloseReason::pcrCancel ? true : CancelOnDeActivate);
}

void TDropDownForm::ClientSizeChanged(int OldClientWidth, int OldClientHeight)
{
    TPopupWindow::ClientSizeChanged(OldClientWidth, OldClientHeight);
    if (Sizing() && OnSizing)
        OnSizing(this);
    Invalidate();
}

void TDropDownForm::BeginGripSizing(TPoint Screen)
{
    // The popup sizes from its corner grip: a press there, with the mouse kept by the window. The
    // press lands where the mouse is, moved into the grip when it lies just beside it.
    SetSizeGrip(true);
    const TPoint o = ClientOrigin();
    const TRect grip = GripRect().Offset(-o.X, -o.Y);
    TPoint at = ScreenToClient(Screen);
    at.X = std::clamp(at.X, grip.Left, grip.Right - 1);
    at.Y = std::clamp(at.Y, grip.Top, grip.Bottom - 1);
    SetCaptureControl(this);
    Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(at.X, at.Y));
    SetSizeGrip(false);
}

}  // namespace dropdown
