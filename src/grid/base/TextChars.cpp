#include "grid/base/TextChars.h"

#include "platform/rtl/CodePages.h"

namespace gx {

std::u32string ToCodePoints(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = pos;
        const int c = rtl::DecodeUtf8(s, pos);
        out += c < 0 ? static_cast<char32_t>(static_cast<unsigned char>(s[start])) : static_cast<char32_t>(c);
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    for (char32_t c : ToCodePoints(s)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view w)
{
    std::string out;
    out.reserve(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        char32_t c = w[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (w[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        rtl::AppendUtf8(out, static_cast<int>(c));
    }
    return out;
}

}  // namespace gx
