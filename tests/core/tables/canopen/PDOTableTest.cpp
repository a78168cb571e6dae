// The CANopen PDO tables without their window: each rule in order with its exact message, the two
// tables checked receive first, the file's exact form and its round trip, and loading without
// fallbacks.
#include <gtest/gtest.h>

#include "CANopenTableFixture.h"
#include "CaseName.h"
#include "common/UComon.h"
#include "core/tables/canopen/PDOTable.h"

namespace {

using canopentest::CheckCase;

class PDOTable : public canopentest::CANopenTable {
protected:
    PDOTable() : CANopenTable(tables::canopen::Set_PDO_Access_Desc(), File_PDO_CANopen, "PDO_CANopen.xml") {}
};

class PDOCheck : public PDOTable, public ::testing::WithParamInterface<CheckCase> {};

// Row 2 of the table after a good row 1. Columns from 1: COB-ID, Dimension, Add B1 ... Add B8,
// then TimeOut and Mnemonic (receive) or Send Time, On Change and Mnemonic (transmit).
TEST_P(PDOCheck, FirstBrokenRuleOfRowTwo)
{
    const CheckCase& c = GetParam();
    Put(c.table, 1, {"0x181", "1", "0", "", "", "", "", "", "", "", "0"});
    Put(c.table, 2, c.row);
    EXPECT_EQ(Check(), c.message);
}

const std::string Rx = "Error row 2!! [Receive PDO] ", Tx = "Error row 2!! [Transmit PDO] ";

INSTANTIATE_TEST_SUITE_P(
    Rules, PDOCheck,
    ::testing::Values(
        CheckCase{"receive 0x7FF is the last identifier", 0, {"0x7FF", "1", "0", "", "", "", "", "", "", "", "0"}, ""},
        CheckCase{"2047 typed in decimal", 0, {" 2047", "1", "0", "", "", "", "", "", "", "", "0"}, ""},
        CheckCase{"a dollar prefix", 0, {"$7FF", "1", "0", "", "", "", "", "", "", "", "0"}, ""},
        CheckCase{"receive 0x800 is beyond 11 bits",
                  0,
                  {"0x800", "1", "0", "", "", "", "", "", "", "", "0"},
                  Rx + "COB-ID must be between 0x000 and 0x7FF"},
        CheckCase{"hexadecimal without prefix",
                  0,
                  {"7FF", "1", "0", "", "", "", "", "", "", "", "0"},
                  Rx + "COB-ID must be between 0x000 and 0x7FF"},
        CheckCase{"a negative identifier",
                  1,
                  {"-1", "1", "0", "", "", "", "", "", "", "", "0"},
                  Tx + "COB-ID must be between 0x000 and 0x7FF"},
        CheckCase{"no data bytes, before any address",
                  0,
                  {"0x201", "0", "x", "", "", "", "", "", "", "", "0"},
                  Rx + "Dimension must be between 1 and 8"},
        CheckCase{"nine data bytes",
                  1,
                  {"0x201", "9", "0", "", "", "", "", "", "", "", "0"},
                  Tx + "Dimension must be between 1 and 8"},
        CheckCase{"addresses beyond the length are not looked at",
                  0,
                  {"0x201", "2", "0", "1499", "x", "-1", "", "", "", "", "0"},
                  ""},
        CheckCase{"the last position of the array", 0, {"0x201", "1", "1499", "", "", "", "", "", "", "", "0"}, ""},
        CheckCase{"the first byte past the array",
                  0,
                  {"0x201", "1", "1500", "", "", "", "", "", "", "", "0"},
                  Rx + "Address Byte1 must be between 0 and 1499"},
        CheckCase{"the third byte of a transmit PDO",
                  1,
                  {"0x201", "3", "0", "1", "", "", "", "", "", "", "0"},
                  Tx + "Address Byte3 must be between 0 and 1499"},
        CheckCase{"the eighth byte",
                  0,
                  {"0x201", "8", "0", "1", "2", "3", "4", "5", "6", "1500", "0"},
                  Rx + "Address Byte8 must be between 0 and 1499"},
        CheckCase{"the longest time-out", 0, {"0x201", "1", "0", "", "", "", "", "", "", "", "65535"}, ""},
        CheckCase{"a time-out past 16 bits",
                  0,
                  {"0x201", "1", "0", "", "", "", "", "", "", "", "65536"},
                  Rx + "TimeOut must be between 0 and 65535"},
        CheckCase{"an empty time-out",
                  0,
                  {"0x201", "1", "0", "", "", "", "", "", "", "", ""},
                  Rx + "TimeOut must be between 0 and 65535"},
        CheckCase{"the longest send time, any change flag",
                  1,
                  {"0x201", "1", "0", "", "", "", "", "", "", "", "100000000", "maybe"},
                  ""},
        CheckCase{"a send time too long",
                  1,
                  {"0x201", "1", "0", "", "", "", "", "", "", "", "100000001"},
                  Tx + "Send Time must be between 0 and 100000000"},
        CheckCase{"an empty send time",
                  1,
                  {"0x201", "1", "0", "", "", "", "", "", "", "", ""},
                  Tx + "Send Time must be between 0 and 100000000"}),
    testsupport::kNameByWhat);

TEST_F(PDOTable, ReceiveIsCheckedBeforeTransmitAndAnEmptyIdentifierEndsATable)
{
    Put(1, 1, {"0x800", "1", "0", "", "", "", "", "", "", "", "0"});
    Put(0, 1, {"0x181", "1", "0", "", "", "", "", "", "", "", "0"});
    Put(0, 2, {"0x182", "1", "1500", "", "", "", "", "", "", "", "0"});
    EXPECT_EQ(Check(), "Error row 2!! [Receive PDO] Address Byte1 must be between 0 and 1499");
    // A blank identifier ends the receive table: row 2 is no longer checked or written.
    Put(0, 2, {" ", "", "", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(Check(), "Error row 1!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF");
}

TEST_F(PDOTable, FileHoldsEveryCellAsTypedAndReadsBackTheSame)
{
    EXPECT_EQ(Text(), "<PDO_CANopen><Receive_PDO/><Transmit_PDO/></PDO_CANopen><!--SW_VERSION = 1.000-->");
    Put(0, 1, {" 0x201", "2", "10", "11", "x", "", "", "", "", "", "100", "pump <1>"});
    Put(0, 2, {"0x202", "8", "0", "1", "2", "3", "4", "5", "6", "7", "0", ""});
    Put(1, 1, {"$181", "1", "1499", "", "", "", "", "", "", "", "50", "Y", "status"});
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Text(),
              "<PDO_CANopen><Receive_PDO>"
              "<row COB-ID=\" 0x201\" Dimension=\"2\" Address_B1=\"10\" Address_B2=\"11\" Address_B3=\"x\" "
              "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"100\" "
              "Mnemonic=\"pump &lt;1>\"/>"
              "<row COB-ID=\"0x202\" Dimension=\"8\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" "
              "Address_B4=\"3\" Address_B5=\"4\" Address_B6=\"5\" Address_B7=\"6\" Address_B8=\"7\" TimeOut=\"0\" "
              "Mnemonic=\"\"/></Receive_PDO>"
              "<Transmit_PDO><row COB-ID=\"$181\" Dimension=\"1\" Address_B1=\"1499\" Address_B2=\"\" "
              "Address_B3=\"\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" "
              "Send_Time=\"50\" On_Change=\"Y\" Mnemonic=\"status\"/></Transmit_PDO>"
              "</PDO_CANopen><!--SW_VERSION = 1.000-->");
    ExpectByteStableRoundTrip();
    EXPECT_EQ(Row(1, 1)[11], "Y");
    EXPECT_EQ(state.Var("PROFINET_NByte_IN"), 1500);
    EXPECT_EQ(state.Var("PROFINET_NByte_OUT"), 1500);
}

TEST_F(PDOTable, AnAttributeMissingEndsTheLoadingThere)
{
    const std::string note =
        Load("<PDO_CANopen><Receive_PDO>"
             "<row COB-ID=\"1\" Dimension=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" "
             "Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"0\" Mnemonic=\"a\"/>"
             "<row COB-ID=\"2\" Dimension=\"1\"/>"
             "<row COB-ID=\"3\" Dimension=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" "
             "Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"0\" Mnemonic=\"c\"/>"
             "</Receive_PDO><Transmit_PDO/></PDO_CANopen>");
    EXPECT_NE(note.find("Address_B1"), std::string::npos) << note;
    EXPECT_EQ(Row(0, 1)[11], "a");
    EXPECT_EQ(Cells(0).Cell(1, 3), "") << "rows after the broken one are not read";
}

}  // namespace
