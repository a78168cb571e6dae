// Tree levels belong to their row: inserting, removing, moving, swapping, hiding and copying rows
// keep each row's level with its row, and clearing the node column takes the level away.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>

namespace gx {
namespace {

// Rows r1..r6 form a node block with r3..r4 a nested one; the rest lie outside.
const std::map<std::string, int> kLevelOf = {{"r1", 1}, {"r2", 1}, {"r3", 2}, {"r4", 2}, {"r5", 1}, {"r6", 1}};

void Build(TGxStringGrid& grid)
{
    grid.SetColCount(3);
    grid.SetRowCount(12);
    for (int r = 0; r < 12; ++r)
        grid.SetCells(1, r, "r" + std::to_string(r));
    grid.AddNode(1, 6);
    grid.AddNode(3, 2);
}

// Every shown row has the level its text says (a row without text: 0).
void ExpectLevelsFollowRows(TGxStringGrid& grid)
{
    for (int r = 0; r < grid.RowCount(); ++r) {
        const auto it = kLevelOf.find(grid.Cells(1, r));
        EXPECT_EQ(grid.RowNodeLevel(r), it == kLevelOf.end() ? 0 : it->second)
            << "row " << r << " " << grid.Cells(1, r);
    }
}

struct RowOperation {
    const char* name;
    std::function<void(TGxStringGrid&)> run;
};

void PrintTo(const RowOperation& op, std::ostream* os)
{
    *os << op.name;
}

class GxGridNodeLevels : public ::testing::TestWithParam<RowOperation> {};

TEST_P(GxGridNodeLevels, LevelsStayWithTheirRows)
{
    TGxStringGrid grid(nullptr);
    Build(grid);
    GetParam().run(grid);
    ExpectLevelsFollowRows(grid);
}

const RowOperation kOperations[] = {
    {"Nothing", [](TGxStringGrid&) {}},
    {"InsertInsideTheBlock", [](TGxStringGrid& g) { g.InsertRows(4, 2); }},
    {"RemoveInsideTheBlock", [](TGxStringGrid& g) { g.RemoveRows(2, 2); }},
    {"FrameworkMoveDown", [](TGxStringGrid& g) { g.MoveRow(3, 9); }},
    {"FrameworkMoveUp", [](TGxStringGrid& g) { g.MoveRow(10, 2); }},
    {"MoveSeveralRows", [](TGxStringGrid& g) { g.MoveRows(2, 9, 3); }},
    {"SwapRows", [](TGxStringGrid& g) { g.SwapRows(3, 8); }},
    {"SortSwapRows", [](TGxStringGrid& g) { g.SortSwapRows(4, 11); }},
    {"ContractAndExpand",
     [](TGxStringGrid& g) {
         g.ContractNode(3);
         g.ContractNode(1);
         g.ExpandAll();
     }},
    {"HideAndUnhide",
     [](TGxStringGrid& g) {
         g.HideRows(2, 5);
         g.UnHideRowsAll();
     }},
    {"ClearOneRow", [](TGxStringGrid& g) { g.ClearRows(3, 1); }},
    {"ClearTheNodeColumnOnly",
     [](TGxStringGrid& g) {
         g.ClearCols(0, 1);
         for (int r = 0; r < g.RowCount(); ++r)
             g.SetCells(1, r, "cleared");
     }},
    {"ClearEverything", [](TGxStringGrid& g) { g.Clear(); }},
};

INSTANTIATE_TEST_SUITE_P(Rows, GxGridNodeLevels, ::testing::ValuesIn(kOperations),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GxGridNodeLevelsHidden, AHiddenRowKeepsItsLevelWhileOthersAreRemoved)
{
    TGxStringGrid grid(nullptr);
    Build(grid);
    grid.HideRows(3, 4);  // r3, r4 (level 2) out of view
    grid.RemoveRows(1, 1);
    grid.InsertRows(1, 1);
    grid.UnHideRowsAll();
    ExpectLevelsFollowRows(grid);
}

TEST(GxGridNodeLevelsCopy, AssignCellsCopiesTheLevels)
{
    TGxStringGrid source(nullptr), target(nullptr);
    Build(source);
    target.SetColCount(3);
    target.SetRowCount(12);
    target.SetRowNodeLevel(9, 3);  // replaced: r9 is outside the source's block
    target.AssignCells(&source);
    ExpectLevelsFollowRows(target);
}

}  // namespace
}  // namespace gx
