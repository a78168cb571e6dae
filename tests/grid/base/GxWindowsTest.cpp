// Auxiliary windows and the focus-shadow masks: arrow shapes, the focus window, alpha masks and
// the Gaussian blur.
#include "grid/base/GxWindows.h"
#include "grid/base/GxAlphaMask.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(ArrowWindow, InitShapesColoursParentsAndHides)
{
    ui::TPanel owner(nullptr);
    TArrowWindow arrow(&owner);
    arrow.Init(&owner, arrDown);
    EXPECT_EQ(arrow.Dir(), arrDown);
    EXPECT_EQ(arrow.Arrow()[4], ui::TPoint(5, 8));  // the tip points down
    EXPECT_EQ(arrow.Color(), 0x00FF00u);
    EXPECT_EQ(arrow.Parent(), &owner);
    EXPECT_FALSE(arrow.Visible());
    EXPECT_EQ(ArrowOutline(arrUp)[0], ui::TPoint(5, 0));
    EXPECT_EQ(ArrowOutline(arrRight)[0], ui::TPoint(0, 5));

    TGridFocusWindow focus(nullptr);
    EXPECT_EQ(focus.Width(), 0);
    EXPECT_EQ(focus.Height(), 0);
    EXPECT_EQ(focus.Color(), 0x0000FFu);
    EXPECT_FALSE(focus.Enabled());
}

TEST(AlphaMask, MergeMaskPremultipliesAndSkips32BitBitmaps)
{
    ui::TBitmap mask(2, 1), bitmap(2, 1);
    mask.SetPixel(0, 0, 0x000080);  // red byte 128
    mask.SetPixel(1, 0, 0x0000FF);
    bitmap.SetPixel(0, 0, 0x3264C8);  // red 200, green 100, blue 50
    bitmap.SetPixel(1, 0, 0x3264C8);
    TGridAlphaMask alpha;
    EXPECT_EQ(alpha.Opacity, 255);
    alpha.MergeMask(mask, bitmap, ui::clRed);
    ASSERT_EQ(alpha.Width(), 2);
    EXPECT_EQ(alpha.ScanLine(0)[0], 0x80643219u);  // alpha 128; 200, 100, 50 scaled to 100, 50, 25
    EXPECT_EQ(alpha.ScanLine(0)[1] >> 24, 0xFFu);

    TGridAlphaMask other;
    other.SetSize(1, 1);
    other.MergeMask(mask, alpha, ui::clRed);  // a 32-bit bitmap is not merged
    EXPECT_EQ(other.Width(), 1);
}

TEST(AlphaMask, AssignCopiesOnlyWhatBothMasksCover)
{
    TGridAlphaMask small, large;
    small.SetSize(2, 2);
    small.Opacity = 10;
    small.ScanLine(1)[1] = 0x11223344;
    large.SetSize(4, 4);
    large.Assign(small);  // reads no pixel outside the smaller source
    EXPECT_EQ(large.Width(), 4);
    EXPECT_EQ(large.Opacity, 10);
    EXPECT_EQ(large.ScanLine(1)[1], 0x11223344u);

    ui::TBitmap plain(3, 3);
    large.Assign(plain);
    EXPECT_EQ(large.Width(), 3);
    EXPECT_TRUE(large.AlphaChannel());
}

TEST(GaussianBlur, RefusesOtherThan24BitAndKeepsUniformAreas)
{
    TGridAlphaMask mask;
    mask.SetSize(4, 4);
    try {
        GaussianBlur(mask, 2);
        ADD_FAILURE() << "a 32-bit bitmap was blurred";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message, "Blur only works for 24-bit bitmaps");
    }

    ui::TBitmap uniform(30, 30);
    uniform.Canvas()->Brush()->SetColor(0x406080);
    uniform.Canvas()->FillRect(ui::Rect(0, 0, 30, 30));
    GaussianBlur(uniform, 3);
    EXPECT_EQ(uniform.Pixel(0, 0), 0x406080u);
    EXPECT_EQ(uniform.Pixel(15, 29), 0x406080u);

    ui::TBitmap spot(21, 21);
    spot.Canvas()->Brush()->SetColor(ui::clBlack);
    spot.Canvas()->FillRect(ui::Rect(0, 0, 21, 21));
    spot.SetPixel(10, 10, ui::clWhite);
    GaussianBlur(spot, 1.5);
    const auto red = [&](int x, int y) { return spot.Pixel(x, y) & 0xFF; };
    EXPECT_LT(red(10, 10), 255u);
    EXPECT_GT(red(10, 10), red(11, 10));
    EXPECT_EQ(red(11, 10), red(9, 10));                          // symmetric
    EXPECT_NEAR(double(red(10, 11)), double(red(11, 10)), 1.0);  // rows are stored in 8 bits between the passes
    EXPECT_EQ(red(0, 0), 0u);
    GaussianBlur(spot, 0);  // no radius: unchanged
    EXPECT_GT(red(10, 10), 0u);
}

TEST(RoundRectMask, WhiteShapeOnBlackSoftenedByTheBlur)
{
    ui::TBitmap filled;
    MakeRoundRectMask(filled, 60, 40, 0, 10, 0);
    EXPECT_FALSE(filled.AlphaChannel());
    EXPECT_EQ(filled.Width(), 60);
    EXPECT_EQ(filled.Pixel(0, 0), ui::clBlack);
    EXPECT_EQ(filled.Pixel(30, 20), ui::clWhite);

    ui::TBitmap outlined;
    MakeRoundRectMask(outlined, 60, 40, 2, 10, 0);
    EXPECT_EQ(outlined.Pixel(30, 20), ui::clBlack);  // outline only
    EXPECT_EQ(outlined.Pixel(30, 3), ui::clWhite);

    ui::TBitmap blurred;
    MakeRoundRectMask(blurred, 60, 40, 0, 10, 2);
    const auto edge = blurred.Pixel(2, 20) & 0xFF;
    EXPECT_GT(edge, 0u);
    EXPECT_LT(edge, 255u);
    EXPECT_EQ(blurred.Pixel(30, 20), ui::clWhite);
}

}  // namespace
}  // namespace gx
