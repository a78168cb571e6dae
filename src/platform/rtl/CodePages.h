#pragma once
// Windows-1252 ("ANSI") and code page 437 ("OEM") conversions to and from UTF-8.
// Characters without a mapping become "?"; invalid UTF-8 input bytes become "?" as well.
#include <string>
#include <string_view>

namespace rtl {

std::string Cp1252ToUtf8(std::string_view ansi);
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp437ToUtf8(std::string_view oem);
std::string Utf8ToCp437(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Decodes one code point at pos (advancing pos); returns -1 and advances one byte on invalid input.
int DecodeUtf8(std::string_view s, size_t& pos);
void AppendUtf8(std::string& out, int codePoint);

}  // namespace rtl
