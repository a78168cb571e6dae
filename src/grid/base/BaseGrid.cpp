// TBaseGrid: construction, destruction, painting properties and the virtual interface's defaults.
#include "grid/base/BaseGrid.h"

#include "grid/base/BaseGridPaint.h"
#include "grid/base/GridUndoRedo.h"

#include <algorithm>

namespace gx {

TBaseGrid::TBaseGrid(ui::TComponent* AOwner) : TObjStringGrid(AOwner)
{
    // The grid draws every cell and its lines itself.
    ui::TStringGrid::SetDefaultDrawing(false);
    ui::TStringGrid::SetGridLineWidth(0);
}

// Frees every properties object in the store, also those of cells beyond the current column and
// row counts that the store still keeps, while the grid is still a whole TBaseGrid (a graphic's
// destructor may call back into it).
TBaseGrid::~TBaseGrid()
{
    MarkDestroying();
    DestroyCellExtensions();
}

namespace {

template <typename T>
bool Store(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}  // namespace

void TBaseGrid::SetUndoRedo(TGxGridUndoRedo* v)
{
    // The removal notice runs both ways, so it stays in place for a store that is unlinked here
    // but may still point to this grid.
    undoRedo_ = v;
    if (v) {
        FreeNotification(v);
        v->SetGrid(this);
    }
}

void TBaseGrid::Notification(ui::TComponent* component, ui::TOperation operation)
{
    if (operation == ui::TOperation::opRemove && component == undoRedo_)
        undoRedo_ = nullptr;
    TObjStringGrid::Notification(component, operation);
}

void TBaseGrid::SetGridLineWidth(int v)
{
    gridLineWidth_ = v;
    ui::TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(ui::TColor v)
{
    gridLineColor_ = v;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(ui::TColor v)
{
    gridFixedLineColor_ = v;
    Invalidate();
}

void TBaseGrid::SetDefaultDrawing(bool v)
{
    defaultDrawingFlag_ = v;
    ui::TStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle v)
{
    if (Store(selectionStyle_, v))
        Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool v)
{
    if (Store(activeRowShow_, v))
        Invalidate();
}

void TBaseGrid::SetActiveRowColor(ui::TColor v)
{
    if (Store(activeRowColor_, v))
        Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(ui::TColor v)
{
    if (Store(activeRowColorTo_, v))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(ui::TColor v)
{
    if (Store(activeRowMirrorColor_, v))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(ui::TColor v)
{
    if (Store(activeRowMirrorColorTo_, v))
        Invalidate();
}

int TBaseGrid::FixedColsWidth() const
{
    int w = 0;
    for (int c = 0; c < FixedCols(); ++c)
        w += ColWidths(c);
    return w;
}

int TBaseGrid::FixedRowsHeight() const
{
    int h = 0;
    for (int r = 0; r < FixedRows(); ++r)
        h += RowHeights(r);
    return h;
}

void TBaseGrid::RepaintCell(int c, int r)
{
    if (HandleAllocated())
        InvalidateRect(CellRect(c, r));
}

void TBaseGrid::GoToBaseCell()
{
    if (!HasCellProperties(Col(), Row()) || !IsMergedCell(Col(), Row()))
        return;
    const ui::TPoint base = BaseCell(Col(), Row());
    SetCol(base.X);
    SetRow(base.Y);
}

// --- framework steps ------------------------------------------------------------------------------

void TBaseGrid::Paint()
{
    TObjStringGrid::Paint();
    PaintPassDone(*this);
}

void TBaseGrid::DrawCell(int ACol, int ARow, const ui::TRect& ARect, ui::TGridDrawState AState)
{
    PaintCell(*this, *Canvas(), ACol, ARow, ARect, AState);
}

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    return SelectBaseGridCell(*this, ACol, ARow);
}

void TBaseGrid::TopLeftChanged()
{
    TObjStringGrid::TopLeftChanged();
    RepaintFixedMergedCells(*this);
}

bool TBaseGrid::DoMouseWheelDown(ui::TShiftState Shift, ui::TPoint MousePos)
{
    const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    AfterWheelDown(*this);
    return result;
}

bool TBaseGrid::DoMouseWheelUp(ui::TShiftState Shift, ui::TPoint MousePos)
{
    const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    GoToBaseCell();
    return result;
}

void TBaseGrid::KeyDown(unsigned& key, ui::TShiftState shift)
{
    MoveOverMergedCells(*this, key);
    TObjStringGrid::KeyDown(key, shift);
    GoToBaseCell();
}

// --- virtual interface defaults -------------------------------------------------------------------

bool TBaseGrid::IsFixed(int, int)
{
    return false;
}

int TBaseGrid::GetNodeIndent(int)
{
    return 0;
}

bool TBaseGrid::HasNodes()
{
    return false;
}

void TBaseGrid::DrawCellText(ui::TCanvas* ACanvas, int ACol, int ARow, const ui::TRect& ARect, ui::TGridDrawState)
{
    ui::TRect r = ARect;
    const auto oldStyle = ACanvas->Brush()->Style();
    ACanvas->Brush()->SetStyle(ui::TBrushStyle::bsClear);
    ACanvas->DrawText(Cells(ACol, ARow), r, ui::DT_SINGLELINE | ui::DT_CENTER | ui::DT_VCENTER);
    ACanvas->Brush()->SetStyle(oldStyle);
}

void TBaseGrid::HiddenLastRowChanged() {}

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, std::u16string& Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetCellPropDefaults(int, int, ui::TFont* AFont, ui::TBrush* ABrush, ui::TColor& AColorTo,
                                    ui::TColor& AMirrorColor, ui::TColor& AMirrorColorTo, THAlignment& HA,
                                    TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    AFont->Assign(*Font());
    ABrush->SetColor(Color());
    AColorTo = ui::clNone;
    AMirrorColor = ui::clNone;
    AMirrorColorTo = ui::clNone;
    HA = THAlignment::taLeftJustify;
    VA = vtaTop;
    WW = wordWrap_;
    GD = GradientVertical;
}

void TBaseGrid::CellTextSet(int, int) {}

bool TBaseGrid::HasCellBorderEvent()
{
    return false;
}

bool TBaseGrid::UsesVCLStyles()
{
    return false;
}

void TBaseGrid::GetVisualProperties(int, int, ui::TGridDrawState&, bool, bool, bool, ui::TBrush*, ui::TColor&,
                                    ui::TColor&, ui::TColor&, ui::TFont*, THAlignment&, TVAlignment&, bool&,
                                    TCellGradientDirection&)
{}

int TBaseGrid::DisplColIndex(int ACol)
{
    return ACol;
}

int TBaseGrid::TotalColCount() const
{
    return ColCount();
}

}  // namespace gx
