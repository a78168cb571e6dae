#include "platform/ui/AppStyle.h"

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

TAppStyle& Active()
{
    static TAppStyle style;
    return style;
}

TDesktopColorScheme& Scheme()
{
    static TDesktopColorScheme scheme = TDesktopColorScheme::dcsLight;
    return scheme;
}

void Tell(TWinControl* root, unsigned message)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* c = root->Controls(i);
        c->Perform(message);
        if (auto* w = dynamic_cast<TWinControl*>(c))
            Tell(w, message);
    }
}

void TellEveryForm(unsigned message)
{
    TScreen* screen = GetScreen();
    if (!screen)
        return;
    for (int i = 0; i < screen->FormCount(); ++i)
        Tell(screen->Forms(i), message);
}

}  // namespace

const TAppStyle& ActiveAppStyle()
{
    return Active();
}

bool AppStyleActive()
{
    return Active().Enabled && Active().Name != "Windows";
}

void SetActiveAppStyle(const TAppStyle& style)
{
    Active() = style;
    TellEveryForm(CM_STYLECHANGED);
}

TDesktopColorScheme DesktopColorScheme()
{
    return Scheme();
}

void SetDesktopColorScheme(TDesktopColorScheme scheme)
{
    Scheme() = scheme;
}

void DesktopThemeChanged(TDesktopColorScheme scheme)
{
    Scheme() = scheme;
    TellEveryForm(WM_THEMECHANGED);
}

}  // namespace ui
