// XML export and import: round trips of awkward content (escapes survive exactly once), what an
// independent parser reads, the record shapes the reader understands, and refused documents.
#include "grid/extras/GridXml.h"

#include <gtest/gtest.h>

#include <string>

#include "../../platform/office/PythonReader.h"
#include "ExtrasFixture.h"
#include "ScratchDir.h"
#include "platform/rtl/Exceptions.h"

namespace gx {
namespace {

using extrastest::AwkwardCells;
using extrastest::CellsOf;
using extrastest::Fill;

TEST(GridXml, AwkwardCellsRoundTripAndAParserReadsThemToo)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("g.xml");
    TGxStringGrid out(nullptr), in(nullptr);
    out.Multilinecells = in.Multilinecells = true;
    auto cells = AwkwardCells();
    cells[2][0] = "$amp;";
    cells.push_back({"   ", "\n", "\t", " \r\n "});  // white space alone is a text too
    Fill(out, cells);
    SaveToXML(out, f, "list", "row", nullptr, true);
    in.SetColCount(1);
    in.SetRowCount(1);
    LoadFromXML(in, f);
    EXPECT_EQ(CellsOf(in), cells);

    out.QuoteEmptyCells = false;  // an empty field is then an empty element, as parsers see it
    SaveToXML(out, f, "list", "row", nullptr, true);
    std::string got = officetest::RunPythonReader(
        dir,
        "import xml.etree.ElementTree as ET, json\n"
        "root = ET.parse(sys.argv[1]).getroot()\n"
        "rows = [[(f.text or '') for f in rec] for rec in root]\n"
        "open(sys.argv[2], 'w', encoding='utf-8').write(json.dumps(rows, ensure_ascii=False))\n",
        f);
    in.SetColCount(1);
    in.SetRowCount(1);
    LoadFromXML(in, f);
    EXPECT_EQ(CellsOf(in), cells);
    EXPECT_NE(got.find(R"("two\r\nlines")"), std::string::npos) << got;
    EXPECT_NE(got.find(R"("&amp; $amp; &lt;")"), std::string::npos) << got;
    EXPECT_NE(got.find(R"(["$amp;", "  leading")"), std::string::npos) << got;
    EXPECT_NE(got.find("日本語 ✓"), std::string::npos) << got;
}

TEST(GridXml, WrittenDocumentHasTheListRecordAndFieldShape)
{
    testsupport::ScratchDir dir;
    TGxStringGrid grid(nullptr);
    Fill(grid, {{"a&b", "1<2"}, {"", "x"}});
    rtl::TStringList names;
    names.Add("first");
    SaveToXML(grid, dir.File("s.xml"), "list", "row", &names, false);
    EXPECT_EQ(testsupport::ReadFile(dir.File("s.xml")),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<list>\r\n<row>\r\n<first>a&amp;b</first>\r\n"
              "<FIELD1>1&lt;2</FIELD1>\r\n</row>\r\n<row>\r\n<FIELD1>x</FIELD1>\r\n</row>\r\n</list>\r\n");
}

TEST(GridXml, ReaderTakesAttributesGroupsAndOlderEscapes)
{
    struct Case {
        const char* doc;
        bool levelToRow;
        std::vector<std::vector<std::string>> cells;
    };
    const Case cases[] = {
        {R"(<l><r id="1" name="n"><a>x</a><b>y</b></r></l>)", false, {{"1", "n", "x", "y"}}},
        {"<l><r><a>a$amp;b</a><b>&quot;&quot;</b></r><r><a>c</a><b/></r></l>", false, {{"a&b", ""}, {"c", ""}}},
        {"<l><r><a>1</a><b>2</b></r><r><a>3</a><b>4</b></r></l>", true, {{"1", "2"}, {"3", "4"}}},
        {"<l><r><g><a>1</a><b>2</b></g><g><a>3</a><b>4</b></g></r></l>", true, {{"", ""}, {"1", "2"}, {"3", "4"}}},
        // Indented by another program: the layout is no text, blanks inside a field are.
        {"<l>\n  <r>\n    <a>  </a>\n    <b>x</b>\n  </r>\n  <r>\n  </r>\n</l>\n", false, {{"  ", "x"}}},
    };
    testsupport::ScratchDir dir;
    for (const Case& c : cases) {
        testsupport::WriteFile(dir.File("r.xml"), c.doc);
        TGxStringGrid grid(nullptr);
        grid.SetColCount(1);
        grid.SetRowCount(1);
        LoadFromXML(grid, dir.File("r.xml"), c.levelToRow);
        EXPECT_EQ(CellsOf(grid), c.cells) << c.doc;
    }
}

TEST(GridXml, BadDocumentsAreRefusedNamingTheFileAndLeaveTheGrid)
{
    testsupport::ScratchDir dir;
    const std::string f = dir.File("bad.xml");
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    const std::string docs[] = {"<l><r><a>1</a></r>\n<r><b></r></l>", "", "not xml", deep};
    for (const std::string& d : docs) {
        testsupport::WriteFile(f, d);
        TGxStringGrid grid(nullptr);
        grid.SetCells(1, 1, "kept");
        try {
            LoadFromXML(grid, f);
            ADD_FAILURE() << d.substr(0, 40);
        } catch (const rtl::Exception& e) {
            EXPECT_NE(e.Message.find(f), std::string::npos) << e.Message;
        }
        EXPECT_EQ(grid.Cells(1, 1), "kept");
    }
    testsupport::WriteFile(f, docs[0]);
    TGxStringGrid grid(nullptr);
    try {
        LoadFromXML(grid, f);
    } catch (const rtl::Exception& e) {
        EXPECT_NE(e.Message.find("on line 2"), std::string::npos) << e.Message;
    }
    EXPECT_THROW(LoadFromXML(grid, dir.File("missing.xml")), rtl::EFileError);
}

}  // namespace
}  // namespace gx
