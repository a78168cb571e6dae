#pragma once
// A printed page as the framework's page surface: the painter of a PDF file or a print job on one
// sheet, scaled from the page's dots to the device, so that text, lines and pictures go to the
// document as what they are.
#include <QPainter>
#include <vector>

#include "platform/ui/Backend.h"

namespace ui::qt {

class QtPageSurface : public TPageSurface {
public:
    // The sheet the painter (begun on its device) is on now: width x height dots over deviceWidth
    // x deviceHeight device units.
    QtPageSurface(QPainter& painter, int width, int height, int deviceWidth, int deviceHeight);

    TSize Size() const override { return size_; }
    void FillRect(const TRasterTarget& target, const TRect& r, std::uint32_t pixel) override;
    void Line(const TRasterTarget& target, TPoint from, TPoint to, const TPen& pen) override;
    void Picture(const TRasterTarget& target, const TRect& dest, const TBitmap& picture, const TRect& part,
                 bool transparent, std::uint32_t key) override;

    // The painter with the target's clip. The clip is set only when it changes, so that a page of
    // many cells does not repeat it for every figure; callers leave the painter's transform as
    // they found it.
    QPainter& Use(const TRasterTarget& target);

private:
    QPainter& painter_;
    TSize size_;
    bool clipped_ = false;
    std::vector<TRect> clip_;
};

// The painter of a page surface of this backend, or nullptr for any other surface.
QPainter* PainterOf(const TRasterTarget& target);

}  // namespace ui::qt
