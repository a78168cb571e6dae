// The one scratch folder of the tests: a fresh, uniquely named folder under the system's temporary
// folder, removed with everything in it (read-only entries included) when the object goes away.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testsupport {

class ScratchDir {
public:
    // Under the given folder instead of the temporary folder when one is given.
    explicit ScratchDir(std::string_view prefix = "cfgtest", const std::filesystem::path& parent = {})
    {
        const std::filesystem::path base = parent.empty() ? std::filesystem::temp_directory_path() : parent;
        std::string pattern = (base / (std::string(prefix) + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder from " + pattern);
        path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    std::string File(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A folder in memory (/dev/shm) for scratch folders of tests that save files hundreds of times
// over, where the system has one; empty otherwise (the temporary folder then).
inline std::filesystem::path MemoryFolder()
{
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
               ? std::filesystem::path("/dev/shm")
               : std::filesystem::path();
}

// Writes bytes to a file, creating its folder; fails the calling test by exception when it cannot.
inline void WriteFile(const std::filesystem::path& file, std::string_view bytes)
{
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

// The whole content of a file; an empty text for a file that does not exist.
inline std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace testsupport
