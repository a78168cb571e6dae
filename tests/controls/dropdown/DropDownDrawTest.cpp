// The drawing and colour helpers shared by the drop-down editors.
#include <gtest/gtest.h>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxDropDownDraw.h"
#include "platform/ui/ImgList.h"

using namespace dropdown;
using namespace dropdown_test;
using ui::TBitmap;
using ui::TColor;
using ui::TRect;

namespace {

struct BlendCase {
    const char* Name;
    TColor C1, C2;
    int Percent;
    TColor Expected;
};

class BlendColorCases : public ::testing::TestWithParam<BlendCase> {};

struct DarkenCase {
    const char* Name;
    TColor Color;
    int R, G, B;
    TColor Expected;
};

class DarkenColorCases : public ::testing::TestWithParam<DarkenCase> {};

}  // namespace

TEST_P(BlendColorCases, MixesChannelsRoundingHalvesToEven)
{
    const BlendCase& c = GetParam();
    EXPECT_EQ(BlendColor(c.C1, c.C2, c.Percent), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    BlendColor, BlendColorCases,
    ::testing::Values(BlendCase{"HalfOfRedAndBlueRoundsUpToEven", 0x0000FF, 0xFF0000, 50, 0x800080},
                      BlendCase{"HundredGivesFirstUnchanged", ui::clBtnFace, 0x000000, 100, ui::clBtnFace},
                      BlendCase{"AboveHundredGivesFirst", 0x123456, 0x000000, 150, 0x123456},
                      BlendCase{"ZeroGivesSecond", 0x123456, ui::clWindow, 0, ui::clWindow},
                      BlendCase{"SystemColoursAreResolvedInBetween", ui::clBlack, 0xFFFFFF, 25,
                                0xBFBFBF}),  // 0.75 x 255 = 191.25
    [](const auto& info) { return std::string(info.param.Name); });

TEST_P(DarkenColorCases, ScalesNonZeroChannelsAndLiftsZeroOnes)
{
    const DarkenCase& c = GetParam();
    EXPECT_EQ(DarkenColor(c.Color, c.R, c.G, c.B), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(DarkenColor, DarkenColorCases,
                         ::testing::Values(DarkenCase{"HalvesEveryChannel", 0x808080, -50, -50, -50, 0x404040},
                                           DarkenCase{"PositiveKeepsAndLiftsZero", 0x000080, 20, 20, 20, 0x141480},
                                           DarkenCase{"TenPercentOfRedAndGreenOnly", 0x14F0C8, -10, -10, 0,
                                                      0x14D8B4},  // C8 -> B4, F0 -> D8
                                           DarkenCase{"NegativeOnZeroStaysZero", 0x00FF00, -30, 0, -5, 0x00FF00}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DrawGradient, ZeroBandsFillTheRectangleWithTheFirstColour)
{
    TBitmap bmp;
    Solid(bmp, 20, 10, ui::clWhite);
    DrawGradient(*bmp.Canvas(), 0x0000FF, 0xFF0000, true, {2, 2, 12, 8}, 0);
    EXPECT_EQ(CountColor(bmp, {0, 0, 20, 10}, 0x0000FF), 10 * 6);
    EXPECT_EQ(ColorBounds(bmp, {0, 0, 20, 10}, 0x0000FF), TRect(2, 2, 12, 8));
}

TEST(DrawGradient, BandsRunFromFirstColourTowardsTheSecondInTheirDirection)
{
    TBitmap bmp;
    Solid(bmp, 81, 40, ui::clWhite);
    DrawGradient(*bmp.Canvas(), 0x000000, 0x0000FF, true, {0, 0, 81, 40}, 80);
    EXPECT_EQ(bmp.Pixel(0, 20), 0x000000u);
    EXPECT_LT(ui::GetRValue(bmp.Pixel(40, 20)), ui::GetRValue(bmp.Pixel(79, 20)));
    EXPECT_EQ(bmp.Pixel(40, 0), bmp.Pixel(40, 39));  // side by side: one colour per column
    Solid(bmp, 40, 81, ui::clWhite);
    DrawGradient(*bmp.Canvas(), 0x000000, 0x0000FF, false, {0, 0, 40, 81}, 80);
    EXPECT_EQ(bmp.Pixel(0, 40), bmp.Pixel(39, 40));  // stacked: one colour per row
    EXPECT_LT(ui::GetRValue(bmp.Pixel(20, 10)), ui::GetRValue(bmp.Pixel(20, 70)));
}

TEST(DrawGradient, MoreBandsThanPixelsStayInsideTheRectangle)
{
    TBitmap bmp;
    Solid(bmp, 10, 80, ui::clWhite);
    DrawGradient(*bmp.Canvas(), 0x000000, 0xFFFFFF, false, {0, 8, 10, 72}, 128);
    EXPECT_EQ(CountColor(bmp, {0, 0, 10, 8}, ui::clWhite), 80);
    EXPECT_EQ(CountColor(bmp, {0, 72, 10, 80}, ui::clWhite), 80);
    EXPECT_NE(bmp.Pixel(5, 71), ui::clWhite);
}

TEST(DrawBackgroundRect, GradientPlainFillAndFrame)
{
    TBitmap bmp;
    Solid(bmp, 30, 30, ui::clWhite);
    DrawBackgroundRect(bmp.Canvas(), {0, 0, 30, 30}, 0x00FF00, ui::clNone, TGradientDirection::gdVertical, 2, 0x0000FF);
    EXPECT_EQ(bmp.Pixel(15, 15), 0x00FF00u);
    EXPECT_EQ(bmp.Pixel(0, 15), 0x0000FFu);
    EXPECT_EQ(bmp.Pixel(1, 15), 0x0000FFu);
    EXPECT_EQ(bmp.Pixel(2, 15), 0x00FF00u);

    Solid(bmp, 30, 81, ui::clWhite);
    DrawBackgroundRect(bmp.Canvas(), {0, 0, 30, 81}, 0x000000, 0xFFFFFF, TGradientDirection::gdVertical, 0, 0);
    EXPECT_EQ(bmp.Pixel(3, 40), bmp.Pixel(26, 40)) << "vertical: colour changes down the height";
    EXPECT_NE(bmp.Pixel(3, 5), bmp.Pixel(3, 75));

    Solid(bmp, 30, 30, ui::clWhite);
    DrawBackgroundRect(bmp.Canvas(), {0, 0, 30, 30}, ui::clNone, ui::clNone, TGradientDirection::gdVertical, 1,
                       ui::clNone);
    EXPECT_EQ(CountColor(bmp, {0, 0, 30, 30}, ui::clWhite), 900) << "nothing set, nothing drawn";
    DrawBackgroundRect(nullptr, {0, 0, 30, 30}, 0, 0, TGradientDirection::gdVertical, 1, 0);
}

TEST(DrawImageAndText, ImageLeftCaptionAfterIt)
{
    ui::TImageList images(nullptr);
    images.SetSize(8, 6);
    TBitmap red;
    Solid(red, 8, 6, 0x0000FF);
    images.Add(red);
    TBitmap bmp;
    Solid(bmp, 80, 20, ui::clWhite);
    UseTestFont(*bmp.Canvas()->Font());
    bmp.Canvas()->Brush()->SetStyle(ui::TBrushStyle::bsClear);
    TRect r{0, 0, 80, 20};
    DrawImageAndText(bmp.Canvas(), r, "Ab", 0, &images);
    EXPECT_EQ(ColorBounds(bmp, {0, 0, 80, 20}, 0x0000FF), TRect(4, 7, 12, 13));
    EXPECT_EQ(r.Left, 16);
    const TRect ink = InkBounds(bmp, {13, 0, 80, 20}, ui::clWhite);
    EXPECT_GE(ink.Left, 16) << "the caption follows the image, left-aligned";
    EXPECT_LT(ink.Left, 20);
}

TEST(DrawImageAndText, CaptionAloneIsCentred)
{
    TBitmap bmp;
    Solid(bmp, 100, 20, ui::clWhite);
    ui::TCanvas& c = *bmp.Canvas();
    UseTestFont(*c.Font());
    c.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    TRect r{0, 0, 100, 20};
    DrawImageAndText(&c, r, "Wide", -1, nullptr);
    const TRect ink = InkBounds(bmp, {0, 0, 100, 20}, ui::clWhite);
    const int w = GetTextSize(c, "Wide").cx;
    EXPECT_NEAR(ink.Left, (100 - w) / 2, 2);
}

TEST(DrawTransparentGlyph, TopLeftColourShowsTheBackground)
{
    TBitmap glyph;
    Solid(glyph, 6, 6, 0xFF00FF);
    glyph.SetPixel(2, 2, 0x000000);
    TBitmap bmp;
    Solid(bmp, 10, 10, ui::clWhite);
    DrawTransparentGlyph(*bmp.Canvas(), glyph, 0x00FF00, {1, 1, 5, 5});
    EXPECT_EQ(bmp.Pixel(1, 1), 0x00FF00u);
    EXPECT_EQ(bmp.Pixel(3, 3), 0x000000u);
    EXPECT_EQ(bmp.Pixel(5, 5), ui::clWhite) << "only the part of the target's size is copied";
}

TEST(TextFitting, MeasuresOneLineAndShortensWithEllipsis)
{
    TBitmap bmp(10, 10);
    ui::TCanvas& c = *bmp.Canvas();
    UseTestFont(*c.Font());
    EXPECT_EQ(GetTextSize(c, ""), ui::TSize());
    const ui::TSize one = GetTextSize(c, "abc");
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(GetTextSize(c, "abc\r\ndef").cy, one.cy) << "one line";

    const std::string text = "The quick brown fox";
    const int full = GetTextSize(c, text).cx;
    EXPECT_EQ(FitTextToWidth(c, text, full, true), text) << "a text that fits comes back unchanged";
    const std::string cut = FitTextToWidth(c, text, full / 2, true);
    ASSERT_GE(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_LT(GetTextSize(c, cut).cx, full / 2);
    EXPECT_GE(GetTextSize(c, FitTextToWidth(c, text, full / 2, false)).cx,
              GetTextSize(c, cut).cx - GetTextSize(c, "...").cx);
    EXPECT_EQ(FitTextToWidth(c, text, 1, true), text) << "nothing fits: the text stays";
}

TEST(TextFitting, HtmlSizeOfEmptyTextIsZero)
{
    TBitmap bmp(10, 10);
    UseTestFont(*bmp.Canvas()->Font());
    EXPECT_EQ(GetHTMLTextSize(*bmp.Canvas(), "", {0, 0, 100, 100}, false), ui::TSize());
    const ui::TSize plain = GetHTMLTextSize(*bmp.Canvas(), "ab", {0, 0, 1000, 500}, false);
    const ui::TSize bold = GetHTMLTextSize(*bmp.Canvas(), "<b>ab</b>", {0, 0, 1000, 500}, false);
    EXPECT_GT(plain.cx, 0);
    EXPECT_EQ(plain.cy, bold.cy);
}
