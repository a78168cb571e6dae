#pragma once
// Drags through the native layer for tests (no Qt types here). The window system's drag loop
// waits for a person's mouse; these stand in for that person: the data still travels as Qt MIME
// data and arrives as the target widget's drag enter, move and drop events.
#include <string>

#include "platform/ui/Controls.h"

namespace ui::qt {

// The next drag a control starts is dropped at (x, y) of target's widget, with the keys of
// shift held, instead of waiting for the mouse.
void ScriptNextDrop(TControl* target, int x, int y, TShiftState shift = 0);
// The size of the picture the last drag started carried ({0, 0}: none).
TPoint LastDragImageSize();
// The point of that picture that sat under the cursor.
TPoint LastDragImageHotSpot();
// Another program drops plain text at (x, y) of target's widget, offering copy and move; the
// effect the target answered.
unsigned DropTextFromOutside(TControl* target, int x, int y, const std::string& text);

}  // namespace ui::qt
