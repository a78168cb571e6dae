#include "core/CharField.h"

#include <algorithm>
#include <string>

#include "platform/rtl/Utf8.h"

namespace core {

void Put_Char_Field(std::span<std::uint8_t> field, std::string_view utf8)
{
    if (field.empty())
        return;
    const std::u16string units = rtl::Utf8ToUtf16(utf8);
    const std::size_t n = std::min(units.size(), field.size() - 1);
    for (std::size_t k = 0; k < n; ++k)
        field[k] = static_cast<std::uint8_t>(units[k] & 0xFF);
}

}  // namespace core
