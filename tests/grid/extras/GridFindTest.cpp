// Find and replace: the options on a small table, the order of the hits, find next to the end,
// replace ignoring case inside each hit, and the incremental key search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtrasFixture.h"
#include "grid/base/VozEdidText.h"
#include "grid/extras/GridFind.h"

namespace gx {
namespace {

using extrastest::Fill;

class GridFind : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(g, {{"#", "name", "note"},
                 {"1", "Apple", "<b>red</b> apple"},
                 {"2", "pineapple", ""},
                 {"3", "APPLE", "apple"},
                 {"4", "kiwi", "Apple pie"}});
        g.SetFixedRows(1);
        g.SetFixedCols(1);
    }
    std::vector<ui::TPoint> All(const std::string& s, TFindParams p)
    {
        std::vector<ui::TPoint> out;
        for (ui::TPoint at = FindFirst(g, s, p); at.X >= 0; at = FindNext(g))
            out.push_back(at);
        return out;
    }
    TGxStringGrid g{nullptr};
};

using Hits = std::vector<ui::TPoint>;

TEST_F(GridFind, OptionsDecideTheHitsAndTheirOrder)
{
    struct Case {
        std::string Text;
        TFindParams Params;
        Hits Expected;
    };
    const std::vector<Case> cases = {
        {"apple", 0, {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 3}, {2, 4}}},  // column by column
        {"apple", fnDirectionLeftRight, {{1, 1}, {2, 1}, {1, 2}, {1, 3}, {2, 3}, {2, 4}}},
        {"apple", fnMatchCase, {{1, 2}, {2, 1}, {2, 3}}},
        {"apple", fnMatchFull, {{1, 1}, {1, 3}, {2, 3}}},
        {"apple", fnMatchStart, {{1, 1}, {1, 3}, {2, 3}, {2, 4}}},
        {"red apple", fnIgnoreHTMLTags, {{2, 1}}},
        {"red apple", 0, {}},
        {"*a*e", fnMatchRegular | fnMatchCase, {{1, 2}, {2, 1}, {2, 3}}},
        {"\"\"", 0, {{2, 2}}},  // two quotes: the empty cell
        {"1", 0, {}},           // fixed cells are left out
        {"1", fnIncludeFixed, {{0, 1}}},
        {"apple", fnBackward, {{2, 4}, {2, 3}, {2, 1}, {1, 3}, {1, 2}, {1, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text + " " + std::to_string(c.Params));
        EXPECT_EQ(All(c.Text, c.Params), c.Expected);
    }
}

TEST_F(GridFind, RowsColumnsIgnoredColumnsAndTheEnd)
{
    g.SetRow(3);
    EXPECT_EQ(All("apple", fnFindInCurrentRow), (Hits{{1, 3}, {2, 3}}));
    g.FindPresetCol = 2;
    EXPECT_EQ(All("apple", fnFindInPresetCol), (Hits{{2, 1}, {2, 3}, {2, 4}}));
    g.FindPresetCol = 99;  // out of range: every column
    EXPECT_EQ(All("apple", fnFindInPresetCol).size(), 6u);
    FindFirst(g, "kiwi", fnAutoGoto);
    EXPECT_EQ(g.Row(), 4);
    g.IgnoreColumns()->Add(1);
    EXPECT_EQ(All("apple", fnDirectionLeftRight), (Hits{{2, 1}, {2, 3}, {2, 4}}));
    EXPECT_EQ(All("apple", 0), (Hits{{2, 1}, {2, 3}, {2, 4}}));
    // All() ended on a FindNext without hit; the next one starts from the first cell again.
    EXPECT_EQ(FindNext(g), (ui::TPoint{2, 1}));
}

TEST_F(GridFind, ReplaceChangesEveryHitCellOnceIgnoringCaseInside)
{
    EXPECT_EQ(Replace(g, "apple", "pear", fnMatchCase), 3);  // exact-case hits only
    EXPECT_EQ(g.Cells(1, 1), "Apple");
    EXPECT_EQ(g.Cells(1, 2), "pinepear");
    EXPECT_EQ(g.Cells(2, 3), "pear");
    EXPECT_EQ(g.Cells(2, 4), "Apple pie");  // no exact-case hit: untouched
    EXPECT_EQ(Replace(g, "PEAR", "x", 0), 3);
    EXPECT_EQ(Replace(g, "nothing", "x", 0), 0);
}

TEST_F(GridFind, IncrementalKeySearchComparesTheStartOfTheKeyColumn)
{
    g.SortSettings()->SetShow(true);
    g.SortSettings()->Column = 1;
    EXPECT_EQ(Search(g, "PINE"), 2);
    EXPECT_EQ(Search(g, "KI"), 4);
    EXPECT_EQ(Search(g, "APPLE"), 1);
    EXPECT_EQ(Search(g, "ZZ"), -1);
    TGxStringGrid one(nullptr);
    Fill(one, {{"a"}});
    EXPECT_EQ(Search(one, "A"), -1);
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

TEST_F(GridFind, HiddenRowsAreSearchedAsRealRowsAndAGroupOpensForTheHit)
{
    g.HideRow(2);  // pineapple
    EXPECT_EQ(All("pine", 0), Hits{});
    EXPECT_EQ(All("pine", fnIncludeHiddenRows), (Hits{{1, 2}}));
    // Going to a row hidden otherwise than by a group leaves the current row alone.
    g.SetRow(1);
    EXPECT_EQ(FindFirst(g, "pine", fnIncludeHiddenRows | fnAutoGoto).Y, 2);
    EXPECT_EQ(g.Row(), 1);
    g.UnHideRowsAll();

    g.AddNode(1, 3);  // rows 1..3 under the node at row 1
    g.ContractNode(1);
    ASSERT_TRUE(g.IsHiddenRow(3));
    const ui::TPoint hit = FindFirst(g, "APPLE", fnIncludeHiddenRows | fnAutoGoto | fnMatchCase | fnMatchFull);
    EXPECT_EQ(hit, (ui::TPoint{1, 3}));
    EXPECT_FALSE(g.IsHiddenRow(3));
    EXPECT_EQ(g.Row(), 3);
}

TEST_F(GridFind, WideSearchReadsCodedWideText)
{
    g.SetCells(2, 2, EncodeWideCellText(u"Grüße aus Köln"));
    EXPECT_EQ(FindWide(g, {-1, -1}, u"KÖLN", 0), (ui::TPoint{2, 2}));
    EXPECT_EQ(FindWide(g, {-1, -1}, u"KÖLN", fnMatchCase), (ui::TPoint{-1, -1}));
}

}  // namespace
}  // namespace gx
