#pragma once
// Texts of the messages the table models compose, from the text table.

#include <string>
#include <vector>

#include "platform/rtl/Format.h"

namespace core {

// Entry `number` of Lang_List; the built-in English text while the table is not filled.
std::string Lang_Text(int number);

// The entry used as a format ("%d", "%s") with the arguments. A text from a language file whose
// directives do not match the arguments gives the built-in English text formatted instead, so a
// translation cannot stop a message from being shown.
std::string Lang_Format(int number, const std::vector<rtl::TVarRec>& args);

}  // namespace core
