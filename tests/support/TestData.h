// Files from outside the project: the shared test data beside the clone (../shared/testdata,
// CFG_TESTDATA_DIR). A clone of the project alone has none of them; a test that needs one skips
// the check that needs it, naming the missing file. CI sets CFG_REQUIRE_TESTDATA=1, and a missing
// file then fails the test instead.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

inline std::filesystem::path TestDataFile(std::string_view relative)
{
    return std::filesystem::path(CFG_TESTDATA_DIR) / relative;
}

inline bool TestDataRequired()
{
    const char* v = std::getenv("CFG_REQUIRE_TESTDATA");
    return v && *v && std::string_view(v) != "0";
}

inline std::string MissingTestData(const std::filesystem::path& file)
{
    return "outside test data missing: " + file.string() + " (the shared test data folder is not beside the project)";
}

}  // namespace testsupport

// Declares `var` as the path of a shared test-data file. When the file is missing, the calling
// function returns at once: the test is skipped with a message naming the file (failed when
// CFG_REQUIRE_TESTDATA is set). For use in functions returning void.
#define CFG_TESTDATA_FILE(var, relative)                                                                               \
    const std::filesystem::path var = testsupport::TestDataFile(relative);                                             \
    if (!std::filesystem::is_regular_file(var)) {                                                                      \
        if (testsupport::TestDataRequired())                                                                           \
            FAIL() << testsupport::MissingTestData(var);                                                               \
        else                                                                                                           \
            GTEST_SKIP() << testsupport::MissingTestData(var);                                                         \
    }
