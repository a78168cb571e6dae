// Tree levels of a grouped grid: what Group, SubGroup, sorting inside groups and UnGroup leave per
// row, and a grouped grid through the cell stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtrasFixture.h"
#include "grid/extras/GridCellStream.h"
#include "grid/extras/GridExtras.h"
#include "grid/extras/GridGroup.h"
#include "grid/extras/GridSort.h"

namespace gx {
namespace {

using extrastest::CellsOf;
using extrastest::Fill;

// One fixed row and column; column 2 the group key, column 3 a sub-group key.
const std::vector<std::vector<std::string>> kRows = {
    {"", "Name", "Key", "Kind"}, {"", "n1", "B", "x"}, {"", "n2", "A", "y"},
    {"", "n3", "A", "x"},        {"", "n4", "B", "x"}, {"", "n5", "A", "y"},
};

// Per row: N node, S summary, . plain, then the row's level.
std::vector<std::string> Levels(TGxStringGrid& g)
{
    std::vector<std::string> out;
    for (int r = 0; r < g.RowCount(); ++r)
        out.push_back(std::string(g.IsNode(r) ? "N" : g.IsSummary(r) ? "S" : ".") + std::to_string(g.RowNodeLevel(r)));
    return out;
}

class GridGroupLevels : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        Fill(g, kRows);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
    }
    TGxStringGrid g{nullptr};
};

TEST_F(GridGroupLevels, GroupSubGroupAndUnGroupSetAndTakeBackTheLevels)
{
    g.Grouping()->Summary = true;
    g.Group(2);  // A: n2 n3 n5, B: n1 n4; Kind is column 2 now
    const std::vector<std::string> grouped = {".0", "N1", ".1", ".1", ".1", "S0", "N1", ".1", ".1", "S0"};
    EXPECT_EQ(Levels(g), grouped);
    g.SubGroup(1);  // by Name: each name a sub-group of its own
    int deep = 0;
    for (int r = 0; r < g.RowCount(); ++r)
        deep += g.IsNode(r) && g.RowNodeLevel(r) == 2 ? 1 : 0;
    EXPECT_EQ(deep, 5);
    g.SubUnGroup(1);
    EXPECT_EQ(Levels(g), grouped);
    g.UnGroup();
    EXPECT_EQ(Levels(g), std::vector<std::string>(6, ".0"));
    g.Group(2);  // and once more on the same rows
    EXPECT_EQ(Levels(g), grouped);
}

TEST_F(GridGroupLevels, SortingInsideGroupsKeepsEveryRowAtItsLevel)
{
    g.Group(2);
    g.SortSettings()->Column = 1;
    g.SortSettings()->Direction = sdDescending;
    g.QSortGroup();
    const std::vector<std::string> want = {".0", "N1", ".1", ".1", ".1", "N1", ".1", ".1"};
    EXPECT_EQ(Levels(g), want);
    EXPECT_EQ(g.Cells(1, 2), "n5");
}

TEST_F(GridGroupLevels, AGroupedGridComesBackFromTheCellStreamWithItsLevels)
{
    g.Group(2);
    g.SubGroup(1);
    const auto levels = Levels(g);
    const auto cells = CellsOf(g);
    rtl::TMemoryStream s;
    SaveToBinStream(g, s);

    TGxStringGrid in(nullptr);
    s.SetPosition(0);
    LoadFromBinStream(in, s);
    EXPECT_EQ(Levels(in), levels);
    EXPECT_EQ(CellsOf(in), cells);
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_EQ(in.GetNodeSpan(r), g.GetNodeSpan(r)) << r;

    // Placed one column to the right, the node column's cells are ordinary cells: no levels.
    TGxStringGrid shifted(nullptr);
    shifted.SetColCount(g.ColCount() + 1);
    shifted.SetRowCount(g.RowCount());
    s.SetPosition(0);
    LoadAtPointFromBinStream(shifted, {1, 0}, s);
    for (int r = 0; r < shifted.RowCount(); ++r)
        EXPECT_EQ(shifted.RowNodeLevel(r), 0) << r;
}

}  // namespace
}  // namespace gx
