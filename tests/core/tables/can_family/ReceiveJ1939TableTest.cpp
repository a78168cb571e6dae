// The J1939 receive table without its window: the rules in order (data page, PGN, source address,
// the bytes captured by transport protocol or single frame, the running total, the request time),
// the untrimmed PGN key, the fallbacks and the file's exact form.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "DescTableFixture.h"
#include "common/UComon.h"
#include "core/tables/can_family/ReceiveJ1939Table.h"

namespace {

using cantest::CheckCase;

class ReceiveJ1939Table : public cantest::DescTable {
protected:
    ReceiveJ1939Table()
        : DescTable(tables::can::Receive_J1939_Desc(), File_J1939_Rec_Frames, "J1939_Rec_Frames.xml", 512)
    {}
    // A single-frame row capturing the whole frame (8 bytes).
    void Put_Whole_Frame(int r) { Put(r, {"0", std::to_string(r), "0"}); }
};

class ReceiveJ1939Check : public ReceiveJ1939Table, public ::testing::WithParamInterface<CheckCase> {};

// Row 4 after three good rows; columns from 1: Data Page, PGN, Source Address, Transport Protocol,
// Start Byte, N Byte, Cancel Data, On Request, Time(ms), Mnemonic.
TEST_P(ReceiveJ1939Check, FirstBrokenRuleOfRowFour)
{
    for (int r = 1; r <= 3; ++r)
        Put_Whole_Frame(r);
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error in row 4";

INSTANTIATE_TEST_SUITE_P(
    Rules, ReceiveJ1939Check,
    ::testing::Values(
        CheckCase{"an empty data page", {"", "1", "0"}, Prefix + "!! Data Page must be 0 or 1"},
        CheckCase{"any data page text passes", {"7", "1", "0"}, ""},
        CheckCase{"the data page comes before the PGN", {"", "x", "0"}, Prefix + "!! Data Page must be 0 or 1"},
        CheckCase{"a PGN beyond 0xFFFF", {"0", "0x10000", "0"}, Prefix + "!! PGN must be between 0x0000 and 0xFFFF"},
        CheckCase{
            "a blank PGN is filled and reads -1", {"0", " ", "0"}, Prefix + "!! PGN must be between 0x0000 and 0xFFFF"},
        CheckCase{"source address 240", {"0", "1", "240"}, Prefix + "!! Source Address must be between 0 and 239"},
        CheckCase{"single frame from 1 for 7", {"0", "1", "0", "N", "1", "7"}, ""},
        CheckCase{"single frame from 1 for 8",
                  {"0", "1", "0", "N", "1", "8"},
                  Prefix + "!! The Number Bytes plus Start Byte must be minor of 9"},
        CheckCase{
            "single frame from 0", {"0", "1", "0", "", "0", "1"}, Prefix + "!! The Start Byte must be between 1 and 8"},
        CheckCase{"single frame for 9",
                  {"0", "1", "0", "", "1", "9"},
                  Prefix + "!! The Number Bytes must be between 1 and 8"},
        CheckCase{"single frame with a start only",
                  {"0", "1", "0", "", "3", " "},
                  Prefix + "!! Start Byte and Number Bytes must be both compiled"},
        CheckCase{"a lower-case y is a single frame",
                  {"0", "1", "0", "y", "100", "5"},
                  Prefix + "!! The Start Byte must be between 1 and 8"},
        CheckCase{"transport protocol to the last byte", {"0", "1", "0", "Y", "1780", "5"}, ""},
        CheckCase{"transport protocol one byte further",
                  {"0", "1", "0", "Y", "1780", "6"},
                  Prefix + "!! Start Byte plus Number Bytes must be between 0 and 1785"},
        CheckCase{"transport protocol start beyond",
                  {"0", "1", "0", "Y", "1786", "0"},
                  Prefix + "!! Start Byte must be between 0 and 1785"},
        CheckCase{"transport protocol with no count",
                  {"0", "1", "0", "Y", "0", ""},
                  Prefix + "!! Start Byte plus Number Bytes must be between 0 and 1785"},
        CheckCase{"a request every 0 ms", {"0", "1", "0", "", "", "", "N", "Y", "0"}, ""},
        CheckCase{"a request without time",
                  {"0", "1", "0", "", "", "", "N", "Y", ""},
                  Prefix + "!! Time(ms) must be between 0 and 10000000"},
        CheckCase{"no request, no time tested", {"0", "1", "0", "", "", "", "N", "N", "x"}, ""},
        CheckCase{"the capture comes before the request",
                  {"0", "1", "0", "", "3", "", "N", "Y", "x"},
                  Prefix + "!! Start Byte and Number Bytes must be both compiled"}),
    testsupport::kNameByWhat);

TEST_F(ReceiveJ1939Table, TotalOfCapturedBytesEndsAtTheInputArea)
{
    for (int r = 1; r <= 179; ++r)
        Put_Whole_Frame(r);                         // 1432 bytes
    Put(180, {"0", "180", "0", "N", "2", "3"});     // 1435: a single frame counts its N Byte
    Put(181, {"0", "181", "0", "Y", "0", "5"});     // 1440: transport protocol counts its N Byte
    Put(182, {"0", "182", "0", "Y", "1785", "0"});  // 1440: nothing captured
    EXPECT_EQ(Check(), "");
    Put(183, {"0", "183", "0", "N", "1", "1"});
    EXPECT_EQ(Check(), "Error!! Too many bytes of data, the max number is 1440") << "no row prefix";
    EXPECT_EQ(Check(), "Error!! Too many bytes of data, the max number is 1440") << "the total starts afresh";
}

TEST_F(ReceiveJ1939Table, HundredEightyWholeFramesFillTheAreaAndOneMoreOverflows)
{
    for (int r = 1; r <= 180; ++r)
        Put_Whole_Frame(r);
    EXPECT_EQ(Check(), "");
    Put_Whole_Frame(181);
    EXPECT_EQ(Check(), "Error!! Too many bytes of data, the max number is 1440");
}

TEST_F(ReceiveJ1939Table, ShowResetsWithoutEnableAndLoadsTheFallbacks)
{
    EXPECT_EQ(cells.Cell(0, 512), "512");
    EXPECT_EQ(Row(1), std::vector<std::string>(10, "")) << "no enable column: no cell gets \"Y\"";
    EXPECT_EQ(state.Var("NUM_BYTE_IN"), 1440);
    EXPECT_EQ(Load("<J><row PGN=\"1\"/><row DP=\"1\" PGN=\"2\" TP=\"Y\" OnRequest=\"Y\" OnReq_Time=\"5\"/></J>"), "");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"", "1", "", "N", "", "", "N", "N", "1000", ""}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"1", "2", "", "Y", "", "", "N", "Y", "5", ""}));
}

TEST_F(ReceiveJ1939Table, FileEndsAtTheFirstEmptyPGNAndLoadsBackTheSame)
{
    Put(1, {"0", "0xFEF1", "17", "Y", "0", "12", "Y", "N", "1000", "engine"});
    Put(2, {"1", " ", "", "N", "", "", "N", "N", "", ""});
    EXPECT_EQ(Text(),
              "<Receive_J1939><row DP=\"0\" PGN=\"0xFEF1\" SA=\"17\" TP=\"Y\" TP_Start=\"0\" TP_NByte=\"12\" "
              "Delete=\"Y\" OnRequest=\"N\" OnReq_Time=\"1000\" Mnemonic=\"engine\"/>"
              "<row DP=\"1\" PGN=\" \" SA=\"\" TP=\"N\" TP_Start=\"\" TP_NByte=\"\" Delete=\"N\" OnRequest=\"N\" "
              "OnReq_Time=\"\" Mnemonic=\"\"/></Receive_J1939><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
    cells.SetCell(2, 2, "");
    EXPECT_EQ(Text(), "<Receive_J1939><row DP=\"0\" PGN=\"0xFEF1\" SA=\"17\" TP=\"Y\" TP_Start=\"0\" TP_NByte=\"12\" "
                      "Delete=\"Y\" OnRequest=\"N\" OnReq_Time=\"1000\" Mnemonic=\"engine\"/></Receive_J1939>"
                      "<!--SW_VERSION = 1.000-->");
    EXPECT_EQ(Check().rfind("Row 2 has no PGN.", 0), 0u) << "row 2 still holds a data page, which saving would drop";
}

}  // namespace
