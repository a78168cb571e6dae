// The language files the options dialog offers, and how they are split into pages of six.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

inline constexpr int Lang_Slots_Per_Page = 6;

// Names (with their ".lng" ending, any letter case) of the language files in the folder, sorted
// ignoring case. Only plain files the program may rewrite are offered: folders, links, read-only
// files and files that are not regular (devices, pipes) are left out.
std::vector<std::string> List_Language_Files(const std::filesystem::path& folder);

// Number of pages for this many files (six to a page).
int Lang_Page_Count(int files);

// Number of slots shown on page (from 1): 0 to 6.
int Lang_Slots_On_Page(int files, int page);

// The language name of a list entry: the entry without its last four characters.
std::string Lang_Name_Of(const std::string& entry);
