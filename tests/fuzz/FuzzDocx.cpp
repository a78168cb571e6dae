// Word documents (.docx) the grid's export writes into. An input that starts like a zip file is
// read as the whole package; any other input is the main document part of a package put together
// here, so that the fuzzer reaches the document reader without having to keep an archive's
// checksums right. A document that loads is written, with a table at a bookmark and two
// paragraphs added, as a package that loads again.
#include "FuzzSupport.h"
#include "platform/office/Docx.h"
#include "platform/office/OfficeError.h"
#include "platform/office/Zip.h"

namespace {

std::string Package(std::string_view document)
{
    office::ZipWriter zip;
    zip.Add("[Content_Types].xml",
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default "
            "Extension=\"xml\" ContentType=\"application/xml\"/><Override PartName=\"/word/document.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "</Types>");
    zip.Add("_rels/.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                           "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                           "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>");
    zip.Add("word/document.xml", std::string(document));
    return zip.Finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::Text(data, size);
    office::DocxDocument doc;
    try {
        doc = office::DocxDocument::LoadBytes(input.starts_with("PK") ? std::string(input) : Package(input),
                                              "input.docx");
    } catch (const office::EOfficeError&) {
        return 0;
    }
    office::DocxTable table(1, 2);
    table.SetCell(0, 0, "a\nb");
    table.SetCell(0, 1, "c", office::DocxAlign::Right);
    doc.AddTableAtBookmark("Table", table);
    doc.AddParagraph(office::DocxPlace::Start, "first");
    doc.AddParagraph(office::DocxPlace::End, "last");
    try {
        (void)office::DocxDocument::LoadBytes(doc.Bytes(), "written.docx");
    } catch (const office::EOfficeError& e) {
        FUZZ_CHECK(false, std::string("the written document does not load: ") + e.what());
    }
    return 0;
}
