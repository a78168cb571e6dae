// Renders the gallery of faces to a PNG and checks that every state looks different where it should.
#include <gtest/gtest.h>

#include <filesystem>

#include "ButtonTestSupport.h"
#include "LbButtonGallery.h"
#include "controls/button/LbButtons.h"

using namespace button_test;

namespace {

void CellOf(const ui::TBitmap& gallery, int style, int state, ui::TBitmap& cell)
{
    cell.SetSize(kGalleryCellW, kGalleryCellH);
    for (int y = 0; y < kGalleryCellH; ++y)
        for (int x = 0; x < kGalleryCellW; ++x)
            cell.SetPixel(x, y, gallery.Pixel(state * kGalleryCellW + x, style * kGalleryCellH + y));
}

bool SameCells(const ui::TBitmap& gallery, int style, int stateA, int stateB)
{
    ui::TBitmap a, b;
    CellOf(gallery, style, stateA, a);
    CellOf(gallery, style, stateB, b);
    return SamePixels(a, b);
}

}  // namespace

TEST(LbButtonGallery, EveryStyleShowsItsStates)
{
    ui::TBitmap gallery;
    RenderLbButtonGallery(gallery);
    for (int style = controls::bsNormal; style <= controls::bsQuicken; ++style) {
        EXPECT_FALSE(SameCells(gallery, style, gsNormal, gsPressed)) << "style " << style;
        EXPECT_FALSE(SameCells(gallery, style, gsNormal, gsDisabled)) << "style " << style;
        if (style != controls::bsShape) {  // the shape style draws neither highlight nor focus
            EXPECT_FALSE(SameCells(gallery, style, gsNormal, gsHover)) << "style " << style;
            EXPECT_FALSE(SameCells(gallery, style, gsNormal, gsFocused)) << "style " << style;
        }
    }
}

TEST(LbButtonGallery, IsSavedAsPng)
{
    const std::string file = std::string(CFG_BIN_DIR) + "/lbbutton_gallery.png";
    std::filesystem::remove(file);
    ASSERT_TRUE(SaveLbButtonGallery(file));
    ui::TBitmap back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.Width(), kGalleryCellW * gsStateCount);
    EXPECT_EQ(back.Height(), kGalleryCellH * (controls::bsQuicken + 1));
}
