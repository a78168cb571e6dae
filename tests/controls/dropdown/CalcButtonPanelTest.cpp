// The calculator keypad: its keys, their layout, hot and pressed keys, clicks and drawing.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxCalcButtonPanel.h"
#include "controls/dropdown/GxDropDownDraw.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

using namespace dropdown;
using namespace dropdown_test;
using ui::TRect;

namespace {

// A stand-alone keypad with a 230 x 150 client area.
class CalcPanelTest : public ::testing::Test {
protected:
    CalcPanelTest()
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        panel = new TCustomButtonPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 230, 150);
        panel->InitButtons();
        panel->OnButtonClick = [this](ui::TObject* s, int i) {
            EXPECT_EQ(s, panel);
            clicks.push_back(i);
        };
        form->Show();
    }
    ~CalcPanelTest() override { form->Hide(); }

    ui::TPoint CentreOf(int i) const
    {
        const TRect r = panel->GetButtonRect(i);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    std::unique_ptr<ui::TForm> form;
    TCustomButtonPanel* panel;
    std::vector<int> clicks;
};

}  // namespace

TEST(CalcButtons, AppearanceDefaultsAndDerivedColours)
{
    TButtonAppearance a;
    EXPECT_EQ(a.Color(), 10129759u);
    EXPECT_EQ(a.BorderColorChecked(), 16711680u);
    EXPECT_EQ(a.ColorDisabled(), DarkenColor(0xFFFFFF, -5, -5, -5));
    EXPECT_EQ(a.ColorDisabled(), 0xF2F2F2u);  // 255 x 0.95 = 242.25
    EXPECT_EQ(a.ColorChecked(), DarkenColor(16117985, -10, -10, 0));
    EXPECT_EQ(a.SpecialTextColor(), 128u);
    EXPECT_EQ(a.Font()->Size(), 10);
    EXPECT_EQ(a.Font()->Style(), ui::fsBold);
    int changes = 0;
    a.OnChange = [&](ui::TObject*) { ++changes; };
    a.SetShineColor(1);
    a.SetTextColor(5);
    a.SetTextColor(5);
    EXPECT_EQ(changes, 1) << "the shine colour only stores; an unchanged value fires nothing";
}

TEST_F(CalcPanelTest, CalculatorKeysInCollectionOrder)
{
    TButtonItems& b = *panel->Buttons();
    ASSERT_EQ(b.Count(), 28);
    EXPECT_EQ(b.GetItem(0)->Name(), "BTN_ON");
    EXPECT_EQ(b.GetItem(0)->Tag(), 30);
    EXPECT_EQ(b.GetItem(3)->Caption(), "C");
    EXPECT_EQ(b.GetItem(3)->Tag(), 16);
    EXPECT_TRUE(b.GetItem(3)->Special());
    EXPECT_EQ(b.GetItem(3)->CaptionColor(), 128u);
    EXPECT_EQ(b.GetItem(8)->Caption(), "0");
    EXPECT_FALSE(b.GetItem(8)->Special());
    EXPECT_EQ(b.GetItem(8)->CaptionColor(), 16777215u);
    EXPECT_EQ(b.GetItem(27)->Name(), "BTN_sqrt");
    EXPECT_EQ(b.GetItem(27)->Tag(), 37);
    panel->InitButtons();
    EXPECT_EQ(b.Count(), 28) << "a second call adds nothing";
}

TEST_F(CalcPanelTest, KeysLieOnTheGridOfTheClientArea)
{
    // W = (214 - 8) div 6 = 34, H = (134 - 4) div 5 = 26.
    EXPECT_EQ(panel->GetButtonRect(0), ui::Bounds(8, 8, 34, 26));
    EXPECT_EQ(panel->GetButtonRect(1), ui::Bounds(46, 8, 54, 26)) << "Back";
    EXPECT_EQ(panel->GetButtonRect(2), ui::Bounds(104, 8, 54, 26)) << "CE";
    EXPECT_EQ(panel->GetButtonRect(3), TRect(162, 8, 217, 34)) << "C takes what is left";
    const int rows[] = {38, 63, 88, 113};
    const int cols[] = {8, 46, 79, 112, 150, 183};
    const int grid[4][6] = {
        {4, 11, 12, 19, 20, 27}, {5, 10, 13, 18, 21, 26}, {6, 9, 14, 17, 22, 25}, {7, 8, 15, 16, 23, 24}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(panel->GetButtonRect(grid[r][c]), ui::Bounds(cols[c], rows[r], 34, 26)) << r << "," << c;
    EXPECT_EQ(panel->GetButtonRect(28), TRect(-1, -1, -1, -1));

    panel->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(panel->GetButtonRect(0).Width(), (284 - 8) / 6) << "the layout follows the size";
}

TEST_F(CalcPanelTest, SharedBorderBelongsToTheEarlierKey)
{
    // Keys 7 (index 11) and 8 (index 12) share the column x = 79; 7 comes first.
    EXPECT_EQ(panel->ButtonAtPos(79, 50), 11);
    EXPECT_EQ(panel->ButtonAtPos(80, 50), 12);
    EXPECT_EQ(panel->ButtonAtPos(3, 3), -1);
}

TEST_F(CalcPanelTest, PressAndReleaseOnTheSameKeyClicks)
{
    const ui::TPoint seven = CentreOf(11), eight = CentreOf(12);
    ui::SendMouseDown(panel, ui::TMouseButton::mbLeft, seven.X, seven.Y);
    EXPECT_EQ(panel->ButtonDown(), 11);
    ui::SendMouseUp(panel, ui::TMouseButton::mbLeft, seven.X, seven.Y);
    EXPECT_EQ(panel->ButtonDown(), -1);
    ui::SendMouseDown(panel, ui::TMouseButton::mbLeft, seven.X, seven.Y);
    ui::SendMouseUp(panel, ui::TMouseButton::mbLeft, eight.X, eight.Y);
    EXPECT_EQ(clicks, std::vector<int>{11}) << "released elsewhere: no click";
}

TEST_F(CalcPanelTest, HotKeyFollowsThePointerButNotOnDisabledKeys)
{
    const ui::TPoint seven = CentreOf(11), eight = CentreOf(12);
    ui::SendMouseMove(panel, seven.X, seven.Y);
    EXPECT_EQ(panel->ButtonHot(), 11);
    panel->Buttons()->GetItem(12)->SetEnabled(false);
    ui::SendMouseMove(panel, eight.X, eight.Y);
    EXPECT_EQ(panel->ButtonHot(), -1);
    ui::SendMouseDown(panel, ui::TMouseButton::mbLeft, eight.X, eight.Y);
    EXPECT_EQ(panel->ButtonDown(), -1);
    ui::SendMouseMove(panel, seven.X, seven.Y);
    panel->Perform(ui::CM_MOUSELEAVE);
    EXPECT_EQ(panel->ButtonHot(), -1);
}

TEST_F(CalcPanelTest, CustomPanelsLeaveKeysUnplaced)
{
    TCustomButtonPanel custom(nullptr);
    custom.SetButtonPanelType(TButtonPanelType::plCustom);
    custom.SetBounds(0, 0, 230, 150);
    custom.InitButtons();
    EXPECT_EQ(custom.Buttons()->Count(), 0) << "no calculator keys for a custom panel";
    custom.Buttons()->Add()->SetCaption("X");
    custom.ArrangeButtons();
    EXPECT_EQ(custom.GetButtonRect(0), TRect(0, 0, 0, 0));
    EXPECT_EQ(custom.ButtonAtPos(0, 0), -1);
}

TEST_F(CalcPanelTest, EmptyStandAlonePanelShowsOnlyItsFrame)
{
    TCustomButtonPanel empty(nullptr);
    empty.SetBounds(0, 0, 60, 40);
    empty.SetColor(ui::clWhite);
    ui::TBitmap bmp;
    Paint(empty, bmp);
    EXPECT_EQ(bmp.Pixel(0, 0), 0u);
    EXPECT_EQ(bmp.Pixel(59, 39), 0u);
    EXPECT_EQ(CountInk(bmp, {1, 1, 59, 39}, ui::clWhite), 0);
    empty.SetGxDropDown(&empty);
    Paint(empty, bmp);
    EXPECT_EQ(bmp.Pixel(0, 0), ui::clWhite) << "hosted in a drop-down: no frame";
}

TEST_F(CalcPanelTest, SpecialKeysUseTheSpecialTextColour)
{
    ui::TFont f;
    UseTestFont(f);
    f.SetStyle(ui::fsBold);
    f.SetHeight(-16);
    panel->ButtonAppearance()->SetFont(f);
    panel->ButtonAppearance()->SetSpecialTextColor(0x0000FF);
    panel->ButtonAppearance()->SetTextColor(0x00FF00);
    ui::TBitmap bmp;
    Paint(*panel, bmp);
    EXPECT_GT(CountColor(bmp, panel->GetButtonRect(20), 0x0000FF), 0) << "/ is special";
    EXPECT_EQ(CountColor(bmp, panel->GetButtonRect(20), 0x00FF00), 0);
    EXPECT_GT(CountColor(bmp, panel->GetButtonRect(11), 0x00FF00), 0) << "7 is not";
}
