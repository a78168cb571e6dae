#include "core/tables/opcua/OPCUAClientModel.h"

#include <cstddef>
#include <string_view>

#include "common/OpcUaSnmp.h"
#include "core/tables/TableEngine.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StrUtils.h"

namespace tables::opcua {

namespace {

constexpr std::string_view Data_Type_Keys[] = {"BOOLEAN", "INT8",   "UINT8",    "INT16",  "UINT16",
                                               "INT32",   "UINT32", "INT64",    "UINT64", "FLOAT",
                                               "DOUBLE",  "STRING", "DATETIME", "GUID",   "BYTESTRING"};

int Hex_Digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A part of a GUID text: a hexadecimal number of 1 to 8 digits, else 0.
std::uint32_t Guid_Part(std::string_view part)
{
    if (part.empty() || part.size() > 8)
        return 0;
    std::uint32_t v = 0;
    for (char c : part) {
        const int d = Hex_Digit(c);
        if (d < 0)
            return 0;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return v;
}

// Takes the part before the first "-" (or the whole rest) off s.
std::string_view Take_Group(std::string_view& s)
{
    const std::size_t dash = s.find('-');
    if (dash == std::string_view::npos) {
        const std::string_view all = s;
        s = {};
        return all;
    }
    const std::string_view part = s.substr(0, dash);
    s.remove_prefix(dash + 1);
    return part;
}

std::string Hex(std::uint32_t v, int digits)
{
    return rtl::IntToHex(static_cast<std::int64_t>(v), digits);
}

}  // namespace

bool Numeric_NodeId(const std::string& text, std::uint32_t& value)
{
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    } else if (!s.empty() && (s.front() == 'x' || s.front() == 'X')) {
        base = 16;
        s.remove_prefix(1);
    }
    if (s.empty())
        return false;
    std::uint64_t v = 0;
    for (char c : s) {
        const int d = base == 16 ? Hex_Digit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0)
            return false;
        v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (v > 0xFFFFFFFFu)
            return false;
    }
    value = static_cast<std::uint32_t>(v);
    return true;
}

std::string TOPC_UA_Variable::NodeType() const
{
    std::string t;
    OPC_UA_IdType_To_Str(identifierType, t);
    return t;
}

void TOPC_UA_Variable::SetNodeType(const std::string& text)
{
    identifierType = static_cast<std::uint16_t>(Str_To_OPC_UA_IdType(text));
}

std::string TOPC_UA_Variable::NodeID() const
{
    switch (identifierType) {
    case IdType_Numeric:
        return Bad_Numeric ? Typed_NodeID : std::to_string(numeric);
    case IdType_String:
        return stringname;
    case IdType_Guid: {
        std::string t = Hex(guide1, 8) + "-" + Hex(guide2, 4) + "-" + Hex(guide3, 4) + "-" + Hex(guide4[0], 2) +
                        Hex(guide4[1], 2) + "-";
        for (std::size_t i = 2; i < guide4.size(); ++i)
            t += Hex(guide4[i], 2);
        return t;
    }
    case IdType_ByteString:
        return byteString;
    default:
        return {};
    }
}

void TOPC_UA_Variable::SetNodeID(const std::string& text)
{
    switch (identifierType) {
    case IdType_Numeric: {
        std::uint32_t v = 0;
        const bool valid = Numeric_NodeId(text, v);
        numeric = valid ? v : 0;
        Bad_Numeric = !valid;
        Typed_NodeID = valid ? std::string() : text;
        break;
    }
    case IdType_String:
        stringname = text;
        break;
    case IdType_ByteString:
        byteString = text;
        break;
    case IdType_Guid: {
        const std::string trimmed = Cell_Trim(text);
        std::string_view s = trimmed;
        guide1 = Guid_Part(Take_Group(s));
        guide2 = static_cast<std::uint16_t>(Guid_Part(Take_Group(s)));
        guide3 = static_cast<std::uint16_t>(Guid_Part(Take_Group(s)));
        for (std::size_t i = 0; i < guide4.size(); ++i) {
            if (s.size() > 2) {
                guide4[i] = static_cast<std::uint8_t>(Guid_Part(s.substr(0, 2)));
                s.remove_prefix(i == 1 ? 3 : 2);
            } else {
                guide4[i] = static_cast<std::uint8_t>(Guid_Part(s));
                s = {};
            }
        }
        break;
    }
    default:
        break;
    }
}

std::string TOPC_UA_Variable::VarType() const
{
    std::string t;
    OPC_UA_DataType_To_Str(dataType >= 1 && dataType <= 14 ? dataType : 0, t);
    return t;
}

void TOPC_UA_Variable::SetVarType(const std::string& text)
{
    const std::string u = rtl::UpperCase(text);
    dataType = 0;
    for (std::size_t i = 0; i < std::size(Data_Type_Keys); ++i)
        if (u == Data_Type_Keys[i])
            dataType = static_cast<std::int32_t>(i);
}

}  // namespace tables::opcua
