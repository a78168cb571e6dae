#pragma once
// Modbus TCP master rules: the serial master's read and write rules, each slave named by its IP
// address, TCP port and slave ID; ModbusTCPM_SetAccess.xml. A rule table on the frame
// (core/tables/modbus_s7_bacnet/ModbusTCPMasterTable holds the tables); the main window's hidden
// button Btn_Modbus_Set_Access opens it.

#include "tables/modbus_s7_bacnet/UModbusTables.h"

class TFModbus_TCP_Master_Set_Access : public TModbusTables {
public:
    explicit TFModbus_TCP_Master_Set_Access(ui::TComponent* AOwner);
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
