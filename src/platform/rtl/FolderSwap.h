#pragma once
// Files of one folder replaced together: whoever reads the folder, and whatever stops the program
// in the middle of the save (a kill, a crash), finds all of the files as they were or all of them
// new, never some of each.
#include <filesystem>
#include <string>
#include <vector>

namespace rtl {

struct TNewFile {
    std::string Name;  // a plain name inside the folder
    std::string Bytes;
};

// Replaces the named files of the folder, together. The folder is made anew beside itself (the
// new files flushed to disk, everything else it holds carried over as hard links, sub-folders
// made anew the same way) and exchanged with the old folder in one rename; the old folder is
// removed afterwards, and whatever appeared in it meanwhile is moved over first. A symbolic link
// to the folder keeps leading to it. Where the file system cannot exchange two folders or hold
// hard links, every file is written to a temporary beside its target first and the renames
// follow one another before one flush of the folder: a failure still replaces nothing, but a
// stop between those renames leaves some files new.
//
// Throws EFileError naming the file or folder at fault and the reason, with nothing replaced:
// when the folder does not exist or is no folder, when one of the named files exists as anything
// but a regular file or is read-only, and when a file cannot be written. What a save that died
// left beside the folder is removed by the next save of the same folder.
void ReplaceFilesTogether(const std::filesystem::path& folder, const std::vector<TNewFile>& files);

}  // namespace rtl
