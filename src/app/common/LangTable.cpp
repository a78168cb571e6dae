// Built-in English texts (generated data).
#include "app/common/LangTable.h"

const LangTableEntry Lang_Table_English[] = {
    {1100, "Row Already used. Do you want to overwrite the values?"},
};
const std::size_t Lang_Table_English_Count = sizeof(Lang_Table_English) / sizeof(Lang_Table_English[0]);
