// The column grid's design order and the column positions it keeps in an INI file: a saved order
// comes back in a fresh grid, and a damaged file moves nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "grid/columngrid/GxColumnGrid.h"

namespace gx {
namespace {

class GxColumnPositions : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = (std::filesystem::temp_directory_path() /
                ("colpos_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini"))
                   .string();
        std::filesystem::remove(file);
        Shape(grid);
    }
    void TearDown() override { std::filesystem::remove(file); }
    static void Shape(TGxColumnGrid& g)
    {
        g.SetColCount(4);
        g.SetRowCount(3);
        for (int c = 0; c < 4; ++c) {
            g.Columns()->Items(c)->SetHeader("H" + std::to_string(c));
            g.SetCells(c, 1, "v" + std::to_string(c));
        }
        g.Loaded();
    }
    static std::string Order(TGxColumnGrid& g)
    {
        std::string text;
        for (int c = 0; c < g.ColCount(); ++c)
            text += g.Columns()->Items(c)->Header() + "=" + g.Cells(c, 1) + " ";
        return text;
    }
    void WriteFile(const std::string& body) { std::ofstream(file) << "[cols]\n" << body; }
    std::string file;
    TGxColumnGrid grid{nullptr};
};

TEST_F(GxColumnPositions, LoadedGridRecordsItsDesignOrder)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(grid.Columns()->Items(i)->DefIdx(), i);
}

TEST_F(GxColumnPositions, ASavedOrderComesBackInAFreshGrid)
{
    grid.MoveColumn(0, 1);
    grid.SaveColumnPositions(file, "cols");
    std::ifstream in(file);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("CP0=1"), std::string::npos);
    EXPECT_NE(text.find("CP1=0"), std::string::npos);

    TGxColumnGrid fresh(nullptr);
    Shape(fresh);
    fresh.LoadColumnPositions(file, "cols");
    EXPECT_EQ(Order(fresh), "H1=v1 H0=v0 H2=v2 H3=v3 ");
    EXPECT_EQ(fresh.Columns()->Items(0)->DefIdx(), 1);
    EXPECT_EQ(fresh.Columns()->Items(1)->DefIdx(), 0);

    fresh.Columns()->ResetOrganization();
    EXPECT_EQ(Order(fresh), "H0=v0 H1=v1 H2=v2 H3=v3 ");
}

TEST_F(GxColumnPositions, ResetOrganizationUndoesAnyMoves)
{
    grid.MoveColumn(3, 0);
    grid.MoveColumn(2, 1);
    grid.MoveColumn(1, 3);
    grid.Columns()->ResetOrganization();
    EXPECT_EQ(Order(grid), "H0=v0 H1=v1 H2=v2 H3=v3 ");
}

struct DamagedFile {
    const char* name;
    const char* body;
};

class GxColumnPositionsDamaged : public GxColumnPositions, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(GxColumnPositionsDamaged, IsIgnoredAsAWhole)
{
    grid.HideColumn(2);
    WriteFile(GetParam().body);
    grid.LoadColumnPositions(file, "cols");
    EXPECT_TRUE(grid.IsHiddenColumn(2));  // nothing happened, not even the unhiding
    grid.UnHideColumnsAll();
    EXPECT_EQ(Order(grid), "H0=v0 H1=v1 H2=v2 H3=v3 ");
}

INSTANTIATE_TEST_SUITE_P(Files, GxColumnPositionsDamaged,
                         ::testing::Values(DamagedFile{"WrittenForFewerColumns", "CP0=1\nCP1=0\n"},
                                           DamagedFile{"TwoColumnsAtOnePlace", "CP0=1\nCP1=1\nCP2=2\nCP3=3\n"},
                                           DamagedFile{"IndexPastTheColumns", "CP0=0\nCP1=1\nCP2=2\nCP3=9\n"},
                                           DamagedFile{"NegativeIndex", "CP0=-2\nCP1=1\nCP2=2\nCP3=3\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GxColumnPositions, TheOverridableOperationsUseTheIniFileWhenAsked)
{
    grid.ColumnSize()->Location = clIniFile;
    grid.ColumnSize()->Key = file;
    grid.ColumnSize()->Section = "cols";
    grid.MoveColumn(2, 0);
    grid.SaveColPositions();
    TGxColumnGrid fresh(nullptr);
    Shape(fresh);
    fresh.ColumnSize()->Location = clIniFile;
    fresh.ColumnSize()->Key = file;
    fresh.ColumnSize()->Section = "cols";
    fresh.LoadColPositions();
    EXPECT_EQ(Order(fresh), "H2=v2 H0=v0 H1=v1 H3=v3 ");
}

}  // namespace
}  // namespace gx
