#include "platform/ui/DateTimePicker.h"

#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/MonthCalendar.h"
#include "platform/ui/PopupWindow.h"

using namespace ui;
using rtl::EncodeDate;
using rtl::EncodeDateTime;

namespace {

rtl::TFormatSettings monthFirst()
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.ShortDateFormat = "M/d/yyyy";
    fs.LongTimeFormat = "h:nn:ss";
    return fs;
}

// A picker on a shown form with the focus, a fixed clock and regional settings; its events
// counted.
class Picker : public ::testing::Test {
protected:
    Picker()
    {
        form.SetBounds(0, 0, 300, 200);
        picker = new TDateTimePicker(&form);
        picker->SetParent(&form);
        picker->SetBounds(10, 10, 150, 22);
        picker->OnChange = [this](TObject*) { ++changes; };
        picker->OnDropDown = [this](TObject*) { ++dropDowns; };
        picker->OnCloseUp = [this](TObject*) { ++closeUps; };
        form.Show();
        picker->SetFocus();
        picker->SetDateTime(EncodeDateTime(2024, 1, 31, 10, 20, 30, 0));
    }
    void key(unsigned vk, TShiftState shift = 0) { SendKeyStroke(&form, vk, shift); }
    void type(char32_t ch) { SendKeyStroke(&form, 0xE5, 0, ch); }

    rtl::TRegionalScope regional_{monthFirst()};
    rtl::TClockScope clock_{EncodeDateTime(2024, 3, 15, 9, 41, 0, 0)};
    TForm form{nullptr};
    TDateTimePicker* picker = nullptr;
    int changes = 0, dropDowns = 0, closeUps = 0;
};

TEST_F(Picker, ShowsTheRegionalFormatInFields)
{
    EXPECT_EQ(picker->Text(), "1/31/2024");
    EXPECT_EQ(changes, 0);  // set from code
    EXPECT_EQ(picker->ActiveField(), TDTField::dtfMonth);
    key(VK_RIGHT);
    EXPECT_EQ(picker->ActiveField(), TDTField::dtfDay);
    key(VK_RIGHT);
    key(VK_RIGHT);  // stays on the last field
    EXPECT_EQ(picker->ActiveField(), TDTField::dtfYear);

    picker->SetFormat("dddd, dd MMMM yyyy");
    EXPECT_EQ(picker->Text(), "Wednesday, 31 January 2024");
    EXPECT_EQ(picker->ActiveField(), TDTField::dtfDay);  // the day name is no field to edit
    picker->SetKind(TDateTimeKind::dtkTime);
    picker->SetFormat("");
    EXPECT_EQ(picker->Text(), "10:20:30");
    picker->SetFormat("hh:mm tt");
    EXPECT_EQ(picker->Text(), "10:20 AM");
}

TEST_F(Picker, ArrowsStepTheActiveFieldAndKeepADate)
{
    struct {
        int rights;
        unsigned vk;
        const char* text;
    } cases[] = {
        {0, VK_UP, "2/29/2024"},                             // the month; the day held to February's end
        {0, VK_DOWN, "1/29/2024"}, {1, VK_UP, "1/30/2024"},  // the day
        {1, VK_UP, "1/31/2024"},   {1, VK_UP, "1/1/2024"},   // wraps within the month
        {2, VK_DOWN, "1/1/2023"},
    };
    for (const auto& k : cases) {
        while (picker->ActiveFieldIndex() > 0)
            key(VK_LEFT);
        for (int i = 0; i < k.rights; ++i)
            key(VK_RIGHT);
        key(k.vk);
        EXPECT_EQ(picker->Text(), k.text);
    }
    EXPECT_EQ(changes, 6);
    EXPECT_NEAR(picker->Time(), rtl::EncodeTime(10, 20, 30, 0), 1e-9);
}

TEST_F(Picker, DigitsTypeIntoTheActiveField)
{
    type(U'1');
    type(U'2');
    EXPECT_EQ(picker->Text(), "12/31/2024");
    type(U'4');  // 124 cannot be: 4 starts the month anew
    EXPECT_EQ(picker->Text(), "4/30/2024");
    key(VK_RIGHT);
    type(U'3');
    type(U'9');  // no day 39 in April: 9 starts the day anew
    EXPECT_EQ(picker->Text(), "4/9/2024");
    key(VK_RIGHT);
    type(U'9');
    type(U'9');
    EXPECT_EQ(picker->Text(), "4/9/1999");  // two digits: the century window
    key(VK_LEFT);
    key(VK_RIGHT);
    type(U'2');
    type(U'0');
    type(U'3');
    type(U'1');
    EXPECT_EQ(picker->Text(), "4/9/2031");
}

TEST_F(Picker, LimitsHoldTheValue)
{
    picker->SetMinDate(EncodeDate(2024, 1, 10));
    picker->SetMaxDate(EncodeDate(2024, 2, 20));
    key(VK_UP);
    EXPECT_EQ(picker->Text(), "2/20/2024");
    picker->SetDateTime(EncodeDate(2023, 5, 5));
    EXPECT_EQ(picker->Text(), "1/10/2024");
}

TEST_F(Picker, TheCheckBoxSaysWhetherAValueIsSet)
{
    picker->SetShowCheckbox(true);
    EXPECT_TRUE(picker->Checked());
    type(U' ');
    EXPECT_FALSE(picker->Checked());
    EXPECT_EQ(changes, 1);
    key(VK_UP);  // no value to step
    EXPECT_EQ(picker->Text(), "1/31/2024");
    SendClick(picker, picker->CheckboxRect().Left + 3, picker->CheckboxRect().Top + 3);
    EXPECT_TRUE(picker->Checked());
    EXPECT_EQ(changes, 2);
    picker->SetChecked(false);  // from code: no event
    EXPECT_FALSE(picker->Checked());
    picker->SetDateTime(EncodeDate(2024, 2, 2));
    EXPECT_TRUE(picker->Checked());
    EXPECT_EQ(changes, 2);
}

TEST_F(Picker, F4DropsTheCalendarWhoseKeysAndClicksSetTheDate)
{
    key(VK_F4);
    ASSERT_TRUE(picker->DroppedDown());
    EXPECT_EQ(dropDowns, 1);
    TMonthCalendar* calendar = picker->Calendar();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(picker->CalendarPopup()->IsOpen());
    EXPECT_DOUBLE_EQ(calendar->Date(), EncodeDate(2024, 1, 31));

    // Keys typed on the form go to the calendar; the picker follows.
    key(VK_RIGHT);
    key(VK_DOWN);
    EXPECT_EQ(picker->Text(), "2/8/2024");
    EXPECT_EQ(changes, 2);
    key(VK_RETURN);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(closeUps, 1);
    EXPECT_NEAR(picker->Time(), rtl::EncodeTime(10, 20, 30, 0), 1e-9);

    // Alt+Down opens it again; a click on a day picks that day.
    key(VK_DOWN, ssAlt);
    calendar = picker->Calendar();
    ASSERT_NE(calendar, nullptr);
    const TRect day = calendar->DayRect(EncodeDate(2024, 2, 14));
    SendClick(calendar, day.Left + 2, day.Top + 2);
    EXPECT_EQ(picker->Text(), "2/14/2024");
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(closeUps, 2);

    // Escape closes without a change; so does a press outside.
    key(VK_F4);
    key(VK_ESCAPE);
    EXPECT_FALSE(picker->DroppedDown());
    key(VK_F4);
    RouteMouseEvent(&form, WM_LBUTTONDOWN, 250, 150, MK_LBUTTON);
    RouteMouseEvent(&form, WM_LBUTTONUP, 250, 150);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(closeUps, 4);
    EXPECT_EQ(picker->Text(), "2/14/2024");
}

TEST_F(Picker, TheUpDownModeStepsInsteadOfDroppingDown)
{
    picker->SetDateMode(TDTDateMode::dmUpDown);
    key(VK_F4);
    EXPECT_FALSE(picker->DroppedDown());
    const TRect b = picker->ButtonRect();
    SendClick(picker, b.Left + 3, b.Top + 2);
    EXPECT_EQ(picker->Text(), "2/29/2024");
    SendClick(picker, b.Left + 3, b.Bottom - 2);
    EXPECT_EQ(picker->Text(), "1/29/2024");
}

TEST(MonthCalendar, TodayWeekNumbersAndLimits)
{
    rtl::TRegionalScope regional(monthFirst());
    rtl::TClockScope clock(EncodeDateTime(2024, 3, 15, 9, 0, 0, 0));
    TMonthCalendar calendar(nullptr);
    EXPECT_DOUBLE_EQ(calendar.Date(), EncodeDate(2024, 3, 15));
    // March 2024 starts on a Friday: the rows start on Sunday 25 February.
    EXPECT_DOUBLE_EQ(calendar.FirstShownDay(), EncodeDate(2024, 2, 25));
    const TSize plain = calendar.MinimumSize();
    calendar.SetWeekNumbers(true);
    EXPECT_GT(calendar.MinimumSize().cx, plain.cx);
    calendar.SetShowToday(false);
    EXPECT_LT(calendar.MinimumSize().cy, plain.cy);
    EXPECT_TRUE(calendar.TodayRect().IsEmpty());

    calendar.SetShowToday(true);
    calendar.SetBounds(0, 0, calendar.MinimumSize().cx, calendar.MinimumSize().cy);
    int selects = 0;
    calendar.OnSelect = [&](TObject*) { ++selects; };
    calendar.SetDate(EncodeDate(2023, 7, 1));
    const TRect today = calendar.TodayRect();
    SendClick(&calendar, today.Left + 30, today.Top + 3);
    EXPECT_DOUBLE_EQ(calendar.Date(), EncodeDate(2024, 3, 15));
    EXPECT_EQ(selects, 1);
    const TRect next = calendar.NextButtonRect();
    SendClick(&calendar, next.Left + 4, next.Top + 4);
    EXPECT_EQ(calendar.DisplayMonth(), 4);

    calendar.SetMaxDate(EncodeDate(2024, 4, 20));
    unsigned down = VK_NEXT;
    calendar.HandleKey(down, 0);
    EXPECT_DOUBLE_EQ(calendar.Date(), EncodeDate(2024, 4, 20));
    EXPECT_EQ(down, 0u);
}

}  // namespace
