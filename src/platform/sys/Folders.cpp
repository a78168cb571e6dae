#include "platform/sys/Folders.h"

#include <system_error>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace sys {

namespace fs = std::filesystem;

bool CreateFolder(const fs::path& folder)
{
    std::error_code ec;
    return fs::create_directory(folder, ec) && !ec;
}

bool CreateFolders(const fs::path& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

bool FolderExists(const fs::path& folder)
{
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

bool FileExists(const fs::path& file)
{
    std::error_code ec;
    return fs::exists(file, ec) && !fs::is_directory(file, ec);
}

std::vector<std::string> ListSubFolders(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec))
            names.push_back(it->path().filename().string());
    return names;
}

bool CopyFile(const fs::path& from, const fs::path& to, bool failIfExists)
{
    std::error_code ec;
    if (!fs::is_regular_file(from, ec))
        return false;
    if (failIfExists && fs::exists(to, ec))
        return false;
    try {
        rtl::WriteFileAtomic(to.string(), rtl::ReadFileBytes(from.string()));
        return true;
    } catch (const rtl::Exception&) {
        return false;
    }
}

}  // namespace sys
