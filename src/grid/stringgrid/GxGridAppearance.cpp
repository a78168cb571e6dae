// TGxStringGrid: one cell's look (colours, gradient, font, alignment, word wrap, read-only flag),
// the row-wide colour setters, controls embedded in cells, zoom and the cursor. Reading never
// creates properties (WordWraps excepted); writing creates them with the grid's defaults.
#include "grid/stringgrid/GxGrid.h"

namespace gx {

TCellProperties* TGxStringGrid::EnsureProps(int ACol, int ARow)
{
    return GetCellProperties(ACol, ARow);
}

#define GX_CELL_PROPERTY(Name, Type, Default, Getter, Setter)                                                          \
    Type TGxStringGrid::Name(int i, int j) const                                                                       \
    {                                                                                                                  \
        const TCellProperties* props = PropsAt(i, j);                                                                  \
        return props ? props->Getter() : Default;                                                                      \
    }                                                                                                                  \
    void TGxStringGrid::Set##Name(int i, int j, Type Value)                                                            \
    {                                                                                                                  \
        EnsureProps(i, j)->Setter(Value);                                                                              \
        RepaintCell(DisplColIndex(i), j);                                                                              \
    }
GX_CELL_PROPERTY(Colors, ui::TColor, ui::clNone, BrushColor, SetBrushColor)
GX_CELL_PROPERTY(ColorsTo, ui::TColor, ui::clNone, BrushColorTo, SetBrushColorTo)
GX_CELL_PROPERTY(Gradients, TCellGradientDirection, GradientVertical, GradientDirection, SetGradientDirection)
GX_CELL_PROPERTY(FontColors, ui::TColor, ui::clNone, FontColor, SetFontColor)
GX_CELL_PROPERTY(FontStyles, ui::TFontStyles, 0, FontStyle, SetFontStyle)
GX_CELL_PROPERTY(FontSizes, int, 0, FontSize, SetFontSize)
GX_CELL_PROPERTY(Alignments, THAlignment, THAlignment::taLeftJustify, Alignment, SetAlignment)
GX_CELL_PROPERTY(ReadOnly, bool, false, ReadOnly, SetReadOnly)
#undef GX_CELL_PROPERTY

std::string TGxStringGrid::FontNames(int i, int j) const
{
    const TCellProperties* props = PropsAt(i, j);
    return props ? props->FontName() : std::string();
}

void TGxStringGrid::SetFontNames(int i, int j, const std::string& Value)
{
    EnsureProps(i, j)->SetFontName(Value);
    RepaintCell(DisplColIndex(i), j);
}

void TGxStringGrid::SetFonts(int i, int j, const ui::TFont& Value)
{
    TCellProperties* props = EnsureProps(i, j);
    props->SetFontName(Value.Name());
    props->SetFontSize(Value.Size());
    props->SetFontStyle(Value.Style());
    props->SetFontColor(Value.Color());
    RepaintCell(DisplColIndex(i), j);
}

bool TGxStringGrid::WordWraps(int i, int j)
{
    return EnsureProps(i, j)->WordWrap();
}

void TGxStringGrid::SetWordWraps(int i, int j, bool Value)
{
    EnsureProps(i, j)->SetWordWrap(Value);
    RepaintCell(DisplColIndex(i), j);
}

ui::TControl* TGxStringGrid::CellControls(int i, int j) const
{
    const TCellProperties* props = PropsAt(i, j);
    return props ? props->Control() : nullptr;
}

// The control becomes a child of the grid, one pixel up and left of the cell and one pixel larger.
void TGxStringGrid::SetCellControls(int i, int j, ui::TControl* Value)
{
    const int real = RealRowIndex(j);
    const int index = controlList_->ControlIndex(i, real);
    if (!Value) {
        if (index >= 0) {
            controlList_->RemoveControl(index);
            --numCellControls_;
        }
        if (HasCellProperties(i, j))
            GridObjects(i, j)->SetControl(nullptr);
        return;
    }
    if (index >= 0)
        controlList_->RemoveControl(index);
    else
        ++numCellControls_;
    controlList_->AddControl(i, real, Value);
    EnsureProps(i, j)->SetControl(Value);
    Value->SetParent(this);
    const ui::TRect r = CellRect(DisplColIndex(i), j);
    Value->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
}

// Setting clNone takes the colour away: a plain cell loses its properties, but a cell of a merged
// range keeps them (and so the range), and a cell with a graphic keeps it.
void TGxStringGrid::SetRowColor(int i, ui::TColor AColor)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (AColor != ui::clNone) {
            EnsureProps(c, i)->SetBrushColor(AColor);
            continue;
        }
        if (!HasCellProperties(c, i))
            continue;
        const TCellType kind = GetCellType(c, i);
        if ((kind == ctEmpty || kind == ctNone) && !IsMergedCell(c, i))
            ClearCellProperties(c, i);
        else
            GridObjects(c, i)->SetBrushColor(ui::clNone);
    }
    RepaintRow(i);
}

// With clNone the cells lose their properties, graphics included; a cell of a merged range keeps
// its properties (and so the range) and loses only its graphic and gradient end colour.
void TGxStringGrid::SetRowColorTo(int i, ui::TColor AColor)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (AColor != ui::clNone) {
            EnsureProps(c, i)->SetBrushColorTo(AColor);
        } else if (HasCellProperties(c, i)) {
            if (!IsMergedCell(c, i)) {
                ClearCellProperties(c, i);
                continue;
            }
            RemoveCellGraphic(c, i);
            GridObjects(c, i)->SetBrushColorTo(ui::clNone);
        }
    }
    RepaintRow(i);
}

void TGxStringGrid::SetRowFontColor(int i, ui::TColor AColor)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (AColor != ui::clNone)
            EnsureProps(c, i)->SetFontColor(AColor);
        else if (HasCellProperties(c, i) && GridObjects(c, i)->BrushColor() == ui::clNone && !IsMergedCell(c, i))
            ClearCellProperties(c, i);  // a merged cell keeps its properties, and so its range
    }
    RepaintRow(i);
}

void TGxStringGrid::Zoom(int x)
{
    const int z = zoomFactor_ + x;
    if (z > 10 || z < -10)
        return;
    zoomFactor_ = z;
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + x > 0)
            SetColWidths(c, ColWidths(c) + x);
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeights(r) > 0 && RowHeights(r) + x > 0)
            SetRowHeights(r, RowHeights(r) + x);
}

void TGxStringGrid::SetGridCursor(ui::TCursor v)
{
    SetCursor(v);
    restoreCursor_ = v;
}

}  // namespace gx
