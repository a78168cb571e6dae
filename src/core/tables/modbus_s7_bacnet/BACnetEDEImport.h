#pragma once
// The EDE import of the BACnet client: an EDE file (a BACnet device's objects, one ";"-separated
// line each, found by its "# mandatory" line) read into a list of objects, and the objects picked
// from it appended to the client's read and write tables with consecutive byte positions.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/TableCells.h"

namespace tables::modbus_s7_bacnet {

// One accepted data line of an EDE file (the sixteen columns of the EDE template), every text trimmed.
struct TBACnet_Var {
    std::string keyname;
    std::int32_t device_obj_instance = -1;  // -1 when not a number
    std::string object_name;
    std::int32_t object_type = -1;  // object type number of the BACnet standard
    std::int32_t object_instance = -1;
    std::string description;
    std::string present_value_default;
    std::string min_present_value;
    std::string max_present_value;
    bool commandable = false;  // "Y" in either case
    bool support_COV = false;
    std::string hi_limit;
    std::string low_limit;
    std::string stete_text_reference;
    std::string unit_code;
    std::string vendor_specific_address;  // field 16 and the rest of the line
    bool import = false;                  // the object is to be imported
    bool read = false;                    // as a read rule
    bool write = false;                   // as a write rule
};

// The object types the client tables take (inputs, outputs and values of the analog, binary and
// multi-state kinds, life safety point and zone, accumulator, integer, large analog and positive
// integer values).
bool EDE_Type_Kept(std::int32_t object_type);

// The objects of an EDE file's text (already decoded): data from two lines after the last line
// that reads "# mandatory..." (line 7 wins when it does), lines of kept types only, each marked
// for import and reading, and for writing when commandable.
std::vector<TBACnet_Var> Parse_EDE_Text(std::string_view text);

// The file's bytes as text: a byte-order mark selects UTF-8 or UTF-16, anything else is read as
// Windows-1252.
std::string Decode_EDE_Bytes(std::string_view bytes);

// Load_EDE_File: reads and parses the file. Throws rtl::EFOpenError when it cannot be read.
std::vector<TBACnet_Var> Load_EDE_File(const std::filesystem::path& file);

// Appending the picked objects to the client's tables.
struct TEDE_Import_Result {
    int Read_Rows = 0;   // rows written into the read table
    int Write_Rows = 0;  // and into the write table
    // Objects that did not fit: the table had no data row left.
    int Read_Left_Out = 0;
    int Write_Left_Out = 0;
};

// Each object with import and read gets the next free row of the read table (from the first row
// whose key cell is empty), each with import and write the next row of the write table; positions
// start after the highest Position + NByte already used in that table. address is the device's
// address as typed; keyColumn the tables' key column for the BACnet type.
TEDE_Import_Result Import_EDE_Objects(TCells& read, TCells& write, int keyColumn, const std::string& address,
                                      const std::vector<TBACnet_Var>& objects);

}  // namespace tables::modbus_s7_bacnet
