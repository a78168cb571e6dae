#pragma once
// CANopen SDO client: up to 256 read and 256 write requests the converter sends to other CANopen
// devices, stored in SDO_Client_CANopen.xml. A rule table on the frame
// (core/tables/canopen/SDOClientTable holds the tables); the main window's hidden button
// Btn_SDO_Client_CANopen opens it.

#include "tables/canopen/USDOTables.h"

class TFSet_SDO_Client_Access : public TSDOTables {
public:
    explicit TFSet_SDO_Client_Access(ui::TComponent* AOwner);
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
