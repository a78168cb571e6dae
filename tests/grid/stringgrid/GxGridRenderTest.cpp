// Renders the variable table of the EtherCAT slave dialog (9 columns, the dialog's colours, sample
// rows) to "gx_grid_variable_table.png" in the build's bin folder, and checks the picture read back
// from the file: header gradient, the cell colours, the check boxes and the border ring.
#include <gtest/gtest.h>

#include <filesystem>

#include "GxGridPaintFixture.h"

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

}  // namespace
}  // namespace gx
