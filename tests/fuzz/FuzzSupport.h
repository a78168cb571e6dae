// What the fuzz harnesses share: the input as text, a scratch folder of the process for the files
// a parser must read from disk, and a check that ends the run when a property does not hold (so
// that the fuzzer keeps the input as a finding).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process, in memory where the system offers it; removed when the process ends.
const std::filesystem::path& ScratchFolder();

// Writes the bytes to <ScratchFolder>/<name>, replacing the file, and returns its path.
std::filesystem::path WriteInput(std::string_view name, std::string_view bytes);

// The whole content of a file ("" when it cannot be read).
std::string ReadFile(const std::filesystem::path& file);

// Reports a property that does not hold, removes the scratch folder (no destructor runs after)
// and aborts, so that the fuzzer keeps the input as a finding.
[[noreturn]] void PropertyFailed(const char* condition, const std::string& what, const char* file, int line);

}  // namespace fuzz

// Ends the run with a message when a property of the code under test does not hold.
#define FUZZ_CHECK(condition, what)                                                                                    \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzz::PropertyFailed(#condition, what, __FILE__, __LINE__);                                                \
    } while (0)
