// The filter language: comparisons as numbers, dates and texts, wildcard patterns, operators from
// left to right, groups, quotes, letter case, and filters that must end without a match.
#include "grid/base/VozEdidFilter.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/Regional.h"

namespace gx {
namespace {

struct FilterCase {
    const char* name;
    std::string filter;
    std::string value;
    bool match;
};

void PrintTo(const FilterCase& c, std::ostream* os)
{
    *os << c.filter << " on " << c.value;
}

class Filter : public ::testing::TestWithParam<FilterCase> {
protected:
    // Day-month-year with "/" so that the date cases read the same on every host.
    rtl::TRegionalScope regional{[] {
        auto fs = rtl::TFormatSettings::Neutral();
        fs.ShortDateFormat = "dd/MM/yyyy";
        return fs;
    }()};
};

TEST_P(Filter, Matches)
{
    const auto& c = GetParam();
    EXPECT_EQ(MatchFilterExpression(c.filter, c.value, true), c.match);
}

const std::string kLongOperand(300, '9');

INSTANTIATE_TEST_SUITE_P(
    Cases, Filter,
    ::testing::Values(
        FilterCase{"GreaterAsNumber", ">10", "15", true}, FilterCase{"GreaterOrEqualIncludes", ">=15", "15", true},
        FilterCase{"GreaterExcludes", ">15", "15", false}, FilterCase{"LessOrEqualIncludes", "<=15", "15", true},
        FilterCase{"LeadingEqualsDropped", "=>10", "15", true}, FilterCase{"AndOfTwoConditions", ">10&<20", "15", true},
        FilterCase{"OrOfTwoConditions", "<10|>20", "15", false},
        FilterCase{"QuotedAndIsOneCondition", "\">10&<20\"", "15", true},
        FilterCase{"EqualsMatchesExactly", "=10", "10", true}, FilterCase{"EqualsIsNoPrefix", "=10", "100", false},
        FilterCase{"StarAtEnd", "a*", "abc", true}, FilterCase{"StarAtStart", "*c", "abc", true},
        FilterCase{"StarsAround", "*b*", "abc", true}, FilterCase{"QuestionMarkOneChar", "a?c", "abc", true},
        FilterCase{"QuestionMarkNoMore", "a?", "abc", false}, FilterCase{"NegatedPattern", "!a*", "abc", false},
        FilterCase{"NegatedPatternOther", "!x*", "abc", true}, FilterCase{"PatternIsWhole", "ab", "abc", false},
        FilterCase{"GroupThenAnd", "(a*|x*)&*c", "abc", true},
        FilterCase{"LeftToRightNoPrecedence", "a*|x*&*d", "abc", false},
        FilterCase{"GroupAfterOr", "x*|(y*|a*)", "abc", true}, FilterCase{"NumbersNotText", ">10", "9", false},
        FilterCase{"TextWhenNotNumbers", ">a", "b", true},
        FilterCase{"DatesInRegionalOrder", ">01/03/2021", "02/03/2021", true},
        FilterCase{"DatesDayBeforeMonth", ">01/04/2021", "02/03/2021", false},
        FilterCase{"BlanksOutsideQuotesIgnored", "> 10 & < 20", "15", true},
        FilterCase{"QuotedBlanksKept", "\"a b\"", "a b", true}, FilterCase{"EmptyFilterMatchesEmpty", "", "", true},
        FilterCase{"EmptyFilterNotText", "", "x", false}, FilterCase{"SemicolonIsOr", "x;abc", "abc", true},
        FilterCase{"CaretIsOr", "x^abc", "abc", true},
        // Faults that must end without a match.
        FilterCase{"UnclosedGroup", "(a*|b*", "abc", false}, FilterCase{"UnclosedGroupAfterOr", "x|(a*", "abc", false},
        FilterCase{"OperandTooLong", ">" + kLongOperand, "5", false},
        FilterCase{"OperandAtTheLimit", "<" + std::string(255, '9'), "5", true},
        FilterCase{"ManyStarsEndQuickly", "*a*a*a*a*a*a*a*a*a*a*b", std::string(200, 'a'), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilterCase, LetterCaseOnlyWhenAsked)
{
    EXPECT_TRUE(MatchFilterExpression("A*", "abc", false));
    EXPECT_FALSE(MatchFilterExpression("A*", "abc", true));
    EXPECT_TRUE(MatchFilterExpression("\xC3\xA9*", "\xC3\x89t\xC3\xA9", false));  // é* matches Été
}

// A matcher made once reads each text by shortcuts (characters decoded only when needed, no
// upper-case copy of a text without lower-case letters, plain numbers read in one look); it must
// answer as one condition matched afresh, under regional settings whose separators are among the
// characters of plain numbers too.
TEST(FilterMatcher, AnswersAsTheConditionMatchedAfresh)
{
    const auto settings = [](char decimal, const char* thousand, char date, const char* format) {
        auto fs = rtl::TFormatSettings::Neutral();
        fs.DecimalSeparator = decimal;
        fs.ThousandSeparator = thousand;
        fs.DateSeparator = date;
        fs.ShortDateFormat = format;
        return fs;
    };
    const rtl::TFormatSettings regionals[] = {
        settings('.', ",", '/', "dd/MM/yyyy"),
        settings(',', ".", '.', "dd.MM.yyyy"),
        settings('.', "", '-', "yyyy-MM-dd"),
        settings('-', "9", '/', "MM/dd/yyyy"),
    };
    const char* conditions[] = {">=500000", "<500000", ">1.5",  "<=1,5", ">01.02.2020", ">2020-01-02",
                                ">abc",     "abc",     "ABC",   "a*c",   "?B?",         "!abc",
                                "123",      "-",       "1.2.3", ">-5",   "<Ã©",         "Ã©tÃ©"};
    const char* values[] = {"123", "500000", "500000.5", "-5",        "1.5",        "1,5",        "1.500",      "1.2.3",
                            "-",   "",       "1e5",      "--1",       "02.03.2021", "2021-03-02", "02/03/2021", "abc",
                            "ABC", "aBc",    "Ã©tÃ©",    "ÃTÃ", "12ÿ",        "ÿþ",         "1.5Ã©",      "9"};
    for (const rtl::TFormatSettings& fs : regionals) {
        rtl::TRegionalScope scope(fs);
        for (const char* condition : conditions)
            for (bool caseSensitive : {false, true}) {
                TFilterMatcher matcher(condition, caseSensitive);
                for (const char* value : values)
                    EXPECT_EQ(matcher.Match(value), MatchFilterTerm(condition, value, caseSensitive))
                        << condition << " on " << value << (caseSensitive ? " (case)" : "") << " with decimal "
                        << fs.DecimalSeparator << " date " << fs.DateSeparator;
            }
    }
}

// A filter that is one comparison with a number answers a number text by the numbers alone. The
// conditions sit on both sides of what that shortcut takes (inclusive and strict bounds, a text
// before the operator, a quoted operand, negation, wildcards, two bounds), the texts on the bound
// in other spellings and just off it; each answer must be the general path's.
TEST(FilterMatcher, NumberComparisonAnswersAsTheGeneralPath)
{
    const char* conditions[] = {">=500",    ">500",  "<=500", "<500",  "<=-0.5",   ">.5",  "a>5",
                                ">\"500\"", "!>500", ">=5*",  "<>500", ">500<900", ">1e2", ">-"};
    const char* values[] = {"500", "500.0", "0500", "499.99", "500.01", "-0.5", "-.5", "0",    "-0",
                            ".5",  "5.",    "1e3",  "a>5",    ">=500",  "5-",   "",    "9.9.9"};
    auto point = rtl::TFormatSettings::Neutral();
    point.DecimalSeparator = '.';
    point.ThousandSeparator = ",";
    auto comma = point;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = ".";
    for (const rtl::TFormatSettings& fs : {point, comma}) {
        rtl::TRegionalScope scope(fs);
        for (const char* condition : conditions) {
            TFilterMatcher matcher(condition, true);
            for (const char* value : values)
                EXPECT_EQ(matcher.Match(value), MatchFilterTerm(condition, value, true))
                    << condition << " on " << value << " with decimal " << fs.DecimalSeparator;
        }
    }
}

TEST(FilterHelpers, QuotesAndParentheses)
{
    int pos = 0;
    EXPECT_EQ(FindOperatorOutsideQuotes("&|", "\"a&b\"|c", pos), '|');
    EXPECT_EQ(pos, 5);
    EXPECT_EQ(FindOperatorOutsideQuotes("&|", "\"a&b\"", pos), 0);
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(RemoveBlanksOutsideQuotes("a b \"c d\" e"), "ab\"c d\"e");
    EXPECT_EQ(FindClosingParenthesis("(a(b)c)d"), 7);
    EXPECT_EQ(FindClosingParenthesis("(a(b)c"), 0);
}

TEST(FilterHelpers, NumbersAndDatesFollowTheRegionalSettings)
{
    auto fs = rtl::TFormatSettings::Neutral();
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ".";
    fs.DateSeparator = '.';
    fs.TimeSeparator = ':';
    fs.ShortDateFormat = "yyyy.MM.dd";
    rtl::TRegionalScope scope(fs);
    EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");

    rtl::TDateTime v = 0;
    ASSERT_TRUE(ParseLocaleDateTime("2021.03.02 10:20:30", v));
    EXPECT_EQ(v, rtl::EncodeDateTime(2021, 3, 2, 10, 20, 30, 0));
    ASSERT_TRUE(ParseLocaleDateTime("2021.03.02 10:20", v));
    EXPECT_EQ(v, rtl::EncodeDateTime(2021, 3, 2, 10, 20, 0, 0));
    // A time without its separator: the date is still given, the answer is no.
    EXPECT_FALSE(ParseLocaleDateTime("2021.03.02 1020", v));
    EXPECT_EQ(v, rtl::EncodeDate(2021, 3, 2));
    for (const char* bad : {"2021.02.30", "2021.13.01", "2021.03", "2021.03.02 24:00", "2021.03.02 10:60",
                            "2021.03.02 10:20:61", "x.03.02", "15"})
        EXPECT_FALSE(ParseLocaleDateTime(bad, v)) << bad;
}

}  // namespace
}  // namespace gx
