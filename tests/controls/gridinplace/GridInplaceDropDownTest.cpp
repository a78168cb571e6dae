// The drop-down editors as cell editors of the string grid, through the grid's input path: each kind
// opens over the cell with the cell's value and puts its value back, Escape restores the cell,
// Enter, Tab and the arrows store, validate and move, and the grid's editing events come in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/dropdown/GxColGrid.h"
#include "controls/griddropdown/GxGridDropDownList.h"
#include "controls/gridinplace/GxGridInplaceDropDown.h"
#include "grid/stringgrid/GxGridDropDownEditors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Regional.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupWindow.h"

using namespace gridinplace;
using gx::TEditorType;

namespace {

class GridInplace : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridDropDownEditors();
        form.SetBounds(0, 0, 600, 400);
        grid = new gx::TGxStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() | ui::goEditing);
        grid->SetCol(1);
        grid->SetRow(1);
        form.Show();
        grid->SetFocus();
        grid->OnEditChange = [this](ui::TObject*, int c, int r, const std::string& v) {
            log.push_back("change " + std::to_string(c) + "," + std::to_string(r) + " " + v);
        };
        grid->OnEditingDone = [this](ui::TObject*) { log.push_back("done"); };
        grid->OnEditCellDone = [this](ui::TObject*, int c, int r) {
            log.push_back("cell done " + std::to_string(c) + "," + std::to_string(r));
        };
    }
    void TearDown() override
    {
        ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel);
        form.Hide();
        gx::SetGridDropDownEditorsFactory(nullptr);
    }
    void Use(TEditorType kind)
    {
        grid->OnGetEditorType = [kind](ui::TObject*, int ACol, int, TEditorType& e) {
            if (ACol == 1)
                e = kind;
        };
    }
    template <class Editor>
    Editor* Open(TEditorType kind)
    {
        Use(kind);
        Key(ui::VK_F2);
        return dynamic_cast<Editor*>(grid->DropDownEditors()->Editor(kind));
    }
    void Key(unsigned vk, char32_t ch = 0, ui::TShiftState shift = 0)
    {
        ui::SendKeyStroke(ui::FindFocusedControl(), vk, shift, ch);
        ui::Application->ProcessMessages();
    }
    void Type(const std::string& text)
    {
        ui::SendText(ui::FindFocusedControl(), text);
        ui::Application->ProcessMessages();
    }

    rtl::TRegionalScope regional{[] {
        rtl::TFormatSettings f = rtl::TFormatSettings::Neutral();
        f.DecimalSeparator = '.';
        return f;
    }()};
    ui::TForm form{nullptr};
    gx::TGxStringGrid* grid = nullptr;
    std::vector<std::string> log;
};

TEST(GridInplaceOwner, AnOwnerThatIsNoGridIsRefused)
{
    ui::TForm form(nullptr);
    EXPECT_THROW(TGridCalculatorDropDown{&form}, rtl::Exception);
}

TEST(GridInplaceRead, TrackBarCellsReadWholeNumbersInDecimalAndHex)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {{"12", 12}, {"$1F", 31}, {"0x10", 16}, {"x0a", 10}, {"7 apples", 7},
                 {"", 0},    {"abc", 0},  {"-5", -5},   {"$", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadCellInteger(c.text), c.value) << c.text;
}

TEST_F(GridInplace, WithoutTheEditorsInstalledTheKindsStartNoEdit)
{
    gx::SetGridDropDownEditorsFactory(nullptr);
    auto* other = new gx::TGxStringGrid(&form);
    EXPECT_EQ(other->DropDownEditors(), nullptr);
}

// Each text-valued kind shows the cell's text, and an edit opened and closed by Enter leaves the
// cell as it was.
TEST_F(GridInplace, EveryTextKindOpensOnTheCellAndGivesTheSameTextBack)
{
    const struct {
        TEditorType kind;
        const char* value;
    } cases[] = {{gx::edTrackbarDropDown, "7"},       {gx::edMemoDropDown, "first\r\nsecond"},
                 {gx::edCalculatorDropDown, "12.50"}, {gx::edTimePickerDropDown, "10:30:15"},
                 {gx::edDetailDropDown, "Beta"},      {gx::edGridDropDown, "Beta"},
                 {gx::edGxGridDropDown, "Beta"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        grid->SetCells(1, 1, c.value);
        grid->SetCol(1);
        grid->SetRow(1);
        Use(c.kind);
        Key(ui::VK_F2);
        ui::TWinControl* e = grid->DropDownEditors()->Editor(c.kind);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->Visible());
        EXPECT_TRUE(e->Focused());
        EXPECT_EQ(grid->EditCtrl(), e);
        const ui::TRect cell = grid->CellRect(1, 1);
        EXPECT_EQ(e->Left(), cell.Left);
        EXPECT_EQ(e->Top(), cell.Top);
        Key(ui::VK_RETURN, 13);
        EXPECT_FALSE(e->Visible());
        EXPECT_FALSE(grid->EditMode());
        EXPECT_EQ(grid->Cells(1, 1), c.value);
    }
}

TEST_F(GridInplace, EnterStoresTheTypedValueAndTheEventsComeInOrder)
{
    grid->SetCells(1, 1, "1");
    grid->OnCellValidate = [this](ui::TObject*, int c, int r, std::string& v, bool&) {
        log.push_back("validate " + std::to_string(c) + "," + std::to_string(r) + " " + v);
    };
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(calc->Text(), "1");
    log.clear();
    Key(ui::VK_DOWN, 0, ui::ssAlt);
    ASSERT_TRUE(calc->DroppedDown());
    Type("2+3");
    // Enter on the open calculator computes and closes it; the next Enter ends the edit.
    Key(ui::VK_RETURN, 13);
    EXPECT_FALSE(calc->DroppedDown());
    EXPECT_TRUE(calc->Visible());
    EXPECT_EQ(calc->Text(), "5.00");
    Key(ui::VK_RETURN, 13);
    EXPECT_EQ(grid->Cells(1, 1), "5.00");
    ASSERT_FALSE(log.empty());
    // Typed changes first, then the validation of the computed value, then the end of the edit.
    const std::vector<std::string> tail(log.end() - 3, log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"validate 1,1 5.00", "done", "cell done 1,1"}));
    EXPECT_EQ(log.front().rfind("change 1,1 ", 0), 0u);
}

TEST_F(GridInplace, EscapeRestoresTheCellAfterTyping)
{
    grid->SetCells(1, 1, "40");
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    Type("9");
    EXPECT_NE(calc->Text(), "40");
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(calc->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "40");
    EXPECT_TRUE(grid->Focused());
}

TEST_F(GridInplace, ARefusedValueKeepsTheEditorOpenWithTheReplacementText)
{
    grid->SetCells(1, 1, "3");
    grid->OnCellValidate = [](ui::TObject*, int, int, std::string& v, bool& valid) {
        valid = v != "8";
        if (!valid)
            v = "too big";
    };
    auto* track = Open<TGridTrackbarDropDown>(gx::edTrackbarDropDown);
    track->SetPosition(8);
    Key(ui::VK_DOWN);
    EXPECT_TRUE(track->Visible());
    EXPECT_EQ(grid->Row(), 1);
    track->SetPosition(4);
    Key(ui::VK_DOWN);
    EXPECT_FALSE(track->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "4");
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridInplace, TabAndArrowsStoreAndMove)
{
    grid->SetOptions(grid->Options() | ui::goTabs);
    grid->SetCells(1, 1, "1");
    grid->SetCells(1, 2, "2");
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    Type("*4");
    Key(ui::VK_DOWN);
    EXPECT_FALSE(calc->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "4");
    EXPECT_EQ(grid->Row(), 2);
    Key(ui::VK_F2);
    ASSERT_TRUE(calc->Visible());
    EXPECT_EQ(calc->Text(), "2");
    Key(ui::VK_TAB, 9);
    EXPECT_FALSE(calc->Visible());
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(1, 2), "2");
    grid->SetCol(1);
    Key(ui::VK_F2);
    ASSERT_TRUE(calc->Visible());
    Key(ui::VK_UP);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GridInplace, TabWithAValidationHandlerButNoTabOptionIsPostedToTheGrid)
{
    grid->SetCells(1, 1, "6");
    grid->OnEditChange = nullptr;
    grid->OnCellValidate = [this](ui::TObject*, int, int, std::string&, bool&) { log.push_back("validate"); };
    grid->OnKeyDown = [this](ui::TObject*, unsigned& k, ui::TShiftState) {
        if (k == ui::VK_TAB)
            log.push_back("grid tab");
    };
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    Type("7");
    log.clear();
    ui::SendKeyStroke(calc, ui::VK_TAB, 0, 9);
    // The edit is over before the posted Tab reaches the grid.
    ui::Application->ProcessMessages();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "validate");
    EXPECT_EQ(log[1], "done");
    // The grid's own Tab step and then the posted Tab, both after the edit ended.
    EXPECT_EQ(std::count(log.begin(), log.end(), "grid tab"), 2);
    EXPECT_FALSE(calc->Visible());
}

TEST_F(GridInplace, KeyPressesGoToTheGridsEventAndTheStartCharacterArrives)
{
    std::string pressed;
    grid->OnKeyPress = [&](ui::TObject*, char32_t& k) { pressed += static_cast<char>(k); };
    Use(gx::edCalculatorDropDown);
    grid->SetCells(1, 1, "");
    Key('7', U'7');
    auto* calc = dynamic_cast<TGridCalculatorDropDown*>(grid->DropDownEditors()->Editor(gx::edCalculatorDropDown));
    ASSERT_NE(calc, nullptr);
    ASSERT_TRUE(calc->Visible());
    EXPECT_EQ(calc->Text(), "7");
    Type("1");
    EXPECT_EQ(calc->Text(), "71");
    EXPECT_NE(pressed.find('1'), std::string::npos);
}

TEST_F(GridInplace, LeavingTheEditorStoresTheValue)
{
    auto* edit = new ui::TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 320, 100, 21);
    grid->SetCells(1, 1, "2");
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    Key(ui::VK_END);
    Type("0");
    edit->SetFocus();
    EXPECT_FALSE(calc->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "20.00");
}

TEST_F(GridInplace, MemoLinesGoBackJoinedWithoutATrailingLineEnd)
{
    grid->SetCells(1, 1, "one\r\ntwo");
    auto* memo = Open<TGridMemoDropDown>(gx::edMemoDropDown);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->MemoText()->Count(), 2);
    EXPECT_EQ(memo->SelStart(), 0);
    EXPECT_EQ(memo->SelLength(), 0);
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(grid->Cells(1, 1), "one\r\ntwo");
}

TEST_F(GridInplace, AClickThatOpensTheMemoLeavesTheCaretWhereItLanded)
{
    grid->SetCells(1, 1, "abcdefgh");
    Use(gx::edMemoDropDown);
    const ui::TRect cell = grid->CellRect(1, 1);
    // The press on the current cell opens the editor; the caret goes under the press.
    for (const auto& [x, expected] : {std::pair{cell.Left + 1, 0}, std::pair{cell.Left + 40, -1}}) {
        ui::SendClick(grid, x, cell.Top + 5);
        ui::Application->ProcessMessages();
        ui::TWinControl* e = grid->DropDownEditors()->Editor(gx::edMemoDropDown);
        ASSERT_TRUE(e && e->Visible());
        auto* memo = dynamic_cast<TGridMemoDropDown*>(e);
        if (expected >= 0)
            EXPECT_EQ(memo->SelStart(), expected);
        else
            EXPECT_GT(memo->SelStart(), 0);  // inside the text, not at its start
        EXPECT_EQ(memo->SelLength(), 0);
        Key(ui::VK_ESCAPE, 27);
        EXPECT_EQ(grid->Cells(1, 1), "abcdefgh");
    }
}

TEST_F(GridInplace, ColourCellsTakeTheChosenColourAndEscapeKeepsTheOldOne)
{
    grid->SetColors(1, 1, 0x0000FF);
    auto* picker = Open<TGridColorDropDown>(gx::edColorPickerDropDown);
    ASSERT_NE(picker, nullptr);
    picker->AddDefaultColors();
    EXPECT_EQ(picker->SelectedColor(), 0x0000FFu);
    picker->SetSelectedColor(0x00FF00);
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(grid->Colors(1, 1), 0x0000FFu);
    EXPECT_EQ(picker->SelectedColor(), 0x0000FFu);

    Key(ui::VK_F2);
    ASSERT_TRUE(picker->Visible());
    // A colour no item has keeps no item index; the cell gets that colour, not a neighbour's name.
    picker->SetSelectedColor(0x123456);
    EXPECT_EQ(picker->ItemIndex(), -1);
    int reported = 0;
    grid->OnColorSelected = [&](ui::TObject*, int c, int r, ui::TColor& color, std::string&) {
        reported = c * 10 + r;
        EXPECT_EQ(color, 0x123456u);
    };
    Key(ui::VK_RETURN, 13);
    EXPECT_EQ(reported, 11);
    EXPECT_EQ(grid->Colors(1, 1), 0x123456u);
    EXPECT_EQ(grid->Cells(1, 1), picker->SelectedColorText());
}

TEST_F(GridInplace, ColourShapeCellsKeepTheirColourInTheShape)
{
    gx::TCellGraphic* g = grid->CreateCellGraphic(1, 1);
    g->CellType = gx::ctShape;
    g->CellBitmapColor = 0x00FF00;
    auto* picker = Open<TGridColorDropDown>(gx::edColorPickerDropDown);
    EXPECT_EQ(picker->SelectedColor(), 0x00FF00u);
    picker->SetSelectedColor(0xFF0000);
    Key(ui::VK_RETURN, 13);
    EXPECT_EQ(grid->GetCellGraphic(1, 1)->CellBitmapColor, 0xFF0000u);
    EXPECT_EQ(grid->Colors(1, 1), ui::clNone);
}

TEST_F(GridInplace, ImageCellsPickAnIndexOfTheGridsImages)
{
    ui::TImageList images(nullptr);
    images.SetSize(16, 16);
    for (int i = 0; i < 4; ++i) {
        ui::TBitmap b;
        b.SetSize(16, 16);
        images.Add(b);
    }
    grid->GridImages = &images;
    gx::TCellGraphic* g = grid->CreateCellGraphic(1, 1);
    g->CellType = gx::ctDataImage;
    grid->SetCells(1, 1, "2");
    auto* picker = Open<TGridImageDropDown>(gx::edImagePickerDropDown);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->Items()->Count(), 4);
    EXPECT_EQ(picker->ImageIndex(), 2);
    picker->SetImageIndex(3);
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(grid->Cells(1, 1), "2");
    Key(ui::VK_F2);
    picker->SetImageIndex(1);
    grid->OnImageSelected = [](ui::TObject*, int, int, int& index) { index += 2; };
    Key(ui::VK_RETURN, 13);
    EXPECT_EQ(grid->Cells(1, 1), "3");
    grid->GridImages = nullptr;
}

TEST_F(GridInplace, ListKindsFindTheCellsEntry)
{
    grid->SetCells(1, 1, "Beta");
    Use(gx::edDetailDropDown);
    TGridDetailPickerDropDown* detail = DetailPickerDropDown(*grid);
    for (const char* s : {"Alpha", "Beta", "Gamma"})
        detail->Items()->Add()->SetCaption(s);
    Key(ui::VK_F2);
    EXPECT_EQ(detail->ItemIndex(), 1);
    Key(ui::VK_ESCAPE, 27);

    Use(gx::edGxGridDropDown);
    TGridGxGridDropDown* list = GxGridDropDown(*grid);
    EXPECT_EQ(list, GxGridDropDown(*grid));  // made once
    list->Columns()->Add();
    for (const char* s : {"Alpha", "Beta", "Gamma"}) {
        rtl::TStringList t;
        t.Add(s);
        list->Items()->Add()->SetText(t);
    }
    list->SetLookupColumn(0);
    Key(ui::VK_F2);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Text(), "Beta");
    EXPECT_TRUE(list->Grid()->FixedRowAlways());
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(grid->Cells(1, 1), "Beta");
}

TEST_F(GridInplace, HeaderAndFooterComeFromTheGridAndTheirButtonsReportToIt)
{
    grid->ControlLook()->DropDownFooter()->Caption = "pick";
    grid->ControlLook()->DropDownFooter()->Buttons()->Add()->Caption = "Now";
    int clicked = -1;
    grid->OnDropDownFooterButtonClick = [&](ui::TObject* s, int c, int r, int b) {
        EXPECT_EQ(s, grid);
        clicked = c * 100 + r * 10 + b;
    };
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    EXPECT_EQ(calc->DropDownFooter()->Caption, "pick");
    ASSERT_EQ(calc->DropDownFooter()->Buttons()->Count(), 1);
    EXPECT_EQ(calc->DropDownFooter()->Buttons()->GetItem(0)->Caption(), "Now");
    calc->OnDropDownFooterButtonClick(calc, 0);
    EXPECT_EQ(clicked, 110);
}

}  // namespace

namespace {

// Down and Tab end the edit of every kind and move on; each edit reports its end once, in order.
TEST_F(GridInplace, EveryKindMovesOnWithDownAndTab)
{
    grid->SetOptions(grid->Options() | ui::goTabs);
    for (int k = gx::edTrackbarDropDown; k <= gx::edGxGridDropDown; ++k) {
        const auto kind = static_cast<TEditorType>(k);
        SCOPED_TRACE(kind);
        grid->SetCol(1);
        grid->SetRow(1);
        Use(kind);
        ui::Application->ProcessMessages();
        log.clear();
        Key(ui::VK_F2);
        ui::TWinControl* e = grid->DropDownEditors()->Editor(kind);
        ASSERT_TRUE(e->Visible());
        Key(ui::VK_DOWN);
        EXPECT_FALSE(e->Visible());
        EXPECT_EQ(grid->Row(), 2);
        Key(ui::VK_F2);
        ASSERT_TRUE(e->Visible());
        Key(ui::VK_TAB, 9);
        EXPECT_FALSE(e->Visible());
        EXPECT_EQ(grid->Col(), 2);
        std::vector<std::string> ends;
        for (const std::string& s : log)
            if (s.rfind("change", 0) != 0)
                ends.push_back(s);
        EXPECT_EQ(ends, (std::vector<std::string>{"done", "cell done 1,1", "done", "cell done 1,2"}));
    }
}

TEST_F(GridInplace, MemoEditsGoBackAsLinesJoinedByCrLf)
{
    grid->SetCells(1, 1, "one");
    auto* memo = Open<TGridMemoDropDown>(gx::edMemoDropDown);
    rtl::TStringList lines;
    lines.Add("one");
    lines.Add("two");
    memo->SetMemoText(lines);
    Key(ui::VK_RETURN, 13);
    EXPECT_EQ(grid->Cells(1, 1), "one\r\ntwo");
}

}  // namespace

namespace {

TEST_F(GridInplace, DirectDropOpensTheListWithTheEditAndTheProgramSeesTheEditor)
{
    grid->MouseActions()->SetDirectComboDrop(true);
    ui::TObject* link = nullptr;
    grid->OnGetEditorProp = [&](ui::TObject*, int, int, ui::TObject* editLink) { link = editLink; };
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    EXPECT_TRUE(calc->DroppedDown());
    EXPECT_EQ(link, calc);
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(calc->DroppedDown());
    EXPECT_FALSE(calc->Visible());
}

TEST_F(GridInplace, AGridGoesAwayWithAnEditorOpen)
{
    grid->SetCells(1, 1, "3");
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    calc->ShowDropDown();
    ASSERT_TRUE(calc->DroppedDown());
    delete grid;
    grid = nullptr;
    ui::Application->ProcessMessages();
    SUCCEED();
}

}  // namespace

namespace {

// Enter on an open list takes the row the keys moved to into the cell and ends the edit; Escape on
// an open list closes it and keeps the cell.
TEST_F(GridInplace, EnterOnAnOpenListStoresTheChosenEntry)
{
    grid->SetCells(1, 1, "Alpha");
    Use(gx::edDetailDropDown);
    TGridDetailPickerDropDown* detail = DetailPickerDropDown(*grid);
    for (const char* s : {"Alpha", "Beta", "Gamma"})
        detail->Items()->Add()->SetCaption(s);
    Key(ui::VK_F2);
    Key(ui::VK_DOWN, 0, ui::ssAlt);
    ASSERT_TRUE(detail->DroppedDown());
    Key(ui::VK_DOWN);
    EXPECT_TRUE(detail->Visible());
    Key(ui::VK_ESCAPE, 27);
    EXPECT_FALSE(detail->DroppedDown());
    EXPECT_EQ(grid->Cells(1, 1), "Alpha");

    Key(ui::VK_F2);
    Key(ui::VK_DOWN, 0, ui::ssAlt);
    ASSERT_TRUE(detail->DroppedDown());
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN, 13);
    EXPECT_FALSE(detail->DroppedDown());
    EXPECT_FALSE(detail->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "Beta");
}

}  // namespace

namespace {

TEST_F(GridInplace, ARefusalSelectsTheReplacementForEnterAndPutsTheCaretAtItsEndForTab)
{
    grid->SetOptions(grid->Options() | ui::goTabs);
    grid->SetCells(1, 1, "1");
    grid->OnCellValidate = [](ui::TObject*, int, int, std::string& v, bool& valid) {
        valid = false;
        v = "9.00";
    };
    auto* calc = Open<TGridCalculatorDropDown>(gx::edCalculatorDropDown);
    Type("5");
    Key(ui::VK_RETURN, 13);
    ASSERT_TRUE(calc->Visible());
    EXPECT_EQ(calc->Text(), "9.00");
    EXPECT_EQ(calc->SelStart(), 0);
    EXPECT_EQ(calc->SelLength(), 4);
    Type("7");  // an unchanged value is not validated again
    Key(ui::VK_TAB, 9);
    ASSERT_TRUE(calc->Visible());
    EXPECT_EQ(calc->SelStart(), 4);
    EXPECT_EQ(calc->SelLength(), 0);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(GridInplace, ShiftTabGoesBackAndEndStaysInTheEditor)
{
    grid->SetOptions(grid->Options() | ui::goTabs);
    grid->OnGetEditorType = [](ui::TObject*, int, int, TEditorType& e) { e = gx::edCalculatorDropDown; };
    grid->SetCells(2, 1, "123");
    grid->SetCol(2);
    Key(ui::VK_F2);
    TGridCalculatorDropDown* calc = CalculatorDropDown(*grid);
    ASSERT_TRUE(calc->Visible());
    calc->SetSelStart(0);
    Key(ui::VK_END);
    EXPECT_TRUE(calc->Visible());
    EXPECT_EQ(calc->SelStart(), static_cast<int>(calc->Text().size()));
    Key(ui::VK_TAB, 9, ui::ssShift);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Cells(2, 1), "123");
}

}  // namespace
