// The CANopen SDO client table without its window: each rule in order with its exact message, the
// addresses a size takes, and the file's exact form and round trip.
#include <gtest/gtest.h>

#include "CANopenTableFixture.h"
#include "CaseName.h"
#include "common/UComon.h"
#include "core/tables/canopen/SDOClientTable.h"

namespace {

using canopentest::CheckCase;

class SDOClientTable : public canopentest::CANopenTable {
protected:
    SDOClientTable()
        : CANopenTable(tables::canopen::Set_SDO_Client_Access_Desc(), File_SDO_Client_CANopen, "SDO_Client_CANopen.xml")
    {}
};

class SDOClientCheck : public SDOClientTable, public ::testing::WithParamInterface<CheckCase> {};

// Row 2 after a good row 1. Read columns from 1: ID Device, Index, SubIndex, N Byte, Poll Time,
// Add Byte1 ... Add Byte4, Mnemonic; write columns: the same five, On Change, the four addresses,
// Mnemonic.
TEST_P(SDOClientCheck, FirstBrokenRuleOfRowTwo)
{
    const CheckCase& c = GetParam();
    Put(0, 1, {"1", "0x1000", "0", "1", "1", "0"});
    Put(1, 1, {"1", "0x1000", "0", "1", "0", "N", "0"});
    Put(c.table, 2, c.row);
    EXPECT_EQ(Check(), c.message);
}

const std::string Rd = "Error row 2!! [SDO Read] ", Wr = "Error row 2!! [SDO Write] ";

INSTANTIATE_TEST_SUITE_P(
    Rules, SDOClientCheck,
    ::testing::Values(
        CheckCase{"device 127 with the last index", 0, {"127", "0xFFFF", "255", "1", "1", "0"}, ""},
        CheckCase{"device 0", 0, {"0", "0x2000", "0", "1", "1", "0"}, Rd + "Device ID must be between 1 and 127"},
        CheckCase{
            "device 128", 1, {"128", "0x2000", "0", "1", "1", "", "0"}, Wr + "Device ID must be between 1 and 127"},
        CheckCase{"index 4096 typed in decimal", 0, {"1", "4096", "0", "1", "1", "0"}, ""},
        CheckCase{"an index below the dictionary's objects",
                  0,
                  {"1", "0x0FFF", "0", "1", "1", "0"},
                  Rd + "Index must be between 0x1000 and 0xFFFF"},
        CheckCase{"an index past 16 bits",
                  1,
                  {"1", "0x10000", "0", "1", "1", "", "0"},
                  Wr + "Index must be between 0x1000 and 0xFFFF"},
        CheckCase{
            "sub-index 256", 0, {"1", "0x2000", "256", "1", "1", "0"}, Rd + "SubIndex must be between 0x00 and 0xFF"},
        CheckCase{"three bytes", 1, {"1", "0x2000", "1", "3", "1", "", "0"}, Wr + "N Byte must be 1 or 2 or 4"},
        CheckCase{"a read request must be polled",
                  0,
                  {"1", "0x2000", "1", "1", "0", "0"},
                  Rd + "Poll Time must be between 1 and 100000000"},
        CheckCase{"a write request may wait for a change", 1, {"1", "0x2000", "1", "1", "0", "Y", "0"}, ""},
        CheckCase{"a write poll time too long",
                  1,
                  {"1", "0x2000", "1", "1", "100000001", "", "0"},
                  Wr + "Poll Time must be between 0 and 100000000"},
        CheckCase{
            "one byte leaves the other addresses alone", 0, {"1", "0x2000", "1", "1", "1", "0", "x", "x", "x"}, ""},
        CheckCase{"two bytes check the second address",
                  0,
                  {"1", "0x2000", "1", "2", "1", "0", "1500", "", ""},
                  Rd + "Address Byte2 must be between 0 and 1499"},
        CheckCase{"two bytes leave the third", 1, {"1", "0x2000", "1", "2", "1", "", "0", "1499", "x"}, ""},
        CheckCase{"four bytes check the third before the fourth",
                  1,
                  {"1", "0x2000", "1", "4", "1", "", "0", "1", "", ""},
                  Wr + "Address Byte3 must be between 0 and 1499"},
        CheckCase{"four bytes check the fourth",
                  0,
                  {"1", "0x2000", "1", "4", "1", "0", "1", "2", "-1"},
                  Rd + "Address Byte4 must be between 0 and 1499"},
        CheckCase{"a first address past the array",
                  1,
                  {"1", "0x2000", "1", "1", "1", "", "1500"},
                  Wr + "Address Byte1 must be between 0 and 1499"}),
    testsupport::kNameByWhat);

TEST_F(SDOClientTable, FileHoldsEveryCellAsTypedAndReadsBackTheSame)
{
    Put(0, 1, {"5", "0x6041", "0", "2", "100", "10", "11", "", "", "status word"});
    Put(0, 3, {"9", "0x6041", "0", "2", "100", "10", "11", "", "", "after the end"});
    Put(1, 1, {"5", "0x6040", "0", "2", "0", "Y", "20", "21", "", "", "control word"});
    EXPECT_EQ(Text(), "<SDO_Client_CANopen><SDO_Read><row Device_ID=\"5\" Index=\"0x6041\" SubIndex=\"0\" NByte=\"2\" "
                      "Poll_Time=\"100\" Address_B1=\"10\" Address_B2=\"11\" Address_B3=\"\" Address_B4=\"\" "
                      "Mnemonic=\"status word\"/></SDO_Read><SDO_Write><row Device_ID=\"5\" Index=\"0x6040\" "
                      "SubIndex=\"0\" NByte=\"2\" Poll_Time=\"0\" On_Change=\"Y\" Address_B1=\"20\" Address_B2=\"21\" "
                      "Address_B3=\"\" Address_B4=\"\" Mnemonic=\"control word\"/></SDO_Write></SDO_Client_CANopen>"
                      "<!--SW_VERSION = 1.000-->");
    // Row 3 stands after an empty row: not written (the check would refuse to drop it).
    for (int c = 1; c <= 10; ++c)
        Cells(0).SetCell(c, 3, "");
    ExpectByteStableRoundTrip();
    EXPECT_EQ(Row(1, 1)[5], "Y");
    EXPECT_EQ(Cells(0).Cell(0, 256), "256");
}

}  // namespace
