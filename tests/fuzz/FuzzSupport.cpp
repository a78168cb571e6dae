#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fuzz {

namespace {

struct Scratch {
    Scratch()
    {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                ? std::filesystem::path("/dev/shm")
                : std::filesystem::temp_directory_path();
        std::string pattern = (base / "cfgfuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder from " + pattern);
        path = pattern;
    }
    ~Scratch() { Remove(); }
    void Remove() const
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

const Scratch* made = nullptr;  // once ScratchFolder() made it

}  // namespace

const std::filesystem::path& ScratchFolder()
{
    static const Scratch scratch;
    made = &scratch;
    return scratch.path;
}

void PropertyFailed(const char* condition, const std::string& what, const char* file, int line)
{
    std::fprintf(stderr, "fuzz property failed: %s\n  %s (%s:%d)\n", condition, what.c_str(), file, line);
    if (made)
        made->Remove();
    std::abort();
}

std::filesystem::path WriteInput(std::string_view name, std::string_view bytes)
{
    const std::filesystem::path file = ScratchFolder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return file;
}

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace fuzz
