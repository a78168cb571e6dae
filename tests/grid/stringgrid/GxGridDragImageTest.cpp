// The floating pictures of a drag: the header drag button (its caption cut to fit, or drawn as
// HTML), and the non-activating form, which shows without taking the keys, the presses or the
// mouse capture from the grid.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupWindow.h"

namespace gx {
namespace {

class GxGridDragImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 400, 300);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
        form.Show();
    }
    void TearDown() override { form.Hide(); }
    // The first and last column holding text ink (dark pixels) in the button's picture.
    std::pair<int, int> Ink(const std::string& caption)
    {
        THeaderDragButton& b = *grid->HeaderDragButton();
        b.SetBounds(0, 0, 80, 24);
        b.Caption = caption;
        const ui::TBitmap& bmp = *b.PaintToBuffer();
        int left = -1, right = -1;
        for (int x = 0; x < bmp.Width(); ++x)
            for (int y = 2; y < bmp.Height() - 2; ++y) {
                const ui::TColor c = ui::ColorToRGB(bmp.Pixel(x, y));
                if (ui::GetRValue(c) + ui::GetGValue(c) + ui::GetBValue(c) < 3 * 0x50) {
                    if (left < 0)
                        left = x;
                    right = x;
                    break;
                }
            }
        return {left, right};
    }
    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
};

TEST_F(GxGridDragImage, DragButtonCutsALongCaptionAndDrawsAnHtmlOne)
{
    const auto [shortLeft, shortRight] = Ink("Name");
    ASSERT_GE(shortLeft, 0);
    EXPECT_NEAR(shortLeft + shortRight, 80, 4);  // centred
    // A caption wider than the button ends in an ellipsis inside it.
    const auto [longLeft, longRight] = Ink("A caption far too long for the button");
    EXPECT_GE(longLeft, 0);
    EXPECT_LE(longRight, 79);
    EXPECT_GT(longRight - longLeft, 60);
    // The last ink is the ellipsis: dots on the baseline, nothing of a letter's upper half.
    const ui::TBitmap& bmp = *grid->HeaderDragButton()->BackBuffer();
    int upper = 0, lower = 0;
    for (int x = longRight - 8; x <= longRight; ++x)
        for (int y = 2; y < bmp.Height() - 2; ++y) {
            const ui::TColor c = ui::ColorToRGB(bmp.Pixel(x, y));
            if (ui::GetRValue(c) + ui::GetGValue(c) + ui::GetBValue(c) < 3 * 0x50)
                (y < bmp.Height() / 2 ? upper : lower) += 1;
        }
    EXPECT_EQ(upper, 0);
    EXPECT_GT(lower, 0);
    // "</" makes it HTML: the tags are not drawn, only the bold word.
    const auto [tagsLeft, tagsRight] = Ink("<B>Name<B>");
    const auto [htmlLeft, htmlRight] = Ink("<B>Name</B>");
    ASSERT_GE(htmlLeft, 0);
    EXPECT_LT(htmlRight - htmlLeft, (tagsRight - tagsLeft) * 3 / 4);
    EXPECT_GE(htmlRight - htmlLeft, shortRight - shortLeft);
}

TEST_F(GxGridDragImage, NonActivatingFormLeavesKeysPressesAndTheCaptureToTheGrid)
{
    TNoActiveForm popup(grid);
    EXPECT_FALSE(popup.Enabled());
    grid->SetFocus();
    ui::SetCaptureControl(grid);
    popup.ShowAt(ui::Bounds(50, 60, 120, 40), grid);
    EXPECT_TRUE(popup.Visible());
    EXPECT_TRUE(popup.IsOpen());
    EXPECT_EQ(ui::CaptureControl(), grid);
    EXPECT_EQ(ui::ActivePopup(), nullptr);
    EXPECT_EQ(ui::FindFocusedControl(), grid);
    // Moving it keeps it shown where asked.
    popup.ShowAt(ui::Bounds(70, 80, 120, 40), grid);
    EXPECT_EQ(popup.Left(), 70);
    ui::SetCaptureControl(nullptr);
    // Escape and a press elsewhere leave it; only the grid hides it.
    ui::SendKeyStroke(grid, ui::VK_ESCAPE, 0, 27);
    ui::RouteMouseEvent(&form, ui::WM_LBUTTONDOWN, 300, 250);
    ui::RouteMouseEvent(&form, ui::WM_LBUTTONUP, 300, 250);
    EXPECT_TRUE(popup.Visible());
    popup.HideForm();
    EXPECT_FALSE(popup.Visible());
    EXPECT_FALSE(popup.IsOpen());
    // A dropped-down popup still opens and closes as before afterwards.
    ui::TPopupWindow list(grid);
    list.Popup(grid);
    EXPECT_EQ(ui::ActivePopup(), &list);
    list.ClosePopup(ui::TPopupCloseReason::pcrCancel);
}

}  // namespace
}  // namespace gx
