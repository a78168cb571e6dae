// The S7comm client's tables without their window: every rule of both tables in order with its exact
// message, the ten connections both tables share, the file's attributes and its three fallbacks.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DialogTables.h"
#include "common/UComon.h"
#include "core/tables/modbus_s7_bacnet/S7ProtocolTable.h"

namespace {

using namespace ms7test;
namespace ms7 = tables::modbus_s7_bacnet;

constexpr int Read = 0, Write = 1;

class S7ProtocolTable : public DialogTables {
protected:
    S7ProtocolTable() : DialogTables(ms7::S7_Protocol_Desc(), File_S7_Protocol, "S7_Protocol.xml") {}
    // Both: Enable, PLC Address, PLC Port, PLC Type, Rack, Slot, Data Type, Data Identifier, DB Number,
    // PLC Area, PLC Add, PLC Bit, Poll Time; then read: Position, Start Bit, Swap, Swap Word, Mnemonic;
    // write: On Change, On CMD, Position, Start Bit, Swap, Swap Word, Mnemonic.
    std::vector<std::string> Valid_Row(int g) const override
    {
        std::vector<std::string> row = {"Y", "192.168.1.125",      "102", "S71200", "0",   "1", "Int", "DB",
                                        "1", "Flags (M) (Merker)", "0",   "0",      "1000"};
        if (g == Write)
            row.insert(row.end(), {"N", "N"});
        row.insert(row.end(), {"0", "0", "N", "N", "m"});
        return row;
    }
    // Row r of table g: a valid row to that address and port.
    void Put_Connection(int g, int r, const std::string& address, const std::string& port = "102")
    {
        Put_Changed(g, r, {{2, address}, {3, port}});
    }
};

class S7ProtocolRules : public S7ProtocolTable, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(S7ProtocolRules, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string R = "Error row 4!! [S7comm Read] ";
const std::string W = "Error row 4!! [S7comm Write] ";

INSTANTIATE_TEST_SUITE_P(
    ReadTable, S7ProtocolRules,
    ::testing::Values(RuleCase{"a valid read row", Read, {}, ""},
                      RuleCase{"three address parts",
                               Read,
                               {{2, "192.168.1"}},
                               R + "PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
                      RuleCase{"an invalid address and port report the address",
                               Read,
                               {{2, "192.168.1.300"}, {3, "x"}},
                               R + "PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
                      RuleCase{"port 65536", Read, {{3, "65536"}}, R + "PLC Port must be between 0 and 65535"},
                      RuleCase{"a PLC type of blanks", Read, {{4, "  "}}, R + "PLC Type cannot be empty"},
                      RuleCase{"rack 3", Read, {{5, "3"}}, ""},
                      RuleCase{"rack 4", Read, {{5, "4"}}, R + "Rack must be between 0 and 3"},
                      RuleCase{"slot 32", Read, {{6, "32"}}, R + "Slot must be between 0 and 31"},
                      RuleCase{"no data type", Read, {{7, ""}}, R + "Data Type cannot be empty"},
                      RuleCase{"no data identifier", Read, {{8, ""}}, R + "Data Identifier cannot be empty"},
                      RuleCase{"DB number 65536", Read, {{9, "65536"}}, R + "DB Number must be between 0 and 65535"},
                      RuleCase{"no area", Read, {{10, ""}}, R + "PLC Area cannot be empty"},
                      RuleCase{
                          "PLC address 65536", Read, {{11, "65536"}}, R + "PLC Address must be between 0 and 65535"},
                      RuleCase{"no PLC bit", Read, {{12, ""}}, R + "PLC Bit cannot be empty"},
                      RuleCase{"poll time 0", Read, {{13, "0"}}, R + "Poll Time must be between 1 and 100000000"},
                      RuleCase{"position 1500", Read, {{14, "1500"}}, R + "Position must be between 0 and 1499"},
                      RuleCase{"a real at position 1499", Read, {{7, "Real"}, {14, "1499"}}, ""},
                      RuleCase{"a start bit of a blank", Read, {{15, " "}}, R + "Start Bit cannot be empty"},
                      RuleCase{"a disabled row", Read, {{1, "N"}, {2, "x"}}, ""}),
    testsupport::kNameByWhat);

INSTANTIATE_TEST_SUITE_P(
    WriteTable, S7ProtocolRules,
    ::testing::Values(RuleCase{"a valid write row", Write, {}, ""},
                      RuleCase{"a blank after the address",
                               Write,
                               {{2, "192.168.1.125 "}},
                               W + "PLC Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
                      RuleCase{"port -1", Write, {{3, "-1"}}, W + "PLC Port must be between 0 and 65535"},
                      RuleCase{"no PLC type", Write, {{4, ""}}, W + "PLC Type cannot be empty"},
                      RuleCase{"rack 4", Write, {{5, "4"}}, W + "Rack must be between 0 and 3"},
                      RuleCase{"slot 31", Write, {{6, "31"}}, ""},
                      RuleCase{"slot 32", Write, {{6, "32"}}, W + "Slot must be between 0 and 31"},
                      RuleCase{"no data type", Write, {{7, ""}}, W + "Data Type cannot be empty"},
                      RuleCase{"no data identifier", Write, {{8, ""}}, W + "Data Identifier cannot be empty"},
                      RuleCase{"DB number -1", Write, {{9, "-1"}}, W + "DB Number must be between 0 and 65535"},
                      RuleCase{"no area", Write, {{10, ""}}, W + "PLC Area cannot be empty"},
                      RuleCase{
                          "PLC address 65536", Write, {{11, "65536"}}, W + "PLC Address must be between 0 and 65535"},
                      RuleCase{"no PLC bit", Write, {{12, ""}}, W + "PLC Bit cannot be empty"},
                      RuleCase{"poll time 0", Write, {{13, "0"}}, ""},
                      RuleCase{"no poll time", Write, {{13, ""}}, W + "Poll Time must be between 0 and 100000000"},
                      RuleCase{"position 1500", Write, {{16, "1500"}}, W + "Position must be between 0 and 1499"},
                      RuleCase{"no start bit", Write, {{17, ""}}, W + "Start Bit cannot be empty"}),
    testsupport::kNameByWhat);

TEST_F(S7ProtocolTable, TenConnectionsOverBothTables)
{
    for (int r = 1; r <= 10; ++r)
        Put_Connection(Read, r, "10.0.0." + std::to_string(r));
    EXPECT_EQ(Check(), "");
    Put_Connection(Read, 11, "10.0.0.7");
    EXPECT_EQ(Check(), "") << "an eleventh row to one of the ten";
    Put_Connection(Write, 1, " 10.0.0.3", "$66");
    EXPECT_EQ(Check(), "") << "a write row to the same address and port, typed otherwise";
    Put_Connection(Read, 12, "10.0.0.7", "103");
    EXPECT_EQ(Check(), "Error row 12!! [S7comm Read] Device support 10 connection") << "another port";
    grids[0]->SetCell(1, 12, "N");
    EXPECT_EQ(Check(), "") << "a disabled row takes no connection";
    Put_Connection(Write, 2, "10.0.0.11");
    EXPECT_EQ(Check(), "Error row 2!! [S7comm Write] Device support 10 connection");
    EXPECT_EQ(Check(), "Error row 2!! [S7comm Write] Device support 10 connection") << "every check counts anew";
}

TEST_F(S7ProtocolTable, MissingFileGivesNumberedEnabledRowsAndEmptySections)
{
    for (int g : {Read, Write}) {
        EXPECT_EQ(Cell(g, 0, 512), "512");
        EXPECT_EQ(Cell(g, 1, 512), "Y");
    }
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<S7_Protocol><S7_Protocol_Read/><S7_Protocol_Write/></S7_Protocol><!--SW_VERSION = 1.000-->");
}

TEST_F(S7ProtocolTable, FileLoadsAndSavesAsItStands)
{
    const std::string file =
        "<S7_Protocol><S7_Protocol_Read>"
        "<row Enable=\"Y\" PLC_Address=\"127.0.0.1\" PLC_Port=\"102\" PLC_Type=\"S7300\" Rack=\"0\" Slot=\"2\" "
        "Data_Type=\"Word\" Data_Identifier=\"DB\" DB_Number=\"10\" PLC_Area=\"Inputs (I)\" PLC_Add=\"4\" "
        "PLC_Bit=\"0\" PollTime=\"250\" Position=\"8\" Bit=\"0\" Swap=\"Y\" SwapWord=\"N\" Mnemonic=\"r\"/>"
        "</S7_Protocol_Read><S7_Protocol_Write>"
        "<row Enable=\"N\" PLC_Address=\"x\" PLC_Port=\"\" PLC_Type=\"\" Rack=\"\" Slot=\"\" Data_Type=\"\" "
        "Data_Identifier=\"\" DB_Number=\"\" PLC_Area=\"\" PLC_Add=\"\" PLC_Bit=\"\" PollTime=\"\" OnChange=\"Y\" "
        "OnCMD=\"N\" Position=\"\" Bit=\"\" Swap=\"N\" SwapWord=\"Y\" Mnemonic=\"w &lt;1>\"/>"
        "</S7_Protocol_Write></S7_Protocol><!--SW_VERSION = 1.000-->";
    Write_File(file);
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Cell(Read, 10, 1), "Inputs (I)");
    EXPECT_EQ(Cell(Write, 20, 1), "w <1>");
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), file);
}

TEST_F(S7ProtocolTable, OnlyEnableRackAndSlotHaveAFallback)
{
    for (int g : {Read, Write}) {
        std::map<std::string, std::string> expected;
        for (const TAttributeDesc& a : desc.Grids[static_cast<std::size_t>(g)].Attributes)
            expected[std::string(a.Name)] = "stops";
        expected["Enable"] = "Y";
        expected["Rack"] = "0";
        expected["Slot"] = "0";
        EXPECT_EQ(Missing_Attribute_Results(g), expected) << g;
    }
}

}  // namespace
