// The SCL decoder: the tree it builds from a file, the data sets and GOOSE names, the real model
// files checked against a walk of their own, and files that are broken, hostile or very large.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "CaseName.h"
#include "SclFixtures.h"
#include "ScratchDir.h"
#include "TestData.h"
#include "core/iec61850/SclSource.h"
#include "core/iec61850/UIEC_Client_Decode.h"
#include "platform/xml/Xml.h"

namespace {

namespace fs = std::filesystem;
using iec::TIEC_Device;
using testsupport::ScratchDir;
using testsupport::WriteFile;

std::unique_ptr<TIEC_Device> DecodeText(const ScratchDir& dir, const std::string& text,
                                        const iec::DecodeLimits& limits = {}, const char* name = "model.icd")
{
    WriteFile(dir / name, text);
    return std::make_unique<TIEC_Device>(dir / name, limits);
}

TEST(SclDecode, BuildsTheTreeWithReferencesTypesAndFunctionalConstraints)
{
    ScratchDir dir;
    const auto device = DecodeText(dir, scltest::kServer);
    EXPECT_EQ(device->fFileName, "model.icd");
    EXPECT_TRUE(device->Notes.empty());
    // LN0 and LN alike, comments between them skipped; the node without lnType has nothing; an
    // Enum attribute is a leaf although a DAType of its type id exists; components take the FC of
    // the attribute above unless they carry their own; both LNodeType definitions of MMXU_T count;
    // the second access point and the second IED are not read.
    EXPECT_EQ(scltest::Dump(*device), R"(IED IED1
 LD LD0
  LN |LLN0||LLN0_T
   DO Mod
    DA stVal Enum ST IED1LD0/LLN0.Mod.stVal
    DA q Quality ST IED1LD0/LLN0.Mod.q
    DA Oper Struct CO IED1LD0/LLN0.Mod.Oper
     DA ctlVal Enum CO IED1LD0/LLN0.Mod.Oper.ctlVal
     DA T Timestamp XX IED1LD0/LLN0.Mod.Oper.T
   DO Beh
    DA stVal Enum ST IED1LD0/LLN0.Beh.stVal
    DA q Quality ST IED1LD0/LLN0.Beh.q
   DS DS1 IED1LD0/LLN0.DS1 goose=GCB2
    member IED1LD0/LLN0.Mod.stVal
    member IED1LD1/Q1MMXU1.TotW.mag.f
    member IED1LD1/Q1MMXU1.A.phsA.cVal.mag.f
    member IED1LD0/LLN0.Mod.stVal
   DS DS2 IED1LD0/LLN0.DS2 goose=
    member IED1LD0/LLN0.Beh.q
  LN |LPHD|1|LPHD_T
   DO PhyHealth
    DA stVal Enum ST IED1LD0/LPHD1.PhyHealth.stVal
    DA q Quality ST IED1LD0/LPHD1.PhyHealth.q
  LN |GGIO|1|
 LD LD1
  LN |LLN0||LLN0_T
   DO Mod
    DA stVal Enum ST IED1LD1/LLN0.Mod.stVal
    DA q Quality ST IED1LD1/LLN0.Mod.q
    DA Oper Struct CO IED1LD1/LLN0.Mod.Oper
     DA ctlVal Enum CO IED1LD1/LLN0.Mod.Oper.ctlVal
     DA T Timestamp XX IED1LD1/LLN0.Mod.Oper.T
   DO Beh
    DA stVal Enum ST IED1LD1/LLN0.Beh.stVal
    DA q Quality ST IED1LD1/LLN0.Beh.q
  LN Q1|MMXU|1|MMXU_T
   DO TotW
    DA mag Struct MX IED1LD1/Q1MMXU1.TotW.mag
     DA f FLOAT32 MX IED1LD1/Q1MMXU1.TotW.mag.f
    DA q Quality MX IED1LD1/Q1MMXU1.TotW.q
   DO A
    DO phsA
     DA cVal Struct MX IED1LD1/Q1MMXU1.A.phsA.cVal
      DA mag Struct MX IED1LD1/Q1MMXU1.A.phsA.cVal.mag
       DA f FLOAT32 MX IED1LD1/Q1MMXU1.A.phsA.cVal.mag.f
   DS Meas IED1LD1/MMXU.Meas goose=
    member IED1LD1/Q1MMXU1.TotW.mag
  LN Q2|MMXU|2|MMXU_T
   DO TotW
    DA mag Struct MX IED1LD1/Q2MMXU2.TotW.mag
     DA f FLOAT32 MX IED1LD1/Q2MMXU2.TotW.mag.f
    DA q Quality MX IED1LD1/Q2MMXU2.TotW.q
   DO A
    DO phsA
     DA cVal Struct MX IED1LD1/Q2MMXU2.A.phsA.cVal
      DA mag Struct MX IED1LD1/Q2MMXU2.A.phsA.cVal.mag
       DA f FLOAT32 MX IED1LD1/Q2MMXU2.A.phsA.cVal.mag.f
)");
}

TEST(SclDecode, DataSetMembersAreTheAttributesOfTheDevice)
{
    ScratchDir dir;
    const auto device = DecodeText(dir, scltest::kServer);
    const auto& lln0 = *device->List_LDevice[0]->List_LN[0];
    const auto& ds1 = *lln0.List_DataSet[0];
    // Members are the device's own attributes, not copies; one attribute may be a member twice.
    const auto* mod = lln0.Find_DO("Mod");
    ASSERT_NE(mod, nullptr);
    EXPECT_EQ(ds1.List_DA[0], mod->List_DA[0].get());
    EXPECT_EQ(ds1.List_DA[3], mod->List_DA[0].get());
    // A member in another logical device, found through the first MMXU of that device.
    const auto* totW = device->Find_LDevice("LD1")->Find_LN("MMXU")->Find_DO("TotW");
    EXPECT_EQ(ds1.List_DA[1], totW->List_DA[0]->List_DA[0].get());
    // A structured attribute named by daName is a member as it is, components and all.
    const auto& meas = *device->List_LDevice[1]->List_LN[1]->List_DataSet[0];
    EXPECT_EQ(meas.List_DA[0]->List_DA.size(), 1u);
}

TEST(SclDecode, LookUpsTakeTheFirstMatchDepthFirst)
{
    ScratchDir dir;
    const auto device = DecodeText(dir, scltest::kServer);
    const auto* ld1 = device->Find_LDevice("LD1");
    ASSERT_NE(ld1, nullptr);
    EXPECT_EQ(device->Find_LDevice("ld1"), nullptr);  // case counts
    EXPECT_EQ(ld1->Find_LN("MMXU")->fPrefix, "Q1");
    const auto* mmxu = ld1->Find_LN("MMXU");
    const auto* phsA = mmxu->Find_DO("phsA");
    ASSERT_NE(phsA, nullptr);
    EXPECT_EQ(phsA->Find_DA("f")->fReference, "IED1LD1/Q1MMXU1.A.phsA.cVal.mag.f");
    EXPECT_EQ(phsA->Find_First_DA()->fReference, "IED1LD1/Q1MMXU1.A.phsA.cVal.mag.f");
    EXPECT_EQ(mmxu->Find_DO("A")->Find_First_DA(), nullptr);  // only sub data objects, no attribute
    EXPECT_EQ(mmxu->Find_DO("A")->Find_DA("f"), nullptr);     // sub data objects are not searched
}

TEST(SclDecode, ForgettingTreeNodesEmptiesEveryLink)
{
    ScratchDir dir;
    auto device = DecodeText(dir, scltest::kServer);
    int marks = 0;
    device->TreeNode = &marks;
    auto& ln = *device->List_LDevice[1]->List_LN[1];
    ln.TreeNode = &marks;
    ln.List_DO[1]->List_DO[0]->List_DA[0]->List_DA[0]->TreeNode = &marks;
    ln.List_DataSet[0]->TreeNode = &marks;
    device->ForgetTreeNodes();
    EXPECT_EQ(device->TreeNode, nullptr);
    EXPECT_EQ(ln.TreeNode, nullptr);
    EXPECT_EQ(ln.List_DO[1]->List_DO[0]->List_DA[0]->List_DA[0]->TreeNode, nullptr);
    EXPECT_EQ(ln.List_DataSet[0]->TreeNode, nullptr);
}

// ---- the real model files, against a walk of their own

struct IndependentView {
    std::string iedName;
    std::vector<std::pair<std::string, std::size_t>> lnCounts;  // per logical device
    // "LD/LNindex/DataSet" -> GOOSE name, for logical nodes with lnType
    std::map<std::string, std::string> dataSets;
};

IndependentView WalkOnItsOwn(const fs::path& file)
{
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_file(file.c_str()));
    IndependentView view;
    const auto ied = doc.child("SCL").child("IED");
    view.iedName = ied.attribute("name").value();
    for (const auto ld : ied.child("AccessPoint").child("Server").children("LDevice")) {
        std::size_t lns = 0;
        for (const auto ln : ld.children()) {
            const std::string kind = ln.name();
            if (kind != "LN" && kind != "LN0")
                continue;
            const std::string key = std::string(ld.attribute("inst").value()) + "/" + std::to_string(lns++) + "/";
            if (std::string(ln.attribute("lnType").value()).empty())
                continue;
            for (const auto ds : ln.children("DataSet"))
                view.dataSets.emplace(key + ds.attribute("name").value(), "");
            for (const auto gse : ln.children("GSEControl")) {
                const auto it = view.dataSets.find(key + gse.attribute("datSet").value());
                if (it != view.dataSets.end() && *gse.attribute("name").value())
                    it->second = gse.attribute("name").value();
            }
        }
        view.lnCounts.emplace_back(ld.attribute("inst").value(), lns);
    }
    return view;
}

class RealModelFile : public ::testing::TestWithParam<const char*> {};

TEST_P(RealModelFile, HoldsWhatTheFileHolds)
{
    CFG_TESTDATA_FILE(file, std::string("scl/") + GetParam());
    const TIEC_Device device(file);
    const IndependentView expected = WalkOnItsOwn(file);
    EXPECT_EQ(device.fName, expected.iedName);
    EXPECT_EQ(device.fFileName, GetParam());
    EXPECT_TRUE(device.Notes.empty());
    ASSERT_EQ(device.List_LDevice.size(), expected.lnCounts.size());
    std::map<std::string, std::string> dataSets;
    std::size_t withMembers = 0;
    for (std::size_t l = 0; l < device.List_LDevice.size(); ++l) {
        const auto& ld = *device.List_LDevice[l];
        EXPECT_EQ(ld.fName, expected.lnCounts[l].first);
        EXPECT_EQ(ld.List_LN.size(), expected.lnCounts[l].second) << ld.fName;
        for (std::size_t n = 0; n < ld.List_LN.size(); ++n) {
            for (const auto& ds : ld.List_LN[n]->List_DataSet) {
                dataSets.emplace(ld.fName + "/" + std::to_string(n) + "/" + ds->fName, ds->fGooseName);
                EXPECT_EQ(ds->fReference, device.fName + ld.fName + "/" + ld.List_LN[n]->flnClass + "." + ds->fName);
                withMembers += ds->List_DA.empty() ? 0 : 1;
                for (const auto* member : ds->List_DA)
                    EXPECT_EQ(member->fReference.rfind(device.fName, 0), 0u) << member->fReference;
            }
        }
    }
    EXPECT_EQ(dataSets, expected.dataSets);
    EXPECT_EQ(withMembers, dataSets.size());
}

INSTANTIATE_TEST_SUITE_P(SharedTestData, RealModelFile, ::testing::Values("sample01.icd", "testModel2.icd"),
                         [](const auto& info) { return testsupport::CaseName(info.param); });

TEST(SclDecode, SampleFileMembersFollowTheirFCDAs)
{
    CFG_TESTDATA_FILE(file, "scl/sample01.icd");
    const TIEC_Device device(file);
    const auto& lln0 = *device.Find_LDevice("lDevice1")->List_LN[0];
    ASSERT_EQ(lln0.List_DataSet.size(), 2u);
    // dataset1: TotW without daName gives its first leaf; "cVal.mag.f" is dotted and dropped.
    // dataset2: the dotted doName is dropped; SchdAbsTm.sptestval2 stays.
    std::vector<std::string> members;
    for (const auto& ds : lln0.List_DataSet)
        for (const auto* m : ds->List_DA)
            members.push_back(ds->fName + ": " + m->fReference);
    EXPECT_EQ(members, (std::vector<std::string>{"dataset1: ied1lDevice1/MMXU1.TotW.mag.f",
                                                 "dataset2: ied1lDevice1/DSCH1.SchdAbsTm.sptestval2"}));
}

// ---- the scan that finds the parts to parse, against a parse of the whole file

struct ScanCase {
    const char* what;
    std::string text;
    bool scanned;  // whether the scan is sure of the file (else the whole file is parsed)
};

class SclScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SclScan, GivesWhatTheWholeParseGives)
{
    ScratchDir dir;
    WriteFile(dir / "model.icd", GetParam().text);
    EXPECT_EQ(iec::SclSource(dir / "model.icd", false).Scanned(), GetParam().scanned);
    iec::DecodeLimits whole;
    whole.WholeDocument = true;
    std::string scanned, parsed;
    try {
        scanned = scltest::Dump(TIEC_Device(dir / "model.icd"));
    } catch (const xml::XmlError& e) {
        scanned = std::string("error: ") + e.what();
    }
    try {
        parsed = scltest::Dump(TIEC_Device(dir / "model.icd", whole));
    } catch (const xml::XmlError& e) {
        parsed = std::string("error: ") + e.what();
    }
    EXPECT_EQ(scanned, parsed);
    EXPECT_NE(parsed.find("IED1LD0/LLN0.Mod.stVal"), std::string::npos) << parsed;
}

std::string ServerWith(const std::string& from, const std::string& to)
{
    std::string text = scltest::kServer;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SclScan,
    ::testing::Values(
        ScanCase{"the fixture", scltest::kServer, true},
        ScanCase{"a byte order mark", "\xEF\xBB\xBF" + std::string(scltest::kServer), true},
        ScanCase{"comments processing instructions and character data around the parts",
                 ServerWith("<Header id=\"fixture\"/>",
                            "<!-- <IED name=\"no\"> --><?tool x?><Header><![CDATA[<IED name=\"no\">]]></Header>"),
                 true},
        ScanCase{"quotes of both kinds and a greater-than sign in values",
                 ServerWith("<Header id=\"fixture\"/>", "<Header id='a>b' version=\"it's\" />"), true},
        ScanCase{"an IED further down is not the one read",
                 ServerWith("<Header id=\"fixture\"/>", "<Private><IED name=\"nested\"/></Private>"), true},
        ScanCase{"character references in names",
                 ServerWith("<LDevice inst=\"LD0\">", "<LDevice inst=\"&#76;D&#x30;\">"), true},
        ScanCase{"a document type", "<!DOCTYPE SCL>" + std::string(scltest::kServer).substr(39), false},
        ScanCase{"a Latin-1 declaration", ServerWith("encoding=\"UTF-8\"", "encoding=\"ISO-8859-1\"") + "<!-- \xE9 -->",
                 false},
        ScanCase{"an attribute holding a less-than sign",
                 ServerWith("<Header id=\"fixture\"/>", "<Header id=\"a&lt;b\" x=\"1<2\"/>"), false}),
    testsupport::kNameByWhat);

TEST(SclScanLayout, RefusesWhatIsNotSurelyWellFormed)
{
    const struct {
        const char* what;
        const char* text;
    } cases[] = {
        {"an element left open", "<SCL><IED>"},
        {"crossed end tags", "<SCL><IED></SCL></IED>"},
        {"two document elements", "<SCL/><SCL/>"},
        {"text outside the document element", "<SCL/>x"},
        {"an attribute without quotes", "<SCL a=1/>"},
        {"attributes without a blank between", "<SCL a=\"1\"b=\"2\"/>"},
        {"a name starting with a digit", "<SCL><1IED/></SCL>"},
        {"a comment left open", "<SCL><!-- </SCL>"},
        {"a declaration whose quote runs on", "<?xml version=\"1.0\" encoding=\"utf-8 ?><SCL a=\"x\"/>"},
        {"a declaration after the start", " <?xml version=\"1.0\"?><SCL/>"},
        {"nothing", ""},
    };
    for (const auto& c : cases) {
        iec::SclLayout layout;
        EXPECT_FALSE(iec::Scan_Scl_Layout(c.text, layout)) << c.what;
    }
    iec::SclLayout layout;
    const std::string text = "<SCL><Header/><IED name=\"a\"><x/></IED><IED/><DataTypeTemplates/></SCL>";
    ASSERT_TRUE(iec::Scan_Scl_Layout(text, layout));
    EXPECT_EQ(layout.Root, "SCL");
    EXPECT_EQ(text.substr(layout.Ied.Begin, layout.Ied.End - layout.Ied.Begin), "<IED name=\"a\"><x/></IED>");
    EXPECT_EQ(text.substr(layout.Templates.Begin, layout.Templates.End - layout.Templates.Begin),
              "<DataTypeTemplates/>");
}

// ---- files that are missing, broken or hostile

TEST(SclDecode, MissingFileGivesAnEmptyDeviceWithItsFileName)
{
    ScratchDir dir;
    const TIEC_Device device(dir / "gone.cid");
    EXPECT_EQ(device.fName, "");
    EXPECT_EQ(device.fFileName, "gone.cid");
    EXPECT_TRUE(device.List_LDevice.empty());
}

struct RefusedCase {
    const char* what;
    std::string bytes;
};

class SclRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(SclRefused, ThrowsNamingTheFile)
{
    ScratchDir dir;
    WriteFile(dir / "bad.icd", GetParam().bytes);
    try {
        const TIEC_Device device(dir / "bad.icd");
        FAIL() << "no error";
    } catch (const xml::XmlError& e) {
        EXPECT_NE(std::string(e.what()).find("bad.icd"), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, SclRefused,
                         ::testing::Values(RefusedCase{"an empty file", ""},
                                           RefusedCase{"an element left open", "<SCL><IED name=\"a\">"},
                                           RefusedCase{"binary bytes", std::string("\x7f"
                                                                                   "ELF\x02\x01\x01\0\0\0\xff\xfe\x00<",
                                                                                   14)},
                                           RefusedCase{"two roots", "<SCL/><SCL/>"}),
                         testsupport::kNameByWhat);

// A file built around a fixture: `before` goes before the first IED, `templates` into DataTypeTemplates.
std::string Scl(const std::string& ied, const std::string& templates, const std::string& before = "")
{
    return "<SCL>" + before + ied + "<DataTypeTemplates>" + templates + "</DataTypeTemplates></SCL>";
}

const std::string kOneLN = R"(<IED name="D"><AccessPoint><Server><LDevice inst="L">
  <LN0 lnClass="LLN0" lnType="T"/></LDevice></Server></AccessPoint></IED>)";

std::size_t CountDAs(const iec::TIEC_DA& da)
{
    std::size_t n = 1;
    for (const auto& c : da.List_DA)
        n += CountDAs(*c);
    return n;
}

std::size_t CountObjects(const iec::TIEC_DO& d)
{
    std::size_t n = 1;
    for (const auto& s : d.List_DO)
        n += CountObjects(*s);
    for (const auto& da : d.List_DA)
        n += CountDAs(*da);
    return n;
}

std::size_t CountObjects(const TIEC_Device& device)
{
    std::size_t n = 0;
    for (const auto& ld : device.List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& d : ln->List_DO)
                n += CountObjects(*d);
    return n;
}

std::size_t Depth(const iec::TIEC_DA& da)
{
    std::size_t deepest = 0;
    for (const auto& c : da.List_DA)
        deepest = std::max(deepest, Depth(*c));
    return deepest + 1;
}

std::string Chain(int count)
{
    std::string types = R"(<LNodeType id="T"><DO name="d" type="O"/></LNodeType>
<DOType id="O"><DA name="a" bType="Struct" type="C0"/></DOType>)";
    for (int i = 0; i < count; ++i)
        types += "<DAType id=\"C" + std::to_string(i) + "\"><BDA name=\"b\" bType=\"Struct\" type=\"C" +
                 std::to_string(i + 1) + "\"/></DAType>";
    return types;
}

std::string Doubling(int levels)
{
    std::string types = R"(<LNodeType id="T"><DO name="d" type="O"/></LNodeType>
<DOType id="O"><DA name="a" bType="Struct" type="C0"/></DOType>)";
    for (int i = 0; i < levels; ++i) {
        const std::string next = "C" + std::to_string(i + 1);
        types += "<DAType id=\"C" + std::to_string(i) + "\"><BDA name=\"x\" bType=\"Struct\" type=\"" + next +
                 "\"/><BDA name=\"y\" bType=\"Struct\" type=\"" + next + "\"/></DAType>";
    }
    return types;
}

// A structure that cannot end: what the decoder must cut, and the note that says so.
struct BoundedCase {
    const char* what;
    std::function<std::string()> file;
    iec::DecodeLimits limits;
    const char* note;  // a part of the one note expected
    std::size_t minObjects, maxObjects;
};

class SclBounded : public ::testing::TestWithParam<BoundedCase> {};

TEST_P(SclBounded, EndsWithAPartialModelAndSaysWhatWasLeftOut)
{
    ScratchDir dir;
    const auto device = DecodeText(dir, GetParam().file(), GetParam().limits);
    ASSERT_EQ(device->Notes.size(), 1u);
    EXPECT_NE(device->Notes[0].find(GetParam().note), std::string::npos) << device->Notes[0];
    EXPECT_NE(device->Notes[0].find("model.icd"), std::string::npos) << device->Notes[0];
    const std::size_t objects = CountObjects(*device);
    EXPECT_GE(objects, GetParam().minObjects);
    EXPECT_LE(objects, GetParam().maxObjects);
}

iec::DecodeLimits SmallBudget()
{
    iec::DecodeLimits limits;
    limits.MinBytes = 1 << 20;
    limits.BytesPerFileByte = 0;
    return limits;
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, SclBounded,
    ::testing::Values(
        BoundedCase{"a data object type holding itself",
                    [] {
                        return Scl(kOneLN, R"(<LNodeType id="T"><DO name="d" type="O"/></LNodeType>
                                   <DOType id="O"><DA name="a" bType="INT32"/><SDO name="again" type="O"/></DOType>)");
                    },
                    {},
                    "the type O refers back to itself",
                    3,
                    3},
        BoundedCase{"two attribute types holding each other",
                    [] {
                        return Scl(kOneLN, R"(<LNodeType id="T"><DO name="d" type="O"/></LNodeType>
                                   <DOType id="O"><DA name="a" bType="Struct" type="P"/></DOType>
                                   <DAType id="P"><BDA name="q" bType="Struct" type="Q"/></DAType>
                                   <DAType id="Q"><BDA name="p" bType="Struct" type="P"/></DAType>)");
                    },
                    {},
                    "the type P refers back to itself",
                    4,
                    4},
        BoundedCase{"a chain of types deeper than any model",
                    [] { return Scl(kOneLN, Chain(100000)); },
                    {},
                    "deeper than 64 levels",
                    64,
                    64},
        BoundedCase{"types doubling at every level", [] { return Scl(kOneLN, Doubling(40)); }, SmallBudget(),
                    "needs more than 1 MB", 1000, 20000},
        BoundedCase{"a name of a megabyte in every reference",
                    [] {
                        return Scl(R"(<IED name=")" + std::string(1 << 20, 'N') +
                                       R"("><AccessPoint><Server><LDevice inst="L"><LN0 lnClass="LLN0" lnType="T"/>
                                       </LDevice></Server></AccessPoint></IED>)",
                                   Doubling(12));
                    },
                    [] {
                        iec::DecodeLimits limits;
                        limits.MinBytes = 16 << 20;
                        limits.BytesPerFileByte = 4;
                        return limits;
                    }(),
                    "needs more than 20 MB", 2, 30}),
    testsupport::kNameByWhat);

TEST(SclDecode, ChainWithinTheDepthLimitIsDecodedWhole)
{
    ScratchDir dir;
    const auto device = DecodeText(dir, Scl(kOneLN, Chain(50)));
    EXPECT_TRUE(device->Notes.empty());
    const auto& a = *device->List_LDevice[0]->List_LN[0]->List_DO[0]->List_DA[0];
    EXPECT_EQ(Depth(a), 51u);
}

TEST(SclDecode, DeeplyNestedElementsOutsideTheModelAreHarmless)
{
    std::string nested;
    for (int i = 0; i < 100000; ++i)
        nested += "<Private>";
    for (int i = 0; i < 100000; ++i)
        nested += "</Private>";
    const std::string ied = R"(<IED name="D"><AccessPoint><Server><LDevice inst="L"><LN0 lnClass="LLN0" lnType="T">)" +
                            nested + R"(</LN0></LDevice></Server></AccessPoint></IED>)";
    ScratchDir dir;
    const auto device = DecodeText(dir, Scl(ied, R"(<LNodeType id="T"><DO name="d" type="O"/></LNodeType>
                               <DOType id="O"><DA name="a" bType="INT32" fc="ST"/></DOType>)",
                                            nested));
    EXPECT_EQ(device->List_LDevice[0]->List_LN[0]->List_DO[0]->List_DA[0]->fReference, "DL/LLN0.d.a");
}

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string out = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

TEST(SclDecode, ByteOrderMarksOfUtf8AndUtf16GiveTheSameModel)
{
    ScratchDir dir;
    std::string plain = scltest::kServer;
    plain.erase(0, plain.find("<SCL"));  // the declaration names UTF-8
    const std::string expected = scltest::Dump(*DecodeText(dir, plain));
    EXPECT_EQ(scltest::Dump(*DecodeText(dir, "\xEF\xBB\xBF" + plain, {}, "a.icd")), expected);
    EXPECT_EQ(scltest::Dump(*DecodeText(dir, Utf16(plain, false), {}, "b.icd")), expected);
    EXPECT_EQ(scltest::Dump(*DecodeText(dir, Utf16(plain, true), {}, "c.icd")), expected);
}

TEST(SclDecode, MissingPartsGiveAnEmptyOrPartialDevice)
{
    const std::string server = R"(<Server><LDevice inst="L"><LN0 lnClass="LLN0" lnType="T"/></LDevice></Server>)";
    const std::string types = R"(<DataTypeTemplates><LNodeType id="T"/></DataTypeTemplates>)";
    const struct {
        const char* what;
        std::string file;
        const char* name;
        std::size_t lds;
    } cases[] = {
        {"another root", "<Model><IED name=\"D\"><AccessPoint>" + server + "</AccessPoint></IED>" + types + "</Model>",
         "", 0},
        {"no IED", "<SCL>" + types + "</SCL>", "", 0},
        {"no templates", "<SCL><IED name=\"D\"><AccessPoint>" + server + "</AccessPoint></IED></SCL>", "", 0},
        {"no access point", "<SCL><IED name=\"D\"/>" + types + "</SCL>", "D", 0},
        {"a first access point without server",
         "<SCL><IED name=\"D\"><AccessPoint/><AccessPoint>" + server + "</AccessPoint></IED>" + types + "</SCL>", "D",
         0},
        {"an IED without name", "<SCL><IED><AccessPoint>" + server + "</AccessPoint></IED>" + types + "</SCL>", "", 1},
        {"a prefixed root", "<s:SCL xmlns:s=\"x\"><IED name=\"D\"/>" + types + "</s:SCL>", "", 0},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        const auto device = DecodeText(dir, c.file);
        EXPECT_EQ(device->fName, c.name) << c.what;
        EXPECT_EQ(device->List_LDevice.size(), c.lds) << c.what;
    }
}

TEST(SclDecode, FileOfTwoHundredMegabytesIsDecoded)
{
    // The first IED at the front, then 200 MB that the decoder has no business with.
    std::string file = "<SCL>" + kOneLN + "<Private>";
    const std::string line(1023, 'x');
    file.reserve(210u << 20);
    while (file.size() < (200u << 20))
        file += line + "\n";
    file += R"(</Private><DataTypeTemplates><LNodeType id="T"><DO name="d" type="O"/></LNodeType>
               <DOType id="O"><DA name="a" bType="INT32"/></DOType></DataTypeTemplates></SCL>)";
    ScratchDir dir("scl", testsupport::MemoryFolder());
    const auto device = DecodeText(dir, file);
    file.clear();
    file.shrink_to_fit();
    EXPECT_EQ(device->List_LDevice[0]->List_LN[0]->List_DO[0]->List_DA[0]->fReference, "DL/LLN0.d.a");
}

}  // namespace
