// The J1939 transmit table without its window: the rules in order, the running total against the
// output area, the older T_Type send condition and the default number of bytes on loading, and one
// key (the PGN) for the check and the writer.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DescTableFixture.h"
#include "common/UComon.h"
#include "core/tables/can_family/TransmitJ1939Table.h"

namespace {

using cantest::CheckCase;

class TransmitJ1939Table : public cantest::DescTable {
protected:
    TransmitJ1939Table()
        : DescTable(tables::can::Transmit_J1939_Desc(), File_J1939_Send_Frames, "J1939_Send_Frames.xml", 512)
    {}
};

class TransmitJ1939Check : public TransmitJ1939Table, public ::testing::WithParamInterface<CheckCase> {};

// Row 4 after three good rows of 8 bytes; columns from 1: Priority, Data Page, PGN, Source Address,
// N Bytes, Request, Data Change, On Timer, Send Timer, Mnemonic.
TEST_P(TransmitJ1939Check, FirstBrokenRuleOfRowFour)
{
    for (int r = 1; r <= 3; ++r)
        Put(r, {"6", "0", std::to_string(r), "0", "8"});
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error in row 4";

INSTANTIATE_TEST_SUITE_P(
    Rules, TransmitJ1939Check,
    ::testing::Values(
        CheckCase{"priority 8", {"8", "0", "1", "0", "8"}, Prefix + "!! Priority must be between 0 and 7"},
        CheckCase{"an empty priority", {"", "0", "1", "0", "8"}, Prefix + "!! Priority must be between 0 and 7"},
        CheckCase{"an empty data page", {"0", "", "1", "0", "8"}, Prefix + "!! Data Page must be 0 or 1"},
        CheckCase{"PGN 0x1FFFF and source address 255", {"0", "1", "0x1FFFF", "255", "8"}, ""},
        CheckCase{"PGN beyond 0x1FFFF",
                  {"0", "1", "$20000", "0", "8"},
                  Prefix + "!! PGN must be between 0x00000 and 0x1FFFF"},
        CheckCase{
            "source address 256", {"0", "1", "1", "256", "8"}, Prefix + "!! Source Address must be between 0 and 255"},
        CheckCase{"no bytes", {"0", "1", "1", "0", "0"}, ""},
        CheckCase{"513 bytes", {"0", "1", "1", "0", "513"}, Prefix + "!! Num Byte must be between 0 and 512"},
        CheckCase{
            "an empty number of bytes", {"0", "1", "1", "0", ""}, Prefix + "!! Num Byte must be between 0 and 512"},
        CheckCase{"a timer of 0 ms",
                  {"0", "1", "1", "0", "8", "N", "N", "Y", "0"},
                  Prefix + "!! Send Timer must be between 1 and 65535 ms"},
        CheckCase{"a timer of 65535 ms", {"0", "1", "1", "0", "8", "N", "N", "Y", "65535"}, ""},
        CheckCase{"no timer, no time tested", {"0", "1", "1", "0", "8", "Y", "Y", "N", "0"}, ""}),
    testsupport::kNameByWhat);

TEST_F(TransmitJ1939Table, TotalOfBytesEndsAtTheOutputArea)
{
    Put(1, {"0", "0", "1", "0", "500"});
    Put(2, {"0", "0", "2", "0", "0"});
    Put(3, {"0", "0", "3", "0", "12"});
    EXPECT_EQ(Check(), "") << "exactly 512 bytes";
    Put(4, {"0", "0", "4", "0", "1", "N", "N", "Y", "0"});
    EXPECT_EQ(Check(), "Error!! Too many bytes of data, the max number is 512") << "the total comes before the timer";
}

TEST_F(TransmitJ1939Table, OlderSendConditionAndDefaultByteCountOnLoading)
{
    EXPECT_EQ(Load("<T><row PGN=\"1\" T_Type=\"On Timer\"/>"
                   "<row PGN=\"2\" T_Type=\"on data change\" On_Timer=\"Y\" TP_NByte=\"\"/>"
                   "<row PGN=\"3\" T_Type=\"cyclic\" On_Request=\"Y\" TP_NByte=\"3\"/>"
                   "<row PGN=\"4\" On_Request=\"Y\" On_Timer=\"Y\" TP_NByte=\" \"/></T>"),
              "");
    // Priority, Data Page, PGN, Source Address, N Bytes, Request, Data Change, On Timer
    using Head = std::vector<std::string>;
    const Head heads[] = {
        {"", "", "1", "", "8", "N", "N", "Y"},
        {"", "", "2", "", "8", "N", "Y", "N"},
        {"", "", "3", "", "3", "N", "N", "N"},  // T_Type wins over the three send attributes
        {"", "", "4", "", " ", "Y", "N", "Y"},  // a blank count is not an empty one
    };
    for (int r = 1; r <= 4; ++r) {
        const std::vector<std::string> row = Row(r);
        EXPECT_EQ(Head(row.begin(), row.begin() + 8), heads[r - 1]) << r;
    }
    EXPECT_EQ(Text().find("T_Type"), std::string::npos) << "T_Type is read, never written";
}

TEST_F(TransmitJ1939Table, OneKeyForCheckAndFile)
{
    Put(1, {"3", "0", "0xFECA", "0", "8", "Y", "N", "Y", "100", "dm1"});
    Put(2, {"3", "0", "", "0", "8"});  // a priority without PGN
    Put(3, {"3", "0", "7", "0", "8"});
    EXPECT_EQ(Check().rfind("Row 2 has no PGN.", 0), 0u)
        << "the rows after the empty PGN would not be saved, so the check refuses them";
    EXPECT_EQ(Text(), "<Transmit_J1939><row Priority=\"3\" DP=\"0\" PGN=\"0xFECA\" SA=\"0\" TP_NByte=\"8\" "
                      "On_Request=\"Y\" On_Data_Change=\"N\" On_Timer=\"Y\" SendTimer=\"100\" Mnemonic=\"dm1\"/>"
                      "</Transmit_J1939><!--SW_VERSION = 1.000-->");
    Put(2, {"", "", "", "", "", "", "", "", "", ""});
    Put(3, {"", "", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(Check(), "");
    ExpectByteStableRoundTrip();
}

}  // namespace
