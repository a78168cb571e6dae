#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "common/OpcUaSnmp.h"

namespace {

TEST(OpcUaRecords, FieldOffsetsMatchTheLibraryLayout)
{
    // The interface's field order with native pointers (the 64-bit Linux layout).
    if constexpr (sizeof(void*) == 8) {
        EXPECT_EQ(offsetof(opcua_server_to_discover, user_pass_auth_flag), 8u);
        EXPECT_EQ(offsetof(opcua_server_to_discover, priv_key), 40u);
        EXPECT_EQ(offsetof(opcua_server_to_discover, security_policy), 52u);
        EXPECT_EQ(offsetof(opcua_structure, numeric), 4u);
        EXPECT_EQ(offsetof(opcua_structure, stringname), 8u);
        EXPECT_EQ(offsetof(opcua_structure, guide1), 20u);
        EXPECT_EQ(offsetof(opcua_structure, guide4), 28u);
        EXPECT_EQ(offsetof(opcua_structure, byteString), 40u);
        EXPECT_EQ(offsetof(opcua_structure, displayName), 56u);
        EXPECT_EQ(offsetof(opcua_structure, dataType), 68u);
        EXPECT_EQ(offsetof(opcua_structure, accessLevel), 72u);
    }
}

// Every code that has a text comes back from its text; unknown codes and texts
// take the fixed defaults.
TEST(OpcUaConverters, CodesAndTextsRoundTrip)
{
    std::string t;
    for (int code : {0, 3, 4, 5}) {
        OPC_UA_IdType_To_Str(code, t);
        EXPECT_EQ(Str_To_OPC_UA_IdType(t), code) << t;
    }
    for (int code : {1, 2, 6, -1}) {
        OPC_UA_IdType_To_Str(code, t);
        EXPECT_EQ(t, "") << code;
    }
    for (int code = 0; code <= 2; ++code) {
        OPC_UA_Auth_To_Str(code, t);
        EXPECT_EQ(Str_To_OPC_UA_Auth(t), code) << t;
        OPC_UA_SecMode_To_Str(code, t);
        EXPECT_EQ(Str_To_OPC_UA_SecMode(t), code) << t;
    }
    for (int code = 0; code <= 5; ++code) {
        OPC_UA_SecPolicy_To_Str(code, t);
        EXPECT_EQ(Str_To_OPC_UA_SecPolicy(t), code) << t;
    }
}

TEST(OpcUaConverters, UnlistedValuesTakeTheDefaults)
{
    std::string t;
    EXPECT_EQ(Str_To_OPC_UA_IdType("gUiD"), 4);
    EXPECT_EQ(Str_To_OPC_UA_IdType(" Guid"), 0);
    EXPECT_EQ(Str_To_OPC_UA_IdType("bytestring"), 5);
    EXPECT_EQ(Str_To_OPC_UA_Auth("anonymous"), 2);
    OPC_UA_Auth_To_Str(7, t);
    EXPECT_EQ(t, "Certificate");
    EXPECT_EQ(Str_To_OPC_UA_SecMode("sign"), 2);
    for (int code : {-1, 9}) {
        OPC_UA_SecPolicy_To_Str(code, t);
        EXPECT_EQ(t, "AES 256 SHA 256 RSA PSS");
    }
    EXPECT_EQ(Str_To_OPC_UA_SecPolicy(""), 5);
    EXPECT_EQ(Str_To_OPC_UA_SecPolicy("Basic 256"), 2);
}

TEST(OpcUaConverters, DataTypeTexts)
{
    const std::pair<int, const char*> cases[] = {{0, "Boolean"},     {6, "UInt32"}, {9, "Float"}, {12, "DateTime"},
                                                 {14, "ByteString"}, {15, ""},      {-1, ""}};
    std::string t;
    for (auto [code, text] : cases) {
        OPC_UA_DataType_To_Str(code, t);
        EXPECT_EQ(t, text) << code;
    }
}

TEST(OpcUaNodeId, EachIdentifierKind)
{
    opcua_structure node{};
    std::string t;

    node.identifierType = 4;
    node.guide1 = 1;
    node.guide2 = 2;
    node.guide3 = 3;
    for (int i = 0; i < 8; ++i)
        node.guide4[i] = uint8_t(4 + i);
    OPC_UA_NodeId_To_Str(node, nullptr, nullptr, t);
    EXPECT_EQ(t, "00000001-0002-0003-0405-060708090A0B");

    node.identifierType = 0;
    node.numeric = 4294967295u;
    OPC_UA_NodeId_To_Str(node, nullptr, nullptr, t);
    EXPECT_EQ(t, "4294967295");

    node.identifierType = 3;
    OPC_UA_NodeId_To_Str(node, "Temp\xE9", "bytes", t);  // ANSI text becomes UTF-8
    EXPECT_EQ(t, "Temp\xC3\xA9");

    node.identifierType = 5;
    OPC_UA_NodeId_To_Str(node, "name", "bytes", t);
    EXPECT_EQ(t, "bytes");

    node.identifierType = 2;
    OPC_UA_NodeId_To_Str(node, "name", "bytes", t);
    EXPECT_EQ(t, "");
}

TEST(CheckOID, FirstFailingTestDecides)
{
    const std::pair<std::string, int> cases[] = {
        {"1.3.6.1.4.1", 0},
        {".1.3", 3},
        {"1.3.", 4},
        {"1..3", 5},
        {"1.a.3", 2},
        {".a", 2},
        {"1.4294967296", 6},
        {"1.4294967295", 0},
        {"1.99999999999999999999999", 6},  // too long to read
        {std::string(62, '1'), 1},
        {std::string(62, 'x'), 1},
        {std::string(61, '1'), 6},
        {"", 3},
        {"7", 0},
    };
    for (const auto& [text, code] : cases)
        EXPECT_EQ(Check_OID(text), code) << text;
}

TEST(CheckSNMPv3String, LengthBeforeCharacters)
{
    const struct {
        const char* text;
        bool user;
        int code;
    } cases[] = {
        {"user1", true, 0},
        {"abcdefghijklmnop", true, 1},
        {"", true, 2},
        {"abcdefg", false, 2},
        {"abcdefgh", false, 0},
        {"user_1", true, 3},
        {"pass word", false, 3},
        {"abc_", false, 2},  // too short is reported before the bad character
        {"\xC3\xA9t\xC3\xA9", true, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_SNMPv3_String(c.text, c.user), c.code) << c.text;
}

TEST(SNMPSecLevel, UpperCasedAndTrimmed)
{
    const std::pair<const char*, int> cases[] = {{"  auth priv ", 3}, {"AUTH NOPRIV", 1}, {"NOAUTH NOPRIV", 0},
                                                 {"   ", -1},         {"", -1},           {"AUTHPRIV", 0}};
    for (auto [text, level] : cases)
        EXPECT_EQ(Str_To_SNMP_Sec_Level(text), level) << text;
}

TEST(WiFi2Protocols, OnlyMQTT)
{
    std::string a = "x", b = "y";
    EXPECT_EQ(Get_WiFi2_Protocols(a, b), 1);
    EXPECT_EQ(a, "MQTT");
    EXPECT_EQ(b, "");
}

}  // namespace
