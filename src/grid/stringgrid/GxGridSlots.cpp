// TGxStringGrid: the default bodies of the virtual slots that painting, editing, input, tree rows,
// sorting, filtering, grouping and the file and clipboard functions fill. Each default is the base
// grid's behaviour or does nothing; the file of the concern that builds a slot takes its body over
// from here (see README.md).
#include "grid/base/GridUndoRedo.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridModule.h"

namespace gx {

// --- painting (cell painter, looks, visual properties) -------------------------------------------------

bool TGxStringGrid::IsFixed(int ACol, int ARow)
{
    if (fixedFooters_ > 0 && ARow >= RowCount() - fixedFooters_)
        return true;
    if (fixedRightCols_ > 0 && ACol >= ColCount() - fixedRightCols_)
        return true;
    bool fixed = false;
    GetIsFixedCell(ACol, ARow, fixed);
    return fixed;
}

bool TGxStringGrid::HasCellBorderEvent()
{
    return OnGetCellBorder != nullptr;
}

bool TGxStringGrid::UsesVCLStyles()
{
    return false;
}

void TGxStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, std::string& PageNumString)
{
    if (OnPrintGetPageNum)
        OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

bool TGxStringGrid::DoCanShowFixedDropDown(int)
{
    return false;
}

// --- editing ---------------------------------------------------------------------------------------------

void TGxStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TGxStringGrid::InplaceEditCaretChanged(const std::string&, ui::TPoint, int) {}

void TGxStringGrid::InplaceEditFormulaMode(bool) {}

void TGxStringGrid::InplaceEditKeyDown(unsigned&, ui::TShiftState) {}

void TGxStringGrid::InplaceEditKeyMessage(unsigned&) {}

// --- input ----------------------------------------------------------------------------------------------------

void TGxStringGrid::AfterWheelScroll(int, bool&) {}

void TGxStringGrid::CellSelectorClick(int, int) {}

// ACol a real column; the merge base cell answers for its range.
bool TGxStringGrid::QueryDesignMode(bool& IsDesigning)
{
    IsDesigning = false;
    return false;
}

void TGxStringGrid::MoveToFirstRow()
{
    if (RowCount() > FixedRows())
        MoveToCell(Col(), FixedRows());
}

void TGxStringGrid::DesignHelperClick(int, int) {}

void TGxStringGrid::DoScrollCell(int, int, int, int, int) {}

// --- rows, cells and their notifications ---------------------------------------------------------------------

void TGxStringGrid::MarkPastedRowsModified(ui::TPoint, const ui::TRect& R)
{
    if (showModified_->Enabled)
        for (int r = R.Top; r <= R.Bottom; ++r)
            SetRowModified(r, true);
}

// ACol is a display column. The undo history gets the real column, so that undoing a paste
// restores the cell that was changed also while columns are hidden.
void TGxStringGrid::PasteCellText(int ACol, int ARow, const std::string& Value)
{
    const int realCol = RealColIndex(ACol);
    if (UndoRedo())
        UndoRedo()->RegisterChange(realCol, ARow, Cells(realCol, ARow), Value);
    if (HasCheckBox(realCol, ARow))
        SetCheckBoxStateNotify(realCol, ARow, Value == CheckTrue);
    else
        SetCells(realCol, ARow, Value);
    if (realCol != ACol)
        RepaintCell(ACol, ARow);
}

void TGxStringGrid::BeforeSelectAll(ui::TGridRect&) {}

void TGxStringGrid::UpdateColumnFooter(int ACol)
{
    UpdateFooterCalc(ACol);
}

void TGxStringGrid::DoCellsChanged(const ui::TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    NotifyCellsChanged(R);
}

void TGxStringGrid::ContentReloaded()
{
    CalcFooter(-1);
}

void TGxStringGrid::DoUpdateColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TGxStringGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth)
{
    DoUpdateColumnSize(ACol, AWidth);
}

// --- sorting, filtering, grouping, files and clipboard ---------------------------------------------------------

void TGxStringGrid::DoClickSort(int ACol)
{
    // The grid extras sort and report the click; without them the click is only reported.
    if (GridExtrasHooks().ClickSort)
        GridExtrasHooks().ClickSort(*this, ACol);
    else if (OnClickSort)
        OnClickSort(this, ACol);
}

bool TGxStringGrid::RowMatchesFilter(int ARow)
{
    if (GridExtrasHooks().RowMatchesFilter)
        return GridExtrasHooks().RowMatchesFilter(*this, ARow);
    return true;
}

void TGxStringGrid::FilterDropDownSelect(int ItemIndex)
{
    filterDropList_->SetVisible(false);
    if (GridExtrasHooks().FilterDropDownSelect)
        GridExtrasHooks().FilterDropDownSelect(*this, ItemIndex);
    else
        FilterColumn = -1;
}

void TGxStringGrid::ApplyFilterCheckList(int ItemIndex)
{
    if (GridExtrasHooks().ApplyFilterCheckList)
        GridExtrasHooks().ApplyFilterCheckList(*this, ItemIndex);
}

namespace {

void RunSearchHook(TGxStringGrid& grid, const std::function<void(TGxStringGrid&)>& hook)
{
    if (hook)
        hook(grid);
}

}  // namespace

void TGxStringGrid::SearchEditChange()
{
    RunSearchHook(*this, GridExtrasHooks().SearchEditChange);
}

void TGxStringGrid::SearchPrevClick()
{
    RunSearchHook(*this, GridExtrasHooks().SearchPrevClick);
}

void TGxStringGrid::SearchNextClick()
{
    RunSearchHook(*this, GridExtrasHooks().SearchNextClick);
}

void TGxStringGrid::SearchCloseClick()
{
    RunSearchHook(*this, GridExtrasHooks().SearchCloseClick);
}

void TGxStringGrid::SearchHighlightClick()
{
    RunSearchHook(*this, GridExtrasHooks().SearchHighlightClick);
}

void TGxStringGrid::FixedEditChange()
{
    if (OnEditChange && editTrans_)
        OnEditChange(this, editTrans_->FCol, editTrans_->FRow, editTrans_->Text());
}

void TGxStringGrid::SetFilterActive(bool Value)
{
    if (GridExtrasHooks().SetFilterActive)
        GridExtrasHooks().SetFilterActive(*this, Value);
    else
        FilterActiveFlag = Value;
}

bool TGxStringGrid::AllowFormattedClipboard()
{
    return navigation_->AllowFmtClipboard();
}

void TGxStringGrid::ExportNotification(int, int) {}

void TGxStringGrid::ImportNotification(int, int) {}

void TGxStringGrid::SubGroup(int Colindex)
{
    if (GridExtrasHooks().SubGroup)
        GridExtrasHooks().SubGroup(*this, Colindex);
}

void TGxStringGrid::SubUnGroup(int Colindex)
{
    if (GridExtrasHooks().SubUnGroup)
        GridExtrasHooks().SubUnGroup(*this, Colindex);
}

void TGxStringGrid::Group(int Colindex)
{
    if (GridExtrasHooks().Group)
        GridExtrasHooks().Group(*this, Colindex);
}

void TGxStringGrid::UnGroup()
{
    if (GridExtrasHooks().UnGroup)
        GridExtrasHooks().UnGroup(*this);
}

void TGxStringGrid::SaveColPositions()
{
    if (GridExtrasHooks().SaveColPositions)
        GridExtrasHooks().SaveColPositions(*this);
}

void TGxStringGrid::LoadColPositions()
{
    if (GridExtrasHooks().LoadColPositions)
        GridExtrasHooks().LoadColPositions(*this);
}

void TGxStringGrid::CutSelectionToClipboard()
{
    if (GridExtrasHooks().CutSelectionToClipboard)
        GridExtrasHooks().CutSelectionToClipboard(*this);
}

void TGxStringGrid::CopySelectionToClipboard()
{
    if (GridExtrasHooks().CopySelectionToClipboard)
        GridExtrasHooks().CopySelectionToClipboard(*this);
}

void TGxStringGrid::PasteSelectionFromClipboard()
{
    if (GridExtrasHooks().PasteSelectionFromClipboard)
        GridExtrasHooks().PasteSelectionFromClipboard(*this);
}

void TGxStringGrid::QSort()
{
    if (GridExtrasHooks().QSort)
        GridExtrasHooks().QSort(*this);
}

void TGxStringGrid::QSortIndexed()
{
    if (GridExtrasHooks().QSortIndexed)
        GridExtrasHooks().QSortIndexed(*this);
}

void TGxStringGrid::QSortGroup()
{
    if (GridExtrasHooks().QSortGroup)
        GridExtrasHooks().QSortGroup(*this);
}

void TGxStringGrid::QSortGroupIndexed()
{
    if (GridExtrasHooks().QSortGroupIndexed)
        GridExtrasHooks().QSortGroupIndexed(*this);
}

void TGxStringGrid::QUnSort()
{
    if (GridExtrasHooks().QUnSort)
        GridExtrasHooks().QUnSort(*this);
}

}  // namespace gx
