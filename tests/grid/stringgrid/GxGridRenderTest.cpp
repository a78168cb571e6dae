// Renders the variable table of the EtherCAT slave dialog (9 columns, the dialog's colours, sample
// rows) to "gx_grid_variable_table.png" in the build's bin folder, and checks the picture read back
// from the file: header gradient, the cell colours, the check boxes and the border ring.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "GxGridPaintFixture.h"
#include "platform/ui/Application.h"

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

// For a look in a real window (scripts/manual/grid_window.sh): with GX_GRID_WINDOW set to a number
// of seconds, shows the variable table in a window titled "Variable table" for that long.
TEST(GxGridRender, InARealWindow)
{
    const char* seconds = std::getenv("GX_GRID_WINDOW");
    if (!seconds)
        GTEST_SKIP() << "set GX_GRID_WINDOW to show the window";
    testing::ShownGrid shown(4, 4, 1000, 337);
    shown.form.SetCaption("Variable table");
    testing::BuildVariableTable(*shown.grid);
    shown.grid->FocusHelper()->Enabled = true;  // an edited cell gets the translucent frame
    shown.form.Show();
    shown.grid->SetFocus();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(seconds));
    while (shown.form.Visible() && std::chrono::steady_clock::now() < end)
        ui::Application->HandleMessage(20);
}

}  // namespace
}  // namespace gx
