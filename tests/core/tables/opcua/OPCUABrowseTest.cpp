// The browse through the search library, end to end through the loader: the stand-in libraries
// of search_library/ (one folder per variant) are loaded as the program loads the real one.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <string>

#include "ScratchDir.h"
#include "core/tables/opcua/OPCUABrowse.h"

namespace {

using namespace tables::opcua;

std::filesystem::path Variant(const char* name)
{
    return std::filesystem::path(CFG_OPC_UA_SEARCH_DIR) / name;
}

TBrowse_Server Plant(const std::string& address)
{
    TBrowse_Server s;
    s.server_address = address;
    s.user_pass_auth_flag = 1;
    s.username = "op\xC3\xA9";  // UTF-8 here, Windows-1252 for the library
    s.password = "pw";
    s.cert = "line1\nline2";
    s.security_type = 2;
    s.security_policy = 5;
    return s;
}

TEST(OpcUaBrowse, CopiesEveryRecordAndItsTexts)
{
    const TBrowse_Result r = Browse_OPC_UA_Server(Plant("opc.tcp://127.0.0.1:4840"), Variant("list"));
    ASSERT_EQ(r.Status, TBrowse_Status::Done) << r.Reason;
    ASSERT_EQ(r.Vars.size(), 6u);
    // The library rewrites one buffer for every record: each name is still its own.
    EXPECT_EQ(r.Vars[0].displayName, "Temperature");
    EXPECT_EQ(r.Vars[1].displayName, "Pressure");
    EXPECT_EQ(r.Vars[4].displayName, "Status \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(Browse_NodeId_Text(r.Vars[0]), "4294967295");
    EXPECT_EQ(Browse_NodeId_Text(r.Vars[1]), "Line1.Pressure");
    EXPECT_EQ(Browse_NodeId_Text(r.Vars[2]), "2147483648");
    EXPECT_EQ(Browse_NodeId_Text(r.Vars[3]), "QkFTRTY0");
    EXPECT_EQ(Browse_NodeId_Text(r.Vars[4]), "1A2B3C4D-ABCD-0102-DEAD-BEEF00010203");
    EXPECT_EQ(r.Vars[2].nameSpaceIndex, 3);
    EXPECT_EQ(r.Vars[5].dataType, 20);
    EXPECT_EQ(r.Vars[4].accessLevel, 4);
}

TEST(OpcUaBrowse, ASecondServerGetsOnlyItsOwnRecords)
{
    const TBrowse_Result a = Browse_OPC_UA_Server(Plant("opc.tcp://127.0.0.1:4840"), Variant("list"));
    const TBrowse_Result b = Browse_OPC_UA_Server(Plant("opc.tcp://plant-b:4840"), Variant("list"));
    EXPECT_EQ(a.Vars.size(), 6u);
    ASSERT_EQ(b.Vars.size(), 2u);
    EXPECT_EQ(b.Vars[0].displayName, "Valve");
    EXPECT_EQ(b.Vars[1].displayName, "Flow");
}

TEST(OpcUaBrowse, TheServerRecordReachesTheLibrary)
{
    // Load the stand-in ourselves to ask it what the browse handed over.
    const std::string file = (Variant("list") / "libOPC_UA_Search.so").string();
    void* h = ::dlopen(file.c_str(), RTLD_NOW);
    ASSERT_NE(h, nullptr);
    auto* last = reinterpret_cast<const char* (*)()>(::dlsym(h, "opcua_test_last_server"));
    ASSERT_NE(last, nullptr);
    Browse_OPC_UA_Server(Plant("opc.tcp://127.0.0.1:4840"), Variant("list"));
    EXPECT_EQ(std::string(last()), "opc.tcp://127.0.0.1:4840|1|op\xE9|pw|line1\nline2||2|5");
    ::dlclose(h);
}

struct VariantCase {
    const char* folder;
    TBrowse_Status status;
    std::size_t records;
    std::int32_t count;
};

TEST(OpcUaBrowse, EachVariantOfTheLibrary)
{
    const VariantCase cases[] = {
        {"empty", TBrowse_Status::Done, 0, 0},
        {"negative", TBrowse_Status::Done, 0, -7},
        {"no_fetch", TBrowse_Status::Functions_Missing, 0, 0},
        {"many", TBrowse_Status::Done, 5000, 5000},
        {"huge", TBrowse_Status::Done, static_cast<std::size_t>(Max_Browse_Records), 2147483647},
    };
    for (const VariantCase& c : cases) {
        const TBrowse_Result r = Browse_OPC_UA_Server(Plant("opc.tcp://127.0.0.1"), Variant(c.folder));
        EXPECT_EQ(r.Status, c.status) << c.folder;
        EXPECT_EQ(r.Vars.size(), c.records) << c.folder;
        EXPECT_EQ(r.Count, c.count) << c.folder;
    }
    const TBrowse_Result many = Browse_OPC_UA_Server(Plant("x"), Variant("many"));
    EXPECT_EQ(many.Vars.back().displayName, "Var 4999");
}

TEST(OpcUaBrowse, MissingLibraryIsReportedWithTheLoadersReason)
{
    testsupport::ScratchDir empty;
    const TBrowse_Result r = Browse_OPC_UA_Server(Plant("x"), empty.Path());
    EXPECT_EQ(r.Status, TBrowse_Status::Library_Missing);
    EXPECT_NE(r.Reason.find("libOPC_UA_Search.so"), std::string::npos) << r.Reason;
}

TEST(OpcUaBrowse, TextsWithoutTerminatorStopAtTheirBound)
{
    const TBrowse_Result r = Browse_OPC_UA_Server(Plant("x"), Variant("unterminated"));
    ASSERT_EQ(r.Vars.size(), 2u);
    EXPECT_EQ(r.Vars[0].displayName, "ABCDEFGH");  // its length field
    EXPECT_EQ(r.Vars[1].displayName.size(), Max_Browse_Text);
}

TEST(OpcUaBrowse, TheProgramFolderComesBeforeTheSystemLoader)
{
    testsupport::ScratchDir empty;
    EXPECT_EQ(Search_Library_Candidates(empty.Path()), std::vector<std::string>{"libOPC_UA_Search.so"});
    EXPECT_EQ(Search_Library_Candidates(Variant("list")),
              (std::vector<std::string>{(Variant("list") / "libOPC_UA_Search.so").string(), "libOPC_UA_Search.so"}));
}

}  // namespace
