// What the string grid does through the grid extras (grid/extras): sorting, filtering, grouping,
// the search footer, the clipboard, cell drag and drop and the stored column layout.
//
// Every grid holds one IGridExtras from its construction on (TGxStringGrid::Extras()); the grid's
// slots of the same names hand over to it. The extras library implements it (gx::GridExtras() in
// grid/extras/GridExtras.h, each member defined beside what it runs: TGridExtras::QSort in
// GridSort.cpp). A grid is made with the extras it is given, else with the program's default,
// which gx::InstallGridExtras() sets once at start. A grid made without any holds NoGridExtras(),
// which says so: every operation that needs the extras raises GridExtrasMissing naming it, and
// TGxStringGrid::HasExtras() is false.
#pragma once

#include <string>

#include "platform/rtl/Exceptions.h"

namespace gx {

class TGxStringGrid;

// An operation of the extras was asked of a grid made without them.
class GridExtrasMissing : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

class IGridExtras {
public:
    virtual ~IGridExtras() = default;

    // Sorting (GridSort.cpp): the sort entry points and the click-sort slot.
    virtual void QSort(TGxStringGrid& Grid) = 0;
    virtual void QSortIndexed(TGxStringGrid& Grid) = 0;
    virtual void QSortGroup(TGxStringGrid& Grid) = 0;
    virtual void QSortGroupIndexed(TGxStringGrid& Grid) = 0;
    virtual void QUnSort(TGxStringGrid& Grid) = 0;
    virtual void ClickSort(TGxStringGrid& Grid, int ACol) = 0;

    // Filtering (GridFilter.cpp, GridFilterDropDown.cpp): a row against the active filter, the
    // filter switch, the picks of the column filter drop-down and check list.
    virtual bool RowMatchesFilter(TGxStringGrid& Grid, int ARow) = 0;
    virtual void SetFilterActive(TGxStringGrid& Grid, bool Value) = 0;
    virtual void FilterDropDownSelect(TGxStringGrid& Grid, int ItemIndex) = 0;
    virtual void ApplyFilterCheckList(TGxStringGrid& Grid, int ItemIndex) = 0;

    // Grouping (GridGroup.cpp).
    virtual void Group(TGxStringGrid& Grid, int ACol) = 0;
    virtual void UnGroup(TGxStringGrid& Grid) = 0;
    virtual void SubGroup(TGxStringGrid& Grid, int ACol) = 0;
    virtual void SubUnGroup(TGxStringGrid& Grid, int ACol) = 0;

    // The search footer's edit, find-previous, find-next, close and highlight controls
    // (GridFindFooter.cpp).
    virtual void SearchEditChange(TGxStringGrid& Grid) = 0;
    virtual void SearchPrevClick(TGxStringGrid& Grid) = 0;
    virtual void SearchNextClick(TGxStringGrid& Grid) = 0;
    virtual void SearchCloseClick(TGxStringGrid& Grid) = 0;
    virtual void SearchHighlightClick(TGxStringGrid& Grid) = 0;

    // The clipboard (GridClipboard.cpp).
    virtual void CutSelectionToClipboard(TGxStringGrid& Grid) = 0;
    virtual void CopySelectionToClipboard(TGxStringGrid& Grid) = 0;
    virtual void PasteSelectionFromClipboard(TGxStringGrid& Grid) = 0;

    // Cell drag and drop (GridCellDrag.cpp): a left press (Press) or a move with the left button
    // down at client (X, Y), true when the drag took it; the drop target switch changed.
    virtual bool OleDragMouse(TGxStringGrid& Grid, int X, int Y, bool Press) = 0;
    virtual void OleDropTargetChanged(TGxStringGrid& Grid) = 0;

    // The stored column layout (GridColumnLayout.cpp): positions on request; sizes with
    // ColumnSize.Save on, saved by the destructor and loaded when the window is made and after
    // loading.
    virtual void SaveColPositions(TGxStringGrid& Grid) = 0;
    virtual void LoadColPositions(TGxStringGrid& Grid) = 0;
    virtual void SaveColSizes(TGxStringGrid& Grid) = 0;
    virtual void LoadColSizes(TGxStringGrid& Grid) = 0;

protected:
    IGridExtras() = default;
    IGridExtras(const IGridExtras&) = default;
    IGridExtras& operator=(const IGridExtras&) = default;
};

// The extras of a grid made without any. Sorting, grouping, the clipboard, the column positions,
// the click-sort slot and switching a filter on raise GridExtrasMissing; what the grid does on its
// own stays: a row matches, a filter pick closes the pick, switching the filter off clears the
// flag, the search footer and cell drags do nothing, column sizes are not stored.
IGridExtras& NoGridExtras();

// The extras a grid is made with when it is given none: NoGridExtras() until a program sets its
// own (gx::InstallGridExtras()); nullptr sets NoGridExtras() again. Grids already made keep theirs.
IGridExtras& DefaultGridExtras();
void SetDefaultGridExtras(IGridExtras* Extras);

}  // namespace gx
