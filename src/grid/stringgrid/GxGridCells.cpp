// TGxStringGrid: cells by real row and column (hidden rows answer from their records), wide and
// tag-free views, user objects, the current cell, the edit-text hooks and small cell queries.
#include "grid/stringgrid/GxGrid.h"

#include <algorithm>

#include "grid/base/HtmlTextUtils.h"
#include "grid/base/TextChars.h"
#include "grid/base/VozEdidText.h"

namespace gx {

TCellProperties* TGxStringGrid::PropsAt(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GridObjects(ACol, ARow) : nullptr;
}

ui::GridRowCells* TGxStringGrid::HiddenRowCells(int ARow) const
{
    TGridItem* item = HiddenRowItem(ARow);
    return item ? &item->Cells() : nullptr;
}

TCellProperties* TGxStringGrid::HiddenRowObject(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    if (const ui::GridRowCells* cells = HiddenRowCells(ARow)) {
        if (static_cast<std::size_t>(ACol) >= cells->size())
            return nullptr;
        return static_cast<TCellProperties*>(cells->Extension(static_cast<std::size_t>(ACol)));
    }
    return PropsAt(ACol, DisplRowIndex(ARow));
}

// Repaints the cell at its display column when columns before it are hidden.
void TGxStringGrid::RepaintDisplayCell(int realCol, int ARow)
{
    const int d = DisplColIndex(realCol);
    if (d != realCol)
        RepaintCell(d, ARow);
}

std::string TGxStringGrid::AllCells(int i, int j)
{
    if (i < 0 || j < 0)
        return {};
    if (ui::GridRowCells* cells = HiddenRowCells(j)) {
        std::string value =
            static_cast<std::size_t>(i) < cells->size() ? (*cells)[static_cast<std::size_t>(i)].Text : "";
        GetDisplText(i, j, value);
        return value;
    }
    return Cells(i, DisplRowIndex(j));
}

void TGxStringGrid::SetAllCells(int i, int j, const std::string& Value)
{
    if (i < 0 || j < 0)
        throw VIdiRazeRaduz(i < 0 ? "Invalid column accessed" : "Invalid row accessed");
    if (TGridItem* item = HiddenRowItem(j)) {
        item->CellAt(i).Text = Value;
        return;
    }
    const int d = DisplRowIndex(j);
    SetCells(i, d, Value);
    RepaintDisplayCell(i, d);
}

std::string TGxStringGrid::AllGridCells(int i, int j) const
{
    if (i < 0 || j < 0)
        return {};
    if (const ui::GridRowCells* cells = HiddenRowCells(j))
        return static_cast<std::size_t>(i) < cells->size() ? (*cells)[static_cast<std::size_t>(i)].Text : "";
    return GridCells(i, DisplRowIndex(j));
}

void TGxStringGrid::SetAllGridCells(int i, int j, const std::string& Value)
{
    if (i < 0 || j < 0)
        throw VIdiRazeRaduz(i < 0 ? "Invalid column accessed" : "Invalid row accessed");
    if (TGridItem* item = HiddenRowItem(j)) {
        item->CellAt(i).Text = Value;
        return;
    }
    SetGridCell(i, DisplRowIndex(j), Value);
}

std::u16string TGxStringGrid::AllWideCells(int i, int j)
{
    return DecodeWideCellText(AllCells(i, j));
}

void TGxStringGrid::SetAllWideCells(int i, int j, const std::u16string& Value)
{
    SetAllCells(i, j, EncodeWideCellText(Value));
}

std::u16string TGxStringGrid::WideCells(int i, int j)
{
    return DecodeWideCellText(Cells(i, j));
}

void TGxStringGrid::SetWideCells(int i, int j, const std::u16string& Value)
{
    SetCells(i, j, EncodeWideCellText(Value));
}

std::string TGxStringGrid::StrippedCells(int i, int j)
{
    return StripHTMLTags(Cells(i, j));
}

// A hidden row keeps its user objects in its cells' properties like every other row.
TObject* TGxStringGrid::AllObjects(int i, int j)
{
    if (i < 0 || j < 0)
        return nullptr;
    if (IsHiddenRow(j)) {
        const TCellProperties* props = HiddenRowObject(i, j);
        return props ? props->CellObject() : nullptr;
    }
    return Objects(i, DisplRowIndex(j));
}

void TGxStringGrid::SetAllObjects(int i, int j, TObject* Value)
{
    if (i < 0 || j < 0)
        throw VIdiRazeRaduz(i < 0 ? "Invalid column accessed" : "Invalid row accessed");
    if (TGridItem* item = HiddenRowItem(j)) {
        item->CellAt(i);
        ui::GridRowCells& cells = item->Cells();
        const auto c = static_cast<std::size_t>(i);
        if (!cells.Extension(c)) {
            if (!Value)
                return;
            cells.SetExtension(c, std::make_unique<TCellProperties>(this, i, j));
        }
        static_cast<TCellProperties*>(cells.Extension(c))->SetCellObject(Value);
        return;
    }
    SetObjects(i, DisplRowIndex(j), Value);
}

int TGxStringGrid::LinesInCell(int i, int j)
{
    const std::string text = Cells(i, j);
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\r'));
}

// The stored text exactly as written: rows top to bottom, storage columns left to right.
bool TGxStringGrid::IsCell(const std::string& SubStr, int& ACol, int& ARow) const
{
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            if (GridCells(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
        }
    }
    return false;
}

bool TGxStringGrid::IsWideCell(int ACol, int ARow) const
{
    return GridCells(ACol, ARow).rfind("|\\", 0) == 0;
}

// --- the current cell and the edit text ----------------------------------------------------------------

std::string TGxStringGrid::ReadCurrentCell()
{
    const ui::TPoint base = BaseCell(RealCol(), Row());
    return GridCells(base.X, base.Y);
}

void TGxStringGrid::WriteCurrentCell(const std::string& Value)
{
    const ui::TPoint base = BaseCell(RealCol(), Row());
    SetCells(base.X, base.Y, Value);
}

std::string TGxStringGrid::ReadCurrentCellText()
{
    const ui::TPoint base = BaseCell(RealCol(), Row());
    return Cells(base.X, base.Y);
}

void TGxStringGrid::WriteCurrentEditText(const std::string& Value)
{
    const int real = RealCol();
    if (IsBaseCell(real, Row())) {
        SetEditText(Col(), Row(), Value);
        return;
    }
    const ui::TPoint base = BaseCell(real, Row());
    SetEditText(DisplColIndex(base.X), base.Y, Value);
}

// ACol is a display column; the text is the base cell's, without tags unless EditWithTags.
std::string TGxStringGrid::GetEditText(int ACol, int ARow)
{
    NoEditChange = true;
    const int real = RealColIndex(ACol);
    const ui::TPoint base = BaseCell(real, ARow);
    std::string text = Cells(base.X, base.Y);
    if (OnGetEditText)
        OnGetEditText(this, DisplColIndex(base.X), base.Y, text);
    return EditWithTags ? text : StripHTMLTags(text);
}

void TGxStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    const ui::TPoint base = BaseCell(RealColIndex(ACol), ARow);
    if (Cells(base.X, base.Y) != Value)
        SetCells(base.X, base.Y, Value);
    ui::TCustomDrawGrid::SetEditText(DisplColIndex(base.X), base.Y, Value);
}

void TGxStringGrid::CellTextSet(int, int) {}

}  // namespace gx
