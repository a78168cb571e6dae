// Tree levels of a grouped grid: what Group, SubGroup, SubUnGroup, sorting inside groups and UnGroup
// leave per row (with spans and sub-node counts of the nodes), and a grouped grid through the cell
// stream.
#include <gtest/gtest.h>

#include <set>
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
using extrastest::GridStep;
using extrastest::RowSet;
using extrastest::TryEverySequence;

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

// A column that carries no sub-group level keeps its cells: taking back a level that is not there
// used to write the empty value over the whole column.
TEST_F(GridGroupLevels, SubUnGroupOfAColumnNeverSubGroupedChangesNothing)
{
    g.Grouping()->Summary = true;
    g.Group(2);
    const auto before = CellsOf(g);
    const auto levels = Levels(g);
    g.SubUnGroup(1);
    EXPECT_EQ(CellsOf(g), before);
    EXPECT_EQ(Levels(g), levels);
    g.SubGroup(1);
    g.SubUnGroup(1);
    g.SubUnGroup(1);  // a second time: the level is gone already
    EXPECT_EQ(CellsOf(g), before);
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

namespace gx {
namespace {

// Per row: kind, level, span and sub-node count of a node, then the texts.
std::vector<std::string> Outline(TGxStringGrid& g)
{
    std::vector<std::string> out;
    for (int r = 0; r < g.RowCount(); ++r) {
        std::string line = g.IsNode(r) ? "N" : g.IsSummary(r) ? "S" : ".";
        line += std::to_string(g.RowNodeLevel(r));
        if (g.IsNode(r))
            line += " span " + std::to_string(g.GetNodeSpan(r)) + " sub " + std::to_string(g.GetSubNodeCount(r));
        for (int c = 1; c < g.ColCount(); ++c)
            line += "|" + g.Cells(c, r);
        out.push_back(line);
    }
    return out;
}

struct SubGroupCase {
    const char* name;
    bool summary;
    std::vector<int> subGroups;    // columns, one SubGroup each, after Group(2)
    std::vector<int> subUnGroups;  // then one SubUnGroup each
    std::vector<std::string> outline;
};

class GridSubGroupOutline : public ::testing::TestWithParam<SubGroupCase> {};

TEST_P(GridSubGroupOutline, SubGroupAndSubUnGroupShapeTheOutline)
{
    InstallGridExtras();
    TGxStringGrid g(nullptr);
    Fill(g, {{"", "Name", "Key", "Kind", "Size"},
             {"", "n1", "B", "x", "s"},
             {"", "n2", "A", "y", "s"},
             {"", "n3", "A", "x", "m"},
             {"", "n4", "B", "x", "s"},
             {"", "n5", "A", "y", "m"},
             {"", "n6", "A", "y", "m"},
             {"", "n7", "C", "x", "s"}});
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.Grouping()->Summary = GetParam().summary;
    g.Group(2);
    for (const int c : GetParam().subGroups)
        g.SubGroup(c);
    for (const int c : GetParam().subUnGroups)
        g.SubUnGroup(c);
    EXPECT_EQ(Outline(g), GetParam().outline);
}

const SubGroupCase kSubGroupCases[] = {
    {"InnerLevelOff",
     false,
     {1, 2},
     {2},
     {".0|Name|Kind|Size", "N1 span 9 sub 4|A||", "N2 span 2 sub 0||n3|", ".2||x|m", "N2 span 2 sub 0||n5|", ".2||y|m",
      "N2 span 2 sub 0||n6|", ".2||y|m", "N2 span 2 sub 0||n2|", ".2||y|s", "N1 span 5 sub 2|B||",
      "N2 span 2 sub 0||n1|", ".2||x|s", "N2 span 2 sub 0||n4|", ".2||x|s", "N1 span 3 sub 1|C||",
      "N2 span 2 sub 0||n7|", ".2||x|s"}},
    {"OuterLevelOffUnderneathTheInner",
     false,
     {1, 2},
     {1},
     {".0|Name|Kind|Size", "N1 span 9 sub 4|A||", "N2 span 2 sub 0|||x", ".2|n3||m", "N2 span 2 sub 0|||y", ".2|n5||m",
      "N2 span 2 sub 0|||y", ".2|n6||m", "N2 span 2 sub 0|||y", ".2|n2||s", "N1 span 5 sub 2|B||",
      "N2 span 2 sub 0|||x", ".2|n1||s", "N2 span 2 sub 0|||x", ".2|n4||s", "N1 span 3 sub 1|C||",
      "N2 span 2 sub 0|||x", ".2|n7||s"}},
    {"MiddleLevelOff",
     true,
     {2, 1},
     {1},
     {".0|Name|Kind|Size", "N1 span 7 sub 2|A||", "N2 span 2 sub 0|||x", ".2|n3||m", "N2 span 4 sub 0|||y", ".2|n5||m",
      ".2|n6||m", ".2|n2||s", "S0|||", "N1 span 4 sub 1|B||", "N2 span 3 sub 0|||x", ".2|n1||s", ".2|n4||s", "S0|||",
      "N1 span 3 sub 1|C||", "N2 span 2 sub 0|||x", ".2|n7||s", "S0|||"}},
    {"BothLevelsOff",
     true,
     {2, 1},
     {2, 1},
     {".0|Name|Kind|Size", "N1 span 5 sub 0|A||", ".1|n3|x|m", ".1|n5|y|m", ".1|n6|y|m", ".1|n2|y|s", "S0|||",
      "N1 span 3 sub 0|B||", ".1|n1|x|s", ".1|n4|x|s", "S0|||", "N1 span 2 sub 0|C||", ".1|n7|x|s", "S0|||"}},
    {"ByKind",
     false,
     {2},
     {},
     {".0|Name|Kind|Size", "N1 span 7 sub 2|A||", "N2 span 2 sub 0|||x", ".2|n3||m", "N2 span 4 sub 0|||y", ".2|n5||m",
      ".2|n6||m", ".2|n2||s", "N1 span 4 sub 1|B||", "N2 span 3 sub 0|||x", ".2|n1||s", ".2|n4||s",
      "N1 span 3 sub 1|C||", "N2 span 2 sub 0|||x", ".2|n7||s"}},
    {"ByKindWithSummaries",
     true,
     {2},
     {},
     {".0|Name|Kind|Size", "N1 span 7 sub 2|A||", "N2 span 2 sub 0|||x", ".2|n3||m", "N2 span 4 sub 0|||y", ".2|n5||m",
      ".2|n6||m", ".2|n2||s", "S0|||", "N1 span 4 sub 1|B||", "N2 span 3 sub 0|||x", ".2|n1||s", ".2|n4||s", "S0|||",
      "N1 span 3 sub 1|C||", "N2 span 2 sub 0|||x", ".2|n7||s", "S0|||"}},
    {"ByNameThenKind",
     false,
     {1, 2},
     {},
     {".0|Name|Kind|Size",
      "N1 span 13 sub 8|A||",
      "N2 span 3 sub 1||n3|",
      "N3 span 2 sub 0|||x",
      ".3|||m",
      "N2 span 3 sub 1||n5|",
      "N3 span 2 sub 0|||y",
      ".3|||m",
      "N2 span 3 sub 1||n6|",
      "N3 span 2 sub 0|||y",
      ".3|||m",
      "N2 span 3 sub 1||n2|",
      "N3 span 2 sub 0|||y",
      ".3|||s",
      "N1 span 7 sub 4|B||",
      "N2 span 3 sub 1||n1|",
      "N3 span 2 sub 0|||x",
      ".3|||s",
      "N2 span 3 sub 1||n4|",
      "N3 span 2 sub 0|||x",
      ".3|||s",
      "N1 span 4 sub 2|C||",
      "N2 span 3 sub 1||n7|",
      "N3 span 2 sub 0|||x",
      ".3|||s"}},
    {"ByKindThenName",
     true,
     {2, 1},
     {},
     {".0|Name|Kind|Size",
      "N1 span 11 sub 6|A||",
      "N2 span 3 sub 1|||x",
      "N3 span 2 sub 0||n3|",
      ".3|||m",
      "N2 span 7 sub 3|||y",
      "N3 span 2 sub 0||n5|",
      ".3|||m",
      "N3 span 2 sub 0||n6|",
      ".3|||m",
      "N3 span 2 sub 0||n2|",
      ".3|||s",
      "S0|||",
      "N1 span 6 sub 3|B||",
      "N2 span 5 sub 2|||x",
      "N3 span 2 sub 0||n1|",
      ".3|||s",
      "N3 span 2 sub 0||n4|",
      ".3|||s",
      "S0|||",
      "N1 span 4 sub 2|C||",
      "N2 span 3 sub 1|||x",
      "N3 span 2 sub 0||n7|",
      ".3|||s",
      "S0|||"}},
    {"ByNameOneRowEach",
     true,
     {1},
     {},
     {".0|Name|Kind|Size",
      "N1 span 9 sub 4|A||",
      "N2 span 2 sub 0||n3|",
      ".2||x|m",
      "N2 span 2 sub 0||n5|",
      ".2||y|m",
      "N2 span 2 sub 0||n6|",
      ".2||y|m",
      "N2 span 2 sub 0||n2|",
      ".2||y|s",
      "S0|||",
      "N1 span 5 sub 2|B||",
      "N2 span 2 sub 0||n1|",
      ".2||x|s",
      "N2 span 2 sub 0||n4|",
      ".2||x|s",
      "S0|||",
      "N1 span 3 sub 1|C||",
      "N2 span 2 sub 0||n7|",
      ".2||x|s",
      "S0|||"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, GridSubGroupOutline, ::testing::ValuesIn(kSubGroupCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows hidden by a filter lie outside the outline: grouping or ungrouping over them would take
// their cells of the grouped column away or give them none back. Both are refused with the grid as it
// was; once the rows are shown, UnGroup gives every row its value back.
TEST_F(GridGroupLevels, GroupingOverHiddenRowsIsRefusedAndLosesNothing)
{
    const auto flat = CellsOf(g);
    g.HideRow(2);
    const auto hidden = CellsOf(g);
    EXPECT_THROW(g.Group(2), std::exception);
    EXPECT_EQ(CellsOf(g), hidden);
    g.UnHideRowsAll();
    EXPECT_EQ(CellsOf(g), flat);

    g.Group(2);
    const auto grouped = CellsOf(g);
    g.HideRow(3);
    EXPECT_THROW(g.UnGroup(), std::exception);
    EXPECT_THROW(g.Group(1), std::exception);
    g.UnHideRowsAll();
    EXPECT_EQ(CellsOf(g), grouped);
    g.UnGroup();
    std::multiset<std::vector<std::string>> want(flat.begin() + 1, flat.end()), got;
    const auto back = CellsOf(g);
    got.insert(back.begin() + 1, back.end());
    EXPECT_EQ(got, want);
}

// Every sequence of three grouping steps, then UnGroup, gives back the rows it started from (in
// some order): no step may lose a cell, hang, or leave a level UnGroup cannot take back. Found:
// SubGroup on a grid with no groups, a second SubGroup on the same column, and a level whose column
// moved when Group removed its column.
TEST(GridGroupSequences, UnGroupAfterAnyThreeStepsGivesBackTheRows)
{
    InstallGridExtras();
    const std::vector<std::vector<std::string>> rows = {
        {"", "Name", "Key", "Kind", "Qty"}, {"", "n1", "B", "x", "3"}, {"", "n2", "A", "y", "1"},
        {"", "n3", "A", "x", "7"},          {"", "n4", "B", "x", "2"}, {"", "n5", "A", "y", "4"},
    };
    const std::vector<GridStep> steps = {
        {"Group(1)", [](TGxStringGrid& g) { g.Group(1); }},
        {"Group(2)", [](TGxStringGrid& g) { g.Group(2); }},
        {"Group(3)", [](TGxStringGrid& g) { g.Group(3); }},
        {"SubGroup(1)", [](TGxStringGrid& g) { g.SubGroup(1); }},
        {"SubGroup(2)", [](TGxStringGrid& g) { g.SubGroup(2); }},
        {"SubUnGroup(1)", [](TGxStringGrid& g) { g.SubUnGroup(1); }},
        {"SubUnGroup(2)", [](TGxStringGrid& g) { g.SubUnGroup(2); }},
        {"UnGroup", [](TGxStringGrid& g) { g.UnGroup(); }},
        {"Summary on", [](TGxStringGrid& g) { g.Grouping()->Summary = true; }},
        {"Summary off", [](TGxStringGrid& g) { g.Grouping()->Summary = false; }},
        {"MergeHeader on", [](TGxStringGrid& g) { g.Grouping()->MergeHeader = true; }},
        {"sort in groups",
         [](TGxStringGrid& g) {
             g.SortSettings()->Column = 1;
             g.QSortGroup();
         }},
    };
    TGxStringGrid flat(nullptr);
    Fill(flat, rows);
    flat.SetFixedRows(1);
    const auto want = RowSet(flat);
    TryEverySequence(rows, steps, 3, [&](TGxStringGrid& g, const std::string& trace) {
        g.UnGroup();
        ASSERT_EQ(g.ColCount(), 5) << trace;
        ASSERT_EQ(RowSet(g), want) << trace;
    });
}

}  // namespace
}  // namespace gx
