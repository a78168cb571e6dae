// Graphic cells: classic and styled progress bars, the pie, the range indicator and shapes,
// measured by the pixels they paint on a white bitmap.
#include "grid/base/VozEdidProgress.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace VozEdid {
namespace {

constexpr TColor kRed = ui::RGB(255, 0, 0);
constexpr TColor kBlue = ui::RGB(0, 0, 255);
constexpr TColor kGreen = ui::RGB(0, 255, 0);

class GraphicCells : public ::testing::Test {
protected:
    GraphicCells() : bmp(120, 40) { clear(); }
    void clear()
    {
        c().Brush()->SetColor(ui::clWhite);
        c().FillRect(TRect(0, 0, bmp.Width(), bmp.Height()));
    }
    ui::TCanvas& c() { return *bmp.Canvas(); }
    TColor at(int x, int y) { return ui::ColorToRGB(bmp.Pixel(x, y)); }
    // The runs of one colour along a row: (start, length) each.
    std::vector<std::pair<int, int>> runs(int y, TColor colour)
    {
        std::vector<std::pair<int, int>> r;
        for (int x = 0; x < bmp.Width(); ++x)
            if (at(x, y) == colour) {
                if (r.empty() || r.back().first + r.back().second != x)
                    r.push_back({x, 0});
                ++r.back().second;
            }
        return r;
    }
    int count(TColor colour)
    {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                n += at(x, y) == colour;
        return n;
    }

    ui::TBitmap bmp;
};

TEST(ClassicProgressText, FormatsOrShowsThePlainValue)
{
    EXPECT_EQ(ClassicProgressText("%d%%", 150), "150%");
    EXPECT_EQ(ClassicProgressText("", 42.6), "43%");
    EXPECT_EQ(ClassicProgressText("", 42.5), "42%");  // halves to even
    EXPECT_EQ(ClassicProgressText("%.2f", 1.5), "1.50");
    // A format that does not suit the value shows the plain value.
    EXPECT_EQ(ClassicProgressText("%s", 7), "7");
    EXPECT_EQ(ClassicProgressText("%d of %d", 7), "7");
    EXPECT_EQ(ClassicProgressText("%x %s", 2.5), "2.5");
}

TEST_F(GraphicCells, ClassicBarSplitsWhereTheValueEnds)
{
    const auto split = [&](double value, int min, int max, const char* format) {
        clear();
        DrawClassicProgress(c(), TRect(10, 5, 110, 35), kRed, ui::clWhite, kBlue, ui::clBlack, value, 0, 0, min, max,
                            format, ui::clNone, false);
        const auto red = runs(6, kRed);
        return red.empty() ? 0 : red[0].second;
    };
    EXPECT_EQ(split(42.6, 0, 100, ""), 43);
    EXPECT_EQ(split(150, 0, 100, "%d%%"), 100);  // the text says 150%, the bar is full
    EXPECT_EQ(split(30, 20, 40, "%d"), 50);
    EXPECT_EQ(split(5, 7, 7, "%d"), 0);  // a zero range draws an empty bar
    EXPECT_EQ(split(std::numeric_limits<double>::quiet_NaN(), 0, 100, ""), 0);
}

TEST_F(GraphicCells, StyledBarFillsThePercentage)
{
    TProgressLook look;
    look.UnCompleteColor = ui::clWhite;
    look.Level0Color = kGreen;
    look.Level1Color = kBlue;
    look.Level2Color = ui::clBlack;
    look.Level3Color = kRed;
    look.Level1Perc = 50;
    look.Level2Perc = 80;
    look.CompletionSmooth = true;
    const TRect r(0, 0, 102, 20);  // 100 pixels inside the frame

    DrawCellProgressBar(c(), r, 30, look);
    EXPECT_EQ(runs(10, kGreen), (std::vector<std::pair<int, int>>{{1, 30}}));
    clear();
    DrawCellProgressBar(c(), r, 0, look);  // only the frame
    EXPECT_EQ(count(kGreen), 0);
    clear();
    DrawCellProgressBar(c(), r, 100, look);
    EXPECT_EQ(runs(10, kRed), (std::vector<std::pair<int, int>>{{1, 100}}));

    look.Stacked = true;
    clear();
    DrawCellProgressBar(c(), TRect(0, 0, 35, 20), 100, look);  // 33 pixels: the segments fill it exactly
    EXPECT_EQ(runs(10, kGreen), (std::vector<std::pair<int, int>>{{1, 16}}));
    EXPECT_EQ(runs(10, kBlue), (std::vector<std::pair<int, int>>{{17, 10}}));
    EXPECT_EQ(runs(10, kRed), (std::vector<std::pair<int, int>>{{27, 7}}));
    clear();
    DrawCellProgressBar(c(), r, 250, look);  // beyond 100: never past the frame
    EXPECT_EQ(at(101, 10), ui::clWhite);
}

struct BlockCase {
    const char* name;
    int percent;  // of a 100-pixel bar: the filled length
    std::vector<std::pair<int, int>> blocks;
};

class ProgressBlocks : public GraphicCells, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(ProgressBlocks, LaysBlocksOfSevenPixels)
{
    TProgressLook look;
    look.UnCompleteColor = ui::clWhite;
    look.Level0Color = look.Level1Color = look.Level2Color = look.Level3Color = kGreen;
    look.Level1Perc = 50;
    look.Level2Perc = 80;
    DrawCellProgressBar(c(), TRect(0, 0, 102, 20), GetParam().percent, look);
    EXPECT_EQ(runs(10, kGreen), GetParam().blocks);
    EXPECT_EQ(at(5, 1), ui::clWhite);  // blocks keep 2 pixels from the frame across the bar
}

INSTANTIATE_TEST_SUITE_P(Lengths, ProgressBlocks,
                         ::testing::Values(BlockCase{"TwentyGivesTwoBlocks", 20, {{2, 7}, {11, 7}}},
                                           BlockCase{"TwentyOneAddsAPartOfTwo", 21, {{2, 7}, {11, 7}, {20, 2}}},
                                           BlockCase{"NineGivesOneOfEight", 9, {{2, 8}}},
                                           BlockCase{"OneGivesNothing", 1, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GraphicCells, RangeIndicatorGrowsFromTheMiddle)
{
    const auto draw = [&](int value, int range) {
        clear();
        DrawRangeIndicator(c(), TRect(0, 0, 84, 20), value, range, false, kRed, kGreen);
    };
    draw(50, 20);  // limited to the range: the bar reaches the right edge
    EXPECT_EQ(runs(10, kGreen), (std::vector<std::pair<int, int>>{{42, 40}}));
    draw(-5, 20);  // a quarter of the left half
    EXPECT_EQ(runs(10, kRed), (std::vector<std::pair<int, int>>{{32, 10}}));
    draw(5, 0);  // no range: nothing
    EXPECT_EQ(count(kGreen) + count(kRed), 0);
}

TEST_F(GraphicCells, PieFillsTheSectorFromTwelveOClock)
{
    DrawProgressPie(c(), TRect(0, 0, 40, 40), kRed, 25, false);
    EXPECT_EQ(at(30, 10), kRed);         // upper right quarter
    EXPECT_EQ(at(10, 10), ui::clWhite);  // upper left
    EXPECT_EQ(at(30, 30), ui::clWhite);  // lower right
    EXPECT_EQ(at(1, 1), ui::clWhite);    // outside the circle
    clear();
    DrawProgressPie(c(), TRect(0, 0, 40, 40), kRed, 0, false);
    EXPECT_EQ(count(kRed), 0);
}

TEST_F(GraphicCells, ShapesKeepTheirFigure)
{
    DrawCellShape(c(), 0, 0, 20, 10, gx::csCircle, kBlue, kBlue);  // a circle of the smaller side
    EXPECT_EQ(at(5, 5), kBlue);
    EXPECT_EQ(at(15, 5), ui::clWhite);
    clear();
    DrawCellShape(c(), 0, 0, 20, 20, gx::csTriangleUp, kBlue, kBlue);
    EXPECT_EQ(at(10, 18), kBlue);
    EXPECT_EQ(at(2, 2), ui::clWhite);
    clear();
    DrawCellShape(c(), 0, 0, 20, 20, gx::csHalfStar, kBlue, kBlue);
    EXPECT_EQ(at(7, 10), kBlue);  // left half of the star
    EXPECT_EQ(at(14, 10), ui::clWhite);
}

}  // namespace
}  // namespace VozEdid
