// TGxStringGrid: check boxes in cells: plain boxes keep their state in the cell graphic, data and
// virtual boxes in the cell text (the check-true and check-false texts), row boxes in the row
// selection, tri-state boxes in the graphic's three-way state. Adding, reading, writing and toggling.
#include "grid/stringgrid/GxGrid.h"

namespace gx {

namespace {

bool IsCheckKind(TCellType kind)
{
    return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox ||
           kind == ctTriStateCheckBox;
}

TCellVAlign GraphicVAlign(TVAlignment va)
{
    return va == vtaCenter ? vaCenter : va == vtaBottom ? vaBottom : vaTop;
}

}  // namespace

// Raises "Invalid cell" before anything changes.
static void CheckCellIndex(TGxStringGrid& g, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= g.ColCount() + g.NumHiddenColumns() || ARow >= g.RowCount() + g.NumHiddenRows())
        throw rtl::Exception("Invalid cell");
}

void TGxStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    CheckCellIndex(*this, ACol, ARow);
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = Data ? ctDataCheckBox : ctCheckBox;
    g->CellAngle = 0;
    g->CellBoolean = State;
    g->CellTransparent = true;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = GraphicVAlign(VAlignment());
    if (Data) {
        const std::string text = Cells(ACol, ARow);
        if (text != CheckTrue && text != CheckFalse)
            SetCells(ACol, ARow, State ? CheckTrue : CheckFalse);
    }
}

void TGxStringGrid::AddCheckBox(int ACol, int ARow, ui::TCheckBoxState State)
{
    CheckCellIndex(*this, ACol, ARow);
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    if (!g)
        return;
    g->CellType = ctTriStateCheckBox;
    g->CellBoolean = false;
    g->CellCheckBoxState = State;
    g->CellTransparent = true;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = GraphicVAlign(VAlignment());
}

void TGxStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    const int first = mouseActions_->CheckAllCheck() ? 0 : FixedRows();
    BeginUpdate();
    for (int r = first; r < RowCount(); ++r) {
        if (IsSummary(r))
            continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, ui::TCheckBoxState::cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
    EndUpdate();
}

void TGxStringGrid::AddTriStateCheckBoxColumn(int ACol, ui::TCheckBoxState State)
{
    const int first = mouseActions_->CheckAllCheck() ? 0 : FixedRows();
    BeginUpdate();
    for (int r = first; r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
    EndUpdate();
}

void TGxStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || (g->CellType != ctCheckBox && g->CellType != ctDataCheckBox && g->CellType != ctTriStateCheckBox))
        return;
    RemoveCellGraphic(ACol, ARow);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TGxStringGrid::RemoveCheckBoxColumn(int ACol)
{
    const int first = mouseActions_->CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r))
            RemoveCheckBox(ACol, r);
}

bool TGxStringGrid::HasCheckBox(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const ui::TPoint base = BaseCell(ACol, ARow);
    return IsCheckKind(GetCellType(base.X, base.Y));
}

bool TGxStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const ui::TPoint base = BaseCell(ACol, ARow);
    const TCellType kind = GetCellType(base.X, base.Y);
    return kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox;
}

bool TGxStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !(IsCheckKind(g->CellType) || g->CellType == ctRadioButton))
        return false;
    if (!mouseActions_->PreciseCheckBoxCheck())
        return true;
    const ui::TRect r = CellRect(DisplColIndex(ACol), ARow);
    const int s = controlLook_->CheckSize();
    int top = r.Top + 2;
    if (g->CellVAlign == vaBottom)
        top = r.Bottom - s - 2;
    else if (g->CellVAlign == vaCenter)
        top = r.Top + (r.Height() - s) / 2;
    THAlignment ha;
    TVAlignment va;
    GetCellTextAlignment(ACol, ARow, ha, va);
    int left = r.Left + 2;
    if (ha == THAlignment::taRightJustify) {
        left = r.Right - s - 2;
        const std::string text = Cells(ACol, ARow);
        if (!text.empty())
            left -= Canvas()->TextWidth(text);
    } else if (ha == THAlignment::taCenter) {
        left = r.Left + (r.Width() - s) / 2;
    }
    return ui::Bounds(left, top, s, s).Contains({XPos, YPos});
}

// The graphic of a real row: from the stored properties of a hidden row, else the display cell's.
static TCellGraphic* RealRowGraphic(TGxStringGrid& grid, int ACol, int ARow, bool& hiddenProps)
{
    hiddenProps = false;
    if (grid.NumHiddenRows() > 0)
        if (const TCellProperties* props = grid.HiddenRowObject(ACol, ARow)) {
            if (auto* g = dynamic_cast<TCellGraphic*>(props->GraphicObject())) {
                hiddenProps = true;
                return g;
            }
        }
    const int display = grid.NumHiddenRows() > 0 ? grid.DisplRowIndex(ARow) : ARow;
    return display < 0 ? nullptr : grid.GetCellGraphic(ACol, display);
}

bool TGxStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    bool hidden = false;
    const TCellGraphic* g = RealRowGraphic(*this, ACol, ARow, hidden);
    if (!g)
        return false;
    switch (g->CellType) {
    case ctCheckBox:
        State = g->CellBoolean;
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string checkTrue;
        GetCheckTrueText(ACol, ARow, checkTrue);
        State = (hidden ? AllCells(ACol, ARow) : Cells(ACol, NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow)) ==
                checkTrue;
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = RowSelect(ARow);
        return true;
    default:
        return false;
    }
}

bool TGxStringGrid::GetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState& State)
{
    bool hidden = false;
    const TCellGraphic* g = RealRowGraphic(*this, ACol, ARow, hidden);
    if (!g)
        return false;
    if (g->CellType == ctTriStateCheckBox) {
        State = g->CellCheckBoxState;
        return true;
    }
    bool checked = false;
    if (!GetCheckBoxState(ACol, ARow, checked))
        return false;
    State = checked ? ui::TCheckBoxState::cbChecked : ui::TCheckBoxState::cbUnchecked;
    return true;
}

bool TGxStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TGxStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    bool hidden = false;
    TCellGraphic* g = RealRowGraphic(*this, ACol, ARow, hidden);
    if (!g)
        return false;
    const int display = NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow;
    switch (g->CellType) {
    case ctCheckBox:
        g->CellBoolean = State;
        if (display >= 0)
            RepaintCell(DisplColIndex(ACol), display);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string text;
        if (State)
            GetCheckTrueText(ACol, ARow, text);
        else
            GetCheckFalseText(ACol, ARow, text);
        if (hidden)
            SetAllCells(ACol, ARow, text);
        else
            SetCells(ACol, display, text);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        SetRowSelect(ARow, State);
        return true;
    default:
        return false;
    }
}

bool TGxStringGrid::SetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState State)
{
    bool hidden = false;
    TCellGraphic* g = RealRowGraphic(*this, ACol, ARow, hidden);
    if (!g || g->CellType != ctTriStateCheckBox)
        return false;
    g->CellCheckBoxState = State;
    const int display = NumHiddenRows() > 0 ? DisplRowIndex(ARow) : ARow;
    if (display >= 0)
        RepaintCell(DisplColIndex(ACol), display);
    return true;
}

bool TGxStringGrid::SetCheckBoxStateNotify(int ACol, int ARow, bool State)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType) {
    case ctCheckBox:
        if (g->CellBoolean != State) {
            g->CellBoolean = State;
            RepaintCell(DisplColIndex(ACol), ARow);
            DoCheckBoxChange(ACol, ARow, State);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string checkTrue, text;
        GetCheckTrueText(ACol, ARow, checkTrue);
        const bool old = Cells(ACol, ARow) == checkTrue;
        if (State)
            text = checkTrue;
        else
            GetCheckFalseText(ACol, ARow, text);
        SetCells(ACol, ARow, text);
        if (old != State)
            DoCheckBoxChange(ACol, ARow, State);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        if (RowSelect(ARow) != State) {
            SetRowSelect(ARow, State);
            DoCheckBoxChange(ACol, ARow, State);
        }
        return true;
    default:
        return false;
    }
}

void TGxStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckBoxStateNotify(ACol, r, true);
    if (NumHiddenColumns() > 0)
        RepaintCol(DisplColIndex(ACol));
}

void TGxStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckBoxStateNotify(ACol, r, false);
}

void TGxStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

bool TGxStringGrid::ToggleCellCheck(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !IsCheckKind(g->CellType))
        return false;
    if (FromUser && !controlLook_->CheckAlwaysActive) {
        bool allow = true;
        GetCellEditable(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    const bool node = grouping_->AutoCheckGroup && IsNode(ARow);
    bool newState = false;
    switch (g->CellType) {
    case ctCheckBox:
        g->CellBoolean = !g->CellBoolean;
        newState = g->CellBoolean;
        break;
    case ctTriStateCheckBox: {
        using S = ui::TCheckBoxState;
        const S old = g->CellCheckBoxState;
        if (node)
            g->CellCheckBoxState = old == S::cbChecked ? S::cbUnchecked : S::cbChecked;
        else
            g->CellCheckBoxState = old == S::cbUnchecked ? S::cbGrayed
                                   : old == S::cbChecked ? S::cbUnchecked
                                                         : S::cbChecked;
        // The state the box actually took.
        newState = g->CellCheckBoxState == S::cbChecked;
        break;
    }
    case ctRowCheckBox:
        if (ACol == 0) {
            newState = !RowSelect(RealRowIndex(ARow));
            SetRowSelect(RealRowIndex(ARow), newState);
        }
        break;
    default: {
        std::string checkTrue;
        GetCheckTrueText(ACol, ARow, checkTrue);
        newState = Cells(ACol, ARow) != checkTrue;
        if (newState) {
            SetCells(ACol, ARow, checkTrue);
        } else {
            std::string checkFalse;
            GetCheckFalseText(ACol, ARow, checkFalse);
            SetCells(ACol, ARow, checkFalse);
        }
        break;
    }
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, newState);
    return true;
}

}  // namespace gx
