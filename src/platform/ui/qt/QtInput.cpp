#include "platform/ui/qt/QtInput.h"

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace ui::qt {

unsigned VirtualKeyOf(const QKeyEvent& e)
{
    int k = e.key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return static_cast<unsigned>('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return static_cast<unsigned>('0' + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return VK_F1 + static_cast<unsigned>(k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Menu:
        return VK_APPS;
    default:
        return 0xE5;  // a key known only by the character it produces
    }
}

TShiftState ShiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b)
{
    TShiftState s = 0;
    if (m & Qt::ShiftModifier)
        s |= ssShift;
    if (m & Qt::ControlModifier)
        s |= ssCtrl;
    if (m & Qt::AltModifier)
        s |= ssAlt;
    if (b & Qt::LeftButton)
        s |= ssLeft;
    if (b & Qt::RightButton)
        s |= ssRight;
    if (b & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

void DeliverKey(TWinControl* control, const QKeyEvent& e, bool press)
{
    unsigned vk = VirtualKeyOf(e);
    TShiftState shift = ShiftOf(e.modifiers());
    if (!press) {
        SendKeyUp(control, vk, shift);
        return;
    }
    // Qt's text of a key is taken only when it is a printable character: the window system hands
    // control characters with it (Delete brings U+007F), and no control key types text. The few
    // control characters the desktop produces come from the key itself below.
    char32_t ch = 0;
    QString text = e.text();
    if (!text.isEmpty())
        ch = static_cast<char32_t>(text.toUcs4().value(0));
    if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0))
        ch = 0;
    // Keys whose control character the desktop produces: Enter, Backspace, Escape, Tab, Ctrl+letter.
    if (!ch) {
        if (vk == VK_RETURN)
            ch = '\r';
        else if (vk == VK_BACK)
            ch = 8;
        else if (vk == VK_ESCAPE)
            ch = 27;
        else if (vk == VK_TAB)
            ch = '\t';
        else if ((shift & ssCtrl) && vk >= 'A' && vk <= 'Z')
            ch = static_cast<char32_t>(vk - 'A' + 1);
    }
    // The keypad's decimal key is told apart by its scan code, as on the desktop.
    const bool keypadDecimal =
        (e.modifiers() & Qt::KeypadModifier) && (e.key() == Qt::Key_Period || e.key() == Qt::Key_Comma);
    const std::intptr_t keyData = keypadDecimal ? KeyDataOfScanCode(SC_DECIMAL) : 0;
    SetKeyboardShiftState(shift);
    GetApplication()->Guard(control, [&] {
        SendKeyDown(control, vk, shift);
        if (ch)
            SendChar(control, ch, keyData);
    });
}

namespace {
TPoint ClientPoint(TWinControl* control, QPointF pos)
{
    TPoint o = dynamic_cast<TCustomForm*>(control) ? TPoint{} : control->ClientOrigin();
    return {static_cast<int>(pos.x()) - o.X, static_cast<int>(pos.y()) - o.Y};
}

std::uintptr_t Keys(Qt::KeyboardModifiers m, Qt::MouseButtons b)
{
    std::uintptr_t k = 0;
    if (m & Qt::ShiftModifier)
        k |= MK_SHIFT;
    if (m & Qt::ControlModifier)
        k |= MK_CONTROL;
    if (b & Qt::LeftButton)
        k |= MK_LBUTTON;
    if (b & Qt::RightButton)
        k |= MK_RBUTTON;
    if (b & Qt::MiddleButton)
        k |= MK_MBUTTON;
    return k;
}
}  // namespace

void DeliverMouse(TWinControl* control, const QMouseEvent& e, QEvent::Type type)
{
    TPoint p = ClientPoint(control, e.position());
    SetKeyboardShiftState(ShiftOf(e.modifiers(), e.buttons()));
    unsigned msg = WM_MOUSEMOVE;
    bool left = e.button() == Qt::LeftButton, right = e.button() == Qt::RightButton;
    switch (type) {
    case QEvent::MouseButtonPress:
        msg = left ? WM_LBUTTONDOWN : right ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
        break;
    case QEvent::MouseButtonRelease:
        msg = left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : WM_MBUTTONUP;
        break;
    case QEvent::MouseButtonDblClick:
        msg = left ? WM_LBUTTONDBLCLK : right ? WM_RBUTTONDBLCLK : WM_MBUTTONDBLCLK;
        break;
    default:
        break;
    }
    RouteMouseEvent(control, msg, p.X, p.Y, Keys(e.modifiers(), e.buttons()));
    if (msg == WM_MOUSEMOVE && !(e.buttons() & Qt::LeftButton)) {
        // The hint follows the control under the mouse.
        if (TControl* over = MouseControl())
            GetApplication()->ActivateHint(over, over->ScreenToClient(GetCursorPos()));
    }
}

void DeliverWheel(TWinControl* control, const QWheelEvent& e)
{
    TPoint p = ClientPoint(control, e.position());
    int delta = e.angleDelta().y();
    std::uintptr_t w =
        MakeWParam(static_cast<unsigned>(Keys(e.modifiers(), e.buttons())), static_cast<unsigned>(delta & 0xFFFF));
    RouteMouseEvent(control, WM_MOUSEWHEEL, p.X, p.Y, w);
}

void DeliverLeave(TWinControl* control)
{
    if (TControl* over = MouseControl(); over && (over == control || control->ContainsControl(over))) {
        MouseLeftWindows();
        GetApplication()->CancelHint();
    }
}

}  // namespace ui::qt
