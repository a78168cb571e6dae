// The grid's HTML hint window: size from the text and its kind, kept on the screen, the grid's
// images, and the frame it paints.
#include <gtest/gtest.h>

#include <string>

#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridHintWindow.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Render.h"

namespace gx {
namespace {

class GxGridHintWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 400, 300);
        grid = new TGxStringGrid(&form);
        grid->SetParent(&form);
        hint = new THTMLHintWindow(&form);
    }
    ui::TForm form{nullptr};
    TGxStringGrid* grid = nullptr;
    THTMLHintWindow* hint = nullptr;
};

TEST_F(GxGridHintWindow, SizeFollowsTheTextAndItsKind)
{
    const struct {
        const char* name;
        std::string text;
        int margin;
        std::u16string wide;
    } cases[] = {
        {"plain text is HTML", "Plain hint", 16, u""},
        {"HTML", "<b>Bold</b> and <i>italic</i>", 16, u""},
        {"coded wide text", EncodeWideCellText(u"Wide \u00e9"), 8, u"Wide \u00e9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui::TRect r{50, 60, 0, 0};
        hint->ActivateHint(r, c.text);
        ASSERT_TRUE(hint->IsOpen());
        EXPECT_GT(hint->TextWidth(), 0);
        EXPECT_EQ(hint->WideCaption(), c.wide);
        EXPECT_EQ(r, ui::Bounds(50, 60, hint->TextWidth() + c.margin, hint->TextHeight() + 4));
        EXPECT_EQ(hint->BoundsRect(), r);
        const ui::TRect need = hint->CalcHintRect(1008, c.text, nullptr);
        EXPECT_EQ(need, ui::Bounds(0, 0, hint->TextWidth(), hint->TextHeight()));
    }
    hint->HideHint();
    EXPECT_FALSE(hint->IsOpen());
}

TEST_F(GxGridHintWindow, StaysTwoPixelsInsideTheScreensRightAndBottomEdges)
{
    const int sw = ui::GetScreen()->Width(), sh = ui::GetScreen()->Height();
    const struct {
        const char* name;
        ui::TPoint at;
        bool movedLeft, movedUp;
    } cases[] = {{"inside", {100, 100}, false, false},
                 {"past the right edge", {sw - 5, 100}, true, false},
                 {"past the bottom", {100, sh - 3}, false, true},
                 {"past the corner", {sw - 1, sh - 1}, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui::TRect r{c.at.X, c.at.Y, c.at.X, c.at.Y};
        hint->ActivateHint(r, "A hint that needs some room");
        EXPECT_EQ(r.Right, c.movedLeft ? sw - 2 : c.at.X + r.Width());
        EXPECT_EQ(r.Left, c.movedLeft ? sw - 2 - r.Width() : c.at.X);
        EXPECT_EQ(r.Bottom, c.movedUp ? sh - 2 : c.at.Y + r.Height());
    }
}

TEST_F(GxGridHintWindow, TakesTheGridsImagesAndPaintsAThreeDFrame)
{
    EXPECT_EQ(hint->Images(), nullptr);
    ui::TImageList images(nullptr);
    grid->GridImages = &images;
    ui::TRect r{10, 10, 0, 0};
    hint->ActivateHintData(r, "Framed", grid);
    EXPECT_EQ(hint->Images(), &images);
    ui::TBitmap bitmap(hint->Width(), hint->Height());
    ui::RenderControl(*hint, bitmap);
    const int w = hint->Width(), h = hint->Height();
    EXPECT_EQ(ui::ColorToRGB(bitmap.Pixel(0, 0)), ui::ColorToRGB(ui::cl3DLight));
    EXPECT_EQ(ui::ColorToRGB(bitmap.Pixel(0, h - 2)), ui::ColorToRGB(ui::cl3DLight));
    EXPECT_EQ(ui::ColorToRGB(bitmap.Pixel(w - 1, h - 1)), ui::ColorToRGB(ui::cl3DDkShadow));
    EXPECT_EQ(ui::ColorToRGB(bitmap.Pixel(w - 1, 1)), ui::ColorToRGB(ui::cl3DDkShadow));
    EXPECT_EQ(ui::ColorToRGB(bitmap.Pixel(2, 1)), ui::ColorToRGB(ui::clInfoBk));
    grid->GridImages = nullptr;
}

}  // namespace
}  // namespace gx
