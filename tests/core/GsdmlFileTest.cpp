#include <gtest/gtest.h>

#include <cstdio>

#include "CoreTestSupport.h"
#include "common/UMaker.h"
#include "core/UProfinetXML.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/xml/Xml.h"

using namespace core;
using namespace coretest;

namespace {

std::string Hex4(unsigned v)
{
    char buf[5];
    std::snprintf(buf, sizeof buf, "%04X", v);
    return buf;
}

// A golden text with the maker's values put in, CR LF line ends and the UTF-8 byte-order mark.
std::string Expected_GSDML(std::string_view golden)
{
    std::string t = Read_Golden(golden);
    t = rtl::ReplaceStr(t, "@VENDOR_ID@", Hex4(maker::PROFINET_Vendor_ID));
    t = rtl::ReplaceStr(t, "@DEVICE_ID@", Hex4(maker::PROFINET_Device_ID));
    t = rtl::ReplaceStr(t, "@VENDOR_NAME@", maker::PROFINET_Vendor_Name);
    t = rtl::ReplaceStr(t, "@DEVICE_INFO@", maker::PROFINET_Device_Info);
    return "\xEF\xBB\xBF" + rtl::ReplaceStr(t, "\n", "\r\n");
}

class GsdmlFile : public ::testing::Test {
protected:
    TScratchDir dir_;
    std::filesystem::path parGen_ = dir_.Path() / "ParGen.xml";
    std::filesystem::path out_ = dir_.Path() / "GSDML-V2.25-Varnok--20130109.xml";

    void ParGen(std::string_view keys)
    {
        Write_File(parGen_, "<Par_Gen>" + std::string(keys) + "</Par_Gen><!--SW_VERSION = 1.000-->");
    }
    std::string Written()
    {
        Write_GSDML_File(out_, parGen_);
        return Read_File(out_);
    }
};

TEST_F(GsdmlFile, WithoutParGenIsTheDefaultDescription)
{
    EXPECT_EQ(Written(), Expected_GSDML("gsdml_default.xml"));
    Expect_Well_Formed_XML(out_);
}

TEST_F(GsdmlFile, ParGenSetsTheDataLengthsFromTheControllersSideAndTheStation)
{
    ParGen("<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>20</PROFINET_NB_OUT>"
           "<PROFINET_NAME_STA>gateway-7</PROFINET_NAME_STA>");
    EXPECT_EQ(Written(), Expected_GSDML("gsdml_custom.xml"));
    Expect_Well_Formed_XML(out_);
}

TEST_F(GsdmlFile, AStationNameFullOfXmlSpecialsReadsBackAsTyped)
{
    const std::string station = " a&b<c>d\"e'f\tg";
    ParGen("<PROFINET_NAME_STA> a&amp;b&lt;c&gt;d\"e'f\tg</PROFINET_NAME_STA>");
    (void)Written();
    Expect_Well_Formed_XML(out_);
    xml::Document doc;
    doc.LoadFromFile(out_.string());
    const xml::Element dap = doc.DocumentElement()
                                 .ChildByName("ProfileBody")
                                 .ChildByName("ApplicationProcess")
                                 .ChildByName("DeviceAccessPointList")
                                 .ChildByName("DeviceAccessPointItem");
    EXPECT_EQ(dap.Attribute("ImplementationType", ""), station);
    EXPECT_EQ(dap.Attribute("DNS_CompatibleName", ""), station);
}

TEST_F(GsdmlFile, AFileThatCannotBeWrittenIsReportedAndAnEarlierOneStays)
{
    // A folder in the file's place: the write fails and the folder with its content stays.
    std::filesystem::create_directories(out_);
    Write_File(out_ / "earlier.txt", "earlier");
    EXPECT_THROW(Write_GSDML_File(out_, parGen_), rtl::Exception);
    EXPECT_EQ(Read_File(out_ / "earlier.txt"), "earlier");
}

struct TParGenCase {
    const char* name;
    const char* content;  // nullptr: no ParGen.xml
    int in;
    int out;
    const char* station;
};

class GsdmlParameters : public GsdmlFile, public ::testing::WithParamInterface<TParGenCase> {};

TEST_P(GsdmlParameters, AreReadWithTheirFallbacks)
{
    const TParGenCase& c = GetParam();
    if (c.content)
        Write_File(parGen_, c.content);
    const TProfinet_Parameters p = Load_PROFINET_Parameters(parGen_);
    EXPECT_EQ(p.Profinet_NB_In, c.in);
    EXPECT_EQ(p.Profinet_NB_Out, c.out);
    EXPECT_EQ(p.Profinet_Station_Name, c.station);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GsdmlParameters,
    ::testing::Values(
        TParGenCase{"NoFile", nullptr, 1438, 1438, "SERIAL"}, TParGenCase{"EmptyFile", "", 1438, 1438, "SERIAL"},
        TParGenCase{"NotWellFormed", "<Par_Gen><PROFINET_NB_IN>7</Par_Gen>", 1438, 1438, "SERIAL"},
        TParGenCase{"NoKeys", "<Par_Gen/>", 1438, 1438, "SERIAL"},
        TParGenCase{"Unreadable", "<Par_Gen><PROFINET_NB_IN>abc</PROFINET_NB_IN></Par_Gen>", 1438, 1438, "SERIAL"},
        TParGenCase{"BeyondTheAccessPoint", "<Par_Gen><PROFINET_NB_OUT>5000</PROFINET_NB_OUT></Par_Gen>", 1438, 5000,
                    "SERIAL"},
        TParGenCase{"HexAndBlanks", "<Par_Gen><PROFINET_NB_IN> $10</PROFINET_NB_IN></Par_Gen>", 16, 1438, "SERIAL"},
        TParGenCase{"BlankStation", "<Par_Gen><PROFINET_NAME_STA>   </PROFINET_NAME_STA></Par_Gen>", 1438, 1438,
                    "SERIAL"},
        TParGenCase{"LeadingBlankKept", "<Par_Gen><PROFINET_NAME_STA> st1</PROFINET_NAME_STA></Par_Gen>", 1438, 1438,
                    " st1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TNameCase {
    const char* name;
    const char* user;
    const char* file;
};

class GsdmlFileName : public ::testing::TestWithParam<TNameCase> {};

TEST_P(GsdmlFileName, IsComposedOfTheFixedPartsAndTheUsersPart)
{
    const TNameCase& c = GetParam();
    EXPECT_EQ(Compose_GSDML_File_Name(GSDML_Fixed_First_Part, c.user, GSDML_Fixed_Last_Part(2013, 1, 9)), c.file);
}

INSTANTIATE_TEST_SUITE_P(Cases, GsdmlFileName,
                         ::testing::Values(TNameCase{"Empty", "", "GSDML-V2.25-Varnok--20130109.xml"},
                                           TNameCase{"Blank", "   ", "GSDML-V2.25-Varnok--20130109.xml"},
                                           TNameCase{"Plain", "Gateway1", "GSDML-V2.25-Varnok-_Gateway1-20130109.xml"},
                                           TNameCase{"Underscored", "_Gateway1",
                                                     "GSDML-V2.25-Varnok-_Gateway1-20130109.xml"},
                                           TNameCase{"LeadingBlank", " Gw", "GSDML-V2.25-Varnok-_ Gw-20130109.xml"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GsdmlFileNameParts, DatesHaveTwoDigitMonthsAndDaysAndUserPartsNoSeparator)
{
    EXPECT_EQ(GSDML_Fixed_Last_Part(2013, 1, 9), "-20130109.xml");
    EXPECT_EQ(GSDML_Fixed_Last_Part(2026, 12, 31), "-20261231.xml");
    EXPECT_TRUE(GSDML_User_Part_Allowed("a:b*c?\\d"));
    EXPECT_FALSE(GSDML_User_Part_Allowed("a/b"));
    EXPECT_FALSE(GSDML_User_Part_Allowed(std::string_view("a\0b", 3)));
}

}  // namespace
