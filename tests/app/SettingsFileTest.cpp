#include "app/USettingsFile.h"
#include "common/UComon.h"

#include <gtest/gtest.h>

#include "ScratchDir.h"

namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { Path_Exe = dir.string(); }

    void Write(const std::string& text) { testsupport::WriteFile(dir / "Brevandor.xml", text); }
    std::string Contents() { return testsupport::ReadFile(dir / "Brevandor.xml"); }

    testsupport::ScratchDir scratch{"settings"};
    fs::path dir = scratch.Path();
    xml::Document doc;
};

struct Expected {
    std::string project, address, language;
    bool internet, update, jump, autosize;
};

void ExpectGlobals(const Expected& e, const std::string& label)
{
    EXPECT_EQ(Name_Project, e.project) << label;
    EXPECT_EQ(Last_IP_Address, e.address) << label;
    EXPECT_EQ(Language_Name, e.language) << label;
    EXPECT_EQ(Enable_Internet, e.internet) << label;
    EXPECT_EQ(Enable_Update, e.update) << label;
    EXPECT_EQ(Enable_Jump_Field, e.jump) << label;
    EXPECT_EQ(Enable_DblClick_AutoSize, e.autosize) << label;
}

TEST_F(SettingsFileTest, ReadsValuesWithTheirOwnFallbacks)
{
    const Expected defaults{"", "192.168.2.205", "English", false, false, false, false};
    struct Case {
        const char* label;
        const char* file;  // nullptr: no file
        Expected expected;
    };
    const Case cases[] = {
        {"no file", nullptr, defaults},
        {"language only",
         "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>",
         {"", "192.168.2.205", "Italiano", false, false, false, false}},
        {"internet only",
         "<Conf_Settings><lastinternet><enable_internet>1</enable_internet></lastinternet></Conf_Settings>",
         {"", "192.168.2.205", "English", true, false, false, false}},
        {"flags need exactly 1",
         "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update> 1</enable_update>"
         "<enable_jump_field_tables>1</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
         "</lastinternet></Conf_Settings>",
         {"", "192.168.2.205", "English", false, false, true, true}},
        {"other root name, empty address kept",
         "<?xml version=\"1.0\"?>\n<Other>\n  <lastproj><projectname>demo</projectname></lastproj>\n"
         "  <lastipadd><ipaddress></ipaddress></lastipadd>\n</Other>\n",
         {"demo", "", "English", false, false, false, false}},
        {"element with children is unreadable",
         "<Conf_Settings><lastipadd><ipaddress><x/></ipaddress></lastipadd></Conf_Settings>", defaults},
    };
    for (const Case& c : cases) {
        fs::remove(dir / "Brevandor.xml");
        if (c.file)
            Write(c.file);
        Name_Project = "stale";
        Enable_Internet = Enable_Update = Enable_Jump_Field = Enable_DblClick_AutoSize = true;
        EXPECT_EQ(Read_Setting(doc), "") << c.label;
        ExpectGlobals(c.expected, c.label);
    }
}

TEST_F(SettingsFileTest, MalformedFileGivesDefaultsAndIsReportedNotOverwritten)
{
    Write("<Conf_Settings><lastproj>");
    const std::string error = Read_Setting(doc);
    EXPECT_NE(error.find("Brevandor.xml"), std::string::npos);
    ExpectGlobals({"", "192.168.2.205", "English", false, false, false, false}, "malformed");
    EXPECT_EQ(Contents(), "<Conf_Settings><lastproj>");
}

TEST_F(SettingsFileTest, WritesFixedTreeAndReadsItBack)
{
    Name_Project = "demo";
    Last_IP_Address = "127.0.0.1";
    Language_Name = "Deutsch";
    Enable_Internet = true;
    Enable_Update = false;
    Enable_Jump_Field = true;
    Enable_DblClick_AutoSize = false;
    Save_Setting(doc);
    EXPECT_EQ(Contents(), "<Conf_Settings><lastproj><projectname>demo</projectname></lastproj>"
                          "<lastipadd><ipaddress>127.0.0.1</ipaddress></lastipadd>"
                          "<lastlang><language>Deutsch</language></lastlang>"
                          "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
                          "<enable_jump_field_tables>1</enable_jump_field_tables>"
                          "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
    xml::Document other;
    EXPECT_EQ(Read_Setting(other), "");
    ExpectGlobals({"demo", "127.0.0.1", "Deutsch", true, false, true, false}, "round trip");
}

}  // namespace
