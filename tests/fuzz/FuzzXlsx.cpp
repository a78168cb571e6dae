// Workbooks (.xlsx) for the grid's import. An input that starts like a zip file is read as the
// whole package; any other input gives the XML parts of a package put together here, so that the
// fuzzer reaches the part readers without having to keep an archive's checksums right: the parts,
// separated by NUL bytes, are the workbook, its relationships, the first sheet, the shared strings
// and the styles, each missing one taken from a small workbook of one sheet.
//
// A workbook that is read keeps every cell inside the largest sheet the format allows, its
// sheets' cells in order and its active sheet among its sheets.
#include "FuzzSupport.h"
#include "platform/office/OfficeError.h"
#include "platform/office/Xlsx.h"
#include "platform/office/Zip.h"

#include <array>

namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Package(std::string_view input)
{
    std::array<std::string, 5> parts = {
        std::string("<workbook xmlns=\"") + kMain + "\" xmlns:r=\"" + kRel +
            "\"><sheets><sheet name=\"One\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>",
        std::string("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                    "<Relationship Id=\"rId1\" Type=\"") +
            kRel + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" + kRel +
            "/sharedStrings\" Target=\"sharedStrings.xml\"/><Relationship Id=\"rId3\" Type=\"" + kRel +
            "/styles\" Target=\"styles.xml\"/></Relationships>",
        std::string("<worksheet xmlns=\"") + kMain +
            "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row></sheetData></worksheet>",
        std::string("<sst xmlns=\"") + kMain + "\"><si><t>a</t></si></sst>",
        std::string("<styleSheet xmlns=\"") + kMain + "\"/>",
    };
    for (std::size_t i = 0; i < parts.size() && !input.empty(); ++i) {
        const std::size_t end = input.find('\0');
        parts[i] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    office::ZipWriter zip;
    zip.Add("_rels/.rels", std::string("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                       "relationships\"><Relationship Id=\"rId1\" Type=\"") +
                               kRel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    zip.Add("xl/workbook.xml", parts[0]);
    zip.Add("xl/_rels/workbook.xml.rels", parts[1]);
    zip.Add("xl/worksheets/sheet1.xml", parts[2]);
    zip.Add("xl/sharedStrings.xml", parts[3]);
    zip.Add("xl/styles.xml", parts[4]);
    return zip.Finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::Text(data, size);
    office::Workbook book;
    try {
        book = office::ReadXlsxBytes(input.starts_with("PK") ? std::string(input) : Package(input), "input.xlsx");
    } catch (const office::EOfficeError&) {
        return 0;
    }
    FUZZ_CHECK(book.Sheets.empty() || (book.ActiveSheet >= 0 && book.ActiveSheet < int(book.Sheets.size())),
               "the active sheet is not one of the sheets");
    for (const office::Sheet& sheet : book.Sheets) {
        const office::Cell* previous = nullptr;
        for (const office::Cell& c : sheet.Cells()) {
            FUZZ_CHECK(c.Row >= 0 && c.Row < office::kMaxRows && c.Col >= 0 && c.Col < office::kMaxCols,
                       "a cell outside the sheet: " + office::CellReference(c.Row, c.Col));
            FUZZ_CHECK(!previous || previous->Row < c.Row || (previous->Row == c.Row && previous->Col < c.Col),
                       "the cells are not in order");
            previous = &c;
        }
        (void)sheet.UsedRangeAddress();
    }
    return 0;
}
