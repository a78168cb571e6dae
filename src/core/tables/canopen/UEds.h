#pragma once
// The CANopen EDS export: an electronic data sheet (EDSVersion 4.0) that describes the converter
// as a CANopen device to the configuration tool of a CANopen master. Its receive and transmit
// PDOs come from PDO_CANopen.xml, its manufacturer objects from SDO_Server_CANopen.xml (both as
// saved, never from the dialogs); everything else is fixed. The file is Windows-1252 without a
// byte-order mark, every line ended by CR LF, written whole or not at all.

#include <cstdint>
#include <string>
#include <vector>

#include "common/UMaker.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

namespace tables::canopen {

// Fixed texts of the file.
inline constexpr std::string_view EDS_File_Name = "EtherCAT_CANopen.eds";
inline constexpr std::string_view EDS_Product_Name = "EtherCAT / CANopen - Converter";
inline constexpr std::string_view EDS_Product_Number = "E08";
inline constexpr std::string_view EDS_Order_Code = "HD58E08";
// The maker as CreatedBy, ModifiedBy and VendorName.
inline constexpr std::string_view EDS_Vendor_Text = maker::Title_Prefix;

// One sub-index of a manufacturer object.
struct SDO_Sub_Type {
    std::uint8_t Sub = 0;
    std::int32_t Quantity = 0;  // the size in bytes as the table holds it (1, 2 or 4 when saved by its dialog)
    bool Readonly = false;      // from the read section
    std::string Mnemonic{};     // kept empty: the EDS names its entries itself
};

// A manufacturer object: its index and its sub-indexes (at least one).
struct SDO_Index {
    std::uint16_t Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs{};
};

struct PDO_Entry {
    std::int32_t COB_ID = 0;
    std::int32_t Dimension = 0;  // bytes
};

// What the export reads from the table files.
struct EdsTables {
    std::vector<PDO_Entry> RX_PDO_List{};     // receive PDOs in table order
    std::vector<PDO_Entry> TX_PDO_List{};     // transmit PDOs in table order
    std::vector<SDO_Index> SDO_Index_List{};  // in the order each index is first met, read section first
};

// A table the export cannot describe, or a file it cannot read or write: the message for the user
// says what and where. No EDS file was written.
class EEdsError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// The tables from File_PDO_CANopen and File_SDO_Server_CANopen (a missing file gives no rows).
EdsTables Read_EDS_Tables();
// The PDOs of the file into the two lists (nothing when the file is missing).
void Read_PDO_List(const std::string& file, EdsTables& tables);
// The objects of the file appended to SDO_Index_List (nothing when the file is missing); an index
// met again gets one more sub-index.
void Read_SDO_Server_List(const std::string& file, EdsTables& tables);
// The place of the first object with this index, or -1.
int Find_SDO_Index(const std::vector<SDO_Index>& list, int index);
// Every object's sub-indexes ascending; equal ones keep their order.
void Sort_SDO_Sub_Indexs(std::vector<SDO_Index>& list);

// value in upper-case hexadecimal with at least digits digits (a negative number as its 32-bit pattern).
std::string Hex(std::uint32_t value, int digits);

// The date and time texts of the file: month-day-year ("03-07-2021") and the 12-hour clock
// ("09:05AM", "12:30PM", "12:10AM").
std::string EDS_Date(rtl::TDateTime now);
std::string EDS_Time(rtl::TDateTime now);

// The lines of the file (the last one empty), created at now.
std::vector<std::string> EDS_Lines(const EdsTables& tables, rtl::TDateTime now);
// The lines as the file's bytes: CR LF after every line, Windows-1252.
std::string EDS_Bytes(const std::vector<std::string>& lines);

// Reads the tables, composes the file created at now and writes it whole to file (through a
// temporary file, so an error leaves any earlier file as it was). Throws EEdsError.
void Save_EDS_File(const std::string& file, rtl::TDateTime now);
// The same at the local clock's time.
void Save_EDS_File(const std::string& file);

// The object description sections (the fixed communication objects, the PDO parameters, the
// application variables and the manufacturer objects) appended to lines.
void Add_Object_Sections(const EdsTables& tables, std::vector<std::string>& lines);

}  // namespace tables::canopen
