#pragma once
// A structure check of CANopen EDS files after the rules of CiA 306, for the export's tests: each
// fault found is named in one line (none for a sound file).
#include <string>
#include <vector>

namespace canopentest {

// The text as the file holds it (lines ended by CR LF).
std::vector<std::string> EDS_Structure_Faults(const std::string& text);

}  // namespace canopentest
