// Key strokes and mouse actions turned into messages with desktop semantics.
#include "platform/ui/Input.h"

#include "platform/rtl/Utf8.h"

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PopupWindow.h"

namespace ui {

void SetMouseInside(TControl* control, bool inside);

namespace {
TControl*& CaptureSlot()
{
    static TControl* c = nullptr;
    return c;
}

TControl*& MouseSlot()
{
    static TControl* c = nullptr;
    return c;
}

// Clears the mouse bookkeeping when a control goes away.
class Watch : public TComponent {
public:
    Watch() : TComponent(nullptr) {}
    void Follow(TControl* c)
    {
        if (c)
            c->FreeNotification(this);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation != TOperation::opRemove)
            return;
        if (CaptureSlot() == component)
            CaptureSlot() = nullptr;
        if (MouseSlot() == component)
            MouseSlot() = nullptr;
    }
};

Watch& Watcher()
{
    static Watch* w = new Watch();
    return *w;
}

TWinControl* KeyTarget(TWinControl* target)
{
    if (auto* form = dynamic_cast<TCustomForm*>(target)) {
        TWinControl* f = FindFocusedControl();
        if (f && form->ContainsControl(f))
            return f;
        if (form->ActiveControl())
            return form->ActiveControl();
    }
    return target;
}

std::uintptr_t MouseKeys(TShiftState shift)
{
    std::uintptr_t k = 0;
    if (shift & ssShift)
        k |= MK_SHIFT;
    if (shift & ssCtrl)
        k |= MK_CONTROL;
    if (shift & ssLeft)
        k |= MK_LBUTTON;
    if (shift & ssRight)
        k |= MK_RBUTTON;
    if (shift & ssMiddle)
        k |= MK_MBUTTON;
    return k;
}

unsigned DialogMask(unsigned vk)
{
    switch (vk) {
    case VK_TAB:
        return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

void Deliver(TControl* c, unsigned msg, std::uintptr_t w, std::intptr_t l)
{
    GetApplication()->Guard(c, [&] { c->Perform(msg, w, l); });
}

// While a popup is open, a key typed for a control outside it goes to the popup first (the
// popup does not take the focus); true when the popup took it.
bool PopupTakes(TWinControl* t, unsigned msg, std::uintptr_t w)
{
    TPopupWindow* p = ActivePopup();
    if (!p || PopupOf(t) == p)
        return false;
    std::intptr_t r = 0;
    GetApplication()->Guard(p, [&] { r = p->Perform(msg, w, 0); });
    return r != 0;
}

// Key down; returns false when the form took the key as a dialog key or an open popup took it
// (no character follows for the focused control).
bool KeyDownStep(TWinControl* t, unsigned vk, bool& dialogTaken, char32_t ch = 0, std::intptr_t keyData = 0)
{
    dialogTaken = false;
    TPopupWindow* popup = ActivePopup();
    if (PopupTakes(t, WM_KEYDOWN, vk)) {
        // A key the popup took still makes its character, and the character is the popup's (as
        // long as the key left the popup open and on top).
        if (ch != 0 && popup && ActivePopup() == popup) {
            auto c = static_cast<std::uintptr_t>(ch);
            GetApplication()->Guard(popup, [&] { popup->Perform(WM_CHAR, c, keyData); });
        }
        return false;
    }
    unsigned mask = DialogMask(vk);
    TCustomForm* form = t->ParentForm();
    if (mask && form && t->Perform(CM_WANTSPECIALKEY, vk) == 0 && (t->Perform(WM_GETDLGCODE) & mask) == 0) {
        std::intptr_t r = 0;
        GetApplication()->Guard(form, [&] { r = form->Perform(CM_DIALOGKEY, vk); });
        if (r != 0) {
            dialogTaken = true;
            return false;
        }
    }
    Deliver(t, WM_KEYDOWN, vk, 0);
    return true;
}

void CharStep(TWinControl* t, char32_t ch, std::intptr_t keyData)
{
    if (PopupTakes(t, WM_CHAR, static_cast<std::uintptr_t>(ch)))
        return;
    TCustomForm* form = t->ParentForm();
    bool alt = (KeyboardShiftState() & ssAlt) != 0;
    if (form && (alt || (t->Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) == 0)) {
        std::intptr_t r = 0;
        GetApplication()->Guard(form, [&] { r = form->Perform(CM_DIALOGCHAR, static_cast<std::uintptr_t>(ch)); });
        if (r != 0)
            return;
    }
    if (!alt)
        Deliver(t, WM_CHAR, static_cast<std::uintptr_t>(ch), keyData);
}
}  // namespace

void SendKeyDown(TWinControl* target, unsigned vk, TShiftState shift)
{
    if (!target)
        return;
    SetKeyboardShiftState(shift);
    bool taken = false;
    KeyDownStep(KeyTarget(target), vk, taken);
}

void SendChar(TWinControl* target, char32_t ch, std::intptr_t keyData)
{
    if (!target)
        return;
    CharStep(KeyTarget(target), ch, keyData);
}

void SendKeyUp(TWinControl* target, unsigned vk, TShiftState shift)
{
    if (!target)
        return;
    SetKeyboardShiftState(shift);
    Deliver(KeyTarget(target), WM_KEYUP, vk, 0);
    SetKeyboardShiftState(0);
}

void SendKeyStroke(TWinControl* target, unsigned vk, TShiftState shift, char32_t ch, std::intptr_t keyData)
{
    if (!target)
        return;
    SetKeyboardShiftState(shift);
    TWinControl* t = KeyTarget(target);
    bool taken = false;
    // The character belongs to the window that got the key down, even when a handler moved the focus.
    if (KeyDownStep(t, vk, taken, ch, keyData) && ch != 0)
        CharStep(t, ch, keyData);
    TWinControl* up = KeyTarget(target);
    Deliver(up ? up : t, WM_KEYUP, vk, 0);
    SetKeyboardShiftState(0);
}

void SendText(TWinControl* target, const std::string& text)
{
    for (const char32_t ch : rtl::Utf8ToCodePoints(text)) {
        unsigned vk = 0;
        if (ch >= 'a' && ch <= 'z')
            vk = static_cast<unsigned>(ch - 'a' + 'A');
        else if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))
            vk = static_cast<unsigned>(ch);
        else if (ch == ' ')
            vk = VK_SPACE;
        else if (ch == '\r')
            vk = VK_RETURN;
        TShiftState shift = (ch >= 'A' && ch <= 'Z') ? TShiftState(ssShift) : 0u;
        SendKeyStroke(target, vk ? vk : 0xE5, shift, ch);
    }
}

TControl* CaptureControl()
{
    return CaptureSlot();
}

void SetCaptureControl(TControl* control)
{
    TControl* old = CaptureSlot();
    if (old == control)
        return;
    CaptureSlot() = control;
    Watcher().Follow(control);
    if (old)
        old->Perform(WM_CAPTURECHANGED, 0, 0);
    if (Backend())
        Backend()->SetCapture(control);
}

TControl* MouseControl()
{
    return MouseSlot();
}

namespace {
void EnterLeave(TControl* now)
{
    TControl* before = MouseSlot();
    if (before == now)
        return;
    MouseSlot() = now;
    Watcher().Follow(now);
    if (before) {
        SetMouseInside(before, false);
        Deliver(before, CM_MOUSELEAVE, 0, 0);
    }
    if (now) {
        SetMouseInside(now, true);
        Deliver(now, CM_MOUSEENTER, 0, 0);
    }
}

bool IsPress(unsigned msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

// A press while popups are open: the popups opened after the one it lands in (under) close;
// when it lands in none, all close and the press goes no further (returns true then).
bool PressClosesPopups(unsigned msg, TPopupWindow* under)
{
    if (!IsPress(msg) || !ActivePopup())
        return false;
    while (TPopupWindow* p = ActivePopup()) {
        if (p == under)
            return false;
        GetApplication()->Guard(
            p, [&] { p->ClosePopup(under ? TPopupCloseReason::pcrOwner : TPopupCloseReason::pcrOutsideClick); });
    }
    return true;
}

void Send(TControl* control, unsigned msg, int x, int y, std::uintptr_t keys)
{
    if (!control)
        return;
    // A press sent to a control outside the open popups is a press outside them.
    if (PressClosesPopups(msg, PopupOf(control)))
        return;
    SetCursorPosForInput(control->ClientToScreen({x, y}));
    if (msg != WM_MOUSEWHEEL)
        EnterLeave(control);
    Deliver(control, msg, keys, MakeLParam(x, y));
}
}  // namespace

void MouseLeftWindows()
{
    EnterLeave(nullptr);
}

void SendMouseDown(TControl* control, TMouseButton button, int x, int y, TShiftState shift)
{
    TShiftState held = button == TMouseButton::mbLeft ? ssLeft : button == TMouseButton::mbRight ? ssRight : ssMiddle;
    // While the button is down, GetKeyState reports it down (as the desktop's key state does).
    SetKeyboardShiftState(shift | held);
    unsigned msg = button == TMouseButton::mbLeft    ? WM_LBUTTONDOWN
                   : button == TMouseButton::mbRight ? WM_RBUTTONDOWN
                                                     : WM_MBUTTONDOWN;
    Send(control, msg, x, y, MouseKeys(shift | held));
}

void SendMouseUp(TControl* control, TMouseButton button, int x, int y, TShiftState shift)
{
    SetKeyboardShiftState(shift);
    unsigned msg = button == TMouseButton::mbLeft    ? WM_LBUTTONUP
                   : button == TMouseButton::mbRight ? WM_RBUTTONUP
                                                     : WM_MBUTTONUP;
    Send(control, msg, x, y, MouseKeys(shift));
    SetKeyboardShiftState(0);
}

void SendMouseMove(TControl* control, int x, int y, TShiftState shift)
{
    Send(control, WM_MOUSEMOVE, x, y, MouseKeys(shift));
}

void SendDoubleClick(TControl* control, TMouseButton button, int x, int y, TShiftState shift)
{
    unsigned msg = button == TMouseButton::mbLeft    ? WM_LBUTTONDBLCLK
                   : button == TMouseButton::mbRight ? WM_RBUTTONDBLCLK
                                                     : WM_MBUTTONDBLCLK;
    Send(control, msg, x, y, MouseKeys(shift));
    SendMouseUp(control, button, x, y, shift);
}

void SendMouseWheel(TControl* control, int delta, int x, int y, TShiftState shift)
{
    if (!control)
        return;
    std::uintptr_t w = MakeWParam(static_cast<unsigned>(MouseKeys(shift)), static_cast<unsigned>(delta & 0xFFFF));
    TPoint screen = control->ClientToScreen({x, y});
    SetCursorPosForInput(screen);
    SetKeyboardShiftState(shift);
    Deliver(control, WM_MOUSEWHEEL, w, MakeLParam(screen.X, screen.Y));
    SetKeyboardShiftState(0);
}

void SendClick(TControl* control, int x, int y)
{
    SendMouseDown(control, TMouseButton::mbLeft, x, y);
    SendMouseUp(control, TMouseButton::mbLeft, x, y);
}

void RouteMouseEvent(TWinControl* root, unsigned msg, int x, int y, std::uintptr_t keys)
{
    if (!root)
        return;
    TPoint p{x, y};
    if (IsPress(msg) && ActivePopup()) {
        // A popup lies above every other window: a press in one goes to it, whatever window the
        // window system gave it to; a press outside them all only closes them.
        TPoint screen = root->ClientToScreen(p);
        TPopupWindow* under = PopupAtScreenPoint(screen);
        if (PressClosesPopups(msg, under))
            return;
        if (under && under != PopupOf(root)) {
            root = under;
            p = under->ScreenToClient(screen);
        }
    }
    TControl* target = CaptureSlot();
    if (target && target != root) {
        TPoint screen = root->ClientToScreen(p);
        p = target->ScreenToClient(screen);
    } else if (!target) {
        target = root;
        // Descend to the deepest visible control under the point.
        while (auto* w = dynamic_cast<TWinControl*>(target)) {
            TControl* child = w->ControlAtPos(p, true);
            if (!child)
                break;
            TPoint o = child->ClientOrigin();
            p = {p.X - child->Left() - o.X, p.Y - child->Top() - o.Y};
            target = child;
        }
        if (!target->Enabled())
            return;
    }
    SetCursorPosForInput(target->ClientToScreen(p));
    if (msg == WM_MOUSEWHEEL) {
        // The wheel goes to the window under the mouse (a windowless control's parent); what it
        // does not take goes on to its parents.
        TControl* to = target;
        while (to && !dynamic_cast<TWinControl*>(to))
            to = to->Parent();
        if (!to)
            return;
        TPoint screen = GetCursorPos();  // the wheel message carries the screen point
        Deliver(to, msg, keys, MakeLParam(screen.X, screen.Y));
        return;
    }
    EnterLeave(target);
    Deliver(target, msg, keys, MakeLParam(p.X, p.Y));
}

}  // namespace ui
