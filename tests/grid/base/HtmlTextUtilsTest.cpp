#include "grid/base/HtmlTextUtils.h"

#include <gtest/gtest.h>

#include "CaseName.h"

namespace {

using namespace gx;

struct CodingCase {
    const char* what;
    const char* plain;
    const char* encoded;
    bool named;
};

class EntityCoding : public ::testing::TestWithParam<CodingCase> {};

TEST_P(EntityCoding, EncodesAndDecodesBack)
{
    const auto& c = GetParam();
    EXPECT_EQ(EncodeHTMLEntities(c.plain, c.named), c.encoded);
    EXPECT_EQ(DecodeHTMLEntities(c.encoded, c.named), c.plain);
}

INSTANTIATE_TEST_SUITE_P(Texts, EntityCoding,
                         ::testing::Values(CodingCase{"markup characters", "a&b<c>", "a&amp;b&lt;c&gt;", false},
                                           CodingCase{"double quotes", "say \"hi\"", "say &quot;hi&quot;", false},
                                           CodingCase{"named letter", "\xC3\xA9", "&eacute;", true},
                                           CodingCase{"named letters and euro sign", "\xC3\x89t\xC3\xA9 \xE2\x82\xAC",
                                                      "&Eacute;t&eacute; &euro;", true},
                                           // Texts that look like entities survive the round trip.
                                           CodingCase{"entity text of less than", "&lt;", "&amp;lt;", false},
                                           CodingCase{"ampersand lookalike", "*amp;", "*amp;", false},
                                           CodingCase{"entity text of quote", "&quot;", "&amp;quot;", false},
                                           CodingCase{"entity text of named letter", "&eacute;", "&amp;eacute;", true}),
                         testsupport::kNameByWhat);

TEST(EntityCoding, NamedTableOnlyWhenAsked)
{
    EXPECT_EQ(EncodeHTMLEntities("\xC3\xA9", false), "\xC3\xA9");
    EXPECT_EQ(DecodeHTMLEntities("&eacute;", false), "&eacute;");
    // Basic entities decode in any case; named ones prefer their exact case.
    EXPECT_EQ(DecodeHTMLEntities("&LT;&Amp;", false), "<&");
    EXPECT_EQ(DecodeHTMLEntities("&Eacute;&eacute;", true), "\xC3\x89\xC3\xA9");
    EXPECT_EQ(DecodeHTMLEntities("&COPY;", true), "\xC2\xA9");
    EXPECT_EQ(DecodeHTMLEntities("a & b &unknown;", true), "a & b &unknown;");
}

TEST(StripHTMLTags, RemovesTagsAndBreaksLines)
{
    EXPECT_EQ(StripHTMLTags("a<br>b<B>c</B>"), "a\r\nbc");
    EXPECT_EQ(StripHTMLTags("x<HR>y"), "x\r\ny");
    EXPECT_EQ(StripHTMLTags("&lt;kept&gt;"), "&lt;kept&gt;");
    EXPECT_EQ(StripHTMLTags("open <b unclosed"), "open <b unclosed");
}

struct HighlightCase {
    const char* what;
    const char* text;
    const char* search;
    bool caseSensitive;
    const char* expected;
};

class Highlight : public ::testing::TestWithParam<HighlightCase> {};

TEST_P(Highlight, MarksVisibleMatchesAndRemovesAgain)
{
    const auto& c = GetParam();
    const std::string marked = HighlightHTMLText(c.text, c.search, "hi", c.caseSensitive);
    EXPECT_EQ(marked, c.expected);
    EXPECT_EQ(RemoveHighlightTags(marked, "HI"), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Highlight,
    ::testing::Values(HighlightCase{"match inside a tag", "ab<i>cd</i>", "cd", true, "ab<hi><i>cd</hi></i>"},
                      HighlightCase{"case-sensitive miss", "ab<i>cd</i>", "CD", true, "ab<i>cd</i>"},
                      HighlightCase{"case-insensitive matches", "xAbyab", "ab", false, "x<hi>Ab</hi>y<hi>ab</hi>"},
                      HighlightCase{"match across tags", "a<b>c</b>d", "acd", false, "<hi>a<b>c</b>d</hi>"},
                      HighlightCase{"no match", "nothing", "zz", false, "nothing"}),
    testsupport::kNameByWhat);

TEST(Highlight, LiteralBracketsAreEscapedInTheResult)
{
    EXPECT_EQ(HighlightHTMLText("a > b", "b", "hi", true), "a &gt; <hi>b</hi>");
}

const char* const kControls = "<CONTROL TYPE=\"button\" ID=\"b1\" VALUE=\"Go\">"
                              "text <CONTROL TYPE=\"edit\" ID=\"e1\" WIDTH=\"50\" VALUE=\"x\">"
                              "<control type=\"combo\" id=\"c1\" value=\"a&amp;b\" prop=\"p&lt;\" maxlen=\"12\">"
                              "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"10\">";

TEST(HtmlControls, ParsesAttributes)
{
    std::string type, id, value, width, height, prop, maxLen;
    ParseControlTag("control type=\"combo\" id=\"c1\" value=\"a&amp;b\" prop=\"p&lt;\" maxlen=\"12\">", type, id, value,
                    width, height, prop, maxLen);
    EXPECT_EQ(type, "COMBO");
    EXPECT_EQ(id, "c1");
    EXPECT_EQ(value, "a&b");
    EXPECT_EQ(prop, "p<");
    EXPECT_EQ(maxLen, "12");
    EXPECT_EQ(width, "");
    EXPECT_EQ(height, "");

    // An attribute name written inside another value, or as part of a longer name, is not it.
    ParseControlTag("CONTROL VALUE=\"ID=x\" GRID=\"g\" ID=\"real\"", type, id, value, width, height, prop, maxLen);
    EXPECT_EQ(id, "real");
    EXPECT_EQ(value, "ID=x");
}

TEST(HtmlControls, QueriesByID)
{
    EXPECT_TRUE(HasHTMLControl("a <control"));
    EXPECT_FALSE(HasHTMLControl("a <b>"));

    EXPECT_EQ(GetNextHTMLControlID(kControls, ""), "e1");
    EXPECT_EQ(GetNextHTMLControlID(kControls, "e1"), "c1");
    EXPECT_EQ(GetNextHTMLControlID(kControls, "c1"), "");
    EXPECT_EQ(GetNextHTMLControlID(kControls, "missing"), "");

    std::string value = "unchanged";
    EXPECT_TRUE(GetHTMLControlValue(kControls, "c1", value));
    EXPECT_EQ(value, "a&b");
    EXPECT_FALSE(GetHTMLControlValue(kControls, "zz", value));
    EXPECT_EQ(value, "a&b");
    EXPECT_EQ(GetHTMLControlProp(kControls, "c1"), "p<");
    EXPECT_EQ(GetHTMLControlMaxLen(kControls, "c1"), 12);
    EXPECT_EQ(GetHTMLControlMaxLen(kControls, "e1"), 0);
}

TEST(HtmlControls, SetValueRewritesOnlyThatTag)
{
    std::string text = "pre <CONTROL TYPE=\"edit\" ID=\"e1\" WIDTH=\"50\" VALUE=\"x\"> post";
    EXPECT_TRUE(SetHTMLControlValue(text, "e1", "a<b"));
    EXPECT_EQ(text, "pre <CONTROL ID=\"e1\" VALUE=\"a&lt;b\" WIDTH=\"50\" TYPE=\"EDIT\"> post");
    std::string back;
    ASSERT_TRUE(GetHTMLControlValue(text, "e1", back));
    EXPECT_EQ(back, "a<b");

    std::string other = kControls;
    EXPECT_FALSE(SetHTMLControlValue(other, "nope", "v"));
    EXPECT_EQ(other, kControls);

    ASSERT_TRUE(SetHTMLControlValue(other, "c1", "new"));
    EXPECT_NE(other.find("<CONTROL ID=\"c1\" VALUE=\"new\" WIDTH=\"\" TYPE=\"COMBO\" PROP=\"p&lt;\" "
                         "MAXLEN=\"12\">"),
              std::string::npos);
}

TEST(HtmlControls, ResetRadiosClearsEveryRadio)
{
    const std::string text = "<CONTROL TYPE=\"radio\" ID=\"r1\" VALUE=\"TRUE\"><CONTROL TYPE=\"RADIO\" ID=\"r2\" "
                             "VALUE=\"true\"><CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"TRUE\">";
    const std::string reset = ResetHTMLRadioControls(text);
    std::string v;
    for (const char* id : {"r1", "r2"}) {
        ASSERT_TRUE(GetHTMLControlValue(reset, id, v));
        EXPECT_EQ(v, "FALSE") << id;
    }
    ASSERT_TRUE(GetHTMLControlValue(reset, "k", v));
    EXPECT_EQ(v, "TRUE");
}

TEST(HtmlTextHelpers, SmallRoutines)
{
    EXPECT_EQ(SpacesToNbsp("a b "), "a&nbsp;b&nbsp;");
    EXPECT_EQ(PasswordMask("a\xC3\xA9z"), "***");
    std::string t = "One TWO two";
    EXPECT_TRUE(ReplaceFirstText("two", "2", t));
    EXPECT_EQ(t, "One 2 two");
    EXPECT_FALSE(ReplaceFirstText("three", "3", t));

    struct {
        const char* text;
        int value;
        bool ok;
    } numbers[] = {{"  42px", 42, true}, {"-7", -7, true}, {"$1F", 31, true},
                   {"0x10", 16, true},   {"x", 0, false},  {"", 0, false}};
    for (const auto& n : numbers) {
        bool ok = !n.ok;
        EXPECT_EQ(HtmlReadInt(n.text, &ok), n.value) << n.text;
        EXPECT_EQ(ok, n.ok) << n.text;
    }
}

}  // namespace
