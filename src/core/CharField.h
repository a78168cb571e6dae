#pragma once
// Fixed-width character fields of the converter's images: one byte per UTF-16 code unit of the
// text (its low 8 bits), cut to leave at least one terminating zero.

#include <cstdint>
#include <span>
#include <string_view>

namespace core {

// Writes the text into the field (whose bytes are expected to be zero): at most field.size() - 1
// code units (rtl::Utf8ToUtf16: a byte that does not start a valid sequence gives U+FFFD), each as
// its low 8 bits; the rest of the field is left as it is.
void Put_Char_Field(std::span<std::uint8_t> field, std::string_view utf8);

}  // namespace core
