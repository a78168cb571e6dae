// Canvas state, clipping and the figures rastered here with device-context rules.
#include "platform/ui/Backend.h"
#include "platform/ui/CanvasRaster.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/PixelFormat.h"
#include <algorithm>
#include <cstdlib>

namespace ui {

TCanvas::TCanvas(TBitmap* target) : target_(target)
{
    brush_.SetColor(clWhite);
}

TCanvas::~TCanvas() = default;

void TCanvas::SetTarget(TBitmap* target)
{
    target_ = target;
}

TSize TCanvas::DeviceSize() const
{
    if (target_)
        return {target_->Width(), target_->Height()};
    return surface_ ? surface_->Size() : TSize{};
}

TRect TCanvas::ClipRect() const
{
    const TSize size = DeviceSize();
    TRect r = Drawable() ? Bounds(-origin_.X, -origin_.Y, size.cx, size.cy) : TRect{};
    if (hasClip_)
        r = r.Intersect(clip_);
    if (clipRegion_)
        r = r.Intersect(clipRegion_->Bounds());
    return r;
}

void TCanvas::SetClipRect(const TRect& r)
{
    hasClip_ = true;
    clip_ = r;
}

void TCanvas::IntersectClipRect(const TRect& r)
{
    if (hasClip_) {
        clip_ = clip_.Intersect(r);
    } else {
        hasClip_ = true;
        clip_ = r;
    }
}

void TCanvas::SelectClipRgn(const TRegion* rgn)
{
    if (rgn)
        clipRegion_ = std::make_unique<TRegion>(*rgn);
    else
        clipRegion_.reset();
}

void TCanvas::ResetClip()
{
    hasClip_ = false;
    clipRegion_.reset();
}

bool TCanvas::Visible(int dx, int dy) const
{
    const TSize size = DeviceSize();
    if (!Drawable() || dx < 0 || dy < 0 || dx >= size.cx || dy >= size.cy)
        return false;
    TPoint l{dx - origin_.X, dy - origin_.Y};
    if (hasClip_ && !clip_.Contains(l))
        return false;
    if (clipRegion_ && !clipRegion_->Contains(l))
        return false;
    return true;
}

void TCanvas::PutPixel(int dx, int dy, TColor c, TPenMode mode)
{
    if (!Visible(dx, dy))
        return;
    if (surface_) {
        if (mode == TPenMode::pmCopy)
            surface_->FillRect(RasterTarget(), {dx, dy, dx + 1, dy + 1}, ColorToPixel(c));
        return;
    }
    std::uint32_t& px = target_->ScanLine(dy)[dx];
    px = ApplyRop(px, ColorToPixel(c), mode);
}

TRasterTarget TCanvas::RasterTarget() const
{
    TRasterTarget t;
    t.Bitmap = target_;
    t.Surface = surface_;
    if (hasClip_ || clipRegion_) {
        t.Clipped = true;
        std::vector<TRect> rects = clipRegion_ ? clipRegion_->Rects : std::vector<TRect>{ClipRect()};
        for (TRect r : rects) {
            if (hasClip_)
                r = r.Intersect(clip_);
            if (!r.IsEmpty())
                t.Clip.push_back(r.Offset(origin_.X, origin_.Y));
        }
    }
    return t;
}

void TCanvas::FillDevice(const TRect& deviceRect, std::uint32_t pixel, TPenMode mode)
{
    if (!Drawable())
        return;
    const TSize size = DeviceSize();
    TRect r = deviceRect.Intersect({0, 0, size.cx, size.cy});
    if (hasClip_)
        r = r.Intersect(clip_.Offset(origin_.X, origin_.Y));
    if (surface_) {
        if (mode == TPenMode::pmCopy && !r.IsEmpty())
            surface_->FillRect(RasterTarget(), r, ApplyRop(0, pixel, mode));  // a clip region goes with the target
        return;
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        std::uint32_t* row = target_->ScanLine(y);
        if (clipRegion_) {
            for (int x = r.Left; x < r.Right; ++x)
                if (Visible(x, y))
                    row[x] = ApplyRop(row[x], pixel, mode);
        } else if (mode == TPenMode::pmCopy) {
            std::fill(row + r.Left, row + std::max(r.Left, r.Right),
                      ApplyRop(0, pixel, mode));  // one span, no per-pixel tests
        } else {
            for (int x = r.Left; x < r.Right; ++x)
                row[x] = ApplyRop(row[x], pixel, mode);
        }
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (brush_.Style() == TBrushStyle::bsClear)
        return;
    FillDevice(r.Offset(origin_.X, origin_.Y), ColorToPixel(brush_.Color()), TPenMode::pmCopy);
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty() || brush_.Style() == TBrushStyle::bsClear)
        return;
    std::uint32_t px = ColorToPixel(brush_.Color());
    TRect d = r.Offset(origin_.X, origin_.Y);
    FillDevice({d.Left, d.Top, d.Right, d.Top + 1}, px, TPenMode::pmCopy);
    FillDevice({d.Left, d.Bottom - 1, d.Right, d.Bottom}, px, TPenMode::pmCopy);
    FillDevice({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, px, TPenMode::pmCopy);
    FillDevice({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, px, TPenMode::pmCopy);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (r.IsEmpty())
        return;
    TRect d = r.Offset(origin_.X, origin_.Y);
    // Every other pixel of the outline is inverted; each outline pixel is visited once.
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            PutPixel(x, y, clWhite, TPenMode::pmXor);
    };
    for (int x = d.Left; x < d.Right; ++x) {
        dot(x, d.Top);
        if (d.Bottom - 1 > d.Top)
            dot(x, d.Bottom - 1);
    }
    for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
        dot(d.Left, y);
        if (d.Right - 1 > d.Left)
            dot(d.Right - 1, y);
    }
}

void TCanvas::PlotLine(int x0, int y0, int x1, int y1)
{
    // Bresenham from (x0,y0) towards (x1,y1); the end point itself is not drawn.
    if (pen_.Style() == TPenStyle::psClear)
        return;
    if (surface_) {
        if (pen_.Mode() == TPenMode::pmCopy)
            surface_->Line(RasterTarget(), {x0, y0}, {x1, y1}, pen_);
        return;
    }
    TColor color = pen_.Color();
    TPenMode mode = pen_.Mode();
    int w = std::max(1, pen_.Width());
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int step = 0;
    while (!(x0 == x1 && y0 == y1)) {
        if (PenPatternOn(pen_.Style(), step)) {
            if (w == 1) {
                PutPixel(x0, y0, color, mode);
            } else {
                for (int oy = -(w / 2); oy < w - w / 2; ++oy)
                    for (int ox = -(w / 2); ox < w - w / 2; ++ox)
                        PutPixel(x0 + ox, y0 + oy, color, mode);
            }
        }
        ++step;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void TCanvas::MoveTo(int x, int y)
{
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    PlotLine(penPos_.X + origin_.X, penPos_.Y + origin_.Y, x + origin_.X, y + origin_.Y);
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        PlotLine(points[i - 1].X + origin_.X, points[i - 1].Y + origin_.Y, points[i].X + origin_.X,
                 points[i].Y + origin_.Y);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    TRect r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    if (r.IsEmpty())
        return;
    if (brush_.Style() != TBrushStyle::bsClear) {
        int inset = pen_.Style() == TPenStyle::psClear ? 0 : 1;
        FillDevice(r.Inflate(-inset, -inset).Offset(origin_.X, origin_.Y), ColorToPixel(brush_.Color()),
                   TPenMode::pmCopy);
    }
    if (pen_.Style() == TPenStyle::psClear)
        return;
    // The outline lies inside the rectangle: columns Left..Right-1, rows Top..Bottom-1.
    int w = std::max(1, pen_.Width());
    for (int i = 0; i < w && i * 2 < r.Width() && i * 2 < r.Height(); ++i) {
        TRect f = r.Inflate(-i, -i).Offset(origin_.X, origin_.Y);
        if (pen_.Style() == TPenStyle::psSolid || pen_.Style() == TPenStyle::psInsideFrame) {
            std::uint32_t px = ColorToPixel(pen_.Color());
            TPenMode m = pen_.Mode();
            FillDevice({f.Left, f.Top, f.Right, f.Top + 1}, px, m);
            if (f.Height() > 1)
                FillDevice({f.Left, f.Bottom - 1, f.Right, f.Bottom}, px, m);
            FillDevice({f.Left, f.Top + 1, f.Left + 1, f.Bottom - 1}, px, m);
            if (f.Width() > 1)
                FillDevice({f.Right - 1, f.Top + 1, f.Right, f.Bottom - 1}, px, m);
        } else {
            int saved = pen_.Width();
            pen_.SetWidth(1);
            PlotLine(f.Left, f.Top, f.Right - 1, f.Top);
            PlotLine(f.Right - 1, f.Top, f.Right - 1, f.Bottom - 1);
            PlotLine(f.Right - 1, f.Bottom - 1, f.Left, f.Bottom - 1);
            PlotLine(f.Left, f.Bottom - 1, f.Left, f.Top);
            pen_.SetWidth(saved);
        }
    }
}

void TCanvas::DrawShapeThroughBackend(int kind, const std::vector<TPoint>& logical, int rx, int ry)
{
    std::vector<TPoint> pts;
    pts.reserve(logical.size());
    for (TPoint p : logical)
        pts.push_back({p.X + origin_.X, p.Y + origin_.Y});
    if (Backend() && Drawable()) {
        Backend()->DrawShape(RasterTarget(), pen_, brush_, kind, pts, rx, ry);
        return;
    }
    // Without a backend curves are drawn as their bounding figure.
    if (kind == shapePolygon) {
        std::vector<TPoint> closed = logical;
        if (!closed.empty())
            closed.push_back(closed.front());
        Polyline(closed);
    } else if (logical.size() == 2) {
        Rectangle(logical[0].X, logical[0].Y, logical[1].X, logical[1].Y);
    }
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    DrawShapeThroughBackend(shapeRoundRect, {{x1, y1}, {x2, y2}}, x3, y3);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    DrawShapeThroughBackend(shapeEllipse, {{x1, y1}, {x2, y2}}, 0, 0);
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.size() < 2)
        return;
    DrawShapeThroughBackend(shapePolygon, points, 0, 0);
}

TColor TCanvas::Pixels(int x, int y) const
{
    if (!target_)
        return clNone;
    return target_->Pixel(x + origin_.X, y + origin_.Y);
}

void TCanvas::SetPixels(int x, int y, TColor c)
{
    PutPixel(x + origin_.X, y + origin_.Y, c, TPenMode::pmCopy);
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic* graphic)
{
    if (!graphic || graphic->Empty() || r.IsEmpty() || !Drawable())
        return;
    const auto* bmp = dynamic_cast<const TBitmap*>(graphic);
    if (!bmp) {
        graphic->Draw(*this, r);
        return;
    }
    bool transparent = bmp->Transparent();
    std::uint32_t key = transparent ? ColorToPixel(bmp->TransparentColor()) : 0;
    BlitScaled(r.Offset(origin_.X, origin_.Y), *bmp, {0, 0, bmp->Width(), bmp->Height()}, transparent, key,
               bmp->AlphaChannel());
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    if (!source.target_ || !Drawable())
        return;
    TBitmap copy;  // the source may be this canvas's own bitmap
    copy.Assign(*source.target_);
    BlitScaled(dest.Offset(origin_.X, origin_.Y), copy, sourceRect.Offset(source.origin_.X, source.origin_.Y), false, 0,
               false);
}

void TCanvas::BlitScaled(const TRect& dest, const TBitmap& src, const TRect& srcRect, bool transparent,
                         std::uint32_t key, bool alpha)
{
    if (dest.IsEmpty() || srcRect.IsEmpty())
        return;
    if (surface_) {
        surface_->Picture(RasterTarget(), dest, src, srcRect, transparent, key);
        return;
    }
    for (int y = dest.Top; y < dest.Bottom; ++y) {
        int sy =
            srcRect.Top + static_cast<int>((static_cast<long long>(y - dest.Top) * srcRect.Height()) / dest.Height());
        if (sy < 0 || sy >= src.Height())
            continue;
        const std::uint32_t* srow = src.ScanLine(sy);
        for (int x = dest.Left; x < dest.Right; ++x) {
            if (!Visible(x, y))
                continue;
            int sx = srcRect.Left +
                     static_cast<int>((static_cast<long long>(x - dest.Left) * srcRect.Width()) / dest.Width());
            if (sx < 0 || sx >= src.Width())
                continue;
            std::uint32_t s = srow[sx];
            if (transparent && (s & 0xFFFFFF) == (key & 0xFFFFFF))
                continue;
            std::uint32_t& d = target_->ScanLine(y)[x];
            d = alpha ? BlendPixel(d, s) : (s | 0xFF000000u);
        }
    }
}

}  // namespace ui
