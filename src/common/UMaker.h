#pragma once
// The maker's fixed identity: window title prefix, web addresses, EtherCAT and PROFINET vendor and
// product identity and the 16 x 14 logo shown by EtherCAT engineering tools. Every value here is a neutral
// placeholder under a reserved example domain; a product build replaces this header only.

#include <cstdint>
#include <string_view>

namespace maker {

// Text before " - Configurator " in the main window's caption.
inline constexpr std::string_view Title_Prefix = "Example Maker";

// The maker's web domain; also the vendor name written into ESI files.
inline constexpr std::string_view Web_Domain = "www.example.com";

// Host of the version service asked by the version check.
inline constexpr std::string_view Version_Host = "version.example.org";

// Page opened when the version check reports a newer version.
inline constexpr std::string_view Download_Url = "https://www.example.com/download";

// EtherCAT identity of the converter as written into ESI files.
inline constexpr std::uint32_t EtherCAT_Vendor_ID = 0x0000E5A1;
inline constexpr std::string_view EtherCAT_Vendor_Name = Web_Domain;
inline constexpr std::string_view EtherCAT_Group_Text = "www.example.com Slaves";
inline constexpr std::uint32_t EtherCAT_Product_Code = 0x0058E26A;

// PROFINET identity of the converter as written into GSDML files.
inline constexpr std::uint16_t PROFINET_Vendor_ID = 0xE5A1;
inline constexpr std::uint16_t PROFINET_Device_ID = 0x58E2;
inline constexpr std::string_view PROFINET_Vendor_Name = Web_Domain;
inline constexpr std::string_view PROFINET_Device_Info = "Protocol converters of www.example.com";

// 16 x 14 pixel, 16-colour bitmap file as lower-case hexadecimal digits (a framed chequer pattern).
inline constexpr std::string_view Logo_16x14_Hex =
    "424de6000000000000007600000028000000100000000e000000010004000000000070000000130b0000130b0000"
    "100000000000000000000000ffffff0080808000c0c0c00000000000000000000000000000000000000000000000"
    "00000000000000000000000000000000000000000000000000002222222222222222211111111111111221111111"
    "11111112211313131313111221113131313131122113131313131112211131313131311221131313131311122111"
    "31313131311221131313131311122111313131313112211111111111111221111111111111122222222222222222";

// The organisation in the SNMP MIB module: its name, postal address, e-mail domain and private
// enterprise number (32473 is the number reserved for documentation).
inline constexpr std::string_view MIB_Organization = "Example Maker";
inline constexpr std::string_view MIB_Address_Line1 = "Example Street 1";
inline constexpr std::string_view MIB_Address_Line2 = "00000 Example Town";
inline constexpr std::string_view MIB_Address_Line3 = "Example Land";
inline constexpr std::string_view MIB_Email_Domain = "example.com";
inline constexpr std::uint32_t MIB_Enterprise_Number = 32473;

}  // namespace maker
