#pragma once
// Shared helpers of the push-button tests: a font the tests control and pixel scans.
#include "platform/ui/Graphics.h"
#include <string>

namespace button_test {

inline void UseTestFont(ui::TFont& f)
{
    f.SetName("DejaVu Sans Mono");
    f.SetHeight(-12);
    f.SetColor(ui::clBlack);
    f.SetStyle(0);
}

// Pixels of the rectangle that differ from `background`.
inline int CountInk(const ui::TBitmap& bmp, const ui::TRect& r, ui::TColor background)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (bmp.Pixel(x, y) != background)
                ++n;
    return n;
}

// Bounding box of the pixels in r that differ from `background` (empty when none).
inline ui::TRect InkBounds(const ui::TBitmap& bmp, const ui::TRect& r, ui::TColor background)
{
    ui::TRect b{r.Right, r.Bottom, r.Left, r.Top};
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (bmp.Pixel(x, y) != background) {
                b.Left = std::min(b.Left, x);
                b.Top = std::min(b.Top, y);
                b.Right = std::max(b.Right, x + 1);
                b.Bottom = std::max(b.Bottom, y + 1);
            }
    return b.IsEmpty() ? ui::TRect{} : b;
}

inline bool SamePixels(const ui::TBitmap& a, const ui::TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

// A glyph strip of `cells` cells of size x size, cell i filled with colours[i] except for its
// bottom-left pixel, which carries the transparent colour magenta.
inline void MakeStrip(ui::TBitmap& strip, int cells, int size, const ui::TColor* colours)
{
    strip.SetSize(cells * size, size);
    for (int c = 0; c < cells; ++c)
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                strip.SetPixel(c * size + x, y, colours[c]);
    for (int c = 0; c < cells; ++c)
        strip.SetPixel(c * size, size - 1, 0xFF00FF);
}

}  // namespace button_test
