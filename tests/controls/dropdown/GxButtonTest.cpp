// The header and footer bar buttons: faces per state, sizing, clicks closing the drop-down.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxButton.h"
#include "controls/dropdown/GxButtonAppearance.h"
#include "controls/dropdown/GxDropDownDraw.h"
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

constexpr ui::TColor kBar = 0x00FFFF;

// Records how a button closed its drop-down.
struct FakeDropDown : IDropDownCloser {
    std::vector<std::string>* Log = nullptr;
    void DoHideDropDown(bool Cancelled) override { Log->push_back(Cancelled ? "hide cancelled" : "hide accepted"); }
};

// A bar (plain panel) on a form with one button in a solid look per state.
class GxButtonTest : public ::testing::Test {
protected:
    GxButtonTest()
    {
        form = std::make_unique<ui::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 100);
        bar = new ui::TPanel(form.get());
        bar->SetParent(form.get());
        bar->SetBevelOuter(ui::TBevelCut::bvNone);
        bar->SetColor(kBar);
        bar->SetBounds(0, 0, 300, 30);
        button = new TGxButton(form.get());
        button->SetParent(bar);
        button->SetBounds(10, 4, 40, 22);
        button->SetAppearance(&look);
        look.SetColorHot(0x0000F0);
        look.SetBorderColorHot(0x000080);
        look.SetColorDown(0x00F000);
        look.SetBorderColorDown(0x008000);
        look.SetColorChecked(0xF00000);
        look.SetColorDisabled(0x808080);
        look.SetBorderColorDisabled(0x404040);
        closer.Log = &log;
        button->OnClick = [this](ui::TObject*) { log.push_back("click"); };
        form->Show();
    }
    ~GxButtonTest() override { form->Hide(); }

    ui::TColor Centre()
    {
        Paint(*button, bmp);
        return bmp.Pixel(20, 11);
    }

    std::unique_ptr<ui::TForm> form;
    ui::TPanel* bar;
    TGxButton* button;
    TGxButtonAppearance look;
    FakeDropDown closer;
    std::vector<std::string> log;
    ui::TBitmap bmp;
};

}  // namespace

TEST(GxButtonAppearance, DefaultsAndAssign)
{
    TGxButtonAppearance a;
    EXPECT_EQ(a.Color(), ui::clNone);
    EXPECT_EQ(a.ColorHot(), 0xF5F0E1u);
    EXPECT_EQ(a.BorderColorDown(), 0x800000u);
    EXPECT_EQ(a.BorderColorChecked(), 0xFF0000u);
    EXPECT_EQ(a.ColorDisabledTo(), ui::clNone);
    EXPECT_EQ(a.Gradient(), TGradientDirection::gdVertical);
    EXPECT_EQ(a.Font()->Name(), "Tahoma");

    TGxButtonAppearance b;
    b.SetColorChecked(0x123456);
    b.SetGradient(TGradientDirection::gdHorizontal);
    b.Font()->SetName("Other");
    int changes = 0;
    a.OnChange = [&](ui::TObject*) { ++changes; };
    a.Assign(b);
    EXPECT_EQ(a.ColorChecked(), 0x123456u) << "the down colours are copied too";
    EXPECT_EQ(a.Gradient(), TGradientDirection::gdHorizontal);
    EXPECT_EQ(a.Font()->Name(), "Tahoma") << "the font is not copied";
    EXPECT_EQ(changes, 2);
}

TEST_F(GxButtonTest, NewButtonIs23By22)
{
    TGxButton b(nullptr);
    EXPECT_EQ(b.Width(), 23);
    EXPECT_EQ(b.Height(), 22);
    EXPECT_FALSE(b.ShowHint());
    EXPECT_EQ(b.ImageIndex(), -1);
}

TEST_F(GxButtonTest, NormalFaceWithoutColoursShowsTheBar)
{
    EXPECT_EQ(Centre(), kBar);
    EXPECT_EQ(bmp.Pixel(0, 0), kBar);
    look.SetColor(0x112233);
    EXPECT_EQ(Centre(), 0x112233u);
}

TEST_F(GxButtonTest, FaceFollowsTheState)
{
    ui::SendMouseMove(button, 5, 5);
    EXPECT_TRUE(button->MouseInButton());
    EXPECT_EQ(Centre(), 0x0000F0u) << "hot";
    EXPECT_EQ(bmp.Pixel(0, 0), 0x000080u) << "hot border";
    ui::SendMouseDown(button, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(Centre(), 0x00F000u) << "pressed";
    EXPECT_EQ(bmp.Pixel(0, 0), 0x008000u);
    ui::SendMouseMove(button, 100, 5);
    EXPECT_EQ(button->State(), TGxButtonState::absUp) << "dragged off, the button is up again";
    ui::SendMouseUp(button, ui::TMouseButton::mbLeft, 100, 5);
    button->SetStyle(TGxButtonStyle::tasCheck);
    button->SetDown(true);
    EXPECT_EQ(Centre(), 0xF00000u) << "down";
    button->SetEnabled(false);
    EXPECT_EQ(Centre(), 0x808080u) << "disabled";
    EXPECT_EQ(bmp.Pixel(0, 0), 0x404040u);
}

TEST_F(GxButtonTest, WithoutAppearanceNothingIsDrawnOrSized)
{
    button->SetAppearance(nullptr);
    look.SetColor(0x112233);
    EXPECT_EQ(Centre(), kBar);
    button->SetCaption("A long caption");
    button->AutoSizeButton();
    EXPECT_EQ(button->Width(), 40);
}

TEST_F(GxButtonTest, AutoSizeTakesTheWiderOfImageAndCaption)
{
    UseTestFont(*look.Font());
    button->SetCaption("Ab");
    button->AutoSizeButton();
    const ui::TSize text = GetTextSize(*button->Canvas(), "Ab");
    EXPECT_EQ(button->Width(), text.cx + 8);
    EXPECT_EQ(button->Height(), text.cy + 4);

    ui::TImageList images(nullptr);
    images.SetSize(text.cx + 10, 30);
    ui::TBitmap pic;
    Solid(pic, text.cx + 10, 30, 0x0000FF);
    images.Add(pic);
    button->SetImages(&images);
    button->SetImageIndex(0);
    button->AutoSizeButton();
    EXPECT_EQ(button->Width(), text.cx + 18);
    EXPECT_EQ(button->Height(), 34);
    // The caption after the image no longer fits: it is cut with an ellipsis, the image is whole.
    Paint(*button, bmp);
    EXPECT_EQ(ColorBounds(bmp, {0, 0, button->Width(), button->Height()}, 0x0000FF),
              ui::Bounds(4, 2, text.cx + 10, 30));
    button->SetImages(nullptr);
}

TEST_F(GxButtonTest, FreedImageListIsForgotten)
{
    auto images = std::make_unique<ui::TImageList>(nullptr);
    button->SetImages(images.get());
    images.reset();
    EXPECT_EQ(button->Images(), nullptr);
    Centre();
}

namespace {

struct ModalCase {
    const char* Name;
    ui::TModalResult Result;
    std::vector<std::string> Log;
};

class GxButtonModalResult : public GxButtonTest, public ::testing::WithParamInterface<ModalCase> {};

}  // namespace

TEST_P(GxButtonModalResult, ClosingResultsHideTheDropDownBeforeTheClick)
{
    button->SetGxDropDown(&closer);
    button->SetModalResult(GetParam().Result);
    ui::SendClick(button, 5, 5);
    EXPECT_EQ(log, GetParam().Log);
    EXPECT_EQ(form->ModalResult(), GetParam().Result);
}

INSTANTIATE_TEST_SUITE_P(GxButton, GxButtonModalResult,
                         ::testing::Values(ModalCase{"Ok", ui::mrOk, {"hide accepted", "click"}},
                                           ModalCase{"Cancel", ui::mrCancel, {"hide cancelled", "click"}},
                                           ModalCase{"Abort", ui::mrAbort, {"hide cancelled", "click"}},
                                           ModalCase{"Ignore", ui::mrIgnore, {"hide cancelled", "click"}},
                                           ModalCase{"Yes", ui::mrYes, {"hide accepted", "click"}},
                                           ModalCase{"No", ui::mrNo, {"hide cancelled", "click"}},
                                           ModalCase{"All", ui::mrAll, {"hide accepted", "click"}},
                                           ModalCase{"NoToAll", 13, {"hide cancelled", "click"}},
                                           ModalCase{"YesToAll", 14, {"hide accepted", "click"}},
                                           ModalCase{"None", ui::mrNone, {"click"}},
                                           ModalCase{"Retry", ui::mrRetry, {"click"}},
                                           ModalCase{"Close", ui::mrClose, {"click"}}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GxButtonTest, KeyboardClickClosesAndReportsAsTheMouseDoes)
{
    button->SetGxDropDown(&closer);
    button->SetModalResult(ui::mrOk);
    button->SetFocus();
    ui::SendKeyStroke(button, ui::VK_RETURN);
    ui::SendKeyStroke(button, ui::VK_SPACE, 0, U' ');
    EXPECT_EQ(log, (std::vector<std::string>{"hide accepted", "click", "hide accepted", "click"}));
    EXPECT_EQ(button->State(), TGxButtonState::absUp) << "no pressed look is left behind";
}

TEST_F(GxButtonTest, AcceleratorClicksEnabledButtonsOnly)
{
    button->SetCaption("&Go");
    EXPECT_EQ(button->Perform(ui::CM_DIALOGCHAR, U'g'), 1);
    EXPECT_EQ(button->Perform(ui::CM_DIALOGCHAR, U'x'), 0);
    button->SetEnabled(false);
    EXPECT_EQ(button->Perform(ui::CM_DIALOGCHAR, U'g'), 0);
    EXPECT_EQ(log, std::vector<std::string>{"click"});
}

TEST_F(GxButtonTest, DisabledButtonIgnoresPresses)
{
    button->SetEnabled(false);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONDOWN, 15, 9, ui::MK_LBUTTON);
    EXPECT_NE(button->State(), TGxButtonState::absDown);
    ui::RouteMouseEvent(form.get(), ui::WM_LBUTTONUP, 15, 9);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(Centre(), 0x808080u);
}

TEST_F(GxButtonTest, PressAndReleaseOutsideClicksNothing)
{
    ui::SendMouseDown(button, ui::TMouseButton::mbLeft, 5, 5);
    EXPECT_EQ(button->State(), TGxButtonState::absDown);
    ui::SendMouseUp(button, ui::TMouseButton::mbLeft, 200, 5);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(button->State(), TGxButtonState::absUp);
    ui::SendMouseDown(button, ui::TMouseButton::mbRight, 5, 5);
    EXPECT_EQ(button->State(), TGxButtonState::absUp) << "other mouse buttons do not press";
}

TEST_F(GxButtonTest, HotLookEndsWhenTheCursorLeftWithoutNotice)
{
    ui::SendMouseMove(button, 5, 5);
    ASSERT_TRUE(button->MouseInButton());
    ui::SetCursorPosForInput(form->ClientToScreen({250, 80}));
    for (int i = 0; i < 50 && button->MouseInButton(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        ui::Application->ProcessMessages();
    }
    EXPECT_FALSE(button->MouseInButton());
}

TEST_F(GxButtonTest, GroupedButtonsStayExclusive)
{
    auto* second = new TGxButton(form.get());
    second->SetParent(bar);
    second->SetBounds(60, 4, 40, 22);
    for (TGxButton* b : {button, second})
        b->SetGroupIndex(1);
    ui::SendClick(button, 5, 5);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(button->State(), TGxButtonState::absExclusive);
    ui::SendClick(second, 5, 5);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(button->Down());
    ui::SendClick(second, 5, 5);
    EXPECT_TRUE(second->Down()) << "without AllowAllUp the last one stays down";

    TGxButton plain(nullptr);
    plain.SetDown(true);
    EXPECT_FALSE(plain.Down()) << "an ungrouped push button is never down";
}
