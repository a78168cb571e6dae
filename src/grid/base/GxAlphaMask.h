// Module GxObj: the mask bitmaps behind the grid's focus shadow. Bitmaps without an alpha channel
// stand for 24-bit bitmaps; a TGridAlphaMask is a 32-bit bitmap with premultiplied alpha.
#pragma once

#include <cstdint>

#include "grid/base/GxObj.h"
#include "platform/ui/Graphics.h"

namespace gx {

class TGridAlphaMask : public ui::TBitmap {
public:
    TGridAlphaMask();
    // From another mask: its opacity and pixels (as far as both bitmaps reach); from any other
    // bitmap: the ordinary copy. The result is 32 bits per pixel either way.
    void Assign(const ui::TBitmap& Source);
    // Takes Bitmap's size; alpha of each pixel = the red byte of Mask's pixel, the colour bytes
    // are Bitmap's premultiplied by it. Only for a 24-bit Bitmap; Color is not used.
    void MergeMask(const ui::TBitmap& Mask, const ui::TBitmap& Bitmap, ui::TColor Color);

    std::uint8_t Opacity = 255;
};

// A 24-bit black Width x Height bitmap with a white rounded rectangle, blurred when BlurRadius > 0.
void MakeRoundRectMask(ui::TBitmap& Bitmap, int Width, int Height, double PenWidth, int CornerSize, double BlurRadius);

// Gaussian blur of a 24-bit bitmap; any other raises "Blur only works for 24-bit bitmaps". Rows and
// columns more than 20 pixels from every edge are copied from row (column) 15, which holds for the
// uniform inner area of the masks above. A radius of 0 or less leaves the bitmap as it is.
void GaussianBlur(ui::TBitmap& Bitmap, double Radius);

}  // namespace gx
