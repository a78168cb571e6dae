// The SNMP manager requests without their window: the rules of a row in their order (address, OID,
// timer, size, conversion, SNMPv3), the pass over repeated requests, the fallbacks, and the file
// written readable by its owner only.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

#include "../modbus_s7_bacnet/DialogTables.h"
#include "CaseName.h"
#include "common/UComon.h"
#include "core/tables/mqtt_snmp/SNMPManagerTable.h"
#include "core/tables/mqtt_snmp/TableBlocks.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace tables;
using namespace tables::mqtt_snmp;
using ms7test::RuleCase;

class SNMPManagerTable : public ms7test::DialogTables {
protected:
    SNMPManagerTable() : DialogTables(SNMP_Manager_Desc(), File_SNMP_Manager, "SNMP_Manager.xml") {}
    // A version 3 request with authentication and privacy; each row its own OID.
    std::vector<std::string> Valid_Row(int) const override
    {
        return {"Y",
                "192.168.1.10",
                "3",
                "Morvel",
                "1.3.6.1.4.1." + std::to_string(next_++),
                "Int",
                "Get",
                "N",
                "N",
                "Y",
                "500",
                "0",
                "4",
                "None",
                "N",
                "usr",
                "authpass1",
                "privpass1",
                "Auth Priv",
                "SHA",
                "AES",
                "mnemonic"};
    }
    mutable int next_ = 0;
};

class SNMPManagerCheck : public SNMPManagerTable, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(SNMPManagerCheck, FirstBrokenRuleOfRowFour)
{
    EXPECT_EQ(Check_Case(GetParam()), GetParam().Message);
}

const std::string Prefix = "Error row 4!! ";

INSTANTIATE_TEST_SUITE_P(
    Rules, SNMPManagerCheck,
    ::testing::Values(
        RuleCase{"a valid version 3 row", 0, {}, ""},
        RuleCase{"an address of three parts",
                 0,
                 {{2, "192.168.1"}},
                 Prefix + "IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        RuleCase{"an address part above 255",
                 0,
                 {{2, "192.168.1.256"}},
                 Prefix + "IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        RuleCase{"a disabled row is not tested", 0, {{1, "N"}, {2, "x"}}, ""},
        RuleCase{"a lower-case enable is not Y", 0, {{1, "y"}, {5, ""}}, ""},
        RuleCase{"an empty OID", 0, {{5, ""}}, Prefix + "OID string cannot be empty"},
        RuleCase{"an OID of 62 characters",
                 0,
                 {{5, "1.3.6.1.4.1." + std::string(50, '1')}},
                 Prefix + "OID string is too much length"},
        RuleCase{"an OID with a letter", 0, {{5, "1.3.a"}}, Prefix + "OID string can contains only number and \".\""},
        RuleCase{"an OID with a blank after it",
                 0,
                 {{5, "1.3.6 "}},
                 Prefix + "OID string can contains only number and \".\""},
        RuleCase{"an OID starting with a dot", 0, {{5, ".1.3"}}, Prefix + "OID string cannot start with a \".\""},
        RuleCase{"an OID ending with a dot", 0, {{5, "1.3."}}, Prefix + "OID string cannot finish with a \".\""},
        RuleCase{"an OID with two dots",
                 0,
                 {{5, "1..3"}},
                 Prefix + "OID string cannot contains two or more consecutive \".\""},
        RuleCase{"the largest arc", 0, {{5, "1.4294967295"}}, ""},
        RuleCase{"an arc beyond 32 bits",
                 0,
                 {{5, "1.4294967296"}},
                 Prefix + "OID string cannot contains number major of $FFFFFFFF between two \".\""},
        RuleCase{"no timer with an empty time", 0, {{10, "N"}, {11, ""}}, ""},
        RuleCase{"a timer of no time", 0, {{11, "0"}}, Prefix + "Time must be between 1 and 100000000 ms"},
        RuleCase{"a timer with an empty time", 0, {{11, ""}}, Prefix + "Time must be between 1 and 100000000 ms"},
        RuleCase{"an empty byte count", 0, {{13, ""}}, Prefix + "Number bytes must be between 0 and 1024"},
        RuleCase{"the most bytes", 0, {{13, "1024"}}, ""},
        RuleCase{"too many bytes", 0, {{13, "1025"}}, Prefix + "Number bytes must be between 0 and 1024"},
        RuleCase{"no conversion", 0, {{14, " "}}, Prefix + "Conversion not selected"},
        RuleCase{"version 2 needs no credentials", 0, {{3, "2"}, {16, ""}, {17, "x"}, {19, ""}, {20, ""}}, ""},
        RuleCase{"a user of 16 characters", 0, {{16, std::string(16, 'u')}}, Prefix + "User string is too much length"},
        RuleCase{"no user", 0, {{16, ""}}, Prefix + "User string can not be empty"},
        RuleCase{"a user with a hyphen", 0, {{16, "a-b"}}, Prefix + "User string can contains only number and letters"},
        RuleCase{"an auth pass of seven characters",
                 0,
                 {{17, "1234567"}},
                 Prefix + "Auth Pass string must have at least 8 characters"},
        RuleCase{"an auth pass of 16 characters",
                 0,
                 {{17, std::string(16, 'a')}},
                 Prefix + "Auth Pass string is too much length"},
        RuleCase{"a priv pass with a blank",
                 0,
                 {{18, "priv pass"}},
                 Prefix + "Priv Pass string can contains only number and letters"},
        RuleCase{"no security level", 0, {{19, ""}}, Prefix + "Security Level must be selected"},
        RuleCase{"no authentication needs no modes", 0, {{19, "NoAuth NoPriv"}, {20, ""}, {21, ""}}, ""},
        RuleCase{"authentication without its mode",
                 0,
                 {{19, "Auth NoPriv"}, {20, " "}, {21, ""}},
                 Prefix + "Auth Mode must be selected"},
        RuleCase{"privacy without its mode", 0, {{21, ""}}, Prefix + "Priv Mode must be selected"},
        RuleCase{"privacy and no auth mode names the auth mode first",
                 0,
                 {{20, ""}, {21, ""}},
                 Prefix + "Auth Mode must be selected"}),
    testsupport::kNameByWhat);

// The same address, version and OID in two enabled rows: the earlier row is named first.
TEST_F(SNMPManagerTable, RepeatedRequestsAreRefusedAfterTheRows)
{
    for (int r = 1; r <= 5; ++r)
        Put(0, r, Valid_Row(0));
    grids[0]->SetCell(5, 5, Cell(0, 5, 2));
    EXPECT_EQ(Check(), "Error in rows 2 and 5!! Same IP Address, Version and OID used");

    grids[0]->SetCell(2, 5, " 192.168.1.10 ");
    EXPECT_EQ(Check(), "Error in rows 2 and 5!! Same IP Address, Version and OID used") << "compared trimmed";
    grids[0]->SetCell(2, 5, "192.168.001.10");
    EXPECT_EQ(Check(), "") << "another spelling is another address";
    grids[0]->SetCell(2, 5, "192.168.1.10");
    grids[0]->SetCell(3, 5, "2");
    EXPECT_EQ(Check(), "") << "another version";
    grids[0]->SetCell(3, 5, "3");
    grids[0]->SetCell(1, 5, "N");
    EXPECT_EQ(Check(), "") << "a disabled row";
    grids[0]->SetCell(1, 5, "Y");
    grids[0]->SetCell(11, 5, "0");
    EXPECT_EQ(Check(), "Error row 5!! Time must be between 1 and 100000000 ms") << "the rows are checked first";
}

TEST_F(SNMPManagerTable, EveryAttributeIsGuarded)
{
    const std::map<std::string, std::string> expected = {
        {"Enable", "Y"},   {"IP_Address", ""}, {"Version", ""},      {"Community_String", ""}, {"OID", ""},
        {"Type", ""},      {"Mode", ""},       {"On_Change", "N"},   {"On_Command", "N"},      {"On_Timer", "N"},
        {"Time", ""},      {"Position", ""},   {"Number_Bytes", ""}, {"ConvertFrom", "None"},  {"Cancel", "N"},
        {"User", ""},      {"Auth_Pass", ""},  {"Priv_Pass", ""},    {"Security_Level", ""},   {"Auth_Mode", ""},
        {"Priv_Mode", ""}, {"Mnemonic", ""}};
    EXPECT_EQ(Missing_Attribute_Results(0), expected);
}

TEST_F(SNMPManagerTable, FileHoldsRowsUnderTheRootInColumnOrder)
{
    Put(0, 1, Valid_Row(0));
    EXPECT_EQ(state.Var("Positions"), 1440);
    EXPECT_EQ(Text(),
              "<SNMP_Manager_Access><row Enable=\"Y\" IP_Address=\"192.168.1.10\" Version=\"3\" "
              "Community_String=\"Morvel\" OID=\"1.3.6.1.4.1.0\" Type=\"Int\" Mode=\"Get\" On_Change=\"N\" "
              "On_Command=\"N\" On_Timer=\"Y\" Time=\"500\" Position=\"0\" Number_Bytes=\"4\" ConvertFrom=\"None\" "
              "Cancel=\"N\" User=\"usr\" Auth_Pass=\"authpass1\" Priv_Pass=\"privpass1\" Security_Level=\"Auth Priv\" "
              "Auth_Mode=\"SHA\" Priv_Mode=\"AES\" Mnemonic=\"mnemonic\"/></SNMP_Manager_Access>"
              "<!--SW_VERSION = 1.000-->");
    const std::string text = Text();
    Write_File(text);
    EXPECT_EQ(Show(), "");
    EXPECT_EQ(Text(), text);
}

mode_t Mode_Of(const std::string& file)
{
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st.st_mode & 07777;
}

// The file holds community strings and pass phrases: only its owner reads it, whether it is new or
// was readable by all before; a read-only file stays refused; a failed save leaves no file behind.
TEST_F(SNMPManagerTable, SavedFileIsReadableByItsOwnerOnly)
{
    Put(0, 1, Valid_Row(0));
    Save_Tables(desc, File_SNMP_Manager, grids, state);
    EXPECT_EQ(Mode_Of(File_SNMP_Manager), 0600u);
    EXPECT_EQ(testsupport::ReadFile(File_SNMP_Manager), Text());

    ASSERT_EQ(::chmod(File_SNMP_Manager.c_str(), 0644), 0);
    Save_Tables(desc, File_SNMP_Manager, grids, state);
    EXPECT_EQ(Mode_Of(File_SNMP_Manager), 0600u);

    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(File_SNMP_Manager.c_str(), 0444), 0);
        EXPECT_THROW(Save_Tables(desc, File_SNMP_Manager, grids, state), rtl::Exception);
        EXPECT_EQ(Mode_Of(File_SNMP_Manager), 0400u);
    }

    const std::string missing = dir.File("no/such/folder/SNMP_Manager.xml");
    EXPECT_THROW(Save_Tables(desc, missing, grids, state), rtl::Exception);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
