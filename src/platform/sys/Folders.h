// Small file-system helpers. None of them throws: each reports through its result.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sys {

// Creates one folder; its parent must exist. False when it cannot be created or already exists.
bool CreateFolder(const std::filesystem::path& folder);
// Creates the folder and any missing parents. True when the folder exists afterwards.
bool CreateFolders(const std::filesystem::path& folder);
bool FolderExists(const std::filesystem::path& folder);
// True for an existing file that is not a folder.
bool FileExists(const std::filesystem::path& file);
// Names of the sub-folders, in the order the file system returns them; empty when the folder
// cannot be read.
std::vector<std::string> ListSubFolders(const std::filesystem::path& folder);
// Copies a file; an existing target is replaced unless failIfExists. The copy is made under a
// temporary name beside the target and renamed over it, so a failed copy leaves the target as
// it was. False on any failure.
bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to, bool failIfExists = false);

}  // namespace sys
