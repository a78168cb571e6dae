// The table row tools: delete, insert, copy and paste on column grids (check boxes as "Y"/"N"
// texts) and on check-box string grids (boxes with their own state, read-only flags carried), the
// paste checks and questions, the Enter walk and the header double click.
#include "dialogs/UGridRows.h"

#include <gtest/gtest.h>

#include <string>

#include "common/UComon.h"
#include "platform/ui/Dialogs.h"

namespace {

// A column grid of 4 data rows: Enable (data check box), Name, Value; hidden column 4.
struct ColGridFixture : ::testing::Test {
    gx::TGxColumnGrid grid{nullptr};
    ui::ScriptedDialogs dialogs;
    ColGridFixture()
    {
        grid.SetColCount(5);
        grid.SetRowCount(5);
        grid.Columns()->Items(1)->SetEditor(gx::edDataCheckBox);
        for (int r = 1; r <= 4; ++r) {
            grid.SetCells(1, r, "Y");
            grid.SetCells(2, r, "n" + std::to_string(r));
            grid.SetCells(3, r, "v" + std::to_string(r));
            grid.SetCells(4, r, "h" + std::to_string(r));
        }
        grid.HideColumn(4);
    }
    std::string Row(int r)
    {
        return grid.Cells(1, r) + "," + grid.Cells(2, r) + "," + grid.Cells(3, r) + "," + grid.Cells(4, r);
    }
};

TEST_F(ColGridFixture, DeleteAndInsertMoveEveryDataColumnHiddenIncluded)
{
    ColGrid_Del_Row(2, &grid);
    EXPECT_EQ(Row(2), "Y,n3,v3,h3");
    EXPECT_EQ(Row(3), "Y,n4,v4,h4");
    EXPECT_EQ(Row(4), ",,,");
    ColGrid_Ins_Row(1, &grid, true);
    EXPECT_EQ(Row(1), "Y,,,");
    EXPECT_EQ(Row(2), "Y,n1,v1,h1");
    EXPECT_EQ(Row(4), "Y,n4,v4,h4");   // the emptied last row was pushed out
    ColGrid_Ins_Row(4, &grid, false);  // at the last row: only that row is cleared
    EXPECT_EQ(Row(4), ",,,");
    EXPECT_EQ(Row(3), "Y,n3,v3,h3");
    EXPECT_TRUE(dialogs.Messages.empty());  // the tools ask nothing
}

TEST_F(ColGridFixture, PasteChecksAndQuestions)
{
    Row_Copy_List.clear();
    EXPECT_FALSE(ColGrid_Paste_Row(&grid, 1, false));
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Error!!! Copy a valid row before Paste it");

    Row_Copy_List = {"Y", "x", "y"};  // one column short (a foreign grid)
    EXPECT_FALSE(ColGrid_Paste_Row(&grid, 1, true));
    EXPECT_EQ(dialogs.Messages.back().Text, "Error in the Copy values!!! Copy a valid row before Paste it");

    ColGrid_Copy_Row(&grid, 2);
    EXPECT_EQ(Row_Copy_List, (std::vector<std::string>{"Y", "n2", "v2", "h2"}));
    dialogs.MessageAnswers = {ui::mrNo};
    EXPECT_FALSE(ColGrid_Paste_Row(&grid, 3, true));
    EXPECT_EQ(dialogs.Messages.back().Text, "Row Already used. Do you want to overwrite the values?");
    EXPECT_EQ(Row(3), "Y,n3,v3,h3");
    dialogs.MessageAnswers = {ui::mrYes};
    EXPECT_TRUE(ColGrid_Paste_Row(&grid, 3, true));
    EXPECT_EQ(Row(3), "Y,n2,v2,h2");

    // A row holding only a check-box text and blanks is not in use: no question.
    grid.SetCells(2, 4, "  ");
    grid.SetCells(3, 4, "");
    grid.SetCells(4, 4, "");
    const std::size_t asked = dialogs.Messages.size();
    EXPECT_TRUE(ColGrid_Paste_Row(&grid, 4, true));
    EXPECT_EQ(dialogs.Messages.size(), asked);
}

// A check-box string grid: column 1 boxes, column 2 text.
struct CheckGridFixture : ::testing::Test {
    gx::TGxStringGrid grid{nullptr};
    ui::ScriptedDialogs dialogs;
    CheckGridFixture()
    {
        grid.SetColCount(3);
        grid.SetRowCount(4);
        for (int r = 1; r <= 3; ++r) {
            Add_Cell_Check_Box(&grid, 1, r, r != 2);
            grid.SetCells(2, r, "t" + std::to_string(r));
        }
        grid.SetReadOnly(2, 3, true);
    }
    std::string Row(int r)
    {
        return std::string(grid.IsChecked(1, r) ? "x" : "o") + "," + grid.Cells(2, r) +
               (grid.ReadOnly(2, r) ? ",ro" : "");
    }
};

TEST_F(CheckGridFixture, DeleteAndInsertCarryStatesAndReadOnlyFlags)
{
    Grid_Del_Row(1, &grid, true);
    EXPECT_EQ(Row(1), "o,t2");
    EXPECT_EQ(Row(2), "x,t3,ro");
    EXPECT_EQ(Row(3), "x,,ro");  // the emptied last row: first box ticked, read-only
    Grid_Ins_Row(1, &grid, false);
    EXPECT_EQ(Row(1), "o,");
    EXPECT_EQ(Row(2), "o,t2");
    EXPECT_EQ(Row(3), "x,t3,ro");
}

TEST_F(CheckGridFixture, CopyAndPasteRestoreBoxesFromTheirTexts)
{
    Grid_Copy_Row(&grid, 2);
    EXPECT_EQ(Row_Copy_List, (std::vector<std::string>{"N", "t2"}));
    EXPECT_EQ(Row_Copy_Check_Cols, (std::vector<bool>{true, false}));
    grid.SetCells(2, 1, " ");  // a single blank in a text cell is a row in use
    dialogs.MessageAnswers = {ui::mrYes};
    EXPECT_TRUE(Grid_Paste_Row(&grid, 1, true));
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(Row(1), "o,t2");
    Row_Copy_List = {"yes", "z"};  // any text but "Y" leaves the box unticked
    dialogs.MessageAnswers = {ui::mrYes};
    EXPECT_TRUE(Grid_Paste_Row(&grid, 3, true));
    EXPECT_EQ(Row(3), "o,z,ro");
}

TEST(GridEnterKey, WalksDataCellsAndConsumesEnter)
{
    gx::TGxStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.HideColumn(3);  // hidden columns are skipped
    Enable_Jump_Field = true;
    struct Case {
        int col, row;
        char32_t key;
        int wantCol, wantRow;
        char32_t wantKey;
    } cases[] = {
        {1, 1, 13, 2, 1, 0},  // next column
        {2, 1, 13, 1, 2, 0},  // last visible column: next row
        {2, 2, 13, 1, 1, 0},  // last row: back to row 1
        {1, 1, 'a', 1, 1, 'a'},
    };
    for (const Case& c : cases) {
        grid.SetCol(c.col);
        grid.SetRow(c.row);
        char32_t key = c.key;
        Grid_Enter_Next_Cell(&grid, key);
        EXPECT_EQ(grid.Col(), c.wantCol) << c.col << "," << c.row;
        EXPECT_EQ(grid.Row(), c.wantRow) << c.col << "," << c.row;
        EXPECT_EQ(key, c.wantKey);
    }
    Enable_Jump_Field = false;
    grid.SetCol(1);
    char32_t key = 13;
    Grid_Enter_Next_Cell(&grid, key);
    EXPECT_EQ(key, 13u);
    EXPECT_EQ(grid.Col(), 1);
    Enable_Jump_Field = true;
}

TEST(GridDblClick, OnlyHeaderCellsSizeTheirColumn)
{
    gx::TGxStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetColWidths(1, 20);
    grid.SetColWidths(2, 20);
    grid.SetCells(1, 1, "a rather long text in a cell");
    grid.SetCells(2, 1, "another long text");
    Enable_DblClick_AutoSize = true;
    Grid_DblClick_AutoSize(&grid, 1, 1);
    EXPECT_EQ(grid.ColWidths(1), 20);
    Grid_DblClick_AutoSize(&grid, 0, 1);
    EXPECT_GT(grid.ColWidths(1), 60);
    EXPECT_EQ(grid.ColWidths(2), 20);
    Enable_DblClick_AutoSize = false;
    Grid_DblClick_AutoSize(&grid, 0, 2);
    EXPECT_EQ(grid.ColWidths(2), 20);
}

// The header is measured in its own (bold, larger) font: its whole text fits after the double
// click, though it is wider than every data cell and wider than in the grid's body font.
TEST(GridDblClick, TheHeaderFitsInItsOwnFont)
{
    gx::TGxStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(3);
    grid.Font()->SetName("DejaVu Sans");
    grid.Font()->SetSize(8);
    ui::TFont header;
    header.SetName("DejaVu Sans");
    header.SetSize(14);
    header.SetStyle(ui::fsBold);
    grid.SetFixedFont(header);
    grid.SetCells(1, 0, "Length");
    grid.SetCells(1, 1, "4");
    Enable_DblClick_AutoSize = true;
    Grid_DblClick_AutoSize(&grid, 0, 1);
    Enable_DblClick_AutoSize = false;
    ui::TCanvas* canvas = grid.Canvas();
    canvas->Font()->Assign(header);
    EXPECT_GE(grid.ColWidths(1), canvas->TextWidth("Length") + 2 * grid.XYOffset().X);
}

}  // namespace
