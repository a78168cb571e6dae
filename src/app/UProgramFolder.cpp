#include "app/UProgramFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string& Folder()
{
    static std::string folder;
    return folder;
}

std::string Without_Trailing_Separator(std::string s)
{
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

}  // namespace

std::string Program_Folder_Of(const char* argv0)
{
    std::error_code ec;
    if (argv0 && std::string(argv0).find('/') != std::string::npos) {
        const fs::path p = fs::weakly_canonical(fs::absolute(argv0, ec), ec);
        if (!ec)
            return Without_Trailing_Separator(p.parent_path().string());
    }
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return Without_Trailing_Separator(self.parent_path().string());
    return Without_Trailing_Separator(fs::current_path(ec).string());
}

std::string Program_Folder()
{
    if (Folder().empty())
        Folder() = Program_Folder_Of(nullptr);
    return Folder();
}

void Set_Program_Folder(const std::string& folder)
{
    Folder() = Without_Trailing_Separator(folder);
}
