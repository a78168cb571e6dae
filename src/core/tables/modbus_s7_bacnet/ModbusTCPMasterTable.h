#pragma once
// The Modbus TCP master's rules (TFModbus_TCP_Master_Set_Access) as a rule table:
// ModbusTCPM_SetAccess.xml, a read table and a write table of 512 rules each, every slave named by
// its IP address, TCP port and slave ID.

#include "core/tables/TableDesc.h"
#include "core/tables/modbus_s7_bacnet/ModbusTopics.h"

namespace tables::modbus_s7_bacnet {

const TDialogDesc& Modbus_TCP_Master_Desc();

// The dialog's List_Publish_Topic (nothing fills it in this build).
TTopicList& Modbus_TCP_Master_Topics();

}  // namespace tables::modbus_s7_bacnet
