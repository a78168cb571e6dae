// Configurations: named folders below PROJECTS. Which one is open, the paths of its table files,
// the check of a new configuration's name and the list the open dialog offers.
#pragma once

#include <string>
#include <vector>

// Sets the 28 table-file globals to <Path_Project>/<table>.xml (just "/<table>.xml" when no
// configuration is open).
void Set_Files();

// Why a name typed for a new configuration cannot become a folder name, as the number of the
// text that says so (0 when it can). Refused are path separators ("/" and "\"), "." and "..",
// control characters and names longer than a folder name may be (255 bytes); blanks are kept as
// typed.
int Project_Name_Problem(const std::string& name);

// Result of creating a configuration: 0 when created, else the number of the text to show
// (107 empty name, 106 folder exists, 105 name refused or folder not creatable).
struct TNewProjectResult {
    int Text = 0;
    int Reason = 0;  // the text number of why the name was refused (0: none to add)
};

// Creates <Path_Projects>/<name> and its bin folder, then makes it the open configuration
// (Name_Project, Path_Project, Set_Files). Nothing is created when the name is refused.
TNewProjectResult Create_Project(const std::string& name);

// True when <Path_Projects>/<name> is a configuration folder: with every link resolved it is a
// folder directly inside the (resolved) PROJECTS folder. A link inside PROJECTS that points
// elsewhere is not a configuration.
bool Project_Folder_Inside(const std::string& name);

// Names of the configuration folders in Path_Projects (Project_Folder_Inside) in the order the
// file system returns them.
std::vector<std::string> Load_Existing_Configuration();

// Index of the first entry equal to name ignoring case, -1 when there is none.
int Search_Open_Conf(const std::vector<std::string>& SL, const std::string& name);

// Name of the open configuration as it stands in Path_Project (empty when none is open).
std::string Open_Configuration_Name();

// Makes the picked configuration the open one (an empty pick leaves none open) and sets the
// table-file paths.
void Apply_Open_Project(const std::string& Name_Conf);
