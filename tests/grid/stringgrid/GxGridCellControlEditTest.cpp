// The form controls of HTML cell texts: a press uses the control under it, an edit or combo is
// edited in place and its text returns as the control's VALUE, Tab walks the cell's editable
// controls, Enter and F2 open them on a cell the grid does not draw as HTML.
#include <algorithm>
#include <string>
#include <vector>

#include "GxGridEditFixture.h"
#include "RealDisplay.h"
#include "grid/base/HtmlTextUtils.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupList.h"
#include "platform/ui/RealInput.h"

namespace gx {
namespace {

class GxGridCellControlEdit : public GxGridEdit {
protected:
    void SetUp() override
    {
        GxGridEdit::SetUp();
        grid->SetColWidths(1, 320);
        grid->SetRowHeights(1, 30);
        grid->SetRowHeights(2, 30);
        grid->OnControlEditDone = [this](TObject*, int r, int c, const std::string& id, const std::string& type,
                                         const std::string& value) {
            log.push_back("done " + std::to_string(c) + "," + std::to_string(r) + " " + id + " " + type + " " + value);
        };
        grid->OnControlClick = [this](TObject*, int r, int c, const std::string& id, const std::string& type,
                                      const std::string& value) {
            log.push_back("click " + std::to_string(c) + "," + std::to_string(r) + " " + id + " " + type + " " + value);
        };
    }
    // A press dx pixels into cell (1, row).
    void PressAt(int row, int dx)
    {
        const ui::TRect r = grid->CellRect(1, row);
        ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, r.Left + dx, r.Top + 12);
        ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, r.Left + dx, r.Top + 12);
    }
    // A press on the n-th control of a row of 60-pixel controls.
    void PressControl(int row, int n) { PressAt(row, 12 + 60 * n); }
    std::string Value(int row, const std::string& id) const
    {
        std::string v;
        return GetHTMLControlValue(grid->Cells(1, row), id, v) ? v : "<none>";
    }
    bool EditShown() const { return grid->ControlEdit()->Visible(); }
    bool ComboShown() const { return grid->ControlCombo()->Visible(); }
};

constexpr const char* kForm = R"(<CONTROL TYPE="EDIT" ID="e1" VALUE="abc" WIDTH="60">)"
                              R"(<CONTROL TYPE="COMBO" ID="c1" VALUE="two" WIDTH="60">)"
                              R"(<CONTROL TYPE="CHECK" ID="k1" VALUE="FALSE" WIDTH="60">)"
                              R"(<CONTROL TYPE="PASSWORD" ID="p1" VALUE="pw" WIDTH="60">)";

TEST_F(GxGridCellControlEdit, PressOnAnEditOpensItOverTheControlAndEnterWritesTheValue)
{
    grid->SetCells(1, 1, kForm);
    PressControl(1, 0);
    ASSERT_TRUE(EditShown());
    EXPECT_TRUE(grid->CellControlEditing());
    EXPECT_EQ(grid->ControlEdit()->Text(), "abc");
    const ui::TRect cell = grid->CellRect(1, 1);
    const ui::TRect edit = grid->ControlEdit()->BoundsRect();
    EXPECT_GE(edit.Left, cell.Left);
    EXPECT_LE(edit.Right, cell.Left + 70);
    EXPECT_EQ(edit.Height(), 14);
    EXPECT_EQ(ui::FindFocusedControl(), grid->ControlEdit());

    grid->ControlEdit()->SetText("a<b");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(EditShown());
    EXPECT_FALSE(grid->CellControlEditing());
    EXPECT_EQ(Value(1, "e1"), "a<b");
    EXPECT_NE(grid->Cells(1, 1).find("VALUE=\"a&lt;b\""), std::string::npos) << grid->Cells(1, 1);
    EXPECT_EQ(ui::FindFocusedControl(), grid);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "done 1,1 e1 EDIT a<b");
}

TEST_F(GxGridCellControlEdit, TabWalksTheEditableControlsAndThenGivesTheGridTheFocus)
{
    grid->SetCells(1, 1, kForm);
    PressControl(1, 0);
    ASSERT_TRUE(EditShown());
    Key(ui::VK_TAB, U'\t');
    // The combo comes next, dropped down and showing the control's value.
    EXPECT_FALSE(EditShown());
    ASSERT_TRUE(ComboShown());
    EXPECT_EQ(grid->CellControlID(), "c1");
    EXPECT_TRUE(grid->ControlCombo()->DroppedDown());
    EXPECT_EQ(grid->ControlCombo()->Text(), "two");
    EXPECT_EQ(grid->ControlCombo()->Style(), ui::TComboBoxStyle::csDropDown);
    grid->ControlCombo()->SetDroppedDown(false);
    Key(ui::VK_TAB, U'\t');
    // The check box is skipped; the password field shows masked.
    EXPECT_FALSE(ComboShown());
    ASSERT_TRUE(EditShown());
    EXPECT_EQ(grid->CellControlID(), "p1");
    EXPECT_EQ(grid->ControlEdit()->PasswordChar(), U'*');
    EXPECT_EQ(grid->ControlEdit()->Text(), "pw");
    Key(ui::VK_TAB, U'\t');
    EXPECT_FALSE(EditShown());
    EXPECT_EQ(ui::FindFocusedControl(), grid);
    const std::vector<std::string> ends{"done 1,1 e1 EDIT abc", "done 1,1 c1 COMBO two", "done 1,1 p1 PASSWORD pw"};
    std::vector<std::string> got;
    for (const std::string& l : log)
        if (l.rfind("done 1", 0) == 0)
            got.push_back(l);
    EXPECT_EQ(got, ends);
}

TEST_F(GxGridCellControlEdit, EnterAndF2OpenControlsOnlyOnACellNotDrawnAsHtml)
{
    struct Case {
        bool enableHTML;
        unsigned key;
        bool opens;
    } const cases[] = {
        {true, ui::VK_F2, false},
        {true, ui::VK_RETURN, false},
        {false, ui::VK_F2, true},
        {false, ui::VK_RETURN, true},
    };
    // Either way the key ends in the grid: OnKeyDown does not see it.
    int keyDowns = 0;
    grid->OnKeyDown = [&](TObject*, unsigned&, ui::TShiftState) { ++keyDowns; };
    for (const Case& c : cases) {
        grid->EnableHTML = c.enableHTML;
        grid->SetCells(1, 1, kForm);
        grid->FocusCell(1, 1);
        grid->SetFocus();
        keyDowns = 0;
        Key(c.key, c.key == ui::VK_RETURN ? U'\r' : 0);
        EXPECT_EQ(EditShown(), c.opens) << c.enableHTML << " " << c.key;
        EXPECT_EQ(keyDowns, 0) << c.enableHTML << " " << c.key;
        EXPECT_EQ(grid->InplaceEditor() && grid->InplaceEditor()->Visible(), false) << c.enableHTML << " " << c.key;
        if (c.opens) {
            EXPECT_EQ(grid->ControlEdit()->Text(), "abc");
        }
        grid->EndCellControlEdit();
    }
}

// Characters typed on a cell of form controls belong to the controls' editors: the grid opens no
// editor of its own, keeps the cell's text and reports no key press.
TEST_F(GxGridCellControlEdit, TypingOnAFormCellLeavesItsText)
{
    int presses = 0;
    grid->OnKeyPress = [&](TObject*, char32_t&) { ++presses; };
    for (const bool html : {true, false}) {
        grid->EnableHTML = html;
        grid->SetCells(1, 1, kForm);
        grid->FocusCell(1, 1);
        grid->SetFocus();
        presses = 0;
        Type("xy");
        EXPECT_FALSE(grid->InplaceEditor() && grid->InplaceEditor()->Visible()) << html;
        EXPECT_EQ(grid->Cells(1, 1), kForm) << html;
        EXPECT_EQ(presses, 0) << html;
    }
}

TEST_F(GxGridCellControlEdit, ACellWithoutEditableControlsOpensNothing)
{
    grid->SetCells(1, 1,
                   R"(<CONTROL TYPE="CHECK" ID="k1" VALUE="TRUE" WIDTH="20">)"
                   R"(<CONTROL TYPE="BUTTON" ID="b1" VALUE="Go" WIDTH="60">)");
    grid->ControlEdit()->SetFocus();
    grid->StartCellControlEdit(1, 1);
    EXPECT_FALSE(EditShown());
    EXPECT_FALSE(ComboShown());
    EXPECT_FALSE(grid->CellControlEditing());
    EXPECT_EQ(ui::FindFocusedControl(), grid);
    // Past the last editable control likewise.
    grid->SetCells(1, 2, kForm);
    grid->StartCellControlEdit(1, 2, "p1");
    EXPECT_FALSE(EditShown());
    EXPECT_FALSE(grid->CellControlEditing());
}

TEST_F(GxGridCellControlEdit, ComboListComesFromTheEventAndReportsTheChoice)
{
    grid->SetCells(1, 1, R"(<CONTROL TYPE="COMBO" ID="c1" VALUE="two" WIDTH="80" MAXLEN="5">)");
    grid->OnControlComboList = [](TObject*, int r, int c, const std::string& id, const std::string&,
                                  const std::string& value, rtl::TStringList* items, bool& edit, int& drop) {
        EXPECT_EQ(r, 1);
        EXPECT_EQ(c, 1);
        EXPECT_EQ(id, "c1");
        EXPECT_EQ(value, "two");
        items->Add("one");
        items->Add("two");
        items->Add("three");
        edit = false;
        drop = 3;
    };
    std::string chosen;
    grid->OnControlComboSelect = [&](TObject*, int, int, int index, const std::string& id, const std::string& value) {
        chosen = id + " " + std::to_string(index) + " " + value;
    };
    PressControl(1, 0);
    TControlCombo& combo = *grid->ControlCombo();
    ASSERT_TRUE(ComboShown());
    EXPECT_EQ(combo.Style(), ui::TComboBoxStyle::csDropDownList);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.DropDownCount(), 3);
    EXPECT_EQ(combo.MaxLength(), 5);
    EXPECT_TRUE(combo.DroppedDown());
    combo.UserSelect(2);
    EXPECT_EQ(chosen, "c1 2 three");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(Value(1, "c1"), "three");
}

// The open combo (edit part and list) spans the item height times the drop count plus two; the
// list shows the whole rows that fit below the edit part, never more than the items.
TEST_F(GxGridCellControlEdit, TheOpenComboIsTwoItemsTallerThanItsDropCount)
{
    grid->SetCells(1, 1, R"(<CONTROL TYPE="COMBO" ID="c1" VALUE="two" WIDTH="80">)");
    struct Case {
        int drop, items;
    } cases[] = {{3, 12}, {8, 20}, {8, 2}, {1, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.drop) + " of " + std::to_string(c.items));
        grid->OnControlComboList = [&c](TObject*, int, int, const std::string&, const std::string&, const std::string&,
                                        rtl::TStringList* items, bool&, int& drop) {
            for (int i = 0; i < c.items; ++i)
                items->Add("item " + std::to_string(i));
            drop = c.drop;
        };
        PressControl(1, 0);
        TControlCombo& combo = *grid->ControlCombo();
        ASSERT_TRUE(combo.DroppedDown());
        const int itemHeight = combo.ItemHeight();
        EXPECT_EQ(combo.DropDownHeight(), itemHeight * (c.drop + 2));
        ui::TPopupList* list = combo.DropDownList();
        ASSERT_NE(list, nullptr);
        const int rows = list->ClientHeight() / itemHeight;
        EXPECT_LE(combo.Height() + rows * itemHeight, combo.DropDownHeight());
        EXPECT_EQ(rows, std::min({c.items, c.drop, (combo.DropDownHeight() - combo.Height()) / itemHeight}));
        EXPECT_GE(rows, 1);
        Key(ui::VK_ESCAPE, 0);
        grid->EndCellControlEdit();
    }
}

TEST_F(GxGridCellControlEdit, PressesOnCheckRadioAndButtonChangeOnlyAnEditableCell)
{
    const std::string radios = R"(<CONTROL TYPE="RADIO" ID="r1" VALUE="TRUE" WIDTH="60">)"
                               R"(<CONTROL TYPE="RADIO" ID="r2" VALUE="FALSE" WIDTH="60">)"
                               R"(<CONTROL TYPE="CHECK" ID="k1" VALUE="false" WIDTH="60">)"
                               R"(<CONTROL TYPE="BUTTON" ID="b1" VALUE="Go" WIDTH="60">)";
    grid->SetCells(1, 1, radios);
    // Radio buttons and check boxes take 16 pixels, whatever their WIDTH.
    const int r2 = 26, k1 = 42, b1 = 80;
    PressAt(1, r2);
    EXPECT_EQ(Value(1, "r1"), "FALSE");
    EXPECT_EQ(Value(1, "r2"), "TRUE");
    PressAt(1, k1);
    EXPECT_EQ(Value(1, "k1"), "TRUE");
    PressAt(1, k1);
    EXPECT_EQ(Value(1, "k1"), "FALSE");
    ASSERT_EQ(log.size(), 3U);
    EXPECT_EQ(log[0], "click 1,1 r2 RADIO TRUE");
    EXPECT_EQ(log[1], "click 1,1 k1 CHECK TRUE");

    // A button is down while the mouse is.
    const ui::TRect r = grid->CellRect(1, 1);
    ui::SendMouseDown(grid, ui::TMouseButton::mbLeft, r.Left + b1, r.Top + 12);
    EXPECT_TRUE(grid->Pointer.CtrlDown);
    EXPECT_EQ(log.back(), "click 1,1 b1 BUTTON Go");
    ui::SendMouseUp(grid, ui::TMouseButton::mbLeft, r.Left + b1, r.Top + 12);
    EXPECT_FALSE(grid->Pointer.CtrlDown);

    // Read-only, refused by OnCanEditCell, or without editing: the text stays.
    const std::string before = grid->Cells(1, 1);
    grid->SetReadOnly(1, 1, true);
    PressAt(1, k1);
    EXPECT_EQ(grid->Cells(1, 1), before);
    grid->SetReadOnly(1, 1, false);
    grid->SetOptions(grid->Options() & ~ui::goEditing);
    PressAt(1, k1);
    EXPECT_EQ(grid->Cells(1, 1), before);
    grid->SetOptions(grid->Options() | ui::goEditing);
    grid->OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    PressAt(1, k1);
    EXPECT_EQ(grid->Cells(1, 1), before);
    EXPECT_FALSE(EditShown());
    EXPECT_FALSE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
    grid->OnCanEditCell = nullptr;

    // A press beside the controls clicks the cell and makes it current; nothing changes.
    grid->SetOptions(grid->Options() | ui::goEditing);
    grid->SetCells(1, 2, radios);
    int clicked = -1;
    grid->OnClickCell = [&](TObject*, int r, int) { clicked = r; };
    PressAt(2, 300);
    EXPECT_EQ(clicked, 2);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(1, 2), radios);
    EXPECT_FALSE(EditShown());
}

TEST_F(GxGridCellControlEdit, ScrollingEndsTheEditAndKeepsTheValue)
{
    grid->SetRowCount(40);
    grid->SetCells(1, 1, kForm);
    grid->StartCellControlEdit(1, 1);
    ASSERT_TRUE(EditShown());
    grid->ControlEdit()->SetText("kept");
    grid->SetTopRow(10);
    EXPECT_FALSE(EditShown());
    EXPECT_FALSE(grid->CellControlEditing());
    EXPECT_EQ(Value(1, "e1"), "kept");
}

TEST_F(GxGridCellControlEdit, AnEditWhoseRowWentAwayEndsWithoutWriting)
{
    grid->SetCells(1, 4, kForm);
    grid->StartCellControlEdit(1, 4);
    ASSERT_TRUE(EditShown());
    grid->SetRowCount(3);
    grid->ControlEdit()->SetText("new");
    grid->EndCellControlEdit();
    EXPECT_FALSE(EditShown());
    EXPECT_EQ(log.back(), "done 1,4 e1 EDIT new");
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// The form controls of an HTML cell in a real window, driven by the display's pointer and keys: a
// click on the edit opens it over the control, typed text goes in with Tab, the combo drops down
// and takes a choice, Tab skips the check box to the password field and Enter writes it; a click on
// the check box ticks it.
TEST(GxGridCellControlWindow, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    ui::TForm form(nullptr);
    form.SetCaption("Grid form controls");
    form.SetBounds(100, 100, 420, 200);
    auto* grid = new TGxStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 400, 160);
    grid->SetColCount(2);
    grid->SetRowCount(3);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 340);
    grid->SetRowHeights(1, 30);
    grid->SetOptions(grid->Options() | ui::goEditing);
    grid->SetCells(1, 1, kForm);
    grid->OnControlComboList = [](TObject*, int, int, const std::string&, const std::string&, const std::string&,
                                  rtl::TStringList* items, bool&, int&) {
        for (const char* s : {"one", "two", "three"})
            items->Add(s);
    };
    grid->Loaded();
    form.Show();
    grid->SetFocus();
    ASSERT_TRUE(realinput::WaitShown(form));
    testsupport::Shot("60_form_cell");
    // The controls start a few pixels into the cell, 60 pixels wide each.
    const ui::TRect cell = grid->CellRect(1, 1);
    const int cx = cell.Left + 3, cy = (cell.Top + cell.Bottom) / 2;
    const auto value = [&](const char* id) {
        std::string v;
        return GetHTMLControlValue(grid->Cells(1, 1), id, v) ? v : "<none>";
    };

    realinput::Click(grid, cx + 20, cy);
    ASSERT_TRUE(realinput::WaitFor([&] { return grid->CellControlEditing(); }));
    testsupport::Shot("61_edit_open");
    realinput::Keys("ctrl+a");
    realinput::Type("typed");
    realinput::Keys("Tab");
    EXPECT_EQ(value("e1"), "typed");
    testsupport::Shot("62_combo_dropped");
    realinput::Keys("Escape");
    realinput::Keys("Down");
    realinput::Keys("Tab");
    EXPECT_EQ(value("c1"), "three");
    testsupport::Shot("63_password_open");
    realinput::Type("x");
    realinput::Keys("Return");
    EXPECT_NE(value("p1"), "pw");
    EXPECT_FALSE(grid->CellControlEditing());
    realinput::Click(grid, cx + 120 + 8, cy);
    testsupport::Shot("64_checked");
    EXPECT_EQ(value("k1"), "TRUE");
}

}  // namespace
}  // namespace gx
