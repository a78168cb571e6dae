#include "platform/ui/Controls.h"

#include <gtest/gtest.h>

namespace {

TEST(Accelerator, FollowsTheFirstSingleAmpersandInAnyLetterCase)
{
    struct Case {
        const char* caption;
        char32_t typed;
        bool accel;
    };
    const Case cases[] = {
        {"Save &As", U'a', true},
        {"Save &As", U'A', true},
        {"&\xC3\x9C"
         "bernehmen",
         U'\u00FC', true},  // a letter outside ASCII, typed in small letters
        {"&\xC3\x9C"
         "bernehmen",
         U'\u00DC', true},
        {"&\xC3\x9C"
         "bernehmen",
         U'U', false},
        {"A&&B", U'b', false},
        {"&&x &y", U'y', true},
        {"&&x &y", U'x', false},
        {"no accelerator", U'n', false},
        {"trailing &", U'&', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::IsAccel(c.typed, c.caption), c.accel) << c.caption << " / " << int(c.typed);
    EXPECT_EQ(ui::AcceleratorOf("&\xC3\x9C"
                                "bernehmen"),
              U'\u00FC');
    EXPECT_EQ(ui::AcceleratorOf("Save &As"), U'a');
    EXPECT_EQ(ui::AcceleratorOf("A&&B"), 0u);
}

}  // namespace
