#pragma once
// The EtherCAT slave information (ESI) file of the converter: vendor and device identity, sync
// managers, one process-data entry per enabled variable (outputs as RxPdo, inputs as TxPdo),
// distributed-clock modes and the EEPROM configuration. Written as Windows-1252 text with CR LF
// line ends and no byte-order mark.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct TEtherCAT_Rule {
    std::string DataType;     // ESI data type name, e.g. "BIT", "INT", "STRING(10)"
    std::int64_t Length = 0;  // bits
    std::string Name;
};

// What one run reads from ParGen.xml and EtherCAT_Slave.xml.
struct TESI_Data {
    std::string Slave_Name = "EtherCAT Slave";
    std::uint32_t Revision = 0;
    std::uint16_t Node_Address = 1;
    std::int64_t Input_Byte_Count = 0;    // process-data bytes of the inputs
    std::vector<TEtherCAT_Rule> Inputs;   // slave to master
    std::vector<TEtherCAT_Rule> Outputs;  // master to slave
};

// The ESI data type of a variable type (blanks trimmed, any letter case); `length` holds the
// length in bytes on entry and the length in bits on return. Unknown types are single bits.
std::string ESI_Data_Type(std::string_view type, std::int64_t& length);

// The largest length in bytes a row may give: its bits must fit the file's bit lengths (BitLen is
// a signed 32-bit number).
inline constexpr std::int64_t Max_ESI_Row_Bytes = 0x7FFFFFFF / 8;

// 0..9 -> "00n", 10..99 -> "0nn", larger numbers unchanged.
std::string Format_3_Digits(int n);

// The node address as two hexadecimal digits of its low byte, then two of its high byte.
std::string Node_Address_Text(std::uint16_t node);

// Reads the slave identity and the enabled variables; missing files and keys give the defaults.
// Throws xml::XmlError naming the file when a file cannot be read (something other than a file in
// its place), is not well-formed or the variables file lacks
// one of its sections; rtl::EFileError naming the file and the row when an enabled String row's
// length is not 1 to 255 (what bank2 carries) or an enabled input's length (of any input that is
// not a bit) is negative or beyond Max_ESI_Row_Bytes.
TESI_Data Load_EtherCAT_Slave_Data(const std::filesystem::path& parGen, const std::filesystem::path& etherCATSlave);

// The lines of the file (UTF-8, without line ends).
std::vector<std::string> ESI_Lines(const TESI_Data& data);

// Saves the lines to the file, replacing it as a whole. Throws when it cannot be written (an
// earlier file then stays as it was).
void Write_ESI_File(const TESI_Data& data, const std::filesystem::path& file);

// Reads the two table files and writes the ESI file.
void Build_ESI_File(const std::filesystem::path& file, const std::filesystem::path& parGen,
                    const std::filesystem::path& etherCATSlave);
// The same on the open configuration's table files (File_ParGen, File_EtherCAT_Slave).
void Build_ESI_File(const std::string& fileName);

}  // namespace core
