#pragma once
// The main window's "SNMP MIB" action: asks for the file with the main window's SaveMIB dialog
// and writes the module from the saved agent table (core/tables/mqtt_snmp/USNMP_MIB).

#include "platform/ui/Dialogs.h"

// Runs SaveMIB in the configuration's folder; a name typed without an extension gets ".mib"; an
// existing file is replaced only after the overwrite question (text 1105). Then the agent table is
// read and the module written. A file that cannot be read or written is reported. True when the
// module was written.
bool Create_SNMP_MIB_File(ui::TSaveDialog& SaveMIB);
