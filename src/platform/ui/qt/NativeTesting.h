#pragma once
// Looks at and drives the native windows of shown controls, for tests (no Qt types here).
#include "platform/ui/Controls.h"
#include <string>

namespace ui::qt {

bool HasNativeWindow(const TControl* control);
// The text the native widget shows (line edits, window titles).
std::string NativeText(const TControl* control);
// The native widget's geometry in its parent widget (for a form: its client size at 0,0).
TRect NativeGeometry(const TControl* control);
// The native widget's place on the screen.
TRect NativeScreenGeometry(const TControl* control);
// Whether the control's native window is a top-level popup window.
bool NativePopupWindow(const TControl* control);
bool NativeVisible(const TControl* control);
// Sends key events for each character of text to the native widget, as typing does.
void TypeIntoNative(TControl* control, const std::string& text);
// Sends a key press and release (Enter, Escape, Tab, Backspace, Delete, Up, Down, F4, a letter)
// to the native widget, with the text the X11 platform gives the key.
void PressKeyNative(TControl* control, unsigned vk, TShiftState shift = 0);
// Sends a left press and release at a point of the native widget (a point outside it is what the
// window system hands an open popup for a press elsewhere).
void ClickNative(TControl* control, int x, int y);
// Queues a left press and release at a point of the native widget, as the window system hands
// over a quick click in one burst; they are handled by the next round of the message loop.
void QueueClickNative(TControl* control, int x, int y);
// Whether a hint window is on screen.
bool NativeHintShown();
// Gives the application a dark or light palette, as a change of the desktop's colour scheme does.
void SetNativeDesktopPalette(bool dark);

}  // namespace ui::qt
