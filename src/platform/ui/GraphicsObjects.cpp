#include "platform/ui/Graphics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

TFont::TFont() = default;

void TFont::Assign(const TFont& other)
{
    if (SameAs(other))
        return;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    orientation_ = other.orientation_;
    Changed();
}

bool TFont::SameAs(const TFont& o) const
{
    return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
           orientation_ == o.orientation_;
}

void TFont::SetName(const std::string& v)
{
    if (v == name_ || v.empty())
        return;
    name_ = v;
    Changed();
}

int TFont::Size() const
{
    // Height is negative for character height; size in points at 96 pixels per inch.
    return static_cast<int>(std::lround(-height_ * 72.0 / PixelsPerInch()));
}

void TFont::SetSize(int points)
{
    // Computed wide: a size near the integer limit gives the largest height, never an overflow.
    const double pixels = std::round(static_cast<double>(points) * PixelsPerInch() / 72.0);
    const double limit = std::numeric_limits<int>::max();
    SetHeight(-static_cast<int>(std::clamp(pixels, -limit, limit)));
}

void TFont::SetHeight(int pixels)
{
    if (pixels == height_)
        return;
    height_ = pixels;
    Changed();
}

void TFont::SetColor(TColor v)
{
    if (v == color_)
        return;
    color_ = v;
    Changed();
}

void TFont::SetStyle(TFontStyles v)
{
    if (v == style_)
        return;
    style_ = v;
    Changed();
}

void TFont::SetOrientation(int v)
{
    if (v == orientation_)
        return;
    orientation_ = v;
    Changed();
}

void TPen::Assign(const TPen& o)
{
    color_ = o.color_;
    width_ = o.width_;
    style_ = o.style_;
    mode_ = o.mode_;
    Changed();
}

void TPen::SetColor(TColor v)
{
    if (v == color_)
        return;
    color_ = v;
    Changed();
}

void TPen::SetWidth(int v)
{
    if (v < 1)
        v = 1;
    if (v == width_)
        return;
    width_ = v;
    Changed();
}

void TPen::SetStyle(TPenStyle v)
{
    if (v == style_)
        return;
    style_ = v;
    Changed();
}

void TPen::SetMode(TPenMode v)
{
    if (v == mode_)
        return;
    mode_ = v;
    Changed();
}

void TBrush::Assign(const TBrush& o)
{
    color_ = o.color_;
    style_ = o.style_;
    Changed();
}

void TBrush::SetColor(TColor v)
{
    // "No colour" means no fill; choosing a colour for a clear brush makes it solid, as on the desktop.
    TBrushStyle style = v == clNone                      ? TBrushStyle::bsClear
                        : style_ == TBrushStyle::bsClear ? TBrushStyle::bsSolid
                                                         : style_;
    if (v == color_ && style == style_)
        return;
    color_ = v;
    style_ = style;
    Changed();
}

void TBrush::SetStyle(TBrushStyle v)
{
    if (v == style_)
        return;
    style_ = v;
    Changed();
}

void TGraphic::SetTransparent(bool v)
{
    if (v == transparent_)
        return;
    transparent_ = v;
    Changed();
}

bool TRegion::Contains(TPoint p) const
{
    for (const TRect& r : Rects)
        if (r.Contains(p))
            return true;
    return false;
}

TRect TRegion::Bounds() const
{
    TRect b;
    bool first = true;
    for (const TRect& r : Rects) {
        if (r.IsEmpty())
            continue;
        if (first) {
            b = r;
            first = false;
        } else {
            b = {std::min(b.Left, r.Left), std::min(b.Top, r.Top), std::max(b.Right, r.Right),
                 std::max(b.Bottom, r.Bottom)};
        }
    }
    return b;
}

}  // namespace ui
