#include "grid/base/GxThemeNotifier.h"

#include "grid/base/GxStyleIF.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace gx {

namespace {
TThemeNotifier* gSharedNotifier = nullptr;
}  // namespace

TThemeNotifier::TThemeNotifier(ui::TComponent* AOwner) : ui::TComponent(AOwner) {}

TThemeNotifier::~TThemeNotifier()
{
    if (gSharedNotifier == this)
        gSharedNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(ui::HWND) {}

void TThemeNotifier::UnRegisterWindow(ui::HWND) {}

TThemeNotifier* GetThemeNotifier(ui::TComponent* Owner)
{
    if (!gSharedNotifier) {
        ui::TComponent* owner = Owner;
        if (ui::TApplication* app = ui::GetApplication())
            if (ui::TForm* main = app->MainForm(); main && main->HandleAllocated())
                owner = main;
        gSharedNotifier = new TThemeNotifier(owner);
    }
    return gSharedNotifier;
}

}  // namespace gx
