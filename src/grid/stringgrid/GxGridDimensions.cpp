// TGxStringGrid: dimensions and fixed areas, the footer row, the save range, appearance setters,
// the selection wrappers, update locking and the effective text alignment.
#include "grid/stringgrid/GxGrid.h"

#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

// --- dimensions -----------------------------------------------------------------------------------

void TGxStringGrid::SetRowCount(int Value)
{
    if (Value > ui::kMaxGridCount)
        throw VIdiRazeRaduz("Invalid row accessed");
    const int old = RowCount();
    if (old == FixedRows() && fixedRowAlways_ && selectionHidden_)
        UnHideSelection();
    TBaseGrid::SetRowCount(Value);
    if (RowCount() > minFixedRows_ && fixedRowAlways_ && TBaseGrid::FixedRows() != minFixedRows_)
        TBaseGrid::SetFixedRows(minFixedRows_);
    maxRowCount_ = std::max(maxRowCount_, Value);
    SetNormalRowCount(Value);
    UpdateFooter();
    // The footer row stays the last row, with its texts and its calculation types.
    if (floatingFooter_ && floatingFooter_->Visible() && RowCount() != old) {
        PlaceStoreRow(RowCount() - 1, ExtractStoreRow(old - 1));
        CalcFooter(-1);
    }
}

void TGxStringGrid::SetColCount(int Value)
{
    if (Value > ui::kMaxGridCount)
        throw VIdiRazeRaduz("Invalid column accessed");
    TBaseGrid::SetColCount(Value);
    if (ColCount() > minFixedCols_ && fixedColAlways_ && TBaseGrid::FixedCols() != minFixedCols_)
        TBaseGrid::SetFixedCols(minFixedCols_);
    maxColCount_ = std::max(maxColCount_, Value);
    UpdateFooter();
    SetBounds(Left(), Top(), Width(), Height());
}

int TGxStringGrid::FixedRows() const
{
    const int v = TBaseGrid::FixedRows();
    return v == 0 && fixedRowAlways_ ? 1 : v;
}

int TGxStringGrid::FixedCols() const
{
    const int v = TBaseGrid::FixedCols();
    return v == 0 && fixedColAlways_ ? 1 : v;
}

// With FixedRowAlways at least one scrollable row remains; the count asked for is remembered and
// comes back when rows are added.
void TGxStringGrid::SetFixedRows(int Value)
{
    TBaseGrid::SetFixedRows(fixedRowAlways_ && Value >= RowCount() ? RowCount() - 1 : Value);
    if (!Loading())
        minFixedRows_ = Value;
}

void TGxStringGrid::SetFixedCols(int Value)
{
    TBaseGrid::SetFixedCols(fixedColAlways_ && Value >= ColCount() ? ColCount() - 1 : Value);
    if (!Loading())
        minFixedCols_ = Value;
}

void TGxStringGrid::SetFixedRowHeight(int Value)
{
    fixedRowHeight_ = Value;
    if (Loading())
        return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < TBaseGrid::FixedRows(); ++r)
        SetRowHeights(r, Value);
}

void TGxStringGrid::SetFixedColWidth(int Value)
{
    if (Loading() || Value == DefaultColWidth())
        return;
    for (int c = 0; c < TBaseGrid::FixedCols(); ++c)
        SetColWidths(c, Value);
}

void TGxStringGrid::SetFixedFooters(int Value)
{
    fixedFooters_ = Value;
    Invalidate();
}

void TGxStringGrid::SetFixedRightCols(int Value)
{
    fixedRightCols_ = Value;
    Invalidate();
}

void TGxStringGrid::SetDefaultRowHeight(int Value)
{
    TBaseGrid::SetDefaultRowHeight(Value);
    if (!floatingFooter_)
        return;
    floatingFooter_->SetHeight(Value);
    if (floatingFooter_->Visible() && footerPanel_)
        footerPanel_->SetHeight(Value);
}

void TGxStringGrid::AppendRow()
{
    SetRowCount(RowCount() + 1);
}

int TGxStringGrid::SaveStartCol() const
{
    return SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
}

int TGxStringGrid::SaveStartRow() const
{
    return SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
}

int TGxStringGrid::SaveEndCol() const
{
    return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - fixedRightCols_ - 1;
}

int TGxStringGrid::SaveEndRow() const
{
    return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - fixedFooters_ - 1;
}

int TGxStringGrid::SaveColCount() const
{
    return SaveFixedCells || SaveFixedCols ? ColCount() : ColCount() - FixedCols() - fixedRightCols_;
}

int TGxStringGrid::SaveRowCount() const
{
    return SaveFixedCells || SaveFixedRows ? RowCount() : RowCount() - FixedRows() - fixedFooters_;
}

// The smallest rectangle (display coordinates) holding every cell with text; (0, 0, 0, 0) for an
// empty grid.
ui::TRect TGxStringGrid::CalcUsedCellsRect()
{
    ui::TRect used{-1, -1, -1, -1};
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            if (Cells(RealColIndex(c), r).empty())
                continue;
            if (used.Left < 0) {
                used = {c, r, c, r};
                continue;
            }
            used.Left = std::min(used.Left, c);
            used.Right = std::max(used.Right, c);
            used.Bottom = r;
        }
    }
    return used.Left < 0 ? ui::TRect{0, 0, 0, 0} : used;
}

void TGxStringGrid::ScreenToCell(ui::TPoint pt, int& ACol, int& ARow) const
{
    const ui::TPoint p = ScreenToClient(pt);
    MouseToCell(p.X, p.Y, ACol, ARow);
}

bool TGxStringGrid::IsSizingBorder(int X, int Y) const
{
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0)
        return false;
    const ui::TRect rect = CellRect(c, r);
    bool result = false;
    if ((Options() & ui::goColSizing) && r <= FixedRows())
        result = std::abs(X - rect.Left) < 4 || std::abs(X - rect.Right) < 4;
    if ((Options() & ui::goRowSizing) && c <= FixedCols())
        result = std::abs(Y - rect.Top) < 4 || std::abs(Y - rect.Bottom) < 4;
    return result;
}

// --- footer row -------------------------------------------------------------------------------------

void TGxStringGrid::UpdateFooter()
{
    if (footerPanel_)
        footerPanel_->Invalidate();
}

void TGxStringGrid::CalcFooter(int ACol)
{
    UpdateFooterCalc(ACol);
}

void TGxStringGrid::HiddenLastRowChanged()
{
    UpdateFooter();
}

// The footer is the last row; each column whose footer cell has a calculation type gets the value
// over the data rows (hidden rows included with CalculateHiddenRows).
void TGxStringGrid::UpdateFooterCalc(int ACol)
{
    if (!floatingFooter_ || !floatingFooter_->Visible() || floatingFooter_->FooterStyle() != fsFixedLastRow ||
        !floatingFooter_->EnableCalculation)
        return;
    const int footer = RowCount() - 1;
    const int h = floatingFooter_->CalculateHiddenRows ? NumHiddenRows() : 0;
    const int from = FixedRows();
    const int to = RowCount() - 2 + h;
    const int first = ACol < 0 ? 0 : ACol;
    const int last = ACol < 0 ? TotalColCount() - 1 : ACol;
    for (int c = first; c <= last; ++c) {
        if (!HasCellProperties(c, footer))
            continue;
        const TColumnCalcType type = GridObjects(c, footer)->CalcType();
        switch (type) {
        case acNONE:
        case acSPREAD:
            break;
        case acSUM:
            SetFloats(c, footer, ColumnSum(c, from, to));
            break;
        case acAVG:
            SetFloats(c, footer, ColumnAvg(c, from, to));
            break;
        case acMIN:
            SetFloats(c, footer, ColumnMin(c, from, to));
            break;
        case acMAX:
            SetFloats(c, footer, ColumnMax(c, from, to));
            break;
        case acDISTINCT:
            SetFloats(c, footer, ColumnDistinct(c, from, to));
            break;
        case acSTDDEV:
            SetFloats(c, footer, ColumnStdDev(c, from, to));
            break;
        case acCOUNT:
            SetInts(c, footer, RowCount() - FixedRows() - 1 + h);
            break;
        case acCUSTOM: {
            std::string value;
            if (OnFooterCalc)
                OnFooterCalc(this, c, RowCount() - 1 + h, value);
            else if (floatingFooter_->OnCalcFooter)
                floatingFooter_->OnCalcFooter(this, c, RowCount() - 1 + h, value);
            SetCells(c, footer, value);
            break;
        }
        }
    }
}

// --- appearance setters -------------------------------------------------------------------------------

void TGxStringGrid::SetDefaultAlignment(THAlignment v)
{
    if (defaultAlignment_ == v)
        return;
    defaultAlignment_ = v;
    Invalidate();
}

void TGxStringGrid::SetVAlignment(TVAlignment v)
{
    vAlignment_ = v;
    vAlignFlag_ = v == vtaCenter ? ui::DT_VCENTER : v == vtaBottom ? ui::DT_BOTTOM : ui::DT_TOP;
    if (updateCount_ == 0)
        Invalidate();
}

void TGxStringGrid::SetWordWrap(bool v)
{
    TBaseGrid::SetWordWrap(v);
    if (updateCount_ == 0)
        Invalidate();
}

void TGxStringGrid::SetAutoSize(bool v)
{
    autoSize_ = v;
}

void TGxStringGrid::SetFlat(bool v)
{
    flat_ = v;
    if (!Loading())
        Invalidate();
}

void TGxStringGrid::SetMaxEditLength(int v)
{
    maxEditLength_ = v;
    if (ui::TInplaceEdit* editor = InplaceEditor())
        editor->SetMaxLength(v);
}

void TGxStringGrid::SetShowSelection(bool v)
{
    if (showSelection_ == v)
        return;
    showSelection_ = v;
    SetShowSelectionFlag(v);
    Invalidate();
}

void TGxStringGrid::SetSelectionColorMixerFactor(int v)
{
    v = std::clamp(v, 0, 100);
    if (selectionColorMixerFactor_ == v)
        return;
    selectionColorMixerFactor_ = v;
    Invalidate();
}

void TGxStringGrid::SetSpreadSheet(bool v)
{
    spreadSheet_ = v;
    SelectionRectangle = true;
    SelectionResizer = true;
    navigation_->SetAllowSmartClipboard(true);
    SetOptions(Options() | ui::goRangeSelect | ui::goEditing);
    mouseActions_->SetRangeSelectAndEdit(true);
}

void TGxStringGrid::SetActiveCellFont(const ui::TFont& v)
{
    activeCellFont_.Assign(v);
    Invalidate();
}

void TGxStringGrid::SetFixedFont(const ui::TFont& v)
{
    fixedFont_.Assign(v);
    Invalidate();
}

void TGxStringGrid::SetHighlightColor(ui::TColor v)
{
    if (highlightColor_ == v)
        return;
    highlightColor_ = v;
    Invalidate();
}

void TGxStringGrid::SetHighlightTextColor(ui::TColor v)
{
    if (highlightTextColor_ == v)
        return;
    highlightTextColor_ = v;
    Invalidate();
}

void TGxStringGrid::SetURLColor(ui::TColor v)
{
    if (urlColor_ == v)
        return;
    urlColor_ = v;
    if (urlShow_)
        Invalidate();
}

void TGxStringGrid::SetURLShow(bool v)
{
    if (urlShow_ == v)
        return;
    urlShow_ = v;
    Invalidate();
}

void TGxStringGrid::SetURLShowInText(bool v)
{
    if (urlShowInText_ == v)
        return;
    urlShowInText_ = v;
    Invalidate();
}

void TGxStringGrid::SetURLFull(bool v)
{
    urlFull_ = v;
    if (urlShow_)
        Invalidate();
}

void TGxStringGrid::SetXYOffset(ui::TPoint v)
{
    xyOffset_ = v;
    Invalidate();
}

void TGxStringGrid::SetRowIndicator(const ui::TBitmap& v)
{
    if (&v != &rowIndicator_)
        rowIndicator_.Assign(v);
    RepaintCell(0, Row());
}

void TGxStringGrid::SetAutoThemeAdapt(bool v)
{
    if (autoThemeAdapt_ == v)
        return;
    autoThemeAdapt_ = v;
    searchFooter_->SetAutoThemeAdapt(v);
    if (v) {
        AdaptToOfficeTheme();
        Invalidate();
    }
}

void TGxStringGrid::SetScrollBarAlways(TScrollBarAlways v)
{
    scrollBarAlways_ = v;
}

void TGxStringGrid::SetShowDesignHelper(bool v)
{
    if (showDesignHelper_ == v)
        return;
    showDesignHelper_ = v;
    Invalidate();
}

#define GX_DUD_SETTER(Name, Index)                                                                                     \
    void TGxStringGrid::Set##Name(ui::TColor v)                                                                        \
    {                                                                                                                  \
        fixedGradients_[TControlLook::Index] = v == ui::clNone ? v : ui::ColorToRGB(v);                                \
        Invalidate();                                                                                                  \
    }
GX_DUD_SETTER(DUDGradientFrom, kFrom)
GX_DUD_SETTER(DUDGradientTo, kTo)
GX_DUD_SETTER(DUDGradientMirrorFrom, kMirrorFrom)
GX_DUD_SETTER(DUDGradientMirrorTo, kMirrorTo)
#undef GX_DUD_SETTER

// --- selection wrappers --------------------------------------------------------------------------------

void TGxStringGrid::SetSelection(const ui::TGridRect& r)
{
    TBaseGrid::SetSelection(r);
    if (ActiveCellShow) {
        RepaintRow(0);
        RepaintCol(0);
    }
    if (ActiveRowShow())
        RepaintRow(Selection().Bottom);
}

// The selection moves to the single cell just outside the grid.
void TGxStringGrid::HideSelection()
{
    savedSelection_ = Selection();
    MoveSelectionOutside();
    selectionHidden_ = true;
}

void TGxStringGrid::UnHideSelection()
{
    selectionHidden_ = false;
    if (savedSelection_.Top < RowCount() && savedSelection_.Left < ColCount()) {
        ui::TCustomGrid::SetSelection(savedSelection_);
        return;
    }
    const int top = fixedRowAlways_ && TBaseGrid::FixedRows() >= RowCount() ? 0 : FixedRows();
    const int left = fixedColAlways_ && TBaseGrid::FixedCols() >= ColCount() ? 0 : FixedCols();
    ui::TCustomGrid::SetSelection({left, top, left, top});
}

// --- update locking -------------------------------------------------------------------------------------

void TGxStringGrid::BeginUpdate()
{
    ++updateCount_;
}

void TGxStringGrid::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
    if (updateCount_ == 0 && !Destroying())
        Invalidate();
}

unsigned TGxStringGrid::WantKeys() const
{
    unsigned keys = TBaseGrid::WantKeys();
    if (navigation_->AutoGotoWhenSorted() || !(Options() & ui::goEditing))
        keys |= ui::DLGC_WANTCHARS;
    return keys;
}

// --- alignment of a cell's text ---------------------------------------------------------------------------

void TGxStringGrid::GetCellTextAlignment(int ACol, int ARow, THAlignment& HA, TVAlignment& VA)
{
    HA = defaultAlignment_;
    VA = vAlignment_;
    bool formula = false;
    if (AutoNumAlign) {
        std::string text = Cells(ACol, ARow);
        const bool wide = text.rfind("|\\", 0) == 0;
        const std::u16string decoded = wide ? DecodeWideCellText(text) : std::u16string();
        if (text.rfind('=', 0) == 0 || (wide && !decoded.empty() && decoded[0] == u'=')) {
            formula = true;
            text = GetCalcCellText(ACol, ARow);
        }
        const std::string trimmed = rtl::Trim(text);
        const int kind = GetNumberKind(trimmed);
        if (!trimmed.empty() && (kind == 0 || kind == 1 || kind == 5))
            HA = THAlignment::taRightJustify;
    }
    if (!formula && HasCellProperties(ACol, ARow))
        HA = GridObjects(ACol, ARow)->Alignment();
    GetCellAlignment(ACol, ARow, HA, VA);
}

}  // namespace gx
