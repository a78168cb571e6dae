// Formatting of the texts whose "%d" placeholders a language file may translate: the text is
// printed as far as it can be. A placeholder is filled when its argument was passed, a placeholder
// without one stays in the text as it stands, an argument of another kind than the placeholder
// asks for is printed in its own form, and extra arguments are left out. Nothing throws and no
// argument beyond those passed is ever read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Format.h"

// The text with its placeholders ("%" [index ":"] ["-"] [width] ["." prec] type, and "%%")
// filled from the arguments as far as they go.
std::string Safe_Format(std::string_view text, const std::vector<rtl::TVarRec>& args);

// Entry `number` of Lang_List (the built-in English text while the table is not filled) formatted
// by Safe_Format.
std::string Lang_Safe_Format(int number, const std::vector<rtl::TVarRec>& args);
