#pragma once
// The BACnet client's rules (TFBACnetAccess) as a rule table: BACnet_Master_Access.xml, a read table
// (objects read from BACnet devices into the exchange area) and a write table (bytes of the area
// written to BACnet objects), 512 rules each. Devices are named by IP address or slave ID as the
// BACnet type of the communication settings says; a rule may route through a destination network.

#include <filesystem>
#include <optional>

#include "core/tables/TableDesc.h"

namespace tables::modbus_s7_bacnet {

// Columns of the read table and the write table that the dialog, the check and the import use.
namespace bacnet_read {
inline constexpr int Enable = 1, Address = 2, Object_Type = 3, Instance = 4, Property = 5, NByte = 6, En_Dest = 7,
                     D_Net = 8, D_Len = 9, D_Add = 10, Poll_Time = 11, Max_Err = 12, Position = 13, Start_Bit = 14,
                     Swap = 15, Convertion = 16, Mnemonic = 17;
}
namespace bacnet_write {
inline constexpr int Enable = 1, Address = 2, Object_Type = 3, Data_Type = 4, Instance = 5, Property = 6, Priority = 7,
                     NByte = 8, En_Dest = 9, D_Net = 10, D_Len = 11, D_Add = 12, Change = 13, Timer = 14,
                     Poll_Time = 15, Max_Err = 16, Position = 17, Start_Bit = 18, Swap = 19, Convertion = 20,
                     Mnemonic = 21;
}

// Positions of the exchange area the Position lists offer.
inline constexpr int BACnet_Positions = 1440;

// The state variables of a show: the BACnet type, whether the setting was missing (the dialog then
// says so), and the key column that follows from the type.
inline constexpr std::string_view Var_App_BACnet_Type = "App_BACnet_Type";
inline constexpr std::string_view Var_BACnet_Type_Missing = "BACnet_Type_Missing";
inline constexpr std::string_view Var_Key_Column = "Key_Column";

// BACnet_Master_Type of ParGen.xml read as a number (0 for a text that is not one); nullopt when the
// file, the element or its text cannot be had.
std::optional<int> Read_BACnet_Master_Type(const std::filesystem::path& parGen);

// The key column of a row for a BACnet type: the device address for 0 (IP) and 1 (MS/TP), the
// object type for any other type (no address column).
int BACnet_Key_Column(int type);

const TDialogDesc& BACnet_Access_Desc();

}  // namespace tables::modbus_s7_bacnet
