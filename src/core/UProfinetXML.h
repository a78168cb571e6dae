#pragma once
// The PROFINET device description (GSDML) of a converter working as PROFINET IO device: a fixed
// description around four values of ParGen.xml — the data lengths of the one module and the
// station name. Written as UTF-8 with a byte-order mark and CR LF line ends.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The file name: the fixed first part (schema version and maker), the user's part and the fixed
// last part ("-", the date as YYYYMMDD, ".xml").
inline constexpr std::string_view GSDML_Fixed_First_Part = "GSDML-V2.25-Varnok-";
std::string GSDML_Fixed_Last_Part(int year, int month, int day);

// A blank user part gives first + last; a user part beginning with "_" is put in as it is, any
// other after an "_" (untrimmed in both cases).
std::string Compose_GSDML_File_Name(std::string_view first, std::string_view user, std::string_view last);

// False for a user part the file system cannot hold in a file name ("/" or NUL).
bool GSDML_User_Part_Allowed(std::string_view user);

// What one export reads from ParGen.xml.
struct TProfinet_Parameters {
    int Profinet_NB_In = 1438;   // bytes going into the converter from PROFINET
    int Profinet_NB_Out = 1438;  // bytes going out of the converter to PROFINET
    std::string Profinet_Station_Name = "SERIAL";
};

// Keys PROFINET_NB_IN, PROFINET_NB_OUT and PROFINET_NAME_STA. A missing file, a file that cannot
// be read or is not well-formed, a missing key or a number that cannot be read gives that value's
// default (1438, 1438, "SERIAL"); numbers outside 0..1440 are kept as they are; a station name
// of blanks only becomes "SERIAL", any other is kept untrimmed.
TProfinet_Parameters Load_PROFINET_Parameters(const std::filesystem::path& parGen);

// The lines of the file (without line ends). Every value is escaped, so any station name reads
// back as it was written (characters XML cannot hold at all are written as "?").
std::vector<std::string> GSDML_Lines(const TProfinet_Parameters& p);

// Loads the parameters and writes the file whole, replacing it (an earlier file stays as it was
// when the new one cannot be written; the error is thrown).
void Write_GSDML_File(const std::filesystem::path& file, const std::filesystem::path& parGen);
// The same from the open configuration's ParGen.xml.
void Write_GSDML_File(const std::string& fileName);

}  // namespace core
