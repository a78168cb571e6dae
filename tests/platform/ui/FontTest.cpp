// Font sizes and heights: a size in points gives the pixel height at 96 pixels per inch, also
// for sizes near the integer limit (which a file may hold).
#include "platform/ui/Graphics.h"

#include <gtest/gtest.h>

#include <limits>

namespace ui {
namespace {

TEST(Font, SizesGiveHeightsWithoutOverflow)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    const struct {
        int points;
        int height;
    } cases[] = {{12, -16}, {-12, 16}, {0, 0}, {kMax, -kMax}, {-kMax, kMax}};
    for (const auto& c : cases) {
        TFont font;
        font.SetSize(c.points);
        EXPECT_EQ(font.Height(), c.height) << c.points;
    }
}

}  // namespace
}  // namespace ui
