// The header and footer bars of the drop-down window: buttons built from the collections, their
// places and clicks, the painting, the size grip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxBars.h"
#include "controls/dropdown/GxButton.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/PopupWindow.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

class BarsTest : public DropDownFixture<> {
protected:
    BarsTest()
    {
        hosted = new ui::TPanel(edit);
        hosted->SetBounds(0, 0, 250, 100);
        edit->SetControl(hosted);
        UseTestFont(*edit->ButtonAppearance()->Font());
        edit->OnDropDownHeaderButtonClick = [this](ui::TObject*, int i) {
            log.push_back("header " + std::to_string(i));
        };
        edit->OnDropDownFooterButtonClick = [this](ui::TObject*, int i) {
            log.push_back("footer " + std::to_string(i));
        };
        edit->OnDropUp = [this](ui::TObject*, bool c) { log.push_back(c ? "up cancelled" : "up"); };
    }
    ~BarsTest() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }

    TGxHeader* Header() const { return edit->DropDownForm()->Header(); }
    TGxFooter* Footer() const { return edit->DropDownForm()->Footer(); }

    ui::TPanel* hosted;
    std::vector<std::string> log;
};

}  // namespace

TEST(DbgList, RefusesIndexesPastTheEnd)
{
    TDbgList list;
    int a = 0;
    list.Add(&a);
    EXPECT_EQ(list.GetItemsEx(0), &a);
    EXPECT_THROW(list.GetItemsEx(1), rtl::EListError);
    EXPECT_THROW(list.SetItemsEx(1, &a), rtl::EListError);
    TDbgList copy;
    copy.AssignList(list);
    EXPECT_EQ(copy.Count(), 1);
}

TEST_F(BarsTest, ButtonsLineUpFromTheirSideAndTheCaptionEndsBeforeThem)
{
    for (const char* caption : {"One", "Two"})
        edit->DropDownHeader()->Buttons()->Add()->SetCaption(caption);
    edit->ShowDropDown();
    ASSERT_NE(Header(), nullptr);
    ASSERT_EQ(Header()->ButtonCount(), 2);
    const ui::TRect area = Header()->GetButtonArea();
    EXPECT_EQ(Header()->Buttons(0)->Left() + Header()->Buttons(0)->Width(), area.Right) << "item 0 rightmost";
    EXPECT_EQ(Header()->Buttons(1)->Left() + Header()->Buttons(1)->Width(), Header()->Buttons(0)->Left());
    EXPECT_EQ(Header()->GetCaptionRect().Right, Header()->Buttons(1)->Left() - 2);
    edit->HideDropDown(false);
    edit->DropDownHeader()->ButtonAlignment = TButtonAlignment::baLeft;
    edit->ShowDropDown();
    EXPECT_EQ(Header()->Buttons(0)->Left(), Header()->GetButtonArea().Left) << "item 0 leftmost";
    EXPECT_EQ(Header()->GetCaptionRect().Right, Header()->Buttons(1)->Left() - 2);
}

TEST_F(BarsTest, TallButtonsAreCutToTheArea)
{
    THeaderButton* b = edit->DropDownHeader()->Buttons()->Add();
    b->SetCaption("X");
    b->SetHeight(80);
    b->SetWidth(40);
    edit->ShowDropDown();
    EXPECT_EQ(Header()->Buttons(0)->Height(), Header()->GetButtonAreaHeight());
    EXPECT_EQ(Header()->Buttons(0)->Width(), 40);
    EXPECT_EQ(Header()->GetCaptionRect(), Header()->GetCaptionRect());
    edit->DropDownHeader()->Buttons()->Clear();
    edit->HideDropDown(false);
    edit->ShowDropDown();
    EXPECT_EQ(Header()->GetCaptionRect(), ui::TRect(-1, -1, -1, -1)) << "no buttons, no caption rectangle";
}

TEST_F(BarsTest, FooterButtonsCloseByTheirResultHeaderButtonsNever)
{
    edit->DropDownHeader()->Buttons()->Add()->SetCaption("H");
    TFooterButton* ok = edit->DropDownFooter()->Buttons()->Add();
    ok->SetCaption("OK");
    ok->SetModalResult(ui::mrOk);
    TFooterButton* retry = edit->DropDownFooter()->Buttons()->Add();
    retry->SetCaption("Again");
    retry->SetModalResult(ui::mrRetry);
    edit->ShowDropDown();
    Header()->Buttons(0)->Click();
    EXPECT_TRUE(edit->DroppedDown());
    Footer()->Buttons(1)->Click();
    EXPECT_TRUE(edit->DroppedDown()) << "retry leaves the window open";
    Footer()->Buttons(0)->Click();
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(log, (std::vector<std::string>{"header 0", "footer 1", "up", "footer 0"}));
}

TEST_F(BarsTest, FooterGripAndItsButtonArea)
{
    edit->ShowDropDown();
    ASSERT_NE(Footer(), nullptr);
    EXPECT_TRUE(Footer()->HasSizeGrip());
    EXPECT_EQ(Footer()->GetButtonArea().Right, Footer()->ClientWidth() - 14);
    ui::TBitmap bmp;
    Footer()->SetColor(0);
    Paint(*Footer(), bmp);
    const int w = bmp.Width(), h = bmp.Height();
    EXPECT_GT(CountColor(bmp, {w - 18, 0, w, h}, ui::clWhite), 0) << "the grip's light dots";
    edit->HideDropDown(false);
    edit->SetDropDownSizeable(false);
    edit->ShowDropDown();
    EXPECT_FALSE(Footer()->HasSizeGrip());
    EXPECT_EQ(Footer()->GetButtonArea().Right, Footer()->ClientWidth() - 2);
}

TEST_F(BarsTest, GripSizesTheWindow)
{
    edit->ShowDropDown();
    TDropDownForm* window = edit->DropDownForm();
    const int w = window->Width(), h = window->Height();
    const ui::TPoint grip{Footer()->Width() - 5, Footer()->Height() - 5};
    ui::SendMouseDown(Footer(), ui::TMouseButton::mbLeft, grip.X, grip.Y);
    const ui::TPoint screen = Footer()->ClientToScreen(grip);
    const ui::TPoint to = window->ScreenToClient({screen.X + 30, screen.Y + 20});
    ui::SendMouseMove(window, to.X, to.Y, ui::ssLeft);
    ui::SendMouseUp(window, ui::TMouseButton::mbLeft, to.X, to.Y);
    EXPECT_EQ(window->Width(), w + 30);
    EXPECT_EQ(window->Height(), h + 20);
    edit->HideDropDown(false);
    edit->ShowDropDown();
    EXPECT_EQ(edit->DropDownForm()->Width(), w + 30) << "the next opening keeps the user's size";
}

TEST_F(BarsTest, OwnDrawingReplacesEverything)
{
    edit->DropDownHeader()->Caption = "<b>Title</b>";
    edit->OnDrawHeader = [](ui::TObject*, ui::TCanvas& c, const ui::TRect& r) {
        c.Brush()->SetColor(0x00FF00);
        c.FillRect(r);
    };
    edit->ShowDropDown();
    ui::TBitmap bmp;
    Paint(*Header(), bmp);
    EXPECT_EQ(CountColor(bmp, {0, 0, bmp.Width(), bmp.Height()}, 0x00FF00), bmp.Width() * bmp.Height());
}

TEST_F(BarsTest, BordersFollowTheWindowsBorder)
{
    edit->DropDownHeader()->BorderColor = 0x0000FF;
    edit->DropDownHeader()->BorderWidth = 3;
    edit->DropDownHeader()->Color = 0xFFFFFF;
    edit->DropDownHeader()->ColorTo = ui::clNone;
    edit->SetDropDownBorderColor(0x808080);
    edit->ShowDropDown();
    ui::TBitmap bmp;
    Paint(*Header(), bmp);
    const int w = bmp.Width(), h = bmp.Height();
    EXPECT_EQ(bmp.Pixel(w / 2, h - 2), 0x0000FFu) << "the bottom line";
    EXPECT_EQ(bmp.Pixel(0, h / 2), 0xCCCCFFu) << "the light inner frame";
    EXPECT_NE(bmp.Pixel(1, h / 2), 0x0000FFu) << "framed window: no side lines";
    edit->HideDropDown(false);
    edit->SetDropDownBorderColor(ui::clNone);
    edit->ShowDropDown();
    Paint(*Header(), bmp);
    EXPECT_EQ(bmp.Pixel(1, h / 2), 0x0000FFu) << "without a window border the bar frames itself";
}
