// The search footer's handlers: typing searches and colours the edit, highlighting follows the
// button, next and previous walk the hits, the search column (outside the grid: every column),
// the handler that takes the search over, and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtrasFixture.h"
#include "grid/extras/GridExtras.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {
namespace {

using extrastest::Fill;

class GridFindFooter : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        Fill(g, {{"#", "name", "note"},
                 {"1", "apple", "green"},
                 {"2", "kiwi", "apple pie"},
                 {"3", "plum", "red"},
                 {"4", "apple", "a & b"}});
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        g.SearchFooter()->SetVisible(true);
        g.OnSearchFooterAction = [this](TObject*, const std::string& v, int c, int r, TSearchAction a) {
            actions.push_back(v + " " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(int(a)));
        };
    }
    // The edit's change notification runs the grid's SearchEditChange.
    void Type(const std::string& text) { g.SearchPanel()->Edit()->SetText(text); }
    TRetEdit& Edit() { return *g.SearchPanel()->Edit(); }
    TGxStringGrid g{nullptr};
    std::vector<std::string> actions;
};

TEST_F(GridFindFooter, TypingFindsTheFirstHitAndColoursTheEdit)
{
    Type("apple");
    EXPECT_EQ(g.SearchCell, (ui::TPoint{1, 1}));
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(Edit().Color(), ui::clWindow);
    Type("pear");
    EXPECT_EQ(Edit().Color(), ui::TColor(0x0000FF));
    Type("");
    EXPECT_EQ(Edit().Color(), ui::clWindow);
    EXPECT_EQ(actions, (std::vector<std::string>{"apple 1,1 0", "pear -1,-1 0"}));
}

TEST_F(GridFindFooter, NextAndPreviousWalkTheHits)
{
    Type("apple");
    g.SearchNextClick();
    EXPECT_EQ(g.SearchCell, (ui::TPoint{1, 4}));
    g.SearchNextClick();
    EXPECT_EQ(g.SearchCell, (ui::TPoint{2, 2}));
    g.SearchPrevClick();
    EXPECT_EQ(g.SearchCell, (ui::TPoint{1, 4}));
    EXPECT_EQ(actions.back(), "apple 1,4 1");
}

TEST_F(GridFindFooter, SearchColumnNarrowsAndOutsideTheGridMeansEveryColumn)
{
    struct Case {
        int Column;
        ui::TPoint First;
        std::string Note;  // column 2 of row 2 after the highlight
    };
    const std::vector<Case> cases = {
        {2, {2, 2}, "<hi>apple</hi> pie"},
        {-1, {1, 1}, "<hi>apple</hi> pie"},
        {9, {1, 1}, "<hi>apple</hi> pie"},
        {1, {1, 1}, "apple pie"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Column);
        g.SearchFooter()->SetSearchColumn(c.Column);
        g.SearchFooter()->SetAlwaysHighLight(true);
        Type("apple");
        EXPECT_EQ(g.SearchCell, c.First);
        EXPECT_EQ(g.Cells(2, 2), c.Note);
        Type("");
        g.SearchFooter()->SetAlwaysHighLight(false);
        g.SearchHighlightClick();  // button up: removes what is left
        EXPECT_EQ(g.Cells(2, 2), "apple pie");
    }
}

TEST_F(GridFindFooter, HighlightButtonTagsAndUntagsTheEditText)
{
    Edit().SetText("a");
    g.SearchPanel()->HiliteButton()->SetDown(true);
    g.SearchHighlightClick();
    EXPECT_EQ(g.Cells(2, 4), "<hi>a</hi> &amp; b");
    g.SearchHighlightClick();  // pressed again while down: no second layer of tags
    EXPECT_EQ(g.Cells(2, 4), "<hi>a</hi> &amp; b");
    g.SearchPanel()->HiliteButton()->SetDown(false);
    g.SearchHighlightClick();
    EXPECT_EQ(g.Cells(2, 4), "a & b");
    EXPECT_EQ(g.Cells(1, 3), "plum");
}

TEST_F(GridFindFooter, AHandlerCanTakeTheSearchOverAndCloseHidesTheFooter)
{
    g.OnSearchEditChange = [](TObject*, const std::string&, bool& def) { def = false; };
    Type("apple");
    EXPECT_EQ(g.SearchCell, (ui::TPoint{-1, -1}));
    bool closed = false;
    g.OnSearchFooterClose = [&closed](TObject*) { closed = true; };
    g.SearchCloseClick();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(g.SearchFooter()->Visible());
}

TEST_F(GridFindFooter, WithoutAutoSearchTheButtonsSearchAndANewTextStartsOver)
{
    g.SearchFooter()->SetAutoSearch(false);
    Type("apple");
    EXPECT_EQ(g.SearchCell, (ui::TPoint{-1, -1}));
    g.SearchNextClick();
    EXPECT_EQ(g.SearchCell, (ui::TPoint{1, 1}));
    Edit().SetText("kiwi");
    g.SearchNextClick();
    EXPECT_EQ(g.SearchCell, (ui::TPoint{1, 2}));
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

TEST(GridFixedEdit, TypingInTheFixedCellEditorReportsItsCell)
{
    TGxStringGrid g(nullptr);
    std::string seen;
    g.OnEditChange = [&seen](TObject*, int c, int r, const std::string& v) {
        seen = std::to_string(c) + "," + std::to_string(r) + " " + v;
    };
    g.EditTrans()->FCol = 3;
    g.EditTrans()->FRow = 0;
    g.EditTrans()->SetText("Title");
    EXPECT_EQ(seen, "3,0 Title");
}

}  // namespace
}  // namespace gx
