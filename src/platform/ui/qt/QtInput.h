#pragma once
// Translation of Qt input events into the framework's messages.
#include "platform/ui/Controls.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace ui::qt {

unsigned VirtualKeyOf(const QKeyEvent& e);
TShiftState ShiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b = Qt::NoButton);
// Key press: key down and the character the key produces; release: key up.
void DeliverKey(TWinControl* control, const QKeyEvent& e, bool press);
// Mouse event at a point of the widget showing control (its bounds coordinates).
void DeliverMouse(TWinControl* control, const QMouseEvent& e, QEvent::Type type);
void DeliverWheel(TWinControl* control, const QWheelEvent& e);
void DeliverLeave(TWinControl* control);

}  // namespace ui::qt
