// The MQTT topics in their window (offscreen): two pages, the hidden columns as every show leaves
// them, header hints only, a row copied on one page refused on the other, and the topic template
// editor behind a double click on a Template cell.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/mqtt_snmp/UMQTT_Set_Topic.h"
#include "tables/mqtt_snmp/UTopicTemplate.h"

namespace {

class MQTTDialog : public frametest::TableFrameTest<TFMQTT_Set_Topic> {
protected:
    MQTTDialog() : TableFrameTest(File_MQTT_Set_Topic, "MQTT_Set_Topic.xml")
    {
        editor_ = std::make_unique<TFTopicTemplate>(nullptr);
        FTopicTemplate = editor_.get();
    }
    ~MQTTDialog() override { FTopicTemplate = nullptr; }

    // The editor, when shown, shows its texts, then the user types `typed` (when not null) and
    // closes it with `result`.
    void Editor_Answers(ui::TModalResult result, const char* typed)
    {
        editor_->OnShow = [this, result, typed](ui::TObject* s) {
            editor_->FormShow(s);
            shownCaption_ = editor_->Caption();
            shownText_ = editor_->RE_TopicTemplate->Text();
            if (typed)
                editor_->RE_TopicTemplate->SetText(typed);
            editor_->SetModalResult(result);
        };
    }
    void Double_Click(dlg::TFrameColumnGrid* grid, int realCol, int row)
    {
        grid->SetRow(row);
        grid->SetCol(grid->DisplColIndex(realCol));
        grid->OnCellDblClick(grid, row, grid->DisplColIndex(realCol));
    }

    std::unique_ptr<TFTopicTemplate> editor_;
    std::string shownCaption_, shownText_;
};

TEST_F(MQTTDialog, LayoutTextsAndHiddenColumns)
{
    ExpectFrameLayout(1100, 337);
    Show();
    EXPECT_EQ(form->Caption(), "Set MQTT Topics");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->Sheets[0]);
    EXPECT_EQ(form->Sheets[0]->Caption(), "MQTT Publish");
    EXPECT_EQ(form->Sheets[1]->Caption(), "MQTT Subscribe");
    EXPECT_EQ(form->ACG_Sub->Cells(5, 0), "Dimension") << "replaces the form's stored Mnemonic";
    EXPECT_EQ(form->ACG_Pub->RowCount(), 1025);
    EXPECT_EQ(form->Byte_IN(), 1500);
    for (int c : {7, 8, 11, 14, 15, 16})
        EXPECT_TRUE(form->ACG_Pub->IsHiddenColumn(c)) << c;
    for (int c : {1, 2, 3, 4, 5, 6, 9, 10, 12, 13, 17})
        EXPECT_FALSE(form->ACG_Pub->IsHiddenColumn(c)) << c;
    for (int c : {2, 7, 8, 9, 10, 12, 13})
        EXPECT_TRUE(form->ACG_Sub->IsHiddenColumn(c)) << c;
    EXPECT_EQ(form->Hint_MQTT_Set_Topic_Pub.Count(), 17);
    EXPECT_EQ(Header_Hint(13), "Insert then Timer in milliseconds between two Publish");
    EXPECT_EQ(Header_Hint(14, 1), "Description of MQTT Topic");
    std::string hint = "grid's own";
    form->GridHint(Grid(0), 1, 1, hint);
    EXPECT_EQ(hint, "grid's own") << "data cells keep the grid's hint";
}

TEST_F(MQTTDialog, RowCopiedOnOnePageIsRefusedOnTheOther)
{
    Show();
    Put(1, {"a/b", "N", "0", "Int", "2", "0"});
    Grid(0)->SetRow(1);
    form->Btn_CopyRowClick(form->Btn_CopyRow);
    EXPECT_TRUE(form->Do_Copy_Pub);
    form->PageControl1->SetActivePage(form->Sheets[1]);
    Grid(1)->SetRow(1);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(Last_Message(), "Error!!! Copy a valid row before Paste it");
    EXPECT_EQ(Cell(1, 1, 1), "");
    form->PageControl1->SetActivePage(form->Sheets[0]);
    Grid(0)->SetRow(2);
    form->Btn_PasteRowClick(form->Btn_PasteRow);
    EXPECT_EQ(Cell(1, 2), "a/b");
}

TEST_F(MQTTDialog, TemplateCellIsEditedInTheTemplateEditor)
{
    Show();
    Put(2, {"x/y", "", "", "", "", "", "", "", "", "", "$OLD$"}, 1);
    Editor_Answers(ui::mrOk, "$VALUE$ $UNIT$");
    Double_Click(form->ACG_Sub, 11, 2);
    EXPECT_EQ(shownCaption_, "Set Template");
    EXPECT_EQ(shownText_, "$OLD$");
    EXPECT_EQ(Cell(11, 2, 1), "$VALUE$ $UNIT$");
    EXPECT_EQ(editor_->GSG_Keywords->RowCount(), 2) << "header and one empty row";
    EXPECT_TRUE(editor_->GSG_Keywords->ReadOnly(1, 1));

    Editor_Answers(ui::mrCancel, "changed");
    Double_Click(form->ACG_Sub, 11, 2);
    EXPECT_EQ(Cell(11, 2, 1), "$VALUE$ $UNIT$") << "Cancel leaves the cell";

    shownCaption_.clear();
    Editor_Answers(ui::mrOk, "changed");
    Double_Click(form->ACG_Pub, 1, 1);
    EXPECT_EQ(shownCaption_, "") << "other cells open no editor";
    EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(MQTTDialog, OkWritesTheStoredColumnsAndTheNextShowResetsTheOthers)
{
    Show();
    Put(1, {"a/b", "Y", "1", "Float", "4", "1499", "", "", "$VALUE$", "N", "Y", "Y", "10", "5", "Y", "Y", "m"});
    ASSERT_TRUE(Press_OK()) << Last_Message();
    Show();
    EXPECT_EQ(Cell(6, 1), "1499");
    EXPECT_EQ(Cell(11, 1), "") << "OnCMD";
    EXPECT_EQ(Cell(14, 1), "") << "Channel";
    EXPECT_EQ(Cell(15, 1), "N") << "Swap";
    EXPECT_EQ(Cell(16, 1), "N") << "Swap Word";
    form->Cells(0).SetCell(6, 1, "1500");
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 1!! [MQTT Publish] Position must be beetween 0 and 1499");
}

}  // namespace
