#pragma once
// OK of a table whose file holds secrets: the frame's check, then the save with the file readable
// by its owner only.

#include "dialogs/UTableFrame.h"

// Runs the data check; when it passes writes the tables (tables::mqtt_snmp::Save_Tables_Owner_Only)
// and closes the dialog with OK. A failed save is shown and the dialog stays open.
void Save_Owner_Only(dlg::TFTableFrame& form);
