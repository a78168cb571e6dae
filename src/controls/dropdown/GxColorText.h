#pragma once
// Text forms of a colour: hexadecimal of the stored value, web colour name, "Red:..,Green:..,Blue:.."
// and HTML "#RRGGBB".
#include <string>

#include "platform/ui/Colors.h"

namespace dropdown {

enum class TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// The text of Color in the given form (empty for cvtNone). System colours are resolved to their
// RGB value for every form but cvtHex, which shows the stored value.
std::string ColorValueText(ui::TColor Color, TColorValueText Kind);

// The web colour name of an RGB value (0xBBGGRR), empty when it has none.
std::string WebColorName(ui::TColor Color);

}  // namespace dropdown
