#include "core/UnsignedNumber.h"

#include "common/NumConv.h"

namespace core {

std::uint32_t Str_To_UInt32_Def(std::string_view text, std::uint32_t def)
{
    if (auto v = Str_To_Int(text))
        return static_cast<std::uint32_t>(*v);
    if (auto v = Str_To_Int64(text); v && *v >= 0 && *v <= 0xFFFFFFFFLL)
        return static_cast<std::uint32_t>(*v);
    return def;
}

}  // namespace core
