#include "grid/base/BaseGridPaint.h"

#include <gtest/gtest.h>

#include "BaseGridPaintFixture.h"

namespace {

using gx::testing::PaintedGrid;
using ui::TColor;
using ui::TRect;

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kFixed = 0x00C8C8C8;
constexpr TColor kLine = 0x00102030;
constexpr TColor kFixedLine = 0x00405060;

// A 5 x 5 grid of 40 x 20 cells with one fixed row and column, on a white background.
class BaseGridPaint : public ::testing::Test {
protected:
    BaseGridPaint() : grid(nullptr)
    {
        grid.SetColCount(5);
        grid.SetRowCount(5);
        grid.SetDefaultColWidth(40);
        grid.SetDefaultRowHeight(20);
        grid.SetColor(kWhite);
        grid.SetFixedColor(kFixed);
        grid.SetGridLineColor(kLine);
        grid.SetGridFixedLineColor(kFixedLine);
        grid.SetBounds(0, 0, 200, 100);
    }
    ui::TBitmap* paint()
    {
        grid.contents.clear();
        return grid.PaintToBuffer();
    }
    TColor at(int x, int y) { return ui::ColorToRGB(grid.BackBuffer()->Pixel(x, y)); }
    // A background pixel of the cell (its top-left corner lies away from lines and text).
    TColor back(int c, int r)
    {
        const TRect rect = grid.CellRect(c, r);
        return at(rect.Left + 4, rect.Top + 4);
    }

    // Content rectangles drawn for the cell in the last paint.
    std::vector<TRect> drawn(int c, int r)
    {
        const auto it = grid.contents.find({c, r});
        return it == grid.contents.end() ? std::vector<TRect>{} : it->second;
    }

    PaintedGrid grid;
};

TEST_F(BaseGridPaint, GridLinesAndContentRectangle)
{
    grid.SetGridLineWidth(3);
    paint();
    const TRect cell = grid.CellRect(2, 2);
    // Normal cells: 3-pixel lines centred 2 pixels inside the bottom and right edges.
    for (int y : {cell.Bottom - 3, cell.Bottom - 2, cell.Bottom - 1})
        EXPECT_EQ(at(cell.Left + 10, y), kLine) << y;
    EXPECT_EQ(at(cell.Left + 10, cell.Bottom - 4), kWhite);
    for (int x : {cell.Right - 3, cell.Right - 2, cell.Right - 1})
        EXPECT_EQ(at(x, cell.Top + 8), kLine) << x;
    EXPECT_EQ(at(cell.Right - 4, cell.Top + 8), kWhite);
    ASSERT_EQ(drawn(2, 2).size(), 1u);
    EXPECT_EQ(drawn(2, 2)[0], cell.Inflate(-3, -3));

    // Fixed cells keep 1-pixel lines in their own colour; their content loses 1 right, 2 bottom.
    const TRect fixed = grid.CellRect(2, 0);
    EXPECT_EQ(at(fixed.Left + 10, fixed.Bottom - 1), kFixedLine);
    EXPECT_EQ(at(fixed.Left + 10, fixed.Bottom - 2), kFixed);
    EXPECT_EQ(at(fixed.Right - 1, fixed.Top + 5), kFixedLine);
    EXPECT_EQ(at(fixed.Right - 2, fixed.Top + 5), kFixed);
    EXPECT_EQ(drawn(2, 0)[0], TRect(fixed.Left, fixed.Top, fixed.Right - 1, fixed.Bottom - 2));
}

TEST_F(BaseGridPaint, MergedRangePaintedOncePerPass)
{
    grid.MergeCells(1, 1, 2, 2);
    paint();
    EXPECT_EQ(drawn(1, 1).size(), 1u);
    const TRect whole = grid.CellRect(1, 1);
    EXPECT_EQ(drawn(1, 1)[0], whole.Inflate(-1, -1));
    EXPECT_TRUE(drawn(2, 1).empty());
    EXPECT_TRUE(drawn(1, 2).empty());
    EXPECT_TRUE(drawn(2, 2).empty());
    // The next pass paints it again, once.
    paint();
    EXPECT_EQ(drawn(1, 1).size(), 1u);

    // Painting one of its cells on another canvas between passes (a print, a drag image) must
    // not make the next pass on screen take the range as painted already.
    for (const auto& [c, r] : {std::pair{1, 1}, std::pair{2, 2}}) {
        ui::TBitmap other(200, 100);
        gx::PaintCell(grid, *other.Canvas(), c, r, grid.CellRect(c, r), {});
        paint();
        EXPECT_EQ(drawn(1, 1).size(), 1u) << c << "," << r;
    }
}

TEST_F(BaseGridPaint, ActiveRowColours)
{
    constexpr TColor kActive = 0x0000A0FF;
    grid.SetActiveRowShow(true);
    grid.SetActiveRowColor(kActive);
    grid.SetCol(2);
    grid.SetRow(2);
    paint();
    EXPECT_EQ(back(1, 2), kActive);
    EXPECT_EQ(back(3, 2), kActive);
    EXPECT_NE(back(2, 2), kActive);  // the current cell while the selection shows
    EXPECT_EQ(back(0, 2), kFixed);   // fixed cells keep their colour
    EXPECT_EQ(back(1, 3), kWhite);
    grid.SetShowSelectionFlag(false);
    paint();
    EXPECT_EQ(back(2, 2), kActive);
}

TEST_F(BaseGridPaint, HoverRowColours)
{
    constexpr TColor kHover = 0x0000FF00;
    grid.SetHoverRow(true);
    grid.SetHoverRowColor(kHover);
    grid.SetHoverRowIndex(3);
    grid.SetSelection({1, 3, 1, 3});
    struct {
        gx::THoverRowCells cells;
        TColor fixed, selected, normal;
    } cases[] = {
        {gx::HoverRowCellBit(gx::hcNormal) | gx::HoverRowCellBit(gx::hcSelected), kFixed, kHover, kHover},
        {gx::HoverRowCellBit(gx::hcNormal), kFixed, ui::ColorToRGB(ui::clHighlight), kHover},
        {gx::HoverRowCellBit(gx::hcFixed), kHover, ui::ColorToRGB(ui::clHighlight), kHover},
    };
    for (const auto& k : cases) {
        grid.SetHoverRowCells(k.cells);
        paint();
        EXPECT_EQ(back(0, 3), k.fixed) << int(k.cells);
        EXPECT_EQ(back(1, 3), k.selected) << int(k.cells);
        EXPECT_EQ(back(3, 3), k.normal) << int(k.cells);
        EXPECT_EQ(back(3, 2), kWhite);
    }
}

TEST_F(BaseGridPaint, SelectionFaceFollowsTheFocus)
{
    grid.SetSelectionStyle(gx::ssWin7);
    grid.SetSelection({1, 1, 3, 1});
    const TRect middle = grid.CellRect(2, 1);
    // The face's gradient starts 2 pixels below the top.
    const auto face = [&] { return at(middle.Left + 10, middle.Top + 2); };
    paint();
    // Without the focus every style shows the grey face; goDrawFocusSelected shows its colours.
    EXPECT_EQ(face(), 0xF8F8F8u);
    grid.SetOptions(grid.Options() | ui::goDrawFocusSelected);
    paint();
    EXPECT_EQ(face(), 0xFCEBDCu);
    // A middle piece has no rounded corners: its top-left pixel carries the border colour.
    EXPECT_EQ(at(middle.Left, middle.Top), 0xCEA27Du);
    const TRect left = grid.CellRect(1, 1);
    EXPECT_EQ(at(left.Left, left.Top), kWhite);  // the back colour in a rounded corner
}

TEST_F(BaseGridPaint, HiddenLastRowShowsOnlyTheBackground)
{
    grid.SetCells(2, 4, "text");
    grid.SetHideLastRow(true);
    paint();
    EXPECT_TRUE(drawn(2, 4).empty());
    const TRect cell = grid.CellRect(2, 4);
    for (int x = cell.Left; x < cell.Right; ++x)
        EXPECT_EQ(at(x, cell.Top + 5), kWhite);
}

struct KeyCase {
    const char* what;
    int mergeCol, mergeRow, spanX, spanY;
    int startCol, startRow;
    unsigned key;
    int endCol, endRow;
};

class MergedNavigation : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MergedNavigation, LeavesTheRangeByOneCell)
{
    const auto& k = GetParam();
    PaintedGrid grid(nullptr);
    grid.SetColCount(7);
    grid.SetRowCount(7);
    grid.SetBounds(0, 0, 600, 400);
    grid.MergeCells(k.mergeCol, k.mergeRow, k.spanX, k.spanY);
    grid.FocusCell(k.startCol, k.startRow, true);
    unsigned key = k.key;
    grid.DoKeyDown(key, 0);
    EXPECT_EQ(grid.Col(), k.endCol) << k.what;
    EXPECT_EQ(grid.Row(), k.endRow) << k.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MergedNavigation,
    ::testing::Values(KeyCase{"right from the base of 3 columns", 1, 1, 3, 1, 1, 1, ui::VK_RIGHT, 4, 1},
                      KeyCase{"down from the base of 2 rows", 2, 2, 1, 2, 2, 2, ui::VK_DOWN, 2, 4},
                      KeyCase{"left from inside the range", 2, 1, 3, 1, 4, 1, ui::VK_LEFT, 1, 1},
                      KeyCase{"up from inside the range", 1, 2, 1, 3, 1, 4, ui::VK_UP, 1, 1},
                      KeyCase{"right at the last column", 4, 1, 3, 1, 4, 1, ui::VK_RIGHT, 4, 1},
                      KeyCase{"into a range lands on its base", 3, 1, 2, 2, 2, 2, ui::VK_RIGHT, 3, 1}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
