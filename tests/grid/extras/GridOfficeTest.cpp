// Office files of the grid: workbook round trips and what an independent reader sees, sheets by
// name, a used range claiming far more than its cells, dates in the regional format, documents
// with the grid as a table, database tables.
#include "grid/extras/GridOffice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "../../platform/office/PythonReader.h"
#include "ExtrasFixture.h"
#include "ScratchDir.h"
#include "TestData.h"
#include "platform/office/OfficeError.h"
#include "platform/office/Xlsx.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"

namespace gx {
namespace {

using extrastest::AwkwardCells;
using extrastest::CellsOf;
using extrastest::Fill;

// Workbooks keep line breaks as LF, the way the spreadsheet writes them.
std::vector<std::vector<std::string>> WithoutCr(std::vector<std::vector<std::string>> cells)
{
    for (auto& row : cells)
        for (auto& c : row)
            c = rtl::ReplaceStr(c, "\r", "");
    return cells;
}

TEST(GridOffice, WorkbookRoundTripAndOpenpyxlReadsTheSameCells)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("g.xlsx");
    TGxStringGrid out(nullptr), in(nullptr);
    out.Multilinecells = in.Multilinecells = true;
    Fill(out, AwkwardCells());
    SaveToXLS(out, f);
    LoadFromXLS(in, f);
    EXPECT_EQ(CellsOf(in), WithoutCr(AwkwardCells()));

    std::string got = officetest::RunPythonReader(
        dir,
        "import openpyxl, json\n"
        "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
        "rows = [[('' if c is None else str(c)) for c in r] for r in ws.iter_rows(values_only=True)]\n"
        "open(sys.argv[2], 'w', encoding='utf-8').write(json.dumps(rows, ensure_ascii=False))\n",
        f);
    EXPECT_NE(got.find(R"(["a\"b", "x,y", "two\nlines", "日本語 ✓"])"), std::string::npos) << got;
    EXPECT_NE(got.find(R"(["last", "&amp; $amp; &lt;", "<b>", ""])"), std::string::npos) << got;
}

TEST(GridOffice, NamedSheetsAreAddedBesideTheOthersAndReadByName)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("s.xlsx");
    TGxStringGrid a(nullptr), b(nullptr), in(nullptr);
    Fill(a, {{"a1", "a2"}});
    Fill(b, {{"b1"}, {"b2"}});
    SaveToXLSSheet(a, f, "First");
    SaveToXLSSheet(b, f, "Second");
    EXPECT_EQ(GetXLSSheets(f)->Text(), "First\r\nSecond\r\n");
    LoadFromXLSSheet(in, f, "First");
    EXPECT_EQ(CellsOf(in), (std::vector<std::vector<std::string>>{{"a1", "a2"}}));
    LoadFromXLSSheet(in, f, "Second");
    EXPECT_EQ(CellsOf(in), (std::vector<std::vector<std::string>>{{"b1"}, {"b2"}}));
    try {
        LoadFromXLSSheet(in, f, "Third");
        ADD_FAILURE();
    } catch (const VIdiRazeRaduz& e) {
        EXPECT_EQ(e.Message, "Excel worksheet Third not found");
    }
}

TEST(GridOffice, UsedRangeOffsetAndTypedCellsAndAStrayFarCell)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("t.xlsx");
    office::Workbook book;
    book.Sheets.emplace_back();
    book.Sheets[0].Name = "S";
    book.Sheets[0].SetNumber(1, 1, 42);
    book.Sheets[0].SetNumber(1, 2, 2.5);
    book.Sheets[0].SetBoolean(2, 1, true);
    book.Sheets[0].SetText(2, 2, "t");
    office::WriteXlsx(f, book);
    TGxStringGrid grid(nullptr);
    LoadFromXLS(grid, f);
    EXPECT_EQ(CellsOf(grid), (std::vector<std::vector<std::string>>{{"42", "2.5"}, {"True", "t"}}));

    book.Sheets[0].SetText(office::kMaxRows - 1, office::kMaxCols - 1, "far");
    office::WriteXlsx(f, book);
    grid.SetCells(0, 0, "kept");
    try {
        LoadFromXLS(grid, f);
        ADD_FAILURE();
    } catch (const office::EOfficeError& e) {
        EXPECT_NE(e.Message.find(f), std::string::npos) << e.Message;
    }
    EXPECT_EQ(grid.Cells(0, 0), "kept");
    EXPECT_EQ(grid.RowCount(), 2);
}

// Dates, times and both are shown as the regional settings show them, with the year in full; days
// before March 1900 are one lower in the workbook's day count (it counts a 29 February 1900).
TEST(GridOffice, WorkbookDatesReadInTheRegionalFormat)
{
    rtl::TRegionalScope regional(rtl::TFormatSettings::Neutral());
    testsupport::ScratchDir dir;
    const std::string f = dir.File("d.xlsx");
    office::Workbook book;
    book.Sheets.emplace_back();
    book.Sheets[0].Name = "S";
    book.Sheets[0].SetDate(0, 0, 36586);         // 2000-03-01
    book.Sheets[0].SetDate(0, 1, 36586.546875);  // 13:07:30 that day
    book.Sheets[0].SetDate(0, 2, 0.75);          // a time alone
    book.Sheets[0].SetDate(0, 3, 1);             // 1900-01-01
    book.Sheets[0].SetDate(0, 4, 59);            // 1900-02-28
    book.Sheets[0].SetDate(0, 5, 61);            // 1900-03-01
    office::WriteXlsx(f, book);
    TGxStringGrid grid(nullptr);
    LoadFromXLS(grid, f);
    EXPECT_EQ(CellsOf(grid), (std::vector<std::vector<std::string>>{{"3/1/2000", "3/1/2000 1:07:30 PM", "6:00:00 PM",
                                                                     "1/1/1900", "2/28/1900", "3/1/1900"}}));
}

TEST(GridOffice, DocumentsHoldTheGridAsATable)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("g.docx");
    TGxStringGrid grid(nullptr);
    Fill(grid, {{"n", "v"}, {"x", "12"}});
    grid.SetAlignments(1, 1, THAlignment::taRightJustify);
    SaveToDOC(grid, f);
    AppendToDoc(grid, f, "nowhere");
    std::string got = officetest::RunPythonReader(dir,
                                                  "import docx\n"
                                                  "d = docx.Document(sys.argv[1])\n"
                                                  "out = []\n"
                                                  "for t in d.tables:\n"
                                                  "    out.append('|'.join(c.text for r in t.rows for c in r.cells))\n"
                                                  "    out.append(str(t.rows[1].cells[1].paragraphs[0].alignment))\n"
                                                  "open(sys.argv[2], 'w').write('\\n'.join(out))\n",
                                                  f);
    EXPECT_EQ(got, "n|v|x|12\nRIGHT (2)\nn|v|x|12\nRIGHT (2)");
}

// The shared test database with its table renamed to "My Dates" (the name is kept as UTF-16 text
// in the catalog; one of the same length leaves every page as it was).
std::string DatabaseWithASpaceInTheTableName(const testsupport::ScratchDir& dir, const std::filesystem::path& from)
{
    std::string bytes = testsupport::ReadFile(from);
    const std::string was("D\0a\0t\0e\0T\0e\0s\0t\0", 16), now("M\0y\0 \0D\0a\0t\0e\0s\0", 16);
    for (std::size_t at = bytes.find(was); at != std::string::npos; at = bytes.find(was, at + 1))
        bytes.replace(at, was.size(), now);
    const std::string file = dir.File("space.mdb");
    testsupport::WriteFile(file, bytes);
    return file;
}

// A table loads whole (named as it stands, spaces included): the field names in the fixed row,
// each record's values below them, dates as the regional settings show them.
TEST(GridOffice, DatabaseTablesLoadWithTheirValues)
{
    CFG_TESTDATA_FILE(database, "mdb/DateTestDatabase.mdb");
    rtl::TRegionalScope regional(rtl::TFormatSettings::Neutral());
    testsupport::ScratchDir dir;
    const std::string spaced = DatabaseWithASpaceInTheTableName(dir, database);
    const std::vector<std::string> head = {"",        "IDCol",       "DateTimeCol", "DateCol",
                                           "TimeCol", "LongTextCol", "ShortTextCol"};
    for (const auto& [file, table] :
         {std::pair{database.string(), std::string("DateTest")}, std::pair{spaced, std::string("My Dates")}}) {
        SCOPED_TRACE(table);
        TGxStringGrid grid(nullptr);
        grid.Multilinecells = true;
        LoadFromMDBTable(grid, file, table);
        ASSERT_EQ(grid.RowCount(), 7);
        const auto cells = CellsOf(grid);
        EXPECT_EQ(cells[0], head);
        EXPECT_EQ(cells[1],
                  (std::vector<std::string>{"", "1", "12/2/2021", "12/2/2021", "12/2/2021", "Hello", "Hello"}));
        EXPECT_EQ(cells[6], (std::vector<std::string>{"", "6", "12/2/2021", "12/2/2021", "12/2/2021",
                                                      "New line\r\nin field", "No new line"}));
    }
    TGxStringGrid grid(nullptr);
    LoadFromMDBSQL(grid, spaced, "SELECT IDCol, ShortTextCol FROM [My Dates] WHERE IDCol = 2");
    EXPECT_EQ(CellsOf(grid),
              (std::vector<std::vector<std::string>>{{"", "IDCol", "ShortTextCol"}, {"", "2", "Year 1999"}}));
}

TEST(GridOffice, ADocumentIsNewOnlyWhenAskedFor)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("d.docx");
    TGxStringGrid first(nullptr), second(nullptr);
    Fill(first, {{"first"}});
    Fill(second, {{"second"}});
    const std::string reader = "import docx\n"
                               "d = docx.Document(sys.argv[1])\n"
                               "open(sys.argv[2], 'w').write('|'.join(t.cell(0, 0).text for t in d.tables))\n";
    struct Step {
        TGxStringGrid* grid;
        bool createNew;
        std::string tables;  // the document's tables from its start
    } steps[] = {
        {&first, false, "first"},  // no document yet: a new one
        {&second, false, "second|first"},
        {&first, true, "first"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.tables);
        SaveToDOC(*s.grid, f, s.createNew);
        EXPECT_EQ(officetest::RunPythonReader(dir, reader, f), s.tables);
    }
    testsupport::WriteFile(f, "not a document");
    EXPECT_THROW(SaveToDOC(first, f, false), office::EOfficeError);
    EXPECT_EQ(testsupport::ReadFile(f), "not a document");
}

// No program here writes database files: what the grid's import meets is a file that is none.
TEST(GridOffice, ADatabaseThatCannotBeReadLeavesTheGridAsItWas)
{
    testsupport::ScratchDir dir;
    testsupport::WriteFile(dir.File("table.mdb"), "id;name\r\n1;one\r\n");
    TGxStringGrid grid(nullptr);
    extrastest::Fill(grid, extrastest::AwkwardCells());
    for (const std::string& file : {dir.File("table.mdb"), dir.File("missing.accdb")}) {
        try {
            LoadFromMDBTable(grid, file, "Items");
            ADD_FAILURE() << file;
        } catch (const office::EOfficeError& e) {
            EXPECT_EQ(e.File(), file);
        }
        EXPECT_EQ(extrastest::CellsOf(grid), extrastest::AwkwardCells());
    }
}

}  // namespace
}  // namespace gx
