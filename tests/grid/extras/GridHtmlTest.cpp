// HTML export: the document's shape and shared style classes, spans of merged cells, the link
// rule, empty cells, picture files, and what an independent HTML parser reads from it.
#include "grid/extras/GridHtml.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../../platform/office/PythonReader.h"
#include "ExtrasFixture.h"
#include "ScratchDir.h"

namespace gx {
namespace {

using extrastest::AwkwardCells;
using extrastest::Fill;

int Count(const std::string& s, const std::string& sub)
{
    int n = 0;
    for (std::size_t p = s.find(sub); p != std::string::npos; p = s.find(sub, p + 1))
        ++n;
    return n;
}

TEST(GridHtml, HeaderAndBodyRowsShareOneClassEachAndTheTableTagIsComplete)
{
    TGxStringGrid grid(nullptr);
    Fill(grid, {{"h1", "h2"}, {"a", "b"}});
    grid.SetFixedCols(0);
    std::string html = SaveToHTMLString(grid, "");
    EXPECT_NE(html.find("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n"),
              std::string::npos)
        << html;
    EXPECT_EQ(Count(html, ".c0 {"), 1);
    EXPECT_EQ(Count(html, ".c1 {"), 1);
    EXPECT_EQ(Count(html, ".c2 {"), 0);
    EXPECT_EQ(Count(html, "<TD class=\"c0\""), 2);
    EXPECT_EQ(Count(html, "<TD class=\"c1\""), 2);
    EXPECT_EQ(html.find("<style>"), 0u);
}

TEST(GridHtml, MergedAreaIsOneCellWithSpans)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.MergeCells(1, 0, 2, 3);
    grid.SetCells(1, 0, "merged");
    std::string html = SaveToHTMLString(grid, "");
    EXPECT_NE(html.find(" COLSPAN=\"2\" ROWSPAN=\"3\">merged</td>"), std::string::npos) << html;
    EXPECT_EQ(Count(html, "<TD"), 16 - 5);
}

TEST(GridHtml, LinksEmptyCellsAndSpecialCharacters)
{
    struct Case {
        const char* text;
        bool full;
        const char* content;
    };
    const Case cases[] = {
        {"plain text", false, ">plain text</td>"},
        {"http://example.com/x", false, "><a href=http://example.com/x>example.com/x</a></td>"},
        {"http://example.com/x", true, "><a href=http://example.com/x>http://example.com/x</a></td>"},
        {"mailto:me@example.com", false, "><a href=mailto:me@example.com>me@example.com</a></td>"},
        {"   ", false, ">&nbsp;</td>"},
        {"", false, ">&nbsp;</td>"},
        {"a<b & \"c\"", false, ">a&lt;b &amp; &quot;c&quot;</td>"},
        {"two\r\nlines", false, ">two<br>\nlines</td>"},
    };
    for (const Case& c : cases) {
        TGxStringGrid grid(nullptr);
        grid.SetColCount(1);
        grid.SetRowCount(1);
        grid.SetFixedRows(0);
        grid.SetFixedCols(0);
        grid.SetURLShow(true);
        grid.SetURLFull(c.full);
        grid.HTMLSettings()->ConvertSpecialChars = true;
        grid.SetCells(0, 0, c.text);
        std::string html = SaveToHTMLString(grid, "");
        EXPECT_NE(html.find(c.content), std::string::npos) << c.text << "\n" << html;
    }
}

TEST(GridHtml, BitmapCellsBecomeNumberedPictureFilesBesideTheDocument)
{
    testsupport::ScratchDir dir;
    TGxStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    for (int c = 0; c < 2; ++c) {
        auto* bmp = new ui::TBitmap();
        bmp->SetSize(8, 8);
        TCellGraphic* g = grid.CreateCellGraphic(c, 1);
        g->SetBitmap(bmp, false, haLeft, vaTop);
        g->CellCreated = true;
    }
    SaveToHTML(grid, dir.File("g.html"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("images/img1.jpg")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("images/img2.jpg")));
    std::string html = testsupport::ReadFile(dir.File("g.html"));
    EXPECT_NE(html.find("<img src= \"file://" + dir.File("images/img2.jpg") + "\">"), std::string::npos);
    // Without a folder nothing is written anywhere.
    std::string s = SaveToHTMLString(grid, "");
    EXPECT_EQ(s.find("<img"), std::string::npos);
}

TEST(GridHtml, AnHtmlParserReadsTheSameCells)
{
    testsupport::ScratchDir dir;
    TGxStringGrid grid(nullptr);
    auto cells = AwkwardCells();
    Fill(grid, cells);
    grid.HTMLSettings()->ConvertSpecialChars = true;
    SaveToHTML(grid, dir.File("g.html"), false, true);
    std::string got = officetest::RunPythonReader(
        dir,
        "from html.parser import HTMLParser\nimport json\n"
        "class P(HTMLParser):\n"
        "    def __init__(s):\n        super().__init__(convert_charrefs=True); s.rows=[]; s.cell=None\n"
        "    def handle_starttag(s, t, a):\n"
        "        if t=='tr': s.rows.append([])\n"
        "        elif t=='td': s.cell=''\n"
        "        elif t=='br' and s.cell is not None: s.cell+='\\r'\n"
        "    def handle_endtag(s, t):\n"
        "        if t=='td': s.rows[-1].append(s.cell.replace('\\xa0','')); s.cell=None\n"
        "    def handle_data(s, d):\n"
        "        if s.cell is not None: s.cell+=d\n"
        "p=P(); p.feed(open(sys.argv[1], encoding='utf-16').read())\n"
        "open(sys.argv[2],'w',encoding='utf-8').write(json.dumps(p.rows, ensure_ascii=False))\n",
        dir.File("g.html"));
    EXPECT_NE(got.find(R"(["Name", "Value", "Note", "Ünïcode"])"), std::string::npos) << got;
    EXPECT_NE(got.find(R"(["a\"b", "x,y", "two\r\nlines", "日本語 ✓"])"), std::string::npos) << got;
    EXPECT_NE(got.find(R"(["last", "&amp; $amp; &lt;", "<b>", ""])"), std::string::npos) << got;
}

}  // namespace
}  // namespace gx
