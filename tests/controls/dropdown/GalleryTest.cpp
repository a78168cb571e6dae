// A picture of every drop-down control in its default look and in one preset, written as a PNG to
// look at (build/bin/dropdown_gallery.png).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxButton.h"
#include "controls/dropdown/GxButtonAppearance.h"
#include "controls/dropdown/GxCalcButtonPanel.h"
#include "controls/dropdown/GxColGrid.h"
#include "controls/dropdown/GxColorPalette.h"
#include "controls/dropdown/GxColorPanels.h"
#include "controls/dropdown/GxColorPickerDropDown.h"
#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxDropDownPresets.h"
#include "controls/dropdown/GxItemSelector.h"
#include "controls/dropdown/GxMultiColumnDropDown.h"
#include "controls/dropdown/GxWatch.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"

using namespace dropdown;
using namespace dropdown_test;

namespace {

// A header bar stand-in: the preset's bar gradient behind three bar buttons.
class Bar : public ui::TCustomControl {
public:
    Bar(ui::TComponent* owner, const TBarPreset& p) : TCustomControl(owner), preset(p) {}
    TBarPreset preset;

protected:
    void Paint() override
    {
        DrawBackgroundRect(Canvas(), ClientRect(), preset.Color, preset.ColorTo, TGradientDirection::gdVertical, 1,
                           preset.BorderColor);
    }
};

struct Gallery {
    explicit Gallery(ui::TForm& f) : form(f) {}

    void Bars(int top, gx::TGxStyle style)
    {
        const TDropDownPreset p = *DropDownPreset(style);
        auto* look = new TGxButtonAppearance;
        looks.emplace_back(look);
        ApplyButtonPreset(*look, p.Buttons);
        UseTestFont(*look->Font());
        auto* bar = new Bar(&form, p.Header);
        bar->SetParent(&form);
        bar->SetBounds(10, top, 300, 24);
        const char* captions[] = {"Normal", "Hot", "Off"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new TGxButton(&form);
            b->SetParent(bar);
            b->SetAppearance(look);
            b->SetCaption(captions[i]);
            b->AutoSizeButton();
            b->SetBounds(6 + 80 * i, 2, b->Width(), 20);
            if (i == 1)
                b->Perform(ui::CM_MOUSEENTER);
            if (i == 2)
                b->SetEnabled(false);
        }
    }

    void Selector(int left, int top, bool preset)
    {
        auto* sel = new TGxCustomItemSelector(&form);
        sel->SetParent(&form);
        sel->SetBounds(left, top, 200, 120);
        sel->SetImages(&images);
        sel->SetColumns(2);
        UseTestFont(*sel->ItemAppearance()->Font());
        if (preset)
            SetItemAppearanceStyle(sel->ItemAppearance(), gx::TGxStyle::tsOffice2010Blue);
        const char* captions[] = {"<b>Red</b>", "Green", "Blue", "<i>Yellow</i>", "Cyan"};
        for (int i = 0; i < 5; ++i) {
            TSelectorItem* item = sel->Items()->Add();
            item->SetCaption(captions[i]);
            item->SetImageIndex(i);
        }
        sel->UpdateSelectorPanel();
        sel->SetItemIndex(1);
        sel->Panel()->SetItemHot(2);
    }

    ui::TForm& form;
    ui::TImageList images{nullptr};
    std::vector<std::unique_ptr<TGxButtonAppearance>> looks;
};

void FillImages(ui::TImageList& images)
{
    images.SetSize(16, 16);
    const ui::TColor colours[] = {0x0000FF, 0x00C000, 0xFF0000, 0x00FFFF, 0xFFFF00};
    for (ui::TColor c : colours) {
        ui::TBitmap b;
        Solid(b, 16, 16, c);
        images.Add(b);
    }
}

}  // namespace

TEST(DropDownGallery, EveryControlInItsDefaultLookAndOnePreset)
{
    ui::TForm form(nullptr);
    form.SetBorderStyle(ui::TFormBorderStyle::bsNone);
    form.SetColor(0xF0F0F0);
    form.SetBounds(0, 0, 1000, 760);
    Gallery g(form);
    FillImages(g.images);

    g.Bars(10, gx::TGxStyle::tsOffice2007Luna);
    g.Bars(40, gx::TGxStyle::tsOffice2003Blue);
    g.Selector(10, 80, false);
    g.Selector(220, 80, true);

    for (int i = 0; i < 2; ++i) {
        auto* calc = new TCustomButtonPanel(&form);
        calc->SetParent(&form);
        calc->SetBounds(440 + 240 * i, 10, 230, 150);
        calc->InitButtons();
        if (i == 1) {
            calc->ButtonAppearance()->SetSpecialTextColor(0xC00000);
            calc->SetButtonHot(11);
        }
    }

    const int watchTop = 210;
    auto* classic = new TGxWatch(&form);
    classic->SetParent(&form);
    classic->SetBounds(10, watchTop, 180, 180);
    classic->SetTime(rtl::EncodeTime(10, 9, 0, 0));
    auto* styled = new TGxWatch(&form);
    styled->SetParent(&form);
    styled->SetBounds(200, watchTop, 180, 180);
    styled->SetStyle(TWatchStyle::wsBlueStar);
    styled->SetTime(rtl::EncodeTime(16, 45, 0, 0));
    auto* coloured = new TGxWatch(&form);
    coloured->SetParent(&form);
    coloured->SetBounds(390, watchTop, 180, 180);
    coloured->SetComponentStyle(gx::TGxStyle::tsOffice2007Luna);
    coloured->SetTime(rtl::EncodeTime(3, 30, 0, 0));
    auto* pointer = new TGxWatch(&form);
    pointer->SetParent(&form);
    pointer->SetBounds(580, watchTop, 180, 180);
    pointer->SetStyle(TWatchStyle::wsSmooth);
    pointer->SetTime(rtl::EncodeTime(7, 20, 0, 0));

    const int colourTop = 420;
    auto* cube = new TGxColorCubePanel(&form);
    cube->SetParent(&form);
    cube->SetLeft(10);
    cube->SetTop(colourTop);
    cube->ResetHot();
    cube->SetSelectedColor(0xFFFFFF);
    auto* spectrum = new TGxColorSpectrumPanel(&form);
    spectrum->SetParent(&form);
    spectrum->SetLeft(200);
    spectrum->SetTop(colourTop);
    auto* palette = new TCustomColorSelector(&form);
    palette->SetParent(&form);
    palette->SetBounds(360, colourTop, 0, 0);
    palette->AddDefaultBoxes();
    palette->SetSelectedColor(0x4696F7);
    palette->SetHotIndex(13);

    // The colour pickers' edits (default look with a named colour, a preset with its HTML text) and
    // a multi-column table as its window shows it.
    const int pickerTop = 620;
    for (int i = 0; i < 2; ++i) {
        auto* picker = new TGxColorPickerDropDown(&form);
        picker->SetParent(&form);
        picker->SetBounds(10, pickerTop + 30 * i, 160, 22);
        UseTestFont(*picker->Font());
        picker->AddDefaultColors();
        if (i == 1) {
            picker->SetComponentStyle(gx::TGxStyle::tsOffice2010Blue);
            picker->SetColorValueText(TColorValueText::cvtHTML);
            picker->SetColorSelectionStyle(TColorSelectionStyle::csColorCube);
        }
        picker->SetSelectedColor(i == 0 ? 0x0000FF : 0x4696F7);
    }
    auto* table = new TGxMultiColumnDropDown(&form);
    table->SetBounds(0, 0, 0, 0);
    for (const char* header : {"Code", "Name"}) {
        auto* column = table->Columns()->Add();
        column->Header = header;
        UseTestFont(*column->Font());
    }
    UseTestFont(*table->HeaderFont());
    for (const char* row : {"R|Red", "G|Green", "B|Blue"}) {
        rtl::TStringList texts;
        texts.Add(std::string(row, 1));
        texts.Add(row + 2);
        table->Items()->Add()->SetText(texts);
    }
    auto* list = new multicolumn::TGxColGrid(&form);
    list->SetParent(&form);
    list->SetBounds(220, pickerTop, 162, 25 + 3 * 22 + 2);
    list->SetDropDown(table);
    list->ReadDropDownSettings();
    list->SetRow(2);

    const std::string file = std::string(CFG_BIN_DIR) + "/dropdown_gallery.png";
    std::filesystem::remove(file);
    ASSERT_TRUE(ui::RenderToPng(form, file));
    ui::TBitmap back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.Width(), 1000);
    EXPECT_EQ(back.Height(), 760);
    // The presets show: the two selectors and the two classic-shaped watches differ.
    EXPECT_NE(back.Pixel(100, 300), back.Pixel(200 + 90, watchTop + 90 + 20));
}
