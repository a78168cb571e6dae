// Text codings: every coding must read back through its partner, and the exact byte layouts the
// grid's files and the clipboard rely on.
#include "grid/base/VozEdidCoding.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

TEST(CellLineBreaks, RoundTripsMultiLineTextAndLeavesUncodedTextAlone)
{
    const std::string multi = std::string("first\r\nsecond\r\n\0x", 17);
    const std::string coded = EncodeCellLineBreaks(multi);
    EXPECT_EQ(coded.find('\r'), std::string::npos);
    EXPECT_EQ(coded.find('\n'), std::string::npos);
    EXPECT_EQ(coded.find('\0'), std::string::npos);
    EXPECT_EQ(DecodeCellLineBreaks(coded, true), multi);
    EXPECT_EQ(DecodeCellLineBreaks(coded, false), "first");

    // A text without CR is not coded, so its TAB survives the round trip as a TAB.
    EXPECT_EQ(EncodeCellLineBreaks("a\tb"), "a\tb");
    EXPECT_EQ(DecodeCellLineBreaks("a\tb", true), "a\tb");
}

TEST(CellLineBreaks, ExtractFirstLineKeepsOrDropsTheRest)
{
    struct Case {
        std::string text;
        bool keepRest;
        std::string line, rest;
    } cases[] = {
        {"a\r\nb", true, "a", "b"},       {"a\r\nb", false, "a", ""},
        {"a\r\r\nb", true, "a", "\r\nb"},  // only one CR and the LF right after it go
        {"plain", true, "plain", ""},     {"", true, "", ""},
    };
    for (auto c : cases) {
        std::string line = "junk";
        ExtractFirstLine(c.text, c.keepRest, line);
        EXPECT_EQ(line, c.line) << c.line;
        EXPECT_EQ(c.text, c.rest) << c.line;
    }
    EXPECT_EQ(LineCount("a\r\nb\r\nc", true), 3);
    EXPECT_EQ(LineCount("a\r\nb\r\nc", false), 1);
}

TEST(TextCodings, EachCodingAsStored)
{
    struct Case {
        const char* name;
        std::string (*fn)(std::string_view);
        std::string in, out;
    } cases[] = {
        {"quote", QuoteMultiLine, "x\r\ny", "\"x\vy\""},
        {"vt", VTToCRLF, "x\vy", "x\r\ny"},
        {"tilde out", LineBreaksToTilde, "a\r\nb", "a~b"},
        {"tilde in", TildeToLineBreaks, "a~b", "a\r\nb"},
        {"caret", TildeToLineBreaks, "^", ""},
        {"caret kept", TildeToLineBreaks, "^^", "^^"},
        {"bs in", BackslashNToCR, "a\\nb", "a\rb"},
        {"bs out", CRToBackslashN, "a\r\nb", "a\\nb"},
        {"br", LineBreaksToBR, "a\r\nb", "a<br>\nb"},
        {"crlf", CRToLF, "a\r\nb", "a\n\nb"},
        {"remove cr", RemoveCR, "a\r\nb\r", "a\nb"},
        {"escape", EscapeQuotes, "say \"hi\"", "say \"\"hi\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.fn(c.in), c.out) << c.name;

    std::string s = "a\r\nb\rc";
    RemoveCRBeforeLF(s);
    EXPECT_EQ(s, "a\nb\rc");
    EXPECT_EQ(VTToCRLF(QuoteMultiLine("x\r\ny").substr(1, 3)), "x\r\ny");
}

TEST(CsvQuotes, UndoubleAndFindTheClosingQuote)
{
    EXPECT_EQ(UndoubleChar('"', "a\"\"b"), "a\"b");
    EXPECT_EQ(UndoubleChar('"', "a\"\"\"b"), "a\"\"b");
    EXPECT_EQ(UndoubleChar('"', "plain"), "plain");

    struct Case {
        std::string text;
        int end;
    } cases[] = {
        {"ab\"\",c", 0},    // an escaped quote inside the field
        {"ab\",c", 3},      // the field closes before the comma
        {"ab\"", 3},        // closing quote at the end of the line
        {"ab\"\"", 4},      // a quote at the end closes whatever the run
        {"ab\"\"\",c", 5},  // escaped quote, then the closing one
        {"abc", 0},        {"", 0},
    };
    for (const auto& c : cases) {
        int pos = -1;
        EXPECT_EQ(FindQuoteEnd('"', c.text, pos), c.end) << c.text;
        EXPECT_EQ(pos, c.end) << c.text;
    }
    EXPECT_EQ(CountQuoteEnds('"', "a\",b\",c"), 2);
    EXPECT_EQ(CountQuoteEnds('"', "a\"\"b"), 0);
    EXPECT_EQ(CountQuoteEnds('"', "a\"\"b\""), 1);
}

TEST(TextCodings, OemRoundTripIsOneBytePerCharacter)
{
    std::string s = "Grüße ½";
    StringToOem(s);
    EXPECT_EQ(s.size(), 7u);
    OemToString(s);
    EXPECT_EQ(s, "Grüße ½");
}

TEST(ClipboardHtml, HeaderOffsetsPointIntoTheResult)
{
    EXPECT_EQ(ColorToHTMLHex(0xCC8844), "4488CC");
    EXPECT_EQ(ColorToHTMLHex(0xFF000005), "050000");  // system colours are not resolved

    for (std::string fragment : {std::string(), std::string("<b>x</b>"), std::string("Größe")}) {
        const std::string original = fragment;
        BuildClipboardHTML(fragment);
        const std::size_t L = original.size();
        EXPECT_EQ(fragment.size(), 306 + L);
        EXPECT_EQ(
            fragment.substr(0, 97),
            "Version:1.0\r\nStartHTML:00000097\r\nEndHTML:" + std::string(8 - std::to_string(306 + L).size(), '0') +
                std::to_string(306 + L) + "\r\nStartFragment:00000274\r\nEndFragment:" +
                std::string(8 - std::to_string(274 + L).size(), '0') + std::to_string(274 + L) + "\r\n");
        EXPECT_EQ(fragment.substr(97, 9), "<!DOCTYPE");
        EXPECT_EQ(fragment.substr(274 - 20, 20), "<!--StartFragment-->");
        EXPECT_EQ(fragment.substr(274, L), original);
        EXPECT_EQ(fragment.substr(274 + L), "<!--EndFragment--></body></html>");
    }
}

TEST(StringUtilities, PositionsAndFields)
{
    EXPECT_EQ(CharPos('b', "abc"), 2);
    EXPECT_EQ(CharPos('x', "abc"), 0);
    int pos = 7;
    EXPECT_EQ(VarCharPos('x', "abc", pos), 0);
    EXPECT_EQ(pos, 7);  // left alone when absent
    EXPECT_EQ(VarCharPos('c', "abc", pos), 3);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(VarPos("cd", "abcd", pos), 3);
    struct UpperCase {
        const char* sub;
        const char* text;
        int pos;
    } upperCases[] = {
        {"BC", "xabc", 3},     {"ÉCOLE", "école", 1},  // non-ASCII letters are upper-cased as well
        {"ÇA", "voilà ça", 8},                         // byte positions of the original text
        {"ΑΒ", "αβγ", 1},      {"bc", "xabc", 0},      // Sub is expected in upper case
    };
    for (const auto& c : upperCases)
        EXPECT_EQ(PosInUpperCase(c.sub, c.text), c.pos) << c.text;
    EXPECT_EQ(WidePos(u"é", u"caféx"), 4);

    std::string s = "key=value=x";
    EXPECT_EQ(ExtractField(s, "="), "key");
    EXPECT_EQ(s, "value=x");
    EXPECT_EQ(ExtractField(s, ";"), "");
    EXPECT_EQ(s, "value=x");

    rtl::TStringList lines;
    lines.Add("ab");
    lines.Add("");
    lines.Add("c");
    EXPECT_EQ(ConcatStrings(lines), "abc");

    const ui::TGridRect r{1, 2, 3, 4};
    EXPECT_TRUE(CellInGridRect(r, 1, 2));
    EXPECT_TRUE(CellInGridRect(r, 3, 4));
    EXPECT_FALSE(CellInGridRect(r, 4, 4));
    EXPECT_FALSE(CellInGridRect(r, 2, 1));

    std::string pwd = "pässwort";
    FillString(pwd, U'*');
    EXPECT_EQ(pwd, "********");
    EXPECT_EQ(CountChar(';', "a;b;;c"), 3);
}

TEST(StringUtilities, LimitValueAppliesOnlyPositiveLimits)
{
    struct Case {
        int value, min, max, expected;
    } cases[] = {
        {50, 0, 30, 30}, {50, 0, 0, 50}, {5, 10, 10, 5}, {5, 10, 40, 10}, {-5, -10, 40, -5}, {50, 10, -1, 50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimitValue(c.value, c.min, c.max), c.expected) << c.value << " " << c.min << " " << c.max;
    EXPECT_EQ(Max(3, -4), 3);
    EXPECT_EQ(Min(3, -4), -4);
}

TEST(StringUtilities, NumberCharactersAreTheUnicodeNumberCategories)
{
    for (char32_t c : {U'0', U'9', U'²', U'½', U'٣', U'Ⅳ'})
        EXPECT_TRUE(IsNumberChar(c)) << int(c);
    for (char32_t c : {U'a', U'.', U'-', U' ', U'/', U':'})
        EXPECT_FALSE(IsNumberChar(c)) << int(c);
}

}  // namespace
}  // namespace gx
