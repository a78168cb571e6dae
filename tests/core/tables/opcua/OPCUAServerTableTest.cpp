// The OPC UA server variables without their window: the Length that follows the Type, the file's
// guarded attributes, and the position check over every row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/UComon.h"
#include "core/tables/can_family/DescTableFixture.h"
#include "core/tables/opcua/OPCUAServerTable.h"

namespace {

using namespace tables;
using namespace tables::opcua;

class OpcUaServerTable : public cantest::DescTable {
protected:
    OpcUaServerTable() : DescTable(Server_Access_Desc(), File_OPC_UA_Server, "OPC_UA_Server.xml", 250) {}
};

TEST_F(OpcUaServerTable, LengthFollowsTheType)
{
    const struct {
        const char* type;
        const char* length;
        std::optional<bool> fixed;
    } cases[] = {{"Boolean", "1", true},  {"Signed Byte", "1", true},  {"UInt16", "2", true},
                 {"Int32", "4", true},    {"Float", "4", true},        {"Double", "8", true},
                 {"String", "10", false}, {"ByteString", "10", false}, {"int32", "old", std::nullopt}};
    for (const auto& c : cases) {
        cells.SetCell(Srv_Col_Length, 1, "old");
        cells.SetCell(Srv_Col_RW, 1, "");
        EXPECT_EQ(VarSetLength(c.type, cells, 1), c.fixed) << c.type;
        EXPECT_EQ(cells.Cell(Srv_Col_Length, 1), c.length) << c.type;
        EXPECT_EQ(cells.Cell(Srv_Col_RW, 1), "Read/Write") << c.type;
    }
    cells.SetCell(Srv_Col_RW, 1, "Read Only");
    VarSetLength("Int16", cells, 1);
    EXPECT_EQ(cells.Cell(Srv_Col_RW, 1), "Read Only");
}

TEST_F(OpcUaServerTable, LoadingTakesTheFallbacksAndTheStoredLength)
{
    EXPECT_EQ(Load("<OPC_UA_Server><OPC_UA_Server_Variables>"
                   "<row Type=\"Float\" Length=\"7\"/>"
                   "<row Enable=\"N\" Type=\"String\" Length=\"32\" ReadWrite=\"Read Only\"/>"
                   "<row Enable=\"x\"/>"
                   "</OPC_UA_Server_Variables></OPC_UA_Server>"),
              "");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"Y", "Float", "", "7", "", "", ""}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"N", "String", "", "32", "", "Read Only", ""}));
    EXPECT_EQ(Row(3)[0], "Y");
}

TEST_F(OpcUaServerTable, PositionIsCheckedOnEveryEnabledTypedRow)
{
    Put(1, {"Y", "Int16", "1999"});
    Put(2, {"N", "Int16", "5000"});  // not ticked
    Put(3, {"Y", "Int16", "2000"});
    EXPECT_EQ(Check(), "Error row 3!! Position Must be Between 0 and 2000");
    for (const char* bad : {"-1", "abc", ""}) {
        Put(3, {"Y", "Int16", bad});
        EXPECT_EQ(Check(), "Error row 3!! Position Must be Between 0 and 2000") << bad;
    }
    // A row without a type is not tested, but what is typed in it would not be saved: the check
    // says so rather than dropping it.
    Put(3, {"Y", " ", "5000"});
    EXPECT_EQ(Check().rfind("Row 3 has no Type.", 0), 0u);
}

TEST_F(OpcUaServerTable, FileHoldsTheRowsUpToTheFirstEmptyType)
{
    Put(1, {"Y", "Int32", "0", "4", "Speed", "Read/Write", "m/s"});
    Put(2, {"N", "Boolean", "4", "1", "Run", "Read Only", ""});
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<OPC_UA_Server><OPC_UA_Server_Variables>"
                      "<row Enable=\"Y\" Type=\"Int32\" Position=\"0\" Length=\"4\" Name=\"Speed\" "
                      "ReadWrite=\"Read/Write\" Mnemonic=\"m/s\"/>"
                      "<row Enable=\"N\" Type=\"Boolean\" Position=\"4\" Length=\"1\" Name=\"Run\" "
                      "ReadWrite=\"Read Only\" Mnemonic=\"\"/>"
                      "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
}

}  // namespace
