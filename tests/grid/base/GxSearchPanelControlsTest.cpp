// The search panel's speed button and check box: down states, groups, the drop-down part, colour
// schemes, read-only boxes and the caption at creation.
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/GxCheckBox.h"
#include "grid/base/GxGridButton.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"

namespace gx {
namespace {

// Buttons and a check box on a form, clicked through the form's mouse routing.
class SearchPanelControls : public ::testing::Test {
protected:
    SearchPanelControls()
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 100);
    }
    TGxGridButton* button(int left)
    {
        auto* b = new TGxGridButton(form.get());
        b->SetParent(form.get());
        b->SetBounds(left, 10, 40, 22);
        b->OnClick = [this](ui::TObject*) { ++clicks; };
        return b;
    }
    void click(int x, int y)
    {
        ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, x, y, ui::MK_LBUTTON);
        ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, x, y);
    }

    std::unique_ptr<ui::TForm> form;
    int clicks = 0;
};

TEST_F(SearchPanelControls, APlainButtonIsNeverDownACheckButtonToggles)
{
    TGxGridButton* plain = button(0);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());

    TGxGridButton* check = button(50);
    check->SetStyle(TGxButtonStyle::tasCheck);
    click(60, 15);
    EXPECT_TRUE(check->Down());
    click(60, 15);
    EXPECT_FALSE(check->Down());
    EXPECT_EQ(clicks, 2);
    // A press dragged off the button and released outside neither toggles nor clicks.
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 60, 15, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_MOUSEMOVE, 200, 80, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 200, 80);
    EXPECT_FALSE(check->Down());
    EXPECT_EQ(clicks, 2);
}

TEST_F(SearchPanelControls, GroupedButtonsAreExclusive)
{
    TGxGridButton* first = button(0);
    TGxGridButton* second = button(50);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    first->SetDown(true);
    click(60, 15);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_EQ(first->State(), TGxButtonState::bsUp);
    // Without AllowAllUp the down button of a group stays down.
    second->SetDown(false);
    EXPECT_TRUE(second->Down());
    click(60, 15);
    EXPECT_TRUE(second->Down());
    second->AllowAllUp = true;
    second->SetDown(false);
    EXPECT_FALSE(second->Down());
}

TEST_F(SearchPanelControls, TheDropDownPartDoesNotClick)
{
    TGxGridButton* b = button(0);
    b->DropDownButton = true;
    int dropDowns = 0;
    b->OnDropDown = [&](ui::TObject*) { ++dropDowns; };
    click(35, 15);  // within the 12 pixels at the right
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(clicks, 0);
    click(10, 15);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SearchPanelControls, LooksSetTheColourSchemes)
{
    TGxGridButton* b = button(0);
    b->BorderColor = 0x123456;
    b->Flat = false;
    b->SetLook(3);
    EXPECT_EQ(b->Color(), 0xCFF0EAu);
    EXPECT_EQ(b->ColorTo, 0x8CC0B1u);
    EXPECT_EQ(b->ColorCheckedTo, 0x55AEFFu);  // 5615103
    EXPECT_EQ(b->BorderColor, ui::clNone);
    EXPECT_TRUE(b->Flat);
    b->SetLook(9);
    EXPECT_EQ(b->Color(), 0xCFF0EAu);
    EXPECT_EQ(b->Look(), 3);
    b->SetLook(0);
    EXPECT_TRUE(b->Rounded);
}

TEST_F(SearchPanelControls, GlyphGetsAGreyDisabledCopy)
{
    TGxGridButton* b = button(0);
    ui::TBitmap glyph(2, 1);
    glyph.SetPixel(0, 0, ui::RGB(200, 100, 0));
    glyph.SetPixel(1, 0, ui::RGB(0, 0, 0));
    b->SetGlyph(glyph);
    EXPECT_EQ(ui::ColorToRGB(b->GlyphDisabled.Pixel(0, 0)), ui::RGB(146, 146, 146));  // 100 / 2 + 96
    EXPECT_EQ(ui::ColorToRGB(b->GlyphDisabled.Pixel(1, 0)), ui::RGB(96, 96, 96));
}

TEST_F(SearchPanelControls, CheckBoxClicksAlsoWhenReadOnly)
{
    auto* box = new TGxCheckBox(form.get());
    EXPECT_EQ(box->Caption(), "TGxCheckBox");
    EXPECT_EQ(box->Width(), 98);
    box->SetParent(form.get());
    box->SetBounds(100, 50, 98, 20);
    box->OnClick = [this](ui::TObject*) { ++clicks; };
    click(105, 55);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    ui::SendKeyStroke(box, ui::VK_SPACE, 0, ' ');
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);

    box->ReadOnly = true;
    click(105, 55);
    ui::SendKeyStroke(box, ui::VK_SPACE, 0, ' ');
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 4);
    box->SetState(TCheckBoxState::cbGrayed);
    EXPECT_FALSE(box->Checked());
}

}  // namespace
}  // namespace gx
