// The IEC 61850 server variables without their window: the data check's rules in order with their
// exact messages, the attributes' fallbacks and the file's exact form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "common/UComon.h"
#include "core/tables/can_family/DescTableFixture.h"
#include "core/tables/iec61850_it/IEC61850VariablesTable.h"

namespace {

using namespace tables;
using cantest::CheckCase;

class IEC61850VariablesTable : public cantest::DescTable {
protected:
    IEC61850VariablesTable()
        : DescTable(iec::IEC61850_Variables_Desc(), File_IEC61850_Variables, "IEC61850_Variables.xml", 50)
    {}
};

class IEC61850VariablesCheck : public IEC61850VariablesTable, public ::testing::WithParamInterface<CheckCase> {};

// Enable, Name, Type, Length, Read Only, Position, Start Bit, Conversion, Molt. Factor, Swap, Swap Word, Mnemonic
TEST_P(IEC61850VariablesCheck, FirstBrokenRuleOfRowTwo)
{
    Put(1, {"Y", "ok", "Int", "4", "N", "0", "", "None", "None", "N", "N", ""});
    Put(2, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error row 2";

INSTANTIATE_TEST_SUITE_P(
    Rules, IEC61850VariablesCheck,
    ::testing::Values(
        CheckCase{"four bytes", {"Y", "v", "Int", "4", "N", "1437", "", "None", "None"}, ""},
        CheckCase{"five bytes",
                  {"Y", "v", "Int", "5", "N", "0", "", "None", "None"},
                  Prefix + "!! Length must be between 1 and 4"},
        CheckCase{"no length",
                  {"Y", "v", "Int", "", "N", "0", "", "None", "None"},
                  Prefix + "!! Length must be between 1 and 4"},
        CheckCase{"a position past the array names its last byte",
                  {"Y", "v", "Int", "1", "N", "1438", "", "None", "None"},
                  Prefix + "!! Position must be between 0 and 1437"},
        CheckCase{"a bit without its start bit",
                  {"Y", "v", "Digital (Bit)", "1", "N", "0", " ", "None", "None"},
                  Prefix + "!! Start Bit must be Selected "},
        CheckCase{"a number needs no start bit", {"Y", "v", "Int", "1", "N", "0", "", "None", "None"}, ""},
        CheckCase{"an empty type needs no start bit", {"Y", "v", "", "1", "N", "0", "", "None", "None"}, ""},
        CheckCase{"no conversion",
                  {"Y", "v", "Float", "4", "N", "0", "", "", "None"},
                  Prefix + "!! Conversion must be Selected "},
        CheckCase{"none in small letters", {"Y", "v", "Int", "4", "N", "0", "", "None", " none "}, ""},
        CheckCase{"a point", {"Y", "v", "Int", "4", "N", "0", "", "None", "2.5"}, ""},
        CheckCase{"a comma", {"Y", "v", "Int", "4", "N", "0", "", "None", "2,5"}, ""},
        CheckCase{"a word as factor",
                  {"Y", "v", "Int", "4", "N", "0", "", "None", "twice"},
                  Prefix + "!! Molt. Factor must be a valid Float"},
        CheckCase{"no factor",
                  {"Y", "v", "Int", "4", "N", "0", "", "None", ""},
                  Prefix + "!! Molt. Factor must be a valid Float"},
        CheckCase{"a disabled row is not tested", {"N", "v", "Int", "9", "N", "-1", "", "", ""}, ""},
        CheckCase{"lower-case enable is not enabled", {"y", "v", "Int", "9"}, ""}),
    testsupport::kNameByWhat);

TEST_F(IEC61850VariablesTable, EmptyRowsAreEnabledAndTheArrayIsSetAtShow)
{
    EXPECT_EQ(cells.Cell(0, 50), "50");
    EXPECT_EQ(cells.Cell(1, 50), "Y");
    EXPECT_EQ(state.Var("NByte_IN"), 1438);
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<IEC61850_Variables/><!--SW_VERSION = 1.000-->");
}

TEST_F(IEC61850VariablesTable, ARowWithOnlyANameTakesEveryFallback)
{
    EXPECT_EQ(Load("<Any><row Name=\"v1\"/><row Enable=\"N\" Swap=\"Y\" Name=\"v2\"/></Any>"), "");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"Y", "v1", "", "", "N", "", "", "", "", "N", "N", ""}));
    EXPECT_EQ(cells.Cell(1, 2), "N");
    EXPECT_EQ(cells.Cell(10, 2), "Y");
}

TEST_F(IEC61850VariablesTable, FileHoldsEveryAttributeInOrderUpToTheFirstEmptyName)
{
    Put(1, {"N", " a ", "Digital (Bit)", "1", "Y", "7", "3", "Int to Float", "1,5", "Y", "N", "x<y"});
    EXPECT_EQ(Text(), "<IEC61850_Variables><row Enable=\"N\" Name=\" a \" Type=\"Digital (Bit)\" Length=\"1\" "
                      "ReadOnly=\"Y\" Position=\"7\" StartBit=\"3\" Conversion=\"Int to Float\" "
                      "MultiplicationFactor=\"1,5\" Swap=\"Y\" SwapWord=\"N\" Mnemonic=\"x&lt;y\"/>"
                      "</IEC61850_Variables><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
}

}  // namespace
