#pragma once
// The engineering units of BACnet objects: the numbers 0 to 236 of the standard's enumeration, each
// with its name, in 23 quantity groups as the unit picker offers them.

#include <span>
#include <string>
#include <string_view>

namespace tables::modbus_s7_bacnet {

struct TEngUnit {
    int Number;
    std::string_view Name;
};

struct TEngUnitGroup {
    std::string_view Name;  // fixed English texts, not translated
    std::span<const TEngUnit> Units;
};

// The groups in the picker's order, each with its units in list order.
std::span<const TEngUnitGroup> Eng_Unit_Groups();

// The name of a unit number; "unknown" for a number outside 0 to 236.
std::string Desc_Unit(int Num_Unit);

}  // namespace tables::modbus_s7_bacnet
