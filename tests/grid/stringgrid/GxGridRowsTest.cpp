// Inserting, appending and removing rows and columns of the string grid, and removing or hiding
// rows by selection, check box or duplicate key: the cells, properties, heights, hidden rows and row
// flags travel with their rows.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gx {
namespace {

class GxGridRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(4);
        grid.SetRowCount(12);
        for (int r = 0; r < 12; ++r)
            grid.SetCells(1, r, "r" + std::to_string(r));
    }
    std::string Column(int realCol = 1)
    {
        std::string text;
        for (int r = 0; r < grid.RowCount(); ++r)
            text += (r ? "|" : "") + grid.Cells(realCol, r);
        return text;
    }
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridRows, RemovingRowsLowersTheRealIndexOfHiddenRowsBelow)
{
    for (bool light : {false, true}) {
        SCOPED_TRACE(light ? "RemoveRowsEx" : "RemoveRows");
        TGxStringGrid g(nullptr);
        g.SetRowCount(12);
        for (int r = 0; r < 12; ++r)
            g.SetCells(1, r, "r" + std::to_string(r));
        g.HideRow(10);
        if (light)
            g.RemoveRowsEx(2, 3);
        else
            g.RemoveRows(2, 3);
        ASSERT_EQ(g.NumHiddenRows(), 1);
        EXPECT_EQ(g.GridItems(0)->Idx, 7);
        g.UnHideRowsAll();
        EXPECT_EQ(g.AllCells(1, 7), "r10");
        EXPECT_EQ(g.RowCount(), 9);
    }
}

TEST_F(GxGridRows, InsertedRowsKeepHiddenRowsWhereTheyWere)
{
    grid.HideRow(8);
    grid.InsertRows(3, 2);
    EXPECT_EQ(grid.GridItems(0)->Idx, 10);
    grid.SetCells(1, 3, "new");
    grid.UnHideRowsAll();
    EXPECT_EQ(Column(), "r0|r1|r2|new||r3|r4|r5|r6|r7|r8|r9|r10|r11");
}

TEST_F(GxGridRows, CellsPropertiesAndHeightsTravelWithTheirRows)
{
    grid.SetColors(2, 6, 0x0000FF);
    grid.SetRowHeights(6, 33);
    grid.SetCells(3, 6, "in a hidden column");
    grid.HideColumn(3);
    grid.InsertRows(1, 2);
    EXPECT_EQ(grid.Colors(2, 8), 0x0000FFu);
    EXPECT_EQ(grid.RowHeights(8), 33);
    grid.RemoveRows(0 + 1, 2);
    grid.UnHideColumn(3);
    EXPECT_EQ(grid.Cells(3, 6), "in a hidden column");
    EXPECT_EQ(grid.Colors(2, 6), 0x0000FFu);
}

TEST_F(GxGridRows, RowListInsertsAtFinalPositionsInOnePassOrRowByRow)
{
    // Row by row when rows are hidden; both ways give the same rows.
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden);
        SetUp();
        grid.SetColors(2, 3, 0x0000FF);
        grid.SetRowHeights(3, 33);
        grid.SetRowModified(3, true);
        if (hidden)
            grid.HideRow(11);
        grid.InsertRowList({0, 2, 5, 13});
        if (hidden)
            grid.UnHideRowsAll();
        EXPECT_EQ(Column(), "|r0||r1|r2||r3|r4|r5|r6|r7|r8|r9||r10|r11");
        EXPECT_EQ(grid.Colors(2, 6), 0x0000FFu);
        EXPECT_EQ(grid.RowHeights(6), 33);
        EXPECT_TRUE(grid.RowModified(6));
        EXPECT_FALSE(grid.RowModified(5));
    }
    EXPECT_THROW(grid.InsertRowList({3, 3}), VIdiRazeRaduz);
    EXPECT_THROW(grid.InsertRowList({grid.RowCount() + 1}), VIdiRazeRaduz);
}

TEST_F(GxGridRows, RowListRemovesWhatRemovingRowByRowFromTheBottomRemoves)
{
    const std::vector<std::vector<int>> lists = {{5}, {2, 3, 4}, {1, 2, 7, 11}, {0, 6, 10}};
    for (const bool hidden : {false, true}) {
        for (const auto& rows : lists) {
            SCOPED_TRACE(std::to_string(hidden) + " " + std::to_string(rows.front()) + ".." +
                         std::to_string(rows.back()));
            TGxStringGrid once(nullptr), oneByOne(nullptr);
            for (TGxStringGrid* g : {&once, &oneByOne}) {
                g->SetColCount(3);
                g->SetRowCount(13);
                for (int r = 0; r < 13; ++r)
                    g->SetCells(1, r, "r" + std::to_string(r));
                g->SetColors(2, 8, 0x0000FF);
                g->SetRowHeights(9, 33);
                g->ShowModified()->Enabled = true;
                g->SetRowModified(9, true);
                if (hidden)
                    g->HideRow(12);
            }
            once.RemoveRowList(rows);
            for (auto it = rows.rbegin(); it != rows.rend(); ++it)
                oneByOne.RemoveRows(*it, 1);
            once.UnHideRowsAll();
            oneByOne.UnHideRowsAll();
            ASSERT_EQ(once.RowCount(), oneByOne.RowCount());
            for (int r = 0; r < once.RowCount(); ++r) {
                EXPECT_EQ(once.Cells(1, r), oneByOne.Cells(1, r)) << r;
                EXPECT_EQ(once.Colors(2, r), oneByOne.Colors(2, r)) << r;
                EXPECT_EQ(once.RowHeights(r), oneByOne.RowHeights(r)) << r;
                EXPECT_EQ(once.RowModified(r), oneByOne.RowModified(r)) << r;
            }
        }
    }
    const int rows = grid.RowCount();
    for (const std::vector<int>& bad : {std::vector<int>{3, 3}, {4, 2}, {-1}, {rows}}) {
        EXPECT_THROW(grid.RemoveRowList(bad), VIdiRazeRaduz);
        EXPECT_EQ(grid.RowCount(), rows);
    }
}

TEST_F(GxGridRows, NothingToRemoveAndTheCurrentRowAfterRemoval)
{
    grid.RemoveRows(3, 0);
    grid.RemoveRows(12, 1);
    EXPECT_EQ(grid.RowCount(), 12);
    EXPECT_THROW(grid.RemoveRows(-1, 1), VIdiRazeRaduz);

    grid.SetFixedRowAlways(true);
    grid.SetRow(11);
    grid.RemoveRows(11, 1);
    EXPECT_EQ(grid.Row(), 10);
    grid.RemoveRows(1, grid.RowCount() - 1);  // every normal row: the selection goes out of the grid
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Selection().Top, grid.RowCount());
}

TEST_F(GxGridRows, RemovedRowsTakeTheirRowFlagsWithThem)
{
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SetRowSelect(3, true);
    grid.SetRowSelect(7, true);
    grid.SetRowModified(7, true);
    grid.SetRowEnabled(8, false);
    grid.RemoveRows(3, 2);
    EXPECT_FALSE(grid.RowSelect(3));
    EXPECT_TRUE(grid.RowSelect(5));
    EXPECT_EQ(grid.SelectedRowList(), std::vector<int>{5});
    EXPECT_TRUE(grid.RowModified(5));
    EXPECT_FALSE(grid.RowEnabled(6));
    grid.InsertRows(0 + 1, 1);
    EXPECT_TRUE(grid.RowSelect(6));
    EXPECT_TRUE(grid.RowModified(6));
}

TEST_F(GxGridRows, TheFloatingFooterStaysTheLastRowWhenRowsAreAdded)
{
    grid.SetCells(1, 11, "footer");
    grid.FloatingFooter()->SetVisible(true);
    grid.AddRow();
    EXPECT_EQ(grid.RowCount(), 13);
    EXPECT_EQ(grid.Cells(1, 12), "footer");
    EXPECT_EQ(grid.Cells(1, 11), "");
}

TEST_F(GxGridRows, RemovingByKeyCheckBoxAndSelection)
{
    grid.SetCells(2, 2, "abc");
    grid.SetCells(2, 3, "ABC");
    grid.SetCells(2, 4, "x");
    grid.SetCells(2, 5, "abc");
    for (int r = 6; r < 12; ++r)
        grid.SetCells(2, r, "k" + std::to_string(r));
    grid.RemoveDuplicates(2, true);  // letter case is ignored whatever DoCase says
    EXPECT_EQ(Column(), "r0|r1|r2|r4|r6|r7|r8|r9|r10|r11");

    grid.BeginUpdate();  // an outer lock stays in force
    grid.SelectRows(3, 2);
    grid.RemoveSelectedRows();
    EXPECT_TRUE(grid.LockUpdate());
    grid.EndUpdate();
    EXPECT_EQ(Column(), "r0|r1|r2|r7|r8|r9|r10|r11");

    grid.CreateCellGraphic(3, 4)->CellType = ctCheckBox;
    grid.GetCellGraphic(3, 4)->CellBoolean = true;
    grid.RemoveCheckedRows(3, true);
    EXPECT_EQ(Column(), "r0|r1|r2|r7|r9|r10|r11");
}

TEST_F(GxGridRows, ColumnsInsertedAndRemovedWithHiddenColumnsAndHiddenRows)
{
    for (int c = 0; c < 4; ++c)
        grid.SetCells(c, 2, "c" + std::to_string(c));
    grid.HideRow(2);
    grid.HideColumn(2);
    grid.InsertCols(1, 2);
    EXPECT_EQ(grid.TotalColCount(), 6);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_TRUE(grid.IsHiddenColumn(4));
    grid.UnHideRowsAll();
    EXPECT_EQ(grid.Cells(3, 2), "c1");
    EXPECT_EQ(grid.Cells(4, 2), "c2");
    grid.RemoveCols(4, 1);  // the hidden one
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Cells(4, 2), "c3");
    EXPECT_THROW(grid.RemoveCols(9, 1), VIdiRazeRaduz);
}

TEST_F(GxGridRows, RemovedColumnsTakeTheirPropertiesAndGraphicsWithThem)
{
    for (const bool textOnly : {false, true}) {
        SCOPED_TRACE(textOnly);
        grid.SetColCount(4);
        grid.ClearTextOnly = textOnly;
        for (int r = 0; r < grid.RowCount(); ++r) {
            grid.SetCells(1, r, "gone");
            grid.SetCells(2, r, "r" + std::to_string(r));
        }
        grid.SetColors(1, 3, 0x00FF00);
        grid.CreateCellGraphic(1, 5)->CellType = ctCheckBox;
        grid.RemoveCols(1, 1);
        ASSERT_EQ(grid.ColCount(), 3);
        for (int r = 0; r < grid.RowCount(); ++r)
            EXPECT_EQ(grid.Cells(1, r), "r" + std::to_string(r)) << r;
        // The cells that moved in never had properties of their own.
        EXPECT_FALSE(grid.HasCellProperties(1, 3));
        EXPECT_EQ(grid.GetCellGraphic(1, 5), nullptr);
        grid.ClearTextOnly = false;
    }
}

TEST(GxGridColumnSelection, RemovingTheUnselectedColumnsKeepsTheSelectedAndFixedOnes)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(6);
    for (int c = 0; c < 6; ++c)
        grid.SetCells(c, 0, "h" + std::to_string(c));
    grid.SetSelection({2, 1, 3, 1});
    grid.RemoveUnSelectedCols();
    ASSERT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.Cells(0, 0) + grid.Cells(1, 0) + grid.Cells(2, 0), "h0h2h3");
}

TEST_F(GxGridRows, HidingTheSelectedOrUnselectedRows)
{
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SelectRows(2, 2);
    grid.SelectRows(7, 1);
    grid.HideSelectedRows();
    EXPECT_EQ(Column(), "r0|r1|r4|r5|r6|r8|r9|r10|r11");
    grid.UnHideRowsAll();
    grid.SelectRows(1, 1);
    grid.HideUnSelectedRows();
    EXPECT_EQ(grid.NumHiddenRows(), 11 - 1);
}

}  // namespace
}  // namespace gx
