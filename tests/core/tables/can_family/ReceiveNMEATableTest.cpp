// The NMEA 2000 receive table without its window: the rules in order with the fast packet between
// transport protocol and single frame, the running total against its smaller input area, 62 rows,
// the fallbacks and the file's exact form.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DescTableFixture.h"
#include "common/UComon.h"
#include "core/tables/can_family/ReceiveNMEATable.h"

namespace {

using cantest::CheckCase;

class ReceiveNMEATable : public cantest::DescTable {
protected:
    ReceiveNMEATable() : DescTable(tables::can::Receive_NMEA_Desc(), File_NMEA_Rec_Frames, "NMEA_Rec_Frames.xml", 62) {}
};

class ReceiveNMEACheck : public ReceiveNMEATable, public ::testing::WithParamInterface<CheckCase> {};

// Row 4 after three whole single frames; columns from 1: PGN, Source Address, Transport Protocol,
// Fast Packet, Start Byte, N Byte, Cancel Data, Mnemonic.
TEST_P(ReceiveNMEACheck, FirstBrokenRuleOfRowFour)
{
    for (int r = 1; r <= 3; ++r)
        Put(r, {std::to_string(r), "0"});
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error in row 4";

INSTANTIATE_TEST_SUITE_P(
    Rules, ReceiveNMEACheck,
    ::testing::Values(
        CheckCase{"PGN 0x1FFFF", {"0x1FFFF", "0"}, ""},
        CheckCase{"PGN beyond 0x1FFFF", {"0x20000", "0"}, Prefix + "!! PGN must be between 0x00000 and 0x1FFFF"},
        CheckCase{"source address 240", {"1", "240"}, Prefix + "!! Source Address must be between 0 and 239"},
        CheckCase{"transport protocol wins over fast packet", {"1", "0", "Y", "Y", "300", "10"}, ""},
        CheckCase{"transport protocol one byte further",
                  {"1", "0", "Y", "Y", "1780", "6"},
                  Prefix + "!! Start Byte plus Number Bytes must be between 0 and 1785"},
        CheckCase{"fast packet to its last byte", {"1", "0", "N", "Y", "200", "23"}, ""},
        CheckCase{"fast packet one byte further",
                  {"1", "0", "N", "Y", "200", "24"},
                  Prefix + "!! Start Byte plus Number Bytes must be between 0 and 223"},
        CheckCase{"fast packet start beyond",
                  {"1", "0", "N", "Y", "224", "0"},
                  Prefix + "!! Start Byte must be between 0 and 223"},
        CheckCase{"single frame with a count only",
                  {"1", "0", "N", "N", "", "2"},
                  Prefix + "!! Start Byte and Number Bytes must be both compiled"},
        CheckCase{"single frame from 9",
                  {"1", "0", "N", "N", "9", "1"},
                  Prefix + "!! The Start Byte must be between 1 and 8"},
        CheckCase{"single frame for 0",
                  {"1", "0", "N", "N", "1", "0"},
                  Prefix + "!! The Number Bytes must be between 1 and 8"},
        CheckCase{"single frame past its end",
                  {"1", "0", "N", "N", "4", "5"},
                  Prefix + "!! The Number Bytes plus Start Byte must be minor of 9"}),
    testsupport::kNameByWhat);

TEST_F(ReceiveNMEATable, TotalOfCapturedBytesEndsAtTheInputArea)
{
    for (int r = 1; r <= 62; ++r)
        Put(r, {std::to_string(r), "0"});
    EXPECT_EQ(Check(), "") << "62 whole single frames are 496 bytes";
    Put(1, {"1", "0", "N", "Y", "200", "23"});  // 23 bytes instead of 8
    EXPECT_EQ(Check(), "") << "511 bytes";
    Put(2, {"2", "0", "Y", "N", "0", "10"});  // 10 instead of 8: 513
    EXPECT_EQ(Check(), "Error!! Too many bytes of data, the max number is 512");

    for (int r = 1; r <= 62; ++r)
        Put(r, {"", "", "", "", "", ""});
    for (int r = 1; r <= 3; ++r)
        Put(r, {std::to_string(r), "0", "N", "Y", "0", "200"});
    EXPECT_EQ(Check(), "Error!! Too many bytes of data, the max number is 512") << "at the third fast packet";
}

TEST_F(ReceiveNMEATable, SixtyTwoRowsWithTheirFallbacks)
{
    EXPECT_EQ(cells.RowCount(), 63);
    EXPECT_EQ(cells.Cell(0, 62), "62");
    EXPECT_EQ(state.Var("NUM_BYTE_IN"), 512);
    EXPECT_EQ(Load("<Any><row PGN=\"1\" SA=\"2\" TP_Start=\"3\" TP_NByte=\"4\" Mnemonic=\"m\"/></Any>"), "");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"1", "2", "N", "N", "3", "4", "N", "m"}));
}

TEST_F(ReceiveNMEATable, FileHoldsEveryAttributeInOrderAndLoadsBackTheSame)
{
    Put(1, {"127250", "1", "N", "Y", "0", "8", "Y", "heading"});
    EXPECT_EQ(Text(), "<Receive_NMEA_2000><row PGN=\"127250\" SA=\"1\" TP=\"N\" FP=\"Y\" TP_Start=\"0\" TP_NByte=\"8\" "
                      "Delete=\"Y\" Mnemonic=\"heading\"/></Receive_NMEA_2000><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
}

}  // namespace
