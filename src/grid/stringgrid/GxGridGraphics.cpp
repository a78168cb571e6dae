// TGxStringGrid: the cell graphic object in a cell (real column, display row): querying, creating and
// removing it, the size it claims, button and expand rectangles, check-box states and the event
// hooks kept beside the cell objects.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridCellDrawer.h"

#include <memory>

#include <cmath>

namespace gx {

TCellGraphic* TGxStringGrid::GetCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

TCellType TGxStringGrid::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return ctEmpty;
    if (ACol == 0 && mouseActions_->HotmailRowSelect())
        return ctRowCheckBox;
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic ? graphic->CellType : ctEmpty;
}

// Frees the cell's own previous graphic (a shared one stays) and attaches a fresh one.
TCellGraphic* TGxStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    // Held here until the cell has it: a cell outside the grid refuses it with an exception.
    auto owned = std::make_unique<TCellGraphic>();
    TCellGraphic* graphic = owned.get();
    SetGraphicObjectEx(ACol, ARow, graphic);
    if (GetGraphicObjectEx(ACol, ARow) != graphic)
        return nullptr;  // the grid is going away
    owned.release();
    if (NumHiddenColumns() > 0)
        RepaintCell(DisplColIndex(ACol), ARow);
    return graphic;
}

bool TGxStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    if (!HasCellProperties(ACol, ARow))
        return false;
    TCellProperties* props = GridObjects(ACol, ARow);
    TObject* graphic = props->GraphicObject();
    if (!graphic)
        return false;
    const bool owned = props->OwnsGraphic();
    props->SetGraphicObject(nullptr);
    if (owned)
        delete graphic;
    if (!Destroying())
        RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

bool TGxStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind)
{
    return GetCellType(ACol, ARow) == Kind && RemoveCellGraphic(ACol, ARow);
}

int TGxStringGrid::GetCellImageValue(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return -1;
    switch (graphic->CellType) {
    case ctBitmap:
        return static_cast<int>(reinterpret_cast<std::uintptr_t>(graphic->CellBitmap) & 0x7FFFFFFF);
    case ctIcon:
        return static_cast<int>(reinterpret_cast<std::uintptr_t>(graphic->CellIcon) & 0x7FFFFFFF);
    case ctImageList:
    case ctDataImage:
        return graphic->CellIndex;
    default:
        return -1;
    }
}

bool TGxStringGrid::HasCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> Kinds)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const ui::TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic)
        return false;
    for (TCellType kind : Kinds)
        if (graphic->CellType == kind)
            return true;
    return false;
}

bool TGxStringGrid::IsDataGraphicCell(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}

// The row of a merged cell counts by the bottom of its span.
bool TGxStringGrid::IsSortIndicatorCell(int ACol, int ARow)
{
    const int bottom = ARow + (IsMergedCell(RealColIndex(ACol), ARow) ? CellExt(RealColIndex(ACol), ARow).Y : 0);
    return bottom == sortSettings_->Row() && sortSettings_->Show() && RowCount() > FixedRows() + 1;
}

ui::TRect TGxStringGrid::ExpandButtonRect(int ACol, int ARow)
{
    const int real = RealColIndex(ACol);
    const ui::TPoint base = BaseCell(real, ARow);
    if (GetCellType(base.X, base.Y) != ctExpand)
        return {};
    const ui::TRect r = CellRect(ACol, ARow);
    return {r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13};
}

ui::TRect TGxStringGrid::CellButtonRect(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!graphic)
        return {};
    const ui::TRect cell = CellRect(ACol, ARow);
    const int position = static_cast<int>(std::lround(graphic->CellValue));
    const int x = position & 0xFFFF;
    const int y = position / 65536;
    int w = graphic->CellIndex & 0xFFFF;
    int h = graphic->CellIndex >> 16;
    if (graphic->CellVAlign == vaFull)
        h = cell.Height();
    if (graphic->CellHAlign == haFull)
        w = cell.Width();
    return {cell.Left + x, cell.Top + y, cell.Left + x + w, cell.Top + y + h};
}

// --- size a graphic claims ---------------------------------------------------------------------------------

ui::TPoint TGxStringGrid::CalcCellGraphicSize(int ACol, int ARow, int ExtraHeight)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {0, 0};
    const bool beside = g->CellHAlign == haBeforeText || g->CellHAlign == haAfterText;
    const bool over = g->CellVAlign == vaUnderText || g->CellVAlign == vaAboveText;
    const bool noText = Cells(ACol, ARow).empty();
    const ui::TRect cell = CellRect(DisplColIndex(ACol), ARow);
    ui::TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    ui::TPoint size{0, 0};
    bool fullWidth = true;
    const auto sized = [&](int w, int h, bool widthWhen, bool heightWhen) {
        size = {widthWhen ? w : 0, heightWhen ? h : 0};
    };
    switch (g->CellType) {
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const ui::TBitmap*>(g->CellBitmap))
            sized(bmp->Width(), bmp->Height(), beside || noText, over || noText);
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const ui::TIcon*>(g->CellIcon))
            sized(icon->Width(), icon->Height(), beside || noText, true);
        break;
    case ctImageList:
    case ctDataImage:
        if (ui::TImageList* images = GetGridImageList())
            sized(images->Width(), images->Height(), beside || noText, over || noText);
        break;
    case ctImages:
        if (ui::TImageList* images = GetGridImageList()) {
            const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap);
            const int count = list ? list->Count() : 0;
            size = g->CellBoolean ? ui::TPoint(count * images->Width(), images->Height())
                                  : ui::TPoint(images->Width(), count * images->Height());
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const int ox = xyOffset_.X * 2, oy = xyOffset_.Y * 2;
        size = g->GetPictureSize(cell.Width() - 1 - ox, cell.Height() - 1 - oy - ExtraHeight, !noText);
        break;
    }
    case ctButton:
    case ctBitButton: {
        size = {g->CellIndex & 0xFFFF, g->CellIndex >> 16};
        const int captionWidth = canvas->TextWidth(g->CellText) + 4;
        if (!noText) {
            if (g->CellHAlign == haCenter)
                size.X = 0;
            if (g->CellHAlign == haFull)
                size.X = captionWidth;
            if (!over)
                size.Y = 0;
            else
                size.X = 0;
        } else if (g->CellHAlign == haFull) {
            size.X = captionWidth;
            fullWidth = false;
        }
        break;
    }
    case ctInterface: {
        // An object that gives no size in one direction (or draws nothing) takes the whole cell.
        const IGridCellDrawer* drawer = CellDrawer(g);
        size = drawer ? ui::TPoint(drawer->Width(), drawer->Height()) : ui::TPoint(0, 0);
        if (size.X <= 0 || size.Y <= 0)
            size = {cell.Width(), cell.Height()};
        break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = {controlLook_->CheckSize(), controlLook_->CheckSize()};
        break;
    case ctRadioButton:
        size = {controlLook_->RadioSize(), controlLook_->RadioSize()};
        break;
    case ctProgressPie:
        size = {20, 20};
        break;
    case ctRating:
        size = {g->CellAngle * 18, 16};
        fullWidth = false;
        break;
    default:
        break;
    }
    if (g->CellVAlign == vaFull)
        size.Y = cell.Height();
    if (g->CellHAlign == haFull && fullWidth)
        size.X = cell.Width();
    return size;
}

// The size on paper: from the available area and the printer's scale.
ui::TPoint TGxStringGrid::CalcCellGraphicPrintSize(int ACol, int ARow, int AvailWidth, int AvailHeight, double Scale)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {0, 0};
    switch (g->CellType) {
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const ui::TBitmap*>(g->CellBitmap))
            return {bmp->Width(), bmp->Height()};
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const ui::TIcon*>(g->CellIcon))
            return {icon->Width(), icon->Height()};
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        return {controlLook_->CheckSize(), controlLook_->CheckSize()};
    case ctRadioButton:
        return {controlLook_->RadioSize(), controlLook_->RadioSize()};
    case ctNode:
    case ctProgressPie:
        return {20, 20};
    case ctPicture:
    case ctFilePicture: {
        const ui::TPoint p = g->GetPictureSize(AvailWidth, AvailHeight, true);
        const double s = Scale > 0 ? Scale : 1.0;
        return {static_cast<int>(std::nearbyint(p.X / s)), static_cast<int>(std::nearbyint(p.Y / s))};
    }
    case ctProgress:
    case ctXPProgress:
        return {AllColWidths(ACol), RowHeights(ARow)};
    case ctButton:
    case ctBitButton:
        return {g->CellIndex & 0xFFFF, g->CellIndex >> 16};
    case ctShape:
        return {RowHeights(ARow) - 2 * xyOffset_.Y, RowHeights(ARow) - 2 * xyOffset_.Y};
    case ctInterface: {
        const IGridCellDrawer* drawer = CellDrawer(g);
        const int w = drawer ? drawer->Width() : 0, h = drawer ? drawer->Height() : 0;
        const ui::TRect cell = CellRect(DisplColIndex(ACol), ARow);
        return {w > 0 ? w : cell.Width(), h > 0 ? h : cell.Height()};
    }
    default:
        break;
    }
    return {0, 0};
}

// --- hooks beside the cell objects ------------------------------------------------------------------------------

bool TGxStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate)
{
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

void TGxStringGrid::DoColorSelect(ui::TColor Color, const std::string& Value)
{
    if (OnColorSelect)
        OnColorSelect(this, Col(), Row(), Color, Value);
}

void TGxStringGrid::DoImageSelect(int Index)
{
    if (OnImageSelect)
        OnImageSelect(this, Col(), Row(), Index);
}

void TGxStringGrid::DoCanAddRow(bool& CanAdd)
{
    if (OnCanAddRow)
        OnCanAddRow(this, CanAdd);
}

void TGxStringGrid::DoCanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, CanInsert);
}

}  // namespace gx
