#include "tables/modbus_s7_bacnet/UModbus_TCP_Master_Set_Access.h"

#include "core/tables/modbus_s7_bacnet/ModbusGrids.h"
#include "core/tables/modbus_s7_bacnet/ModbusTCPMasterTable.h"

namespace ms7 = tables::modbus_s7_bacnet;

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(ui::TComponent* AOwner)
    : TModbusTables(AOwner, ms7::Modbus_TCP_Master_Desc(), ms7::Modbus_TCP_Master_Topics(),
                    ms7::Topic_Column(ms7::TModbusLink::TCP))
{}
