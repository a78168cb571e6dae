#include <gtest/gtest.h>

#include <string>

#include "PythonReader.h"
#include "ScratchDir.h"
#include "platform/office/Docx.h"
#include "platform/office/OfficeError.h"
#include "platform/office/Zip.h"

using namespace office;
using testsupport::ScratchDir;

namespace {

// What python-docx reads: the body's blocks in order, a paragraph as "P:<text>", a table as
// "T:<rows>x<cols>" followed by one "C:<alignment>:<text>" line per cell. Line breaks read as
// "\n" and tabs as "\t".
const char* kDocxDump = R"(
import docx, docx.table, docx.text.paragraph
from docx.oxml.ns import qn
d = docx.Document(sys.argv[1])
out = open(sys.argv[2], 'w', encoding='utf-8')
def esc(s): return s.replace('\\', '\\\\').replace('\n', '\\n').replace('\t', '\\t')
for block in d.element.body.iterchildren():
    if block.tag == qn('w:p'):
        out.write('P:' + esc(docx.text.paragraph.Paragraph(block, d).text) + '\n')
    elif block.tag == qn('w:tbl'):
        t = docx.table.Table(block, d)
        out.write('T:%dx%d\n' % (len(t.rows), len(t.columns)))
        for row in t.rows:
            for cell in row.cells:
                p = cell.paragraphs[0]
                out.write('C:%s:%s\n' % (p.alignment, esc(cell.text)))
)";

DocxTable SampleTable()
{
    DocxTable t(3, 3);
    t.SetCell(0, 0, "Name");
    t.SetCell(0, 1, "Wert", DocxAlign::Right);
    t.SetCell(0, 2, "Größe 🙂", DocxAlign::Center);
    t.SetCell(1, 0, "two\nlines");
    t.SetCell(1, 1, "a\tb & <c>", DocxAlign::Right);
    t.SetCell(2, 2, "  spaced  \x01");
    return t;
}

const char* kSampleTableDump = "T:3x3\n"
                               "C:None:Name\nC:RIGHT (2):Wert\nC:CENTER (1):Größe 🙂\n"
                               "C:None:two\\nlines\nC:RIGHT (2):a\\tb & <c>\nC:None:\n"
                               "C:None:\nC:None:\nC:None:  spaced  \n";

// A document another program wrote: a style part of its own and a bookmark in the middle of a
// paragraph.
std::string ForeignDocument()
{
    ZipWriter zip;
    zip.Add(
        "[Content_Types].xml",
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/word/main.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
        R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
        R"(</Types>)");
    zip.Add(
        "_rels/.rels",
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="/word/main.xml"/>)"
        R"(</Relationships>)");
    zip.Add(
        "word/_rels/main.xml.rels",
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
        R"(</Relationships>)");
    zip.Add("word/styles.xml",
            R"(<wp:styles xmlns:wp="http://schemas.openxmlformats.org/wordprocessingml/2006/main"/>)");
    zip.Add("word/main.xml",
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
            R"(<wp:document xmlns:wp="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><wp:body>)"
            R"(<wp:p><wp:r><wp:t>Intro</wp:t></wp:r></wp:p>)"
            R"(<wp:p><wp:pPr><wp:jc wp:val="center"/></wp:pPr><wp:r><wp:t xml:space="preserve">Before </wp:t></wp:r>)"
            R"(<wp:bookmarkStart wp:id="0" wp:name="Here"/><wp:bookmarkEnd wp:id="0"/>)"
            R"(<wp:r><wp:t>after</wp:t></wp:r></wp:p>)"
            R"(<wp:p><wp:bookmarkStart wp:id="1" wp:name="Start"/><wp:r><wp:t>Opened by a mark</wp:t></wp:r>)"
            R"(<wp:bookmarkEnd wp:id="1"/></wp:p>)"
            R"(<wp:sectPr/></wp:body></wp:document>)");
    return zip.Finish();
}

}  // namespace

TEST(DocxWrite, ANewDocumentReadsBackInAnIndependentReader)
{
    ScratchDir dir("docx");
    std::string file = dir.File("table.docx");
    DocxDocument doc;
    doc.AddParagraph(DocxPlace::Start, "Überschrift\tmit Tab");
    doc.AddTable(DocxPlace::End, SampleTable());
    doc.SaveToFile(file);
    EXPECT_EQ(officetest::RunPythonReader(dir, kDocxDump, file),
              std::string("P:Überschrift\\tmit Tab\nP:\n") + kSampleTableDump + "P:\n");
}

TEST(DocxWrite, TablesGoAtTheStartTheEndAndBookmarks)
{
    ScratchDir dir("docx");
    std::string file = dir.File("foreign.docx");
    DocxDocument doc = DocxDocument::LoadBytes(ForeignDocument(), file);
    EXPECT_TRUE(doc.HasBookmark("Here"));
    EXPECT_FALSE(doc.HasBookmark("here"));
    DocxTable one(1, 1);
    one.SetCell(0, 0, "start");
    doc.AddTable(DocxPlace::Start, one);
    EXPECT_TRUE(doc.AddTableAtBookmark("Here", SampleTable()));
    one.SetCell(0, 0, "mark");
    EXPECT_TRUE(doc.AddTableAtBookmark("Start", one));
    EXPECT_FALSE(doc.AddTableAtBookmark("Missing", one));
    one.SetCell(0, 0, "end");
    doc.AddTable(DocxPlace::End, one);
    doc.SaveToFile(file);

    EXPECT_EQ(officetest::RunPythonReader(dir, kDocxDump, file),
              std::string("T:1x1\nC:None:start\nP:Intro\nP:Before \n") + kSampleTableDump +
                  "P:after\nT:1x1\nC:None:mark\nP:Opened by a mark\nT:1x1\nC:None:end\nP:\n");
    // The other parts are kept as they were.
    ZipReader zip(testsupport::ReadFile(file));
    EXPECT_EQ(zip.Read("word/styles.xml"),
              R"(<wp:styles xmlns:wp="http://schemas.openxmlformats.org/wordprocessingml/2006/main"/>)");
    EXPECT_TRUE(zip.Has("word/_rels/main.xml.rels"));
    EXPECT_FALSE(zip.Has("word/document.xml"));
    // The split paragraph keeps its alignment in both halves.
    std::string xml = zip.Read("word/main.xml");
    std::size_t first = xml.find("<wp:jc wp:val=\"center\"/>");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(xml.find("<wp:jc wp:val=\"center\"/>", first + 1), std::string::npos);
}

struct CorruptDoc {
    const char* name;
    std::string bytes;
    std::string reason;
};

class DocxCorrupt : public ::testing::TestWithParam<CorruptDoc> {};

TEST_P(DocxCorrupt, IsRefusedNamingFileAndReason)
{
    try {
        DocxDocument::LoadBytes(GetParam().bytes, "/data/broken.docx");
        FAIL() << "accepted";
    } catch (const EOfficeError& e) {
        EXPECT_NE(e.Message.find("\"/data/broken.docx\""), std::string::npos) << e.Message;
        EXPECT_NE(e.Message.find(GetParam().reason), std::string::npos) << e.Message;
    }
}

namespace {
std::string WithMain(const std::string& xml)
{
    ZipWriter z;
    z.Add("word/document.xml", xml);
    return z.Finish();
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Inputs, DocxCorrupt,
    ::testing::Values(CorruptDoc{"not_a_package", "{\\rtf1 text}", "not a valid zip package"},
                      CorruptDoc{"truncated", ForeignDocument().substr(0, 200), "not a valid zip package"},
                      CorruptDoc{"no_main_part",
                                 [] {
                                     ZipWriter z;
                                     z.Add("x.xml", "<x/>");
                                     return z.Finish();
                                 }(),
                                 "no main document part"},
                      CorruptDoc{"malformed", WithMain("<w:document xmlns:w='x'><w:body>"),
                                 "Part \"word/document.xml\""},
                      CorruptDoc{"other_vocabulary", WithMain("<document><body/></document>"), "no document body"}),
    [](const ::testing::TestParamInfo<CorruptDoc>& info) { return std::string(info.param.name); });

TEST(DocxWrite, AnUnwritableTargetIsNamed)
{
    try {
        DocxDocument().SaveToFile("/nonexistent/folder/out.docx");
        FAIL();
    } catch (const EOfficeError& e) {
        EXPECT_NE(e.Message.find("/nonexistent/folder/out.docx"), std::string::npos) << e.Message;
    }
}
