#include "tables/canopen/USet_SDO_Client_Access.h"

#include "core/tables/canopen/SDOClientTable.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(ui::TComponent* AOwner)
    : TSDOTables(AOwner, tables::canopen::Set_SDO_Client_Access_Desc())
{}
