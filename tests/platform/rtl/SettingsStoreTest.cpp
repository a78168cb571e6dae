#include "platform/rtl/SettingsStore.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "Raises.h"
#include "TempDir.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RegistryIniFile.h"
#include "platform/rtl/StringList.h"

namespace rtl {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() { TSettingsStore::SetConfigRoot(dir.path().string()); }
    ~SettingsStoreTest() override { TSettingsStore::SetConfigRoot(""); }
    rtl_test::TempDir dir;
};

TEST_F(SettingsStoreTest, ValuesRoundTripThroughTheFile)
{
    TSettingsStore reg("app");
    EXPECT_EQ(reg.FileName(), dir.file("app/settings.ini"));
    ASSERT_TRUE(reg.OpenKey("Software\\Grid\\Columns", true));
    const std::string awkward[] = {
        "", "  padded  ", "\"quoted\"", "two\nlines\r\n", "back\\slash\\n", "caf\xC3\xA9", "a=b;c"};
    int i = 0;
    for (const std::string& v : awkward)
        reg.WriteString("S" + std::to_string(i++), v);
    reg.WriteInteger("Width", -64);
    reg.WriteBool("Visible", true);
    reg.WriteFloat("Scale", 1.25);

    TSettingsStore again("app");  // a second object reads what the first wrote
    ASSERT_TRUE(again.OpenKey("\\Software\\Grid\\Columns", false));
    i = 0;
    for (const std::string& v : awkward)
        EXPECT_EQ(again.ReadString("S" + std::to_string(i++)), v);
    EXPECT_EQ(again.ReadInteger("Width"), -64);
    EXPECT_TRUE(again.ReadBool("Visible"));
    EXPECT_DOUBLE_EQ(again.ReadFloat("Scale"), 1.25);
    EXPECT_TRUE(again.ValueExists("width"));
    EXPECT_TRUE(again.DeleteValue("Width"));
    EXPECT_FALSE(again.ValueExists("Width"));
}

TEST_F(SettingsStoreTest, ErrorsNameTheValue)
{
    TSettingsStore reg("app");
    struct Case {
        std::function<void()> call;
        const char* message;
    };
    const Case beforeOpen[] = {
        {[&] { reg.WriteString("A", "x"); }, "Failed to set data for 'A'"},
        {[&] { reg.ReadString("A"); }, "Failed to get data for 'A'"},
    };
    for (const Case& c : beforeOpen) {
        EXPECT_TRUE(rtl_test::RaisesWith<ERegistryException>(c.call, c.message));
    }
    ASSERT_TRUE(reg.OpenKey("K", true));
    reg.WriteString("Text", "abc");
    const Case afterOpen[] = {
        {[&] { reg.ReadString("Absent"); }, "Failed to get data for 'Absent'"},
        {[&] { reg.ReadInteger("Text"); }, "Invalid data type for 'Text'"},
    };
    for (const Case& c : afterOpen) {
        EXPECT_TRUE(rtl_test::RaisesWith<ERegistryException>(c.call, c.message));
    }
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\K"));
    EXPECT_THROW(reg.WriteString("Text", "x"), ERegistryException);
    EXPECT_EQ(reg.ReadString("Text"), "abc");
}

TEST_F(SettingsStoreTest, KeysNestAndDeleteWithTheirSubKeys)
{
    TSettingsStore reg("app");
    EXPECT_FALSE(reg.OpenKey("Software\\X", false));
    EXPECT_TRUE(reg.CurrentPath().empty());
    ASSERT_TRUE(reg.OpenKey("Software\\X\\A", true));
    reg.WriteInteger("v", 1);
    ASSERT_TRUE(reg.OpenKey("\\Software\\X\\B\\Deep", true));
    ASSERT_TRUE(reg.OpenKey("\\Software\\X", false));  // exists because keys below it do
    EXPECT_TRUE(reg.OpenKey("A", false));              // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), "Software\\X\\A");

    reg.OpenKey("\\Software\\X", false);
    TStringList names;
    reg.GetKeyNames(names);
    EXPECT_EQ(names.CommaText(), "A,B");
    EXPECT_TRUE(reg.HasSubKeys());

    EXPECT_TRUE(reg.DeleteKey("\\Software\\X\\B"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\X\\B\\Deep"));
    EXPECT_TRUE(reg.KeyExists("\\Software\\X\\A"));
    EXPECT_FALSE(reg.DeleteKey("\\Software\\Nothing"));
}

TEST_F(SettingsStoreTest, IniStyleAccessUsesSubKeysAsSections)
{
    {
        TRegistryIniFile ini("Software\\Grid", "app");
        EXPECT_EQ(ini.ReadInteger("Columns", "Col0", 64), 64);  // nothing stored yet: defaults
        ini.WriteInteger("Columns", "Col0", 80);
        ini.WriteInteger("Columns", "Col1", 120);
        ini.WriteString("Print", "Title", "two\nlines");
        ini.WriteInteger("Old", "X", 1);
        ini.EraseSection("Old");
        ini.DeleteKey("Columns", "Col1");
    }
    TSettingsStore reg("app");
    ASSERT_TRUE(reg.OpenKey("\\Software\\Grid\\Columns", false));
    EXPECT_EQ(reg.ReadInteger("Col0"), 80);
    EXPECT_FALSE(reg.ValueExists("Col1"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Grid\\Old"));
    reg.OpenKey("\\Software\\Grid\\Columns\\Deeper", true);  // keys further down are not sections
    reg.WriteInteger("Y", 2);

    TRegistryIniFile again("\\Software\\Grid\\", "app");
    TStringList sections;
    again.ReadSections(sections);
    EXPECT_EQ(sections.CommaText(), "Columns,Print");
    EXPECT_EQ(again.ReadString("print", "title", ""), "two\nlines");
    again.WriteInteger("Columns", "Col2", 5);
    EXPECT_TRUE(reg.OpenKey("\\Software\\Grid\\Columns\\Deeper", false));
    EXPECT_EQ(reg.ReadInteger("Y"), 2);
}

TEST(SettingsStoreLocation, FollowsTheConfigurationFolderOfTheEnvironment)
{
    rtl_test::TempDir dir;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    TSettingsStore reg("configurator");
    EXPECT_EQ(reg.FileName(), dir.file("configurator/settings.ini"));
    setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored, as the standard asks
    EXPECT_NE(reg.FileName(), "relative/path/configurator/settings.ini");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace rtl
