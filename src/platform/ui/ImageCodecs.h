#pragma once
// Picture file codecs written here (BMP) or wrapped (JPEG through libjpeg).
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class TBitmap;

bool IsBmp(const std::uint8_t* data, std::size_t size);
bool IsJpeg(const std::uint8_t* data, std::size_t size);
// Decoders return false with a reason when the data is damaged or of an unsupported kind.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason);
std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap);
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason);
bool EncodeJpeg(const TBitmap& bitmap, int quality, std::vector<std::uint8_t>& out, std::string& reason);

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName);  // throws rtl::EFOpenError
// Writes through a temporary file renamed over the target; throws rtl::EFCreateError.
void WriteWholeFile(const std::string& fileName, const std::vector<std::uint8_t>& data);

}  // namespace ui
