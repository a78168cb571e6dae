#pragma once
// SNMP manager requests: the Get, Set and Trap requests the converter sends to SNMP agents, with
// their version, community or SNMPv3 credentials, OID, timing and data position, in
// SNMP_Manager.xml (readable by its owner only: it holds community strings and pass phrases). A
// rule table on the frame (core/tables/mqtt_snmp/SNMPManagerTable holds the table).

#include "dialogs/UTableFrame.h"

class TFSNMPManagerAccess : public dlg::TFTableFrame {
public:
    explicit TFSNMPManagerAccess(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG_SNMP;
    rtl::TStringList& Hint_SNMP;
    bool& Do_Copy_SNMP;
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
