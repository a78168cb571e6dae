#include <gtest/gtest.h>

#include <memory>

#include "grid/base/GsgDateTimePicker.h"
#include "grid/base/GxDateTimePicker.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {

using gx::TCustomDateTimePicker;
using gx::TGsgDateTimePicker;
using gx::TGxDateTimeKind;
using gx::TGxDateTimePicker;
using rtl::EncodeDate;
using rtl::EncodeDateTime;
using rtl::EncodeTime;

rtl::TFormatSettings monthFirst()
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.ShortDateFormat = "M/d/yyyy";
    fs.LongTimeFormat = "h:nn:ss";
    return fs;
}

std::unique_ptr<ui::TBitmap> render(ui::TWinControl& c)
{
    auto bmp = std::make_unique<ui::TBitmap>(c.Width(), c.Height());
    c.PaintTree(*bmp->Canvas());
    return bmp;
}

bool same(const ui::TBitmap& a, const ui::TBitmap& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return a.Width() == b.Width() && a.Height() == b.Height();
}

class FlatPickers : public ::testing::Test {
protected:
    rtl::TRegionalScope regional_{monthFirst()};
    rtl::TClockScope clock_{EncodeDateTime(2024, 3, 15, 9, 41, 0, 0)};
    ui::TForm form{nullptr};

    template <class P>
    P* add(int top)
    {
        auto* p = new P(&form);
        p->SetParent(&form);
        p->SetBounds(80, top, 200, 22);
        return p;
    }
    void key(unsigned vk) { ui::SendKeyStroke(&form, vk); }
    void type(char32_t ch)
    {
        ui::SendKeyStroke(&form, 0xE5, 0, ch);
        ui::Application->ProcessMessages();
    }
};

TEST_F(FlatPickers, StartWithTheirOwnLooks)
{
    TGsgDateTimePicker gsg(nullptr);
    EXPECT_TRUE(gsg.Ctl3D());
    EXPECT_EQ(gsg.BorderStyle(), ui::TBorderStyle::bsNone);
    EXPECT_EQ(gsg.BorderColor(), ui::clNone);
    EXPECT_EQ(gsg.ButtonWidth(), ui::TWinControl::ScrollBarSize + 2);
    EXPECT_FALSE(gsg.MetroStyle());
    gsg.SetVersion("9.9");
    EXPECT_EQ(gsg.Version(), "1.0.0.0");

    TCustomDateTimePicker custom(nullptr);
    EXPECT_FALSE(custom.Ctl3D());
    EXPECT_EQ(custom.BorderStyle(), ui::TBorderStyle::bsNone);
    EXPECT_EQ(custom.BorderColor(), ui::clBlack);
    EXPECT_FALSE(custom.AutoTab());
    EXPECT_TRUE(custom.SuppressFlatBorder());
}

TEST_F(FlatPickers, WithoutTheFlatLookTheyPaintAsTheFrameworkPicker)
{
    TGsgDateTimePicker gsg(nullptr);
    ui::TDateTimePicker plain(nullptr);
    for (ui::TDateTimePicker* p : {static_cast<ui::TDateTimePicker*>(&gsg), &plain}) {
        p->SetBounds(0, 0, 160, 22);
        p->SetDateTime(EncodeDate(2024, 2, 29));
    }
    EXPECT_TRUE(same(*render(gsg), *render(plain)));
    // A border colour without the three-dimensional look adds the flat outline.
    gsg.SetCtl3D(false);
    plain.SetCtl3D(false);
    gsg.SetBorderColor(0x000000FF);
    EXPECT_FALSE(same(*render(gsg), *render(plain)));
}

TEST_F(FlatPickers, TheMetroStyleDrawsTheButtonInItsColoursExceptForTimes)
{
    TGsgDateTimePicker picker(nullptr);
    picker.SetBounds(0, 0, 160, 22);
    picker.SetMetroStyle(true);
    picker.SetCtl3D(false);
    picker.ButtonColor = 0x00008000;
    picker.SetBorderColor(0x000000FF);
    const int buttonX = picker.Width() - picker.ButtonWidth() / 2;
    auto bmp = render(picker);
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(buttonX, 5)), 0x00008000u);
    EXPECT_EQ(ui::ColorToRGB(bmp->Pixel(0, 10)), 0x000000FFu);  // the border colour
    picker.SetKind(ui::TDateTimeKind::dtkTime);
    bmp = render(picker);
    EXPECT_NE(ui::ColorToRGB(bmp->Pixel(buttonX, 5)), 0x00008000u);
}

TEST_F(FlatPickers, AutoTabMovesOnOnlyWhenATimeFieldChanged)
{
    auto* picker = add<TCustomDateTimePicker>(10);
    picker->ui::TDateTimePicker::SetKind(ui::TDateTimeKind::dtkTime);
    picker->SetDateTime(EncodeTime(1, 30, 0, 0));
    picker->SetAutoTab(true);
    form.Show();
    picker->SetFocus();
    EXPECT_EQ(picker->ActiveField(), ui::TDTField::dtfHour);
    type(U'1');  // the hour stays 1
    EXPECT_EQ(picker->ActiveField(), ui::TDTField::dtfHour);
    type(U'4');  // "14": the hour changed
    EXPECT_EQ(picker->Text(), "14:30:00");
    EXPECT_EQ(picker->ActiveField(), ui::TDTField::dtfMinute);
    picker->SetAutoTab(false);
    type(U'5');
    EXPECT_EQ(picker->ActiveField(), ui::TDTField::dtfMinute);
}

TEST_F(FlatPickers, TheDateAndTimePickerCarriesATimePartAtItsRight)
{
    auto* picker = add<TGxDateTimePicker>(10);
    EXPECT_EQ(picker->Kind(), TGxDateTimeKind::dkDateTime);
    gx::TCustomDateTimePicker* part = picker->TimePicker();
    ASSERT_NE(part, nullptr);
    EXPECT_TRUE(part->Visible());
    EXPECT_EQ(part->Parent(), picker);
    EXPECT_EQ(part->Kind(), ui::TDateTimeKind::dtkTime);
    const ui::TRect dateText = picker->FieldRect(picker->FieldCount() - 1);
    EXPECT_GT(part->Left(), dateText.Right);
    EXPECT_LT(part->Left() + part->Width(), picker->Width() - picker->ButtonWidth());

    // Milliseconds are dropped; the value reads back from both parts.
    picker->SetDateTime(EncodeDateTime(2024, 2, 29, 13, 45, 10, 999));
    EXPECT_EQ(picker->Text(), "2/29/2024");
    EXPECT_EQ(part->Text(), "13:45:10");
    part->SetTime(EncodeTime(8, 0, 0, 0));
    EXPECT_NEAR(picker->DateTime(), EncodeDateTime(2024, 2, 29, 8, 0, 0, 0), 1e-9);
    picker->SetDate(EncodeDate(2025, 1, 1));
    EXPECT_NEAR(picker->DateTime(), EncodeDateTime(2025, 1, 1, 8, 0, 0, 0), 1e-9);

    picker->SetKind(TGxDateTimeKind::dkDate);
    EXPECT_EQ(picker->TimePicker(), nullptr);
    picker->SetKind(TGxDateTimeKind::dkTime);
    picker->SetTimeFormat("HH:mm");
    EXPECT_EQ(picker->Format(), "HH:mm");
}

TEST_F(FlatPickers, AutoTabWalksTheDateFieldsIntoTheTimePart)
{
    auto* picker = add<TGxDateTimePicker>(10);
    picker->SetFormat("dd/MM/yyyy");
    picker->SetDateTime(EncodeDateTime(2024, 3, 15, 10, 0, 0, 0));
    picker->SetAutoTab(true);
    int timeChanges = 0;
    picker->OnTimeChange = [&](ui::TObject*) { ++timeChanges; };
    form.Show();
    picker->SetFocus();
    EXPECT_EQ(picker->ActiveField(), ui::TDTField::dtfDay);
    type(U'2');  // day 2
    EXPECT_EQ(picker->ActiveField(), ui::TDTField::dtfMonth);
    type(U'7');  // July
    EXPECT_EQ(picker->ActiveField(), ui::TDTField::dtfYear);
    type(U'3');  // 2003: the last field of the format was typed
    EXPECT_EQ(picker->Text(), "02/07/2003");
    EXPECT_TRUE(picker->TimePicker()->Focused());
    // The time part's own AutoTab, and its changes reported as time changes.
    type(U'9');
    EXPECT_EQ(picker->TimePicker()->ActiveField(), ui::TDTField::dtfMinute);
    EXPECT_EQ(timeChanges, 1);
}

TEST_F(FlatPickers, AClearedCheckBoxDisablesTheTimePart)
{
    auto* picker = add<TGxDateTimePicker>(10);
    picker->SetShowCheckbox(true);
    int dropDowns = 0, closeUps = 0;
    picker->OnDropDown = [&](ui::TObject*) { ++dropDowns; };
    picker->OnCloseUp = [&](ui::TObject*) { ++closeUps; };
    form.Show();
    picker->SetFocus();
    type(U' ');
    EXPECT_FALSE(picker->Checked());
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    type(U' ');
    EXPECT_TRUE(picker->TimePicker()->Enabled());
    picker->SetChecked(false);
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    picker->SetDateTime(EncodeDate(2024, 5, 1));
    EXPECT_TRUE(picker->TimePicker()->Enabled());
    // The calendar's events still fire.
    key(ui::VK_F4);
    key(ui::VK_ESCAPE);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(closeUps, 1);
}

TEST_F(FlatPickers, TheLabelSitsBesideThePickerAndFollowsIt)
{
    auto* picker = add<TGxDateTimePicker>(40);
    picker->SetLabelMargin(6);
    picker->SetLabelPosition(gx::TLabelPosition::lpLeftTopLeft);
    picker->SetLabelCaption("Start");
    ui::TLabel* label = picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &form);
    EXPECT_EQ(label->Left(), 74);
    EXPECT_EQ(label->Top(), 40);
    int clicks = 0;
    picker->OnLabelClick = [&](ui::TObject* sender) {
        EXPECT_EQ(sender, picker);
        ++clicks;
    };
    ui::SendClick(label, 2, 2);
    EXPECT_EQ(clicks, 1);
    picker->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    picker->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
}

}  // namespace
