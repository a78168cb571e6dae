// The panels a string grid owns: the footer template and the footer strip's columns, the search
// panel's parts and keys, the filter lists, and the scroll overview's thumb.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"

namespace gx {
namespace {

struct TemplateCase {
    const char* name;
    const char* text;
    const char* shown;
};

class FooterTemplate : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(FooterTemplate, Expands)
{
    TGxStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(4);
    grid.SetCells(3, 2, "12.50");
    grid.SetCells(1, 2, "x");
    grid.SetRow(2);
    grid.FloatingFooter()->SetCustomTemplate(GetParam().text);
    EXPECT_EQ(grid.FloatingFooter()->ExpandTemplate(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, FooterTemplate,
                         ::testing::Values(TemplateCase{"ColumnOfTheCurrentRow", "Total: <#3> EUR", "Total: 12.50 EUR"},
                                           TemplateCase{"TwoTags", "<#1>/<#3>", "x/12.50"},
                                           TemplateCase{"TagWithoutNumberDropped", "a<#x>b", "ab"},
                                           TemplateCase{"ColumnPastTheGridDropped", "a<#99>b", "ab"},
                                           TemplateCase{"NoTags", "plain text", "plain text"},
                                           TemplateCase{"UnterminatedTagEnds", "a<#3 b", "a<#3 b"},
                                           TemplateCase{"UnterminatedAfterATag", "<#1><#", "x<#"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FooterStrip, ColumnsUnderTheMouseFollowTheScrolledGrid)
{
    ui::TForm form(nullptr);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetColCount(12);
    grid->SetRowCount(5);
    grid->SetDefaultColWidth(50);
    grid->SetLeftCol(4);
    ASSERT_EQ(grid->LeftCol(), 4);
    TFooterPanel* strip = grid->FooterPanel();
    EXPECT_EQ(strip->ColumnAt(10), 0);
    EXPECT_EQ(strip->ColumnAt(60), 4);
    EXPECT_EQ(strip->ColumnAt(110), 5);  // the second visible scrollable column
    EXPECT_EQ(strip->ColumnAt(50 * 9 + 1), -1);

    std::vector<std::pair<int, int>> hints;
    grid->OnGridHint = [&](TObject*, int ARow, int ACol, std::string& h) {
        hints.emplace_back(ARow, ACol);
        h = "sum";
    };
    EXPECT_EQ(strip->HintAt(110), "sum");
    EXPECT_EQ(hints, (std::vector<std::pair<int, int>>{{4, 5}}));
    EXPECT_EQ(strip->HintAt(50 * 9 + 1), "");  // no column there, no question asked
    EXPECT_EQ(hints.size(), 1u);

    std::vector<std::pair<int, int>> clicks;
    grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicks.emplace_back(ARow, ACol); };
    grid->FloatingFooter()->SetVisible(true);
    ui::SendMouseDown(strip, ui::TMouseButton::mbLeft, 110, 5);
    ui::SendMouseUp(strip, ui::TMouseButton::mbLeft, 110, 5);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{4, 5}}));
}

TEST(SearchPanel, ButtonsFollowTheTextAndEnterFinds)
{
    TGxStringGrid grid(nullptr);
    TSearchPanel* panel = grid.SearchPanel();
    for (TGxGridButton* b : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()})
        EXPECT_FALSE(b->Enabled());
    EXPECT_TRUE(panel->ExitButton()->Enabled());
    EXPECT_EQ(panel->HiliteButton()->Style(), TGxButtonStyle::tasCheck);

    std::vector<std::string> calls;
    panel->OnForwardClick = [&](TObject*) { calls.push_back("next"); };
    panel->OnBackwardClick = [&](TObject*) { calls.push_back("prev"); };
    panel->OnEditChange = [&](TObject*) { calls.push_back("change"); };
    panel->OnExitClick = [&](TObject*) { calls.push_back("close"); };
    panel->Edit()->SetText("a");
    for (TGxGridButton* b : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()})
        EXPECT_TRUE(b->Enabled());
    ui::SendKeyStroke(panel->Edit(), ui::VK_RETURN, 0, U'\r');
    ui::SendKeyStroke(panel->Edit(), ui::VK_RETURN, ui::ssCtrl, U'\n');
    EXPECT_EQ(panel->Edit()->Text(), "a");  // the text stays on one line
    panel->ExitButton()->OnClick(panel->ExitButton());
    panel->Edit()->SetText("");
    EXPECT_FALSE(panel->ForwardButton()->Enabled());
    EXPECT_EQ(calls, (std::vector<std::string>{"change", "next", "prev", "close", "change"}));
}

TEST(SearchPanel, MatchCaseBoxMovesLeftWithoutTheHighlightButton)
{
    TGxStringGrid grid(nullptr);
    TSearchPanel* panel = grid.SearchPanel();
    EXPECT_EQ(panel->MatchCase()->Left(), 425);
    panel->HiliteButton()->SetVisible(false);
    panel->Arrange();
    EXPECT_EQ(panel->MatchCase()->Left(), 330);
    EXPECT_EQ(panel->ForwardButton()->Left(), 140);
    EXPECT_EQ(panel->ExitButton()->Width(), 14);
}

class FilterLists : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 400, 300);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
        for (ui::TListBox* list : {static_cast<ui::TListBox*>(grid->FilterDropList()),
                                   static_cast<ui::TListBox*>(grid->FilterCheckList())}) {
            list->Items()->Add("(All)");
            list->Items()->Add("A");
            list->Items()->Add("B");
            list->SetBounds(10, 10, 100, 80);
            list->SetVisible(true);
        }
        grid->FilterColumn = 2;
        grid->FilterDropList()->OnSelect = [this](TObject*, int i) { selected.push_back(i); };
        grid->FilterCheckList()->OnSelect = [this](TObject*, int i) { selected.push_back(i); };
    }
    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
    std::vector<int> selected;
};

TEST_F(FilterLists, EnterOrAReleaseChoosesTheEntry)
{
    TDropList* list = grid->FilterDropList();
    list->SetItemIndex(2);
    ui::SendKeyStroke(list, ui::VK_RETURN);
    EXPECT_FALSE(list->Visible());
    list->SetVisible(true);
    list->SetItemIndex(1);
    ui::SendMouseUp(list, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(selected, (std::vector<int>{2, 1}));
}

TEST_F(FilterLists, CancelModeClosesOnlyWhenTheMouseIsOutside)
{
    TDropList* list = grid->FilterDropList();
    const ui::TPoint cursor = grid->ScreenToClient(ui::GetCursorPos());
    list->SetBounds(cursor.X - 5, cursor.Y - 5, 100, 80);  // under the pointer: stays open
    list->Perform(ui::CM_CANCELMODE);
    EXPECT_TRUE(list->Visible());
    EXPECT_EQ(grid->FilterColumn, 2);
    list->SetBounds(cursor.X + 20, cursor.Y + 20, 100, 80);
    list->Perform(ui::CM_CANCELMODE);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(grid->FilterColumn, -1);
    EXPECT_TRUE(selected.empty());
}

TEST_F(FilterLists, TickingACheckEntryKeepsTheListOpen)
{
    TDropCheckList* list = grid->FilterCheckList();
    list->ToggleChecked(1);
    EXPECT_TRUE(list->Checked(1));
    EXPECT_TRUE(list->Visible());
    list->ToggleChecked(7);  // no such entry
    EXPECT_EQ(selected, (std::vector<int>{-1}));
    const int h = list->ItemHeight();
    ui::SendMouseDown(list, ui::TMouseButton::mbLeft, 2, 2 * h + 2);  // the box of "B"
    ui::SendMouseUp(list, ui::TMouseButton::mbLeft, 2, 2 * h + 2);
    EXPECT_TRUE(list->Checked(2));
    ui::SendMouseDown(list, ui::TMouseButton::mbLeft, h + 5, 2 * h + 2);  // beside the box: no toggle
    EXPECT_TRUE(list->Checked(2));
    EXPECT_TRUE(list->Visible());
    EXPECT_EQ(selected, (std::vector<int>{-1, -1}));
}

// 100 normal rows below one 20-pixel fixed row, 20 rows shown, on a 220-pixel overview.
class ScrollOverview : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid->SetParent(&form);
        grid->SetDefaultRowHeight(10);
        grid->SetRowCount(101);
        grid->SetRowHeights(0, 20);
        grid->SetColCount(3);
        grid->SetBounds(0, 0, 500, 220 + (grid->Height() - grid->ClientHeight()));
        bar->SetParent(grid);
        bar->SetBounds(0, 0, 6, 220);
    }
    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form);
    TScrollControl* bar = new TScrollControl(grid);
    int start = -1, length = -1;
};

TEST_F(ScrollOverview, ThumbFollowsTheTopRow)
{
    ASSERT_EQ(grid->VisibleRowCount(), 20);
    ASSERT_TRUE(bar->Thumb(start, length));
    EXPECT_EQ(start, 20);
    EXPECT_EQ(length, 40);
    grid->SetTopRow(grid->RowCount() - grid->VisibleRowCount());
    ASSERT_TRUE(bar->Thumb(start, length));
    EXPECT_EQ(start + length, 220);
}

TEST_F(ScrollOverview, ThumbIsNeverShorterThan20AndAbsentWithoutScrolling)
{
    grid->SetRowCount(2001);
    ASSERT_TRUE(bar->Thumb(start, length));
    EXPECT_EQ(length, 20);
    grid->SetRowCount(10);
    EXPECT_FALSE(bar->Thumb(start, length));
    grid->SetRowCount(1);  // only the fixed row: nothing to scroll, nothing divided by zero
    EXPECT_FALSE(bar->Thumb(start, length));
    TScrollControl orphan(nullptr);
    EXPECT_FALSE(orphan.Thumb(start, length));
}

TEST_F(ScrollOverview, PressesPageAndTheThumbDrags)
{
    ASSERT_EQ(grid->VisibleRowCount(), 20);
    ui::SendMouseDown(bar, ui::TMouseButton::mbLeft, 2, 200);  // below the thumb
    ui::SendMouseUp(bar, ui::TMouseButton::mbLeft, 2, 200);
    EXPECT_EQ(grid->TopRow(), 21);
    ASSERT_TRUE(bar->Thumb(start, length));
    ui::SendMouseDown(bar, ui::TMouseButton::mbLeft, 2, start + 1);
    ui::SendMouseMove(bar, 2, start + 1 + 40, ui::ssLeft);
    EXPECT_EQ(grid->TopRow(), 21 + 20);  // 40 of 200 pixels: a fifth of 101 rows, rounded
    ui::SendMouseUp(bar, ui::TMouseButton::mbLeft, 2, start + 41);
    ui::SendMouseDown(bar, ui::TMouseButton::mbLeft, 2, 0);  // above it
    EXPECT_EQ(grid->TopRow(), 21);
}

}  // namespace
}  // namespace gx
