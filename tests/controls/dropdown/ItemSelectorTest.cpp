// The item selector: layout, selection and hot tracking, look-up, scrolling and item drawing.
#include <gtest/gtest.h>

#include <memory>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxItemSelector.h"
#include "grid/base/HtmlTextDraw.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"

using namespace dropdown;
using namespace dropdown_test;
using ui::TRect;

namespace {

// A colour selector on a form: items without captions are 22 x 22 (a 14 x 14 box and 4 pixels of
// margin on each side).
class ItemSelectorTest : public ::testing::Test {
protected:
    ItemSelectorTest()
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        sel = new TGxCustomItemSelector(form.get());
        sel->SetParent(form.get());
        sel->SetBounds(0, 0, 200, 200);
        sel->SetSelectorType(TSelectorType::stColor);
        UseTestFont(*sel->ItemAppearance()->Font());
        sel->OnItemSelect = [this](ui::TObject* s) {
            EXPECT_EQ(s, sel);
            ++selects;
        };
        form->Show();
    }
    ~ItemSelectorTest() override { form->Hide(); }

    void AddColors(int n)
    {
        for (int i = 0; i < n; ++i)
            sel->Items()->Add()->SetColor(0x010101 * static_cast<unsigned>(i + 1));
        sel->UpdateSelectorPanel();
    }

    std::unique_ptr<ui::TForm> form;
    TGxCustomItemSelector* sel;
    int selects = 0;
};

}  // namespace

TEST_F(ItemSelectorTest, EmptySelectorHasASmallPanelAndNothingToSelect)
{
    EXPECT_EQ(sel->GetPanelSize(), ui::TSize(100, 50));
    EXPECT_EQ(sel->GetVisibleItemCount(), 0);
    sel->SelectNext();
    sel->SelectLast();
    sel->HotNext();
    EXPECT_EQ(sel->ItemIndex(), -1);
    EXPECT_FALSE(sel->LookupItem("A"));
    EXPECT_EQ(selects, 0);
}

TEST_F(ItemSelectorTest, SevenItemsInThreeColumnsMakeRowsOfThreeThreeAndOne)
{
    sel->SetColumns(3);
    AddColors(7);
    EXPECT_EQ(sel->GetPanelSize(), ui::TSize(2 + 3 * 22 + 2, 2 + 3 * 22 + 2));
    TCustomItemSelector& p = *sel->Panel();
    EXPECT_EQ(p.GetItemRect(0), ui::Bounds(2, 2, 22, 22));
    EXPECT_EQ(p.GetItemRect(2), ui::Bounds(46, 2, 22, 22));
    EXPECT_EQ(p.GetItemRect(3), ui::Bounds(2, 24, 22, 22));
    EXPECT_EQ(p.GetItemRect(6), ui::Bounds(2, 46, 22, 22));
    EXPECT_EQ(p.GetItemRect(7), TRect(-1, -1, -1, -1));
    EXPECT_EQ(p.ItemAtPos(2, 2), 0) << "left and top edges belong to the item";
    EXPECT_EQ(p.ItemAtPos(24, 2), 1) << "right edge belongs to the next";
    EXPECT_EQ(p.ItemAtPos(30, 50), -1) << "no item right of the last one";
    for (int bad : {0, -2}) {
        sel->SetColumns(bad);
        EXPECT_EQ(sel->Columns(), 3);
    }
}

TEST_F(ItemSelectorTest, ItemSizeHandlerDecidesTheCells)
{
    sel->OnItemSize = [](ui::TObject* s, ui::TSize& size) {
        EXPECT_NE(dynamic_cast<TCustomItemSelector*>(s), nullptr);
        size = {30, 10};
    };
    AddColors(2);
    EXPECT_EQ(sel->Panel()->GetItemRect(1), ui::Bounds(2, 12, 30, 10));
    sel->OnItemSize = [](ui::TObject*, ui::TSize& size) { size = {30, 0}; };
    sel->UpdateSelectorPanel();
    EXPECT_EQ(sel->GetVisibleItemCount(), 0) << "items without height: no division by zero";
}

TEST_F(ItemSelectorTest, NavigationStopsAtTheEnds)
{
    AddColors(3);
    sel->SelectPrevious();
    EXPECT_EQ(sel->ItemIndex(), 0) << "from no selection both directions start at item 0";
    sel->SetItemIndex(-1);
    sel->SelectNext();
    EXPECT_EQ(sel->ItemIndex(), 0);
    sel->SelectPrevious();
    EXPECT_EQ(sel->ItemIndex(), 0);
    sel->SelectLast();
    sel->SelectNext();
    EXPECT_EQ(sel->ItemIndex(), 2);
    sel->HotNext();
    sel->HotNext();
    EXPECT_EQ(sel->ItemHot(), 1);
    sel->HotPrevious();
    sel->HotPrevious();
    EXPECT_EQ(sel->ItemHot(), 0);
}

TEST_F(ItemSelectorTest, SelectingTheSelectedItemReportsAgain)
{
    AddColors(2);
    sel->SetItemIndex(1);
    sel->SetItemIndex(1);
    EXPECT_EQ(selects, 2);
    sel->SetItemIndex(-1);
    EXPECT_EQ(selects, 2) << "clearing reports nothing";
}

TEST_F(ItemSelectorTest, DisabledItemsCanBeNeitherSelectedNorHot)
{
    AddColors(3);
    sel->Items()->GetItem(1)->SetEnabled(false);
    sel->SetItemIndex(0);
    sel->SetItemIndex(1);
    EXPECT_EQ(sel->ItemIndex(), 0);
    ui::SendMouseMove(sel->Panel(), 3, 3);
    EXPECT_EQ(sel->ItemHot(), 0);
    ui::SendMouseMove(sel->Panel(), 3, 25);
    EXPECT_EQ(sel->ItemHot(), -1) << "moving onto a disabled item clears the hot one";
    ui::SendMouseDown(sel->Panel(), ui::TMouseButton::mbLeft, 3, 25);
    EXPECT_EQ(sel->ItemIndex(), 0);
}

TEST_F(ItemSelectorTest, MouseMakesHotShowsTheHintAndSelectsOnPress)
{
    AddColors(3);
    sel->Items()->GetItem(2)->SetHint("third");
    TCustomItemSelector* p = sel->Panel();
    ui::SendMouseMove(p, 5, 50);
    EXPECT_EQ(sel->ItemHot(), 2);
    EXPECT_EQ(p->Hint(), "third");
    ui::SendMouseMove(p, 150, 150);
    EXPECT_EQ(sel->ItemHot(), -1) << "off all items";
    ui::SendMouseMove(p, 5, 5);
    ui::SendMouseDown(p, ui::TMouseButton::mbRight, 5, 5);
    EXPECT_EQ(sel->ItemIndex(), 0) << "any mouse button selects";
    EXPECT_EQ(selects, 1);
    p->Perform(ui::CM_MOUSELEAVE);
    EXPECT_EQ(sel->ItemHot(), -1);
}

TEST_F(ItemSelectorTest, LookupMatchesTheStartOfTheTaglessCaption)
{
    sel->SetSelectorType(TSelectorType::stImage);
    for (const char* caption : {"xabc", " <b>abc</b>", "abd"})
        sel->Items()->Add()->SetCaption(caption);
    EXPECT_TRUE(sel->LookupItem("AB"));
    EXPECT_EQ(sel->ItemIndex(), 1);
    EXPECT_TRUE(sel->LookupItem("ABD"));
    EXPECT_EQ(sel->ItemIndex(), 2);
    EXPECT_FALSE(sel->LookupItem("ab")) << "the host passes the text upper-cased";
    EXPECT_FALSE(sel->LookupItem("Q"));
}

TEST_F(ItemSelectorTest, PanelNeedsTheSelectorAsOwner)
{
    EXPECT_THROW(TCustomItemSelector(form.get()), rtl::Exception);
}

TEST_F(ItemSelectorTest, FreedImageListIsForgotten)
{
    auto images = std::make_unique<ui::TImageList>(nullptr);
    sel->SetImages(images.get());
    images.reset();
    EXPECT_EQ(sel->Images(), nullptr);
}

TEST_F(ItemSelectorTest, ScrollsTheChosenItemIntoView)
{
    sel->SetBounds(0, 0, 100, 60);
    AddColors(10);  // 2 + 10 x 22 + 2 = 224 high
    ASSERT_TRUE(sel->ScrollBarVisible(ui::SB_VERT));
    EXPECT_EQ(sel->GetVisibleItemCount(), 60 / 22);
    sel->SetItemIndex(9);
    const auto top = [&](int i) { return sel->Panel()->Top() + sel->Panel()->GetItemRect(i).Top; };
    EXPECT_EQ(top(9) + 22, sel->ClientHeight()) << "below the view: its bottom at the bottom edge";
    sel->SetItemIndex(1);
    EXPECT_EQ(top(1), 0) << "above the view: its top at the top edge";
    sel->SetItemIndex(2);
    EXPECT_EQ(top(1), 0) << "an item in view does not scroll";
}

TEST_F(ItemSelectorTest, ItemTallerThanTheViewScrollsToItsTop)
{
    sel->SetBounds(0, 0, 100, 40);
    sel->OnItemSize = [](ui::TObject*, ui::TSize& size) { size = {40, 70}; };
    AddColors(3);
    sel->SetItemIndex(2);
    EXPECT_EQ(sel->Panel()->Top() + sel->Panel()->GetItemRect(2).Top, 0);
}

TEST_F(ItemSelectorTest, PlainHotBorderOrPresetFrame)
{
    AddColors(2);
    TItemAppearance& a = *sel->ItemAppearance();
    a.BorderColorHot = 0x0000FF;
    sel->Panel()->SetItemHot(0);
    ui::TBitmap bmp;
    Paint(*sel->Panel(), bmp);
    const TRect r = sel->Panel()->GetItemRect(0);
    EXPECT_EQ(bmp.Pixel(r.Left, r.Top), 0x0000FFu) << "one-pixel border, square corners";
    EXPECT_EQ(bmp.Pixel(r.Right - 1, r.Bottom - 1), 0x0000FFu);

    a.BorderColorHot = ui::clNone;
    Paint(*sel->Panel(), bmp);
    EXPECT_EQ(bmp.Pixel(r.Left, r.Top), ui::ColorToRGB(sel->Color())) << "rounded corner shows the background";
    EXPECT_EQ(bmp.Pixel(r.Left + 3, r.Top), a.BorderColor);
}

TEST_F(ItemSelectorTest, ColourBoxIsFramedInBlack)
{
    AddColors(1);
    sel->Items()->GetItem(0)->SetColor(0x00FF00);
    ui::TBitmap bmp;
    Paint(*sel->Panel(), bmp);
    EXPECT_EQ(ColorBounds(bmp, {0, 0, 30, 30}, 0x00FF00), TRect(7, 7, 19, 19)) << "a black frame around the box";
    EXPECT_EQ(bmp.Pixel(6, 6), 0u);
}

TEST_F(ItemSelectorTest, CaptionBelowAPictureStartsGapPixelsUnderIt)
{
    sel->SetSelectorType(TSelectorType::stImage);
    sel->SetItemLayout(TItemLayout::ilCaptionBottom);
    TSelectorItem* item = sel->Items()->Add();
    ui::TPicture pic;
    Solid(*pic.Bitmap(), 32, 16, 0x0000FF);
    item->SetImage(pic);
    item->SetCaption("Ag");
    sel->UpdateSelectorPanel();
    ui::TBitmap bmp;
    Paint(*sel->Panel(), bmp);
    const TRect cell = sel->Panel()->GetItemRect(0);
    const TRect picture = ColorBounds(bmp, cell, 0x0000FF);
    ASSERT_EQ(picture.Width(), 32);

    // Where the caption's ink starts below the top of its line, measured in the same font.
    ui::TBitmap probe;
    Solid(probe, 100, 40, ui::clWhite);
    probe.Canvas()->Font()->Assign(*sel->ItemAppearance()->Font());
    gx::THTMLDrawParams params;
    gx::THTMLDrawResult result;
    gx::DrawHTMLText(*probe.Canvas(), "Ag", {0, 0, 100, 40}, params, result);
    const int inkOffset = InkBounds(probe, {0, 0, 100, 40}, ui::clWhite).Top;

    const ui::TColor back = ui::ColorToRGB(sel->Color());
    const TRect caption = InkBounds(bmp, {cell.Left, picture.Bottom, cell.Right, cell.Bottom}, back);
    EXPECT_EQ(caption.Top, picture.Top + 16 + 4 + inkOffset);
}
