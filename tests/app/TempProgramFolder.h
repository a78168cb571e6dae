// A temporary program folder for one test: Path_Exe and the folders beside it point into it, and
// everything is removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScratchDir.h"
#include "app/UConfigurator.h"
#include "app/UProgramFolder.h"
#include "common/UComon.h"

class TempProgramFolder {
public:
    TempProgramFolder()
    {
        Path_Exe = dir.string();
        Path_Master = Path_Exe + "/MASTER";
        Path_Projects = Path_Exe + "/PROJECTS";
        Path_Language = Path_Exe + "/LANGUAGE";
        Name_Project.clear();
        Path_Project.clear();
    }

    static void WriteFile(const std::filesystem::path& file, const std::string& text)
    {
        testsupport::WriteFile(file, text);
    }
    static std::string ReadFile(const std::filesystem::path& file) { return testsupport::ReadFile(file); }

    // Runs the program through its real entry point as if it had been started from this folder.
    int Run() const
    {
        std::string exe = (dir / "configurator").string();
        char* argv[] = {exe.data(), nullptr};
        return Run_Configurator(1, argv);
    }

    testsupport::ScratchDir scratch{"shell"};
    std::filesystem::path dir = scratch.Path();
};

// The program's windows created in a temporary program folder and destroyed afterwards. A fixture
// that needs more calls these first in its own SetUp and last in its own TearDown.
class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Set_Program_Folder(folder.dir.string());
        Create_Windows();
    }
    void TearDown() override { Destroy_Windows(); }

    TempProgramFolder folder;
};
