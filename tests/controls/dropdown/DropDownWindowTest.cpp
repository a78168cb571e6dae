// The drop-down window: its size, its place next to the edit on the work area, opening and
// closing by keys, clicks and the hosted control, the events in order, the user's size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxBars.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/PopupWindow.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

// A drop-down hosting a panel of a given size, with a log of its events.
class DropDownWindow : public DropDownFixture<> {
protected:
    DropDownWindow()
    {
        hosted = new ui::TPanel(edit);
        hosted->SetBounds(0, 0, 250, 100);
        edit->SetControl(hosted);
        edit->DropDownHeader()->SetVisible(false);
        edit->DropDownFooter()->SetVisible(false);
        edit->OnBeforeDropDown = [this](ui::TObject*) { log.push_back("before drop down"); };
        edit->OnDropDown = [this](ui::TObject*, bool& accept) {
            log.push_back("drop down");
            accept = acceptDrop;
        };
        edit->OnBeforeDropUp = [this](ui::TObject*) { log.push_back("before drop up"); };
        edit->OnDropUp = [this](ui::TObject*, bool cancelled) {
            log.push_back(cancelled ? "drop up cancelled" : "drop up");
        };
    }
    ~DropDownWindow() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }

    TDropDownForm* Window() const { return edit->DropDownForm(); }
    // Moves the form so that the edit's top-left corner lies at a screen point.
    void EditAt(int x, int y)
    {
        const ui::TPoint now = form->ClientToScreen({edit->Left(), edit->Top()});
        form->SetBounds(form->Left() + x - now.X, form->Top() + y - now.Y, form->Width(), form->Height());
    }

    ui::TPanel* hosted;
    bool acceptDrop = true;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(DropDownWindow, SizedFromTheHostedControlHeaderAndFooter)
{
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Width(), 250);
    EXPECT_EQ(Window()->Height(), 2 + 100);
    edit->HideDropDown(false);
    edit->DropDownHeader()->SetVisible(true);  // 22 high
    edit->SetDropDownHeight(0);
    edit->SetDropDownWidth(0);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Height(), 124);
    ASSERT_NE(Window()->Header(), nullptr);
    EXPECT_TRUE(Window()->Header()->Visible());
    edit->HideDropDown(false);
    edit->SetControl(nullptr);
    edit->SetDropDownWidth(0);
    edit->SetDropDownHeight(0);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Width(), edit->Width()) << "no hosted control: as wide as the edit";
    EXPECT_EQ(Window()->Height(), 50) << "never lower than 50";
}

TEST_F(DropDownWindow, TheUsersSizeIsKeptUntilTheSizeIsSetAgain)
{
    edit->ShowDropDown();
    Window()->SetBounds(Window()->Left(), Window()->Top(), 300, 200);
    edit->HideDropDown(false);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Width(), 300);
    EXPECT_EQ(Window()->Height(), 200);
    edit->HideDropDown(false);
    edit->SetDropDownHeight(0);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Width(), 300);
    EXPECT_EQ(Window()->Height(), 102);
}

TEST_F(DropDownWindow, OpensBelowOrAboveAndStaysOnTheWorkArea)
{
    const ui::TRect work = ui::GetScreen()->WorkAreaRect();
    EditAt(work.Left + 100, work.Top + 300);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Top(), work.Top + 300 + 21 - 1) << "below, over the edit's bottom row";
    EXPECT_EQ(Window()->Left(), work.Left + 100);
    edit->HideDropDown(false);

    EditAt(work.Left + 100, work.Bottom - 50);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Top(), work.Bottom - 50 - 102) << "no room below: above";
    edit->HideDropDown(false);

    EditAt(work.Right - 210, work.Top + 300);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Left() + Window()->Width(), work.Right) << "moved left to stay on screen";
    edit->HideDropDown(false);

    edit->SetDropPosition(TDropPosition::dpDown);
    EditAt(work.Left + 100, work.Bottom - 50);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Top() + Window()->Height(), work.Bottom) << "forced below: moved up onto the screen";
    edit->HideDropDown(false);

    edit->SetDropPosition(TDropPosition::dpUp);
    EditAt(work.Left + 100, work.Top + 300);
    edit->ShowDropDown();
    EXPECT_EQ(Window()->Top(), work.Top + 300 - 102);
}

TEST_F(DropDownWindow, EventsInOrderAndARefusedOpening)
{
    acceptDrop = false;
    edit->ShowDropDown();
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_FALSE(Window()->IsOpen());
    edit->HideDropDown(true);
    acceptDrop = true;
    edit->ShowDropDown();
    EXPECT_TRUE(Window()->IsOpen());
    edit->HideDropDown(true);
    EXPECT_EQ(log, (std::vector<std::string>{"before drop down", "drop down", "before drop down", "drop down",
                                             "before drop up", "drop up cancelled"}));
}

TEST_F(DropDownWindow, CancelBringsBackTheValueOfTheOpening)
{
    edit->SetText("first");
    Key(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(edit->DroppedDown());
    edit->SelectAll();
    Type("typed");
    EXPECT_EQ(edit->Text(), "typed") << "typing still reaches the edit while the window is open";
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Text(), "first");
    EXPECT_TRUE(edit->Focused()) << "the edit kept the focus";
}

TEST_F(DropDownWindow, PressOutsideClosesCancelledOrAcceptedAsTheWindowSays)
{
    edit->SetText("first");
    edit->ShowDropDown();
    edit->SetTextDirect("changed");
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 350, 250, ui::MK_LBUTTON);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Text(), "first");
    EXPECT_EQ(log.back(), "drop up cancelled");
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 350, 250);

    Window()->CancelOnDeActivate = false;
    edit->ShowDropDown();
    edit->SetTextDirect("kept");
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 350, 250, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 350, 250);
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_EQ(log.back(), "drop up");
}

TEST_F(DropDownWindow, ButtonClickOpensAndAPressOnItClosesWithoutReopening)
{
    TGxDropDownSpeedButton* inner = edit->Button()->Button();
    const ui::TPoint p = inner->ClientToScreen({3, 3});
    const ui::TPoint inForm = form->ScreenToClient(p);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, inForm.X, inForm.Y, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, inForm.X, inForm.Y);
    EXPECT_TRUE(edit->DroppedDown());
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, inForm.X, inForm.Y, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, inForm.X, inForm.Y);
    EXPECT_FALSE(edit->DroppedDown());
    ui::SendMouseDown(inner, ui::TMouseButton::mbRight, 3, 3);
    ui::SendMouseUp(inner, ui::TMouseButton::mbRight, 3, 3);
    EXPECT_FALSE(edit->DroppedDown()) << "the right button does not open";
}

TEST_F(DropDownWindow, KeysOfTheHostedControlReachTheEdit)
{
    // The hosted control is an edit that takes the focus role: its key events are the drop-down's.
    auto* inner = new ui::TEdit(edit);
    inner->SetBounds(0, 0, 150, 21);
    edit->SetControl(inner);
    edit->SetFocusControl(inner);
    edit->SetText("first");
    edit->ShowDropDown();
    edit->SelectAll();
    Type("ab");
    EXPECT_EQ(inner->Text(), "ab") << "the control to focus takes the typing";
    EXPECT_EQ(edit->Text(), "ab") << "its characters go on to the edit too";
    Key(ui::VK_RETURN);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(log.back(), "drop up") << "Enter in the hosted control closes accepted";
    edit->ShowDropDown();
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(log.back(), "drop up cancelled");
}

TEST_F(DropDownWindow, BackgroundAndBorderOfTheWindow)
{
    edit->SetControl(nullptr);
    hosted->Hide();
    edit->SetDropDownColor(0x00FF00);
    edit->SetDropDownColorTo(ui::clNone);
    edit->SetDropDownBorderColor(0x0000FF);
    edit->SetDropDownBorderWidth(2);
    edit->ShowDropDown();
    ui::TBitmap bmp;
    Paint(*Window(), bmp);
    EXPECT_EQ(bmp.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(bmp.Pixel(1, 1), 0x0000FFu);
    EXPECT_EQ(bmp.Pixel(bmp.Width() / 2, bmp.Height() / 2), 0x00FF00u);
}
