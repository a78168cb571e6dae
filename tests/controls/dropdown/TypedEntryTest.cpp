// Typed entry of the drop-down edit: the value between prefix and suffix, formatting by edit type,
// what typing and pasting let through, the caret rules and the clipboard events.
#include <gtest/gtest.h>

#include <vector>

#include "DropDownFixture.h"
#include "platform/ui/Clipboard.h"

using namespace dropdown;
using namespace dropdown_test;
using ui::VK_DELETE;
using ui::VK_END;
using ui::VK_HOME;
using ui::VK_LEFT;
using ui::VK_RIGHT;

namespace {

using TypedEntry = DropDownFixture<>;

}  // namespace

TEST_F(TypedEntry, ValueLiesBetweenPrefixAndSuffix)
{
    edit->SetPrefix("P:");
    edit->SetSuffix(" kg");
    edit->SetText("12");
    EXPECT_EQ(edit->RawText(), "P:12 kg");
    EXPECT_EQ(edit->Text(), "12");
    edit->SetSelStart(3);
    Key(VK_HOME);
    EXPECT_EQ(edit->SelStart(), 2) << "Home stops at the prefix";
    Key(VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 2) << "Left cannot enter the prefix";
    Key(VK_END);
    EXPECT_EQ(edit->SelStart(), 4) << "End stops before the suffix";
    Key(VK_RIGHT);
    EXPECT_EQ(edit->SelStart(), 4);
    Key(VK_DELETE);
    EXPECT_EQ(edit->RawText(), "P:12 kg") << "Delete at the end of the value does nothing";
    Key(VK_HOME, ui::ssShift);
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 2) << "Shift+Home selects the value";
    edit->SetSelStart(2);
    Type("\b");
    EXPECT_EQ(edit->RawText(), "P:12 kg") << "Backspace cannot eat the prefix";
}

TEST_F(TypedEntry, ShortTextKeepsItsCharactersWhenTheSuffixIsLonger)
{
    edit->SetSuffix("unit");
    edit->SetTextDirect("ab");
    EXPECT_EQ(edit->Text(), "ab");
}

namespace {

struct WriteCase {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    const char* Written;
    const char* Shown;
};

class TypedEntryWrite : public TypedEntry, public ::testing::WithParamInterface<WriteCase> {};

}  // namespace

TEST_P(TypedEntryWrite, FormatsTheValueForItsType)
{
    const WriteCase& c = GetParam();
    edit->SetEditType(c.Type);
    edit->SetPrecision(c.Precision);
    edit->SetText(c.Written);
    EXPECT_EQ(edit->Text(), c.Shown);
    EXPECT_EQ(edit->OldText(), "") << "writing the text is not an opening of the window";
}

INSTANTIATE_TEST_SUITE_P(
    TypedEntry, TypedEntryWrite,
    ::testing::Values(WriteCase{"FloatRounds", TDropDownEditType::etFloat, 2, "3.14159", "3.14"},
                      WriteCase{"FloatEmptyIsZero", TDropDownEditType::etFloat, 2, "", "0.00"},
                      WriteCase{"ErrorStays", TDropDownEditType::etFloat, 2, "Error", "Error"},
                      WriteCase{"MoneyGroups", TDropDownEditType::etMoney, 2, "1234567", "1,234,567.00"},
                      WriteCase{"MoneyAcceptsGroupedInput", TDropDownEditType::etMoney, 2, "1,234.5", "1,234.50"},
                      WriteCase{"NumericEmptyIsZero", TDropDownEditType::etNumeric, 0, "", "0"},
                      WriteCase{"HexUpperCase", TDropDownEditType::etHex, 0, "ff0a", "FF0A"},
                      WriteCase{"StringAsIs", TDropDownEditType::etString, 0, "", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TypedEntry, NumbersReadAndWritten)
{
    edit->SetEditType(TDropDownEditType::etFloat);
    edit->SetPrecision(3);
    edit->SetFloatValue(2.5);
    EXPECT_EQ(edit->Text(), "2.500");
    EXPECT_DOUBLE_EQ(edit->FloatValue(), 2.5);
    EXPECT_TRUE(edit->IsModified());
    edit->SetEditType(TDropDownEditType::etHex);
    edit->SetIntValue(255);
    EXPECT_EQ(edit->Text(), "FF");
    EXPECT_DOUBLE_EQ(edit->FloatValue(), 255);
    edit->SetEditType(TDropDownEditType::etMoney);
    edit->SetPrecision(2);
    edit->SetIntValue(1234567);
    EXPECT_EQ(edit->Text(), "1,234,567.00");
    EXPECT_DOUBLE_EQ(edit->FloatValue(), 1234567);
    edit->SetEditType(TDropDownEditType::etString);
    edit->SetText("abc");
    EXPECT_DOUBLE_EQ(edit->FloatValue(), 0) << "a text that is no number reads 0";
}

TEST_F(TypedEntry, ChangingTheTypeRepairsAValueThatDoesNotFit)
{
    edit->SetText("abc");
    edit->SetEditType(TDropDownEditType::etNumeric);
    EXPECT_EQ(edit->Text(), "0");
    edit->SetEditType(TDropDownEditType::etPassword);
    EXPECT_EQ(edit->PasswordChar(), U'*');
    EXPECT_FALSE(edit->CanUndo());
    edit->SetEditType(TDropDownEditType::etString);
    EXPECT_EQ(edit->PasswordChar(), 0u);
}

TEST_F(TypedEntry, MoneyGroupsWhileTypingAndCompletesDecimalsOnExit)
{
    edit->SetEditType(TDropDownEditType::etMoney);
    edit->SetPrecision(2);
    edit->SetTextDirect("");
    Type("1234567");
    EXPECT_EQ(edit->Text(), "1,234,567");
    EXPECT_EQ(edit->SelStart(), 9) << "the caret stays behind the last digit";
    other->SetFocus();
    EXPECT_EQ(edit->Text(), "1,234,567.00");
}

TEST_F(TypedEntry, MinusTogglesTheSignOnlyWhenSigned)
{
    edit->SetEditType(TDropDownEditType::etNumeric);
    edit->SetText("123");
    edit->SetSelStart(2);
    Type("-");
    EXPECT_EQ(edit->Text(), "123");
    edit->SetSigned(true);
    Type("-");
    EXPECT_EQ(edit->Text(), "-123");
    EXPECT_EQ(edit->SelStart(), 3) << "the caret keeps its place among the digits";
    Type("-");
    EXPECT_EQ(edit->Text(), "123");
    EXPECT_EQ(edit->SelStart(), 2);
}

TEST_F(TypedEntry, FullDecimalsAreOverwrittenNotExtended)
{
    edit->SetEditType(TDropDownEditType::etFloat);
    edit->SetPrecision(2);
    edit->SetText("2.50");
    edit->SetSelStart(0);
    Type(".");
    EXPECT_EQ(edit->SelStart(), 2) << "a second separator jumps behind the first";
    EXPECT_EQ(edit->Text(), "2.50");
    edit->SetSelStart(4);
    Type("7");
    EXPECT_EQ(edit->Text(), "2.50") << "no third decimal";
    edit->SetSelStart(2);
    Type("9");
    EXPECT_EQ(edit->Text(), "2.90") << "the digit before the 5 replaces it";
    edit->SetTextDirect("");
    Type(".5");
    EXPECT_EQ(edit->Text(), "0.5") << "a separator typed first gets a leading zero";
}

TEST_F(TypedEntry, LengthLimitCountsDigitsBeforeTheSeparator)
{
    edit->SetEditType(TDropDownEditType::etFloat);
    edit->SetPrecision(2);
    edit->SetLengthLimit(3);
    edit->SetText("123.4");
    edit->SetSelStart(1);
    Type("9");
    EXPECT_EQ(edit->Text(), "123.40") << "a fourth digit before the separator";
    edit->SetText("12.3");
    edit->SetSelStart(1);
    Type("9");
    EXPECT_EQ(edit->Text(), "192.30");
}

TEST_F(TypedEntry, RangeRefusesDoubleSeparators)
{
    edit->SetEditType(TDropDownEditType::etRange);
    edit->SetText("");
    Type("1-3;5");
    EXPECT_EQ(edit->Text(), "1-3;5");
    edit->SetText("1-");
    edit->SetSelStart(2);
    Type(";");
    EXPECT_EQ(edit->Text(), "1-") << "no separator right after the hyphen";
    Type("x");
    EXPECT_EQ(edit->Text(), "1-");
}

namespace {

struct CharCase {
    const char* Name;
    TDropDownEditType Type;
    const char* Typed;
    const char* Result;
};

class TypedEntryChars : public TypedEntry, public ::testing::WithParamInterface<CharCase> {};

}  // namespace

TEST_P(TypedEntryChars, EachTypeLetsItsCharactersThrough)
{
    const CharCase& c = GetParam();
    edit->SetEditType(c.Type);
    edit->SetValidChars("xy");
    edit->SetTextDirect("");
    Type(c.Typed);
    EXPECT_EQ(edit->Text(), c.Result);
}

INSTANTIATE_TEST_SUITE_P(TypedEntry, TypedEntryChars,
                         ::testing::Values(CharCase{"String", TDropDownEditType::etString, "a1-Z", "a1-Z"},
                                           CharCase{"Numeric", TDropDownEditType::etNumeric, "1a2.3", "123"},
                                           CharCase{"Hex", TDropDownEditType::etHex, "1agF", "1aF"},
                                           CharCase{"AlphaNumeric", TDropDownEditType::etAlphaNumeric, "a1-_Z", "a1Z"},
                                           CharCase{"ValidChars", TDropDownEditType::etValidChars, "xaYy", "xy"},
                                           CharCase{"Upper", TDropDownEditType::etUppercase, "abC", "ABC"},
                                           CharCase{"Lower", TDropDownEditType::etLowerCase, "AbC", "abc"},
                                           CharCase{"Mixed", TDropDownEditType::etMixedCase, "ab cD", "Ab Cd"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TypedEntry, KeypadDecimalTypesTheDecimalSeparator)
{
    rtl::TRegionalScope comma(TestRegional(',', "."));
    edit->SetExcelStyleDecimalSeparator(true);
    edit->SetEditType(TDropDownEditType::etFloat);
    edit->SetPrecision(2);
    edit->SetTextDirect("1");
    edit->SetSelStart(1);
    ui::SendKeyStroke(edit, ui::VK_DECIMAL, 0, U'.');
    EXPECT_EQ(edit->Text(), "1,");
    rtl::TRegionalScope other(TestRegional(',', " "));
    edit->SetTextDirect("2");
    edit->SetSelStart(1);
    ui::SendKeyStroke(edit, 0xBE, 0, U'.');  // the full stop of the main keyboard
    EXPECT_EQ(edit->Text(), "2") << "neither separator is a full stop";
}

namespace {

struct PasteCase {
    const char* Name;
    TDropDownEditType Type;
    bool Signed;
    const char* Clip;
    const char* Result;
};

class TypedEntryPaste : public TypedEntry, public ::testing::WithParamInterface<PasteCase> {};

}  // namespace

TEST_P(TypedEntryPaste, PastedTextMustFitTheType)
{
    const PasteCase& c = GetParam();
    edit->SetEditType(c.Type);
    edit->SetSigned(c.Signed);
    edit->SetValidChars("ab");
    edit->SetTextDirect("");
    ui::Clipboard()->SetAsText(c.Clip);
    ui::SendKeyStroke(edit, 'V', ui::ssCtrl, 22);
    EXPECT_EQ(edit->Text(), c.Result);
}

INSTANTIATE_TEST_SUITE_P(
    TypedEntry, TypedEntryPaste,
    ::testing::Values(PasteCase{"StringTakesAll", TDropDownEditType::etString, false, "a b", "a b"},
                      PasteCase{"NumericWhole", TDropDownEditType::etNumeric, false, "42", "42"},
                      PasteCase{"NumericRefusesDecimals", TDropDownEditType::etNumeric, false, "4.2", ""},
                      PasteCase{"NumericRefusesMinusUnsigned", TDropDownEditType::etNumeric, false, "-4", ""},
                      PasteCase{"NumericSignedMinus", TDropDownEditType::etNumeric, true, "-4", "-4"},
                      PasteCase{"HexNothing", TDropDownEditType::etHex, false, "FF", ""},
                      PasteCase{"RangeNothing", TDropDownEditType::etRange, false, "1-2", ""},
                      PasteCase{"ValidCharsOnly", TDropDownEditType::etValidChars, false, "abc", ""},
                      PasteCase{"UpperConverts", TDropDownEditType::etUppercase, false, "ab", "AB"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TypedEntry, ClipboardEventsSeeTheValueAndMayRefuse)
{
    std::vector<std::string> seen;
    edit->OnClipboardCopy = [&](ui::TObject*, const std::string& v, bool&) { seen.push_back("copy " + v); };
    edit->OnClipboardCut = [&](ui::TObject*, const std::string& v, bool& allow) {
        seen.push_back("cut " + v);
        allow = false;
    };
    edit->OnClipboardPaste = [&](ui::TObject*, const std::string& v, bool& allow) {
        seen.push_back("paste " + v);
        allow = v.size() < 6;
    };
    edit->SetText("hello");
    edit->SetSelStart(1);
    edit->SetSelLength(3);
    edit->Perform(ui::WM_COPY);
    EXPECT_EQ(ui::Clipboard()->AsText(), "ell");
    edit->Perform(ui::WM_CUT);
    EXPECT_EQ(edit->Text(), "hello") << "the cut was refused and copied nothing";
    ui::Clipboard()->SetAsText("XY");
    edit->Perform(ui::WM_PASTE);
    EXPECT_EQ(edit->Text(), "hXYo");
    ui::Clipboard()->SetAsText("XYZW");
    edit->SetSelStart(0);
    edit->Perform(ui::WM_PASTE);
    EXPECT_EQ(edit->Text(), "hXYo") << "refused by the handler: XYZWhXYo is too long for it";
    EXPECT_EQ(seen, (std::vector<std::string>{"copy ell", "cut ell", "paste hXYo", "paste XYZWhXYo"}));
}
