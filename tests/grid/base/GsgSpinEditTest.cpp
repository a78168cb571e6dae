#include "grid/base/GsgSpinEdit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {

using gx::TGsgSpinEdit;
using gx::TGsgSpinType;
using rtl::EncodeDate;
using rtl::EncodeTime;

// Month-first dates with "/", 24-hour times with ":", "." decimals, "," thousands.
rtl::TFormatSettings monthFirst()
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.ShortDateFormat = "M/d/yyyy";
    fs.LongTimeFormat = "h:nn:ss";
    return fs;
}

// Day-first dates with ".", "," decimals, "." thousands.
rtl::TFormatSettings dayFirst()
{
    rtl::TFormatSettings fs = monthFirst();
    fs.ShortDateFormat = "dd.MM.yyyy";
    fs.DateSeparator = '.';
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ".";
    return fs;
}

// A spin edit and a second edit on a shown form, a fixed clock and regional settings.
class SpinEdit : public ::testing::Test {
protected:
    explicit SpinEdit(const rtl::TFormatSettings& fs = monthFirst()) : regional_(fs)
    {
        form.SetBounds(0, 0, 300, 120);
        spin = new TGsgSpinEdit(&form);
        spin->SetParent(&form);
        spin->SetBounds(10, 10, 120, 24);
        other = new ui::TEdit(&form);
        other->SetParent(&form);
        other->SetBounds(10, 50, 120, 24);
        form.Show();
        spin->SetFocus();
    }
    // Types one character through the input path (key down, character, key up).
    void type(char32_t ch) { ui::SendKeyStroke(spin, 0xE5, 0, ch); }
    void type(const std::u32string& text)
    {
        for (char32_t ch : text)
            type(ch);
    }
    void key(unsigned vk, ui::TShiftState shift = 0) { ui::SendKeyStroke(spin, vk, shift); }
    // Puts the caret at a code-point position.
    void caret(int pos) { spin->SetSelStart(pos); }

    rtl::TRegionalScope regional_;
    rtl::TClockScope clock_{rtl::EncodeDateTime(2024, 3, 15, 9, 41, 0, 0)};
    ui::TForm form{nullptr};
    TGsgSpinEdit* spin = nullptr;
    ui::TEdit* other = nullptr;
};

class DayFirstSpinEdit : public SpinEdit {
protected:
    DayFirstSpinEdit() : SpinEdit(dayFirst()) {}
};

TEST_F(SpinEdit, StartsAsAWholeNumberZero)
{
    EXPECT_EQ(spin->Text(), "0");
    EXPECT_EQ(spin->SpinType(), TGsgSpinType::sptNormal);
    EXPECT_EQ(spin->Value(), 0);
    EXPECT_EQ(spin->MinValue, 0);
    EXPECT_EQ(spin->MaxValue, 100);
    EXPECT_EQ(spin->Button()->Parent(), spin);
    EXPECT_EQ(spin->Button()->FocusControl(), spin);
}

TEST_F(SpinEdit, ReadingFallsBackWhenTheTextIsNoValue)
{
    spin->MinValue = 5;
    spin->MaxValue = 50;
    spin->MinDateValue = EncodeDate(2000, 1, 1);
    const rtl::TDateTime now = rtl::Now();
    struct {
        const char* text;
        int value;
        double floatValue;
        rtl::TDateTime dateValue, timeValue;
    } cases[] = {
        {"", 0, 5, now, 0},  // the float falls back to the integer minimum
        {"0", 0, 0, now, 0},
        {" 42 ", 42, 42, EncodeDate(2000, 1, 1), 0},
        {"abc", 5, 5, EncodeDate(2000, 1, 1), 0},
        {"2.5", 5, 2.5, EncodeDate(2000, 1, 1), 0},
        {"7/4/2023", 5, 5, EncodeDate(2023, 7, 4), 0},
        {"13:45:10", 5, 5, EncodeDate(2000, 1, 1), EncodeTime(13, 45, 10, 0)},
    };
    for (const auto& k : cases) {
        spin->SetText(k.text);
        EXPECT_EQ(spin->Value(), k.value) << k.text;
        EXPECT_DOUBLE_EQ(spin->FloatValue(), k.floatValue) << k.text;
        EXPECT_DOUBLE_EQ(spin->DateValue(), k.dateValue) << k.text;
        EXPECT_NEAR(spin->TimeValue(), k.timeValue, 1e-9) << k.text;
    }
}

TEST_F(SpinEdit, WholeNumbersStayWithinTheirLimits)
{
    struct {
        int min, max, set;
        const char* shown;
    } cases[] = {
        {0, 100, 50, "50"}, {0, 100, -3, "0"}, {0, 100, 250, "100"}, {0, 0, -3, "-3"}, {7, 7, 1000, "1000"},
    };
    for (const auto& k : cases) {
        spin->MinValue = k.min;
        spin->MaxValue = k.max;
        spin->SetValue(k.set);
        EXPECT_EQ(spin->Text(), k.shown) << k.min << ".." << k.max << " " << k.set;
    }

    // At the maximum the up arrow keeps the value; a typed value is held to the limits on exit.
    spin->MinValue = 0;
    spin->MaxValue = 100;
    spin->SetValue(100);
    key(ui::VK_UP);
    EXPECT_EQ(spin->Value(), 100);
    spin->SelectAll();
    type(U"250");
    EXPECT_EQ(spin->Text(), "250");
    other->SetFocus();
    EXPECT_EQ(spin->Text(), "100");
}

TEST_F(SpinEdit, KeysAndButtonsStepByTheIncrement)
{
    spin->Increment = 5;
    spin->SetValue(10);
    key(ui::VK_UP);
    EXPECT_EQ(spin->Value(), 15);
    key(ui::VK_NEXT);
    EXPECT_EQ(spin->Value(), 10);
    key(ui::VK_DOWN);
    EXPECT_EQ(spin->Value(), 5);

    // The stepping keys are the control's own: OnKeyDown does not see them.
    int seen = 0;
    spin->OnKeyDown = [&](ui::TObject*, unsigned&, ui::TShiftState) { ++seen; };
    key(ui::VK_PRIOR);
    EXPECT_EQ(spin->Value(), 10);
    EXPECT_EQ(seen, 0);

    // A read-only edit beeps and keeps its value.
    spin->SetReadOnly(true);
    const int beeps = ui::MessageBeepCount();
    key(ui::VK_UP);
    EXPECT_EQ(spin->Value(), 10);
    EXPECT_EQ(ui::MessageBeepCount(), beeps + 1);
}

TEST_F(SpinEdit, FloatsShowTheirPrecisionAndRefuseAnExtraDecimal)
{
    spin->SetPrecision(2);
    spin->SetSpinType(TGsgSpinType::sptFloat);
    spin->SetFloatValue(1);
    EXPECT_EQ(spin->Text(), "1.00");
    key(ui::VK_UP);
    EXPECT_EQ(spin->Text(), "1.10");
    key(ui::VK_PRIOR);
    EXPECT_EQ(spin->Text(), "2.10");

    // A third decimal is refused with a beep; a second decimal separator too.
    spin->SetText("2.1");
    caret(3);
    type(U'5');
    EXPECT_EQ(spin->Text(), "2.15");
    const int beeps = ui::MessageBeepCount();
    type(U'7');
    EXPECT_EQ(spin->Text(), "2.15");
    caret(0);
    type(U'.');
    EXPECT_EQ(spin->Text(), "2.15");
    EXPECT_EQ(ui::MessageBeepCount(), beeps + 2);

    // The general form without precision; limits at or beyond an end give the end.
    spin->SetPrecision(0);
    spin->MinFloatValue = -1;
    spin->MaxFloatValue = 1;
    spin->SetFloatValue(0.25);
    EXPECT_EQ(spin->Text(), "0.25");
    spin->SetFloatValue(3);
    EXPECT_EQ(spin->Text(), "1");
}

TEST_F(SpinEdit, ChangingTheKindRewritesTheValue)
{
    spin->SetValue(5);
    spin->SetPrecision(1);
    spin->SetSpinType(TGsgSpinType::sptFloat);
    EXPECT_EQ(spin->Text(), "5.0");
    // "0" and empty texts read as the current date.
    spin->SetText("0");
    spin->SetSpinType(TGsgSpinType::sptDate);
    EXPECT_EQ(spin->Text(), "3/15/2024");
    spin->SetSpinType(TGsgSpinType::sptTime);
    EXPECT_EQ(spin->Text(), "0:00:00");
}

TEST_F(SpinEdit, DatesStepTheFieldUnderTheCaret)
{
    spin->SetSpinType(TGsgSpinType::sptDate);
    struct {
        const char* start;
        int caret;
        unsigned key;
        const char* result;
    } cases[] = {
        {"1/31/2024", 0, ui::VK_UP, "2/29/2024"},    // month, the day held to the month's end
        {"1/31/2024", 1, ui::VK_UP, "2/29/2024"},    // still the month: the caret before the separator
        {"1/31/2024", 2, ui::VK_UP, "2/1/2024"},     // day
        {"1/31/2024", 4, ui::VK_DOWN, "1/30/2024"},  // day
        {"1/31/2024", 5, ui::VK_UP, "1/31/2025"},    // year
        {"2/29/2024", 6, ui::VK_UP, "2/28/2025"},    // a leap day a year on is 28 February
        {"2/29/2024", 6, ui::VK_DOWN, "2/28/2023"}, {"2/28/2023", 8, ui::VK_UP, "2/28/2024"},
    };
    for (const auto& k : cases) {
        spin->SetText(k.start);
        caret(k.caret);
        key(k.key);
        EXPECT_EQ(spin->Text(), k.result) << k.start << " caret " << k.caret;
        EXPECT_EQ(spin->SelStart(), k.caret) << k.start;
    }

    // Date limits hold the value.
    spin->MinDateValue = EncodeDate(2024, 1, 1);
    spin->MaxDateValue = EncodeDate(2024, 12, 31);
    spin->SetText("12/31/2024");
    caret(3);
    key(ui::VK_UP);
    EXPECT_EQ(spin->Text(), "12/31/2024");
}

TEST_F(DayFirstSpinEdit, DatesStepTheFieldUnderTheCaret)
{
    spin->SetSpinType(TGsgSpinType::sptDate);
    struct {
        const char* start;
        int caret;
        const char* result;
    } cases[] = {
        {"31.01.2024", 0, "01.02.2024"},
        {"31.01.2024", 3, "29.02.2024"},
        {"31.01.2024", 6, "31.01.2025"},
        {"29.02.2024", 9, "28.02.2025"},
    };
    for (const auto& k : cases) {
        spin->SetText(k.start);
        caret(k.caret);
        key(ui::VK_UP);
        EXPECT_EQ(spin->Text(), k.result) << k.start << " caret " << k.caret;
    }
}

TEST_F(SpinEdit, TimesStepTheFieldUnderTheCaretAndWrapAtMidnight)
{
    spin->SetSpinType(TGsgSpinType::sptTime);
    spin->ShowSeconds = false;
    spin->IncrementMinutes = 15;
    struct {
        const char* start;
        int caret;
        unsigned key;
        const char* result;
    } cases[] = {
        {"23:30", 0, ui::VK_UP, "0:30"},
        {"0:10", 3, ui::VK_DOWN, "23:55"},
        {"10:50", 4, ui::VK_UP, "11:05"},
    };
    for (const auto& k : cases) {
        spin->SetText(k.start);
        caret(k.caret);
        key(k.key);
        EXPECT_EQ(spin->Text(), k.result) << k.start;
    }
    // With seconds, the caret past the second separator steps the seconds.
    spin->ShowSeconds = true;
    spin->IncrementSeconds = 30;
    spin->SetText("10:00:45");
    caret(7);
    key(ui::VK_UP);
    EXPECT_EQ(spin->Text(), "10:01:15");
}

TEST_F(SpinEdit, TypedCharactersAreCheckedAgainstTheKind)
{
    struct Case {
        TGsgSpinType kind;
        const char* text;
        int selStart, selLength;
        char32_t key;
        bool accepted;
    };
    const Case cases[] = {
        {TGsgSpinType::sptNormal, "12", 2, 0, U'3', true},
        {TGsgSpinType::sptNormal, "12", 2, 0, U'a', false},
        {TGsgSpinType::sptNormal, "12", 2, 0, U'.', false},
        {TGsgSpinType::sptNormal, "12", 0, 0, U'-', true},  // a sign in front
        {TGsgSpinType::sptNormal, "12", 1, 0, U'-', false},
        {TGsgSpinType::sptNormal, "-12", 0, 0, U'-', false},  // only one
        {TGsgSpinType::sptNormal, "-12", 0, 1, U'-', true},   // replacing the one there
        {TGsgSpinType::sptFloat, "1.5", 3, 0, U'.', false},
        {TGsgSpinType::sptFloat, "1.5", 0, 3, U'.', true},
        {TGsgSpinType::sptFloat, "1", 1, 0, U',', false},  // thousands separator
        {TGsgSpinType::sptFloat, "1", 1, 0, U':', false},
        {TGsgSpinType::sptTime, "1", 1, 0, U':', true},
        {TGsgSpinType::sptTime, "1:2:3", 5, 0, U':', false},  // a third time separator
        {TGsgSpinType::sptTime, "1", 1, 0, U'/', false},
        {TGsgSpinType::sptDate, "1", 1, 0, U'/', true},
        {TGsgSpinType::sptDate, "1", 1, 0, U':', false},
        {TGsgSpinType::sptDate, "1", 1, 0, U'x', false},
    };
    for (const auto& k : cases) {
        spin->SetSpinType(k.kind);
        spin->SetText(k.text);
        spin->SetSelStart(k.selStart);
        spin->SetSelLength(k.selLength);
        const int beeps = ui::MessageBeepCount();
        type(k.key);
        // A refused character beeps and leaves the text; an accepted one is typed.
        const bool refused = ui::MessageBeepCount() == beeps + 1;
        EXPECT_EQ(refused, !k.accepted) << int(k.kind) << " '" << k.text << "' + " << char(k.key);
        if (refused)
            EXPECT_EQ(spin->Text(), k.text);
        else
            EXPECT_NE(rtl::Utf8ToCodePoints(spin->Text()).find(k.key), std::u32string::npos) << char(k.key);
    }
}

TEST_F(SpinEdit, ADashDateSeparatorCanBeTypedInsideADate)
{
    rtl::TFormatSettings fs = monthFirst();
    fs.ShortDateFormat = "yyyy-MM-dd";
    fs.DateSeparator = '-';
    rtl::TRegionalScope iso(fs);
    spin->SetSpinType(TGsgSpinType::sptDate);
    spin->SetText("2024");
    caret(4);
    type(U'-');
    EXPECT_EQ(spin->Text(), "2024-");
}

TEST_F(SpinEdit, WithTheEditorDisabledOnlySteppingChangesTheValue)
{
    spin->EditorEnabled = false;
    spin->SetValue(12);
    EXPECT_EQ(spin->SelLength(), 2);  // every assignment selects the text
    caret(2);
    type(U'3');
    type(8);
    key(ui::VK_DELETE);
    caret(0);
    key(ui::VK_DELETE);
    EXPECT_EQ(spin->Text(), "12");
    ui::Clipboard()->SetAsText("99");
    spin->SelectAll();
    type(22);  // Ctrl+V
    type(24);  // Ctrl+X
    EXPECT_EQ(spin->Text(), "12");
    key(ui::VK_UP);
    key(ui::VK_PRIOR);
    EXPECT_EQ(spin->Value(), 14);
}

TEST_F(SpinEdit, EnterActsAsTabWhenAsked)
{
    key(ui::VK_RETURN, 0);
    ui::Application->ProcessMessages();
    EXPECT_TRUE(spin->Focused());
    spin->ReturnIsTab = true;
    key(ui::VK_RETURN, 0);
    ui::Application->ProcessMessages();
    EXPECT_TRUE(other->Focused());
}

TEST_F(DayFirstSpinEdit, TheKeypadDecimalKeyTypesTheRegionalSeparator)
{
    spin->SetSpinType(TGsgSpinType::sptFloat);
    spin->SetText("1");
    caret(1);
    ui::SendKeyStroke(spin, ui::VK_DECIMAL, 0, U'.', ui::KeyDataOfScanCode(ui::SC_DECIMAL));
    EXPECT_EQ(spin->Text(), "1");  // off: "." is the thousands separator here
    spin->ExcelStyleDecimalSeparator = true;
    ui::SendKeyStroke(spin, 0xBE, 0, U'.');  // the main keyboard's "."
    EXPECT_EQ(spin->Text(), "1");
    ui::SendKeyStroke(spin, ui::VK_DECIMAL, 0, U'.', ui::KeyDataOfScanCode(ui::SC_DECIMAL));
    EXPECT_EQ(spin->Text(), "1,");
}

class SpinButtons : public SpinEdit {
protected:
    gx::TGxTimerSpeedButton* up() { return spin->Button()->UpButton(); }
    gx::TGxTimerSpeedButton* down() { return spin->Button()->DownButton(); }
};

TEST_F(SpinButtons, SitInsideTheEditAndKeepTheTextClear)
{
    const gx::TGsgSpinButton* b = spin->Button();
    // Single border: d = 5; the button is 15 wide, height − 5 high.
    EXPECT_EQ(b->Left(), spin->Width() - 15 - 5);
    EXPECT_EQ(b->Top(), 0);
    EXPECT_EQ(b->Height(), spin->Height() - 5);
    EXPECT_EQ(up()->Height(), b->Height() / 2);
    EXPECT_EQ(down()->Top(), up()->Height() - 1);
    EXPECT_EQ(spin->EditRect().Right, spin->ClientWidth() - 15 - 2);

    // A height below the text's is raised; horizontal buttons lie side by side.
    spin->SetHeight(5);
    EXPECT_EQ(spin->Height(), spin->MinHeight());
    spin->SetDirection(gx::TSpinDirection::spHorizontal);
    EXPECT_EQ(b->Width(), 20);
    EXPECT_EQ(down()->Left(), 0);
    EXPECT_EQ(up()->Left(), 11);
    EXPECT_EQ(up()->ButtonDirection, gx::TButtonDirection::bdRight);
}

TEST_F(SpinButtons, AClickStepsAndTheFocusGoesToTheEdit)
{
    other->SetFocus();
    spin->SetValue(3);
    ui::SendClick(up(), 5, 3);
    EXPECT_EQ(spin->Value(), 4);
    EXPECT_TRUE(spin->Focused());
    ui::SendClick(down(), 5, 3);
    ui::SendClick(down(), 5, 3);
    EXPECT_EQ(spin->Value(), 2);
    // A release away from the button does not click.
    ui::SendMouseDown(up(), ui::TMouseButton::mbLeft, 5, 3);
    ui::SendMouseMove(up(), 40, 40, ui::ssLeft);
    ui::SendMouseUp(up(), ui::TMouseButton::mbLeft, 40, 40);
    EXPECT_EQ(spin->Value(), 2);
}

TEST_F(SpinButtons, AHeldButtonRepeatsUntilReleased)
{
    spin->SetValue(10);
    ui::SendMouseDown(up(), ui::TMouseButton::mbLeft, 5, 3);
    ui::TTimer* timer = up()->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 400u);
    EXPECT_EQ(spin->Value(), 10);  // the press itself does not step
    timer->Fire();
    EXPECT_EQ(timer->Interval(), 100u);
    timer->Fire();
    EXPECT_EQ(spin->Value(), 12);
    // Dragged off the button: no repeats while away.
    ui::SendMouseMove(up(), 40, 40, ui::ssLeft);
    timer->Fire();
    EXPECT_EQ(spin->Value(), 12);
    ui::SendMouseMove(up(), 5, 3, ui::ssLeft);
    timer->Fire();
    EXPECT_EQ(spin->Value(), 13);
    // The release clicks once more and stops the timer.
    ui::SendMouseUp(up(), ui::TMouseButton::mbLeft, 5, 3);
    EXPECT_EQ(spin->Value(), 14);
    EXPECT_FALSE(timer->Enabled());
}

TEST_F(SpinButtons, ARepeatThatRaisesStopsTheTimer)
{
    spin->Button()->OnUpClick = [](ui::TObject*) { throw std::runtime_error("refused"); };
    ui::SendMouseDown(up(), ui::TMouseButton::mbLeft, 5, 3);
    ui::TTimer* timer = up()->RepeatTimer();
    EXPECT_THROW(timer->Fire(), std::runtime_error);
    EXPECT_FALSE(timer->Enabled());
    spin->Button()->OnUpClick = nullptr;
    ui::SendMouseUp(up(), ui::TMouseButton::mbLeft, 5, 3);
}

TEST(SpinButtonPainting, CustomColoursFollowHoverAndPress)
{
    gx::TGsgSpinButton b(nullptr);
    b.SetBounds(0, 0, 15, 24);
    b.ButtonColor = 0x00C08040;
    b.ButtonColorHot = 0x0040C080;
    b.ButtonColorDown = 0x004080C0;
    auto colourAt = [&](int x, int y) {
        ui::TBitmap bmp(b.Width(), b.Height());
        b.PaintTree(*bmp.Canvas());
        return ui::ColorToRGB(bmp.Pixel(x, y));
    };
    EXPECT_EQ(colourAt(12, 8), 0x00C08040u);
    ui::SendMouseMove(b.UpButton(), 5, 5);
    EXPECT_EQ(colourAt(12, 8), 0x0040C080u);
    ui::SendMouseDown(b.UpButton(), ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(colourAt(12, 8), 0x004080C0u);
    EXPECT_EQ(colourAt(12, 20), 0x00C08040u);  // the down button stays plain
    ui::SendMouseUp(b.UpButton(), ui::TMouseButton::mbLeft, 5, 5);
    // The arrow is black.
    EXPECT_EQ(colourAt(6, 3), 0u);
}

}  // namespace
