#pragma once
// The BACnet server's objects (TFBACnetSlaveSetAccess) as a rule table: BACnet_Slave.xml, the objects
// the converter offers to BACnet clients in two tables, "BACnet in Read" (input and value objects)
// and "BACnet in Write" (output and value objects). A row is one object: its type, engineering
// unit, the bytes of the exchange area that hold its value, and its name (the mnemonic). The
// EDE export turns the saved file into an EDE file.

#include <filesystem>

#include "core/tables/TableDesc.h"

namespace tables::modbus_s7_bacnet {

// Columns of both tables.
namespace bacnet_slave {
inline constexpr int Data_Type = 1, Eng_Unit = 2, Position = 3, Start_Bit = 4, Length = 5, Swap = 6, Mnemonic = 7;
}

// Size in bytes of each exchange area (NByte_IN, NByte_OUT).
inline constexpr int BACnet_Slave_NByte = 1500;
// Data rows of each table, and the objects both tables may hold together: 2000, or 1000 with
// names of 32 characters.
inline constexpr int BACnet_Slave_Rows = 2000;
int BACnet_Slave_Max_Objects(bool descLenght);

// BACnet_Desc_Chars_Limit of ParGen.xml is exactly "1" (names of 32 characters); false for a
// missing or unreadable file or key.
bool Read_BACnet_Desc_Lenght(const std::filesystem::path& parGen);

// The Length a Data Type chosen in the write table brings; empty when the choice leaves it.
std::string BACnet_Slave_Default_Length(std::string_view dataType);

const TDialogDesc& BACnet_Slave_Desc();

}  // namespace tables::modbus_s7_bacnet
