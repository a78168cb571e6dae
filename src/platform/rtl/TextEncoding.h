#pragma once
// Encodings of text files read and written by string lists and INI files.
#include <string>
#include <string_view>

namespace rtl {

enum class TEncoding {
    Default,  // reading: byte-order mark, else UTF-8 when valid, else Windows-1252; writing: Windows-1252
    Ansi,     // Windows-1252
    Oem,      // code page 437
    UTF8,     // UTF-8 without byte-order mark
    UTF8BOM,  // UTF-8 with byte-order mark
    Unicode,  // UTF-16 little endian with byte-order mark
};

// Whether the bytes start with a byte-order mark (UTF-8, UTF-16 little or big endian).
bool HasByteOrderMark(std::string_view bytes);
// Decodes raw file bytes to UTF-8 text following the encoding (and a byte-order mark when present).
std::string DecodeText(std::string_view bytes, TEncoding encoding = TEncoding::Default);
// Encodes UTF-8 text to file bytes (with the byte-order mark the encoding asks for).
std::string EncodeText(std::string_view text, TEncoding encoding = TEncoding::Default);

}  // namespace rtl
