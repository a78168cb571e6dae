#include "grid/base/VozEdidDraw.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/Graphics.h"

namespace {

using namespace VozEdid;
using ui::TColor;
using ui::TRect;

constexpr TColor kPaper = 0x00ABCDEF;  // a colour none of the routines paints

class DrawHelpers : public ::testing::Test {
protected:
    DrawHelpers() : bmp(60, 40)
    {
        c = bmp.Canvas();
        c->Brush()->SetColor(kPaper);
        c->FillRect(TRect(0, 0, 60, 40));
    }
    TColor at(int x, int y) const { return ui::ColorToRGB(bmp.Pixel(x, y)); }
    // Colours of row y from x0 to x1 - 1.
    std::vector<TColor> row(int y, int x0, int x1) const
    {
        std::vector<TColor> v;
        for (int x = x0; x < x1; ++x)
            v.push_back(at(x, y));
        return v;
    }
    int count(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                n += at(x, y) == color;
        return n;
    }

    ui::TBitmap bmp;
    ui::TCanvas* c = nullptr;
};

TEST_F(DrawHelpers, StepGradientBands)
{
    struct {
        int steps;
        std::vector<TColor> expected;  // the 10 columns of a 10-pixel-wide rectangle
    } cases[] = {
        // 9 steps of 10 between 0 and 90: one band per column, the last exactly ToColor.
        {64, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
        // One step: the from colour over the first 9 columns, the to colour in the last one.
        {0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 90}},
        // Three steps of 3 columns; colours rounded, the last band one pixel at the far edge.
        {3, {0, 0, 0, 30, 30, 30, 60, 60, 60, 90}},
    };
    for (const auto& k : cases) {
        DrawStepGradient(*c, 0, 90, k.steps, TRect(10, 5, 20, 8), true);
        EXPECT_EQ(row(6, 10, 20), k.expected) << k.steps;
        EXPECT_EQ(at(9, 6), kPaper);
        EXPECT_EQ(at(20, 6), kPaper);
    }
}

TEST_F(DrawHelpers, StepGradientWithMissingColours)
{
    DrawStepGradient(*c, 0x112233, ui::clNone, 64, TRect(0, 0, 4, 4), false);
    EXPECT_EQ(count(0x112233), 16);
    DrawStepGradient(*c, ui::clNone, 0x445566, 64, TRect(10, 0, 12, 2), false);
    EXPECT_EQ(count(0x445566), 4);
    // Neither colour: nothing to paint (no black block).
    DrawStepGradient(*c, ui::clNone, ui::clNone, 64, TRect(20, 0, 30, 10), false);
    EXPECT_EQ(count(0), 0);
    // An upside-down rectangle is turned over; an empty one draws nothing.
    DrawStepGradient(*c, 0x010101, 0x010101, 8, TRect(40, 10, 42, 5), false);
    EXPECT_EQ(count(0x010101), 10);
    DrawStepGradient(*c, 0x020202, 0x020202, 8, TRect(40, 20, 50, 20), false);
    EXPECT_EQ(count(0x020202), 0);
}

TEST_F(DrawHelpers, MirrorGradientHalvesAndBorder)
{
    DrawMirrorGradient(*c, TRect(0, 0, 10, 20), 0x0000F0, 0x0000F0, 0x00F000, 0x00F000, true, ui::clNone, false, true);
    EXPECT_EQ(at(5, 9), 0x0000F0u);
    EXPECT_EQ(at(5, 10), 0x00F000u);
    EXPECT_EQ(at(5, 19), 0x00F000u);
    EXPECT_EQ(at(5, 20), kPaper);

    // A solid fill reaches one pixel below the rectangle.
    DrawMirrorGradient(*c, TRect(20, 0, 30, 10), 0x0A0A0A, ui::clNone, ui::clNone, ui::clNone, true, ui::clNone, false,
                       true);
    EXPECT_EQ(at(25, 10), 0x0A0A0Au);

    // Without Fill only the border; side lines only at the left and right-1 columns.
    DrawMirrorGradient(*c, TRect(40, 0, 50, 10), 0x0A0A0A, ui::clNone, ui::clNone, ui::clNone, true, 0x0B0B0B, true,
                       false);
    EXPECT_EQ(count(0x0B0B0B), 20);
    EXPECT_EQ(at(45, 0), kPaper);
    const int before = count(kPaper);
    DrawMirrorGradient(*c, TRect(0, 25, 60, 40), 0x0A0A0A, 0x0C0C0C, ui::clNone, ui::clNone, true, ui::clNone, false,
                       false);
    EXPECT_EQ(count(kPaper), before);
}

TEST_F(DrawHelpers, GradientButtonFaceCornersFollowThePosition)
{
    constexpr TColor kCorner = 0x0C0C0C, kBack = 0x0D0D0D, kBorder = 0x0E0E0E, kFace = 0x0F0F0F;
    const TRect r(10, 10, 30, 30);  // L 10, T 10, R 29, B 28
    struct {
        int position;
        bool leftRounded, rightRounded;
    } cases[] = {{0, true, true}, {1, true, false}, {2, false, true}, {3, false, false}};
    for (const auto& k : cases) {
        c->Brush()->SetColor(kPaper);
        c->FillRect(TRect(0, 0, 60, 40));
        DrawGradientButtonFace(*c, kFace, ui::clNone, ui::clNone, ui::clNone, 0x101010, 0x111111, kBorder, kCorner,
                               kBack, r, k.position);
        EXPECT_EQ(at(10, 10) == kBack, k.leftRounded) << k.position;
        EXPECT_EQ(at(11, 10) == kCorner, k.leftRounded) << k.position;
        EXPECT_EQ(at(28, 10) == kBack, k.rightRounded) << k.position;
        EXPECT_EQ(at(27, 28) == kCorner, k.rightRounded) << k.position;
        EXPECT_EQ(at(10, 20) == kBorder, k.leftRounded) << k.position;  // left border line
        EXPECT_EQ(at(20, 10), kBorder);                                 // top border
        EXPECT_EQ(at(20, 28), kBorder);                                 // bottom border
        EXPECT_EQ(at(20, 11), 0x101010u);
        EXPECT_EQ(at(20, 27), 0x111111u);
        EXPECT_EQ(at(20, 20), kFace);
    }
}

TEST(ColourRoutines, ComponentArithmetic)
{
    EXPECT_EQ(AdjustColorPercent(ui::RGB(200, 100, 0), 50), ui::RGB(44, 150, 0));
    EXPECT_EQ(AdjustColorPercent(ui::RGB(200, 100, 10), -50), ui::RGB(100, 50, 5));
    EXPECT_EQ(HalfColor(ui::RGB(255, 3, 0)), ui::RGB(127, 1, 0));
    EXPECT_EQ(HalfColor(ui::clWhite), ui::RGB(127, 127, 127));
    EXPECT_EQ(BlendColorAt(ui::RGB(0, 0, 0), ui::RGB(100, 200, 40), 0, 4, 1), ui::RGB(25, 50, 10));
    EXPECT_EQ(BlendColorAt(0x123456, ui::clNone, 0, 4, 2), 0x123456u);
    // 231 * 3 / 22 is 31.5 exactly: the half goes to the even 32, not down through a rounded share.
    EXPECT_EQ(BlendColorAt(ui::clBlack, ui::RGB(231, 0, 0), 0, 22, 3), ui::RGB(32, 0, 0));
    // An empty range gives one of the two colours instead of dividing by zero.
    EXPECT_EQ(BlendColorAt(ui::clBlack, ui::clWhite, 3, 3, 3), ui::clBlack);
}

TEST_F(DrawHelpers, ToneButtonsUseTheStateColour)
{
    gx::TColorTones tones;
    tones.Background = {0x010101, 0x020202, 0x030303};
    tones.Hover = {0x040404, 0x050505, 0x060606};
    tones.Selected = {0x070707, 0x080808, 0x090909};
    tones.Disabled = {0x0A0A0A, 0x0B0B0B, 0x0C0C0C};
    struct {
        int state;
        TColor brush;
    } cases[] = {{0, 0x010101}, {1, 0x040404}, {2, 0x070707}, {3, 0x0A0A0A}};
    for (const auto& k : cases) {
        c->Brush()->SetColor(kPaper);
        c->FillRect(TRect(0, 0, 60, 40));
        DrawComboButton(*c, TRect(0, 0, 40, 20), bkTones, k.state, tones);
        // Button: x from 40 - 19 + 3 = 24 to 38, y 1..18; border line at x 25.
        EXPECT_EQ(at(30, 3), k.brush) << k.state;
        EXPECT_EQ(at(25, 10), 0x020202u) << k.state;
        EXPECT_EQ(at(32, 9), 0x030303u) << k.state;  // triangle
        EXPECT_EQ(at(23, 10), kPaper);
        EXPECT_EQ(at(38, 10), kPaper);

        DrawButtonFace(*c, TRect(0, 25, 10, 35), bkTones, k.state, tones);
        EXPECT_EQ(at(5, 30), k.brush) << k.state;
    }
    DrawSpinButtons(*c, TRect(40, 0, 60, 20), bkTones, 0, tones);
    EXPECT_EQ(at(45, 1), 0x010101u);  // up half from y -1 to 8, down half from 10
    EXPECT_EQ(at(45, 9), kPaper);     // the one-pixel gap between the halves
    EXPECT_EQ(at(45, 15), 0x010101u);
}

TEST_F(DrawHelpers, TransparentBitmapShowsTheBackColour)
{
    ui::TBitmap glyph(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            glyph.SetPixel(x, y, 0x00FF00);
    glyph.SetPixel(1, 1, 0x0000FF);
    DrawTransparentBitmap(*c, glyph, 0x202020, TRect(5, 5, 50, 50));
    EXPECT_EQ(at(5, 5), 0x202020u);
    EXPECT_EQ(at(6, 6), 0x0000FFu);
    EXPECT_EQ(at(7, 6), 0x202020u);
    EXPECT_EQ(at(8, 6), kPaper);
}

TEST_F(DrawHelpers, ErrorUnderlineStaysUnderTheMarkedCharacters)
{
    c->Font()->SetName("DejaVu Sans");
    c->Font()->SetSize(10);
    const std::string text = "abcdef";
    const int from = c->TextWidth("abc");
    DrawErrorUnderline(*c, text, TRect(0, 10, 60, 30), 2, 3, 2);
    int leftmost = 60, red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (at(x, y) == ui::clRed) {
                ++red;
                leftmost = std::min(leftmost, x);
                EXPECT_GE(y, 11);
                EXPECT_LE(y, 16);
            }
    EXPECT_GT(red, 0);
    EXPECT_GE(leftmost, from - 1);
}

TEST_F(DrawHelpers, DownTriangle)
{
    DrawDownTriangle(*c, 20, 10, 0x303030);
    EXPECT_EQ(at(20, 10), 0x303030u);
    EXPECT_EQ(at(20, 12), 0x303030u);
    EXPECT_EQ(at(20, 14), kPaper);
    EXPECT_EQ(at(15, 10), kPaper);
}

}  // namespace
