// Hidden columns and rows of the string grid: the mapping tables between display and real indexes,
// what hiding and showing keep (cells, properties, widths, heights), refused indexes, and the
// current-row event.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace gx {
namespace {

std::string Column(TGxStringGrid& grid, int realCol)
{
    std::string text;
    for (int r = 0; r < grid.RowCount(); ++r)
        text += (r ? "|" : "") + grid.Cells(realCol, r);
    return text;
}

TEST(GxGridHiddenColumns, MappingTablesWithOneColumnHidden)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(6);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid.RealColIndex(c), grid.DisplColIndex(c));
    grid.SetCells(2, 4, "hidden text");
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.TotalColCount(), 6);
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    struct Map {
        int index, real, displ;
    } maps[] = {{0, 0, 0}, {1, 1, 1}, {2, 3, 2}, {3, 4, 2}, {4, 5, 3}, {511, 0, 510}, {600, 600, 600}};
    for (const Map& m : maps) {
        EXPECT_EQ(grid.RealColIndex(m.index), m.real) << m.index;
        EXPECT_EQ(grid.DisplColIndex(m.index), m.displ) << m.index;
    }
    EXPECT_EQ(grid.Cells(2, 4), "hidden text");  // the store keeps the real index
    EXPECT_FALSE(grid.IsHiddenColumn(600));
}

TEST(GxGridHiddenColumns, HidingAndShowingKeepWidthsAndRefuseWhatCannotApply)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(5);
    for (int c = 0; c < 5; ++c)
        grid.SetColWidths(c, 20 + c);
    grid.HideColumn(1);
    grid.HideColumn(1);  // counted once
    grid.HideColumn(3);
    EXPECT_EQ(grid.NumHiddenColumns(), 2);
    EXPECT_EQ(grid.ColWidths(1), 22);
    EXPECT_EQ(grid.AllColWidths(3), 23);
    grid.SetAllColWidths(3, 50);  // the width it will get back
    grid.UnHideColumn(4);         // shown already: nothing
    EXPECT_EQ(grid.NumHiddenColumns(), 2);
    grid.UnHideColumnsAll();
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid.ColWidths(c), c == 3 ? 50 : 20 + c) << c;

    // Indexes past the real columns or the hidden-column tables are refused before anything
    // changes.
    for (auto [from, to] : {std::pair{4, 5}, std::pair{-1, 0}, std::pair{600, 600}}) {
        EXPECT_THROW(grid.HideColumns(from, to), VIdiRazeRaduz) << from << ".." << to;
        EXPECT_EQ(grid.NumHiddenColumns(), 0);
    }
    TGxStringGrid wide(nullptr);
    wide.SetColCount(520);
    try {
        wide.HideColumns(510, 515);
        ADD_FAILURE() << "accepted";
    } catch (const VIdiRazeRaduz& e) {
        EXPECT_EQ(e.Message, "Invalid column accessed");
    }
    EXPECT_EQ(wide.ColCount(), 520);
}

TEST(GxGridHiddenColumns, TheLastShownColumnStaysAndTheCurrentColumnMovesLeft)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetCol(3);
    grid.HideColumn(3);
    EXPECT_EQ(grid.Col(), 2);
    TGxStringGrid single(nullptr);
    single.SetColCount(1);
    single.HideColumn(0);
    EXPECT_EQ(single.ColCount(), 1);
    EXPECT_EQ(single.NumHiddenColumns(), 0);
}

class GxGridHiddenRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(4);
        grid.SetRowCount(12);
        for (int r = 0; r < 12; ++r)
            grid.SetCells(1, r, "r" + std::to_string(r));
    }
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridHiddenRows, OneHiddenRowShiftsTheMappingAndComesBackWithItsHeight)
{
    grid.SetRowHeights(3, 40);
    grid.SetColors(2, 3, 0x00FF00);
    grid.HideRow(3);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.NumHiddenRows(), 1);
    EXPECT_TRUE(grid.IsHiddenRow(3));
    EXPECT_EQ(grid.DisplRowIndex(4), 3);
    EXPECT_EQ(grid.RealRowIndex(3), 4);
    EXPECT_EQ(grid.Cells(1, 3), "r4");
    EXPECT_EQ(grid.AllCells(1, 3), "r3");
    grid.UnHideRow(3);
    EXPECT_EQ(grid.RowCount(), 12);
    EXPECT_EQ(grid.Cells(1, 3), "r3");
    EXPECT_EQ(grid.RowHeights(3), 40);
    EXPECT_EQ(grid.Colors(2, 3), 0x00FF00u);
}

TEST_F(GxGridHiddenRows, ARangeKeepsTheRecordsOfRowsHiddenBefore)
{
    grid.HideRow(4);
    grid.SetAllCells(1, 4, "changed while hidden");
    grid.HideRows(2, 5);
    EXPECT_EQ(grid.NumHiddenRows(), 4);
    EXPECT_EQ(grid.Cells(1, 2), "r6");
    for (int r = 2; r <= 5; ++r)
        EXPECT_EQ(grid.GridItems(r - 2)->Idx, r);
    grid.HideRows(2, 5);  // all hidden already: nothing
    EXPECT_EQ(grid.RowCount(), 8);
    grid.UnHideRows(2, 5);
    EXPECT_EQ(Column(grid, 1), "r0|r1|r2|r3|changed while hidden|r5|r6|r7|r8|r9|r10|r11");
    grid.UnHideRows(2, 5);  // shown already: nothing
    EXPECT_EQ(grid.RowCount(), 12);
}

TEST_F(GxGridHiddenRows, ScatteredRowsAsAFilterLevelAndAllRowsBack)
{
    TIntList list(0, 0);
    for (int d : {9, 1, 5, 5})
        list.Add(d);
    grid.HideRowList(list);
    EXPECT_EQ(grid.FilterLevel(), 1);
    EXPECT_EQ(grid.RowCount(), 9);
    EXPECT_EQ(Column(grid, 1), "r0|r2|r3|r4|r6|r7|r8|r10|r11");
    for (int r : {1, 5, 9})
        EXPECT_TRUE(grid.IsHiddenRow(r)) << r;
    grid.HideRows(3, 3);
    for (int d = 0; d < grid.RowCount(); ++d)
        EXPECT_EQ(grid.Cells(1, d), "r" + std::to_string(grid.RealRowIndex(d))) << d;
    grid.UnHideRowList();  // below the second level: every hidden row comes back
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(Column(grid, 1), "r0|r1|r2|r3|r4|r5|r6|r7|r8|r9|r10|r11");
    grid.HideRows(0, 11);  // the last shown row stays
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cells(1, 0), "r11");
    grid.UnHideRowsAll();
    EXPECT_EQ(Column(grid, 1), "r0|r1|r2|r3|r4|r5|r6|r7|r8|r9|r10|r11");
}

TEST_F(GxGridHiddenRows, RowsOutsideTheGridAreRefused)
{
    for (auto [from, to] : {std::pair{-1, 2}, std::pair{5, 12}}) {
        EXPECT_THROW(grid.HideRows(from, to), VIdiRazeRaduz) << from << ".." << to;
        EXPECT_EQ(grid.NumHiddenRows(), 0);
    }
}

TEST_F(GxGridHiddenRows, TheRowEventReportsChangesOnly)
{
    std::vector<std::pair<int, int>> updates;
    grid.OnRowUpdate = [&](TObject*, int oldRow, int newRow) { updates.push_back({oldRow, newRow}); };
    grid.SetRow(4);
    grid.SetRow(4);
    grid.SetRow(6);
    EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{-1, 4}, {4, 6}}));
    grid.SetTopRow(0);  // the fixed row is not a top row
    EXPECT_EQ(grid.TopRow(), 1);

    TGxStringGrid single(nullptr);
    single.SetRowCount(1);
    single.SetRow(0);
    EXPECT_EQ(single.Row(), 0);
}

}  // namespace
}  // namespace gx
