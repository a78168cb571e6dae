// Grouping: the outline Group builds (node rows, summary rows, values, colours), UnGroup giving the
// flat grid back, the refusals, sub-groups and the group calculations; sorting inside groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtrasFixture.h"
#include "grid/extras/GridExtras.h"
#include "grid/extras/GridGroup.h"
#include "grid/extras/GridSort.h"

namespace gx {
namespace {

using extrastest::CellsOf;
using extrastest::Fill;
using Table = std::vector<std::vector<std::string>>;

// One fixed row and one fixed column; column 2 holds the group key.
const Table kRows = {
    {"", "Name", "Key", "Qty"}, {"", "n1", "B", "3"}, {"", "n2", "A", "1"},
    {"", "n3", "C", "7"},       {"", "n4", "A", "2"}, {"", "n5", "B", "4"},
};

class GridGroup : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        Fill(g, kRows);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        g.SetColWidths(2, 77);
    }
    // Column 0 marker per row: N node, S summary, . plain; then the text of column 1.
    std::vector<std::string> Shape()
    {
        std::vector<std::string> out;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            out.push_back(std::string(g.IsNode(r) ? "N " : g.IsSummary(r) ? "S " : ". ") + g.Cells(1, r));
        return out;
    }
    TGxStringGrid g{nullptr};
};

TEST_F(GridGroup, BuildsNodeAndSummaryRowsOverSortedRuns)
{
    g.Grouping()->Summary = true;
    g.Grouping()->HeaderColor = 0x00FF00;
    g.Grouping()->SummaryColor = 0x0000FF;
    g.Group(2);
    EXPECT_EQ(g.GroupColumn, 2);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.Cells(2, 0), "Qty");  // the key column is gone, its caption with it
    const std::vector<std::string> want = {"N A",  ". n2", ". n4", "S ",   "N B", ". n1",
                                           ". n5", "S ",   "N C",  ". n3", "S "};
    EXPECT_EQ(Shape(), want);
    EXPECT_EQ(g.GetNodeSpan(1), 3);
    EXPECT_EQ(g.Colors(1, 1), 0x00FF00u);
    EXPECT_EQ(g.Colors(1, 4), 0x0000FFu);
    EXPECT_NE(g.Colors(1, 2), 0x00FF00u);  // data rows keep their colour
}

TEST_F(GridGroup, UnGroupGivesBackColumnWidthCaptionAndValues)
{
    const Table sortedByKey = {
        {"", "Name", "Key", "Qty"}, {"", "n2", "A", "1"}, {"", "n4", "A", "2"},
        {"", "n1", "B", "3"},       {"", "n5", "B", "4"}, {"", "n3", "C", "7"},
    };
    for (const bool summary : {false, true}) {
        for (const bool merge : {false, true}) {
            SCOPED_TRACE(std::to_string(summary) + std::to_string(merge));
            Fill(g, kRows);
            g.Grouping()->Summary = summary;
            g.Grouping()->MergeHeader = merge;
            g.Grouping()->MergeSummary = merge;
            g.Group(2);
            g.UnGroup();
            EXPECT_EQ(g.GroupColumn, -1);
            EXPECT_EQ(CellsOf(g), sortedByKey);
            EXPECT_EQ(g.ColWidths(2), 77);
            EXPECT_FALSE(g.HasNodes());
        }
    }
}

TEST_F(GridGroup, GroupingColumnOnePutsTheValuesIntoTheNextColumn)
{
    g.Group(1);
    // Column 1 (Name) is gone; the value went to the column that became column 1 (Key).
    EXPECT_EQ(g.Cells(0, 0) + "|" + g.Cells(1, 0), "|Key");
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_EQ(g.Cells(1, 1), "n1");
    EXPECT_EQ(g.Cells(1, 2), "B");
    g.UnGroup();
    EXPECT_EQ(g.Cells(1, 1), "n1");
    EXPECT_EQ(g.Cells(2, 1), "B");
}

TEST_F(GridGroup, RefusesWhatCouldNotBeUndone)
{
    const Table before = CellsOf(g);
    g.SetFixedCols(0);
    for (const int col : {0, -1, 4, 99}) {
        g.Group(col);
        EXPECT_EQ(g.GroupColumn, -1) << col;
        EXPECT_EQ(CellsOf(g), before) << col;
    }
    g.SetFixedCols(1);
    SetGroupColumn(g, 0);  // 0 does nothing
    EXPECT_EQ(g.GroupColumn, -1);
}

TEST_F(GridGroup, RunsAreCaseSensitiveAndFollowTheRowOrderWithoutAutoSort)
{
    Fill(g, {{"", "Name", "Key", "Qty"}, {"", "a", "x", ""}, {"", "b", "X", ""}, {"", "c", "x", ""}});
    g.SortSettings()->AutoSortForGrouping = false;
    g.Group(2);
    const std::vector<std::string> want = {"N x", ". a", "N X", ". b", "N x", ". c"};
    EXPECT_EQ(Shape(), want);
}

TEST_F(GridGroup, AllEqualValuesMakeOneGroup)
{
    Fill(g, {{"", "Name", "Key", "Qty"}, {"", "a", "k", ""}, {"", "b", "k", ""}});
    g.Grouping()->Summary = true;
    g.Group(2);
    const std::vector<std::string> want = {"N k", ". a", ". b", "S "};
    EXPECT_EQ(Shape(), want);
}

TEST_F(GridGroup, GroupCalculationsWriteIntoNodeOrSummaryRows)
{
    struct Case {
        bool Summary;
        int Method;
        std::vector<std::string> Want;  // the result cells of A, B, C
    };
    const std::vector<Case> cases = {
        {false, gcCount, {"2", "2", "1"}},        {true, gcCount, {"2", "2", "1"}},
        {false, gcSum, {"3.00", "7.00", "7.00"}}, {true, gcMax, {"2.00", "4.00", "7.00"}},
        {true, gcMin, {"1.00", "3.00", "7.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Method);
        Fill(g, kRows);
        g.Grouping()->Summary = c.Summary;
        g.Group(2);  // Qty is column 2 now
        GroupCalc(g, 2, c.Method);
        std::vector<std::string> got;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            if (g.IsNode(r))
                got.push_back(g.Cells(2, c.Summary ? r + g.GetNodeSpan(r) : r));
        EXPECT_EQ(got, c.Want);
        g.UnGroup();
    }
}

// With a row of a group hidden (a filter), the group's result covers its shown rows and lands in its
// own summary or node row; the groups after it keep their places.
TEST_F(GridGroup, GroupCalculationsOverAGroupWithAHiddenRow)
{
    struct Case {
        bool Summary;
        int Method;
        std::vector<std::string> Want;  // the result cells of A, B, C
    };
    const std::vector<Case> cases = {
        {false, gcCount, {"1", "2", "1"}},
        {true, gcCount, {"1", "2", "1"}},
        {false, gcSum, {"2.00", "7.00", "7.00"}},
        {true, gcSum, {"2.00", "7.00", "7.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Summary) + " " + std::to_string(c.Method));
        Fill(g, kRows);
        g.Grouping()->Summary = c.Summary;
        g.Group(2);
        g.HideRow(2);  // n2 of group A
        GroupCalc(g, 2, c.Method);
        std::vector<std::string> got, names;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r) {
            if (c.Summary ? g.IsSummary(r) : g.IsNode(r))
                got.push_back(g.Cells(2, r));
            else if (!g.IsNode(r) && !g.IsSummary(r))
                names.push_back(g.Cells(1, r) + "=" + g.Cells(2, r));
        }
        EXPECT_EQ(got, c.Want);
        EXPECT_EQ(names, (std::vector<std::string>{"n4=2", "n1=3", "n5=4", "n3=7"}));  // data untouched
        g.UnHideRowsAll();
        g.UnGroup();
    }
}

TEST_F(GridGroup, CustomCalculationWithoutHandlerWritesZeroAndContractedGroupsAreSkipped)
{
    g.Group(2);
    GroupCustomCalc(g, 2);
    EXPECT_EQ(g.Cells(2, 1), "0.00");
    g.ContractAll();
    GroupSum(g, 1);
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        EXPECT_EQ(g.Cells(1, r), std::string(1, "ABC"[r - 1])) << r;  // only the values stay
}

TEST_F(GridGroup, SubGroupAddsALevelThatSubUnGroupAndUnGroupTakeAway)
{
    Fill(g, {{"", "Name", "Key", "Kind"},
             {"", "a", "A", "p"},
             {"", "b", "A", "q"},
             {"", "c", "B", "q"},
             {"", "d", "A", "p"}});
    g.Group(2);  // groups A (a, b, d) and B (c); Kind is column 2 now
    const Table grouped = CellsOf(g);
    g.SubGroup(2);  // the last column: no column right of it for the sub-group values
    EXPECT_EQ(CellsOf(g), grouped);
    g.SubGroup(1);  // by Name: every name its own sub-group
    int subNodes = 0;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        if (g.IsNode(r) && g.GetNodeLevel(r) == 2)
            ++subNodes;
    EXPECT_EQ(subNodes, 4);
    EXPECT_EQ(g.GetNodeSpan(1), 7);  // node A grew by its three sub-headers
    g.SubUnGroup(1);
    EXPECT_EQ(CellsOf(g), grouped);
    // UnGroup straight from a sub-grouped grid gives every row its own key back.
    g.SubGroup(1);
    g.UnGroup();
    const Table flat = {{"", "Name", "Key", "Kind"},  // the sort broke the tie on A by Kind
                        {"", "a", "A", "p"},
                        {"", "d", "A", "p"},
                        {"", "b", "A", "q"},
                        {"", "c", "B", "q"}};
    EXPECT_EQ(CellsOf(g), flat);
}

TEST_F(GridGroup, SubGroupAfterSummaryWasSwitchedOnAddsOneSummaryRowAtTheEnd)
{
    const Table withFooter = {{"", "Name", "Key", "Qty", "Note"},
                              {"", "n1", "B", "3", "x"},
                              {"", "n2", "A", "1", "y"},
                              {"", "n3", "A", "2", "z"},
                              {"", "", "sum", "6", ""}};
    for (const bool merge : {false, true}) {
        SCOPED_TRACE(merge);
        Fill(g, withFooter);
        g.SetFixedFooters(1);
        g.Grouping()->Summary = false;
        g.Grouping()->MergeSummary = merge;
        g.Grouping()->SummaryColor = 0x0000FF;
        g.Group(2);  // A: n2, n3; B: n1; no summary rows
        g.Grouping()->Summary = true;
        g.SubGroup(1);
        // Sub-headers carry the name in column 2; the one summary row stands above the footer.
        const std::vector<std::string> want = {"N A", "N ", ". ", "N ", ". ", "N B", "N ", ". ", "S ", ". "};
        EXPECT_EQ(Shape(), want);
        const int s = g.RowCount() - 2;
        EXPECT_EQ(g.Cells(2, g.RowCount() - 1), "6");  // the footer keeps its text
        EXPECT_EQ(g.Colors(2, s), 0x0000FFu);
        EXPECT_EQ(g.IsMergedCell(2, s), merge);
        EXPECT_EQ(g.GetNodeSpan(6), 3);  // the summary row lies outside the last group
        // Summary on from the start: the groups' own summary rows close the walk, none is added.
        g.UnGroup();
        Fill(g, withFooter);
        g.Group(2);
        const int rows = g.RowCount();
        g.SubGroup(1);
        EXPECT_EQ(g.RowCount(), rows + 3);  // only the three sub-headers
        EXPECT_TRUE(g.IsSummary(g.RowCount() - 2));
        EXPECT_FALSE(g.IsSummary(g.RowCount() - 3));
        g.UnGroup();
        g.SetFixedFooters(0);
    }
    // UnGroup takes the added summary row away with the rest.
    Fill(g, withFooter);
    g.SetFixedFooters(1);
    g.Grouping()->Summary = false;
    g.Group(2);
    g.Grouping()->Summary = true;
    g.SubGroup(1);
    g.UnGroup();
    EXPECT_EQ(CellsOf(g), (Table{{"", "Name", "Key", "Qty", "Note"},
                                 {"", "n2", "A", "1", "y"},
                                 {"", "n3", "A", "2", "z"},
                                 {"", "n1", "B", "3", "x"},
                                 {"", "", "sum", "6", ""}}));
}

TEST_F(GridGroup, SortInsideGroupsKeepsNodeRowsAndSkipsContractedGroups)
{
    g.Group(2);  // A: n2 1, n4 2; B: n1 3, n5 4; C: n3 7
    g.SortSettings()->Column = 2;
    g.SortSettings()->Direction = sdDescending;
    g.ContractNode(g.RealRowIndex(4));  // group B
    g.QSortGroup();
    g.ExpandAll();
    const std::vector<std::string> want = {"N A", ". n4", ". n2", "N B", ". n1", ". n5", "N C", ". n3"};
    EXPECT_EQ(Shape(), want);
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

TEST_F(GridGroup, FooterRowStaysLastAndGetsItsTextBack)
{
    Fill(g, {{"", "Name", "Key", "Qty"}, {"", "n1", "B", "3"}, {"", "n2", "A", "1"}, {"", "", "sum", "4"}});
    g.SetFixedFooters(1);
    g.Grouping()->Summary = true;
    g.Group(2);
    const std::vector<std::string> want = {"N A", ". n2", "S ", "N B", ". n1", "S ", ". "};
    EXPECT_EQ(Shape(), want);
    EXPECT_EQ(g.Cells(2, g.RowCount() - 1), "4");
    g.UnGroup();
    EXPECT_EQ(CellsOf(g),
              (Table{{"", "Name", "Key", "Qty"}, {"", "n2", "A", "1"}, {"", "n1", "B", "3"}, {"", "", "sum", "4"}}));
}

}  // namespace
}  // namespace gx
