#pragma once
// The general parameter block (bank1.bin): defaults, the settings of ParGen.xml, and the
// checksum of its first 2044 bytes.

#include <cstdint>
#include <string_view>

#include "core/BankTypes.h"

namespace core {

class TParGenFile;

// Offsets of the block's fields.
namespace bank1 {
inline constexpr std::size_t Scanner_IP = 40;
inline constexpr std::size_t Scanner_Mask = 44;
inline constexpr std::size_t Scanner_Gateway = 48;
inline constexpr std::size_t Slave_Name = 80;
inline constexpr std::size_t Slave_Name_Size = 16;
inline constexpr std::size_t Input_Total = 116;
inline constexpr std::size_t Eights = 436;  // eight bytes, each 8
inline constexpr std::size_t Eights_Size = 8;
inline constexpr std::size_t Output_Total = 120;
inline constexpr std::size_t Ethernet_Flags = 1256;
inline constexpr std::size_t Device_Name = 1300;
inline constexpr std::size_t Device_Name_Size = 32;
inline constexpr std::size_t Secondary_DNS = 1340;
inline constexpr std::size_t Primary_DNS = 1420;
inline constexpr std::size_t Connection_Count = 1552;
inline constexpr std::size_t Connection_Table_Address = 1556;
inline constexpr std::size_t Version = 1644;
inline constexpr std::size_t EtherCAT_Section_Address = 1776;
}  // namespace bank1

// EEPROM configuration used when ParGen.xml names none.
inline constexpr std::string_view Default_Eeprom_Config = "800F00CC8813ff00000000800000";

// Zeroes the block and stores its constants and defaults.
void Init_General_Bank(TBankStorage& s);

// Fills block fields and the EtherCAT identity from an opened ParGen.xml.
void Read_ParGen_Bank(TBankStorage& s, const TParGenFile& parGen);

// Writes "1.000" into the version field.
void Set_Bank_Version(TBankStorage& s);

// Stores pairs of hexadecimal digits as bytes into the header's EEPROM configuration; a pair that
// is not a byte is skipped, and nothing beyond the 14 bytes is written.
void Parse_Eeprom_Config(TEtherCAT_Bank_Header& header, std::string_view text);

// Stores the checksum of bytes 0 to 2043 at 2044 and appends the block to the bank1 image.
void Put_General_Bank(TBankStorage& s);

}  // namespace core
