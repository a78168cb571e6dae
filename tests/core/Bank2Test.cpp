#include <gtest/gtest.h>

#include "BankFixture.h"
#include "CaseName.h"
#include "core/EtherCATBank.h"
#include "core/ParGenFile.h"
#include "platform/rtl/Regional.h"
#include "platform/xml/Xml.h"

using namespace core;
using namespace coretest;

namespace {

constexpr std::size_t Header = 512;
constexpr std::size_t Entries = 552;

std::size_t Entry(std::size_t n)
{
    return Entries + 36 * n;
}

std::string Row(const std::string& enable, const std::string& type, const std::string& length, const std::string& name,
                const std::string& init = "")
{
    return "<row Enable=\"" + enable + "\" Type=\"" + type + "\" Length=\"" + length + "\" Name=\"" + name +
           "\" InitValue=\"" + init + "\"/>";
}

}  // namespace

using Bank2Golden = BankFixture;

TEST_F(Bank2Golden, WithoutVariablesAndConnections)
{
    Write_ParGen_Settings(dir / "ParGen.xml", TParGenSettings{});
    EXPECT_TRUE(Same_Bytes(Bank2(), Load_Hex_Golden("bank2_no_tables.hex")));
}

TEST_F(Bank2Golden, TwoDirectionsWithADisabledRowAndAnUnnamedEntry)
{
    Write_ParGen_Settings(dir / "ParGen.xml", TParGenSettings{});
    Write_File(dir / "EtherCAT_Slave.xml", Read_Golden("ethercat_slave_example.xml"));
    EXPECT_TRUE(Same_Bytes(Bank2(), Load_Hex_Golden("bank2_example.hex")));
}

using EtherCATSection = BankFixture;

TEST_F(EtherCATSection, LengthsOffsetsAndTypeCodes)
{
    Variables(Row("Y", "String", "10", "s") + Row("Y", "Real", "3", "r") + Row("Y", "Bool", "1", "b1") +
                  Row("Y", "Bool", "1", "b2") + Row("y", "Int8", "1", "lower-case y") + Row("Y", "", "", "t"),
              "");
    const auto b = Bank2();
    struct Expect {
        std::uint8_t code, length;
        std::uint32_t offset;
    };
    const Expect expected[] = {{9, 10, 0}, {0, 3, 10}, {1, 1, 13}, {1, 1, 14}, {0, 1, 15}};
    EXPECT_EQ(U32_At(b, Header + 32), 5u) << "the lower-case y row is skipped";
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(b[Entry(i)], expected[i].code) << "entry " << i;
        EXPECT_EQ(b[Entry(i) + 1], expected[i].length) << "entry " << i;
        EXPECT_EQ(U32_At(b, Entry(i) + 8), i) << "subindex of entry " << i;
        EXPECT_EQ(U32_At(b, Entry(i) + 16), expected[i].offset) << "entry " << i;
    }
}

TEST_F(EtherCATSection, NameAddressesCountUtf8Bytes)
{
    // "Température" is 11 characters and 12 UTF-8 bytes.
    Variables(Row("Y", "UInt8", "1", "Temp\xC3\xA9rature") + Row("Y", "UInt8", "1", ""), Row("Y", "UInt8", "1", "x"));
    const auto b = Bank2();
    EXPECT_EQ(U32_At(b, Entry(0) + 28), 12u);
    EXPECT_EQ(U32_At(b, Entry(0) + 32), 0x84A29u);
    EXPECT_EQ(U32_At(b, Entry(1) + 28), 0u);
    EXPECT_EQ(U32_At(b, Entry(1) + 32), 0x84A28u);
    EXPECT_EQ(U32_At(b, Entry(2) + 32), 0x84A29u + 13);
    EXPECT_EQ(b[Entry(2) + 2], 0) << "master to slave";
    const std::string tail(b.begin() + 18985, b.end());
    EXPECT_EQ(tail, std::string("Temp\xC3\xA9rature\0x\0", 15));
}

TEST_F(EtherCATSection, EachBuildHoldsOnlyTheCurrentNames)
{
    std::string ten, five;
    for (int i = 0; i < 10; ++i)
        (i < 5 ? five : ten) += Row("Y", "Int32", "4", "name" + std::to_string(i));
    Variables(ten + five, "");
    TBankStorage s;
    Build_Banks(s, Sources());
    EXPECT_EQ(s.Bank2.Length(), 18985u + 10 * 6);
    Variables(five, "");
    Build_Banks(s, Sources());
    EXPECT_EQ(s.Bank2.Length(), 18985u + 5 * 6);
    EXPECT_EQ(U32_At(s.Bank2.Bytes(), Header + 32), 5u);
    EXPECT_EQ(s.Bank2.Bytes()[Entry(5)], 0) << "entry 5 cleared";
}

// A type and initial value text, and the 8 bytes they compile to.
struct InitCase {
    const char* what;
    const char* type;
    const char* text;
    std::vector<std::uint8_t> bytes;
    char decimal = '.';
};

[[maybe_unused]] static void PrintTo(const InitCase& c, std::ostream* os)
{
    *os << c.what;
}

class InitialValue : public BankFixture, public ::testing::WithParamInterface<InitCase> {};

TEST_P(InitialValue, StoresByType)
{
    const auto& c = GetParam();
    auto settings = rtl::TFormatSettings::Neutral();
    settings.DecimalSeparator = c.decimal;
    rtl::TRegionalScope scope(settings);
    Variables(Row("Y", c.type, "10", "v", c.text), "");
    EXPECT_EQ(Slice(Bank2(), Entry(0) + 20, 8), c.bytes) << c.type << " " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Types, InitialValue,
    ::testing::Values(
        InitCase{"an odd Bool is true", "Bool", "3", {1, 0, 0, 0, 0, 0, 0, 0}},
        InitCase{"an even Bool is false", "Bool", "2", {0, 0, 0, 0, 0, 0, 0, 0}},
        InitCase{"lowest Int8", "Int8", "-128", {0x80, 0, 0, 0, 0, 0, 0, 0}},
        InitCase{"Int16 minus one", "Int16", "-1", {0xFF, 0xFF, 0, 0, 0, 0, 0, 0}},
        InitCase{"Int32 in hexadecimal", "Int32", "$80000000", {0, 0, 0, 0x80, 0, 0, 0, 0}},
        InitCase{"UInt8 not a number is zero", "UInt8", "abc", {0, 0, 0, 0, 0, 0, 0, 0}},
        InitCase{"UInt16 keeps the low 16 bits", "UInt16", "70000", {0x70, 0x11, 0, 0, 0, 0, 0, 0}},
        InitCase{"highest UInt32", "UInt32", "4294967295", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
        InitCase{"Float32", "Float32", "1.5", {0, 0, 0xC0, 0x3F, 0, 0, 0, 0}},
        InitCase{"Float32 with the regional decimal comma", "Float32", "1,5", {0, 0, 0xC0, 0x3F, 0, 0, 0, 0}, ','},
        InitCase{"Float32 with a comma that is not the decimal separator is zero",
                 "Float32",
                 "1,5",
                 {0, 0, 0, 0, 0, 0, 0, 0}},
        InitCase{"Float32 overflow is zero", "Float32", "1e39", {0, 0, 0, 0, 0, 0, 0, 0}},
        InitCase{"largest Float32", "Float32", "3.4028235e38", {0xFF, 0xFF, 0x7F, 0x7F, 0, 0, 0, 0}},
        InitCase{"most negative Float32", "Float32", "-3.4028235e38", {0xFF, 0xFF, 0x7F, 0xFF, 0, 0, 0, 0}},
        InitCase{"Float32 that rounds to infinity is zero", "Float32", "3.4028236e38", {0, 0, 0, 0, 0, 0, 0, 0}},
        InitCase{"String has no initial value", "String", "12", {0, 0, 0, 0, 0, 0, 0, 0}}),
    testsupport::kNameByWhat);

using ConnectionTable = BankFixture;

TEST_F(ConnectionTable, OffsetsTotalsAndFallbacks)
{
    Connections(
        R"(<row Enable="Y" IP_Address="10.0.0.1" Start_Input="3" Num_Input="10" Start_Output="5" Num_Output="4" Time_Poll="100000000" Instance_T_O="2" Connection_Point_T_O="110" Instance_O_T="3" Connection_Point_O_T="120" Dim_Header_T_O="Default" Dim_Header_O_T="default"/>)"
        R"(<row Enable="N" IP_Address="1.1.1.1" Num_Input="99" Num_Output="99"/>)"
        R"(<row Enable=" y " Num_Input="6" Num_Output="0"/>)");
    const auto s = Build();
    const auto& b = s->Bank2.Bytes();
    const auto& g = s->General_Bank;
    EXPECT_EQ(U32_At({g.begin(), g.end()}, 116), 16u);
    EXPECT_EQ(U32_At({g.begin(), g.end()}, 120), 4u);
    EXPECT_EQ(U32_At({g.begin(), g.end()}, 1552), 2u);

    EXPECT_EQ(Slice(b, 0, 32),
              (std::vector<std::uint8_t>{10, 0, 0,   1, 3, 0, 10,  0, 0,    0,    5,    0,    4,    0, 0, 0,
                                         2,  0, 110, 0, 3, 0, 120, 0, 0x00, 0xE1, 0xF5, 0x05, 0x20, 0, 0, 0}));
    // Second record: missing attributes take their fallbacks; offsets follow the first record.
    EXPECT_EQ(Slice(b, 32, 32),
              (std::vector<std::uint8_t>{255, 255, 255, 255, 0, 0, 6,   0, 10,   0,    0, 0, 0,    0, 4, 0,
                                         1,   0,   100, 0,   1, 0, 101, 0, 0xE8, 0x03, 0, 0, 0x20, 0, 0, 0}));
    EXPECT_EQ(Slice(b, 64, 512 - 64), std::vector<std::uint8_t>(512 - 64, 0));
}

// Header sizes and addresses, each on its own connection row.
struct ConnectionCase {
    const char* what;
    const char* attributes;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

[[maybe_unused]] static void PrintTo(const ConnectionCase& c, std::ostream* os)
{
    *os << c.what;
}

class ConnectionField : public BankFixture, public ::testing::WithParamInterface<ConnectionCase> {};

TEST_P(ConnectionField, Compiles)
{
    Connections(std::string("<row Enable=\"Y\" ") + GetParam().attributes + "/>");
    EXPECT_EQ(Slice(Bank2(), GetParam().offset, GetParam().bytes.size()), GetParam().bytes) << GetParam().attributes;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConnectionField,
    ::testing::Values(
        ConnectionCase{"header sizes", R"(Dim_Header_T_O="2" Dim_Header_O_T="9")", 28, {0x0A, 0, 0, 0}},
        ConnectionCase{
            "header sizes that are not numbers", R"(Dim_Header_T_O="x" Dim_Header_O_T="x")", 28, {0x20, 0, 0, 0}},
        ConnectionCase{"an octet above 255", R"(IP_Address="10.0.0.300")", 0, {10, 0, 0, 0}},
        ConnectionCase{"blanks around the address parts", R"(IP_Address=" 10 . 0 . 0 . 1 ")", 0, {10, 0, 0, 1}},
        ConnectionCase{"an address of three parts", R"(IP_Address="1.2.3")", 0, {1, 2, 0, 3}},
        ConnectionCase{"a count keeps its low 16 bits", R"(Num_Input="65537" Time_Poll="4294967297")", 6, {1, 0}},
        ConnectionCase{"a poll time keeps its low 32 bits", R"(Time_Poll="4294967297")", 24, {1, 0, 0, 0}}),
    testsupport::kNameByWhat);

using BuildErrors = BankFixture;

TEST_F(BuildErrors, AFileThatCannotBeUsedStopsTheBuildAndKeepsThePreviousImages)
{
    Variables(Row("Y", "Bool", "1", "a"), "");
    TBankStorage s;
    Build_Banks(s, Sources());
    const auto before1 = s.Bank1.Bytes();
    const auto before2 = s.Bank2.Bytes();

    std::string eleven;
    for (int i = 0; i < 11; ++i)
        eleven += R"(<row Enable="Y" IP_Address="10.0.0.1"/>)";
    std::string many;
    for (int i = 0; i < 513; ++i)
        many += Row("Y", "Bool", "1", "");
    // A file that is not well-formed or lacks a section is an XML error; a well-formed file that
    // holds more than the images take is a file error of its own kind.
    struct Case {
        const char* what;
        const char* file;
        std::string content;
        bool xmlError;
    };
    const Case cases[] = {
        {"not well-formed", "ParGen.xml", "<Par_Gen><a></Par_Gen>", true},
        {"no variables element", "EtherCAT_Slave.xml", "<EtherCAT_Slave/>", true},
        {"no master-to-slave section", "EtherCAT_Slave.xml",
         "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/></EtherCAT_Slave_Variables></"
         "EtherCAT_Slave>",
         true},
        {"more than 512 enabled variables", "EtherCAT_Slave.xml",
         "<E><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + many +
             "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></E>",
         false},
        {"more than 10 enabled connections", "EtherNetIP_Master_Rules.xml", "<R>" + eleven + "</R>", false},
    };
    for (const auto& c : cases) {
        TScratchDir other;
        for (const char* f : {"ParGen.xml", "EtherCAT_Slave.xml", "EtherNetIP_Master_Rules.xml"})
            if (std::filesystem::exists(dir / f))
                std::filesystem::copy_file(dir / f, other / f);
        Write_File(other / c.file, c.content);
        try {
            Build_Banks(s, {other / "ParGen.xml", other / "EtherCAT_Slave.xml", other / "EtherNetIP_Master_Rules.xml"});
            ADD_FAILURE() << c.what << ": no error";
        } catch (const rtl::EFileError& e) {
            EXPECT_EQ(e.File(), (other / c.file).string()) << c.what;
            EXPECT_EQ(dynamic_cast<const xml::XmlError*>(&e) != nullptr, c.xmlError) << c.what;
        }
        EXPECT_EQ(s.Bank1.Bytes(), before1) << c.what;
        EXPECT_EQ(s.Bank2.Bytes(), before2) << c.what;
    }
}

// Something under a table file's name that cannot be read as a file is no missing file: the
// build stops naming it (it would otherwise report success with that table empty).
TEST_F(BuildErrors, ATableFileThatCannotBeReadStopsTheBuildNamingIt)
{
    Variables(Row("Y", "Bool", "1", "a"), "");
    TBankStorage s;
    Build_Banks(s, Sources());
    const auto before2 = s.Bank2.Bytes();
    const char* files[] = {"ParGen.xml", "EtherCAT_Slave.xml", "EtherNetIP_Master_Rules.xml"};
    const std::pair<const char*, const char*> kinds[] = {{"a folder", "it is a folder"},
                                                         {"a link leading nowhere", "its link leads nowhere"}};
    for (const char* file : files) {
        for (const auto& [kind, reason] : kinds) {
            TScratchDir other;
            Write_File(other / "EtherCAT_Slave.xml", Read_File(dir / "EtherCAT_Slave.xml"));
            std::filesystem::remove(other / file);
            if (std::string(kind) == "a folder")
                std::filesystem::create_directories(other / file / "x");
            else
                std::filesystem::create_symlink(other / "gone.xml", other / file);
            try {
                Build_Banks(
                    s, {other / "ParGen.xml", other / "EtherCAT_Slave.xml", other / "EtherNetIP_Master_Rules.xml"});
                ADD_FAILURE() << kind << " as " << file << ": no error";
            } catch (const xml::XmlError& e) {
                EXPECT_EQ(e.File(), (other / file).string()) << kind << " as " << file;
                EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
            }
            EXPECT_EQ(s.Bank2.Bytes(), before2) << kind << " as " << file;
        }
    }
}
