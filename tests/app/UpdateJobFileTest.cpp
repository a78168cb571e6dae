#include "core/UBootJob.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "TempProgramFolder.h"

namespace {

core::TUpdateJob Job(int option, bool readBack)
{
    return {"10.0.0.7", option, readBack, "/prog/MASTER", "/prog/PROJECTS/demo"};
}

std::vector<std::string> Values(const xml::Element& op, const char* name)
{
    std::vector<std::string> v;
    for (const xml::Element& e : op.Children("Operation"))
        v.push_back(e.ChildByName(name).Text().value_or("<missing>"));
    return v;
}

}  // namespace

TEST(UpdateJobFileTest, OperationsFollowTheOption)
{
    using V = std::vector<std::string>;
    struct Case {
        int option;
        bool readBack;
        V files, starts, banks, readBacks, goToApp, writeCss;
    };
    const std::string fw = "/prog/MASTER/Sim58E26.sim";
    const std::string b1 = "/prog/PROJECTS/demo/bin/bank1.bin";
    const std::string b2 = "/prog/PROJECTS/demo/bin/bank2.bin";
    const Case cases[] = {
        {0,
         true,
         {fw, b1, b2},
         {"0x8000", "0x07000", "0x80000"},
         {"1", "2", "2"},
         {"1", "1", "1"},
         {"0", "0", "1"},
         {"1", "0", "0"}},
        {1, false, {fw}, {"0x8000"}, {"1"}, {"0"}, {"1"}, {"1"}},
        {2, true, {b1, b2}, {"0x07000", "0x80000"}, {"2", "2"}, {"1", "1"}, {"0", "1"}, {"0", "0"}},
    };
    for (const Case& c : cases) {
        xml::Document doc;
        core::Build_Update_Job(doc, Job(c.option, c.readBack));
        const xml::Element ops = doc.DocumentElement().ChildByName("Operations");
        EXPECT_EQ(Values(ops, "Ope_FileName"), c.files) << c.option;
        EXPECT_EQ(Values(ops, "Ope_Start_Address"), c.starts) << c.option;
        EXPECT_EQ(Values(ops, "Ope_Bank_Type"), c.banks) << c.option;
        EXPECT_EQ(Values(ops, "Ope_Read_Back"), c.readBacks) << c.option;
        EXPECT_EQ(Values(ops, "Ope_GoToApp_After"), c.goToApp) << c.option;
        EXPECT_EQ(Values(ops, "Ope_Write_CSS"), c.writeCss) << c.option;
    }
}

TEST(UpdateJobFileTest, FileHoldsTheFixedHeaderAndTwentyElementsPerOperation)
{
    TempProgramFolder folder;
    xml::Document doc;
    doc.LoadFromString("<Other><x/></Other>");
    const auto file = folder.dir / "Ethernet_Update.xml";
    core::Compile_XML_Parameter_New_Boot(doc, Job(2, false), file);

    xml::Document back;
    back.LoadFromFile(file);
    const xml::Element root = back.DocumentElement();
    ASSERT_EQ(root.Name(), "Ethernet_Update");
    std::vector<std::string> names;
    for (const xml::Element& e : root.Children())
        names.emplace_back(e.Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Version", "Title", "IP_Address_Dev", "Application_Port", "Boot_Port",
                                               "Boot_Port_Sec", "Address_Protection", "Protections", "Operations"}));
    EXPECT_EQ(root.ChildByName("Version").Text(), "1000");
    EXPECT_EQ(root.ChildByName("IP_Address_Dev").Text(), "10.0.0.7");
    EXPECT_EQ(root.ChildByName("Protections").ChildByName("Protection").Text(), "0x448");
    for (const xml::Element& op : root.ChildByName("Operations").Children()) {
        EXPECT_EQ(op.Children().size(), 20u);
        EXPECT_EQ(op.ChildByName("Ope_Protection_Enabled").Text(), "");
        EXPECT_EQ(op.ChildByName("Ope_WID_Data").Text(), "0x00, 0x00, 0x00, 0x01");
    }
}

TEST(UpdateJobFileTest, UnwritableJobFileIsAnError)
{
    TempProgramFolder folder;
    xml::Document doc;
    EXPECT_THROW(core::Compile_XML_Parameter_New_Boot(doc, Job(0, true), folder.dir / "missing" / "job.xml"),
                 xml::XmlError);
}

TEST(UpdateJobFileTest, UpdateOptionGroups)
{
    EXPECT_EQ(core::Update_Options("x ", 0, true), "x FW FR PW PR ");
    EXPECT_EQ(core::Update_Options("", 0, false), "FW NO PW NO ");
    EXPECT_EQ(core::Update_Options("", 1, true), "FW FR NO NO ");
    EXPECT_EQ(core::Update_Options("", 2, true), "NO NO PW PR ");
}

TEST(UpdateJobFileTest, PingSequenceOutcomes)
{
    using namespace std::chrono_literals;
    struct Case {
        const char* label;
        std::vector<int> replies;  // bytes per echo; -1 throws; the last value repeats
        bool found;
        int ping_res;
        int minEchoes;
    };
    const Case cases[] = {
        {"answers", {1024}, true, 1, 2},         {"silent", {0}, false, 2, 2},
        {"first only", {1024, 0}, false, 2, 2},  {"late answer", {0, 0, 1024}, true, 1, 4},
        {"unusable address", {-1}, false, 0, 1}, {"fails after a reply", {1024, -1}, false, 1, 2},
    };
    for (const Case& c : cases) {
        std::size_t calls = 0;
        core::TEchoFunction echo = [&](const std::string& host) -> std::size_t {
            EXPECT_EQ(host, "127.0.0.1");
            const int r = c.replies[std::min(calls, c.replies.size() - 1)];
            ++calls;
            if (r < 0)
                throw std::runtime_error("bad address");
            return static_cast<std::size_t>(r);
        };
        core::TPingState state;
        const bool found = core::Send_Ping("127.0.0.1", state, echo, {}, 100ms);
        EXPECT_EQ(found, c.found) << c.label;
        EXPECT_EQ(state.ping_res, c.ping_res) << c.label;
        EXPECT_GE(calls, static_cast<std::size_t>(c.minEchoes)) << c.label;
        if (c.found) {
            EXPECT_LE(calls, static_cast<std::size_t>(c.minEchoes)) << c.label;
        }
    }
}

TEST(UpdateJobFileTest, LoopbackAnswersTheSystemEcho)
{
    core::TPingState state;
    bool found = false;
    try {
        found = core::Send_Ping("127.0.0.1", state, core::System_Echo());
    } catch (...) {
    }
    if (!found && state.ping_res == 0)
        GTEST_SKIP() << "no echo socket available here";
    EXPECT_TRUE(found);
    EXPECT_EQ(state.ping_res, 1);
}
