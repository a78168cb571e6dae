// Rotated cells, moving and swapping rows and columns, the sort cross-reference, the column-order
// record, merging by row and text, and the row and column calculations of the string grid.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gx {
namespace {

class GxGridMoves : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(5);
        grid.SetRowCount(8);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 5; ++c)
                grid.SetCells(c, r, std::string(1, char('a' + c)) + std::to_string(r));
    }
    std::string Column(int realCol)
    {
        std::string text;
        for (int r = 1; r < grid.RowCount(); ++r)
            text += (r > 1 ? "|" : "") + grid.Cells(realCol, r);
        return text;
    }
    std::string Row(int r)
    {
        std::string text;
        for (int c = 0; c < grid.TotalColCount(); ++c)
            text += (c ? "|" : "") + grid.AllCells(c, grid.RealRowIndex(r));
        return text;
    }
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridMoves, RotatedCellsKeepTheirAngleAndOnlyTheirKindIsRemoved)
{
    grid.AddRotated(1, 1, 90, "X");
    int angle = 0;
    EXPECT_TRUE(grid.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 90);
    EXPECT_EQ(grid.Cells(1, 1), "X");

    grid.SetRotated(1, 1, -90);  // normalised, text kept
    EXPECT_TRUE(grid.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 270);
    EXPECT_EQ(grid.Cells(1, 1), "X");

    grid.CreateCellGraphic(2, 2)->CellType = ctCheckBox;
    grid.RemoveRotated(2, 2);
    EXPECT_EQ(grid.GetCellType(2, 2), ctCheckBox);
    angle = 5;
    EXPECT_FALSE(grid.IsRotated(2, 2, angle));
    EXPECT_EQ(angle, 5);
    grid.SetRotated(2, 2, 45);  // a check box gives way to the rotation
    EXPECT_TRUE(grid.IsRotated(2, 2, angle));
    grid.RemoveRotated(1, 1);
    EXPECT_FALSE(grid.IsRotated(1, 1, angle));
}

TEST_F(GxGridMoves, MoveRowsCountsTheTargetBeforeTheMove)
{
    grid.SetColors(1, 1, ui::clRed);
    grid.MoveRows(1, 5, 2);
    EXPECT_EQ(Column(1), "b3|b4|b1|b2|b5|b6|b7");
    EXPECT_EQ(grid.Colors(1, 3), ui::clRed);  // properties travel with their row
    grid.MoveRows(3, 3, 2);
    grid.MoveRows(3, 1, 0);
    EXPECT_EQ(Column(1), "b3|b4|b1|b2|b5|b6|b7");
    grid.MoveRows(5, 1, 2);
    EXPECT_EQ(Column(1), "b5|b6|b3|b4|b1|b2|b7");
}

TEST_F(GxGridMoves, MovingAColumnKeepsTheOrderRecordAndEmbeddedControls)
{
    ui::TEdit edit1(nullptr), edit3(nullptr);
    grid.SetCellControls(1, 2, &edit1);
    grid.SetCellControls(3, 2, &edit3);
    grid.MoveColumn(3, 1);
    EXPECT_EQ(grid.Cells(1, 1), "d1");
    EXPECT_EQ(grid.CellControls(2, 2), &edit1);
    EXPECT_EQ(grid.CellControls(1, 2), &edit3);
    EXPECT_EQ(grid.ColumnAtPosition(1), 3);
    EXPECT_EQ(grid.ColumnPosition(3), 1);
    EXPECT_EQ(grid.OriginalCells(3, 4), "d4");

    grid.HideColumn(4);
    grid.ResetColumnOrder();
    EXPECT_FALSE(grid.IsHiddenColumn(4));
    EXPECT_EQ(grid.Cells(1, 1), "b1");
    EXPECT_EQ(grid.Cells(3, 1), "d1");
}

// Display indexes in, the cells of the real columns moved: the hidden columns passed over stay
// hidden, keep their widths, and come back where the move left them.
TEST_F(GxGridMoves, MovingAColumnPastHiddenOnesKeepsThemHidden)
{
    struct Case {
        const char* what;
        std::vector<int> hidden;
        int from, to;
        std::string shown, all;
    } cases[] = {
        {"no column hidden", {}, 3, 1, "a|d|b|c|e", "a|d|b|c|e"},
        {"to the left past a hidden column", {1}, 2, 0, "d|a|c|e", "d|a|b|c|e"},
        {"to the right past a hidden column", {1}, 0, 2, "c|d|a|e", "b|c|d|a|e"},
        {"between hidden columns at both ends", {0, 4}, 0, 2, "c|d|b", "a|c|d|b|e"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TGxStringGrid g(nullptr);
        g.SetColCount(5);
        g.SetRowCount(2);
        for (int col = 0; col < 5; ++col) {
            g.SetCells(col, 1, std::string(1, char('a' + col)));
            g.SetColWidths(col, 20 + col);
        }
        for (int h : c.hidden)
            g.HideColumn(h);
        g.MoveColumn(c.from, c.to);
        const auto shown = [&g] {
            std::string text;
            for (int d = 0; d < g.ColCount(); ++d)
                text += (d ? "|" : "") + g.Cells(g.RealColIndex(d), 1);
            return text;
        };
        EXPECT_EQ(shown(), c.shown);
        EXPECT_EQ(g.NumHiddenColumns(), static_cast<int>(c.hidden.size()));
        g.UnHideColumnsAll();
        EXPECT_EQ(shown(), c.all);
        for (int d = 0; d < g.ColCount(); ++d)
            EXPECT_EQ(g.ColWidths(d), 20 + (g.Cells(d, 1)[0] - 'a')) << d;  // each width with its column
    }
}

TEST_F(GxGridMoves, ResetColumnOrderWithoutARecordOrWithADamagedOneMovesNothing)
{
    grid.ColumnOrder()->Clear();
    grid.HideColumn(2);
    grid.ResetColumnOrder();
    EXPECT_FALSE(grid.IsHiddenColumn(2));
    EXPECT_EQ(grid.ColumnOrder()->StrValue(), "0,1,2,3,4");

    grid.ColumnOrder()->SetStrValue("1,1,0,3,4");  // no permutation: would never settle
    grid.ResetColumnOrder();
    EXPECT_EQ(grid.Cells(0, 1), "a1");
    EXPECT_EQ(grid.ColumnOrder()->StrValue(), "0,1,2,3,4");
}

TEST_F(GxGridMoves, GroupedGridShiftsColumnPositions)
{
    grid.SetColumnOrder();
    grid.GroupColumn = 2;
    EXPECT_EQ(grid.ColumnPosition(3), 2);
    EXPECT_EQ(grid.ColumnAtPosition(2), 3);
    EXPECT_EQ(grid.ColumnPosition(1), 1);
}

TEST_F(GxGridMoves, SwapRowsCarriesTheCellsOfHiddenColumns)
{
    grid.HideColumn(3);
    grid.SetRowHeights(2, 40);
    grid.SetRowModified(2, true);
    grid.SwapRows(2, 5);
    EXPECT_EQ(Row(2), "a5|b5|c5|d5|e5");
    EXPECT_EQ(Row(5), "a2|b2|c2|d2|e2");
    EXPECT_EQ(grid.RowHeights(5), 40);
    EXPECT_TRUE(grid.RowModified(2));  // row flags stay where they are
    EXPECT_THROW(grid.SwapRows(2, 8), VIdiRazeRaduz);
}

TEST_F(GxGridMoves, SwapColumnsTwiceRestoresTheGrid)
{
    grid.SetColors(1, 3, ui::clBlue);
    grid.SetColWidths(1, 33);
    grid.SortSettings()->Column = 1;
    grid.SwapColumns(1, 3);
    EXPECT_EQ(Column(1), "d1|d2|d3|d4|d5|d6|d7");
    EXPECT_EQ(grid.Colors(3, 3), ui::clBlue);
    EXPECT_EQ(grid.ColWidths(3), 33);
    EXPECT_EQ(grid.SortSettings()->Column, 3);
    grid.SwapColumns(1, 3);
    EXPECT_EQ(Column(1), "b1|b2|b3|b4|b5|b6|b7");
    EXPECT_EQ(grid.Colors(1, 3), ui::clBlue);
    EXPECT_EQ(grid.ColWidths(1), 33);
}

TEST_F(GxGridMoves, SortCrossReferenceFollowsSortSwaps)
{
    EXPECT_EQ(grid.UnSortedRowIndex(4), 4);  // never sorted
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.SortRowXRef()->Add(r);
    grid.SortSwapRows(1, 6);
    EXPECT_EQ(grid.Swaps, 1);
    EXPECT_EQ(grid.Cells(1, 1), "b6");
    EXPECT_EQ(grid.UnSortedRowIndex(6), 1);
    EXPECT_EQ(grid.SortedRowIndex(1), 6);
    EXPECT_EQ(grid.UnSortedCells(2, 6), "c6");
    grid.SetUnSortedCells(2, 6, "moved");
    EXPECT_EQ(grid.Cells(2, 1), "moved");

    grid.SortSettings()->SingleColumn = true;
    grid.SortSettings()->Column = 2;
    grid.SortSwapRows(2, 3);
    EXPECT_EQ(grid.Cells(2, 2), "c3");
    EXPECT_EQ(grid.Cells(1, 2), "b2");  // only the sort column's cells move
}

TEST_F(GxGridMoves, ColumnByHeaderFindsHiddenColumns)
{
    grid.SetCells(3, 0, "Name");
    grid.HideColumn(3);
    EXPECT_EQ(grid.ColumnByHeader("Name"), 3);
    EXPECT_EQ(grid.ColumnByHeader("name"), -1);
}

TEST_F(GxGridMoves, MergingAlongARowAndJoiningColumns)
{
    grid.SetFixedCols(0);
    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 1, c < 3 ? "A" : "B");
    grid.MergeRowCells(1, true);
    EXPECT_EQ(grid.CellSpan(0, 1).X, 2);
    EXPECT_EQ(grid.CellSpan(3, 1).X, 1);
    grid.SplitRowCells(1);
    EXPECT_FALSE(grid.IsMergedCell(0, 1));
    EXPECT_FALSE(grid.IsMergedCell(3, 1));

    grid.MergeCells(1, 3, 2, 2);
    grid.MergeCells(3, 5, 2, 1);
    grid.SplitAllCells();
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            EXPECT_FALSE(grid.IsMergedCell(c, r)) << c << "," << r;

    grid.SetCells(2, 4, "");
    grid.MergeCols(1, 2, " - ");
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Cells(1, 1), "A - A");
    EXPECT_EQ(grid.Cells(1, 4), "b4 -");
    EXPECT_EQ(grid.Cells(2, 1), "B");
}

class GxGridCalc : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(4);
        grid.SetRowCount(6);
        const char* texts[] = {"1", "2", "", "x", "4"};
        for (int r = 1; r < 6; ++r)
            grid.SetCells(1, r, texts[r - 1]);
        for (int c = 0; c < 4; ++c)
            grid.SetCells(c, 2, c == 2 ? "text" : std::to_string(c * 2));
    }
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridCalc, ARangeEndingAtTheRowCountStopsAtTheLastRow)
{
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, grid.RowCount()), 7);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, grid.RowCount() + 10), 7);
    grid.HideRow(5);  // real-row mode takes hidden rows in
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, grid.RowCount()), 7);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, grid.RowCount() - 1), 3);
}

TEST_F(GxGridCalc, RowStatisticsSkipTextsAndCoveredCells)
{
    EXPECT_DOUBLE_EQ(grid.RowSum(2, 0, 3), 8);
    EXPECT_DOUBLE_EQ(grid.RowAvg(2, 0, 3), 2);
    EXPECT_DOUBLE_EQ(grid.RowAvg(2, 3, 2), 0);  // empty range
    EXPECT_DOUBLE_EQ(grid.RowMin(2, 0, 3), 0);
    EXPECT_DOUBLE_EQ(grid.RowMax(2, 0, 3), 6);
    EXPECT_THROW(grid.RowMin(2, 2, 3), VIdiRazeRaduz);  // the first value is read unprotected
    grid.MergeCells(0, 2, 2, 1);
    EXPECT_DOUBLE_EQ(grid.RowSum(2, 0, 3), 6);
}

TEST_F(GxGridCalc, CustomCalculationsComeFromTheirHandlers)
{
    EXPECT_DOUBLE_EQ(grid.ColumnCustomCalc(1, 1, 5), 0);
    grid.OnColumnCalc = [](TObject*, int ACol, int FromRow, int ToRow, double& Res) {
        Res = ACol * 100 + FromRow * 10 + ToRow;
    };
    grid.OnGroupCalc = [](TObject*, int, int, int, double& Res) { Res = -1; };
    EXPECT_DOUBLE_EQ(grid.ColumnCustomCalc(1, 2, 5), 125);
    EXPECT_DOUBLE_EQ(grid.GroupCalcCustomValue(1, 2, 5), -1);
}

}  // namespace
}  // namespace gx
