// The selection models of the string grid (rectangle, disjunct rows, columns and cells), their
// errors, modified and enabled rows, and the selection queries.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace gx {
namespace {

TEST(GxGridSelection, SelectingRowsInTheRectangleModel)
{
    TGxStringGrid grid(nullptr);
    grid.SelectRows(5, 1);
    EXPECT_EQ(grid.Selection(), (ui::TGridRect{1, 5, 4, 5}));
    EXPECT_TRUE(grid.RowSelect(5));
    EXPECT_EQ(grid.RowSelectCount(), 1);
    grid.SelectRows(8, 5);  // cut at the last row
    EXPECT_EQ(grid.Selection(), (ui::TGridRect{1, 8, 4, 9}));
    EXPECT_EQ(grid.SelectedRow(1), 9);
    EXPECT_EQ(grid.SelectedRow(2), -1);
}

TEST(GxGridSelection, DisjunctRowsAddUpAndKeepTheirOrder)
{
    TGxStringGrid grid(nullptr);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SelectRows(2, 2);
    grid.SelectRows(6, 1);
    EXPECT_EQ(grid.SelectedRowList(), (std::vector<int>{2, 3, 6}));
    grid.UnSelectRows(3, 1);
    EXPECT_EQ(grid.SelectedRowList(), (std::vector<int>{2, 6}));
    EXPECT_EQ(grid.SelectedRowCount(), 2);

    // Setting a row to the value it has asks nobody but still reports the row.
    int asked = 0, reported = 0;
    grid.OnRowDisjunctSelect = [&](TObject*, int, bool, bool&) { ++asked; };
    grid.OnRowDisjunctSelected = [&](TObject*, int) { ++reported; };
    grid.SetRowSelect(6, true);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(reported, 1);
    grid.OnRowDisjunctSelect = [&](TObject*, int, bool, bool& allow) { allow = false; };
    grid.SetRowSelect(7, true);  // refused: nothing changes, nothing reported
    EXPECT_FALSE(grid.RowSelect(7));
    EXPECT_EQ(reported, 1);
}

TEST(GxGridSelection, RowsAndColumnsOutsideTheGridRaiseTheGridsErrors)
{
    TGxStringGrid grid(nullptr);
    grid.HideRow(4);
    const int past = grid.RowCount() + grid.NumHiddenRows();
    struct Case {
        const char* what;
        std::function<void()> call;
        std::string message;
    } cases[] = {
        {"read past the rows", [&] { grid.RowSelect(past); }, "Invalid row " + std::to_string(past) + " accessed"},
        {"read before the rows", [&] { grid.RowSelect(-1); }, "Invalid row -1 accessed"},
        {"write past the rows", [&] { grid.SetRowSelect(past, true); }, "Invalid row accessed"},
        {"column read", [&] { grid.ColSelect(grid.ColCount()); }, "Invalid column accessed"},
        {"column write", [&] { grid.SetColSelect(-1, true); }, "Invalid column accessed"},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what;
        } catch (const VIdiRazeRaduz& e) {
            EXPECT_EQ(e.Message, c.message) << c.what;
        }
    }
    grid.MouseActions()->SetRowSelectPersistent(true);
    EXPECT_FALSE(grid.RowSelect(past));

    TGxStringGrid allFixed(nullptr);
    allFixed.SetRowCount(1);
    allFixed.SetFixedRowAlways(true);
    allFixed.SetFixedRows(1);
    EXPECT_NO_THROW(allFixed.SetRowSelect(5, true));
}

TEST(GxGridSelection, ModifiedAndEnabledRows)
{
    TGxStringGrid grid(nullptr);
    EXPECT_TRUE(grid.RowEnabled(7));
    grid.SetRowModified(4, true);
    grid.SetRowModified(4, true);
    EXPECT_EQ(grid.ModifiedRowCount(), 1);
    grid.ClearModifiedRows();
    EXPECT_FALSE(grid.RowModified(4));

    grid.SetRow(3);
    grid.SetRowEnabled(1, false);
    grid.SetRowEnabled(3, false);  // the current row moves to the first other enabled row
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_TRUE(grid.UseEnabledRows());
}

TEST(GxGridSelection, SelectedCellsTextAndCounts)
{
    TGxStringGrid grid(nullptr);
    grid.SetCells(1, 1, "a");
    grid.SetCells(2, 1, "b");
    grid.SetCells(1, 2, "c");
    grid.SetCells(2, 2, "d");
    grid.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(grid.SelectedText(), "a\tb\r\nc\td");
    EXPECT_FALSE(grid.IsSelected(0, 1));  // a fixed cell never is

    grid.SelectCells(1, 1, 3, 2);
    ASSERT_EQ(grid.SelectedCellsCount(), 6);
    EXPECT_EQ(grid.SelectedCell(0), (ui::TGridCoord{1, 1}));
    EXPECT_EQ(grid.SelectedCell(1), (ui::TGridCoord{1, 2}));
    EXPECT_EQ(grid.SelectedCell(2), (ui::TGridCoord{2, 1}));

    grid.Multilinecells = true;
    grid.ExcelClipboardFormat = true;
    grid.SetCells(1, 1, "two\r\nlines");
    grid.SelectCells(1, 1, 1, 1);
    EXPECT_EQ(grid.SelectedText(), "\"two\vlines\"");

    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SetCells(1, 5, "e");
    grid.SelectRows(2, 1);
    grid.SelectRows(5, 1);
    EXPECT_EQ(grid.SelectedText(), "c\r\ne");
}

TEST(GxGridSelection, DisjunctCellsBeyondTheOldPackingLimit)
{
    TGxStringGrid grid(nullptr);
    grid.SetRowCount(70000);
    grid.MouseActions()->SetDisjunctCellSelect(true);
    grid.SetSelectedCells(1, 66000, true);
    grid.SetSelectedCells(1, 464, true);  // 66000 and 464 would share a packed entry
    grid.SetSelectedCells(1, 66000, true);
    EXPECT_EQ(grid.SelectedCellsCount(), 2);
    EXPECT_TRUE(grid.IsSelected(1, 66000));
    grid.SetSelectedCells(1, 464, false);
    EXPECT_TRUE(grid.SelectedCells(1, 66000));
    EXPECT_FALSE(grid.SelectedCells(1, 464));
}

TEST(GxGridSelection, MergedRangeCountsByItsSpan)
{
    TGxStringGrid grid(nullptr);
    grid.MergeCells(1, 2, 1, 4);
    grid.SelectCells(1, 2, 1, 4);
    EXPECT_EQ(grid.SelectedRowCount(), 4);
}

}  // namespace
}  // namespace gx
