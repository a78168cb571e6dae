// The combo box drawn and driven by the framework: its drop-down list by mouse and keys, the edit
// part, and how focus shows. Driven through the input layer, as the Qt backend feeds it.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupList.h"
#include "platform/ui/Render.h"
#include "platform/ui/StdCtrls.h"
#include <string>
#include <vector>

using namespace ui;

namespace {

using Log = std::vector<std::string>;

struct ComboOnAForm : ::testing::Test {
    TForm form{nullptr};
    TComboBox* combo = new TComboBox(&form);
    TEdit* edit = new TEdit(&form);
    Log log;

    void SetUp() override
    {
        form.SetClientWidth(300);
        form.SetClientHeight(200);
        combo->SetParent(&form);
        combo->SetBounds(10, 20, 200, 21);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        for (const char* s : {"Firmware + Configuration", "Firmware", "Configuration"})
            combo->Items()->Add(s);
        combo->SetItemIndex(0);
        edit->SetParent(&form);
        edit->SetBounds(10, 150, 100, 21);
        combo->OnChange = [this](TObject*) { log.push_back("change:" + combo->Text()); };
        combo->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
        combo->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
        form.Show();
        edit->SetFocus();
    }
    void TearDown() override { form.Hide(); }
    // A client point of the list on row index.
    TPoint RowPoint(int index)
    {
        TPopupList* list = combo->DropDownList();
        return {10, (index - list->TopIndex()) * list->ItemHeight() + list->ItemHeight() / 2};
    }
    // A press and release routed from the form, as the window system reports a click on it.
    void ClickForm(int x, int y)
    {
        RouteMouseEvent(&form, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        RouteMouseEvent(&form, WM_LBUTTONUP, x, y);
    }
};

TEST_F(ComboOnAForm, AClickOnTheBoxOpensTheListBelowItAndAClickOnAnItemPicksIt)
{
    ClickForm(60, 30);
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(combo->Focused());
    TPopupList* list = combo->DropDownList();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->IsOpen());
    EXPECT_EQ(list->ItemIndex(), 0);  // the current item is highlighted
    EXPECT_EQ(list->Width(), 200);
    TPoint below = form.ClientToScreen({10, 41});
    EXPECT_EQ(list->BoundsRect().TopLeft(), below);

    TPoint p = list->ClientToScreen(RowPoint(2));
    TPoint onForm = form.ScreenToClient(p);  // the list lies over the form: the click goes to it
    ClickForm(onForm.X, onForm.Y);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(list->IsOpen());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "Configuration");
    EXPECT_EQ(log, (Log{"dropdown", "change:Configuration", "closeup"}));
}

TEST_F(ComboOnAForm, AClickOnTheOpenBoxOrOutsideClosesTheListWithoutAChoice)
{
    ClickForm(60, 30);
    ClickForm(60, 30);  // on the box again: the list closes and does not open again
    EXPECT_FALSE(combo->DroppedDown());
    ClickForm(190, 30);  // the button opens it too
    ASSERT_TRUE(combo->DroppedDown());
    ClickForm(250, 180);  // anywhere else: closes, nothing picked, the press goes no further
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(log, (Log{"dropdown", "closeup", "dropdown", "closeup"}));
}

TEST_F(ComboOnAForm, KeysOnTheOpenListMoveTheHighlightOnlyUntilEnter)
{
    combo->SetFocus();
    struct Step {
        unsigned key;
        TShiftState shift;
        bool dropped;
        int index;
    };
    const Step steps[] = {
        {VK_DOWN, ssAlt, true, 0},  // Alt+Down opens
        {VK_DOWN, 0, true, 0},      // the highlight moves, the box keeps its item
        {VK_RETURN, 0, false, 1},   // Enter takes the highlighted item
        {VK_F4, 0, true, 1},        // F4 opens
        {VK_DOWN, 0, true, 1},      //
        {VK_ESCAPE, 0, false, 1},   // Escape closes without a choice
        {VK_F4, 0, true, 1},        //
        {VK_UP, 0, true, 1},        //
        {VK_F4, 0, false, 0},       // F4 closes and takes the highlighted item
        {VK_DOWN, 0, false, 1},     // on the closed box the arrows select at once
    };
    for (const Step& s : steps) {
        SendKeyStroke(&form, s.key, s.shift, s.key == VK_RETURN ? U'\r' : s.key == VK_ESCAPE ? 27 : 0);
        EXPECT_EQ(combo->DroppedDown(), s.dropped) << s.key;
        EXPECT_EQ(combo->ItemIndex(), s.index) << s.key;
    }
    EXPECT_EQ(std::count(log.begin(), log.end(), "change:Firmware"), 2);
    EXPECT_TRUE(form.Visible());  // the dialog keys Enter and Escape stayed with the list
}

TEST_F(ComboOnAForm, TheListClosesWhenTheFocusLeavesTheBox)
{
    combo->SetFocus();
    SendKeyStroke(&form, VK_F4);
    ASSERT_TRUE(combo->DroppedDown());
    SendKeyStroke(&form, VK_TAB, 0, '\t');
    EXPECT_TRUE(edit->Focused());
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(OpenPopupCount(), 0);
}

TEST_F(ComboOnAForm, TheEditPartHasACaretAndASelection)
{
    combo->SetStyle(TComboBoxStyle::csDropDown);
    combo->SetText("");
    combo->SetFocus();
    SendText(&form, "Firmwre");
    SendKeyStroke(&form, VK_LEFT);
    SendKeyStroke(&form, VK_LEFT);
    SendText(&form, "a");
    EXPECT_EQ(combo->Text(), "Firmware");
    EXPECT_EQ(combo->ItemIndex(), 1);  // the typed text names an item
    EXPECT_EQ(combo->SelStart(), 6);
    SendKeyStroke(&form, VK_HOME);
    SendKeyStroke(&form, VK_RIGHT, ssShift);
    SendKeyStroke(&form, VK_RIGHT, ssShift);
    EXPECT_EQ(combo->SelLength(), 2);
    SendKeyStroke(&form, VK_DELETE);
    EXPECT_EQ(combo->Text(), "rmware");
    SendKeyStroke(&form, VK_END);
    SendKeyStroke(&form, VK_BACK, 0, 8);
    EXPECT_EQ(combo->Text(), "rmwar");
    EXPECT_EQ(combo->ItemIndex(), -1);
    SendMouseDown(combo, TMouseButton::mbLeft, 3, 10);  // a press at the left end puts the caret there
    SendMouseUp(combo, TMouseButton::mbLeft, 3, 10);
    EXPECT_EQ(combo->SelStart(), 0);
    EXPECT_FALSE(combo->DroppedDown());  // the edit part does not open the list
}

TEST_F(ComboOnAForm, FocusShowsOnTheBox)
{
    auto highlighted = [this] {
        TBitmap shot;
        RenderControl(*combo, shot);
        return shot.Pixel(8, 10) == ColorToRGB(clHighlight);
    };
    EXPECT_FALSE(highlighted());
    combo->SetFocus();
    EXPECT_TRUE(highlighted());
    combo->SetStyle(TComboBoxStyle::csDropDown);  // an edit part shows its caret instead
    combo->SetText("");
    TBitmap shot;
    RenderControl(*combo, shot);
    EXPECT_EQ(shot.Pixel(3, 10), ColorToRGB(clWindowText));
}

}  // namespace

TEST(ClosedListTyping, LettersTypedTogetherSearchAsOnePrefix)
{
    TComboBox combo(nullptr);
    combo.SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* s : {"Bool", "Int8", "Int16", "Int32", "UInt8", "UInt16", "UInt32", "Float32", "String"})
        combo.Items()->Add(s);
    auto type = [&](const std::string& text) {
        for (char c : text)
            SendKeyStroke(&combo, static_cast<unsigned>(std::toupper(c)), 0, static_cast<char32_t>(c));
    };
    const std::pair<const char*, const char*> cases[] = {
        {"Int16", "Int16"}, {"uint32", "UInt32"}, {"String", "String"}, {"Int8", "Int8"}, {"Floaty", "Float32"},
    };
    for (const auto& [typed, picked] : cases) {
        combo.SetItemIndex(0);
        type(typed);
        EXPECT_EQ(combo.Text(), picked) << typed;
    }
    // One letter again goes round the items that start with it.
    combo.SetItemIndex(0);
    type("i");
    EXPECT_EQ(combo.Text(), "Int8");
    type("i");
    EXPECT_EQ(combo.Text(), "Int16");
}
