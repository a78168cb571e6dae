// The grid drop-down: settings after construction, the entry and its stepping, opening on the
// entry, choosing, cancelling and the wheel, the window's height and fitted columns, completion and
// the look-up of typed characters, a list the program fills, presets, and a picture of the list.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../dropdown/DropDownFixture.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/griddropdown/GxGridDropDown.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/Render.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

class GridDropDown : public DropDownFixture<TCustomGxGridDropDown> {
protected:
    GridDropDown()
    {
        edit->OnSelect = [this](ui::TObject*) { log.push_back("select " + edit->Text()); };
    }
    ~GridDropDown() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }

    void Columns(std::initializer_list<int> widths)
    {
        for (int w : widths) {
            auto* c = edit->Columns()->Add();
            c->Width = w;
            c->Header = "Column " + std::to_string(edit->Columns()->Count());
        }
    }
    // One item per row, its texts by column (separated by '|').
    void Add(std::initializer_list<std::string> rows)
    {
        for (const std::string& s : rows) {
            rtl::TStringList texts;
            for (std::size_t at = 0;;) {
                const std::size_t bar = s.find('|', at);
                texts.Add(s.substr(at, bar == std::string::npos ? std::string::npos : bar - at));
                if (bar == std::string::npos)
                    break;
                at = bar + 1;
            }
            edit->Items()->Add()->SetText(texts);
        }
        edit->EndUpdate();
    }
    void Press(const std::string& letters)
    {
        for (char c : letters)
            ui::SendKeyStroke(edit, static_cast<unsigned>(std::toupper(static_cast<unsigned char>(c))), 0,
                              static_cast<char32_t>(c));
    }
    std::string Selected() const { return edit->Text().substr(edit->SelStart(), edit->SelLength()); }
    griddrop::TGxColGrid* Grid() const { return edit->GetGrid(); }

    std::vector<std::string> log;
};

}  // namespace

TEST_F(GridDropDown, SettingsAfterConstruction)
{
    EXPECT_EQ(edit->Columns()->Count(), 0);
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(edit->LineColor(), 0xF1EDEBu);
    EXPECT_EQ(edit->FixedLineColor(), 0xD1BBA4u);
    EXPECT_EQ(edit->HeaderFont()->Color(), 0x723708u);
    EXPECT_EQ(edit->DropDownHeight(), 200);
    EXPECT_EQ(edit->Version(), "6.0.1.1");
    ASSERT_NE(Grid(), nullptr);
}

TEST_F(GridDropDown, OpensOnTheEntryEnterKeepsItEscapeRestores)
{
    Columns({80, 80});
    Add({"Alpha|1", "Beta|2", "Gamma|3", "Delta|4"});
    edit->SetItemIndex(2);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(Grid()->Cells(0, 0), "Column 1");
    Key(ui::VK_RETURN);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_EQ(edit->Text(), "Gamma");

    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 3) << "the edit follows the list";
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_EQ(edit->Text(), "Gamma");

    log.clear();
    edit->ShowDropDown();
    Key(ui::VK_UP);
    Key(ui::VK_RETURN);
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"select Beta"}));
}

TEST_F(GridDropDown, WheelMovesTheRowNotTheEntryAndAClickOutsideKeepsIt)
{
    Columns({80});
    Add({"a", "b", "c", "d"});
    edit->SetItemIndex(1);
    edit->ShowDropDown();
    ui::SendMouseWheel(Grid(), -120, 5, 40);
    EXPECT_EQ(edit->Text(), "b");
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 380, 280, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 380, 280);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 1);
}

TEST_F(GridDropDown, AClickChoosesTheRowOrKeepsAnEditableListOpen)
{
    Columns({80, 80});
    Add({"Alpha|1", "Beta|2", "Gamma|3"});
    for (bool editable : {false, true}) {
        SCOPED_TRACE(editable ? "editable" : "plain");
        edit->SetItemIndex(0);
        edit->SetGridEditable(editable);
        edit->ShowDropDown();
        const ui::TRect r = Grid()->CellRect(0, 3);
        ui::SendMouseDown(Grid(), ui::TMouseButton::mbLeft, r.Left + 3, r.Top + 3);
        ui::SendMouseUp(Grid(), ui::TMouseButton::mbLeft, r.Left + 3, r.Top + 3);
        EXPECT_EQ(edit->ItemIndex(), 2);
        EXPECT_EQ(edit->Text(), "Gamma");
        EXPECT_EQ(edit->DroppedDown(), editable);
        edit->HideDropDown(false);
    }
}

TEST_F(GridDropDown, WindowHoldsWholeRowsAndColumnsFitItsWidth)
{
    Columns({80, 80, 80});
    Add({"a", "b"});
    edit->SetAutoSizeColumns(false);
    edit->SetDropDownAutoWidth(false);
    struct Case {
        int width;
        std::vector<int> expected;
    };
    for (const Case& c : {Case{241, {80, 80, 80}}, Case{300, {100, 100, 100}}}) {
        edit->SetDropDownWidth(c.width);
        edit->ShowDropDown();
        EXPECT_EQ(edit->DropDownForm()->Height(), 25 + 2 + 7 * 22 + 4);
        std::vector<int> widths;
        for (int i = 0; i < 3; ++i)
            widths.push_back(Grid()->ColWidths(i));
        EXPECT_EQ(widths, c.expected) << c.width;
        edit->HideDropDown(true);
    }
}

TEST_F(GridDropDown, TypingCompletesFromTheItems)
{
    Columns({80});
    Add({"Apple", "Banana", "Cherry"});
    Press("b");
    EXPECT_EQ(edit->Text(), "Banana");
    EXPECT_EQ(Selected(), "anana");
    EXPECT_EQ(edit->ItemIndex(), 1);
    Press("x");
    EXPECT_EQ(edit->Text(), "Bx") << "the release of b gave the item's own text; x replaces the tail";
    EXPECT_EQ(edit->ItemIndex(), 1);
}

TEST_F(GridDropDown, WithoutTypingACharacterLooksUpOrStartsAgain)
{
    Columns({80});
    Add({"Apple", "Banana", "Cherry"});
    edit->SetStyle(TDropDownStyle::dsDropDownList);
    EXPECT_FALSE(edit->EditorEnabled());
    Press("b");
    EXPECT_EQ(edit->Text(), "Banana");
    EXPECT_EQ(edit->ItemIndex(), 1);
    Press("x");
    EXPECT_EQ(edit->Text(), "Banana");
    EXPECT_EQ(edit->LookupEntry(), "") << "no entry starts with x either";
    Press("c");
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_EQ(edit->LookupEntry(), "c");
}

TEST_F(GridDropDown, TypingInTheOpenListMovesToTheFoundRow)
{
    Columns({80});
    Add({"Apple", "Banana", "Blueberry", "Cherry"});
    edit->ShowDropDown();
    Press("bl");
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(edit->Text(), "Blueberry");
    EXPECT_EQ(Selected(), "ueberry");
    Key(ui::VK_RETURN);
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(GridDropDown, KeysOfTheClosedEditStepThroughTheEntries)
{
    Columns({80});
    for (int i = 0; i < 100; ++i)
        Add({"item " + std::to_string(i)});
    struct Case {
        unsigned key;
        TDropDownStyle style;
        int from, expected;
    };
    const auto typed = TDropDownStyle::dsDropDown, list = TDropDownStyle::dsDropDownList;
    const Case cases[] = {
        {ui::VK_NEXT, typed, 95, 99},  {ui::VK_NEXT, typed, -1, 0},  {ui::VK_PRIOR, typed, 5, 0},
        {ui::VK_PRIOR, typed, 50, 40}, {ui::VK_DOWN, typed, 99, 99}, {ui::VK_UP, typed, -1, 0},
        {ui::VK_HOME, typed, 50, 50},  {ui::VK_HOME, list, 50, 0},   {ui::VK_END, list, 50, 99},
    };
    for (const Case& c : cases) {
        edit->SetStyle(c.style);
        edit->SetItemIndex(c.from);
        Key(c.key);
        EXPECT_EQ(edit->ItemIndex(), c.expected) << "key " << c.key << " from " << c.from;
    }
}

TEST_F(GridDropDown, AListTheProgramFills)
{
    edit->SetUseItems(false);
    edit->SetLookupColumn(1);
    griddrop::TGxColGrid* g = Grid();
    g->SetColCount(2);
    g->SetRowCount(4);
    const char* names[] = {"Red", "Green", "Blue"};
    for (int r = 1; r <= 3; ++r) {
        g->SetCells(0, r, std::to_string(r));
        g->SetCells(1, r, names[r - 1]);
    }
    EXPECT_EQ(edit->GetEntryCount(), 3);
    edit->SetItemIndex(1);
    EXPECT_EQ(edit->Text(), "Green");
    std::string text;
    int row = -1;
    ASSERT_TRUE(edit->FindLookupText("bl", text, row));
    EXPECT_EQ(text, "Blue");
    EXPECT_EQ(row, 3);
    edit->SetText("Blue");
    edit->ShowDropDown();
    EXPECT_EQ(g->Row(), 3) << "the list opens on the row of the text";
    EXPECT_GE(edit->Columns()->Count(), 2) << "columns for the program's grid";
    Key(ui::VK_UP);
    Key(ui::VK_RETURN);
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "Green");
}

TEST_F(GridDropDown, PresetsSetTheListColours)
{
    edit->SetComponentStyle(gx::TGxStyle::tsOffice2003Blue);
    EXPECT_EQ(edit->HeaderColor(), 0xD68759u);
    EXPECT_EQ(edit->HeaderFont()->Color(), 0xFFFFFFu);
    EXPECT_EQ(edit->LineColor(), 0x962D00u) << "the table's line colours win over the selection style's";
    edit->SetComponentStyle(gx::TGxStyle::tsTerminal);
    EXPECT_EQ(edit->SelectionColor(), ui::clHighlight);
    EXPECT_EQ(edit->SelectionTextColor(), ui::clHighlightText);
    edit->SetSelectionColorStyle(TSelectionColorStyle::scWindowsVista);
    EXPECT_EQ(edit->LineColor(), 0xECECF0u);
}

TEST_F(GridDropDown, OpenListPicture)
{
    Columns({60, 100});
    Add({"1|Alpha", "2|Beta", "3|Gamma", "4|Delta"});
    edit->SetItemIndex(1);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    const std::string file = std::string(CFG_BIN_DIR) + "/dropdown_gridlist.png";
    std::filesystem::remove(file);
    ASSERT_TRUE(ui::RenderToPng(*edit->DropDownForm(), file));
}

TEST_F(GridDropDown, TheListsEventsReachTheProgramAfterTheColumnsSettings)
{
    Columns({80, 80});
    edit->Columns()->GetItem(1)->Color = 0x00FF00;
    edit->Columns()->GetItem(1)->Alignment = ui::TAlignment::taRightJustify;
    Add({"a|1", "b|2"});
    std::vector<std::string> events;
    edit->OnGridMouseDown = [&](ui::TObject* sender, ui::TMouseButton, ui::TShiftState, int, int) {
        events.push_back(sender == Grid() ? "down from the list" : "down from elsewhere");
    };
    edit->OnGridGetCellColor = [&](ui::TObject*, int row, int, ui::TGridDrawState, ui::TBrush* brush, ui::TFont*) {
        if (row == 2)
            brush->SetColor(0x0000FF);
    };
    edit->ShowDropDown();
    ui::TBrush brush;
    ui::TFont font;
    Grid()->GetCellColor(1, 1, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), 0x00FF00u) << "the column's colour";
    Grid()->GetCellColor(1, 2, 0, &brush, &font);
    EXPECT_EQ(brush.Color(), 0x0000FFu) << "then the program's";
    gx::THAlignment h = ui::TAlignment::taLeftJustify;
    gx::TVAlignment v{};
    Grid()->GetCellAlignment(1, 1, h, v);
    EXPECT_EQ(h, ui::TAlignment::taRightJustify);
    const ui::TRect r = Grid()->CellRect(0, 1);
    ui::SendMouseDown(Grid(), ui::TMouseButton::mbRight, r.Left + 2, r.Top + 2);
    EXPECT_EQ(events, (std::vector<std::string>{"down from the list"}));
}

namespace {

TEST_F(GridDropDown, NarrowingKeepsTheRowsContainingTheTypedTextUntilItIsEmptyAgain)
{
    Columns({80});
    Add({"Apple", "Banana", "Cherry", "Mango"});
    edit->SetLookupMethod(TLookupMethod::lmNarrowDown);
    edit->ShowDropDown();
    auto* list = edit->GetGrid();
    const auto rows = [&] {
        std::vector<std::string> r;
        for (int i = list->FixedRows(); i < list->FixedRows() + list->DataRowsLeft(); ++i)
            r.push_back(list->Cells(0, i));
        return r;
    };
    Press("a");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Apple", "Banana", "Mango"}));
    Press("n");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Banana", "Mango"}));
    EXPECT_EQ(list->Row(), list->FixedRows());
    EXPECT_EQ(edit->Text().substr(0, 6), "Banana");
    // The rows remember their items: choosing the second remaining row takes Mango.
    EXPECT_EQ(list->RowToItem(list->FixedRows() + 1), 3);
    ui::SendKeyStroke(edit, ui::VK_BACK, 0, 8);
    ui::SendKeyStroke(edit, ui::VK_BACK, 0, 8);
    EXPECT_EQ(list->DataRowsLeft(), 4);
    Press("x");
    EXPECT_EQ(list->DataRowsLeft(), 0);
    EXPECT_EQ(list->RowCount(), list->FixedRows() + 1);  // one blank row stays
}

}  // namespace
