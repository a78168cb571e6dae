#include "grid/base/GxStyleIF.h"

#include "platform/ui/AppStyle.h"

namespace gx {

namespace {
// The colour scheme of the desktop's visual style.
constexpr std::string_view kColorSchemeName = "NormalColor";
}  // namespace

bool IsComCtl6OrLater()
{
    return true;
}
bool IsVistaOrLater()
{
    return true;
}
bool IsWinXPOrLater()
{
    return true;
}

int GetInstalledOfficeVersion()
{
    if (ReadOfficeThemeValue("14.0") >= 0)
        return 2;
    if (ReadOfficeThemeValue("12.0") >= 0)
        return 1;
    return 0;
}

int ReadOfficeThemeValue(std::string_view)
{
    return -1;
}

int XPColorSchemeFromName(std::string_view colorName)
{
    if (colorName.find("NormalColor") != std::string_view::npos)
        return 1;
    if (colorName.find("HomeStead") != std::string_view::npos)
        return 2;
    if (colorName.find("Metallic") != std::string_view::npos)
        return 3;
    return 0;
}

int GetXPColorScheme()
{
    if (!IsWinXPOrLater() || !ThemesActive() || !IsComCtl6OrLater())
        return 0;
    return XPColorSchemeFromName(kColorSchemeName);
}

TOfficeTheme OfficeThemeFrom(int newerOfficeTheme, int olderOfficeTheme, int xpColorScheme)
{
    if (newerOfficeTheme >= 0) {
        switch (newerOfficeTheme) {
        case 1:
            return TOfficeTheme::ot2010Blue;
        case 2:
            return TOfficeTheme::ot2010Silver;
        case 3:
            return TOfficeTheme::ot2010Black;
        default:
            return TOfficeTheme::ot2003Blue;
        }
    }
    if (olderOfficeTheme >= 0) {
        switch (olderOfficeTheme) {
        case 1:
            return TOfficeTheme::ot2007Blue;
        case 2:
            return TOfficeTheme::ot2007Silver;
        case 3:
            return TOfficeTheme::ot2007Black;
        default:
            return TOfficeTheme::ot2003Blue;
        }
    }
    switch (xpColorScheme) {
    case 0:
        return TOfficeTheme::ot2003Classic;
    case 2:
        return TOfficeTheme::ot2003Olive;
    case 3:
        return TOfficeTheme::ot2003Silver;
    default:
        return TOfficeTheme::ot2003Blue;
    }
}

TOfficeTheme GetOfficeTheme()
{
    if (ui::DesktopColorScheme() == ui::TDesktopColorScheme::dcsDark)
        return TOfficeTheme::ot2010Black;
    return OfficeThemeFrom(ReadOfficeThemeValue("14.0"), ReadOfficeThemeValue("12.0"), GetXPColorScheme());
}

std::string GetDefaultFontName()
{
    return IsVistaOrLater() ? "Segoe UI" : "Tahoma";
}

const TVisualStyles& VisualStyles()
{
    static const TVisualStyles styles;
    return styles;
}

bool ThemesActive()
{
    return VisualStyles().Loaded && VisualStyles().IsThemeActive();
}

}  // namespace gx
