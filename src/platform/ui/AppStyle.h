// The application's look: the desktop's own ("Windows") or a named style of the application with
// the colours its grids take. Setting it tells every control of every form (CM_STYLECHANGED). And
// the desktop's colour scheme, whose changes every control hears (WM_THEMECHANGED).
#pragma once

#include <string>

#include "platform/ui/Colors.h"

namespace ui {

struct TAppStyle {
    std::string Name = "Windows";
    bool Enabled = true;
    // The grid elements of the style; clNone where the style gives no colour of its own.
    TColor GridColor = clWindow;
    TColor GridLineColor = clSilver;
    TColor FixedLineColor = clGray;
    TColor FontColor = clNone;
    TColor SelectionTextColor = clNone;
    TColor FixedFontColor = clNone;
};

const TAppStyle& ActiveAppStyle();
// True when the active style is enabled and is not the desktop's own.
bool AppStyleActive();
void SetActiveAppStyle(const TAppStyle& style);

// The desktop's colour scheme, as the backend last reported it (light until it says otherwise).
enum class TDesktopColorScheme { dcsLight, dcsDark };
TDesktopColorScheme DesktopColorScheme();
// The scheme found at start-up, kept without telling anybody.
void SetDesktopColorScheme(TDesktopColorScheme scheme);
// The backend reports the desktop's theme or colour scheme as it is now: the scheme is kept and
// every control of every form hears WM_THEMECHANGED.
void DesktopThemeChanged(TDesktopColorScheme scheme);

}  // namespace ui
