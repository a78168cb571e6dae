// The filter switch and the column filter drop-down: on and off, picks from the list (the clear
// entry, a handler's condition, a pick outside the list) and the check list's alternatives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtrasFixture.h"
#include "grid/extras/GridExtras.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {
namespace {

using extrastest::Fill;

class GridFilterDropDown : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        Fill(g, {{"fruit", "colour"}, {"apple", "red"}, {"banana", "yellow"}, {"cherry", "red"}, {"lime", "green"}});
        g.SetFixedRows(1);
        g.FilterDropDownAuto = true;
    }
    std::string Shown()
    {
        std::string out;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            out += g.Cells(0, r) + " ";
        return out;
    }
    // The sorted distinct values of the column with the clear entry first, as the list shows them.
    int Index(int col, const std::string& entry)
    {
        g.GetColumnFilterList(col);
        return g.FilterList()->IndexOf(entry);
    }
    TGxStringGrid g{nullptr};
};

TEST_F(GridFilterDropDown, SwitchHidesFailingRowsAndShowsThemAgain)
{
    g.Filter()->GetColFilter(1)->Condition = "red";
    g.SetFilterActive(true);
    EXPECT_TRUE(g.FilterActive());
    EXPECT_EQ(Shown(), "apple cherry ");
    g.SetFilterActive(true);  // already on: no second pass
    EXPECT_EQ(g.FilterLevel(), 1);
    g.SetFilterActive(false);
    EXPECT_EQ(Shown(), "apple banana cherry lime ");
    EXPECT_EQ(g.FilterLevel(), 1);  // off shows the rows without removing the level
}

TEST_F(GridFilterDropDown, PicksSetOrClearTheColumnsCondition)
{
    struct Case {
        std::string Entry;
        std::string HandlerCondition;  // what OnFilterSelect leaves; "-" keeps the handler away
        std::string Shown;
    };
    const std::vector<Case> cases = {
        {"red", "-", "apple cherry "},
        {"(All)", "-", "apple banana cherry lime "},
        {"green", "yellow", "banana "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Entry);
        g.OnFilterSelect = nullptr;
        if (c.HandlerCondition != "-")
            g.OnFilterSelect = [&c](TObject*, int col, int, const std::string& friendly, std::string& cond) {
                EXPECT_EQ(col, 1);
                EXPECT_EQ(friendly, c.Entry);
                cond = c.HandlerCondition;
            };
        int done = 0;
        g.OnFilterDone = [&done](TObject*) { ++done; };
        const int index = Index(1, c.Entry);
        g.FilterColumn = 1;
        g.FilterDropDownSelect(index);
        EXPECT_EQ(Shown(), c.Shown);
        EXPECT_EQ(g.FilterColumn, -1);
        EXPECT_EQ(done, 1);
    }
    EXPECT_TRUE(g.FixedRowAlways());
}

TEST_F(GridFilterDropDown, PickOutsideTheListOrWithoutColumnOnlyClosesIt)
{
    for (const auto& [col, index] : std::vector<std::pair<int, int>>{{1, 99}, {1, -1}, {-1, 1}, {7, 1}}) {
        g.FilterColumn = col;
        g.FilterDropDownSelect(index);
        EXPECT_EQ(g.FilterColumn, -1);
        EXPECT_EQ(g.Filter()->Count(), 0);
        EXPECT_FALSE(g.FilterActive());
    }
}

TEST_F(GridFilterDropDown, CheckListMakesAlternativesAndKeepsTheColumnOpen)
{
    g.GetColumnFilterList(1);
    TDropCheckList* list = g.FilterCheckList();
    list->Items()->Clear();
    for (int i = 0; i < g.FilterList()->Count(); ++i)
        list->Items()->Add(g.FilterList()->Strings(i));
    const auto check = [&](const std::vector<std::string>& entries) {
        for (int i = 0; i < list->Items()->Count(); ++i)
            list->SetChecked(i, std::find(entries.begin(), entries.end(), list->Items()->Strings(i)) != entries.end());
        g.FilterColumn = 1;
        g.ApplyFilterCheckList(0);
    };
    check({"green", "yellow"});
    EXPECT_EQ(Shown(), "banana lime ");
    EXPECT_EQ(g.FilterColumn, 1);
    EXPECT_EQ(g.Filter()->Items(1)->Operation, foOR);
    check({"(All)"});
    EXPECT_EQ(Shown(), "apple banana cherry lime ");
    g.OnFilterCheck = [](TObject*, int, int, const std::string&, std::string& cond, TDropCheckList*) { cond = "red"; };
    check({"green"});
    EXPECT_EQ(Shown(), "apple cherry ");
}

}  // namespace
}  // namespace gx
