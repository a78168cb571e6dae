// Message boxes and file dialogs through the replaceable service.
#include <gtest/gtest.h>

#include "platform/ui/Dialogs.h"
#include "platform/ui/qt/QtDialogs.h"

using namespace ui;

TEST(MessageBoxes, UnansweredBoxesGiveTheirDefaultButton)
{
    struct Case {
        unsigned flags;
        int answer;
    };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_RETRYCANCEL | MB_ICONWARNING, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
    };
    for (const Case& k : cases)
        EXPECT_EQ(DefaultMessageBoxAnswer(k.flags), k.answer) << k.flags;
}

TEST(MessageBoxes, MessageDlgMapsTypeAndButtonsToTheBox)
{
    struct Case {
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        unsigned flags;
        const char* caption;
    };
    const Case cases[] = {
        {TMsgDlgType::mtConfirmation, mbYes | mbNo, MB_YESNO | MB_ICONQUESTION, "Confirm"},
        {TMsgDlgType::mtWarning, mbOK, MB_OK | MB_ICONWARNING, "Warning"},
        {TMsgDlgType::mtError, mbOK | mbCancel, MB_OKCANCEL | MB_ICONERROR, "Error"},
        {TMsgDlgType::mtInformation, mbYesNoCancel, MB_YESNOCANCEL | MB_ICONINFORMATION, "Information"},
    };
    ScriptedDialogs dialogs;
    for (const Case& k : cases) {
        dialogs.MessageAnswers.push_back(IDNO);
        EXPECT_EQ(MessageDlg("Overwrite?", k.type, k.buttons), IDNO);
        EXPECT_EQ(dialogs.Messages.back().Flags, k.flags);
        EXPECT_EQ(dialogs.Messages.back().Caption, k.caption);
        EXPECT_EQ(dialogs.Messages.back().Text, "Overwrite?");
    }
}

TEST(FileDialogs, TheRequestCarriesTheSettingsAndTheAnswerGetsTheDefaultExtension)
{
    ScriptedDialogs dialogs;
    TSaveDialog save(nullptr);
    save.Filter = "ESI files (*.xml)|*.xml|All files|*.*";
    save.DefaultExt = "xml";
    save.InitialDir = "/tmp/projects";
    save.FileName = "device";
    EXPECT_FALSE(save.Execute());  // no answer queued: cancelled
    ASSERT_EQ(dialogs.FileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.FileRequests[0].Save);
    EXPECT_EQ(dialogs.FileRequests[0].InitialDir, "/tmp/projects");
    EXPECT_EQ(save.FileName, "device");

    dialogs.FileAnswers.push_back({true, {"/tmp/projects/out"}, 1});
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, "/tmp/projects/out.xml");
    dialogs.FileAnswers.push_back({true, {"/tmp/projects/out.txt"}, 2});
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, "/tmp/projects/out.txt");
    EXPECT_EQ(save.FilterIndex, 2);
}

TEST(FileDialogs, TheDefaultExtensionMayBeWrittenAsAPatternOrWithItsDot)
{
    struct Case {
        const char* defaultExt;
        const char* chosen;
        const char* expected;
    };
    const Case cases[] = {
        {"*.eds", "/tmp/a", "/tmp/a.eds"},
        {".mib", "/tmp/b", "/tmp/b.mib"},
        {"mib", "/tmp/c.txt", "/tmp/c.txt"},
        {"*.*", "/tmp/d", "/tmp/d"},
    };
    for (const Case& k : cases) {
        ScriptedDialogs dialogs;
        TSaveDialog save(nullptr);
        save.DefaultExt = k.defaultExt;
        dialogs.FileAnswers.push_back({true, {k.chosen}, 1});
        ASSERT_TRUE(save.Execute());
        EXPECT_EQ(save.FileName, k.expected) << k.defaultExt;
        EXPECT_EQ(dialogs.FileRequests[0].DefaultExt.find_first_of("*."), std::string::npos) << k.defaultExt;
    }
}

TEST(FileDialogs, DesktopFiltersBecomeQtFilters)
{
    EXPECT_EQ(qt::QtFilterFromDesktopFilter("Text files|*.txt|All|*.*"), "Text files (*.txt);;All (*.*)");
    EXPECT_EQ(qt::QtFilterFromDesktopFilter("Pictures|*.bmp;*.jpg"), "Pictures (*.bmp *.jpg)");
    EXPECT_EQ(qt::QtFilterFromDesktopFilter(""), "");
    // A description that names its pattern already shows it once.
    EXPECT_EQ(qt::QtFilterFromDesktopFilter("EtherCAT ESI File (*.xml)|*.xml"), "EtherCAT ESI File (*.xml)");
    EXPECT_EQ(qt::QtFilterFromDesktopFilter("CSV (MS-DOS) (*.csv)|*.csv|All|*.*"), "CSV (MS-DOS) (*.csv);;All (*.*)");
}

TEST(DialogService, ScriptedAnswersRestoreThePreviousServiceWhenDone)
{
    IDialogService* before = &DialogService();
    {
        ScriptedDialogs outer;
        {
            ScriptedDialogs inner;
            EXPECT_EQ(&DialogService(), &inner);
        }
        EXPECT_EQ(&DialogService(), &outer);
    }
    EXPECT_EQ(&DialogService(), before);
}
