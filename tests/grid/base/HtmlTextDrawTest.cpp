#include "grid/base/HtmlTextDraw.h"

#include <gtest/gtest.h>

#include "platform/ui/Graphics.h"

namespace {

using namespace gx;
using ui::TRect;

// A white bitmap with a font the tests choose, so that every expected width and height is
// measured with the same font the engine uses.
class HtmlDraw : public ::testing::Test {
protected:
    HtmlDraw() : bmp(400, 200)
    {
        c = bmp.Canvas();
        c->Font()->SetName("DejaVu Sans");
        c->Font()->SetSize(10);
        c->Font()->SetColor(ui::clBlack);
        c->Brush()->SetColor(ui::clWhite);
        c->FillRect(TRect(0, 0, 400, 200));
        gh = c->TextHeight("gh");
    }

    THTMLDrawResult run(const std::string& text, TRect rect, THTMLDrawParams p = {})
    {
        THTMLDrawResult r;
        hit = DrawHTMLText(*c, text, rect, p, r);
        return r;
    }
    THTMLDrawResult measure(const std::string& text, TRect rect, bool wordWrap = true)
    {
        THTMLDrawParams p;
        p.MeasureOnly = true;
        p.WordWrap = wordWrap;
        return run(text, rect, p);
    }
    int width(const std::string& s)
    {
        TRect r(0, 0, 1000, 1000);
        c->DrawText(s, r, ui::DT_SINGLELINE | ui::DT_CALCRECT);
        return r.Width();
    }
    // Leftmost column in [top, bottom) holding a pixel that is not white; -1 when none.
    int inkLeft(int top, int bottom)
    {
        for (int x = 0; x < bmp.Width(); ++x)
            for (int y = top; y < bottom; ++y)
                if (ui::ColorToRGB(bmp.Pixel(x, y)) != ui::clWhite)
                    return x;
        return -1;
    }
    int countPixels(TRect area, ui::TColor color)
    {
        int n = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (ui::ColorToRGB(bmp.Pixel(x, y)) == color)
                    ++n;
        return n;
    }

    ui::TBitmap bmp;
    ui::TCanvas* c = nullptr;
    int gh = 0;
    bool hit = false;
};

TEST_F(HtmlDraw, EmptyTextTakesOneLineOfHeight)
{
    const auto r = run("", TRect(0, 0, 200, 100));
    EXPECT_EQ(r.UsedHeight, gh);
    EXPECT_EQ(r.UsedWidth, 0);
    EXPECT_EQ(inkLeft(0, 200), -1);
}

TEST_F(HtmlDraw, MeasuresEntitiesAndAccelerators)
{
    struct {
        const char* text;
        const char* shown;  // measured with the same accelerator rules
        const char* plain;
    } cases[] = {
        {"a&amp;b", "a&&b", "a&b"},
        {"a&b", "a&b", "ab"},
        {"&amp;lt;", "&&lt;", "&lt;"},
        {"x&nbsp;&lt;y&gt;", "x <y>", "x <y>"},
        {"<#tag> shown", "#tag shown", "#tag shown"},
    };
    for (const auto& k : cases) {
        const auto r = measure(k.text, TRect(0, 0, 400, 100));
        EXPECT_EQ(r.UsedWidth, width(k.shown)) << k.text;
        EXPECT_EQ(r.PlainText, k.plain) << k.text;
    }
    // Hidden text takes no room but stays in the plain text.
    const auto hidden = measure("ab<Z>hidden</Z>cd", TRect(0, 0, 400, 100));
    EXPECT_EQ(hidden.UsedWidth, width("abcd"));
    EXPECT_EQ(hidden.PlainText, "abhiddencd");
}

TEST_F(HtmlDraw, WordBreakAndLineBreaks)
{
    const int w = width("aaa b");
    // Breaks at the space; the trailing space does not count.
    auto r = measure("aaa bbb", TRect(0, 0, w, 100));
    EXPECT_EQ(r.UsedHeight, 2 * gh);
    EXPECT_EQ(r.UsedWidth, width("aaa"));
    // Never inside a word split by a tag.
    r = measure("x<B>y</B>", TRect(0, 0, 3, 100));
    EXPECT_EQ(r.UsedHeight, gh);
    // BR, CR and the list tags end lines; CR is one line break, LF is dropped.
    r = measure("a<BR>b\r\nc", TRect(0, 0, 400, 100));
    EXPECT_EQ(r.UsedHeight, 3 * gh);
    EXPECT_EQ(r.PlainText, "a\rb\rc");
}

TEST_F(HtmlDraw, TagsThatShapeLines)
{
    c->Font()->SetSize(16);
    const int big = c->TextHeight("A");
    c->Font()->SetSize(10);
    struct {
        const char* text;
        int width, height;
    } cases[] = {
        // A list starts on a new line; items are indented 12 pixels per level.
        {"<UL><LI>item", 12 + width("item"), 2 * gh},
        {"<UL><UL><LI>item", 24 + width("item"), 3 * gh},
        {"<UL><LI>a<LI>a", 12 + width("a"), 3 * gh},
        {"<IND x=\"40\">a", 40 + width("a"), gh},
        {"ab<HR>c", width("ab"), 2 * gh},
        {"<FONT SIZE=\"5\">A</FONT>", -1, big},
    };
    for (const auto& k : cases) {
        const auto r = measure(k.text, TRect(0, 0, 400, 200));
        if (k.width >= 0) {
            EXPECT_EQ(r.UsedWidth, k.width) << k.text;
        }
        EXPECT_EQ(r.UsedHeight, k.height) << k.text;
    }
}

TEST_F(HtmlDraw, WithoutWordWrapOneLineEndsInEllipsis)
{
    const std::string text = "the quick brown fox jumps over the lazy dog";
    const auto r = measure(text, TRect(0, 0, 60, 100), false);
    EXPECT_EQ(r.UsedHeight, gh);

    THTMLDrawParams p;
    p.WordWrap = false;
    run(text, TRect(0, 0, 60, 100), p);
    // Ink stays inside the rectangle (the run is cut) and nothing is drawn on a second line.
    for (int y = 0; y < 200; ++y)
        for (int x = 61; x < 400; ++x)
            ASSERT_EQ(ui::ColorToRGB(bmp.Pixel(x, y)), ui::clWhite);
    EXPECT_EQ(countPixels(TRect(0, gh, 400, 200), ui::clBlack), 0);
}

TEST_F(HtmlDraw, LinesBelowTheRectangleAreDroppedUnlessMeasuring)
{
    const TRect rect(0, 0, 200, gh * 5 / 2);
    EXPECT_EQ(run("a<BR>b<BR>c", rect).UsedHeight, 2 * gh);
    EXPECT_EQ(measure("a<BR>b<BR>c", rect).UsedHeight, 3 * gh);
}

TEST_F(HtmlDraw, SubscriptMakesTheLineTaller)
{
    const int th = c->TextHeight("b");
    EXPECT_EQ(measure("a<SUB>b</SUB>", TRect(0, 0, 200, 100)).UsedHeight, gh + th / 4);
    EXPECT_EQ(measure("a<SUP>b</SUP>", TRect(0, 0, 200, 100)).UsedHeight, gh + th / 4);

    // The subscript run stands lower than the text before it, the superscript run higher.
    const int w = width("x");
    const auto inkBottom = [&](int x0, int x1) {
        int bottom = -1;
        for (int y = 0; y < 100; ++y)
            for (int x = x0; x < x1; ++x)
                if (ui::ColorToRGB(bmp.Pixel(x, y)) != ui::clWhite)
                    bottom = y;
        return bottom;
    };
    run("x<SUB>x</SUB>", TRect(0, 0, 200, 100));
    EXPECT_GT(inkBottom(1 + w, 1 + 2 * w), inkBottom(0, 1 + w));
    c->FillRect(TRect(0, 0, 400, 200));
    run("x<SUP>x</SUP>", TRect(0, 0, 200, 100));
    EXPECT_LT(inkBottom(1 + w, 1 + 2 * w), inkBottom(0, 1 + w));
}

TEST_F(HtmlDraw, ParagraphAlignmentHoldsForFollowingLines)
{
    const TRect rect(0, 0, 300, 100);
    const std::string text = "<P ALIGN=\"CENTER\">x<BR><A HREF=\"b\">yy</A>";
    THTMLDrawParams p;
    p.HitTestOnly = true;
    p.HitX = 150;
    p.HitY = gh + gh / 2;
    const auto r = run(text, rect, p);
    EXPECT_TRUE(hit);
    EXPECT_EQ(r.AnchorAtPoint, "b");
    const int inner = 299;  // the layout loses one pixel at the left
    EXPECT_EQ(r.HoverRect.Left, 1 + (inner - width("yy")) / 2);
    EXPECT_EQ(r.HoverRect.Right, r.HoverRect.Left + width("yy"));
    EXPECT_EQ(r.HoverRect.Top, gh);

    run(text, rect);
    EXPECT_NEAR(inkLeft(0, gh), 1 + (inner - width("x")) / 2, 2);
}

TEST_F(HtmlDraw, LinksAreNumberedAndHitTested)
{
    const std::string text = "<A HREF=\"a\" TITLE=\"first\">x</A><A HREF=\"b\" TITLE=\"second\">y</A>";
    THTMLDrawParams p;
    p.HitTestOnly = true;
    p.HitX = 1 + width("x") + 1;
    p.HitY = gh / 2;
    auto r = run(text, TRect(0, 0, 200, 100), p);
    EXPECT_TRUE(hit);
    EXPECT_EQ(r.LinkCount, 2);
    EXPECT_EQ(r.LinkAtPoint, 2);
    EXPECT_EQ(r.AnchorAtPoint, "b");
    EXPECT_EQ(r.AnchorTitle, "second");

    // Outside any link: nothing found and the caller's anchor is kept.
    p.HitX = 150;
    THTMLDrawResult kept;
    kept.AnchorAtPoint = "old";
    hit = DrawHTMLText(*c, text, TRect(0, 0, 200, 100), p, kept);
    EXPECT_FALSE(hit);
    EXPECT_EQ(kept.LinkAtPoint, -1);
    EXPECT_EQ(kept.AnchorAtPoint, "old");
}

TEST_F(HtmlDraw, PointOnALaterLineDoesNotHitALinkAbove)
{
    THTMLDrawParams p;
    p.HitTestOnly = true;
    p.HitX = 3;
    p.HitY = 2 * gh + gh / 2;
    const auto r = run("<A HREF=\"top\">link</A><BR>plain<BR>plain", TRect(0, 0, 200, 100), p);
    EXPECT_FALSE(hit);
    EXPECT_EQ(r.AnchorAtPoint, "");
    EXPECT_EQ(r.LinkAtPoint, -1);
}

TEST_F(HtmlDraw, FocusLinkGivesItsAnchor)
{
    THTMLDrawParams p;
    p.FocusLinkIndex = 1;
    const auto r = run("<A HREF=\"a\">x</A> <A HREF=\"b\">y</A>", TRect(0, 0, 200, 100), p);
    EXPECT_EQ(r.FocusAnchor, "b");
}

TEST_F(HtmlDraw, CanvasIsLeftAsFound)
{
    c->Pen()->SetColor(0x123456);
    c->Pen()->SetWidth(3);
    c->Brush()->SetColor(0x654321);
    c->Font()->SetStyle(ui::fsItalic);
    ui::TFont font;
    font.Assign(*c->Font());
    const std::string texts[] = {
        "<R a=\"90\">rotated, never closed",
        "<FONT FACE=\"Courier\" SIZE=\"5\" COLOR=\"clred\" BGCOLOR=\"#00FF00\">big",
        "<HI>high</HI><BODY BGCOLOR=\"clyellow\"><P BGCOLOR=\"clblue\">para<B><U>x",
        "<E>error<SH>shadow<UL><LI>item",
    };
    for (const auto& t : texts) {
        run(t, TRect(0, 0, 200, 100));
        EXPECT_TRUE(c->Font()->SameAs(font)) << t;
        EXPECT_EQ(c->Font()->Orientation(), 0) << t;
        EXPECT_EQ(c->Pen()->Color(), 0x123456u) << t;
        EXPECT_EQ(c->Pen()->Width(), 3) << t;
        EXPECT_EQ(c->Brush()->Color(), 0x654321u) << t;
        EXPECT_EQ(c->Brush()->Style(), ui::TBrushStyle::bsSolid) << t;
    }
}

TEST_F(HtmlDraw, ColoursOfTheMarkup)
{
    EXPECT_EQ(HTMLColor("#FF8000"), ui::RGB(0xFF, 0x80, 0x00));
    EXPECT_EQ(HTMLColor("clRed"), ui::clRed);
    EXPECT_EQ(HTMLColor("clinfobk"), ui::clInfoBk);
    EXPECT_EQ(HTMLColor("nonsense"), ui::clBlack);

    SetHighlightColors(ui::clLime, ui::clBlack);
    run("<HI>WWW</HI>", TRect(0, 0, 200, 100));
    EXPECT_GT(countPixels(TRect(0, 0, 200, gh), ui::clLime), 10);
    SetHighlightColors(ui::clHighlight, ui::clHighlightText);

    // Colour tags leave the colours alone in a selected cell.
    THTMLDrawParams p;
    p.Selected = true;
    run("<FONT COLOR=\"clred\">WWW</FONT>", TRect(0, 0, 200, 100), p);
    EXPECT_EQ(countPixels(TRect(0, 0, 200, gh), ui::clRed), 0);
    run("<FONT COLOR=\"clred\">WWW</FONT>", TRect(0, 0, 200, 100));
    EXPECT_GT(countPixels(TRect(0, 0, 200, gh), ui::clRed), 0);
}

TEST_F(HtmlDraw, ErrorMarkingDrawsARedWaveUnderTheRun)
{
    run("<E>mistake</E>", TRect(0, 0, 200, 100));
    const int red = countPixels(TRect(0, 0, 200, gh + 2), ui::clRed);
    EXPECT_GE(red, width("mistake") / 2);
    EXPECT_EQ(countPixels(TRect(width("mistake") + 4, 0, 400, 200), ui::clRed), 0);
}

TEST_F(HtmlDraw, MalformedMarkupDropsTheRestQuietly)
{
    EXPECT_EQ(measure("ab<B unclosed text", TRect(0, 0, 400, 100)).PlainText, "ab");
    EXPECT_EQ(measure("ab<", TRect(0, 0, 400, 100)).PlainText, "ab");
    EXPECT_EQ(measure("<UNKNOWN>ok", TRect(0, 0, 400, 100)).PlainText, "ok");

    // Broken or hostile markup ends, draws within reason and leaves the canvas as it was.
    ui::TFont font;
    font.Assign(*c->Font());
    for (const char* text : {"<",
                             "<<",
                             "<<<",
                             "</",
                             "</>",
                             "<A HREF=\"x",
                             "<P",
                             "<P>",
                             "&",
                             "&&&&",
                             "&amp",
                             "<R a=\"abc\">x",
                             "<FONT SIZE=>x",
                             "<FONT SIZE=\"0\">x",
                             "<IND x=>y",
                             "<IND x=\"-5\">y",
                             "</UL></UL><UL>",
                             "<LI><LI><LI>",
                             "<SUB><SUP>x</SU>",
                             "<Z>never closed",
                             "\r\r\n\n",
                             "<A HREF=\"a\"><A HREF=\"b\">x</A></A></A>",
                             "<BODY BGCOLOR=\"#12\">x"}) {
        for (bool wrap : {true, false}) {
            THTMLDrawParams p;
            p.WordWrap = wrap;
            p.HitX = 5;
            p.HitY = 5;
            const auto r = run(text, TRect(0, 0, 30, 40), p);
            EXPECT_GE(r.UsedHeight, gh) << text;
            EXPECT_TRUE(c->Font()->SameAs(font)) << text;
        }
    }
}

}  // namespace
