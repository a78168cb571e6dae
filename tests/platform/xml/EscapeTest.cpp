#include <gtest/gtest.h>

#include "platform/xml/Escape.h"
#include "platform/xml/Xml.h"

namespace {

struct TEscapeCase {
    const char* text;
    const char* utf8;    // NonAscii::Keep
    const char* cp1252;  // NonAscii::Cp1252References
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
        EXPECT_EQ(xml::EscapeValue(c.text, xml::NonAscii::Keep), c.utf8) << c.text;
        EXPECT_EQ(xml::EscapeValue(c.text, xml::NonAscii::Cp1252References), c.cp1252) << c.text;
    }
}

TEST(XmlEscape, AnAttributeReadsBackAsWritten)
{
    const std::string value = " a&b<c>\"d\"\te\r\nf \xC3\xA4";
    xml::Document doc;
    doc.LoadFromString("<r v=\"" + xml::EscapeValue(value, xml::NonAscii::Keep) + "\"/>");
    EXPECT_EQ(doc.DocumentElement().Attribute("v", ""), value);
}

}  // namespace
