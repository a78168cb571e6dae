// A temporary program folder for one test: Path_Exe and the folders beside it point into it, and
// everything is removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/UConfigurator.h"
#include "app/common/UComon.h"

class TempProgramFolder {
public:
    TempProgramFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("shell_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        Path_Exe = dir.string();
        Path_Master = Path_Exe + "/MASTER";
        Path_Projects = Path_Exe + "/PROJECTS";
        Path_Language = Path_Exe + "/LANGUAGE";
        Name_Project.clear();
        Path_Project.clear();
    }
    ~TempProgramFolder() { std::filesystem::remove_all(dir); }

    static void WriteFile(const std::filesystem::path& file, const std::string& text)
    {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string ReadFile(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Runs the program through its real entry point as if it had been started from this folder.
    int Run() const
    {
        std::string exe = (dir / "configurator").string();
        char* argv[] = {exe.data(), nullptr};
        return Run_Configurator(1, argv);
    }

    std::filesystem::path dir;
};
