// The string grid's key-down steps beside plain navigation, driven through key-down, character
// and key-up messages: the clipboard keys, Left and Right on tree rows and on whole-row
// selections, Space on radio cells, the search footer over the last rows (by keys and by the
// bar), and the dialog's accelerator characters.
#include "grid/stringgrid/GxGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/qt/NativeTesting.h"

#include "GridExtrasDouble.h"

namespace gx {
namespace {

using Log = std::vector<std::string>;

// A form with a grid of 5 columns (1 fixed) and 30 rows (1 fixed), 20-pixel rows in 300 pixels.
class GxGridKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientWidth(500);
        form.SetClientHeight(400);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(5);
        grid->SetRowCount(30);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        grid->SetOptions(grid->Options() | ui::goEditing);
        grid->SetFocus();
    }
    void Key(unsigned vk, ui::TShiftState shift = 0) { ui::SendKeyStroke(grid, vk, shift); }

    TGridExtrasDouble extras;  // outlives the form and its grid
    ui::TForm form{nullptr};
    TGxStringGrid* grid = new TGxStringGrid(&form, extras);
};

// The clipboard slots reach the grid's extras; the test's own record the calls.
class GxGridClipboardKeys : public GxGridKeys {
protected:
    void SetUp() override
    {
        GxGridKeys::SetUp();
        extras.Calls.CutSelectionToClipboard = [this](TGxStringGrid&) { log.push_back("cut"); };
        extras.Calls.CopySelectionToClipboard = [this](TGxStringGrid&) { log.push_back("copy"); };
        extras.Calls.PasteSelectionFromClipboard = [this](TGxStringGrid&) { log.push_back("paste"); };
        grid->OnClipboardCut = [this](TObject*, bool& allow) { Event("cut?", allow); };
        grid->OnClipboardCopy = [this](TObject*, bool& allow) { Event("copy?", allow); };
        grid->OnClipboardPaste = [this](TObject*, bool& allow) { Event("paste?", allow); };
        grid->OnKeyDown = [this](TObject*, unsigned& key, ui::TShiftState) {
            log.push_back("keydown");
            if (swallowInOnKeyDown)
                key = 0;
        };
        grid->Navigation()->SetAllowInsertRow(true);
        grid->Navigation()->SetAllowDeleteRow(true);
    }
    void Event(const char* name, bool& allow)
    {
        log.push_back(name);
        allow = allowClipboard;
    }

    Log log;
    bool allowClipboard = true;
    bool swallowInOnKeyDown = false;
};

struct ClipboardCase {
    const char* name;
    unsigned key;
    ui::TShiftState shift;
    const char* event;
    const char* action;
};

TEST_F(GxGridClipboardKeys, EachClipboardKeyAsksItsEventThenRunsItsSlotInsteadOfEditingRows)
{
    grid->Navigation()->SetAllowClipboardShortCuts(true);
    const ClipboardCase cases[] = {
        {"Ctrl+C copies", 'C', ui::ssCtrl, "copy?", "copy"},
        {"Ctrl+Insert copies (no row is inserted)", ui::VK_INSERT, ui::ssCtrl, "copy?", "copy"},
        {"Ctrl+X cuts", 'X', ui::ssCtrl, "cut?", "cut"},
        {"Shift+Delete cuts (no row is deleted)", ui::VK_DELETE, ui::ssShift, "cut?", "cut"},
        {"Ctrl+V pastes", 'V', ui::ssCtrl, "paste?", "paste"},
        {"Shift+Insert pastes (no row is inserted)", ui::VK_INSERT, ui::ssShift, "paste?", "paste"},
    };
    for (const ClipboardCase& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        grid->MoveToCell(2, 4);
        Key(c.key, c.shift);
        EXPECT_EQ(log, (Log{"keydown", c.event, c.action}));
        EXPECT_EQ(grid->RowCount(), 30);
        EXPECT_EQ(grid->Row(), 4);
    }
}

TEST_F(GxGridClipboardKeys, ARefusalTheShortcutsOffOrAKeyTakenByOnKeyDownRunNoSlot)
{
    Key('C', ui::ssCtrl);
    EXPECT_EQ(log, (Log{"keydown"})) << "shortcuts are off by default";

    grid->Navigation()->SetAllowClipboardShortCuts(true);
    log.clear();
    allowClipboard = false;
    Key('V', ui::ssCtrl);
    EXPECT_EQ(log, (Log{"keydown", "paste?"}));

    log.clear();
    allowClipboard = true;
    swallowInOnKeyDown = true;
    Key('X', ui::ssCtrl);
    EXPECT_EQ(log, (Log{"keydown"}));
}

TEST_F(GxGridKeys, LeftAndRightCloseAndOpenATreeRowWhoseCurrentCellIsMerged)
{
    // Row 3 heads a node over rows 3..6; its caption spans the normal columns.
    grid->AddNode(3, 4);
    grid->MergeCells(1, 3, 4, 1);
    grid->MoveToCell(1, 3);
    Key(ui::VK_LEFT);
    EXPECT_TRUE(grid->NodeState(3));
    EXPECT_EQ(grid->RowCount(), 27);
    Key(ui::VK_RIGHT);
    EXPECT_FALSE(grid->NodeState(3));
    EXPECT_EQ(grid->RowCount(), 30);

    // An unmerged cell of a tree row moves as any cell does.
    grid->AddNode(10, 3);
    grid->MoveToCell(2, 10);
    Key(ui::VK_LEFT);
    EXPECT_FALSE(grid->NodeState(10));
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(GxGridKeys, WithWholeRowSelectionLeftAndRightScrollTheColumnsOneAtATime)
{
    grid->SetColCount(12);
    grid->SetOptions((grid->Options() | ui::goRowSelect) & ~ui::goEditing);
    grid->MoveToCell(1, 5);
    ASSERT_LT(grid->VisibleColCount(), grid->ColCount());
    struct Case {
        const char* name;
        bool leftRightRowSelect;
        unsigned key;
        ui::TShiftState shift;
        int left, wantLeft;
    } cases[] = {
        {"Right scrolls one column when LeftRightRowSelect is off", false, ui::VK_RIGHT, 0, 1, 2},
        {"Left scrolls back", false, ui::VK_LEFT, 0, 3, 2},
        {"Left stops at the first scrollable column", false, ui::VK_LEFT, 0, 1, 1},
        {"with LeftRightRowSelect Right scrolls one column too", true, ui::VK_RIGHT, 0, 1, 2},
        {"with LeftRightRowSelect Ctrl+Right scrolls one column", true, ui::VK_RIGHT, ui::ssCtrl, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->Navigation()->SetLeftRightRowSelect(c.leftRightRowSelect);
        grid->SetLeftCol(c.left);
        Key(c.key, c.shift);
        EXPECT_EQ(grid->LeftCol(), c.wantLeft);
        EXPECT_EQ(grid->Row(), 5);
    }
}

TEST_F(GxGridKeys, KeepHorizScrollHoldsTheColumnsWhileRowsMove)
{
    grid->SetColCount(12);
    grid->SetOptions((grid->Options() | ui::goRowSelect) & ~ui::goEditing);
    grid->Navigation()->SetKeepHorizScroll(true);
    grid->MoveToCell(1, 5);
    grid->SetLeftCol(4);
    Key(ui::VK_DOWN);
    Key(ui::VK_NEXT);
    EXPECT_GT(grid->Row(), 6);
    EXPECT_EQ(grid->LeftCol(), 4);
}

TEST_F(GxGridKeys, SpaceMovesARadioGroupOnAndChoosesARadioButtonInAnEditableGrid)
{
    rtl::TStringList items;
    items.Add("a");
    items.Add("b");
    items.Add("c");
    grid->AddRadio(2, 4, 0, 0, &items);
    grid->AddRadioButtonColumn(3);
    Log log;
    grid->OnRadioClick = [&](TObject*, int c, int r, int i) {
        log.push_back("radio " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i));
    };
    grid->OnRadioButtonClick = [&](TObject*, int c, int r) {
        log.push_back("button " + std::to_string(c) + "," + std::to_string(r));
    };
    grid->MoveToCell(2, 4);
    Key(ui::VK_SPACE);
    grid->MoveToCell(3, 6);
    Key(ui::VK_SPACE);
    EXPECT_EQ(log, (Log{"radio 2,4 1", "button 3,6"}));
    EXPECT_TRUE(grid->IsRadioButtonChecked(3, 6));

    grid->SetOptions(grid->Options() & ~ui::goEditing);
    grid->MoveToCell(2, 4);
    Key(ui::VK_SPACE);
    EXPECT_EQ(log.size(), 2u) << "a grid that may not be edited leaves the radios alone";
}

TEST_F(GxGridKeys, EnterAndF2OpenTheEditorOnRequestOnlyOnCellsThatMayBeEdited)
{
    // Column 2 may not be edited.
    grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c != 2; };
    std::vector<unsigned> keyDowns;
    grid->OnKeyDown = [&](TObject*, unsigned& k, ui::TShiftState) { keyDowns.push_back(k); };
    struct Case {
        const char* name;
        bool dblClickOnly, rangeSelectAndEdit;
        int col;
        unsigned key;
        bool wantEditor;
    } cases[] = {
        {"RangeSelectAndEdit: Enter opens the editor", false, true, 1, ui::VK_RETURN, true},
        {"RangeSelectAndEdit: F2 opens the editor", false, true, 3, ui::VK_F2, true},
        {"RangeSelectAndEdit: a read-only cell only reaches OnKeyDown", false, true, 2, ui::VK_RETURN, false},
        {"EditOnDblClickOnly: F2 switches editing on", true, false, 1, ui::VK_F2, true},
        {"EditOnDblClickOnly: not on a read-only cell", true, false, 2, ui::VK_F2, false},
        {"neither: Enter opens nothing", false, false, 1, ui::VK_RETURN, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->HideInplaceEdit();
        grid->SetOptions(grid->Options() & ~ui::goEditing);
        grid->MouseActions()->SetEditOnDblClickOnly(c.dblClickOnly);
        grid->MouseActions()->SetRangeSelectAndEdit(c.rangeSelectAndEdit);
        grid->MoveToCell(c.col, 4);
        keyDowns.clear();
        ui::SendKeyDown(grid, c.key);
        EXPECT_EQ(grid->EditorMode(), c.wantEditor);
        EXPECT_EQ(keyDowns, std::vector<unsigned>{c.key});
    }
}

// Delete on a cell of an editable grid does nothing by default: it opens no editor and types no
// character, though the window system hands the key over with the text U+007F.
TEST_F(GxGridKeys, DeleteOnACellOpensNoEditorAndTypesNothing)
{
    grid->SetCells(2, 3, "kept");
    form.Show();
    ui::Application->ProcessMessages();
    grid->MoveToCell(2, 3);
    grid->SetFocus();
    ui::qt::PressKeyNative(grid, ui::VK_DELETE);
    ui::Application->ProcessMessages();
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 3), "kept");
    form.Hide();
}

// Dialogs turn Enter into Tab in OnKeyDown. With a fixed column at the right (column 4) the step
// on from the last normal column goes to the first normal column of the next row, not into the
// fixed column.
TEST_F(GxGridKeys, EnterTurnedIntoTabSkipsTheFixedColumnsAtTheRight)
{
    grid->SetFixedRightCols(1);
    grid->SetOptions(grid->Options() | ui::goTabs);
    grid->OnKeyDown = [](TObject*, unsigned& k, ui::TShiftState) {
        if (k == ui::VK_RETURN)
            k = ui::VK_TAB;
    };
    struct Case {
        const char* name;
        int col, row;
        ui::TShiftState shift;
        int wantCol, wantRow;
    } const cases[] = {
        {"inside the row: the framework's step", 2, 5, 0, 3, 5},
        {"last normal column: next row", 3, 5, 0, 1, 6},
        {"last normal column of the last row: first row", 3, 29, 0, 1, 1},
        {"Shift goes back within the row", 3, 5, ui::ssShift, 2, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->MoveToCell(c.col, c.row);
        ui::SendKeyDown(grid, ui::VK_RETURN, c.shift);
        EXPECT_EQ(grid->Col(), c.wantCol);
        EXPECT_EQ(grid->Row(), c.wantRow);
    }
    // The grid's own handler is back in place after the keys.
    unsigned k = ui::VK_RETURN;
    grid->OnKeyDown(grid, k, 0);
    EXPECT_EQ(k, ui::VK_TAB);
}

TEST_F(GxGridKeys, MovesKeepTheDisjunctRowAndColumnSelectionsWithTheCurrentCell)
{
    grid->SetOptions((grid->Options() | ui::goRangeSelect) & ~ui::goEditing);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->MouseActions()->SetDisjunctColSelect(true);
    grid->MoveToCell(1, 2);
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->RowSelectCount(), 1);
    EXPECT_TRUE(grid->RowSelect(3));
    EXPECT_TRUE(grid->ColSelect(1));
    Key(ui::VK_RIGHT, ui::ssShift);
    Key(ui::VK_DOWN, ui::ssShift);
    EXPECT_EQ(grid->RowSelectCount(), 2) << "rows 3 and 4";
    EXPECT_EQ(grid->ColSelectCount(), 2) << "columns 1 and 2";
    Key(ui::VK_RIGHT);
    EXPECT_EQ(grid->ColSelectCount(), 1);
    EXPECT_EQ(grid->RowSelectCount(), 1);
}

// --- the search footer --------------------------------------------------------------------------

class GxGridSearchFooterKeys : public GxGridKeys {
protected:
    void SetUp() override
    {
        grid->SearchFooter()->SetVisible(true);
        GxGridKeys::SetUp();
        panel = grid->SearchPanel();
        panel->SetVisible(true);
        panel->SetHeight(32);
        panel->Edit()->SetText("x");
    }
    int PanelTop() const { return grid->ClientHeight() - panel->Height(); }
    int LastRowBottom() const
    {
        const ui::TRect r = grid->CellRect(1, grid->RowCount() - 1);
        return r.IsEmpty() ? grid->ClientHeight() + 100 : r.Bottom;
    }

    TSearchPanel* panel = nullptr;
};

TEST_F(GxGridSearchFooterKeys, KeysOntoAndOnTheLastRowBringItClearOfTheFooter)
{
    struct Case {
        const char* name;
        int col, row;
        unsigned key;
        ui::TShiftState shift;
    } cases[] = {
        {"Down onto the last row", 2, 28, ui::VK_DOWN, 0},
        {"Ctrl+End goes there from the top", 2, 1, ui::VK_END, ui::ssCtrl},
        {"Page Down onto the last row", 2, 20, ui::VK_NEXT, 0},
        {"Down on the last row itself", 2, 29, ui::VK_DOWN, 0},
        {"Right on the last cell", 4, 29, ui::VK_RIGHT, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->SetTopRow(1);
        grid->MoveToCell(c.col, c.row);
        Key(c.key, c.shift);
        EXPECT_EQ(grid->Row(), 29);
        EXPECT_LE(LastRowBottom(), PanelTop() + 2);
        EXPECT_TRUE(grid->IsLastRowAboveSearchPanel());
    }

    // Typing elsewhere keeps the rows where they are.
    grid->MoveToCell(2, 5);
    const int top = grid->TopRow();
    Key(ui::VK_F5);
    EXPECT_EQ(grid->TopRow(), top);
}

TEST_F(GxGridSearchFooterKeys, TheBarScrollsLinesDownUntilTheLastRowIsClearOfTheFooterAndStopsThere)
{
    for (int i = 0; i < 40; ++i)
        grid->Perform(ui::WM_VSCROLL, ui::SB_LINEDOWN);
    EXPECT_TRUE(grid->IsLastRowAboveSearchPanel());
    EXPECT_LE(LastRowBottom(), PanelTop() + 2);
    const int top = grid->TopRow();
    EXPECT_EQ(grid->Perform(ui::WM_VSCROLL, ui::SB_LINEDOWN), 1);
    EXPECT_EQ(grid->TopRow(), top);

    // Dragging the thumb to the end and letting go brings the last row clear as well.
    grid->SetTopRow(1);
    grid->Perform(ui::WM_VSCROLL, ui::MakeWParam(ui::SB_THUMBPOSITION, 28));
    grid->Perform(ui::WM_VSCROLL, ui::SB_ENDSCROLL);
    EXPECT_TRUE(grid->IsLastRowAboveSearchPanel());
}

TEST_F(GxGridSearchFooterKeys, CtrlFPutsTheFocusIntoTheSearchEdit)
{
    Key('F', ui::ssCtrl);
    EXPECT_TRUE(panel->Edit()->Focused());
}

TEST_F(GxGridSearchFooterKeys, OnlyTheFootersButtonsTakeTheDialogsAcceleratorsFromTheGrid)
{
    auto* save = new controls::TLbButton(&form);
    save->SetParent(&form);
    save->SetBounds(410, 10, 80, 24);
    save->SetCaption("&Save");
    Log log;
    save->OnClick = [&](TObject*) { log.push_back("save"); };
    panel->OnForwardClick = [&](TObject*) { log.push_back("next"); };
    panel->OnBackwardClick = [&](TObject*) { log.push_back("previous"); };
    grid->SearchFooter()->SetFindNextCaption("&Next");
    grid->SearchFooter()->SetFindPrevCaption("&Previous");
    grid->SearchFooter()->SetMatchCaseCaption("Match &case");
    grid->UpdateSearchPanel();
    panel->Arrange();
    panel->Edit()->SetText("x");
    form.Show();
    const bool matchCase = panel->MatchCase()->Checked();

    struct Case {
        const char* name;
        char32_t ch;
        std::intptr_t result;
        Log want;
    } cases[] = {
        {"the footer's find-next accelerator", U'n', 1, {"next"}},
        {"the footer's find-previous accelerator", U'p', 1, {"previous"}},
        {"the dialog's own button after the grid", U's', 1, {"save"}},
        {"a child of the grid is not offered it", U'c', 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        EXPECT_EQ(form.Perform(ui::CM_DIALOGCHAR, c.ch), c.result);
        EXPECT_EQ(log, c.want);
    }
    EXPECT_EQ(panel->MatchCase()->Checked(), matchCase);

    // Without the footer the grid answers no character: the dialog's button still gets its own.
    grid->SearchFooter()->SetVisible(false);
    panel->SetVisible(false);
    log.clear();
    EXPECT_EQ(grid->Perform(ui::CM_DIALOGCHAR, U'n'), 0);
    EXPECT_EQ(form.Perform(ui::CM_DIALOGCHAR, U's'), 1);
    EXPECT_EQ(log, (Log{"save"}));
}

}  // namespace
}  // namespace gx
