#pragma once
// The two variable grids of the OPC UA client dialog (TFOPC_UA_Client_Access) as a descriptor of
// the rule-table frame: the read grid and the write grid on their pages, their columns, texts and
// handlers. The grids show the model of OPCUAClientModel; the file, check and positions are
// OPCUAClientFile's, not the frame's.

#include "core/tables/TableDesc.h"
#include "core/tables/opcua/OPCUAClientModel.h"

namespace tables::opcua {

// Real columns of the variable grids.
inline constexpr int Var_Col_Enable = 1, Var_Col_Name = 2, Var_Col_NodeType = 3, Var_Col_NodeID = 4,
                     Var_Col_VarType = 5, Var_Col_NameSpace = 6, Var_Col_Mnemonic = 12;
// Read grid: Var/Array, Start, Length, Time, Position; write grid: On Change, On CMD, On Timer,
// Time, Position.
inline constexpr int Var_Col_7 = 7, Var_Col_Time = 10, Var_Col_Position = 11;
inline constexpr int Var_Grid_Rows = 1024;

const TDialogDesc& Client_Access_Desc();

// A variable as row `row` of a variable grid shows it, and back. Storing stops at the first
// row whose Display Name cell is the empty text (not trimmed).
void Show_Variable(const TOPC_UA_Variable& v, bool write, TCells& cells, int row);
TOPC_UA_Variable Variable_Of_Row(const TCells& cells, int row, bool write);

}  // namespace tables::opcua
