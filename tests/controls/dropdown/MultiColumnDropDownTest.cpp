// The multi-column drop-down: the item index and its text, completion while typing, the keys of
// the edit, the search in the open table, choosing and cancelling, the window's size and the
// columns fitted to it, the presets, and a picture of the open table.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxColGrid.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxMultiColumnDropDown.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/Render.h"

using namespace dropdown;
using namespace dropdown_test;
using dropdown::multicolumn::TColumnType;

namespace {

class MultiColumn : public DropDownFixture<TGxMultiColumnDropDown> {
protected:
    MultiColumn()
    {
        edit->OnSelect = [this](ui::TObject*) { log.push_back("select " + edit->Text()); };
    }
    ~MultiColumn() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }

    void Columns(std::initializer_list<int> widths)
    {
        for (int w : widths) {
            auto* c = edit->Columns()->Add();
            c->Width = w;
            c->Header = "H" + std::to_string(edit->Columns()->Count());
            UseTestFont(*c->Font());
        }
    }
    // One item per row, its texts by column (separated by '|').
    void Add(std::initializer_list<const char*> rows)
    {
        for (const char* row : rows) {
            rtl::TStringList texts;
            std::string s = row;
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
    // Keys with their characters, as typed.
    void Press(const std::string& letters)
    {
        for (char c : letters)
            ui::SendKeyStroke(edit, static_cast<unsigned>(std::toupper(static_cast<unsigned char>(c))), 0,
                              static_cast<char32_t>(c));
    }
    std::string Selected() const { return edit->Text().substr(edit->SelStart(), edit->SelLength()); }
    multicolumn::TGxColGrid* Grid() const { return edit->Grid(); }

    std::vector<std::string> log;
};

}  // namespace

TEST_F(MultiColumn, ItemIndexSetsTheLookupTextOrIsIgnored)
{
    Columns({80, 80});
    Add({"1|One", "2", "3|Three"});
    edit->SetLookupColumn(1);
    edit->SetItemIndex(0);
    EXPECT_EQ(edit->Text(), "One");
    edit->SetItemIndex(3);
    EXPECT_EQ(edit->ItemIndex(), 0) << "an index at the count is ignored";
    edit->SetItemIndex(1);
    EXPECT_EQ(edit->Text(), "") << "an item without the lookup column has no text";
    edit->SetItemIndex(-3);
    EXPECT_EQ(edit->ItemIndex(), -3);
    EXPECT_EQ(edit->Text(), "");
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 0);
    EXPECT_EQ(edit->GetItemIndex("Three"), 2);
    EXPECT_EQ(edit->GetItemIndex("three"), -1);
    EXPECT_EQ(edit->GetItemIndex(""), 1) << "a missing text reads as empty";
}

TEST_F(MultiColumn, KeysOfTheClosedEditStepThroughTheItems)
{
    Columns({80});
    Add({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
    struct Case {
        unsigned key;
        bool editor;
        int from, expected;
    };
    const Case cases[] = {
        {ui::VK_DOWN, true, -1, 0}, {ui::VK_DOWN, true, 11, 11},     {ui::VK_UP, true, -1, 0},
        {ui::VK_UP, true, 0, 0},    {ui::VK_UP, true, 5, 4},         {ui::VK_NEXT, true, 5, 11},
        {ui::VK_NEXT, true, -1, 0}, {ui::VK_PRIOR, true, 12 - 1, 1}, {ui::VK_PRIOR, true, 3, 0},
        {ui::VK_END, true, 3, 3},   {ui::VK_END, false, 3, 11},      {ui::VK_HOME, false, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " from " << c.from);
        edit->SetEditorEnabled(c.editor);
        edit->SetItemIndex(c.from);
        Key(c.key);
        EXPECT_EQ(edit->ItemIndex(), c.expected);
    }
}

TEST_F(MultiColumn, TypingCompletesFromTheLookupListOfTheLastEndUpdate)
{
    Columns({80});
    Add({"Alpha", "Beta", "beta"});
    Press("b");
    EXPECT_EQ(edit->Text(), "Beta") << "the key's release applies the item's own text";
    EXPECT_EQ(Selected(), "eta");
    EXPECT_EQ(edit->ItemIndex(), 1);

    edit->SetText("");
    edit->SetMatchCase(true);
    Press("b");
    EXPECT_EQ(edit->Text(), "beta");
    EXPECT_EQ(edit->ItemIndex(), 2);

    edit->SetText("");
    edit->SetMatchCase(false);
    rtl::TStringList texts;
    texts.Add("Gamma");
    edit->Items()->Add()->SetText(texts);
    Press("g");
    EXPECT_EQ(edit->Text(), "g") << "not offered before EndUpdate";
    edit->SetText("");
    edit->EndUpdate();
    Press("g");
    EXPECT_EQ(edit->Text(), "Gamma");
    EXPECT_EQ(edit->ItemIndex(), 3);
}

TEST_F(MultiColumn, EscapeWithATextOfNoItemClearsIt)
{
    Columns({80});
    Add({"Alpha", "Beta"});
    edit->SetItemIndex(1);
    edit->SetText("zz");
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(edit->Text(), "");
    edit->SetText("alpha");
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->ItemIndex(), 0) << "the lookup ignores case";
    EXPECT_EQ(edit->Text(), "Alpha");
}

TEST_F(MultiColumn, TypingInTheOpenTableSearchesTheLookupColumn)
{
    Columns({40, 80});
    edit->SetLookupColumn(1);
    Add({"1|Banana", "2|alder", "3|Almond", "4|!bang", "5|(paren", "6|$cash"});
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    Press("al");
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "alder");
    EXPECT_EQ(Selected(), "der");
    EXPECT_EQ(Grid()->Row(), 2);
    Press("m");
    EXPECT_EQ(edit->ItemIndex(), 2) << "the longer search finds the next item";
    Press("b");
    EXPECT_EQ(edit->ItemIndex(), 0) << "a character that extends no match starts another item";
    EXPECT_EQ(edit->SearchText(), "b");
    for (const char* punctuation : {"!", "(", "$"}) {
        Press(punctuation);
        EXPECT_EQ(edit->Text().substr(0, 1), punctuation);
    }
    edit->SetCaseSensitive(true);
    Press("x");
    Press("B");
    EXPECT_EQ(edit->ItemIndex(), 0);
    Press("a");
    EXPECT_EQ(edit->SearchText(), "Ba");
    Key(ui::VK_RETURN);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 0);
}

TEST_F(MultiColumn, ChoosingClosesAndCancellingRestores)
{
    Columns({80, 80});
    Add({"Alpha|1", "Beta|2", "Gamma|3"});
    edit->SetItemIndex(0);

    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 1) << "the edit follows the table";
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 0);
    EXPECT_EQ(edit->Text(), "Alpha");

    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"select Gamma"}));

    log.clear();
    edit->ShowDropDown();
    const ui::TRect r = Grid()->CellRect(1, 2);
    ui::SendMouseDown(Grid(), ui::TMouseButton::mbLeft, r.Left + 3, r.Top + 3);
    ui::SendMouseUp(Grid(), ui::TMouseButton::mbLeft, r.Left + 3, r.Top + 3);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"select Beta"}));
}

TEST_F(MultiColumn, WheelInTheOpenTableThenAClickOutsideKeepsTheItem)
{
    Columns({80});
    Add({"a", "b", "c", "d"});
    edit->SetItemIndex(1);
    edit->ShowDropDown();
    ui::SendMouseWheel(Grid(), -120, 5, 30);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 380, 280, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 380, 280);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "b");
}

TEST_F(MultiColumn, CancelWithoutAnItemKeepsTheTypedText)
{
    Columns({80});
    Add({"Alpha", "Beta"});
    edit->SetText("free text");
    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(edit->Text(), "free text");
}

TEST_F(MultiColumn, WindowHoldsWholeRowsAndColumnsFitItsWidth)
{
    Columns({80, 80, 80});
    Add({"a", "b"});
    edit->SetDropDownAutoWidth(false);
    edit->SetDropDownWidth(200);
    edit->ShowDropDown();
    EXPECT_EQ(edit->DropDownForm()->Height(), 25 + 2 + 7 * 22);
    EXPECT_EQ(Grid()->ColWidths(0), 66);
    EXPECT_EQ(Grid()->ColWidths(1), 66);
    EXPECT_EQ(Grid()->ColWidths(2), 67) << "the carry passes 1 at the third column";
    EXPECT_EQ(edit->Columns()->GetItem(0)->Width, 80) << "the columns themselves keep their widths";
    edit->HideDropDown(true);

    edit->SetDropDownRowHeight(0);
    edit->ShowDropDown();
    EXPECT_GT(edit->DropDownForm()->Height(), 0) << "a row height of 0 leaves the height as proposed";
}

TEST_F(MultiColumn, WithoutItemsTheTableHasOneRowAndNoFixedRow)
{
    Columns({80});
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    EXPECT_EQ(Grid()->RowCount(), 1);
    EXPECT_EQ(Grid()->FixedRows(), 0);
    Key(ui::VK_RETURN);
    EXPECT_EQ(edit->ItemIndex(), -1);
}

TEST_F(MultiColumn, AutoWidthTakesTheColumnsAndAutoSizeTheWidestCell)
{
    Columns({50, 70});
    edit->Columns()->GetItem(1)->AutoSize = true;
    Add({"a|short", "b|a much longer text"});
    edit->ShowDropDown();
    ui::TCanvas measure;
    UseTestFont(*measure.Font());
    const int widest = measure.TextWidth("a much longer text") + 6;
    EXPECT_NEAR(Grid()->Columns()->GetItem(1)->Width, widest, 1);
    EXPECT_EQ(edit->Columns()->GetItem(1)->Width, 70) << "the table measures its own copy";
    EXPECT_EQ(edit->DropDownForm()->Width(), 1 + 50 + Grid()->Columns()->GetItem(1)->Width + 1);
}

TEST_F(MultiColumn, PresetsAndSelectionStylesSetTheTableColours)
{
    EXPECT_EQ(edit->LineColor(), 0xF1EDEBu);
    EXPECT_EQ(edit->FixedLineColor(), 0xD1BBA4u);
    edit->SetSelectionColorStyle(TSelectionColorStyle::scWindows7);
    EXPECT_EQ(edit->LineColor(), 0xECECF0u);
    edit->SetComponentStyle(gx::TGxStyle::tsOffice2010Black);
    EXPECT_EQ(edit->HeaderColor(), 0x828282u);
    EXPECT_EQ(edit->HeaderColorTo(), ui::clNone);
    EXPECT_EQ(edit->HeaderFont()->Color(), 0xD7D7D6u);
    EXPECT_EQ(edit->SelectionColor(), 0x6CD0FFu);
    EXPECT_EQ(edit->LineColor(), 0xEEDDCFu);
    edit->SetComponentStyle(gx::TGxStyle::tsWindowsXP);
    EXPECT_EQ(edit->SelectionTextColor(), ui::clHighlightText);
    EXPECT_EQ(edit->FixedLineColor(), 0u);
}

TEST_F(MultiColumn, AssignCopiesTableItemsAndIndex)
{
    Columns({30, 60});
    Add({"1|One", "2|Two"});
    edit->SetLookupColumn(1);
    edit->SetItemIndex(1);
    edit->SetHeaderColor(0x123456);
    edit->HeaderFont()->SetColor(0x0000FF);
    TGxMultiColumnDropDown copy(form.get());
    copy.Assign(*edit);
    EXPECT_EQ(copy.Columns()->Count(), 2);
    EXPECT_EQ(copy.Items()->GetItem(1)->ColumnText(1), "Two");
    EXPECT_EQ(copy.ItemIndex(), 1);
    EXPECT_EQ(copy.LookupColumn(), 1);
    EXPECT_EQ(copy.HeaderColor(), 0x123456u);
    EXPECT_EQ(copy.HeaderFont()->Color(), 0x0000FFu);
}

TEST_F(MultiColumn, OpenTablePicture)
{
    Columns({30, 90, 90});
    edit->Columns()->GetItem(0)->ColumnType = TColumnType::ctImage;
    edit->Columns()->GetItem(2)->Alignment = ui::TAlignment::taRightJustify;
    ui::TImageList images(nullptr);
    images.SetSize(16, 16);
    for (ui::TColor c : {0x0000FFu, 0x00C000u, 0xFF0000u}) {
        ui::TBitmap b;
        Solid(b, 16, 16, c);
        images.Add(b);
    }
    edit->SetImages(&images);
    Add({"|Red|255", "|Green|49152", "|Blue|16711680"});
    for (int i = 0; i < 3; ++i)
        edit->Items()->GetItem(i)->ImageIndex = i;
    edit->SetItemIndex(1);
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    ui::TBitmap bmp;
    Paint(*edit->DropDownForm(), bmp);
    const std::string file = std::string(CFG_BIN_DIR) + "/dropdown_multicolumn.png";
    std::filesystem::remove(file);
    ASSERT_TRUE(ui::RenderToPng(*edit->DropDownForm(), file));
    // The image of the second row sits in the first column of that row, the selection behind it.
    const ui::TRect row = Grid()->CellRect(0, 2);
    const int x = Grid()->Left() + row.Left + 2 + 8, y = Grid()->Top() + row.Top + row.Height() / 2;
    EXPECT_EQ(bmp.Pixel(x, y), 0x00C000u);
    EXPECT_NE(bmp.Pixel(Grid()->Left() + Grid()->CellRect(1, 2).Left + 60, y), 0xFFFFFFu);
    edit->SetImages(nullptr);
}
