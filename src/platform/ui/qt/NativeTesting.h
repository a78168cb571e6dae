#pragma once
// Looks at and drives the native windows of shown controls, for tests (no Qt types here).
#include "platform/ui/Controls.h"
#include <string>

namespace ui::qt {

bool HasNativeWindow(const TControl* control);
// The text the native widget shows (line edits, combo boxes, window titles).
std::string NativeText(const TControl* control);
// The native widget's geometry in its parent widget (for a form: its client size at 0,0).
TRect NativeGeometry(const TControl* control);
bool NativeVisible(const TControl* control);
// Sends key events for each character of text to the native widget, as typing does.
void TypeIntoNative(TControl* control, const std::string& text);
// Sends a left press and release at a point of the native widget.
void ClickNative(TControl* control, int x, int y);
// Queues a left press and release at a point of the native widget, as the window system hands
// over a quick click in one burst; they are handled by the next round of the message loop.
void QueueClickNative(TControl* control, int x, int y);
// Whether a hint window is on screen.
bool NativeHintShown();

}  // namespace ui::qt
