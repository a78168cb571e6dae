// The text table: every text a window shows is entry N of Lang_List. The list
// is filled with the built-in English texts and then overridden entry by entry
// from the language file <Path_Language>/<Language_Name>.lng.
#pragma once

#include <string>

#include "common/UComon.h"

// Number of entries of the text table.
inline constexpr int Lang_Table_Size = 5300;
// Text held by every number that carries no text.
inline constexpr const char* Lang_Blank = " ";

// Empties Lang_List, appends the 5300 built-in English texts and sets Lang_Count.
void Load_Default_Lang();

// Overrides entries of Lang_List from a language file (UTF-8, UTF-16 LE/BE with a
// byte-order mark, Windows-1252 without). Never adds or removes entries; a file
// that cannot be read changes nothing.
void Load_Lang_File(const std::string& fileName);

// Built-in texts, then the language file of Language_Name; when that file is
// missing Language_Name becomes "English" and English.lng is used if present.
void Init_Language();

// Entry N of the built-in English table (" " for numbers without text or outside the table).
const char* Default_Lang_Text(int number);
