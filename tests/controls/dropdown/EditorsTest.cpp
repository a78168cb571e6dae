// The track bar, memo and image picker drop-downs: values in and out, keys, mouse and cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "DropDownFixture.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxImagePickerDropDown.h"
#include "controls/dropdown/GxItemSelector.h"
#include "controls/dropdown/GxMemoDropDown.h"
#include "controls/dropdown/GxTrackBarDropDown.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/TrackBar.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

class TrackBarDropDown : public DropDownFixture<TGxTrackBarDropDown> {
protected:
    ~TrackBarDropDown() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }
};

}  // namespace

TEST_F(TrackBarDropDown, OpensARangeOfZeroToTenAsWideAsTheEdit)
{
    EXPECT_FALSE(edit->EditorEnabled());
    EXPECT_EQ(edit->EditType(), TDropDownEditType::etNumeric);
    EXPECT_EQ(edit->Text(), "0");
    edit->ShowDropDown();
    ui::TTrackBar* bar = edit->TrackBar();
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 10);
    EXPECT_EQ(bar->Frequency(), 1);
    EXPECT_EQ(edit->DropDownForm()->Width(), edit->Width());
    EXPECT_EQ(edit->DropDownForm()->Height(), 2 + 40 < 50 ? 50 : 2 + 40);
    EXPECT_FALSE(edit->DropDownForm()->CancelOnDeActivate);
}

TEST_F(TrackBarDropDown, PositionIsClampedAndShown)
{
    int tracks = 0;
    edit->OnTrackChange = [&](ui::TObject*) {
        ++tracks;
        EXPECT_EQ(edit->Text(), std::to_string(edit->Position())) << "the edit shows the number first";
    };
    edit->SetPosition(15);
    EXPECT_EQ(edit->Position(), 10);
    EXPECT_EQ(edit->Text(), "10");
    EXPECT_EQ(tracks, 1);
    edit->SetText("3");
    EXPECT_EQ(edit->Position(), 3);
    edit->SetMax(2);
    EXPECT_EQ(edit->Position(), 2) << "a narrower range moves the value to its end";
    EXPECT_EQ(edit->Text(), "2");
}

TEST_F(TrackBarDropDown, AnInvertedRangeIsRefusedBeforeItIsStored)
{
    EXPECT_THROW(edit->SetMax(-5), rtl::ERangeError);
    EXPECT_EQ(edit->Max(), 10);
    EXPECT_THROW(edit->SetMin(11), rtl::ERangeError);
    EXPECT_EQ(edit->Min(), 0);
    edit->ShowDropDown();
    EXPECT_TRUE(edit->DroppedDown()) << "the next opening still works";
}

TEST_F(TrackBarDropDown, UpAndDownStepByTheFrequencyWithinTheRange)
{
    edit->SetFrequency(3);
    edit->SetPosition(10);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->Position(), 10) << "a step past the end does nothing";
    edit->SetPosition(2);
    Key(ui::VK_UP);
    EXPECT_EQ(edit->Position(), 2);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->Position(), 5);
    edit->SetEditorEnabled(true);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->Position(), 5) << "with typing on the keys are the edit's";
}

TEST_F(TrackBarDropDown, SidewaysDragStepsByThePageSize)
{
    ui::SendMouseDown(edit, ui::TMouseButton::mbLeft, 20, 5);
    ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel);  // the click also opened the window
    ui::SendMouseMove(edit, 30, 5, ui::ssLeft);
    EXPECT_EQ(edit->Position(), 5) << "10 pixels with a page size of 2";
    for (int x = 31; x <= 40; ++x)
        ui::SendMouseMove(edit, x, 5, ui::ssLeft);
    EXPECT_EQ(edit->Position(), 5) << "one pixel at a time never makes a step";
    edit->SetPageSize(0);
    ui::SendMouseMove(edit, 90, 5, ui::ssLeft);
    EXPECT_EQ(edit->Position(), 5) << "a page size of 0 does not step (and does not fail)";
    ui::SendMouseUp(edit, ui::TMouseButton::mbLeft, 90, 5);
}

TEST_F(TrackBarDropDown, EscapeBringsBackThePositionOfTheOpening)
{
    edit->SetPosition(4);
    edit->ShowDropDown();
    edit->TrackBar()->SetPosition(8);
    EXPECT_EQ(edit->Text(), "8");
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(edit->Position(), 4);
    EXPECT_EQ(edit->Text(), "4");
}

namespace {

class MemoDropDown : public DropDownFixture<TGxMemoDropDown> {
protected:
    ~MemoDropDown() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }
    void Lines(std::initializer_list<const char*> lines)
    {
        rtl::TStringList list;
        for (const char* l : lines)
            list.Add(l);
        edit->SetMemoText(list);
    }
};

}  // namespace

TEST_F(MemoDropDown, SummaryOfTheLines)
{
    edit->SetEditorEnabled(false);
    Lines({"alpha", "beta"});
    EXPECT_EQ(edit->Text(), "alpha...");
    edit->SetEditorEnabled(true);
    Lines({"alpha", "beta"});
    EXPECT_EQ(edit->Text(), "alpha\r\nbeta\r\n");
}

TEST_F(MemoDropDown, LongFirstLineIsCutToTheEdit)
{
    edit->SetEditorEnabled(false);
    Lines({"a first line much wider than the edit could ever show in its text rectangle"});
    const std::string shown = edit->Text();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    ui::TCanvas measure;
    measure.Font()->Assign(*edit->Font());
    EXPECT_LT(measure.TextWidth(shown), edit->GetEditRect().Width());
}

TEST_F(MemoDropDown, TypingIntoTheEditReplacesTheLines)
{
    edit->SelectAll();
    Type("one");
    EXPECT_EQ(edit->MemoText()->Count(), 1);
    EXPECT_EQ(edit->MemoText()->Strings(0), "one");
    EXPECT_EQ(edit->Text(), "one") << "the edit keeps what was typed";
}

TEST_F(MemoDropDown, CancelKeepsTheLinesAndOutsideAcceptsThem)
{
    Lines({"old"});
    const std::string shown = edit->Text();
    edit->ShowDropDown();
    Type("x\ry");
    EXPECT_TRUE(edit->DroppedDown()) << "Enter starts a new line in the memo";
    EXPECT_EQ(edit->Memo()->Lines()->Count(), 2);
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->MemoText()->Count(), 1);
    EXPECT_EQ(edit->MemoText()->Strings(0), "old");
    EXPECT_EQ(edit->Text(), shown);

    edit->ShowDropDown();
    edit->Memo()->SetText("two\r\nlines");
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 380, 280, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 380, 280);
    EXPECT_FALSE(edit->DroppedDown());
    ASSERT_EQ(edit->MemoText()->Count(), 2);
    EXPECT_EQ(edit->MemoText()->Strings(1), "lines");
}

TEST_F(MemoDropDown, AltArrowsReachTheEditAndReadOnlyAppliesAtOnce)
{
    edit->ShowDropDown();
    edit->SetMemoReadOnly(true);
    EXPECT_TRUE(edit->Memo()->ReadOnly());
    Key(ui::VK_UP, ui::ssAlt);
    EXPECT_FALSE(edit->DroppedDown()) << "Alt+Up closes, accepted";
    edit->SetAutoDrop(true);
    other->SetFocus();
    edit->SetFocus();
    EXPECT_TRUE(edit->DroppedDown()) << "AutoDrop opens on entering";
}

namespace {

class ImagePicker : public DropDownFixture<TGxImagePickerDropDown> {
protected:
    ImagePicker()
    {
        images.SetSize(16, 16);
        for (int i = 0; i < 6; ++i) {
            ui::TBitmap b;
            Solid(b, 16, 16, 0x101010 * static_cast<unsigned>(i + 1));
            images.Add(b);
        }
        edit->SetImages(&images);
        edit->OnChange = [this](ui::TObject*) { log.push_back("change"); };
        edit->OnSelect = [this](ui::TObject*) { log.push_back("select"); };
    }
    ~ImagePicker() override { ui::CloseAllPopups(ui::TPopupCloseReason::pcrCancel); }
    void Add(int count, std::initializer_list<const char*> captions = {})
    {
        auto caption = captions.begin();
        for (int i = 0; i < count; ++i) {
            TImageItem* item = edit->Items()->Add();
            item->SetImageIndex(i % 6);
            if (caption != captions.end())
                item->SetCaption(*caption++);
        }
    }

    ui::TImageList images{nullptr};
    std::vector<std::string> log;
};

}  // namespace

TEST_F(ImagePicker, ImageIndexFindsTheFirstItem)
{
    for (int i : {3, 5, 5})
        edit->Items()->Add()->SetImageIndex(i);
    edit->SetImageIndex(5);
    EXPECT_EQ(edit->ItemIndex(), 1);
    edit->SetImageIndex(7);
    EXPECT_EQ(edit->ItemIndex(), -1);
    EXPECT_EQ(edit->ImageIndex(), -1);
}

TEST_F(ImagePicker, SelectingReportsChangeThenSelect)
{
    Add(3);
    edit->SetItemIndex(1);
    edit->SetItemIndex(1);
    edit->SetItemIndex(3);
    EXPECT_EQ(log, (std::vector<std::string>{"change", "select"})) << "the same index and one past the end: nothing";
}

TEST_F(ImagePicker, ArrowsMoveByRowsWhenOpenAndByItemsWhenClosed)
{
    Add(8);
    edit->SetColumns(3);
    edit->SetItemIndex(1);
    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 4);
    EXPECT_TRUE(edit->DroppedDown()) << "keys select without closing";
    Key(ui::VK_UP);
    EXPECT_EQ(edit->ItemIndex(), 1);
    Key(ui::VK_UP);
    EXPECT_EQ(edit->ItemIndex(), 1) << "no row above";
    edit->HideDropDown(false);
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 2);
    Key(ui::VK_END);
    EXPECT_EQ(edit->ItemIndex(), 7);
}

TEST_F(ImagePicker, PageKeysMoveByAPage)
{
    Add(10);
    edit->SetDropDownHeight(2 + 22 + 22 + 6 * 24);  // header, footer and six rows of 24 (16 + 2 x 4)
    edit->SetItemIndex(0);
    edit->ShowDropDown();
    const int page = edit->ItemSelector()->GetVisibleItemCount();
    ASSERT_GT(page, 1);
    ASSERT_EQ(page, 6);
    Key(ui::VK_NEXT);
    EXPECT_EQ(edit->ItemIndex(), page);
    Key(ui::VK_NEXT);
    EXPECT_EQ(edit->ItemIndex(), 9) << "at most the last item";
}

TEST_F(ImagePicker, TypedLettersFindACaptionUntilTheTimerClearsThem)
{
    Add(4, {"Apple", "Apricot", "Banana", "Blue"});
    Key('A');
    Key('P');
    Key('R');
    EXPECT_EQ(edit->ItemIndex(), 1);
    EXPECT_EQ(edit->CurSearch(), "APR");
    for (int i = 0; i < 100 && !edit->CurSearch().empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ui::Application->ProcessMessages();
    }
    EXPECT_EQ(edit->CurSearch(), "");
    Key('B');
    EXPECT_EQ(edit->ItemIndex(), 2) << "a new search from its first letter";
}

TEST_F(ImagePicker, TheSearchIsClearedHalfASecondAfterItsFirstKey)
{
    Add(2, {"Apple", "Apricot"});
    Key('A');
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    Key('P');
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    ui::Application->ProcessMessages();
    EXPECT_EQ(edit->CurSearch(), "") << "a later key does not start the half second again";
}

TEST_F(ImagePicker, ClickSelectsAndClosesCancelRestores)
{
    Add(4);
    edit->SetItemIndex(0);
    edit->ShowDropDown();
    TCustomItemSelector* panel = edit->ItemSelector()->Panel();
    const ui::TRect r = panel->GetItemRect(2);
    ui::SendMouseDown(panel, ui::TMouseButton::mbLeft, r.Left + 2, r.Top + 2);
    EXPECT_EQ(edit->ItemIndex(), 2);
    EXPECT_FALSE(edit->DroppedDown());
    ui::SendMouseUp(panel, ui::TMouseButton::mbLeft, r.Left + 2, r.Top + 2);

    edit->ShowDropDown();
    Key(ui::VK_DOWN);
    EXPECT_EQ(edit->ItemIndex(), 3);
    log.clear();
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 380, 280, ui::MK_LBUTTON);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 380, 280);
    EXPECT_EQ(edit->ItemIndex(), 2) << "a press outside cancels: back to the item of the opening";
    EXPECT_EQ(log, (std::vector<std::string>{"change", "select"}));
}

TEST_F(ImagePicker, WindowFitsTheGridOrScrolls)
{
    Add(20);
    edit->SetColumns(4);
    edit->ShowDropDown();
    const ui::TSize panel = edit->ItemSelector()->GetPanelSize();
    EXPECT_EQ(edit->DropDownForm()->Width(), panel.cx);
    EXPECT_EQ(edit->DropDownForm()->Height(), panel.cy + 2 + 22 + 22) << "the grid, the border, header and footer";
    edit->HideDropDown(false);
    edit->SetDropDownHeight(120);
    edit->SetDropDownWidth(0);  // forgets the width the window had
    edit->ShowDropDown();
    EXPECT_EQ(edit->DropDownForm()->Width(), panel.cx + ui::TWinControl::ScrollBarSize);
    EXPECT_TRUE(edit->ItemSelector()->ScrollBarVisible(ui::SB_VERT));
}

TEST_F(ImagePicker, ImagesFromAFolderNamedByAMask)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "dropdown_picker_images";
    fs::remove_all(dir);
    fs::create_directories(dir);
    ui::TBitmap b;
    Solid(b, 8, 8, 0x00FF00);
    b.SaveToFile((dir / "a.png").string());
    b.SaveToFile((dir / "b.png").string());
    std::ofstream(dir / "c.png") << "no picture";
    std::ofstream(dir / "d.txt") << "other";
    edit->AddImagesFromFolder((dir / "*.png").string(), true);
    ASSERT_EQ(edit->Items()->Count(), 3);
    EXPECT_EQ(edit->Items()->GetItem(0)->Caption(), "a.png");
    EXPECT_EQ(edit->Items()->GetItem(0)->Image()->Width(), 8);
    EXPECT_EQ(edit->Items()->GetItem(2)->Caption(), "") << "not a picture: no caption";
    EXPECT_EQ(edit->Items()->GetItem(2)->Image()->Width(), 0);
    fs::remove_all(dir);
}

TEST_F(ImagePicker, TheEditShowsTheSelectedImage)
{
    Add(3);
    edit->SetItemIndex(2);
    ui::TBitmap bmp;
    Paint(*edit, bmp);
    EXPECT_EQ(CountColor(bmp, {0, 0, bmp.Width(), bmp.Height()}, 0x303030), 16 * 16);
}

// The memo keeps the keys of typing; Escape and F4 go on to the edit, whose key step runs before
// the window closes.
TEST_F(MemoDropDown, ForwardedKeysReachTheEditBeforeTheWindowCloses)
{
    std::vector<std::string> log;
    edit->OnKeyDown = [&](ui::TObject*, unsigned& k, ui::TShiftState) { log.push_back("down " + std::to_string(k)); };
    edit->OnKeyUp = [&](ui::TObject*, unsigned& k, ui::TShiftState) { log.push_back("up " + std::to_string(k)); };
    edit->OnBeforeDropUp = [&](ui::TObject*) { log.push_back("before drop up"); };
    edit->OnDropUp = [&](ui::TObject*, bool cancelled) { log.push_back(cancelled ? "closed cancelled" : "closed"); };
    for (const auto& [vk, shift, closing] :
         {std::tuple{ui::VK_ESCAPE, ui::TShiftState{0}, std::string("closed cancelled")},
          std::tuple{ui::VK_F4, ui::TShiftState{0}, std::string("closed")}}) {
        SCOPED_TRACE(vk);
        edit->ShowDropDown();
        Type("ab");
        log.clear();
        Key(vk, shift);
        EXPECT_FALSE(edit->DroppedDown());
        const std::string down = "down " + std::to_string(vk);
        ASSERT_GE(log.size(), 3u);
        EXPECT_EQ(log[0], down);
        const auto before = std::find(log.begin(), log.end(), "before drop up");
        const auto closed = std::find(log.begin(), log.end(), closing);
        EXPECT_TRUE(before != log.end() && closed != log.end() && before < closed);
    }
}
