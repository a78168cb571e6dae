#include "core/EtherNetIPBank.h"

#include <stdexcept>

#include "common/AddressHelpers.h"
#include "common/NumConv.h"
#include "core/GeneralBank.h"
#include "core/LittleEndian.h"
#include "platform/rtl/StrUtils.h"

namespace core {

namespace {

std::uint16_t U16_Attr(const TTableRow& row, std::string_view name, std::int32_t fallback)
{
    const auto text = row.Attr(name);
    return static_cast<std::uint16_t>(text ? Str_To_Int_Def(*text, fallback) : fallback);
}

// A header size: the word "Default" (any letter case) gives `def`, otherwise the number (the
// default when not a number), 3 bits.
std::uint32_t Header_Size(const TTableRow& row, std::string_view name, std::int32_t def)
{
    const std::string text = row.Attr(name, "Default");
    if (rtl::UpperCase(text) == "DEFAULT")
        return static_cast<std::uint32_t>(def);
    return static_cast<std::uint32_t>(Str_To_Int_Def(text, def)) & 7;
}

EtherNetIP_Master_Connection Compile_Connection(const TTableRow& row)
{
    EtherNetIP_Master_Connection c;
    if (const auto ip = row.Attr("IP_Address"))
        IP_To_Bytes(Trim_IP_Parts(*ip), c.IP_Address[0], c.IP_Address[1], c.IP_Address[2], c.IP_Address[3]);
    else
        c.IP_Address = {255, 255, 255, 255};
    c.Start_Input = U16_Attr(row, "Start_Input", 0);
    c.Num_Input = U16_Attr(row, "Num_Input", 0);
    c.Start_Output = U16_Attr(row, "Start_Output", 0);
    c.Num_Output = U16_Attr(row, "Num_Output", 0);
    const auto poll = row.Attr("Time_Poll");
    c.Time_Poll = static_cast<std::uint32_t>(poll ? Str_To_Int64_Def(*poll, 1000) : 1000);
    c.Instance_T_O = U16_Attr(row, "Instance_T_O", 1);
    c.Connection_Point_T_O = U16_Attr(row, "Connection_Point_T_O", 100);
    c.Instance_O_T = U16_Attr(row, "Instance_O_T", 1);
    c.Connection_Point_O_T = U16_Attr(row, "Connection_Point_O_T", 101);
    c.Header_Flags = Header_Size(row, "Dim_Header_T_O", 0) | (Header_Size(row, "Dim_Header_O_T", 4) << 3);
    return c;
}

}  // namespace

void Init_EtherNetIP_Master_Table(TBankStorage& s)
{
    s.Connections.fill({});
}

std::string Trim_IP_Parts(const std::string& address)
{
    std::string out;
    const auto parts = rtl::SplitString(address, ".");
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += '.';
        out += rtl::Trim(parts[i]);
    }
    return out;
}

void Read_EtherNetIP_Master_Rules(TBankStorage& s, const std::vector<TTableRow>* rows)
{
    std::uint32_t count = 0;
    std::uint32_t inputs = 0;
    std::uint32_t outputs = 0;
    if (rows) {
        for (const auto& row : *rows) {
            if (rtl::UpperCase(rtl::Trim(row.Attr("Enable", ""))) != "Y")
                continue;
            if (count >= EtherNetIP_Max_Connections)
                throw std::length_error("more than " + std::to_string(EtherNetIP_Max_Connections) +
                                        " enabled EtherNet/IP connections");
            EtherNetIP_Master_Connection c = Compile_Connection(row);
            c.Input_Offset = static_cast<std::uint16_t>(inputs);
            c.Output_Offset = static_cast<std::uint16_t>(outputs);
            inputs += c.Num_Input;
            outputs += c.Num_Output;
            s.Connections[count++] = c;
        }
    }
    auto& b = s.General_Bank;
    Put_U32_LE(&b[bank1::Connection_Count], count);
    Put_U32_LE(&b[bank1::Input_Total], inputs);
    Put_U32_LE(&b[bank1::Output_Total], outputs);
}

void Put_EtherNetIP_Master_Table(TBankStorage& s)
{
    for (const auto& c : s.Connections) {
        std::array<std::uint8_t, EtherNetIP_Connection_Size> b{};
        std::copy(c.IP_Address.begin(), c.IP_Address.end(), b.begin());
        Put_U16_LE(&b[4], c.Start_Input);
        Put_U16_LE(&b[6], c.Num_Input);
        Put_U16_LE(&b[8], c.Input_Offset);
        Put_U16_LE(&b[10], c.Start_Output);
        Put_U16_LE(&b[12], c.Num_Output);
        Put_U16_LE(&b[14], c.Output_Offset);
        Put_U16_LE(&b[16], c.Instance_T_O);
        Put_U16_LE(&b[18], c.Connection_Point_T_O);
        Put_U16_LE(&b[20], c.Instance_O_T);
        Put_U16_LE(&b[22], c.Connection_Point_O_T);
        Put_U32_LE(&b[24], c.Time_Poll);
        Put_U32_LE(&b[28], c.Header_Flags);
        s.Bank2.Append(b);
    }
    s.Bank2.Fill_To(EtherNetIP_Table_Size);
}

}  // namespace core
