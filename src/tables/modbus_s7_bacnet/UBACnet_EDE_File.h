#pragma once
// The EDE export's entry (Save_EDE_File): writes the EDE file of the BACnet server objects under
// the name the main window asked for; what stops it is said in an error box, and no file is then
// written or replaced. The file itself is core/tables/modbus_s7_bacnet/BACnetEDEFile.

#include <string>

void Save_EDE_File(const std::string& fileName);
