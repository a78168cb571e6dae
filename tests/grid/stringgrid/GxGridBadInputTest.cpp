// Indexes outside the grid: each call either raises the grid's error or does nothing, and in both
// cases leaves the cells as they were; nothing is kept where no query would find it (a graphic or
// properties stored beyond the counts used to be freed twice when the grid went away).
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gx {
namespace {

std::string Outcome(const std::function<void()>& call)
{
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

std::string Texts(TGxStringGrid& g)
{
    std::string all;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            all += g.Cells(c, r) + ",";
    return all;
}

TEST(GxGridBadInput, OutOfRangeCallsRaiseOrDoNothingAndKeepTheCells)
{
    struct Case {
        const char* name;
        std::function<void(TGxStringGrid&)> call;
        const char* error;  // "" when the call is to do nothing
    };
    const std::vector<Case> cases = {
        {"graphic beyond the counts", [](TGxStringGrid& g) { g.CreateCellGraphic(100, 100); }, "Invalid cell"},
        {"graphic at a negative cell", [](TGxStringGrid& g) { g.CreateCellGraphic(-1, -1); }, "Invalid cell"},
        {"colour beyond the counts", [](TGxStringGrid& g) { g.SetColors(50, 50, ui::clRed); }, "Invalid cell"},
        {"row colour beyond the rows", [](TGxStringGrid& g) { g.SetRowColor(100, ui::clRed); }, "Invalid cell"},
        {"colour rectangle past every edge", [](TGxStringGrid& g) { g.ColorRect(-1, -1, 100, 100, ui::clRed); }, ""},
        {"trim rectangle past every edge", [](TGxStringGrid& g) { g.TrimRect(-5, -5, 1 << 30, 1 << 30); }, ""},
        {"clear rectangle outside the grid", [](TGxStringGrid& g) { g.ClearRect(10, 10, 1 << 30, 1 << 30); }, ""},
        {"duplicates of a column outside", [](TGxStringGrid& g) { g.RemoveDuplicates(100, true); }, ""},
        {"duplicates of a negative column", [](TGxStringGrid& g) { g.RemoveDuplicates(-1, false); }, ""},
        {"hide a row outside", [](TGxStringGrid& g) { g.HideRow(100); }, "Invalid row accessed"},
        {"hide a column past the tables", [](TGxStringGrid& g) { g.HideColumn(600); }, "Invalid column accessed"},
        {"remove rows before the first", [](TGxStringGrid& g) { g.RemoveRows(-1, 2); }, "Invalid row accessed"},
        {"remove rows after the last", [](TGxStringGrid& g) { g.RemoveRows(100, 1); }, ""},
        {"insert a huge number of rows",
         [](TGxStringGrid& g) {
             g.HideRow(4);
             g.InsertRows(1, 2000000000);
         },
         "Invalid row accessed"},
        {"insert columns before the first", [](TGxStringGrid& g) { g.InsertCols(-1, 1); }, "Invalid column accessed"},
        {"a huge row count", [](TGxStringGrid& g) { g.SetRowCount(2000000000); }, "Invalid row accessed"},
        {"a huge column count", [](TGxStringGrid& g) { g.SetColCount(2000000000); }, "Invalid column accessed"},
        {"select a row outside", [](TGxStringGrid& g) { (void)g.RowSelect(100); }, "Invalid row 100 accessed"},
        {"select a column outside", [](TGxStringGrid& g) { (void)g.ColSelect(100); }, "Invalid column accessed"},
        {"write a real row outside", [](TGxStringGrid& g) { g.SetAllCells(0, 100, "x"); }, ""},
        {"print width of a column outside", [](TGxStringGrid& g) { g.SetPrintColWidth(-1, 3); },
         "Columns is not in valid range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            TGxStringGrid g(nullptr);
            g.SetColCount(4);
            g.SetRowCount(6);
            for (int r = 0; r < 6; ++r)
                for (int col = 0; col < 4; ++col)
                    g.SetCells(col, r, std::to_string(col) + ":" + std::to_string(r));
            const std::string before = Texts(g);
            EXPECT_EQ(Outcome([&] { c.call(g); }), c.error);
            g.UnHideRowsAll();
            EXPECT_EQ(Texts(g), before);
            EXPECT_EQ(g.RowCount(), 6);
            EXPECT_EQ(g.ColCount(), 4);
        }  // the grid goes away here: nothing may be freed twice
    }
}

TEST(GxGridBadInput, ClearingAndColouringCoverOnlyTheCellsInside)
{
    TGxStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(2, 2, "kept?");
    g.ColorRect(1, 1, 100, 100, ui::clRed);
    EXPECT_EQ(g.Colors(2, 2), ui::clRed);
    EXPECT_EQ(g.Colors(0, 0), ui::clNone);
    EXPECT_THROW(g.CreateCellGraphic(5, 5), rtl::Exception);
    g.SetRowCount(6);
    g.SetColCount(6);
    EXPECT_EQ(g.Cells(5, 5), "");  // the refused graphic left no blank behind
    g.ClearRect(-3, -3, 1 << 30, 1 << 30);
    EXPECT_EQ(g.Cells(2, 2), "");
    EXPECT_FALSE(g.HasCellProperties(2, 2));
}

}  // namespace
}  // namespace gx
