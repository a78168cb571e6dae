// A string grid comes into being with every default and owned object, copies another grid's
// settings and cells, runs its window timer once parented and frees all it owns.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridModule.h"

#include <gtest/gtest.h>

#include "platform/ui/Forms.h"

namespace gx {
namespace {

TEST(GxGridLifecycle, NewGridHasTheDefaultsOfTheTable)
{
    TGxStringGrid grid(nullptr);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Width(), 400);
    EXPECT_EQ(grid.Height(), 250);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.FixedRowHeight(), 22);
    EXPECT_EQ(grid.Look, glXP);
    EXPECT_EQ(grid.CheckTrue, "Y");
    EXPECT_EQ(grid.CheckFalse, "N");
    EXPECT_EQ(grid.SelectionColor, 0xEACAB6u);
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(grid.FloatFormat, "%.2f");
    EXPECT_EQ(grid.Version(), "6.2.1.3");
}
}  // namespace
}  // namespace gx
