// The IEC 61850 server variables dialog in its window (offscreen): layout and texts, hints, the
// show, OK with its check, and the row buttons as the user meets them.
#include <gtest/gtest.h>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "tables/iec61850_it/UIEC61850_Variables.h"

namespace {

class IEC61850VariablesDialog : public frametest::TableFrameTest<TFIEC61850_Variables> {
protected:
    IEC61850VariablesDialog() : TableFrameTest(File_IEC61850_Variables, "IEC61850_Variables.xml") {}
};

TEST_F(IEC61850VariablesDialog, LayoutTextsAndColumns)
{
    ExpectFrameLayout(1155, 337);
    EXPECT_EQ(form->Caption(), "Set Variables Access for IEC61850");
    EXPECT_EQ(form->Btn_Cancel->Hint(), "Exit without save the Variables List of IEC61850");
    dlg::TFrameColumnGrid* grid = form->ACG;
    EXPECT_EQ(grid->RowCount(), 51);
    EXPECT_EQ(grid->ColCount(), 13);
    EXPECT_EQ(grid->Cells(9, 0), "Molt. Factor");
    EXPECT_EQ(grid->Cells(11, 0), "Swap Word");
    EXPECT_EQ(grid->ColWidths(2), 250);
    EXPECT_EQ(grid->Columns()->Items(3)->ComboItems[2], "Digital (Bit)");
    EXPECT_EQ(grid->Columns()->Items(9)->Editor(), gx::edComboEdit);
    EXPECT_EQ(grid->Columns()->Items(11)->Editor(), gx::edDataCheckBox);
    EXPECT_EQ(form->Hint_List.Count(), 12);
    EXPECT_EQ(Header_Hint(3), "Select teh Type of IEC61850 Variable (Int or Float)");
    EXPECT_EQ(Header_Hint(12), "Insert the Description of IEC61850 Variable");
    std::string hint = "cell text";
    form->GridHint(grid, 4, 2, hint);
    EXPECT_EQ(hint, "");
}

TEST_F(IEC61850VariablesDialog, OkChecksSavesAndTheNextShowLoadsTheSame)
{
    Show();
    EXPECT_EQ(form->NByte_IN(), 1438);
    Put(1, {"Y", "Voltage", "Float", "4", "Y", "1437", "", "None", "2,5", "N", "Y", "volts"});
    Put(2, {"Y", "Breaker", "Digital (Bit)", "1", "N", "10", "", "None", "None"});
    EXPECT_FALSE(Press_OK());
    EXPECT_EQ(Last_Message(), "Error row 2!! Start Bit must be Selected ");
    EXPECT_FALSE(std::filesystem::exists(File()));
    Put(2, {"Y", "Breaker", "Digital (Bit)", "1", "N", "10", "3", "None", "None"});
    ASSERT_TRUE(Press_OK());
    const std::string first = File_Text();
    Show();
    EXPECT_EQ(Cell(12, 1), "volts");
    EXPECT_EQ(Cell(7, 2), "3");
    ASSERT_TRUE(Press_OK());
    EXPECT_EQ(File_Text(), first);
}

TEST_F(IEC61850VariablesDialog, InsertOpensAnEnabledRowAndDeleteAsksFirst)
{
    Show();
    Put(3, {"N", "third"});
    form->ACG->SetRow(3);
    form->Btn_InsRowClick(form->Btn_InsRow);
    EXPECT_EQ(Cell(1, 3), "Y");
    EXPECT_EQ(Cell(2, 4), "third");
    form->ACG->SetRow(4);
    dialogs.MessageAnswers.push_back(ui::IDYES);
    form->Btn_DelRowClick(form->Btn_DelRow);
    EXPECT_EQ(Last_Message(), "Are you sure to delete the Row number 4");
    EXPECT_EQ(Cell(2, 4), "");
}

}  // namespace
