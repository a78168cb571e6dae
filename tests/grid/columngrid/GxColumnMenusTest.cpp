// What a column of the column grid offers beyond its cells' looks: its popup menu on the click its
// ColumnPopupType names, its own filter list, its editor link, and its settings kept across
// grouping, rescaling and the going of the menus and links it names.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/columngrid/GxColumnGrid.h"
#include "grid/extras/GridExtras.h"
#include "grid/stringgrid/GxEditLink.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace gx {
namespace {

using ui::TMouseButton;

// A shown form with a column grid of 4 columns (1 fixed) and 5 rows (1 fixed), 60 x 20 pixel
// cells, holding letters in column 1 and numbers in column 2.
class GxColumnMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridExtras();
        form.SetBounds(100, 50, 400, 300);
        grid->SetParent(&form);
        grid->SetBounds(10, 10, 300, 200);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        const char* letters[] = {"a", "b", "c", "d"};
        for (int r = 1; r < 5; ++r) {
            grid->SetCells(1, r, letters[r - 1]);
            grid->SetCells(2, r, std::to_string(r * 5));
        }
    }
    void Press(TMouseButton button, int c, int r)
    {
        const ui::TRect rc = grid->CellRect(c, r);
        ui::SendMouseDown(grid, button, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
        ui::SendMouseUp(grid, button, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    }
    std::string Shown(int col)
    {
        std::string out;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            out += grid->Cells(col, r) + " ";
        return out;
    }

    ui::TForm form{nullptr};
    TGxColumnGrid* grid = new TGxColumnGrid(&form, GridExtras());
};

TEST_F(GxColumnMenus, EachPopupTypeOpensOnItsButtonAndRows)
{
    ui::TPopupMenu menu(nullptr);
    int popups = 0;
    menu.OnPopup = [&](ui::TObject*) { ++popups; };
    std::vector<std::string> events;
    grid->OnColumnPopup = [&](ui::TObject*, int ACol, int ARow, ui::TPopupMenu* m) {
        events.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + (m == &menu ? " menu" : " other"));
    };
    grid->Columns()->Items(2)->SetColumnPopup(&menu);
    struct Case {
        TColumnPopupType type;
        TMouseButton button;
        int row;
        bool event, popup;
    } cases[] = {
        {cpFixedCellsRClick, TMouseButton::mbRight, 0, true, true},
        {cpFixedCellsRClick, TMouseButton::mbRight, 2, true, false},  // told, but not shown below the header
        {cpFixedCellsRClick, TMouseButton::mbLeft, 0, false, false},
        {cpNormalCellsLClick, TMouseButton::mbLeft, 3, true, true},
        {cpNormalCellsLClick, TMouseButton::mbLeft, 0, true, false},
        {cpNormalCellsRClick, TMouseButton::mbLeft, 3, false, false},
        {cpAllCellsLClick, TMouseButton::mbLeft, 0, true, true},
        {cpAllCellsLClick, TMouseButton::mbLeft, 4, true, true},
        {cpAllCellsRClick, TMouseButton::mbLeft, 1, false, false},
        {cpAllCellsRClick, TMouseButton::mbRight, 1, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + (c.button == TMouseButton::mbLeft ? " left row " : " right row ") +
                     std::to_string(c.row));
        grid->Columns()->Items(2)->ColumnPopupType = c.type;
        events.clear();
        popups = 0;
        Press(c.button, 2, c.row);
        EXPECT_EQ(events, c.event ? std::vector<std::string>{"2," + std::to_string(c.row) + " menu"}
                                  : std::vector<std::string>{});
        EXPECT_EQ(popups, c.popup ? 1 : 0);
        if (c.popup) {
            const ui::TRect cell = grid->CellRect(2, c.row);
            EXPECT_EQ(menu.PopupPoint(), grid->ClientToScreen({cell.Left, cell.Bottom}));
            EXPECT_EQ(menu.PopupComponent, grid);
        }
    }
    popups = 0;
    Press(TMouseButton::mbRight, 1, 0);  // a column without a menu
    EXPECT_EQ(popups, 0);
}

TEST_F(GxColumnMenus, AHiddenColumnDoesNotShiftTheMenus)
{
    ui::TPopupMenu menu(nullptr);
    int popups = 0;
    menu.OnPopup = [&](ui::TObject*) { ++popups; };
    grid->Columns()->Items(2)->SetColumnPopup(&menu);
    grid->HideColumn(1);  // real column 2 now shows as display column 1
    Press(TMouseButton::mbRight, 1, 0);
    EXPECT_EQ(popups, 1);
    Press(TMouseButton::mbRight, 2, 0);
    EXPECT_EQ(popups, 1);
}

TEST_F(GxColumnMenus, ItemsForgetMenusAndLinksThatGo)
{
    auto menu = std::make_unique<ui::TPopupMenu>(nullptr);
    auto first = std::make_unique<TEditLink>(nullptr);
    auto second = std::make_unique<TEditLink>(nullptr);
    grid->Columns()->Items(1)->SetColumnPopup(menu.get());
    grid->Columns()->Items(3)->SetColumnPopup(menu.get());
    grid->Columns()->Items(1)->SetEditLink(first.get());
    grid->Columns()->Items(2)->SetEditLink(second.get());
    // Editing the columns hands each link to the grid in turn; the grid lets go of the first one
    // while column 1 still names it.
    TEditorType editor = edNormal;
    grid->GetCellEditor(1, 1, editor);
    EXPECT_EQ(grid->EditLink(), first.get());
    grid->GetCellEditor(2, 1, editor);
    EXPECT_EQ(grid->EditLink(), second.get());
    grid->GetCellEditor(3, 1, editor);
    EXPECT_EQ(grid->EditLink(), nullptr);  // a column without one takes the grid's away

    first.reset();
    menu.reset();
    EXPECT_EQ(grid->Columns()->Items(1)->EditLink(), nullptr);
    EXPECT_EQ(grid->Columns()->Items(2)->EditLink(), second.get());
    EXPECT_EQ(grid->Columns()->Items(1)->ColumnPopup(), nullptr);
    EXPECT_EQ(grid->Columns()->Items(3)->ColumnPopup(), nullptr);
    Press(TMouseButton::mbRight, 3, 0);  // nothing left to show
}

TEST_F(GxColumnMenus, OnlyColumnsWithOwnFilterEntriesOfferAList)
{
    grid->FilterDropDownAuto = true;  // automatic lists stay off in a column grid
    TGridColumnItem* numbers = grid->Columns()->Items(2);
    const int before = grid->InvalidateCount();
    numbers->Filter.Add("Low=<12");
    numbers->Filter.Add("High=>=12");
    numbers->Filter.Add("!10");
    EXPECT_GT(grid->InvalidateCount(), before);  // the glyphs follow the list
    EXPECT_FALSE(grid->GetColumnFilterList(1));
    ASSERT_TRUE(grid->GetColumnFilterList(2));
    EXPECT_EQ(grid->FilterList()->CommaText(), "Low,High,!10");
}

TEST_F(GxColumnMenus, APickSetsTheColumnsConditionAndHeader)
{
    TGridColumnItem* numbers = grid->Columns()->Items(2);
    numbers->SetHeader("Size");
    numbers->Filter.Add("Low=<12");
    numbers->Filter.Add("High=>=12");
    numbers->Filter.Add("!10");
    numbers->FilterCaseSensitive = false;
    grid->AutoFilterDisplay = true;
    std::vector<std::string> picks;
    int done = 0;
    grid->OnFilterSelect = [&](ui::TObject*, int Column, int ItemIndex, const std::string& Name, std::string& Cond) {
        picks.push_back(std::to_string(Column) + ":" + std::to_string(ItemIndex) + ":" + Name + ":" + Cond);
    };
    grid->OnFilterDone = [&](ui::TObject*) { ++done; };
    struct Case {
        int item;
        std::string pick, header, shown;
    } cases[] = {
        {0, "2:0:Low:<12", "Low", "5 10 "},
        {1, "2:1:High:>=12", "High", "15 20 "},
        {2, "2:2:!10:!10", "!10", "5 15 20 "},  // a bare condition is its own name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pick);
        picks.clear();
        grid->FilterColumn = 2;
        grid->FilterDropDownSelect(c.item);
        EXPECT_EQ(picks, std::vector<std::string>{c.pick});
        EXPECT_EQ(numbers->Header(), c.header);
        EXPECT_EQ(grid->Cells(2, 0), c.header);
        EXPECT_EQ(Shown(2), c.shown);
        EXPECT_FALSE(grid->Filter()->GetColFilter(2)->CaseSensitive);
        EXPECT_EQ(grid->Row(), grid->FixedRows());
        EXPECT_EQ(grid->FilterColumn, -1);
    }
    EXPECT_EQ(done, 3);
    grid->FilterColumn = 2;
    grid->FilterDropDownSelect(3);  // past the entries: nothing changes
    EXPECT_EQ(Shown(2), "5 15 20 ");
    EXPECT_EQ(grid->FilterColumn, -1);
}

TEST_F(GxColumnMenus, TheGroupedColumnComesBackWithItsSettings)
{
    grid->SetColCount(5);
    grid->SetCells(3, 1, "x");
    grid->SetCells(3, 2, "x");
    grid->SetCells(3, 3, "y");
    grid->SetCells(3, 4, "y");
    TGridColumnItem* kind = grid->Columns()->Items(3);
    kind->SetHeader("Kind");
    kind->SetEditor(edComboList);
    kind->ComboItems.Add("x");
    kind->ReadOnly = true;
    kind->SetColor(0x00FFFF);
    grid->Columns()->Items(2)->SetHeader("Size");
    grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
    grid->Columns()->Items(4)->SetHeader("Last");

    grid->Group(3);
    ASSERT_EQ(grid->GroupColumn, 3);
    EXPECT_EQ(grid->Columns()->Count(), grid->ColCount());
    EXPECT_EQ(grid->Columns()->Items(3)->Header(), "Last");
    grid->UnGroup();
    ASSERT_EQ(grid->Columns()->Count(), 5);
    kind = grid->Columns()->Items(3);
    EXPECT_EQ(kind->Header(), "Kind");
    EXPECT_EQ(kind->Editor(), edComboList);
    EXPECT_EQ(kind->ComboItems.CommaText(), "x");
    EXPECT_TRUE(kind->ReadOnly);
    EXPECT_EQ(kind->Color(), 0x00FFFFu);
    EXPECT_EQ(grid->Cells(3, 3), "y");

    // Grouping by another column while grouped gives the first one its own settings back.
    grid->Group(3);
    grid->Group(2);
    EXPECT_EQ(grid->GroupColumn, 2);
    grid->UnGroup();
    EXPECT_EQ(grid->Columns()->Items(2)->Editor(), edDataCheckBox);
    EXPECT_EQ(grid->Columns()->Items(3)->Header(), "Kind");
    EXPECT_EQ(grid->Columns()->Items(3)->Editor(), edComboList);
    EXPECT_TRUE(grid->Columns()->Items(3)->ReadOnly);
}

TEST_F(GxColumnMenus, RescalingScalesEveryColumnsCellAndHeaderFonts)
{
    ui::TFont font;
    font.SetSize(8);
    for (int i = 0; i < grid->Columns()->Count(); ++i) {
        grid->Columns()->Items(i)->SetFont(font);
        grid->Columns()->Items(i)->SetHeaderFont(font);
        grid->Columns()->Items(i)->PrintFont.SetSize(8);
    }
    grid->HideColumn(3);
    grid->HandleScaleChange(3, 2);
    for (int i = 0; i < grid->Columns()->Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grid->Columns()->Items(i)->Font().Size(), 12);
        EXPECT_EQ(grid->Columns()->Items(i)->HeaderFont().Size(), 12);
        EXPECT_EQ(grid->Columns()->Items(i)->PrintFont.Size(), 8);  // the printed look keeps its size
    }
}

TEST_F(GxColumnMenus, ItemsReadAndWriteDatesAndTimes)
{
    TGridColumnItem* item = grid->Columns()->Items(1);
    const rtl::TDateTime day = rtl::EncodeDate(2024, 2, 29);
    const rtl::TDateTime noon = rtl::EncodeTime(12, 30, 0, 0);
    item->SetDates(2, day);
    item->SetTimes(3, noon);
    EXPECT_EQ(grid->Cells(1, 2), rtl::DateToStr(day));
    EXPECT_DOUBLE_EQ(item->Dates(2), day);
    EXPECT_NEAR(item->Times(3), noon, 1e-6);
}

}  // namespace
}  // namespace gx
