#include <gtest/gtest.h>

#include <algorithm>

#include "platform/rtl/StrUtils.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/TextLayout.h"

using namespace ui;

namespace {
// A white bitmap with a black pen and brush ready for drawing.
struct Paper {
    TBitmap bitmap{20, 20};
    TCanvas& c = *bitmap.Canvas();
    Paper()
    {
        c.Brush()->SetColor(clWhite);
        c.FillRect({0, 0, 20, 20});
        c.Pen()->SetColor(clBlack);
    }
    int Count(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                n += bitmap.Pixel(x, y) == color;
        return n;
    }
};
}  // namespace

TEST(Colors, RedInTheLowByteAndSystemColoursFromTheTable)
{
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clNone), clBlack);
    TBitmap b(1, 1);
    b.SetPixel(0, 0, clRed);
    EXPECT_EQ(b.Pixel(0, 0), clRed);
    EXPECT_EQ(b.ScanLine(0)[0], 0xFFFF0000u);  // stored as 0xAARRGGBB
    EXPECT_EQ(b.Pixel(5, 5), clNone);          // outside
}

TEST(Canvas, LineToLeavesOutItsEndPoint)
{
    struct Case {
        TPoint from, to;
        int pixels;
    };
    const Case cases[] = {
        {{2, 5}, {10, 5}, 8},  // horizontal
        {{5, 2}, {5, 9}, 7},   // vertical
        {{1, 1}, {6, 6}, 5},   // diagonal
        {{10, 5}, {2, 5}, 8},  // right to left
        {{4, 4}, {4, 4}, 0},   // a point: nothing
    };
    for (const Case& k : cases) {
        Paper p;
        p.c.MoveTo(k.from.X, k.from.Y);
        p.c.LineTo(k.to.X, k.to.Y);
        EXPECT_EQ(p.Count(clBlack), k.pixels) << k.from.X << "," << k.from.Y << " -> " << k.to.X << "," << k.to.Y;
        EXPECT_NE(p.bitmap.Pixel(k.to.X, k.to.Y), clBlack);
        EXPECT_EQ(p.c.PenPos(), k.to);
    }
}

TEST(Canvas, RectanglesExcludeTheirRightAndBottomEdge)
{
    Paper p;
    p.c.Brush()->SetColor(clRed);
    p.c.FillRect({2, 3, 6, 8});
    EXPECT_EQ(p.Count(clRed), 4 * 5);
    EXPECT_EQ(p.bitmap.Pixel(5, 7), clRed);
    EXPECT_EQ(p.bitmap.Pixel(6, 7), clWhite);
    EXPECT_EQ(p.bitmap.Pixel(5, 8), clWhite);

    Paper q;
    q.c.Brush()->SetColor(clLime);
    q.c.Rectangle(2, 2, 7, 6);  // outline in the pen, inside in the brush
    EXPECT_EQ(q.bitmap.Pixel(2, 2), clBlack);
    EXPECT_EQ(q.bitmap.Pixel(6, 5), clBlack);
    EXPECT_EQ(q.bitmap.Pixel(7, 5), clWhite);
    EXPECT_EQ(q.Count(clLime), 3 * 2);

    Paper f;
    f.c.Brush()->SetColor(clBlue);
    f.c.FrameRect({1, 1, 5, 5});
    EXPECT_EQ(f.Count(clBlue), 12);
    EXPECT_EQ(f.bitmap.Pixel(2, 2), clWhite);
}

TEST(Canvas, ClearBrushAndClearPenDrawNothing)
{
    Paper p;
    p.c.Brush()->SetStyle(TBrushStyle::bsClear);
    p.c.FillRect({0, 0, 20, 20});
    p.c.Pen()->SetStyle(TPenStyle::psClear);
    p.c.Rectangle(0, 0, 10, 10);
    p.c.MoveTo(0, 15);
    p.c.LineTo(19, 15);
    EXPECT_EQ(p.Count(clWhite), 400);

    // A brush given "no colour" fills nothing; the next real colour fills again.
    p.c.Brush()->SetColor(clRed);
    p.c.Brush()->SetColor(clNone);
    EXPECT_EQ(p.c.Brush()->Style(), TBrushStyle::bsClear);
    p.c.FillRect({0, 0, 20, 20});
    EXPECT_EQ(p.Count(clWhite), 400);
    p.c.Brush()->SetColor(clRed);
    p.c.FillRect({0, 0, 2, 2});
    EXPECT_EQ(p.Count(clRed), 4);
}

TEST(Canvas, XorDrawingTwiceRestoresThePicture)
{
    Paper p;
    p.c.Brush()->SetColor(clYellow);
    p.c.FillRect({0, 0, 10, 20});
    TBitmap before;
    before.Assign(p.bitmap);
    p.c.DrawFocusRect({2, 2, 15, 12});
    int changed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            changed += p.bitmap.Pixel(x, y) != before.Pixel(x, y);
    EXPECT_GT(changed, 10);
    EXPECT_NE(p.bitmap.Pixel(2, 2), before.Pixel(2, 2));  // a dot of the pattern
    EXPECT_EQ(p.bitmap.Pixel(3, 2), before.Pixel(3, 2));  // the gap next to it
    EXPECT_EQ(p.bitmap.Pixel(8, 8), before.Pixel(8, 8));  // inside untouched
    p.c.DrawFocusRect({2, 2, 15, 12});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(p.bitmap.Pixel(x, y), before.Pixel(x, y)) << x << "," << y;

    Paper q;
    q.c.Pen()->SetMode(TPenMode::pmXor);
    q.c.Pen()->SetColor(clWhite);
    q.c.MoveTo(0, 0);
    q.c.LineTo(10, 0);
    EXPECT_EQ(q.bitmap.Pixel(3, 0), clBlack);  // white XOR white
    q.c.MoveTo(0, 0);
    q.c.LineTo(10, 0);
    EXPECT_EQ(q.bitmap.Pixel(3, 0), clWhite);
}

TEST(Canvas, ClipRectAndRegionLimitDrawing)
{
    Paper p;
    p.c.SetClipRect({5, 5, 10, 10});
    p.c.Brush()->SetColor(clRed);
    p.c.FillRect({0, 0, 20, 20});
    EXPECT_EQ(p.Count(clRed), 25);
    EXPECT_EQ(p.c.ClipRect(), TRect(5, 5, 10, 10));

    Paper r;
    TRegion region;
    region.Rects = {{0, 0, 2, 2}, {10, 10, 13, 11}};
    r.c.SelectClipRgn(&region);
    r.c.Brush()->SetColor(clRed);
    r.c.FillRect({0, 0, 20, 20});
    EXPECT_EQ(r.Count(clRed), 4 + 3);
    r.c.SelectClipRgn(nullptr);
    r.c.FillRect({0, 0, 20, 20});
    EXPECT_EQ(r.Count(clRed), 400);
}

TEST(Canvas, OriginMovesLogicalCoordinates)
{
    Paper p;
    p.c.SetOrigin({10, 10});
    p.c.SetPixels(1, 2, clRed);
    EXPECT_EQ(p.bitmap.Pixel(11, 12), clRed);
    EXPECT_EQ(p.c.Pixels(1, 2), clRed);

    // The clip rectangle is logical too: a fill lands inside it, moved by the origin.
    Paper q;
    q.c.SetOrigin({3, 4});
    q.c.SetClipRect({2, 2, 6, 5});
    q.c.Brush()->SetColor(clRed);
    q.c.FillRect({0, 0, 20, 20});
    EXPECT_EQ(q.Count(clRed), 4 * 3);
    EXPECT_EQ(q.bitmap.Pixel(5, 6), clRed);
    EXPECT_EQ(q.bitmap.Pixel(4, 6), clWhite);
    EXPECT_EQ(q.bitmap.Pixel(8, 8), clRed);
    EXPECT_EQ(q.bitmap.Pixel(9, 9), clWhite);
}

TEST(Canvas, TransparentBitmapLeavesItsKeyColourOut)
{
    TBitmap glyph(3, 3);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 3, 3});
    glyph.SetPixel(1, 1, clBlue);
    Paper p;
    p.c.Draw(0, 0, &glyph);  // opaque: key colour drawn
    EXPECT_EQ(p.bitmap.Pixel(0, 0), clFuchsia);
    glyph.SetTransparent(true);  // key = bottom-left pixel
    p.c.Draw(10, 10, &glyph);
    EXPECT_EQ(p.bitmap.Pixel(10, 10), clWhite);
    EXPECT_EQ(p.bitmap.Pixel(11, 11), clBlue);
    glyph.SetTransparentColor(clBlue);  // fixed key colour
    p.c.Draw(15, 0, &glyph);
    EXPECT_EQ(p.bitmap.Pixel(15, 0), clFuchsia);
    EXPECT_EQ(p.bitmap.Pixel(16, 1), clWhite);

    Paper s;
    s.c.StretchDraw({0, 0, 6, 6}, &glyph);
    EXPECT_EQ(s.bitmap.Pixel(0, 0), clFuchsia);
    EXPECT_EQ(s.bitmap.Pixel(2, 2), clWhite);  // the stretched key pixel block
}

TEST(Canvas, EdgesUseTheSystemColours)
{
    Paper p;
    TRect r{0, 0, 10, 10};
    p.c.DrawEdge(r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(p.bitmap.Pixel(0, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(p.bitmap.Pixel(9, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(p.bitmap.Pixel(1, 5), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
}

namespace {
// Every character is 10 pixels wide.
int Fixed(const std::string& s)
{
    return 10 * rtl::Utf8Length(s);
}
}  // namespace

TEST(TextLayout, PrefixAmpersandMarksTheUnderlinedCharacter)
{
    struct Case {
        const char* text;
        unsigned flags;
        const char* shown;
        int underline;
    };
    const Case cases[] = {
        {"&File", DT_SINGLELINE, "File", 0},
        {"Save &as", DT_SINGLELINE, "Save as", 5},
        {"Fish && Chips", DT_SINGLELINE, "Fish & Chips", -1},
        {"&File", DT_SINGLELINE | DT_NOPREFIX, "&File", -1},
        {"&File", DT_SINGLELINE | DT_HIDEPREFIX, "File", -1},
        {"end&", DT_SINGLELINE, "end", -1},
    };
    for (const Case& k : cases) {
        auto lines = LayoutText(k.text, k.flags, 1000, Fixed);
        ASSERT_EQ(lines.size(), 1u) << k.text;
        EXPECT_EQ(lines[0].Text, k.shown) << k.text;
        EXPECT_EQ(lines[0].Underline, k.underline) << k.text;
    }
}

TEST(TextLayout, EllipsisWordBreakAndLineBreaks)
{
    auto cut = LayoutText("Configuration", DT_SINGLELINE | DT_END_ELLIPSIS, 80, Fixed);
    EXPECT_EQ(cut[0].Text, "Confi...");
    EXPECT_LE(cut[0].Width, 80);
    EXPECT_EQ(LayoutText("Short", DT_SINGLELINE | DT_END_ELLIPSIS, 80, Fixed)[0].Text, "Short");

    auto wrapped = LayoutText("one two three", DT_WORDBREAK, 70, Fixed);
    ASSERT_EQ(wrapped.size(), 2u);
    EXPECT_EQ(wrapped[0].Text, "one two");
    EXPECT_EQ(wrapped[1].Text, "three");

    auto longWord = LayoutText("abcdefghij", DT_WORDBREAK, 40, Fixed);
    ASSERT_EQ(longWord.size(), 3u);
    EXPECT_EQ(longWord[0].Text, "abcd");

    EXPECT_EQ(LayoutText("a\r\nb\nc", 0, 100, Fixed).size(), 3u);
    EXPECT_EQ(LayoutText("a\r\nb", DT_SINGLELINE, 100, Fixed)[0].Text, "ab");
}

// Lines are cut and broken between whole characters, also where a character takes several bytes
// and where a byte begins no well-formed character (each such byte is a character of its own).
TEST(TextLayout, CutsAndBreaksBetweenWholeCharacters)
{
    const std::string e = "\xC3\xA9";
    const std::string euro = "\xE2\x82\xAC";
    EXPECT_EQ(LayoutText(e + e + e + e + e + e + e + e + e, DT_SINGLELINE | DT_END_ELLIPSIS, 80, Fixed)[0].Text,
              e + e + e + e + e + "...");
    const auto broken = LayoutText(euro + euro + euro + euro + euro + euro, DT_WORDBREAK, 40, Fixed);
    ASSERT_EQ(broken.size(), 2u);
    EXPECT_EQ(broken[0].Text, euro + euro + euro + euro);
    EXPECT_EQ(broken[1].Text, euro + euro);
    const auto malformed = LayoutText("ab\xE2\x82"
                                      "cd",
                                      DT_WORDBREAK, 30, Fixed);
    ASSERT_EQ(malformed.size(), 2u);
    EXPECT_EQ(malformed[0].Text, "ab\xE2");
    EXPECT_EQ(malformed[1].Text, "\x82"
                                 "cd");
}

TEST(Canvas, DrawTextCalcRectMeasuresWithoutDrawing)
{
    Paper p;
    TRect one{0, 0, 200, 0};
    int h1 = p.c.DrawText("Hello", one, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GT(h1, 0);
    EXPECT_EQ(one.Height(), h1);
    EXPECT_EQ(one.Width(), p.c.TextWidth("Hello"));
    TRect two{0, 0, 200, 0};
    int h2 = p.c.DrawText("Hello\nWorld", two, DT_CALCRECT);
    EXPECT_EQ(h2, 2 * h1);
    EXPECT_EQ(p.Count(clWhite), 400);
}

TEST(Canvas, DrawTextUnderlinesThePrefixCharacterInTheFontColour)
{
    TBitmap b(80, 30);
    TCanvas& c = *b.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect({0, 0, 80, 30});
    c.Font()->SetHeight(-13);
    c.Font()->SetColor(clRed);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect r{0, 0, 80, 30};
    int h = c.DrawText("&W", r, DT_SINGLELINE);
    int w = c.TextWidth("W");
    // The underline runs along the last row of the line under the first character only.
    int red = 0;
    for (int x = 0; x < 80; ++x)
        red += b.Pixel(x, h - 1) == clRed;
    EXPECT_EQ(red, w);
}

TEST(Canvas, TextRectClipsToItsRectangle)
{
    TBitmap b(60, 20);
    TCanvas& c = *b.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect({0, 0, 60, 20});
    c.Font()->SetColor(clBlack);
    c.Font()->SetHeight(-14);
    c.Brush()->SetColor(clYellow);
    c.TextRect({0, 0, 10, 20}, 0, 0, "WWWWWW");
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 60; ++x)
            ASSERT_EQ(b.Pixel(x, y), clWhite) << x << "," << y;
    EXPECT_EQ(b.Pixel(9, 19), clYellow);
}

TEST(Canvas, RotatedTextRunsUpwards)
{
    TBitmap b(60, 60);
    TCanvas& c = *b.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect({0, 0, 60, 60});
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->SetHeight(-12);
    c.Font()->SetOrientation(900);
    c.TextOut(10, 55, "MMMM");
    int minX = 60, maxX = -1, minY = 60, maxY = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (b.Pixel(x, y) != clWhite) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    ASSERT_GE(maxX, 0);
    EXPECT_GT(maxY - minY, 2 * (maxX - minX));  // taller than wide
    EXPECT_LE(maxY, 55);                        // drawn upwards from its start point
}
