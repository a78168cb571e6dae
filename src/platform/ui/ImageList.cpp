#include "platform/ui/ImgList.h"
#include "platform/ui/PixelFormat.h"
#include <algorithm>

namespace ui {

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}
TImageList::~TImageList() = default;

void TImageList::SetSize(int w, int h)
{
    width_ = std::max(1, w);
    height_ = std::max(1, h);
    images_.clear();
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask)
{
    int first = Count();
    int pieces = std::max(1, image.Width() / width_);
    for (int p = 0; p < pieces; ++p) {
        auto b = std::make_unique<TBitmap>(width_, height_);
        b->SetAlphaChannel(true);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                int sx = p * width_ + x;
                std::uint32_t px = (sx < image.Width() && y < image.Height()) ? image.ScanLine(y)[sx] : 0;
                // A white mask pixel marks a transparent image pixel.
                if (mask && sx < mask->Width() && y < mask->Height() && (mask->ScanLine(y)[sx] & 0xFFFFFF) != 0)
                    px = 0;
                b->ScanLine(y)[x] = px;
            }
        images_.push_back(std::move(b));
    }
    return first;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    TBitmap mask(image.Width(), image.Height());
    std::uint32_t key = ColorToPixel(maskColor) & 0xFFFFFF;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            mask.ScanLine(y)[x] = (image.ScanLine(y)[x] & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
    return Add(image, &mask);
}

void TImageList::Delete(int index)
{
    if (index >= 0 && index < Count())
        images_.erase(images_.begin() + index);
}

void TImageList::Clear()
{
    images_.clear();
}

const TBitmap* TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? images_[static_cast<std::size_t>(index)].get() : nullptr;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    const TBitmap* img = Image(index);
    if (!img)
        return;
    if (enabled) {
        canvas.Draw(x, y, img);
        return;
    }
    TBitmap grey;
    grey.Assign(*img);
    for (int yy = 0; yy < grey.Height(); ++yy)
        for (int xx = 0; xx < grey.Width(); ++xx) {
            std::uint32_t p = grey.ScanLine(yy)[xx];
            unsigned l = (((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) / 10;
            l = 128 + l / 2;
            grey.ScanLine(yy)[xx] = (p & 0xFF000000u) | (l << 16) | (l << 8) | l;
        }
    canvas.Draw(x, y, &grey);
}

}  // namespace ui
