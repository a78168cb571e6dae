#include <gtest/gtest.h>

#include "BankFixture.h"
#include "CaseName.h"
#include "common/UComon.h"
#include "common/UMaker.h"
#include "core/UEtherCAT_ESI_File.h"
#include "platform/rtl/StrUtils.h"
#include "platform/xml/Xml.h"

using namespace core;
using namespace coretest;

namespace {

std::string Hex8(std::uint32_t v)
{
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", v);
    return buf;
}

// A golden text with the maker's values put in and CR LF line ends.
std::string Expected_Text(std::string_view golden)
{
    std::string t = Read_Golden(golden);
    t = rtl::ReplaceStr(t, "@VENDOR_ID@", Hex8(maker::EtherCAT_Vendor_ID));
    t = rtl::ReplaceStr(t, "@PRODUCT_CODE@", Hex8(maker::EtherCAT_Product_Code));
    t = rtl::ReplaceStr(t, "@VENDOR_NAME@", maker::EtherCAT_Vendor_Name);
    t = rtl::ReplaceStr(t, "@GROUP@", maker::EtherCAT_Group_Text);
    t = rtl::ReplaceStr(t, "@LOGO@", maker::Logo_16x14_Hex);
    return rtl::ReplaceStr(t, "\n", "\r\n");
}

std::string Row(const std::string& type, const std::string& length, const std::string& name,
                const std::string& enable = "Y")
{
    return "<row Enable=\"" + enable + "\" Type=\"" + type + "\" Length=\"" + length + "\" Name=\"" + name + "\"/>";
}

std::string Rows(int n, const std::string& type, const std::string& length, const std::string& prefix, int first = 0)
{
    std::string s;
    for (int i = first; i < first + n; ++i)
        s += Row(type, length, prefix + std::to_string(i));
    return s;
}

class EsiFile : public BankFixture {
protected:
    // Generates the file and checks what every ESI file must be: CR LF lines, no byte-order mark,
    // valid against the EtherCAT ESI schema.
    std::string Generate()
    {
        const auto file = dir / "device.xml";
        Build_ESI_File(file, dir / "ParGen.xml", dir / "EtherCAT_Slave.xml");
        const std::string text = Read_File(file);
        EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        EXPECT_EQ(rtl::ReplaceStr(text, "\r\n", "").find('\n'), std::string::npos) << "a bare line feed";
        Expect_Valid_ESI(file);
        return text;
    }
};

// The process-data objects: the lines between the last sync manager and the mailbox.
std::string Pdo_Section(const std::string& text)
{
    const std::string from = "Enable=\"1\">Inputs</Sm>\r\n";
    const auto begin = text.find(from) + from.size();
    const auto end = text.find("        <Mailbox DataLinkLayer");
    return text.substr(begin, end - begin);
}

std::string Outputs_Start(const std::string& text)
{
    const auto at = text.find("ControlByte=\"#x64\"");
    return text.substr(at - 6, 4);
}

}  // namespace

TEST_F(EsiFile, WithoutVariablesIsTheFixed77LineFile)
{
    const std::string text = Generate();
    EXPECT_EQ(text, Expected_Text("esi_no_variables.xml"));
}

struct PdoCase {
    const char* what;
    const char* golden;
    std::string inputs;
    std::string outputs;
    const char* outputs_start;
};

[[maybe_unused]] static void PrintTo(const PdoCase& c, std::ostream* os)
{
    *os << c.what;
}

class EsiPdos : public EsiFile, public ::testing::WithParamInterface<PdoCase> {};

TEST_P(EsiPdos, MatchTheGolden)
{
    const auto& c = GetParam();
    Variables(c.inputs, c.outputs);
    const std::string text = Generate();
    EXPECT_EQ(Pdo_Section(text), Expected_Text(c.golden)) << c.golden;
    EXPECT_EQ(Outputs_Start(text), c.outputs_start) << c.golden;
}

INSTANTIATE_TEST_SUITE_P(
    Variables, EsiPdos,
    ::testing::Values(PdoCase{"one output bit", "esi_pdo_one_output_bool.txt", "", Row("Bool", "1", "a"), "1000"},
                      PdoCase{"eight input bits fill one byte", "esi_pdo_eight_input_bools.txt",
                              Rows(8, "Bool", "1", "in"), "", "1004"},
                      PdoCase{"bits around a word", "esi_pdo_bools_around_int16.txt",
                              Row("Bool", "1", "b0") + Row("Bool", "1", "b1") + Row("Bool", "1", "b2") +
                                  Row("Int16", "2", "w") + Row("Bool", "1", "b3") + Row("Bool", "1", "b4"),
                              "", "100C"},
                      PdoCase{"seventeen outputs take two objects", "esi_pdo_seventeen_outputs.txt", "",
                              Rows(17, "UInt8", "1", "o", 1), "1000"},
                      PdoCase{"a string", "esi_pdo_string10.txt", Row("String", "10", "text"), "", "1020"},
                      PdoCase{"disabled rows leave no gap", "esi_pdo_bools_around_int16.txt",
                              Row("Bool", "1", "b0") + Row("Bool", "1", "b1") + Row("Int8", "1", "off", "N") +
                                  Row("Bool", "1", "b2") + Row("Int16", "2", "w") + Row("Bool", "1", "b3") +
                                  Row("Bool", "1", "b4") + Row("Float32", "4", "never", "N"),
                              "", "100C"}),
    testsupport::kNameByWhat);

TEST_F(EsiFile, BitRunAcrossAPdoBoundaryIsFilledInThePdoOfItsLastEntry)
{
    Variables("", Rows(17, "Bool", "1", "x"));
    const std::string text = Pdo_Section(Generate());
    const auto second = text.find("<Name>Outputs_001</Name>");
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(text.find("<BitLen>7</BitLen>"), text.rfind("<BitLen>7</BitLen>"));
    EXPECT_GT(text.find("\t\t\t\t\t\t<BitLen>7</BitLen>"), second);
    EXPECT_EQ(text.find("\t\t\t\t\t\t<BitLen>"), text.rfind("\t\t\t\t\t\t<BitLen>")) << "one fill entry";
}

struct EsiIdentityCase {
    const char* what;
    std::string keys;
    const char* type_line;
    const char* config_data;
};

[[maybe_unused]] static void PrintTo(const EsiIdentityCase& c, std::ostream* os)
{
    *os << c.what;
}

class EsiIdentity : public EsiFile, public ::testing::WithParamInterface<EsiIdentityCase> {};

TEST_P(EsiIdentity, ComesFromParGen)
{
    ParGen(GetParam().keys);
    const std::string text = Generate();
    const std::string type = "        <Type ProductCode=\"#x" + Hex8(maker::EtherCAT_Product_Code) + "\" " +
                             GetParam().type_line + "</Type>\r\n";
    EXPECT_NE(text.find(type), std::string::npos) << type;
    EXPECT_NE(text.find(std::string("<ConfigData>") + GetParam().config_data + "</ConfigData>"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EsiIdentity,
    ::testing::Values(EsiIdentityCase{"revision", "<EtherCAT_Slave_Revision_Number>1</EtherCAT_Slave_Revision_Number>",
                                      "RevisionNo=\"#x01\">EtherCAT Slave", "800F00CC8813ff00010000800000"},
                      EsiIdentityCase{"highest revision and the slave name",
                                      "<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
                                      "<EtherCAT_Slave_Name>conv</EtherCAT_Slave_Name>",
                                      "RevisionNo=\"#xFFFFFFFF\">conv", "800F00CC8813ff00010000800000"},
                      EsiIdentityCase{"revision not a number and a node address above a byte",
                                      "<EtherCAT_Slave_Revision_Number>x</EtherCAT_Slave_Revision_Number>"
                                      "<EtherCAT_Slave_Node_Address>258</EtherCAT_Slave_Node_Address>",
                                      "RevisionNo=\"#x00\">EtherCAT Slave", "800F00CC8813ff00020100800000"},
                      EsiIdentityCase{"revision in hexadecimal and a node address not a number",
                                      "<EtherCAT_Slave_Revision_Number>$1AB</EtherCAT_Slave_Revision_Number>"
                                      "<EtherCAT_Slave_Node_Address>none</EtherCAT_Slave_Node_Address>",
                                      "RevisionNo=\"#x1AB\">EtherCAT Slave", "800F00CC8813ff00010000800000"}),
    testsupport::kNameByWhat);

TEST_F(EsiFile, NamesAlwaysParseAndKeepTheirWindows1252Characters)
{
    ParGen("<EtherCAT_Slave_Name>A&amp;B &lt;\"x\"&gt;</EtherCAT_Slave_Name>");
    Variables(Row("UInt8", "1", "Temp\xC3\xA9rature \xE2\x82\xAC") + Row("UInt8", "1", "\xCE\xA9 &amp; &lt;&#9;&#1;") +
                  Row("UInt8", "1", "a&#10;b&#13;c"),
              "");
    const std::string text = Generate();
    EXPECT_NE(text.find("<Name LcId=\"1033\">A&amp;B &lt;&quot;x&quot;&gt;</Name>"), std::string::npos);
    EXPECT_NE(text.find("<Name>Temp&#233;rature &#8364;</Name>"), std::string::npos);
    EXPECT_NE(text.find("<Name>? &amp; &lt;&#9;?</Name>"), std::string::npos);
    EXPECT_NE(text.find("<Name>a&#10;b&#13;c</Name>"), std::string::npos);

    xml::Document doc;
    doc.LoadFromFile(dir / "device.xml");
    const auto entries = doc.DocumentElement()
                             .ChildByName("Descriptions")
                             .ChildByName("Devices")
                             .ChildByName("Device")
                             .ChildByName("TxPdo")
                             .Children("Entry");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].ChildByName("Name").Text(), "Temp\xC3\xA9rature \xE2\x82\xAC");
    EXPECT_EQ(entries[2].ChildByName("Name").Text(), "a\nb\rc") << "white space reads back as typed";
}

TEST_F(EsiFile, UnknownTypesAreSingleBits)
{
    Variables(Row("", "", "e") + Row("Real", "4", "r"), "");
    const auto d = Load_EtherCAT_Slave_Data(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml");
    ASSERT_EQ(d.Inputs.size(), 2u);
    for (const auto& r : d.Inputs) {
        EXPECT_EQ(r.DataType, "BIT");
        EXPECT_EQ(r.Length, 1);
    }
    EXPECT_EQ(d.Input_Byte_Count, 1);
    Generate();
}

TEST_F(EsiFile, AVariablesFileWithoutItsSectionsWritesNothing)
{
    Write_File(dir / "device.xml", "earlier");
    Write_File(dir / "EtherCAT_Slave.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables/></EtherCAT_Slave>");
    EXPECT_THROW(Build_ESI_File(dir / "device.xml", dir / "ParGen.xml", dir / "EtherCAT_Slave.xml"), xml::XmlError);
    EXPECT_EQ(Read_File(dir / "device.xml"), "earlier");
}

TEST_F(EsiFile, ATableFileThatCannotBeReadWritesNothingAndIsNamed)
{
    for (const char* file : {"ParGen.xml", "EtherCAT_Slave.xml"}) {
        TScratchDir other;
        Write_File(other / "device.xml", "earlier");
        std::filesystem::create_directories(other / file / "x");
        try {
            Build_ESI_File(other / "device.xml", other / "ParGen.xml", other / "EtherCAT_Slave.xml");
            ADD_FAILURE() << file << ": no error";
        } catch (const xml::XmlError& e) {
            EXPECT_EQ(e.File(), (other / file).string());
            EXPECT_NE(std::string(e.what()).find("it is a folder"), std::string::npos) << e.what();
        }
        EXPECT_EQ(Read_File(other / "device.xml"), "earlier") << file;
    }
}

TEST_F(EsiFile, LengthsThatDoNotFitTheFileAreRefusedNamingTheRow)
{
    struct Case {
        const char* name;
        std::string inputs, outputs;
        const char* row;
    };
    const Case cases[] = {
        {"input string of 2^28 bytes", Row("Bool", "1", "a") + Row("String", "268435456", "s"), "",
         "row 2 of EtherCAT_Slave_To_Master: the length 268435456 "},
        {"output string of 2^28 bytes", "", Row("String", "268435456", "s", "N") + Row("String", "268435456", "s"),
         "row 2 of EtherCAT_Master_To_Slave: the length 268435456 "},
        {"negative input length", Row("Int16", "-1", "w"), "", "row 1 of EtherCAT_Slave_To_Master: the length -1 "},
    };
    for (const Case& c : cases) {
        Write_File(dir / "device.xml", "earlier");
        Variables(c.inputs, c.outputs);
        try {
            Build_ESI_File(dir / "device.xml", dir / "ParGen.xml", dir / "EtherCAT_Slave.xml");
            ADD_FAILURE() << c.name << ": written";
        } catch (const rtl::EFileError& e) {
            EXPECT_EQ(dynamic_cast<const xml::XmlError*>(&e), nullptr) << c.name << ": a size limit is no XML error";
            EXPECT_EQ(e.File(), (dir / "EtherCAT_Slave.xml").string()) << c.name;
            EXPECT_NE(e.Reason().find(c.row), std::string::npos) << c.name << ": " << e.Reason();
        }
        EXPECT_EQ(Read_File(dir / "device.xml"), "earlier") << c.name;
    }
}

TEST_F(EsiFile, InputLengthsUpToTheLimitAreCountedWithoutOverflow)
{
    // A fixed-size input counts the bytes its Length states: nine of the largest length sum to more
    // than 2^31 - 1 bytes. A fixed-size output's length is not used at all.
    Variables(Rows(9, "Int32", "268435455", "s"), Row("UInt8", "2147483647", "o"));
    const auto d = Load_EtherCAT_Slave_Data(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml");
    EXPECT_EQ(d.Input_Byte_Count, 9 * std::int64_t{268435455});
    const std::string text = Generate();
    EXPECT_NE(text.find("<Sm StartAddress=\"#x1B0000FE8\" ControlByte=\"#x64\""), std::string::npos);
}

TEST(EsiHelpers, DataTypesAndThreeDigitNumbers)
{
    struct Case {
        const char* type;
        int bytes;
        const char* esi;
        int bits;
    };
    const Case cases[] = {
        {"Bool", 1, "BIT", 1},          {" int8 ", 1, "SINT", 8},     {"INT16", 2, "INT", 16},
        {"Int32", 4, "DINT", 32},       {"UInt8", 1, "USINT", 8},     {"uint16", 2, "UINT", 16},
        {"UInt32", 4, "UDINT", 32},     {"Float32", 4, "REAL", 32},   {"String", 10, "STRING(10)", 80},
        {"string", 3, "STRING(3)", 24}, {"ByteString", 10, "BIT", 1}, {"", 0, "BIT", 1}};
    for (const auto& c : cases) {
        std::int64_t length = c.bytes;
        EXPECT_EQ(ESI_Data_Type(c.type, length), c.esi) << c.type;
        EXPECT_EQ(length, c.bits) << c.type;
    }
    const std::pair<int, const char*> numbers[] = {{0, "000"},  {9, "009"},   {10, "010"},
                                                   {99, "099"}, {100, "100"}, {1234, "1234"}};
    for (const auto& [n, text] : numbers)
        EXPECT_EQ(Format_3_Digits(n), text);
}

TEST_F(EsiFile, ProgramEntryReadsTheOpenConfiguration)
{
    struct Restore {
        ~Restore() { File_ParGen = File_EtherCAT_Slave = ""; }
    } restore;
    File_ParGen = (dir / "ParGen.xml").string();
    File_EtherCAT_Slave = (dir / "EtherCAT_Slave.xml").string();
    ParGen("<EtherCAT_Slave_Name>from globals</EtherCAT_Slave_Name>");
    Variables("", Row("Bool", "1", "a"));
    Build_ESI_File((dir / "open.xml").string());
    const std::string text = Read_File(dir / "open.xml");
    EXPECT_NE(text.find("<Name LcId=\"1033\">from globals</Name>"), std::string::npos);
    EXPECT_EQ(Pdo_Section(text), Expected_Text("esi_pdo_one_output_bool.txt"));
}
