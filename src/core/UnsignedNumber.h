#pragma once
// Unsigned 32-bit numbers typed in decimal up to 4294967295 (for instance an EtherCAT revision
// number), besides everything the general whole-number conversion reads.

#include <cstdint>
#include <string_view>

namespace core {

// The general conversion's value as a 32-bit pattern, or a decimal value from 2147483648 to
// 4294967295; anything else gives the default.
std::uint32_t Str_To_UInt32_Def(std::string_view text, std::uint32_t def);

}  // namespace core
