// The DeviceNet network table without its window: the three range rules in order, the untrimmed
// ID key, loading without fallbacks and the file's exact form.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DescTableFixture.h"
#include "common/UComon.h"
#include "core/tables/can_family/DNetTable.h"

namespace {

using cantest::CheckCase;

class DNetTable : public cantest::DescTable {
protected:
    DNetTable() : DescTable(tables::can::DNet_Desc(), File_DNETM_Net, "DNETM_Net.xml", 64) {}
};

class DNetCheck : public DNetTable, public ::testing::WithParamInterface<CheckCase> {};

// Row 4 after three good slaves; columns from 1: ID Slave, Num Byte In, Num Byte Out, Mnemonic.
TEST_P(DNetCheck, FirstBrokenRuleOfRowFour)
{
    for (int r = 1; r <= 3; ++r)
        Put(r, {std::to_string(r), "8", "8"});
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error in row 4";

INSTANTIATE_TEST_SUITE_P(
    Rules, DNetCheck,
    ::testing::Values(
        CheckCase{"the largest ID and byte counts", {"63", "65535", "65535"}, ""},
        CheckCase{"no bytes at all", {"0", "0", "0"}, ""}, CheckCase{"the ID of another row", {"1", "1", "1"}, ""},
        CheckCase{"ID 64", {"64", "0", "0"}, Prefix + "!! ID must be 0 or 63"},
        CheckCase{"a non-numeric ID", {"A", "0", "0"}, Prefix + "!! ID must be 0 or 63"},
        CheckCase{"a blank ID is filled and reads -1", {" ", "0", "0"}, Prefix + "!! ID must be 0 or 63"},
        CheckCase{"the ID comes first", {"64", "x", "x"}, Prefix + "!! ID must be 0 or 63"},
        CheckCase{"65536 input bytes", {"5", "65536", "0"}, Prefix + "!! Number Byte IN must be 0 or 65535"},
        CheckCase{"65536 output bytes", {"5", "0", "65536"}, Prefix + "!! Number Byte OUT must be 0 or 65535"}),
    testsupport::kNameByWhat);

TEST_F(DNetTable, TheSixtyFourthRowIsTestedAndAnEmptyIdEndsTheTable)
{
    Put(64, {"99", "0", "0"});
    EXPECT_EQ(Check().rfind("Row 1 has no ID Slave.", 0), 0u) << "row 64 lies after the end of the table";
    for (int r = 1; r < 64; ++r)
        Put(r, {"1", "0", "0"});
    EXPECT_EQ(Check(), "Error in row 64!! ID must be 0 or 63");
}

TEST_F(DNetTable, MissingAttributeEndsTheLoadingAndSaysWhere)
{
    const std::string note = Load("<DNET_Net><row ID=\"1\" NB_IN=\"2\" NB_OUT=\"3\" Mnemonic=\"a\"/>"
                                  "<row ID=\"2\" NB_IN=\"2\" Mnemonic=\"b\"/><row ID=\"3\" NB_IN=\"0\" NB_OUT=\"0\" "
                                  "Mnemonic=\"c\"/></DNET_Net>");
    EXPECT_NE(note.find("Row 2 has no attribute NB_OUT"), std::string::npos) << note;
    EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "2", "3", "a"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"2", "2", "", ""})) << "the row stops where its attribute is missing";
    EXPECT_EQ(Row(3), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(DNetTable, FileHoldsTheSlavesUpToTheFirstEmptyIdAndLoadsBackTheSame)
{
    Put(1, {"5", "16", "0", "valve <bank>"});
    Put(2, {" ", "0", "0", ""});
    EXPECT_EQ(Text(), "<DNET_Net><row ID=\"5\" NB_IN=\"16\" NB_OUT=\"0\" Mnemonic=\"valve &lt;bank>\"/>"
                      "<row ID=\" \" NB_IN=\"0\" NB_OUT=\"0\" Mnemonic=\"\"/></DNET_Net><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
}

}  // namespace
