#include "app/ULanguageFiles.h"

#include <algorithm>

#include "platform/rtl/StrUtils.h"

namespace fs = std::filesystem;

namespace {

bool Offered(const fs::directory_entry& entry)
{
    std::error_code ec;
    if (entry.is_symlink(ec) || !entry.is_regular_file(ec))
        return false;
    if (!rtl::SameText(entry.path().extension().string(), ".lng"))
        return false;
    const fs::perms p = entry.status(ec).permissions();
    return !ec && (p & fs::perms::owner_write) != fs::perms::none;
}

}  // namespace

std::vector<std::string> List_Language_Files(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (Offered(*it))
            names.push_back(it->path().filename().string());
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return rtl::AnsiCompareText(a, b) < 0; });
    return names;
}

int Lang_Page_Count(int files)
{
    return (files + Lang_Slots_Per_Page - 1) / Lang_Slots_Per_Page;
}

int Lang_Slots_On_Page(int files, int page)
{
    const int n = files - (page - 1) * Lang_Slots_Per_Page;
    return std::clamp(n, 0, Lang_Slots_Per_Page);
}

std::string Lang_Name_Of(const std::string& entry)
{
    return entry.size() >= 4 ? entry.substr(0, entry.size() - 4) : std::string();
}
