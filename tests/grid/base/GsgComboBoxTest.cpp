#include "grid/base/GsgComboBox.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

namespace {

using gx::TGsgComboBox;
using gx::TLabelPosition;
using ui::TColor;

void fill(ui::TComboBox& combo)
{
    combo.SetBounds(100, 50, 120, 22);
    for (const char* s : {"alpha", "beta", "gamma"})
        combo.Items()->Add(s);
}

TEST(GsgComboBox, ButtonWidthRange)
{
    TGsgComboBox combo(nullptr);
    EXPECT_EQ(combo.ButtonWidth(), 19);
    struct {
        int set, expected;
    } cases[] = {{13, 19}, {33, 19}, {14, 14}, {32, 32}, {0, 32}};
    for (const auto& k : cases) {
        combo.SetButtonWidth(k.set);
        EXPECT_EQ(combo.ButtonWidth(), k.expected) << k.set;
    }
}

TEST(GsgComboBox, DropDownSelectAndCloseFireOncePerAction)
{
    TGsgComboBox combo(nullptr);
    fill(combo);
    int dropDown = 0, dropUp = 0, change = 0, select = 0;
    combo.OnDropDown = [&](ui::TObject*) { ++dropDown; };
    combo.OnDropUp = [&](ui::TObject* sender) {
        EXPECT_EQ(sender, &combo);
        ++dropUp;
    };
    combo.OnChange = [&](ui::TObject*) { ++change; };
    combo.OnSelect = [&](ui::TObject*) { ++select; };

    combo.SetDroppedDown(true);
    EXPECT_EQ(dropDown, 1);
    EXPECT_EQ(dropUp, 0);
    combo.UserSelect(1);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_FALSE(combo.DroppedDown());
    EXPECT_EQ(select, 1);
    EXPECT_EQ(dropUp, 1);
    EXPECT_EQ(dropDown, 1);

    combo.SetDroppedDown(true);
    combo.SetDroppedDown(false);
    EXPECT_EQ(dropUp, 2);
    EXPECT_EQ(dropDown, 2);
}

TEST(GsgComboBox, DropWidthGoesToTheList)
{
    TGsgComboBox combo(nullptr);
    combo.SetDropWidth(0);
    EXPECT_EQ(combo.DropDownWidth(), 0);
    combo.SetDropWidth(250);
    EXPECT_EQ(combo.DropWidth(), 250);
    EXPECT_EQ(combo.DropDownWidth(), 250);
}

TEST(GsgComboBox, SelectItemKeepsTheIndexForUnknownText)
{
    TGsgComboBox combo(nullptr);
    fill(combo);
    combo.SelectItem("gamma");
    EXPECT_EQ(combo.ItemIndex(), 2);
    combo.SelectItem("delta");
    EXPECT_EQ(combo.ItemIndex(), 2);
}

TEST(GsgComboBox, FlatColours)
{
    constexpr TColor kLoaded = 0x00DDEEFF, kParent = 0x00336699;
    // No parent: switching Flat changes no colour.
    TGsgComboBox lone(nullptr);
    lone.SetColor(0x00123456);
    lone.SetFlat(true);
    EXPECT_EQ(lone.Color(), 0x00123456u);

    ui::TForm form(nullptr);
    form.SetColor(kParent);
    auto* combo = new TGsgComboBox(&form);
    combo->BeginLoading();
    combo->SetColor(kLoaded);
    combo->EndLoading();
    combo->SetParent(&form);
    combo->SetFlat(true);
    EXPECT_EQ(combo->Color(), kParent);
    combo->SetFlat(false);
    EXPECT_EQ(combo->Color(), kLoaded);

    // Disabling a flat combo takes the parent's colour; enabling restores colour and flag.
    combo->SetFlat(true);
    combo->SetColor(0x00010203);
    combo->SetEnabled(false);
    EXPECT_TRUE(combo->ParentColor());
    EXPECT_EQ(combo->Color(), kParent);
    combo->SetEnabled(true);
    EXPECT_FALSE(combo->ParentColor());
    EXPECT_EQ(combo->Color(), 0x00010203u);
}

TEST(GsgComboBox, FocusColourComesAndGoes)
{
    ui::TForm form(nullptr);
    form.SetBounds(0, 0, 400, 200);
    auto* combo = new TGsgComboBox(&form);
    combo->SetParent(&form);
    fill(*combo);
    auto* other = new ui::TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(10, 10, 50, 20);
    combo->SetColor(0x00EEEEEE);
    combo->Init();
    combo->SetFocusColor(0x0000FFFF);
    form.Show();
    combo->SetFocus();
    EXPECT_TRUE(combo->HasFocus());
    EXPECT_EQ(combo->Color(), 0x0000FFFFu);
    other->SetFocus();
    EXPECT_FALSE(combo->HasFocus());
    EXPECT_EQ(combo->Color(), 0x00EEEEEEu);
}

TEST(GsgComboBox, LabelPlacement)
{
    ui::TForm form(nullptr);
    auto* combo = new TGsgComboBox(&form);
    combo->SetParent(&form);
    fill(*combo);  // left 100, top 50, 120 x 22
    combo->SetLabelMargin(6);
    combo->SetLabelPosition(TLabelPosition::lpLeftTopLeft);
    combo->SetLabelCaption("A very long caption");
    ui::TLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &form);
    EXPECT_EQ(label->Left(), 94);
    EXPECT_EQ(label->Top(), 50);

    const int h = label->Height(), w = label->Width();
    struct {
        TLabelPosition position;
        int left, top;
    } cases[] = {
        {TLabelPosition::lpTopLeft, 100, 50 - h - 6},
        {TLabelPosition::lpBottomCenter, 100 + (120 - w) / 2, 78},
        {TLabelPosition::lpRightCenter, 226, 50 + (22 - h) / 2},
        {TLabelPosition::lpRighBottom, 226, 72 - h},
    };
    for (const auto& k : cases) {
        combo->SetLabelPosition(k.position);
        EXPECT_EQ(label->Left(), k.left) << int(k.position);
        EXPECT_EQ(label->Top(), k.top) << int(k.position);
    }
    // The label follows the combo's moves and visibility.
    combo->SetBounds(150, 60, 120, 22);
    EXPECT_EQ(label->Left(), 226 + 50);
    combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

class ComboPainting : public ::testing::Test {
protected:
    std::unique_ptr<ui::TBitmap> render(ui::TComboBox& combo)
    {
        auto bmp = std::make_unique<ui::TBitmap>(combo.Width(), combo.Height());
        static_cast<ui::TControl&>(combo).PaintControl(*bmp->Canvas());
        return bmp;
    }
    static bool same(const ui::TBitmap& a, const ui::TBitmap& b)
    {
        if (a.Width() != b.Width() || a.Height() != b.Height())
            return false;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    }
};

TEST_F(ComboPainting, PlainComboPaintsAsTheFrameworkCombo)
{
    TGsgComboBox flat(nullptr);
    ui::TComboBox plain(nullptr);
    for (ui::TComboBox* c : {static_cast<ui::TComboBox*>(&flat), &plain}) {
        fill(*c);
        c->SetColor(ui::clWindow);
        c->SetItemIndex(1);
    }
    EXPECT_TRUE(same(*render(flat), *render(plain)));
}

TEST_F(ComboPainting, ButtonColoursAndBorder)
{
    TGsgComboBox combo(nullptr);
    fill(combo);
    combo.ButtonColor = 0x00008000;
    combo.ButtonColorHot = 0x0000FF00;
    combo.SetBorderColor(0x000000FF);
    auto bmp = render(combo);
    const int buttonX = combo.Width() - combo.ButtonWidth() / 2;
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(buttonX, 4)), 0x00008000u);
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(0, 10)), 0x000000FFu);
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(combo.Width() - 1, 10)), 0x000000FFu);

    // Hovering over the button takes the hot colour.
    combo.Perform(ui::WM_MOUSEMOVE, 0, ui::MakeLParam(buttonX, 10));
    EXPECT_TRUE(combo.ButtonHover());
    bmp = render(combo);
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(buttonX, 4)), 0x0000FF00u);
}

TEST_F(ComboPainting, CustomPaintingAlwaysEndsWithTheBorder)
{
    // A disabled combo with only a button colour is painted by this control, and then it also
    // draws its own border: the outer ring in the parent's colour.
    constexpr TColor kParent = 0x00336699;
    ui::TForm form(nullptr);
    form.SetColor(kParent);
    auto* combo = new TGsgComboBox(&form);
    combo->SetParent(&form);
    fill(*combo);
    combo->ButtonColor = 0x00008000;
    combo->SetEnabled(false);
    auto bmp = render(*combo);
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(0, 10)), kParent);
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(10, 0)), kParent);
}

}  // namespace
