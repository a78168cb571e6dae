#include "tables/canopen/USet_SDO_Server_Access.h"

#include "core/tables/canopen/SDOServerTable.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(ui::TComponent* AOwner)
    : TSDOTables(AOwner, tables::canopen::Set_SDO_Server_Access_Desc())
{}
