// The serial Modbus master dialog in its window (offscreen): two tables on two tab sheets, hints
// only over the read table, the hidden Topic column and the topic chosen per row, the show/OK round
// trip and the row buttons on the active table.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/modbus_s7_bacnet/USetAccess.h"

namespace {

class SetAccessDialog : public frametest::TableFrameTest<TFSetAccess> {
protected:
    SetAccessDialog() : TableFrameTest(File_ModbusM_SetAccess, "ModbusM_SetAccess.xml") {}
};

TEST_F(SetAccessDialog, LayoutTextsAndColumns)
{
    ExpectFrameLayout(1040, 337);
    EXPECT_EQ(form->Caption(), "Set Modbus Access");
    EXPECT_EQ(form->L_SW_Desc->Caption(), "Set Modbus Access");
    EXPECT_EQ(form->Btn_OK->Hint(), "Confirm and save the Modbus Master Set Access List");
    EXPECT_EQ(form->Btn_PasteRow->Caption(), "Paste Row");
    ASSERT_NE(form->PageControl1, nullptr);
    EXPECT_EQ(form->TS_Modbus_Read->Name(), "TS_Modbus_Read");
    EXPECT_EQ(form->TS_Modbus_Read->Caption(), "Modbus Read");
    EXPECT_EQ(form->TS_Modbus_Write->Caption(), "Modbus Write");
    EXPECT_EQ(form->ACG_Modbus_Read->Name(), "ACG_Modbus_Read");
    EXPECT_EQ(form->ACG_Modbus_Write->Parent(), form->TS_Modbus_Write);
    EXPECT_EQ(form->ACG_Modbus_Read->RowCount(), 513);
    EXPECT_EQ(form->ACG_Modbus_Write->RowCount(), 513);
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(11, 0), "SwapWord") << "the text replaces the form's \"Swap Word\"";
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(8, 0), "On CMD");
    EXPECT_EQ(form->ACG_Modbus_Read->Columns()->Items(3)->ComboItems.Count(), 4);
    EXPECT_EQ(form->ACG_Modbus_Write->Columns()->Items(3)->ComboItems[1], "Holding Register");
    EXPECT_EQ(form->ACG_Modbus_Write->Columns()->Items(14)->Width(), 113);
    EXPECT_EQ(form->Hint_Modbus_Set_Access_Read.Count(), 13);
    EXPECT_EQ(form->Hint_Modbus_Set_Access_Write.Count(), 14);
    EXPECT_TRUE(form->List_Publish_Topic.empty());
}

TEST_F(SetAccessDialog, OnlyTheReadTableShowsHints)
{
    EXPECT_TRUE(form->ACG_Modbus_Read->ShowHint());
    EXPECT_FALSE(form->ACG_Modbus_Write->ShowHint());
    for (controls::TLbButton* b : {form->Btn_OK, form->Btn_Cancel, form->Btn_DelRow, form->Btn_PasteRow})
        EXPECT_FALSE(b->ShowHint()) << b->Name();
    EXPECT_EQ(Header_Hint(11), "Enable or Disable the Swap Word of Data");
    EXPECT_EQ(Header_Hint(13), "Insert the Description of Modbus Rule");
    EXPECT_EQ(Header_Hint(7, 1), "Enable or Disable the Possibility to Send the Write Modbus Reques when Data Change")
        << "set, though never shown";
    std::string hint = "cell text";
    form->GridHint(form->ACG_Modbus_Read, 2, 3, hint);
    EXPECT_EQ(hint, "cell text") << "data cells keep the grid's own hint";
}

TEST_F(SetAccessDialog, ShowHidesTheTopicAndFillsThePositionLists)
{
    form->PageControl1->SetActivePage(form->TS_Modbus_Write);
    form->ACG_Modbus_Read->UnHideColumn(12);
    Show();
    EXPECT_TRUE(form->ACG_Modbus_Read->IsHiddenColumn(12));
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_Modbus_Read);
    EXPECT_EQ(form->NByte_IN(), 1500);
    for (auto [grid, col] : {std::pair{form->ACG_Modbus_Read, 8}, std::pair{form->ACG_Modbus_Write, 10}}) {
        const rtl::TStringList& items = grid->Columns()->Items(col)->ComboItems;
        ASSERT_EQ(items.Count(), 1500);
        EXPECT_EQ(items[1499], "1499");
        EXPECT_EQ(grid->Columns()->Items(col + 1)->ComboItems[7], "7");
    }
    EXPECT_EQ(Cell(1, 512, 1), "Y");
}

TEST_F(SetAccessDialog, TopicChosenIsRememberedForItsRowUntilTheNextShow)
{
    form->List_Publish_Topic = {"t0", "t1", "t2"};
    Show();
    form->List_Publish_Topic.clear();
    const rtl::TStringList& topics = form->ACG_Modbus_Read->Columns()->Items(12)->ComboItems;
    ASSERT_EQ(topics.Count(), 3) << "the Topic column offers the list";
    EXPECT_EQ(topics[2], "t2");
    form->ComboChange(form->ACG_Modbus_Read, 12, 3, 2, "t2");
    form->ComboChange(form->ACG_Modbus_Read, 3, 4, 1, "Input Status");
    EXPECT_EQ(form->ComboItem_Topic(3), 2);
    EXPECT_EQ(form->ComboItem_Topic(4), -1) << "only the Topic column";
    ASSERT_TRUE(form->ACG_Modbus_Read->OnComboChange);
    Show();
    EXPECT_EQ(form->ComboItem_Topic(3), -1);
}

TEST_F(SetAccessDialog, OkSavesAndTheNextShowLoadsTheSame)
{
    Show();
    Put(1, {"Y", "1", "Coil Status", "0", "16", "100", "0", "10", "3", "N", "Y", "", "read"});
    Put(1, {"N", "2", "Holding Register", "0", "1", "0", "Y", "N", "0", "0", "", "N", "N", "write"}, 1);
    ASSERT_TRUE(Press_OK()) << Last_Message();
    const std::string first = File_Text();
    EXPECT_NE(first.find(" Bit=\"3\" Swap=\"N\" SwapWord=\"Y\" Index_Topic=\"\" Mnemonic=\"read\""), std::string::npos)
        << first;
    Show();
    EXPECT_EQ(Cell(13, 1), "read");
    EXPECT_EQ(Cell(7, 1, 1), "Y");
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), first);
}

TEST_F(SetAccessDialog, FaultInTheWriteTableBringsItsTabForward)
{
    Show();
    Put(1, {"Y", "1", "Coil Status", "0", "1969", "100", "N", "N", "0", "0", "0"}, 1);
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 1!! [Modbus Write] NPoint must be between 1 and 1968");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_Modbus_Write);
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(SetAccessDialog, RowButtonsWorkOnTheActiveTable)
{
    Show();
    Put(1, {"Y", "5"});
    Put(2, {"Y", "6"}, 1);
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    EXPECT_TRUE(form->Do_Copy_In_Read);
    form->PageControl1->SetActivePage(form->TS_Modbus_Write);
    form->ACG_Modbus_Write->SetRow(2);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(Last_Message(), "Error!!! Copy a valid row before Paste it") << "copied in the other table";
    dialogs.MessageAnswers.push_back(ui::IDYES);
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(Last_Message(), "Are you sure to delete the Row number 2");
    EXPECT_EQ(Cell(2, 2, 1), "");
    EXPECT_EQ(Cell(2, 1, 0), "5") << "the read table is left alone";
    form->Btn_InsRowClick(form->Btn_InsRow);
    EXPECT_EQ(Cell(1, 2, 1), "Y") << "a new row is enabled";
}

TEST_F(SetAccessDialog, EnterWalksBothTables)
{
    Enable_Jump_Field = true;
    Show();
    for (dlg::TFrameColumnGrid* grid : {form->ACG_Modbus_Read, form->ACG_Modbus_Write}) {
        grid->SetRow(1);
        grid->SetCol(2);
        char32_t key = 13;
        ASSERT_TRUE(grid->OnGridKeyPress) << grid->Name();
        grid->OnGridKeyPress(grid, key);
        EXPECT_EQ(grid->Col(), 3) << grid->Name();
    }
    Enable_Jump_Field = false;
}

TEST_F(SetAccessDialog, LanguageChangeRelabelsBothTables)
{
    Lang_List[1715] = "Scrittura Modbus";
    Lang_List[1731] = "Tipo";
    Lang_List[1792] = "Scambia le parole";
    Lang_List[1706] = "Copia";
    form->Set_Lang();
    EXPECT_EQ(form->TS_Modbus_Write->Caption(), "Scrittura Modbus");
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(3, 0), "Tipo");
    EXPECT_EQ(Header_Hint(11), "Scambia le parole");
    EXPECT_EQ(form->Btn_CopyRow->Caption(), "Copia");
}

}  // namespace
