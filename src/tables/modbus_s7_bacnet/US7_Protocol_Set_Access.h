#pragma once
// S7comm client rules: the converter reads values from PLC memory into its data array (read rules)
// and writes values from the array into PLCs (write rules), at most 10 PLC connections in all;
// S7_Protocol.xml. A rule table on the frame (core/tables/modbus_s7_bacnet/S7ProtocolTable holds the
// tables); the main window's hidden button Btn_S7_Protocol_Access opens it.

#include "tables/modbus_s7_bacnet/UReadWriteTables.h"

class TFS7_Protocol_Set_Access : public TReadWriteTables {
public:
    explicit TFS7_Protocol_Set_Access(ui::TComponent* AOwner);

    ui::TTabSheet* TS_S7_Read;
    ui::TTabSheet* TS_S7_Write;
    dlg::TFrameColumnGrid* ACG_S7_Read;
    dlg::TFrameColumnGrid* ACG_S7_Write;
    rtl::TStringList& Hint_S7_Set_Access_Read;
    rtl::TStringList& Hint_S7_Set_Access_Write;
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
