#pragma once
// Off-screen rendering of a control tree (no window needed).
#include "platform/ui/Controls.h"
#include <string>

namespace ui {

// Paints the control and everything on it into bitmap (resized to the control's size).
void RenderControl(TControl& control, TBitmap& bitmap);
// Renders a control into a PNG file: the native window when the form is shown, the off-screen
// picture otherwise. Returns false when the file could not be written.
bool RenderToPng(TControl& control, const std::string& fileName);

}  // namespace ui
