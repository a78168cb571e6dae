// Undo and redo of cell texts: single changes, sequences, the history limit, and the link between
// the grid and its undo store.
#include "grid/base/GridUndoRedo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/BaseGrid.h"

namespace gx {
namespace {

class UndoRedo : public ::testing::Test {
protected:
    UndoRedo()
    {
        grid.SetColCount(6);
        grid.SetRowCount(6);
        grid.SetUndoRedo(&undo);
    }

    // Writes the cell and records the change, as the grid's editing does.
    void change(int col, int row, const std::string& text)
    {
        const std::string old = grid.Cells(col, row);
        grid.SetCells(col, row, text);
        undo.RegisterChange(col, row, old, text);
    }

    TBaseGrid grid{nullptr};
    TGxGridUndoRedo undo{nullptr};
};

TEST_F(UndoRedo, UndoRestoresTheOldTextAndRedoTheNewOne)
{
    grid.SetCells(2, 3, "x");
    change(2, 3, "y");
    struct Call {
        int col, row;
        std::string orig, now;
    };
    std::vector<Call> undone, redone;
    undo.OnUndo = [&](TObject* sender, TBaseGrid* g, int c, int r, const std::string& o, const std::string& n) {
        EXPECT_EQ(sender, &undo);
        EXPECT_EQ(g, &grid);
        undone.push_back({c, r, o, n});
    };
    undo.OnRedo = [&](TObject*, TBaseGrid*, int c, int r, const std::string& o, const std::string& n) {
        redone.push_back({c, r, o, n});
    };
    grid.SetCol(1);
    grid.SetRow(1);

    undo.Undo();
    EXPECT_EQ(grid.Cells(2, 3), "x");
    ASSERT_EQ(undone.size(), 1u);
    EXPECT_EQ(undone[0].orig, "y");
    EXPECT_EQ(undone[0].now, "x");
    EXPECT_EQ(grid.Col(), 2);  // the changed cell becomes current
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_TRUE(undo.CanRedo());

    undo.Redo();
    EXPECT_EQ(grid.Cells(2, 3), "y");
    ASSERT_EQ(redone.size(), 1u);
    EXPECT_EQ(redone[0].orig, "x");
    EXPECT_EQ(redone[0].now, "y");
    EXPECT_TRUE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(UndoRedo, ASequenceIsOneStep)
{
    change(1, 1, "before");
    undo.StartSequence();
    change(1, 2, "a");
    change(2, 2, "b");
    change(3, 2, "c");
    undo.StopSequence();

    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 2) + grid.Cells(2, 2) + grid.Cells(3, 2), "");
    EXPECT_EQ(grid.Cells(1, 1), "before");
    EXPECT_EQ(undo.Level(), 1);

    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 2) + grid.Cells(2, 2) + grid.Cells(3, 2), "abc");
    EXPECT_EQ(undo.Level(), undo.Items().Count());
}

TEST_F(UndoRedo, HistoryKeepsTheLastMaxLevelChanges)
{
    undo.MaxLevel = 2;
    change(1, 1, "a");
    change(1, 1, "b");
    change(1, 1, "c");
    ASSERT_EQ(undo.Items().Count(), 2);
    EXPECT_EQ(undo.Items().Items(0).Value, "b");
    EXPECT_EQ(undo.Items().Items(1).Value, "c");
}

TEST_F(UndoRedo, ASequenceWhoseStartWasTrimmedUndoesDownToLevelZero)
{
    undo.MaxLevel = 2;
    undo.StartSequence();
    change(1, 1, "a");
    change(2, 1, "b");  // history full: the start marker goes
    undo.StopSequence();
    ASSERT_FALSE(undo.Items().Items(0).SequenceStart);

    undo.Undo();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(grid.Cells(1, 1) + grid.Cells(2, 1), "");
    undo.Undo();  // nothing left: the level stays at 0
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_FALSE(undo.CanUndo());

    undo.Redo();
    undo.Redo();
    undo.Redo();  // the stop marker: no cell is written
    EXPECT_EQ(grid.Cells(1, 1) + grid.Cells(2, 1), "ab");
    EXPECT_EQ(undo.Level(), 3);
}

TEST_F(UndoRedo, AnUnclosedSequenceRedoesEveryChange)
{
    undo.StartSequence();
    change(1, 1, "a");
    change(2, 1, "b");
    undo.Undo();  // one change at a time while the sequence is open
    undo.Undo();
    undo.Undo();  // the start marker: no cell is written
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(grid.Cells(1, 1) + grid.Cells(2, 1), "");

    undo.Redo();
    EXPECT_EQ(grid.Cells(1, 1) + grid.Cells(2, 1), "ab");
    EXPECT_EQ(undo.Level(), undo.Items().Count());
}

TEST_F(UndoRedo, AChangeAfterUndoKeepsTheUndoneItem)
{
    change(1, 1, "x");
    undo.Undo();  // cell empty again, item x still in the history
    change(1, 1, "z");
    ASSERT_EQ(undo.Items().Count(), 2);
    EXPECT_EQ(undo.Level(), 2);

    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 1), "");
    grid.SetCells(1, 1, "typed");
    undo.Undo();  // the earlier item restores its old text once more
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(undo.Level(), 0);
}

TEST_F(UndoRedo, ResetEmptiesTheHistory)
{
    change(1, 1, "a");
    change(1, 1, "b");
    undo.Undo();
    undo.Reset();
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_EQ(undo.Items().Count(), 0);
}

TEST(UndoRedoLink, WithoutAGridNothingHappens)
{
    TGxGridUndoRedo undo(nullptr);
    undo.RegisterChange(1, 1, "a", "b");
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
    undo.SetLevel(0);
    undo.Redo();
    EXPECT_EQ(undo.Level(), 0);
}

TEST(UndoRedoLink, EachSideForgetsTheOtherWhenItGoes)
{
    auto* grid = new TBaseGrid(nullptr);
    auto* undo = new TGxGridUndoRedo(nullptr);
    grid->SetUndoRedo(undo);
    EXPECT_EQ(undo->Grid(), grid);
    delete grid;
    EXPECT_EQ(undo->Grid(), nullptr);

    grid = new TBaseGrid(nullptr);
    grid->SetUndoRedo(undo);
    delete undo;
    EXPECT_EQ(grid->UndoRedo(), nullptr);
    delete grid;
}

}  // namespace
}  // namespace gx
