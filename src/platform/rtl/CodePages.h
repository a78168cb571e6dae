#pragma once
// Windows-1252 ("ANSI") and code page 437 ("OEM") conversions to and from UTF-8.
// Characters without a mapping become "?"; each malformed UTF-8 byte (platform/rtl/Utf8.h) becomes
// one "?".
#include <string>
#include <string_view>

#include "platform/rtl/Utf8.h"

namespace rtl {

std::string Cp1252ToUtf8(std::string_view ansi);
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp437ToUtf8(std::string_view oem);
std::string Utf8ToCp437(std::string_view utf8);

}  // namespace rtl
