// The text formats: round trips of awkward content, what an independent CSV reader sees, the
// coding of single CSV fields, delimiter detection, the stream form's end, fixed widths, the
// ASCII table's alignment and the refusal of corrupt files.
#include "grid/extras/GridTextFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "../../platform/office/PythonReader.h"
#include "ExtrasFixture.h"
#include "ScratchDir.h"
#include "platform/rtl/Exceptions.h"

namespace gx {
namespace {

using extrastest::AwkwardCells;
using extrastest::CellsOf;
using extrastest::Fill;

struct RoundTrip {
    const char* name;
    std::function<void(TGxStringGrid&, const std::string&)> save;
    std::function<void(TGxStringGrid&, const std::string&)> load;
};

class GridTextRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(GridTextRoundTrip, AwkwardCellsComeBackEqual)
{
    testsupport::ScratchDir dir;
    std::string file = dir.File("grid.txt");
    TGxStringGrid out(nullptr), in(nullptr);
    out.Multilinecells = in.Multilinecells = true;
    Fill(out, AwkwardCells());
    GetParam().save(out, file);
    in.SetColCount(1);
    in.SetRowCount(1);
    GetParam().load(in, file);
    EXPECT_EQ(CellsOf(in), AwkwardCells());
}

INSTANTIATE_TEST_SUITE_P(Formats, GridTextRoundTrip,
                         ::testing::Values(RoundTrip{"OwnText", [](auto& g, auto& f) { SaveToFile(g, f, true); },
                                                     [](auto& g, auto& f) { LoadFromFile(g, f); }},
                                           RoundTrip{"OwnTextStream",
                                                     [](auto& g, auto& f) {
                                                         rtl::TMemoryStream s;
                                                         SaveToStream(g, s);
                                                         s.SaveToFile(f);
                                                     },
                                                     [](auto& g, auto& f) {
                                                         rtl::TMemoryStream s;
                                                         s.LoadFromFile(f);
                                                         LoadFromStream(g, s);
                                                     }},
                                           RoundTrip{"CsvUtf8", [](auto& g, auto& f) { SaveToCSV(g, f, true); },
                                                     [](auto& g, auto& f) { LoadFromCSV(g, f); }},
                                           RoundTrip{"CsvSemicolon",
                                                     [](auto& g, auto& f) {
                                                         g.Delimiter = ';';
                                                         SaveToCSV(g, f, true);
                                                     },
                                                     [](auto& g, auto& f) {
                                                         g.Delimiter = ';';
                                                         LoadFromCSV(g, f);
                                                     }},
                                           RoundTrip{"CsvAlwaysQuoted",
                                                     [](auto& g, auto& f) {
                                                         g.AlwaysQuotes = true;
                                                         SaveToCSV(g, f, true);
                                                     },
                                                     [](auto& g, auto& f) { LoadFromCSV(g, f); }}),
                         [](const auto& info) { return std::string(info.param.name); });

// Hidden columns are written with SaveHiddenCells; hidden rows stay out of every file.
TEST(GridTextFiles, HiddenColumnsTravelWhenAskedAndHiddenRowsStayOut)
{
    testsupport::ScratchDir dir;
    TGxStringGrid out(nullptr), in(nullptr);
    Fill(out, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    out.HideColumn(1);
    out.HideRow(1);
    out.SaveHiddenCells = true;
    in.SetColCount(1);
    SaveToCSV(out, dir.File("h.csv"));
    LoadFromCSV(in, dir.File("h.csv"));
    EXPECT_EQ(CellsOf(in), (std::vector<std::vector<std::string>>{{"a", "b", "c"}, {"g", "h", "i"}}));

    out.SaveHiddenCells = false;
    SaveToFile(out, dir.File("h.txt"));
    LoadFromFile(in, dir.File("h.txt"));
    EXPECT_EQ(CellsOf(in), (std::vector<std::vector<std::string>>{{"a", "c"}, {"g", "i"}}));
}

TEST(GridTextFiles, PythonCsvReaderSeesTheSameCells)
{
    testsupport::ScratchDir dir;
    TGxStringGrid grid(nullptr);
    Fill(grid, AwkwardCells());
    SaveToCSV(grid, dir.File("g.csv"), true);
    // A text with a line break and no quote is written with the line break as a vertical tab.
    std::string got = officetest::RunPythonReader(
        dir,
        "import csv, json\n"
        "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline='')))\n"
        "rows = [[c.replace('\\x0b', '\\r\\n') for c in r] for r in rows]\n"
        "open(sys.argv[2], 'w', encoding='utf-8').write(json.dumps(rows, ensure_ascii=False))\n",
        dir.File("g.csv"));
    std::string want = "[";
    for (const auto& row : AwkwardCells()) {
        want += want.size() > 1 ? ", [" : "[";
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string c = row[i];
            std::string j;
            for (char ch : c) {
                if (ch == '"' || ch == '\\')
                    j += '\\', j += ch;
                else if (ch == '\r')
                    j += "\\r";
                else if (ch == '\n')
                    j += "\\n";
                else if (ch == '\t')
                    j += "\\t";
                else
                    j += ch;
            }
            want += (i ? ", \"" : "\"") + j + "\"";
        }
        want += "]";
    }
    want += "]";
    EXPECT_EQ(got, want);
}

struct CsvField {
    const char* text;
    bool java, quoteEmpty;
    const char* written;
};

TEST(GridTextFiles, CsvFieldsAreCodedByTheSettings)
{
    const CsvField cases[] = {
        {"a\"b", false, true, "\"a\"\"b\""},
        {"x,y", false, true, "\"x,y\""},
        {"two\r\nlines", false, true, "\"two\vlines\""},
        {"", false, true, "\"\""},
        {"", true, true, "^"},
        {"", false, false, ""},
        {"two\r\nlines", true, true, "two~lines"},
        {" lead", false, true, "\" lead\""},
    };
    for (const CsvField& f : cases) {
        TGxStringGrid grid(nullptr);
        grid.JavaCSV = f.java;
        grid.QuoteEmptyCells = f.quoteEmpty;
        EXPECT_EQ(CSVEncodeCell(grid, f.text, ','), f.written) << f.text;
    }
}

TEST(GridTextFiles, CsvReadingDetectsTheDelimiterAndSplitsQuotedFields)
{
    struct Case {
        const char* content;
        std::vector<std::vector<std::string>> cells;
    };
    const Case cases[] = {
        {"a;b;c;d,e\r\nf;g;h;i,j\r\n", {{"a", "b", "c", "d,e"}, {"f", "g", "h", "i,j"}}},
        {"no candidate here\r\n", {{"no candidate here"}}},
        {"\"a,b\",c\r\n", {{"a,b", "c"}}},
        {"x,\"unclosed\r\ny,z\r\n", {{"x", "unclosed"}, {"y", "z"}}},
        {"p,q,\r\n", {{"p", "q", ""}}},
        // The delimiter is guessed from records: quoted line breaks do not end the first one.
        {"\"\"\"\r\n\r\n\",b\r\nc,d\r\n", {{"\"\r\n\r\n", "b"}, {"c", "d"}}},
        {"\"1;2\r\n3;4\";x\r\ny;z\r\n", {{"1;2\r\n3;4", "x"}, {"y", "z"}}},
    };
    testsupport::ScratchDir dir;
    for (const Case& c : cases) {
        testsupport::WriteFile(dir.File("d.csv"), c.content);
        TGxStringGrid grid(nullptr);
        grid.SetColCount(1);
        LoadFromCSV(grid, dir.File("d.csv"));
        EXPECT_EQ(CellsOf(grid), c.cells) << c.content;
        EXPECT_EQ(grid.Delimiter, '\0');
    }
}

// A large file is read in blocks of 4 MiB: a record that runs over a block's end (a quoted line
// break, a line break split between its two characters, a quote still open) reads as it does when
// the whole text is read at once.
TEST(GridTextFiles, CsvRecordsOverTheReadersBlockEndsReadAsInTheWholeText)
{
    constexpr std::size_t kBlock = std::size_t{4} << 20;
    const std::string tails[] = {
        "\"a\r\nb\",x\r\nlast,y\r\n",
        "p,q\r\nr,s\r\n",
        "\"never closed,z\r\nw,v\r\n",
        "\"closed much later,z\r\n" + std::string(kBlock + 10, 'm') + "\",t\r\nu,v",
        "e,\r\n,f\r\n",
    };
    testsupport::ScratchDir dir;
    for (const std::string& tail : tails) {
        for (std::size_t before = 0; before < 8; ++before) {
            // Long records up to a few bytes before the block's end, then the tail.
            std::string text = "head,line\r\n";
            const std::string record = std::string(1021, 'a') + ",b\r\n";
            while (text.size() + 2 * record.size() < kBlock)
                text += record;
            text += std::string(kBlock - before - text.size() - 4, 'c') + ",d\r\n";
            text += tail;
            SCOPED_TRACE(tail.substr(0, 20) + " " + std::to_string(before));
            testsupport::WriteFile(dir.File("big.csv"), text);
            TGxStringGrid fromFile(nullptr), fromText(nullptr);
            fromFile.LoadFirstRow = fromText.LoadFirstRow = true;
            LoadFromCSV(fromFile, dir.File("big.csv"));
            rtl::TStringStream stream(text);
            stream.SetPosition(0);
            LoadFromCSVStream(fromText, stream);
            ASSERT_EQ(fromFile.RowCount(), fromText.RowCount());
            EXPECT_EQ(CellsOf(fromFile), CellsOf(fromText));
        }
    }
}

// A CSV file Python's csv module writes, larger than the reader's block of 4 MiB, loads with
// every value: quotes, delimiters and line breaks inside fields, characters beyond ASCII.
TEST(GridTextFiles, PythonCsvWriterFileLoadsWithEveryValue)
{
    testsupport::ScratchDir dir;
    constexpr int kRows = 100000;
    const auto cellsOf = [](int r) {
        return std::vector<std::string>{std::to_string(r), "say \"hi\", r" + std::to_string(r % 97), "two\r\nlines",
                                        "na\u00efve \u20ac" + std::to_string(r % 7), r % 5 ? "" : "last"};
    };
    officetest::RunPythonReader(dir,
                                "import csv\n"
                                "with open(sys.argv[1], 'w', encoding='utf-8', newline='') as f:\n"
                                "    w = csv.writer(f)\n"
                                "    for r in range(" +
                                    std::to_string(kRows) +
                                    "):\n"
                                    "        w.writerow([str(r), 'say \"hi\", r%d' % (r % 97), 'two\\r\\nlines',\n"
                                    "                    'na\u00efve \u20ac%d' % (r % 7), '' if r % 5 else 'last'])\n"
                                    "open(sys.argv[2], 'w').write('ok')\n",
                                dir.File("python.csv"));
    ASSERT_GT(std::filesystem::file_size(dir.File("python.csv")), std::uintmax_t{4} << 20);
    TGxStringGrid grid(nullptr);
    grid.SetColCount(1);
    grid.LoadFirstRow = true;
    LoadFromCSV(grid, dir.File("python.csv"));
    ASSERT_EQ(grid.RowCount(), kRows);
    ASSERT_EQ(grid.ColCount(), 5);
    for (int r = 0; r < kRows; ++r) {
        const std::vector<std::string> want = cellsOf(r);
        for (int c = 0; c < 5; ++c)
            if (grid.Cells(c, r) != want[static_cast<std::size_t>(c)])
                FAIL() << "row " << r << " column " << c << ": " << grid.Cells(c, r);
    }
}

// A pipe can be read only once: its CSV text is read whole, none of it lost to a first pass.
TEST(GridTextFiles, CsvFromAPipeReadsEveryRecord)
{
    testsupport::ScratchDir dir;
    const std::string fifo = dir.File("pipe.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&fifo] { testsupport::WriteFile(fifo, "a,b\r\nc,d\r\ne,f\r\n"); });
    TGxStringGrid grid(nullptr);
    grid.SetColCount(1);
    grid.LoadFirstRow = true;
    LoadFromCSV(grid, fifo);
    writer.join();
    EXPECT_EQ(CellsOf(grid), (std::vector<std::vector<std::string>>{{"a", "b"}, {"c", "d"}, {"e", "f"}}));
}

// Line breaks of every kind come back in both forms of the own format, a CR alone too; a tab of a
// text without line breaks stays a tab.
TEST(GridTextFiles, OwnTextKeepsEveryKindOfLineBreak)
{
    const std::vector<std::vector<std::string>> cells = {{"lone\rCR", "\r", "tab\tonly"},
                                                         {"lf\nonly", "crlf\r\nx", "\x02starts with STX"}};
    testsupport::ScratchDir dir;
    for (bool stream : {false, true}) {
        SCOPED_TRACE(stream ? "stream" : "file");
        TGxStringGrid out(nullptr), in(nullptr);
        out.Multilinecells = in.Multilinecells = true;
        Fill(out, cells);
        in.SetColCount(1);
        in.SetRowCount(1);
        if (stream) {
            rtl::TMemoryStream s;
            SaveToStream(out, s);
            s.SetPosition(0);
            LoadFromStream(in, s);
        } else {
            SaveToFile(out, dir.File("t.txt"), false);
            LoadFromFile(in, dir.File("t.txt"));
        }
        EXPECT_EQ(CellsOf(in), cells);
    }
}

TEST(GridTextFiles, StreamFormStopsBeforeOtherData)
{
    TGxStringGrid out(nullptr), in(nullptr);
    Fill(out, {{"a", "b"}, {"c", "d"}});
    rtl::TMemoryStream s;
    SaveToStream(out, s);
    const int64_t end = s.Position();
    s.WriteString(std::string("x\0\r\0\n\0", 6));
    s.SetPosition(0);
    LoadFromStream(in, s);
    EXPECT_EQ(s.Position(), end);
    EXPECT_EQ(CellsOf(in), CellsOf(out));
}

TEST(GridTextFiles, FixedWidthWritesPaddedColumnsAndReadsTheLinesAskedFor)
{
    testsupport::ScratchDir dir;
    TGxStringGrid grid(nullptr);
    Fill(grid, {{"ab", "c"}, {"defg", "hij"}, {"k", "l"}});
    TIntList widths(0, 0);
    SaveToFixed(grid, dir.File("f.txt"), widths);
    EXPECT_EQ(testsupport::ReadFile(dir.File("f.txt")), "ab   c   \r\ndefg hij \r\nk    l   \r\n");
    EXPECT_EQ(widths.StrValue(), "5,4");

    TIntList starts(0, 0);
    starts.SetStrValue("10,1,6");
    for (int maxRows : {-1, 0, 2}) {
        TGxStringGrid in(nullptr);
        in.SetRowCount(1);
        in.SetFixedCols(0);
        LoadFromFixed(in, dir.File("f.txt"), starts, true, maxRows);
        std::vector<std::vector<std::string>> want = {{"ab", "c"}, {"defg", "hij"}, {"k", "l"}};
        want.resize(maxRows < 0 ? 3 : static_cast<std::size_t>(maxRows));
        auto got = CellsOf(in);
        got.resize(want.size());
        EXPECT_EQ(got, want) << maxRows;
    }
    EXPECT_EQ(starts.StrValue(), "1,6,10");
}

TEST(GridTextFiles, AsciiTableAlignsByTheCellAlignment)
{
    testsupport::ScratchDir dir;
    TGxStringGrid grid(nullptr);
    Fill(grid, {{"12345", "x"}, {"42", "yy"}});
    grid.SetAlignments(0, 1, THAlignment::taRightJustify);
    grid.SetAlignments(1, 0, THAlignment::taCenter);
    SaveToASCII(grid, dir.File("a.txt"));
    EXPECT_EQ(testsupport::ReadFile(dir.File("a.txt")), "12345  x \r\n   42 yy \r\n");
}

TEST(GridTextFiles, CorruptOrMissingFilesAreRefusedNamingTheFile)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("bad.txt");
    const char* corrupt[] = {"x,y\r\n", "2,2\r\ncw x,5\r\n", "2,2\r\ncw 0,5\r\ncw 1,5\r\n0;0;a\r\n",
                             "99999,99999999\r\n"};
    for (const char* content : corrupt) {
        testsupport::WriteFile(f, content);
        TGxStringGrid grid(nullptr);
        const int rows = grid.RowCount();
        try {
            LoadFromFile(grid, f);
            ADD_FAILURE() << content;
        } catch (const rtl::Exception& e) {
            EXPECT_NE(e.Message.find(f), std::string::npos) << e.Message;
        }
        EXPECT_LE(grid.RowCount(), rows);
    }
    testsupport::WriteFile(f, "0,3\r\n");
    TGxStringGrid grid(nullptr);
    EXPECT_THROW(LoadFromFile(grid, f), VIdiRazeRaduz);
    TIntList starts(0, 0);
    starts.SetStrValue("1,5");
    try {
        LoadFromFixed(grid, dir.File("missing.txt"), starts);
        ADD_FAILURE();
    } catch (const VIdiRazeRaduz& e) {
        EXPECT_EQ(e.Message, "File " + dir.File("missing.txt") + " not found");
    }
    testsupport::WriteFile(f, "");
    grid.SetCells(0, 0, "kept");
    LoadFromCSV(grid, f);  // an empty file leaves the grid as it was
    EXPECT_EQ(grid.Cells(0, 0), "kept");
}

TEST(GridTextFiles, CellToRealReadsNumbersAndNamesThePositionOfAFault)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(6);
    grid.SetCells(1, 1, " -1234.5 ");
    EXPECT_DOUBLE_EQ(CellToReal(grid, 1, 1), -1234.5);
    EXPECT_DOUBLE_EQ(CellToReal(grid, 0, 0), 0);
    grid.SetCells(2, 5, "1.2.3");
    try {
        CellToReal(grid, 2, 5);
        ADD_FAILURE();
    } catch (const VIdiRazeRaduz& e) {
        EXPECT_EQ(e.Message, "Error at position: 4 in Cell [2, 5].");
    }
}

}  // namespace
}  // namespace gx
