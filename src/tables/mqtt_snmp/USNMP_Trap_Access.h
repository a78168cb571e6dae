#pragma once
// SNMP agent data: the values SNMP managers read from the converter (optionally sent as traps) and
// those they write, in SNMP_Trap.xml (readable by its owner only: it holds community strings), from
// which the MIB export makes its module. Column 0 numbers the enabled rows as the MIB numbers its
// objects. A rule table on the frame (core/tables/mqtt_snmp/SNMPTrapTable holds the tables).

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFSNMP_Trap_Access : public dlg::TFTableFrame {
public:
    explicit TFSNMP_Trap_Access(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG_SNMP_Read;
    dlg::TFrameColumnGrid* ACG_SNMP_Write;
    rtl::TStringList& Hint_SNMP_Read;
    rtl::TStringList& Hint_SNMP_Write;
    bool& Do_Copy_In_Read;
    bool& Do_Copy_In_Write;
    // Entries of the position lists; set at every show.
    std::int64_t NByte_IN() const { return State.Var("NByte_IN"); }
    std::int64_t NByte_OUT() const { return State.Var("NByte_OUT"); }

    // Numbers the enabled rows of the grid in column 0.
    void Index_Row_Build(gx::TGxStringGrid* app_SGA);
    // A click on an Enable box renumbers that grid.
    void ACG_SNMP_ReadCheckBoxClick(ui::TObject* Sender, int ACol, int ARow, bool State);

protected:
    // The tab chosen when the dialog was last closed stays chosen at the next show.
    void Prepare_Show() override;
    void Shown() override;

private:
    ui::TTabSheet* lastPage_ = nullptr;
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
