// The main window's MIB action with scripted file dialog and questions: the file asked for in the
// configuration's folder, ".mib" added to a bare name, an existing file replaced only on Yes, and a
// broken agent file reported instead of a module.
#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchDir.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "platform/ui/Dialogs.h"
#include "tables/mqtt_snmp/USNMP_MIB_Save.h"

namespace {

class MIBSave : public ::testing::Test {
protected:
    MIBSave() : savedProject_(Path_Project), savedTrap_(File_SNMP_Trap)
    {
        Load_Default_Lang();
        Path_Project = dir.File("");
        File_SNMP_Trap = dir.File("SNMP_Trap.xml");
        testsupport::WriteFile(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Type=\"Int\" "
                                               "Description=\"temp1\"/></SNMP_Trap_Read></SNMP_Trap>");
    }
    ~MIBSave() override
    {
        Path_Project = savedProject_;
        File_SNMP_Trap = savedTrap_;
    }
    void Choose(const std::string& file) { dialogs.FileAnswers.push_back({.Accepted = true, .Files = {file}}); }

    testsupport::ScratchDir dir;
    ui::ScriptedDialogs dialogs;
    ui::TSaveDialog SaveMIB{nullptr};

private:
    std::string savedProject_, savedTrap_;
};

TEST_F(MIBSave, BareNameGetsTheExtensionAndANewFileAsksNothing)
{
    SaveMIB.Filter = "Management Information Base (*.mib)|*.mib";
    SaveMIB.DefaultExt = "mib";
    Choose(dir.File("agent"));
    EXPECT_TRUE(Create_SNMP_MIB_File(SaveMIB));
    ASSERT_EQ(dialogs.FileRequests.size(), 1u);
    EXPECT_EQ(dialogs.FileRequests[0].InitialDir, Path_Project);
    EXPECT_TRUE(dialogs.Messages.empty());
    const std::string mib = testsupport::ReadFile(dir.File("agent.mib"));
    EXPECT_NE(mib.find("temp1 OBJECT-TYPE SYNTAX INTEGER"), std::string::npos);
}

TEST_F(MIBSave, ExistingFileIsReplacedOnlyOnYes)
{
    const std::string file = dir.File("agent.mib");
    testsupport::WriteFile(file, "old");
    Choose(file);
    dialogs.MessageAnswers.push_back(ui::IDNO);
    EXPECT_FALSE(Create_SNMP_MIB_File(SaveMIB));
    EXPECT_EQ(dialogs.Messages.back().Text, "File already exists. Do you want to overwrite?");
    EXPECT_EQ(testsupport::ReadFile(file), "old");

    Choose(file);
    dialogs.MessageAnswers.push_back(ui::IDYES);
    EXPECT_TRUE(Create_SNMP_MIB_File(SaveMIB));
    EXPECT_NE(testsupport::ReadFile(file), "old");

    EXPECT_FALSE(Create_SNMP_MIB_File(SaveMIB)) << "cancelled";
}

TEST_F(MIBSave, BrokenAgentFileIsReportedAndNothingIsWritten)
{
    testsupport::WriteFile(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read>");
    Choose(dir.File("agent.mib"));
    EXPECT_FALSE(Create_SNMP_MIB_File(SaveMIB));
    ASSERT_FALSE(dialogs.Messages.empty());
    EXPECT_NE(dialogs.Messages.back().Text.find("SNMP_Trap.xml"), std::string::npos) << dialogs.Messages.back().Text;
    EXPECT_FALSE(std::filesystem::exists(dir.File("agent.mib")));
}

}  // namespace
