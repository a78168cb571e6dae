// The GSDML export as the main window runs it: the folder is asked for, an existing file is
// replaced only when the user says so.
#pragma once

#include <string>

namespace tables::profinet {

// Asks for the folder (the dialog proposes name; only the folder of the choice is used), asks
// before replacing a file of that name and writes the GSDML file of the open configuration.
// Returns whether a file was written.
bool Create_PROFINET_XML_File(const std::string& name);

}  // namespace tables::profinet
