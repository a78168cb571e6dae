#pragma once
// Formatted text: characters with a character format each, and its exchange form, 8-bit rich
// text (RTF). The writer produces plain 7-bit rich text (other characters as \'hh or \uN); the
// reader takes the common subset: fonts, sizes, bold, italic, underline, strike-out, colours,
// raised and lowered text, paragraphs, line breaks, tabs, 8-bit and Unicode characters. Groups it
// does not know that are marked ignorable (and the usual tables, pictures and document info) are
// skipped. A source that is not rich text is taken as plain 8-bit text.
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct TRichCharFormat {
    std::string Name = "Tahoma";
    int Size = 8;  // points
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    int Offset = 0;  // vertical offset in twips: above 0 raised, below 0 lowered
    bool operator==(const TRichCharFormat&) const = default;
};

// Line breaks are CR LF, as in an edit control's text; every character (each half of a CR LF
// too) has its format.
struct TRichText {
    std::u32string Text;
    std::vector<TRichCharFormat> Formats;
    bool operator==(const TRichText&) const = default;
};

// Reads rich text (bytes); base is the format of text before any format control.
TRichText ReadRtf(std::string_view bytes, const TRichCharFormat& base);
// Writes rich text (7-bit bytes); an empty text still gives a document with the base format.
std::string WriteRtf(const TRichText& text, const TRichCharFormat& base);

}  // namespace ui
