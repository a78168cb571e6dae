#pragma once
// Conversion between colours (red in the low byte) and bitmap pixels (0xAARRGGBB).
#include "platform/ui/Colors.h"
#include <cstdint>

namespace ui {

inline std::uint32_t ColorToPixel(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return 0xFF000000u | (GetRValue(rgb) << 16) | (GetGValue(rgb) << 8) | GetBValue(rgb);
}

inline TColor PixelToColor(std::uint32_t p)
{
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace ui
