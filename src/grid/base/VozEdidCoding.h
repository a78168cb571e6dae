// Text codings the grid uses for its files, the clipboard, CSV and HTML output and the stored
// print settings, plus small string and number utilities. All routines are pure functions.
//
// Module VozEdid. Texts are UTF-8. Positions are 1-based byte positions (0 = not found), as the grid's CSV and
// search code cut texts with them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rtl/StringList.h"
#include "platform/ui/Grids.h"

namespace gx {

// --- line-break and quote codings -------------------------------------------------------------

// When the text holds a CR: CR -> code 9, LF -> code 8, code 0 -> code 1 (one cell per file line).
std::string EncodeCellLineBreaks(std::string_view s);
// Reverse of EncodeCellLineBreaks for texts holding code 8; without MultiLine only the first
// line is kept.
std::string DecodeCellLineBreaks(std::string_view s, bool MultiLine);
// Splits off the text before the first CR (and the CR plus one LF after it). Text keeps the rest
// only with KeepRest; without a CR the whole text is the line and Text is emptied.
void ExtractFirstLine(std::string& Text, bool KeepRest, std::string& Line);
int LineCount(std::string_view s, bool MultiLine);

std::string QuoteMultiLine(std::string_view s);     // CR LF -> VT, then enclosed in double quotes
std::string VTToCRLF(std::string_view s);           // VT -> CR LF
void RemoveCRBeforeLF(std::string& s);              // CR LF -> LF
std::string LineBreaksToTilde(std::string_view s);  // CR -> "~", LF dropped
std::string TildeToLineBreaks(std::string_view s);  // "~" -> CR LF; "^" alone -> empty
std::string BackslashNToCR(std::string_view s);     // "\n" (two characters) -> CR
std::string CRToBackslashN(std::string_view s);     // CR -> "\n" (two characters), LF dropped
std::string LineBreaksToBR(std::string_view s);     // CR -> "<br>" (LF kept)
std::string CRToLF(std::string_view s);
std::string RemoveCR(std::string_view s);
std::string EscapeQuotes(std::string_view s);  // every double quote doubled
std::string UndoubleChar(char Ch, std::string_view s);
// Position of the closing quote character of a quoted field (see the .cpp for the rule), 0 when
// there is none. The result is also stored in Pos.
int FindQuoteEnd(char Ch, std::string_view s, int& Pos);
int FindQuoteEnd(char Ch, std::string_view s);
int CountQuoteEnds(char Ch, std::string_view s);

// Text to and from the OEM code page (code page 437): StringToOem leaves one byte per character.
void StringToOem(std::string& s);
void OemToString(std::string& s);

// Six upper-case hex digits red, green, blue of a colour value whose low byte is red.
std::string ColorToHTMLHex(std::uint32_t Color);
// Wraps an HTML fragment in the clipboard "HTML Format" header.
void BuildClipboardHTML(std::string& Fragment);

// --- utilities --------------------------------------------------------------------------------

int CharPos(char Ch, std::string_view s);
int VarCharPos(char Ch, std::string_view s, int& Pos);
int VarPos(std::string_view Sub, std::string_view s, int& Pos);
int PosInUpperCase(std::string_view Sub, std::string_view s);  // Sub given in upper case
int WidePos(std::u16string_view Sub, std::u16string_view s);   // 1-based, in 16-bit units
// The text before the first Sep, removed with Sep from S; empty and S unchanged without Sep.
std::string ExtractField(std::string& S, std::string_view Sep);
std::string ConcatStrings(const rtl::TStrings& Lines);
void FillString(std::string& S, char32_t Ch);  // every character replaced, length in characters kept
int CountChar(char Ch, std::string_view s);
int Max(int a, int b);
int Min(int a, int b);
// Value when Min = Max; otherwise raised to a positive Min, lowered to a positive Max.
int LimitValue(int Value, int MinValue, int MaxValue);
bool IsNumberChar(char32_t Ch);
// The cell lies inside the grid rectangle, bounds included.
bool CellInGridRect(const ui::TGridRect& R, int ACol, int ARow);

}  // namespace gx
