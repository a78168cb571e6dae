// The client model's conversions: node identifiers of every kind, the whole unsigned range of
// numeric identifiers, GUID texts, data types.
#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "core/tables/opcua/OPCUAClientModel.h"

namespace {

using tables::opcua::TOPC_UA_Variable;

struct NodeCase {
    std::string what;
    std::string type;   // written to NodeType first
    std::string typed;  // written to NodeID
    std::string shown;  // NodeID read back
    bool bad = false;   // a numeric identifier the check refuses
};

class NodeIdConversion : public ::testing::TestWithParam<NodeCase> {};

TEST_P(NodeIdConversion, ReadsBackAsShown)
{
    TOPC_UA_Variable v;
    v.SetNodeType(GetParam().type);
    v.SetNodeID(GetParam().typed);
    EXPECT_EQ(v.NodeID(), GetParam().shown);
    EXPECT_EQ(v.Bad_Numeric, GetParam().bad);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NodeIdConversion,
    ::testing::Values(NodeCase{"numeric zero", "Numeric", "0", "0"},
                      NodeCase{"numeric top of the signed range", "Numeric", "2147483647", "2147483647"},
                      NodeCase{"numeric above the signed range", "Numeric", "2147483648", "2147483648"},
                      NodeCase{"numeric top of the unsigned range", "Numeric", "4294967295", "4294967295"},
                      NodeCase{"numeric in hex after a dollar", "Numeric", "$FFFFFFFF", "4294967295"},
                      NodeCase{"numeric in hex after 0x", "numeric", " 0x10 ", "16"},
                      NodeCase{"numeric past the range keeps the text", "Numeric", "4294967296", "4294967296", true},
                      NodeCase{"numeric negative keeps the text", "Numeric", "-1", "-1", true},
                      NodeCase{"numeric not a number keeps the text", "Numeric", "abc", "abc", true},
                      NodeCase{"numeric empty is refused", "Numeric", "", "", true},
                      NodeCase{"an unknown node type is numeric", "Word", "17", "17"},
                      NodeCase{"string kept as it stands", "STRING", " Line1.Temp ", " Line1.Temp "},
                      NodeCase{"byte string kept as it stands", "ByteString", "QkFTRTY0", "QkFTRTY0"},
                      NodeCase{"guid in lower case reads in upper case", "Guid", "1a2b3c4d-abcd-0102-dead-beef00010203",
                               "1A2B3C4D-ABCD-0102-DEAD-BEEF00010203"},
                      NodeCase{"guid without dashes fills the first group", "Guid", "1A2B",
                               "00001A2B-0000-0000-0000-000000000000"},
                      NodeCase{"guid of short groups", "Guid", "1-2-3-4", "00000001-0002-0003-0400-000000000000"},
                      NodeCase{"guid group longer than eight digits gives 0", "Guid", "123456789-1-1-0101-010101010101",
                               "00000000-0001-0001-0101-010101010101"}),
    testsupport::kNameByWhat);

TEST(OpcUaVariable, NodeIdWrittenBeforeTheTypeIsTakenAsANumber)
{
    TOPC_UA_Variable v;
    v.SetNodeID("Line1.Temp");  // still numeric
    v.SetNodeType("String");
    EXPECT_EQ(v.NodeID(), "");
    v.SetNodeType("Numeric");
    EXPECT_EQ(v.NodeID(), "Line1.Temp");
    EXPECT_TRUE(v.Bad_Numeric);
    // A valid number afterwards clears the fault.
    v.SetNodeID("12");
    EXPECT_FALSE(v.Bad_Numeric);
    EXPECT_EQ(v.numeric, 12u);
}

TEST(OpcUaVariable, NodeTypeTexts)
{
    TOPC_UA_Variable v;
    const std::pair<const char*, const char*> cases[] = {
        {"numeric", "Numeric"}, {"string", "String"}, {"GUID", "Guid"}, {"bytestring", "ByteString"}, {"", "Numeric"}};
    for (auto [typed, shown] : cases) {
        v.SetNodeType(typed);
        EXPECT_EQ(v.NodeType(), shown) << typed;
    }
    v.identifierType = 1;
    EXPECT_EQ(v.NodeType(), "");
    EXPECT_EQ(v.NodeID(), "");
}

TEST(OpcUaVariable, VarTypeTexts)
{
    TOPC_UA_Variable v;
    const std::pair<const char*, int> cases[] = {{"datetime", 12}, {"ByteString", 14}, {"Int8", 1},
                                                 {"Word", 0},      {" Float", 0},      {"boolean", 0}};
    for (auto [typed, code] : cases) {
        v.SetVarType(typed);
        EXPECT_EQ(v.dataType, code) << typed;
    }
    v.SetVarType("datetime");
    EXPECT_EQ(v.VarType(), "DateTime");
    for (int code : {0, 15, -1, 99}) {
        v.dataType = code;
        EXPECT_EQ(v.VarType(), "Boolean") << code;
    }
}

}  // namespace
