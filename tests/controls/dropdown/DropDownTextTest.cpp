// The text classifiers of the typed entry.
#include <gtest/gtest.h>

#include "controls/dropdown/GxDropDownText.h"
#include "platform/rtl/Regional.h"

using namespace dropdown;

namespace {

struct KindCase {
    const char* Name;
    const char* Text;
    char Decimal;
    const char* Thousand;
    int Kind;
};

class TextNumberKindCases : public ::testing::TestWithParam<KindCase> {};

}  // namespace

TEST_P(TextNumberKindCases, ClassifiesByTheRegionalSeparators)
{
    const KindCase& c = GetParam();
    rtl::TFormatSettings fmt = rtl::TFormatSettings::Neutral();
    fmt.DecimalSeparator = c.Decimal;
    fmt.ThousandSeparator = c.Thousand;
    rtl::TRegionalScope scope(fmt);
    EXPECT_EQ(TextNumberKind(c.Text), c.Kind);
}

INSTANTIATE_TEST_SUITE_P(TextNumberKind, TextNumberKindCases,
                         ::testing::Values(KindCase{"Empty", "", '.', ",", 2}, KindCase{"Words", "abc x", '.', ",", 2},
                                           KindCase{"NegativeWhole", "-12", '.', ",", 0},
                                           KindCase{"Whole", "12", '.', ",", 0}, KindCase{"Hex", "1F", '.', ",", 5},
                                           KindCase{"HexLettersOnly", "abc", '.', ",", 5},
                                           KindCase{"Decimal", "1.5", '.', ",", 1},
                                           KindCase{"TwoMinus", "1--2", '.', ",", 2},
                                           KindCase{"TwoDecimalSeparators", "1.5.2", '.', ",", 2},
                                           KindCase{"GroupedThousands", "1,234,567.5", '.', ",", 1},
                                           KindCase{"ThousandsTooClose", "1,2,3", '.', ",", 2},
                                           KindCase{"ThousandSeparatorFirst", ",123", '.', ",", 2},
                                           KindCase{"CommaDecimal", "1,5", ',', ".", 1},
                                           KindCase{"CommaDecimalTwice", "1,5,6", ',', ".", 2}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(TextHelpers, HexDigitsAndValues)
{
    EXPECT_EQ(HexDigitValue(U'7'), 7);
    EXPECT_EQ(HexDigitValue(U'b'), 11);
    EXPECT_EQ(HexDigitValue(U'F'), 15);
    EXPECT_EQ(HexDigitValue(U'g'), 0);
    EXPECT_EQ(HexToInt("FF"), 255);
    EXPECT_EQ(HexToInt("1g"), 16) << "an unknown character counts 0 but keeps its place";
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexToInt("100000000"), 0) << "32-bit wrap-around";
    EXPECT_EQ(HexToInt(""), 0);
}

TEST(TextHelpers, RangeSeparatorsThousandsAndCase)
{
    for (char32_t c : {U',', U'-', U';'})
        EXPECT_TRUE(IsRangeSeparator(c));
    for (char32_t c : {U'.', U' ', U'1'})
        EXPECT_FALSE(IsRangeSeparator(c));

    rtl::TFormatSettings fmt = rtl::TFormatSettings::Neutral();
    fmt.ThousandSeparator = "\xC2\xA0";  // a no-break space
    rtl::TRegionalScope scope(fmt);
    EXPECT_EQ(RemoveThousandSeparators("1\xC2\xA0"
                                       "234\xC2\xA0"
                                       "567,5"),
              "1234567,5");
    fmt.ThousandSeparator = "";
    rtl::TRegionalScope none(fmt);
    EXPECT_EQ(RemoveThousandSeparators("1,234"), "1,234");

    EXPECT_EQ(UpperCaseUnless("abc\xC3\xA9", false), "ABC\xC3\x89");
    EXPECT_EQ(UpperCaseUnless("abc", true), "abc");
}
