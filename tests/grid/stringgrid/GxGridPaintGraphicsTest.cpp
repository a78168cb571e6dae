// Pixels of the cell graphics: where a check box sits by the cell's alignment, the comment mark,
// a radio button's dot, a progress bar's share and an XP progress bar with an empty range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "GxGridPaintFixture.h"
#include "grid/stringgrid/GxGridPaint.h"

namespace gx {
namespace {

using testing::ShownGrid;
using ui::TColor;
using ui::TRect;

TColor At(const ui::TBitmap& bmp, const TGxStringGrid& g, int x, int y)
{
    const ui::TPoint o = g.ClientOrigin();
    return ui::ColorToRGB(bmp.Pixel(o.X + x, o.Y + y));
}

// The largest difference of one colour channel.
int Distance(TColor a, TColor b)
{
    const auto channel = [](unsigned x, unsigned y) { return std::abs(static_cast<int>(x) - static_cast<int>(y)); };
    return std::max({channel(ui::GetRValue(a), ui::GetRValue(b)), channel(ui::GetGValue(a), ui::GetGValue(b)),
                     channel(ui::GetBValue(a), ui::GetBValue(b))});
}

// The columns of the cell (without its grid lines) holding pixels other than its background.
std::pair<int, int> InkColumns(const ui::TBitmap& bmp, const TGxStringGrid& g, int col, int row, TColor background)
{
    const TRect r = g.CellRect(col, row);
    int left = -1, right = -1;
    for (int x = r.Left; x < r.Right - 1; ++x)
        for (int y = r.Top; y < r.Bottom - 1; ++y)
            if (At(bmp, g, x, y) != background) {
                if (left < 0)
                    left = x;
                right = x;
            }
    return {left, right};
}

TEST(GxGridPaintGraphics, CheckBoxFollowsTheCellAlignment)
{
    ShownGrid shown(3, 4);
    TGxStringGrid& g = *shown.grid;
    g.SetOptions(g.Options() | ui::goEditing);
    g.ControlLook()->SetControlStyle(csClassic);
    g.SetColWidths(1, 80);
    g.SetCol(2);  // the current cell away from the boxes
    g.SetRow(3);
    const TColor background = 0xC0C0FF;  // shows the box's white edge too
    struct Case {
        THAlignment align;
        int leftFromCell;   // -1: not checked
        int rightFromCell;  // distance of the last box column from the cell's right edge, -1: not checked
    } cases[] = {
        // The graphic area is the cell less (margin - 1) on each side; a left box starts one pixel
        // into it, a right one ends one pixel before it.
        {THAlignment::taLeftJustify, 2, -1},
        {THAlignment::taRightJustify, -1, 2},
        {THAlignment::taCenter, -1, -1},
    };
    int row = 1;
    for (const Case& c : cases) {
        g.AddCheckBox(1, row, true, true);
        g.SetAlignments(1, row, c.align);
        g.SetColors(1, row, background);
        ++row;
    }
    ui::TBitmap bmp;
    shown.Paint(bmp);
    row = 1;
    for (const Case& c : cases) {
        const TRect r = g.CellRect(1, row);
        const auto [left, right] = InkColumns(bmp, g, 1, row, background);
        ASSERT_GE(left, 0) << row;
        EXPECT_EQ(right - left + 1, g.ControlLook()->CheckSize()) << row;
        if (c.leftFromCell >= 0) {
            EXPECT_EQ(left - r.Left, c.leftFromCell) << row;
        }
        if (c.rightFromCell >= 0) {
            EXPECT_EQ(r.Right - 1 - right, c.rightFromCell) << row;
        }
        if (c.align == THAlignment::taCenter) {
            EXPECT_LE(std::abs((left - r.Left) - (r.Right - 1 - right)), 1);
        }
        ++row;
    }
}

TEST(GxGridPaintGraphics, CommentMarkRadioDotAndProgress)
{
    ShownGrid shown(4, 4);
    TGxStringGrid& g = *shown.grid;
    g.SetOptions(g.Options() | ui::goEditing);
    g.SetColWidths(3, 100);
    g.SetCol(1);  // the current cell away from the graphics
    g.SetRow(3);
    g.ControlLook()->SetControlStyle(csClassic);
    TCellGraphic* comment = g.CreateCellGraphic(1, 1);
    comment->CellType = ctComment;
    comment->CellAngle = static_cast<int>(ui::clNone);  // no colour of its own
    TCellGraphic* own = g.CreateCellGraphic(1, 2);
    own->CellType = ctComment;
    own->CellAngle = 1;
    own->CellIndex = 0x00C000;
    g.AddRadioButton(2, 1, true);
    g.AddRadioButton(2, 2, false);
    TCellGraphic* bar = g.CreateCellGraphic(3, 1);
    bar->CellType = ctProgress;
    bar->CellBitmapColor = 0x00C000;
    bar->CellIconColor = ui::clBlack;
    bar->CellErrFrom = 0;
    bar->CellErrLen = 100;
    g.SetCells(3, 1, "50");
    TCellGraphic* xp = g.CreateCellGraphic(3, 2);
    xp->CellType = ctXPProgress;
    xp->CellErrFrom = xp->CellErrLen = 10;  // an empty range
    g.SetCells(3, 2, "10");
    ui::TBitmap bmp;
    shown.Paint(bmp);

    // The comment's triangle in the top-right corner, in the comment colour or its own.
    const TRect mark = g.CellRect(1, 1);
    EXPECT_EQ(At(bmp, g, mark.Right - 4, mark.Top + 1), g.ControlLook()->CommentColor());
    EXPECT_NE(At(bmp, g, mark.Right - 4, mark.Top + 6), g.ControlLook()->CommentColor());
    const TRect ownMark = g.CellRect(1, 2);
    EXPECT_EQ(At(bmp, g, ownMark.Right - 4, ownMark.Top + 1), TColor(0x00C000));

    // A set radio button has a dark dot, an unset one none.
    const auto darkPixels = [&](int col, int row) {
        const TRect r = g.CellRect(col, row);
        int n = 0;
        for (int y = r.Top; y < r.Bottom - 1; ++y)
            for (int x = r.Left; x < r.Right - 1; ++x) {
                const TColor c = At(bmp, g, x, y);
                n += ui::GetRValue(c) + ui::GetGValue(c) + ui::GetBValue(c) < 3 * 0x30;
            }
        return n;
    };
    EXPECT_GT(darkPixels(2, 1), darkPixels(2, 2));

    // Half of the classic bar in the bar colour: a row above the "50%" text is green over half
    // of the bar's inside.
    const TRect p = g.CellRect(3, 1);
    const int y = p.Top + 5;
    int green = 0;
    for (int x = p.Left; x < p.Right; ++x)
        green += At(bmp, g, x, y) == TColor(0x00C000);
    EXPECT_NEAR(green, (p.Width() - 8) / 2, 2);

    // The empty range paints an empty bar: none of the level colours of a filled one.
    const TRect e = g.CellRect(3, 2);
    const TColor level0 = ui::ColorToRGB(g.ProgressAppearance()->Level0Color());
    for (int x = e.Left + 4; x < e.Right - 4; ++x)
        EXPECT_NE(At(bmp, g, x, (e.Top + e.Bottom) / 2), level0) << x;
}

// A classic bar at 50 %: the done half in the bar colour, the rest in the background colour, and the
// "50%" text in the done text colour left of the split and the rest text colour right of it. A bar
// added without text colours inverts its two bar colours for the text.
TEST(GxGridPaintGraphics, ProgressBarTakesItsFourColoursFromTheDecoration)
{
    struct Case {
        bool ownTextColors;
        TColor doneText, restText;
    } const cases[] = {
        {true, 0xFF0000, 0x0000FF},
        {false, 0x00C000 ^ 0xFFFFFF, 0xC0C0C0 ^ 0xFFFFFF},
    };
    const TColor bar = 0x00C000, back = 0xC0C0C0;
    ShownGrid shown(3, 4);
    TGxStringGrid& g = *shown.grid;
    g.SetColWidths(1, 120);
    g.SetRowHeights(1, 30);
    g.SetRowHeights(2, 30);
    g.SetCol(2);
    g.SetRow(3);
    g.ControlLook()->SetControlStyle(csClassic);
    for (int i = 0; i < 2; ++i) {
        if (cases[i].ownTextColors)
            g.AddProgressEx(1, i + 1, bar, cases[i].doneText, back, cases[i].restText);
        else
            g.AddProgress(1, i + 1, bar, back);
        g.SetCells(1, i + 1, "50");
    }
    ui::TBitmap bmp;
    shown.Paint(bmp);
    for (int i = 0; i < 2; ++i) {
        const Case& c = cases[i];
        const TRect r = g.CellRect(1, i + 1);
        const int mid = (r.Left + r.Right) / 2;
        // Above the text: the done part left of the middle, the rest right of it.
        int barLeft = 0, backRight = 0;
        for (int x = r.Left; x < r.Right; ++x) {
            const TColor px = At(bmp, g, x, r.Top + 5);
            barLeft += x < mid && px == bar;
            backRight += x > mid && px == back;
        }
        EXPECT_NEAR(barLeft, (r.Width() - 8) / 2, 3) << i;
        EXPECT_NEAR(backRight, (r.Width() - 8) / 2, 3) << i;
        // The text is smoothed: in each half its strongest pixel (the one farthest from the half's
        // background) is that half's text colour.
        const auto strongest = [&](bool left, TColor background) {
            TColor best = background;
            int bestDist = 0;
            for (int y = r.Top + 6; y < r.Bottom - 6; ++y)
                for (int x = r.Left + 4; x < r.Right - 4; ++x) {
                    if (std::abs(x - mid) <= 2 || (x < mid) != left)
                        continue;  // the split itself may fall a pixel either side
                    const TColor px = At(bmp, g, x, y);
                    if (const int d = Distance(px, background); d > bestDist) {
                        bestDist = d;
                        best = px;
                    }
                }
            return best;
        };
        EXPECT_LE(Distance(strongest(true, bar), c.doneText), 0x30) << i;
        EXPECT_LE(Distance(strongest(false, back), c.restText), 0x30) << i;
    }
}

TEST(GxGridPaintGraphics, ClampPercent)
{
    EXPECT_EQ(ClampPercent(-3), 0);
    EXPECT_EQ(ClampPercent(250), 100);
    EXPECT_EQ(ClampPercent(42.5), 42.5);
}

}  // namespace
}  // namespace gx
