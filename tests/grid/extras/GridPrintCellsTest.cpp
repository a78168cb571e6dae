// Printing: what a drawn page shows of a row's cells (merged ranges, check boxes, progress bars,
// rotated text, HTML), looked at in the pixels of a page drawn on a bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "grid/extras/GridPrint.h"
#include "grid/stringgrid/GxGridCellDrawer.h"

namespace gx {
namespace {

constexpr double kDpi = 100.0;

int Dev(int tenths)
{
    return static_cast<int>(tenths * kDpi / 254.0 + 0.5);
}

// One row of Cols cells, each 300 wide (0.1 mm), 150 high, starting at the page's left edge.
void OneRow(TGxStringGrid& g, int cols)
{
    g.SetColCount(cols);
    g.SetRowCount(1);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    TPrintSettings& ps = *g.PrintSettings();
    ps.Centered = false;
    ps.UseFixedWidth = true;
    ps.FixedWidth = 300;
    ps.UseFixedHeight = true;
    ps.FixedHeight = 150;
}

struct Page {
    ui::TBitmap Bitmap;
    Page()
    {
        Bitmap.SetSize(800, 400);
        ui::TCanvas* c = Bitmap.Canvas();
        c->Brush()->SetColor(ui::clWhite);
        c->FillRect({0, 0, 800, 400});
    }
    // Pixels of the device rectangle that satisfy what.
    int Count(const ui::TRect& r, const std::function<bool(ui::TColor)>& what)
    {
        int n = 0;
        for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, 400); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, 800); ++x)
                n += what(Bitmap.Canvas()->Pixels(x, y));
        return n;
    }
};

bool Dark(ui::TColor c)
{
    return ui::GetRValue(c) < 128 && ui::GetGValue(c) < 128 && ui::GetBValue(c) < 128;
}

bool Reddish(ui::TColor c)
{
    return ui::GetRValue(c) > 180 && ui::GetGValue(c) < 100 && ui::GetBValue(c) < 100;
}

bool Ink(ui::TColor c)
{
    return (c & 0xFFFFFF) != 0xFFFFFF;
}

// The device rectangle inside a printed cell (its border lines left out).
ui::TRect Inside(TGxStringGrid& g, int col, int spanCols = 1)
{
    const int left = Dev(g.PrintColOffset(col));
    const int right = Dev(g.PrintColOffset(col + spanCols - 1) + g.PrintColWidth(col + spanCols - 1));
    return {left + 3, 3, right - 3, Dev(150) - 1};
}

TEST(GridPrintCells, MergedRangePrintsOneRectangleWithoutInnerLines)
{
    for (const bool merged : {false, true}) {
        SCOPED_TRACE(merged ? "merged" : "separate");
        TGxStringGrid g(nullptr);
        OneRow(g, 4);
        if (merged)
            g.MergeCells(0, 0, 3, 1);
        Page page;
        PrintDraw(g, *page.Bitmap.Canvas(), {0, 0, 800, 400}, kDpi);
        // The lines between columns 0|1 and 1|2, the one after column 2 always.
        const int rowMid = Dev(75);
        auto lineAt = [&](int col) {
            const int x = Dev(g.PrintColOffset(col));
            return page.Count({x - 1, rowMid - 5, x + 2, rowMid + 5}, Dark) > 0;
        };
        EXPECT_EQ(lineAt(1), !merged);
        EXPECT_EQ(lineAt(2), !merged);
        EXPECT_TRUE(lineAt(3));
        EXPECT_TRUE(lineAt(0));
    }
}

TEST(GridPrintCells, GraphicCellsPrintTheirGraphicAndNoText)
{
    struct Case {
        const char* name;
        std::function<void(TGxStringGrid&)> setup;
        bool printGraphics;
        std::function<bool(ui::TColor)> look;
        bool expected;
    };
    const Case cases[] = {
        {"check box", [](TGxStringGrid& g) { g.AddCheckBox(1, 0, true, false); }, true, Dark, true},
        {"check box, graphics off", [](TGxStringGrid& g) { g.AddCheckBox(1, 0, true, false); }, false, Ink, false},
        {"data check box prints no text",
         [](TGxStringGrid& g) {
             g.SetCells(1, 0, "Y");
             g.AddCheckBox(1, 0, true, true);
         },
         false, Ink, false},
        {"progress bar",
         [](TGxStringGrid& g) {
             g.SetInts(1, 0, 60);
             g.AddProgress(1, 0, ui::clRed, ui::clWhite);
         },
         true, Reddish, true},
        {"progress pie", [](TGxStringGrid& g) { g.AddProgressPie(1, 0, ui::clRed, 75); }, true, Reddish, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TGxStringGrid g(nullptr);
        OneRow(g, 3);
        g.PrintSettings()->PrintGraphics = k.printGraphics;
        k.setup(g);
        Page page;
        PrintDraw(g, *page.Bitmap.Canvas(), {0, 0, 800, 400}, kDpi);
        EXPECT_EQ(page.Count(Inside(g, 1), k.look) > 4, k.expected);
        EXPECT_EQ(page.Count(Inside(g, 0), Ink), 0);  // the neighbour stays blank
    }
}

TEST(GridPrintCells, RotatedTextRunsUpTheCell)
{
    TGxStringGrid g(nullptr);
    OneRow(g, 2);
    TPrintSettings& ps = *g.PrintSettings();
    ps.UseFixedWidth = false;  // measured: a turned text makes a narrow, tall cell
    ps.UseFixedHeight = false;
    g.AddRotated(0, 0, 90, "TURNEDTEXT");
    g.SetCells(1, 0, "TURNEDTEXT");
    ui::TPrinter printer;
    TPrintLayoutInfo info;
    printer.Dpi = 100;
    PrintPageCount(g, printer, &info);
    EXPECT_LT(info.ColWidths[0] * 2, info.ColWidths[1]);

    Page page;
    PrintDraw(g, *page.Bitmap.Canvas(), {0, 0, 800, 400}, kDpi);
    // The ink of the turned cell: much taller than wide.
    const int left = Dev(g.PrintColOffset(0)) + 2, right = Dev(g.PrintColOffset(1)) - 2;
    int top = 400, bottom = 0, minX = 800, maxX = 0;
    for (int y = 2; y < 398; ++y)
        for (int x = left; x < right; ++x)
            if (Dark(page.Bitmap.Canvas()->Pixels(x, y)) && y > 2) {
                // Skip the horizontal border lines: count only runs narrower than the cell.
                if (page.Count({left, y, right, y + 1}, Dark) > (right - left) / 2)
                    continue;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_LT(top, bottom);
    EXPECT_GT(bottom - top, 3 * (maxX - minX));
}

TEST(GridPrintCells, HtmlCellsPrintThroughTheMarkup)
{
    for (const bool html : {true, false}) {
        SCOPED_TRACE(html ? "HTML on" : "HTML off");
        TGxStringGrid g(nullptr);
        OneRow(g, 1);
        g.PrintSettings()->FixedWidth = 1500;
        g.EnableHTML = html;
        g.SetCells(0, 0, "<font color=\"clRed\">red words</font>");
        Page page;
        PrintDraw(g, *page.Bitmap.Canvas(), {0, 0, 800, 400}, kDpi);
        EXPECT_EQ(page.Count(Inside(g, 0), Reddish) > 4, html);
        EXPECT_GT(page.Count(Inside(g, 0), Ink), 4);
    }
}

TEST(GridPrintCells, CustomCellDrawSeesEachPrintedCellOnThePage)
{
    TGxStringGrid g(nullptr);
    OneRow(g, 3);
    std::vector<std::pair<int, ui::TRect>> seen;
    g.OnCustomCellDraw = [&](TObject*, ui::TCanvas* c, int col, int, ui::TGridDrawState, const ui::TRect& r,
                             bool printing) {
        EXPECT_TRUE(printing);
        EXPECT_NE(c, nullptr);
        seen.emplace_back(col, r);
    };
    Page page;
    PrintDraw(g, *page.Bitmap.Canvas(), {0, 0, 800, 400}, kDpi);
    ASSERT_EQ(seen.size(), 3u);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(seen[static_cast<std::size_t>(c)].first, c);
        EXPECT_NEAR(seen[static_cast<std::size_t>(c)].second.Left, Dev(g.PrintColOffset(c)), 1);
        EXPECT_GT(seen[static_cast<std::size_t>(c)].second.Bottom, seen[static_cast<std::size_t>(c)].second.Top);
    }
}

TEST(GridPrintCells, RichTextPrintsItsPlainText)
{
    struct Case {
        const char* rtf;
        const char* plain;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}\f0\cf1 Hello \b world\b0\par})",
         "Hello world"},
        {R"({\rtf1 one\par two\tab three\par\par})", "one\r\ntwo\tthree"},
        {R"({\rtf1{\*\generator x;}caf\'e9 \{braces\} back\\slash})", "caf\xe9 {braces} back\\slash"},
        {R"({\rtf1 broken \'zz escape and \'4)", "broken zz escape and 4"},
        {R"({\rtf1 unclosed {group)", "unclosed group"},
    };
    for (const Case& k : cases)
        EXPECT_EQ(RichTextToPlain(k.rtf), k.plain) << k.rtf;

    // A rich-text cell prints as its text, not its markup: the column is measured by the text.
    TGxStringGrid g(nullptr);
    OneRow(g, 2);
    g.PrintSettings()->UseFixedWidth = false;
    g.SetCells(0, 0, R"({\rtf1{\fonttbl{\f0 Arial;}}\f0 Hi\par})");
    g.SetCells(1, 0, "Hi");
    ui::TPrinter printer;
    TPrintLayoutInfo info;
    PrintPageCount(g, printer, &info);
    EXPECT_EQ(info.ColWidths[0], info.ColWidths[1]);
}

// Fills what it is given in red and remembers the rectangles.
struct RedSwatch : TObject, IGridCellDrawer {
    int w, h;
    std::vector<ui::TRect> rects;
    bool sawSelected = false;
    RedSwatch(int W, int H) : w(W), h(H) {}
    void Draw(ui::TCanvas& Canvas, const ui::TRect& Rect, TGxStringGrid&, int, int, bool Selected) override
    {
        rects.push_back(Rect);
        sawSelected |= Selected;
        Canvas.Brush()->SetColor(ui::clRed);
        Canvas.FillRect(Rect);
    }
    int Width() const override { return w; }
    int Height() const override { return h; }
    bool DrawsFirst() const override { return false; }
};

TEST(GridPrintCells, InterfacedCellDrawsOnABitmapThatIsStretched)
{
    constexpr double dpi = 400.0;  // four page dots to a screen pixel: a stretch shows
    const auto dev = [&](double tenths) { return static_cast<int>(tenths * dpi / 254.0 + 0.5); };
    struct Case {
        const char* name;
        int w, h;
    } cases[] = {{"own size", 8, 6}, {"no size: the printed rectangle's", 0, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TGxStringGrid g(nullptr);
        OneRow(g, 1);
        g.PrintSettings()->PrintGraphics = true;
        RedSwatch swatch(k.w, k.h);
        g.AddInterfacedCell(0, 0, &swatch);
        Page page;
        PrintDraw(g, *page.Bitmap.Canvas(), {0, 0, 800, 400}, dpi);
        ASSERT_EQ(swatch.rects.size(), 1u);
        EXPECT_FALSE(swatch.sawSelected);
        const ui::TRect drawn = swatch.rects[0];
        EXPECT_EQ(drawn.Left, 0);
        EXPECT_EQ(drawn.Top, 0);
        // The red area on the page.
        int left = 800, right = -1, top = 400, bottom = -1;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 800; ++x)
                if (Reddish(page.Bitmap.Canvas()->Pixels(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        ASSERT_GE(right, 0);
        if (k.w > 0) {
            EXPECT_EQ(drawn.Right, k.w);
            EXPECT_EQ(drawn.Bottom, k.h);
            // Screen pixels to paper: 254 / 96 tenths of a millimetre each.
            EXPECT_NEAR(right - left, dev(k.w * 254.0 / 96.0), 2);
            EXPECT_NEAR(bottom - top, dev(k.h * 254.0 / 96.0), 2);
        } else {
            EXPECT_NEAR(right - left, drawn.Right, 1);
            EXPECT_NEAR(bottom - top, drawn.Bottom, 1);
            EXPECT_GT(drawn.Right, dev(64 * 254.0 / 96.0) / 2);
        }
        // Inside the cell.
        EXPECT_GE(left, dev(g.PrintColOffset(0)));
        EXPECT_LE(right, dev(g.PrintColOffset(0) + g.PrintColWidth(0)));
    }
}

TEST(GridPrintCells, EnhancedTextSizeEndsAClippedLineInAnEllipsis)
{
    struct Case {
        bool enh;
        bool noAutoSize;
        bool ellipsis;
    } cases[] = {{true, true, true}, {false, true, false}, {true, false, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "EnhTextSize " << k.enh << " NoAutoSize " << k.noAutoSize);
        TGxStringGrid g(nullptr);
        OneRow(g, 2);
        g.SetWordWrap(false);  // a wrapped cell breaks its lines instead
        g.EnhTextSize = k.enh;
        g.PrintSettings()->NoAutoSize = k.noAutoSize;
        g.SetCells(0, 0, std::string(60, 'W'));
        Page page;
        PrintDraw(g, *page.Bitmap.Canvas(), {0, 0, 800, 400}, kDpi);
        const ui::TRect in = Inside(g, 0);
        // The last column of ink of the line and the top of the ink overall.
        int lastX = -1, topY = 400, bottomY = -1;
        for (int y = in.Top; y < in.Bottom; ++y)
            for (int x = in.Left; x < in.Right; ++x)
                if (Dark(page.Bitmap.Canvas()->Pixels(x, y))) {
                    lastX = std::max(lastX, x);
                    topY = std::min(topY, y);
                    bottomY = std::max(bottomY, y);
                }
        ASSERT_GE(lastX, 0);
        // The dots of an ellipsis sit on the base line; a cut-off W reaches up to the line's top.
        int topAtEnd = 400;
        for (int y = in.Top; y < in.Bottom; ++y)
            for (int x = lastX - 2; x <= lastX; ++x)
                if (Dark(page.Bitmap.Canvas()->Pixels(x, y)))
                    topAtEnd = std::min(topAtEnd, y);
        EXPECT_EQ(topAtEnd > (topY + bottomY) / 2, k.ellipsis);
        EXPECT_EQ(page.Count(Inside(g, 1), Ink), 0);  // nothing spills into the next cell
    }
}

}  // namespace
}  // namespace gx
