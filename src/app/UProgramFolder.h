// Where the program file lies: its folder holds the settings file, the updater and the MASTER,
// PROJECTS and LANGUAGE folders.
#pragma once

#include <string>

// The folder of the program file as the program was started (argv[0] when it names a path, else
// the running executable), without a trailing separator.
std::string Program_Folder_Of(const char* argv0);

// The folder found at start-up (set by the entry point; the running executable's folder before).
std::string Program_Folder();
void Set_Program_Folder(const std::string& folder);
