// Rich text in and out (the reader's subset, the writer's escapes) and the rich edit's formats,
// line keys and caret placement.
#include <gtest/gtest.h>

#include "platform/rtl/Utf8.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/RichEdit.h"
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace ui;

namespace {
TRichText Plain(const std::u32string& text, const TRichCharFormat& f = {})
{
    return {text, std::vector<TRichCharFormat>(text.size(), f)};
}

std::string Utf8(const std::u32string& s)
{
    return rtl::CodePointsToUtf8(s);
}
}  // namespace

TEST(RichText, WrittenTextReadsBackWithItsFormats)
{
    TRichCharFormat base;
    TRichCharFormat bold = base;
    bold.Style = fsBold | fsUnderline;
    TRichCharFormat sup = base;
    sup.Offset = 40;
    sup.Color = clRed;
    TRichCharFormat sub = base;
    sub.Offset = -40;
    sub.Name = "Courier New";
    sub.Size = 12;
    TRichText mixed = Plain(U"H2O x2\r\nnext");
    mixed.Formats[1] = sub;
    mixed.Formats[5] = sup;
    mixed.Formats[8] = bold;
    const std::vector<TRichText> cases = {
        Plain(U""),
        Plain(U"plain"),
        mixed,
        Plain(U"braces {} and \\ backslash\ttab"),
        Plain(U"caf\u00e9 \u20ac \u4e2d \U0001F600"),  // Latin-1, code page 1252, BMP and beyond
        Plain(U"\r\n\r\n"),
    };
    for (const TRichText& t : cases) {
        const std::string rtf = WriteRtf(t, base);
        SCOPED_TRACE(rtf);
        for (char c : rtf)
            EXPECT_LT(static_cast<unsigned char>(c), 0x80u);  // the document is 7-bit
        EXPECT_EQ(ReadRtf(rtf, base), t);
    }
}

TEST(RichText, ReaderTakesTheCommonSubsetAndSkipsTheRest)
{
    TRichCharFormat base;
    struct Case {
        std::string rtf;
        std::u32string text;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\*\generator Writer 1.0;}\f0 Hello\par World})", U"Hello\r\nWorld"},
        {R"({\rtf1{\info{\title T}}{\stylesheet{\s0 Normal;}}A\'e9\'80B})", U"A\u00e9\u20acB"},
        {R"({\rtf1\uc1 x\u8364?y\uc0\u26085 z})", U"x\u20acy\u65e5z"},
        {R"({\rtf1 a\~b\line c\tab d\{\}\\})", U"a\u00a0b\r\nc\td{}\\"},
        {R"({\rtf1 {\*\unknowngroup {nested} text}kept})", U"kept"},
        {"{\\rtf1 raw\r\nbreaks are\nignored}", U"rawbreaks areignored"},
        {R"({\rtf1 unclosed {group)", U"unclosed group"},
        {"plain line\r\nsecond\nthird", U"plain line\r\nsecond\r\nthird"},  // not rich text
        // Broken documents end where they end.
        {"{\\rtf1 a\\'", U"a"},
        {"{\\rtf1 \\u x\\u-99999999999 \\fs99999999999 y\\up-99999999999 z\\", U"xyz"},
        {"{\\rtf1 " + std::string(100000, '{') + "deep", U"deep"},
        {"", U""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        const TRichText t = ReadRtf(c.rtf, base);
        EXPECT_EQ(Utf8(t.Text), Utf8(c.text));
        EXPECT_EQ(t.Formats.size(), t.Text.size());
    }
}

TEST(RichText, ReaderAppliesFontsColoursAndOffsets)
{
    TRichCharFormat base;
    const TRichText t = ReadRtf(R"({\rtf1{\fonttbl{\f0\fnil Arial;}{\f1\froman Times New Roman;}})"
                                R"({\colortbl ;\red255\green0\blue0;}a{\f1\fs24\b\cf1 b}c\up4 d\dn6 e\plain f})",
                                base);
    ASSERT_EQ(Utf8(t.Text), "abcdef");
    EXPECT_EQ(t.Formats[0], base);
    EXPECT_EQ(t.Formats[1].Name, "Times New Roman");
    EXPECT_EQ(t.Formats[1].Size, 12);
    EXPECT_EQ(t.Formats[1].Style, static_cast<TFontStyles>(fsBold));
    EXPECT_EQ(t.Formats[1].Color, static_cast<TColor>(0x0000FF));
    EXPECT_EQ(t.Formats[2], base);  // the group ended
    EXPECT_EQ(t.Formats[3].Offset, 40);
    EXPECT_EQ(t.Formats[4].Offset, -60);
    EXPECT_EQ(t.Formats[5], base);
}

namespace {
class RichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 300, 200);
        edit = new TRichEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(0, 0, 200, 100);
        edit->SetFocus();
    }
    void Key(unsigned vk, char32_t ch = 0, TShiftState shift = 0) { SendKeyStroke(edit, vk, shift, ch); }
    TForm form{nullptr};
    TRichEdit* edit = nullptr;
};
}  // namespace

TEST_F(RichEditTest, TypedTextTakesTheFormatBeforeItOrTheOneSetForTheCaret)
{
    edit->LoadRtf(R"({\rtf1 a{\b b}})");
    edit->SetSelStart(2);
    SendText(edit, "c");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(edit->Content().Formats[2].Style, static_cast<TFontStyles>(fsBold));
    edit->SetModified(false);
    edit->ChangeSelFormat([](TRichCharFormat& f) { f.Offset = 40; });  // no selection: for what is typed next
    EXPECT_EQ(edit->SelFormat().Offset, 40);
    EXPECT_FALSE(edit->Modified());
    SendText(edit, "d");
    EXPECT_EQ(edit->Content().Formats[3].Offset, 40);
    // A selection changes the selected characters only, and marks the content modified.
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    edit->ChangeSelFormat([](TRichCharFormat& f) { f.Style = fsItalic; });
    EXPECT_EQ(edit->Content().Formats[0].Style, static_cast<TFontStyles>(fsItalic));
    EXPECT_EQ(edit->Content().Formats[1].Style, static_cast<TFontStyles>(fsBold));
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(ReadRtf(edit->SaveRtf(), edit->BaseFormat()), edit->Content());
}

TEST_F(RichEditTest, LineKeysMoveBetweenLinesAndLineBreaksGoAsAWhole)
{
    edit->SetText("abcdef\r\nab\r\nabcdef");
    edit->SetSelStart(3);  // abc|def
    Key(VK_DOWN);
    EXPECT_EQ(edit->SelStart(), 10);  // the end of the short line
    Key(VK_DOWN);
    EXPECT_EQ(edit->SelStart(), 12 + 2);  // under it
    Key(VK_UP, 0, ssShift);
    EXPECT_EQ(edit->SelStart(), 10);
    EXPECT_EQ(edit->SelLength(), 4);
    Key(VK_END);
    EXPECT_EQ(edit->SelStart(), 18);
    Key(VK_HOME);
    EXPECT_EQ(edit->SelStart(), 12);
    Key(VK_LEFT);  // over the line break, not into it
    EXPECT_EQ(edit->SelStart(), 10);
    Key(VK_RIGHT);
    EXPECT_EQ(edit->SelStart(), 12);
    Key(VK_BACK, 8);  // Backspace removes CR and LF together
    EXPECT_EQ(edit->Text(), "abcdef\r\nababcdef");
    edit->SetSelStart(6);
    Key(VK_DELETE);
    EXPECT_EQ(edit->Text(), "abcdefababcdef");
    EXPECT_EQ(edit->Content().Formats.size(), 14u);
    Key(VK_RETURN, U'\r');
    EXPECT_EQ(edit->Text(), "abcdef\r\nababcdef");
}

TEST_F(RichEditTest, AClickPutsTheCaretWhereItLandsAndReportsTheSelection)
{
    int changes = 0;
    edit->OnSelectionChange = [&](TObject*) { ++changes; };
    edit->SetText("one\r\ntwo");
    const TSize size = edit->ContentSize();
    const int lineHeight = (size.cy - 2) / 2;
    // Second line, past its end: the caret goes to the line's end.
    SendMouseDown(edit, TMouseButton::mbLeft, 190, 2 + lineHeight + lineHeight / 2);
    SendMouseUp(edit, TMouseButton::mbLeft, 190, 2 + lineHeight + lineHeight / 2);
    EXPECT_EQ(edit->SelStart(), 8);
    EXPECT_GE(changes, 1);
    // First line, at its start.
    SendMouseDown(edit, TMouseButton::mbLeft, 0, 2);
    EXPECT_EQ(edit->SelStart(), 0);
}

namespace {
// Rows of the bitmap that hold any non-white pixel.
std::vector<bool> InkedRows(const TBitmap& b)
{
    std::vector<bool> rows(static_cast<std::size_t>(b.Height()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != clWhite)
                rows[static_cast<std::size_t>(y)] = true;
    return rows;
}

int TextWidthOf(const TRichEdit& edit, const std::string& s)
{
    TCanvas measure;
    measure.Font()->Assign(*edit.Font());
    return measure.TextWidth(s);
}
}  // namespace

TEST_F(RichEditTest, WordWrapBreaksAfterSpacesAndTheCaretFollowsTheWrappedLines)
{
    // "aaaa " fits, "aaaa bbbb" does not: three lines "aaaa " / "bbbb " / "cccc".
    edit->SetText("aaaa bbbb cccc");
    const TSize oneLine = edit->ContentSize();
    const int wrap = TextWidthOf(*edit, "aaaa b");
    const TRect rect{0, 0, wrap + 2, 100};
    edit->Perform(EM_SETRECT, 0, reinterpret_cast<std::intptr_t>(&rect));
    edit->SetWordWrap(true);
    const TSize wrapped = edit->ContentSize();
    const int lineHeight = oneLine.cy - 2;
    EXPECT_EQ(wrapped.cy, 3 * lineHeight + 2);
    EXPECT_LE(wrapped.cx, wrap + 2);

    struct Step {
        unsigned key;
        int caret;
    };
    edit->SetSelStart(7);  // bb|bb
    const Step steps[] = {
        {VK_END, 9},    // before the space that ends the line, not at the start of the next
        {VK_HOME, 5},   // the wrapped line's start
        {VK_DOWN, 10},  // to the next wrapped line, same column
        {VK_UP, 5},    {VK_UP, 0}, {VK_DOWN, 5},
    };
    for (const Step& s : steps) {
        Key(s.key);
        EXPECT_EQ(edit->SelStart(), s.caret) << "key " << s.key;
    }

    // A click past the end of each line: the last position shown on that line.
    const int clicks[] = {4, 9, 14};
    for (int line = 0; line < 3; ++line) {
        SendMouseDown(edit, TMouseButton::mbLeft, wrap, 1 + line * lineHeight + lineHeight / 2);
        SendMouseUp(edit, TMouseButton::mbLeft, wrap, 1 + line * lineHeight + lineHeight / 2);
        EXPECT_EQ(edit->SelStart(), clicks[line]) << "line " << line;
    }

    // Painting wraps the same way: ink in the third line's band, none below it.
    TBitmap paper(200, 5 * lineHeight);
    paper.Canvas()->Brush()->SetColor(clWhite);
    paper.Canvas()->FillRect({0, 0, 200, 5 * lineHeight});
    edit->PaintContent(*paper.Canvas(), {0, 0, wrap + 2, 5 * lineHeight}, false);
    const std::vector<bool> rows = InkedRows(paper);
    const auto inked = [&](int from, int to) {
        return std::find(rows.begin() + from, rows.begin() + to, true) != rows.begin() + to;
    };
    EXPECT_TRUE(inked(1 + 2 * lineHeight, 1 + 3 * lineHeight));
    EXPECT_FALSE(inked(1 + 3 * lineHeight, 5 * lineHeight));

    // Off again: one line.
    edit->SetWordWrap(false);
    EXPECT_EQ(edit->ContentSize().cy, oneLine.cy);
}

TEST_F(RichEditTest, AWordWiderThanTheLineBreaksBetweenCharactersAndNoLineIsEmpty)
{
    edit->SetText("abcdefgh\r\nx");
    const int wrap = TextWidthOf(*edit, "abc");
    const TRect rect{0, 0, wrap + 2, 100};
    edit->Perform(EM_SETRECT, 0, reinterpret_cast<std::intptr_t>(&rect));
    edit->SetWordWrap(true);
    // Pieces of at most three characters: abc / def / gh / x.
    edit->SetSelStart(0);
    const int downs[] = {3, 6, 10};
    for (int expected : downs) {
        Key(VK_DOWN);
        EXPECT_EQ(edit->SelStart(), expected);
    }
    // A width narrower than one character still puts one character on each line.
    const TRect narrow{0, 0, 3, 100};
    edit->Perform(EM_SETRECT, 0, reinterpret_cast<std::intptr_t>(&narrow));
    edit->SetText("abc");
    edit->SetWordWrap(false);
    const int lineHeight = edit->ContentSize().cy - 2;
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->ContentSize().cy - 2, 3 * lineHeight);
}
