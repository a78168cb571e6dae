// Whole-number conversions. Each reads a text the way one kind of caller needs
// and reports failure through the caller's default (or -1).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// General conversion of every data check and table-file reader: leading blanks,
// optional sign, then decimal digits, or hexadecimal digits after "$", "x", "X",
// "0x" or "0X". Decimal values must fit a signed 32-bit integer; hexadecimal ones
// may use all 32 bits (so "$FFFFFFFF" is -1). Anything else, trailing blanks and
// the empty text included, gives no value.
std::optional<int32_t> Str_To_Int(std::string_view text);
int32_t Str_To_Int_Def(std::string_view text, int32_t def);

// The same rules with a 64-bit range (hexadecimal may use all 64 bits).
std::optional<int64_t> Str_To_Int64(std::string_view text);
int64_t Str_To_Int64_Def(std::string_view text, int64_t def);

// The integer reading rule of the table dialogs' data checks: leading blanks, optional sign,
// then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X"; the whole rest
// must be digits and the value must fit a signed 32-bit integer, hexadecimal included (so
// "$80000000" and "$FFFFFFFF" do not). Anything else, trailing blanks and the empty text
// included, reads as -1.
int32_t Str_To_Int_Rule(std::string_view text);

// One part of a dotted address or a port: leading blanks, optional sign, decimal
// digits only (no hexadecimal); anything else gives no value.
std::optional<int64_t> Str_To_IP_Part(std::string_view text);

// Numbers of an EDS file: decimal (signed 32-bit) or hexadecimal after "0x"/"0X"
// (up to 32 bits, taken as the 32-bit pattern); anything else gives -1.
int32_t Str_To_Int_EDS(std::string_view text);

// Text number of a language-file line: an already trimmed text read as a signed
// decimal integer; anything else gives -1.
int32_t Str_To_Int_Lang(std::string_view text);
