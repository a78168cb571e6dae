// Module VozEdid: what a cell's text is, and turning texts into numbers, dates and cell
// positions. Pure functions of their arguments and of the regional settings (rtl::Regional()),
// which are read on every call.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/ui/Types.h"

#include <string>
#include <string_view>

namespace gx {

// Kinds of cell text.
constexpr int ctkPlain = 0;
constexpr int ctkHTML = 1;
constexpr int ctkRichText = 2;
constexpr int ctkFormula = 3;
constexpr int ctkWideText = 5;

// Kinds of number text.
constexpr int nkInteger = 0;
constexpr int nkDecimal = 1;
constexpr int nkNotANumber = 2;
constexpr int nkExponent = 5;

int GetCellTextKind(std::string_view Text, bool DetectHTML);
int GetNumberKind(std::string_view Text);
// A displayed number reduced to the form "-1234.5": currency signs, blanks and thousand
// separators dropped, the regional decimal separator written as ".", "(...)" read as negative.
std::string CleanNumberText(std::string_view Text);

// Day-month-year and month-day-year with "/", "." or "-" between; 0 when malformed. A year up to
// 25 lies in 2000..2025, any other in the 1900s. An impossible date (month 13) gives 0 as well.
rtl::TDateTime ParseShortDateEU(std::string_view Text);
rtl::TDateTime ParseShortDateUS(std::string_view Text);
bool HasDateSeparators(std::string_view Text);
// Next value of a date series: by whole days, months or years when only one of them is given,
// else by Step days. A day beyond the end of the target month becomes its last day.
rtl::TDateTime IncDateBy(int Years, int Months, int Days, rtl::TDateTime Date, double Step);

// Coded wide text: "|\" then each 16-bit character as two characters (codes 0..255), high byte first.
std::string EncodeWideCellText(std::u16string_view W);
std::u16string DecodeWideCellText(std::string_view S);

std::string MixedCase(std::string_view Text);
// "R<row>C<col>" in any case; P.X is the column, P.Y the row. P is left alone on failure.
bool ParseCellRef(std::string_view Text, ui::TPoint& P);

bool IsURL(std::string_view Text);
void StripURLProtocol(std::string& Text);
// Wraps the address that starts with Prefix (upper case) in an HTML anchor; "<" and ">" of the
// text are escaped. False, Result untouched, when the text holds no such address.
bool InsertURLLink(std::string_view Text, std::string_view Prefix, std::string& Result);

}  // namespace gx
