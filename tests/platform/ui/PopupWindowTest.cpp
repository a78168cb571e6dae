// Popup windows and the drop-down list, driven through the input layer without native windows.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupList.h"
#include "platform/ui/StdCtrls.h"
#include <string>
#include <vector>

using namespace ui;

namespace {

struct PlacementCase {
    const char* name;
    TRect anchor;
    TSize size;
    TPopupPlacement placement;
    TRect expected;
    bool above;
};

class PopupPlacement : public ::testing::TestWithParam<PlacementCase> {};

// A 1000 x 700 work area that starts below a 20-pixel bar.
constexpr TRect kWork{0, 20, 1000, 720};

const PlacementCase kPlacements[] = {
    {"BelowWhenItFits", {100, 100, 250, 121}, {150, 200}, TPopupPlacement::ppBelow, {100, 121, 250, 321}, false},
    {"AboveWhenNoRoomBelow", {100, 600, 250, 621}, {150, 200}, TPopupPlacement::ppBelow, {100, 400, 250, 600}, true},
    {"AboveWhenAsked", {100, 300, 250, 321}, {150, 200}, TPopupPlacement::ppAbove, {100, 100, 250, 300}, true},
    {"BelowWhenAskedAboveWithoutRoom",
     {100, 60, 250, 81},
     {150, 200},
     TPopupPlacement::ppAbove,
     {100, 81, 250, 281},
     false},
    {"CutToTheLargerSide", {100, 300, 250, 321}, {150, 900}, TPopupPlacement::ppBelow, {100, 321, 250, 720}, false},
    {"PushedLeftAtTheRightEdge",
     {900, 100, 990, 121},
     {200, 50},
     TPopupPlacement::ppBelow,
     {800, 121, 1000, 171},
     false},
    {"PushedRightAtTheLeftEdge", {-40, 100, 60, 121}, {100, 50}, TPopupPlacement::ppBelow, {0, 121, 100, 171}, false},
    {"NarrowedToTheWorkArea", {10, 100, 60, 121}, {1500, 50}, TPopupPlacement::ppBelow, {0, 121, 1000, 171}, false},
};

TEST_P(PopupPlacement, StaysOnTheWorkArea)
{
    const PlacementCase& c = GetParam();
    bool above = !c.above;
    EXPECT_EQ(TPopupWindow::PlaceNear(c.anchor, c.size, c.placement, kWork, above), c.expected);
    EXPECT_EQ(above, c.above);
}

INSTANTIATE_TEST_SUITE_P(Cases, PopupPlacement, ::testing::ValuesIn(kPlacements),
                         [](const auto& info) { return std::string(info.param.name); });

// A form with an edit (which keeps the focus) and a button-like panel the mouse can press.
struct OpenPopup : ::testing::Test {
    TForm form{nullptr};
    TEdit* edit = new TEdit(&form);
    TEdit* other = new TEdit(&form);
    TPopupWindow* popup = new TPopupWindow(&form);
    std::vector<TPopupCloseReason> closes;
    std::vector<unsigned> editKeys;

    void SetUp() override
    {
        form.SetBounds(100, 100, 300, 250);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 120, 21);
        other->SetParent(&form);
        other->SetBounds(10, 150, 120, 21);
        edit->OnKeyDown = [this](TObject*, unsigned& key, TShiftState) { editKeys.push_back(key); };
        popup->SetBounds(0, 0, 150, 80);
        popup->OnClosePopup = [this](TObject*, TPopupCloseReason r) { closes.push_back(r); };
        form.Show();
        edit->SetFocus();
        popup->Popup(edit);
    }
    void TearDown() override { form.Hide(); }
};

TEST_F(OpenPopup, DropsBelowItsControlAndLeavesFocusAndActivationAlone)
{
    ASSERT_TRUE(popup->IsOpen());
    EXPECT_EQ(ActivePopup(), popup);
    EXPECT_EQ(popup->OwnerForm(), &form);
    TPoint editOnScreen = form.ClientToScreen({10, 10});
    EXPECT_EQ(popup->BoundsRect(), Bounds(editOnScreen.X, editOnScreen.Y + 21, 150, 80));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(GetScreen()->ActiveForm(), &form);
    EXPECT_TRUE(form.Active());
}

TEST_F(OpenPopup, EscapeClosesItAndGoesNoFurther)
{
    SendKeyStroke(&form, 'A', 0, 'a');  // other keys still reach the focused control
    SendKeyStroke(&form, VK_ESCAPE, 0, 27);
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(closes, std::vector<TPopupCloseReason>{TPopupCloseReason::pcrCancel});
    EXPECT_EQ(editKeys, std::vector<unsigned>{'A'});
    EXPECT_EQ(edit->Text(), "a");
    EXPECT_EQ(ActivePopup(), nullptr);
}

TEST_F(OpenPopup, PressOutsideClosesItAndIsSwallowed)
{
    int presses = 0;
    other->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    RouteMouseEvent(&form, WM_LBUTTONDOWN, 20, 155);  // on the other edit, away from the popup
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(closes, std::vector<TPopupCloseReason>{TPopupCloseReason::pcrOutsideClick});
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(edit->Focused());
    RouteMouseEvent(&form, WM_LBUTTONUP, 20, 155);
    SendClick(other, 3, 3);  // with the popup gone the next press works as usual
    EXPECT_EQ(presses, 1);
}

TEST_F(OpenPopup, AClickThroughPopupTakesNoInputAndLeavesTheOthersAlone)
{
    TPopupWindow hint(nullptr);
    hint.SetClickThrough(true);
    hint.SetBounds(0, 0, 60, 20);
    const TPoint overOther = form.ClientToScreen({15, 152});
    hint.PopupAt(overOther, edit);
    ASSERT_TRUE(hint.IsOpen());
    EXPECT_TRUE(popup->IsOpen());  // opening it closed nothing
    EXPECT_EQ(ActivePopup(), popup);
    EXPECT_EQ(OpenPopupCount(), 1);
    EXPECT_EQ(PopupAtScreenPoint(overOther), nullptr);
    hint.SetClickThrough(false);  // the kind stays while it is open
    EXPECT_TRUE(hint.ClickThrough());
    // A press on the control under it is an outside press for the drop-down only.
    RouteMouseEvent(&form, WM_LBUTTONDOWN, 20, 155);
    RouteMouseEvent(&form, WM_LBUTTONUP, 20, 155);
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_TRUE(hint.IsOpen());
    // Keys are not offered to it.
    SendKeyStroke(&form, VK_ESCAPE, 0, 27);
    EXPECT_TRUE(hint.IsOpen());
    popup->Popup(edit);
    hint.ClosePopup(TPopupCloseReason::pcrCancel);
    EXPECT_TRUE(popup->IsOpen());  // closing it closed nothing either
}

TEST_F(OpenPopup, PressInsideKeepsItOpenAlsoWhenTheWindowSystemGaveItToTheForm)
{
    int presses = 0;
    popup->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    SendClick(popup, 5, 5);
    TPoint onForm = form.ScreenToClient(popup->ClientToScreen({5, 5}));  // the form lies under the popup
    RouteMouseEvent(&form, WM_LBUTTONDOWN, onForm.X, onForm.Y);
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_EQ(presses, 2);
}

TEST_F(OpenPopup, ClosesWhenItsFormHidesOrItsControlGoes)
{
    form.Hide();
    EXPECT_FALSE(popup->IsOpen());
    form.Show();
    popup->Popup(other);
    delete other;
    other = nullptr;
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(closes, (std::vector<TPopupCloseReason>{TPopupCloseReason::pcrOwner, TPopupCloseReason::pcrOwner}));
}

TEST_F(OpenPopup, NestedPopupsCloseFromTheInside)
{
    auto* inner = new TPopupWindow(&form);
    auto* field = new TEdit(&form);
    field->SetParent(popup);  // a control inside the first popup opens the second
    field->SetBounds(5, 5, 60, 21);
    inner->SetBounds(0, 0, 60, 40);
    inner->Popup(field);
    ASSERT_TRUE(popup->IsOpen());
    ASSERT_EQ(ActivePopup(), inner);
    EXPECT_EQ(inner->OwnerForm(), &form);

    SendClick(popup, 100, 70);  // a press in the outer popup closes only the inner one
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_FALSE(inner->IsOpen());

    inner->Popup(field);
    SendKeyStroke(&form, VK_ESCAPE, 0, 27);  // Escape: the innermost
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_FALSE(inner->IsOpen());

    inner->Popup(field);
    popup->ClosePopup(TPopupCloseReason::pcrCancel);  // closing the outer closes the inner first
    EXPECT_FALSE(inner->IsOpen());
    EXPECT_EQ(OpenPopupCount(), 0);

    inner->Popup(other);  // a popup of a control outside the open ones closes them
    inner->ClosePopup(TPopupCloseReason::pcrCancel);
    popup->Popup(edit);
    inner->Popup(other);
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_TRUE(inner->IsOpen());
}

TEST_F(OpenPopup, TheGripSizesItWithinLimits)
{
    popup->SetSizeGrip(true);
    popup->MinTrackSize = {100, 50};
    TRect grip = popup->GripRect();
    EXPECT_EQ(grip.Right, popup->Width() - 1);
    EXPECT_EQ(grip.Bottom, popup->Height() - 1);
    TPoint at{grip.Left + 5 - 1, grip.Top + 5 - 1};  // client coordinates (inside the frame)
    SendMouseDown(popup, TMouseButton::mbLeft, at.X, at.Y);
    SendMouseMove(popup, at.X + 30, at.Y + 20);
    EXPECT_EQ(popup->Width(), 180);
    EXPECT_EQ(popup->Height(), 100);
    SendMouseMove(popup, at.X - 200, at.Y - 200);
    EXPECT_EQ(popup->Width(), 100);
    EXPECT_EQ(popup->Height(), 50);
    SendMouseUp(popup, TMouseButton::mbLeft, at.X - 200, at.Y - 200);

    // Dropped above its control, the grip sits at the top and the bottom edge stays put.
    form.SetBounds(100, GetScreen()->WorkAreaRect().Bottom - 60, 300, 60);
    popup->Popup(edit, TPopupPlacement::ppBelow);
    ASSERT_TRUE(popup->DroppedAbove());
    int bottom = popup->BoundsRect().Bottom;
    grip = popup->GripRect();
    EXPECT_EQ(grip.Top, 1);
    at = {grip.Left + 5 - 1, grip.Top + 5 - 1};
    SendMouseDown(popup, TMouseButton::mbLeft, at.X, at.Y);
    SendMouseMove(popup, at.X, at.Y - 25);
    SendMouseUp(popup, TMouseButton::mbLeft, at.X, at.Y - 25);
    EXPECT_EQ(popup->Height(), 75);
    EXPECT_EQ(popup->BoundsRect().Bottom, bottom);
}

// A drop-down list of twelve items showing five rows.
struct DropDownList : ::testing::Test {
    TForm form{nullptr};
    TEdit* edit = new TEdit(&form);
    TPopupList* list = new TPopupList(&form);
    std::vector<int> picks;
    std::vector<TPopupCloseReason> closes;

    void SetUp() override
    {
        edit->SetParent(&form);
        for (const char* s : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India",
                              "Juliet", "Kilo", "Lima"})
            list->Items()->Add(s);
        list->SizeFor(5, 120);
        list->OnPick = [this](TObject*, int i) { picks.push_back(i); };
        list->OnClosePopup = [this](TObject*, TPopupCloseReason r) { closes.push_back(r); };
        form.Show();
        edit->SetFocus();
        list->SetItemIndex(1);
        list->Popup(edit);
    }
    void TearDown() override { form.Hide(); }
    int Row(int index) { return (index - list->TopIndex()) * list->ItemHeight() + 2; }
};

TEST_F(DropDownList, KeysMoveTheHighlightAndEnterPicks)
{
    EXPECT_EQ(list->ClientHeight(), 5 * list->ItemHeight());
    EXPECT_TRUE(list->ScrollBarVisible(SB_VERT));
    struct Step {
        unsigned key;
        int highlighted;
        int top;
    };
    const Step steps[] = {{VK_DOWN, 2, 0},  {VK_NEXT, 6, 2}, {VK_END, 11, 7}, {VK_DOWN, 11, 7},
                          {VK_PRIOR, 7, 7}, {VK_HOME, 0, 0}, {VK_UP, 0, 0}};
    for (const Step& s : steps) {
        SendKeyStroke(&form, s.key);
        EXPECT_EQ(list->ItemIndex(), s.highlighted) << s.key;
        EXPECT_EQ(list->TopIndex(), s.top) << s.key;
    }
    SendKeyStroke(&form, 'G', 0, 'g');  // a character finds the next item beginning with it
    EXPECT_EQ(list->ItemIndex(), 6);
    EXPECT_TRUE(picks.empty());
    EXPECT_EQ(edit->Text(), "");  // nothing of it reached the edit
    SendKeyStroke(&form, VK_RETURN, 0, '\r');
    EXPECT_EQ(picks, std::vector<int>{6});
    EXPECT_EQ(closes, std::vector<TPopupCloseReason>{TPopupCloseReason::pcrSelect});
    EXPECT_FALSE(list->IsOpen());
}

TEST_F(DropDownList, TheMouseHighlightsWhereItRestsAndAClickPicks)
{
    SendMouseMove(list, 10, Row(3));
    EXPECT_EQ(list->ItemIndex(), 3);
    SendMouseWheel(list, -120, 10, 10);  // three rows per notch
    EXPECT_EQ(list->TopIndex(), 3);
    SendClick(list, 10, Row(5));
    EXPECT_EQ(picks, std::vector<int>{5});
    EXPECT_FALSE(list->IsOpen());
}

TEST_F(DropDownList, ScrollBarPagesAndAReleaseOutsideTheRowsPicksNothing)
{
    int barX = list->ClientWidth() + 3;
    SendClick(list, barX, list->ClientHeight() - 3);  // on the track below the thumb: a page down
    EXPECT_EQ(list->TopIndex(), 5);
    EXPECT_TRUE(list->IsOpen());
    EXPECT_TRUE(picks.empty());
    SendMouseUp(list, TMouseButton::mbLeft, -20, -20);  // the release of the press that opened it
    EXPECT_TRUE(list->IsOpen());
    EXPECT_TRUE(picks.empty());
}

}  // namespace
