// The DMX default values in their window (offscreen): OK and Cancel without row buttons, a row per
// channel of the settings at every show, a clamped number of channels said, the check and the save.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/can_family/UDMXDefVal.h"

namespace {

class DMXDefValDialog : public frametest::TableFrameTest<TFDMXDefVal> {
protected:
    DMXDefValDialog() : TableFrameTest(File_DMX_Default_Values, "DMX_Default_Values.xml")
    {
        savedParGen_ = File_ParGen;
        File_ParGen = dir.File("ParGen.xml");
    }
    ~DMXDefValDialog() override { File_ParGen = savedParGen_; }
    void Channels(const std::string& n)
    {
        testsupport::WriteFile(File_ParGen, "<Par_Gen><DMX_Num_Channels>" + n + "</DMX_Num_Channels></Par_Gen>");
    }

private:
    std::string savedParGen_;
};

TEST_F(DMXDefValDialog, OkAndCancelOnlyWithTheirTexts)
{
    EXPECT_EQ(form->ClientWidth(), 475);
    EXPECT_EQ(form->ClientHeight(), 337);
    EXPECT_EQ(form->Caption(), "DMX Default Value");
    EXPECT_EQ(form->Btn_OK->Left(), 16);
    EXPECT_EQ(form->Btn_Cancel->Left(), 134);
    EXPECT_EQ(form->Btn_Cancel->ModalResult(), ui::mrCancel);
    EXPECT_EQ(form->Btn_Cancel->Hint(), "Exit without save the DMX Default Values");
    EXPECT_EQ(form->Btn_DelRow, nullptr);
    EXPECT_EQ(form->FindComponent("Btn_InsRow"), nullptr) << "no row buttons at all";
    EXPECT_EQ(form->ACG_DMX_Def_Val->Cells(0, 0), "Channel");
    EXPECT_EQ(form->ACG_DMX_Def_Val->ColWidths(0), 100);
    EXPECT_EQ(Header_Hint(1), "Insert the Default Value for the DMX Channel");
    EXPECT_EQ(form->Hint.Count(), 2);
    Lang_List[3107] = "Valore";
    form->Set_Lang();
    EXPECT_EQ(form->ACG_DMX_Def_Val->Cells(1, 0), "Valore");
}

TEST_F(DMXDefValDialog, RowsFollowTheSettingsAtEveryShow)
{
    Show();
    EXPECT_EQ(form->Num_Channels(), 512) << "no settings file";
    EXPECT_EQ(Cell(0, 512), "512");
    EXPECT_EQ(Cell(1, 512), "0");
    Channels("16");
    Show();
    EXPECT_EQ(form->ACG_DMX_Def_Val->RowCount(), 17);
    EXPECT_EQ(Cell(1, 16), "0");
    EXPECT_TRUE(dialogs.Messages.empty());
    Put(16, {"255", "last"});
    ASSERT_TRUE(Press_OK());
    const std::string first = File_Text();
    EXPECT_NE(first.find("<Row Default_Value=\"255\" Mnemonic=\"last\"/></DMX_Default_Values>"), std::string::npos);
    Channels("20");
    Show();
    EXPECT_EQ(Cell(2, 16), "last");
    EXPECT_EQ(Cell(1, 20), "0") << "a channel the file does not reach starts at 0";
    Channels("16");
    Show();
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), first);
}

TEST_F(DMXDefValDialog, ChannelsOutsideOneTo512AreClampedAndSaid)
{
    Channels("600");
    Show();
    EXPECT_EQ(form->Num_Channels(), 512);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(Last_Message(), "DMX_Num_Channels in the communication settings is 600, outside 1 to 512: the table has "
                              "512 channels.");
    Channels("0");
    Show();
    EXPECT_EQ(form->Num_Channels(), 1);
    EXPECT_EQ(dialogs.Messages.size(), 2u);
}

TEST_F(DMXDefValDialog, BadValueKeepsTheDialogOpen)
{
    Channels("4");
    Show();
    Put(3, {"256"});
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 3!! Default Value must be between 0 and 255");
    EXPECT_FALSE(std::filesystem::exists(File()));
}

}  // namespace
