// The scrolling container: automatic bars, positions, bar messages and the wheel.
#include <gtest/gtest.h>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScrollBox.h"

using namespace ui;

namespace {

// A 100 x 80 box holding one child whose size the test sets.
struct ScrollBoxTest : ::testing::Test {
    ScrollBoxTest()
    {
        box.SetBounds(0, 0, 100, 80);
        child->SetParent(&box);
    }
    void Content(int w, int h)
    {
        child->SetBounds(child->Left(), child->Top(), w, h);  // children sit in scrolled coordinates
        box.UpdateScrollBars();
    }
    TScrollBox box{nullptr};
    TPanel* child = new TPanel(&box);
};

}  // namespace

TEST_F(ScrollBoxTest, BarsAppearOnlyForContentBeyondTheClientArea)
{
    Content(100, 80);
    EXPECT_FALSE(box.ScrollBarVisible(SB_VERT));
    EXPECT_FALSE(box.ScrollBarVisible(SB_HORZ));
    Content(80, 200);
    EXPECT_TRUE(box.ScrollBarVisible(SB_VERT));
    EXPECT_FALSE(box.ScrollBarVisible(SB_HORZ)) << "80 still fits beside the vertical bar";
    Content(95, 200);
    EXPECT_TRUE(box.ScrollBarVisible(SB_HORZ)) << "the vertical bar took the room";
    box.SetAutoScroll(false);
    EXPECT_FALSE(box.ScrollBarVisible(SB_VERT));
}

TEST_F(ScrollBoxTest, PositionsAreClampedAndMoveTheChildren)
{
    Content(50, 200);
    box.SetVertScrollPosition(1000);
    EXPECT_EQ(box.VertScrollPosition(), 200 - 80);
    EXPECT_EQ(child->Top(), -(200 - 80));
    box.SetVertScrollPosition(-5);
    EXPECT_EQ(child->Top(), 0);
    box.SetHorzScrollPosition(10);
    EXPECT_EQ(box.HorzScrollPosition(), 0) << "no horizontal bar, no horizontal scrolling";
    box.SetVertScrollPosition(100);
    Content(50, 60);  // the content shrinks under a scrolled view
    EXPECT_EQ(box.VertScrollPosition(), 0);
    EXPECT_EQ(child->Top(), 0);
}

TEST_F(ScrollBoxTest, BarMessagesAndWheelScroll)
{
    Content(50, 400);
    box.SetLineIncrement(10);
    box.Perform(WM_VSCROLL, MakeWParam(SB_LINEDOWN, 0));
    EXPECT_EQ(box.VertScrollPosition(), 10);
    box.Perform(WM_VSCROLL, MakeWParam(SB_PAGEDOWN, 0));
    EXPECT_EQ(box.VertScrollPosition(), 10 + box.ClientHeight());
    box.Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 123));
    EXPECT_EQ(box.VertScrollPosition(), 123);
    box.Perform(WM_VSCROLL, MakeWParam(SB_BOTTOM, 0));
    EXPECT_EQ(box.VertScrollPosition(), 400 - 80);
    box.Perform(WM_VSCROLL, MakeWParam(SB_TOP, 0));
    EXPECT_EQ(box.VertScrollPosition(), 0);
    SendMouseWheel(&box, -WHEEL_DELTA, 10, 10);
    EXPECT_EQ(box.VertScrollPosition(), 3 * 10) << "three lines per notch";
}
