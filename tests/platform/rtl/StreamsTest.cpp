#include "platform/rtl/Streams.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "Raises.h"
#include "TempDir.h"
#include "platform/rtl/Exceptions.h"

namespace rtl {
namespace {

TEST(MemoryStream, ReadWriteSeekAndSize)
{
    TMemoryStream s;
    s.WriteString("hello");
    EXPECT_EQ(s.Size(), 5);
    EXPECT_EQ(s.Position(), 5);
    s.Seek(-2, soEnd);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 2);  // a short read returns what is there
    EXPECT_EQ(std::string(buf, 2), "lo");
    s.SetPosition(8);  // writing past the end fills the gap with zeros
    s.WriteString("!");
    EXPECT_EQ(std::string(s.Bytes().begin(), s.Bytes().end()), std::string("hello\0\0\0!", 9));
    s.SetSize(3);
    EXPECT_EQ(s.Position(), 3);
    EXPECT_EQ(s.Read(buf, 1), 0);
    s.Seek(-100, soCurrent);
    EXPECT_EQ(s.Position(), 0);
}

TEST(MemoryStream, ExactReadsAndWritesRaiseOnShortfall)
{
    TMemoryStream s;
    s.WriteString("abc");
    s.SetPosition(1);
    char buf[4];
    EXPECT_TRUE(rtl_test::RaisesWith<EReadError>([&] { s.ReadBuffer(buf, 3); }, "Stream read error"));
    s.SetPosition(0);
    EXPECT_NO_THROW(s.ReadBuffer(buf, 3));
}

TEST(MemoryStream, CopyAndStringStream)
{
    TStringStream src("0123456789");
    TMemoryStream dst;
    src.SetPosition(4);
    EXPECT_EQ(dst.CopyFrom(src, 3), 3);
    EXPECT_EQ(std::string(dst.Bytes().begin(), dst.Bytes().end()), "456");
    src.SetPosition(9);
    EXPECT_EQ(dst.CopyFrom(src, 0), 10);  // 0 copies the whole source from its start
    EXPECT_EQ(dst.Size(), 13);
    src.SetPosition(8);
    EXPECT_THROW(dst.CopyFrom(src, 5), EReadError);
    EXPECT_EQ(src.DataString(), "0123456789");
}

TEST(FileStream, CreateWriteReopenAndResize)
{
    rtl_test::TempDir dir;
    std::string file = dir.file("data.bin");
    {
        TFileStream f(file, fmCreate);
        f.WriteString("abcdef");
        f.SetSize(4);
        EXPECT_EQ(f.Size(), 4);
    }
    {
        TFileStream f(file, fmOpenReadWrite);
        f.Seek(0, soEnd);
        f.WriteString("XY");
    }
    TFileStream f(file, fmOpenRead);
    EXPECT_EQ(f.ReadRest(), "abcdXY");
    EXPECT_EQ(f.Write("z", 1), 0);  // a read-only stream writes nothing
    EXPECT_THROW(f.WriteBuffer("z", 1), EWriteError);
}

TEST(FileStream, AFailedWriteIsReportedAtOnce)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    TFileStream f("/dev/full", fmOpenWrite);  // every write fails: the device is full
    EXPECT_TRUE(rtl_test::RaisesWith<EWriteError>([&] { f.WriteBuffer("x", 1); }, "Stream write error"));
}

TEST(FileStream, OpenFailuresNameTheFileAndTheReason)
{
    rtl_test::TempDir dir;
    struct Case {
        std::string file;
        unsigned mode;
        std::string message;
    };
    const Case cases[] = {
        {dir.file("absent"), fmOpenRead, "Cannot open file \"" + dir.file("absent") + "\". No such file or directory"},
        {dir.path().string(), fmOpenRead, "Cannot open file \"" + dir.path().string() + "\". Is a directory"},
        {dir.file("no/x"), fmCreate, "Cannot create file \"" + dir.file("no/x") + "\". No such file or directory"},
    };
    for (const Case& c : cases) {
        auto open = [&] { TFileStream f(c.file, c.mode); };
        if (c.mode == fmCreate) {
            EXPECT_TRUE(rtl_test::RaisesWith<EFCreateError>(open, c.message));
        } else {
            EXPECT_TRUE(rtl_test::RaisesWith<EFOpenError>(open, c.message));
        }
    }
}

TEST(AtomicWrite, ReplacesTheFileWholeAndKeepsItsPermissions)
{
    rtl_test::TempDir dir;
    std::string file = dir.file("table.xml");
    rtl_test::writeAll(file, "old content that is longer");
    ::chmod(file.c_str(), 0640);
    WriteFileAtomic(file, "new");
    EXPECT_EQ(rtl_test::readAll(file), "new");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(AtomicWrite, AFailedWriteRaisesAndLeavesNoTrace)
{
    rtl_test::TempDir dir;
    EXPECT_THROW(WriteFileAtomic(dir.file("missing/x.txt"), "data"), EFCreateError);
    // The final rename fails when a folder holds the name: the folder stays, no temporary remains.
    std::string target = dir.file("busy");
    std::filesystem::create_directory(target);
    rtl_test::writeAll(target + "/inside", "original");
    EXPECT_THROW(WriteFileAtomic(target, "replacement"), EFCreateError);
    EXPECT_EQ(rtl_test::readAll(target + "/inside"), "original");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace rtl
