// The DeviceNet byte-offset maps without their window: the slaves of the network file, the maps of
// DNETM_DefOff.xml by position, what either file could not give, the check of the output bytes
// and of offsets and slave numbers no map can hold, and the file's exact form.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "ScratchDir.h"
#include "common/ULanguage.h"
#include "core/tables/can_family/DefOffsetTable.h"

namespace {

using namespace tables::can;

class DefOffsetTable : public ::testing::Test {
protected:
    DefOffsetTable() { Load_Default_Lang(); }
    // The network file with one row per slave: ID, NB_IN, NB_OUT.
    std::vector<TSlave_DN> Slaves(const std::vector<std::array<std::string, 3>>& rows)
    {
        std::string text = "<DNET_Net>";
        for (const auto& r : rows)
            text +=
                "<row ID=\"" + r[0] + "\" NB_IN=\"" + r[1] + "\" NB_OUT=\"" + r[2] + "\" Mnemonic=\"m" + r[0] + "\"/>";
        testsupport::WriteFile(net, text + "</DNET_Net>");
        TSlaves_DN read = Load_Slave_DN(net);
        EXPECT_EQ(read.Note, "");
        return read.Slaves;
    }
    std::string Load_Maps(std::vector<TSlave_DN>& slaves, std::string_view text)
    {
        testsupport::WriteFile(maps, text);
        return Load_Offset_Slave_DN(maps, slaves);
    }

    testsupport::ScratchDir dir;
    std::filesystem::path net = dir / "DNETM_Net.xml";
    std::filesystem::path maps = dir / "DNETM_DefOff.xml";
};

TEST_F(DefOffsetTable, SlavesOfTheNetworkFileStartWithEveryByteAtNone)
{
    EXPECT_TRUE(Load_Slave_DN(net).Slaves.empty()) << "no network file, no slave";
    const std::vector<TSlave_DN> slaves = Slaves({{"3", "2", "1"}, {"0x3F", "0", "0"}});
    ASSERT_EQ(slaves.size(), 2u);
    EXPECT_EQ(slaves[0].ID, 3);
    EXPECT_EQ(slaves[0].SL_ByteIN, (std::vector<std::string>{"None", "None"}));
    EXPECT_EQ(slaves[0].SL_ByteOUT_M, (std::vector<std::string>{""}));
    EXPECT_EQ(slaves[0].Texts, (std::array<std::string, 4>{"3", "2", "1", "m3"}));
    EXPECT_EQ(slaves[1].ID, 63);
    EXPECT_TRUE(slaves[1].SL_ByteIN.empty());
    EXPECT_EQ(Offset_File_Text(slaves), "<Define_Offset><Nodo_DNET><ByteIN><row Offset=\"None\" Mnemonic=\"\"/>"
                                        "<row Offset=\"None\" Mnemonic=\"\"/></ByteIN><ByteOUT><row Offset=\"None\" "
                                        "Mnemonic=\"\"/></ByteOUT></Nodo_DNET><Nodo_DNET><ByteIN/><ByteOUT/>"
                                        "</Nodo_DNET></Define_Offset><!--SW_VERSION = 1.000-->");
    EXPECT_EQ(Offset_File_Text({}), "<Define_Offset/><!--SW_VERSION = 1.000-->");
}

TEST_F(DefOffsetTable, NetworkRowWithoutAnAttributeEndsTheSlaves)
{
    testsupport::WriteFile(net, "<N><row ID=\"1\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"\"/><row ID=\"2\" NB_IN=\"1\"/>"
                                "<row ID=\"3\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"\"/></N>");
    const TSlaves_DN read = Load_Slave_DN(net);
    EXPECT_EQ(read.Slaves.size(), 1u);
    EXPECT_NE(read.Note.find(net.string()), std::string::npos) << read.Note;
    EXPECT_NE(read.Note.find("Row 2 has no attribute NB_OUT"), std::string::npos) << read.Note;
}

TEST_F(DefOffsetTable, MapsFillTheSlavesByPositionAndWhatTheyCannotReachIsSaid)
{
    std::vector<TSlave_DN> slaves = Slaves({{"7", "3", "1"}, {"9", "1", "0"}});
    const std::string note =
        Load_Maps(slaves, "<Define_Offset><Nodo_DNET><ByteIN><row Offset=\"10\" Mnemonic=\"a\"/><row Offset=\"11\" "
                          "Mnemonic=\"b\"/></ByteIN><ByteOUT><row Offset=\"20\" Mnemonic=\"c\"/><row Offset=\"21\" "
                          "Mnemonic=\"gone\"/></ByteOUT></Nodo_DNET><Nodo_DNET><ByteOUT/></Nodo_DNET><Nodo_DNET/>"
                          "</Define_Offset>");
    EXPECT_EQ(slaves[0].SL_ByteIN, (std::vector<std::string>{"10", "11", "None"})) << "a grown slave's new byte";
    EXPECT_EQ(slaves[0].SL_ByteIN_M, (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(slaves[0].SL_ByteOUT, (std::vector<std::string>{"20"}));
    EXPECT_EQ(slaves[1].SL_ByteIN, (std::vector<std::string>{"None"}));
    EXPECT_NE(note.find("Nodo_DNET 1/ByteOUT: the file holds 2 rows; the rows after row 1 were not loaded."),
              std::string::npos)
        << note;
    EXPECT_NE(note.find("Nodo_DNET 2/ByteIN: the file has no section for this table."), std::string::npos) << note;
    EXPECT_NE(note.find("Define_Offset: the file holds 3 rows; the rows after row 2 were not loaded."),
              std::string::npos)
        << note;

    std::vector<TSlave_DN> again = Slaves({{"7", "3", "1"}, {"9", "1", "0"}});
    testsupport::WriteFile(maps, Offset_File_Text(slaves));
    EXPECT_EQ(Load_Offset_Slave_DN(maps, again), "") << "what OK writes loads whole";
    EXPECT_EQ(Offset_File_Text(again), Offset_File_Text(slaves));
}

TEST_F(DefOffsetTable, MapRowWithoutAnAttributeEndsTheLoading)
{
    std::vector<TSlave_DN> slaves = Slaves({{"1", "2", "1"}});
    const std::string note = Load_Maps(slaves, "<D><Nodo_DNET><ByteIN><row Offset=\"4\" Mnemonic=\"\"/><row "
                                               "Offset=\"5\"/></ByteIN><ByteOUT><row Offset=\"6\" Mnemonic=\"\"/>"
                                               "</ByteOUT></Nodo_DNET></D>");
    EXPECT_NE(note.find("Row 2 has no attribute Mnemonic (Nodo_DNET 1/ByteIN)"), std::string::npos) << note;
    EXPECT_EQ(slaves[0].SL_ByteIN, (std::vector<std::string>{"4", "None"}));
    EXPECT_EQ(slaves[0].SL_ByteOUT, (std::vector<std::string>{"None"})) << "nothing after the missing attribute";
}

struct CheckCase {
    const char* what;
    std::vector<std::array<std::string, 3>> slaves;                                   // ID, NB_IN, NB_OUT
    std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> maps;  // per slave: in, out
    std::string message;
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.what; }
};

class DefOffsetCheck : public DefOffsetTable, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(DefOffsetCheck, FirstFault)
{
    std::vector<TSlave_DN> slaves = Slaves(GetParam().slaves);
    for (std::size_t k = 0; k < GetParam().maps.size(); ++k) {
        slaves[k].SL_ByteIN = GetParam().maps[k].first;
        slaves[k].SL_ByteOUT = GetParam().maps[k].second;
    }
    EXPECT_EQ(Check_Data(slaves), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DefOffsetCheck,
    ::testing::Values(
        CheckCase{"every byte at None", {{"1", "2", "2"}}, {{{"None", "None"}, {"None", "None"}}}, ""},
        CheckCase{"two input bytes at one offset", {{"1", "2", "0"}}, {{{"5", "5"}, {}}}, ""},
        CheckCase{"an input and an output byte at one offset", {{"1", "1", "1"}}, {{{"5"}, {"5"}}}, ""},
        CheckCase{"two output bytes of one slave at one offset",
                  {{"4", "0", "3"}},
                  {{{}, {"7", "8", "7"}}},
                  "Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet.\n\r( First ID = 4 "
                  "Byte = 0, Second ID = 4 Byte = 2)"},
        CheckCase{"output bytes of two slaves at one offset",
                  {{"4", "0", "1"}, {"12", "0", "2"}},
                  {{{}, {"1439"}}, {{}, {"None", "1439"}}},
                  "Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet.\n\r( First ID = 4 "
                  "Byte = 0, Second ID = 12 Byte = 1)"},
        CheckCase{"an output offset beyond the array",
                  {{"4", "0", "2"}},
                  {{{}, {"0", "1440"}}},
                  "Error in ByteOUT! Byte 1 of the slave in row 1 (ID 4) has the offset 1440: the offsets run from 0 "
                  "to 1439."},
        CheckCase{"an input offset beyond the array",
                  {{"1", "0", "0"}, {"4", "1", "0"}},
                  {{{}, {}}, {{"$FFFF"}, {}}},
                  "Error in ByteIN! Byte 0 of the slave in row 2 (ID 4) has the offset $FFFF: the offsets run from 0 "
                  "to 1439."},
        CheckCase{"texts that read no offset are passed over", {{"1", "1", "2"}}, {{{"x"}, {"-3", "none"}}}, ""},
        CheckCase{"a byte count that is not a number",
                  {{"1", "0", "0"}, {"2", "many", "1"}},
                  {},
                  "Error! The slave in row 2 of the DeviceNet network has NB_IN \"many\", which is not a number from 0 "
                  "to 65535. Correct it in the DeviceNet Network table."},
        CheckCase{"an ID beyond a byte",
                  {{"300", "0", "0"}},
                  {},
                  "Error! The slave in row 1 of the DeviceNet network has ID \"300\", which is not a number from 0 to "
                  "255. Correct it in the DeviceNet Network table."},
        CheckCase{"an output count beyond 65535",
                  {{"1", "0", "65536"}},
                  {},
                  "Error! The slave in row 1 of the DeviceNet network has NB_OUT \"65536\", which is not a number from "
                  "0 to 65535. Correct it in the DeviceNet Network table."}),
    testsupport::kNameByWhat);

}  // namespace
