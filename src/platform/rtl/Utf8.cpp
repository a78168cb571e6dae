#include "platform/rtl/Utf8.h"

namespace rtl {

int DecodeUtf8(std::string_view s, std::size_t& pos)
{
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int len = 0, cp = 0, min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        ++pos;
        return -1;
    }
    if (pos + static_cast<std::size_t>(len) > s.size()) {
        ++pos;
        return -1;
    }
    for (int i = 1; i < len; ++i) {
        unsigned char b = byte(pos + static_cast<std::size_t>(i));
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return -1;
    }
    pos += static_cast<std::size_t>(len);
    return cp;
}

void AppendUtf8(std::string& out, int cp)
{
    if (cp < 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size())
        if (DecodeUtf8(bytes, pos) < 0)
            return false;
    return true;
}

std::string CodePointToUtf8(char32_t codePoint)
{
    std::string out;
    AppendUtf8(out, codePoint > 0x10FFFF ? -1 : static_cast<int>(codePoint));
    return out;
}

std::u32string Utf8ToCodePoints(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const int cp = DecodeUtf8(s, pos);
        out.push_back(cp < 0 ? kReplacementChar : static_cast<char32_t>(cp));
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const int decoded = DecodeUtf8(s, pos);
        const char32_t cp = decoded < 0 ? kReplacementChar : static_cast<char32_t>(decoded);
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view units)
{
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const int u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, u);  // a lone surrogate is not a scalar value: U+FFFD
        }
    }
    return out;
}

std::string CodePointsToUtf8(std::u32string_view codePoints)
{
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints)
        AppendUtf8(out, c > 0x10FFFF ? -1 : static_cast<int>(c));
    return out;
}

}  // namespace rtl
