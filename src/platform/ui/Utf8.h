#pragma once
// Code-point access to UTF-8 text for the edit controls.
#include <string>

namespace ui {

std::u32string ToU32(const std::string& s);
std::string FromU32(const std::u32string& s);

}  // namespace ui
