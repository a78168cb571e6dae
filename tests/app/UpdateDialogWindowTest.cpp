// The update dialog in its native window, driven by mouse clicks as the window system delivers
// them: the option picked from the drop-down list is the one the update job file carries.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempProgramFolder.h"
#include "app/UProgramFolder.h"
#include "app/UProjects.h"
#include "app/UWindows.h"
#include "dialogs/UBoot.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/PopupList.h"
#include "platform/ui/qt/NativeTesting.h"
#include "platform/xml/Xml.h"

namespace fs = std::filesystem;

namespace {

class UpdateDialogWindowTest : public ProgramWindowsTest {
protected:
    void SetUp() override
    {
        ProgramWindowsTest::SetUp();
        ASSERT_EQ(Create_Project("demo").Text, 0);
        Last_IP_Address = "127.0.0.1";
        FBoot->Echo = [](const std::string&) -> std::size_t { return 1024; };
        FBoot->Start_Program = [this](const std::string&, const std::string&, bool) { ++started; };
        FBoot->Show();
        ui::Application->ProcessMessages();
    }
    void TearDown() override
    {
        FBoot->Hide();
        ProgramWindowsTest::TearDown();
    }

    // The files the job names, in order.
    std::vector<std::string> JobFiles()
    {
        xml::Document job;
        job.LoadFromFile(folder.dir / "Ethernet_Update.xml");
        std::vector<std::string> files;
        for (const xml::Element& op : job.DocumentElement().ChildByName("Operations").Children("Operation"))
            files.push_back(fs::path(op.ChildByName("Ope_FileName").Text().value_or("")).filename().string());
        return files;
    }

    ui::ScriptedDialogs dialogs;
    int started = 0;
};

}  // namespace

TEST_F(UpdateDialogWindowTest, OptionPickedWithTheMouseReachesTheJobFile)
{
    struct Case {
        int row;
        const char* shown;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {2, "Configuration", {"bank1.bin", "bank2.bin"}},
        {1, "Firmware", {"Sim58E26.sim"}},
        {0, "Firmware + Configuration", {"Sim58E26.sim", "bank1.bin", "bank2.bin"}},
    };
    ui::TComboBox* box = FBoot->CB_Update_Options;
    for (const Case& c : cases) {
        ui::qt::ClickNative(box, box->Width() / 2, box->Height() / 2);
        ui::Application->ProcessMessages();
        ui::TPopupList* list = box->DropDownList();
        ASSERT_TRUE(list && ui::qt::HasNativeWindow(list)) << c.shown;
        ui::qt::ClickNative(list, 20, 1 + c.row * list->ItemHeight() + list->ItemHeight() / 2);
        ui::Application->ProcessMessages();
        EXPECT_EQ(box->Text(), c.shown);
        EXPECT_FALSE(box->DroppedDown());

        ui::qt::ClickNative(FBoot->Btn_Update, 10, 10);
        ui::Application->ProcessMessages();
        EXPECT_EQ(JobFiles(), c.files) << c.shown;
        EXPECT_EQ(Update_Option_Index, c.row);
    }
    EXPECT_EQ(started, 3);
    EXPECT_TRUE(dialogs.Messages.empty());
}
