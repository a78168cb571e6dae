#pragma once
// The browse list of the OPC UA browse dialog (TFOPC_UA_Scan_Server) as a descriptor of the frame
// (one column grid, OK and Cancel), and the row each browse record is shown as.

#include <array>
#include <string>

#include "core/tables/TableDesc.h"
#include "core/tables/opcua/OPCUABrowse.h"

namespace tables::opcua {

inline constexpr int Scan_Col_Read = 1, Scan_Col_Write = 2, Scan_Col_Access = 8, Scan_Col_Count = 9;

const TDialogDesc& Scan_Server_Desc();

// Columns 1 to 8 of a record's row: the Read and Write ticks by the access level (0: both; else
// bit 0 Read and bit 1 Write; a cell not ticked stays empty), the display name, node type, node
// identifier, data type (empty for a code outside 0 to 14), namespace index and access text.
std::array<std::string, Scan_Col_Count - 1> Browse_Row(const TBrowse_Var& var);

}  // namespace tables::opcua
