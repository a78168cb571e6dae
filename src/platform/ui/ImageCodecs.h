#pragma once
// Picture file codecs written here (BMP) or wrapped (JPEG through libjpeg).
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class TBitmap;

// The largest picture any decoder accepts, in pixels per side. A picture file states its size in
// its header; one beyond this is refused before anything is allocated for its pixels, so a small
// damaged or hostile file cannot ask for gigabytes.
inline constexpr int kMaxPictureSide = 8192;
// True when a picture of w x h pixels may be decoded; otherwise false with the reason.
bool PictureSizeAllowed(std::int64_t w, std::int64_t h, std::string& reason);

bool IsBmp(const std::uint8_t* data, std::size_t size);
bool IsJpeg(const std::uint8_t* data, std::size_t size);
// Decoders return false with a reason when the data is damaged, of an unsupported kind or larger
// than kMaxPictureSide on a side.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason);
std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap);
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason);
bool EncodeJpeg(const TBitmap& bitmap, int quality, std::vector<std::uint8_t>& out, std::string& reason);

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName);  // throws rtl::EFOpenError
// Writes through a temporary file renamed over the target; throws rtl::EFCreateError.
void WriteWholeFile(const std::string& fileName, const std::vector<std::uint8_t>& data);

}  // namespace ui
