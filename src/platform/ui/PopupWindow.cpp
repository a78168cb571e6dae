// Popup windows: opening next to a control, the stack of open popups, closing, sizing by the grip.
#include "platform/ui/PopupWindow.h"

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Input.h"
#include <algorithm>
#include <vector>

namespace ui {

namespace {
// Open popups, the first opened first.
std::vector<TPopupWindow*>& Stack()
{
    static std::vector<TPopupWindow*> stack;
    return stack;
}

constexpr int kGripSize = 13;

// A control's outer rectangle in screen coordinates.
TRect ScreenBounds(const TControl* c)
{
    TPoint p = c->Parent() ? c->Parent()->ClientToScreen({c->Left(), c->Top()}) : TPoint{c->Left(), c->Top()};
    return Bounds(p.X, p.Y, c->Width(), c->Height());
}
}  // namespace

TPopupWindow::TPopupWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    TControl::SetVisible(false);
    SetBorderWidth(1);
    SetDefaultColor(clWindow);
    TControl::SetBounds(0, 0, 100, 100);
}

TPopupWindow::~TPopupWindow()
{
    MarkDestroying();
    if (!open_)
        return;
    // Going away open: popups opened from it go too, without events from a half-destroyed object.
    auto& s = Stack();
    auto it = std::find(s.begin(), s.end(), this);
    while (it != s.end() && s.back() != this) {
        s.back()->ClosePopup(TPopupCloseReason::pcrOwner);
        it = std::find(s.begin(), s.end(), this);
    }
    s.erase(std::remove(s.begin(), s.end(), this), s.end());
    open_ = false;
    if (Backend())
        Backend()->HidePopup(this);
}

TCustomForm* TPopupWindow::OwnerForm() const
{
    const TControl* c = anchor_;
    // An anchor inside another popup belongs to that popup's form.
    while (c) {
        if (TCustomForm* f = c->ParentForm())
            return f;
        const TControl* top = c;
        while (top->Parent())
            top = top->Parent();
        auto* p = dynamic_cast<const TPopupWindow*>(top);
        c = p ? p->anchor_ : nullptr;
    }
    return nullptr;
}

void TPopupWindow::SetSizeGrip(bool v)
{
    if (v == sizeGrip_)
        return;
    sizeGrip_ = v;
    Invalidate();
}

void TPopupWindow::SetShadow(bool v)
{
    if (v == shadow_)
        return;
    shadow_ = v;
    Changed(TChangeAspect::Style);
}

void TPopupWindow::SetClickThrough(bool v)
{
    // The window's kind is chosen when it opens.
    if (!open_)
        clickThrough_ = v;
}

TRect TPopupWindow::GripRect() const
{
    if (!sizeGrip_)
        return {};
    int top = droppedAbove_ ? 1 : Height() - 1 - kGripSize;
    return Bounds(Width() - 1 - kGripSize, top, kGripSize, kGripSize);
}

TRect TPopupWindow::PlaceNear(const TRect& anchor, TSize size, TPopupPlacement placement, const TRect& workArea,
                              bool& above)
{
    int w = std::min(size.cx, workArea.Width());
    int h = size.cy;
    int roomBelow = workArea.Bottom - anchor.Bottom;
    int roomAbove = anchor.Top - workArea.Top;
    // The asked side unless the popup does not fit there and the other side has more room.
    if (placement == TPopupPlacement::ppAbove)
        above = h <= roomAbove || roomAbove >= roomBelow;
    else
        above = h > roomBelow && roomAbove > roomBelow;
    h = std::max(0, std::min(h, above ? roomAbove : roomBelow));
    int top = above ? anchor.Top - h : anchor.Bottom;
    int left = std::clamp(anchor.Left, workArea.Left, std::max(workArea.Left, workArea.Right - w));
    return Bounds(left, top, w, h);
}

void TPopupWindow::Popup(TControl* anchor, TPopupPlacement placement)
{
    TRect a = anchor ? ScreenBounds(anchor) : BoundsRect();
    bool above = false;
    TRect r = PlaceNear(a, {Width(), Height()}, placement, GetScreen()->WorkAreaRect(), above);
    droppedAbove_ = above;
    Open(r, anchor);
}

void TPopupWindow::PopupAt(TPoint screenPos, TControl* anchor)
{
    TRect work = GetScreen()->WorkAreaRect();
    int w = std::min(Width(), work.Width());
    int h = std::min(Height(), work.Height());
    int left = std::clamp(screenPos.X, work.Left, std::max(work.Left, work.Right - w));
    int top = std::clamp(screenPos.Y, work.Top, std::max(work.Top, work.Bottom - h));
    droppedAbove_ = false;
    Open(Bounds(left, top, w, h), anchor);
}

void TPopupWindow::Open(const TRect& screenRect, TControl* anchor)
{
    if (anchor != anchor_) {
        if (anchor_)
            anchor_->RemoveFreeNotification(this);
        anchor_ = anchor;
        if (anchor_)
            anchor_->FreeNotification(this);
    }
    if (clickThrough_) {
        SetBounds(screenRect.Left, screenRect.Top, screenRect.Width(), screenRect.Height());
        if (open_)
            return;
        open_ = true;
        TControl::SetVisible(true);
        if (Backend())
            Backend()->ShowPopup(this);
        return;
    }
    // Only popups this one drops from stay open.
    TPopupWindow* host = anchor ? PopupOf(anchor) : nullptr;
    auto& s = Stack();
    while (!s.empty() && s.back() != host && s.back() != this)
        s.back()->ClosePopup(TPopupCloseReason::pcrOwner);
    SetBounds(screenRect.Left, screenRect.Top, screenRect.Width(), screenRect.Height());
    if (open_)
        return;
    open_ = true;
    s.push_back(this);
    TControl::SetVisible(true);
    // The press that opened the popup does not keep the mouse: what follows goes to the popup.
    if (CaptureControl())
        SetCaptureControl(nullptr);
    if (Backend())
        Backend()->ShowPopup(this);
}

void TPopupWindow::ClosePopup(TPopupCloseReason reason)
{
    if (!open_)
        return;
    auto& s = Stack();
    while (!clickThrough_ && !s.empty() && s.back() != this)
        s.back()->ClosePopup(reason == TPopupCloseReason::pcrSelect ? TPopupCloseReason::pcrOwner : reason);
    s.erase(std::remove(s.begin(), s.end(), this), s.end());
    open_ = false;
    sizing_ = false;
    if (TControl* cap = CaptureControl(); cap && (cap == this || ContainsControl(cap)))
        SetCaptureControl(nullptr);
    if (Backend())
        Backend()->HidePopup(this);
    TControl::SetVisible(false);
    DoClosePopup(reason);
    if (OnClosePopup)
        OnClosePopup(this, reason);
}

void TPopupWindow::DoClosePopup(TPopupCloseReason /*reason*/) {}

void TPopupWindow::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == anchor_) {
        anchor_ = nullptr;
        ClosePopup(TPopupCloseReason::pcrOwner);
    }
}

void TPopupWindow::KeyDown(unsigned& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == VK_ESCAPE && !(shift & (ssShift | ssCtrl | ssAlt))) {
        key = 0;
        ClosePopup(TPopupCloseReason::pcrCancel);
    }
}

void TPopupWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    TPoint o = ClientOrigin();
    if (button == TMouseButton::mbLeft && GripRect().Contains({x + o.X, y + o.Y})) {
        sizing_ = true;
        sizeStart_ = ClientToScreen({x, y});
        sizeBounds_ = BoundsRect();
    }
}

void TPopupWindow::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    TPoint o = ClientOrigin();
    if (!sizing_) {
        bool onGrip = GripRect().Contains({x + o.X, y + o.Y});
        SetCursor(onGrip ? (droppedAbove_ ? crSizeNESW : crSizeNWSE) : crDefault);
        return;
    }
    TPoint p = ClientToScreen({x, y});
    TRect work = GetScreen()->WorkAreaRect();
    int w = std::clamp(sizeBounds_.Width() + p.X - sizeStart_.X, MinTrackSize.cx,
                       std::max(MinTrackSize.cx, work.Right - sizeBounds_.Left));
    if (droppedAbove_) {
        int h = std::clamp(sizeBounds_.Height() - (p.Y - sizeStart_.Y), MinTrackSize.cy,
                           std::max(MinTrackSize.cy, sizeBounds_.Bottom - work.Top));
        SetBounds(sizeBounds_.Left, sizeBounds_.Bottom - h, w, h);
    } else {
        int h = std::clamp(sizeBounds_.Height() + p.Y - sizeStart_.Y, MinTrackSize.cy,
                           std::max(MinTrackSize.cy, work.Bottom - sizeBounds_.Top));
        SetBounds(sizeBounds_.Left, sizeBounds_.Top, w, h);
    }
}

void TPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    sizing_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TPopupWindow::WndProc(TMessage& message)
{
    if (message.Msg == WM_CAPTURECHANGED)
        sizing_ = false;
    TCustomControl::WndProc(message);
}

void TPopupWindow::PaintControl(TCanvas& canvas)
{
    TCustomControl::PaintControl(canvas);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clWindowFrame);
    canvas.FrameRect({0, 0, Width(), Height()});
    TRect g = GripRect();
    if (g.IsEmpty())
        return;
    // Three diagonal rows of dots pointing into the corner that moves.
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(g);
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i <= row; ++i) {
            int x = g.Right - 3 - (row - i) * 4;
            int y = droppedAbove_ ? g.Top + 1 + i * 4 : g.Bottom - 3 - i * 4;
            canvas.Brush()->SetColor(clBtnHighlight);
            canvas.FillRect(Bounds(x, y, 2, 2));
            canvas.Brush()->SetColor(clBtnShadow);
            canvas.FillRect(Bounds(x, y, 1, 1));
        }
    }
}

int OpenPopupCount()
{
    return static_cast<int>(Stack().size());
}

TPopupWindow* OpenPopup(int index)
{
    return Stack().at(static_cast<std::size_t>(index));
}

TPopupWindow* ActivePopup()
{
    return Stack().empty() ? nullptr : Stack().back();
}

void CloseAllPopups(TPopupCloseReason reason)
{
    while (!Stack().empty())
        Stack().front()->ClosePopup(reason);
}

void ClosePopupsOf(const TCustomForm* form)
{
    auto& s = Stack();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i]->OwnerForm() == form) {
            s[i]->ClosePopup(TPopupCloseReason::pcrOwner);
            return;  // the popups opened after it closed with it
        }
    }
}

TPopupWindow* PopupOf(const TControl* control)
{
    const TControl* top = control;
    while (top && top->Parent())
        top = top->Parent();
    auto* p = dynamic_cast<TPopupWindow*>(const_cast<TControl*>(top));
    return p && p->IsOpen() ? p : nullptr;
}

TPopupWindow* PopupAtScreenPoint(TPoint screen)
{
    auto& s = Stack();
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        if ((*it)->BoundsRect().Contains(screen))
            return *it;
    return nullptr;
}

}  // namespace ui
