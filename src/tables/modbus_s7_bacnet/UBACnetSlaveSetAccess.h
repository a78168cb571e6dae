#pragma once
// BACnet server objects: the objects the converter offers to BACnet clients, in a read table
// ("BACnet in Read") and a write table ("BACnet in Write"); BACnet_Slave.xml, which the EDE export
// reads. A rule table on the frame (core/tables/modbus_s7_bacnet/BACnetSlaveTable holds the tables)
// with 2000 rows per table, 1000 with names of 32 characters; a double click on an Eng. Unit cell
// opens the unit picker, and a Data Type chosen in the write table brings its Length. No button of
// this build opens it.

#include <cstdint>
#include <string>

#include "dialogs/UTableFrame.h"
#include "tables/modbus_s7_bacnet/UBACnet_Eng_Unit.h"

class TFBACnetSlaveSetAccess : public dlg::TFTableFrame {
public:
    explicit TFBACnetSlaveSetAccess(ui::TComponent* AOwner);

    ui::TTabSheet* TS_BACnet_in_Read;
    ui::TTabSheet* TS_BACnet_in_Write;
    dlg::TFrameColumnGrid* ACG_BACnet_in_Read;
    dlg::TFrameColumnGrid* ACG_BACnet_in_Write;
    bool& Do_Copy_Read;
    bool& Do_Copy_Write;
    // The picker a double click shows; the one created at start-up when null.
    TFBACnet_Eng_Unit* Eng_Unit_Dialog = nullptr;

    // Names of 32 characters (and half the objects), as the settings said at the last show.
    bool Desc_Lenght() const { return State.Var("Desc_Lenght") != 0; }
    std::int64_t NByte_IN() const { return State.Var("NByte_IN"); }
    std::int64_t NByte_OUT() const { return State.Var("NByte_OUT"); }

    // OnDblClickCell of both tables: the picker over an Eng. Unit cell, then the header auto-size.
    void DblClickCell(ui::TObject* Sender, int ARow, int ACol);
    // OnComboChange of the write table: a Data Type brings its Length.
    void ACG_BACnet_in_WriteComboChange(ui::TObject* Sender, int ACol, int ARow, int AItemIndex,
                                        const std::string& ASelection);

protected:
    // Both tables get their rows by the settings before the reset.
    void Prepare_Show() override;
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
