#include "core/CharField.h"

#include <algorithm>

#include "platform/rtl/CodePages.h"

namespace core {

std::vector<std::uint16_t> Utf8_To_Utf16_Units(std::string_view utf8)
{
    std::vector<std::uint16_t> units;
    units.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const int decoded = rtl::DecodeUtf8(utf8, i);
        const char32_t cp = decoded < 0 ? 0xFFFD : static_cast<char32_t>(decoded);
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            units.push_back(static_cast<std::uint16_t>(0xD800 + (v >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            units.push_back(static_cast<std::uint16_t>(cp));
        }
    }
    return units;
}

void Put_Char_Field(std::span<std::uint8_t> field, std::string_view utf8)
{
    if (field.empty())
        return;
    const auto units = Utf8_To_Utf16_Units(utf8);
    const std::size_t n = std::min(units.size(), field.size() - 1);
    for (std::size_t k = 0; k < n; ++k)
        field[k] = static_cast<std::uint8_t>(units[k] & 0xFF);
}

}  // namespace core
