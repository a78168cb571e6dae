#pragma once
// The rule of the address columns of the Modbus TCP and S7comm tables: the cell, as typed, is a
// dotted IPv4 address (IP_To_Bytes: four parts 0 to 255, blanks before a part's digits allowed,
// after them not, a fifth part refused).

#include <array>
#include <cstdint>
#include <string>

#include "core/tables/TableDesc.h"

namespace tables::modbus_s7_bacnet {

using TAddressBytes = std::array<std::uint8_t, 4>;

// True when the text is a valid address; its bytes in bytes (an invalid part gives 0).
bool Address_Bytes(const std::string& text, TAddressBytes& bytes);

TRowRule Address_Rule(int col, int text);

}  // namespace tables::modbus_s7_bacnet
