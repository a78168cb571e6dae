#pragma once
// The compiled records of the converter's two images and the addresses at which they land in the
// converter. All integers are stored unsigned and little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/BankImage.h"

namespace core {

inline constexpr std::size_t General_Bank_Size = 2048;
inline constexpr std::size_t Checksum_Offset = 2044;

inline constexpr std::uint32_t EtherNetIP_Table_Address = 0x80000;  // bank2 lands here
inline constexpr std::uint32_t EtherCAT_Section_Address = 0x80200;
inline constexpr std::size_t EtherNetIP_Table_Size = 512;
inline constexpr std::size_t EtherNetIP_Max_Connections = 10;
inline constexpr std::size_t EtherNetIP_Connection_Size = 32;

inline constexpr std::size_t EtherCAT_Header_Size = 40;
inline constexpr std::size_t EtherCAT_Max_Entries = 512;
inline constexpr std::size_t EtherCAT_Entry_Size = 36;
inline constexpr std::size_t Eeprom_Config_Size = 14;

// One compiled EtherNet/IP connection of the scanner.
struct EtherNetIP_Master_Connection {
    std::array<std::uint8_t, 4> IP_Address{};
    std::uint16_t Start_Input = 0;
    std::uint16_t Num_Input = 0;
    std::uint16_t Input_Offset = 0;
    std::uint16_t Start_Output = 0;
    std::uint16_t Num_Output = 0;
    std::uint16_t Output_Offset = 0;
    std::uint16_t Instance_T_O = 0;
    std::uint16_t Connection_Point_T_O = 0;
    std::uint16_t Instance_O_T = 0;
    std::uint16_t Connection_Point_O_T = 0;
    std::uint32_t Time_Poll = 0;
    std::uint32_t Header_Flags = 0;  // bits 0-2 T>O header size, bits 3-5 O>T header size
};

// Identity header of the EtherCAT section.
struct TEtherCAT_Bank_Header {
    std::array<std::uint8_t, Eeprom_Config_Size> Eeprom_Config{};
    std::uint16_t Node_Address = 0;
    std::uint32_t Vendor_ID = 0;
    std::uint32_t Product_Code = 0;
    std::uint32_t Revision_Number = 0;
    std::uint32_t Serial_Number = 0;
    std::uint32_t Entry_Count = 0;
    std::uint32_t Entry_Table_Address = 0;
};

// One compiled EtherCAT process-data variable; `name` is kept beside the 36 stored bytes.
struct TEtherCAT_pd {
    std::uint8_t Data_Type = 0;
    std::uint8_t length = 0;
    std::uint8_t access = 0;  // 1 slave to master, 0 master to slave
    std::uint8_t bit_address = 0;
    std::uint32_t position = 0;
    std::uint32_t subindex = 0;
    std::uint32_t entry_index = 0;
    std::uint32_t ethercat_offset = 0;
    std::array<std::uint8_t, 8> init_value{};
    std::uint32_t name_length = 0;
    std::uint32_t name_add = 0;
    std::string name;
};

// Everything one build produces. A build fills a fresh storage, so nothing survives from one
// build into the next.
struct TBankStorage {
    std::array<std::uint8_t, General_Bank_Size> General_Bank{};
    TEtherCAT_Bank_Header EtherCAT_Bank_Header;
    std::array<TEtherCAT_pd, EtherCAT_Max_Entries> Entries;
    std::array<EtherNetIP_Master_Connection, EtherNetIP_Max_Connections> Connections;
    TBankImage Bank1;
    TBankImage Bank2;
};

}  // namespace core
