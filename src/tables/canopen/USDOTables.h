#pragma once
// What the SDO client and SDO server dialogs share besides the CANopen grids: the names of their
// tab sheets, hint lists and copy flags.

#include "tables/canopen/UCANopenTables.h"

class TSDOTables : public TCANopenTables {
public:
    TSDOTables(ui::TComponent* AOwner, const tables::TDialogDesc& desc)
        : TCANopenTables(AOwner, desc),
          TS_SDO_Read(Sheets[0]),
          TS_SDO_Write(Sheets[1]),
          Hint_SDO_Client_Read(Hint_Lists[0]),
          Hint_SDO_Client_Write(Hint_Lists[1]),
          Do_Copy_SDO_Read(Copy_Flags[0]),
          Do_Copy_SDO_Write(Copy_Flags[1])
    {}

    ui::TTabSheet* TS_SDO_Read;
    ui::TTabSheet* TS_SDO_Write;
    // Both dialogs name their hint lists so, the server's too.
    rtl::TStringList& Hint_SDO_Client_Read;
    rtl::TStringList& Hint_SDO_Client_Write;
    bool& Do_Copy_SDO_Read;
    bool& Do_Copy_SDO_Write;
};
