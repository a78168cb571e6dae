// The translucent frame around the edited cell (FocusHelper.Enabled): its picture, where it
// stands, and when it goes away.
#include "GxGridEditFixture.h"
#include "grid/base/GxWindows.h"
#include "grid/stringgrid/GxGridModule.h"

namespace gx {
namespace {

unsigned Alpha(const ui::TBitmap& b, int x, int y)
{
    return b.ScanLine(y)[x] >> 24;
}

TEST_F(GxGridEdit, FocusFrameRingsTheEditedCellUntilAValueIsTaken)
{
    TGridFocusWindow& frame = *grid->FocusWindow();
    Key(ui::VK_F2);
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(frame.Showing()) << "off by default";

    grid->FocusHelper()->Enabled = true;
    Key(ui::VK_F2);
    ASSERT_TRUE(grid->EditorMode());
    ASSERT_TRUE(frame.Showing());
    EXPECT_EQ(GxGridModule().FocusWindowGrid, grid);
    const ui::TRect cell = grid->CellRect(1, 1);
    const ui::TPoint screen = grid->ClientToScreen({cell.Left, cell.Top});
    EXPECT_EQ(frame.ScreenPos().X, screen.X - 4);
    EXPECT_EQ(frame.ScreenPos().Y, screen.Y - 4);
    const ui::TBitmap& p = frame.Picture;
    ASSERT_EQ(p.Width(), cell.Width() + 9);
    ASSERT_EQ(p.Height(), cell.Height() + 9);
    // A soft ring in the frame colour, never above the window opacity 230; nothing over the cell itself, which the
    // window's shape leaves out.
    const int midY = p.Height() / 2;
    unsigned ring = 0;
    for (int x = 0; x < 6; ++x)
        ring = std::max(ring, Alpha(p, x, midY));
    EXPECT_GT(ring, 80u);  // the blurred ring peaks near half of the opacity
    EXPECT_LE(ring, 230u);
    EXPECT_EQ(Alpha(p, p.Width() / 2, midY), 0u);
    const std::uint32_t px = p.ScanLine(midY)[2];
    EXPECT_GT(px & 0xFF, (px >> 16) & 0xFF) << "blue above red, as 0xFDD397";
    ASSERT_EQ(frame.Shape.size(), 4u);
    for (const ui::TRect& r : frame.Shape)
        EXPECT_TRUE(r.Intersect(ui::Bounds(4, 4, cell.Width(), cell.Height())).IsEmpty());

    Type("x");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(frame.Showing()) << "a taken value removes the frame";
    EXPECT_EQ(GxGridModule().FocusWindowGrid, nullptr);

    Key(ui::VK_F2);
    ASSERT_TRUE(frame.Showing());
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(frame.Showing()) << "so does a cancelled edit";
}

}  // namespace
}  // namespace gx
