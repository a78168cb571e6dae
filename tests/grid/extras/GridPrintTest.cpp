// Printing: the page count of the layout, a 500-row grid printed to PDF and a page of it looked
// at, column bands, an over-wide column, the preview, and a job that cannot write its file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "PdfPages.h"
#include "ScratchDir.h"
#include "grid/extras/GridPrint.h"
#include "platform/rtl/Exceptions.h"

namespace gx {
namespace {

void FillRows(TGxStringGrid& g, int rows, int cols)
{
    g.SetColCount(cols);
    g.SetRowCount(rows);
    g.SetFixedRows(1);
    for (int c = 0; c < cols; ++c)
        g.SetCells(c, 0, "Column " + std::to_string(c));
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.SetCells(c, r, "r" + std::to_string(r) + " c" + std::to_string(c));
}

// The pages the layout rules give for equal rows of height hr, the fixed row repeated on every
// page after the first.
int ExpectedPages(const TPrintLayoutInfo& info, int rows, int hr, int titleSpacing)
{
    const int bottom = info.PageHeight + info.FooterHeight;
    int row = 0, pages = 0;
    while (row < rows) {
        int y = -info.HeaderHeight - titleSpacing;
        if (pages > 0)
            y -= hr;
        bool first = true;
        while (row < rows) {
            if (y - hr <= bottom && !first)
                break;
            y -= hr;
            ++row;
            first = false;
        }
        ++pages;
    }
    return pages;
}

TEST(GridPrint, FiveHundredRowsGiveTheLayoutsPagesAndThePdfShowsTheGrid)
{
    testsupport::ScratchDir dir("gridprint");
    TGxStringGrid g(nullptr);
    FillRows(g, 500, 4);
    TPrintSettings* ps = g.PrintSettings();
    ps->UseFixedHeight = true;
    ps->FixedHeight = 40;
    ps->RepeatFixedRows = true;
    ps->PageNr = ppBottomRight;
    ps->Title = ppTopLeft;
    ps->TitleText = "Rules";
    ps->TitleSpacing = 30;
    ui::TPrinter printer;
    printer.Dpi = 100;
    printer.FileName = dir.File("grid.pdf");

    TPrintLayoutInfo counted;
    const int count = PrintPageCount(g, printer, &counted);
    TPrintLayoutInfo info;
    const int pages = Print(g, printer, &info);
    const int hr = 2 * info.Gap + 40;
    EXPECT_EQ(pages, ExpectedPages(info, 500, hr, 30));
    EXPECT_EQ(pages, count);
    EXPECT_GT(pages, 5);
    EXPECT_EQ(info.Bands, 1);
    EXPECT_NEAR(info.PageWidth, 2100, 2);  // A4 in whole printer dots, back in 0.1 mm
    EXPECT_NEAR(info.PageHeight, -2970, 2);
    EXPECT_EQ(extrastest::PdfPageCount(dir, printer.FileName), pages);

    // Page 2 rendered: horizontal grid lines all down the body, the text between them.
    const std::string png = dir.File("page2");
    const extrastest::GreyImage img = extrastest::RenderPdfPage(printer.FileName, 2, 60, png);
    ASSERT_GT(img.Width, 0);
    int lineRows = 0, inkRows = 0;
    for (int y = 0; y < img.Height; ++y) {
        int dark = 0;
        for (int x = 0; x < img.Width; ++x)
            dark += img.At(x, y) < 160;
        lineRows += dark > img.Width / 4;
        inkRows += dark > 0;
    }
    EXPECT_GT(lineRows, 30);
    EXPECT_GT(inkRows, img.Height / 2);
    if (const char* keep = std::getenv("GRID_PRINT_PNG"))
        std::filesystem::copy_file(png + ".png", keep, std::filesystem::copy_options::overwrite_existing);
}

// A PDF carries the cells as text (to search and copy), drawn as text and lines rather than as a
// picture of each page, so a thousand rows stay a small file.
TEST(GridPrint, APdfCarriesEveryCellAsText)
{
    testsupport::ScratchDir dir("gridprint");
    TGxStringGrid g(nullptr);
    FillRows(g, 1001, 5);
    ui::TPrinter printer;
    printer.FileName = dir.File("grid.pdf");
    const int pages = Print(g, printer);
    EXPECT_EQ(extrastest::PdfPageCount(dir, printer.FileName), pages);
    EXPECT_LT(std::filesystem::file_size(printer.FileName), 2u << 20);

    const std::string text = extrastest::PdfText(printer.FileName, dir.File("grid.txt"));
    std::set<std::pair<int, int>> found;
    const std::regex cell(R"(r(\d+) c(\d+))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), cell); it != std::sregex_iterator(); ++it)
        found.emplace(std::stoi((*it)[1]), std::stoi((*it)[2]));
    std::vector<std::string> missing;
    for (int r = 1; r < 1001; ++r)
        for (int c = 0; c < 5; ++c)
            if (!found.count({r, c}))
                missing.push_back("r" + std::to_string(r) + " c" + std::to_string(c));
    EXPECT_EQ(missing.size(), 0u) << "not in the PDF's text, e.g. " << (missing.empty() ? "" : missing.front());
    EXPECT_NE(text.find("Column 4"), std::string::npos);
}

TEST(GridPrint, WideGridsPrintInBandsAndAnOverWideColumnStaysOnThePage)
{
    testsupport::ScratchDir dir("gridprint");
    TGxStringGrid g(nullptr);
    FillRows(g, 20, 30);
    g.SetCells(5, 3, std::string(400, 'W'));  // far wider than the page
    ui::TPrinter printer;
    printer.Dpi = 100;
    printer.FileName = dir.File("wide.pdf");
    TPrintLayoutInfo info;
    const int pages = Print(g, printer, &info);
    EXPECT_GT(info.Bands, 2);
    EXPECT_EQ(pages, info.Bands);  // 20 rows fit on one page per band
    EXPECT_LE(info.ColWidths[5], info.PageWidth);
    EXPECT_EQ(extrastest::PdfPageCount(dir, printer.FileName), pages);

    // Shrinking to the page makes one band of narrower columns.
    TGxStringGrid narrow(nullptr);
    FillRows(narrow, 20, 30);
    narrow.PrintSettings()->FitToPage = fpAlways;
    ui::TPrinter p2;
    p2.Dpi = 100;
    TPrintLayoutInfo fitted;
    EXPECT_EQ(PrintPageCount(narrow, p2, &fitted), 1);
    EXPECT_EQ(fitted.Bands, 1);
    EXPECT_LT(fitted.Scale, 1.0);
}

TEST(GridPrint, PreviewDrawsThePageOnACanvas)
{
    TGxStringGrid g(nullptr);
    FillRows(g, 60, 3);
    ui::TBitmap bmp;
    bmp.SetSize(420, 594);
    ui::TCanvas* c = bmp.Canvas();
    c->Brush()->SetColor(ui::clWhite);
    c->FillRect({0, 0, 420, 594});
    const int pages = PrintPreview(g, *c, {0, 0, 420, 594}, 1);
    EXPECT_GE(pages, 1);
    int dark = 0;
    for (int y = 0; y < 594; y += 2)
        for (int x = 0; x < 420; x += 2)
            dark += (c->Pixels(x, y) & 0xFF) < 128;
    EXPECT_GT(dark, 100);
}

TEST(GridPrint, AJobThatCannotWriteItsFileNamesItAndLeavesNothing)
{
    TGxStringGrid g(nullptr);
    FillRows(g, 5, 2);
    ui::TPrinter printer;
    printer.FileName = "/nonexistent-folder/grid.pdf";
    try {
        Print(g, printer);
        FAIL() << "printing to a missing folder succeeded";
    } catch (const rtl::Exception& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/grid.pdf"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(MapFontHeight(10), -35);
    EXPECT_EQ(MapFontSize(35), 9);
    EXPECT_EQ(JoinWithBlank("", "b"), "b");
    EXPECT_EQ(JoinWithBlank("a", "b"), "a b");
}

}  // namespace
}  // namespace gx
