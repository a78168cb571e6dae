// The BACnet server objects without their window: every rule of both tables in order with its
// exact message, the objects both tables may hold together by the name length of the settings,
// the default Length of a write Data Type, and the file with its one fallback.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DialogTables.h"
#include "common/UComon.h"
#include "core/tables/modbus_s7_bacnet/BACnetSlaveTable.h"

namespace {

using namespace ms7test;
namespace ms7 = tables::modbus_s7_bacnet;

constexpr int Read = 0, Write = 1;

class BACnetSlaveTable : public DialogTables {
protected:
    BACnetSlaveTable()
        : DialogTables(ms7::BACnet_Slave_Desc(), File_BACnet_Slave, "BACnet_Slave.xml"), savedParGen_(File_ParGen)
    {
        File_ParGen = dir.File("ParGen.xml");
        Show();
    }
    ~BACnetSlaveTable() override { File_ParGen = savedParGen_; }

    // The file holds the text; then a show. Returns the load's note.
    std::string Load(const std::string& text)
    {
        Write_File(text);
        return Show();
    }
    // Data Type, Eng. Unit, Position, Start Bit, Length, Swap, Mnemonic.
    std::vector<std::string> Valid_Row(int g) const override
    {
        return {g == Read ? "Analog Input" : "Analog Out", "62", "0", "", "4", "N", "boiler"};
    }
    // n rows of table g from row 1.
    void Fill(int g, int n)
    {
        for (int r = 1; r <= n; ++r)
            Put(g, r, Valid_Row(g));
    }

private:
    std::string savedParGen_;
};

class BACnetSlaveRules : public BACnetSlaveTable, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(BACnetSlaveRules, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string R = "Error row 4!! [BACnet in Read] ";
const std::string W = "Error row 4!! [BACnet in Write] ";

INSTANTIATE_TEST_SUITE_P(
    ReadTable, BACnetSlaveRules,
    ::testing::Values(RuleCase{"a valid read row", Read, {}, ""},
                      RuleCase{"unit 65536", Read, {{2, "65536"}}, R + "Eng. Unit must be between 0 and 65535"},
                      RuleCase{"no unit", Read, {{2, ""}}, R + "Eng. Unit must be between 0 and 65535"},
                      RuleCase{"position 1500", Read, {{3, "1500"}}, R + "Position must be between 0 and 1499"},
                      RuleCase{"position 1499 length 1", Read, {{3, "1499"}, {5, "1"}}, ""},
                      RuleCase{"position 1499 length 2",
                               Read,
                               {{3, "1499"}, {5, "2"}},
                               R + "Too many bytes to save starting from the Position indicate"},
                      RuleCase{"a binary input without its bit",
                               Read,
                               {{1, "Binary Input"}, {4, " "}},
                               R + "Bit must be between 0 and 7"},
                      RuleCase{"a binary value's length is not looked at",
                               Read,
                               {{1, "Binary Value"}, {3, "1499"}, {4, "x"}, {5, "99"}},
                               ""},
                      RuleCase{"integer value has no length rule", Read, {{1, "Integer Value"}, {5, "100"}}, ""},
                      RuleCase{"integer value past the area",
                               Read,
                               {{1, "Integer Value"}, {3, "1400"}, {5, "101"}},
                               R + "Too many bytes to save starting from the Position indicate"},
                      RuleCase{"a large analog value without length",
                               Read,
                               {{1, "Large Analog Value"}, {5, ""}},
                               R + "Length with variable \"Large Analog Value\" must be between 1 and 8"},
                      RuleCase{"a large analog value of 8", Read, {{1, "Large Analog Value"}, {5, "8"}}, ""},
                      RuleCase{"an analog input of 5",
                               Read,
                               {{5, "5"}},
                               R + "Length with variable \"Analog Input\" must be between 1 and 4"},
                      RuleCase{"a life safety zone of 3",
                               Read,
                               {{1, "Life Safety Zone"}, {5, "3"}},
                               R + "Length with variable \"Life Safety Zone\" must be 1 or 2"},
                      RuleCase{"an access door of 2",
                               Read,
                               {{1, "Access Door"}, {5, "2"}},
                               R + "Length with variable \"Access Door\" must be equal to 1"},
                      RuleCase{"an accumulator of 0",
                               Read,
                               {{1, "Accumulator"}, {5, "0"}},
                               R + "Length with variable \"Accumulator\" must be between 1 and 4"},
                      RuleCase{"type names count with their case", Read, {{1, "analog input"}, {5, "7"}}, ""}),
    testsupport::kNameByWhat);

INSTANTIATE_TEST_SUITE_P(
    WriteTable, BACnetSlaveRules,
    ::testing::Values(RuleCase{"a valid write row", Write, {}, ""},
                      RuleCase{"unit -1", Write, {{2, "-1"}}, W + "Eng. Unit must be between 0 and 65535"},
                      RuleCase{"position 1500", Write, {{3, "1500"}}, W + "Position must be between 0 and 1499"},
                      RuleCase{"position 1499 length 2",
                               Write,
                               {{3, "1499"}, {5, "2"}},
                               W + "Too many bytes to save starting from the Position indicate"},
                      RuleCase{"a binary out without its bit",
                               Write,
                               {{1, "Binary Out"}, {4, ""}},
                               W + "Bit must be between 0 and 7"},
                      RuleCase{"an integer value of 5",
                               Write,
                               {{1, "Integer Value"}, {5, "5"}},
                               W + "Length with variable \"Integer Value\" must be between 1 and 4"},
                      RuleCase{"a multi state output of 0",
                               Write,
                               {{1, "Multi State Output"}, {5, "0"}},
                               W + "Length with variable \"Multi State Output\" must be between 1 and 4"},
                      RuleCase{"an accumulator has no length rule here", Write, {{1, "Accumulator"}, {5, "9"}}, ""}),
    testsupport::kNameByWhat);

TEST_F(BACnetSlaveTable, ObjectsOfBothTablesTogetherByTheNameLength)
{
    struct Case {
        const char* pargen;  // nullptr: no file
        int read, write;
        std::string message;
    } cases[] = {
        {nullptr, 2000, 0, ""},
        {nullptr, 1200, 801, "Error!! Too many Requests. Max requests 2000"},
        {"<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>", 500, 500, ""},
        {"<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>", 600, 500,
         "Error!! Too many Requests. Max requests 1000"},
        {"<Par_Gen><BACnet_Desc_Chars_Limit>1 </BACnet_Desc_Chars_Limit></Par_Gen>", 1100, 0, ""},
        {"<Par_Gen><BACnet_Desc_Chars_Limit>1", 1100, 0, ""},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(File_ParGen);
        if (c.pargen)
            testsupport::WriteFile(File_ParGen, c.pargen);
        Show();
        Fill(Read, c.read);
        Fill(Write, c.write);
        EXPECT_EQ(Check(), c.message) << (c.pargen ? c.pargen : "no file") << " " << c.read << "+" << c.write;
    }
}

TEST_F(BACnetSlaveTable, WriteDataTypeBringsItsLength)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Binary Out", "1"},         {"Access Door", "1"},  {"Analog Out", "4"}, {"Multi State Value", "4"},
        {"Large Analog Value", "8"}, {"Octet String", "1"}, {"Accumulator", ""}, {"", ""},
    };
    for (const auto& [type, length] : cases)
        EXPECT_EQ(ms7::BACnet_Slave_Default_Length(type), length) << type;
}

TEST_F(BACnetSlaveTable, FileKeepsSwapAndOnlySwapHasAFallback)
{
    Put(Read, 1, {"Binary Input", "95", "10", "3", "", "Y", "pump on"});
    Put(Write, 1, {"Analog Value", "98", "0", "", "4", "N", "set point"});
    const std::string text = Text();
    EXPECT_EQ(text, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Binary Input\" Eng_Unit=\"95\" Position=\"10\" "
                    "Bit=\"3\" Length=\"\" Swap=\"Y\" Mnemonic=\"pump on\"/></BACnet_in_Read><BACnet_in_Write><row "
                    "Data_Type=\"Analog Value\" Eng_Unit=\"98\" Position=\"0\" Bit=\"\" Length=\"4\" Swap=\"N\" "
                    "Mnemonic=\"set point\"/></BACnet_in_Write></BACnet_to_Modbus><!--SW_VERSION = 1.000-->");
    EXPECT_EQ(Load(text), "");
    EXPECT_EQ(Text(), text);
    for (int g : {Read, Write}) {
        std::map<std::string, std::string> expected;
        for (const TAttributeDesc& a : desc.Grids[static_cast<std::size_t>(g)].Attributes)
            expected[std::string(a.Name)] = "stops";
        expected["Swap"] = "N";
        EXPECT_EQ(Missing_Attribute_Results(g), expected) << g;
    }
}

}  // namespace
