// The editor controls of the string grid through the input path: list and edit combos (open,
// select, the item-0 fallback, commit keys, Escape, validation, wheel), spin, check box, edit with
// button, unit edit, date picker and push button, and a refused value while a control is open.
#include "GxGridEditFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGridEdit.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Regional.h"

namespace gx {
namespace {

class GxGridEditControls : public GxGridEdit {
protected:
    void Use(TEditorType kind)
    {
        grid->OnGetEditorType = [kind](TObject*, int ACol, int, TEditorType& e) {
            if (ACol == 1)
                e = kind;
        };
    }
    void Combo()
    {
        grid->ClearComboString();
        for (const char* s : {"Alpha", "Beta", "Gamma"})
            grid->AddComboString(s);
    }
};

TEST_F(GxGridEditControls, ListComboOpensOnTheCellsItemAndCommitsTheChosenOne)
{
    Use(edComboList);
    Combo();
    grid->SetCells(1, 1, "beta");  // items are found without regard to case
    Key(ui::VK_F2);
    TGridCombo* combo = grid->Combobox();
    ASSERT_TRUE(combo->Visible());
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(combo->ItemIndex(), 1);
    Key(ui::VK_DOWN);  // a list combo changes its item
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(grid->Row(), 1);
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(combo->Visible());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "Gamma");
    EXPECT_TRUE(grid->Focused());
    Flush();
    EXPECT_EQ(log, (std::vector<std::string>{"done", "cell done 1,1"}));
}

TEST_F(GxGridEditControls, ListComboFallsBackToTheFirstItemAndReportsIt)
{
    Use(edComboList);
    Combo();
    std::vector<std::string> changes;
    grid->OnComboChange = [&](TObject*, int c, int r, int i, const std::string& s) {
        changes.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + s);
    };
    grid->SetCells(1, 1, "unknown");
    Key(ui::VK_F2);
    EXPECT_EQ(grid->Combobox()->ItemIndex(), 0);
    EXPECT_EQ(changes, (std::vector<std::string>{"1,1 0 Alpha"}));
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(grid->Cells(1, 1), "unknown");

    // A fall-back item set by the program wins over the first item and reports nothing.
    grid->SetComboSelection(2);
    EXPECT_FALSE(grid->SetComboSelectionString("Delta"));
    changes.clear();
    Key(ui::VK_F2);
    EXPECT_EQ(grid->Combobox()->ItemIndex(), 2);
    EXPECT_TRUE(changes.empty());
}

TEST_F(GxGridEditControls, EscapeInAListComboKeepsTheCellsText)
{
    Use(edComboList);
    Combo();
    grid->SetCells(1, 1, "Alpha");
    Key(ui::VK_F2);
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Combobox()->Text(), "Beta");
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(grid->Combobox()->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "Alpha");
}

TEST_F(GxGridEditControls, EditComboStartsWithTheTypedCharacterAndCommitsOnUpDownAndTab)
{
    Use(edComboEdit);
    Combo();
    grid->SetOptions(grid->Options() | ui::goTabs);
    grid->SetRow(2);
    grid->SetCells(1, 2, "old");
    Type("x");
    Flush();  // the start character is posted to the combo
    TGridCombo* combo = grid->Combobox();
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Text(), "x");
    Type("yz");
    Key(ui::VK_UP);
    EXPECT_EQ(grid->Cells(1, 2), "xyz");
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_FALSE(combo->Visible());

    Key(ui::VK_F2);
    Type("down");
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Cells(1, 1), "down");
    EXPECT_EQ(grid->Row(), 2);

    Key(ui::VK_F2);
    Type("tab");
    Key(ui::VK_TAB, U'\t');
    EXPECT_EQ(grid->Cells(1, 2), "tab");
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(GxGridEditControls, RefusedComboValueKeepsTheComboOpen)
{
    Use(edComboEdit);
    Combo();
    grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
    Key(ui::VK_F2);
    Type("bad");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_TRUE(grid->Combobox()->Visible());
    EXPECT_EQ(grid->Combobox()->Text(), "bad");
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_FALSE(grid->GridModified());

    // Moving away from the cell in code is refused too, and Escape then restores the old text.
    grid->SetRow(3);
    EXPECT_EQ(grid->Row(), 1);
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(grid->Cells(1, 1), "old");
}

// Down out of an editor control in the last row appends one row (reported once, empty) and moves there.
TEST_F(GxGridEditControls, DownFromTheLastRowAppendsOneEmptyRow)
{
    Use(edComboEdit);
    Combo();
    grid->Navigation()->SetAppendOnArrowDown(true);
    std::vector<int> added;
    grid->OnAutoAddRow = [&](TObject*, int r) { added.push_back(r); };
    grid->SetCells(1, 5, "stale");  // text kept beyond the row count must not reappear
    grid->SetRow(4);
    Key(ui::VK_F2);
    Type("last");
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Cells(1, 4), "last");
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Cells(1, 5), "");
    EXPECT_EQ(added, (std::vector<int>{5}));
}

TEST_F(GxGridEditControls, WheelWithoutASelectedItemReportsTheText)
{
    Use(edComboEdit);
    Combo();
    std::vector<std::string> changes;
    grid->OnComboChange = [&](TObject*, int, int, int i, const std::string& s) {
        changes.push_back(std::to_string(i) + " " + s);
    };
    Key(ui::VK_F2);
    grid->Combobox()->Perform(ui::WM_MOUSEWHEEL, static_cast<std::uintptr_t>(ui::WHEEL_DELTA) << 16);
    grid->Combobox()->Perform(ui::WM_MOUSEWHEEL, static_cast<std::uintptr_t>(0x10000 - ui::WHEEL_DELTA) << 16);
    EXPECT_EQ(changes, (std::vector<std::string>{"-1 old", "0 Alpha"}));
}

TEST_F(GxGridEditControls, SpinKeysStepWithinTheLimitsAndUpLeavesTheCell)
{
    Use(edSpinEdit);
    grid->OnGetEditorProp = [this](TObject*, int, int, TObject*) { grid->SpinEdit()->MaxValue = 10; };
    grid->SetRow(2);
    grid->SetCells(1, 2, "10");
    Key(ui::VK_F2);
    TGridSpin* spin = grid->SpinEdit();
    ASSERT_TRUE(spin->Visible());
    EXPECT_EQ(spin->Value(), 10);
    Key(ui::VK_PRIOR);
    EXPECT_EQ(spin->Value(), 10);
    Key(ui::VK_END);
    EXPECT_EQ(spin->Value(), 0);
    Key(ui::VK_HOME);
    EXPECT_EQ(spin->Value(), 10);
    Key(ui::VK_NEXT);
    Key(ui::VK_UP);
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(grid->Cells(1, 2), "9");
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GxGridEditControls, CheckBoxEditorTogglesButNeverWritesTheCell)
{
    Use(edCheckBox);
    grid->SetCells(1, 1, "label");
    Key(ui::VK_F2);
    TGridCheckBox* box = grid->EditCheck();
    ASSERT_TRUE(box->Visible());
    EXPECT_EQ(box->Caption(), "label");
    EXPECT_FALSE(box->Checked());
    Key(ui::VK_SPACE, U' ');
    EXPECT_TRUE(box->Checked());
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(box->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "label");
}

TEST_F(GxGridEditControls, EditButtonPassesTheTextThroughTheEllipsisEvent)
{
    Use(edEditBtn);
    grid->OnEllipsClick = [](TObject*, int, int, std::string& s) { s += "!"; };
    Key(ui::VK_F2);
    TGridEditBtn* edit = grid->BtnEdit();
    ASSERT_TRUE(edit->Visible());
    edit->ButtonClick();
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "old!");
    EXPECT_EQ(edit->SelText(), "old!");
    edit->StopEditAfterClick = true;
    edit->ButtonClick();
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "old!!");
}

TEST_F(GxGridEditControls, EscapeInAUnitEditKeepsTheWholeText)
{
    Use(edUnitEditBtn);
    rtl::TStringList units;
    units.Add("mm");
    units.Add("cm");
    grid->BtnUnitEdit()->SetUnits(&units);
    grid->SetCells(1, 1, "12mm");
    Key(ui::VK_F2);
    TGridUnitEditBtn* edit = grid->BtnUnitEdit();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(edit->UnitID(), "mm");
    Type("5");
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "12mm");
}

TEST_F(GxGridEditControls, DatePickerTakesTheCellsDateAndEscapeKeepsIt)
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.ShortDateFormat = "dd.MM.yyyy";
    fs.DateSeparator = '.';
    rtl::TRegionalScope regional(fs);
    Use(edDateEdit);
    grid->SetCells(1, 1, "03.04.2020");
    Key(ui::VK_F2);
    TGridDatePicker* picker = grid->DateTimePicker();
    ASSERT_TRUE(picker->Visible());
    rtl::TDateTime expected = 0;
    ASSERT_TRUE(rtl::TryEncodeDate(2020, 4, 3, expected));
    EXPECT_EQ(static_cast<int>(picker->DateTime()), static_cast<int>(expected));
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "03.04.2020");
}

TEST_F(GxGridEditControls, EscapeOnAPushButtonKeepsTheCellsText)
{
    Use(edButton);
    grid->SetCells(1, 1, "press");
    Key(ui::VK_F2);
    ASSERT_TRUE(grid->Btn()->Visible());
    EXPECT_EQ(grid->Btn()->Caption(), "press");
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(grid->Btn()->Visible());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "press");
}

TEST_F(GxGridEditControls, FixedCellEditEndsOnLeavingAndARefusalKeepsTheEditor)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
    grid->SetCells(1, 0, "Header");
    TGridTransEdit* edit = grid->EditTrans();
    auto open = [&](const std::string& text) {
        edit->FCol = 1;
        edit->FRow = 0;
        edit->SetText(text);
        edit->SetVisible(true);
        edit->SetFocus();
    };
    open("bad");
    grid->SetCol(2);
    grid->SetFocus();  // leaving with a refused value: the editor keeps the focus
    EXPECT_TRUE(edit->Visible());
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Cells(1, 0), "Header");
    EXPECT_TRUE(log.empty());

    edit->SetText("Name");
    Key(ui::VK_RETURN, U'\r');  // Enter does not end a fixed-cell edit
    EXPECT_TRUE(edit->Visible());
    grid->SetFocus();
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(grid->Cells(1, 0), "Name");
    EXPECT_EQ(log, (std::vector<std::string>{"done"}));
}

TEST_F(GxGridEditControls, CellControlEditEndsOnEnterAndTabOnce)
{
    TControlEdit* edit = grid->ControlEdit();
    int exits = 0;
    edit->OnExit = [&](TObject*) { ++exits; };
    for (char32_t key : {U'\r', U'\t'}) {
        exits = 0;
        edit->SetVisible(true);
        edit->SetFocus();
        Key(key == U'\r' ? ui::VK_RETURN : ui::VK_TAB, key);
        EXPECT_TRUE(grid->Focused());
        EXPECT_GE(exits, 1);
    }
    EXPECT_EQ(grid->Col(), 1);  // without AdvanceAuto, Tab stays in the cell
}

}  // namespace
}  // namespace gx

namespace gx {
namespace {

// A control shown in a cell follows its cell when the grid scrolls: hidden while the cell is out
// of view, back one pixel up and left of the cell and one pixel larger when it returns.
TEST_F(GxGridEdit, ACellControlFollowsItsCellOutOfViewAndBack)
{
    grid->SetRowCount(60);
    auto* box = new ui::TCheckBox(&form);
    grid->SetCellControls(1, 3, box);
    grid->SetTopRow(20);
    EXPECT_FALSE(box->Visible());
    grid->SetTopRow(2);
    ASSERT_TRUE(box->Visible());
    const ui::TRect cell = grid->CellRect(1, 3);
    EXPECT_EQ(box->Left(), cell.Left - 1);
    EXPECT_EQ(box->Top(), cell.Top - 1);
    EXPECT_EQ(box->Width(), cell.Width() + 1);
    EXPECT_EQ(box->Height(), cell.Height() + 1);

    // The list rebuilt from the cell properties finds the same control.
    grid->CellControlsUpdate(true);
    EXPECT_EQ(grid->NumCellControls(), 1);
    grid->SetTopRow(30);
    EXPECT_FALSE(box->Visible());
}

}  // namespace
}  // namespace gx
