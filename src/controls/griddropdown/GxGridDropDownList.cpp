#include "controls/griddropdown/GxGridDropDownList.h"

#include <algorithm>

#include "controls/dropdown/GxDropDownForm.h"
#include "controls/griddropdown/GxGridDropDown.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Messages.h"

namespace dropdown::griddrop {

using namespace ui;

TGxColGrid::TGxColGrid(TComponent* AOwner) : gx::TGxStringGrid(AOwner)
{
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    SetRowHeights(0, HeaderHeight);
    SetOptions((Options() | goRowSelect | goHorzLine) & ~goRangeSelect);
    SetBorderStyle(TBorderStyle::bsNone);
}

TGxColGrid::~TGxColGrid()
{
    MarkDestroying();
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
    gx::TGxStringGrid::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

bool TGxColGrid::InDropDownWindow() const
{
    return dynamic_cast<TDropDownForm*>(Parent()) != nullptr;
}

void TGxColGrid::ReadDropDownSettings(TCustomGxGridDropDown& D)
{
    FDropDown = &D;
    FColumns.Assign(*D.Columns());
    if (ColCount() < FColumns.Count())
        SetColCount(FColumns.Count());
    if (D.UseItems())
        SetRowCount(D.Items()->Count() + 1);
    for (int i = 0; i < FColumns.Count(); ++i)
        SetColWidths(i, FColumns.GetItem(i)->Width);
    LineColor = D.LineColor();
    FixedLineColor = D.FixedLineColor();
    HeaderColor = D.HeaderColor();
    HeaderColorTo = D.HeaderColorTo();
    HeaderHeight = D.HeaderHeight();
    FHeaderFont.Assign(*D.HeaderFont());
    SetHoverRow(D.HoverRow);
    SetHoverRowColor(D.HoverRowColor);
    SetHoverRowColorTo(D.HoverRowColorTo);
    SetImages(D.Images());
    SetDefaultRowHeight(D.DropDownRowHeight());
    SetRowHeights(0, HeaderHeight);
    const auto option = [this](TGridOptions o, bool on) { SetOptions(on ? Options() | o : Options() & ~o); };
    option(goColSizing, D.ColumnSizing);
    option(goColMoving, D.ColumnMoving);
    option(goRowSizing, D.RowSizing);
    option(goRowMoving, D.RowMoving);
    if (D.AutoSizeColumns() && D.UseItems())
        for (int i = 0; i < FColumns.Count(); ++i)
            AutoSizeColumn(i);
    AutoSizeRows();
}

void TGxColGrid::LoadItems()
{
    if (!FDropDown)
        return;
    FNarrowed = false;
    FAllRows.clear();
    if (ColCount() != FColumns.Count() && FColumns.Count() > 0)
        SetColCount(FColumns.Count());
    for (int i = 0; i < FColumns.Count(); ++i)
        SetCells(i, 0, FColumns.GetItem(i)->Header);
    const TDropDownItems& items = *FDropDown->Items();
    if (items.Count() > 0)
        SetRowCount(FixedRows() + items.Count());
    FRowItems.assign(static_cast<std::size_t>(RowCount()), -1);
    for (int k = 0; k < items.Count(); ++k) {
        const TDropDownItem& item = *items.GetItem(k);
        for (int i = 0; i < ColCount(); ++i)
            SetCells(i, k + 1, item.ColumnText(i));
        FRowItems[static_cast<std::size_t>(k + 1)] = k;
    }
}

void TGxColGrid::ShowRows(const std::vector<const TKeptRow*>& Rows)
{
    const int fixed = FixedRows();
    // A grid keeps one data row at least; an empty narrowing shows it blank.
    SetRowCount(fixed + std::max<int>(1, static_cast<int>(Rows.size())));
    FRowItems.assign(static_cast<std::size_t>(RowCount()), -1);
    for (int c = 0; c < ColCount(); ++c)
        SetCells(c, fixed, "");
    for (std::size_t k = 0; k < Rows.size(); ++k) {
        const int r = fixed + static_cast<int>(k);
        for (int c = 0; c < ColCount() && c < static_cast<int>(Rows[k]->Cells.size()); ++c)
            SetCells(c, r, Rows[k]->Cells[static_cast<std::size_t>(c)]);
        FRowItems[static_cast<std::size_t>(r)] = Rows[k]->Item;
    }
    SetTopRow(fixed);
    Invalidate();
}

void TGxColGrid::NarrowDown(const std::string& S, int ACol)
{
    if (!FNarrowed) {
        FAllRows.clear();
        for (int r = FixedRows(); r < RowCount(); ++r) {
            TKeptRow row;
            for (int c = 0; c < ColCount(); ++c)
                row.Cells.push_back(Cells(c, r));
            row.Item = RowToItem(r);
            FAllRows.push_back(std::move(row));
        }
        FNarrowed = true;
    }
    const std::string key = rtl::AnsiUpperCase(S);
    std::vector<const TKeptRow*> left;
    for (const TKeptRow& row : FAllRows) {
        const std::string text =
            ACol >= 0 && ACol < static_cast<int>(row.Cells.size()) ? row.Cells[static_cast<std::size_t>(ACol)] : "";
        if (rtl::AnsiUpperCase(text).find(key) != std::string::npos)
            left.push_back(&row);
    }
    FNarrowedRows = static_cast<int>(left.size());
    ShowRows(left);
}

void TGxColGrid::RemoveAllFilters()
{
    if (!FNarrowed)
        return;
    std::vector<const TKeptRow*> all;
    for (const TKeptRow& row : FAllRows)
        all.push_back(&row);
    ShowRows(all);
    FNarrowed = false;
    FAllRows.clear();
}

void TGxColGrid::RowMoved(int FromIndex, int ToIndex)
{
    gx::TGxStringGrid::RowMoved(FromIndex, ToIndex);
    const int n = static_cast<int>(FRowItems.size());
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= n || ToIndex >= n)
        return;
    const int moved = FRowItems[static_cast<std::size_t>(FromIndex)];
    FRowItems.erase(FRowItems.begin() + FromIndex);
    FRowItems.insert(FRowItems.begin() + ToIndex, moved);
}

int TGxColGrid::RowToItem(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount() || ARow >= static_cast<int>(FRowItems.size()))
        return ARow;
    return FRowItems[static_cast<std::size_t>(ARow)];
}

int TGxColGrid::ItemToRow(int AItem) const
{
    for (int r = FixedRows(); r < RowCount() && r < static_cast<int>(FRowItems.size()); ++r)
        if (FRowItems[static_cast<std::size_t>(r)] == AItem)
            return r;
    return -1;
}

void TGxColGrid::AutoSizeColumn(int ACol)
{
    TDropDownColumn* column = FColumns.GetItem(ACol);
    if (!column || !column->AutoSize || !InDropDownWindow() || !FDropDown)
        return;
    column->Width = multicolumn::ItemColumnWidth(*Canvas(), *column, ACol, *FDropDown->Items(), FImages);
    SetColWidths(ACol, column->Width);
}

void TGxColGrid::AutoSizeRows()
{
    if (!FDropDown || !InDropDownWindow())
        return;
    bool wrapping = false;
    std::vector<int> widths;
    for (int c = 0; c < FColumns.Count(); ++c) {
        wrapping = wrapping || FColumns.GetItem(c)->Wordwrap;
        widths.push_back(c < ColCount() ? ColWidths(c) : 0);
    }
    if (!wrapping)
        return;
    const TDropDownItems& items = *FDropDown->Items();
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (const TDropDownItem* item = items.GetItem(r - 1))
            SetRowHeights(r, multicolumn::ItemRowHeight(*Canvas(), FColumns, widths, *item, FImages));
}

int TGxColGrid::GetNeededWidth() const
{
    int w = 2 * BorderWidth();
    for (int i = 0; i < ColCount(); ++i)
        w += ColWidths(i);
    if (VisibleRowCount() + FixedRows() != RowCount())
        w += TWinControl::ScrollBarSize;
    return w;
}

void TGxColGrid::DoGetEditorProp(int ACol, int ARow, ui::TObject* AEditLink)
{
    gx::TGxStringGrid::DoGetEditorProp(ACol, ARow, AEditLink);
    if (FDropDown && FDropDown->OnGridGetEditorProp)
        FDropDown->OnGridGetEditorProp(this, ACol, ARow, AEditLink);
}

void TGxColGrid::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TGxColGrid::KeyDown(unsigned& Key, TShiftState Shift)
{
    ConfirmSelection = true;
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDropDown)
            FDropDown->Perform(WM_KEYDOWN, Key);
        Key = 0;
        return;
    }
    if (Key == VK_TAB) {
        Key = 0;
        return;
    }
    if (Key == VK_RETURN) {
        unsigned none = 0;
        gx::TGxStringGrid::KeyDown(none, Shift);
        DoSelect();
        return;
    }
    gx::TGxStringGrid::KeyDown(Key, Shift);
}

void TGxColGrid::KeyPress(char32_t& Key)
{
    if (Key == 13) {
        Key = 0;  // answered: Enter chose the row on its key-down
        return;
    }
    gx::TGxStringGrid::KeyPress(Key);
}

void TGxColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    ConfirmSelection = true;
    gx::TGxStringGrid::MouseDown(Button, Shift, X, Y);
}

void TGxColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    gx::TGxStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    const int row = MouseCoord(X, Y).Y;
    if (row >= FixedRows() && row < RowCount())
        DoSelect();
}

bool TGxColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    WheelSelection = true;
    ConfirmSelection = false;
    const bool handled = gx::TGxStringGrid::DoMouseWheelDown(Shift, MousePos);
    WheelSelection = false;
    return handled;
}

bool TGxColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    WheelSelection = true;
    ConfirmSelection = false;
    const bool handled = gx::TGxStringGrid::DoMouseWheelUp(Shift, MousePos);
    WheelSelection = false;
    return handled;
}

unsigned TGxColGrid::WantKeys() const
{
    return DLGC_WANTARROWS | DLGC_WANTTAB;
}

}  // namespace dropdown::griddrop
