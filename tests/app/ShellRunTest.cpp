// Runs of the real program in a temporary folder: what survives a restart, the language switch
// of the options dialog, and the open dialog's pick.
#include <gtest/gtest.h>

#include <filesystem>

#include "ShellScript.h"
#include "TempProgramFolder.h"
#include "app/UAbout.h"
#include "app/UBrevandoreFirmWare.h"
#include "app/UConfigurator.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "dialogs/UBoot.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"

namespace fs = std::filesystem;

namespace {

bool Main_Shown()
{
    return FBrevandoreFirmWare && FBrevandoreFirmWare->Visible();
}

void Close_Main()
{
    FBrevandoreFirmWare->Btn_Close->Click();
}

}  // namespace

TEST(ShellRunTest, SettingsSurviveARestart)
{
    TempProgramFolder folder;
    ui::ScriptedDialogs dialogs;
    {
        ShellScript script;
        script.Then("options", Main_Shown, [] { FBrevandoreFirmWare->Btn_Opz->Click(); });
        script.Then(
            "tick internet and check", [] { return FSoftOptions->Modal(); },
            [] {
                FSoftOptions->CB_En_Con->SetChecked(true);
                FSoftOptions->CB_Update->SetChecked(true);
                FSoftOptions->CB_Soft_Set_Jump_Table->SetChecked(true);
                FSoftOptions->Btn_OK->Click();
            });
        script.Then(
            "new configuration", [] { return !FSoftOptions->Modal(); },
            [] {
                EXPECT_TRUE(FBrevandoreFirmWare->Timer_Update->Enabled());
                FBrevandoreFirmWare->Btn_New->Click();
            });
        script.Then(
            "name", [] { return FNew_Project->Modal(); },
            [] {
                FNew_Project->E_New_Proj->SetText("plant");
                char32_t enter = 13;
                FNew_Project->E_New_ProjKeyPress(FNew_Project->E_New_Proj, enter);
            });
        script.Then(
            "close", [] { return !FNew_Project->Modal(); }, Close_Main);
        folder.Run();
        ASSERT_TRUE(script.Finished()) << script.Stuck();
    }
    Enable_Internet = Enable_Update = Enable_Jump_Field = false;
    Name_Project.clear();
    {
        ShellScript script;
        script.Then("restarted", Main_Shown, [] {
            EXPECT_EQ(Name_Project, "plant");
            EXPECT_EQ(FBrevandoreFirmWare->L_Name_Conf_L2->Caption(), "plant");
            EXPECT_TRUE(Enable_Internet && Enable_Update && Enable_Jump_Field);
            EXPECT_FALSE(Enable_DblClick_AutoSize);
            EXPECT_TRUE(FBrevandoreFirmWare->Timer_Update->Enabled());
            Close_Main();
        });
        folder.Run();
        ASSERT_TRUE(script.Finished()) << script.Stuck();
    }
    // A remembered configuration whose folder has gone: none is open, and none is remembered.
    fs::remove_all(folder.dir / "PROJECTS" / "plant");
    {
        ShellScript script;
        script.Then("folder gone", Main_Shown, [] {
            EXPECT_TRUE(Path_Project.empty());
            EXPECT_EQ(FBrevandoreFirmWare->L_Name_Conf->Caption(), "None Configuration Opened ");
            Close_Main();
        });
        folder.Run();
        ASSERT_TRUE(script.Finished()) << script.Stuck();
    }
    xml::Document settings;
    settings.LoadFromFile(folder.dir / "Brevandor.xml");
    EXPECT_EQ(settings.DocumentElement().ChildByName("lastproj").ChildByName("projectname").Text(), "");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST(ShellRunTest, LanguageFileSwitchesEveryWindowAndBack)
{
    TempProgramFolder folder;
    TempProgramFolder::WriteFile(folder.dir / "LANGUAGE" / "English.lng", "");
    TempProgramFolder::WriteFile(folder.dir / "LANGUAGE" / "Deutsch.lng",
                                 "\xEF\xBB\xBFSTR15 =Neue Konfiguration\r\nSTR100 =Neue Konfiguration anlegen\r\n"
                                 "STR200 =Konfiguration öffnen\r\nSTR300 =Optionen\r\nSTR1220 =Aktualisieren\r\n"
                                 "STR316 =Sprache:\r\n");
    ui::ScriptedDialogs dialogs;
    ShellScript script;
    struct Captions {
        std::string main, newProject, openConf, options, boot, about, esi, title;
    };
    auto captions = [] {
        return Captions{FBrevandoreFirmWare->Btn_New->Caption(),
                        FNew_Project->Caption(),
                        FOpenConf->Caption(),
                        FSoftOptions->Caption(),
                        FBoot->Btn_Update->Caption(),
                        FAbout->L_Title->Caption(),
                        FBrevandoreFirmWare->Btn_EtherCAT_ESI_File->Caption(),
                        FBrevandoreFirmWare->Caption()};
    };
    Captions english, german, back;
    script.Then("options", Main_Shown, [&] {
        english = captions();
        FBrevandoreFirmWare->Btn_Opz->Click();
    });
    script.Then(
        "choose German, then English again, then cancel", [] { return FSoftOptions->Modal(); },
        [&] {
            ASSERT_EQ(FSoftOptions->L_L[0]->Caption(), "Deutsch");
            ASSERT_EQ(FSoftOptions->L_L[1]->Caption(), "English");
            EXPECT_FALSE(FSoftOptions->L_L[2]->Visible());
            dialogs.MessageAnswers = {ui::IDYES, ui::IDYES};
            FSoftOptions->LangClick(FSoftOptions->L_L[0]);
            german = captions();
            EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Selected Language : Deutsch");
            FSoftOptions->LangClick(FSoftOptions->L_L[1]);
            back = captions();
            FSoftOptions->Btn_Cancel->Click();
        });
    script.Then(
        "close", [] { return !FSoftOptions->Modal(); }, Close_Main);
    folder.Run();
    ASSERT_TRUE(script.Finished()) << script.Stuck();

    EXPECT_EQ(german.main, "Neue Konfiguration");
    EXPECT_EQ(german.newProject, "Neue Konfiguration anlegen");
    EXPECT_EQ(german.openConf, "Konfiguration öffnen");
    EXPECT_EQ(german.options, "Optionen");
    EXPECT_EQ(german.boot, "Aktualisieren");
    // The About box, the step-5 caption and the window title follow no language.
    EXPECT_EQ(german.about, english.about);
    EXPECT_EQ(german.esi, english.esi);
    EXPECT_EQ(german.title, english.title);
    // Each question is asked in the language in force when it is asked.
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Do you want to change the Language from English to Deutsch?");
    EXPECT_EQ(dialogs.Messages[1].Text, "Sprache:Deutsch to English?");
    for (const auto& [was, is] : {std::pair{english.main, back.main},
                                  {english.newProject, back.newProject},
                                  {english.openConf, back.openConf},
                                  {english.options, back.options},
                                  {english.boot, back.boot}})
        EXPECT_EQ(was, is);
    EXPECT_EQ(Language_Name, "English");
}

TEST(ShellRunTest, OpenDialogPreselectsTheOpenConfiguration)
{
    TempProgramFolder folder;
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        fs::create_directories(folder.dir / "PROJECTS" / name);
    TempProgramFolder::WriteFile(folder.dir / "Brevandor.xml",
                                 "<Conf_Settings><lastproj><projectname>Beta</projectname></lastproj></Conf_Settings>");
    ui::ScriptedDialogs dialogs;
    ShellScript script;
    script.Then("open", Main_Shown, [] { FBrevandoreFirmWare->Btn_Open->Click(); });
    script.Then(
        "preselected, pick another", [] { return FOpenConf->Modal(); },
        [] {
            EXPECT_EQ(FOpenConf->Name_Conf, "Beta");
            EXPECT_EQ(FOpenConf->ListBox1->Items()->Count(), 3);
            const int gamma = FOpenConf->Search_Open_Conf("GAMMA");
            ASSERT_GE(gamma, 0);
            FOpenConf->ListBox1->SetItemIndex(gamma);
            FOpenConf->ListBox1Click(FOpenConf->ListBox1);
            FOpenConf->Btn_OK->Click();
        });
    script.Then(
        "opened", [] { return !FOpenConf->Modal(); },
        [] {
            EXPECT_EQ(Name_Project, "Gamma");
            EXPECT_EQ(File_ParGen, Path_Projects + "/Gamma/ParGen.xml");
            EXPECT_EQ(FBrevandoreFirmWare->L_Name_Conf_L2->Caption(), "Gamma");
            fs::remove_all(fs::path(Path_Projects) / "Alpha");
            fs::remove_all(fs::path(Path_Projects) / "Beta");
            fs::remove_all(fs::path(Path_Projects) / "Gamma");
            FBrevandoreFirmWare->Btn_Open->Click();
        });
    script.Then(
        "empty list", [] { return FOpenConf->Modal(); },
        [] {
            EXPECT_EQ(FOpenConf->ListBox1->Items()->Count(), 0);
            FOpenConf->Btn_OK->Click();
        });
    script.Then(
        "none open", [] { return !FOpenConf->Modal(); },
        [] {
            EXPECT_TRUE(Path_Project.empty());
            EXPECT_EQ(FBrevandoreFirmWare->L_Name_Conf->Caption(), "None Configuration Opened ");
            Close_Main();
        });
    folder.Run();
    ASSERT_TRUE(script.Finished()) << script.Stuck();
}

// The pick is opened by a double click on it or by Enter, as by OK; a double click beside the
// entries opens nothing.
TEST(ShellRunTest, OpenDialogOpensByDoubleClickOrEnter)
{
    struct Case {
        const char* what;
        void (*pick)(int entry);
    };
    const Case cases[] = {
        {"double click",
         [](int entry) {
             ui::TListBox* list = FOpenConf->ListBox1;
             const ui::TRect below = list->ItemRect(list->Items()->Count() - 1);
             ui::SendClick(list, 5, below.Bottom + 20);
             ui::SendDoubleClick(list, ui::TMouseButton::mbLeft, 5, below.Bottom + 20);
             EXPECT_EQ(FOpenConf->ModalResult(), ui::mrNone) << "beside the entries";
             const ui::TRect r = list->ItemRect(entry);
             ui::SendClick(list, 5, (r.Top + r.Bottom) / 2);
             ui::SendDoubleClick(list, ui::TMouseButton::mbLeft, 5, (r.Top + r.Bottom) / 2);
         }},
        {"Enter",
         [](int entry) {
             FOpenConf->ListBox1->SetFocus();
             while (FOpenConf->ListBox1->ItemIndex() < entry)
                 ui::SendKeyStroke(FOpenConf, ui::VK_DOWN);
             ui::SendKeyStroke(FOpenConf, ui::VK_RETURN, 0, U'\r');
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        for (const char* name : {"Alpha", "Beta", "Gamma"})
            fs::create_directories(folder.dir / "PROJECTS" / name);
        ui::ScriptedDialogs dialogs;
        ShellScript script;
        script.Then("open", Main_Shown, [] { FBrevandoreFirmWare->Btn_Open->Click(); });
        script.Then(
            "pick", [] { return FOpenConf->Modal(); }, [&c] { c.pick(FOpenConf->Search_Open_Conf("Gamma")); });
        script.Then(
            "opened", [] { return !FOpenConf->Modal(); },
            [] {
                EXPECT_EQ(Name_Project, "Gamma");
                Close_Main();
            });
        folder.Run();
        ASSERT_TRUE(script.Finished()) << script.Stuck();
        Name_Project.clear();
    }
}

TEST(ShellRunTest, UnreadableSettingsFileIsReportedAndKept)
{
    TempProgramFolder folder;
    const std::string broken = "<Conf_Settings><lastproj>";
    TempProgramFolder::WriteFile(folder.dir / "Brevandor.xml", broken);
    ui::ScriptedDialogs dialogs;
    ShellScript script;
    script.Then("started", Main_Shown, [] {
        EXPECT_EQ(Language_Name, "English");
        EXPECT_EQ(Last_IP_Address, "192.168.2.205");
        FBrevandoreFirmWare->Btn_Opz->Click();
    });
    // Options confirmed with OK: the unreadable file is still not overwritten, nor on closing.
    script.Then(
        "options", [] { return FSoftOptions->Modal(); }, [] { FSoftOptions->Btn_OK->Click(); });
    script.Then(
        "close", [] { return !FSoftOptions->Modal(); }, [] { Close_Main(); });
    folder.Run();
    ASSERT_TRUE(script.Finished()) << script.Stuck();
    ASSERT_EQ(dialogs.Messages.size(), 1u);  // told once, when the file was read
    EXPECT_EQ(dialogs.Messages[0].Text.rfind("The settings file cannot be read. It is kept as it is", 0), 0u)
        << dialogs.Messages[0].Text;
    EXPECT_NE(dialogs.Messages[0].Text.find("Delete or repair the file named below"), std::string::npos)
        << dialogs.Messages[0].Text;
    EXPECT_NE(dialogs.Messages[0].Text.find((folder.dir / "Brevandor.xml").string()), std::string::npos)
        << dialogs.Messages[0].Text;
    EXPECT_EQ(TempProgramFolder::ReadFile(folder.dir / "Brevandor.xml"), broken);
}
