#pragma once
// The variables the converter offers as an OPC UA server (TFOPC_UA_Server_Access): a string grid
// with a check-box column, the Type and R/W lists, the Length that follows the Type, and the
// position check over every row; stored in OPC_UA_Server.xml.

#include <string>

#include "core/tables/TableDesc.h"

namespace tables::opcua {

inline constexpr int Srv_Col_Enable = 1, Srv_Col_Type = 2, Srv_Col_Position = 3, Srv_Col_Length = 4, Srv_Col_Name = 5,
                     Srv_Col_RW = 6, Srv_Col_Mnemonic = 7;
inline constexpr int Server_Var_Rows = 250;
// Positions 0 to Server_Max_Position - 1 are valid.
inline constexpr int Server_Max_Position = 2000;

const TDialogDesc& Server_Access_Desc();

// The Length of row `row` by its type: "1", "2", "4" or "8" for the fixed-size types (true: the
// Length cell is then read only), "10" for "String" and "ByteString" (false), nothing for another
// text (nullopt: the cell keeps its state). An empty R/W cell becomes "Read/Write" in every case.
std::optional<bool> VarSetLength(const std::string& type, TCells& cells, int row);

}  // namespace tables::opcua
