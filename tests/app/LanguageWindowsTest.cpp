// Texts on screen after a language change, and the texts of refused configuration names; the
// windows are shown and driven through the input layer.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempProgramFolder.h"
#include "app/UNew_Project.h"
#include "app/UProgramFolder.h"
#include "app/USoftOptions.h"
#include "app/UWindows.h"
#include "common/ULanguage.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"

namespace {

class LanguageWindowsTest : public ProgramWindowsTest {
protected:
    void TearDown() override
    {
        ProgramWindowsTest::TearDown();
        Language_Name = "English";
        Init_Language();
    }
    ui::ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(LanguageWindowsTest, OptionTabsRepaintInTheNewLanguageAtOnce)
{
    TempProgramFolder::WriteFile(folder.dir / "LANGUAGE" / "Italiano.lng",
                                 "STR302 = Lingua\nSTR303 = Connessione\nSTR319 = Programma\n");
    FSoftOptions->Show();
    ui::Application->ProcessMessages();
    const int paintsBefore = FSoftOptions->PC_Options->InvalidateCount();
    dialogs.MessageAnswers.push_back(ui::IDYES);
    ui::SendClick(FSoftOptions->L_L[0], 2, 2);  // the first language slot
    EXPECT_EQ(FSoftOptions->TS_Language->Caption(), "Lingua");
    EXPECT_EQ(FSoftOptions->TS_Con_Options->Caption(), "Connessione");
    EXPECT_GT(FSoftOptions->PC_Options->InvalidateCount(), paintsBefore);  // the tabs show it
    FSoftOptions->Hide();
}

TEST_F(LanguageWindowsTest, ARefusedNameSaysWhyInTheCurrentLanguage)
{
    struct Case {
        std::string name;
        std::string reason;
    };
    const Case cases[] = {
        {std::string(256, 'n'), "the name is longer than 255 bytes"},
        {"a/b", "the name must not contain \"/\" or \"\\\""},
        {"..", "\".\" and \"..\" are not names"},
    };
    FNew_Project->Show();
    for (const Case& c : cases) {
        dialogs.Messages.clear();
        FNew_Project->E_New_Proj->SetText(c.name);
        ui::SendClick(FNew_Project->Btn_OK, 5, 5);
        ASSERT_EQ(dialogs.Messages.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.Messages[0].Text, "Error! Name project is not valid\n(" + c.reason + ")") << c.name;
    }
    Lang_List[114] = "il nome supera 255 byte";
    dialogs.Messages.clear();
    FNew_Project->E_New_Proj->SetText(std::string(300, 'n'));
    ui::SendClick(FNew_Project->Btn_OK, 5, 5);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Error! Name project is not valid\n(il nome supera 255 byte)");
    FNew_Project->Hide();
}
