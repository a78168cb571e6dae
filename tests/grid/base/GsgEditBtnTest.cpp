#include "grid/base/GsgEditBtn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {

using gx::TGsgEditBtn;
using gx::TGsgUnitEditBtn;

// An edit with button (or unit edit) and a second edit on a shown form.
template <class Edit>
class EditWithButton : public ::testing::Test {
protected:
    EditWithButton()
    {
        form.SetBounds(0, 0, 300, 120);
        edit = new Edit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 140, 24);
        edit->OnClickBtn = [this](ui::TObject* sender) {
            EXPECT_EQ(sender, edit);
            ++clicks;
        };
        other = new ui::TEdit(&form);
        other->SetParent(&form);
        other->SetBounds(10, 50, 120, 24);
        form.Show();
    }
    ui::TSpeedButton* button() { return edit->Button()->Button(); }

    ui::TForm form{nullptr};
    Edit* edit = nullptr;
    ui::TEdit* other = nullptr;
    int clicks = 0;
};

using EditBtn = EditWithButton<TGsgEditBtn>;
using UnitEditBtn = EditWithButton<TGsgUnitEditBtn>;

TEST_F(EditBtn, StartsWithZeroAndAnEighteenPixelButton)
{
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(edit->ButtonWidth(), 0);
    EXPECT_EQ(edit->Button()->Width(), 18);
    EXPECT_FALSE(edit->RightAlign());
    EXPECT_TRUE(edit->EditorEnabled);
    // Single border: the button at width − 18 − 5, height − 5 high; the text stays clear of it.
    EXPECT_EQ(edit->Button()->Left(), edit->Width() - 18 - 5);
    EXPECT_EQ(edit->Button()->Height(), edit->Height() - 5);
    EXPECT_EQ(button()->Width(), 18);
    EXPECT_EQ(edit->EditRect(), ui::TRect(1, 1, edit->ClientWidth() - (18 + 5), edit->ClientHeight() + 1));
    edit->SetButtonWidth(30);
    EXPECT_EQ(edit->ButtonWidth(), 30);
    EXPECT_EQ(edit->Button()->Left(), edit->Width() - 30 - 5);
}

TEST_F(EditBtn, F4ClicksTheButtonUnlessCtrlOrAltIsHeld)
{
    struct {
        ui::TShiftState shift;
        bool editorEnabled;
        int clicks;
    } cases[] = {
        {0, true, 1}, {0, false, 1}, {ui::ssCtrl, true, 0}, {ui::ssAlt, true, 0}, {ui::ssShift, true, 1},
    };
    edit->SetFocus();
    for (const auto& k : cases) {
        clicks = 0;
        edit->EditorEnabled = k.editorEnabled;
        ui::SendKeyStroke(edit, ui::VK_F4, k.shift);
        EXPECT_EQ(clicks, k.clicks) << k.shift << " " << k.editorEnabled;
    }
}

TEST_F(EditBtn, TheLeftReleaseOfTheButtonClicksAndFocusesTheEdit)
{
    other->SetFocus();
    ui::SendClick(button(), 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());
    // Released after the pointer left the button: still a click.
    ui::SendMouseDown(button(), ui::TMouseButton::mbLeft, 5, 5);
    ui::SendMouseMove(button(), 80, 40, ui::ssLeft);
    ui::SendMouseUp(button(), ui::TMouseButton::mbLeft, 80, 40);
    EXPECT_EQ(clicks, 2);
    // The right button fires nothing.
    ui::SendMouseDown(button(), ui::TMouseButton::mbRight, 5, 5);
    ui::SendMouseUp(button(), ui::TMouseButton::mbRight, 5, 5);
    EXPECT_EQ(clicks, 2);
}

TEST_F(EditBtn, WithTheEditorDisabledTypingCutAndPasteAreIgnored)
{
    edit->SetFocus();
    edit->SetText("abc");
    edit->SelectAll();
    ui::Clipboard()->SetAsText("pasted");
    edit->EditorEnabled = false;
    int keyPresses = 0;
    edit->OnKeyPress = [&](ui::TObject*, char32_t&) { ++keyPresses; };
    ui::SendText(edit, "xy");
    ui::SendKeyStroke(edit, 'V', ui::ssCtrl, 22);
    edit->Perform(ui::WM_PASTE);
    edit->Perform(ui::WM_CUT);
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(keyPresses, 0);
    ui::SendClick(button(), 5, 5);
    EXPECT_EQ(clicks, 1);

    edit->EditorEnabled = true;
    edit->SelectAll();
    ui::SendText(edit, "xy");
    EXPECT_EQ(edit->Text(), "xy");
    edit->SetReadOnly(true);
    edit->Perform(ui::WM_PASTE);
    EXPECT_EQ(edit->Text(), "xy");
}

TEST_F(UnitEditBtn, StartsRightAlignedWithRoomForTheUnit)
{
    EXPECT_TRUE(edit->RightAlign());
    EXPECT_EQ(edit->UnitSpace(), 20);
    EXPECT_EQ(edit->EditRect().Right, edit->ClientWidth() - (18 + 20 + 5) - 3);
    const ui::TRect unit = edit->UnitRect();
    EXPECT_EQ(unit.Right, edit->ClientWidth() - (18 + 3));
    EXPECT_EQ(unit.Width(), 20);
    edit->SetUnitSpace(0);
    EXPECT_EQ(edit->EditRect().Right, edit->ClientWidth() - (18 + 5));
}

TEST_F(UnitEditBtn, TextAndUnitSplitsOffTheFirstUnitThatEndsTheValue)
{
    for (const char* u : {"m", "mm", "kg"})
        edit->Units()->Add(u);
    struct {
        const char* value;
        const char* text;
        const char* unit;
    } cases[] = {
        // "m" first occurs at position 6, not at the end (7): "mm" is taken.
        {"12.5 mm", "12.5 ", "mm"}, {"3m", "3", "m"},
        {"7 kg", "7 ", "kg"},       {"7 lb", "7 ", "kg"},  // no listed unit ends it: nothing changes
        {"mm", "", "mm"},
    };
    for (const auto& k : cases) {
        edit->SetTextAndUnit(k.value);
        EXPECT_EQ(edit->Text(), k.text) << k.value;
        EXPECT_EQ(edit->UnitID(), k.unit) << k.value;
    }
    EXPECT_EQ(edit->TextAndUnit(), "mm");
}

TEST_F(UnitEditBtn, TheButtonOffersTheUnitsAndAChoiceChangesTheUnit)
{
    rtl::TStringList units;
    for (const char* u : {"s", "ms", "min"})
        units.Add(u);
    edit->SetUnits(&units);
    edit->SetUnits(nullptr);  // ignored
    ASSERT_EQ(edit->Units()->Count(), 3);
    std::vector<std::string> changes;
    edit->OnUnitChanged = [&](ui::TObject*, const std::string& unit) { changes.push_back(unit); };

    edit->SetFocus();
    ui::SendKeyStroke(edit, ui::VK_F4);
    EXPECT_EQ(clicks, 1);
    ui::TPopupMenu* menu = edit->UnitMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 3);
    EXPECT_EQ(menu->Items()->Items(0)->Caption, "s");
    EXPECT_EQ(menu->Items()->Items(2)->Caption, "min");
    ui::SendClick(button(), 5, 5);
    EXPECT_EQ(menu->Items()->Count(), 3);  // built anew, not added to

    // Choosing an item sends its position as the command.
    menu->Items()->Items(1)->Click();
    EXPECT_EQ(edit->UnitID(), "ms");
    edit->Perform(ui::WM_COMMAND, ui::MakeWParam(3, 0));
    edit->Perform(ui::WM_COMMAND, ui::MakeWParam(3, 0));    // the same unit again: no event
    edit->Perform(ui::WM_COMMAND, ui::MakeWParam(4, 0));    // no such unit
    edit->Perform(ui::WM_COMMAND, ui::MakeWParam(1, 768));  // not a menu choice
    EXPECT_EQ(edit->UnitID(), "min");
    EXPECT_EQ(changes, (std::vector<std::string>{"ms", "min"}));
}

}  // namespace
