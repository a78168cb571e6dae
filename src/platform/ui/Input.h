#pragma once
// The input layer: turns key strokes and mouse actions into messages with desktop semantics.
// The Qt backend calls it for native input; tests call it to drive controls without a window.
#include "platform/ui/Controls.h"

namespace ui {

// Key down (WM_KEYDOWN), the character it produces (WM_CHAR, when ch != 0, even if the key-down
// handler swallowed the key), then key up. Goes to the focused control of target's form when
// target is a form; Tab / Shift+Tab move the focus when the control does not want tabs.
// keyData is the character message's key data (see KeyDataOfScanCode).
void SendKeyStroke(TWinControl* target, unsigned vk, TShiftState shift = 0, char32_t ch = 0, std::intptr_t keyData = 0);
// Types text as a row of key strokes of its characters.
void SendText(TWinControl* target, const std::string& text);
void SendKeyDown(TWinControl* target, unsigned vk, TShiftState shift = 0);
void SendChar(TWinControl* target, char32_t ch, std::intptr_t keyData = 0);
void SendKeyUp(TWinControl* target, unsigned vk, TShiftState shift = 0);

// Mouse actions at a client point of control. A press captures the mouse to the control (when its
// style asks for it) until the release; entering and leaving are reported as CM_MOUSEENTER/LEAVE.
void SendMouseDown(TControl* control, TMouseButton button, int x, int y, TShiftState shift = 0);
void SendMouseUp(TControl* control, TMouseButton button, int x, int y, TShiftState shift = 0);
void SendMouseMove(TControl* control, int x, int y, TShiftState shift = 0);
void SendDoubleClick(TControl* control, TMouseButton button, int x, int y, TShiftState shift = 0);
// The wheel at a client point; the message carries the screen point, as on the desktop.
void SendMouseWheel(TControl* control, int delta, int x, int y, TShiftState shift = 0);
// Press and release at the same point.
void SendClick(TControl* control, int x = 1, int y = 1);
// Routes a move at a point of a parent to the child under it (enter/leave bookkeeping), honouring capture.
void RouteMouseMove(TWinControl* root, int x, int y, TShiftState shift = 0);

// Delivers a mouse message (WM_xBUTTONxxx, WM_MOUSEMOVE, WM_MOUSEWHEEL) given at a client point of
// root to the control under the point, or to the control holding the capture, in its coordinates;
// keeps the enter/leave bookkeeping. Exceptions from handlers go to the application.
void RouteMouseEvent(TWinControl* root, unsigned msg, int x, int y, std::uintptr_t keys = 0);
// The control the mouse is over (as routed last), or nullptr.
TControl* MouseControl();
// The mouse left the windows: the control it was over hears CM_MOUSELEAVE.
void MouseLeftWindows();

// The control holding the mouse capture, or nullptr.
TControl* CaptureControl();
void SetCaptureControl(TControl* control);

}  // namespace ui
