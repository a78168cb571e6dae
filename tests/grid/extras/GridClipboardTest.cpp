// The clipboard: the text layout of copied cells, round trips of every format between two grids
// with awkward content, paste growth and insertion, cut with undo, the smart fill, and refusals.
#include "grid/extras/GridClipboard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../platform/office/PythonReader.h"
#include "ExtrasFixture.h"
#include "ScratchDir.h"
#include "grid/base/GridUndoRedo.h"
#include "grid/base/VozEdidText.h"
#include "grid/extras/CellStreamCodec.h"
#include "grid/extras/GridExtras.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Regional.h"
#include "platform/ui/Clipboard.h"

namespace gx {
namespace {

using extrastest::AwkwardCells;
using extrastest::CellsOf;
using extrastest::Fill;
using Cells = std::vector<std::vector<std::string>>;

// An editable grid without fixed cells holding cells.
void Editable(TGxStringGrid& grid, const Cells& cells)
{
    Fill(grid, cells);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetOptions(grid.Options() | ui::goEditing);
}

void SelectAll(TGxStringGrid& grid)
{
    grid.SetSelection({0, 0, grid.ColCount() - 1, grid.RowCount() - 1});
}

Cells Blank(int cols, int rows)
{
    return Cells(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(cols)));
}

TEST(GridClipboard, CopiedTextLayout)
{
    struct Case {
        const char* name;
        Cells cells;
        ui::TGridRect rect;
        bool excel;
        std::string expected;
    };
    const Case cases[] = {
        {"one cell has no tab and no line end", {{"a", "b"}}, {0, 0, 0, 0}, false, "a"},
        {"two by two ends every row", {{"a", "b"}, {"c", "d"}}, {0, 0, 1, 1}, false, "a\tb\r\nc\td\r\n"},
        {"line break, tab and leading quote are quoted, quotes doubled",
         {{"x\r\ny", "t\tu", "\"q\" r", "mid\"dle"}},
         {0, 0, 3, 0},
         false,
         "\"x\r\ny\"\t\"t\tu\"\t\"\"\"q\"\" r\"\tmid\"dle"},
        {"a spreadsheet's multi-line form with character 11", {{"x\r\ny"}}, {0, 0, 0, 0}, true, "\"x\vy\""},
        {"empty cells keep their tabs", {{"", "", ""}, {"", "z", ""}}, {0, 0, 2, 1}, false, "\t\t\r\n\tz\t\r\n"},
    };
    for (const Case& c : cases) {
        TGxStringGrid grid(nullptr);
        Editable(grid, c.cells);
        grid.ExcelClipboardFormat = c.excel;
        grid.Multilinecells = true;
        EXPECT_EQ(GetRectAsText(grid, c.rect, false), c.expected) << c.name;
        EXPECT_EQ(grid.ClipTopLeft, (ui::TPoint{c.rect.Left, c.rect.Top})) << c.name;
    }
}

TEST(GridClipboard, HtmlTagsAreKeptOrStrippedAndRichTextGivesItsPlainText)
{
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"<B>bold", "<b>x</b>", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}caf\\'e9\\par \\u26085?ok}"}});
    const ui::TGridRect row{0, 0, 2, 0};
    EXPECT_EQ(GetRectAsText(grid, row, false), "<B>bold\t<b>x</b>\t\"caf\xC3\xA9\r\n\xE6\x97\xA5ok\"");
    grid.Navigation()->SetCopyHTMLTagsToClipboard(false);
    EXPECT_EQ(GetRectAsText(grid, row, false), "<B>bold\tx\t\"caf\xC3\xA9\r\n\xE6\x97\xA5ok\"");
}

TEST(GridClipboard, TextRoundTripsBetweenGridsWithAwkwardContent)
{
    TGxStringGrid from(nullptr), to(nullptr);
    Editable(from, AwkwardCells());
    Editable(to, {{""}});
    SelectAll(from);
    CopySelectionToClipboard(from);
    to.SetSelection({0, 0, 0, 0});
    PasteSelectionFromClipboard(to);
    EXPECT_EQ(CellsOf(to), AwkwardCells());
    EXPECT_EQ(from.ClipLastOp, coCopy);
}

TEST(GridClipboard, OwnCellsRoundTripWithTheirLooksAndNeverReplaceTheWholeTarget)
{
    TGxStringGrid from(nullptr), to(nullptr);
    Editable(from, AwkwardCells());
    from.SetColors(1, 1, 0x00123456);
    from.Navigation()->SetAllowFmtClipboard(true);
    SelectAll(from);  // the whole grid: pasted elsewhere it must stay a block, not a grid
    CopySelectionToClipboard(from);
    ASSERT_TRUE(ui::Clipboard()->HasFormat(ui::kMimeGridCells));

    Editable(to, Blank(6, 7));
    to.SetCells(0, 0, "keep");
    to.Navigation()->SetAllowFmtClipboard(true);
    to.SetSelection({1, 1, 1, 1});
    PasteSelectionFromClipboard(to);
    EXPECT_EQ(to.Cells(0, 0), "keep");
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(to.Cells(c + 1, r + 1), AwkwardCells()[r][c]) << c << "," << r;
    EXPECT_EQ(to.Colors(2, 2), 0x00123456u);
}

TEST(GridClipboard, RichTextTravelsAsEightBitRtf)
{
    TGxStringGrid from(nullptr), to(nullptr);
    const std::string rtf = "{\\rtf1\\ansi \"q\"\ttab\r\n\\par caf\xC3\xA9 \xE6\x97\xA5\xF0\x9F\x98\x80}";
    Editable(from, {{rtf}});
    from.Navigation()->SetAllowRTFClipboard(true);
    from.SetSelection({0, 0, 0, 0});
    CopySelectionToClipboard(from);
    const std::string bytes = ui::Clipboard()->Data().Data(ui::kMimeRichText);
    for (unsigned char ch : bytes)
        ASSERT_LT(ch, 0x80) << bytes;
    EXPECT_NE(bytes.find("caf\\u233?"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\\u-10179?\\u-8704?"), std::string::npos) << bytes;  // a surrogate pair

    Editable(to, {{""}});
    to.Navigation()->SetAllowRTFClipboard(true);
    to.SetSelection({0, 0, 0, 0});
    PasteSelectionFromClipboard(to);
    EXPECT_EQ(to.Cells(0, 0), bytes);
    EXPECT_EQ(RichTextPlain(to.Cells(0, 0)), RichTextPlain(rtf));
    EXPECT_EQ(RichTextPlain(rtf), "\"q\"\ttab\r\ncaf\xC3\xA9 \xE6\x97\xA5\xF0\x9F\x98\x80");
}

TEST(GridClipboard, HtmlCopyIsAClipboardDocumentAnHtmlParserReadsAndWritesNoPictureFile)
{
    testsupport::ScratchDir dir;
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    TGxStringGrid grid(nullptr);
    Fill(grid, AwkwardCells());
    ui::TBitmap bmp;
    bmp.SetSize(4, 4);
    grid.AddBitmap(0, 4, &bmp, false, haLeft, vaTop);
    grid.HTMLSettings()->ConvertSpecialChars = true;
    CopyToClipBoardAsHTML(grid);
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    const ui::TDragData data = ui::Clipboard()->Data();
    const std::string text = data.Text(), html = data.Data(ui::kMimeHtml);
    ASSERT_TRUE(text.starts_with("Version:1.0\r\nStartHTML:00000097\r\n")) << text;
    for (unsigned char ch : text)
        ASSERT_LT(ch, 0x80);
    // The offsets of the header point at the document and at the fragment.
    const auto offset = [&text](const char* key) {
        return std::stoul(text.substr(text.find(key) + std::string(key).size(), 8));
    };
    EXPECT_EQ(text.substr(offset("StartHTML:")), html);
    EXPECT_EQ(text.substr(offset("EndHTML:")), "");
    EXPECT_TRUE(text.substr(offset("StartFragment:")).starts_with("<style>")) << text;
    EXPECT_TRUE(text.substr(offset("EndFragment:")).starts_with("<!--EndFragment-->"));

    testsupport::WriteFile(dir.File("clip.html"), html);
    const std::string got = officetest::RunPythonReader(
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
        "p=P(); p.feed(open(sys.argv[1], encoding='ascii').read())\n"
        "open(sys.argv[2],'w',encoding='utf-8').write(json.dumps(p.rows, ensure_ascii=False))\n",
        dir.File("clip.html"));
    EXPECT_NE(got.find(R"(["Name", "Value", "Note", "Ünïcode"])"), std::string::npos) << got;
    EXPECT_NE(got.find(R"(["a\"b", "x,y", "two\r\nlines", "日本語 ✓"])"), std::string::npos) << got;
}

TEST(GridClipboard, PasteGrowsTheGridOnlyWhereAllowed)
{
    struct Case {
        const char* name;
        bool rowGrow, colGrow;
        int cols, rows;
    };
    const Case cases[] = {
        {"both", true, true, 4, 4},
        {"rows only", true, false, 3, 4},
        {"columns only", false, true, 4, 3},
        {"neither", false, false, 3, 3},
    };
    for (const Case& c : cases) {
        TGxStringGrid grid(nullptr);
        Editable(grid, Blank(3, 3));
        grid.Navigation()->SetAllowClipboardRowGrow(c.rowGrow);
        grid.Navigation()->SetAllowClipboardColGrow(c.colGrow);
        ui::Clipboard()->SetAsText("a\tb\r\nc\td\r\n");
        grid.SetSelection({2, 2, 2, 2});
        PasteSelectionFromClipboard(grid);
        EXPECT_EQ(grid.ColCount(), c.cols) << c.name;
        EXPECT_EQ(grid.RowCount(), c.rows) << c.name;
        EXPECT_EQ(grid.Cells(2, 2), "a") << c.name;
        EXPECT_EQ(grid.Cells(3, 3), c.rowGrow && c.colGrow ? "d" : "") << c.name;
    }
}

TEST(GridClipboard, AnEmptyLineInsideTheTextGrowsTheGridLikeAnyOther)
{
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"top"}});
    ui::Clipboard()->SetAsText("a\n\nb\r\n");
    grid.SetSelection({0, 0, 0, 0});
    PasteSelectionFromClipboard(grid);
    EXPECT_EQ(CellsOf(grid), (Cells{{"a"}, {""}, {"b"}}));
}

// A grid that counts the changes of its row count.
class RowCountingGrid : public TGxStringGrid {
public:
    using TGxStringGrid::TGxStringGrid;
    int RowCountChanges = 0;

protected:
    void SizeChanged(int OldColCount, int OldRowCount) override
    {
        RowCountChanges += OldRowCount != RowCount();
        TGxStringGrid::SizeChanged(OldColCount, OldRowCount);
    }
};

// Text grows the grid once, to the rows its lines need (each size change goes over all rows
// again, so a row per line made large pastes take minutes), with the rows a line-by-line growth
// gives: a footer's last row stays last, a paste past the end adds nothing, inserted lines get
// their own rows.
TEST(GridClipboard, PastedTextGrowsTheGridOnceToTheRowsItsLinesNeed)
{
    std::string thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += "l" + std::to_string(i) + "\r\n";
    struct Case {
        const char* name;
        Cells start;
        bool footer, insert;
        int top;
        std::string text;
        Cells expected;  // empty: only the row count is checked
        int rows;
    };
    const Case cases[] = {
        {"a thousand lines into one row", {{"a"}}, false, false, 0, thousand, {}, 1000},
        {"from the middle", {{"a"}, {"b"}, {"c"}}, false, false, 1, "x\ny\nz\n", {{"a"}, {"x"}, {"y"}, {"z"}}, 4},
        {"without a closing line end", {{"a"}}, false, false, 0, "x\ny", {{"x"}, {"y"}}, 2},
        {"a footer keeps the last row",
         {{"a"}, {"b"}, {"F"}},
         true,
         false,
         1,
         "x\ny\nz",
         {{"a"}, {"x"}, {"y"}, {"z"}, {"F"}},
         5},
        {"past the end nothing grows", {{"a"}, {"b"}}, false, false, 5, "x\ny\n", {{"a"}, {"b"}}, 2},
        {"inserted lines around an empty one",
         {{"r0"}, {"r1"}},
         false,
         true,
         1,
         "x\n\ny\n",
         {{"r0"}, {"x"}, {""}, {"y"}, {""}},
         5},
        {"inserted lines at the end", {{"r0"}}, false, true, 0, "x\ny\nz\n", {{"x"}, {"y"}, {"z"}, {"r0"}}, 4},
    };
    for (const Case& c : cases) {
        RowCountingGrid grid(nullptr);
        Editable(grid, c.start);
        grid.Navigation()->SetAllowClipboardRowGrow(true);
        if (c.insert)
            grid.Navigation()->SetClipboardPasteAction(paInsert);
        if (c.footer) {
            grid.FloatingFooter()->SetFooterStyle(fsFixedLastRow);
            grid.FloatingFooter()->SetVisible(true);
        }
        grid.RowCountChanges = 0;
        int cols = 0, rows = 0;
        PasteTextAt(grid, 0, c.top, c.text, cols, rows);
        EXPECT_EQ(grid.RowCount(), c.rows) << c.name;
        if (!c.expected.empty()) {
            EXPECT_EQ(CellsOf(grid), c.expected) << c.name;
        } else {
            EXPECT_EQ(grid.Cells(0, 999), "l999") << c.name;
        }
        EXPECT_LE(grid.RowCountChanges, c.insert ? 3 : 1) << c.name;
    }

    // The same for the raw text of SetSelectionAsText.
    RowCountingGrid grid(nullptr);
    Editable(grid, {{"a"}});
    grid.SetSelection({0, 0, 0, 0});
    grid.RowCountChanges = 0;
    SetSelectionAsText(grid, thousand);
    EXPECT_EQ(grid.RowCount(), 1000);
    EXPECT_EQ(grid.Cells(0, 999), "l999");
    EXPECT_EQ(grid.RowCountChanges, 1);
}

TEST(GridClipboard, InsertActionPushesRowsDownAndOwnCellsGrowTheGrid)
{
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"r0"}, {"r1"}});
    grid.Navigation()->SetClipboardPasteAction(paInsert);
    ui::Clipboard()->SetAsText("x\r\ny\r\n");
    grid.SetSelection({0, 1, 0, 1});
    PasteSelectionFromClipboard(grid);
    EXPECT_EQ(CellsOf(grid), (Cells{{"r0"}, {"x"}, {"y"}, {"r1"}}));

    TGxStringGrid from(nullptr), to(nullptr);
    Editable(from, {{"a", "b"}, {"c", "d"}});
    from.Navigation()->SetAllowFmtClipboard(true);
    SelectAll(from);
    CopySelectionToClipboard(from);
    Editable(to, {{"t"}});
    to.Navigation()->SetAllowFmtClipboard(true);
    to.SetSelection({0, 0, 0, 0});
    PasteSelectionFromClipboard(to);
    EXPECT_EQ(CellsOf(to), (Cells{{"a", "b"}, {"c", "d"}}));
}

TEST(GridClipboard, CutEmptiesEditableCellsOnlyAndUndoesAsOneStep)
{
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"a", "b", "c"}, {"d", "e", "f"}});
    grid.SetReadOnly(1, 0, true);
    grid.SetReadOnly(1, 1, true);
    grid.ShowModified()->Enabled = true;
    TGxGridUndoRedo undo(nullptr);
    grid.SetUndoRedo(&undo);
    grid.SetSelection({0, 0, 2, 1});
    ui::TRect changed{};
    grid.OnCellsChanged = [&changed](TObject*, const ui::TRect& R) { changed = R; };
    CutSelectionToClipboard(grid);
    EXPECT_EQ(ui::Clipboard()->AsText(), "a\tb\tc\r\nd\te\tf\r\n");
    EXPECT_EQ(CellsOf(grid), (Cells{{"", "b", ""}, {"", "e", ""}}));
    EXPECT_EQ(grid.ClipLastOp, coCut);
    EXPECT_EQ(changed, (ui::TRect{0, 0, 2, 1}));
    EXPECT_TRUE(grid.RowModified(0));
    undo.Undo();
    EXPECT_EQ(CellsOf(grid), (Cells{{"a", "b", "c"}, {"d", "e", "f"}}));

    // The whole saved area: a read-only column stays.
    CutToClipboard(grid);
    EXPECT_EQ(CellsOf(grid), (Cells{{"", "b", ""}, {"", "e", ""}}));
}

TEST(GridClipboard, PasteUndoesAsOneStepAtTheRealColumnWhileColumnsAreHidden)
{
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"a", "h", "b", "c"}});
    grid.HideColumn(1);
    TGxGridUndoRedo undo(nullptr);
    grid.SetUndoRedo(&undo);
    ui::Clipboard()->SetAsText("x\ty");
    grid.SetSelection({1, 0, 1, 0});  // display column 1 is real column 2
    PasteSelectionFromClipboard(grid);
    EXPECT_EQ(grid.Cells(2, 0), "x");
    EXPECT_EQ(grid.Cells(3, 0), "y");
    EXPECT_EQ(grid.Cells(1, 0), "h");
    undo.Undo();
    EXPECT_EQ(grid.Cells(2, 0), "b");
    EXPECT_EQ(grid.Cells(3, 0), "c");
    EXPECT_EQ(grid.Cells(1, 0), "h");
}

TEST(GridClipboard, SmartFill)
{
    struct Case {
        const char* name;
        std::string clip;
        ui::TGridRect sel;
        Cells expected;
    };
    const Case cases[] = {
        {"one value fills the selection",
         "v",
         {0, 0, 1, 1},
         {{"v", "v", ""}, {"v", "v", ""}, {"", "", ""}, {"", "", ""}}},
        {"integers continue down",
         "1\r\n3\r\n",
         {0, 0, 0, 3},
         {{"1", "", ""}, {"3", "", ""}, {"5", "", ""}, {"7", "", ""}}},
        {"integers continue along a row",
         "10\t8",
         {0, 0, 2, 0},
         {{"10", "8", "6"}, {"", "", ""}, {"", "", ""}, {"", "", ""}}},
        {"decimals take the float format",
         "0.5\r\n1",
         {0, 0, 0, 2},
         {{"0.50", "", ""}, {"1.00", "", ""}, {"1.50", "", ""}, {"", "", ""}}},
        {"a block repeats with its own height",
         "a\r\nb",
         {0, 0, 0, 3},
         {{"a", "", ""}, {"b", "", ""}, {"a", "", ""}, {"b", "", ""}}},
        {"the same with a closing line end",
         "a\r\nb\r\n",
         {0, 0, 0, 3},
         {{"a", "", ""}, {"b", "", ""}, {"a", "", ""}, {"b", "", ""}}},
        {"one line repeats down the rows",
         "a\tb",
         {0, 0, 1, 2},
         {{"a", "b", ""}, {"a", "b", ""}, {"a", "b", ""}, {"", "", ""}}},
        {"also when it ends with a line end",
         "a\tb\r\n",
         {0, 0, 1, 2},
         {{"a", "b", ""}, {"a", "b", ""}, {"a", "b", ""}, {"", "", ""}}},
        {"one field repeats across the columns",
         "p\r\nq\r\n",
         {0, 0, 2, 1},
         {{"p", "p", "p"}, {"q", "q", "q"}, {"", "", ""}, {"", "", ""}}},
    };
    for (const Case& c : cases) {
        TGxStringGrid grid(nullptr);
        Editable(grid, Blank(3, 4));
        grid.Navigation()->SetAllowSmartClipboard(true);
        ui::Clipboard()->SetAsText(c.clip);
        grid.SetSelection(c.sel);
        PasteSelectionFromClipboard(grid);
        EXPECT_EQ(CellsOf(grid), c.expected) << c.name;
    }
}

TEST(GridClipboard, DateSeriesStepByMonthAndEndAtADayTheMonthLacks)
{
    rtl::TFormatSettings fs = rtl::Regional();
    fs.DateSeparator = '/';
    fs.ShortDateFormat = "dd/mm/yyyy";
    rtl::TRegionalScope scope(fs);
    struct Case {
        const char* name;
        std::string clip;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a month apart", "15/01/2024\r\n15/02/2024", {"15/01/2024", "15/02/2024", "15/03/2024", "15/04/2024"}},
        {"days apart", "30/12/2023\r\n01/01/2024", {"30/12/2023", "01/01/2024", "03/01/2024", "05/01/2024"}},
        {"the 31st every other month",
         "31/01/2024\r\n31/03/2024",
         {"31/01/2024", "31/03/2024", "31/05/2024", "31/07/2024"}},
    };
    for (const Case& c : cases) {
        TGxStringGrid grid(nullptr);
        Editable(grid, Blank(1, 4));
        grid.Navigation()->SetAllowSmartClipboard(true);
        ui::Clipboard()->SetAsText(c.clip);
        grid.SetSelection({0, 0, 0, 3});
        PasteSelectionFromClipboard(grid);
        std::vector<std::string> got;
        for (int r = 0; r < 4; ++r)
            got.push_back(grid.Cells(0, r));
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST(GridClipboard, DisjunctRowsOrColumnsAreCopiedAsTheSelectedOnesOnly)
{
    TGxStringGrid grid(nullptr);
    Fill(grid, {{"h", "h", "h"}, {"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    grid.SetFixedCols(0);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SetRowSelect(1, true);
    grid.SetRowSelect(3, true);
    CopySelectionToClipboard(grid);
    EXPECT_EQ(ui::Clipboard()->AsText(), "a\tb\tc\r\ng\th\ti\r\n");

    grid.MouseActions()->SetDisjunctRowSelect(false);
    grid.MouseActions()->SetDisjunctColSelect(true);
    grid.SetColSelect(0, true);
    grid.SetColSelect(2, true);
    CopySelectionToClipboard(grid);
    EXPECT_EQ(ui::Clipboard()->AsText(), "h\th\r\na\tc\r\nd\tf\r\ng\ti\r\n");  // the saved area
}

TEST(GridClipboard, PasteEventsSeeEachCellAndMayRefuseOrChangeIt)
{
    TGxStringGrid grid(nullptr);
    Editable(grid, Blank(3, 1));
    grid.OnClipboardBeforePasteCell = [](TObject*, int ACol, int, std::string& Value, bool& Allow) {
        Allow = ACol != 1;
        Value += "!";
    };
    std::u16string wideSeen;
    grid.OnClipboardBeforePasteWideCell = [&wideSeen](TObject*, int, int, std::u16string& Value, bool&) {
        wideSeen = Value;
    };
    ui::Clipboard()->SetAsText("a\tb\t" + EncodeWideCellText(u"\u00e9t\u00e9"));
    grid.SetSelection({0, 0, 0, 0});
    PasteSelectionFromClipboard(grid);
    EXPECT_EQ(grid.Cells(0, 0), "a!");
    EXPECT_EQ(grid.Cells(1, 0), "");
    EXPECT_EQ(wideSeen, u"\u00e9t\u00e9");
    EXPECT_EQ(grid.Cells(2, 0), EncodeWideCellText(u"\u00e9t\u00e9"));
}

TEST(GridClipboard, RefusalsLeaveTheGridAsItWas)
{
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"a", "b"}});
    int cols = -1, rows = -1;
    EXPECT_EQ(PasteTextAt(grid, -1, 0, "x", cols, rows), 0);
    grid.SetOptions(grid.Options() & ~ui::goEditing);
    EXPECT_EQ(PasteTextAt(grid, 0, 0, "x", cols, rows), 0);
    EXPECT_EQ(CellsOf(grid), (Cells{{"a", "b"}}));

    // Cells another program put on the clipboard with sizes its lists do not back.
    grid.SetOptions(grid.Options() | ui::goEditing);
    grid.Navigation()->SetAllowFmtClipboard(true);
    ui::TDragData junk;
    junk.SetData(ui::kMimeGridCells, std::string("TPF0\x0ATGridPropIO\x00\x08"
                                                 "ColCount\x04\xFF\xFF\xFF\x7F\x00\x00",
                                                 34));
    ui::Clipboard()->SetData(junk);
    grid.SetSelection({0, 0, 0, 0});
    EXPECT_THROW(PasteSelectionFromClipboard(grid), rtl::EReadError);
    EXPECT_EQ(CellsOf(grid), (Cells{{"a", "b"}}));
    EXPECT_EQ(grid.ColCount(), 2);

    // A header whose lists claim 3000 by 3000 cells that the data cannot hold.
    std::string sizes = "1";
    for (int i = 1; i < 3000; ++i)
        sizes += ",1";
    std::string header;
    cellstream::BlockWriter w(header, "TGridPropIO");
    w.Int("ColCount", 3000);
    w.Int("RowCount", 3000);
    w.Text("ColWidths", sizes);
    w.Text("RowHeights", sizes);
    w.End();
    ui::TDragData big;
    big.SetData(ui::kMimeGridCells, header);
    ui::Clipboard()->SetData(big);
    EXPECT_THROW(PasteSelectionFromClipboard(grid), rtl::EReadError);
    EXPECT_EQ(grid.RowCount(), 1);
}

TEST(GridClipboard, TextDimensionsAndSelectionText)
{
    struct Case {
        std::string text;
        int cols, rows;
    };
    const Case cases[] = {{"a", 1, 0}, {"a\r\nb\r\n", 1, 1}, {"a\tb\tc\nd", 3, 1}, {"\"x\r\ny\"\tz", 2, 0}, {"", 1, 0}};
    for (const Case& c : cases) {
        int cols = -1, rows = -1;
        GetTextDimensions(c.text, cols, rows);
        EXPECT_EQ(cols, c.cols) << c.text;
        EXPECT_EQ(rows, c.rows) << c.text;
    }
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"", ""}});
    grid.SetSelection({1, 0, 1, 0});
    SetSelectionAsText(grid, "p\tq\r\nr\ts\r\n");
    EXPECT_EQ(CellsOf(grid), (Cells{{"", "p", "q"}, {"", "r", "s"}}));
    grid.SetSelection({1, 0, 2, 1});
    EXPECT_EQ(GetSelectionAsText(grid), "p\tq\r\nr\ts\r\n");
}

TEST(GridClipboard, TheGridsClipboardSlotsRunThisLibrary)
{
    InstallGridExtras();
    TGxStringGrid grid(nullptr);
    Editable(grid, {{"a", "b"}});
    grid.SetSelection({0, 0, 0, 0});
    grid.CopySelectionToClipboard();
    grid.SetSelection({1, 0, 1, 0});
    grid.PasteSelectionFromClipboard();
    EXPECT_EQ(CellsOf(grid), (Cells{{"a", "a"}}));
    grid.CutSelectionToClipboard();
    EXPECT_EQ(CellsOf(grid), (Cells{{"a", ""}}));
}

}  // namespace
}  // namespace gx
