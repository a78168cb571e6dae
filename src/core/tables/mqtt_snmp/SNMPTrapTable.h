#pragma once
// The SNMP agent data (TFSNMP_Trap_Access) as a rule table: SNMP_Trap.xml with a read table (values
// managers read, optionally sent as traps) and a write table (values managers write), 256 rows
// each. Column 0 numbers the enabled rows: the number each gets as an object of the MIB.

#include <string>
#include <string_view>

#include "core/tables/TableDesc.h"

namespace tables::mqtt_snmp {

namespace snmp_read {
inline constexpr int Enable = 1, Community = 2, Type = 3, OnChange = 4, OnCMD = 5, OnTimer = 6, Time = 7, Position = 8,
                     Start_Bit = 9, Num_Bits = 10, Description = 11, IP_Address = 12, Conversion = 13, Mnemonic = 14;
}
namespace snmp_write {
inline constexpr int Enable = 1, Community = 2, Type = 3, Position = 4, Start_Bit = 5, Num_Bits = 6, Description = 7,
                     Conversion = 8, Mnemonic = 9;
}

inline constexpr int SNMP_Trap_Rows = 256;
// Entries of the position lists of both tables (NByte_IN, NByte_OUT).
inline constexpr int SNMP_Trap_NByte = 1440;
// Characters typed into a community name or a description.
inline constexpr int SNMP_Trap_Name_Length = 15;
// A description that is one of the MIB's own names (read table, write table).
inline constexpr int Text_Read_Description_Reserved = 4787;
inline constexpr int Text_Write_Description_Reserved = 4788;

const TDialogDesc& SNMP_Trap_Desc();

// True when the text breaks the character rule: with Check_Type 1 (a description) a lower-case
// letter first and then letters and digits, otherwise (a community name) letters and digits only.
// Not trimmed: a blank breaks both; the empty text passes both.
bool Check_Error_CommName_Desc(std::string_view str, int Check_Type);

// Numbers the enabled rows (Enable "Y" in either case) of a table in column 0, from 1; every other
// row gets an empty column 0.
void Index_Row_Build(TCells& cells);

// True when the text is a name the MIB module defines itself (its nodes), so that an object named
// by it would clash.
bool Is_MIB_Reserved_Name(std::string_view name);

}  // namespace tables::mqtt_snmp
