#pragma once
// Shared helpers of the drop-down tests: a font the tests control, painting a control into a
// bitmap and scanning pixels.
#include <algorithm>
#include <string>

#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Render.h"

namespace dropdown_test {

inline void UseTestFont(ui::TFont& f)
{
    f.SetName("DejaVu Sans Mono");
    f.SetHeight(-12);
    f.SetColor(ui::clBlack);
    f.SetStyle(0);
}

// The control painted in its own coordinates.
inline void Paint(ui::TControl& control, ui::TBitmap& bmp)
{
    ui::RenderControl(control, bmp);
}

// Pixels of r that differ from background.
inline int CountInk(const ui::TBitmap& bmp, const ui::TRect& r, ui::TColor background)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (bmp.Pixel(x, y) != background)
                ++n;
    return n;
}

// Pixels of r that have the colour c.
inline int CountColor(const ui::TBitmap& bmp, const ui::TRect& r, ui::TColor c)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (bmp.Pixel(x, y) == c)
                ++n;
    return n;
}

// Bounding box of the pixels of r that differ from background (empty when none).
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

// Bounding box of the pixels of r that have the colour c (empty when none).
inline ui::TRect ColorBounds(const ui::TBitmap& bmp, const ui::TRect& r, ui::TColor c)
{
    ui::TRect b{r.Right, r.Bottom, r.Left, r.Top};
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (bmp.Pixel(x, y) == c) {
                b.Left = std::min(b.Left, x);
                b.Top = std::min(b.Top, y);
                b.Right = std::max(b.Right, x + 1);
                b.Bottom = std::max(b.Bottom, y + 1);
            }
    return b.IsEmpty() ? ui::TRect{} : b;
}

// A bitmap of w x h filled with c.
inline void Solid(ui::TBitmap& bmp, int w, int h, ui::TColor c)
{
    bmp.SetSize(w, h);
    bmp.Canvas()->Brush()->SetColor(c);
    bmp.Canvas()->FillRect({0, 0, w, h});
}

}  // namespace dropdown_test
