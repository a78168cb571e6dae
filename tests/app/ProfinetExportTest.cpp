// The GSDML export from the main window: the name dialog, the folder question, the overwrite
// question and the file written.
#include <gtest/gtest.h>

#include <filesystem>

#include "ShellScript.h"
#include "TempProgramFolder.h"
#include "app/UBrevandoreFirmWare.h"
#include "app/UConfigurator.h"
#include "app/UProjects.h"
#include "common/UComon.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Dialogs.h"
#include "tables/profinet/UProfinetFileName.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* Gateway_Name = "GSDML-V2.25-Varnok-_Gateway1-20130109.xml";

class ProfinetExportTest : public ProgramWindowsTest {
protected:
    void SetUp() override
    {
        ProgramWindowsTest::SetUp();
        ASSERT_EQ(Create_Project("demo").Text, 0);
        main = FBrevandoreFirmWare;
    }

    // Opens the name dialog from the main window with the user's part typed, and presses OK; the
    // steps given run while the dialog is open after that.
    void Export(const std::string& user, std::function<void()> whileOpen = {})
    {
        ShellScript script;
        script.Then(
            "name", [] { return FProfinetFileName->Modal(); },
            [user, whileOpen] {
                FProfinetFileName->E_XML_User->SetText(user);
                FProfinetFileName->Btn_OK->Click();
                if (whileOpen)
                    whileOpen();
            });
        main->Btn_Click(main->Btn_PROFINET_XML);
        EXPECT_TRUE(script.Finished()) << script.Stuck();
    }

    // The program was started on 9 January 2013, shortly before midnight.
    rtl::TClockScope clock{rtl::EncodeDate(2013, 1, 9) + 0.999};
    ui::ScriptedDialogs dialogs;
    TFBrevandoreFirmWare* main = nullptr;
};

}  // namespace

TEST_F(ProfinetExportTest, NameDialogLayoutAndTheStartDay)
{
    const TFProfinetFileName& f = *FProfinetFileName;
    EXPECT_EQ(f.ClientWidth(), 540);
    EXPECT_EQ(f.ClientHeight(), 205);
    EXPECT_EQ(f.L_XML_Fix1->Caption(), "GSDML-V2.25-Varnok-");
    EXPECT_EQ(f.L_XML_Fix2->Caption(), "-20130109.xml");
    EXPECT_EQ(f.E_XML_User->Left(), 179);
    EXPECT_EQ(f.E_XML_User->Width(), 267);
    EXPECT_EQ(f.L_XML_Fix2->Left(), 447);
    EXPECT_EQ(f.Btn_Cancel->Left(), 134);
    EXPECT_EQ(f.Caption(), "PROFINET XML File Name");
    EXPECT_EQ(f.L_UsedPart->Caption(), "User Part");
}

TEST_F(ProfinetExportTest, OnlyTheChosenFolderIsTakenAndTheComposedNameWritten)
{
    rtl::TClockScope nextDay(rtl::EncodeDate(2013, 1, 10));
    dialogs.FileAnswers.push_back({true, {Path_Project + "/other name.xml"}, 1});
    Export("Gateway1");
    ASSERT_FALSE(dialogs.FileRequests.empty());
    EXPECT_TRUE(dialogs.FileRequests.back().Save);
    EXPECT_EQ(dialogs.FileRequests.back().InitialDir, Path_Project);
    EXPECT_EQ(dialogs.FileRequests.back().Filter, std::string("PROFINET XML (*.xml)|") + Gateway_Name);
    EXPECT_EQ(dialogs.FileRequests.back().FileName, Gateway_Name);
    EXPECT_EQ(FProfinetFileName->Name_File_XML, Gateway_Name);
    EXPECT_FALSE(fs::exists(Path_Project + "/other name.xml"));
    const std::string text = TempProgramFolder::ReadFile(Path_Project + "/" + Gateway_Name);
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", 0), 0u);
    EXPECT_NE(text.find("ImplementationType=\"SERIAL\""), std::string::npos);
}

TEST_F(ProfinetExportTest, AnExistingFileIsReplacedOnlyOnYes)
{
    const std::string file = Path_Project + "/" + Gateway_Name;
    for (const int answer : {ui::IDNO, ui::IDYES}) {
        TempProgramFolder::WriteFile(file, "earlier");
        dialogs.Messages.clear();
        dialogs.FileAnswers.push_back({true, {file}, 1});
        dialogs.MessageAnswers.push_back(answer);
        Export("_Gateway1");
        ASSERT_EQ(dialogs.Messages.size(), 1u);
        EXPECT_EQ(dialogs.Messages[0].Text, "File already exists! Do you want to overwrite the file?");
        EXPECT_EQ(TempProgramFolder::ReadFile(file) == "earlier", answer == ui::IDNO);
    }
}

TEST_F(ProfinetExportTest, CancelWritesNothing)
{
    dialogs.FileAnswers.push_back({false, {}, 1});
    Export("");
    EXPECT_EQ(FProfinetFileName->Name_File_XML, "GSDML-V2.25-Varnok--20130109.xml");
    EXPECT_FALSE(fs::exists(Path_Project + "/GSDML-V2.25-Varnok--20130109.xml"));
}

TEST_F(ProfinetExportTest, AUserPartWithASlashIsRefusedAndTheDialogStaysOpen)
{
    bool stillOpen = false;
    Export("plant/1", [&] {
        stillOpen = FProfinetFileName->Modal();
        FProfinetFileName->SetModalResult(ui::mrCancel);
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].Text.find("\"/\""), std::string::npos);
    EXPECT_TRUE(dialogs.FileRequests.empty());
}
