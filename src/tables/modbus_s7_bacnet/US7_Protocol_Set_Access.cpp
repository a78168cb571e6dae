#include "tables/modbus_s7_bacnet/US7_Protocol_Set_Access.h"

#include "core/tables/modbus_s7_bacnet/S7ProtocolTable.h"

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(ui::TComponent* AOwner)
    : TReadWriteTables(AOwner, tables::modbus_s7_bacnet::S7_Protocol_Desc()),
      TS_S7_Read(Sheets[0]),
      TS_S7_Write(Sheets[1]),
      ACG_S7_Read(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      ACG_S7_Write(static_cast<dlg::TFrameColumnGrid*>(Grids[1])),
      Hint_S7_Set_Access_Read(Hint_Lists[0]),
      Hint_S7_Set_Access_Write(Hint_Lists[1])
{}
