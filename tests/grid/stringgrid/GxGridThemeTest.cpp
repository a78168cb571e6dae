// A grid with AutoThemeAdapt takes the style of the desktop's colour scheme when switched on and
// follows the scheme while the program runs: the desktop's palette changes through the Qt
// backend, whose theme-change event reaches every grid of every form.
#include <gtest/gtest.h>

#include "grid/stringgrid/GxGrid.h"
#include "platform/ui/AppStyle.h"
#include "platform/ui/Forms.h"
#include "platform/ui/qt/NativeTesting.h"

namespace gx {
namespace {

// The colours by which the two styles tell each other apart.
struct Look {
    ui::TColor selection, fixedFrom, footer;
    bool operator==(const Look&) const = default;
};

Look LookOf(TGxStringGrid& grid)
{
    return {grid.SelectionColor, grid.ControlLook()->FixedGradientFrom(), grid.SearchFooter()->Color()};
}

Look StyleLook(TGxStyle style)
{
    TGxStringGrid grid(nullptr);
    grid.SetComponentStyle(style);
    return LookOf(grid);
}

TEST(GxGridTheme, AnAdaptingGridFollowsTheDesktopsColourScheme)
{
    const Look light = StyleLook(TGxStyle::tsOffice2003Blue), dark = StyleLook(TGxStyle::tsOffice2010Black);
    ASSERT_FALSE(light == dark);
    ui::qt::SetNativeDesktopPalette(false);
    ui::TForm form(nullptr);
    auto* adapting = new TGxStringGrid(&form);
    adapting->SetParent(&form);
    auto* plain = new TGxStringGrid(&form);
    plain->SetParent(&form);
    const Look plainLook = LookOf(*plain);

    adapting->SetAutoThemeAdapt(true);
    EXPECT_EQ(LookOf(*adapting), light);
    struct Step {
        bool dark;
        Look look;
    } steps[] = {{true, dark}, {false, light}, {true, dark}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.dark ? "dark" : "light");
        ui::qt::SetNativeDesktopPalette(s.dark);
        EXPECT_EQ(ui::DesktopColorScheme(),
                  s.dark ? ui::TDesktopColorScheme::dcsDark : ui::TDesktopColorScheme::dcsLight);
        EXPECT_EQ(LookOf(*adapting), s.look);
        EXPECT_EQ(LookOf(*plain), plainLook);  // a grid without AutoThemeAdapt keeps its look
    }
    adapting->SetAutoThemeAdapt(false);
    ui::qt::SetNativeDesktopPalette(false);
    EXPECT_EQ(LookOf(*adapting), dark);  // no longer following
}

}  // namespace
}  // namespace gx
