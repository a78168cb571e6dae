// The plain driver of a fuzz harness, for the regular test run: feeds every file of the given
// folders (and every given file) to the harness once, in name order. No fuzzing, any compiler.
//
//   fuzz_<target> CORPUS... [--outside FOLDER...]
//
// A corpus folder that is missing or empty is an error. Folders after --outside come from the
// shared test data beside the project: when one is missing the run is skipped (exit code 77),
// or fails when CFG_REQUIRE_TESTDATA is set.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

namespace {

constexpr int kSkipped = 77;

bool Required()
{
    const char* v = std::getenv("CFG_REQUIRE_TESTDATA");
    return v && *v && std::string_view(v) != "0";
}

void Collect(const fs::path& path, std::vector<fs::path>& files)
{
    if (fs::is_regular_file(path)) {
        files.push_back(path);
        return;
    }
    for (const auto& entry : fs::recursive_directory_iterator(path))
        if (entry.is_regular_file())
            files.push_back(entry.path());
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<fs::path> files;
    bool outside = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--outside") {
            outside = true;
            continue;
        }
        const std::size_t before = files.size();
        if (fs::exists(arg))
            Collect(arg, files);
        if (files.size() != before)
            continue;
        if (!outside) {
            std::fprintf(stderr, "corpus %s is missing or empty\n", argv[i]);
            return 1;
        }
        std::fprintf(stderr, "outside test data missing: %s (the shared test data folder is not beside the project)\n",
                     argv[i]);
        return Required() ? 1 : kSkipped;
    }
    std::sort(files.begin(), files.end());
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    for (const fs::path& file : files) {
        std::fprintf(stderr, "input %s\n", file.c_str());  // the last one named is the one that failed
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
