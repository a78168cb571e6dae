#pragma once
// String helpers. Positions are 1-based as the program's code counts them; 0 means "not found".
// Case helpers: UpperCase/LowerCase change ASCII letters only; AnsiUpperCase/AnsiLowerCase and the
// "Text" comparisons also fold the Latin-1, Latin Extended-A, Greek and Cyrillic letters of UTF-8
// text (never changing its length in bytes).
#include <string>
#include <string_view>
#include <vector>

namespace rtl {

std::string Trim(std::string_view s);  // removes leading and trailing characters <= ' '
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

int CompareStr(std::string_view a, std::string_view b);   // byte order: <0, 0, >0
int CompareText(std::string_view a, std::string_view b);  // ASCII case-insensitive
bool SameStr(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// Dictionary order: as AnsiCompareText, and among texts equal but for case small letters first.
int AnsiCompareStr(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);  // Latin-1-aware, case-insensitive
bool AnsiSameText(std::string_view a, std::string_view b);

bool StartsStr(std::string_view sub, std::string_view s);
bool StartsText(std::string_view sub, std::string_view s);
bool EndsStr(std::string_view sub, std::string_view s);
bool EndsText(std::string_view sub, std::string_view s);
bool ContainsStr(std::string_view s, std::string_view sub);
bool ContainsText(std::string_view s, std::string_view sub);

// 1-based byte position of sub in s from Offset on; 0 when absent or sub is empty.
int Pos(std::string_view sub, std::string_view s, int offset = 1);
// Case-insensitive Pos.
int PosText(std::string_view sub, std::string_view s, int offset = 1);
// Count bytes from 1-based Index; out-of-range parts are clipped, never an error.
std::string Copy(std::string_view s, int index, int count);
// Removes Count bytes at 1-based Index (clipped).
void Delete(std::string& s, int index, int count);
// Inserts Source before 1-based Index (clipped to 1..length+1).
void Insert(std::string_view source, std::string& s, int index);
std::string LeftStr(std::string_view s, int count);
std::string RightStr(std::string_view s, int count);
std::string MidStr(std::string_view s, int start, int count);
std::string StringOfChar(char c, int count);
std::string DupeString(std::string_view s, int count);
// 1-based position of the last byte of s that is one of delimiters; 0 when none.
int LastDelimiter(std::string_view delimiters, std::string_view s);

enum TReplaceFlag : unsigned { rfNone = 0, rfReplaceAll = 1, rfIgnoreCase = 2 };
using TReplaceFlags = unsigned;
std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags);
std::string ReplaceStr(std::string_view s, std::string_view from, std::string_view to);   // all, case-sensitive
std::string ReplaceText(std::string_view s, std::string_view from, std::string_view to);  // all, ignoring case

// Splits at every occurrence of any of the delimiter bytes; keeps empty parts.
std::vector<std::string> SplitString(std::string_view s, std::string_view delimiters);

std::string QuotedStr(std::string_view s, char quote = '\'');  // doubles embedded quotes
// Reads the quoted text whose opening quote is at s[pos]; a doubled quote inside stands for one.
// pos ends after the closing quote (or at the end); false when the quote is never closed.
bool AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote, std::string& text);
// Removes surrounding quotes and undoubles embedded ones; returns s unchanged when not quoted.
std::string AnsiDequotedStr(std::string_view s, char quote);

bool IsDelimiter(std::string_view delimiters, std::string_view s, int index);
bool IsDigit(char c);
bool IsHexDigit(char c);
bool IsLetter(char c);

// Number of Unicode code points in a UTF-8 string (invalid bytes count one each).
int Utf8Length(std::string_view s);
// The first count code points of a UTF-8 string (counted as Utf8Length counts them), never a part
// of a character.
std::string Utf8Left(std::string_view s, int count);

}  // namespace rtl
