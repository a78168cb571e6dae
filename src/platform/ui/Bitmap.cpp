#include "platform/rtl/Exceptions.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImageCodecs.h"
#include "platform/ui/PixelFormat.h"
#include <algorithm>

namespace ui {

namespace {
bool EndsWithNoCase(const std::string& s, const std::string& suffix)
{
    if (s.size() < suffix.size())
        return false;
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - suffix.size() + i])) != suffix[i])
            return false;
    return true;
}
}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap& other)
{
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    transparentMode_ = other.transparentMode_;
    alpha_ = other.alpha_;
    Changed();
}

void TBitmap::SetSize(int w, int h)
{
    w = std::max(0, w);
    h = std::max(0, h);
    if (w == width_ && h == height_)
        return;
    std::vector<std::uint32_t> fresh(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0xFFFFFFFFu);
    for (int y = 0; y < std::min(h, height_); ++y)
        std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, std::min(w, width_),
                    fresh.begin() + static_cast<std::ptrdiff_t>(y) * w);
    pixels_ = std::move(fresh);
    width_ = w;
    height_ = h;
    Changed();
}

TCanvas* TBitmap::Canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<TCanvas>(this);
    return canvas_.get();
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return clNone;
    return PixelToColor(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void TBitmap::SetPixel(int x, int y, TColor c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = ColorToPixel(c);
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == TTransparentMode::tmFixed && transparentColor_ != clNone)
        return transparentColor_;
    if (Empty())
        return clNone;
    return Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor c)
{
    transparentColor_ = c;
    transparentMode_ = c == clNone ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
}

void TBitmap::LoadFromFile(const std::string& fileName)
{
    std::vector<std::uint8_t> data = ReadWholeFile(fileName);
    try {
        LoadFromMemory(data.data(), data.size());
    } catch (const rtl::Exception& e) {
        throw rtl::Exception("Cannot load picture \"" + fileName + "\": " + e.Message);
    }
}

void TBitmap::LoadFromMemory(const std::uint8_t* data, std::size_t size)
{
    std::string reason = "unknown picture format";
    TBitmap loaded;
    bool ok = false;
    if (IsBmp(data, size))
        ok = DecodeBmp(data, size, loaded, reason);
    else if (IsJpeg(data, size))
        ok = DecodeJpeg(data, size, loaded, reason);
    else if (Backend())
        ok = Backend()->DecodeImage(data, size, loaded, reason);
    if (!ok)
        throw rtl::Exception(reason);
    bool alpha =
        std::any_of(loaded.pixels_.begin(), loaded.pixels_.end(), [](std::uint32_t p) { return (p >> 24) != 0xFF; });
    width_ = loaded.width_;
    height_ = loaded.height_;
    pixels_ = std::move(loaded.pixels_);
    alpha_ = alpha_ || alpha;
    Changed();
}

void TBitmap::SaveToFile(const std::string& fileName) const
{
    if (EndsWithNoCase(fileName, ".png")) {
        if (!Backend() || !Backend()->SavePng(*this, fileName))
            throw rtl::EFCreateError("Cannot create file \"" + fileName + "\". PNG writing failed");
        return;
    }
    WriteWholeFile(fileName, EncodeBmp(*this));
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const
{
    canvas.StretchDraw(rect, this);
}

void TJPEGImage::LoadFromFile(const std::string& fileName)
{
    std::vector<std::uint8_t> data = ReadWholeFile(fileName);
    std::string reason;
    TBitmap decoded;
    if (!DecodeJpeg(data.data(), data.size(), decoded, reason))
        throw rtl::Exception("Cannot load picture \"" + fileName + "\": " + reason);
    Assign(decoded);
}

void TJPEGImage::SaveToFile(const std::string& fileName) const
{
    std::vector<std::uint8_t> out;
    std::string reason;
    if (!EncodeJpeg(*this, CompressionQuality, out, reason))
        throw rtl::EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
    WriteWholeFile(fileName, out);
}

}  // namespace ui
