// Merged cells: the encoding in the cells' properties, redirection of reads and writes to the base
// cell, splitting, the span queries and the range geometry.
#include "grid/base/BaseGrid.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

class Merged : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(8);
        grid.SetRowCount(8);
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 8; ++r)
                grid.SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
        grid.MergeCells(1, 1, 3, 2);  // columns 1..3, rows 1..2
    }
    TBaseGrid grid{nullptr};
};

TEST_F(Merged, EveryCellOfTheRangeKnowsItsBaseCell)
{
    struct Case {
        int c, r;
        bool base, merged, xMerged, yMerged;
        ui::TPoint baseCell, span, ext;
    } cases[] = {
        {1, 1, true, true, true, true, {1, 1}, {2, 1}, {2, 1}},
        {2, 1, false, true, true, true, {1, 1}, {2, 1}, {1, 1}},
        {2, 2, false, true, true, true, {1, 1}, {2, 1}, {1, 0}},
        {3, 2, false, true, true, true, {1, 1}, {2, 1}, {0, 0}},
        {4, 2, true, false, false, false, {4, 2}, {0, 0}, {0, 0}},  // no properties at all
        {0, 0, true, false, false, false, {0, 0}, {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.c) + "," + std::to_string(c.r));
        EXPECT_EQ(grid.IsBaseCell(c.c, c.r), c.base);
        EXPECT_EQ(grid.IsMergedCell(c.c, c.r), c.merged);
        EXPECT_EQ(grid.IsMergedNonBaseCell(c.c, c.r), c.merged && !c.base);
        EXPECT_EQ(grid.IsXMergedCell(c.c, c.r), c.xMerged);
        EXPECT_EQ(grid.IsYMergedCell(c.c, c.r), c.yMerged);
        EXPECT_EQ(grid.BaseCell(c.c, c.r), c.baseCell);
        EXPECT_EQ(grid.CellSpan(c.c, c.r), c.span);
        EXPECT_EQ(grid.CellExt(c.c, c.r), c.ext);
        int bc = -1, br = -1;
        EXPECT_EQ(grid.FindBaseCell(c.c, c.r, bc, br), c.base);
        EXPECT_EQ(ui::TPoint(bc, br), c.baseCell);
    }
    const TCellProperties* last = grid.GridObjects(3, 2);
    EXPECT_EQ(last->CellSpanX(), 2);
    EXPECT_EQ(last->CellSpanY(), 1);
    EXPECT_EQ(grid.FullCell(3, 2), ui::TRect(1, 1, 3, 2));
    EXPECT_EQ(grid.MergeCount(), 1);
}

TEST_F(Merged, ReadsAndWritesOfCoveredCellsGoToTheBaseCell)
{
    EXPECT_EQ(grid.Cells(2, 1), "1,1");
    grid.SetCells(3, 2, "merged");
    EXPECT_EQ(grid.GridCells(1, 1), "merged");
    EXPECT_EQ(grid.GridCells(3, 2), "3,2");  // the covered cell keeps its own text in the store
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r)
            EXPECT_EQ(grid.Cells(c, r), "merged") << c << "," << r;
    EXPECT_EQ(grid.Cells(4, 1), "4,1");
}

TEST_F(Merged, SplittingFromAnyCellRestoresTheRange)
{
    grid.SetCells(2, 2, "merged");
    grid.SplitCells(2, 2);
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 2; ++r) {
            const TCellProperties* props = grid.GridObjects(c, r);
            EXPECT_TRUE(props->IsBaseCell());
            EXPECT_EQ(props->CellSpanX(), -1);
            EXPECT_EQ(props->CellSpanY(), -1);
            EXPECT_FALSE(grid.IsMergedCell(c, r));
        }
    }
    EXPECT_EQ(grid.Cells(1, 1), "merged");
    EXPECT_EQ(grid.Cells(3, 2), "3,2");  // hidden texts show again
    EXPECT_EQ(grid.MergeCount(), 0);

    grid.SplitCells(5, 5);  // not merged: only the counter moves
    EXPECT_EQ(grid.MergeCount(), -1);
    EXPECT_EQ(grid.Cells(5, 5), "5,5");
    EXPECT_TRUE(grid.IsBaseCell(5, 5));
}

TEST(MergeEdges, DegenerateMergesAndEmptyQueries)
{
    TBaseGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    grid.MergeCells(0, 0, 1, 1);
    EXPECT_FALSE(grid.IsMergedCell(0, 0));
    EXPECT_TRUE(grid.IsBaseCell(0, 0));
    grid.MergeCells(2, 2, 0, 3);  // nothing merged, but counted
    EXPECT_FALSE(grid.HasCellProperties(2, 2));
    EXPECT_EQ(grid.MergeCount(), 2);

    EXPECT_EQ(grid.CellSpan(4, 4), ui::TPoint(0, 0));
    EXPECT_EQ(grid.MinRowSpan(3), grid.RowCount());
    EXPECT_EQ(grid.MaxRowSpan(3), 0);
    EXPECT_FALSE(grid.RowSpanIdentical(1, 2));
    EXPECT_FALSE(grid.ColSpanIdentical(1, 2));
}

TEST(MergeEdges, SpanComparisons)
{
    TBaseGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    grid.MergeCells(1, 1, 1, 3);  // column 1, rows 1..3
    grid.MergeCells(3, 1, 1, 2);  // column 3, rows 1..2
    grid.MergeCells(1, 4, 1, 2);  // column 1, rows 4..5
    EXPECT_TRUE(grid.RowSpanIdentical(1, 2));
    EXPECT_TRUE(grid.RowSpanIdentical(2, 3));   // only columns merged in both rows are compared
    EXPECT_FALSE(grid.RowSpanIdentical(3, 4));  // column 1 belongs to two different ranges
    EXPECT_EQ(grid.MinRowSpan(1), 1);
    EXPECT_EQ(grid.MaxRowSpan(1), 2);

    TBaseGrid cols(nullptr);
    cols.SetColCount(6);
    cols.SetRowCount(4);
    cols.MergeCells(1, 1, 3, 1);  // row 1, columns 1..3
    EXPECT_TRUE(cols.ColSpanIdentical(1, 3));
    EXPECT_FALSE(cols.ColSpanIdentical(3, 4));
    cols.MergeCells(4, 2, 2, 1);                // row 2, columns 4..5
    EXPECT_FALSE(cols.ColSpanIdentical(1, 4));  // row 1 merged in one, row 2 in the other
}

TEST(MergeGeometry, RangeRectangleSpansTheWholeRangeAlsoWhenScrolled)
{
    TBaseGrid grid(nullptr);
    grid.SetBounds(0, 0, 400, 200);
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.SetDefaultColWidth(50);
    grid.SetDefaultRowHeight(20);
    grid.MergeCells(1, 1, 3, 2);
    EXPECT_EQ(grid.CellRect(2, 2), ui::TRect(50, 20, 200, 60));
    EXPECT_EQ(grid.CellSize(3, 1), ui::TPoint(150, 40));
    EXPECT_EQ(grid.CellRect(5, 5), ui::TRect(250, 100, 300, 120));
    EXPECT_EQ(grid.CalcCellRect(0, 0), ui::TRect(0, 0, 50, 20));

    grid.SetLeftCol(2);  // column 1 is scrolled out under the fixed column
    EXPECT_EQ(grid.CellRect(1, 1), ui::TRect(0, 20, 150, 60));
    EXPECT_EQ(grid.CellRect(1, 1).Width(), 150);
    EXPECT_EQ(grid.CalcCellRect(0, 1), ui::TRect(0, 20, 50, 40));  // fixed columns do not scroll
    // A cell out of view still gets its full size.
    EXPECT_EQ(grid.CellRect(1, 5).Width(), 50);
    EXPECT_EQ(grid.FixedColsWidth(), 50);
    EXPECT_EQ(grid.FixedRowsHeight(), 20);
}

TEST(MergeNavigation, GoToBaseCellMovesIntoTheBaseCell)
{
    TBaseGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    grid.MergeCells(2, 2, 2, 2);
    grid.SetCol(3);
    grid.SetRow(3);
    grid.GoToBaseCell();
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
}

}  // namespace
}  // namespace gx
