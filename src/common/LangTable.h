// The built-in English texts: only the numbers that carry a text, in increasing order.
#pragma once

#include <cstddef>

struct LangTableEntry {
    int number;
    const char* text;
};

extern const LangTableEntry Lang_Table_English[];
extern const std::size_t Lang_Table_English_Count;
