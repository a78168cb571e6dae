// Grid extras for tests of the grid's own code: each operation runs what the test set for it in
// Calls, and nothing when it set nothing (a row then matches, a drag is not taken).
#pragma once

#include <functional>

#include "grid/stringgrid/GxGridExtras.h"

namespace gx {

struct TGridExtrasCalls {
    std::function<void(TGxStringGrid&)> QSort, QSortIndexed, QSortGroup, QSortGroupIndexed, QUnSort;
    std::function<void(TGxStringGrid&, int ACol)> ClickSort;
    std::function<bool(TGxStringGrid&, int ARow)> RowMatchesFilter;
    std::function<void(TGxStringGrid&, bool Value)> SetFilterActive;
    std::function<void(TGxStringGrid&, int ItemIndex)> FilterDropDownSelect, ApplyFilterCheckList;
    std::function<void(TGxStringGrid&, int ACol)> Group, SubGroup, SubUnGroup;
    std::function<void(TGxStringGrid&)> UnGroup;
    std::function<void(TGxStringGrid&)> SearchEditChange, SearchPrevClick, SearchNextClick, SearchCloseClick,
        SearchHighlightClick;
    std::function<void(TGxStringGrid&)> CutSelectionToClipboard, CopySelectionToClipboard, PasteSelectionFromClipboard;
    std::function<bool(TGxStringGrid&, int X, int Y, bool Press)> OleDragMouse;
    std::function<void(TGxStringGrid&)> OleDropTargetChanged;
    std::function<void(TGxStringGrid&)> SaveColPositions, LoadColPositions, SaveColSizes, LoadColSizes;
};

class TGridExtrasDouble final : public IGridExtras {
public:
    TGridExtrasCalls Calls;

    void QSort(TGxStringGrid& g) override { Run(Calls.QSort, g); }
    void QSortIndexed(TGxStringGrid& g) override { Run(Calls.QSortIndexed, g); }
    void QSortGroup(TGxStringGrid& g) override { Run(Calls.QSortGroup, g); }
    void QSortGroupIndexed(TGxStringGrid& g) override { Run(Calls.QSortGroupIndexed, g); }
    void QUnSort(TGxStringGrid& g) override { Run(Calls.QUnSort, g); }
    void ClickSort(TGxStringGrid& g, int c) override { Run(Calls.ClickSort, g, c); }
    bool RowMatchesFilter(TGxStringGrid& g, int r) override
    {
        return Calls.RowMatchesFilter ? Calls.RowMatchesFilter(g, r) : true;
    }
    void SetFilterActive(TGxStringGrid& g, bool v) override { Run(Calls.SetFilterActive, g, v); }
    void FilterDropDownSelect(TGxStringGrid& g, int i) override { Run(Calls.FilterDropDownSelect, g, i); }
    void ApplyFilterCheckList(TGxStringGrid& g, int i) override { Run(Calls.ApplyFilterCheckList, g, i); }
    void Group(TGxStringGrid& g, int c) override { Run(Calls.Group, g, c); }
    void UnGroup(TGxStringGrid& g) override { Run(Calls.UnGroup, g); }
    void SubGroup(TGxStringGrid& g, int c) override { Run(Calls.SubGroup, g, c); }
    void SubUnGroup(TGxStringGrid& g, int c) override { Run(Calls.SubUnGroup, g, c); }
    void SearchEditChange(TGxStringGrid& g) override { Run(Calls.SearchEditChange, g); }
    void SearchPrevClick(TGxStringGrid& g) override { Run(Calls.SearchPrevClick, g); }
    void SearchNextClick(TGxStringGrid& g) override { Run(Calls.SearchNextClick, g); }
    void SearchCloseClick(TGxStringGrid& g) override { Run(Calls.SearchCloseClick, g); }
    void SearchHighlightClick(TGxStringGrid& g) override { Run(Calls.SearchHighlightClick, g); }
    void CutSelectionToClipboard(TGxStringGrid& g) override { Run(Calls.CutSelectionToClipboard, g); }
    void CopySelectionToClipboard(TGxStringGrid& g) override { Run(Calls.CopySelectionToClipboard, g); }
    void PasteSelectionFromClipboard(TGxStringGrid& g) override { Run(Calls.PasteSelectionFromClipboard, g); }
    bool OleDragMouse(TGxStringGrid& g, int x, int y, bool press) override
    {
        return Calls.OleDragMouse && Calls.OleDragMouse(g, x, y, press);
    }
    void OleDropTargetChanged(TGxStringGrid& g) override { Run(Calls.OleDropTargetChanged, g); }
    void SaveColPositions(TGxStringGrid& g) override { Run(Calls.SaveColPositions, g); }
    void LoadColPositions(TGxStringGrid& g) override { Run(Calls.LoadColPositions, g); }
    void SaveColSizes(TGxStringGrid& g) override { Run(Calls.SaveColSizes, g); }
    void LoadColSizes(TGxStringGrid& g) override { Run(Calls.LoadColSizes, g); }

private:
    template <class F, class... A>
    static void Run(const F& f, A&&... a)
    {
        if (f)
            f(std::forward<A>(a)...);
    }
};

}  // namespace gx
