// Replacing a file whole: what an interrupted save leaves, read-only and linked targets, long names.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "Raises.h"
#include "TempDir.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace rtl {
namespace {

namespace fs = std::filesystem;

using rtl_test::Names;

// Saves the file in a child process that dies part-way through writing (a file-size limit kills
// it, as a crash or a power cut would stop it), so that whatever an interrupted save leaves stays.
void SaveAndDie(const std::string& file)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        WriteFileAtomic(file, std::string(100000, 'x'));
        ::_exit(0);  // not reached
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
}

TEST(AtomicWrite, TheNextSaveRemovesWhatAnInterruptedSaveOfTheSameFileLeft)
{
    rtl_test::TempDir dir;
    const std::string target = dir.file("table.xml"), other = dir.file("other.xml");
    rtl_test::writeAll(target, "old");
    SaveAndDie(target);
    SaveAndDie(other);
    EXPECT_EQ(rtl_test::readAll(target), "old");
    ASSERT_EQ(Names(dir.path()).size(), 3u);  // the file and two left-over temporaries

    WriteFileAtomic(target, "new");
    EXPECT_EQ(rtl_test::readAll(target), "new");
    // Only the temporary of the other file is left, until that file is saved.
    EXPECT_EQ(Names(dir.path()).size(), 2u);
    WriteFileAtomic(other, "o");
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"other.xml", "table.xml"}));
}

TEST(AtomicWrite, ATemporaryASaveStillWritesIsLeftAlone)
{
    rtl_test::TempDir dir;
    const std::string target = dir.file("table.xml");
    SaveAndDie(target);
    auto names = Names(dir.path());
    ASSERT_EQ(names.size(), 1u);
    // Held as a save that is still running holds its temporary.
    const std::string temporary = dir.file(*names.begin());
    const int fd = ::open(temporary.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    WriteFileAtomic(target, "new");
    EXPECT_TRUE(fs::exists(temporary));
    ::close(fd);
    WriteFileAtomic(target, "newer");
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"table.xml"}));
}

TEST(AtomicWrite, AReadOnlyFileIsNotReplaced)
{
    rtl_test::TempDir dir;
    const std::string target = dir.file("Brevandor.xml");
    rtl_test::writeAll(target, "kept");
    ::chmod(target.c_str(), 0444);
    EXPECT_TRUE(rtl_test::RaisesWith<EFCreateError>([&] { WriteFileAtomic(target, "new"); },
                                                    "Cannot create file \"" + target + "\". The file is read-only"));
    EXPECT_EQ(rtl_test::readAll(target), "kept");
    EXPECT_EQ(Names(dir.path()).size(), 1u);
}

TEST(AtomicWrite, ALinkedFileIsWrittenThroughItsLink)
{
    rtl_test::TempDir dir;
    fs::create_directory(dir.path() / "real");
    const fs::path data = dir.path() / "real" / "data.xml";
    rtl_test::writeAll(data.string(), "old");
    ::chmod(data.c_str(), 0640);
    fs::create_symlink("real/data.xml", dir.path() / "link.xml");  // relative, as users make them
    fs::create_symlink(dir.path() / "link.xml", dir.path() / "chain.xml");
    fs::create_symlink("real/absent.xml", dir.path() / "dangling.xml");

    WriteFileAtomic(dir.file("chain.xml"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "chain.xml"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.xml"));
    EXPECT_EQ(rtl_test::readAll(data.string()), "new");
    EXPECT_EQ(fs::status(data).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    WriteFileAtomic(dir.file("dangling.xml"), "made");  // the link's target is created
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling.xml"));
    EXPECT_EQ(rtl_test::readAll((dir.path() / "real" / "absent.xml").string()), "made");
    EXPECT_EQ(Names(dir.path() / "real"), (std::set<std::string>{"absent.xml", "data.xml"}));
}

TEST(AtomicWrite, TheLongestLegalNamesCanBeSaved)
{
    std::string twoByteLetters;
    for (int i = 0; i < 127; ++i)
        twoByteLetters += "\xC3\xA9";
    for (const std::string& name : {std::string(250, 'n'), std::string(255, 'n'), twoByteLetters}) {
        SCOPED_TRACE(name.size());
        rtl_test::TempDir dir;
        WriteFileAtomic(dir.file(name), "content");
        EXPECT_EQ(rtl_test::readAll(dir.file(name)), "content");
        EXPECT_EQ(Names(dir.path()), std::set<std::string>{name});
    }
}

// A file written piece by piece replaces the target only when committed; a writer that goes away
// uncommitted, flushed or not, leaves the target and no temporary behind.
TEST(AtomicWrite, AFileWrittenInPiecesIsInPlaceOnlyOnceCommitted)
{
    struct Case {
        const char* what;
        bool flush, commit;
        std::string expected;
    };
    const std::string big(5 << 20, 'b');  // past the point where the disk is asked to start
    const Case cases[] = {{"committed", false, true, "ab" + big + "cd"},
                          {"flushed only", true, false, "old"},
                          {"dropped", false, false, "old"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rtl_test::TempDir dir;
        const std::string target = dir.file("cells.bin");
        rtl_test::writeAll(target, "old");
        {
            AtomicFileWriter file(target);
            for (const std::string& piece : {std::string("ab"), std::string(), big, std::string("cd")})
                file.Write(piece);
            EXPECT_EQ(rtl_test::readAll(target), "old");
            if (c.flush)
                file.Flush();
            if (c.commit) {
                file.Commit();
                file.Commit();  // a second commit changes nothing
            }
        }
        EXPECT_EQ(rtl_test::readAll(target), c.expected);
        EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"cells.bin"}));
    }
}

// A piece that cannot be written (here past a file-size limit) fails naming the file, removes the
// temporary at once and leaves the target; the writer refuses to commit afterwards.
TEST(AtomicWrite, AFailedPieceRemovesTheTemporaryAtOnce)
{
    rtl_test::TempDir dir;
    const std::string target = dir.file("cells.bin");
    rtl_test::writeAll(target, "old");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        int code = 0;
        AtomicFileWriter file(target);
        file.Write(std::string(1000, 'x'));
        try {
            file.Write(std::string(100000, 'x'));
            code = 1;
        } catch (const EFCreateError& e) {
            if (e.Message.find(target) == std::string::npos)
                code = 2;
        }
        if (Names(dir.path()).size() != 1)
            code = 3;
        try {
            file.Commit();
            code = 4;
        } catch (const EFCreateError&) {
        }
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(rtl_test::readAll(target), "old");
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"cells.bin"}));
}

}  // namespace
}  // namespace rtl
