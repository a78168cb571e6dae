#include "core/GeneralBank.h"

#include <algorithm>
#include <numeric>
#include <span>
#include <string>

#include "common/NumConv.h"
#include "core/CharField.h"
#include "core/LittleEndian.h"
#include "core/ParGenFile.h"
#include "core/UnsignedNumber.h"
#include "platform/rtl/StrUtils.h"

namespace core {

namespace {

constexpr std::string_view Bank_Version = "1.000";

void Put_Bytes(std::uint8_t* p, std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
{
    p[0] = a;
    p[1] = b;
    p[2] = c;
    p[3] = d;
}

// The key as a whole number, or the fallback when missing or not a number.
std::int32_t Number_Key(const TParGenFile& f, std::string_view key, std::int32_t fallback)
{
    const auto text = f.Key(key);
    return text ? Str_To_Int_Def(*text, fallback) : fallback;
}

// The key as an unsigned 32-bit number, 0 when missing or not a number.
std::uint32_t UInt32_Key(const TParGenFile& f, std::string_view key)
{
    const auto text = f.Key(key);
    return text ? Str_To_UInt32_Def(*text, 0) : 0;
}

// Four octet keys prefix1..prefix4 into four bytes, each the low 8 bits of its number.
void Read_Octets(const TParGenFile& f, std::string_view prefix, const std::uint8_t (&fallback)[4], std::uint8_t* target)
{
    for (std::size_t i = 0; i < 4; ++i) {
        // Blanks around an octet are dropped so that the address the dialog accepted is the one
        // compiled.
        const auto text = f.Key(std::string(prefix) + char('1' + i));
        target[i] = static_cast<std::uint8_t>(text ? Str_To_Int_Def(rtl::Trim(*text), fallback[i]) : fallback[i]);
    }
}

void Read_Char_Field(const TParGenFile& f, std::string_view key, std::string_view fallback,
                     std::span<std::uint8_t> field)
{
    const auto text = f.Key(key);
    Put_Char_Field(field, text ? std::string_view(*text) : fallback);
}

// The fixed numbers every build stores in the block.
struct TBank_Constant {
    std::size_t Offset;
    std::size_t Width;  // bytes: 2 or 4
    std::uint32_t Value;
};
constexpr TBank_Constant Bank1_Constants[] = {
    {.Offset = 0, .Width = 4, .Value = 250000}, {.Offset = 4, .Width = 4, .Value = 250000},
    {.Offset = 8, .Width = 4, .Value = 0},      {.Offset = 12, .Width = 4, .Value = 9600},
    {.Offset = 52, .Width = 2, .Value = 10000}, {.Offset = 54, .Width = 2, .Value = 10001},
    {.Offset = 56, .Width = 2, .Value = 10001},
};

}  // namespace

void Init_General_Bank(TBankStorage& s)
{
    auto& b = s.General_Bank;
    b.fill(0);
    for (const TBank_Constant& c : Bank1_Constants) {
        if (c.Width == 4)
            Put_U32_LE(&b[c.Offset], c.Value);
        else
            Put_U16_LE(&b[c.Offset], static_cast<std::uint16_t>(c.Value));
    }
    Put_Bytes(&b[bank1::Scanner_IP], 192, 168, 2, 205);
    Put_Bytes(&b[bank1::Scanner_Mask], 255, 255, 255, 0);
    Put_Bytes(&b[bank1::Scanner_Gateway], 255, 255, 255, 255);
    std::fill_n(&b[bank1::Eights], bank1::Eights_Size, std::uint8_t{8});
}

void Set_Bank_Version(TBankStorage& s)
{
    auto* v = &s.General_Bank[bank1::Version];
    std::fill(v, v + 8, 0);
    std::copy(Bank_Version.begin(), Bank_Version.end(), v);
}

void Parse_Eeprom_Config(TEtherCAT_Bank_Header& header, std::string_view text)
{
    std::size_t next = 0;
    while (!text.empty() && next < header.Eeprom_Config.size()) {
        const std::size_t take = std::min<std::size_t>(2, text.size());
        const std::string pair = "$" + std::string(text.substr(0, take));
        text.remove_prefix(take);
        if (auto v = Str_To_Int(pair); v && *v >= 0 && *v <= 255)
            header.Eeprom_Config[next++] = static_cast<std::uint8_t>(*v);
    }
}

void Read_ParGen_Bank(TBankStorage& s, const TParGenFile& f)
{
    auto& b = s.General_Bank;
    auto& h = s.EtherCAT_Bank_Header;
    Set_Bank_Version(s);

    Read_Char_Field(f, "Eth_Conn_Device_Name", "", std::span(b).subspan(bank1::Device_Name, bank1::Device_Name_Size));

    std::uint16_t flags = 0;
    if (ParGen_Flag(f.Key("Eth_Conn_DHCP_Cable")))
        flags |= 1;
    if (ParGen_Flag(f.Key("Eth_Conn_DHCP_WiFi")))
        flags |= 2;
    Put_U16_LE(&b[bank1::Ethernet_Flags], flags);

    if (ParGen_Flag(f.Key("Eth_Conn_Enable_DNS"))) {
        Read_Octets(f, "Eth_Conn_Primary_DNS", {8, 8, 8, 8}, &b[bank1::Primary_DNS]);
        Read_Octets(f, "Eth_Conn_Secondary_DNS", {8, 8, 4, 4}, &b[bank1::Secondary_DNS]);
    }

    const auto eeprom = f.Key("EtherCAT_Slave_Eeprom_Config");
    Parse_Eeprom_Config(h, eeprom ? std::string_view(*eeprom) : Default_Eeprom_Config);
    // The four identity values are unsigned 32-bit numbers, also typed in decimal up to 4294967295.
    h.Vendor_ID = UInt32_Key(f, "EtherCAT_Slave_Vendor_ID");
    h.Product_Code = UInt32_Key(f, "EtherCAT_Slave_Product_Code");
    h.Revision_Number = UInt32_Key(f, "EtherCAT_Slave_Revision_Number");
    h.Serial_Number = UInt32_Key(f, "EtherCAT_Slave_Serial_Number");

    Read_Char_Field(f, "EtherCAT_Slave_Name", "devicename1",
                    std::span(b).subspan(bank1::Slave_Name, bank1::Slave_Name_Size));
    h.Node_Address = static_cast<std::uint16_t>(Number_Key(f, "EtherCAT_Slave_Node_Address", 1));

    Read_Octets(f, "EtherNetIP_Master_IP", {192, 168, 0, 5}, &b[bank1::Scanner_IP]);
    Read_Octets(f, "EtherNetIP_Master_SM", {255, 255, 255, 0}, &b[bank1::Scanner_Mask]);
    Read_Octets(f, "EtherNetIP_Master_GAT", {192, 168, 0, 1}, &b[bank1::Scanner_Gateway]);
    if (!ParGen_Flag(f.Key("EtherNetIP_Master_EN_GAT")))
        Put_Bytes(&b[bank1::Scanner_Gateway], 255, 255, 255, 255);
}

void Put_General_Bank(TBankStorage& s)
{
    auto& b = s.General_Bank;
    const std::uint32_t sum = std::accumulate(b.begin(), b.begin() + Checksum_Offset, std::uint32_t{0});
    Put_U32_LE(&b[Checksum_Offset], sum);
    s.Bank1.Append(b);
}

}  // namespace core
