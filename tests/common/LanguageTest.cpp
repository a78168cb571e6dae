#include <gtest/gtest.h>

#include "ScratchDir.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "common/LangFileExport.h"
#include "common/ULanguage.h"

namespace {

namespace fs = std::filesystem;

// Runs of numbers that carry text; every other number holds the one-blank placeholder. Many runs
// go on past their dialog's own texts with the messages added where the program reports what the
// original left unsaid (a table file it could not read, rows saving would drop, a file it refuses
// to write); the texts themselves say which.
struct Run {
    int first, last;
};
constexpr Run kRuns[] = {
    {0, 79},      {100, 115},   {200, 207},   {300, 321},   {400, 886},   {888, 989},   {1000, 1056}, {1100, 1111},
    {1200, 1237}, {1300, 1683}, {1700, 1793}, {1800, 1903}, {2000, 2093}, {2100, 2122}, {2200, 2264}, {2300, 2308},
    {2400, 2458}, {2500, 2563}, {2600, 2698}, {2700, 2779}, {2800, 2868}, {2900, 2927}, {3000, 3027}, {3100, 3113},
    {3200, 3272}, {3300, 3345}, {3400, 3421}, {3500, 3547}, {3600, 3643}, {3700, 3798}, {3800, 3874}, {3900, 3943},
    {4000, 4042}, {4100, 4221}, {4300, 4332}, {4400, 4432}, {4500, 4530}, {4600, 4689}, {4700, 4788}, {4800, 4809},
    {4900, 4964}, {5000, 5019}, {5100, 5225},
};

bool inRun(int n)
{
    for (const auto& r : kRuns)
        if (n >= r.first && n <= r.last)
            return true;
    return false;
}

TEST(DefaultLanguage, TableHasItsFixedShape)
{
    Load_Default_Lang();
    ASSERT_EQ(Lang_List.size(), 5300u);
    EXPECT_EQ(Lang_Count, 5300);
    int texts = 0, blanks = 0;
    for (int n = 0; n < 5300; ++n) {
        const std::string& s = Lang_List[size_t(n)];
        if (s == " ") {
            ++blanks;
            EXPECT_FALSE(inRun(n)) << "number " << n << " inside a run has no text";
        } else {
            ++texts;
            EXPECT_TRUE(inRun(n)) << "number " << n << " outside every run holds \"" << s << '"';
            EXPECT_FALSE(s.empty()) << n;
        }
    }
    int inRuns = 0;
    for (const auto& r : kRuns)
        inRuns += r.last - r.first + 1;
    EXPECT_EQ(texts, inRuns);
    EXPECT_EQ(blanks, 5300 - inRuns);
}

TEST(DefaultLanguage, SharedTextsAreExact)
{
    Load_Default_Lang();
    const std::pair<int, const char*> cases[] = {
        {0, "Begin"},
        {8, "Step 8"},
        {18, "Error! Project not Valid"},
        {1100, "Row Already used. Do you want to overwrite the values?"},
        {1101, "Error in the Copy values!!! Copy a valid row before Paste it"},
        {1102, "Error!!! Copy a valid row before Paste it"},
        {1103, "File already exists! Do you want to overwrite the file?"},
        {1104, "Error! Please set the Set Communication Parameter before to create the GSD file"},
        {1105, "File already exists. Do you want to overwrite?"},
        {887, " "},
    };
    for (auto [n, text] : cases)
        EXPECT_EQ(Lang_List[size_t(n)], text) << n;
}

// Texts of several windows that are easy to damage when the table is assembled: quotes inside
// the text, blanks at either end, and spellings that must stay as the program shows them.
TEST(DefaultLanguage, TextsKeepInnerQuotesBlanksAndSpelling)
{
    Load_Default_Lang();
    const std::pair<int, const char*> cases[] = {
        {9, "None Configuration Opened "},
        {2057, "Select the BACnet Type in the \"Set Communication\" section"},
        {2235, "!! [BACnet in Read] Length with variable \"Analog Input\" must be between 1 and 4"},
        {2450, " or None"},
        {3010, "Use \"None\" to not pass the byte from DeviceNet to EtherCAT"},
        {3509, "Exit without save the 1939 Receive Frames List"},
        {4100, "OCP UA Client Access"},
        {4672, "Select the Authority Mode (only if Security Level is set to \"Auth No Priv\" or \"Auth Priv\""},
        {4779, "!! [SNMP Write] Descrtiption is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" "
               "and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
    };
    for (auto [n, text] : cases)
        EXPECT_EQ(Lang_List[size_t(n)], text) << n;
}

class LanguageFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedPath_ = Path_Language;
        savedName_ = Language_Name;
        Path_Language = dir_.string();
        Load_Default_Lang();
    }
    void TearDown() override
    {
        Path_Language = savedPath_;
        Language_Name = savedName_;
    }
    std::string write(const std::string& name, const std::string& bytes)
    {
        const fs::path p = dir_ / name;
        testsupport::WriteFile(p, bytes);
        return p.string();
    }
    testsupport::ScratchDir scratch_{"lng"};
    fs::path dir_ = scratch_.Path();
    std::string savedPath_, savedName_;
};

TEST_F(LanguageFile, LineRules)
{
    const std::string english5 = Lang_List[5];
    const struct {
        const char* line;
        int number;
        const char* expected;  // nullptr: the entry keeps its English text
    } cases[] = {
        {"STR 5 = Hello", 5, "Hello"},
        {"  STR6 =Hi there   /#/ a comment", 6, "Hi there"},
        {"STR 7 = a=b", 7, "a=b"},
        {"STR 9 = \xB6  padded  \xB6", 9, "  padded  "},
        {"STR 10 = \xB6\xB6", 10, ""},
        {"STR 11 = cut\xB6"
         "here",
         11, "cut"},
        {"STR 12 =    ", 12, nullptr},
        {"str 13 = small letters", 13, nullptr},
        {"STR = no digits", 14, nullptr},
        {"STR x15 = not a number", 15, nullptr},
        {"STR 183= loses a digit", 18, "loses a digit"},
        {"STR 16= single digit", 16, nullptr},
        {"STR -1 = negative", 0, nullptr},
        {"STR 5300 = too big", 5299, nullptr},
        {"STR 17 no equals sign", 17, nullptr},
        {"STR    20     = spaced", 20, "spaced"},
        {"STR 21 = /#/ only a comment", 21, nullptr},
    };
    // Written without a byte-order mark, so in Windows-1252 (0xB6 is the pilcrow).
    std::string content;
    for (const auto& c : cases)
        content += std::string(c.line) + "\r\n";
    Load_Default_Lang();
    const auto before = Lang_List;
    Load_Lang_File(write("rules.lng", content));
    ASSERT_EQ(Lang_List.size(), 5300u);
    for (const auto& c : cases)
        EXPECT_EQ(Lang_List[size_t(c.number)], c.expected ? c.expected : before[size_t(c.number)]) << c.line;
    EXPECT_EQ(Lang_List[4], before[4]);
}

TEST_F(LanguageFile, OnlyNamedEntriesChangeAndLaterLinesWin)
{
    const auto before = Lang_List;
    Load_Lang_File(write("x.lng", "STR 5 = First\nSTR 5 = Second\rSTR 100 = Other"));
    for (int n = 0; n < 5300; ++n) {
        if (n == 5)
            EXPECT_EQ(Lang_List[5], "Second");
        else if (n == 100)
            EXPECT_EQ(Lang_List[100], "Other");
        else
            ASSERT_EQ(Lang_List[size_t(n)], before[size_t(n)]) << n;
    }
}

// The same non-Latin line in every encoding a language file may use.
TEST_F(LanguageFile, EncodingsFromByteOrderMark)
{
    const std::u16string text = u"STR 1 = \u041F\u0440\u0438\u0432\u0435\u0442 \u00E9\U0001F600\r\n";
    const std::string expected = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xC3\xA9\xF0\x9F\x98\x80";
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (char16_t u : text) {
        le += char(u & 0xFF);
        le += char(u >> 8);
        be += char(u >> 8);
        be += char(u & 0xFF);
    }
    const std::pair<const char*, std::string> files[] = {
        {"utf8.lng", "\xEF\xBB\xBF"
                     "STR 1 = " +
                         expected + "\n"},
        {"le.lng", le},
        {"be.lng", be},
    };
    for (const auto& [name, bytes] : files) {
        Load_Default_Lang();
        Load_Lang_File(write(name, bytes));
        EXPECT_EQ(Lang_List[1], expected) << name;
    }
}

TEST_F(LanguageFile, WithoutMarkTheFileIsWindows1252)
{
    Load_Lang_File(write("ansi.lng", "STR 2 = \xB6"
                                     "Caf\xE9 \x80 \xB6 ignored\n"));
    // 0xB6 is the pilcrow in Windows-1252, so the enclosing pilcrows work here too.
    EXPECT_EQ(Lang_List[2], "Caf\xC3\xA9 \xE2\x82\xAC ");
}

TEST_F(LanguageFile, MissingFileChangesNothing)
{
    const auto before = Lang_List;
    Load_Lang_File((dir_ / "none.lng").string());
    EXPECT_EQ(Lang_List, before);
}

TEST_F(LanguageFile, InitLanguageFallsBackToEnglish)
{
    write("Italiano.lng", "STR 0 = Inizio\n");
    Language_Name = "Italiano";
    Init_Language();
    EXPECT_EQ(Lang_List[0], "Inizio");
    EXPECT_EQ(Language_Name, "Italiano");

    // Missing language, no English.lng: the built-in texts again, also for entries
    // the previous file had changed.
    Language_Name = "Deutsch";
    Init_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Lang_List[0], "Begin");
    EXPECT_EQ(Lang_List.size(), 5300u);

    // A name that points outside the language folder is no language.
    write("Secret.lng", "STR 0 = Secret\n");
    Path_Language = (dir_ / "LANGUAGE").string();
    fs::create_directories(dir_ / "LANGUAGE");
    Language_Name = "../Secret";
    Init_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Lang_List[0], "Begin");
    Path_Language = dir_.string();

    write("English.lng", "STR 0 = Start\n");
    Language_Name = "Deutsch";
    Init_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Lang_List[0], "Start");
}

TEST_F(LanguageFile, TheEndingCountsInAnyLetterCase)
{
    // As the options dialog lists such a file, so the language loads from it.
    write("GERMAN.LNG", "STR 0 = Anfang\n");
    Language_Name = "GERMAN";
    Init_Language();
    EXPECT_EQ(Language_Name, "GERMAN");
    EXPECT_EQ(Lang_List[0], "Anfang");
    Language_Name = "german";  // the name itself is not the ending
    Init_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Lang_List[0], "Begin");
}

}  // namespace

namespace {

TEST_F(LanguageFile, TheEnglishFileBringsBackEveryBuiltInText)
{
    const std::string english = write("English.lng", English_Lang_File_Text());
    for (std::string& text : Lang_List)
        text = "other language";
    Load_Lang_File(english);
    int texts = 0;
    for (int n = 0; n < static_cast<int>(Lang_List.size()); ++n) {
        if (std::string(Default_Lang_Text(n)) == " ")
            continue;  // numbers without a text are not in the file
        ++texts;
        EXPECT_EQ(Lang_List[static_cast<std::size_t>(n)], Default_Lang_Text(n)) << n;
    }
    EXPECT_GT(texts, 3000);
}

TEST(EnglishLanguageFile, TheBuildPutsItBesideTheProgram)
{
    const fs::path file = fs::path(CFG_BIN_DIR) / "LANGUAGE" / "English.lng";
    if (!fs::exists(file))
        GTEST_SKIP() << "not built: " << file;
    EXPECT_EQ(testsupport::ReadFile(file), English_Lang_File_Text());
}

}  // namespace
