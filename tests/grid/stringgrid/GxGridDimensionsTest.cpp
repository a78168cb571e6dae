// Dimensions and fixed areas of the string grid with their clamps, the footer row, update locking,
// the save range and the used-cells rectangle.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"

#include <gtest/gtest.h>

#include <functional>

namespace gx {
namespace {

TEST(GxGridDimensions, FixedRowsFollowTheRowCountAndTheAlwaysRule)
{
    TGxStringGrid grid(nullptr);
    grid.SetRowCount(1);  // the framework lowers its fixed rows so that one row stays normal
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.SetFixedRowAlways(true);
    EXPECT_EQ(grid.FixedRows(), 1);  // read as 1 while none is fixed
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);

    // With FixedRowAlways the asked-for count is kept and comes back when rows are added.
    grid.SetRowCount(3);
    grid.SetFixedRows(3);
    EXPECT_EQ(grid.TBaseGrid::FixedRows(), 2);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.FixedRows(), 3);

    TGxStringGrid plain(nullptr);
    try {
        plain.SetFixedRows(plain.RowCount());
        ADD_FAILURE() << "accepted";
    } catch (const ui::EInvalidGridOperation& e) {
        EXPECT_EQ(e.Message, "Fixed row count must be less than row count");
    }
    EXPECT_EQ(plain.FixedRows(), 1);
}

TEST(GxGridDimensions, HugeCountsAreRefusedWithTheGridsErrorBeforeAnythingChanges)
{
    TGxStringGrid grid(nullptr);
    struct Case {
        const char* what;
        std::function<void()> set;
        const char* message;
    } cases[] = {
        {"rows", [&] { grid.SetRowCount(ui::kMaxGridCount + 1); }, "Invalid row accessed"},
        {"columns", [&] { grid.SetColCount(ui::kMaxGridCount + 1); }, "Invalid column accessed"},
        {"inserted rows", [&] { grid.InsertRows(0, ui::kMaxGridCount); }, "Invalid row accessed"},
    };
    for (const Case& c : cases) {
        try {
            c.set();
            ADD_FAILURE() << c.what << " accepted";
        } catch (const rtl::Exception& e) {
            EXPECT_EQ(e.Message, c.message) << c.what;
        }
        EXPECT_EQ(grid.RowCount(), 10) << c.what;
        EXPECT_EQ(grid.ColCount(), 5) << c.what;
    }
}

TEST(GxGridDimensions, EveryRowCountResetsTheNormalRowCountAndRaisesTheLargest)
{
    TGxStringGrid grid(nullptr);
    grid.SetNormalRowCount(3);  // as sorting leaves it
    grid.SetRowCount(25);
    EXPECT_EQ(grid.NormalRowCount(), 25);
    grid.SetRowCount(12);
    EXPECT_EQ(grid.MaxRowCount(), 25);
    EXPECT_EQ(grid.NormalRowCount(), 12);
}

TEST(GxGridDimensions, TheVisibleFloatingFooterStaysTheLastRowWithItsCalculations)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(11);
    for (int r = 1; r < 10; ++r)
        grid.SetCells(1, r, std::to_string(r));
    grid.FloatingFooter()->SetVisible(true);
    EXPECT_EQ(grid.FixedFooters(), 1);
    EXPECT_TRUE(grid.HideLastRow());
    grid.FloatingFooter()->SetColumnCalc(1, acSUM);
    grid.FloatingFooter()->SetColumnCalc(2, acCOUNT);
    EXPECT_EQ(grid.Cells(1, 10), "45.00");
    EXPECT_EQ(grid.Cells(2, 10), "9");  // the footer row is not counted

    grid.SetRowCount(13);
    EXPECT_EQ(grid.Cells(1, 10), "");
    EXPECT_EQ(grid.FloatingFooter()->GetColumnCalc(1), acSUM);
    EXPECT_EQ(grid.Cells(1, 12), "45.00");
    EXPECT_EQ(grid.Cells(2, 12), "11");
}

TEST(GxGridDimensions, UpdatesCountWhetherShownOrNotAndRepaintAtTheEnd)
{
    TGxStringGrid grid(nullptr);
    grid.SetVisible(false);
    grid.BeginUpdate();  // counts on a hidden grid too
    grid.SetVisible(true);
    grid.BeginUpdate();
    EXPECT_EQ(grid.UpdateCount(), 2);
    const int before = grid.InvalidateCount();
    grid.SetCells(1, 1, "a");
    grid.SetVisible(false);  // hiding between the calls does not leave painting off
    grid.EndUpdate();
    EXPECT_TRUE(grid.LockUpdate());
    EXPECT_EQ(grid.InvalidateCount(), before);
    grid.EndUpdate();
    EXPECT_FALSE(grid.LockUpdate());
    EXPECT_GT(grid.InvalidateCount(), before);
    grid.EndUpdate();  // never below 0
    EXPECT_EQ(grid.UpdateCount(), 0);
}

TEST(GxGridDimensions, ClampsAndUnchangedValues)
{
    TGxStringGrid grid(nullptr);
    grid.SetSelectionColorMixerFactor(150);
    EXPECT_EQ(grid.SelectionColorMixerFactor(), 100);
    grid.SetSelectionColorMixerFactor(-5);
    EXPECT_EQ(grid.SelectionColorMixerFactor(), 0);
    grid.SetColWidths(0, 40);
    grid.SetFixedColWidth(grid.DefaultColWidth());  // the default width changes nothing
    EXPECT_EQ(grid.ColWidths(0), 40);
    grid.SetFixedColWidth(30);
    EXPECT_EQ(grid.ColWidths(0), 30);
}

TEST(GxGridDimensions, SaveRangeAndUsedCells)
{
    TGxStringGrid grid(nullptr);
    EXPECT_EQ(grid.CalcUsedCellsRect(), ui::TRect(0, 0, 0, 0));
    grid.SetCells(2, 3, "x");
    grid.SetCells(4, 6, "y");
    EXPECT_EQ(grid.CalcUsedCellsRect(), ui::TRect(2, 3, 4, 6));
    grid.SetFixedFooters(1);
    grid.SetFixedRightCols(1);
    grid.SaveFixedCells = false;
    EXPECT_EQ(grid.SaveStartRow(), 1);
    EXPECT_EQ(grid.SaveEndRow(), 8);
    EXPECT_EQ(grid.SaveEndCol(), 3);
    EXPECT_EQ(grid.SaveColCount(), 3);
    grid.SaveFixedCells = true;
    EXPECT_EQ(grid.SaveRowCount(), 10);
}

}  // namespace
}  // namespace gx
