// TGxStringGrid: the default bodies of the virtual slots that painting, editing, input, tree rows,
// sorting, filtering, grouping and the file and clipboard functions fill. Each default is the base
// grid's behaviour or does nothing; the file of the concern that builds a slot takes its body over
// from here (see README.md).
#include "grid/base/GridUndoRedo.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"
#include "grid/stringgrid/GxGridPanels.h"

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

// --- sorting, filtering, grouping, find, clipboard and column layout: the grid's extras (GxGridExtras.h)
// ---------------------------------------------------------

void TGxStringGrid::DoClickSort(int ACol)
{
    // The grid extras sort by the column and report the click.
    extras_->ClickSort(*this, ACol);
}

bool TGxStringGrid::RowMatchesFilter(int ARow)
{
    return extras_->RowMatchesFilter(*this, ARow);
}

void TGxStringGrid::FilterDropDownSelect(int ItemIndex)
{
    filterDropList_->SetVisible(false);
    extras_->FilterDropDownSelect(*this, ItemIndex);
}

void TGxStringGrid::ApplyFilterCheckList(int ItemIndex)
{
    extras_->ApplyFilterCheckList(*this, ItemIndex);
}

void TGxStringGrid::SearchEditChange()
{
    extras_->SearchEditChange(*this);
}

void TGxStringGrid::SearchPrevClick()
{
    extras_->SearchPrevClick(*this);
}

void TGxStringGrid::SearchNextClick()
{
    extras_->SearchNextClick(*this);
}

void TGxStringGrid::SearchCloseClick()
{
    extras_->SearchCloseClick(*this);
}

void TGxStringGrid::SearchHighlightClick()
{
    extras_->SearchHighlightClick(*this);
}

void TGxStringGrid::FixedEditChange()
{
    if (OnEditChange && editTrans_)
        OnEditChange(this, editTrans_->FCol, editTrans_->FRow, editTrans_->Text());
}

void TGxStringGrid::SetFilterActive(bool Value)
{
    extras_->SetFilterActive(*this, Value);
}

bool TGxStringGrid::AllowFormattedClipboard()
{
    return navigation_->AllowFmtClipboard();
}

void TGxStringGrid::ExportNotification(int, int) {}

void TGxStringGrid::ImportNotification(int, int) {}

void TGxStringGrid::SubGroup(int Colindex)
{
    extras_->SubGroup(*this, Colindex);
}

void TGxStringGrid::SubUnGroup(int Colindex)
{
    extras_->SubUnGroup(*this, Colindex);
}

void TGxStringGrid::Group(int Colindex)
{
    extras_->Group(*this, Colindex);
}

void TGxStringGrid::UnGroup()
{
    extras_->UnGroup(*this);
}

void TGxStringGrid::SaveColPositions()
{
    extras_->SaveColPositions(*this);
}

void TGxStringGrid::LoadColPositions()
{
    extras_->LoadColPositions(*this);
}

void TGxStringGrid::CutSelectionToClipboard()
{
    extras_->CutSelectionToClipboard(*this);
}

void TGxStringGrid::CopySelectionToClipboard()
{
    extras_->CopySelectionToClipboard(*this);
}

void TGxStringGrid::PasteSelectionFromClipboard()
{
    extras_->PasteSelectionFromClipboard(*this);
}

void TGxStringGrid::QSort()
{
    extras_->QSort(*this);
}

void TGxStringGrid::QSortIndexed()
{
    extras_->QSortIndexed(*this);
}

void TGxStringGrid::QSortGroup()
{
    extras_->QSortGroup(*this);
}

void TGxStringGrid::QSortGroupIndexed()
{
    extras_->QSortGroupIndexed(*this);
}

void TGxStringGrid::QUnSort()
{
    extras_->QUnSort(*this);
}

}  // namespace gx
