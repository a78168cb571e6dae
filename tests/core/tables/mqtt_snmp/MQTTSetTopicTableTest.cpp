// The MQTT topics without their window: the data check of both tables, the template rule, the
// hidden columns that are stored and the ones that are not, and the file's exact form.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "../modbus_s7_bacnet/DialogTables.h"
#include "CaseName.h"
#include "common/UComon.h"
#include "core/tables/mqtt_snmp/MQTTSetTopicTable.h"

namespace {

using namespace tables;
using namespace tables::mqtt_snmp;
using ms7test::RuleCase;

constexpr int Pub = 0, Sub = 1;

class MQTTTables : public ms7test::DialogTables {
protected:
    MQTTTables() : DialogTables(MQTT_Set_Topic_Desc(), File_MQTT_Set_Topic, "MQTT_Set_Topic.xml") {}
    std::vector<std::string> Valid_Row(int g) const override
    {
        if (g == Pub)
            // Topic, Retained, QoS, Data Type, Dimension, Position, IP, Input Template, Template,
            // OnChange, OnCMD, OnTimer, Time, Channel, Swap, Swap Word, Mnemonic
            return {"plant/temp", "N", "0", "Int", "2", "10", "", "", "$VALUE$", "Y", "", "N", "", "", "", "", "m"};
        // Topic, Retained, QoS, Data Type, Dimension, Position, IP, Port, Type, Input Template,
        // Template, Swap, Swap Word, Mnemonic
        return {"plant/set", "", "1", "Float", "4", "20", "", "", "", "", "", "", "", "m"};
    }
    // For each stored attribute of table g, a file whose one row lacks it, loaded: the cell's
    // fallback, or "stops" when the loading stopped there naming it.
    std::map<std::string, std::string> Missing_Results(int g)
    {
        std::map<std::string, std::string> results;
        for (const TAttributeDesc& a : desc.Grids[static_cast<std::size_t>(g)].Attributes) {
            if (!a.Written)
                continue;
            Show();
            Put(g, 1, Valid_Row(g));
            std::string text = Text();
            const std::string name = " " + std::string(a.Name) + "=\"";
            const std::size_t at = text.find(name);
            text.erase(at, text.find('"', at + name.size()) + 1 - at);
            Write_File(text);
            const std::string note = Show();
            results[std::string(a.Name)] =
                note.find(std::string(a.Name)) != std::string::npos ? "stops" : Cell(g, a.Column, 1);
        }
        return results;
    }
};

class MQTTCheck : public MQTTTables, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(MQTTCheck, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string Pub_Prefix = "Error row 4!! [MQTT Publish] ";
const std::string Sub_Prefix = "Error row 4!! [MQTT Subscribe] ";

INSTANTIATE_TEST_SUITE_P(
    Rules, MQTTCheck,
    ::testing::Values(
        RuleCase{"a valid publish row", Pub, {}, ""},
        RuleCase{"no data type", Pub, {{4, " "}}, Pub_Prefix + "Data Type must be selected"},
        RuleCase{"an int of eight bytes", Pub, {{4, "int"}, {5, "8"}}, ""},
        RuleCase{"an int of three bytes", Pub, {{5, "3"}}, Pub_Prefix + "Dimension must be equal to 1 or 2 or 4 or 8"},
        RuleCase{
            "a float of two bytes", Pub, {{4, "Float"}, {5, "2"}}, Pub_Prefix + "Dimension must be equal to 4 or 8"},
        RuleCase{"a string of no byte", Pub, {{4, "String"}, {5, "0"}}, Pub_Prefix + "Dimension must be major of 0"},
        RuleCase{"a base64 value of one byte", Pub, {{4, " Base64 "}, {5, "1"}}, ""},
        RuleCase{"the last position", Pub, {{6, "1499"}}, ""},
        RuleCase{
            "a position beyond the array", Pub, {{6, "1500"}}, Pub_Prefix + "Position must be beetween 0 and 1499"},
        RuleCase{
            "a position that is not a number", Pub, {{6, "ten"}}, Pub_Prefix + "Position must be beetween 0 and 1499"},
        RuleCase{"an empty template", Pub, {{9, ""}}, ""},
        RuleCase{"a template with one dollar",
                 Pub,
                 {{9, "$VALUE"}},
                 Pub_Prefix + "Template not Correct, Check the Keywords"},
        RuleCase{"a template with three dollars",
                 Pub,
                 {{9, "$A$ $"}},
                 Pub_Prefix + "Template not Correct, Check the Keywords"},
        RuleCase{"the hidden IP address and input template are not tested", Pub, {{7, "x"}, {8, "$"}}, ""},
        RuleCase{"no timer with an empty time", Pub, {{12, "N"}, {13, ""}}, ""},
        RuleCase{"a timer of no time",
                 Pub,
                 {{12, "y"}, {13, "0"}},
                 Pub_Prefix + "Time(ms) must be between 1 and 1000000000"},
        RuleCase{"the longest timer", Pub, {{12, "Y"}, {13, "1000000000"}}, ""},
        RuleCase{"a valid subscribe row", Sub, {}, ""},
        RuleCase{"a subscribed float of eight bytes", Sub, {{5, "8"}}, ""},
        RuleCase{"a subscribed int of five bytes",
                 Sub,
                 {{4, "Int"}, {5, "5"}},
                 Sub_Prefix + "Dimension must be equal to 1 or 2 or 4 or 8"},
        RuleCase{"no subscribed type", Sub, {{4, ""}}, Sub_Prefix + "Data Type must be selected"},
        RuleCase{"a subscribed position beyond the array",
                 Sub,
                 {{6, "1500"}},
                 Sub_Prefix + "Position must be beetween 0 and 1499"},
        RuleCase{"the hidden port is not tested", Sub, {{8, "70000"}}, ""},
        RuleCase{"a subscribed template with one dollar",
                 Sub,
                 {{11, "a$b"}},
                 Sub_Prefix + "Template not Correct, Check the Keywords"}),
    testsupport::kNameByWhat);

TEST(TopicTemplate, DollarsMustPairUp)
{
    EXPECT_FALSE(Error_In_Topic_Template(""));
    EXPECT_FALSE(Error_In_Topic_Template("$VALUE$"));
    EXPECT_FALSE(Error_In_Topic_Template("$A$-$B$"));
    EXPECT_TRUE(Error_In_Topic_Template("$"));
    EXPECT_TRUE(Error_In_Topic_Template("$A$ $"));
}

// Both sections in their order, each attribute as typed; the columns never stored are left out.
TEST_F(MQTTTables, FileHoldsTheStoredColumnsOfBothTables)
{
    Put(Pub, 1, Valid_Row(Pub));
    Put_Changed(Pub, 2, {{7, "10.0.0.1"}, {11, "Y"}, {14, "All"}, {15, "Y"}, {16, "Y"}, {17, " m "}});
    Put(Sub, 1, Valid_Row(Sub));
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(),
              "<MQTT_Set_Topic><MQTT_Publish>"
              "<row Topic=\"plant/temp\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" Position=\"10\" "
              "IPAddress=\"\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"N\" Time=\"\" "
              "Mnemonic=\"m\"/>"
              "<row Topic=\"plant/temp\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" Position=\"10\" "
              "IPAddress=\"10.0.0.1\" InputTemplate=\"\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"N\" Time=\"\" "
              "Mnemonic=\" m \"/>"
              "</MQTT_Publish><MQTT_Subscribe>"
              "<row Topic=\"plant/set\" Retained=\"\" QoS=\"1\" DataType=\"Float\" Dimension=\"4\" Position=\"20\" "
              "IPAddress=\"\" Port=\"\" EthType=\"\" InputTemplate=\"\" Template=\"\" Mnemonic=\"m\"/>"
              "</MQTT_Subscribe></MQTT_Set_Topic><!--SW_VERSION = 1.000-->");
}

// Hidden columns with an attribute come back as saved; OnCMD, Channel, Swap and Swap Word start
// afresh: Swap and Swap Word "N" on every loaded row, Channel and OnCMD empty.
TEST_F(MQTTTables, HiddenColumnsKeptAndUnstoredOnesReset)
{
    Put_Changed(Pub, 1, {{7, "10.0.0.1"}, {8, "$IN$"}, {11, "Y"}, {14, "7"}, {15, "Y"}, {16, "Y"}});
    Put_Changed(Sub, 1, {{7, "10.0.0.2"}, {8, "502"}, {9, "UDP"}, {10, "$X$"}, {12, "Y"}, {13, "Y"}});
    Write_File(Text());
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Cell(Pub, 7, 1), "10.0.0.1");
    EXPECT_EQ(Cell(Pub, 8, 1), "$IN$");
    EXPECT_EQ(Cell(Pub, 11, 1), "");
    EXPECT_EQ(Cell(Pub, 14, 1), "");
    EXPECT_EQ(Cell(Pub, 15, 1), "N");
    EXPECT_EQ(Cell(Pub, 16, 1), "N");
    EXPECT_EQ(Cell(Sub, 7, 1), "10.0.0.2");
    EXPECT_EQ(Cell(Sub, 8, 1), "502");
    EXPECT_EQ(Cell(Sub, 9, 1), "UDP");
    EXPECT_EQ(Cell(Sub, 10, 1), "$X$");
    EXPECT_EQ(Cell(Sub, 12, 1), "N");
    EXPECT_EQ(Cell(Sub, 13, 1), "N");
    EXPECT_EQ(Cell(Pub, 15, 2), "") << "rows not loaded stay as the show cleared them";
    const std::string text = Text();
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Text(), text) << "byte-stable round trip";
}

TEST_F(MQTTTables, MissingAttributesTakeTheirFallbackOrStopTheLoading)
{
    const std::map<std::string, std::string> pub = {
        {"Topic", "stops"}, {"Retained", "stops"}, {"QoS", "stops"},      {"DataType", ""}, {"Dimension", ""},
        {"Position", ""},   {"IPAddress", ""},     {"InputTemplate", ""}, {"Template", ""}, {"OnChange", "N"},
        {"OnTimer", "N"},   {"Time", ""},          {"Mnemonic", "stops"}};
    EXPECT_EQ(Missing_Results(Pub), pub);
    const std::map<std::string, std::string> sub = {
        {"Topic", "stops"}, {"Retained", "stops"}, {"QoS", "stops"},  {"DataType", ""},
        {"Dimension", ""},  {"Position", ""},      {"IPAddress", ""}, {"Port", ""},
        {"EthType", ""},    {"InputTemplate", ""}, {"Template", ""},  {"Mnemonic", "stops"}};
    EXPECT_EQ(Missing_Results(Sub), sub);
}

TEST_F(MQTTTables, ShowPreparesBothArraysAndClearsEveryRow)
{
    EXPECT_EQ(state.Var("Byte_IN"), 1500);
    EXPECT_EQ(state.Var("Byte_OUT"), 1500);
    EXPECT_EQ(Cell(Pub, 0, 1024), "1024");
    EXPECT_EQ(Cell(Sub, 2, 1), "") << "no enable column: every cell starts empty";
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<MQTT_Set_Topic><MQTT_Publish/><MQTT_Subscribe/></MQTT_Set_Topic><!--SW_VERSION = 1.000-->");
}

}  // namespace
