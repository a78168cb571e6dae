// The extras of a grid made without any, and the program's default (see GxGridExtras.h).
#include "grid/stringgrid/GxGridExtras.h"

#include "grid/stringgrid/GxGrid.h"

namespace gx {

namespace {

[[noreturn]] void Missing(const char* Operation)
{
    throw GridExtrasMissing(std::string(Operation) +
                            " needs the grid extras: this grid was made without them (gx::InstallGridExtras)");
}

class TNoGridExtras final : public IGridExtras {
public:
    void QSort(TGxStringGrid&) override { Missing("Sorting"); }
    void QSortIndexed(TGxStringGrid&) override { Missing("Sorting"); }
    void QSortGroup(TGxStringGrid&) override { Missing("Sorting"); }
    void QSortGroupIndexed(TGxStringGrid&) override { Missing("Sorting"); }
    void QUnSort(TGxStringGrid&) override { Missing("Sorting"); }
    void ClickSort(TGxStringGrid&, int) override { Missing("Sorting"); }

    bool RowMatchesFilter(TGxStringGrid&, int) override { return true; }
    void SetFilterActive(TGxStringGrid& Grid, bool Value) override
    {
        if (Value)
            Missing("Filtering");
        Grid.FilterActiveFlag = false;
    }
    void FilterDropDownSelect(TGxStringGrid& Grid, int) override { Grid.FilterColumn = -1; }
    void ApplyFilterCheckList(TGxStringGrid&, int) override {}

    void Group(TGxStringGrid&, int) override { Missing("Grouping"); }
    void UnGroup(TGxStringGrid&) override { Missing("Grouping"); }
    void SubGroup(TGxStringGrid&, int) override { Missing("Grouping"); }
    void SubUnGroup(TGxStringGrid&, int) override { Missing("Grouping"); }

    void SearchEditChange(TGxStringGrid&) override {}
    void SearchPrevClick(TGxStringGrid&) override {}
    void SearchNextClick(TGxStringGrid&) override {}
    void SearchCloseClick(TGxStringGrid&) override {}
    void SearchHighlightClick(TGxStringGrid&) override {}

    void CutSelectionToClipboard(TGxStringGrid&) override { Missing("The clipboard"); }
    void CopySelectionToClipboard(TGxStringGrid&) override { Missing("The clipboard"); }
    void PasteSelectionFromClipboard(TGxStringGrid&) override { Missing("The clipboard"); }

    bool OleDragMouse(TGxStringGrid&, int, int, bool) override { return false; }
    void OleDropTargetChanged(TGxStringGrid&) override {}

    void SaveColPositions(TGxStringGrid&) override { Missing("Storing column positions"); }
    void LoadColPositions(TGxStringGrid&) override { Missing("Storing column positions"); }
    void SaveColSizes(TGxStringGrid&) override {}
    void LoadColSizes(TGxStringGrid&) override {}
};

IGridExtras*& DefaultSlot()
{
    static IGridExtras* extras = nullptr;
    return extras;
}

}  // namespace

IGridExtras& NoGridExtras()
{
    static TNoGridExtras none;
    return none;
}

IGridExtras& DefaultGridExtras()
{
    IGridExtras* extras = DefaultSlot();
    return extras ? *extras : NoGridExtras();
}

void SetDefaultGridExtras(IGridExtras* Extras)
{
    DefaultSlot() = Extras;
}

}  // namespace gx
