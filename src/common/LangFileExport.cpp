#include "common/LangFileExport.h"

#include "common/LangTable.h"

std::string English_Lang_File_Text()
{
    static const char* const pilcrow = "\xC2\xB6";
    std::string out = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < Lang_Table_English_Count; ++i) {
        const LangTableEntry& e = Lang_Table_English[i];
        out += "STR" + std::to_string(e.number) + " = " + pilcrow + e.text + pilcrow + "\r\n";
    }
    return out;
}
