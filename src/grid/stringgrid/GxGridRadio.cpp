// TGxStringGrid: radio buttons (one per cell, a column of them acting as one group when selected by
// the user) and radio groups (an item list in one cell whose chosen item is stored in the graphic or
// follows the cell text).
#include <algorithm>

#include "grid/stringgrid/GxGrid.h"

namespace gx {

void TGxStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw rtl::Exception("Invalid cell");
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctRadioButton;
    g->CellBoolean = State;
    g->CellTransparent = true;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = VAlignment() == vtaCenter ? vaCenter : VAlignment() == vtaBottom ? vaBottom : vaTop;
}

void TGxStringGrid::RemoveRadioButton(int ACol, int ARow)
{
    if (HasRadioButton(ACol, ARow)) {
        const ui::TPoint base = BaseCell(ACol, ARow);
        RemoveCellGraphic(base.X, base.Y);
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

bool TGxStringGrid::HasRadioButton(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const ui::TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctRadioButton;
}

bool TGxStringGrid::IsRadioButtonChecked(int ACol, int ARow)
{
    if (!HasRadioButton(ACol, ARow))
        return false;
    const ui::TPoint base = BaseCell(ACol, ARow);
    return GetCellGraphic(base.X, base.Y)->CellBoolean;
}

bool TGxStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    if (!HasRadioButton(ACol, ARow))
        return false;
    const ui::TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    if (g->CellBoolean != State) {
        g->CellBoolean = State;
        RepaintCell(DisplColIndex(ACol), ARow);
    }
    return true;
}

void TGxStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void TGxStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        RemoveRadioButton(ACol, r);
}

void TGxStringGrid::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int TGxStringGrid::GetRadioButtonColumnIndex(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r))
            return r;
    return -1;
}

bool TGxStringGrid::SelectRadioButtonCell(int ACol, int ARow, bool FromUser)
{
    if (!HasRadioButton(ACol, ARow))
        return false;
    if (FromUser && !controlLook_->CheckAlwaysActive) {
        bool allow = true;
        GetCellEditable(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    if (!IsRadioButtonChecked(ACol, ARow)) {
        SetRadioButtonState(ACol, ARow, true);
        for (int r = 0; r < RowCount(); ++r)
            if (r != ARow && IsRadioButtonChecked(ACol, r))
                SetRadioButtonState(ACol, r, false);
    }
    return true;
}

void TGxStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, rtl::TStrings* sl)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctRadio;
    g->CellAngle = sl ? sl->Count() : 0;
    g->CellBoolean = DirRadio != 0;
    g->CellIndex = IdxRadio;
    g->CellBitmap = sl;
    g->CellCreated = false;
}

rtl::TStrings* TGxStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    auto* list = new rtl::TStringList;
    g->CellType = ctRadio;
    g->CellAngle = 0;
    g->CellBoolean = DirRadio != 0;
    g->CellIndex = IdxRadio;
    g->CellBitmap = list;
    g->CellCreated = true;
    return list;
}

bool TGxStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    IdxRadio = g->CellIndex;
    return g->CellType == ctRadio;
}

bool TGxStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio)
        return false;
    g->CellIndex = IdxRadio;
    if (IdxRadio == -1)
        SetCells(ACol, ARow, "");
    RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

rtl::TStrings* TGxStringGrid::GetRadioStrings(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const ui::TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    return g && g->CellType == ctRadio ? dynamic_cast<rtl::TStrings*>(g->CellBitmap) : nullptr;
}

bool TGxStringGrid::IsRadio(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const ui::TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctRadio;
}

void TGxStringGrid::RemoveRadio(int ACol, int ARow)
{
    if (IsRadio(ACol, ARow)) {
        const ui::TPoint base = BaseCell(ACol, ARow);
        RemoveCellGraphic(base.X, base.Y);
        RepaintCell(DisplColIndex(ACol), ARow);
    }
}

void TGxStringGrid::CycleRadioCell(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio)
        return;
    if (FromUser && !controlLook_->RadioAlwaysActive) {
        bool allow = true;
        GetCellEditable(ACol, ARow, allow);
        if (!allow)
            return;
    }
    const rtl::TStrings* items = dynamic_cast<const rtl::TStrings*>(g->CellBitmap);
    const int count = items ? items->Count() : 0;
    if (count == 0)
        return;
    int current = g->CellIndex;
    if (current < 0)
        current = items->IndexOf(Cells(ACol, ARow));
    int next = current + 1;
    if (next >= count)
        next = 0;
    if (g->CellIndex >= -1)
        g->CellIndex = next;
    g->CellVar = next;
    SetCells(ACol, ARow, items->Strings(next));
    RepaintCell(DisplColIndex(ACol), ARow);
}

// The item of a radio group at an offset inside its cell: side by side, each item its text width
// plus the glyph; one above the other, each the larger of the glyph and a text line high. The
// chosen item is stored, the cell follows (a group without a stored index keeps the item's text)
// and OnRadioClick fires.
void TGxStringGrid::ClickRadioGroupItem(int ACol, int ARow, int X, int Y)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio)
        return;
    const int displ = DisplColIndex(ACol);
    if (displ != Col() || ARow != Row()) {
        RepaintCell(displ, ARow);
        MoveToCell(displ, ARow);
    }
    const auto* items = dynamic_cast<const rtl::TStrings*>(g->CellBitmap);
    const int count = items ? items->Count() : 0;
    if (count == 0)
        return;
    const TControlStyle style = controlLook_->ControlStyle();
    const int glyph = style == csClassic || style == csFlat ? controlLook_->RadioSize() : 16;
    ui::TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(*Font());
    int index = count - 1;
    int edge = 0;
    for (int i = 0; i < count; ++i) {
        edge += g->CellBoolean ? canvas.TextWidth(items->Strings(i)) + glyph : std::max(glyph, canvas.TextHeight("gh"));
        if ((g->CellBoolean ? X : Y) < edge) {
            index = i;
            break;
        }
    }
    if (g->CellIndex < 0)
        SetCells(ACol, ARow, items->Strings(index));
    SetRadioIdx(ACol, ARow, index);
    if (OnRadioClick)
        OnRadioClick(this, ACol, ARow, index);
}

}  // namespace gx
