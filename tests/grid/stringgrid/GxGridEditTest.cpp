// Inplace editing of the string grid through the input path (key down, character, key up): the
// text editor started by typing, F2, Enter and Escape; the end-of-edit events; validation with
// refusal and replacement; editable and read-only cells; the character filters and pasting.
#include "GxGridEditFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/GxGridEdit.h"
#include "platform/rtl/Regional.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace gx {
namespace {

TEST_F(GxGridEdit, TypingStartsAnEditWithTheCharacterAfterOnKeyPress)
{
    grid->OnKeyPress = [this](TObject*, char32_t& key) { log.push_back(key == U'é' ? "key é" : "key other"); };
    grid->OnEditChange = [this](TObject*, int, int, const std::string& v) { log.push_back("change " + v); };
    Type("é");
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(EditorText(), "é");
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "key é");
    EXPECT_EQ(log[1], "change é");
    Type("té");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "été");
}

TEST_F(GxGridEdit, EditingDoneComesOnceAndTheCellDoneOnlyWhenMessagesRun)
{
    Key(ui::VK_F2);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(EditorText(), "old");
    Type("new");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_EQ(log, (std::vector<std::string>{"done"}));
    Flush();
    EXPECT_EQ(log, (std::vector<std::string>{"done", "cell done 1,1"}));
    EXPECT_EQ(grid->Cells(1, 1), "new");
    Flush();
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(GxGridEdit, EscapePutsBackTheTextTheCellHadWhenTheEditBegan)
{
    Key(ui::VK_F2);
    Type("typed");
    EXPECT_EQ(grid->Cells(1, 1), "typed");  // the cell follows the editor while typing
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "old");
    Flush();
    EXPECT_EQ(log, (std::vector<std::string>{"done", "cell done 1,1"}));
}

TEST_F(GxGridEdit, RefusedValueKeepsTheEditorAndMarksNothingModified)
{
    std::vector<std::string> validated;
    grid->OnCellValidate = [&](TObject*, int c, int r, std::string& v, bool& valid) {
        validated.push_back(std::to_string(c) + "," + std::to_string(r) + " " + v);
        valid = v != "bad";
    };
    Key(ui::VK_F2);
    Type("bad");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_EQ(validated, (std::vector<std::string>{"1,1 bad"}));
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(EditorText(), "bad");
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_FALSE(grid->GridModified());
    EXPECT_FALSE(grid->RowModified(1));
    Flush();
    EXPECT_TRUE(log.empty());  // the edit goes on: no end reported

    // Escape after the refusal restores the text the cell had before the edit.
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(grid->Cells(1, 1), "old");

    Key(ui::VK_F2);
    Type("good");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "good");
    EXPECT_TRUE(grid->GridModified());
    EXPECT_TRUE(grid->RowModified(1));
}

TEST_F(GxGridEdit, ValidationReplacesTheValue)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
        if (v == "lower")
            v = "UPPER";  // accepted, replaced
        else if (v == "wrong")
            v = "suggested", valid = false;  // refused with a replacement
    };
    Key(ui::VK_F2);
    Type("lower");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_EQ(grid->Cells(1, 1), "UPPER");

    Key(ui::VK_F2);
    Type("wrong");
    Key(ui::VK_RETURN, U'\r');
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(EditorText(), "suggested");  // shown for the user to take or change
    EXPECT_EQ(grid->Cells(1, 1), "UPPER");
    Key(ui::VK_RETURN, U'\r');
    EXPECT_EQ(grid->Cells(1, 1), "suggested");
}

TEST_F(GxGridEdit, UpAndDownValidateBeforeTheRowChanges)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
    Key(ui::VK_F2);
    Type("bad");
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(grid->EditorMode());
    Key(ui::VK_ESCAPE, 27);
    Key(ui::VK_F2);
    Type("fine");
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "fine");
}

TEST_F(GxGridEdit, MovingBetweenEditableAndReadOnlyCellsTogglesEditing)
{
    int asked = 0;
    grid->OnCanEditCell = [&](TObject*, int, int ACol, bool& can) {
        ++asked;
        can = ACol != 2;
    };
    grid->SetCells(2, 1, "fixed");
    Key(ui::VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_FALSE(grid->Options() & ui::goEditing);
    Type("x");
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 1), "fixed");
    const int askedBefore = asked;
    Key(ui::VK_LEFT);
    EXPECT_TRUE(grid->Options() & ui::goEditing);
    EXPECT_GT(asked, askedBefore);
    Type("y");
    EXPECT_TRUE(grid->EditorMode());
}

TEST_F(GxGridEdit, OnRowUpdateReportsOnlyAcceptedMoves)
{
    std::vector<std::string> rows;
    grid->OnRowUpdate = [&](TObject*, int o, int n) { rows.push_back(std::to_string(o) + ">" + std::to_string(n)); };
    bool allow = false;
    grid->OnRowChanging = [&](TObject*, int, int, bool& a) { a = allow; };
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(rows.empty());
    allow = true;
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    EXPECT_EQ(grid->Row(), 3);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], "2>3");
}

TEST_F(GxGridEdit, NoneEditorAndClickControlCellsNeverEdit)
{
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& e) {
        if (ACol == 1)
            e = edNone;
    };
    Key(ui::VK_F2);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(grid->EditMode());
    grid->OnGetEditorType = nullptr;
    grid->CreateCellGraphic(1, 1)->CellType = ctCheckBox;
    EXPECT_TRUE(grid->IsClickControlCell(1, 1));
    grid->ShowInplaceEdit();
    EXPECT_FALSE(grid->EditorMode());
}

// --- character filters --------------------------------------------------------------------------------

struct FilterCase {
    const char* name;
    TEditorType kind;
    const char* typed;
    const char* expected;
    int beeps;
};

class GxGridEditFilter : public GxGridEdit, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(GxGridEditFilter, TypedCharactersPassTheKindsFilter)
{
    const FilterCase& c = GetParam();
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ".";
    rtl::TRegionalScope regional(fs);
    grid->SetCells(1, 1, "");
    grid->DefaultEditor = c.kind;
    grid->ValidChars = "01";
    Key(ui::VK_F2);
    const int before = ui::MessageBeepCount();
    Type(c.typed);
    EXPECT_EQ(EditorText(), c.expected);
    EXPECT_EQ(ui::MessageBeepCount() - before, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(EditorKinds, GxGridEditFilter,
                         ::testing::Values(FilterCase{"NumericOneMinusAtTheStart", edNumeric, "-1-2a", "-12", 2},
                                           FilterCase{"PositiveNumericBeepsOnMinus", edPositiveNumeric, "-5", "5", 1},
                                           FilterCase{"FloatOneDecimalSeparatorNoThousands", edFloat, "1,2,3.4",
                                                      "1,234", 0},
                                           FilterCase{"FloatDropsLettersSilently", edFloat, "1x", "1", 0},
                                           FilterCase{"UpperCaseBeyondAscii", edUpperCase, "abé", "ABÉ", 0},
                                           FilterCase{"LowerCase", edLowerCase, "AbC", "abc", 0},
                                           FilterCase{"ValidCharsOnly", edValidChars, "0a1", "01", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GxGridEdit, LengthLimitStopsTypingAtTheLimit)
{
    grid->SetMaxEditLength(3);
    grid->SetCells(1, 1, "");
    Key(ui::VK_F2);
    Type("abcd");
    EXPECT_EQ(EditorText(), "abc");
}

TEST_F(GxGridEdit, KeypadDecimalKeyTypesTheRegionalSeparator)
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = "";
    rtl::TRegionalScope regional(fs);
    grid->ExcelStyleDecimalSeparator = true;
    grid->SetCells(1, 1, "");
    Key(ui::VK_F2);
    Type("1");
    ui::SendKeyStroke(ui::FindFocusedControl(), ui::VK_DECIMAL, 0, U'.', ui::KeyDataOfScanCode(ui::SC_DECIMAL));
    Type("5.");
    EXPECT_EQ(EditorText(), "1,5.");
}

struct PasteCase {
    const char* name;
    TEditorType kind;
    const char* clip;
    const char* expected;
};

class GxGridEditPaste : public GxGridEdit, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(GxGridEditPaste, PastedTextFollowsTheKindsRule)
{
    const PasteCase& c = GetParam();
    grid->DefaultEditor = c.kind;
    grid->ValidChars = "01";
    grid->SetCells(1, 1, "");
    Key(ui::VK_F2);
    ui::Clipboard()->SetAsText(c.clip);
    grid->InplaceEditor()->Perform(ui::WM_PASTE);
    EXPECT_EQ(EditorText(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(EditorKinds, GxGridEditPaste,
                         ::testing::Values(PasteCase{"NumberWithTrailingLineBreak", edNumeric, "12\r\n", "12"},
                                           PasteCase{"LineBreakInsideIsRefused", edNumeric, "1\r\n2", ""},
                                           PasteCase{"ValidCharsRefuseOthers", edValidChars, "0120", ""},
                                           PasteCase{"NormalTakesAnything", edNormal, "a b", "a b"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gx
