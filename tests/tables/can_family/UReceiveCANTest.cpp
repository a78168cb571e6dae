// The raw CAN receive dialog in its window (offscreen): layout and texts from the frame, the show,
// OK, the row buttons and the hints, as the user meets them.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/can_family/UReceiveCAN.h"

namespace {

class ReceiveCANDialog : public frametest::TableFrameTest<TFReceiveCAN> {
protected:
    ReceiveCANDialog() : TableFrameTest(File_CAN_Rec_Frames, "CAN_Rec_Frames.xml") {}
};

TEST_F(ReceiveCANDialog, LayoutTextsAndColumns)
{
    ExpectFrameLayout(1010, 337);
    EXPECT_EQ(form->Caption(), "Receive CAN Frames Set Access");
    EXPECT_EQ(form->L_SW_Desc->Caption(), "Receive CAN Frames Set Access");
    EXPECT_EQ(form->Btn_PasteRow->Caption(), "Paste Row");
    EXPECT_EQ(form->Btn_OK->Hint(), "Confirm and save the Receive CAN Frames List");
    EXPECT_TRUE(form->Btn_OK->ShowHint());
    EXPECT_EQ(form->PageControl1, nullptr) << "one grid, no tab sheets";
    dlg::TFrameColumnGrid* grid = form->ACG_CAN_Receive;
    EXPECT_EQ(grid->Name(), "ACG_CAN_Receive");
    EXPECT_EQ(grid->RowCount(), 513);
    EXPECT_EQ(grid->ColCount(), 15);
    EXPECT_EQ(grid->Cells(2, 0), "CobID");
    EXPECT_EQ(grid->Cells(13, 0), "Byte8");
    EXPECT_EQ(grid->ColWidths(0), 40);
    EXPECT_EQ(grid->ColWidths(14), 185);
    EXPECT_EQ(grid->Columns()->Items(1)->Editor(), gx::edDataCheckBox);
    EXPECT_EQ(grid->Columns()->Items(3)->Editor(), gx::edComboList);
    EXPECT_EQ(grid->Columns()->Items(3)->ComboItems[1], "2.0B (29 bits)");
    EXPECT_EQ(form->Hint_ReceiveCAN.Count(), 14);
}

TEST_F(ReceiveCANDialog, HeaderHintsAreTheTextsInColumnOrderAndDataCellsHaveNone)
{
    EXPECT_EQ(Header_Hint(1), "Enable or Disable the Rule for CAN Receive");
    EXPECT_EQ(Header_Hint(5), "Enable or Disable the possibility to cancel che byte after the Timeout");
    EXPECT_EQ(Header_Hint(14), "Insert the position of array where put the byte 8 of CAN frame");
    std::string hint = "cell text";
    form->GridHint(form->ACG_CAN_Receive, 3, 2, hint);
    EXPECT_EQ(hint, "");
}

TEST_F(ReceiveCANDialog, ShowNumbersTheRowsAndFillsThePositionLists)
{
    Put(7, {"N", "typed"});
    Show();
    EXPECT_EQ(Cell(0, 512), "512");
    EXPECT_EQ(Cell(1, 7), "Y");
    EXPECT_EQ(Cell(2, 7), "") << "every show discards the edits of the last";
    EXPECT_EQ(form->MAX_Byte(), 2000);
    for (int c = 6; c <= 13; ++c) {
        const rtl::TStringList& items = form->ACG_CAN_Receive->Columns()->Items(c)->ComboItems;
        ASSERT_EQ(items.Count(), 2001) << c;
        EXPECT_EQ(items[0], "None");
        EXPECT_EQ(items[2000], "1999");
    }
    Show();
    EXPECT_EQ(form->ACG_CAN_Receive->Columns()->Items(6)->ComboItems.Count(), 2001) << "filled anew, not added to";
}

TEST_F(ReceiveCANDialog, ShownDialogGivesTheGridTheFocus)
{
    form->Show();
    EXPECT_TRUE(form->ACG_CAN_Receive->Focused());
    form->Hide();
}

TEST_F(ReceiveCANDialog, OkChecksSavesAndTheNextShowLoadsTheSame)
{
    Show();
    Put(1, {"Y", "0x100", "2.0A (11 bits)", "2", "0", "None", "17", "", "", "", "", "", "", "first"});
    Put(2, {"N", "bad", "", "", "", "", "", "", "", "", "", "", "", "disabled"});
    ASSERT_TRUE(Press_OK());
    EXPECT_TRUE(dialogs.Messages.empty());
    const std::string first = File_Text();
    Show();
    EXPECT_EQ(Cell(7, 1), "17");
    EXPECT_EQ(Cell(14, 2), "disabled");
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), first);
}

TEST_F(ReceiveCANDialog, BrokenRuleOrDroppedRowKeepsTheDialogOpenAndTheFileUntouched)
{
    Show();
    Put(1, {"Y", "1", "", "2", "0", "", "2000"});
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 1!! Byte2 must be between 0 and 1999 or None");
    EXPECT_FALSE(std::filesystem::exists(File()));
    Put(1, {"Y", "1", "", "2", "0", "", "1999"});
    Put(3, {"Y", "3"});
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message().rfind("Row 2 has no CobID.", 0), 0u) << Last_Message();
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(Cell(2, 3), "3") << "the user's edits stay";
}

TEST_F(ReceiveCANDialog, RowButtons)
{
    Show();
    Put(5, {"N", "55"});
    Put(6, {"N", "66"});
    form->ACG_CAN_Receive->SetRow(5);
    dialogs.MessageAnswers.push_back(ui::IDNO);
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(Last_Message(), "Are you sure to delete the Row number 5");
    EXPECT_EQ(Cell(2, 5), "55");
    dialogs.MessageAnswers.push_back(ui::IDYES);
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(Cell(2, 5), "66");
    form->Btn_InsRowClick(form->Btn_InsRow);
    EXPECT_EQ(Cell(1, 5), "Y") << "a new row is enabled";
    EXPECT_EQ(Cell(2, 6), "66");

    form->ACG_CAN_Receive->SetRow(6);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(Last_Message(), "Error!!! Copy a valid row before Paste it");
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    EXPECT_TRUE(form->Do_Copy);
    form->ACG_CAN_Receive->SetRow(7);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(Cell(2, 7), "66");
    Show();
    EXPECT_FALSE(form->Do_Copy) << "every show forgets the copied row";
}

TEST_F(ReceiveCANDialog, LanguageChangeRelabelsWithoutAShow)
{
    Lang_List[2410] = "Identificatore";
    Lang_List[2430] = "Inserire il CobID";
    Lang_List[2402] = "Conferma";
    form->Set_Lang();
    EXPECT_EQ(form->ACG_CAN_Receive->Cells(2, 0), "Identificatore");
    EXPECT_EQ(Header_Hint(2), "Inserire il CobID");
    EXPECT_EQ(form->Btn_OK->Caption(), "Conferma");
}

TEST_F(ReceiveCANDialog, UnreadableFileIsNamedAndLeftAsItIs)
{
    testsupport::WriteFile(File(), "<Receive_Frames><row COBID=\"1\"");
    Show();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(Last_Message().find(File().string()), std::string::npos) << Last_Message();
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(File_Text(), "<Receive_Frames><row COBID=\"1\"");
}

}  // namespace
