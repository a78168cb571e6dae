#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PythonReader.h"
#include "ScratchDir.h"
#include "platform/office/OfficeError.h"
#include "platform/office/Xlsx.h"
#include "platform/office/Zip.h"

using namespace office;
using testsupport::ScratchDir;

namespace {

// One awkward value: the cell written, and what the independent reader (openpyxl) reports for it
// (nothing where that reader shows the format's character escapes as they are stored).
struct Awkward {
    const char* name;
    Cell cell;
    std::string seenByOpenpyxl;
};

const std::string kLongText = [] {
    std::string s;
    while (s.size() < 32000)
        s += "Zeile mit Umlauten äöü und Zahlen 0123456789; ";
    return s;
}();

std::vector<Awkward> AwkwardValues()
{
    return {
        {"plain", {0, 0, CellKind::Text, "Name", 0}, "str:Name"},
        {"non_ascii",
         {0, 1, CellKind::Text, "Grüße, 日本語, Ελληνικά, 🙂", 0},
         "str:Grüße, 日本語, Ελληνικά, 🙂"},
        {"line_breaks", {0, 3, CellKind::Text, "first\nsecond\n\nfourth", 0}, "str:first\nsecond\n\nfourth"},
        {"spaces_kept", {1, 0, CellKind::Text, "  both ends  ", 0}, "str:  both ends  "},
        {"markup_characters",
         {1, 1, CellKind::Text, "<a href=\"x\">&amp;</a> 'q'", 0},
         "str:<a href=\"x\">&amp;</a> 'q'"},
        {"looks_like_escape", {1, 2, CellKind::Text, "_x0041_ stays, _X0041_ too", 0}, ""},
        {"escape_at_the_start", {6, 0, CellKind::Text, "_x0041_", 0}, ""},
        {"control_characters", {4, 0, CellKind::Text, "cr\r\nunit\x1f", 0}, ""},
        {"number_text_stays_text", {1, 3, CellKind::Text, "0012", 0}, "str:0012"},
        {"integer", {2, 0, CellKind::Number, {}, 42}, "num:42.0"},
        {"negative_fraction", {2, 1, CellKind::Number, {}, -0.1}, "num:-0.1"},
        {"tiny", {2, 2, CellKind::Number, {}, 1e-300}, "num:1e-300"},
        {"largest", {2, 3, CellKind::Number, {}, 9.99999999999999e307}, "num:9.99999999999999e+307"},
        {"true", {3, 0, CellKind::Boolean, {}, 1}, "bool:True"},
        {"false", {3, 1, CellKind::Boolean, {}, 0}, "bool:False"},
        {"date", {3, 2, CellKind::Date, {}, 45351.5451388888875}, "date:2024-02-29T13:05:00"},
        {"long_text", {5, 25, CellKind::Text, kLongText, 0}, "str:" + kLongText},
        {"far_cell", {1999, 99, CellKind::Text, "far", 0}, "str:far"},
    };
}

std::string Escaped(const std::string& s)
{
    std::string out;
    for (char c : s)
        out += c == '\n' ? std::string("\\n") : c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
}

Workbook AwkwardWorkbook()
{
    Workbook book;
    book.Sheets.resize(12);
    for (std::size_t i = 0; i < book.Sheets.size(); ++i)
        book.Sheets[i].Name = "Blatt " + std::to_string(i + 1);
    book.Sheets[0].Name = "Übersicht – 2024";
    for (const Awkward& a : AwkwardValues())
        book.Sheets[0].Set(a.cell);
    for (std::size_t i = 1; i < book.Sheets.size(); ++i)
        book.Sheets[i].SetNumber(static_cast<int>(i), static_cast<int>(i), static_cast<double>(i));
    book.Sheets[4].SetText(0, 0, "");  // an empty text is an empty cell
    book.ActiveSheet = 3;
    return book;
}

class XlsxRoundTrip : public ::testing::Test {
protected:
    ScratchDir dir_{"xlsx"};
    std::string file_ = dir_.File("awkward.xlsx");
    void SetUp() override { WriteXlsx(file_, AwkwardWorkbook()); }
};

}  // namespace

TEST_F(XlsxRoundTrip, EveryCellComesBackAsWritten)
{
    Workbook back = ReadXlsx(file_);
    Workbook sent = AwkwardWorkbook();
    ASSERT_EQ(back.Sheets.size(), sent.Sheets.size());
    EXPECT_EQ(back.ActiveSheet, 3);
    for (std::size_t s = 0; s < sent.Sheets.size(); ++s) {
        EXPECT_EQ(back.Sheets[s].Name, sent.Sheets[s].Name);
        std::vector<Cell> expected;
        for (const Cell& c : sent.Sheets[s].Cells())
            if (!(c.Kind == CellKind::Text && c.Text.empty()))
                expected.push_back(c);
        ASSERT_EQ(back.Sheets[s].Cells().size(), expected.size()) << "sheet " << s;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const Cell& got = back.Sheets[s].Cells()[i];
            SCOPED_TRACE(CellReference(expected[i].Row, expected[i].Col));
            EXPECT_EQ(got.Row, expected[i].Row);
            EXPECT_EQ(got.Col, expected[i].Col);
            EXPECT_EQ(got.Kind, expected[i].Kind);
            EXPECT_EQ(got.Text, expected[i].Text);
            EXPECT_EQ(got.Number, expected[i].Number);
        }
    }
    EXPECT_EQ(ReadXlsxSheetNames(file_),
              std::vector<std::string>({"Übersicht – 2024", "Blatt 2", "Blatt 3", "Blatt 4", "Blatt 5", "Blatt 6",
                                        "Blatt 7", "Blatt 8", "Blatt 9", "Blatt 10", "Blatt 11", "Blatt 12"}));
}

TEST_F(XlsxRoundTrip, AnIndependentReaderSeesTheSameCells)
{
    const char* script = R"(
import openpyxl, datetime
wb = openpyxl.load_workbook(sys.argv[1])
out = open(sys.argv[2], 'w', encoding='utf-8')
out.write('sheets=' + '|'.join(wb.sheetnames) + '\n')
out.write('active=' + wb.active.title + '\n')
for ws in wb.worksheets:
    for row in ws.iter_rows():
        for c in row:
            v = c.value
            if v is None:
                continue
            if isinstance(v, bool): t = 'bool:' + str(v)
            elif isinstance(v, (int, float)): t = 'num:' + repr(float(v))
            elif isinstance(v, datetime.datetime): t = 'date:' + v.replace(microsecond=0).isoformat()
            else: t = 'str:' + v
            out.write(ws.title + '!' + c.coordinate + '=' + t.replace('\\', '\\\\').replace('\n', '\\n') + '\n')
)";
    std::string seen = officetest::RunPythonReader(dir_, script, file_);
    EXPECT_NE(seen.find("sheets=Übersicht – 2024|Blatt 2|Blatt 3|Blatt 4|Blatt 5|Blatt 6|Blatt 7|Blatt 8|Blatt 9|"
                        "Blatt 10|Blatt 11|Blatt 12\n"),
              std::string::npos);
    EXPECT_NE(seen.find("active=Blatt 4\n"), std::string::npos);
    for (const Awkward& a : AwkwardValues()) {
        if (a.seenByOpenpyxl.empty())
            continue;
        std::string line =
            "Übersicht – 2024!" + CellReference(a.cell.Row, a.cell.Col) + "=" + Escaped(a.seenByOpenpyxl);
        EXPECT_NE(seen.find(line + "\n"), std::string::npos) << a.name;
    }
    EXPECT_NE(seen.find("Blatt 12!L12=num:11.0\n"), std::string::npos);
    EXPECT_EQ(seen.find("Blatt 5!A1"), std::string::npos) << "an empty text is no cell";
}

namespace {

// A package made by hand: a workbook part naming the sheets, the relationships, and the given
// parts; shows what other programs write that ours does not.
std::string HandMadeWorkbook(const std::string& sheetXml, const std::string& extraWorkbookXml = "",
                             const std::string& sharedStrings = "", const std::string& styles = "")
{
    ZipWriter zip;
    zip.Add(
        "_rels/.rels",
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
        R"(</Relationships>)");
    zip.Add(
        "xl/workbook.xml",
        R"(<x:workbook xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)" +
            extraWorkbookXml +
            R"(<x:sheets><x:sheet name="Chart" sheetId="2" r:id="rId9"/><x:sheet name="Data" sheetId="1" r:id="rId1"/></x:sheets></x:workbook>)");
    zip.Add(
        "xl/_rels/workbook.xml.rels",
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/../worksheets/data.xml"/>)"
        R"(<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/chartsheet" Target="chartsheets/c.xml"/>)"
        R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="strings.xml"/>)"
        R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
        R"(</Relationships>)");
    zip.Add("xl/worksheets/data.xml",
            R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><x:sheetData>)" +
                sheetXml + "</x:sheetData></x:worksheet>");
    if (!sharedStrings.empty())
        zip.Add("xl/strings.xml", R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" +
                                      sharedStrings + "</sst>");
    if (!styles.empty())
        zip.Add("xl/styles.xml", R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" +
                                     styles + "</styleSheet>");
    return zip.Finish();
}

struct ForeignCell {
    const char* name;
    std::string sheetXml;
    CellKind kind;
    std::string text;
    double number;
    std::string workbookXml = "";
};

const std::string kStrings = "<si><t>plain</t></si>"
                             "<si><r><t>rich </t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">runs </t></r>"
                             "<rPh><t>ignored</t></rPh></si>"
                             "<si><t>tab_x0009_and_x000D_return_x005F_x0041_</t></si>"
                             "<si><t xml:space=\"preserve\">   </t></si>";
const std::string kStyles = R"(<numFmts><numFmt numFmtId="164" formatCode="dd/mm/yyyy\ hh:mm"/>)"
                            R"(<numFmt numFmtId="165" formatCode="&quot;day&quot;\ 0.00"/></numFmts>)"
                            R"(<cellXfs><xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="164"/><xf numFmtId="165"/>)"
                            R"(<xf numFmtId="10"/></cellXfs>)";

}  // namespace

class XlsxForeignCells : public ::testing::TestWithParam<ForeignCell> {};

TEST_P(XlsxForeignCells, ReadAsTheirKind)
{
    const ForeignCell& c = GetParam();
    Workbook book = ReadXlsxBytes(HandMadeWorkbook(c.sheetXml, c.workbookXml, kStrings, kStyles), "hand.xlsx");
    ASSERT_EQ(book.Sheets.size(), 1u) << "the chart sheet holds no cells";
    EXPECT_EQ(book.Sheets[0].Name, "Data");
    const Cell* cell = book.Sheets[0].Find(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->Kind, c.kind);
    EXPECT_EQ(cell->Text, c.text);
    EXPECT_DOUBLE_EQ(cell->Number, c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, XlsxForeignCells,
    ::testing::Values(
        ForeignCell{"shared", R"(<x:row r="2"><x:c r="C2" t="s"><x:v>0</x:v></x:c></x:row>)", CellKind::Text, "plain",
                    0},
        ForeignCell{"rich_runs_without_phonetic", R"(<x:row r="2"><x:c r="C2" t="s"><x:v>1</x:v></x:c></x:row>)",
                    CellKind::Text, "rich runs ", 0},
        ForeignCell{"escaped_characters", R"(<x:row r="2"><x:c r="C2" t="s"><x:v>2</x:v></x:c></x:row>)",
                    CellKind::Text, "tab\tand\rreturn_x0041_", 0},
        ForeignCell{"only_blanks", R"(<x:row r="2"><x:c r="C2" t="s"><x:v>3</x:v></x:c></x:row>)", CellKind::Text,
                    "   ", 0},
        ForeignCell{"inline",
                    R"(<x:row r="2"><x:c r="C2" t="inlineStr"><x:is><x:t>inline ü</x:t></x:is></x:c></x:row>)",
                    CellKind::Text, "inline ü", 0},
        ForeignCell{"formula_text", R"(<x:row r="2"><x:c r="C2" t="str"><x:f>A1</x:f><x:v>result</x:v></x:c></x:row>)",
                    CellKind::Text, "result", 0},
        ForeignCell{"error", R"(<x:row r="2"><x:c r="C2" t="e"><x:v>#DIV/0!</x:v></x:c></x:row>)", CellKind::Error,
                    "#DIV/0!", 0},
        ForeignCell{"boolean", R"(<x:row r="2"><x:c r="C2" t="b"><x:v>1</x:v></x:c></x:row>)", CellKind::Boolean, "",
                    1},
        ForeignCell{"number_exponent", R"(<x:row r="2"><x:c r="C2"><x:v>-1.5E-3</x:v></x:c></x:row>)", CellKind::Number,
                    "", -0.0015},
        ForeignCell{"builtin_date_style", R"(<x:row r="2"><x:c r="C2" s="1"><x:v>45351</x:v></x:c></x:row>)",
                    CellKind::Date, "", 45351},
        ForeignCell{"custom_date_style", R"(<x:row r="2"><x:c r="C2" s="2"><x:v>45351.25</x:v></x:c></x:row>)",
                    CellKind::Date, "", 45351.25},
        ForeignCell{"quoted_day_is_no_date", R"(<x:row r="2"><x:c r="C2" s="3"><x:v>7</x:v></x:c></x:row>)",
                    CellKind::Number, "", 7},
        ForeignCell{"percent_is_no_date", R"(<x:row r="2"><x:c r="C2" s="4"><x:v>0.5</x:v></x:c></x:row>)",
                    CellKind::Number, "", 0.5},
        ForeignCell{"iso_date", R"(<x:row r="2"><x:c r="C2" t="d"><x:v>2024-02-29T13:05:00</x:v></x:c></x:row>)",
                    CellKind::Date, "", 45351.5451388888875},
        ForeignCell{"date_1904", R"(<x:row r="2"><x:c r="C2" s="1"><x:v>43889</x:v></x:c></x:row>)", CellKind::Date, "",
                    45351, R"(<x:workbookPr date1904="1"/>)"},
        ForeignCell{"without_references",
                    R"(<x:row/><x:row><x:c><x:v>1</x:v></x:c><x:c/><x:c><x:v>3</x:v></x:c></x:row>)", CellKind::Number,
                    "", 3}),
    [](const ::testing::TestParamInfo<ForeignCell>& info) { return std::string(info.param.name); });

TEST(XlsxRead, CellsInAnyOrderAreSortedAndTheLastOfTwoCounts)
{
    Workbook book = ReadXlsxBytes(HandMadeWorkbook(R"(<x:row r="3"><x:c r="B3"><x:v>2</x:v></x:c>)"
                                                   R"(<x:c r="A3"><x:v>1</x:v></x:c></x:row>)"
                                                   R"(<x:row r="1"><x:c r="A1"><x:v>5</x:v></x:c>)"
                                                   R"(<x:c r="A1"><x:v>6</x:v></x:c></x:row>)"),
                                  "order.xlsx");
    const auto& cells = book.Sheets[0].Cells();
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].Number, 6);
    EXPECT_EQ(cells[1].Number, 1);
    EXPECT_EQ(cells[2].Number, 2);
    EXPECT_EQ(book.Sheets[0].UsedRangeAddress(), "$A$1:$B$3");
}

TEST(XlsxRead, ACellAtTheLastAddressCostsOneCell)
{
    Workbook book = ReadXlsxBytes(
        HandMadeWorkbook(R"(<x:row r="1048576"><x:c r="XFD1048576"><x:v>1</x:v></x:c></x:row>)"), "corner.xlsx");
    EXPECT_EQ(book.Sheets[0].Cells().size(), 1u);
    EXPECT_EQ(book.Sheets[0].UsedRangeAddress(), "$XFD$1048576");
}

TEST(XlsxRead, AnEmptyValueHoldsNothing)
{
    // Formulas saved without their result, as generators of workbooks write them.
    Workbook book = ReadXlsxBytes(HandMadeWorkbook(R"(<x:row r="1"><x:c r="A1"><x:v>2</x:v></x:c>)"
                                                   R"(<x:c r="B1"><x:f>A1*2</x:f><x:v></x:v></x:c>)"
                                                   R"(<x:c r="C1" t="b"><x:f>A1>1</x:f><x:v/></x:c>)"
                                                   R"(<x:c r="D1" t="str"><x:f>""</x:f><x:v/></x:c></x:row>)"),
                                  "formulas.xlsx");
    const Sheet& sheet = book.Sheets[0];
    ASSERT_EQ(sheet.Cells().size(), 1u);
    EXPECT_EQ(sheet.Find(0, 0)->Number, 2);
}

struct Corrupt {
    const char* name;
    std::string bytes;
    std::string reason;
};

class XlsxCorrupt : public ::testing::TestWithParam<Corrupt> {};

TEST_P(XlsxCorrupt, IsRefusedNamingFileAndReason)
{
    try {
        ReadXlsxBytes(GetParam().bytes, "/data/broken.xlsx");
        FAIL() << "accepted";
    } catch (const rtl::EFileError& e) {
        // An office error is a file error: callers that report files catch it with the others.
        EXPECT_NE(dynamic_cast<const EOfficeError*>(&e), nullptr);
        EXPECT_EQ(e.File(), "/data/broken.xlsx");
        EXPECT_NE(e.Reason().find(GetParam().reason), std::string::npos) << e.Reason();
        EXPECT_NE(e.Message.find("\"/data/broken.xlsx\""), std::string::npos) << e.Message;
        EXPECT_NE(e.Message.find(GetParam().reason), std::string::npos) << e.Message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, XlsxCorrupt,
    ::testing::Values(
        Corrupt{"empty", "", "The file is empty"}, Corrupt{"text", "Name;Value\n1;2\n", "not a valid zip package"},
        Corrupt{"truncated", HandMadeWorkbook("").substr(0, 300), "not a valid zip package"},
        Corrupt{"no_workbook",
                [] {
                    ZipWriter z;
                    z.Add("a.txt", "x");
                    return z.Finish();
                }(),
                "no workbook part"},
        Corrupt{"malformed_sheet", HandMadeWorkbook("<x:row><x:c>"), "Part \"xl/worksheets/data.xml\""},
        Corrupt{"missing_shared_string",
                HandMadeWorkbook(R"(<x:row r="1"><x:c r="A1" t="s"><x:v>9</x:v></x:c></x:row>)"),
                "cell A1: no shared string 9"},
        Corrupt{"bad_reference", HandMadeWorkbook(R"(<x:row r="1"><x:c r="A0"><x:v>1</x:v></x:c></x:row>)"),
                "\"A0\" is not a cell reference"},
        Corrupt{"cell_beyond_last_column", HandMadeWorkbook(R"(<x:row r="1"><x:c r="XFE1"><x:v>1</x:v></x:c></x:row>)"),
                "\"XFE1\" is not a cell reference"},
        Corrupt{"row_beyond_last", HandMadeWorkbook(R"(<x:row r="1048577"/>)"), "row \"1048577\" is out of range"},
        Corrupt{"not_a_number", HandMadeWorkbook(R"(<x:row r="1"><x:c r="A1"><x:v>1,5</x:v></x:c></x:row>)"),
                "\"1,5\" is not a number"},
        Corrupt{"unknown_type", HandMadeWorkbook(R"(<x:row r="1"><x:c r="A1" t="q"><x:v>1</x:v></x:c></x:row>)"),
                "unknown cell type \"q\""}),
    [](const ::testing::TestParamInfo<Corrupt>& info) { return std::string(info.param.name); });

TEST(XlsxRead, AMissingFileIsNamed)
{
    try {
        ReadXlsx("/nonexistent/book.xlsx");
        FAIL();
    } catch (const EOfficeError& e) {
        EXPECT_NE(e.Message.find("/nonexistent/book.xlsx"), std::string::npos) << e.Message;
    }
}

struct WriteFault {
    const char* name;
    Workbook book;
    std::string reason;
};

class XlsxWriteFault : public ::testing::TestWithParam<WriteFault> {};

TEST_P(XlsxWriteFault, IsRefusedAndLeavesTheFileAsItWas)
{
    ScratchDir dir("xlsx");
    std::string file = dir.File("kept.xlsx");
    testsupport::WriteFile(file, "old content");
    try {
        WriteXlsx(file, GetParam().book);
        FAIL() << "written";
    } catch (const EOfficeError& e) {
        EXPECT_NE(e.Message.find(file), std::string::npos) << e.Message;
        EXPECT_NE(e.Message.find(GetParam().reason), std::string::npos) << e.Message;
    }
    EXPECT_EQ(testsupport::ReadFile(file), "old content");
}

namespace {
Workbook Named(std::vector<std::string> names)
{
    Workbook b;
    for (auto& n : names) {
        b.Sheets.emplace_back();
        b.Sheets.back().Name = n;
    }
    return b;
}
Workbook WithCell(Cell c)
{
    Workbook b = Named({"S"});
    b.Sheets[0].Set(std::move(c));
    return b;
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Books, XlsxWriteFault,
    ::testing::Values(
        WriteFault{"empty_name", Named({""}), "A sheet has no name"},
        WriteFault{"long_name", Named({"abcdefghijklmnopqrstuvwxyz123456"}), "longer than 31 characters"},
        WriteFault{"bracket_in_name", Named({"a[1]"}), "holds one of the characters"},
        WriteFault{"same_name_other_case", Named({"Daten", "DATEN"}), "\"DATEN\" is used twice"},
        WriteFault{"text_too_long", WithCell({0, 0, CellKind::Text, std::string(32768, 'x'), 0}),
                   "Cell A1 of sheet \"S\" holds more than 32767 characters"},
        WriteFault{"not_finite", WithCell({0, 0, CellKind::Number, {}, 1.0 / 0.0}), "holds no number the format keeps"},
        WriteFault{"beyond_largest", WithCell({0, 0, CellKind::Number, {}, -1e308}),
                   "holds no number the format keeps"},
        WriteFault{"outside_sheet", WithCell({kMaxRows, 0, CellKind::Number, {}, 1}), "lies outside the sheet"}),
    [](const ::testing::TestParamInfo<WriteFault>& info) { return std::string(info.param.name); });

TEST(XlsxWrite, AMissingFolderIsNamed)
{
    try {
        WriteXlsx("/nonexistent/folder/out.xlsx", Named({"S"}));
        FAIL();
    } catch (const EOfficeError& e) {
        EXPECT_NE(e.Message.find("/nonexistent/folder/out.xlsx"), std::string::npos) << e.Message;
    }
}

TEST(CellReferences, ReadAndWrittenAlike)
{
    struct Case {
        const char* text;
        bool valid;
        int row, col;
    };
    for (const Case& c : {Case{"A1", true, 0, 0}, Case{"$B$2", true, 1, 1}, Case{"Z9", true, 8, 25},
                          Case{"AA10", true, 9, 26}, Case{"xfd1048576", true, 1048575, 16383}, Case{"A", false, 0, 0},
                          Case{"1", false, 0, 0}, Case{"A0", false, 0, 0}, Case{"XFE1", false, 0, 0},
                          Case{"A1048577", false, 0, 0}, Case{"A1x", false, 0, 0}, Case{"AAAAA1", false, 0, 0}}) {
        int row = -1, col = -1;
        EXPECT_EQ(ParseCellReference(c.text, row, col), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(row, c.row) << c.text;
            EXPECT_EQ(col, c.col) << c.text;
            std::string upper = c.text;
            for (char& ch : upper)
                ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            if (upper[0] != '$') {
                EXPECT_EQ(CellReference(row, col), upper);
            }
        }
    }
}
