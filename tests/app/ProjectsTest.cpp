#include "app/UProjects.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TempProgramFolder.h"

namespace fs = std::filesystem;

TEST(ProjectsTest, NewConfigurationNames)
{
    struct Case {
        std::string name;
        int text;    // 0: created
        int reason;  // the text saying why it was refused (0: none)
    };
    const Case cases[] = {
        {"demo", 0, 0},
        {"with blank ", 0, 0},  // kept as typed
        {"", 107, 0},
        {"taken", 106, 0},
        {".", 105, 111},
        {"..", 105, 111},
        {"a/b", 105, 112},
        {"a\\b", 105, 112},
        {"tab\there", 105, 113},
        {"line\nbreak", 105, 113},
        {std::string(255, 'n'), 0, 0},
        {std::string(256, 'n'), 105, 114},
    };
    for (const Case& c : cases) {
        TempProgramFolder folder;
        fs::create_directories(folder.dir / "PROJECTS" / "taken");
        const TNewProjectResult r = Create_Project(c.name);
        EXPECT_EQ(r.Text, c.text) << c.name;
        EXPECT_EQ(r.Reason, c.reason) << c.name;
        if (c.text == 0) {
            EXPECT_TRUE(fs::is_directory(folder.dir / "PROJECTS" / c.name / "bin")) << c.name;
            EXPECT_EQ(Name_Project, c.name);
            EXPECT_EQ(Path_Project, Path_Projects + "/" + c.name);
            EXPECT_EQ(File_ParGen, Path_Project + "/ParGen.xml");
        } else {
            EXPECT_TRUE(Path_Project.empty()) << c.name;
            // Nothing new below PROJECTS but the folder the fixture made.
            int entries = 0;
            for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder.dir / "PROJECTS"))
                ++entries;
            EXPECT_EQ(entries, 1) << c.name;
        }
    }
}

TEST(ProjectsTest, TableFilePathsFollowTheOpenConfiguration)
{
    TempProgramFolder folder;
    Apply_Open_Project("plant");
    EXPECT_EQ(File_EtherCAT_Slave, Path_Projects + "/plant/EtherCAT_Slave.xml");
    EXPECT_EQ(File_S7_Protocol, Path_Projects + "/plant/S7_Protocol.xml");
    EXPECT_EQ(Open_Configuration_Name(), "plant");

    Apply_Open_Project("");
    EXPECT_TRUE(Name_Project.empty());
    EXPECT_TRUE(Path_Project.empty());
    EXPECT_EQ(File_ParGen, "/ParGen.xml");
    EXPECT_EQ(Open_Configuration_Name(), "");
}

TEST(ProjectsTest, OpenListHoldsFoldersOnlyAndMatchesNamesIgnoringCase)
{
    TempProgramFolder folder;
    fs::create_directories(folder.dir / "PROJECTS" / "Alpha");
    fs::create_directories(folder.dir / "PROJECTS" / "beta");
    TempProgramFolder::WriteFile(folder.dir / "PROJECTS" / "notes.txt", "x");
    // Links that lead out of PROJECTS, or to something other than a folder in it, are not listed.
    fs::create_directories(folder.dir / "elsewhere" / "inner");
    fs::create_directory_symlink(folder.dir / "elsewhere", folder.dir / "PROJECTS" / "out");
    fs::create_directory_symlink("../elsewhere/inner", folder.dir / "PROJECTS" / "climb");
    fs::create_directory_symlink("Alpha/..", folder.dir / "PROJECTS" / "self");
    fs::create_directory_symlink("missing", folder.dir / "PROJECTS" / "dangling");
    fs::create_directory_symlink("beta", folder.dir / "PROJECTS" / "gamma");

    std::vector<std::string> SL = Load_Existing_Configuration();
    std::sort(SL.begin(), SL.end());
    EXPECT_EQ(SL, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(Search_Open_Conf(SL, "ALPHA"), 0);
    EXPECT_EQ(Search_Open_Conf(SL, "Beta"), 1);
    EXPECT_EQ(Search_Open_Conf(SL, "delta"), -1);
    EXPECT_EQ(Search_Open_Conf({}, ""), -1);
}
