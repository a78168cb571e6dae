#pragma once
#include "platform/ui/Dialogs.h"

namespace ui::qt {

// Message boxes and file dialogs as Qt's own. On the offscreen platform nobody can answer, so
// message boxes give their default button and file dialogs are cancelled.
class QtDialogs : public IDialogService {
public:
    int MessageBox(const TMessageBoxRequest& request) override;
    TFileDialogAnswer FileDialog(const TFileDialogRequest& request) override;
};

// "Text files|*.txt|All|*.*" → "Text files (*.txt);;All (*.*)".
std::string QtFilterFromDesktopFilter(const std::string& filter);

}  // namespace ui::qt
