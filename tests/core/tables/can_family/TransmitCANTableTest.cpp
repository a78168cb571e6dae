// The raw CAN transmit table without its window: the data check's rules in order, the fallbacks
// of the send options and of Time, and the file's exact form.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DescTableFixture.h"
#include "common/UComon.h"
#include "core/tables/can_family/TransmitCANTable.h"

namespace {

using cantest::CheckCase;

class TransmitCANTable : public cantest::DescTable {
protected:
    TransmitCANTable() : DescTable(tables::can::Transmit_CAN_Desc(), File_CAN_Send_Frames, "CAN_Send_Frames.xml", 512)
    {}
};

class TransmitCANCheck : public TransmitCANTable, public ::testing::WithParamInterface<CheckCase> {};

// Row 4 after three good rows; columns from 1: Enable, CobID, Type, Dimension, OnChange, OnCMD,
// OnTimer, Time, Byte1 ... Byte8, Mnemonic.
TEST_P(TransmitCANCheck, FirstBrokenRuleOfRowFour)
{
    for (int r = 1; r <= 3; ++r)
        Put(r, {"Y", std::to_string(r), "", "1", "Y", "N", "Y", "10"});
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error row 4";

INSTANTIATE_TEST_SUITE_P(
    Rules, TransmitCANCheck,
    ::testing::Values(CheckCase{"an empty type takes 29 bits", {"Y", "3000", "", "1"}, ""},
                      CheckCase{"11 bits end at 2047",
                                {"Y", "2048", "2.0A (11 bits)", "1"},
                                Prefix + "!! CobID must be between 0 and 2047"},
                      CheckCase{"29 bits end at 0x1FFFFFFF",
                                {"Y", "$20000000", "2.0B (29 bits)", "1"},
                                Prefix + "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
                      CheckCase{"the identifier comes before the length",
                                {"Y", "x", "", "0"},
                                Prefix + "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
                      CheckCase{"no data", {"Y", "1", "", "0"}, Prefix + "!! Dimension must be between 1 and 8"},
                      CheckCase{"time is not tested without the timer", {"Y", "1", "", "1", "N", "N", "N", "abc"}, ""},
                      CheckCase{"an empty time with the timer",
                                {"Y", "1", "", "1", "N", "N", "Y", ""},
                                Prefix + "!! Time must be between 0 and 100000000 milliseconds"},
                      CheckCase{"a lower-case timer tick counts",
                                {"Y", "1", "", "1", "N", "N", " y", "100000001"},
                                Prefix + "!! Time must be between 0 and 100000000 milliseconds"},
                      CheckCase{"time comes before the bytes",
                                {"Y", "1", "", "1", "N", "N", "Y", "-1", "2500"},
                                Prefix + "!! Time must be between 0 and 100000000 milliseconds"},
                      CheckCase{"no send option at all", {"Y", "1", "", "1", "N", "N", "N", ""}, ""},
                      CheckCase{"every send option", {"Y", "1", "", "1", "Y", "Y", "Y", "0"}, ""},
                      CheckCase{"bytes beyond the length are not looked at",
                                {"Y", "1", "", "3", "N", "N", "N", "", "None", "", "2499", "bad"},
                                ""},
                      CheckCase{"the third byte beyond the array",
                                {"Y", "1", "", "3", "N", "N", "N", "", "0", "1", "2500"},
                                Prefix + "!! Byte3 must be between 0 and 2499 or None"},
                      CheckCase{"the first byte's own text",
                                {"Y", "1", "", "1", "N", "N", "N", "", "-1"},
                                Prefix + "!! Byte1 must be between 0 and 2499 or None"},
                      CheckCase{"a disabled row is not tested", {"N", "-1", "", "0", "N", "N", "Y", ""}, ""}),
    testsupport::kNameByWhat);

TEST_F(TransmitCANTable, MissingFileGivesNumberedEnabledRowsAndAnEmptyRoot)
{
    EXPECT_EQ(cells.Cell(0, 512), "512");
    EXPECT_EQ(cells.Cell(1, 512), "Y");
    EXPECT_EQ(cells.Cell(5, 512), "") << "OnChange is ticked by the file's fallback only, not by a reset";
    EXPECT_EQ(state.Var("MAX_Byte"), 2500);
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(), "<Transmit_Frames/><!--SW_VERSION = 1.000-->");
}

TEST_F(TransmitCANTable, FallbacksOfTypeSendOptionsAndTime)
{
    EXPECT_EQ(Load("<X><row COBID=\"1\"/><row COBID=\"2\" OnTimer=\"Y\"/><row COBID=\"3\" OnTimer=\"y\"/>"
                   "<row COBID=\"4\" OnTimer=\"Y\" Time=\"\" OnChange=\"N\" CAN_Type=\"\"/></X>"),
              "");
    // Enable, CobID, Type, Dimension, OnChange, OnCMD, OnTimer, Time
    using Head = std::vector<std::string>;
    const Head heads[] = {
        {"Y", "1", "2.0A (11 bits)", "", "Y", "N", "N", ""},
        {"Y", "2", "2.0A (11 bits)", "", "Y", "N", "Y", "0"},  // a timer without Time runs at 0
        {"Y", "3", "2.0A (11 bits)", "", "Y", "N", "y", ""},   // only exactly "Y" gets the 0
        {"Y", "4", "", "", "N", "N", "Y", ""},                 // attributes present stay as they are
    };
    for (int r = 1; r <= 4; ++r) {
        const std::vector<std::string> row = Row(r);
        EXPECT_EQ(Head(row.begin(), row.begin() + 8), heads[r - 1]) << r;
        EXPECT_EQ(std::vector<std::string>(row.begin() + 8, row.end()), std::vector<std::string>(9, "")) << r;
    }
}

TEST_F(TransmitCANTable, FileHoldsEveryAttributeInOrderAsTypedAndLoadsBackTheSame)
{
    Put(1, {"N", " 0x100 ", "2.0A (11 bits)", "2", "Y", "N", "Y", "50", "None", "3", "", "", "", "", "", "", "a&b"});
    Put(2,
        {"Y", "$1FFFFFFF", "2.0B (29 bits)", "8", "N", "Y", "N", "abc", "0", "1", "2", "3", "4", "5", "6", "2499", ""});
    EXPECT_EQ(Text(), "<Transmit_Frames><row Enable=\"N\" COBID=\" 0x100 \" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" "
                      "OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"Y\" Time=\"50\" Byte1=\"None\" Byte2=\"3\" Byte3=\"\" "
                      "Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"a&amp;b\"/>"
                      "<row Enable=\"Y\" COBID=\"$1FFFFFFF\" CAN_Type=\"2.0B (29 bits)\" Dim=\"8\" OnChange=\"N\" "
                      "OnCMD=\"Y\" OnTimer=\"N\" Time=\"abc\" Byte1=\"0\" Byte2=\"1\" Byte3=\"2\" Byte4=\"3\" "
                      "Byte5=\"4\" Byte6=\"5\" Byte7=\"6\" Byte8=\"2499\" Mnemonic=\"\"/>"
                      "</Transmit_Frames><!--SW_VERSION = 1.000-->");
    EXPECT_EQ(Check(), "");
    ExpectByteStableRoundTrip();
}

}  // namespace
