// The base cell checker leaves every text as it is, so a grid linked to it with both switches on
// finds every cell correct.
#include "grid/base/GridCellCheck.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(GxStringGridCheck, BaseClassChangesNoTextAndIsSwitchedOff)
{
    TGxStringGridCheck check(nullptr);
    EXPECT_FALSE(check.GotoCell || check.AutoCorrect || check.AutoMarkError || check.UseCorrect || check.UseMarkError);
    for (const std::string text : {"", "plain", "<b>bold</b> \xC3\xA9", "  blanks  "}) {
        EXPECT_EQ(check.Correct(1, 2, text), text);
        EXPECT_EQ(check.MarkError(1, 2, text), text);
    }
}

}  // namespace
}  // namespace gx
