// The grid extras as the string grid holds them (IGridExtras, grid/stringgrid/GxGridExtras.h):
// each member hands the grid to the operation of this library that carries it out, and is defined
// beside it (the sorts in GridSort.cpp, the filter in GridFilterDropDown.cpp, grouping in
// GridGroup.cpp, the search footer in GridFindFooter.cpp, the clipboard in GridClipboard.cpp,
// cell drag and drop in GridCellDrag.cpp, the column layout in GridColumnLayout.cpp).
#pragma once

#include "grid/stringgrid/GxGridExtras.h"

namespace gx {

class TGridExtras final : public IGridExtras {
public:
    void QSort(TGxStringGrid& Grid) override;
    void QSortIndexed(TGxStringGrid& Grid) override;
    void QSortGroup(TGxStringGrid& Grid) override;
    void QSortGroupIndexed(TGxStringGrid& Grid) override;
    void QUnSort(TGxStringGrid& Grid) override;
    void ClickSort(TGxStringGrid& Grid, int ACol) override;

    bool RowMatchesFilter(TGxStringGrid& Grid, int ARow) override;
    void SetFilterActive(TGxStringGrid& Grid, bool Value) override;
    void FilterDropDownSelect(TGxStringGrid& Grid, int ItemIndex) override;
    void ApplyFilterCheckList(TGxStringGrid& Grid, int ItemIndex) override;

    void Group(TGxStringGrid& Grid, int ACol) override;
    void UnGroup(TGxStringGrid& Grid) override;
    void SubGroup(TGxStringGrid& Grid, int ACol) override;
    void SubUnGroup(TGxStringGrid& Grid, int ACol) override;

    void SearchEditChange(TGxStringGrid& Grid) override;
    void SearchPrevClick(TGxStringGrid& Grid) override;
    void SearchNextClick(TGxStringGrid& Grid) override;
    void SearchCloseClick(TGxStringGrid& Grid) override;
    void SearchHighlightClick(TGxStringGrid& Grid) override;

    void CutSelectionToClipboard(TGxStringGrid& Grid) override;
    void CopySelectionToClipboard(TGxStringGrid& Grid) override;
    void PasteSelectionFromClipboard(TGxStringGrid& Grid) override;

    bool OleDragMouse(TGxStringGrid& Grid, int X, int Y, bool Press) override;
    void OleDropTargetChanged(TGxStringGrid& Grid) override;

    void SaveColPositions(TGxStringGrid& Grid) override;
    void LoadColPositions(TGxStringGrid& Grid) override;
    void SaveColSizes(TGxStringGrid& Grid) override;
    void LoadColSizes(TGxStringGrid& Grid) override;
};

// The extras of this library (one object for every grid; it keeps no state of its own).
IGridExtras& GridExtras();

// Makes GridExtras() the extras of every grid made afterwards that is given none (a program calls
// it once at start, before it makes its windows; calling it again changes nothing).
void InstallGridExtras();

}  // namespace gx
