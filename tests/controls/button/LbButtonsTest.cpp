// Colour arithmetic of the button face: hover blend and the 32-band gradient.
#include <gtest/gtest.h>

#include "controls/button/LbButtons.h"

using namespace controls;
using ui::RGB;

TEST(LbHotTrackBlend, TruncatesTheMixOfFaceAndHover)
{
    struct Case {
        ui::TColor face, hover;
        int step;
        ui::TColor expected;
    } cases[] = {
        {RGB(0xF8, 0xF7, 0xED), RGB(0xFF, 0xFF, 0x00), 8, RGB(0xFF, 0xFF, 0x00)},
        {RGB(0xF8, 0xF7, 0xED), RGB(0xFF, 0xFF, 0x00), 0, RGB(0xF8, 0xF7, 0xED)},
        {RGB(0, 0, 0), RGB(0xFF, 0xFF, 0xFF), 4, RGB(0x7F, 0x7F, 0x7F)},  // 127.5 truncated
        {RGB(0xF8, 0xF7, 0xED), RGB(0xFF, 0xFF, 0x00), 3, RGB(250, 250, 148)},
        {RGB(0xFF, 0xFF, 0xFF), RGB(0, 0, 0), 1, RGB(223, 223, 223)},  // 223.125
    };
    for (const auto& c : cases)
        EXPECT_EQ(LbHotTrackBlend(c.face, c.hover, c.step), c.expected) << "step " << c.step;
}

TEST(LbHotTrackBlend, ResolvesSystemColoursFirst)
{
    EXPECT_EQ(LbHotTrackBlend(ui::clBtnFace, ui::clWhite, 0), ui::ColorToRGB(ui::clBtnFace));
    EXPECT_EQ(LbHotTrackBlend(ui::clBtnFace, ui::clWhite, 8), RGB(255, 255, 255));
}

TEST(LbGradientBands, RunFromStartToEndColourWithoutDrift)
{
    // 255 / 31 is not exact in binary; the last band must still be the end colour.
    const auto up = LbGradientBands(RGB(0, 0, 0), RGB(255, 255, 255), 0, 62);
    EXPECT_EQ(up.front().Color, RGB(0, 0, 0));
    EXPECT_EQ(up.back().Color, RGB(255, 255, 255));
    EXPECT_EQ(up[1].Color, RGB(8, 8, 8));  // 8.23 truncated
    const auto down = LbGradientBands(RGB(255, 128, 0), RGB(0, 128, 255), 0, 62);
    EXPECT_EQ(down.front().Color, RGB(255, 128, 0));
    EXPECT_EQ(down.back().Color, RGB(0, 128, 255));
    EXPECT_EQ(down[1].Color, RGB(246, 128, 8));  // 246.77 and 8.23 truncated
}

TEST(LbGradientBands, CoverTheRowsOfAModernFace)
{
    // A 100 x 24 modern face: upper gradient rows 2..5, lower one rows 6..22.
    struct Case {
        int y0, y1, firstRow, lastRow;
    } cases[] = {{2, 6, 2, 5}, {6, 23, 6, 22}, {0, 100, 0, 99}};
    for (const auto& c : cases) {
        int first = 1000, last = -1;
        for (const auto& b : LbGradientBands(0, 0xFFFFFF, c.y0, c.y1)) {
            if (b.Bottom <= b.Top)
                continue;
            EXPECT_LE(b.Bottom, c.y1);
            first = std::min(first, b.Top);
            last = std::max(last, b.Bottom - 1);
        }
        EXPECT_EQ(first, c.firstRow);
        EXPECT_EQ(last, c.lastRow);
        // No row between is left out.
        for (int y = c.y0; y < c.y1; ++y) {
            bool covered = false;
            for (const auto& b : LbGradientBands(0, 0xFFFFFF, c.y0, c.y1))
                covered = covered || (y >= b.Top && y < b.Bottom);
            EXPECT_TRUE(covered) << "row " << y;
        }
    }
}
