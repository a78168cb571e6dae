#pragma once
// Controls: visual components with bounds inside a parent. TWinControl may hold children, takes focus
// and receives keys; TCustomControl paints itself through Canvas(); TGraphicControl is windowless and
// painted by its parent.
#include "platform/ui/Component.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Messages.h"
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TWinControl;
class TCustomForm;
class TForm;
class TPopupMenu;
struct THintInfo;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
// MousePos is in screen coordinates.
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// What changed on a control, so that a native window can follow.
enum class TChangeAspect {
    Bounds,
    Visible,
    Enabled,
    Text,
    Color,
    Font,
    Items,
    ItemIndex,
    Checked,
    Selection,
    ReadOnly,
    Cursor,
    Focus,
    Style,
    Hint,
    Other
};

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1,
    csCaptureMouse = 2,
    csClickEvents = 4,
    csDoubleClicks = 8,
    csOpaque = 16,
    csReplicatable = 32,
};
using TControlStyle = unsigned;

enum TControlStateFlag : unsigned {
    csLButtonDown = 1,
    csFocusing = 2,
    csCreating = 4,
    csAlignmentNeeded = 8,
};
using TControlState = unsigned;

enum class TBorderStyle { bsNone, bsSingle };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

struct TScrollInfo {
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form the control lies on (the control itself for a form), or nullptr.
    TCustomForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The client area in the control's own coordinates (origin 0,0).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    // Offset of the client area inside the bounds (borders, caption).
    virtual TPoint ClientOrigin() const { return {}; }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // Position of a client point in the parent's client coordinates.
    TPoint ClientToParent(TPoint p, const TWinControl* ancestor = nullptr) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors v);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible (and, at the top, a form that is showing).
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);

    TColor Color() const { return color_; }
    void SetColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    void SetFont(const TFont& f) { font_.Assign(f); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    // With ParentShowHint on, the parent's setting counts.
    bool ShowHint() const;
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // Caption and Text are the same string.
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& v) { SetText(v); }
    virtual const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& v);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle v) { controlStyle_ = v; }
    TControlState ControlState() const { return controlState_; }

    bool MouseCapture() const;
    void SetMouseCapture(bool v);
    // Whether the mouse is over the control (after CM_MOUSEENTER, before CM_MOUSELEAVE).
    bool MouseInControl() const { return mouseInside_; }

    void BringToFront();
    void SendToBack();

    // Painting: Invalidate asks for a repaint, Repaint/Refresh/Update paint at once when shown.
    virtual void Invalidate();
    void Repaint();
    void Refresh() { Repaint(); }
    void Update();
    // Number of repaint requests since creation (lets tests see that a change repaints).
    int InvalidateCount() const { return invalidateCount_; }
    // Draws the control in its own coordinates onto canvas (whose origin and clip the caller set).
    virtual void PaintControl(TCanvas& canvas);

    std::intptr_t Perform(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    virtual void WndProc(TMessage& message);
    // A replacement of the message handling installed from outside (subclassing): when set,
    // Perform hands every message to it; it calls WndProc for the messages it leaves alone.
    std::function<void(TMessage&)> WindowProc;

    // True once the backend created a native window showing this control.
    bool HandleAllocated() const { return native_ != nullptr; }
    void* NativeHandle() const { return native_; }
    void SetNativeHandle(void* h) { native_ = h; }
    // Tells the native window (when there is one) that an aspect of the state changed.
    void Changed(TChangeAspect aspect);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;

    virtual void Click();
    virtual void DblClick();

protected:
    void Notification(TComponent* component, TOperation operation) override;
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // After a change of size: windowed controls re-place their children and hear WM_SIZE; then
    // Resize (OnResize).
    virtual void ClientSizeChanged(int oldClientWidth, int oldClientHeight);
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void TextChanged();
    void ParentFontChanged();
    void ParentColorChanged();
    // The default colour used when ParentColor is off and nothing was set.
    void SetDefaultColor(TColor c) { color_ = c; }

    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
    TControlState controlState_ = 0;
    TFont font_;

private:
    friend class TWinControl;
    void HandleMouseMessage(TMessage& message);
    void RequestAlign();
    friend void SetMouseInside(TControl* control, bool inside);

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = TAlign::alNone;
    TAnchors anchors_ = akLeft | akTop;
    // Distances kept for right and bottom anchors.
    int anchorRight_ = 0;
    int anchorBottom_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    bool parentFont_ = true;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TPopupMenu* popupMenu_ = nullptr;
    std::string text_;
    bool mouseInside_ = false;
    bool applyingParentFont_ = false;
    int invalidateCount_ = 0;
    void* native_ = nullptr;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The child control at a client point (visible ones, topmost first), or nullptr.
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;

    int TabOrder() const;
    void SetTabOrder(int v);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    // Windowed children in tab order (descending into containers).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // Whether a form's broadcast of a message (the accelerator and dialog-key notifications) that
    // this control answered with 0 goes on into its children; a control that decides such messages
    // for its own parts answers false.
    virtual bool BroadcastsToChildren(const TMessage&) const { return true; }

    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);

    // Scroll bars (SB_HORZ, SB_VERT): the bar takes its thickness from the client area when shown.
    void ShowScrollBar(int bar, bool show);
    bool ScrollBarVisible(int bar) const { return bar == SB_HORZ ? hScroll_ : vScroll_; }
    void SetScrollInfo(int bar, const TScrollInfo& info, bool redraw = true);
    TScrollInfo GetScrollInfo(int bar) const { return bar == SB_HORZ ? hScrollInfo_ : vScrollInfo_; }
    static constexpr int ScrollBarSize = 17;
    // Flat window scroll bars: drawn without relief, on their own background (clNone: the system's
    // scroll-bar colour), as thick as Thickness; plain bars are ScrollBarSize thick.
    void SetFlatScrollBars(bool Flat, TColor Background = clNone, int Thickness = ScrollBarSize);
    bool FlatScrollBars() const { return flatBars_; }
    int ScrollBarThickness() const { return flatBars_ ? flatBarThickness_ : ScrollBarSize; }

    // Window timers: WM_TIMER with WParam = id every `ms` milliseconds until killed or destroyed.
    void SetTimer(unsigned id, unsigned ms);
    void KillTimer(unsigned id);

    // Repositions aligned and anchored children.
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();

    void PaintControl(TCanvas& canvas) override;
    // Paints this control and all visible children into canvas (the tree under this control).
    void PaintTree(TCanvas& canvas);
    void WndProc(TMessage& message) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Keyboard entry points used by the input layer: run the key-preview of the form, the control's
    // handlers and default processing. A key press produces its character even when the key-down
    // handler set Key to 0.
    bool DoKeyDown(unsigned& key, TShiftState shift);
    bool DoKeyPress(char32_t& key);
    bool DoKeyUp(unsigned& key, TShiftState shift);

protected:
    virtual void KeyDown(unsigned& key, TShiftState shift);
    virtual void KeyUp(unsigned& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // Focus messages after the focus moved here or away.
    virtual void FocusIn() {}
    virtual void FocusOut() {}
    // Which keys the control handles itself (DLGC_* flags); others go to dialog navigation.
    virtual unsigned WantKeys() const { return 0; }
    virtual void AlignControls(TRect& rect);
    void ClientSizeChanged(int oldClientWidth, int oldClientHeight) override;
    void FontChanged() override;
    void ColorChanged() override;
    virtual void PaintBackground(TCanvas& canvas);
    // The window scroll bars that are shown (TWinControl's and TCustomControl's PaintControl
    // draw them).
    void PaintScrollBars(TCanvas& canvas);

private:
    friend class TControl;
    friend class TCustomForm;
    void PlaceAnchored(TControl* child, int oldW, int oldH);
    // Presses on a shown scroll bar and drags of its thumb become WM_VSCROLL / WM_HSCROLL to this
    // control; returns true when the mouse message belonged to a bar.
    bool ScrollBarMouse(TMessage& message);
    struct BarGeometry {
        TRect bar;  // in control coordinates
        int thumbStart = 0;
        int thumbLength = 0;
    };
    BarGeometry ScrollBarGeometry(int bar) const;
    int trackingBar_ = -1;
    int trackGrab_ = 0;  // where in the thumb the mouse took it

    std::vector<TControl*> controls_;  // z-order, first = bottom
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    int borderWidth_ = 0;
    bool hScroll_ = false;
    bool vScroll_ = false;
    TScrollInfo hScrollInfo_;
    TScrollInfo vScrollInfo_;
    bool flatBars_ = false;
    TColor flatBarColor_ = clNone;
    int flatBarThickness_ = ScrollBarSize;
    int alignDisabled_ = 0;
    bool aligning_ = false;
};

// A windowed control that paints itself: override Paint and draw on Canvas().
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    // During Paint the canvas draws into the paint target; outside Paint it draws into the
    // control's back buffer, which a native window shows.
    TCanvas* Canvas() { return canvas_.get(); }
    void PaintControl(TCanvas& canvas) override;
    // The back buffer (client size) with the last painted picture.
    TBitmap* BackBuffer() { return &buffer_; }
    // Paints the control into its back buffer and returns it.
    TBitmap* PaintToBuffer();
    // Painting arrives as WM_ERASEBKGND (unless the control is opaque; WParam = the TCanvas*) and
    // WM_PAINT, whose default handling calls Paint.
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint();

private:
    std::unique_ptr<TCanvas> canvas_;
    TBitmap buffer_;
};

// A windowless control painted by its parent.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    TCanvas* Canvas() { return canvas_.get(); }
    void PaintControl(TCanvas& canvas) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> canvas_;
};

// Finds the windowed control with the focus, or nullptr.
TWinControl* FindFocusedControl();

// Sends a control's notification (EN_CHANGE, CBN_SELCHANGE …) as WM_COMMAND to its parent, which
// reflects it back as CN_COMMAND; a control without parent gets CN_COMMAND directly.
void NotifyParent(TWinControl* control, unsigned code);
// The accelerator character of a caption ("&x"), lower-cased, or 0.
char32_t AcceleratorOf(const std::string& caption);
bool IsAccel(char32_t ch, const std::string& caption);

}  // namespace ui
