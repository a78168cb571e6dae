// Every push button of every window wears the look the windows give them: face, grey frame,
// pressed and hover colours, style and a one-cell glyph; and shows it under the mouse.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "TempProgramFolder.h"
#include "app/UProgramFolder.h"
#include "app/UWindows.h"
#include "controls/button/LbButton.h"
#include "dialogs/UBoot.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/Render.h"

namespace {

using ButtonLooksTest = ProgramWindowsTest;

constexpr ui::TColor kFace = ui::RGB(0xF8, 0xF7, 0xED);
constexpr ui::TColor kGrey = ui::RGB(0x80, 0x80, 0x80);
constexpr ui::TColor kOrange = ui::RGB(0xFF, 0x80, 0x00);
constexpr ui::TColor kYellow = ui::RGB(0xFF, 0xFF, 0x00);
constexpr ui::TColor kBlue = ui::RGB(0xA6, 0xCA, 0xF0);

}  // namespace

TEST_F(ButtonLooksTest, EveryButtonOfEveryWindowHasTheStoredLook)
{
    const std::set<std::string> normalStyle = {"Btn_Info", "Btn_Opz", "Btn_Close", "Btn_Prm_Gen"};
    const std::set<std::string> blueHover = {"Btn_Info", "Btn_Opz", "Btn_Close"};
    int buttons = 0;
    for (int f = 0; f < ui::GetScreen()->FormCount(); ++f) {
        ui::TCustomForm* form = ui::GetScreen()->Forms(f);
        for (int i = 0; i < form->ComponentCount(); ++i) {
            auto* b = dynamic_cast<controls::TLbButton*>(form->Components(i));
            if (!b)
                continue;
            ++buttons;
            const std::string where = form->Name() + "." + b->Name();
            EXPECT_EQ(b->Color(), kFace) << where;
            EXPECT_EQ(b->LightColor(), kGrey) << where;
            EXPECT_EQ(b->ShadowColor(), kGrey) << where;
            EXPECT_EQ(b->ColorWhenDown(), kOrange) << where;
            EXPECT_EQ(b->HotTrackColor(), blueHover.count(b->Name()) ? kBlue : kYellow) << where;
            EXPECT_EQ(b->Style(), normalStyle.count(b->Name()) ? controls::bsNormal : controls::bsEncarta) << where;
            ASSERT_NE(b->Glyph(), nullptr) << where;
            EXPECT_EQ(b->NumGlyphs(), 1) << where;
            EXPECT_EQ(b->Glyph()->Width(), b->Glyph()->Height()) << where;
        }
    }
    EXPECT_GT(buttons, 40);
}

TEST_F(ButtonLooksTest, UnderTheMouseYellowAndPressedOrange)
{
    FBoot->FormShow(nullptr);
    FBoot->Show();
    ui::TPanel* band = FBoot->P_Button;
    controls::TLbButton* cancel = FBoot->Btn_Cancel;
    auto faceAndFrame = [&] {
        ui::TBitmap shot;
        ui::RenderControl(*cancel, shot);
        return std::pair{shot.Pixel(cancel->Width() - 6, 3), shot.Pixel(0, 0)};
    };
    EXPECT_EQ(faceAndFrame(), (std::pair{kFace, kGrey}));
    const int x = cancel->Left() + cancel->Width() - 6, y = cancel->Top() + 5;
    ui::RouteMouseEvent(band, ui::WM_MOUSEMOVE, x, y);
    EXPECT_EQ(faceAndFrame(), (std::pair{kYellow, kGrey}));
    cancel->OnClick = nullptr;
    cancel->SetModalResult(ui::mrNone);  // pressing must not close the dialog here
    ui::RouteMouseEvent(band, ui::WM_LBUTTONDOWN, x, y, ui::MK_LBUTTON);
    EXPECT_EQ(faceAndFrame().first, kOrange);
    ui::RouteMouseEvent(band, ui::WM_LBUTTONUP, x, y);
    ui::RouteMouseEvent(band, ui::WM_MOUSEMOVE, 2, 2);
    EXPECT_EQ(faceAndFrame().first, kFace);
    FBoot->Hide();
}
