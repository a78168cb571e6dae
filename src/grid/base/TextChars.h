// Character-level helpers for the grid's UTF-8 texts: the Unicode number categories and the
// conversion to and from the 16-bit wide text that cells can carry in coded form.
#pragma once

#include <string>
#include <string_view>

namespace gx {

// True for a code point of the Unicode number categories (Nd, Nl, No).
bool IsNumberCodePoint(char32_t c);

// Code points of a UTF-8 text; a malformed byte stands for itself (0x80..0xFF).
std::u32string ToCodePoints(std::string_view s);

std::u16string Utf8ToUtf16(std::string_view s);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view w);

}  // namespace gx
