// Renders the grid's stand-alone editor controls, in their kinds and looks, on one form to
// "editor_controls.png" in the build's bin folder, to be looked at; checks that the picture
// shows each control's text.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RealDisplay.h"

#include "grid/base/GsgDateTimePicker.h"
#include "grid/base/GsgEditBtn.h"
#include "grid/base/GsgSpinEdit.h"
#include "grid/base/GxDateTimePicker.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RealInput.h"
#include "platform/ui/Render.h"

namespace {

using gx::TGsgSpinType;

class Gallery {
public:
    Gallery()
    {
        form.SetBounds(0, 0, 700, 300);
        form.SetColor(ui::clBtnFace);
        form.Font()->SetName("DejaVu Sans");
        form.Font()->SetSize(9);
    }
    template <class C>
    C* add(int column, int row, int width = 150)
    {
        auto* c = new C(&form);
        c->SetParent(&form);
        c->SetBounds(10 + column * 220, 10 + row * 34, width, 24);
        return c;
    }
    ui::TForm form{nullptr};
};

TEST(EditorControlsGallery, EveryKindAndLookToPng)
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.ShortDateFormat = "M/d/yyyy";
    fs.LongTimeFormat = "h:nn:ss";
    rtl::TRegionalScope regional(fs);
    rtl::TClockScope clock(rtl::EncodeDateTime(2024, 3, 15, 9, 41, 0, 0));

    Gallery g;
    auto* whole = g.add<gx::TGsgSpinEdit>(0, 0);
    whole->SetValue(42);
    auto* real = g.add<gx::TGsgSpinEdit>(0, 1);
    real->SetPrecision(2);
    real->SetSpinType(TGsgSpinType::sptFloat);
    real->SetFloatValue(3.25);
    real->SetEditAlign(gx::TEditAlign::eaRight);
    auto* date = g.add<gx::TGsgSpinEdit>(0, 2);
    date->SetSpinType(TGsgSpinType::sptDate);
    auto* time = g.add<gx::TGsgSpinEdit>(0, 3);
    time->SetSpinType(TGsgSpinType::sptTime);
    time->SetTimeValue(rtl::EncodeTime(13, 5, 30, 0));
    auto* themed = g.add<gx::TGsgSpinEdit>(0, 4);
    themed->SetIsWinXP(true);
    themed->SetValue(7);
    auto* across = g.add<gx::TGsgSpinEdit>(0, 5);
    across->SetDirection(gx::TSpinDirection::spHorizontal);
    across->SetValue(8);
    auto* coloured = g.add<gx::TGsgSpinEdit>(0, 6);
    coloured->Button()->ButtonColor = 0x00F0D0A0;
    coloured->Button()->ButtonColorHot = 0x00FFE0C0;
    coloured->SetValue(9);

    auto* button = g.add<gx::TGsgEditBtn>(1, 0);
    button->SetButtonCaption("...");
    button->SetText("C:\\data");
    auto* themedButton = g.add<gx::TGsgEditBtn>(1, 1);
    themedButton->SetButtonCaption("...");
    themedButton->SetIsWinXP(true);
    themedButton->SetText("themed");
    auto* flatButton = g.add<gx::TGsgEditBtn>(1, 2);
    flatButton->SetButtonCaption("...");
    flatButton->Button()->SetFlat(true);
    flatButton->SetText("flat");
    auto* colouredButton = g.add<gx::TGsgEditBtn>(1, 3);
    colouredButton->SetButtonCaption("...");
    colouredButton->Button()->ButtonColor = 0x00A0D0F0;
    colouredButton->SetText("coloured");
    auto* unit = g.add<gx::TGsgUnitEditBtn>(1, 4);
    unit->SetButtonCaption("...");
    unit->Units()->Add("mm");
    unit->Units()->Add("m");
    unit->SetTextAndUnit("12.5mm");

    auto* picker = g.add<gx::TGsgDateTimePicker>(2, 0, 180);
    picker->SetDateTime(rtl::EncodeDate(2024, 2, 29));
    auto* metro = g.add<gx::TGsgDateTimePicker>(2, 1, 180);
    metro->SetDateTime(rtl::EncodeDate(2024, 2, 29));
    metro->SetMetroStyle(true);
    metro->SetCtl3D(false);
    metro->SetBorderColor(0x00B08040);
    metro->ButtonColor = 0x00F0D0A0;
    metro->ButtonTextColor = ui::clBlack;
    metro->ButtonBorderColor = 0x00B08040;
    auto* upDown = g.add<gx::TGsgDateTimePicker>(2, 2, 180);
    upDown->SetDateMode(ui::TDTDateMode::dmUpDown);
    upDown->SetShowCheckbox(true);
    auto* both = g.add<gx::TGxDateTimePicker>(2, 4, 180);
    both->SetDateTime(rtl::EncodeDateTime(2024, 3, 15, 9, 41, 0, 0));
    both->SetLabelPosition(gx::TLabelPosition::lpTopLeft);
    both->SetLabelCaption("Date and time");
    auto* timeOnly = g.add<gx::TGxDateTimePicker>(2, 5, 180);
    timeOnly->SetKind(gx::TGxDateTimeKind::dkTime);
    timeOnly->SetTime(rtl::EncodeTime(17, 5, 0, 0));

    g.form.Show();
    const std::filesystem::path file = std::filesystem::path(CFG_BIN_DIR) / "editor_controls.png";
    ASSERT_TRUE(ui::RenderToPng(g.form, file.string()));
    ui::TBitmap png;
    png.LoadFromFile(file.string());
    EXPECT_EQ(png.Width(), g.form.ClientWidth());

    // Each edit shows dark text pixels left of its button.
    for (ui::TCustomEdit* e : {static_cast<ui::TCustomEdit*>(whole), static_cast<ui::TCustomEdit*>(date),
                               static_cast<ui::TCustomEdit*>(button), static_cast<ui::TCustomEdit*>(unit)}) {
        const ui::TPoint o = e->ClientToParent({0, 0});
        int ink = 0;
        for (int y = 2; y < e->ClientHeight() - 2; ++y)
            for (int x = 2; x < e->ClientWidth() - 25; ++x)
                ink += ui::GetRValue(ui::ColorToRGB(png.Pixel(o.X + x, o.Y + y))) < 100;
        EXPECT_GT(ink, 5) << e->Text();
    }
}

// The editors in a real window, driven by the display's pointer and keys: the date picker's
// calendar dropped down by a click on its button, moved by keys and picked with Enter; the spin
// edit stepped by its up button.
TEST(EditorControlsGallery, InARealWindow)
{
    CFG_REAL_WINDOW_TEST();
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.ShortDateFormat = "M/d/yyyy";
    fs.LongTimeFormat = "h:nn:ss";
    rtl::TRegionalScope regional(fs);
    rtl::TClockScope clock(rtl::EncodeDateTime(2024, 3, 15, 9, 41, 0, 0));

    Gallery g;
    g.form.SetCaption("Editor controls");
    g.form.SetBounds(100, 100, 480, 260);
    auto* picker = g.add<gx::TGsgDateTimePicker>(0, 0, 180);  // at 10, 10
    picker->SetDateTime(rtl::EncodeDate(2024, 2, 29));
    auto* both = g.add<gx::TGxDateTimePicker>(1, 0, 200);  // at 230, 10
    both->SetDateTime(rtl::EncodeDateTime(2024, 3, 15, 9, 41, 0, 0));
    both->SetAutoTab(true);
    auto* spin = g.add<gx::TGsgSpinEdit>(0, 4);  // at 10, 146
    spin->SetValue(42);
    auto* button = g.add<gx::TGsgEditBtn>(1, 4);  // at 230, 146
    button->SetButtonCaption("...");
    g.form.Show();
    picker->SetFocus();
    ASSERT_TRUE(realinput::WaitShown(g.form));
    testsupport::Shot("40_editor_controls");

    // The drop-down button at the right end of the picker: the calendar, a day on and a week down.
    realinput::Click(picker, picker->ClientWidth() - 8, picker->ClientHeight() / 2);
    testsupport::Shot("41_calendar_dropped");
    realinput::Keys("Right Down");
    testsupport::Shot("42_calendar_moved");
    realinput::Keys("Return");
    testsupport::Shot("43_date_picked");
    EXPECT_EQ(picker->DateTime(), rtl::EncodeDate(2024, 3, 8));

    // The spin edit's up button: the upper half of its button at the right end.
    realinput::Click(spin, spin->ClientWidth() - 6, 4);
    testsupport::Shot("44_spin_stepped");
    EXPECT_EQ(spin->Value(), 43);
}

}  // namespace
