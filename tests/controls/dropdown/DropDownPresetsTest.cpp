// The colour presets of the drop-down editors, the selection styles and the item presets.
#include <gtest/gtest.h>

#include "DropDownTestSupport.h"
#include "controls/dropdown/GxButtonAppearance.h"
#include "controls/dropdown/GxDropDownPresets.h"
#include "controls/dropdown/GxItemAppearance.h"

using namespace dropdown;
using namespace dropdown_test;
using gx::TGxStyle;
using ui::clNone;

TEST(DropDownPreset, Office2003BlueWhiteWindowAndBarsWithTheirOwnBorders)
{
    const auto p = DropDownPreset(TGxStyle::tsOffice2003Blue);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->WindowColor, 0xFFFFFFu);
    EXPECT_EQ(p->WindowColorTo, clNone);
    EXPECT_FALSE(p->WindowBorderColor) << "the window border is kept";
    EXPECT_EQ(p->Header.Color, 0xFCE1CBu);
    EXPECT_EQ(p->Header.ColorTo, 0xE0A57Du);
    EXPECT_EQ(p->Header.BorderColor, 0x000000u);
    EXPECT_EQ(p->Footer.BorderColor, 0x962D00u);
    EXPECT_EQ(p->Buttons.ColorHot, 0xEBFDFFu);
}

TEST(DropDownPreset, LunaIsTheStartingLook)
{
    const auto p = DropDownPreset(TGxStyle::tsOffice2007Luna);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->WindowColor, 0xF3E5DAu);
    EXPECT_EQ(p->WindowColorTo, 0xF0DED0u);
    EXPECT_EQ(p->WindowBorderColor.value_or(0), clNone);
    EXPECT_EQ(p->Header.Color, 0xFFEFE3u);
    EXPECT_EQ(p->Header.FontColor, 0x723708u);
    EXPECT_EQ(p->Buttons.ColorTo, 0xFFDDC4u) << "the buttons' gradient end differs from the bars'";
}

TEST(DropDownPreset, EveryNamedStyleHasOneAndCustomNone)
{
    EXPECT_FALSE(DropDownPreset(TGxStyle::tsCustom));
    for (int s = 0; s <= 15; ++s) {
        if (static_cast<TGxStyle>(s) == TGxStyle::tsCustom)
            continue;
        EXPECT_TRUE(DropDownPreset(static_cast<TGxStyle>(s))) << s;
    }
    const auto vista = DropDownPreset(TGxStyle::tsWindowsVista);
    EXPECT_EQ(vista->Header.Color, vista->Footer.ColorTo) << "the vista footer runs the other way";
    EXPECT_EQ(DropDownPreset(TGxStyle::tsTerminal)->Header.Color, ui::clBtnFace);
}

TEST(DropDownPreset, ButtonPresetGoesThroughTheSetters)
{
    TGxButtonAppearance a;
    int changes = 0;
    a.OnChange = [&](ui::TObject*) { ++changes; };
    ApplyButtonPreset(a, DropDownPreset(TGxStyle::tsOffice2010Blue)->Buttons);
    EXPECT_EQ(a.Color(), 0xFDF6EFu);
    EXPECT_EQ(a.ColorHotTo(), clNone);
    EXPECT_EQ(a.BorderColorChecked(), 0x4FA0CEu);
    EXPECT_GT(changes, 0);
    const int before = changes;
    ApplyButtonPreset(a, DropDownPreset(TGxStyle::tsOffice2010Blue)->Buttons);
    EXPECT_EQ(changes, before) << "the same values again change nothing";
}

TEST(SelectionStyle, NamedStylesGiveTheirColoursCustomKeepsThem)
{
    EXPECT_EQ(SelectionColors(TSelectionColorStyle::scOffice2007), std::make_pair(0xD7FFFDu, 0x58D4FCu));
    EXPECT_EQ(SelectionColors(TSelectionColorStyle::scWindowsVista), std::make_pair(0xFDF8F1u, 0xFCEFD5u));
    EXPECT_EQ(SelectionColors(TSelectionColorStyle::scWindows7), std::make_pair(0xFCEBDCu, 0xFCDBC1u));
    EXPECT_FALSE(SelectionColors(TSelectionColorStyle::scCustom));
}

TEST(SelectionStyle, CustomFillsPlainlyNamedDrawsAFramedFace)
{
    ui::TBitmap bmp;
    Solid(bmp, 40, 20, ui::clWhite);
    DrawSelectionBackground(*bmp.Canvas(), {0, 0, 40, 20}, 0, ui::clWhite, TSelectionColorStyle::scCustom, 0x00FF00,
                            0x0000FF);
    EXPECT_EQ(CountColor(bmp, {0, 0, 40, 20}, 0x00FF00), 800);

    Solid(bmp, 40, 20, ui::clWhite);
    DrawSelectionBackground(*bmp.Canvas(), {0, 0, 40, 20}, 0, ui::clWhite, TSelectionColorStyle::scWindows7, 0xFCEBDC,
                            0xFCDBC1);
    EXPECT_GT(CountColor(bmp, {0, 0, 40, 20}, 0xCEA27D), 0) << "the windows 7 border";
    EXPECT_EQ(CountColor(bmp, {0, 0, 40, 20}, 0x00FF00), 0);
}

TEST(ItemAppearance, StartsInTheOffice2007PresetAndReloadsNamedStyles)
{
    TItemAppearance a;
    EXPECT_EQ(a.ColorStyle(), TSelectionColorStyle::scOffice2007);
    EXPECT_EQ(a.ColorHot, 0xD7FFFDu);
    EXPECT_EQ(a.ColorMirrorSelectedTo, 0x68E3F9u);
    EXPECT_EQ(a.BorderColorHot, clNone);
    EXPECT_EQ(a.Font()->Name(), "Tahoma");
    a.SetColorStyle(TSelectionColorStyle::scWindows7);
    EXPECT_EQ(a.ColorSelected, 0xF9D8B9u);
    EXPECT_EQ(a.ColorMirrorHot, clNone);
    a.ColorHot = 0x123456;
    a.SetColorStyle(TSelectionColorStyle::scCustom);
    EXPECT_EQ(a.ColorHot, 0x123456u) << "custom keeps the colours";
}

TEST(ItemAppearance, AssignAppliesTheSourceStyleOverTheCopiedColours)
{
    TItemAppearance source;
    source.SetColorStyle(TSelectionColorStyle::scWindowsVista);
    source.ColorHot = 0x010203;  // changed after the style: lost when the target reloads the style
    source.ColorHotText = 0x00FF00;
    TItemAppearance target;
    target.Assign(source);
    EXPECT_EQ(target.ColorStyle(), TSelectionColorStyle::scWindowsVista);
    EXPECT_EQ(target.ColorHot, 0xFDF8F1u);
    EXPECT_EQ(target.ColorHotText, 0x00FF00u);

    TItemAppearance sameStyle;
    sameStyle.SetColorStyle(TSelectionColorStyle::scWindowsVista);
    sameStyle.Assign(source);
    EXPECT_EQ(sameStyle.ColorHot, 0x010203u) << "the same style is not reloaded";
}

TEST(ItemAppearanceStyle, PresetsHotAndSelectedColours)
{
    SetItemAppearanceStyle(nullptr, TGxStyle::tsOffice2010Blue);  // nothing to do, no crash

    TItemAppearance a;
    a.BorderColorHot = 0x111111;
    a.ColorSelectedText = 0x222222;
    SetItemAppearanceStyle(&a, TGxStyle::tsOffice2010Blue);
    EXPECT_EQ(a.BorderColor, 0x308AC2u) << "the selected border is the one that stays";
    EXPECT_EQ(a.BorderColorHot, clNone);
    EXPECT_EQ(a.ColorSelectedText, 0u);
    EXPECT_EQ(a.ColorMirrorHot, 0x8AE3FDu);

    SetItemAppearanceStyle(&a, TGxStyle::tsWindowsXP);
    EXPECT_EQ(a.ColorSelected, ui::clHighlight);
    EXPECT_EQ(a.ColorSelectedText, ui::clHighlightText);

    SetItemAppearanceStyle(&a, TGxStyle::tsOffice2007Luna);
    EXPECT_EQ(a.BorderColorTop, 0xF4FEFFu);
    EXPECT_EQ(a.ColorSelectedText, 0u);

    a.BorderColorHot = 0x333333;
    SetItemAppearanceStyle(&a, TGxStyle::tsCustom);
    EXPECT_EQ(a.BorderColorHot, 0x333333u) << "custom changes nothing";
}
