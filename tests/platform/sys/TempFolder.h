// A fresh folder per test, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include <memory>

#include "ScratchDir.h"

namespace testing_support {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch_ = std::make_unique<testsupport::ScratchDir>("systest");
        dir_ = scratch_->Path();
    }
    void TearDown() override { scratch_.reset(); }

    static void Write(const std::filesystem::path& p, const std::string& bytes) { testsupport::WriteFile(p, bytes); }
    static std::string Read(const std::filesystem::path& p) { return testsupport::ReadFile(p); }

    // Number of entries in the folder (the test's folder by default).
    size_t Entries(const std::filesystem::path& folder = {}) const
    {
        const auto& f = folder.empty() ? dir_ : folder;
        return static_cast<size_t>(
            std::distance(std::filesystem::directory_iterator(f), std::filesystem::directory_iterator()));
    }

    std::unique_ptr<testsupport::ScratchDir> scratch_;
    std::filesystem::path dir_;
};

}  // namespace testing_support
