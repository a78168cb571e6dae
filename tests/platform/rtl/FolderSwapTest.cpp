// Files of a folder replaced together: what the folder keeps, what is refused, what a save that
// died leaves for the next one, the way round for file systems without hard links, and a stop at
// every point of a save.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "KillAtSystemCalls.h"
#include "TempDir.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FolderSwap.h"

namespace rtl {
namespace {

namespace fs = std::filesystem;
using rtl_test::Names;
using rtl_test::readAll;
using rtl_test::TempDir;
using rtl_test::writeAll;

unsigned ModeOf(const fs::path& p)
{
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st.st_mode & 07777;
}

ino_t InodeOf(const fs::path& p)
{
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st.st_ino;
}

const std::vector<TNewFile> kPair = {{"one.bin", "new one"}, {"two.bin", "new two"}};

TEST(FolderSwap, ReplacesTheNamedFilesAndKeepsEverythingElse)
{
    TempDir dir;
    const fs::path bin = dir.path() / "bin";
    writeAll((bin / "one.bin").string(), "old one");
    ::chmod((bin / "one.bin").c_str(), 0600);
    writeAll((bin / "notes.txt").string(), "notes");
    writeAll((bin / "sub" / "inner.txt").string(), "inner");
    fs::create_symlink("notes.txt", bin / "link");
    ::chmod((bin / "sub").c_str(), 0700);
    ::chmod(bin.c_str(), 0750);
    const ino_t notes = InodeOf(bin / "notes.txt");
    fs::create_directory_symlink("bin", dir.path() / "binlink");

    ReplaceFilesTogether(dir.path() / "binlink", kPair);  // through a link to the folder

    EXPECT_TRUE(fs::is_symlink(dir.path() / "binlink"));
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"bin", "binlink"})) << "nothing left beside the folder";
    EXPECT_EQ(Names(bin), (std::set<std::string>{"link", "notes.txt", "one.bin", "sub", "two.bin"}));
    EXPECT_EQ(readAll((bin / "one.bin").string()), "new one");
    EXPECT_EQ(readAll((bin / "two.bin").string()), "new two");
    EXPECT_EQ(ModeOf(bin / "one.bin"), 0600u) << "a replaced file keeps its permissions";
    EXPECT_EQ(ModeOf(bin / "two.bin"), 0644u);
    EXPECT_EQ(ModeOf(bin), 0750u);
    EXPECT_EQ(ModeOf(bin / "sub"), 0700u);
    EXPECT_EQ(InodeOf(bin / "notes.txt"), notes) << "the other files are the same files";
    EXPECT_EQ(readAll((bin / "sub" / "inner.txt").string()), "inner");
    EXPECT_EQ(fs::read_symlink(bin / "link"), "notes.txt");
}

TEST(FolderSwap, RefusalsNameTheFileAndReplaceNothing)
{
    struct Case {
        const char* name;
        std::function<void(const fs::path& bin)> make;
        const char* file;    // named in the error, under the folder
        const char* reason;  // in the message
    };
    const Case cases[] = {
        {"no folder", [](const fs::path&) {}, "one.bin", "No such file"},
        {"a file in the folder's place", [](const fs::path& bin) { writeAll(bin.string(), "x"); }, "one.bin",
         "Not a directory"},
        {"a folder in a file's place",
         [](const fs::path& bin) {
             writeAll((bin / "one.bin").string(), "old one");
             fs::create_directories(bin / "two.bin" / "x");
         },
         "two.bin", "Is a directory"},
        {"a read-only file",
         [](const fs::path& bin) {
             writeAll((bin / "one.bin").string(), "old one");
             writeAll((bin / "two.bin").string(), "old two");
             ::chmod((bin / "two.bin").c_str(), 0444);
         },
         "two.bin", "read-only"},
        {"a link in a file's place",
         [](const fs::path& bin) {
             writeAll((bin / "one.bin").string(), "old one");
             fs::create_symlink("one.bin", bin / "two.bin");
         },
         "two.bin", "not a regular file"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const fs::path bin = dir.path() / "bin";
        c.make(bin);
        try {
            ReplaceFilesTogether(bin, kPair);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EFileError& e) {
            EXPECT_EQ(e.File(), (bin / c.file).string()) << c.name;
            EXPECT_NE(e.Message.find(c.reason), std::string::npos) << c.name << ": " << e.Message;
        }
        std::error_code ec;
        if (fs::is_regular_file(bin / "one.bin", ec)) {
            EXPECT_EQ(readAll((bin / "one.bin").string()), "old one") << c.name;
        }
        EXPECT_EQ(Names(dir.path()).size(), fs::exists(bin, ec) ? 1u : 0u) << c.name << ": something left beside";
    }
}

TEST(FolderSwap, WhatASaveThatDiedLeftGoesWithTheNextSave)
{
    TempDir dir;
    const fs::path bin = dir.path() / "bin";
    writeAll((bin / "one.bin").string(), "old one");
    writeAll((dir.path() / ".bin.swap.Ab12Cd" / "one.bin").string(), "left over");
    // A save running beside this one holds its folder: it stays.
    writeAll((dir.path() / ".bin.swap.Zz99Zz" / "one.bin").string(), "in use");
    const int held = ::open((dir.path() / ".bin.swap.Zz99Zz").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // Not of this folder's saves.
    writeAll((dir.path() / ".bin2.swap.Ab12Cd" / "x").string(), "other");
    writeAll((dir.path() / ".bin.swap.toolong" / "x").string(), "other");

    ReplaceFilesTogether(bin, kPair);
    ::close(held);
    EXPECT_EQ(Names(dir.path()),
              (std::set<std::string>{".bin.swap.Zz99Zz", ".bin.swap.toolong", ".bin2.swap.Ab12Cd", "bin"}));
    EXPECT_EQ(readAll((bin / "one.bin").string()), "new one");
}

// A file that cannot be linked (immutable) keeps the folder from being made anew: the files are
// then written beside their targets and renamed, and the folder is the same folder.
TEST(FolderSwap, AFolderThatCannotBeMadeAnewHasItsFilesReplacedInPlace)
{
    TempDir dir;
    const fs::path bin = dir.path() / "bin";
    writeAll((bin / "one.bin").string(), "old one");
    writeAll((bin / "fixed.txt").string(), "fixed");
    const int fd = ::open((bin / "fixed.txt").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    const bool immutable = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                           (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
    if (!immutable) {
        ::close(fd);
        GTEST_SKIP() << "files cannot be made immutable here";
    }
    const ino_t folder = InodeOf(bin);
    ReplaceFilesTogether(bin, kPair);
    flags &= ~FS_IMMUTABLE_FL;
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
    EXPECT_EQ(InodeOf(bin), folder);
    EXPECT_EQ(Names(bin), (std::set<std::string>{"fixed.txt", "one.bin", "two.bin"}));
    EXPECT_EQ(readAll((bin / "one.bin").string()), "new one");
    EXPECT_EQ(readAll((bin / "two.bin").string()), "new two");
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"bin"}));
}

// Killed before each system call of a save in turn: the folder holds the old files or the new
// ones, never some of each, and keeps what else it held.
TEST(FolderSwap, AStopAtAnyPointLeavesAllFilesOldOrAllNew)
{
    const testsupport::ScratchDir dir("folderswap", testsupport::MemoryFolder());
    const fs::path bin = dir.Path() / "bin";
    auto contents = [&] { return readAll((bin / "one.bin").string()) + "|" + readAll((bin / "two.bin").string()); };
    std::vector<int> mixed;
    std::set<std::string> seen;
    const int rounds = testsupport::KillAtEverySystemCall(
        [&] {
            fs::remove_all(bin);
            writeAll((bin / "one.bin").string(), "old one");
            writeAll((bin / "two.bin").string(), "old two");
            writeAll((bin / "notes.txt").string(), "notes");
        },
        [&] { ReplaceFilesTogether(bin, kPair); },
        [&](const testsupport::KillPoint& p) {
            const std::string now = contents();
            seen.insert(now);
            if ((now != "old one|old two" && now != "new one|new two") ||
                readAll((bin / "notes.txt").string()) != "notes")
                mixed.push_back(p.Before);
            if (p.Before == 0) {
                EXPECT_EQ(p.ExitCode, 0);
            }
        });
    if (rounds < 0)
        GTEST_SKIP() << "processes cannot be traced here";
    EXPECT_EQ(mixed, std::vector<int>{}) << "killed before these system calls (of " << rounds << " rounds)";
    EXPECT_EQ(seen, (std::set<std::string>{"old one|old two", "new one|new two"}));
}

}  // namespace
}  // namespace rtl
