#include "platform/rtl/TextEncoding.h"

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Utf8.h"

namespace rtl {

namespace {

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16LE = "\xFF\xFE";
constexpr std::string_view kBomUtf16BE = "\xFE\xFF";

// UTF-16 bytes to text; an odd last byte is a malformed character of its own (U+FFFD).
std::string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    std::string out = Utf16ToUtf8(units);
    if (bytes.size() % 2)
        AppendUtf8(out, static_cast<int>(kReplacementChar));
    return out;
}

std::string encodeUtf16LE(std::string_view text)
{
    std::string out(kBomUtf16LE);
    for (const char16_t u : Utf8ToUtf16(text)) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view p)
{
    return s.substr(0, p.size()) == p;
}

}  // namespace

bool HasByteOrderMark(std::string_view bytes)
{
    return startsWith(bytes, kBomUtf8) || startsWith(bytes, kBomUtf16LE) || startsWith(bytes, kBomUtf16BE);
}

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
