// The NMEA 2000 transmit table without its window: the rules in order, the running total against
// the output area, one key (the PGN) for the check and the writer, and the root it shares with the
// receive file.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DescTableFixture.h"
#include "common/UComon.h"
#include "core/tables/can_family/TransmitNMEATable.h"

namespace {

using cantest::CheckCase;

class TransmitNMEATable : public cantest::DescTable {
protected:
    TransmitNMEATable()
        : DescTable(tables::can::Transmit_NMEA_Desc(), File_NMEA_Send_Frames, "NMEA_Send_Frames.xml", 62)
    {}
};

class TransmitNMEACheck : public TransmitNMEATable, public ::testing::WithParamInterface<CheckCase> {};

// Row 4 after three rows of 8 bytes; columns from 1: Priority, PGN, Source Address, Fast Packet,
// Num Byte, Request, Data Change, On Timer, Send Timer, Mnemonic.
TEST_P(TransmitNMEACheck, FirstBrokenRuleOfRowFour)
{
    for (int r = 1; r <= 3; ++r)
        Put(r, {"2", std::to_string(r), "0", "N", "8"});
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error in row 4";

INSTANTIATE_TEST_SUITE_P(
    Rules, TransmitNMEACheck,
    ::testing::Values(
        CheckCase{"priority -1", {"-1", "1", "0", "N", "8"}, Prefix + "!! Priority must be between 0 and 7"},
        CheckCase{"PGN beyond 0x1FFFF",
                  {"7", "131072", "0", "N", "8"},
                  Prefix + "!! PGN must be between 0x00000 and 0x1FFFF"},
        CheckCase{
            "source address 240", {"7", "1", "240", "N", "8"}, Prefix + "!! Source Address must be between 0 and 239"},
        CheckCase{"no bytes", {"7", "1", "239", "Y", "0"}, ""},
        CheckCase{"513 bytes", {"7", "1", "0", "N", "513"}, Prefix + "!! Num Byte must be between 0 and 512"},
        CheckCase{
            "an empty number of bytes", {"7", "1", "0", "N", ""}, Prefix + "!! Num Byte must be between 0 and 512"},
        CheckCase{"a timer of 70000 ms",
                  {"7", "1", "0", "N", "8", "N", "N", "Y", "70000"},
                  Prefix + "!! Send Timer must be between 1 and 65535 ms"},
        CheckCase{"no timer, no time tested", {"7", "1", "0", "N", "8", "N", "N", "N", "70000"}, ""}),
    testsupport::kNameByWhat);

TEST_F(TransmitNMEATable, TotalOfBytesEndsAtTheOutputArea)
{
    Put(1, {"0", "1", "0", "Y", "223"});
    Put(2, {"0", "2", "0", "Y", "223"});
    Put(3, {"0", "3", "0", "N", "66"});
    EXPECT_EQ(Check(), "");
    Put(4, {"0", "4", "0", "N", "1"});
    EXPECT_EQ(Check(), "Error!! Too many bytes of data, the max number is 512");
}

TEST_F(TransmitNMEATable, OneKeyForCheckAndFileAndTheReceiveRoot)
{
    EXPECT_EQ(state.Var("NUM_BYTE_OUT"), 512);
    EXPECT_EQ(Load("<Other><row Priority=\"3\" PGN=\"129025\" TP_NByte=\"\"/></Other>"), "");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"3", "129025", "", "N", "", "N", "N", "N", "", ""}))
        << "an empty number of bytes stays empty";
    Put(1, {"3", "129025", "0", "Y", "8", "N", "Y", "Y", "1000", "position"});
    Put(2, {"3"});
    EXPECT_EQ(Check().rfind("Row 2 has no PGN.", 0), 0u);
    Put(2, {""});
    EXPECT_EQ(Text(), "<Receive_NMEA_2000><row Priority=\"3\" PGN=\"129025\" SA=\"0\" FP=\"Y\" TP_NByte=\"8\" "
                      "On_Request=\"N\" On_Data_Change=\"Y\" On_Timer=\"Y\" SendTimer=\"1000\" Mnemonic=\"position\"/>"
                      "</Receive_NMEA_2000><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
}

}  // namespace
