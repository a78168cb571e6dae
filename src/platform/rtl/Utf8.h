#pragma once
// The program's one UTF-8 codec. Every part that turns UTF-8 bytes into characters or back uses it.
//
// Malformed input: a byte that does not begin a well-formed sequence is one malformed byte on its
// own, and decoding moves past that byte only. Malformed are: a stray continuation byte, a lead
// byte without enough continuation bytes, an overlong form, an encoded surrogate (U+D800..U+DFFF),
// a value above U+10FFFF, and the bytes 0xF8..0xFF. DecodeUtf8 reports such a byte as -1; the
// text functions below turn it into U+FFFD, so malformed text keeps one character per malformed
// byte and the well-formed text around it is read unchanged. Encoding a value that is not a
// Unicode scalar value (negative, a surrogate, above U+10FFFF) writes U+FFFD.
#include <cstddef>
#include <string>
#include <string_view>

namespace rtl {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes one character at pos and moves pos past it; on a malformed byte returns -1 and moves
// pos one byte on. pos must be less than s.size().
int DecodeUtf8(std::string_view s, std::size_t& pos);
// Appends the UTF-8 form of a code point (U+FFFD for a value that is not a scalar value).
void AppendUtf8(std::string& out, int codePoint);
std::string CodePointToUtf8(char32_t codePoint);

// True when the bytes are well-formed UTF-8 throughout.
bool IsValidUtf8(std::string_view bytes);

// The characters of a text, one U+FFFD per malformed byte; and back.
std::u32string Utf8ToCodePoints(std::string_view s);
std::string CodePointsToUtf8(std::u32string_view codePoints);

// UTF-16 code units of a text (a character beyond U+FFFF takes a surrogate pair; a malformed byte
// is U+FFFD as above); and back, where a surrogate that is not part of a pair becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view units);

}  // namespace rtl
