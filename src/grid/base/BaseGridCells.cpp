// TBaseGrid's cell store: properties created on demand, cell accessors with merged-cell
// redirection and display hooks, object and graphic slots, clearing.
#include "grid/base/BaseGrid.h"

#include "grid/base/TextChars.h"
#include "grid/base/VozEdidText.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <memory>

namespace gx {

// Only TBaseGrid writes the extension slot, and only with TCellProperties.
TCellProperties* TBaseGrid::GridObjects(int ACol, int ARow) const
{
    return static_cast<TCellProperties*>(CellExtensionAt(ACol, ARow));
}

std::unique_ptr<TCellProperties> TBaseGrid::TakeCellProperties(int ACol, int ARow)
{
    return std::unique_ptr<TCellProperties>(static_cast<TCellProperties*>(TakeCellExtension(ACol, ARow).release()));
}

void TBaseGrid::PutCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> Value)
{
    if (Value)  // made for another grid, perhaps
        NoteCellPropsCreated();
    SetCellExtension(ACol, ARow, std::move(Value));
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < TotalColCount() && ARow >= 0 && ARow < RowCount() && GridObjects(ACol, ARow);
}

TCellProperties* TBaseGrid::GetCellProperties(int c, int r)
{
    if (TCellProperties* existing = GridObjects(c, r))
        return existing;
    // Only cells of the grid get properties: a cell outside it would hold them where no query looks.
    if (c < 0 || r < 0 || c >= TotalColCount() || r >= RowCount())
        throw rtl::Exception("Invalid cell");

    auto owned = std::make_unique<TCellProperties>(this, c, r);
    TCellProperties* props = owned.get();
    // The framework's store refuses absurdly large indexes (and then frees the new object).
    if (!SetCellExtension(c, r, std::move(owned)))
        throw rtl::Exception("Invalid cell");

    ui::TFont font;
    ui::TBrush brush;
    ui::TColor colorTo = ui::clNone, mirror = ui::clNone, mirrorTo = ui::clNone;
    THAlignment ha = THAlignment::taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = wordWrap_;
    TCellGradientDirection gd = GradientVertical;
    GetCellPropDefaults(c, r, &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);

    props->SetCalcType(acNONE);
    props->SetAlignment(ha);
    props->SetVAlignment(va);
    props->SetWordWrap(ww);
    props->SetFontName(font.Name());
    props->SetFontSize(font.Size());
    props->SetFontStyle(font.Style());
    props->SetFontColor(font.Color());
    props->SetBrushColor(brush.Color());
    props->SetBrushColorTo(colorTo);
    props->SetGradientDirection(gd);
    return props;
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value)
{
    TCellProperties* old = GridObjects(c, r);
    if (old == Value)
        return;
    // A graphic handed over to the new properties stays alive.
    if (old && Value && Value->GraphicObject() == old->GraphicObject())
        old->SetGraphicObject(nullptr);
    if (Value)
        NoteCellPropsCreated();
    SetCellExtension(c, r, std::unique_ptr<TCellProperties>(Value));
}

std::string TBaseGrid::GetCellEx(int c, int r)
{
    int bc = c, br = r;
    if (HasCellProperties(c, r)) {
        const ui::TPoint base = BaseCell(c, r);
        bc = base.X;
        br = base.Y;
    }
    std::string result = GridCells(bc, br);
    if (br < normalRowCount_) {
        GetDisplText(bc, br, result);
        if (OnGetDisplWideText) {
            const bool coded = result.rfind("|\\", 0) == 0;
            std::u16string wide = DecodeWideCellText(result);
            GetDisplWideText(bc, br, wide);
            result = coded ? EncodeWideCellText(wide) : Utf16ToUtf8(wide);
        }
    }
    return result;
}

const std::string& TBaseGrid::CellsRef(int c, int r)
{
    const ui::GridCell* cell = FindCell(c, r);
    int br = r;
    // As GetCellEx: a cell with properties may lie in a merged range and read its base cell.
    if (cell && CellExtensionAt(c, r) && c < TotalColCount() && r < RowCount()) {
        const ui::TPoint base = BaseCell(c, r);
        br = base.Y;
        cell = FindCell(base.X, base.Y);
    }
    if (br < normalRowCount_ && HasDisplHooks()) {
        cellsRefBuffer_ = GetCellEx(c, r);
        return cellsRefBuffer_;
    }
    return cell ? cell->Text : GridCellsRef(-1, -1);
}

void TBaseGrid::SetCellEx(int c, int r, const std::string& Value)
{
    if (HasCellProperties(c, r)) {
        const ui::TPoint base = BaseCell(c, r);
        SetGridCell(base.X, base.Y, Value);
        CellTextSet(base.X, base.Y);
        if (Parent())
            RepaintCell(c, r);
    } else {
        SetGridCell(c, r, Value);
    }
    if (hideLastRow_ && r == RowCount() - 1)
        HiddenLastRowChanged();
}

TObject* TBaseGrid::GetObjectEx(int c, int r) const
{
    const TCellProperties* props = HasCellProperties(c, r) ? GridObjects(c, r) : nullptr;
    return props ? props->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int c, int r, TObject* Value)
{
    // A cell without properties already reads no object.
    if (!Value && !GridObjects(c, r))
        return;
    const bool wasEmpty = GetCellEx(c, r).empty();
    if (wasEmpty)
        SetCellEx(c, r, " ");
    GetCellProperties(c, r)->SetCellObject(Value);
    if (wasEmpty)
        SetCellEx(c, r, "");
}

TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const
{
    // HasCellProperties with the properties it finds kept (one look-up instead of two).
    const TCellProperties* props =
        c >= 0 && c < TotalColCount() && r >= 0 && r < RowCount() ? GridObjects(c, r) : nullptr;
    return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, TObject* Value)
{
    if (Destroying())
        return;
    TCellProperties* props = GetCellProperties(c, r);  // raises for a cell outside the grid
    const bool wasEmpty = GetCellEx(c, r).empty();
    if (wasEmpty)
        SetCellEx(c, r, " ");
    // The graphic replaced goes when the cell owned it; a shared or foreign one stays alive.
    TObject* old = props->GraphicObject();
    const bool ownedOld = old && old != Value && props->OwnsGraphic();
    props->SetGraphicObject(Value);
    if (ownedOld)
        delete old;
    if (wasEmpty)
        SetCellEx(c, r, "");
}

void TBaseGrid::ClearCellPropertiesRect(int Col1, int Row1, int Col2, int Row2)
{
    if (!hasCellProps_)
        return;
    for (int c = std::max(Col1, 0); c <= Col2; ++c) {
        for (int r = std::max(Row1, 0); r <= Row2; ++r) {
            ClearCellProperties(c, r);
        }
    }
}

// Freeing properties also frees the graphic they own; the node column's ones also the row's level.
void TBaseGrid::ClearCellProperties(int ACol, int ARow)
{
    TakeCellExtension(ACol, ARow).reset();
    if (ACol == 0)
        SetRowNodeLevel(ARow, 0);
}

void TBaseGrid::ResetCell(int ACol, int ARow)
{
    SetGridCell(ACol, ARow, "");
    ClearCellProperties(ACol, ARow);
}

void TBaseGrid::ResetColumn(int ACol)
{
    for (int r = 0; r < RowCount(); ++r)
        ResetCell(ACol, r);
}

void TBaseGrid::ResetRow(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        ResetCell(c, ARow);
}

}  // namespace gx
