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

void Tell(TWinControl* root)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* c = root->Controls(i);
        c->Perform(CM_STYLECHANGED);
        if (auto* w = dynamic_cast<TWinControl*>(c))
            Tell(w);
    }
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
    TScreen* screen = GetScreen();
    if (!screen)
        return;
    for (int i = 0; i < screen->FormCount(); ++i)
        Tell(screen->Forms(i));
}

}  // namespace ui
