// TGxStringGrid: the event-dispatch queries (each fires its event when assigned), the column filter
// list and the defaults a new cell's properties take from the grid.
#include "grid/stringgrid/GxGrid.h"

#include "grid/base/TextChars.h"
#include "grid/base/VozEdidText.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

void TGxStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TGxStringGrid::DoSearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TGxStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

// The row takes the height the expand graphic keeps for the new state.
void TGxStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
    if (const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
        graphic && graphic->CellType == ctExpand)
        SetRowHeights(ARow, Expanded ? graphic->CellAngle : graphic->CellIndex);
}

void TGxStringGrid::DoComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void TGxStringGrid::DoComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

void TGxStringGrid::DoGetCellCursor(int ACol, int ARow, int, int)
{
    if (!OnGetCellCursor)
        return;
    ui::TCursor cursor = Cursor();
    OnGetCellCursor(this, ACol, ARow, cursor);
    SetCursor(cursor);
}

// A wide hint that is not empty replaces the hint in its coded form.
void TGxStringGrid::DoGridHint(int ACol, int ARow, std::string& Hint, std::u16string& WideHint)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, Hint);
    if (OnGridWideHint) {
        OnGridWideHint(this, ARow, ACol, WideHint);
        if (!WideHint.empty())
            Hint = EncodeWideCellText(WideHint);
    }
}

void TGxStringGrid::GetCellColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush, ui::TFont* AFont)
{
    if (ActiveCellShow) {
        const bool rowHeader = TBaseGrid::FixedCols() > 0 && ACol == TBaseGrid::FixedCols() - 1 && ARow == Row();
        const bool colHeader = TBaseGrid::FixedRows() > 0 && ARow == TBaseGrid::FixedRows() - 1 && ACol == Col();
        if (rowHeader || colHeader) {
            AFont->Assign(activeCellFont_);
            ABrush->SetColor(ActiveCellColor);
        }
    }
    const int real = RealColIndex(ACol);
    if (const TCellProperties* props = PropsAt(real, ARow)) {
        const TCellType kind = GetCellType(real, ARow);
        const bool plain = kind == ctIcon || kind == ctNone || kind == ctImageList || kind == ctEmpty ||
                           kind == ctImages || kind == ctComment;
        if (plain && props->BrushColor() != ui::clNone)
            ABrush->SetColor(props->BrushColor());
        if (props->FontColor() != ui::clNone)
            AFont->SetColor(props->FontColor());
        if (props->FontStyle() != 0)
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().empty())
            AFont->SetName(props->FontName());
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TGxStringGrid::GetCellPrintColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush,
                                      ui::TFont* AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TGxStringGrid::GetCellBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders)
{
    if (grouping_->HeaderUnderline && IsNode(ARow) && ACol > 0) {
        Borders = CellBorderBit(cbBottom);
        APen->SetColor(grouping_->HeaderLineColor);
        APen->SetWidth(grouping_->HeaderLineWidth);
    }
    if (grouping_->SummaryLine && IsSummary(ARow) && ACol > 0) {
        Borders = CellBorderBit(cbTop);
        APen->SetColor(grouping_->SummaryLineColor);
        APen->SetWidth(grouping_->SummaryLineWidth);
    }
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TGxStringGrid::GetCellPrintBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TGxStringGrid::GetCellAlignment(int ACol, int ARow, THAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && mouseActions_->HotmailRowSelect())
        HAlign = THAlignment::taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TGxStringGrid::GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TGxStringGrid::GetSpinEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void TGxStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TGxStringGrid::IsEditorNone(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TGxStringGrid::GetIsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (IsFixed)
        return;
    IsFixed = ACol < FixedCols() || ARow < FixedRows() || (fixedRowAlways_ && RowCount() == minFixedRows_) ||
              (fixedColAlways_ && ColCount() == minFixedCols_);
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

// Works on the base cell of a merged range (ACol is a real column).
void TGxStringGrid::GetCellEditable(int ACol, int ARow, bool& CanEdit)
{
    const ui::TPoint base = BaseCell(ACol, ARow);
    if (HasCellProperties(base.X, base.Y) && CanEdit) {
        CanEdit = !GridObjects(base.X, base.Y)->ReadOnly();
        // A grid that took goEditing away only for the current cell is still edit-enabled.
        if (!(Options() & ui::goEditing) && !EditorMode() && !edit_.EditDisable && !mouseActions_->RangeSelectAndEdit())
            CanEdit = false;
    }
    if (base.X < TotalColCount())
        DoCanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

void TGxStringGrid::GetIsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TGxStringGrid::GetCellWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TGxStringGrid::GetHasComboBox(int ACol, int ARow)
{
    if (OnHasComboBox) {
        bool has = false;
        OnHasComboBox(this, ACol, ARow, has);
        return has;
    }
    if (!controlLook_->DropDownAlwaysVisible())
        return false;
    TEditorType editor = DefaultEditor;
    GetCellEditor(ACol, ARow, editor);
    return editor == edComboEdit || editor == edComboList;
}

bool TGxStringGrid::GetHasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    if (OnHasSpinEdit) {
        bool has = false;
        OnHasSpinEdit(this, ACol, ARow, has);
        return has;
    }
    if (!controlLook_->SpinButtonsAlwaysVisible())
        return false;
    TEditorType editor = DefaultEditor;
    GetSpinEditorType(ACol, ARow, editor);
    return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
}

void TGxStringGrid::GetCheckTrueText(int ACol, int ARow, std::string& Value)
{
    Value = CheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void TGxStringGrid::GetCheckFalseText(int ACol, int ARow, std::string& Value)
{
    Value = CheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

// The distinct trimmed texts of the normal rows (and, unless filtering narrows step by step, of the
// hidden rows); a text with a blank is entered as a name-value pair with its quoted condition.
bool TGxStringGrid::GetColumnFilterList(int ACol)
{
    filterList_.Clear();
    if (FilterDropDownAuto && (ACol >= FixedCols() || FilterDropDownColumns == fdAll)) {
        filterList_.SetSorted(true);
        const auto add = [&](const std::string& value) {
            filterList_.Add(value.find(' ') != std::string::npos ? value + "=\"" + value + "\"" : value);
        };
        for (int r = FixedRows(); r < RowCount() - fixedFooters_; ++r)
            add(rtl::Trim(Cells(ACol, r)));
        if (!FilterIncremental)
            for (const auto& record : gridItems_)
                add(AllCells(ACol, record->Idx));
        filterList_.SetSorted(false);
        if (!FilterDropDownClear.empty())
            filterList_.Insert(0, FilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, &filterList_);
    return filterList_.Count() > 0;
}

// A new cell's defaults are its current look; the colours stay unset in fixed, banded, gradient
// background and selected cells.
void TGxStringGrid::GetCellPropDefaults(int ACol, int ARow, ui::TFont* AFont, ui::TBrush* ABrush, ui::TColor& AColorTo,
                                        ui::TColor& AMirrorColor, ui::TColor& AMirrorColorTo, THAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    TBaseGrid::GetCellPropDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW, GD);
    ui::TGridDrawState state = IsSelected(DisplColIndex(ACol), ARow) ? ui::TGridDrawState{ui::gdSelected} : 0u;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont,
                        HA, VA, WW, GD);
    const TBackGroundDisplay display = backGround_->Display();
    if (IsFixed(DisplColIndex(ACol), ARow) || bands_->Active() || display == bdGradientHorz ||
        display == bdGradientVert || (state & ui::gdSelected)) {
        ABrush->SetColor(ui::clNone);
        AColorTo = ui::clNone;
    }
}

}  // namespace gx
