#include "platform/rtl/StrUtils.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

TEST(StrUtils, TrimRemovesBlanksAndControlsButNotOtherBytes)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("\x01 x "), "x ");
    EXPECT_EQ(TrimRight(" x\x7f "), " x\x7f");  // DEL is above the blank range
    EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is text, not a blank
    EXPECT_EQ(Trim("   "), "");
}

TEST(StrUtils, CaseConversionAsciiOnlyVersusLatin1)
{
    EXPECT_EQ(UpperCase("abc \xC3\xA9"), "ABC \xC3\xA9");
    EXPECT_EQ(AnsiUpperCase("abc \xC3\xA9\xC3\xB7"), "ABC \xC3\x89\xC3\xB7");  // é→É, ÷ stays
    EXPECT_EQ(AnsiLowerCase("\xC3\x80Z\xC3\x97"), "\xC3\xA0z\xC3\x97");        // À→à, × stays
    EXPECT_EQ(AnsiUpperCase("\xFFx"), "\xFFX");                                // invalid bytes pass through unchanged
    struct Case {
        const char* lower;
        const char* upper;
    };
    const Case pairs[] = {
        {"\xC5\x82\xC3\xB3"
         "d\xC5\xBA",
         "\xC5\x81\xC3\x93"
         "D\xC5\xB9"},  // łódź / ŁÓDŹ
        {"\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD1\x91",
         "\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2 \xD0\x81"},  // привет ё
        {"\xCE\xB1\xCF\x89", "\xCE\x91\xCE\xA9"},                       // αω / ΑΩ
        {"\xC3\xBF", "\xC5\xB8"},                                       // ÿ / Ÿ
    };
    for (const Case& c : pairs) {
        EXPECT_EQ(AnsiUpperCase(c.lower), c.upper) << c.lower;
        EXPECT_EQ(AnsiLowerCase(c.upper), c.lower) << c.upper;
        EXPECT_TRUE(AnsiSameText(c.lower, c.upper)) << c.lower;
    }
    EXPECT_EQ(AnsiUpperCase("\xCF\x82"), "\xCE\xA3");  // final sigma
    EXPECT_EQ(AnsiLowerCase("\xC4\xB0"), "\xC4\xB0");  // dotted capital I is left as it is
}

TEST(StrUtils, Comparisons)
{
    struct Case {
        const char* a;
        const char* b;
        int text;
        int ansiText;
        int str;
    };
    const Case cases[] = {
        {"abc", "ABC", 0, 0, 1},
        {"abc", "abd", -1, -1, -1},
        {"ab", "abc", -1, -1, -1},
        {"", "", 0, 0, 0},
        {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", 1, 0, 1},  // only the Latin-1 aware compare folds é
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(CompareText(c.a, c.b), c.text);
        EXPECT_EQ(AnsiCompareText(c.a, c.b), c.ansiText);
        EXPECT_EQ(CompareStr(c.a, c.b), c.str);
        EXPECT_EQ(-CompareText(c.b, c.a), c.text);
    }
    // Case-sensitive dictionary order: letters first, small before capital among equals.
    EXPECT_LT(AnsiCompareStr("a", "B"), 0);
    EXPECT_LT(AnsiCompareStr("b", "B"), 0);
    EXPECT_GT(AnsiCompareStr("B", "a"), 0);
    EXPECT_EQ(AnsiCompareStr("x", "x"), 0);
    EXPECT_TRUE(SameText("Row", "ROW"));
    EXPECT_FALSE(SameText("Row", "Rows"));
    EXPECT_TRUE(StartsText("ETH", "ethercat"));
    EXPECT_TRUE(EndsText(".XML", "ParGen.xml"));
    EXPECT_FALSE(EndsStr(".XML", "ParGen.xml"));
    EXPECT_TRUE(ContainsText("EtherNet/IP", "net/ip"));
}

TEST(StrUtils, PositionsAreOneBasedAndCopyClips)
{
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("b", "abcb", 3), 4);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("a", "abc", 0), 0);
    EXPECT_EQ(Pos("a", "abc", 10), 0);
    EXPECT_EQ(PosText("B", "abc"), 2);

    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab");  // index below 1 counts as 1
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 2, -1), "");
    EXPECT_EQ(LeftStr("abc", 5), "abc");
    EXPECT_EQ(RightStr("abc", 2), "bc");

    std::string s = "abcdef";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "adef");
    Delete(s, 10, 2);
    EXPECT_EQ(s, "adef");
    Insert("XY", s, 2);
    EXPECT_EQ(s, "aXYdef");
    Insert("!", s, 100);
    EXPECT_EQ(s, "aXYdef!");
    EXPECT_EQ(LastDelimiter("\\/", "C:\\a/b\\c.txt"), 7);
}

TEST(StrUtils, StringReplace)
{
    struct Case {
        const char* s;
        const char* from;
        const char* to;
        TReplaceFlags flags;
        const char* expected;
    };
    const Case cases[] = {
        {"a.b.c", ".", ",", rfNone, "a,b.c"},
        {"a.b.c", ".", ",", rfReplaceAll, "a,b,c"},
        {"Abc abc", "ABC", "x", rfReplaceAll | rfIgnoreCase, "x x"},
        {"Abc abc", "ABC", "x", rfReplaceAll, "Abc abc"},
        {"aaa", "a", "aa", rfReplaceAll, "aaaaaa"},  // replacement text is not searched again
        {"abc", "", "x", rfReplaceAll, "abc"},
        {"\xC3\xA9t\xC3\xA9", "\xC3\x89", "e", rfReplaceAll | rfIgnoreCase, "ete"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected) << c.s;
}

TEST(StrUtils, SplitKeepsEmptyParts)
{
    EXPECT_EQ(SplitString("a;;b;", ";"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(SplitString("", ";"), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitString("1.2,3", ".,"), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(StrUtils, QuotingRoundTrips)
{
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(AnsiDequotedStr("'it''s'", '\''), "it's");
    EXPECT_EQ(AnsiDequotedStr("'open", '\''), "'open");  // unterminated: unchanged
    EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
    EXPECT_EQ(AnsiDequotedStr("\"a\"rest", '"'), "a");
}

TEST(StrUtils, Utf8LengthCountsCodePoints)
{
    EXPECT_EQ(Utf8Length("a\xC3\xA9\xE2\x82\xAC"), 3);
    EXPECT_EQ(Utf8Length("\xFF\xFE"), 2);
}

TEST(StrUtils, Utf8LeftTakesWholeCharacters)
{
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a, e acute, euro, an emoji
    EXPECT_EQ(Utf8Left(text, 0), "");
    EXPECT_EQ(Utf8Left(text, 2), "a\xC3\xA9");
    EXPECT_EQ(Utf8Left(text, 3), "a\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(Utf8Left(text, 9), text);
    EXPECT_EQ(Utf8Left("\xFF\xC3\xA9", 1), "\xFF");  // a malformed byte counts as one
}

}  // namespace
}  // namespace rtl
