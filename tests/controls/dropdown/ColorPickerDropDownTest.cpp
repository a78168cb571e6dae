// The colour picker drop-down: the colour and the item index, the colour's text forms, the four
// choosers, keys, type-ahead, cancel, and the colour box in the edit.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxColorPalette.h"
#include "controls/dropdown/GxColorPanels.h"
#include "controls/dropdown/GxColorPickerDropDown.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxItemSelector.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/Render.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

class ColorPicker : public DropDownFixture<TGxColorPickerDropDown> {
protected:
    ColorPicker()
    {
        edit->AddDefaultColors();
        edit->OnSelect = [this](ui::TObject*) { log.push_back("select " + std::to_string(edit->ItemIndex())); };
    }
    ~ColorPicker() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }

    void WaitMs(int ms)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        ui::Application->ProcessMessages();
    }

    std::vector<std::string> log;
};

}  // namespace

TEST_F(ColorPicker, AColourOfTheListSelectsItsItemAndShowsItsName)
{
    edit->SetColorValueText(TColorValueText::cvtHTML);
    edit->SetSelectedColor(0x0000FF);
    EXPECT_EQ(edit->ItemIndex(), 9);
    EXPECT_EQ(log, (std::vector<std::string>{"select 9"}));
    EXPECT_EQ(edit->SelectedColorText(), "Red");

    edit->SetSelectedColor(0x123456);
    EXPECT_EQ(edit->ItemIndex(), -1) << "no item keeps its index for a colour it does not have";
    EXPECT_EQ(edit->SelectedColorText(), "#563412");
}

TEST_F(ColorPicker, ItemIndexOutsideTheListIsIgnoredAndMinusOneKeepsTheColour)
{
    edit->SetItemIndex(2);
    EXPECT_EQ(edit->SelectedColor(), 0x008000u);
    log.clear();
    edit->SetItemIndex(edit->Colors()->Count());
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_TRUE(log.empty());
    edit->SetItemIndex(-1);
    EXPECT_EQ(edit->SelectedColor(), 0x008000u);
    EXPECT_EQ(log, (std::vector<std::string>{"select -1"}));
    edit->AddDefaultColors();
    EXPECT_EQ(edit->Colors()->Count(), 32);
}

TEST(ColorText, EveryFormOfAColour)
{
    struct Case {
        ui::TColor color;
        TColorValueText kind;
        const char* text;
    };
    const Case cases[] = {
        {0x123456, TColorValueText::cvtNone, ""},
        {0x123456, TColorValueText::cvtHex, "123456"},
        {0x0000FF, TColorValueText::cvtHex, "0000FF"},
        {0x123456, TColorValueText::cvtHTML, "#563412"},
        {0x123456, TColorValueText::cvtRGB, "Red:86,Green:52,Blue:18"},
        {0x0000FF, TColorValueText::cvtRGB, "Red:255,Green:0,Blue:0"},
        {0x123456, TColorValueText::cvtWebName, "#563412"},
        {0x0000FF, TColorValueText::cvtWebName, "clWebRed"},
        {0xFFFF00, TColorValueText::cvtWebName, "clWebCyan"},
        {ui::clBtnFace, TColorValueText::cvtHex, "FF00000F"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorValueText(c.color, c.kind), c.text) << std::hex << c.color;
    const ui::TColor face = ui::ColorToRGB(ui::clBtnFace);
    EXPECT_EQ(ColorValueText(ui::clBtnFace, TColorValueText::cvtHTML), ColorValueText(face, TColorValueText::cvtHTML))
        << "system colours are resolved";
}

TEST_F(ColorPicker, EachStyleHostsItsChooserAndAPressChoosesAndCloses)
{
    edit->SetColorValueText(TColorValueText::cvtHex);
    edit->SetSelectedColor(0x0000FF);

    edit->SetColorSelectionStyle(TColorSelectionStyle::csColorCube);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    ASSERT_NE(edit->Cube(), nullptr);
    EXPECT_EQ(edit->DropDownForm()->Width(), 182 + 2);
    EXPECT_EQ(edit->DropDownForm()->Height(), 160 + 2);
    const ui::TPoint c = edit->Cube()->CellCenter(40);
    ui::SendMouseDown(edit->Cube(), ui::TMouseButton::mbLeft, c.X, c.Y);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->SelectedColor(), edit->Cube()->CellColor(40));
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(edit->SelectedColorText(), ColorValueText(edit->Cube()->CellColor(40), TColorValueText::cvtHex));

    edit->SetColorSelectionStyle(TColorSelectionStyle::csDiscrete);
    edit->ShowDropDown();
    ASSERT_NE(edit->Palette(), nullptr);
    EXPECT_FALSE(edit->Cube()->Visible());
    const ui::TRect box = edit->Palette()->Items()->GetItem(5)->BoxRect();
    ui::SendMouseDown(edit->Palette(), ui::TMouseButton::mbLeft, box.Left + 2, box.Top + 2);
    ui::SendMouseUp(edit->Palette(), ui::TMouseButton::mbLeft, box.Left + 2, box.Top + 2);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->SelectedColor(), edit->Palette()->Items()->GetItem(5)->Color());
    EXPECT_EQ(edit->ItemIndex(), -1);

    edit->SetColorSelectionStyle(TColorSelectionStyle::csSpectrum);
    edit->ShowDropDown();
    ASSERT_NE(edit->Spectrum(), nullptr);
    ui::TControl* image = edit->Spectrum()->Image();
    ui::SendMouseDown(image, ui::TMouseButton::mbLeft, image->Width() / 3, image->Height() / 2);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->SelectedColor(), edit->Spectrum()->SelectedColor());
    EXPECT_NE(edit->SelectedColor(), edit->Palette()->Items()->GetItem(5)->Color());
}

TEST_F(ColorPicker, CancelBringsBackItemAndColour)
{
    edit->SetItemIndex(3);
    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 5);
    EXPECT_TRUE(edit->DroppedDown()) << "the arrows move without closing";
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->ItemIndex(), 3);
    EXPECT_EQ(edit->SelectedColor(), 0x008080u);

    edit->SetSelectedColor(0x123456);
    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(edit->SelectedColor(), 0x123456u) << "also the colour of no item comes back";

    edit->SetColorSelectionStyle(TColorSelectionStyle::csDiscrete);
    edit->ShowDropDown();
    Key(ui::VK_RIGHT);
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->SelectedColor(), 0x123456u);
    EXPECT_EQ(edit->Palette()->SelectedColor(), 0x123456u);
}

TEST_F(ColorPicker, KeysOfTheClosedEditMoveThroughTheColours)
{
    struct Case {
        unsigned key;
        int from, expected;
    };
    const Case cases[] = {
        {ui::VK_DOWN, -1, 0}, {ui::VK_DOWN, 15, 15}, {ui::VK_UP, 4, 3},
        {ui::VK_UP, 0, 0},    {ui::VK_END, 2, 15},   {ui::VK_HOME, 9, 0},
    };
    for (const Case& c : cases) {
        edit->SetItemIndex(c.from);
        Key(c.key);
        EXPECT_EQ(edit->ItemIndex(), c.expected) << "key " << c.key << " from " << c.from;
    }
    log.clear();
    Key(ui::VK_RETURN);
    EXPECT_EQ(log, (std::vector<std::string>{"select 0"}));
}

TEST_F(ColorPicker, TypedLettersFindAColourUntilHalfASecondAfterTheLastKey)
{
    Key('B');
    EXPECT_EQ(edit->ItemIndex(), 0) << "Black";
    Key('L');
    Key('U');
    EXPECT_EQ(edit->ItemIndex(), 12) << "Blue";
    EXPECT_EQ(edit->CurSearch(), "BLU");
    // Each key starts the half second again, unlike the image picker whose first key starts it.
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    WaitMs(300);
    Key('E');
    WaitMs(300);
    if (Clock::now() - start < std::chrono::milliseconds(450) + std::chrono::milliseconds(300)) {
        EXPECT_EQ(edit->CurSearch(), "BLUE");
    }
    for (int i = 0; i < 100 && !edit->CurSearch().empty(); ++i)
        WaitMs(10);
    EXPECT_EQ(edit->CurSearch(), "");
    Key('S');
    EXPECT_EQ(edit->ItemIndex(), 8) << "Silver";
}

TEST_F(ColorPicker, EditShowsTheColourBoxAndTextOrNothingWithoutAColour)
{
    other->SetFocus();
    ui::TBitmap empty;
    Paint(*edit, empty);
    const ui::TRect inside{2, 2, edit->Width() - edit->DropDownButtonWidth() - 2, edit->Height() - 2};
    EXPECT_EQ(CountInk(empty, inside, ui::ColorToRGB(edit->Color())), 0) << "no colour: no box, no text";

    edit->SetSelectedColor(0x0000FF);
    ui::TBitmap bmp;
    Paint(*edit, bmp);
    const ui::TRect box = ColorBounds(bmp, inside, 0x0000FF);
    EXPECT_EQ(box.Left, 1 + 4 + 1);
    EXPECT_EQ(box.Width(), 14 - 2);
    EXPECT_GT(CountInk(bmp, {box.Right + 4, 2, inside.Right, inside.Bottom}, ui::ColorToRGB(edit->Color())), 0)
        << "the name";
    edit->SetShowText(false);
    Paint(*edit, bmp);
    EXPECT_EQ(CountInk(bmp, {box.Right + 4, 2, inside.Right, inside.Bottom}, ui::ColorToRGB(edit->Color())), 0);
}

TEST_F(ColorPicker, OpenListPicture)
{
    edit->SetColumns(2);
    edit->SetSelectedColor(0x008000);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    EXPECT_FALSE(edit->ItemSelector()->ScrollBarVisible(ui::SB_HORZ)) << "the list fits inside the border";
    const std::string file = std::string(CFG_BIN_DIR) + "/dropdown_colorpicker.png";
    std::filesystem::remove(file);
    ASSERT_TRUE(ui::RenderToPng(*edit->DropDownForm(), file));
    edit->HideDropDown(true);
    edit->SetColorSelectionStyle(TColorSelectionStyle::csDiscrete);
    edit->ShowDropDown();
    const std::string palette = std::string(CFG_BIN_DIR) + "/dropdown_colorpalette.png";
    ASSERT_TRUE(ui::RenderToPng(*edit->DropDownForm(), palette));
}
