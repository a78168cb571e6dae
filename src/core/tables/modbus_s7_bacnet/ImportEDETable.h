#pragma once
// The list of the EDE import dialog (TFImportEDEFile) as a rule table without a file: one row per
// object of the EDE file with its Import, Read and Write boxes, its name, type, instance,
// description and whether it is commandable (only those boxes are edited).

#include <vector>

#include "core/tables/TableCells.h"
#include "core/tables/TableDesc.h"
#include "core/tables/modbus_s7_bacnet/BACnetEDEImport.h"

namespace tables::modbus_s7_bacnet {

namespace ede_list {
inline constexpr int Import = 1, Read = 2, Write = 3, Name = 4, Object_Type = 5, Instance = 6, Description = 7,
                     Commandable = 8;
}

// Rows the list has before a file is shown.
inline constexpr int Import_EDE_Rows = 512;

const TDialogDesc& Import_EDE_Desc();

// Show_Data_in_Grid on cells already sized to one row per object (at least one row): row k shows
// object k - 1, boxes "Y"/"N"; rows without an object stay as they are.
void Show_EDE_Vars(TCells& cells, const std::vector<TBACnet_Var>& vars);

}  // namespace tables::modbus_s7_bacnet
