// Printing: the page events (range, forced breaks, cancelling, page callbacks, widths, heights,
// fit to page, page numbers), printing selected rows and columns only, and the HTML title.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PdfPages.h"
#include "ScratchDir.h"
#include "grid/extras/GridFileCommon.h"
#include "grid/extras/GridPrint.h"

namespace gx {
namespace {

// A grid that records the rows a job lays out.
class TRecordingGrid : public TGxStringGrid {
public:
    TRecordingGrid() : TGxStringGrid(nullptr) {}
    void ExportNotification(int AState, int ARow) override
    {
        if (AState == esExportNewRow || AState == esExportSelRow)
            Rows.push_back(ARow);
        else
            States.push_back(AState);
    }
    std::vector<int> Rows;
    std::vector<int> States;
};

void FillRows(TGxStringGrid& g, int rows, int cols)
{
    g.SetColCount(cols);
    g.SetRowCount(rows);
    g.SetFixedRows(1);
    g.SetFixedCols(0);
    for (int c = 0; c < cols; ++c)
        g.SetCells(c, 0, "Column " + std::to_string(c));
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.SetCells(c, r, "r" + std::to_string(r) + " c" + std::to_string(c));
    g.PrintSettings()->UseFixedHeight = true;
    g.PrintSettings()->FixedHeight = 40;
}

void PdfPrinter(ui::TPrinter& p, const testsupport::ScratchDir& dir, const std::string& name)
{
    p.Dpi = 60;
    p.FileName = dir.File(name);
}

TEST(GridPrintEvents, StartRangeDecidesWhatIsPrinted)
{
    struct Case {
        const char* name;
        int from, to;
        int printed;  // pages returned and in the file (0: no file at all; -1: all; -2: from 2 on)
    };
    const Case cases[] = {
        {"whole range", -1, -1, -1},  // the event leaves the range alone
        {"middle pages", 2, 3, 2},   {"zero bound", 0, 3, 0},
        {"reversed", 3, 2, 0},       {"beyond the last page", 2, 999, -2},  // -2: pages 2..count
    };
    testsupport::ScratchDir dir("gridprintev");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TRecordingGrid g;
        FillRows(g, 300, 3);
        ui::TPrinter printer;
        PdfPrinter(printer, dir, std::string(k.name) + ".pdf");
        const int count = PrintPageCount(g, printer);
        ASSERT_GT(count, 3);
        int seenCount = 0;
        g.OnPrintStart = [&](TObject*, int n, int& from, int& to) {
            seenCount = n;
            EXPECT_EQ(from, 1);
            EXPECT_EQ(to, n);
            if (k.from >= 0) {
                from = k.from;
                to = k.to;
            }
        };
        const int expected = k.printed == -1 ? count : k.printed == -2 ? count - 1 : k.printed;
        EXPECT_EQ(Print(g, printer), expected);
        EXPECT_EQ(seenCount, count);
        if (expected == 0) {
            EXPECT_FALSE(std::filesystem::exists(printer.FileName));
            EXPECT_EQ(g.States, std::vector<int>{esExportStart});  // no closing notification
        } else {
            EXPECT_EQ(extrastest::PdfPageCount(dir, printer.FileName), expected);
            EXPECT_EQ(g.States, (std::vector<int>{esExportStart, esExportDone}));
        }
    }
}

TEST(GridPrintEvents, PageCallbacksBreaksAndCancelling)
{
    testsupport::ScratchDir dir("gridprintev");
    TGxStringGrid g(nullptr);
    FillRows(g, 300, 3);
    ui::TPrinter printer;
    PdfPrinter(printer, dir, "events.pdf");
    const int count = PrintPageCount(g, printer);

    // Every page announced once, in order, with the page size in 0.1 mm; each one done.
    std::vector<int> started, done;
    std::vector<std::pair<int, int>> sizes;
    g.OnPrintPage = [&](TObject*, ui::TCanvas* c, int page, int w, int h) {
        EXPECT_NE(c, nullptr);
        started.push_back(page);
        sizes.emplace_back(w, h);
    };
    g.OnPrintPageDone = [&](TObject*, ui::TCanvas*, int, int, int page, int, int) { done.push_back(page); };
    EXPECT_EQ(Print(g, printer), count);
    std::vector<int> all(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        all[static_cast<std::size_t>(i)] = i + 1;
    EXPECT_EQ(started, all);
    EXPECT_EQ(done, all);
    EXPECT_NEAR(sizes[0].first, 2100, 5);
    EXPECT_NEAR(sizes[0].second, -2970, 5);

    // A page break forced after row 10 starts page 2 with row 11, in the count and the print.
    g.OnPrintNewPage = [](TObject*, int row, bool& newPage) { newPage = row == 11; };
    TPrintLayoutInfo info;
    const int broken = Print(g, printer, &info);
    ASSERT_GE(info.PageFirstRows.size(), 2u);
    EXPECT_EQ(info.PageFirstRows[1], 11);
    EXPECT_EQ(broken, count + 1);
    EXPECT_EQ(PrintPageCount(g, printer), broken);
    g.OnPrintNewPage = nullptr;

    // Cancelling on page 2 ends the job after page 2.
    g.OnPrintCancel = [](TObject*, int page, bool& cancel) { cancel = page == 2; };
    done.clear();
    Print(g, printer);
    EXPECT_EQ(done, (std::vector<int>{1, 2}));
    EXPECT_EQ(extrastest::PdfPageCount(dir, printer.FileName), 2);
}

TEST(GridPrintEvents, WidthsHeightsAndFitToPageAnswerTheirEvents)
{
    TGxStringGrid g(nullptr);
    FillRows(g, 40, 4);
    g.PrintSettings()->UseFixedHeight = false;
    ui::TPrinter printer;
    printer.Dpi = 60;

    g.OnPrintSetColumnWidth = [](TObject*, int col, int& w) {
        if (col == 2)
            w = 777;
    };
    int rowsAsked = 0;
    g.OnPrintSetRowHeight = [&](TObject*, int, int& h) {
        ++rowsAsked;
        h = 200;
    };
    TPrintLayoutInfo info;
    PrintPageCount(g, printer, &info);
    EXPECT_EQ(info.ColWidths[2], 777);
    EXPECT_EQ(g.PrintColWidth(2), 777);  // the layout state stays readable in the grid
    EXPECT_GT(g.PrintColOffset(3), g.PrintColOffset(2));
    EXPECT_GE(rowsAsked, 40);
    // 200 + 2g per row: far fewer rows a page than the text alone would need.
    EXPECT_GT(info.PageFirstRows.size(), 2u);

    // A custom fit asks the event, which may refuse the scale.
    g.OnPrintSetColumnWidth = nullptr;
    g.OnPrintSetRowHeight = nullptr;
    g.PrintSettings()->FitToPage = fpCustom;
    double asked = 0;
    bool allow = true;
    g.OnFitToPage = [&](TObject*, double& scale, bool& a) {
        asked = scale;
        a = allow;
    };
    PrintPageCount(g, printer, &info);
    EXPECT_GT(asked, 1.0);  // four short columns grow to the page
    EXPECT_DOUBLE_EQ(info.Scale, asked);
    allow = false;
    PrintPageCount(g, printer, &info);
    EXPECT_DOUBLE_EQ(info.Scale, 1.0);
}

TEST(GridPrintEvents, PageNumbersReadBandWiseAndPassTheEvent)
{
    TGxStringGrid g(nullptr);
    FillRows(g, 200, 30);  // wider and taller than a page
    g.PrintSettings()->PageNr = ppBottomRight;
    ui::TBitmap sheet;
    sheet.SetSize(400, 560);
    std::vector<std::pair<int, int>> asked;
    std::vector<std::string> texts;
    g.OnPrintGetPageNum = [&](TObject*, int page, int band, std::string& text) {
        asked.emplace_back(page, band);
        texts.push_back(text);
    };
    TPrintLayoutInfo info;
    ui::TPrinter printer;
    printer.Dpi = 60;
    PrintPageCount(g, printer, &info);
    ASSERT_GT(info.Bands, 1);
    const int pagesPerBand = info.PageCount / info.Bands;
    ASSERT_GT(pagesPerBand, 1);
    // Preview each page of the job: the number names the page in its band and the band.
    for (int page = 1; page <= info.PageCount; ++page)
        PrintPreview(g, *sheet.Canvas(), {0, 0, 400, 560}, page);
    ASSERT_EQ(static_cast<int>(asked.size()), info.PageCount);
    EXPECT_EQ(asked[0], std::make_pair(1, 1));
    EXPECT_EQ(texts[0], "1-1");
    EXPECT_EQ(asked[static_cast<std::size_t>(pagesPerBand)], std::make_pair(1, 2));
    EXPECT_EQ(texts[static_cast<std::size_t>(pagesPerBand)], "1-2");
    EXPECT_EQ(asked[1], std::make_pair(2, 1));

    // One band: page and total.
    TGxStringGrid narrow(nullptr);
    FillRows(narrow, 200, 2);
    narrow.PrintSettings()->PageNr = ppBottomRight;
    std::string last;
    narrow.OnPrintGetPageNum = [&](TObject*, int, int, std::string& text) { last = text; };
    const int pages = PrintPreview(narrow, *sheet.Canvas(), {0, 0, 400, 560}, 2);
    EXPECT_EQ(last, "2/" + std::to_string(pages));
}

TEST(GridPrintEvents, SelectedRowsAndColumnsOnly)
{
    ui::TPrinter printer;
    printer.Dpi = 60;
    ui::TBitmap sheet;
    sheet.SetSize(400, 560);

    // A disjunct row selection prints exactly its rows, with all columns.
    TRecordingGrid rows;
    FillRows(rows, 30, 4);
    rows.MouseActions()->SetDisjunctRowSelect(true);
    for (int r : {3, 7, 19})
        rows.SetRowSelect(r, true);
    PrintPreviewSelectedRows(rows, *sheet.Canvas(), {0, 0, 400, 560});
    EXPECT_EQ(rows.Rows, (std::vector<int>{3, 7, 19}));

    // A plain selection prints its rows and only its columns.
    TRecordingGrid cols;
    FillRows(cols, 30, 5);
    cols.SetSelection({1, 4, 2, 6});
    cols.Rows.clear();
    testsupport::ScratchDir dir("gridprintev");
    ui::TPrinter pdf;
    PdfPrinter(pdf, dir, "cols.pdf");
    TPrintLayoutInfo sel;
    EXPECT_EQ(PrintSelectedCols(cols, pdf, &sel), 1);
    EXPECT_EQ(cols.Rows, (std::vector<int>{4, 5, 6}));
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(sel.ColWidths[static_cast<std::size_t>(c)] > 0, c == 1 || c == 2) << c;

    // Nothing selected in a disjunct selection: nothing to print, no file.
    TGxStringGrid none(nullptr);
    FillRows(none, 10, 2);
    none.MouseActions()->SetDisjunctRowSelect(true);
    ui::TPrinter empty;
    PdfPrinter(empty, dir, "none.pdf");
    EXPECT_EQ(PrintSelectedRows(none, empty), 0);
    EXPECT_FALSE(std::filesystem::exists(empty.FileName));
}

TEST(GridPrintEvents, HtmlTitleTakesItsHeightInCountAndPrintAlike)
{
    testsupport::ScratchDir dir("gridprintev");
    TGxStringGrid plain(nullptr), html(nullptr);
    for (TGxStringGrid* g : {&plain, &html}) {
        FillRows(*g, 400, 3);
        g->PrintSettings()->Title = ppTopLeft;
    }
    plain.PrintSettings()->TitleLines()->Add("Report");
    html.PrintSettings()->TitleLines()->Add("<font size=\"24\"><b>Report</b></font><br>second line");
    ui::TPrinter printer;
    PdfPrinter(printer, dir, "title.pdf");
    TPrintLayoutInfo a, b;
    PrintPageCount(plain, printer, &a);
    PrintPageCount(html, printer, &b);
    EXPECT_GT(b.HeaderHeight, a.HeaderHeight + 50);
    const int printed = Print(html, printer, &b);
    EXPECT_EQ(printed, b.PageCount);
    EXPECT_EQ(extrastest::PdfPageCount(dir, printer.FileName), printed);
}

TEST(GridPrintEvents, HeaderAndFooterSlotsJoinTheirItems)
{
    const rtl::TDateTime now = rtl::EncodeDate(2026, 3, 7) + 14.0 / 24 + 5.0 / (24 * 60);
    struct Case {
        const char* name;
        std::function<void(TPrintSettings&)> set;
        TPrintPosition slot;
        std::string text;
    };
    const Case cases[] = {
        {"date and time top left",
         [](TPrintSettings& ps) {
             ps.Time = ppTopLeft;
             ps.Date = ppTopLeft;
         },
         ppTopLeft, "07/03/2026 14:05 "},
        {"page number bottom right with a prefix",
         [](TPrintSettings& ps) {
             ps.PageNr = ppBottomRight;
             ps.PagePrefix = "Page";
         },
         ppBottomRight, " Page 3/12 "},
        {"title text at the centre after the page number",
         [](TPrintSettings& ps) {
             ps.PageNr = ppTopCenter;
             ps.Title = ppTopCenter;
             ps.TitleText = "Report";
         },
         ppTopCenter, "  3/12  Report"},
        {"first title line before a left slot",
         [](TPrintSettings& ps) {
             ps.Time = ppBottomLeft;
             ps.Title = ppBottomLeft;
             ps.TitleLines()->Add("Line one");
             ps.TitleLines()->Add("Line two");
         },
         ppBottomLeft, "Line one 14:05 "},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TGxStringGrid g(nullptr);
        k.set(*g.PrintSettings());
        const std::array<std::string, 7> slots = PrintSlotTexts(*g.PrintSettings(), "3/12", now, false);
        for (int p = ppTopLeft; p <= ppBottomCenter; ++p)
            EXPECT_EQ(slots[static_cast<std::size_t>(p)], p == k.slot ? k.text : "") << p;
    }
}

TEST(GridPrintEvents, GridsWiderThanTheKeptColumnStatePrint)
{
    TGxStringGrid g(nullptr);
    FillRows(g, 3, 600);
    g.PrintSettings()->FitToPage = fpShrink;
    ui::TPrinter printer;
    printer.Dpi = 30;
    TPrintLayoutInfo info;
    EXPECT_GT(PrintPageCount(g, printer, &info), 1);
    EXPECT_GT(info.ColWidths[599], 0);
    EXPECT_EQ(g.PrintColWidth(511), info.ColWidths[511]);
}

TEST(GridPrintEvents, EveryBandRepeatsTheFixedColumnsAtItsLeft)
{
    TGxStringGrid g(nullptr);
    FillRows(g, 10, 30);
    g.SetFixedCols(1);
    g.PrintSettings()->RepeatFixedCols = true;
    g.PrintSettings()->Centered = false;
    g.PrintSettings()->LeftSize = 100;
    ui::TPrinter printer;
    printer.Dpi = 60;
    TPrintLayoutInfo info;
    PrintPageCount(g, printer, &info);
    ASSERT_GT(info.Bands, 2);
    // After the last band: the fixed column at the left edge, the band's first column after it.
    const int lastStart = info.BandStarts.back();
    EXPECT_EQ(g.PrintColOffset(0), 100);
    EXPECT_EQ(g.PrintColOffset(lastStart), 100 + info.ColWidths[0] + info.ColumnSpacing);
    // Without repeating, the band starts at the left edge.
    g.PrintSettings()->RepeatFixedCols = false;
    PrintPageCount(g, printer, &info);
    EXPECT_EQ(g.PrintColOffset(info.BandStarts.back()), 100);
}

TEST(GridPrintEvents, WordWrapWithScreenWidthsMakesTallerRows)
{
    int pages[2] = {};
    for (const bool wrap : {false, true}) {
        TGxStringGrid g(nullptr);
        FillRows(g, 200, 2);
        g.PrintSettings()->UseFixedHeight = false;
        g.PrintSettings()->NoAutoSize = true;  // the screen's column widths
        g.SetWordWrap(wrap);
        for (int r = 1; r < 200; ++r)
            g.SetCells(1, r, "a text far too long for the narrow column it is in, so it wraps");
        ui::TPrinter printer;
        printer.Dpi = 60;
        pages[wrap] = PrintPageCount(g, printer);
    }
    EXPECT_GT(pages[1], 2 * pages[0]);
}

}  // namespace
}  // namespace gx
