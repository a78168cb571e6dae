// Rich text in and out (the reader's subset, the writer's escapes) and the rich edit's formats,
// line keys and caret placement.
#include <gtest/gtest.h>

#include "platform/rtl/Utf8.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/RichEdit.h"
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
