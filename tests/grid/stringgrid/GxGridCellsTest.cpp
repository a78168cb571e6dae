// Cells of the string grid by real row and column, the current cell and the edit text, one cell's
// look and the row-wide colour setters, embedded controls, zoom, and the clear and trim family.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace gx {
namespace {

class GxGridCells : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(5);
        grid.SetRowCount(8);
    }
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridCells, HiddenRowsAnswerAndTakeTextsByRealRow)
{
    grid.SetCells(1, 3, "before");
    grid.HideRow(3);
    EXPECT_EQ(grid.AllCells(1, 3), "before");
    grid.SetAllCells(1, 3, "after");
    grid.SetAllCells(9, 3, "past the stored cells");  // the row grows with empty cells
    EXPECT_EQ(grid.AllGridCells(9, 3), "past the stored cells");
    EXPECT_EQ(grid.AllCells(4, 3), "");
    EXPECT_EQ(grid.AllCells(-1, 3), "");
    EXPECT_THROW(grid.SetAllCells(-1, 3, "x"), VIdiRazeRaduz);
    grid.SetAllCells(1, 5, "shown row 5");
    EXPECT_EQ(grid.Cells(1, 4), "shown row 5");
    grid.UnHideRow(3);
    EXPECT_EQ(grid.Cells(1, 3), "after");

    TObject user;
    grid.HideRow(6);
    grid.SetAllObjects(2, 6, &user);  // the user object of a hidden row lives in its properties
    EXPECT_EQ(grid.AllObjects(2, 6), &user);
    grid.UnHideRow(6);
    EXPECT_EQ(grid.Objects(2, 6), &user);
}

// What is written comes back exactly, tags and entities included; links and the like are shown
// only where the cell is drawn.
TEST_F(GxGridCells, TextIsStoredAndReadVerbatim)
{
    const std::string texts[] = {"<b>bold</b> &amp; &lt;raw&gt;", "www.example.com/a<b>", "|\\0041", " \t padded "};
    grid.SetURLShowInText(true);
    for (const std::string& text : texts) {
        grid.SetCells(2, 2, text);
        EXPECT_EQ(grid.Cells(2, 2), text);
        grid.SetAllCells(2, 2, text);
        EXPECT_EQ(grid.AllCells(2, 2), text);
    }
    grid.SetCells(2, 2, "www.example.com");
    std::string drawn = grid.Cells(2, 2);
    grid.GetDrawText(2, 2, drawn);
    EXPECT_EQ(drawn, "<a href=\"www.example.com\">www.example.com</a>");
    EXPECT_EQ(grid.Cells(2, 2), "www.example.com");
}

TEST_F(GxGridCells, WidthsCurrentCellEditTextAndSearch)
{
    grid.SetColWidths(2, 77);
    grid.HideColumn(2);
    EXPECT_EQ(grid.AllColWidths(2), 77);
    grid.SetAllColWidths(2, 50);
    grid.UnHideColumn(2);
    EXPECT_EQ(grid.ColWidths(2), 50);

    grid.MergeCells(1, 1, 2, 2);
    grid.SetCells(1, 1, "base");
    grid.SetCol(2);
    grid.SetRow(2);
    EXPECT_EQ(grid.CurrentCell(), "base");

    grid.SetCells(3, 4, "<i>tagged</i>");
    EXPECT_EQ(grid.GetEditText(3, 4), "tagged");
    grid.EditWithTags = true;
    EXPECT_EQ(grid.GetEditText(3, 4), "<i>tagged</i>");

    grid.SetCells(4, 5, "twice");
    grid.SetCells(3, 6, "twice");
    int c = -1, r = -1;
    ASSERT_TRUE(grid.IsCell("twice", c, r));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(4, 5));
    EXPECT_FALSE(grid.IsCell("Twice", c, r));
    grid.SetCells(1, 7, "a\rb\rc");
    EXPECT_EQ(grid.LinesInCell(1, 7), 3);
}

TEST_F(GxGridCells, ReadingALookCreatesNothingAndWritingOneRepaintsIt)
{
    EXPECT_EQ(grid.Colors(3, 3), ui::clNone);
    EXPECT_EQ(grid.FontSizes(3, 3), 0);
    EXPECT_EQ(grid.Alignments(3, 3), THAlignment::taLeftJustify);
    EXPECT_FALSE(grid.ReadOnly(3, 3));
    EXPECT_FALSE(grid.HasCellProperties(3, 3));
    grid.SetColors(3, 3, 0x123456);
    grid.SetAlignments(3, 3, THAlignment::taCenter);
    grid.SetReadOnly(3, 3, true);
    EXPECT_EQ(grid.Colors(3, 3), 0x123456u);
    EXPECT_EQ(grid.Alignments(3, 3), THAlignment::taCenter);
    EXPECT_TRUE(grid.ReadOnly(3, 3));
}

TEST_F(GxGridCells, RowColourNoneKeepsGraphicsAndMergedRangesOnly)
{
    grid.SetRowColor(2, 0x00FF00);
    grid.SetAlignments(1, 2, THAlignment::taRightJustify);
    grid.CreateCellGraphic(3, 2)->SetAngle(90);
    grid.MergeCells(4, 2, 1, 2);
    grid.SetRowColor(2, ui::clNone);
    EXPECT_FALSE(grid.HasCellProperties(1, 2));  // a plain cell loses its look
    EXPECT_EQ(grid.GetCellType(3, 2), ctRotated);
    EXPECT_EQ(grid.Colors(3, 2), ui::clNone);
    EXPECT_TRUE(grid.IsMergedCell(4, 2));  // the range stays merged
    EXPECT_EQ(grid.Colors(4, 2), ui::clNone);

    grid.SetRowColorTo(2, ui::clNone);  // takes graphics too
    EXPECT_EQ(grid.GetCellType(3, 2), ctEmpty);
    EXPECT_TRUE(grid.IsMergedCell(4, 2));
    grid.SetRowFontColor(2, ui::clNone);
    EXPECT_TRUE(grid.IsMergedCell(4, 2));
}

TEST_F(GxGridCells, ZoomStopsAtItsLimitsAndKeepsZeroSizes)
{
    grid.SetColWidths(1, 0);
    grid.SetColWidths(2, 1);
    const int width = grid.ColWidths(3);
    for (int i = 0; i < 11; ++i)
        grid.Zoom(1);
    EXPECT_EQ(grid.ZoomFactor(), 10);
    EXPECT_EQ(grid.ColWidths(3), width + 10);
    EXPECT_EQ(grid.ColWidths(1), 0);
    grid.Zoom(-21);  // past -10: nothing
    EXPECT_EQ(grid.ZoomFactor(), 10);
    grid.Zoom(-1);
    EXPECT_EQ(grid.ColWidths(2), 11 - 1);
}

TEST_F(GxGridCells, EmbeddedControlsAreCountedOncePerCell)
{
    ui::TPanel panel(nullptr), other(nullptr);
    grid.SetCellControls(2, 3, &panel);
    grid.SetCellControls(2, 3, nullptr);
    grid.SetCellControls(2, 3, &other);
    EXPECT_EQ(grid.NumCellControls(), 1);
    EXPECT_EQ(grid.CellControls(2, 3), &other);
    EXPECT_EQ(other.Parent(), &grid);
    other.SetParent(nullptr);
    panel.SetParent(nullptr);
}

TEST_F(GxGridCells, ClearingWithAndWithoutHiddenCellsAndProperties)
{
    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 2, "t" + std::to_string(c));
    grid.SetColors(1, 2, 0x0000FF);
    grid.HideColumn(3);
    grid.SaveHiddenCells = true;
    grid.ClearRows(2, 1);
    EXPECT_EQ(grid.Cells(3, 2), "t3");  // the hidden column's cell stays
    EXPECT_EQ(grid.Cells(1, 2), "");
    EXPECT_FALSE(grid.HasCellProperties(1, 2));

    grid.SaveHiddenCells = false;
    grid.ClearTextOnly = true;
    grid.SetCells(1, 2, "again");
    grid.SetColors(1, 2, 0x0000FF);
    grid.Clear();
    EXPECT_EQ(grid.Cells(3, 2), "");
    EXPECT_EQ(grid.Colors(1, 2), 0x0000FFu);  // the look stays with ClearTextOnly
}

TEST_F(GxGridCells, ClearAllEmptiesHiddenRowsAndTrimKeepsInnerBlanks)
{
    grid.SetCells(1, 4, "hidden");
    grid.SetColors(2, 4, 0x00FF00);
    grid.HideRow(4);
    grid.ClearAll();
    grid.UnHideRow(4);
    EXPECT_EQ(grid.Cells(1, 4), "");
    EXPECT_FALSE(grid.HasCellProperties(2, 4));

    grid.SetCells(1, 1, "  two words \t");
    grid.TrimAll();
    EXPECT_EQ(grid.Cells(1, 1), "two words");

    int textSets = 0;
    grid.OnCellsChanged = [&](TObject*, const ui::TRect&) { ++textSets; };
    grid.ColorRect(1, 1, 2, 2, 0x00FFFF);
    EXPECT_EQ(grid.Colors(2, 2), 0x00FFFFu);
}

}  // namespace
}  // namespace gx
