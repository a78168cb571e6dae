#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "TestData.h"
#include "platform/sys/TempFolder.h"
#include "platform/xml/Xml.h"

namespace fs = std::filesystem;

namespace {

using XmlFile = testing_support::TempFolderTest;

// A table file as the program writes it: fixed root, a version comment after the root, one row
// element per grid row with one attribute per column.
const std::string kTable =
    "<EtherCAT_Slave><row Enable=\"Y\" Name=\"a&amp;b\" Type=\"UINT\" Note=\"&lt;&quot;x&quot;>\"/>"
    "<row Enable=\"N\" Name=\"second\" Type=\"BOOL\" Note=\"\"/></EtherCAT_Slave>"
    "<!--SW_VERSION = 1.000-->";

}  // namespace

TEST(XmlDocument, BuildsTheProgramsOwnFormByteForByte)
{
    xml::Document doc;
    auto root = doc.CreateRoot("EtherCAT_Slave");
    auto r1 = root.AppendChild("row");
    r1.SetAttribute("Enable", "Y");
    r1.SetAttribute("Name", "a&b");
    r1.SetAttribute("Type", "UINT");
    r1.SetAttribute("Note", "<\"x\">");
    auto r2 = root.AppendChild("row");
    for (auto [k, v] : {std::pair{"Enable", "N"}, {"Name", "second"}, {"Type", "BOOL"}, {"Note", ""}})
        r2.SetAttribute(k, v);
    doc.AppendComment("SW_VERSION = 1.000");
    EXPECT_EQ(doc.SaveToString(), kTable);
}

TEST(XmlDocument, ReadsRowsAttributesInOrderAndTheCommentAfterTheRoot)
{
    xml::Document doc;
    doc.LoadFromString(kTable);
    auto rows = doc.DocumentElement().Children("row");
    ASSERT_EQ(rows.size(), 2u);
    using Attrs = std::vector<xml::AttributeView>;
    const auto attributes = rows[0].Attributes();
    EXPECT_EQ(Attrs(attributes.begin(), attributes.end()),
              (Attrs{{"Enable", "Y"}, {"Name", "a&b"}, {"Type", "UINT"}, {"Note", "<\"x\">"}}));
    EXPECT_EQ(rows[1].Attribute("Note"), std::optional<std::string_view>(""));
    EXPECT_EQ(rows[1].Attribute("Missing"), std::nullopt);
    EXPECT_EQ(rows[1].Attribute("Missing", "dflt"), "dflt");

    auto top = doc.ChildNodes();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[1].Kind(), xml::NodeKind::Comment);
    EXPECT_EQ(top[1].Value(), "SW_VERSION = 1.000");
    EXPECT_EQ(doc.SaveToString(), kTable);
}

TEST(XmlDocument, ForeignLayoutsReadTheSameAsOurOwn)
{
    struct Case {
        const char* name;
        std::string text;
    };
    const std::string body =
        "<Conf_Settings>\r\n  <lastproj>\r\n    <projectname>Plant 1</projectname>\r\n  </lastproj>\r\n"
        "  <!-- note -->\r\n  <lastipadd><ipaddress>10.0.0.5</ipaddress></lastipadd>\r\n</Conf_Settings>";
    const Case cases[] = {
        {"plain", "<Conf_Settings><lastproj><projectname>Plant 1</projectname></lastproj>"
                  "<lastipadd><ipaddress>10.0.0.5</ipaddress></lastipadd></Conf_Settings>"},
        {"indented", body},
        {"declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + body},
        {"bom+declaration", "\xEF\xBB\xBF<?xml version=\"1.0\"?>" + body},
        {"bom only", "\xEF\xBB\xBF" + body},
        {"comment before root", "<!-- written by hand -->\n" + body},
        {"doctype", "<!DOCTYPE Conf_Settings>\n" + body},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        xml::Document doc;
        doc.LoadFromString(c.text);
        auto root = doc.DocumentElement();
        EXPECT_EQ(root.Name(), "Conf_Settings");
        EXPECT_EQ(root.ChildByName("lastproj").ChildByName("projectname").Text(), "Plant 1");
        EXPECT_EQ(root.ChildByName("lastipadd").ChildByName("ipaddress").Text(), "10.0.0.5");
        EXPECT_EQ(root.Children().size(), 2u);
        // Whatever was read, the program writes its own form back: no declaration, no indentation.
        const auto saved = doc.SaveToString();
        EXPECT_EQ(saved.find("<?xml"), std::string::npos);
        EXPECT_EQ(saved.find_first_of("\r\n"), std::string::npos);
        EXPECT_NE(saved.find("<Conf_Settings><lastproj><projectname>Plant 1</projectname>"), std::string::npos);
    }
}

TEST(XmlDocument, Utf16AndLatin1FilesAreDecoded)
{
    // "Zürich" in UTF-16 LE with BOM.
    std::string utf16 = "\xFF\xFE";
    for (char16_t ch : std::u16string(u"<a>Z\u00FCrich</a>")) {
        utf16.push_back(static_cast<char>(ch & 0xFF));
        utf16.push_back(static_cast<char>(ch >> 8));
    }
    xml::Document doc;
    doc.LoadFromString(utf16);
    EXPECT_EQ(doc.DocumentElement().Text(), "Z\xC3\xBCrich");

    doc.LoadFromString("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>Z\xFCrich</a>");
    EXPECT_EQ(doc.DocumentElement().Text(), "Z\xC3\xBCrich");
}

TEST(XmlDocument, TextIsTakenOnlyFromPureTextContent)
{
    struct Case {
        const char* xml;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"<v>1</v>", "1"},
        {"<v> 1 </v>", " 1 "},  // kept as written, no trimming
        {"<v> </v>", " "},
        {"<v></v>", ""},
        {"<v/>", ""},
        {"<v>a&amp;b<![CDATA[<c>]]></v>", "a&b<c>"},
        {"<v><w>1</w></v>", std::nullopt},
        {"<v>1<!--c--></v>", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        xml::Document doc;
        doc.LoadFromString(c.xml);
        EXPECT_EQ(doc.DocumentElement().Text(), c.text);
    }
}

TEST(XmlDocument, NavigationThroughMissingElementsEndsInNothing)
{
    xml::Document doc;
    EXPECT_FALSE(doc.DocumentElement());
    doc.LoadFromString("<r><a><b>x</b></a><A>upper</A></r>");
    auto root = doc.DocumentElement();
    EXPECT_FALSE(root.ChildByName("missing").ChildByName("b"));
    EXPECT_EQ(root.ChildByName("missing").ChildByName("b").Text(), std::nullopt);
    EXPECT_EQ(root.ChildByName("missing").Text("fallback"), "fallback");
    EXPECT_EQ(root.ChildByName("a").InnerText(), "x");
    EXPECT_EQ(root.ChildByName("A").Text(), "upper");  // names are case-sensitive
    EXPECT_TRUE(root.Children("row").empty());
}

TEST(XmlDocument, EditingKeepsOrderAndReplacesContent)
{
    xml::Document doc;
    doc.LoadFromString("<r x=\"1\"><a>old</a><b/></r><!--after-->");
    auto root = doc.DocumentElement();
    root.SetAttribute("x", "2");  // an existing attribute keeps its place
    root.SetAttribute("y", "3");
    root.ChildByName("a").SetText("new");
    EXPECT_TRUE(root.RemoveChild(root.ChildByName("b")));
    EXPECT_FALSE(root.RemoveChild(root));
    root.AppendTextChild("c", "5 < 6");
    EXPECT_EQ(doc.SaveToString(), "<r x=\"2\" y=\"3\"><a>new</a><c>5 &lt; 6</c></r><!--after-->");

    // Rebuilding the document drops everything it held, comments included.
    doc.CreateRoot("Conf_Settings").AppendChild("lastproj").AppendTextChild("projectname", "");
    EXPECT_EQ(doc.SaveToString(), "<Conf_Settings><lastproj><projectname/></lastproj></Conf_Settings>");
}

TEST(XmlDocument, MalformedTextIsAnErrorWithItsPosition)
{
    struct Case {
        const char* text;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"<r><a></r>", "line 1"},
        {"<r>\n<a x=1/>\n</r>", "line 2"},
        {"", "No document element"},
        {"<!-- only a comment -->", "No document element"},
        {"<r/><s/>", "more than one root element"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        xml::Document doc;
        doc.LoadFromString("<old/>");
        try {
            doc.LoadFromString(c.text, "input.xml");
            ADD_FAILURE() << "no error";
        } catch (const xml::XmlError& e) {
            EXPECT_EQ(e.File(), "input.xml");
            EXPECT_NE(e.Reason().find(c.reasonPart), std::string::npos) << e.Reason();
            EXPECT_EQ(std::string(e.what()).rfind("input.xml: ", 0), 0u);
        }
        EXPECT_TRUE(doc.Empty());  // no half-loaded tree is left behind
    }
}

TEST_F(XmlFile, SaveAndLoadRoundTripThroughTheFile)
{
    xml::Document doc;
    doc.LoadFromString(kTable);
    const auto file = dir_ / "EtherCAT_Slave.xml";
    doc.SaveToFile(file);
    EXPECT_EQ(Read(file), kTable);

    xml::Document back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.SaveToString(), kTable);
    EXPECT_EQ(Entries(), 1u);  // no temporary left
}

TEST_F(XmlFile, MalformedFileIsNamedAndLeftUntouched)
{
    const auto file = dir_ / "ParGen.xml";
    const std::string broken = "<ParGen><ip>10.0.0.1</ip>";
    Write(file, broken);
    xml::Document doc;
    try {
        doc.LoadFromFile(file);
        FAIL() << "no error";
    } catch (const xml::XmlError& e) {
        EXPECT_EQ(e.File(), file.string());
        EXPECT_FALSE(e.Reason().empty());
    }
    EXPECT_EQ(Read(file), broken);

    try {
        doc.LoadFromFile(dir_ / "missing.xml");
        FAIL() << "no error";
    } catch (const xml::XmlError& e) {
        EXPECT_NE(e.Reason().find("No such file"), std::string::npos) << e.Reason();
    }
}

TEST_F(XmlFile, FailedSaveReportsTheFileAndKeepsTheOldOne)
{
    const auto file = dir_ / "sub" / "Brevandor.xml";
    xml::Document doc;
    doc.CreateRoot("Conf_Settings");
    // The folder does not exist: nothing can be written.
    try {
        doc.SaveToFile(file);
        FAIL() << "no error";
    } catch (const xml::XmlError& e) {
        EXPECT_EQ(e.File(), file.string());
    }
    // The target is a folder: the rename fails, the folder and its content stay.
    fs::create_directories(file);
    Write(file / "keep", "k");
    EXPECT_THROW(doc.SaveToFile(file), xml::XmlError);
    EXPECT_EQ(Read(file / "keep"), "k");
    EXPECT_EQ(Entries(dir_ / "sub"), 1u);
}

TEST(XmlDocument, ReadsARealSchemaFileWrittenByAnotherTool)
{
    CFG_TESTDATA_FILE(schema, "esi-schema/EtherCATBase.xsd");
    xml::Document doc;
    doc.LoadFromFile(schema);
    auto root = doc.DocumentElement();
    EXPECT_EQ(root.Name(), "xs:schema");
    auto first = root.Children().at(0);
    EXPECT_EQ(first.Name(), "xs:complexType");
    EXPECT_EQ(first.Attribute("name"), "AccessType");
    // The comment before the root is kept as a document-level node, but is not the root.
    EXPECT_EQ(doc.ChildNodes().at(0).Kind(), xml::NodeKind::Comment);
}

TEST_F(XmlFile, TextAndAttributeValuesReadBackExactly)
{
    // Line ends and tabs as the program may hold them (a value pasted from a Windows text, a
    // multi-line note), in element texts and in attributes.
    const std::string values[] = {"a\rb",
                                  "a\r\nb",
                                  "a\nb",
                                  "\r",
                                  "\r\n\r\n",
                                  "tab\there",
                                  " lead and trail ",
                                  "<&>\"'",
                                  "caf\xC3\xA9 \xE4\xB8\xAD"};
    xml::Document doc;
    auto root = doc.CreateRoot("Notes");
    for (const auto& v : values) {
        root.AppendTextChild("note", v).SetAttribute("copy", v);
    }
    const auto file = dir_ / "notes.xml";
    doc.SaveToFile(file);
    EXPECT_EQ(Read(file).find('\r'), std::string::npos);  // a CR is written as a reference

    xml::Document back;
    back.LoadFromFile(file);
    const auto notes = back.DocumentElement().Children("note");
    ASSERT_EQ(notes.size(), std::size(values));
    for (size_t i = 0; i < notes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(notes[i].Text(), values[i]);
        EXPECT_EQ(notes[i].Attribute("copy"), values[i]);
    }
}

TEST_F(XmlFile, CharactersXmlCannotHoldAreRefusedAndNothingIsWritten)
{
    struct Case {
        const char* name;
        std::string value;
        const char* character;
    };
    const Case cases[] = {
        {"start of heading", "a\x01z", "U+0001"}, {"escape", "\x1B[0m", "U+001B"},
        {"vertical tab", "a\vb", "U+000B"},       {"U+FFFE", "a\xEF\xBF\xBE", "U+FFFE"},
        {"U+FFFF", "\xEF\xBF\xBF", "U+FFFF"},     {"surrogate", "\xED\xA0\x80", "U+D800"},
    };
    enum class Where { Text, Attribute, Comment };
    const auto file = dir_ / "Job.xml";
    Write(file, "<Ethernet_Update/>");
    for (const auto& c : cases) {
        for (Where where : {Where::Text, Where::Attribute, Where::Comment}) {
            SCOPED_TRACE(std::string(c.name) + " in " +
                         (where == Where::Text        ? "a text"
                          : where == Where::Attribute ? "an attribute"
                                                      : "a comment"));
            xml::Document doc;
            auto title = doc.CreateRoot("Ethernet_Update").AppendTextChild("Title", "ok");
            if (where == Where::Text)
                title.SetText(c.value);
            else if (where == Where::Attribute)
                title.SetAttribute("Note", c.value);
            else
                title.AppendComment(c.value);
            try {
                doc.SaveToFile(file);
                ADD_FAILURE() << "saved";
            } catch (const xml::XmlError& e) {
                EXPECT_EQ(e.File(), file.string());
                EXPECT_NE(e.Reason().find("\"Ethernet_Update/Title\""), std::string::npos) << e.Reason();
                EXPECT_NE(e.Reason().find(c.character), std::string::npos) << e.Reason();
            }
            EXPECT_EQ(Read(file), "<Ethernet_Update/>");
            EXPECT_EQ(Entries(), 1u);
            EXPECT_THROW(doc.SaveToString(), xml::XmlError);
        }
    }
}
