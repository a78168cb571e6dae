// The grid's extension point: a grid holds the extras it was made with, and a grid made without
// any says so for each operation that needs them while what it does on its own stays.
#include "grid/stringgrid/GxGridExtras.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "GridExtrasDouble.h"
#include "grid/stringgrid/GxGrid.h"

namespace gx {
namespace {

TEST(GxGridExtras, AGridHoldsTheExtrasItWasMadeWithElseTheDefault)
{
    TGridExtrasDouble extras;
    std::string sorted;
    extras.Calls.QSort = [&](TGxStringGrid& g) { sorted = g.Name(); };
    TGxStringGrid own(nullptr, extras);
    own.SetName("own");
    EXPECT_EQ(&own.Extras(), &extras);
    EXPECT_TRUE(own.HasExtras());
    own.QSort();
    EXPECT_EQ(sorted, "own");

    SetDefaultGridExtras(&extras);
    TGxStringGrid made(nullptr);
    SetDefaultGridExtras(nullptr);
    TGxStringGrid without(nullptr);
    EXPECT_EQ(&made.Extras(), &extras);  // kept after the default changed
    EXPECT_EQ(&without.Extras(), &NoGridExtras());
    EXPECT_FALSE(without.HasExtras());
}

TEST(GxGridExtras, AGridMadeWithoutExtrasRefusesWhatNeedsThemNamingIt)
{
    using Step = std::function<void(TGxStringGrid&)>;
    const struct {
        const char* what;
        Step step;
    } cases[] = {
        {"Sorting", [](TGxStringGrid& g) { g.QSort(); }},
        {"Sorting", [](TGxStringGrid& g) { g.QSortIndexed(); }},
        {"Sorting", [](TGxStringGrid& g) { g.QSortGroup(); }},
        {"Sorting", [](TGxStringGrid& g) { g.QSortGroupIndexed(); }},
        {"Sorting", [](TGxStringGrid& g) { g.QUnSort(); }},
        {"Sorting", [](TGxStringGrid& g) { g.DoClickSort(1); }},
        {"Grouping", [](TGxStringGrid& g) { g.Group(1); }},
        {"Grouping", [](TGxStringGrid& g) { g.UnGroup(); }},
        {"Grouping", [](TGxStringGrid& g) { g.SubGroup(1); }},
        {"Grouping", [](TGxStringGrid& g) { g.SubUnGroup(1); }},
        {"Filtering", [](TGxStringGrid& g) { g.SetFilterActive(true); }},
        {"The clipboard", [](TGxStringGrid& g) { g.CutSelectionToClipboard(); }},
        {"The clipboard", [](TGxStringGrid& g) { g.CopySelectionToClipboard(); }},
        {"The clipboard", [](TGxStringGrid& g) { g.PasteSelectionFromClipboard(); }},
        {"Storing column positions", [](TGxStringGrid& g) { g.SaveColPositions(); }},
        {"Storing column positions", [](TGxStringGrid& g) { g.LoadColPositions(); }},
    };
    TGxStringGrid g(nullptr, NoGridExtras());
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(1, 1, "b");
    g.SetCells(1, 2, "a");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.step(g);
            ADD_FAILURE() << "no error";
        } catch (const GridExtrasMissing& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.what, 0), 0u) << e.what();
        }
        EXPECT_EQ(g.Cells(1, 1), "b");  // nothing was done
    }
}

TEST(GxGridExtras, WithoutExtrasWhatTheGridDoesOnItsOwnStays)
{
    TGxStringGrid g(nullptr, NoGridExtras());
    g.SetColCount(3);
    g.SetRowCount(3);
    EXPECT_TRUE(g.RowMatchesFilter(1));
    g.FilterColumn = 2;
    g.FilterDropDownSelect(0);  // a pick closes the list and filters nothing
    EXPECT_EQ(g.FilterColumn, -1);
    g.SetFilterActive(false);
    EXPECT_FALSE(g.FilterActive());
    g.SearchNextClick();
    g.ColumnSize()->Save = true;  // no store to save to: the grid still goes quietly
}

}  // namespace
}  // namespace gx
