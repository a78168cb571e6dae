#pragma once
// Popup windows: borderless top-level windows that drop down from a control (a combo box's list,
// a calendar, a drop-down editor). A popup never takes the activation from the form it belongs
// to: the keyboard focus stays where it was, and while the popup is open every key typed on that
// form is offered to the popup first. It closes on a mouse press outside it (the press goes no
// further), on Escape, when its content picks something, and when its form hides or another form
// shows. Popups can nest: a popup opened from a control inside another popup keeps that one open.
#include "platform/ui/Controls.h"

namespace ui {

enum class TPopupCloseReason {
    pcrSelect,        // the content made its choice
    pcrCancel,        // Escape, or closed from code
    pcrOutsideClick,  // a mouse press outside the popup
    pcrOwner          // its form hid, another form showed, its anchor went away, the window system closed it
};

// Where a popup goes relative to the control it drops from.
enum class TPopupPlacement {
    ppBelow,  // below the control; above it only when there is no room below
    ppAbove   // above the control; below it only when there is no room above
};

using TPopupCloseEvent = std::function<void(TObject* Sender, TPopupCloseReason Reason)>;

class TPopupWindow : public TCustomControl {
public:
    explicit TPopupWindow(TComponent* AOwner);
    ~TPopupWindow() override;

    // Opens the popup at its current size next to anchor: left edges aligned, below or above it
    // as placement says, moved and cut to fit the screen's work area. Opening an open popup
    // moves it.
    void Popup(TControl* anchor, TPopupPlacement placement = TPopupPlacement::ppBelow);
    // Opens the popup with its top-left corner at a screen point (kept on the work area); the
    // anchor (optional) tells the form it belongs to.
    void PopupAt(TPoint screenPos, TControl* anchor = nullptr);
    // Closes an open popup (and the popups opened from it), then fires OnClosePopup.
    void ClosePopup(TPopupCloseReason reason);
    bool IsOpen() const { return open_; }
    TControl* Anchor() const { return anchor_; }
    // The form the popup belongs to (its anchor's form), or nullptr.
    TCustomForm* OwnerForm() const;
    // Whether the last Popup put it above its anchor.
    bool DroppedAbove() const { return droppedAbove_; }

    // A grip in the corner away from the anchor (bottom-right, or top-right when dropped above)
    // lets the user size the popup, not below MinTrackSize and not off the work area.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    TSize MinTrackSize{16, 16};
    // Asks the window system for a drop shadow under the popup (where it draws shadows).
    bool Shadow() const { return shadow_; }
    void SetShadow(bool v);
    // A click-through popup (a hint) takes neither input nor the activation: the mouse goes to
    // what lies under it, keys are not offered to it, a press elsewhere does not close it, and it
    // stays out of the stack of open popups, so opening and closing it leaves them as they are.
    bool ClickThrough() const { return clickThrough_; }
    void SetClickThrough(bool v);
    // The grip's rectangle in the popup's own coordinates (empty without grip).
    TRect GripRect() const;

    TPopupCloseEvent OnClosePopup;

    // Where a popup of a size goes next to an anchor rectangle (screen coordinates), kept inside
    // workArea; above tells whether it went above the anchor.
    static TRect PlaceNear(const TRect& anchor, TSize size, TPopupPlacement placement, const TRect& workArea,
                           bool& above);

    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Keys typed while open arrive here first; a key set to 0 goes no further. Escape closes.
    void KeyDown(unsigned& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // The frame (one pixel in the window-frame colour) and the grip.
    void PaintControl(TCanvas& canvas) override;
    // Whether the grip is being dragged.
    bool Sizing() const { return sizing_; }
    // Runs after the popup has closed, before OnClosePopup.
    virtual void DoClosePopup(TPopupCloseReason reason);

private:
    void Open(const TRect& screenRect, TControl* anchor);
    bool sizeGrip_ = false;
    bool shadow_ = true;
    bool clickThrough_ = false;
    bool open_ = false;
    bool droppedAbove_ = false;
    TControl* anchor_ = nullptr;
    // Sizing by the grip: the screen point where it started and the bounds then.
    bool sizing_ = false;
    TPoint sizeStart_;
    TRect sizeBounds_;
};

// The open popups, the first opened first.
int OpenPopupCount();
TPopupWindow* OpenPopup(int index);
// The innermost open popup (the one keys go to), or nullptr.
TPopupWindow* ActivePopup();
// Closes every open popup (innermost first).
void CloseAllPopups(TPopupCloseReason reason);
// Closes the open popups that belong to a form (a form that hides or goes away).
void ClosePopupsOf(const TCustomForm* form);
// The open popup a control lies in (the control itself when it is one), or nullptr.
TPopupWindow* PopupOf(const TControl* control);
// The innermost open popup covering a screen point, or nullptr.
TPopupWindow* PopupAtScreenPoint(TPoint screen);

}  // namespace ui
