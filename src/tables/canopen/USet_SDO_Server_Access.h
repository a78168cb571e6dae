#pragma once
// CANopen SDO server: the manufacturer objects (index 0x2000 to 0x5FFF and sub-index) the
// converter offers, up to 500 the CANopen side reads and 500 it writes, each tied to positions of
// the data array, stored in SDO_Server_CANopen.xml. A rule table on the frame
// (core/tables/canopen/SDOServerTable holds the tables); the main window's hidden button
// Btn_SDO_Server_CANopen opens it, and the EDS export reads the saved file.

#include "tables/canopen/USDOTables.h"

class TFSet_SDO_Server_Access : public TSDOTables {
public:
    explicit TFSet_SDO_Server_Access(ui::TComponent* AOwner);
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
