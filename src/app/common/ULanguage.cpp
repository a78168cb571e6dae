#include "app/common/ULanguage.h"

#include <algorithm>

#include "app/common/LangTable.h"

const char* Default_Lang_Text(int number)
{
    const LangTableEntry* begin = Lang_Table_English;
    const LangTableEntry* end = begin + Lang_Table_English_Count;
    auto it = std::lower_bound(begin, end, number,
                               [](const LangTableEntry& e, int n) { return e.number < n; });
    return (it != end && it->number == number) ? it->text : Lang_Blank;
}

void Load_Default_Lang()
{
    Lang_List.clear();
    Lang_List.reserve(Lang_Table_Size);
    for (int n = 0; n < Lang_Table_Size; ++n)
        Lang_List.emplace_back(Default_Lang_Text(n));
    Lang_Count = Lang_Table_Size;
}

void Load_Lang_File(const std::string&)
{
}

void Init_Language()
{
    Load_Default_Lang();
}
