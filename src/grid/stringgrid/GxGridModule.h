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

// The grid's operations that the grid extras library builds (sorting by header click and the
// sort entry points, grouping, the clipboard, the stored column positions and widths). The grid's slots
// call them when set; the extras set them in InstallGridExtras(). Unset, the slots do nothing.
struct TGridExtrasHooks {
    std::function<void(TGxStringGrid&)> QSort, QSortIndexed, QSortGroup, QSortGroupIndexed, QUnSort;
    std::function<void(TGxStringGrid&, int ACol)> ClickSort;
    std::function<bool(TGxStringGrid&, int ARow)> RowMatchesFilter;
    std::function<void(TGxStringGrid&, int ACol)> Group, SubGroup, SubUnGroup;
    std::function<void(TGxStringGrid&)> UnGroup;
    std::function<void(TGxStringGrid&)> CutSelectionToClipboard, CopySelectionToClipboard, PasteSelectionFromClipboard;
    std::function<void(TGxStringGrid&)> SaveColPositions, LoadColPositions;
    // Run with ColumnSize.Save on: saving by the destructor, loading when the window is created
    // and after loading.
    std::function<void(TGxStringGrid&)> SaveColSizes, LoadColSizes;
};
TGridExtrasHooks& GridExtrasHooks();

}  // namespace gx
