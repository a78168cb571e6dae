#include <gtest/gtest.h>

#include "platform/ui/Messages.h"
#include "platform/ui/TextSelection.h"

using namespace ui;

// Caret keys over a text of 5 characters, from a selection start and length to the new ones.
TEST(TextSelection, CaretKeysMoveCollapseAndExtend)
{
    struct Case {
        const char* what;
        unsigned key;
        TShiftState shift;
        int start, length;
        int newStart, newLength;
    };
    const Case cases[] = {
        {"left moves one back", VK_LEFT, 0, 3, 0, 2, 0},
        {"left stops at the start", VK_LEFT, 0, 0, 0, 0, 0},
        {"left collapses a selection to its start", VK_LEFT, 0, 1, 3, 1, 0},
        {"right collapses a selection to its end", VK_RIGHT, 0, 1, 3, 4, 0},
        {"right stops at the end", VK_RIGHT, 0, 5, 0, 5, 0},
        {"shift+right extends from the anchor", VK_RIGHT, ssShift, 1, 2, 1, 3},
        {"shift+left before the anchor selects backwards", VK_LEFT, ssShift, 2, 0, 1, 1},
        {"shift+home selects to the start", VK_HOME, ssShift, 3, 0, 0, 3},
        {"end goes past the last character", VK_END, 0, 1, 2, 5, 0},
    };
    for (const Case& c : cases) {
        int start = c.start;
        int length = c.length;
        EXPECT_TRUE(MoveCaretByKey(c.key, c.shift, 5, start, length)) << c.what;
        EXPECT_EQ(start, c.newStart) << c.what;
        EXPECT_EQ(length, c.newLength) << c.what;
    }
    int start = 2;
    int length = 1;
    EXPECT_FALSE(MoveCaretByKey(VK_DELETE, 0, 5, start, length));
    EXPECT_EQ(start, 2);
    EXPECT_EQ(length, 1);
}
