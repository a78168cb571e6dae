// The colour cube, the spectrum and the discrete palette: cells, hit tests, selection and keys.
#include <gtest/gtest.h>

#include <memory>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxColorPalette.h"
#include "controls/dropdown/GxColorPanels.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

using namespace dropdown;
using namespace dropdown_test;
using ui::TRect;

TEST(ColorCube, CellsOfTheHoneycomb)
{
    TGxColorCubePanel cube(nullptr);
    EXPECT_EQ(cube.CellCenter(1), ui::TPoint(55, 20));
    EXPECT_EQ(cube.CellColor(1), 0x663300u);
    EXPECT_EQ(cube.CellCenter(64), ui::TPoint(91, 80)) << "the centre of row 7";
    EXPECT_EQ(cube.CellColor(64), 0xFFFFFFu);
    EXPECT_EQ(cube.CellCenter(71), ui::TPoint(25, 90)) << "first of row 8";
    EXPECT_EQ(cube.CellCenter(127), ui::TPoint(127, 140));
    EXPECT_EQ(cube.CellColor(127), 0x2100A5u);
    EXPECT_EQ(cube.CellColor(0), ui::clNone);
    EXPECT_EQ(cube.SelectedColor(), ui::clNone);
    cube.ResetHot();
    EXPECT_EQ(cube.Width(), 182);
    EXPECT_EQ(cube.Height(), 160);
}

TEST(ColorCube, HitTestPrefersTheLowerIndex)
{
    TGxColorCubePanel cube(nullptr);
    EXPECT_EQ(cube.CellAtPoint(55, 20), 1);
    EXPECT_EQ(cube.CellAtPoint(61, 20), 1) << "6 pixels away still counts";
    EXPECT_EQ(cube.CellAtPoint(52, 25), 1) << "between rows, near two centres: the lower index";
    EXPECT_EQ(cube.CellAtPoint(0, 0), -1);
}

TEST(ColorCube, SelectedColourFindsItsCell)
{
    TGxColorCubePanel cube(nullptr);
    cube.SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(cube.SelectedCell(), 64);
    cube.SetSelectedColor(0x123456);
    EXPECT_EQ(cube.SelectedCell(), -1);
    EXPECT_EQ(cube.SelectedColor(), 0x123456u);
    cube.SetBounds(0, 0, 182, 160);
    cube.SetColor(0x808080);
    ui::TBitmap bmp;
    Paint(cube, bmp);
    EXPECT_EQ(CountColor(bmp, {0, 0, 182, 160}, 0x000000), 0) << "no selection frame";
}

TEST(ColorCube, PointerMakesHotPressSelects)
{
    ui::TForm form(nullptr);
    auto* cube = new TGxColorCubePanel(&form);
    cube->SetParent(&form);
    cube->ResetHot();
    int selects = 0;
    cube->OnSelect = [&](ui::TObject*) { ++selects; };
    ui::SendMouseMove(cube, 55, 20);
    EXPECT_EQ(cube->HotCell(), 1);
    EXPECT_EQ(cube->Hint(), "Red: 0,  Green: 51,  Blue: 102");
    ui::SendMouseMove(cube, 1, 1);
    EXPECT_EQ(cube->HotCell(), 1) << "off the cells the hot cell stays";
    EXPECT_EQ(cube->Hint(), "");
    ui::SendMouseDown(cube, ui::TMouseButton::mbLeft, 91, 80);
    EXPECT_EQ(cube->SelectedCell(), 64);
    EXPECT_EQ(cube->SelectedColor(), 0xFFFFFFu);
    EXPECT_EQ(selects, 1);
    ui::SendMouseDown(cube, ui::TMouseButton::mbLeft, 1, 1);
    EXPECT_EQ(selects, 1) << "outside every cell nothing happens";
    cube->SetShowRGBHint(false);
    ui::SendMouseMove(cube, 55, 20);
    EXPECT_FALSE(cube->ShowHint());
}

TEST(ColorSpectrum, ArrangedImageAndSwatches)
{
    TGxColorSpectrumPanel s(nullptr);
    EXPECT_EQ(s.Width(), 150);
    EXPECT_EQ(s.Height(), 174);
    EXPECT_EQ(s.Image()->BoundsRect(), ui::Bounds(11, 10, 128, 128));
    EXPECT_EQ(s.SelectedSwatch(), TRect(10, 146, 73, 166));
    EXPECT_EQ(s.HotSwatch(), TRect(77, 146, 140, 166));
    EXPECT_EQ(s.SelectedColor(), 0xFFFFFFu);
    EXPECT_EQ(s.HotColor(), ui::clNone);
    EXPECT_TRUE(ui::GetScreen()->HasCursor(TGxColorSpectrumPanel::EyedropperCursor));
}

TEST(ColorSpectrum, HueAcrossLightnessDown)
{
    ui::TBitmap b;
    MakeSpectrumBitmap(b);
    EXPECT_EQ(b.Pixel(0, 0), 0xFFFFFFu) << "white at the top";
    EXPECT_EQ(b.Pixel(0, 64), 0x0000FFu) << "red at the left, full at the middle row";
    EXPECT_EQ(b.Pixel(64, 127), 0x000000u) << "black at the bottom";
    EXPECT_EQ(b.Pixel(43, 64) & 0x00FF00, 0x00FF00u) << "green a third across";
}

TEST(ColorSpectrum, PressPicksTheColourUnderThePointer)
{
    ui::TForm form(nullptr);
    auto* s = new TGxColorSpectrumPanel(&form);
    s->SetParent(&form);
    int selects = 0;
    s->OnSelect = [&](ui::TObject*) { ++selects; };
    // A press without a move over the image before: the colour under the pointer all the same.
    ui::SendMouseDown(s->Image(), ui::TMouseButton::mbLeft, 0, 64);
    EXPECT_EQ(s->SelectedColor(), 0x0000FFu);
    EXPECT_EQ(selects, 1);
    ui::SendMouseMove(s->Image(), 0, 0);
    EXPECT_EQ(s->HotColor(), 0xFFFFFFu);
    ui::TBitmap bmp;
    Paint(*s, bmp);
    EXPECT_EQ(bmp.Pixel(40, 156), 0x0000FFu) << "the selected swatch shows the pick";
    EXPECT_EQ(bmp.Pixel(100, 156), 0xFFFFFFu) << "the hot swatch the colour under the pointer";
    s->Arrange();
    EXPECT_EQ(s->HotColor(), ui::clNone);
}

namespace {

class PaletteTest : public ::testing::Test {
protected:
    PaletteTest()
    {
        palette.AddDefaultBoxes();
        palette.OnItemSelect = [this](ui::TObject*) { ++selects; };
    }
    TCustomColorSelector palette{nullptr};
    int selects = 0;
};

}  // namespace

TEST_F(PaletteTest, DefaultLayout)
{
    ASSERT_EQ(palette.Items()->Count(), 60);
    EXPECT_EQ(palette.Width(), 165);
    EXPECT_EQ(palette.Height(), 84);
    EXPECT_EQ(palette.Items()->GetItem(0)->BoxRect(), ui::Bounds(4, 4, 12, 12));
    EXPECT_EQ(palette.Items()->GetItem(10)->BoxRect().Top, 20) << "a gap after the standalone row";
    const int rows[] = {20, 32, 44, 56, 68};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(palette.Items()->GetItem(10 + 10 * r + 9)->BoxRect(), ui::Bounds(148, rows[r], 12, 12));
    TCustomColorSelector empty(nullptr);
    empty.UpdateLayout();
    EXPECT_EQ(empty.Width(), 100);
    EXPECT_EQ(empty.Height(), 50);
}

TEST_F(PaletteTest, SelectedColourSelectsTheFirstBoxOfIt)
{
    palette.SetSelectedColor(0x7D491F);
    EXPECT_EQ(palette.ItemIndex(), 3);
    EXPECT_EQ(selects, 1);
    palette.SetSelectedColor(0x7F7F7F);
    EXPECT_EQ(palette.ItemIndex(), 11) << "not box 50: the first match wins";
    palette.SetSelectedColor(0x123456);
    EXPECT_EQ(palette.ItemIndex(), -1);
    EXPECT_EQ(selects, 2) << "no event for a colour without a box";
    palette.SetItemIndex(60);
    EXPECT_EQ(palette.ItemIndex(), -1) << "an index past the boxes is ignored";
    palette.SetItemIndex(5);
    palette.SetItemIndex(5);
    EXPECT_EQ(selects, 4) << "selecting the selected box reports again";
}

namespace {

struct KeyCase {
    const char* Name;
    int From;
    unsigned Key;
    bool EditorEnabled;
    bool Dropped;
    int Expected;
};

class PaletteKeys : public PaletteTest, public ::testing::WithParamInterface<KeyCase> {};

}  // namespace

TEST_P(PaletteKeys, MoveTheSelection)
{
    const KeyCase& c = GetParam();
    palette.SetItemIndex(c.From);
    palette.HandleKey(c.Key, c.EditorEnabled, c.Dropped);
    EXPECT_EQ(palette.ItemIndex(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Palette, PaletteKeys,
                         ::testing::Values(KeyCase{"DownInOpenListMovesARow", 5, ui::VK_DOWN, false, true, 15},
                                           KeyCase{"DownOnLastRowStays", 55, ui::VK_DOWN, false, true, 55},
                                           KeyCase{"DownFromNothing", -1, ui::VK_DOWN, false, true, 0},
                                           KeyCase{"DownClosedIsNext", 5, ui::VK_DOWN, false, false, 6},
                                           KeyCase{"UpInOpenList", 15, ui::VK_UP, false, true, 5},
                                           KeyCase{"PageUpFirst", 15, ui::VK_PRIOR, false, false, 0},
                                           KeyCase{"EndLast", 15, ui::VK_END, false, false, 59},
                                           KeyCase{"LeftWhenTypingIsOff", 15, ui::VK_LEFT, false, false, 14},
                                           KeyCase{"LeftIsTheCaretsWhenTyping", 15, ui::VK_LEFT, true, false, 15},
                                           KeyCase{"RightInOpenListAlways", 15, ui::VK_RIGHT, true, true, 16},
                                           KeyCase{"PreviousFromNothing", -1, ui::VK_LEFT, false, false, -1},
                                           KeyCase{"OtherKeys", 15, ui::VK_RETURN, false, true, 15}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(PaletteTest, PointerHotAndPressAndFrames)
{
    ui::TForm form(nullptr);
    auto* p = new TCustomColorSelector(&form);
    p->SetParent(&form);
    p->AddDefaultBoxes();
    ui::SendMouseMove(p, 6, 6);
    EXPECT_EQ(p->HotIndex(), 0);
    ui::SendMouseMove(p, 2, 2);
    EXPECT_EQ(p->HotIndex(), -1);
    ui::SendMouseDown(p, ui::TMouseButton::mbLeft, 22, 6);
    EXPECT_EQ(p->ItemIndex(), 1);
    ui::SendMouseMove(p, 38, 6);
    ui::TBitmap bmp;
    form.SetColor(0xFFFFFF);
    Paint(*p, bmp);
    EXPECT_EQ(bmp.Pixel(20, 4), 0x0000FFu) << "selected: outer frame";
    EXPECT_EQ(bmp.Pixel(21, 5), 0x94E2FFu) << "selected: inner frame";
    EXPECT_EQ(bmp.Pixel(36, 4), 0x3694F2u) << "hot: outer frame";
    EXPECT_EQ(bmp.Pixel(4, 10), 0xC5C5C5u) << "plain: the light frame on the box's left edge";
    p->Perform(ui::CM_MOUSELEAVE);
    EXPECT_EQ(p->HotIndex(), -1);
}
