#pragma once
// TDropDownForm: the drop-down edit's window, a framework popup that opens next to the edit without
// taking the focus from it. It paints the drop-down's background and border, holds the header bar,
// the hosted control and the footer bar, hands the keys typed while it is open to the hosted
// control that takes them (or lets them go on to the edit), and tells the drop-down when a press
// outside closed it.
#include <chrono>

#include "platform/ui/PopupWindow.h"

namespace dropdown {

class TGxCustomDropDown;
class TGxHeader;
class TGxFooter;

class TDropDownForm : public ui::TPopupWindow {
public:
    explicit TDropDownForm(ui::TComponent* AOwner);
    ~TDropDownForm() override;

    TGxCustomDropDown* GxDropDown() const { return FGxDropDown; }
    void SetGxDropDown(TGxCustomDropDown* Value) { FGxDropDown = Value; }
    // A press outside closes the window cancelled (True) or accepted (False).
    bool CancelOnDeActivate = true;
    // While True a press outside does not close the drop-down's road (the popup still closes).
    bool BlockActivate = false;
    // The time the window last closed by a press outside (or by the window system).
    std::chrono::steady_clock::time_point DeActivateTime{};
    TGxHeader* Header() const { return FHeader; }
    TGxFooter* Footer() const { return FFooter; }
    // Builds or refreshes the header and footer bars from the drop-down's appearances.
    void InitializeAndUpdate();
    virtual void UpdateSize() {}
    // The hosted control that takes the keys typed while the window is open (none: they go on to
    // the edit).
    ui::TWinControl* KeyTarget() const { return FKeyTarget; }
    void SetKeyTarget(ui::TWinControl* Value);
    // Starts sizing the window by its bottom-right corner at a screen point (the footer's grip).
    void BeginGripSizing(ui::TPoint Screen);

    // Fired while the user sizes the window.
    ui::TNotifyEvent OnSizing;

protected:
    void PaintControl(ui::TCanvas& Canvas) override;
    void KeyDown(unsigned& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned& Key, ui::TShiftState Shift) override;
    bool DoMouseWheel(ui::TShiftState Shift, int WheelDelta, ui::TPoint MousePos) override;
    void DoClosePopup(ui::TPopupCloseReason Reason) override;
    void ClientSizeChanged(int OldClientWidth, int OldClientHeight) override;
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
    friend class TGxCustomDropDown;
    TGxCustomDropDown* FGxDropDown = nullptr;
    TGxHeader* FHeader = nullptr;
    TGxFooter* FFooter = nullptr;
    ui::TWinControl* FKeyTarget = nullptr;
    bool FClosingFromEdit = false;
};

}  // namespace dropdown
