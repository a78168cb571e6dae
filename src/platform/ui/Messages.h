#pragma once
// Window messages, virtual-key codes and the message record controls receive.
// Posting and sending go through the application's queue (see Application.h).
#include "platform/ui/Types.h"
#include <cstdint>
#include <string>

namespace ui {

class TWinControl;
using HWND = TWinControl*;  // a windowed control stands for its window

struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

constexpr std::intptr_t MakeLParam(int lo, int hi)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(hi & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(lo & 0xFFFF));
}
constexpr int LoWordSigned(std::intptr_t v)
{
    return static_cast<std::int16_t>(v & 0xFFFF);
}
constexpr int HiWordSigned(std::intptr_t v)
{
    return static_cast<std::int16_t>((v >> 16) & 0xFFFF);
}
constexpr unsigned LoWord(std::uintptr_t v)
{
    return static_cast<unsigned>(v & 0xFFFF);
}
constexpr unsigned HiWord(std::uintptr_t v)
{
    return static_cast<unsigned>((v >> 16) & 0xFFFF);
}

// Message ids.
constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_MOVE = 0x0003;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_ENABLE = 0x000A;
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_SHOWWINDOW = 0x0018;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_NOTIFY = 0x004E;
constexpr unsigned WM_NCPAINT = 0x0085;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_SYSCHAR = 0x0106;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_CAPTURECHANGED = 0x0215;
constexpr unsigned WM_MOUSELEAVE = 0x02A3;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr unsigned WM_THEMECHANGED = 0x031A;
constexpr unsigned WM_USER = 0x0400;

// Framework notifications (component messages).
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 4;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 5;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 6;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_HITTEST = CM_BASE + 10;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;
constexpr unsigned CM_ENTER = CM_BASE + 12;
constexpr unsigned CM_EXIT = CM_BASE + 13;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 14;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 15;
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 16;
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 17;
constexpr unsigned CM_SHOWHINTCHANGED = CM_BASE + 21;
constexpr unsigned CM_HINTSHOW = CM_BASE + 48;
constexpr unsigned CM_MOUSEWHEEL = CM_BASE + 67;
constexpr unsigned CM_RELEASE = CM_BASE + 33;
constexpr unsigned CM_CHILDKEY = CM_BASE + 26;
constexpr unsigned CM_UIACTIVATE = CM_BASE + 27;
constexpr unsigned CM_CANCELMODE = CM_BASE + 68;
constexpr unsigned CM_STYLECHANGED = CM_BASE + 69;  // the application's style changed (AppStyle.h)
constexpr unsigned CN_BASE = 0xBC00;
constexpr unsigned CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr unsigned CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr unsigned CN_CHAR = CN_BASE + WM_CHAR;

// Edit and combo-box control messages and notifications the program sends or handles.
constexpr unsigned EM_GETSEL = 0x00B0;
constexpr unsigned EM_SETSEL = 0x00B1;
constexpr unsigned EM_GETRECT = 0x00B2;
constexpr unsigned EM_SETRECT = 0x00B3;
constexpr unsigned EM_SETRECTNP = 0x00B4;
constexpr unsigned EM_CHARFROMPOS = 0x00D7;
constexpr unsigned EM_SHOWBALLOONTIP = 0x1503;
constexpr unsigned EM_HIDEBALLOONTIP = 0x1504;
constexpr unsigned CB_SHOWDROPDOWN = 0x014F;
constexpr unsigned CB_SETDROPPEDWIDTH = 0x0160;
constexpr unsigned EN_CHANGE = 0x0300;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned CBN_DROPDOWN = 7;
constexpr unsigned CBN_EDITCHANGE = 5;
constexpr unsigned CBN_CLOSEUP = 8;

// Scroll codes (low word of WParam of WM_HSCROLL / WM_VSCROLL).
constexpr unsigned SB_LINEUP = 0;
constexpr unsigned SB_LINELEFT = 0;
constexpr unsigned SB_LINEDOWN = 1;
constexpr unsigned SB_LINERIGHT = 1;
constexpr unsigned SB_PAGEUP = 2;
constexpr unsigned SB_PAGELEFT = 2;
constexpr unsigned SB_PAGEDOWN = 3;
constexpr unsigned SB_PAGERIGHT = 3;
constexpr unsigned SB_THUMBPOSITION = 4;
constexpr unsigned SB_THUMBTRACK = 5;
constexpr unsigned SB_TOP = 6;
constexpr unsigned SB_BOTTOM = 7;
constexpr unsigned SB_ENDSCROLL = 8;
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;

// WM_GETDLGCODE answers.
constexpr unsigned DLGC_WANTARROWS = 0x0001;
constexpr unsigned DLGC_WANTTAB = 0x0002;
constexpr unsigned DLGC_WANTALLKEYS = 0x0004;
constexpr unsigned DLGC_WANTCHARS = 0x0080;

// Mouse-key flags in WParam of mouse messages.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;

// Virtual-key codes.
constexpr unsigned VK_LBUTTON = 0x01;
constexpr unsigned VK_RBUTTON = 0x02;
constexpr unsigned VK_CANCEL = 0x03;
constexpr unsigned VK_MBUTTON = 0x04;
constexpr unsigned VK_BACK = 0x08;
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_CLEAR = 0x0C;
constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_SHIFT = 0x10;
constexpr unsigned VK_CONTROL = 0x11;
constexpr unsigned VK_MENU = 0x12;
constexpr unsigned VK_PAUSE = 0x13;
constexpr unsigned VK_CAPITAL = 0x14;
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_SPACE = 0x20;
constexpr unsigned VK_PRIOR = 0x21;
constexpr unsigned VK_NEXT = 0x22;
constexpr unsigned VK_END = 0x23;
constexpr unsigned VK_HOME = 0x24;
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_INSERT = 0x2D;
constexpr unsigned VK_DELETE = 0x2E;
constexpr unsigned VK_LWIN = 0x5B;
constexpr unsigned VK_RWIN = 0x5C;
constexpr unsigned VK_APPS = 0x5D;
constexpr unsigned VK_NUMPAD0 = 0x60;
constexpr unsigned VK_MULTIPLY = 0x6A;
constexpr unsigned VK_ADD = 0x6B;
constexpr unsigned VK_SEPARATOR = 0x6C;
constexpr unsigned VK_SUBTRACT = 0x6D;
constexpr unsigned VK_DECIMAL = 0x6E;
constexpr unsigned VK_DIVIDE = 0x6F;
constexpr unsigned VK_F1 = 0x70;
constexpr unsigned VK_F2 = 0x71;
constexpr unsigned VK_F3 = 0x72;
constexpr unsigned VK_F4 = 0x73;
constexpr unsigned VK_F5 = 0x74;
constexpr unsigned VK_F6 = 0x75;
constexpr unsigned VK_F7 = 0x76;
constexpr unsigned VK_F8 = 0x77;
constexpr unsigned VK_F9 = 0x78;
constexpr unsigned VK_F10 = 0x79;
constexpr unsigned VK_F11 = 0x7A;
constexpr unsigned VK_F12 = 0x7B;
constexpr unsigned VK_NUMLOCK = 0x90;
constexpr unsigned VK_SCROLL = 0x91;
// Letters and digits use their upper-case ASCII codes ('A' = 0x41, '0' = 0x30).

// WM_COMMAND parameters: WParam = notification << 16 | control id, LParam = the sending control.
constexpr std::uintptr_t MakeWParam(unsigned lo, unsigned hi)
{
    return (static_cast<std::uintptr_t>(hi & 0xFFFF) << 16) | (lo & 0xFFFF);
}
inline std::intptr_t ControlToLParam(const TWinControl* c)
{
    return reinterpret_cast<std::intptr_t>(c);
}
inline TWinControl* LParamToControl(std::intptr_t l)
{
    return reinterpret_cast<TWinControl*>(l);
}

// Key data (LParam of key and character messages) carries the key's scan code in bits 16 to 23,
// as on the desktop; the input layer fills it where a control needs to know the key (the numeric
// keypad's decimal key, scan code 0x53, types the same "." as the main keyboard's).
constexpr unsigned SC_DECIMAL = 0x53;
constexpr std::intptr_t KeyDataOfScanCode(unsigned scanCode)
{
    return static_cast<std::intptr_t>((scanCode & 0xFFu) << 16);
}

// Mouse-wheel step of one notch.
constexpr int WHEEL_DELTA = 120;

// Registered message ids are unique per name and lie in 0xC000..0xFFFF.
unsigned RegisterWindowMessage(const std::string& name);

// Sends a message straight to the control and returns its result.
std::intptr_t SendMessage(HWND wnd, unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
// Queues a message; it is delivered after the current message has been handled (FIFO).
// Returns false when the target is null.
bool PostMessage(HWND wnd, unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

// The state of a modifier or mouse key as the input layer last saw it (high bit set when down).
short GetKeyState(unsigned vk);
// The shift state of the keyboard as the input layer last saw it.
TShiftState KeyboardShiftState();
void SetKeyboardShiftState(TShiftState state);

// The desktop's warning sound (0 or an MB_ICON* type). Each call is counted, so that a test can
// see that a control refused an input with a beep.
void MessageBeep(unsigned type = 0);
int MessageBeepCount();

}  // namespace ui
