// The serial Modbus master's tables without their window: the rules of both tables in order with
// their exact messages, the file's attributes and fallbacks, and the Topic column's index.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DialogTables.h"
#include "common/UComon.h"
#include "core/tables/modbus_s7_bacnet/ModbusGrids.h"
#include "core/tables/modbus_s7_bacnet/SetAccessTable.h"

namespace {

using namespace ms7test;
namespace ms7 = tables::modbus_s7_bacnet;

constexpr int Read = 0, Write = 1;

class SetAccessTable : public DialogTables {
protected:
    SetAccessTable() : DialogTables(ms7::Set_Access_Desc(), File_ModbusM_SetAccess, "ModbusM_SetAccess.xml") {}
    // Read: Enable, Slave ID, Type, Address, NPoint, Poll Time, Max Error, Position, Start Bit, Swap,
    // SwapWord, Topic, Mnemonic. Write: Enable, Slave ID, Type, Address, NPoint, Poll Time, On Change,
    // On CMD, Max Error, Position, Start Bit, Swap, SwapWord, Mnemonic.
    std::vector<std::string> Valid_Row(int g) const override
    {
        if (g == Read)
            return {"Y", "1", "Holding Register", "0", "1", "1000", "0", "0", "", "N", "N", "", "m"};
        return {"Y", "1", "Holding Register", "0", "1", "1000", "N", "N", "0", "0", "", "N", "N", "m"};
    }
};

class SetAccessRules : public SetAccessTable, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(SetAccessRules, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string R = "Error row 4!! [Modbus Read] ";
const std::string W = "Error row 4!! [Modbus Write] ";

INSTANTIATE_TEST_SUITE_P(
    ReadTable, SetAccessRules,
    ::testing::Values(
        RuleCase{"a valid read row", Read, {}, ""},
        RuleCase{"slave ID 0", Read, {{2, "0"}}, R + "Slave ID must be between 1 and 247"},
        RuleCase{"slave ID 248", Read, {{2, "248"}}, R + "Slave ID must be between 1 and 247"},
        RuleCase{"slave ID 247 in hexadecimal", Read, {{2, "$F7"}}, ""},
        RuleCase{"slave ID followed by a blank", Read, {{2, "1 "}}, R + "Slave ID must be between 1 and 247"},
        RuleCase{"the first broken rule is the one reported",
                 Read,
                 {{2, "0"}, {3, ""}, {4, "-1"}},
                 R + "Slave ID must be between 1 and 247"},
        RuleCase{"no type",
                 Read,
                 {{3, ""}},
                 R + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
        RuleCase{"a type of blanks is a register type",
                 Read,
                 {{3, " "}, {5, "126"}},
                 R + "NPoint must be between 1 and 125"},
        RuleCase{"an unknown type is a register type",
                 Read,
                 {{3, "Coils"}, {5, "126"}},
                 R + "NPoint must be between 1 and 125"},
        RuleCase{"address 65536", Read, {{4, "65536"}}, R + "Address must be between 0 and 65535"},
        RuleCase{"125 holding registers", Read, {{5, "125"}}, ""},
        RuleCase{"126 holding registers", Read, {{5, "126"}}, R + "NPoint must be between 1 and 125"},
        RuleCase{"no points", Read, {{5, "0"}}, R + "NPoint must be between 1 and 125"},
        RuleCase{"2000 coils", Read, {{3, "Coil Status"}, {5, "2000"}, {9, "0"}}, ""},
        RuleCase{
            "2001 inputs", Read, {{3, "Input Status"}, {5, "2001"}, {9, "0"}}, R + "NPoint must be between 1 and 2000"},
        RuleCase{"a status type in other letters and blanks", Read, {{3, " input STATUS "}, {5, "2000"}, {9, "0"}}, ""},
        RuleCase{"poll time 0", Read, {{6, "0"}}, R + "Poll Time must be between 1 and 100000000"},
        RuleCase{"max error 0", Read, {{7, "0"}}, ""},
        RuleCase{
            "max error above 100000000", Read, {{7, "100000001"}}, R + "Max Error must be between 0 and 100000000"},
        RuleCase{"position 1500", Read, {{8, "1500"}}, R + "Position must be between 0 and 1499"},
        RuleCase{"a status without start bit", Read, {{3, "Coil Status"}, {9, ""}}, R + "Bit must be between 0 and 7"},
        RuleCase{"a register without start bit", Read, {{9, ""}}, ""},
        RuleCase{"a start bit of one blank is not empty", Read, {{3, "Coil Status"}, {9, " "}}, ""},
        RuleCase{"a register in the last two bytes", Read, {{8, "1498"}}, ""},
        RuleCase{"a register from the last byte",
                 Read,
                 {{8, "1499"}},
                 R + "Too many bytes to save starting from the Position indicate"},
        RuleCase{"eight statuses in the last byte", Read, {{3, "Coil Status"}, {5, "8"}, {8, "1499"}, {9, "0"}}, ""},
        RuleCase{"nine statuses from the last byte",
                 Read,
                 {{3, "Coil Status"}, {5, "9"}, {8, "1499"}, {9, "0"}},
                 R + "Too many bytes to save starting from the Position indicate"},
        RuleCase{"two statuses from bit 7 of the last byte",
                 Read,
                 {{3, "Input Status"}, {5, "2"}, {8, "1499"}, {9, "7"}},
                 R + "Too many bytes to save starting from the Position indicate"},
        RuleCase{"a start bit that is no number counts from bit 0",
                 Read,
                 {{3, "Coil Status"}, {5, "8"}, {8, "1499"}, {9, "x"}},
                 ""},
        RuleCase{"a disabled row is not tested", Read, {{1, "N"}, {2, "0"}}, ""},
        RuleCase{"a lower-case y does not enable", Read, {{1, "y"}, {2, "0"}}, ""},
        RuleCase{
            "an enable between blanks does", Read, {{1, " Y "}, {2, "0"}}, R + "Slave ID must be between 1 and 247"}),
    testsupport::kNameByWhat);

INSTANTIATE_TEST_SUITE_P(
    WriteTable, SetAccessRules,
    ::testing::Values(
        RuleCase{"a valid write row", Write, {}, ""},
        RuleCase{"slave ID 0", Write, {{2, "0"}}, W + "Slave ID must be between 1 and 247"},
        RuleCase{"no type", Write, {{3, ""}}, W + "Type must be Coil Status or Holding Register"},
        RuleCase{"address -1", Write, {{4, "-1"}}, W + "Address must be between 0 and 65535"},
        RuleCase{"123 holding registers", Write, {{5, "123"}}, ""},
        RuleCase{"124 holding registers", Write, {{5, "124"}}, W + "NPoint must be between 1 and 123"},
        RuleCase{"1968 coils", Write, {{3, "Coil Status"}, {5, "1968"}, {11, "0"}}, ""},
        RuleCase{
            "1969 coils", Write, {{3, "Coil Status"}, {5, "1969"}, {11, "0"}}, W + "NPoint must be between 1 and 1968"},
        RuleCase{"input status is a register type here",
                 Write,
                 {{3, "Input Status"}, {5, "124"}},
                 W + "NPoint must be between 1 and 123"},
        RuleCase{"poll time 0", Write, {{6, "0"}}, ""},
        RuleCase{"no poll time", Write, {{6, ""}}, W + "Poll Time must be between 0 and 100000000"},
        RuleCase{"max error -1", Write, {{9, "-1"}}, W + "Max Error must be between 0 and 100000000"},
        RuleCase{"position 1500", Write, {{10, "1500"}}, W + "Position must be between 0 and 1499"},
        RuleCase{"a coil without start bit", Write, {{3, "Coil Status"}, {11, ""}}, W + "Bit must be between 0 and 7"},
        RuleCase{"a register from the last byte",
                 Write,
                 {{10, "1499"}},
                 W + "Too many bytes to read starting from the Position indicate"},
        RuleCase{"a disabled write row is not tested", Write, {{1, "N"}, {2, "0"}}, ""}),
    testsupport::kNameByWhat);

TEST_F(SetAccessTable, MissingFileGivesNumberedEnabledRowsAndEmptySections)
{
    for (int g : {Read, Write}) {
        EXPECT_EQ(Cell(g, 0, 512), "512");
        EXPECT_EQ(Cell(g, 1, 512), "Y");
        EXPECT_EQ(Cell(g, 2, 512), "");
    }
    EXPECT_EQ(state.Var("NByte_IN"), 1500);
    EXPECT_EQ(state.Var("NByte_OUT"), 1500);
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<EtherNetIP_to_Modbus><Modbus_Read/><Modbus_Write/></EtherNetIP_to_Modbus>"
                      "<!--SW_VERSION = 1.000-->");
}

TEST_F(SetAccessTable, FileLoadsAndSavesAsItStands)
{
    const std::string file =
        "<EtherNetIP_to_Modbus><Modbus_Read>"
        "<row Enable=\"Y\" Slave_ID=\" 7\" Type=\"Coil Status\" Address=\"$10\" NPoint=\"16\" PollTime=\"500\" "
        "MaxError=\"3\" Position=\"12\" Bit=\"5\" Swap=\"N\" SwapWord=\"Y\" Index_Topic=\"\" Mnemonic=\"a&amp;b\"/>"
        "<row Enable=\"N\" Slave_ID=\"bad\" Type=\"\" Address=\"\" NPoint=\"\" PollTime=\"\" MaxError=\"\" "
        "Position=\"\" Bit=\"\" Swap=\"N\" SwapWord=\"N\" Index_Topic=\"\" Mnemonic=\"\"/>"
        "</Modbus_Read><Modbus_Write>"
        "<row Enable=\"Y\" Slave_ID=\"247\" Type=\"Holding Register\" Address=\"0\" NPoint=\"123\" PollTime=\"0\" "
        "OnChange=\"Y\" OnCMD=\"N\" MaxError=\"0\" Position=\"0\" Bit=\"\" Swap=\"Y\" SwapWord=\"N\" Mnemonic=\"w\"/>"
        "</Modbus_Write></EtherNetIP_to_Modbus><!--SW_VERSION = 1.000-->";
    Write_File(file);
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Cell(Read, 2, 1), " 7");
    EXPECT_EQ(Cell(Read, 13, 1), "a&b");
    EXPECT_EQ(Cell(Write, 7, 1), "Y");
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), file);
}

TEST_F(SetAccessTable, MissingAttributesTakeTheirFallbackOrStopTheLoading)
{
    const std::map<std::string, std::string> read = {
        {"Enable", "Y"},       {"Slave_ID", "stops"}, {"Type", "stops"},     {"Address", "stops"}, {"NPoint", "stops"},
        {"PollTime", "stops"}, {"MaxError", "stops"}, {"Position", "stops"}, {"Bit", "stops"},     {"Swap", "N"},
        {"SwapWord", "N"},     {"Index_Topic", ""},   {"Mnemonic", "stops"},
    };
    EXPECT_EQ(Missing_Attribute_Results(Read), read);
    const std::map<std::string, std::string> write = {
        {"Enable", "Y"},       {"Slave_ID", "stops"}, {"Type", "stops"}, {"Address", "stops"},  {"NPoint", "stops"},
        {"PollTime", "stops"}, {"OnChange", "stops"}, {"OnCMD", "N"},    {"MaxError", "stops"}, {"Position", "stops"},
        {"Bit", "stops"},      {"Swap", "N"},         {"SwapWord", "N"}, {"Mnemonic", "stops"},
    };
    EXPECT_EQ(Missing_Attribute_Results(Write), write);
}

// The Topic column: hidden at every show, so no topic is asked for and Index_Topic is written empty;
// shown, a topic is required and its index in the list is written, the one last chosen for the row
// first. A file's index picks the row's topic and is remembered for the row.
class SetAccessTopics : public SetAccessTable {
protected:
    ~SetAccessTopics() override { ms7::Set_Access_Topics().clear(); }
    const int topic = ms7::Topic_Column(ms7::TModbusLink::Serial);
};

TEST_F(SetAccessTopics, HiddenColumnAsksNothingAndWritesNoIndex)
{
    EXPECT_EQ(desc.Grids[0].Columns[static_cast<std::size_t>(topic)].Caption, "Topic");
    EXPECT_TRUE(desc.Grids[0].Columns[static_cast<std::size_t>(topic)].Hidden);
    Put(Read, 1, Valid_Row(Read));
    grids[0]->SetCell(topic, 1, "typed");
    EXPECT_EQ(Check(), "");
    EXPECT_NE(Text().find(" Index_Topic=\"\" "), std::string::npos) << Text();
}

TEST_F(SetAccessTopics, ShownColumnAsksForATopicAndWritesTheRemberedIndex)
{
    ms7::Set_Access_Topics() = {"t0", "same", "same"};
    state.Vars[std::string(ms7::Topic_Shown)] = 1;
    Put(Read, 1, Valid_Row(Read));
    EXPECT_EQ(Check(), "Error row 1!! [Modbus Read] Select a Topic");
    grids[0]->SetCell(topic, 1, "same");
    EXPECT_EQ(Check(), "");
    EXPECT_NE(Text().find(" Index_Topic=\"1\" "), std::string::npos) << "the first equal entry";
    ms7::Set_ComboItem_Topic(state, 1, 2);
    EXPECT_NE(Text().find(" Index_Topic=\"2\" "), std::string::npos) << "the entry chosen for the row";
    grids[0]->SetCell(topic, 1, "gone");
    EXPECT_NE(Text().find(" Index_Topic=\"-1\" "), std::string::npos);
}

TEST_F(SetAccessTopics, FileIndexPicksTheTopicAndIsRememberedForTheRow)
{
    Put(Read, 1, Valid_Row(Read));
    Put(Read, 2, Valid_Row(Read));
    Put(Read, 3, Valid_Row(Read));
    std::string text = Text();
    for (const char* index : {"\"1\"", "\"x\""})
        text.replace(text.find("Index_Topic=\"\""), 14, std::string("Index_Topic=") + index);
    text.erase(text.find(" Index_Topic=\"\""), 15);
    Write_File(text);
    ms7::Set_Access_Topics() = {"t0", "t1"};
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Cell(Read, topic, 1), "t1");
    EXPECT_EQ(ms7::ComboItem_Topic(state, 1), 1);
    EXPECT_EQ(Cell(Read, topic, 2), "") << "an index that is no number";
    EXPECT_EQ(ms7::ComboItem_Topic(state, 2), -1);
    EXPECT_EQ(Cell(Read, topic, 3), "") << "no index";
    EXPECT_EQ(ms7::ComboItem_Topic(state, 3), -1);
    ms7::Set_Access_Topics().clear();
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Cell(Read, topic, 1), "") << "this build's empty list";
    EXPECT_EQ(ms7::ComboItem_Topic(state, 1), 1);
}

TEST(ModbusTopics, IndexOfATopic)
{
    const ms7::TTopicList list = {"a", "b", "a"};
    EXPECT_EQ(ms7::Get_Index_From_Topic(list, "a"), 0);
    EXPECT_EQ(ms7::Get_Index_From_Topic(list, "a", 2), 2);
    EXPECT_EQ(ms7::Get_Index_From_Topic(list, "a", 1), 0) << "a remembered entry that is another topic";
    EXPECT_EQ(ms7::Get_Index_From_Topic(list, "a", 3), 0);
    EXPECT_EQ(ms7::Get_Index_From_Topic(list, "c", 0), -1);
    EXPECT_EQ(ms7::Get_Topic_From_Index(list, 1), "b");
    EXPECT_EQ(ms7::Get_Topic_From_Index(list, 3), "");
    EXPECT_EQ(ms7::Get_Topic_From_Index(list, -1), "");
}

}  // namespace
