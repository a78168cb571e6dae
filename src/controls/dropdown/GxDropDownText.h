#pragma once
// Small text classifiers of the typed entry: number kinds, hexadecimal digits, range separators.
// Separators come from the process's regional settings.
#include <cstdint>
#include <string>
#include <string_view>

namespace dropdown {

// ",", "-" and ";" separate the parts of a range text.
bool IsRangeSeparator(char32_t C);

// 0 a whole number (digits and "-"), 1 a decimal number (digits, ",", ".", "-", thousand
// separators at least three apart), 5 a hexadecimal number that is not a whole one, 2 anything
// else (also the empty text and texts with more than one "-" or decimal separator).
int TextNumberKind(std::string_view Text);

// Text with every thousand separator of the regional settings removed.
std::string RemoveThousandSeparators(std::string_view Text);

// 0..9 for the digits, 10..15 for A..F and a..f, 0 for any other character.
int HexDigitValue(char32_t C);

// The hexadecimal value of Text in 32-bit arithmetic (wrapping, no check); other characters
// count 0.
std::int32_t HexToInt(std::string_view Text);

// Text in upper case (letters of the wider alphabets too) unless CaseSensitive.
std::string UpperCaseUnless(std::string_view Text, bool CaseSensitive);

}  // namespace dropdown
