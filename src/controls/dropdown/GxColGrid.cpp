#include "controls/dropdown/GxColGrid.h"

#include <algorithm>

#include "controls/dropdown/GxDropDownDraw.h"
#include "controls/dropdown/GxDropDownForm.h"
#include "controls/dropdown/GxMultiColumnDropDown.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Messages.h"

namespace dropdown::multicolumn {

using namespace ui;

TGxColGrid::TGxColGrid(TComponent* AOwner) : TStringGrid(AOwner)
{
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions((Options() | goRowSelect | goHorzLine) & ~(goRangeSelect | goDrawFocusSelected));
    SetDefaultDrawing(false);
    SetBorderStyle(TBorderStyle::bsNone);
    TStringGrid::SetGridLineWidth(0);
}

TGxColGrid::~TGxColGrid()
{
    MarkDestroying();
}

void TGxColGrid::SetLineWidth(int Value)
{
    FLineWidth = Value;
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TGxColGrid::SetImages(TImageList* Value)
{
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = Value;
    if (FImages)
        FreeNotification(FImages);
}

void TGxColGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TStringGrid::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

bool TGxColGrid::InDropDownWindow() const
{
    return dynamic_cast<TDropDownForm*>(Parent()) != nullptr;
}

void TGxColGrid::ReadDropDownSettings()
{
    if (!FDropDown)
        return;
    TGxMultiColumnDropDown& dd = *FDropDown;
    FColumns.Assign(*dd.Columns());
    SetColCount(FColumns.Count());
    SetRowCount(dd.Items()->Count() + 1);
    if (dd.Items()->Count() > 0) {
        SetFixedRows(1);
        SetRow(1);
    }
    for (int i = 0; i < FColumns.Count(); ++i)
        SetColWidths(i, FColumns.GetItem(i)->Width);
    LineColor = dd.LineColor();
    FixedLineColor = dd.FixedLineColor();
    HeaderColor = dd.HeaderColor();
    HeaderColorTo = dd.HeaderColorTo();
    HeaderHeight = dd.HeaderHeight();
    FHeaderFont.Assign(*dd.HeaderFont());
    SetImages(dd.Images());
    SetDefaultRowHeight(dd.DropDownRowHeight());
    SetRowHeights(0, HeaderHeight);
    SetOptions(dd.ColumnSizing() ? Options() | goColSizing : Options() & ~goColSizing);
    AutoSizeColumns();
    AutoSizeRows();
}

void TGxColGrid::AutoSizeColumns()
{
    for (int i = 0; i < FColumns.Count(); ++i)
        if (FColumns.GetItem(i)->AutoSize)
            AutoSizeColumn(i);
}

void TGxColGrid::AutoSizeColumn(int Index)
{
    if (!FDropDown || !InDropDownWindow())
        return;
    TDropDownColumn& column = *FColumns.GetItem(Index);
    column.Width = ItemColumnWidth(*Canvas(), column, Index, *FDropDown->Items(), FImages);
    SetColWidths(Index, column.Width);
}

void TGxColGrid::AutoSizeRows()
{
    if (!FDropDown || !InDropDownWindow())
        return;
    const bool wrapping = [this] {
        for (int i = 0; i < FColumns.Count(); ++i)
            if (FColumns.GetItem(i)->Wordwrap)
                return true;
        return false;
    }();
    if (!wrapping)
        return;
    std::vector<int> widths;
    for (int c = 0; c < FColumns.Count(); ++c)
        widths.push_back(FColumns.GetItem(c)->Width);
    const TDropDownItems& items = *FDropDown->Items();
    for (int i = 0; i < items.Count(); ++i)
        SetRowHeights(i + 1, ItemRowHeight(*Canvas(), FColumns, widths, *items.GetItem(i), FImages));
}

int TGxColGrid::GetNeededWidth() const
{
    int w = 2 * BorderWidth();
    for (int i = 0; i < ColCount() && i < FColumns.Count(); ++i)
        w += ColWidths(i);
    if (VisibleRowCount() + FixedRows() != RowCount())
        w += TWinControl::ScrollBarSize;
    return w;
}

TRect TGxColGrid::FullCellRect(int ACol, int ARow) const
{
    const TRect r = CellRect(ACol, ARow);
    return {r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow)};
}

void TGxColGrid::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TGxColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas& canvas = *Canvas();
    if (FDropDown && FDropDown->OnDropDownDrawItem) {
        FDropDown->OnDropDownDrawItem(FDropDown, ACol, ARow, canvas, ARect);
        return;
    }
    TRect R = FullCellRect(ACol, ARow);
    const bool first = ACol == FixedCols();
    const bool last = ACol == ColCount() - 1;
    const int position = first && last ? 0 : first ? 1 : last ? 2 : 3;  // rounded sides of the selection

    std::string text = ARow >= 0 ? Cells(ACol, ARow) : std::string();
    int imageIndex = -1;
    TColor color = Color();
    TAlignment alignment = TAlignment::taLeftJustify;
    bool wrap = false, ellipsis = false;
    TFont font;
    font.Assign(FHeaderFont);
    const TDropDownColumn* column = FColumns.GetItem(ACol);
    if (column) {
        color = column->Color;
        alignment = column->Alignment;
        wrap = column->Wordwrap;
        ellipsis = column->Ellipsis;
        font.Assign(*column->Font());
        const TDropDownItem* item = FDropDown && ARow > 0 ? FDropDown->Items()->GetItem(ARow - 1) : nullptr;
        if (item) {
            if (column->ColumnType == TColumnType::ctImage)
                imageIndex = item->ImageIndex;
            if (item->HasColumn(ACol))
                text = item->ColumnText(ACol);
        }
    }
    if (FDropDown && FDropDown->OnDropDownGetItemText)
        FDropDown->OnDropDownGetItemText(FDropDown, ACol, ARow, text);

    const bool fixed = (AState & gdFixed) != 0;
    const bool selected = !fixed && (AState & gdSelected) != 0;
    if (fixed) {
        text = column ? column->Header : std::string();
        imageIndex = -1;
        if (HeaderColor == clNone || HeaderColorTo == clNone) {
            if (HeaderColor != clNone) {
                canvas.Brush()->SetColor(HeaderColor);
                canvas.FillRect(R);
            }
        } else if (FDropDown) {
            FDropDown->DrawGradientBackground(canvas, HeaderColor, HeaderColorTo, TGradientDirection::gdVertical, R,
                                              80);
        } else {
            DrawGradient(canvas, HeaderColor, HeaderColorTo, false, R, 80);
        }
    } else if (selected && FDropDown) {
        FDropDown->DrawSelectionBackground(canvas, R, position, color);
    } else {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(color);
        canvas.Pen()->SetColor(color);
        canvas.Pen()->SetWidth(1);
        canvas.Rectangle(R);
    }

    // Grid lines along the bottom and the right of the cell, inside it.
    const int k = fixed ? 1 : (FLineWidth + 1) / 2;
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    if (fixed) {
        canvas.Pen()->SetColor(FixedLineColor);
        canvas.Pen()->SetWidth(1);
    } else {
        if (FLineWidth > 0)
            canvas.Pen()->SetColor(LineColor);
        canvas.Pen()->SetWidth(FLineWidth);
    }
    if (fixed || FLineWidth > 0) {
        if (Options() & (fixed ? goFixedHorzLine : goHorzLine)) {
            canvas.MoveTo(R.Left - k + 1, R.Bottom - k);
            canvas.LineTo(R.Right - k + 1, R.Bottom - k);
        }
        if (Options() & (fixed ? goFixedVertLine : goVertLine)) {
            canvas.MoveTo(R.Right - k, R.Bottom - k);
            canvas.LineTo(R.Right - k, R.Top - k);
        }
    }
    canvas.Pen()->SetWidth(1);

    R = R.Inflate(-FLineWidth, -FLineWidth);
    TRect textRect{R.Left + 2, R.Top, R.Right, R.Bottom};
    TImageList* images = FDropDown ? FDropDown->Images() : nullptr;
    if (images && imageIndex >= 0) {
        const int y = images->Height() < R.Height() ? R.Top + (R.Height() - images->Height()) / 2 : R.Top;
        images->Draw(canvas, R.Left + 2, y, imageIndex);
        textRect.Left = R.Left + images->Width() + 4;
    }
    if (text.empty())
        return;
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->Assign(fixed ? FHeaderFont : font);
    if (selected && FDropDown)
        canvas.Font()->SetColor(FDropDown->SelectionTextColor());
    unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
    flags |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    flags |= alignment == TAlignment::taRightJustify ? DT_RIGHT
             : alignment == TAlignment::taCenter     ? DT_CENTER
                                                     : DT_LEFT;
    if (ellipsis)
        flags |= DT_END_ELLIPSIS;
    canvas.DrawText(text, textRect, flags);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
}

void TGxColGrid::KeyDown(unsigned& Key, TShiftState Shift)
{
    ConfirmSelection = true;
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDropDown)
            FDropDown->Perform(WM_KEYDOWN, Key);  // the edit's Alt+arrow closes the window
        Key = 0;
        return;
    }
    if (Key == VK_TAB) {
        Key = 0;
        return;
    }
    const unsigned key = Key;
    TStringGrid::KeyDown(Key, Shift);
    if (key == VK_RETURN)
        DoSelect();
}

void TGxColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    ConfirmSelection = true;
    PressRow = MouseCoord(X, Y).Y;
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TGxColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const bool sizing = GridState() == TGridState::gsColSizing;
    TStringGrid::MouseUp(Button, Shift, X, Y);
    // A release over the data row that was pressed chooses it (not the end of a column sizing).
    const int row = MouseCoord(X, Y).Y;
    if (Button == TMouseButton::mbLeft && !sizing && row >= FixedRows() && row == PressRow)
        DoSelect();
}

bool TGxColGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    WheelSelection = true;
    ConfirmSelection = false;
    const bool handled = TStringGrid::DoMouseWheel(Shift, WheelDelta, MousePos);
    WheelSelection = false;
    return handled;
}

unsigned TGxColGrid::WantKeys() const
{
    return DLGC_WANTARROWS | DLGC_WANTTAB;
}

}  // namespace dropdown::multicolumn
