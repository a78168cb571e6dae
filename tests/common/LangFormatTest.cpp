#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/LangFormat.h"
#include "common/ULanguage.h"

namespace {

struct FormatCase {
    const char* name;
    const char* text;
    std::vector<rtl::TVarRec> args;
    const char* expected;
};

class SafeFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SafeFormat, PrintsWhatItCan)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(Safe_Format(c.text, c.args), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, SafeFormat,
    ::testing::Values(
        FormatCase{"BothNumbersFilled", "Server %d Variable %d!! Time", {3, 7}, "Server 3 Variable 7!! Time"},
        FormatCase{"MissingArgumentKeepsPlaceholder", "Row %d of %d, bound %d", {4, 2000}, "Row 4 of 2000, bound %d"},
        FormatCase{"NoArgumentsAtAll", "Row %d!! Position %d", {}, "Row %d!! Position %d"},
        FormatCase{"ExtraArgumentsLeftOut", "Delete row?", {5, 6}, "Delete row?"},
        FormatCase{"StringPlaceholderGivenNumber", "Zeile %s", {12}, "Zeile 12"},
        FormatCase{"NumberPlaceholderGivenString", "Row %d", {"abc"}, "Row abc"},
        FormatCase{"FloatPlaceholderTakesNumber", "Value %.1f", {2}, "Value 2.0"},
        FormatCase{"IndexReordersArguments", "Variable %1:d in server %0:d", {3, 7}, "Variable 7 in server 3"},
        FormatCase{"IndexBeyondArgumentsStays", "Row %5:d", {1}, "Row %5:d"},
        FormatCase{"IndexWithWidth", "[%1:3d|%0:-3d]", {1, 2}, "[  2|1  ]"},
        FormatCase{"WidthAndPrecisionHonoured", "[%4d|%-4d|%.3d]", {7, 8, 9}, "[   7|8   |009]"},
        FormatCase{"OversizedWidthPrintsPlainly", "[%99999999999d]", {7}, "[7]"},
        FormatCase{"PercentPairIsOnePercent", "100%% of %d", {1}, "100% of 1"},
        FormatCase{"TrailingPercentStays", "Done %", {1}, "Done %"},
        FormatCase{"UnknownLetterStays", "%z and %d", {4}, "%z and 4"},
        FormatCase{"StarWidthIsNotFilled", "%*d", {4, 5}, "%*d"},
        FormatCase{"BlankAfterPercentStays", "50 % done %d", {1}, "50 % done 1"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

// A translated text that lost or reordered its placeholders still gives a readable message; the
// built-in texts come out filled.
TEST(LangSafeFormat, TranslatedTextIsPrintedAsFarAsItCan)
{
    Load_Default_Lang();
    EXPECT_EQ(Lang_Safe_Format(4527, {3, 2000}), "Error row 3!! Position Must be Between 0 and 2000");
    EXPECT_EQ(Lang_Safe_Format(4528, {9}), "Are you sure to delete the Row number 9");
    EXPECT_EQ(Lang_Safe_Format(4200, {1, 2, 1499}),
              "Error in Server Number 1 in Read Variable 2!! Position must be between 0 and 1499");

    Lang_List[4527] = "Fehler Zeile %d: Position %d..%d %s";
    EXPECT_EQ(Lang_Safe_Format(4527, {3, 2000}), "Fehler Zeile 3: Position 2000..%d %s");
    Lang_List[4528] = "Zeile wirklich loeschen?";
    EXPECT_EQ(Lang_Safe_Format(4528, {9}), "Zeile wirklich loeschen?");
    Load_Default_Lang();
}

}  // namespace
