#include "common/OpcUaSnmp.h"

#include <array>

#include "common/NumConv.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StrUtils.h"

namespace {

constexpr std::array<const char*, 15> kDataTypes = {"Boolean", "Int8",   "UInt8",    "Int16",  "UInt16",
                                                    "Int32",   "UInt32", "Int64",    "UInt64", "Float",
                                                    "Double",  "String", "DateTime", "Guid",   "ByteString"};

constexpr std::array<const char*, 6> kSecPolicies = {"None",
                                                     "Basic 128 RSA 15",
                                                     "Basic 256",
                                                     "Basic 256 SHA 256",
                                                     "AES 128 SHA 256 RSA OAEP",
                                                     "AES 256 SHA 256 RSA PSS"};

}  // namespace

void OPC_UA_IdType_To_Str(int code, std::string& text)
{
    switch (code) {
    case 0:
        text = "Numeric";
        break;
    case 3:
        text = "String";
        break;
    case 4:
        text = "Guid";
        break;
    case 5:
        text = "ByteString";
        break;
    default:
        text.clear();
        break;
    }
}

int Str_To_OPC_UA_IdType(const std::string& text)
{
    const std::string u = rtl::UpperCase(text);
    if (u == "STRING")
        return 3;
    if (u == "GUID")
        return 4;
    if (u == "BYTESTRING")
        return 5;
    return 0;
}

void OPC_UA_NodeId_To_Str(const opcua_structure& node, const char* stringname, const char* byteString,
                          std::string& text)
{
    switch (node.identifierType) {
    case 0:
        text = std::to_string(node.numeric);
        break;
    case 3:
        text = stringname ? rtl::Cp1252ToUtf8(stringname) : std::string();
        break;
    case 4:
        text = rtl::IntToHex(node.guide1, 8) + "-" + rtl::IntToHex(node.guide2, 4) + "-" +
               rtl::IntToHex(node.guide3, 4) + "-" + rtl::IntToHex(node.guide4[0], 2) +
               rtl::IntToHex(node.guide4[1], 2) + "-";
        for (int i = 2; i < 8; ++i)
            text += rtl::IntToHex(node.guide4[i], 2);
        break;
    case 5:
        text = byteString ? rtl::Cp1252ToUtf8(byteString) : std::string();
        break;
    default:
        text.clear();
        break;
    }
}

void OPC_UA_DataType_To_Str(int code, std::string& text)
{
    text = (code >= 0 && code < int(kDataTypes.size())) ? kDataTypes[size_t(code)] : "";
}

void OPC_UA_Auth_To_Str(int code, std::string& text)
{
    text = code == 0 ? "Anonymous" : code == 1 ? "Username and Password" : "Certificate";
}

int Str_To_OPC_UA_Auth(const std::string& text)
{
    if (text == "Anonymous")
        return 0;
    if (text == "Username and Password")
        return 1;
    return 2;
}

void OPC_UA_SecMode_To_Str(int code, std::string& text)
{
    text = code == 0 ? "None" : code == 1 ? "Sign" : "Sign and Encrypt";
}

int Str_To_OPC_UA_SecMode(const std::string& text)
{
    if (text == "None")
        return 0;
    if (text == "Sign")
        return 1;
    return 2;
}

void OPC_UA_SecPolicy_To_Str(int code, std::string& text)
{
    text = (code >= 0 && code <= 4) ? kSecPolicies[size_t(code)] : kSecPolicies[5];
}

int Str_To_OPC_UA_SecPolicy(const std::string& text)
{
    for (int i = 0; i <= 4; ++i)
        if (text == kSecPolicies[size_t(i)])
            return i;
    return 5;
}

int Check_OID(const std::string& text)
{
    if (rtl::Utf8Length(text) > 61)
        return kOidTooLong;
    for (char c : text)
        if (c != '.' && (c < '0' || c > '9'))
            return kOidBadCharacter;
    if (text.empty() || text.front() == '.')
        return kOidStartsWithDot;
    if (text.back() == '.')
        return kOidEndsWithDot;
    if (text.find("..") != std::string::npos)
        return kOidDoubleDot;
    size_t start = 0;
    while (start <= text.size()) {
        size_t dot = text.find('.', start);
        if (dot == std::string::npos)
            dot = text.size();
        // An arc too long for a 64-bit number counts as out of range.
        const int64_t arc =
            Str_To_Int64(std::string_view(text).substr(start, dot - start)).value_or(int64_t{4294967296});
        if (arc < 0 || arc > int64_t{4294967295})
            return kOidArcTooLarge;
        start = dot + 1;
    }
    return kOidValid;
}

int Check_SNMPv3_String(const std::string& text, bool user)
{
    const int length = rtl::Utf8Length(text);
    if (length > 15)
        return kSnmpTooLong;
    if (length < (user ? 1 : 8))
        return kSnmpTooShort;
    for (char c : text) {
        const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!ok)
            return kSnmpBadCharacter;
    }
    return kSnmpValid;
}

int Str_To_SNMP_Sec_Level(const std::string& text)
{
    const std::string u = rtl::Trim(rtl::UpperCase(text));
    if (u == "AUTH NOPRIV")
        return 1;
    if (u == "AUTH PRIV")
        return 3;
    if (u.empty())
        return -1;
    return 0;
}

int Get_WiFi2_Protocols(std::string& name1, std::string& name2)
{
    name1 = "MQTT";
    name2.clear();
    return 1;
}
