#include "grid/base/GxStyleIF.h"

#include <gtest/gtest.h>

namespace {

using namespace gx;

struct OfficeCase {
    int newer, older, xpScheme;
    TOfficeTheme expected;
};

TEST(OfficeTheme, NewerSettingsWinThenOlderThenColourScheme)
{
    const OfficeCase cases[] = {
        {2, 1, 1, TOfficeTheme::ot2010Silver},  // the newer value wins over an older key
        {1, -1, 0, TOfficeTheme::ot2010Blue},    {3, -1, 0, TOfficeTheme::ot2010Black},
        {7, 2, 0, TOfficeTheme::ot2003Blue},  // an unknown value does not fall through
        {-1, 3, 0, TOfficeTheme::ot2007Black},   {-1, 0, 3, TOfficeTheme::ot2003Blue},
        {-1, -1, 3, TOfficeTheme::ot2003Silver}, {-1, -1, 2, TOfficeTheme::ot2003Olive},
        {-1, -1, 1, TOfficeTheme::ot2003Blue},   {-1, -1, 0, TOfficeTheme::ot2003Classic},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OfficeThemeFrom(c.newer, c.older, c.xpScheme), c.expected)
            << c.newer << "/" << c.older << "/" << c.xpScheme;
}

TEST(OfficeTheme, ColourSchemeNames)
{
    EXPECT_EQ(XPColorSchemeFromName("NormalColor"), 1);
    EXPECT_EQ(XPColorSchemeFromName("HomeStead"), 2);
    EXPECT_EQ(XPColorSchemeFromName("Metallic"), 3);
    EXPECT_EQ(XPColorSchemeFromName("normalcolor"), 0);
}

TEST(ThemeProfile, CurrentThemedDesktopWithoutOfficeScheme)
{
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_TRUE(IsComCtl6OrLater());
    EXPECT_TRUE(ThemesActive());
    EXPECT_EQ(GetInstalledOfficeVersion(), 0);
    EXPECT_EQ(GetOfficeTheme(), TOfficeTheme::ot2003Blue);
    EXPECT_EQ(GetDefaultFontName(), "Segoe UI");
}

}  // namespace
