#include "platform/ui/Utf8.h"

#include "platform/ui/Messages.h"

namespace ui {

std::u32string ToU32(const std::string& s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        char32_t ch;
        std::size_t n;
        if (c < 0x80) {
            ch = c;
            n = 1;
        } else if ((c >> 5) == 6) {
            ch = c & 0x1F;
            n = 2;
        } else if ((c >> 4) == 14) {
            ch = c & 0x0F;
            n = 3;
        } else if ((c >> 3) == 30) {
            ch = c & 0x07;
            n = 4;
        } else {
            ch = 0xFFFD;
            n = 1;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                ch = 0xFFFD;
                n = k;
                break;
            }
            ch = (ch << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        out.push_back(ch);
        i += n;
    }
    return out;
}

std::string FromU32(const std::u32string& s)
{
    std::string out;
    for (char32_t c : s)
        out += CharToUtf8(c);
    return out;
}

}  // namespace ui
