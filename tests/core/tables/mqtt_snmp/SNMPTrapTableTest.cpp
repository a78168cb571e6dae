// The SNMP agent data without its window: the rules of the read and the write table in their
// order, the descriptions that must differ and must not be the MIB's own names, the running
// numbers of the enabled rows, and the file.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "../modbus_s7_bacnet/DialogTables.h"
#include "CaseName.h"
#include "common/UComon.h"
#include "core/tables/mqtt_snmp/SNMPTrapTable.h"

namespace {

using namespace tables;
using namespace tables::mqtt_snmp;
using ms7test::RuleCase;

constexpr int Read = 0, Write = 1;

class SNMPTrapTables : public ms7test::DialogTables {
protected:
    SNMPTrapTables() : DialogTables(SNMP_Trap_Desc(), File_SNMP_Trap, "SNMP_Trap.xml") {}
    // Each valid row its own description.
    std::vector<std::string> Valid_Row(int g) const override
    {
        const std::string d = (g == Read ? "in" : "out") + std::to_string(next_++);
        if (g == Read)
            // Enable, Community, Type, On Change, On CMD, On Timer, Time, Position, Start Bit,
            // Num Bits, Description, IP Address, Conversion, Mnemonic
            return {"Y", "Morvel", "Int", "N", "N", "Y", "1000", "0", "0", "16", d, "192.168.1.20", "None", "m"};
        // Enable, Community, Type, Position, Start Bit, Num Bits, Description, Conversion, Mnemonic
        return {"Y", "Drasken", "String", "10", "0", "16", d, "Float", "m"};
    }
    mutable int next_ = 0;
};

class SNMPTrapCheck : public SNMPTrapTables, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(SNMPTrapCheck, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string R = "Error row 4!! [SNMP Read] ";
const std::string W = "Error row 4!! [SNMP Write] ";
const std::string Chars = "(allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\")";

INSTANTIATE_TEST_SUITE_P(
    Rules, SNMPTrapCheck,
    ::testing::Values(
        RuleCase{"a valid read row", Read, {}, ""},
        RuleCase{"a lower-case enable is checked", Read, {{1, "y"}, {3, ""}}, R + "Type must be selected"},
        RuleCase{"a disabled row is not checked", Read, {{1, "N"}, {3, ""}}, ""},
        RuleCase{"a community with a blank", Read, {{2, "pub lic"}}, R + "Community Name is not correct " + Chars},
        RuleCase{"a community with a hyphen", Read, {{2, "pub-lic"}}, R + "Community Name is not correct " + Chars},
        RuleCase{
            "a community with an underscore", Read, {{2, "pub_lic"}}, R + "Community Name is not correct " + Chars},
        RuleCase{"no type", Read, {{3, " "}}, R + "Type must be selected"},
        RuleCase{"a timer of no time", Read, {{7, "0"}}, R + "Time must be between 1 and 1000000000 ms"},
        RuleCase{"no timer whatever the time", Read, {{6, "N"}, {7, "x"}}, ""},
        RuleCase{"no position", Read, {{8, ""}}, R + "Position must be selected"},
        RuleCase{"no start bit", Read, {{9, ""}}, R + "Start Bit must be selected"},
        RuleCase{"a string starting at bit 3",
                 Read,
                 {{3, "String"}, {9, "3"}, {10, "4"}},
                 R + "Start Bit must be 0 if Type is String"},
        RuleCase{"an int of 64 bits", Read, {{10, "64"}}, ""},
        RuleCase{"an int of 65 bits", Read, {{10, "65"}}, R + "Num Bits/Bytes must be between 1 and 64 bits"},
        RuleCase{"a string of 16 bytes", Read, {{3, "String"}, {10, "16"}}, ""},
        RuleCase{"a string of 17 bytes",
                 Read,
                 {{3, "String"}, {10, "17"}},
                 R + "Num Bits/Bytes must be between 1 and 16 bytes"},
        RuleCase{"a description starting upper case",
                 Read,
                 {{11, "Temp1"}},
                 R + "Description is not correct " + Chars.substr(0, Chars.size() - 1) +
                     "). First character must be a letter and must be lowercase"},
        RuleCase{"a description starting with a digit",
                 Read,
                 {{11, "1temp"}},
                 R + "Description is not correct " + Chars.substr(0, Chars.size() - 1) +
                     "). First character must be a letter and must be lowercase"},
        RuleCase{"a description with an underscore",
                 Read,
                 {{11, "temp_1"}},
                 R + "Description is not correct " + Chars.substr(0, Chars.size() - 1) +
                     "). First character must be a letter and must be lowercase"},
        RuleCase{"an empty description", Read, {{11, ""}}, ""},
        RuleCase{"a description the MIB uses for its data",
                 Read,
                 {{11, "countin"}},
                 R + "Description cannot be a name that the MIB gives its own objects"},
        RuleCase{"a description the MIB uses for a notification",
                 Read,
                 {{11, "trapval2"}},
                 R + "Description cannot be a name that the MIB gives its own objects"},
        RuleCase{"a description that only starts like a MIB name", Read, {{11, "trapval2x"}}, ""},
        RuleCase{"an invalid trap address",
                 Read,
                 {{12, "1.2.3"}},
                 R + "IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        RuleCase{"no conversion", Read, {{13, ""}}, R + "Conversion must be selected"},
        RuleCase{"a valid write row", Write, {}, ""},
        RuleCase{"a write community with a blank", Write, {{2, " x"}}, W + "Community Name is not correct " + Chars},
        RuleCase{"no write type", Write, {{3, ""}}, W + "Type must be selected"},
        RuleCase{"no write position", Write, {{4, ""}}, W + "Position must be selected"},
        RuleCase{"no write start bit", Write, {{5, " "}}, W + "Start Bit must be selected"},
        RuleCase{"a written string at bit 1", Write, {{5, "1"}}, W + "Start Bit must be 0 if Type is String"},
        RuleCase{"a written int of no bit",
                 Write,
                 {{3, "int"}, {6, "0"}},
                 W + "Num Bits/Bytes must be between 1 and 64 bits"},
        RuleCase{"a written description with a blank",
                 Write,
                 {{7, "out 1"}},
                 W + "Descrtiption is not correct " + Chars.substr(0, Chars.size() - 1) +
                     "). First character must be a letter and must be lowercase"},
        RuleCase{"a written description the MIB numbers itself",
                 Write,
                 {{7, "bufferoutval3"}},
                 W + "Description cannot be a name that the MIB gives its own objects"},
        RuleCase{"no write conversion", Write, {{8, ""}}, W + "Conversion must be selected"}),
    testsupport::kNameByWhat);

TEST(CommunityAndDescriptionRule, CharactersAllowed)
{
    struct Case {
        const char* text;
        bool community_breaks, description_breaks;
    };
    for (const Case& c : {Case{"", false, false}, Case{"temp1", false, false}, Case{"Temp1", false, true},
                          Case{"1temp", false, true}, Case{"temp 1", true, true}, Case{"t\xc3\xa9", true, true}}) {
        EXPECT_EQ(Check_Error_CommName_Desc(c.text, 0), c.community_breaks) << c.text;
        EXPECT_EQ(Check_Error_CommName_Desc(c.text, 1), c.description_breaks) << c.text;
    }
}

// Descriptions of the checked rows of both tables must differ; the fault names no row.
TEST_F(SNMPTrapTables, DescriptionsMustAllDiffer)
{
    Put(Read, 1, Valid_Row(Read));
    Put(Read, 2, Valid_Row(Read));
    Put(Write, 1, Valid_Row(Write));
    EXPECT_EQ(Check(), "");
    grids[Write]->SetCell(7, 1, Cell(Read, 11, 2));
    EXPECT_EQ(Check(), "Error!! The Descriptions must be all differents") << "a read and a write row";
    grids[Write]->SetCell(7, 1, "");
    grids[Read]->SetCell(11, 1, "");
    EXPECT_EQ(Check(), "Error!! The Descriptions must be all differents") << "two empty descriptions";
    grids[Read]->SetCell(1, 1, "N");
    EXPECT_EQ(Check(), "") << "a disabled row is not compared";
    grids[Read]->SetCell(1, 1, "Y");
    grids[Read]->SetCell(11, 1, "Abc");
    EXPECT_EQ(Check().substr(0, 27), "Error row 1!! [SNMP Read] D") << "the rows are checked first";
}

// Column 0 counts the enabled rows ("Y" in either case); a reset row is enabled, so rows after
// the end of the table are numbered too.
TEST_F(SNMPTrapTables, RunningNumbersCountEnabledRows)
{
    EXPECT_EQ(Cell(Read, 0, 1), "1");
    EXPECT_EQ(Cell(Write, 0, 256), "256");
    Put(Read, 1, Valid_Row(Read));
    Put(Read, 2, Valid_Row(Read));
    Put(Read, 3, Valid_Row(Read));
    grids[Read]->SetCell(1, 2, "N");
    grids[Read]->SetCell(1, 3, "y");
    Index_Row_Build(*grids[Read]);
    EXPECT_EQ(Cell(Read, 0, 1), "1");
    EXPECT_EQ(Cell(Read, 0, 2), "");
    EXPECT_EQ(Cell(Read, 0, 3), "2");
    EXPECT_EQ(Cell(Read, 0, 4), "3");
    Write_File(Text());
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Cell(Read, 0, 2), "") << "numbered again after loading";
    EXPECT_EQ(Cell(Read, 0, 3), "2");
}

TEST_F(SNMPTrapTables, EveryAttributeIsGuarded)
{
    const std::map<std::string, std::string> read = {
        {"Enable", "Y"},     {"Community_Name", ""}, {"Type", ""},           {"On_Change", "N"}, {"On_Command", "N"},
        {"On_Timer", "N"},   {"Time", ""},           {"Position", ""},       {"Bit", ""},        {"NumBits", ""},
        {"Description", ""}, {"IP_Address", ""},     {"Conversion", "None"}, {"Mnemonic", ""}};
    EXPECT_EQ(Missing_Attribute_Results(Read), read);
    std::filesystem::remove(File_SNMP_Trap);  // no read row left to be taken for the write row
    const std::map<std::string, std::string> write = {
        {"Enable", "Y"}, {"Community_Name", ""}, {"Type", ""},           {"Position", ""}, {"Bit", ""},
        {"NumBits", ""}, {"Description", ""},    {"Conversion", "None"}, {"Mnemonic", ""}};
    EXPECT_EQ(Missing_Attribute_Results(Write), write);
}

TEST_F(SNMPTrapTables, FileHoldsBothSections)
{
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<SNMP_Trap><SNMP_Trap_Read/><SNMP_Trap_Write/></SNMP_Trap><!--SW_VERSION = 1.000-->");
    EXPECT_EQ(state.Var("NByte_IN"), 1440);
    EXPECT_EQ(state.Var("NByte_OUT"), 1440);
    Put(Read, 1, Valid_Row(Read));
    Put(Write, 1, Valid_Row(Write));
    EXPECT_EQ(Text(),
              "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Community_Name=\"Morvel\" Type=\"Int\" On_Change=\"N\" "
              "On_Command=\"N\" On_Timer=\"Y\" Time=\"1000\" Position=\"0\" Bit=\"0\" NumBits=\"16\" "
              "Description=\"in0\" IP_Address=\"192.168.1.20\" Conversion=\"None\" Mnemonic=\"m\"/></SNMP_Trap_Read>"
              "<SNMP_Trap_Write><row Enable=\"Y\" Community_Name=\"Drasken\" Type=\"String\" Position=\"10\" "
              "Bit=\"0\" NumBits=\"16\" Description=\"out1\" Conversion=\"Float\" Mnemonic=\"m\"/></SNMP_Trap_Write>"
              "</SNMP_Trap><!--SW_VERSION = 1.000-->");
    const std::string text = Text();
    Write_File(text);
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Text(), text);
}

}  // namespace
