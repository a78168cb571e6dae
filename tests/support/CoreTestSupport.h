#pragma once
// Helpers of the converter-core tests: a scratch folder, golden files, byte comparisons and the
// ESI schema check, the well-formedness check of xmllint.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ScratchDir.h"

namespace coretest {

// The tests' one scratch folder.
using TScratchDir = testsupport::ScratchDir;

void Write_File(const std::filesystem::path& file, std::string_view content);
std::string Read_File(const std::filesystem::path& file);
std::vector<std::uint8_t> Read_Bytes(const std::filesystem::path& file);

std::filesystem::path Golden_Path(std::string_view name);
std::string Read_Golden(std::string_view name);

// An image described by a golden ".hex" file: a "size N" line, then lines "offset: bytes" in
// hexadecimal ("#" starts a comment); every byte not listed is zero.
std::vector<std::uint8_t> Load_Hex_Golden(std::string_view name);

// Equal bytes, or a failure naming the size difference and the first differing offsets.
::testing::AssertionResult Same_Bytes(const std::vector<std::uint8_t>& actual,
                                      const std::vector<std::uint8_t>& expected);

// Checks the file against the EtherCAT ESI schema of the shared test data with xmllint; skips the
// check (naming the schema) when that data is not beside the project.
void Expect_Valid_ESI(const std::filesystem::path& file);

// Checks with xmllint that the file is well-formed XML.
void Expect_Well_Formed_XML(const std::filesystem::path& file);

}  // namespace coretest
