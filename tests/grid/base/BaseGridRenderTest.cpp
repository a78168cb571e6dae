// Renders a base grid with merged ranges and HTML cells, shown on the (offscreen) platform, to
// a PNG file in the build's bin folder ("base_grid_render.png"), and checks that the picture
// read back from the file looks like a grid.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "BaseGridPaintFixture.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Render.h"

namespace {

using gx::testing::PaintedGrid;
using ui::TColor;

constexpr TColor kLine = 0x00A0A0A0;

TEST(BaseGridRender, TwentyByTenGridToPng)
{
    ui::TForm form(nullptr);
    form.SetBounds(0, 0, 20 * 64 + 20, 10 * 24 + 40);
    auto* grid = new PaintedGrid(&form);
    grid->SetParent(&form);
    grid->SetAlign(ui::TAlign::alClient);
    grid->SetColCount(20);
    grid->SetRowCount(10);
    grid->SetDefaultColWidth(64);
    grid->SetDefaultRowHeight(24);
    grid->SetColor(ui::clWhite);
    grid->SetGridLineColor(kLine);
    grid->htmlCells = true;
    grid->Font()->SetName("DejaVu Sans");
    grid->Font()->SetSize(9);
    for (int c = 1; c < 20; ++c)
        grid->SetCells(c, 0, "Col " + std::to_string(c));
    for (int r = 1; r < 10; ++r) {
        grid->SetCells(0, r, std::to_string(r));
        for (int c = 1; c < 20; ++c)
            grid->SetCells(c, r, std::to_string(c * r));
    }
    grid->MergeCells(2, 2, 3, 2);
    grid->SetCells(2, 2, "<B>merged</B> <FONT COLOR=\"clred\">3x2</FONT>");
    grid->MergeCells(6, 5, 2, 3);
    grid->SetCells(6, 5, "<I>tall</I><BR><U>range</U>");
    grid->SetCells(9, 3, "<A HREF=\"x\">link</A>");
    grid->SetCells(10, 4, "<I>H</I><SUB>2</SUB>O");
    grid->SetActiveRowShow(true);
    grid->SetRow(8);
    form.Show();

    const std::filesystem::path file = std::filesystem::path(CFG_BIN_DIR) / "base_grid_render.png";
    ASSERT_TRUE(ui::RenderToPng(form, file.string()));

    ui::TBitmap png;
    png.LoadFromFile(file.string());
    ASSERT_GE(png.Width(), 20 * 40);
    const ui::TPoint origin = grid->ClientToParent({0, 0});
    const auto at = [&](int x, int y) { return ui::ColorToRGB(png.Pixel(origin.X + x, origin.Y + y)); };
    // Lines between normal cells; none inside a merged range.
    const ui::TRect cell = grid->CellRect(12, 6);
    EXPECT_EQ(at(cell.Right - 1, cell.Top + 3), kLine);
    EXPECT_EQ(at(cell.Left + 3, cell.Bottom - 1), kLine);
    const ui::TRect merged = grid->CellRect(2, 2);
    const ui::TRect inner = grid->CalcCellRect(2, 2);
    EXPECT_EQ(merged.Width(), inner.Width() * 3);
    EXPECT_NE(at(inner.Right - 1, merged.Bottom - 4), kLine);
    // The active row takes its colour; the text of the HTML cell has red ink.
    const ui::TRect active = grid->CellRect(12, 8);
    EXPECT_EQ(at(active.Left + 2, active.Top + 2), ui::ColorToRGB(grid->ActiveRowColor()));
    int red = 0;
    for (int y = merged.Top; y < merged.Bottom; ++y)
        for (int x = merged.Left; x < merged.Right; ++x) {
            const TColor p = at(x, y);
            red += ui::GetRValue(p) > 160 && ui::GetGValue(p) < 90 && ui::GetBValue(p) < 90;
        }
    EXPECT_GT(red, 5);
}

}  // namespace
