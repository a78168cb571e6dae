#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/sys/TempFolder.h"
#include "platform/xml/AtomicFile.h"
#include "platform/xml/Xml.h"

namespace fs = std::filesystem;

namespace {

class AtomicFile : public testing_support::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        target_ = dir_ / "table.xml";
        Write(target_, "<old/>");
    }
    fs::path target_;
};

}  // namespace

TEST_F(AtomicFile, WriterThatStopsHalfWayLeavesTheOldFile)
{
    EXPECT_THROW(xml::WriteFileAtomically(target_,
                                          [](std::ostream& out) {
                                              out << "<new><row";
                                              throw std::runtime_error("interrupted");
                                          }),
                 std::runtime_error);
    EXPECT_EQ(Read(target_), "<old/>");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFile, WriteThatFailsOnTheDiskLeavesTheOldFile)
{
    // A file-size limit makes the write itself fail part-way, as a full disk would.
    xml::Document doc;
    auto root = doc.CreateRoot("table");
    for (int i = 0; i < 200; ++i)
        root.AppendChild("row").SetAttribute("a", std::string(50, 'x'));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        doc.SaveToFile(target_);
    } catch (const xml::XmlError& e) {
        threw = true;
        EXPECT_EQ(e.File(), target_.string());
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(Read(target_), "<old/>");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFile, ReplacesContentAndKeepsTheFilesPermissions)
{
    fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    xml::WriteFileAtomically(target_, std::string_view("<new/>"));
    EXPECT_EQ(Read(target_), "<new/>");
    EXPECT_EQ(fs::status(target_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A file that did not exist is readable by others, not private like a temporary file.
    const auto fresh = dir_ / "fresh.xml";
    xml::WriteFileAtomically(fresh, [](std::ostream& out) { out << "<a/>"; });
    EXPECT_EQ(Read(fresh), "<a/>");
    const auto perms = fs::status(fresh).permissions();
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
    EXPECT_NE(perms & fs::perms::others_read, fs::perms::none);
    EXPECT_EQ(Entries(), 2u);
}
