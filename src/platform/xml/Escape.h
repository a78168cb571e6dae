// Text put into hand-written XML (attribute values and element texts) so that a parser reads it
// back as it was.
#pragma once

#include <string>
#include <string_view>

namespace xml {

// What becomes of characters beyond ASCII.
enum class NonAscii {
    Keep,              // written as they are (a UTF-8 file)
    Cp1252References,  // character references where Windows-1252 has the character, "?" otherwise
};

// The characters XML reserves as entities (& < > "); tab, line feed and carriage return as
// character references (an attribute would fold them into blanks); the other control characters,
// which XML cannot carry at all, and bytes that are not UTF-8 as "?".
std::string EscapeValue(std::string_view utf8, NonAscii nonAscii);

}  // namespace xml
