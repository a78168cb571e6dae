#pragma once
// The theme notifier: tells registered windows (message WM_OFFICETHEMECHANGED) and its own
// OnOfficeThemeChange handler when the office colour scheme changes. Without an office colour
// scheme on this desktop there is nothing to watch: the notifier keeps its interface but starts
// no monitor, and nothing is ever sent.

#include "platform/ui/Component.h"
#include "platform/ui/Messages.h"

namespace gx {

class TThemeNotifier : public ui::TComponent {
public:
    explicit TThemeNotifier(ui::TComponent* AOwner);
    ~TThemeNotifier() override;

    // Listed only while a monitor watches the scheme; otherwise nothing happens.
    void RegisterWindow(ui::HWND Handle);
    void UnRegisterWindow(ui::HWND Handle);
    // Whether a monitor watches the office colour scheme (never on this desktop).
    bool Watching() const { return false; }

    ui::TNotifyEvent OnOfficeThemeChange;
};

// The program's one notifier, created on first use. Its owner is the application's main form
// when there is one with a window, else Owner.
TThemeNotifier* GetThemeNotifier(ui::TComponent* Owner);

}  // namespace gx
