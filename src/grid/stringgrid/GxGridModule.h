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
// sort entry points, filtering, grouping, find, the clipboard, cell drag and drop, the stored
// column positions and widths). The grid's slots call them when set; the extras set them in
// InstallGridExtras(). Unset, the slots do nothing.
struct TGridExtrasHooks {
    std::function<void(TGxStringGrid&)> QSort, QSortIndexed, QSortGroup, QSortGroupIndexed, QUnSort;
    std::function<void(TGxStringGrid&, int ACol)> ClickSort;
    std::function<bool(TGxStringGrid&, int ARow)> RowMatchesFilter;
    std::function<void(TGxStringGrid&, int ACol)> Group, SubGroup, SubUnGroup;
    std::function<void(TGxStringGrid&)> UnGroup;
    std::function<void(TGxStringGrid&)> CutSelectionToClipboard, CopySelectionToClipboard, PasteSelectionFromClipboard;
    std::function<void(TGxStringGrid&)> SaveColPositions, LoadColPositions;
    // Cell drag and drop: a left press (Press) or a move with the left button down at client
    // (X, Y); true when the drag code took it. The drop target switch changed.
    std::function<bool(TGxStringGrid&, int X, int Y, bool Press)> OleDragMouse;
    std::function<void(TGxStringGrid&)> OleDropTargetChanged;
    // Filtering switched on or off, and the picks of the column filter drop-down and check list.
    std::function<void(TGxStringGrid&, bool Value)> SetFilterActive;
    std::function<void(TGxStringGrid&, int ItemIndex)> FilterDropDownSelect, ApplyFilterCheckList;
    // The search footer's edit, find-previous, find-next, close and highlight controls.
    std::function<void(TGxStringGrid&)> SearchEditChange, SearchPrevClick, SearchNextClick, SearchCloseClick,
        SearchHighlightClick;
    // Run with ColumnSize.Save on: saving by the destructor, loading when the window is created
    // and after loading.
    std::function<void(TGxStringGrid&)> SaveColSizes, LoadColSizes;
};
TGridExtrasHooks& GridExtrasHooks();

}  // namespace gx
