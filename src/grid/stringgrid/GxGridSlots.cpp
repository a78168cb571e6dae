// TGxStringGrid: the default bodies of the virtual slots that painting, editing, input, tree rows,
// sorting, filtering, grouping and the file and clipboard functions fill. Each default is the base
// grid's behaviour or does nothing; the file of the concern that builds a slot takes its body over
// from here (see README.md).
#include "grid/stringgrid/GxGrid.h"

#include <algorithm>

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

void TGxStringGrid::DrawCellText(ui::TCanvas* ACanvas, int ACol, int ARow, const ui::TRect& ARect,
                                 ui::TGridDrawState AState)
{
    TBaseGrid::DrawCellText(ACanvas, RealColIndex(ACol), ARow, ARect, AState);
}

bool TGxStringGrid::HasCellBorderEvent()
{
    return OnGetCellBorder != nullptr;
}

bool TGxStringGrid::UsesVCLStyles()
{
    return false;
}

void TGxStringGrid::GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, ui::TBrush* ABrush, ui::TColor& AColorTo, ui::TColor& AMirrorColor,
                                        ui::TColor& AMirrorColorTo, ui::TFont* AFont, THAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD)
{
    TBaseGrid::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                   AMirrorColorTo, AFont, HA, VA, WW, GD);
}

void TGxStringGrid::DoPrintGetPageNum(int, int, std::string&) {}

void TGxStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

bool TGxStringGrid::DoCanShowFixedDropDown(int)
{
    return false;
}

// --- tree rows ---------------------------------------------------------------------------------------------

int TGxStringGrid::GetNodeIndent(int ARow)
{
    return TBaseGrid::GetNodeIndent(ARow);
}

bool TGxStringGrid::HasNodes()
{
    return false;
}

bool TGxStringGrid::IsNode(int)
{
    return false;
}

bool TGxStringGrid::IsSummary(int)
{
    return false;
}

// --- editing ---------------------------------------------------------------------------------------------

void TGxStringGrid::StoreEditorValue(int ACol, int ARow, const std::string& Value)
{
    SetEditText(ACol, ARow, Value);
}

void TGxStringGrid::RestoreCellCache() {}

void TGxStringGrid::SelectRadioButtonCell(int, int, bool) {}

std::string TGxStringGrid::GetFormattedCell(int ACol, int ARow)
{
    return Cells(ACol, ARow);
}

void TGxStringGrid::DoGetEditorProp(int, int, TObject*) {}

void TGxStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TGxStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

// A data or virtual check box swaps its cell text between the check texts; a check-box object
// flips its state; then OnCheckBoxChange (ACol a real column).
void TGxStringGrid::ToggleCellCheck(int ACol, int ARow, bool)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    bool state = false;
    if (!graphic || !GetCheckBoxState(ACol, RealRowIndex(ARow), state))
        return;
    if (IsDataGraphicCell(ACol, ARow)) {
        std::string on = CheckTrue, off = CheckFalse;
        GetCheckTrueText(ACol, ARow, on);
        GetCheckFalseText(ACol, ARow, off);
        SetCells(ACol, ARow, state ? off : on);
    } else {
        graphic->CellBoolean = !state;
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, !state);
}

void TGxStringGrid::DoFixedEdit(int, int, TGridFixedCellEditor&, rtl::TStrings*) {}

void TGxStringGrid::InplaceEditCaretChanged(const std::string&, ui::TPoint, int) {}

void TGxStringGrid::InplaceEditFormulaMode(bool) {}

void TGxStringGrid::InplaceEditKeyDown(unsigned&, ui::TShiftState) {}

void TGxStringGrid::InplaceEditKeyMessage(unsigned&) {}

void TGxStringGrid::DisableEditing() {}

std::string TGxStringGrid::DoEllipsClick(const std::string& Value)
{
    return Value;
}

bool TGxStringGrid::ValidateCellWide(const std::u16string&)
{
    return true;
}

void TGxStringGrid::DoCellChanging(int, int, bool&) {}

// --- input ----------------------------------------------------------------------------------------------------

void TGxStringGrid::AfterWheelScroll(int, bool&) {}

void TGxStringGrid::CellSelectorClick(int, int) {}

bool TGxStringGrid::IsEditable(int ACol, int ARow)
{
    return ((Options() & ui::goEditing) || mouseActions_->RangeSelectAndEdit()) && CellAcceptsEdit(ACol, ARow);
}

// ACol a real column; the merge base cell answers for its range.
bool TGxStringGrid::CellAcceptsEdit(int ACol, int ARow)
{
    const ui::TPoint base = BaseCell(ACol, ARow);
    bool editable = true;
    GetCellEditable(base.X, base.Y, editable);
    bool fixed = false;
    GetIsFixedCell(base.X, base.Y, fixed);
    return editable && !fixed;
}

void TGxStringGrid::ShowInplaceEdit()
{
    ShowEditor();
}

void TGxStringGrid::HideInplaceEdit()
{
    HideEditor();
}

// The width of the column's widest text plus the cell margins (ACol a display column).
void TGxStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    ui::TCanvas* canvas = Canvas();
    const int realCol = RealColIndex(ACol);
    int width = 0;
    for (int r = 0; r < RowCount(); ++r) {
        canvas->Font()->Assign(r < FixedRows() ? fixedFont_ : *Font());
        width = std::max(width, canvas->TextWidth(StrippedCells(realCol, r)));
    }
    width += 2 * xyOffset_.X + Padding;
    DoUpdateAutoColumnSize(ACol, width);
    if (width > 0)
        SetColWidths(ACol, width);
}

// The whole cell counts unless PreciseCheckBoxCheck asks for the box itself.
bool TGxStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const int realCol = RealColIndex(ACol);
    if (!HasCellTypeIn(realCol, ARow,
                       {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox, ctRadioButton}))
        return false;
    if (!mouseActions_->PreciseCheckBoxCheck())
        return true;
    const ui::TRect r = CellRect(ACol, ARow);
    const int s = controlLook_->CheckSize();
    THAlignment ha = THAlignment::taLeftJustify;
    TVAlignment va = vtaTop;
    GetCellTextAlignment(realCol, ARow, ha, va);
    const int top = va == vtaTop ? r.Top + 2 : (va == vtaBottom ? r.Bottom - s - 2 : r.Top + (r.Height() - s) / 2);
    int left = r.Left + 2;
    if (ha == THAlignment::taRightJustify) {
        left = r.Right - s - 2;
        const std::string text = Cells(realCol, ARow);
        if (!text.empty())
            left -= Canvas()->TextWidth(text);
    } else if (ha == THAlignment::taCenter) {
        left = r.Left + (r.Width() - s) / 2;
    }
    return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}

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

void TGxStringGrid::StretchColumn(int Index)
{
    if (Index >= ColCount())
        throw rtl::Exception("Stretch column index out of range");
}

// --- rows, cells and their notifications ---------------------------------------------------------------------

void TGxStringGrid::InsertRowAt(int ARow)
{
    InsertRows(ARow, 1);
}

void TGxStringGrid::DeleteRowAt(int ARow)
{
    RemoveRows(ARow, 1);
}

void TGxStringGrid::MarkPastedRowsModified(ui::TPoint, const ui::TRect&) {}

std::string TGxStringGrid::GetCalcCellText(int ACol, int ARow)
{
    return Cells(ACol, ARow);
}

std::string TGxStringGrid::GetSaveCellText(int ACol, int ARow)
{
    return Cells(ACol, ARow);
}

void TGxStringGrid::LoadCellText(int ACol, int ARow, const std::string& Value)
{
    SetCells(ACol, ARow, Value);
}

void TGxStringGrid::PasteCellText(int ACol, int ARow, const std::string& Value)
{
    SetCells(RealColIndex(ACol), ARow, Value);
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

void TGxStringGrid::DoClickSort(int) {}

void TGxStringGrid::DoFilterDone() {}

bool TGxStringGrid::RowMatchesFilter(int)
{
    return true;
}

void TGxStringGrid::FilterDropDownSelect(int)
{
    filterDropList_->SetVisible(false);
}

void TGxStringGrid::ApplyFilterCheckList(int) {}

bool TGxStringGrid::AllowFormattedClipboard()
{
    return false;
}

void TGxStringGrid::ExportNotification(int, int) {}

void TGxStringGrid::ImportNotification(int, int) {}

void TGxStringGrid::SubGroup(int) {}

void TGxStringGrid::SubUnGroup(int) {}

void TGxStringGrid::Group(int) {}

void TGxStringGrid::UnGroup() {}

void TGxStringGrid::SortSwapRows(int, int) {}

void TGxStringGrid::SaveColPositions() {}

void TGxStringGrid::LoadColPositions() {}

void TGxStringGrid::QSort() {}

void TGxStringGrid::QSortIndexed() {}

void TGxStringGrid::QSortGroup() {}

void TGxStringGrid::QSortGroupIndexed() {}

void TGxStringGrid::QUnSort() {}

}  // namespace gx
