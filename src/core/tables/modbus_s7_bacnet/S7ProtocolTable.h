#pragma once
// The S7comm client's rules (TFS7_Protocol_Set_Access) as a rule table: S7_Protocol.xml, a read
// table and a write table of 512 rules each, every PLC named by IP address and TCP port, type, rack
// and slot, every datum by data type, block, DB number, area, byte address and bit. The rules of both
// tables together may talk to 10 different PLC connections at most.

#include "core/tables/TableDesc.h"

namespace tables::modbus_s7_bacnet {

// Connections (address and port pairs) the converter can hold open.
inline constexpr int S7_Connections = 10;
// Size in bytes of the internal data arrays (NByte_IN, NByte_OUT); set at every show.
inline constexpr int S7_NByte = 1500;

const TDialogDesc& S7_Protocol_Desc();

}  // namespace tables::modbus_s7_bacnet
