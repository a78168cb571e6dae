#pragma once
// CANopen PDOs: up to 30 receive PDOs (frames taken from the CANopen network, each data byte put
// at a position of the data array) and 30 transmit PDOs (frames sent, each byte taken from the
// array), stored in PDO_CANopen.xml. A rule table on the frame (core/tables/canopen/PDOTable
// holds the tables); the main window's hidden button Btn_PDO_CANopen opens it, and the EDS export
// reads the saved file.

#include "tables/canopen/UCANopenTables.h"

class TFSet_PDO_Access : public TCANopenTables {
public:
    explicit TFSet_PDO_Access(ui::TComponent* AOwner);

    ui::TTabSheet* TS_Receive_PDO;
    ui::TTabSheet* TS_Transmit_PDO;
    rtl::TStringList& Hint_PDO_Receive;
    rtl::TStringList& Hint_PDO_Transmit;
    bool& Do_Copy_Receive_PDO;
    bool& Do_Copy_Transmit_PDO;
};

extern TFSet_PDO_Access* FSet_PDO_Access;
