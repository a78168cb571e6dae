// The Modbus TCP master's tables without their window: the address and port rules ahead of the
// serial master's, every rule's own message, the blank address that ends a table, the file's
// attributes and fallbacks, and Index_Topic written as a number.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DialogTables.h"
#include "common/UComon.h"
#include "core/tables/modbus_s7_bacnet/ModbusGrids.h"
#include "core/tables/modbus_s7_bacnet/ModbusTCPMasterTable.h"

namespace {

using namespace ms7test;
namespace ms7 = tables::modbus_s7_bacnet;

constexpr int Read = 0, Write = 1;

class ModbusTCPMasterTable : public DialogTables {
protected:
    ModbusTCPMasterTable()
        : DialogTables(ms7::Modbus_TCP_Master_Desc(), File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml")
    {}
    // Read: Enable, Slave IP Address, Port, Slave ID, Type, Address, NPoint, Poll Time, Max Error,
    // Position, Start Bit, Swap, Swap Word, Topic, Mnemonic. Write: Enable, Slave IP Address, Port,
    // Slave ID, Type, Address, NPoint, Poll Time, On Change, On CMD, Max Error, Position, Start Bit,
    // Swap, Swap Word, Mnemonic.
    std::vector<std::string> Valid_Row(int g) const override
    {
        if (g == Read)
            return {"Y", "10.0.0.1", "502", "1", "Holding Register", "0", "125", "1000", "0", "0", "",
                    "N", "N",        "",    "m"};
        return {"Y", "10.0.0.1", "502", "1", "Holding Register", "0", "1", "1000", "N", "N", "0", "0",
                "",  "N",        "N",   "m"};
    }
};

class ModbusTCPMasterRules : public ModbusTCPMasterTable, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(ModbusTCPMasterRules, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string R = "Error row 4!! [Modbus Read] ";
const std::string W = "Error row 4!! [Modbus Write] ";
const std::string Bad_Read_Address = R + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)";

INSTANTIATE_TEST_SUITE_P(
    ReadTable, ModbusTCPMasterRules,
    ::testing::Values(
        RuleCase{"ten dot zero dot zero dot one with 125 registers", Read, {}, ""},
        RuleCase{"three parts", Read, {{2, "192.168.1"}}, Bad_Read_Address},
        RuleCase{"five parts", Read, {{2, "192.168.1.125.7"}}, Bad_Read_Address},
        RuleCase{"a part of 256", Read, {{2, "192.168.1.256"}}, Bad_Read_Address},
        RuleCase{"a blank after the last digit", Read, {{2, "10.0.0.1 "}}, Bad_Read_Address},
        RuleCase{"blanks before the digits of a part", Read, {{2, " 10. 0. 0. 1"}}, ""},
        RuleCase{"an empty part", Read, {{2, "10..0.1"}}, Bad_Read_Address},
        RuleCase{"an address before any other rule", Read, {{2, "x"}, {3, "65536"}, {4, "0"}}, Bad_Read_Address},
        RuleCase{"port 65536", Read, {{3, "65536"}}, R + "Port must be between 0 and 65535"},
        RuleCase{"port 0", Read, {{3, "0"}}, ""},
        RuleCase{"no port", Read, {{3, ""}}, R + "Port must be between 0 and 65535"},
        RuleCase{"slave ID 0", Read, {{4, "0"}}, R + "Slave ID must be between 1 and 247"},
        RuleCase{"no type",
                 Read,
                 {{5, ""}},
                 R + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
        RuleCase{"address 65536", Read, {{6, "65536"}}, R + "Address must be between 0 and 65535"},
        RuleCase{"126 holding registers", Read, {{7, "126"}}, R + "NPoint must be between 1 and 125"},
        RuleCase{"2000 input statuses", Read, {{5, "Input Status"}, {7, "2000"}, {11, "0"}}, ""},
        RuleCase{"poll time 0", Read, {{8, "0"}}, R + "Poll Time must be between 1 and 100000000"},
        RuleCase{"max error -1", Read, {{9, "-1"}}, R + "Max Error must be between 0 and 100000000"},
        RuleCase{"position 1500", Read, {{10, "1500"}}, R + "Position must be between 0 and 1499"},
        RuleCase{"a coil without start bit",
                 Read,
                 {{5, "Coil Status"}, {7, "1"}, {11, ""}},
                 R + "Bit must be between 0 and 7"},
        RuleCase{"125 registers from byte 1251",
                 Read,
                 {{10, "1251"}},
                 R + "Too many bytes to save starting from the Position indicate"},
        RuleCase{"a disabled row with a wrong address", Read, {{1, "N"}, {2, "x"}}, ""}),
    testsupport::kNameByWhat);

INSTANTIATE_TEST_SUITE_P(
    WriteTable, ModbusTCPMasterRules,
    ::testing::Values(
        RuleCase{"a valid write row", Write, {}, ""},
        RuleCase{"a part of 300",
                 Write,
                 {{2, "10.0.300.1"}},
                 W + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        RuleCase{"port 65536", Write, {{3, "65536"}}, W + "Port must be between 0 and 65535"},
        RuleCase{"slave ID 248", Write, {{4, "248"}}, W + "Slave ID must be between 1 and 247"},
        RuleCase{"no type", Write, {{5, ""}}, W + "Type must be Coil Status or Holding Register"},
        RuleCase{"address 65536", Write, {{6, "65536"}}, W + "Address must be between 0 and 65535"},
        RuleCase{"124 holding registers", Write, {{7, "124"}}, W + "NPoint must be between 1 and 123"},
        RuleCase{"1968 coils", Write, {{5, "Coil Status"}, {7, "1968"}, {13, "0"}}, ""},
        RuleCase{"poll time 0", Write, {{8, "0"}}, ""},
        RuleCase{
            "poll time above 100000000", Write, {{8, "100000001"}}, W + "Poll Time must be between 0 and 100000000"},
        RuleCase{
            "max error above 100000000", Write, {{11, "100000001"}}, W + "Max Error must be between 0 and 100000000"},
        RuleCase{"position 1500", Write, {{12, "1500"}}, W + "Position must be between 0 and 1499"},
        RuleCase{"a coil without start bit", Write, {{5, "Coil Status"}, {13, ""}}, W + "Bit must be between 0 and 7"},
        RuleCase{"a register from the last byte",
                 Write,
                 {{12, "1499"}},
                 W + "Too many bytes to read starting from the Position indicate"}),
    testsupport::kNameByWhat);

TEST_F(ModbusTCPMasterTable, MissingFileGivesNumberedEnabledRowsAndEmptySections)
{
    for (int g : {Read, Write}) {
        EXPECT_EQ(Cell(g, 0, 512), "512");
        EXPECT_EQ(Cell(g, 1, 512), "Y");
    }
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read/><Modbus_Write/>"
                      "</PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.000-->");
}

TEST_F(ModbusTCPMasterTable, BlankAddressEndsTheTable)
{
    Put(Read, 1, Valid_Row(Read));
    Put(Read, 2, {"Y", "  "});
    Put(Write, 1, Valid_Row(Write));
    EXPECT_EQ(Check(), "");
    const std::string text = Text();
    EXPECT_NE(text.find("Mnemonic=\"m\"/></Modbus_Read>"), std::string::npos) << "one read row written: " << text;
    Put(Read, 3, {"Y", "10.0.0.2"});
    EXPECT_EQ(Check().rfind("Row 2 has no Slave IP Address.", 0), 0u)
        << "a row typed after the end would be lost: " << Check();
}

TEST_F(ModbusTCPMasterTable, FileLoadsAndSavesAsItStandsWithTheTopicIndexAsANumber)
{
    const std::string file =
        "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>"
        "<row Enable=\"Y\" IP_Address=\"127.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Input Register\" "
        "Address=\"0\" NPoint=\"2\" PollTime=\"100\" MaxError=\"0\" Position=\"4\" Bit=\"\" Swap=\"Y\" "
        "SwapWord=\"N\" Index_Topic=\"-1\" Mnemonic=\"r\"/>"
        "</Modbus_Read><Modbus_Write>"
        "<row Enable=\"N\" IP_Address=\"127.0.0.2\" Port=\"1502\" Slave_ID=\"2\" Type=\"Coil Status\" "
        "Address=\"9\" NPoint=\"3\" PollTime=\"0\" OnChange=\"N\" OnCMD=\"Y\" MaxError=\"1\" Position=\"7\" "
        "Bit=\"6\" Swap=\"N\" SwapWord=\"N\" Mnemonic=\"w\"/>"
        "</Modbus_Write></PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.000-->";
    Write_File(file);
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Cell(Read, 2, 1), "127.0.0.1");
    EXPECT_EQ(Cell(Read, ms7::Topic_Column(ms7::TModbusLink::TCP), 1), "");
    EXPECT_EQ(Cell(Write, 10, 1), "Y");
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), file);
}

TEST_F(ModbusTCPMasterTable, TopicIndexIsWrittenWhetherTheColumnIsShownOrNot)
{
    const int topic = ms7::Topic_Column(ms7::TModbusLink::TCP);
    EXPECT_TRUE(desc.Grids[0].Columns[static_cast<std::size_t>(topic)].Hidden);
    EXPECT_EQ(desc.Grids[0].Columns[static_cast<std::size_t>(topic)].Caption, "Topic");
    Put(Read, 1, Valid_Row(Read));
    grids[0]->SetCell(topic, 1, "unknown");
    EXPECT_NE(Text().find(" Index_Topic=\"-1\" "), std::string::npos) << Text();
    ms7::Modbus_TCP_Master_Topics() = {"a", "unknown"};
    EXPECT_NE(Text().find(" Index_Topic=\"1\" "), std::string::npos) << Text();
    ms7::Modbus_TCP_Master_Topics().clear();
}

TEST_F(ModbusTCPMasterTable, MissingAttributesTakeTheirFallbackOrStopTheLoading)
{
    const std::map<std::string, std::string> read = {
        {"Enable", "Y"},       {"IP_Address", "stops"}, {"Port", "stops"},     {"Slave_ID", "stops"},
        {"Type", "stops"},     {"Address", "stops"},    {"NPoint", "stops"},   {"PollTime", "stops"},
        {"MaxError", "stops"}, {"Position", "stops"},   {"Bit", "stops"},      {"Swap", "N"},
        {"SwapWord", "N"},     {"Index_Topic", ""},     {"Mnemonic", "stops"},
    };
    EXPECT_EQ(Missing_Attribute_Results(Read), read);
    const std::map<std::string, std::string> write = {
        {"Enable", "Y"},       {"IP_Address", "stops"}, {"Port", "stops"},     {"Slave_ID", "stops"},
        {"Type", "stops"},     {"Address", "stops"},    {"NPoint", "stops"},   {"PollTime", "stops"},
        {"OnChange", "stops"}, {"OnCMD", "N"},          {"MaxError", "stops"}, {"Position", "stops"},
        {"Bit", "stops"},      {"Swap", "N"},           {"SwapWord", "N"},     {"Mnemonic", "stops"},
    };
    EXPECT_EQ(Missing_Attribute_Results(Write), write);
}

}  // namespace
