#include "platform/rtl/TextEncoding.h"

#include "platform/rtl/CodePages.h"

namespace rtl {

namespace {

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16LE = "\xFF\xFE";
constexpr std::string_view kBomUtf16BE = "\xFE\xFF";

std::string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    size_t n = bytes.size() / 2;
    auto unit = [&](size_t i) {
        auto lo = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 1 : 0)]);
        auto hi = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 0 : 1)]);
        return (hi << 8) | lo;
    };
    for (size_t i = 0; i < n; ++i) {
        int u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n) {
            int v = unit(i + 1);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, u);  // a lone surrogate becomes U+FFFD
    }
    if (bytes.size() % 2)
        AppendUtf8(out, 0xFFFD);
    return out;
}

std::string encodeUtf16LE(std::string_view text)
{
    std::string out(kBomUtf16LE);
    auto put = [&](int u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>((u >> 8) & 0xFF);
    };
    size_t pos = 0;
    while (pos < text.size()) {
        int cp = DecodeUtf8(text, pos);
        if (cp < 0)
            cp = '?';
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view p)
{
    return s.substr(0, p.size()) == p;
}

}  // namespace

std::string DecodeText(std::string_view bytes, TEncoding encoding)
{
    if (startsWith(bytes, kBomUtf8))
        return std::string(bytes.substr(kBomUtf8.size()));
    if (startsWith(bytes, kBomUtf16LE))
        return decodeUtf16(bytes.substr(2), false);
    if (startsWith(bytes, kBomUtf16BE))
        return decodeUtf16(bytes.substr(2), true);
    switch (encoding) {
    case TEncoding::Ansi:
        return Cp1252ToUtf8(bytes);
    case TEncoding::Oem:
        return Cp437ToUtf8(bytes);
    case TEncoding::UTF8:
    case TEncoding::UTF8BOM:
        return std::string(bytes);
    case TEncoding::Unicode:
        return decodeUtf16(bytes, false);
    case TEncoding::Default:
        break;
    }
    return IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

std::string EncodeText(std::string_view text, TEncoding encoding)
{
    switch (encoding) {
    case TEncoding::Default:
    case TEncoding::Ansi:
        return Utf8ToCp1252(text);
    case TEncoding::Oem:
        return Utf8ToCp437(text);
    case TEncoding::UTF8:
        return std::string(text);
    case TEncoding::UTF8BOM:
        return std::string(kBomUtf8) + std::string(text);
    case TEncoding::Unicode:
        return encodeUtf16LE(text);
    }
    return std::string(text);
}

}  // namespace rtl
