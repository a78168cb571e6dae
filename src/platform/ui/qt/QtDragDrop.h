#pragma once
// Drag and drop through Qt: the framework's drag data as Qt MIME data and back, drag events of a
// control's widget as the framework's drag messages, and the drag a control starts.
#include <QEvent>
#include <QMimeData>
#include <memory>

#include "platform/ui/DragDrop.h"

namespace ui::qt {

std::unique_ptr<QMimeData> ToMimeData(const TDragData& data);
TDragData FromMimeData(const QMimeData& mime);

// A drag event (enter, move, leave, drop) over the widget of control; false when the control
// takes no drops, so that the widget's own handling runs.
bool DeliverNativeDrag(TWinControl* control, QEvent* e);

}  // namespace ui::qt
