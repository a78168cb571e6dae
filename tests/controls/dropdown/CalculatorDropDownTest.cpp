// The calculator drop-down: sequences on its keys and from the keyboard, memory, errors, typing
// into the closed edit and the order of events when Enter closes it.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxCalcButtonPanel.h"
#include "controls/dropdown/GxCalculatorDropdown.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "platform/ui/PopupWindow.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

class Calculator : public DropDownFixture<TGxCalculatorDropdown> {
protected:
    ~Calculator() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }

    // Clicks the keys named in order ("1".."9", "0", "+", "-", "*", "/", "=", "%", ".", "+/-", "C",
    // "CE", "Back", "MC", "MR", "MS", "M+", "sqrt", "1/x").
    void Keys(std::initializer_list<const char*> keys)
    {
        static const std::map<std::string, int> index{
            {"0", 8},    {"1", 9},  {"2", 14}, {"3", 17},   {"4", 10}, {"5", 13},    {"6", 18},
            {"7", 11},   {"8", 12}, {"9", 19}, {"+", 23},   {"-", 22}, {"*", 21},    {"/", 20},
            {"=", 24},   {"%", 26}, {".", 16}, {"+/-", 15}, {"C", 3},  {"CE", 2},    {"", 0},
            {"Back", 1}, {"MC", 4}, {"MR", 5}, {"MS", 6},   {"M+", 7}, {"sqrt", 27}, {"1/x", 25}};
        for (const char* k : keys)
            edit->ButtonClick(index.at(k));
    }
};

}  // namespace

TEST_F(Calculator, StartsAsAFloatFieldWithTwoDecimals)
{
    EXPECT_EQ(edit->Text(), "0.00");
    EXPECT_EQ(edit->DropDownWidth(), 230);
    EXPECT_FALSE(edit->DropDownHeader()->Visible());
    ASSERT_NE(edit->ButtonPanel(), nullptr);
    EXPECT_EQ(edit->ButtonPanel()->Buttons()->Count(), 28);
}

namespace {

struct SequenceCase {
    const char* Name;
    std::vector<const char*> Keys;
    const char* Shown;
};

class CalculatorSequence : public Calculator, public ::testing::WithParamInterface<SequenceCase> {};

}  // namespace

TEST_P(CalculatorSequence, EvaluatesLeftToRight)
{
    edit->ShowDropDown();
    for (const char* k : GetParam().Keys)
        Keys({k});
    EXPECT_EQ(edit->Text(), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, CalculatorSequence,
    ::testing::Values(SequenceCase{"NoPrecedence", {"2", "+", "3", "*", "4", "="}, "20.00"},
                      SequenceCase{"PercentOfTheAccumulator", {"2", "0", "0", "+", "1", "0", "%"}, "20.00"},
                      SequenceCase{"PercentThenEquals", {"2", "0", "0", "+", "1", "0", "%", "="}, "220.00"},
                      SequenceCase{"DivisionByZero", {"7", "/", "0", "="}, "Error"},
                      SequenceCase{"AfterErrorFromZero", {"7", "/", "0", "=", "+", "5", "="}, "5.00"},
                      SequenceCase{"Decimals", {"1", ".", "2", "5", "+", "1", "="}, "2.25"},
                      SequenceCase{"SignKey", {"5", "+/-"}, "-5.00"},
                      SequenceCase{"RootOfNegative", {"4", "+/-", "sqrt"}, "Error"},
                      SequenceCase{"Root", {"1", "6", "sqrt"}, "4.00"},
                      SequenceCase{"ReciprocalOfZero", {"0", "1/x"}, "Error"},
                      SequenceCase{"Reciprocal", {"4", "1/x"}, "0.25"},
                      SequenceCase{"ClearKeepsNothingPending", {"5", "+", "3", "C", "2", "="}, "2.00"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Calculator, ErrorLeavesTheAccumulatorZero)
{
    edit->ShowDropDown();
    Keys({"7", "/", "0", "="});
    EXPECT_EQ(edit->Accumulator(), 0);
}

TEST_F(Calculator, MemorySurvivesClearing)
{
    edit->ShowDropDown();
    Keys({"1", "2", "MS", "C", "3", "M+", "CE", "MR"});
    EXPECT_EQ(edit->Memory(), 15);
    EXPECT_EQ(edit->Text(), "15.00");
    Keys({"MC", "MR"});
    EXPECT_EQ(edit->Text(), "0.00");
}

TEST_F(Calculator, BackShortensOnlyWithoutAPendingOperation)
{
    edit->ShowDropDown();
    edit->SetText("12.75");
    Keys({"Back"});
    EXPECT_EQ(edit->Text(), "12.70");
    Keys({"+", "Back"});
    EXPECT_EQ(edit->Text(), "12.70") << "an operation is pending";
}

TEST_F(Calculator, MaxLengthStopsEntryButNotOperators)
{
    edit->SetPrecision(0);
    edit->SetText("1234");
    edit->SetMaxLength(4);
    edit->SetIsModified(false);
    edit->ShowDropDown();
    Keys({"5", ".", "+/-"});
    EXPECT_EQ(edit->Text(), "1234");
    EXPECT_FALSE(edit->IsModified());
    Keys({"+", "="});
    EXPECT_EQ(edit->Text(), "2468");
}

TEST_F(Calculator, ThousandSeparatorsAreReadAsThePlainNumber)
{
    edit->SetShowThousandSeparator(true);
    edit->ShowDropDown();
    Keys({"1", "2", "3", "4", "*", "1", "0", "="});
    EXPECT_EQ(edit->Text(), "12,340.00");
    EXPECT_DOUBLE_EQ(edit->Value(), 12340);
    Keys({"+", "1", "="});
    EXPECT_EQ(edit->Text(), "12,341.00");
}

TEST_F(Calculator, TypingOnTheOpenCalculator)
{
    edit->ShowDropDown();
    Type("12+3=");
    EXPECT_EQ(edit->Text(), "15.00");
    Type("*2");
    Key(ui::VK_RETURN);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Text(), "30.00");
}

TEST_F(Calculator, EnterComputesThenCloses)
{
    std::vector<std::string> log;
    edit->OnChange = [&](ui::TObject*) { log.push_back("change " + edit->Text()); };
    edit->OnBeforeDropUp = [&](ui::TObject*) { log.push_back("before drop up"); };
    edit->OnDropUp = [&](ui::TObject*, bool cancelled) { log.push_back(cancelled ? "up cancelled" : "up"); };
    edit->ShowDropDown();
    Keys({"5", "+", "3"});
    log.clear();
    Key(ui::VK_RETURN);
    EXPECT_EQ(log, (std::vector<std::string>{"change 8.00", "before drop up", "up"}));
}

TEST_F(Calculator, EscapeBringsBackTheValueOfTheOpeningAClickOutsideKeepsTheResult)
{
    edit->SetText("1.00");
    edit->ShowDropDown();
    Keys({"5", "+", "3", "="});
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->Text(), "1.00");
    edit->ShowDropDown();
    Keys({"5", "+", "3", "="});
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 380, 280, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 380, 280);
    EXPECT_EQ(edit->Text(), "8.00");
}

TEST_F(Calculator, TypingIntoTheClosedEdit)
{
    edit->ShowDropDown();
    Keys({"5", "+", "3", "="});
    edit->HideDropDown(false);
    edit->SetSelStart(0);
    Type("+-*/%=C");
    EXPECT_EQ(edit->Text(), "8.00") << "operators are dropped";
    Type("5");
    EXPECT_EQ(edit->Text(), "5.00") << "a digit after a result starts a new number";
    EXPECT_EQ(edit->SelStart(), 1);
    Key(ui::VK_RETURN);
    EXPECT_EQ(edit->Text(), "5.00") << "Enter computes nothing in the closed edit";
}

TEST_F(Calculator, StyleGivesTheKeysTheButtonColours)
{
    edit->SetComponentStyle(gx::TGxStyle::tsOffice2010Blue);
    EXPECT_EQ(edit->CalcButtonAppearance()->Color(), edit->ButtonAppearance()->Color());
    EXPECT_EQ(edit->CalcButtonAppearance()->GlowColorHot, edit->ButtonAppearance()->ColorHot());
    edit->SetComponentStyle(gx::TGxStyle::tsWindows7);
    EXPECT_EQ(edit->CalcButtonAppearance()->GlowColorDown, 14008900u);
}
