#include <gtest/gtest.h>

#include <algorithm>

#include "TempFolder.h"
#include "platform/sys/Folders.h"
#include "platform/sys/SerialPorts.h"

namespace fs = std::filesystem;

namespace {
using Folders = testing_support::TempFolderTest;
}

TEST_F(Folders, CreateFolderMakesExactlyOneLevel)
{
    EXPECT_TRUE(sys::CreateFolder(dir_ / "Plant"));
    EXPECT_TRUE(sys::FolderExists(dir_ / "Plant"));
    EXPECT_FALSE(sys::CreateFolder(dir_ / "Plant"));            // already there
    EXPECT_FALSE(sys::CreateFolder(dir_ / "missing" / "bin"));  // parent missing
    EXPECT_FALSE(sys::FolderExists(dir_ / "missing"));
    EXPECT_FALSE(sys::CreateFolder(""));

    EXPECT_TRUE(sys::CreateFolders(dir_ / "Plant2" / "bin"));
    EXPECT_TRUE(sys::CreateFolders(dir_ / "Plant2" / "bin"));  // existing is fine
    Write(dir_ / "file", "x");
    EXPECT_FALSE(sys::CreateFolders(dir_ / "file" / "bin"));
}

TEST_F(Folders, ListsOnlySubFoldersAndTellsFilesFromFolders)
{
    for (const char* d : {"B", "a", "Config 1"})
        fs::create_directory(dir_ / d);
    Write(dir_ / "ParGen.xml", "<r/>");
    fs::create_directory_symlink(dir_ / "a", dir_ / "link");

    auto names = sys::ListSubFolders(dir_);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B", "Config 1", "a", "link"}));
    EXPECT_TRUE(sys::ListSubFolders(dir_ / "missing").empty());

    EXPECT_TRUE(sys::FileExists(dir_ / "ParGen.xml"));
    EXPECT_FALSE(sys::FileExists(dir_ / "a"));
    EXPECT_FALSE(sys::FileExists(dir_ / "missing.xml"));
    EXPECT_FALSE(sys::FolderExists(dir_ / "ParGen.xml"));
}

TEST_F(Folders, CopyFileReplacesOnlyWhenAllowedAndNeverHalfWay)
{
    Write(dir_ / "src.icd", "model");
    Write(dir_ / "dst.icd", "old");
    EXPECT_FALSE(sys::CopyFile(dir_ / "src.icd", dir_ / "dst.icd", /*failIfExists=*/true));
    EXPECT_EQ(Read(dir_ / "dst.icd"), "old");
    EXPECT_TRUE(sys::CopyFile(dir_ / "src.icd", dir_ / "dst.icd"));
    EXPECT_EQ(Read(dir_ / "dst.icd"), "model");

    EXPECT_FALSE(sys::CopyFile(dir_ / "missing", dir_ / "dst.icd"));
    EXPECT_FALSE(sys::CopyFile(dir_, dir_ / "dst.icd"));  // a folder is not copied
    EXPECT_EQ(Read(dir_ / "dst.icd"), "model");
    EXPECT_FALSE(sys::CopyFile(dir_ / "src.icd", dir_ / "no" / "dst.icd"));

    fs::create_directory(dir_ / "taken");  // the target is a folder: refused, folder kept
    EXPECT_FALSE(sys::CopyFile(dir_ / "src.icd", dir_ / "taken"));
    EXPECT_TRUE(sys::FolderExists(dir_ / "taken"));
    EXPECT_EQ(Entries(), 3u);  // no temporary left
}

TEST_F(Folders, SerialPortsAreThoseWithADeviceInNaturalOrder)
{
    const auto cls = dir_ / "class";
    const auto dev = dir_ / "dev";
    fs::create_directories(dev);
    // ttyS10 sorts after ttyS2; tty1 is a virtual terminal (no device behind it); ttyACM0 has a
    // device entry but no device file.
    for (const char* n : {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM0"})
        fs::create_directories(cls / n / "device");
    fs::create_directories(cls / "tty1");
    for (const char* n : {"ttyS10", "ttyS2", "ttyUSB0", "tty1"})
        Write(dev / n, "");

    EXPECT_EQ(
        sys::ListSerialPorts(cls, dev),
        (std::vector<std::string>{(dev / "ttyS2").string(), (dev / "ttyS10").string(), (dev / "ttyUSB0").string()}));
    EXPECT_TRUE(sys::ListSerialPorts(dir_ / "none", dev).empty());
}
