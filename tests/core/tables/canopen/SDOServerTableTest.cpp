// The CANopen SDO server objects without their window: each rule in order with its exact message,
// one object entered twice refused naming both rows, and the file's exact form and round trip.
#include <gtest/gtest.h>

#include "CANopenTableFixture.h"
#include "CaseName.h"
#include "common/UComon.h"
#include "core/tables/canopen/SDOServerTable.h"

namespace {

using canopentest::CheckCase;

class SDOServerTable : public canopentest::CANopenTable {
protected:
    SDOServerTable()
        : CANopenTable(tables::canopen::Set_SDO_Server_Access_Desc(), File_SDO_Server_CANopen, "SDO_Server_CANopen.xml")
    {}
};

class SDOServerCheck : public SDOServerTable, public ::testing::WithParamInterface<CheckCase> {};

// Row 2 after a good row 1 (object 0x2000 sub 0 in both tables). Columns from 1: Index, SubIndex,
// N Byte, Add Byte1 ... Add Byte4, Mnemonic.
TEST_P(SDOServerCheck, FirstBrokenRuleOfRowTwo)
{
    const CheckCase& c = GetParam();
    Put(0, 1, {"0x2000", "0", "1", "0"});
    Put(1, 1, {"0x2100", "0", "1", "0"});
    Put(c.table, 2, c.row);
    EXPECT_EQ(Check(), c.message);
}

const std::string Rd = "Error row 2!! [SDO in Read] ", Wr = "Error row 2!! [SDO in Write] ";

INSTANTIATE_TEST_SUITE_P(
    Rules, SDOServerCheck,
    ::testing::Values(
        CheckCase{"the last manufacturer index and sub-index", 0, {"0x5FFF", "255", "1", "0"}, ""},
        CheckCase{"8193 typed in decimal", 1, {"8193", "0", "1", "0"}, ""},
        CheckCase{"an index below the manufacturer's",
                  0,
                  {"0x1FFF", "0", "1", "0"},
                  Rd + "Index must be between 0x2000 and 0x5FFF"},
        CheckCase{"an index past the manufacturer's",
                  1,
                  {"0x6000", "0", "1", "0"},
                  Wr + "Index must be between 0x2000 and 0x5FFF"},
        CheckCase{"sub-index 256", 0, {"0x2001", "256", "1", "0"}, Rd + "SubIndex must be between 0x00 and 0xFF"},
        CheckCase{"an empty sub-index", 1, {"0x2001", "", "1", "0"}, Wr + "SubIndex must be between 0x00 and 0xFF"},
        CheckCase{"three bytes, before any address", 0, {"0x2001", "0", "3", "x"}, Rd + "N Byte must be 1 or 2 or 4"},
        CheckCase{"one byte leaves the other addresses alone", 1, {"0x2001", "0", "1", "0", "x", "x", "x"}, ""},
        CheckCase{"two bytes check the second address only",
                  0,
                  {"0x2001", "0", "2", "0", "1500", "x", "x"},
                  Rd + "Address Byte2 must be between 0 and 1499"},
        CheckCase{"four bytes check the fourth",
                  1,
                  {"0x2001", "0", "4", "0", "1", "1499", ""},
                  Wr + "Address Byte4 must be between 0 and 1499"},
        CheckCase{"the object of an earlier read row",
                  0,
                  {"8192", "$0", "2", "5", "6"},
                  Rd + "Index and SubIndex are already used in [SDO in Read] row 1"},
        CheckCase{"a write object that a read row has",
                  1,
                  {"0x2000", "0", "4", "0", "1", "2", "3"},
                  Wr + "Index and SubIndex are already used in [SDO in Read] row 1"},
        CheckCase{"the object of an earlier write row",
                  1,
                  {"0x2100", "0x0", "1", "9"},
                  Wr + "Index and SubIndex are already used in [SDO in Write] row 1"},
        CheckCase{"the same index with another sub-index", 1, {"0x2000", "1", "1", "9"}, ""}),
    testsupport::kNameByWhat);

TEST_F(SDOServerTable, RulesOfEveryRowComeBeforeARepeatedObject)
{
    Put(0, 1, {"0x2000", "1", "1", "0"});
    Put(1, 1, {"0x2000", "1", "1", "0"});
    Put(1, 2, {"0x2001", "1", "3", "0"});
    EXPECT_EQ(Check(), "Error row 2!! [SDO in Write] N Byte must be 1 or 2 or 4");
    Cells(1).SetCell(3, 2, "1");
    EXPECT_EQ(Check(), "Error row 1!! [SDO in Write] Index and SubIndex are already used in [SDO in Read] row 1");
}

TEST_F(SDOServerTable, FileHoldsEveryCellAsTypedAndReadsBackTheSame)
{
    Put(0, 1, {"0x2001", "2", "4", "0", "1", "2", "3", "speed"});
    Put(1, 1, {"$2001", "1", "2", "10", "11", "", "", "set point"});
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(),
              "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2001\" SubIndex=\"2\" NByte=\"4\" Address_B1=\"0\" "
              "Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"3\" Mnemonic=\"speed\"/></SDO_Read><SDO_Write>"
              "<row Index=\"$2001\" SubIndex=\"1\" NByte=\"2\" Address_B1=\"10\" Address_B2=\"11\" Address_B3=\"\" "
              "Address_B4=\"\" Mnemonic=\"set point\"/></SDO_Write></SDO_Server_CANopen><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
    EXPECT_EQ(Cells(1).Cell(0, 500), "500");
}

}  // namespace
