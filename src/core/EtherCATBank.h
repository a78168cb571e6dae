#pragma once
// The EtherCAT section of bank2: identity header, 512 entries of 36 bytes, one zero byte (the
// name of every entry without one), then the names of the compiled entries.

#include <cstdint>
#include <string_view>

#include "core/BankTypes.h"
#include "core/TableRows.h"

namespace core {

inline constexpr std::uint32_t EtherCAT_Entry_Table_Address = EtherCAT_Section_Address + EtherCAT_Header_Size;
inline constexpr std::uint32_t EtherCAT_Empty_Name_Address =
    EtherCAT_Entry_Table_Address + EtherCAT_Max_Entries * EtherCAT_Entry_Size;
// Room left for names (with their zeros) in a bank2 image of the largest size.
inline constexpr std::size_t EtherCAT_Name_Area_Size =
    TBankImage::Capacity - (EtherCAT_Empty_Name_Address - EtherNetIP_Table_Address) - 1;

// Clears the header and all entries, their names included.
void Init_EtherCAT_Bank(TBankStorage& s);

struct TType_Code {
    std::uint8_t Code = 0;
    std::uint8_t Length = 0;  // 0: the length comes from the row's Length attribute
};
// The type code and fixed length of a type name (compared exactly).
TType_Code Type_Code_From_Name(std::string_view type);

// Stores an initial value text into the entry by its type code.
void Set_Init_Value(std::string_view text, TEtherCAT_pd& entry);

// Compiles the enabled variables of both directions (slave to master first) into the entry table
// and sets the header's entry count and entry-table address. Throws std::length_error when the
// variables do not fit the table or the image.
void Read_EtherCAT_Slave_Bank(TBankStorage& s, const TEtherCAT_Slave_Table* table, std::uint32_t sectionAddress);

// Appends the section to the bank2 image.
void Put_EtherCAT_Bank(TBankStorage& s);

}  // namespace core
