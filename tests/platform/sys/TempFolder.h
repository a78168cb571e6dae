// A fresh folder per test, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace testing_support {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("systest_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    static void Write(const std::filesystem::path& p, const std::string& bytes)
    {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string Read(const std::filesystem::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Number of entries in the folder (the test's folder by default).
    size_t Entries(const std::filesystem::path& folder = {}) const
    {
        const auto& f = folder.empty() ? dir_ : folder;
        return static_cast<size_t>(
            std::distance(std::filesystem::directory_iterator(f), std::filesystem::directory_iterator()));
    }

    std::filesystem::path dir_;
};

}  // namespace testing_support
