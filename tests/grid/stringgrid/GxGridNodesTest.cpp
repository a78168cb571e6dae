// Tree (node) rows: adding, contracting and expanding nodes (nested ones as one hidden run), the
// parent row, levels and indents, and the glyph hit test.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace gx {
namespace {

class GxGridNodes : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(3);
        grid.SetRowCount(12);
        for (int r = 0; r < 12; ++r)
            grid.SetCells(1, r, "r" + std::to_string(r));
    }
    std::string Shown()
    {
        std::string text;
        for (int r = 1; r < grid.RowCount(); ++r)
            text += (r > 1 ? "|" : "") + grid.Cells(1, r);
        return text;
    }
    TGxStringGrid grid{nullptr};
};

TEST_F(GxGridNodes, AddNodeMakesAnExpandedNodeWithLevels)
{
    grid.SetCol(0);
    EXPECT_FALSE(grid.HasNodes());
    grid.AddNode(1, 4);
    EXPECT_TRUE(grid.HasNodes());
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_FALSE(grid.NodeState(1));
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    EXPECT_EQ(grid.Col(), 1);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(grid.RowNodeLevel(r), 1) << r;
    EXPECT_EQ(grid.GetNodeLevel(1), 1);
    EXPECT_EQ(grid.GetNodeLevel(2), -1);  // no node row
    EXPECT_EQ(grid.GetNodeIndent(2), 12);
    EXPECT_EQ(grid.GetNodeIndent(6), 0);
    EXPECT_EQ(grid.GetNodeSpan(2), -1);
    EXPECT_EQ(grid.GetSubNodeCount(2), 0);
}

TEST_F(GxGridNodes, ContractingHidesTheBlockAndExpandingShowsIt)
{
    grid.AddNode(1, 4);
    grid.SetNodeState(1, true);
    EXPECT_TRUE(grid.NodeState(1));
    EXPECT_EQ(Shown(), "r1|r5|r6|r7|r8|r9|r10|r11");
    EXPECT_EQ(grid.GetParentRow(1), 1);   // a top-level node answers itself
    EXPECT_EQ(grid.GetParentRow(3), -1);  // r7: outside any span
    grid.SetNodeState(1, false);
    EXPECT_EQ(grid.RowCount(), 12);
    EXPECT_EQ(grid.GetParentRow(3), 1);
    grid.ContractNode(7);  // no node there: nothing
    EXPECT_EQ(grid.RowCount(), 12);
}

TEST_F(GxGridNodes, SpanZeroReachesTheNextNode)
{
    grid.AddNode(2, 0);
    grid.AddNode(6, 2);
    grid.ContractNode(2);
    EXPECT_EQ(Shown(), "r1|r2|r6|r7|r8|r9|r10|r11");
    grid.ExpandNode(2);
    EXPECT_EQ(grid.RowCount(), 12);
}

TEST_F(GxGridNodes, NestedContractedNodeBecomesOneHiddenRun)
{
    grid.AddNode(1, 6);  // rows 1..6
    grid.AddNode(3, 2);  // rows 3..4 inside
    EXPECT_EQ(grid.RowNodeLevel(4), 2);
    EXPECT_EQ(grid.GetNodeLevel(3), 2);
    grid.ContractNode(3);
    EXPECT_EQ(Shown(), "r1|r2|r3|r5|r6|r7|r8|r9|r10|r11");
    grid.ContractNode(1);
    EXPECT_EQ(Shown(), "r1|r7|r8|r9|r10|r11");
    grid.ExpandNode(1);
    EXPECT_EQ(grid.RowCount(), 12);
    EXPECT_FALSE(grid.NodeState(3));  // the inner node reads expanded
}

TEST_F(GxGridNodes, ExpandOneContractsTheOthers)
{
    grid.AddNode(1, 3);
    grid.AddNode(5, 3);
    grid.CellNode()->ExpandOne = true;
    grid.ContractNode(1);
    grid.ExpandNode(1);
    EXPECT_FALSE(grid.NodeState(1));
    EXPECT_TRUE(grid.NodeState(grid.DisplRowIndex(5)));
}

TEST_F(GxGridNodes, ContractAllThenExpandAllRestoresEveryRow)
{
    grid.AddNode(1, 3);
    grid.AddNode(4, 0);
    grid.AddNode(8, 2);
    grid.ContractAll();
    EXPECT_EQ(Shown(), "r1|r4|r8|r10|r11");
    grid.ExpandAll();
    EXPECT_EQ(grid.RowCount(), 12);
    EXPECT_EQ(Shown(), "r1|r2|r3|r4|r5|r6|r7|r8|r9|r10|r11");
}

TEST_F(GxGridNodes, RemovingNodesShowsTheirRowsAndLowersLevels)
{
    grid.AddNode(1, 3);
    grid.AddNode(5, 2);
    grid.ContractNode(1);
    grid.RemoveNode(1);
    EXPECT_EQ(grid.RowCount(), 12);
    EXPECT_FALSE(grid.IsNode(1));
    EXPECT_EQ(grid.RowNodeLevel(2), 0);
    EXPECT_EQ(grid.NumNodes(), 1);
    grid.RemoveAllNodes();
    EXPECT_FALSE(grid.HasNodes());
    EXPECT_EQ(grid.GetParentRow(6), -1);
}

TEST_F(GxGridNodes, GlyphHitTestAndTreeLines)
{
    grid.AddNode(1, 3);
    for (int x : {4, 16})
        EXPECT_FALSE(grid.IsInNodeGlyph(1, x)) << x;
    for (int x : {5, 15})
        EXPECT_TRUE(grid.IsInNodeGlyph(1, x)) << x;
    grid.MouseActions()->SetPreciseNodeClick(false);
    EXPECT_TRUE(grid.IsInNodeGlyph(1, 100));
    EXPECT_EQ(grid.GetNodeSpanType(1), 0);
    EXPECT_EQ(grid.GetNodeSpanType(2), 2);
    EXPECT_EQ(grid.GetNodeSpanType(3), 1);  // last row of its branch
    grid.SetSummaryRow(5);
    EXPECT_TRUE(grid.IsSummary(5));
    EXPECT_FALSE(grid.IsSummary(-1));
}

TEST_F(GxGridNodes, ChildRowsGrowAndShrinkTheirParents)
{
    grid.AddNode(1, 4);
    grid.SetCells(2, 1, "node text");
    grid.InsertChildRow(1, 0);  // the node's content moves into its new first child
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_EQ(grid.Cells(1, 2), "r1");
    EXPECT_EQ(grid.Cells(2, 2), "node text");
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_EQ(grid.GetNodeSpan(1), 5);
    EXPECT_EQ(grid.GetSubNodeCount(1), 1);
    EXPECT_EQ(grid.RowNodeLevel(2), 1);

    grid.InsertChildRow(3, 1);
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    EXPECT_EQ(grid.RowCount(), 14);
    grid.RemoveChildRow(4);
    grid.RemoveChildRow(2);
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    EXPECT_EQ(grid.RowCount(), 12);
}

}  // namespace
}  // namespace gx
