// The detail drop-down: completion while typing, the selection by index, keys, wheel and mouse,
// cancel, type-ahead and the drawing of a row.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxDetailDropDown.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxItemSelector.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/PopupWindow.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

class DetailDropDown : public DropDownFixture<TGxDetailDropDown> {
protected:
    DetailDropDown()
    {
        edit->OnSelect = [this](ui::TObject*) { log.push_back("select " + edit->Text()); };
    }
    ~DetailDropDown() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }

    void Add(std::initializer_list<const char*> captions)
    {
        for (const char* c : captions)
            edit->Items()->Add()->SetCaption(c);
    }
    // Keys with their characters, as typed.
    void Press(const std::string& letters)
    {
        for (char c : letters)
            ui::SendKeyStroke(edit, static_cast<unsigned>(std::toupper(static_cast<unsigned char>(c))), 0,
                              static_cast<char32_t>(c));
    }
    std::string Selected() const { return edit->Text().substr(edit->SelStart(), edit->SelLength()); }
    void WaitMs(int ms)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        ui::Application->ProcessMessages();
    }

    std::vector<std::string> log;
};

}  // namespace

TEST_F(DetailDropDown, TypingCompletesWithTheFirstMatchingCaption)
{
    const std::string longCaption = "a" + std::string(300, 'b');
    struct Case {
        std::vector<const char*> items;
        bool matchCase;
        std::string typed, text, selected;
        int index;
    } cases[] = {
        {{"Apple", "apricot"}, false, "ap", "apple", "ple", 0},  // typed letters stay as typed
        {{"Apple", "apricot"}, true, "ap", "apricot", "ricot", 1},
        {{"Apple", "apricot"}, false, "apr", "apricot", "icot", 1},
        {{"Apple", "apricot"}, false, "ax", "ax", "", 0},  // no match: the typed text, index kept
        {{}, false, "ap", "ap", "", -1},
        {{longCaption.c_str()}, false, "a", "a" + std::string(255, 'b'), std::string(255, 'b'), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + (c.matchCase ? " with case" : ""));
        edit->SetItemIndex(-1);
        edit->SetText("");
        edit->Items()->Clear();
        for (const char* caption : c.items)
            edit->Items()->Add()->SetCaption(caption);
        edit->SetMatchCase(c.matchCase);
        log.clear();
        Press(c.typed);
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(Selected(), c.selected);
        EXPECT_EQ(edit->SelStart(), static_cast<int>(c.typed.size()));
        EXPECT_EQ(edit->ItemIndex(), c.index);
        EXPECT_EQ(log, std::vector<std::string>{}) << "completing selects without OnSelect";
    }
}

TEST_F(DetailDropDown, ALetterWithoutMatchDropsTheTextAfterTheCaret)
{
    Add({"Apple", "Banana"});
    edit->SetItemIndex(1);
    edit->SetSelStart(1);
    edit->SetSelLength(0);
    Press("x");
    EXPECT_EQ(edit->Text(), "Bx");
    EXPECT_EQ(edit->SelStart(), 2);
}

TEST_F(DetailDropDown, BackspaceAndDeleteNeverComplete)
{
    Add({"Apple"});
    Press("ap");
    ASSERT_EQ(edit->Text(), "apple");
    ui::SendKeyStroke(edit, ui::VK_BACK, 0, U'\b');
    EXPECT_EQ(edit->Text(), "ap");
    ui::SendKeyStroke(edit, ui::VK_BACK, 0, U'\b');
    EXPECT_EQ(edit->Text(), "a");
    edit->SetSelStart(0);
    Key(ui::VK_DELETE);
    EXPECT_EQ(edit->Text(), "");
    Press("a");
    EXPECT_EQ(edit->Text(), "apple") << "the next letter completes again";
}

TEST_F(DetailDropDown, ItemIndexSelectsClearsOrIgnores)
{
    Add({"Apple", "Banana", "Cherry"});
    edit->SetItemIndex(1);
    EXPECT_EQ(edit->Text(), "Banana");
    EXPECT_EQ(Selected(), "Banana");
    for (int ignored : {5, 3, -2, 1}) {
        edit->SetItemIndex(ignored);
        EXPECT_EQ(edit->ItemIndex(), 1) << ignored;
    }
    edit->SetItemIndex(-1);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(log, std::vector<std::string>{"select Banana"}) << "clearing raises no OnSelect";
}

TEST_F(DetailDropDown, IndexOfAndEnterFindTheFirstEqualCaption)
{
    Add({"Pear", "Kiwi", "Pear", "pear"});
    EXPECT_EQ(edit->Items()->IndexOf("Pear"), 0);
    EXPECT_EQ(edit->Items()->IndexOf("pear"), 3);
    EXPECT_EQ(edit->Items()->IndexOf("Pea"), -1);
    edit->SetItemIndex(1);
    edit->SetText("Pear");
    Key(ui::VK_RETURN);
    EXPECT_EQ(edit->ItemIndex(), 0);
    edit->SetText("Plum");
    Key(ui::VK_RETURN);
    EXPECT_EQ(edit->ItemIndex(), 0) << "a text no caption equals changes nothing";
    EXPECT_EQ(edit->Text(), "Plum");
}

TEST_F(DetailDropDown, ClosedArrowsAndWheelStepThroughTheItems)
{
    Add({"Apple", "Banana", "Cherry"});
    Key(ui::VK_UP);
    EXPECT_EQ(edit->ItemIndex(), 0) << "from no selection, the first";
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->Text(), "Cherry");
    ui::SendMouseWheel(edit, 120, 5, 5);
    EXPECT_EQ(edit->ItemIndex(), 1);
    ui::SendMouseWheel(edit, -120, 5, 5);
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"select Apple", "select Banana", "select Cherry", "select Banana",
                                             "select Cherry"}));
    EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(DetailDropDown, OpenListArrowsMoveTheListAndTheEditFollows)
{
    Add({"Apple", "Banana", "Cherry"});
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    Key(ui::VK_UP);
    EXPECT_EQ(edit->ItemIndex(), 0) << "from no selection, the first row";
    EXPECT_EQ(edit->Text(), "Apple");
    Key(ui::VK_END);
    EXPECT_EQ(edit->ItemIndex(), 2);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 2) << "nothing below the last row";
    ui::SendMouseWheel(edit, 120, 5, 5);
    EXPECT_EQ(edit->ItemSelector()->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "Banana");
    EXPECT_TRUE(edit->DroppedDown()) << "moving keeps the list open";
}

TEST_F(DetailDropDown, ClickSelectsAndCloses)
{
    Add({"Apple", "Banana", "Cherry"});
    edit->ShowDropDown();
    TCustomItemSelector* panel = edit->ItemSelector()->Panel();
    const ui::TRect r = panel->GetItemRect(2);
    ui::SendMouseDown(panel, ui::TMouseButton::mbLeft, r.Left + 3, r.Top + 3);
    ui::SendMouseUp(panel, ui::TMouseButton::mbLeft, r.Left + 3, r.Top + 3);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_EQ(edit->Text(), "Cherry");
}

TEST_F(DetailDropDown, CancelLeavesIndexAndTextTogether)
{
    Add({"Apple", "Banana", "Cherry"});
    struct Case {
        const char* name;
        int before;
        std::string text;  // the text at the opening
        int index;         // the index after the cancel
    } cases[] = {
        {"an item selected", 1, "Banana", 1},
        {"none selected", -1, "zz", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit->SetItemIndex(c.before);
        edit->SetText(c.text);
        edit->ShowDropDown();
        Key(ui::VK_DOWN);
        ASSERT_NE(edit->ItemIndex(), c.before);
        Key(ui::VK_ESCAPE);
        EXPECT_FALSE(edit->DroppedDown());
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(edit->ItemIndex(), c.index);
    }
}

TEST_F(DetailDropDown, TypingIntoTheOpenListCompletesAndTheListFollows)
{
    Add({"Banana", "Apple", "Apricot"});
    edit->ShowDropDown();
    Press("apr");
    EXPECT_EQ(edit->Text(), "apricot");
    EXPECT_EQ(Selected(), "icot");
    EXPECT_EQ(edit->ItemSelector()->ItemIndex(), 2);
    EXPECT_TRUE(edit->DroppedDown());
    edit->HideDropDown(false);
    edit->SetText("");
    Press("ap");
    EXPECT_EQ(edit->Text(), "apple") << "after an opening, the closed edit completes as before";
}

TEST_F(DetailDropDown, WithoutTheEditorTypedKeysSearchUntilHalfASecondAfterTheLast)
{
    Add({"Apple", "Apricot", "Banana"});
    edit->SetEditorEnabled(false);
    edit->ShowDropDown();
    // The half second is wall-clock time: a machine so loaded that the steps below took longer than
    // it cannot show the restart, so the timing part is skipped there rather than failed.
    using Clock = std::chrono::steady_clock;
    const auto tooLate = [](Clock::time_point since) { return Clock::now() - since > std::chrono::milliseconds(450); };
    auto start = Clock::now();
    Key('A');
    WaitMs(300);
    if (tooLate(start))
        GTEST_SKIP() << "the machine is too loaded to time half a second";
    start = Clock::now();
    Key('P');
    Key('R');
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "Apricot");
    WaitMs(300);
    if (tooLate(start))
        GTEST_SKIP() << "the machine is too loaded to time half a second";
    EXPECT_EQ(edit->CurSearch(), "APR") << "each key starts the half second again";
    for (int i = 0; i < 100 && !edit->CurSearch().empty(); ++i)
        WaitMs(10);
    EXPECT_EQ(edit->CurSearch(), "");
    Key('B');
    EXPECT_EQ(edit->ItemIndex(), 2);
    Key(ui::VK_HOME);
    EXPECT_EQ(edit->ItemIndex(), 0);
}

TEST_F(DetailDropDown, ListIsAsWideAsTheEditAndShowsTheItemsOfEachOpening)
{
    Add({"Apple"});
    edit->ShowDropDown();
    EXPECT_EQ(edit->DropDownForm()->Width(), edit->Width());
    EXPECT_EQ(edit->ItemSelector()->Items()->Count(), 1);
    edit->HideDropDown(false);
    Add({"Banana"});
    edit->ShowDropDown();
    EXPECT_EQ(edit->ItemSelector()->Items()->Count(), 2);
    EXPECT_EQ(edit->ItemSelector()->Items()->GetItem(1)->Caption(), "Banana");
}

TEST_F(DetailDropDown, ItemsAssignCopiesEverythingAndSettersReportChanges)
{
    ui::TObject object;
    TDetailItem* item = edit->Items()->Add();
    int changes = 0;
    edit->Items()->OnChange = [&](ui::TObject*) { ++changes; };
    item->SetCaption("Apple");
    item->SetCaption("Apple");
    item->SetImageIndex(3);
    item->SetNotes("<b>red</b>");
    item->SetTag(7);
    item->SetItemObject(&object);
    ui::TPicture pic;
    Solid(*pic.Bitmap(), 4, 4, 0x0000FF);
    item->SetImage(pic);
    EXPECT_EQ(changes, 2) << "caption and image index, when they change";

    TGxDetailDropDown other(form.get());
    other.SetItems(*edit->Items());
    const TDetailItem* copy = other.Items()->GetItem(0);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption(), "Apple");
    EXPECT_EQ(copy->ImageIndex(), 3);
    EXPECT_EQ(copy->Notes(), "<b>red</b>");
    EXPECT_EQ(copy->Tag(), 7);
    EXPECT_EQ(copy->ItemObject(), &object);
    EXPECT_EQ(copy->Image()->Width(), 4);
    EXPECT_NE(copy->Image(), item->Image()) << "a copy of the picture";
}

namespace {

// Rows drawn in the open list: 40 pixels high, a 16 x 16 image list of green images.
class DetailRows : public DetailDropDown {
protected:
    DetailRows()
    {
        images.SetSize(16, 16);
        ui::TBitmap green;
        Solid(green, 16, 16, 0x00FF00);
        images.Add(green);
        edit->SetImages(&images);
        edit->SetItemHeight(40);
        UseTestFont(*edit->CaptionFont());
        UseTestFont(*edit->NotesFont());
        edit->SetDropDownColor(ui::clWhite);
    }
    ui::TRect Row(int i) { return edit->ItemSelector()->Panel()->GetItemRect(i); }
    void PaintList() { Paint(*edit->ItemSelector()->Panel(), bmp); }

    ui::TImageList images{nullptr};
    ui::TBitmap bmp;
};

}  // namespace

TEST_F(DetailRows, APictureWinsOverTheImageIndexAndIsCentredWithoutCaption)
{
    // Drawn transparent: the bottom-left pixel's colour is left out.
    ui::TPicture red;
    Solid(*red.Bitmap(), 10, 10, 0x0000FF);
    red.Bitmap()->Canvas()->SetPixels(0, 9, ui::clBlack);
    TDetailItem* both = edit->Items()->Add();
    both->SetImage(red);
    both->SetImageIndex(0);
    both->SetCaption("A");
    edit->Items()->Add()->SetImage(red);
    edit->ShowDropDown();
    PaintList();
    const ui::TRect first = ColorBounds(bmp, Row(0), 0x0000FF);
    EXPECT_EQ(first.Width(), 10);
    EXPECT_EQ(first.Left, Row(0).Left + 2);
    EXPECT_EQ(CountColor(bmp, Row(0), 0x00FF00), 0) << "no image-list image next to a picture";
    const ui::TRect second = ColorBounds(bmp, Row(1), 0x0000FF);
    EXPECT_EQ(second.Left, Row(1).Left + (Row(1).Width() - 10) / 2);
    EXPECT_EQ(second.Top, Row(1).Top + (Row(1).Height() - 10) / 2);
}

TEST_F(DetailRows, CaptionAfterTheImageAndNotesUnderIt)
{
    TDetailItem* item = edit->Items()->Add();
    item->SetImageIndex(0);
    item->SetCaption("W");
    item->SetNotes("W");
    edit->ShowDropDown();
    PaintList();
    const ui::TRect row = Row(0);
    const ui::TRect image = ColorBounds(bmp, row, 0x00FF00);
    ASSERT_EQ(image.Width(), 16);
    EXPECT_EQ(image.Left, row.Left + 2);

    // Where "W" puts its ink in this font, measured on a probe.
    ui::TBitmap probe;
    Solid(probe, 60, 40, ui::clWhite);
    probe.Canvas()->Font()->Assign(*edit->CaptionFont());
    probe.Canvas()->TextOut(0, 0, "W");
    const ui::TRect ink = InkBounds(probe, {0, 0, 60, 40}, ui::clWhite);
    const int lineHeight = probe.Canvas()->TextHeight("gh");

    const ui::TRect text = InkBounds(bmp, {image.Right, row.Top, row.Right, row.Bottom}, ui::clWhite);
    const int textLeft = row.Left + 16 + 4 + 4;  // the row start moves by the image and 4, the text 4 more
    EXPECT_EQ(text.Left, textLeft + ink.Left);
    EXPECT_EQ(text.Top, row.Top + 2 + ink.Top);
    EXPECT_EQ(text.Bottom, row.Top + 2 + lineHeight + ink.Bottom) << "the notes line under the caption line";
}

TEST_F(DetailRows, ADrawHandlerReplacesTheWholeRow)
{
    edit->Items()->Add()->SetCaption("Apple");
    edit->OnDrawSelectedImage = [](ui::TObject*, ui::TCanvas& c, const ui::TRect& r) {
        c.Brush()->SetColor(0xFF0000);
        c.FillRect(r);
    };
    edit->ShowDropDown();
    PaintList();
    const ui::TRect row = Row(0);
    EXPECT_EQ(CountColor(bmp, row, 0xFF0000), row.Width() * row.Height());
}
