// Start-up and shutdown of the string grid module and its class registry.
#include "grid/stringgrid/GxGridModule.h"

#include <map>

#include "grid/base/GxWindows.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Messages.h"

namespace gx {

namespace {

std::map<std::string, GridClassFactory>& Registry()
{
    static std::map<std::string, GridClassFactory> registry;
    return registry;
}

template <typename T>
GridClassFactory Factory()
{
    return [](ui::TComponent* owner) -> ui::TComponent* { return new T(owner); };
}

// Parts of a grid: made only with a string grid as owner.
template <typename T>
GridClassFactory GridPartFactory()
{
    return [](ui::TComponent* owner) -> ui::TComponent* {
        auto* grid = dynamic_cast<TGxStringGrid*>(owner);
        return grid ? new T(grid) : nullptr;
    };
}

// The grid's own classes that exist in this module; the editor controls register themselves with
// the editing code that builds them.
void RegisterStringGridClasses()
{
    RegisterGridClass("TGxStringGrid", Factory<TGxStringGrid>());
    RegisterGridClass("TDropList", Factory<TDropList>());
    RegisterGridClass("TArrowWindow", Factory<TArrowWindow>());
    RegisterGridClass("TDropCheckList", Factory<TDropCheckList>());
    RegisterGridClass("THeaderDragButton", GridPartFactory<THeaderDragButton>());
    RegisterGridClass("TScrollBar", Factory<ui::TScrollBar>());
    RegisterGridClass("TFooterPanel", GridPartFactory<TFooterPanel>());
    RegisterGridClass("TSearchPanel", GridPartFactory<TSearchPanel>());
}

}  // namespace

GxGridModuleState& GxGridModule()
{
    static GxGridModuleState state;
    return state;
}

void GxGridInitialization()
{
    GxGridModuleState& state = GxGridModule();
    if (state.Started)
        return;
    state.Started = true;
    state.FocusWindowGrid = nullptr;
    RegisterStringGridClasses();
    state.CommonControls470 = true;
    state.CellsClipboardFormat = ui::RegisterClipboardFormat("TGxStringGrid Cells");
    state.EditDoneMessage = ui::RegisterWindowMessage("GridEditDone");
    state.DTPShiftFocusMessage = ui::RegisterWindowMessage("DTPShiftFocus");
}

void GxGridFinalization()
{
    GxGridModuleState& state = GxGridModule();
    if (!state.Started)
        return;
    state.Started = false;
    state.FocusWindowGrid = nullptr;
    state.HintFontName.clear();
}

void RegisterGridClass(const std::string& Name, GridClassFactory Factory)
{
    Registry()[Name] = std::move(Factory);
}

ui::TComponent* CreateGridClass(const std::string& Name, ui::TComponent* AOwner)
{
    const auto it = Registry().find(Name);
    return it == Registry().end() ? nullptr : it->second(AOwner);
}

bool IsGridClassRegistered(const std::string& Name)
{
    return Registry().count(Name) != 0;
}

}  // namespace gx
