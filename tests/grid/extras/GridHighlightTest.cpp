// Highlighting and marking: the tags written into cells, what removing them gives back, the ranges
// of the cell, column, row and grid forms, merged and displayed-text cells, and the string forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtrasFixture.h"
#include "grid/extras/GridHighlight.h"

namespace gx {
namespace {

using extrastest::CellsOf;
using extrastest::Fill;
using Table = std::vector<std::vector<std::string>>;

TEST(GridHighlight, TagsEveryOccurrenceAndRemovingGivesTheTextBack)
{
    struct Case {
        std::string Text, Find;
        bool DoCase;
        std::string Tagged;  // empty: the cell is not touched
    };
    const std::vector<Case> cases = {
        {"xabyAB", "ab", false, "x<hi>ab</hi>y<hi>AB</hi>"},
        {"xabyAB", "ab", true, "x<hi>ab</hi>yAB"},
        {"a<b", "b", true, "a&lt;<hi>b</hi>"},
        {"a&b \"q\"", "&", true, "a<hi>&amp;</hi>b &quot;q&quot;"},
        {"aaa", "aa", true, "<hi>aa</hi>a"},  // occurrences do not overlap
        {"lt;", "lt", true, "<hi>lt</hi>;"},  // never inside an entity
        {"&amp; plain", "zz", true, ""},
        {"<b>x</b>", "x", true, "&lt;b&gt;<hi>x</hi>&lt;/b&gt;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text + " / " + c.Find);
        TGxStringGrid g(nullptr);
        g.SetCells(1, 1, c.Text);
        HilightInCell(g, c.DoCase, 1, 1, c.Find);
        EXPECT_EQ(g.Cells(1, 1), c.Tagged.empty() ? c.Text : c.Tagged);
        UnHilightInCell(g, 1, 1);
        EXPECT_EQ(g.Cells(1, 1), c.Text);
    }
}

TEST(GridHighlight, TwoPassesNeedTwoRemovalsAndMarkingUsesItsOwnTag)
{
    TGxStringGrid g(nullptr);
    g.SetCells(1, 1, "xab");
    HilightInCell(g, true, 1, 1, "ab");
    HilightInCell(g, true, 1, 1, "x");
    UnHilightInCell(g, 1, 1);
    EXPECT_EQ(g.Cells(1, 1), "x<hi>ab</hi>");
    UnHilightInCell(g, 1, 1);
    EXPECT_EQ(g.Cells(1, 1), "xab");
    MarkInCell(g, true, 1, 1, "b");
    EXPECT_EQ(g.Cells(1, 1), "xa<e>b</e>");
    UnHilightInCell(g, 1, 1);  // not a highlight: left alone
    EXPECT_EQ(g.Cells(1, 1), "xa<e>b</e>");
    UnMarkInCell(g, 1, 1);
    EXPECT_EQ(g.Cells(1, 1), "xab");
}

class GridHighlightRanges : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(g, {{"k", "k", "k"}, {"k", "k", "k"}, {"k", "k", "k"}, {"k", "k", "k"}});
        g.SetFixedRows(1);
        g.SetFixedCols(1);
    }
    // 'H' where the cell was highlighted, '.' elsewhere; row by row.
    std::string Map()
    {
        std::string out;
        for (int r = 0; r < g.RowCount(); ++r) {
            for (int c = 0; c < g.ColCount(); ++c)
                out += g.Cells(c, r) == "k" ? '.' : 'H';
            out += '/';
        }
        return out;
    }
    TGxStringGrid g{nullptr};
};

TEST_F(GridHighlightRanges, EachFormCoversItsRange)
{
    struct Case {
        const char* Name;
        void (*Run)(TGxStringGrid&);
        std::string Want;
    };
    const std::vector<Case> cases = {
        {"col", [](TGxStringGrid& g) { HilightInCol(g, false, false, 2, "k"); }, ".../..H/..H/..H/"},
        {"col fixed", [](TGxStringGrid& g) { HilightInCol(g, true, false, 2, "k"); }, "..H/..H/..H/..H/"},
        {"col outside", [](TGxStringGrid& g) { HilightInCol(g, false, false, 9, "k"); }, ".../.HH/.HH/.HH/"},
        {"row", [](TGxStringGrid& g) { HilightInRow(g, false, false, 1, "k"); }, ".../.HH/.../.../"},
        {"row fixed", [](TGxStringGrid& g) { HilightInRow(g, true, false, 1, "k"); }, ".../HHH/.../.../"},
        {"grid", [](TGxStringGrid& g) { HilightInGrid(g, false, false, "k"); }, ".../.HH/.HH/.HH/"},
        {"grid fixed", [](TGxStringGrid& g) { MarkInGrid(g, true, false, "k"); }, "HHH/HHH/HHH/HHH/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        c.Run(g);
        EXPECT_EQ(Map(), c.Want);
        UnHilightInGrid(g, true);
        UnMarkInGrid(g, true);
        EXPECT_EQ(Map(), ".../.../.../.../");
    }
}

TEST_F(GridHighlightRanges, MergedCellsAreTaggedOnceThroughTheirBaseCell)
{
    g.MergeCells(1, 1, 2, 1);
    HilightInGrid(g, false, false, "k");
    EXPECT_EQ(g.GridCells(1, 1), "<hi>k</hi>");
    EXPECT_EQ(g.GridCells(2, 1), "k");  // covered by the merge: untouched
}

TEST_F(GridHighlightRanges, StoredTextIsTaggedNeverTheDisplayedOne)
{
    g.OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value = "shown " + Value; };
    HilightInGrid(g, false, false, "k");
    EXPECT_EQ(g.GridCells(1, 1), "<hi>k</hi>");
    HilightInGrid(g, false, false, "shown");
    UnHilightInGrid(g, false);
    EXPECT_EQ(g.GridCells(1, 1), "k");
}

TEST_F(GridHighlightRanges, RemovingTouchesOnlyHighlightedCells)
{
    g.SetCells(1, 1, "a &amp; b &lt;x&gt;");
    HilightInGrid(g, false, false, "k");
    UnHilightInGrid(g, false);
    EXPECT_EQ(g.Cells(1, 1), "a &amp; b &lt;x&gt;");
    EXPECT_EQ(g.Cells(2, 1), "k");
}

TEST(GridHighlight, StringFormsWrapWithoutEncoding)
{
    EXPECT_EQ(HilightText(false, "Abc abc", "ab"), "<hi>Ab</hi>c <hi>ab</hi>c");
    EXPECT_EQ(UnHilightText("<HI>x</hi> &lt;y&gt;"), "x <y>");
    EXPECT_EQ(MarkText(true, "Abc abc", "ab"), "Abc <e>ab</e>c");
    EXPECT_EQ(UnMarkText("<e>a</E>"), "a");
}

}  // namespace
}  // namespace gx
