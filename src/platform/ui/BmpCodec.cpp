#include "platform/rtl/Exceptions.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImageCodecs.h"
#include <cstring>
#include <filesystem>
#include <fstream>

namespace ui {

namespace {
std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& v, std::uint16_t x)
{
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}
}  // namespace

bool PictureSizeAllowed(std::int64_t w, std::int64_t h, std::string& reason)
{
    if (w <= kMaxPictureSide && h <= kMaxPictureSide)
        return true;
    reason = "the picture of " + std::to_string(w) + " x " + std::to_string(h) + " pixels is larger than " +
             std::to_string(kMaxPictureSide) + " x " + std::to_string(kMaxPictureSide);
    return false;
}

bool IsBmp(const std::uint8_t* d, std::size_t n)
{
    return n >= 2 && d[0] == 'B' && d[1] == 'M';
}
bool IsJpeg(const std::uint8_t* d, std::size_t n)
{
    return n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF;
}

bool DecodeBmp(const std::uint8_t* d, std::size_t n, TBitmap& into, std::string& reason)
{
    if (n < 54 || !IsBmp(d, n)) {
        reason = "not a bitmap file";
        return false;
    }
    std::uint32_t offBits = Le32(d + 10);
    std::uint32_t hdrSize = Le32(d + 14);
    if (hdrSize < 40 || hdrSize > n - 14) {
        reason = "unsupported bitmap header";
        return false;
    }
    std::int32_t w = static_cast<std::int32_t>(Le32(d + 18));
    std::int32_t hRaw = static_cast<std::int32_t>(Le32(d + 22));
    std::uint16_t bpp = Le16(d + 28);
    std::uint32_t compression = Le32(d + 30);
    std::uint32_t clrUsed = Le32(d + 46);
    bool topDown = hRaw < 0;
    std::int64_t h = topDown ? -static_cast<std::int64_t>(hRaw) : hRaw;
    if (w <= 0 || h <= 0) {
        reason = "invalid bitmap size";
        return false;
    }
    if (!PictureSizeAllowed(w, h, reason))
        return false;
    if (!(compression == 0 || (compression == 3 && (bpp == 32 || bpp == 16)))) {
        reason = "compressed bitmaps are not supported";
        return false;
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) {
        reason = "unsupported bit depth";
        return false;
    }
    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        std::size_t count = clrUsed ? clrUsed : (1u << bpp);
        std::size_t palOff = 14 + std::size_t{hdrSize};
        if (count > 256 || palOff + count * 4 > n) {
            reason = "damaged colour table";
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* p = d + palOff + i * 4;
            palette.push_back(0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0]);
        }
    }
    std::size_t stride = ((static_cast<std::size_t>(w) * bpp + 31) / 32) * 4;
    if (offBits > n || stride * static_cast<std::size_t>(h) > n - offBits) {
        reason = "bitmap data is truncated";
        return false;
    }
    into.SetSize(w, static_cast<int>(h));
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = d + offBits + stride * static_cast<std::size_t>(topDown ? y : h - 1 - y);
        std::uint32_t* out = into.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            std::uint32_t px = 0xFF000000u;
            switch (bpp) {
            case 32:
                px = 0xFF000000u | (row[x * 4 + 2] << 16) | (row[x * 4 + 1] << 8) | row[x * 4];
                break;
            case 24:
                px = 0xFF000000u | (row[x * 3 + 2] << 16) | (row[x * 3 + 1] << 8) | row[x * 3];
                break;
            default: {
                unsigned bitPos = static_cast<unsigned>(x) * bpp;
                unsigned byte = row[bitPos / 8];
                unsigned idx = (byte >> (8 - bpp - bitPos % 8)) & ((1u << bpp) - 1);
                px = idx < palette.size() ? palette[idx] : 0xFF000000u;
            }
            }
            out[x] = px;
        }
    }
    return true;
}

std::vector<std::uint8_t> EncodeBmp(const TBitmap& b)
{
    std::vector<std::uint8_t> v;
    std::size_t stride = ((static_cast<std::size_t>(b.Width()) * 24 + 31) / 32) * 4;
    std::uint32_t dataSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(b.Height()));
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + dataSize);
    Put32(v, 0);
    Put32(v, 54);
    Put32(v, 40);
    Put32(v, static_cast<std::uint32_t>(b.Width()));
    Put32(v, static_cast<std::uint32_t>(b.Height()));
    Put16(v, 1);
    Put16(v, 24);
    Put32(v, 0);
    Put32(v, dataSize);
    Put32(v, 3780);
    Put32(v, 3780);
    Put32(v, 0);
    Put32(v, 0);
    for (int y = b.Height() - 1; y >= 0; --y) {
        const std::uint32_t* row = b.ScanLine(y);
        std::size_t start = v.size();
        for (int x = 0; x < b.Width(); ++x) {
            v.push_back(static_cast<std::uint8_t>(row[x]));
            v.push_back(static_cast<std::uint8_t>(row[x] >> 8));
            v.push_back(static_cast<std::uint8_t>(row[x] >> 16));
        }
        while (v.size() - start < stride)
            v.push_back(0);
    }
    return v;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw rtl::EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(errno));
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& fileName, const std::vector<std::uint8_t>& data)
{
    namespace fs = std::filesystem;
    fs::path target(fileName);
    fs::path tmp = target;
    tmp += ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            throw rtl::EFCreateError("Cannot create file \"" + fileName + "\". " + std::strerror(errno));
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        out.flush();
        if (!out) {
            std::error_code ec;
            fs::remove(tmp, ec);
            throw rtl::EFCreateError("Cannot create file \"" + fileName + "\". write failed");
        }
    }
    std::error_code ec;
    fs::rename(tmp, target, ec);
    if (ec) {
        fs::remove(tmp, ec);
        throw rtl::EFCreateError("Cannot create file \"" + fileName + "\". " + ec.message());
    }
}

}  // namespace ui
