// A printed page as a page surface (QtPageSurface.h).
#include "platform/ui/qt/QtPageSurface.h"

#include <algorithm>

#include "platform/ui/qt/QtSupport.h"

namespace ui::qt {

QtPageSurface::QtPageSurface(QPainter& painter, int width, int height, int deviceWidth, int deviceHeight)
    : painter_(painter), size_{width, height}
{
    painter_.resetTransform();
    painter_.setClipping(false);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.scale(static_cast<double>(deviceWidth) / std::max(1, width),
                   static_cast<double>(deviceHeight) / std::max(1, height));
}

QPainter& QtPageSurface::Use(const TRasterTarget& target)
{
    if (target.Clipped != clipped_ || (target.Clipped && target.Clip != clip_)) {
        if (target.Clipped)
            painter_.setClipRegion(ToRegion(target.Clip));
        else
            painter_.setClipping(false);
        clipped_ = target.Clipped;
        clip_ = target.Clip;
    }
    return painter_;
}

void QtPageSurface::FillRect(const TRasterTarget& target, const TRect& r, std::uint32_t pixel)
{
    if (r.IsEmpty())
        return;
    Use(target).fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), QColor::fromRgb(pixel));
}

void QtPageSurface::Line(const TRasterTarget& target, TPoint from, TPoint to, const TPen& pen)
{
    if (from == to)
        return;
    QPainter& p = Use(target);
    const int w = std::max(1, pen.Width());
    const QColor color = ToQColor(pen.Color());
    const bool solid = pen.Style() == TPenStyle::psSolid || pen.Style() == TPenStyle::psInsideFrame;
    if (solid && (from.X == to.X || from.Y == to.Y)) {
        // The dots a line of the bitmap canvas covers: the pen's width around each point, the end
        // point left out.
        const int lo = -(w / 2);
        if (from.Y == to.Y) {
            const int x1 = from.X < to.X ? from.X : to.X + 1, x2 = from.X < to.X ? to.X : from.X + 1;
            p.fillRect(QRect(x1, from.Y + lo, x2 - x1, w), color);
        } else {
            const int y1 = from.Y < to.Y ? from.Y : to.Y + 1, y2 = from.Y < to.Y ? to.Y : from.Y + 1;
            p.fillRect(QRect(from.X + lo, y1, w, y2 - y1), color);
        }
        return;
    }
    p.setPen(QPen(color, w, ToQPenStyle(pen.Style()), Qt::FlatCap));
    p.drawLine(QPointF(from.X + 0.5, from.Y + 0.5), QPointF(to.X + 0.5, to.Y + 0.5));
}

void QtPageSurface::Picture(const TRasterTarget& target, const TRect& dest, const TBitmap& picture, const TRect& part,
                            bool transparent, std::uint32_t key)
{
    const TRect inside = part.Intersect({0, 0, picture.Width(), picture.Height()});
    if (dest.IsEmpty() || inside.IsEmpty())
        return;
    // Only the part drawn goes into the document.
    QImage image = ImageCopy(picture).copy(inside.Left, inside.Top, inside.Width(), inside.Height());
    if (transparent) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((row[x] & 0xFFFFFFu) == (key & 0xFFFFFFu))
                    row[x] = 0;
        }
    }
    // The picture's dots beyond the part asked for (a part reaching past the picture) stay empty.
    const double sx = static_cast<double>(dest.Width()) / part.Width();
    const double sy = static_cast<double>(dest.Height()) / part.Height();
    const QRectF to(dest.Left + (inside.Left - part.Left) * sx, dest.Top + (inside.Top - part.Top) * sy,
                    inside.Width() * sx, inside.Height() * sy);
    Use(target).drawImage(to, image);
}

QPainter* PainterOf(const TRasterTarget& target)
{
    auto* surface = dynamic_cast<QtPageSurface*>(target.Surface);
    return surface ? &surface->Use(target) : nullptr;
}

}  // namespace ui::qt
