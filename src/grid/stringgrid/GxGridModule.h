// Process-wide start-up and shutdown of the string grid module: the registered window messages
// "GridEditDone" and "DTPShiftFocus", the clipboard format "TGxStringGrid Cells", the flag that the
// common controls are recent enough for the date and time editors, the grid showing its focus
// frame, and the registry of the grid's classes that form data may name. Each routine runs once
// per process (a repeated call does nothing); a grid's constructor runs the start-up when the
// program has not, so that a grid never meets an unregistered message.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/Component.h"

namespace gx {

class TGxStringGrid;

void GxGridInitialization();
void GxGridFinalization();

struct GxGridModuleState {
    unsigned EditDoneMessage = 0;       // "GridEditDone"
    unsigned DTPShiftFocusMessage = 0;  // "DTPShiftFocus"
    unsigned CellsClipboardFormat = 0;  // "TGxStringGrid Cells"
    // The platform's controls offer every date and time editor.
    bool CommonControls470 = false;
    TGxStringGrid* FocusWindowGrid = nullptr;
    std::string HintFontName;
    bool Started = false;
};
GxGridModuleState& GxGridModule();

// The classes form data may name: a name-to-factory table. Registering a name again replaces its
// factory; an unknown name gives nullptr.
using GridClassFactory = std::function<ui::TComponent*(ui::TComponent* AOwner)>;
void RegisterGridClass(const std::string& Name, GridClassFactory Factory);
ui::TComponent* CreateGridClass(const std::string& Name, ui::TComponent* AOwner);
bool IsGridClassRegistered(const std::string& Name);

}  // namespace gx
