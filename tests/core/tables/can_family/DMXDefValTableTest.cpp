// The DMX default values without their window: a row per channel (no key, no end), the value rule,
// the "Row" elements, the fallbacks, and the number of channels from the settings.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DescTableFixture.h"
#include "common/UComon.h"
#include "core/tables/can_family/DMXDefValTable.h"

namespace {

using cantest::CheckCase;

class DMXDefValTable : public cantest::DescTable {
protected:
    explicit DMXDefValTable(int channels = 16)
        : DescTable(tables::can::DMX_Def_Val_Desc(), File_DMX_Default_Values, "DMX_Default_Values.xml", channels)
    {}
};

class DMXDefValCheck : public DMXDefValTable, public ::testing::WithParamInterface<CheckCase> {};

// Channel 4's value and mnemonic after three channels left at their reset.
TEST_P(DMXDefValCheck, ValueOfChannelFour)
{
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Fault = "Error row 4!! Default Value must be between 0 and 255";

INSTANTIATE_TEST_SUITE_P(Rules, DMXDefValCheck,
                         ::testing::Values(CheckCase{"the largest value", {"255", "dimmer"}, ""},
                                           CheckCase{"a hexadecimal value", {"$FF"}, ""},
                                           CheckCase{"256", {"256"}, Fault}, CheckCase{"minus one", {"-1"}, Fault},
                                           CheckCase{"an empty value", {""}, Fault},
                                           CheckCase{"a word", {"full"}, Fault}),
                         testsupport::kNameByWhat);

TEST_F(DMXDefValTable, EveryChannelIsTestedEmptyRowsIncluded)
{
    EXPECT_EQ(Check(), "") << "the reset gives every channel the value 0";
    Put(16, {""});
    EXPECT_EQ(Check(), "Error row 16!! Default Value must be between 0 and 255");
    Put(2, {"300"});
    EXPECT_EQ(Check(), "Error row 2!! Default Value must be between 0 and 255") << "the first bad channel only";
}

TEST_F(DMXDefValTable, OneRowElementPerChannelInOrder)
{
    Put(2, {"128", "spot"});
    std::string expected = "<DMX_Default_Values>";
    for (int k = 1; k <= 16; ++k)
        expected +=
            k == 2 ? "<Row Default_Value=\"128\" Mnemonic=\"spot\"/>" : "<Row Default_Value=\"0\" Mnemonic=\"\"/>";
    EXPECT_EQ(Text(), expected + "</DMX_Default_Values><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
}

TEST_F(DMXDefValTable, FileRowsFillTheChannelsTheyReachAndTheRestIsSaid)
{
    std::string file = "<Any>";
    for (int k = 1; k <= 20; ++k)
        file += "<row Default_Value=\"" + std::to_string(k) + "\"/>";
    const std::string note = Load(file + "</Any>");
    EXPECT_NE(note.find("the file holds 20 rows; the rows after row 16 were not loaded"), std::string::npos) << note;
    EXPECT_EQ(Row(16), (std::vector<std::string>{"16", ""}));
    EXPECT_EQ(Load("<D><Row Mnemonic=\"m\"/><Row Default_Value=\"7\"/></D>"), "");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"0", "m"})) << "a row without value loads as 0";
    EXPECT_EQ(Row(2), (std::vector<std::string>{"7", ""}));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"0", ""})) << "channels beyond the file keep 0";
    EXPECT_EQ(cells.Cell(0, 3), "3");
}

struct ChannelsCase {
    const char* what;
    std::string settings;  // ParGen.xml; empty: no file
    int count;
    bool said;
    friend void PrintTo(const ChannelsCase& c, std::ostream* os) { *os << c.what; }
};

class DMXChannels : public ::testing::TestWithParam<ChannelsCase> {};

TEST_P(DMXChannels, FromTheSettings)
{
    Load_Default_Lang();
    testsupport::ScratchDir dir;
    const auto file = dir / "ParGen.xml";
    if (!GetParam().settings.empty())
        testsupport::WriteFile(file, GetParam().settings);
    const tables::can::TDMXChannels channels = tables::can::DMX_Channels(file);
    EXPECT_EQ(channels.Count, GetParam().count);
    EXPECT_EQ(!channels.Note.empty(), GetParam().said) << channels.Note;
    if (GetParam().said) {
        EXPECT_NE(channels.Note.find("the table has " + std::to_string(GetParam().count) + " channels"),
                  std::string::npos)
            << channels.Note;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DMXChannels,
    ::testing::Values(
        ChannelsCase{"no settings file", "", 512, false},
        ChannelsCase{"no key", "<Par_Gen><Device_Name>x</Device_Name></Par_Gen>", 512, false},
        ChannelsCase{"sixteen", "<Par_Gen><DMX_Num_Channels>16</DMX_Num_Channels></Par_Gen>", 16, false},
        ChannelsCase{"one", "<Par_Gen><DMX_Num_Channels>1</DMX_Num_Channels></Par_Gen>", 1, false},
        ChannelsCase{"all 512", "<P><DMX_Num_Channels>512</DMX_Num_Channels></P>", 512, false},
        ChannelsCase{"not a number", "<Par_Gen><DMX_Num_Channels>many</DMX_Num_Channels></Par_Gen>", 512, false},
        ChannelsCase{"an unreadable file", "<Par_Gen><DMX_Num_Channels>16</Par_Gen>", 512, false},
        ChannelsCase{"none", "<Par_Gen><DMX_Num_Channels>0</DMX_Num_Channels></Par_Gen>", 1, true},
        ChannelsCase{"negative", "<Par_Gen><DMX_Num_Channels>-40</DMX_Num_Channels></Par_Gen>", 1, true},
        ChannelsCase{"more than a universe", "<Par_Gen><DMX_Num_Channels>513</DMX_Num_Channels></Par_Gen>", 512, true},
        ChannelsCase{"far too many", "<Par_Gen><DMX_Num_Channels>2147483647</DMX_Num_Channels></Par_Gen>", 512, true}),
    testsupport::kNameByWhat);

}  // namespace
