#include <gtest/gtest.h>

#include "platform/xml/Escape.h"
#include "platform/xml/Xml.h"

namespace {

struct TEscapeCase {
    const char* text;
    const char* utf8;    // TNonAscii::Keep
    const char* cp1252;  // TNonAscii::Cp1252_References
};

TEST(XmlEscape, ReservedControlAndNonAsciiCharacters)
{
    const TEscapeCase cases[] = {
        {"plain", "plain", "plain"},
        {"a&b<c>d\"e'f", "a&amp;b&lt;c&gt;d&quot;e'f", "a&amp;b&lt;c&gt;d&quot;e'f"},
        {"t\tl\nr\r", "t&#9;l&#10;r&#13;", "t&#9;l&#10;r&#13;"},
        {"bell\x07", "bell?", "bell?"},
        {"\xC3\xA4\xE2\x82\xAC", "\xC3\xA4\xE2\x82\xAC", "&#228;&#8364;"},  // in Windows-1252
        {"\xE2\x88\x9E", "\xE2\x88\x9E", "?"},                              // not in Windows-1252
        {"bad\xFF", "bad?", "bad?"},
    };
    for (const TEscapeCase& c : cases) {
        EXPECT_EQ(xml::Escape_Value(c.text, xml::TNonAscii::Keep), c.utf8) << c.text;
        EXPECT_EQ(xml::Escape_Value(c.text, xml::TNonAscii::Cp1252_References), c.cp1252) << c.text;
    }
}

TEST(XmlEscape, AnAttributeReadsBackAsWritten)
{
    const std::string value = " a&b<c>\"d\"\te\r\nf \xC3\xA4";
    xml::Document doc;
    doc.LoadFromString("<r v=\"" + xml::Escape_Value(value, xml::TNonAscii::Keep) + "\"/>");
    EXPECT_EQ(doc.DocumentElement().Attribute("v", ""), value);
}

}  // namespace
