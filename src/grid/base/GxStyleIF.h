#pragma once
// Theme detection for the grid and its editor controls.
//
// This desktop answers as a current system with visual styles on: the version checks are
// all true, the visual-style binding is loaded and active, the colour scheme is the default
// one. No office suite colour scheme exists here, so the office questions answer "none" and
// the theme notifier never has anything to watch (see GxThemeNotifier.h). The desktop's own
// colour scheme stands in for the office one: a dark desktop reads as the black office scheme,
// and a change of the desktop's theme reaches every control as WM_THEMECHANGED.

#include <string>
#include <string_view>

#include "platform/ui/Colors.h"

namespace gx {

enum class TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

enum class TGxStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

// Brush, border and text colour of one state of the flat look.
struct TColorTone {
    ui::TColor BrushColor = ui::clNone;
    ui::TColor BorderColor = ui::clNone;
    ui::TColor TextColor = ui::clNone;
};

// The colour tones a flat-styled control keeps for its states.
struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// Implemented by controls that take a style preset.
class IGxStyle {
public:
    virtual ~IGxStyle() = default;
    virtual void SetComponentStyle(TGxStyle AStyle) = 0;
};

// Implemented by controls that take colour tones.
class IGxTones {
public:
    virtual ~IGxTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

// Window message sent to registered windows when the office colour scheme changes.
constexpr unsigned WM_OFFICETHEMECHANGED = 2993;

bool IsComCtl6OrLater();
bool IsVistaOrLater();
bool IsWinXPOrLater();

// 2 for the newer office settings, 1 for the older, 0 when there are none (always here).
int GetInstalledOfficeVersion();

// The "Theme" value of the office settings of a version ("14.0" or "12.0"); -1 when absent.
int ReadOfficeThemeValue(std::string_view version);

// 1 "NormalColor", 2 "HomeStead", 3 "Metallic", 0 otherwise or when styles are off.
int GetXPColorScheme();
int XPColorSchemeFromName(std::string_view colorName);

// The office theme from the two office "Theme" values (-1 = absent) and the colour scheme.
TOfficeTheme OfficeThemeFrom(int newerOfficeTheme, int olderOfficeTheme, int xpColorScheme);
// The desktop's dark colour scheme gives ot2010Black; otherwise the office values as above.
TOfficeTheme GetOfficeTheme();

// "Segoe UI" on a current desktop (mapped to an installed family by the font layer).
std::string GetDefaultFontName();

// The visual-style binding used by every themed drawing: loaded, and styles active.
struct TVisualStyles {
    bool Loaded = true;
    bool IsThemeActive() const { return Loaded; }
    bool IsAppThemed() const { return Loaded; }
};
const TVisualStyles& VisualStyles();

// True when themed drawing may be used: the binding is loaded and styles are active.
bool ThemesActive();

}  // namespace gx
