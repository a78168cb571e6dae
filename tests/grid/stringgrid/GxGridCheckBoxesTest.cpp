// Check-box and radio cells: adding them (bounds, the data texts), reading and writing their state,
// toggling with its event and the editability check, tri-state cycles, radio columns and groups.
#include <gtest/gtest.h>

#include "grid/stringgrid/GxGrid.h"

namespace gx {
namespace {

using S = ui::TCheckBoxState;

struct Grid : ::testing::Test {
    TGxStringGrid g{nullptr};
    std::vector<std::pair<int, bool>> changes;
    void SetUp() override
    {
        g.SetColCount(4);
        g.SetRowCount(257);
        g.OnCheckBoxChange = [this](TObject*, int, int ARow, bool State) { changes.push_back({ARow, State}); };
    }
};

TEST_F(Grid, CheckBoxColumnCoversTheNormalRows)
{
    g.AddCheckBoxColumn(1, false, false);
    EXPECT_FALSE(g.HasCheckBox(1, 0));
    for (int r : {1, 128, 256})
        EXPECT_TRUE(g.HasCheckBox(1, r)) << r;
    bool state = true;
    EXPECT_TRUE(g.GetCheckBoxState(1, 256, state));
    EXPECT_FALSE(state);
    g.MouseActions()->SetCheckAllCheck(true);
    g.AddCheckBoxColumn(2, true, false);
    EXPECT_TRUE(g.HasCheckBox(2, 0));
    g.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(g.HasCheckBox(1, 5));
}

TEST_F(Grid, AddingOutsideTheGridRaisesAndChangesNothing)
{
    for (auto [c, r] : {std::pair{4, 1}, {1, 257}, {-1, 1}, {1, -1}}) {
        EXPECT_THROW(g.AddCheckBox(c, r, true, false), rtl::Exception) << c << "," << r;
        EXPECT_THROW(g.AddCheckBox(c, r, S::cbChecked), rtl::Exception);
        EXPECT_THROW(g.AddRadioButton(c, r, true), rtl::Exception);
    }
    try {
        g.AddCheckBox(9, 1, true, false);
    } catch (const rtl::Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid cell");
    }
}

TEST_F(Grid, DataCheckBoxesKeepTheirStateInTheText)
{
    g.SetCells(1, 1, "N");
    g.AddCheckBox(1, 1, true, true);  // the text decides
    g.AddCheckBox(1, 2, true, true);  // an empty cell gets the check-true text
    g.SetCells(1, 3, "y");
    g.AddCheckBox(1, 3, false, true);
    EXPECT_EQ(g.Cells(1, 1), "N");
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_EQ(g.Cells(1, 2), "Y");
    EXPECT_TRUE(g.IsChecked(1, 2));
    EXPECT_EQ(g.Cells(1, 3), "N");  // "y" is neither text: replaced
    g.SetCells(1, 3, "y");
    EXPECT_FALSE(g.IsChecked(1, 3));  // exact comparison
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, true));
    EXPECT_EQ(g.Cells(1, 1), "Y");
    EXPECT_TRUE(changes.empty());
}

TEST_F(Grid, CellsWithoutABoxAnswerFalseAndStayUntouched)
{
    g.SetCells(2, 2, "text");
    bool state = true;
    S tri = S::cbGrayed;
    EXPECT_FALSE(g.SetCheckBoxState(2, 2, true));
    EXPECT_FALSE(g.GetCheckBoxState(2, 2, state));
    EXPECT_FALSE(g.GetCheckBoxState(2, 2, tri));
    EXPECT_TRUE(state);
    EXPECT_EQ(tri, S::cbGrayed);
    EXPECT_FALSE(g.IsChecked(2, 2));
    EXPECT_FALSE(g.ToggleCheckBox(2, 2));
    EXPECT_EQ(g.Cells(2, 2), "text");
}

TEST_F(Grid, ToggleFiresTheChangeAndAsksEditabilityOnlyForTheUser)
{
    g.SetOptions(g.Options() | ui::goEditing);
    g.AddCheckBox(1, 1, false, false);
    g.SetReadOnly(1, 1, true);
    EXPECT_FALSE(g.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_TRUE(g.IsChecked(1, 1));
    g.ControlLook()->CheckAlwaysActive = true;
    EXPECT_TRUE(g.ToggleCellCheck(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
}

TEST_F(Grid, NotifyingSetterFiresOnlyOnAChange)
{
    g.AddCheckBox(1, 1, false, false);
    g.AddCheckBox(1, 2, false, true);
    EXPECT_TRUE(g.SetCheckBoxStateNotify(1, 1, false));
    EXPECT_TRUE(g.SetCheckBoxStateNotify(1, 2, false));
    EXPECT_TRUE(changes.empty());
    g.CheckAll(1);
    EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{1, true}, {2, true}}));
    EXPECT_EQ(g.Cells(1, 2), "Y");
}

TEST_F(Grid, TriStateCycleReportsTheStateTaken)
{
    g.AddCheckBox(1, 1, S::cbUnchecked);
    const S expected[] = {S::cbGrayed, S::cbChecked, S::cbUnchecked};
    const bool reported[] = {false, true, false};
    for (int i = 0; i < 3; ++i) {
        changes.clear();
        ASSERT_TRUE(g.ToggleCheckBox(1, 1));
        S state = S::cbUnchecked;
        ASSERT_TRUE(g.GetCheckBoxState(1, 1, state));
        EXPECT_EQ(state, expected[i]) << i;
        EXPECT_EQ(changes.at(0).second, reported[i]) << i;
    }
    bool plain = true;
    EXPECT_FALSE(g.GetCheckBoxState(1, 1, plain));  // the Boolean form does not read a tri-state box
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, S::cbGrayed));
    EXPECT_FALSE(g.SetCheckBoxState(1, 2, S::cbGrayed));
}

TEST_F(Grid, RadioButtonsOfAColumnActAsAGroupWhenSelected)
{
    g.AddRadioButtonColumn(1);
    g.AddRadioButtonColumn(2);
    g.SetRadioButtonColumnIndex(1, 7);
    g.SetRadioButtonState(2, 7, true);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 7);
    EXPECT_TRUE(g.SelectRadioButtonCell(1, 3, false));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 3);
    EXPECT_FALSE(g.IsRadioButtonChecked(1, 7));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 7));
    g.SetRadioButtonState(1, 5, true);  // no group rule here
    EXPECT_TRUE(g.IsRadioButtonChecked(1, 3));
    EXPECT_FALSE(g.SelectRadioButtonCell(3, 3, false));
}

TEST_F(Grid, RadioGroupCyclesThroughItsItems)
{
    rtl::TStrings* items = g.CreateRadio(1, 1, 0, 2);
    items->Add("a");
    items->Add("b");
    items->Add("c");
    g.CycleRadioCell(1, 1, false);
    int idx = -1;
    EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
    EXPECT_EQ(idx, 0);
    EXPECT_EQ(g.Cells(1, 1), "a");
    // A group bound to its text follows the text and keeps its index.
    g.SetRadioIdx(1, 1, -2);
    g.SetCells(1, 1, "b");
    g.CycleRadioCell(1, 1, false);
    EXPECT_EQ(g.Cells(1, 1), "c");
    EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
    EXPECT_EQ(idx, -2);
    EXPECT_TRUE(g.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.GetRadioStrings(1, 1), items);
    g.RemoveRadio(1, 1);
    EXPECT_FALSE(g.IsRadio(1, 1));
}

}  // namespace
}  // namespace gx
