// The built-in English texts written as a language file, so that English can be chosen again
// after another language (the build puts it in LANGUAGE beside the program).
#pragma once

#include <string>

// The whole file: a UTF-8 byte-order mark, then one "STR<n> = ¶text¶" line per number that
// carries a text, CR LF ended; the pilcrows keep blanks at the ends of a text.
std::string English_Lang_File_Text();
