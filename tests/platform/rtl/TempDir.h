#pragma once
// The scratch folder of the runtime-library tests, with the file helpers they use.
#include <filesystem>
#include <set>
#include <string>

#include "ScratchDir.h"

namespace rtl_test {

class TempDir : public testsupport::ScratchDir {
public:
    TempDir() : ScratchDir("rtl-test") {}
    std::string file(const std::string& name) const { return File(name); }
    const std::filesystem::path& path() const { return Path(); }
};

// The names of a folder's entries.
inline std::set<std::string> Names(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

inline std::string readAll(const std::string& file)
{
    return testsupport::ReadFile(file);
}

inline void writeAll(const std::string& file, const std::string& bytes)
{
    testsupport::WriteFile(file, bytes);
}

}  // namespace rtl_test
