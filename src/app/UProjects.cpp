#include "app/UProjects.h"

#include <filesystem>

#include "common/UComon.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/Folders.h"

namespace fs = std::filesystem;

void Set_Files()
{
    for (const TableFileGlobal& g : Table_File_Globals())
        *g.file = Path_Project + "/" + g.table + ".xml";
}

int Project_Name_Problem(const std::string& name)
{
    if (name.empty())
        return 107;
    if (name == "." || name == "..")
        return 111;
    for (const char c : name) {
        if (c == '/' || c == '\\')
            return 112;
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return 113;
    }
    if (name.size() > 255)
        return 114;
    return 0;
}

TNewProjectResult Create_Project(const std::string& name)
{
    if (name.empty())
        return {107, {}};
    if (const int problem = Project_Name_Problem(name); problem != 0)
        return {105, problem};
    const fs::path folder = fs::path(Path_Projects) / name;
    if (sys::FolderExists(folder))
        return {106, 0};
    if (!sys::CreateFolder(folder))
        return {105, 115};
    // A configuration without its bin folder still opens; the bank writer reports the failure.
    sys::CreateFolders(folder / "bin");
    Name_Project = name;
    Path_Project = Path_Projects + "/" + Name_Project;
    Set_Files();
    return {};
}

bool Project_Folder_Inside(const std::string& name)
{
    std::error_code ec;
    const fs::path projects = fs::canonical(Path_Projects, ec);
    if (ec || name.empty())
        return false;
    const fs::path folder = fs::canonical(fs::path(Path_Projects) / name, ec);
    return !ec && folder.parent_path() == projects && fs::is_directory(folder, ec);
}

std::vector<std::string> Load_Existing_Configuration()
{
    std::vector<std::string> names = sys::ListSubFolders(Path_Projects);
    std::erase_if(names, [](const std::string& name) { return !Project_Folder_Inside(name); });
    return names;
}

int Search_Open_Conf(const std::vector<std::string>& SL, const std::string& name)
{
    const std::string wanted = rtl::AnsiUpperCase(name);
    for (std::size_t i = 0; i < SL.size(); ++i)
        if (rtl::AnsiUpperCase(SL[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}

std::string Open_Configuration_Name()
{
    const std::string prefix = Path_Projects + "/";
    if (Path_Project.size() > prefix.size() && Path_Project.compare(0, prefix.size(), prefix) == 0)
        return Path_Project.substr(prefix.size());
    return {};
}

void Apply_Open_Project(const std::string& Name_Conf)
{
    Name_Project = Name_Conf;
    Path_Project = Name_Project.empty() ? std::string() : Path_Projects + "/" + Name_Project;
    Set_Files();
}
