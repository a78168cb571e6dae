// Renders the variable table of the EtherCAT slave dialog (9 columns, the dialog's colours, sample
// rows) to "gx_grid_variable_table.png" in the build's bin folder, and checks the picture read back
// from the file: header gradient, the cell colours, the check boxes and the border ring.
#include <gtest/gtest.h>

#include <filesystem>

#include "GxGridPaintFixture.h"
#include "RealDisplay.h"
#include "platform/ui/RealInput.h"

namespace gx {
namespace {

TEST(GxGridRender, VariableTableToPng)
{
    testing::ShownGrid shown(4, 4, 1200, 337);
    TGxStringGrid& g = *shown.grid;
    testing::BuildVariableTable(g);
    g.SetRow(2);
    g.SetCol(4);
    shown.form.Show();
    g.SetFocus();

    const std::filesystem::path file = std::filesystem::path(CFG_BIN_DIR) / "gx_grid_variable_table.png";
    ASSERT_TRUE(ui::RenderToPng(g, file.string()));
    ui::TBitmap png;
    png.LoadFromFile(file.string());
    ASSERT_EQ(png.Width(), g.Width());
    const auto at = [&](int x, int y) { return ui::ColorToRGB(png.Pixel(x, y)); };
    const ui::TPoint o = g.ClientOrigin();
    // A Name cell shows its colour; the header is lighter at the top than at the bottom.
    const ui::TRect name = g.CellRect(4, 5);
    EXPECT_EQ(at(o.X + name.Right - 4, o.Y + name.Top + 3), ui::TColor(0xFEFAE0));
    const ui::TRect header = g.CellRect(4, 0);
    EXPECT_GT(ui::GetBValue(at(o.X + header.Left + 5, o.Y + header.Top + 3)),
              ui::GetBValue(at(o.X + header.Left + 5, o.Y + header.Bottom - 4)));
}

// The variable table in a real window, driven by the display's pointer and keys: a page down by a
// click on the bar below its thumb, the wheel over the Name cells, back to the top by Ctrl+Home.
TEST(GxGridRender, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    testing::ShownGrid shown(4, 4, 1000, 337);
    shown.form.SetCaption("Variable table");
    TGxStringGrid* grid = shown.grid;
    testing::BuildVariableTable(*grid);
    grid->FocusHelper()->Enabled = true;  // an edited cell gets the translucent frame
    shown.form.Show();
    grid->SetFocus();
    ASSERT_TRUE(realinput::WaitShown(shown.form));
    testsupport::Shot("50_grid_shown");
    const int page = grid->VisibleRowCount();
    realinput::Click(grid, grid->ClientWidth() + ui::TWinControl::ScrollBarSize / 2, grid->ClientHeight() - 30);
    EXPECT_EQ(grid->TopRow(), 1 + page);
    testsupport::Shot("51_grid_page_down");
    const ui::TRect name = grid->CellRect(4, grid->TopRow() + 2);
    realinput::Click(grid, name.Left + 20, name.Top + 5);
    const int before = grid->TopRow();
    realinput::Wheel(grid, name.Left + 20, name.Top + 5, 15);
    EXPECT_GT(grid->TopRow(), before);
    testsupport::Shot("52_grid_wheel_down");
    realinput::Keys("ctrl+Home");
    EXPECT_EQ(grid->TopRow(), 1);
    testsupport::Shot("53_grid_ctrl_home");
}

}  // namespace
}  // namespace gx
