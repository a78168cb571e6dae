// Per-cell properties of a grid: colours, font, alignment, word wrap, read-only flag, editor, merge
// data, the user object, the graphic object and an embedded control (a row's tree level is kept by
// the grid per row). A cell has none until something needs them; the grid creates them on demand and
// owns them through its typed per-cell store (they are the cell's extension in the framework grid).
#pragma once

#include <string>

#include "grid/base/GxObj.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"

namespace gx {

class TBaseGrid;

// Base of the cell graphic object (TCellGraphic derives from it). A cell's properties own and free
// a graphic of this kind unless it says it is shared by many cells (a column's virtual check box,
// the row-select graphic); any other object stored as a cell's graphic belongs to whoever stored
// it. The check goes by type, so a class that merely shares the name is never taken for one.
class TCellGraphicBase : public TObject {
public:
    virtual bool SharedByCells() const { return false; }
};

class TCellProperties : public ui::CellExtension {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
    // Frees the graphic when the properties own it (see OwnsGraphic).
    ~TCellProperties() override;

    // Copies everything but BrushColorTo, GradientDirection, CalcType, CalcObject, the graphic
    // object, the paint stamp and the owner grid; no repaint.
    void Assign(const TCellProperties& Source);
    // The merge range's base cell for a cell whose own coordinates are (c, r).
    ui::TPoint GetBaseCell(int c, int r) const;

    TBaseGrid* OwnerGrid() const { return owner_; }
    int OwnerCol() const { return ownerCol_; }
    void SetOwnerCol(int v) { ownerCol_ = v; }
    int OwnerRow() const { return ownerRow_; }
    void SetOwnerRow(int v) { ownerRow_ = v; }
    TObject* CellObject() const { return cellObject_; }
    void SetCellObject(TObject* v) { cellObject_ = v; }
    TObject* GraphicObject() const { return graphic_; }
    void SetGraphicObject(TObject* v) { graphic_ = v; }
    // The graphic is owned (freed with the cell's properties) only when it is a TCellGraphicBase
    // that is not shared by many cells.
    bool OwnsGraphic() const;

    ui::TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(ui::TBrushStyle v) { brushStyle_ = v; }
    ui::TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(ui::TColor v);
    ui::TColor BrushColorTo() const { return brushColorTo_; }
    void SetBrushColorTo(ui::TColor v);
    int FontSize() const { return fontSize_; }
    void SetFontSize(int v) { fontSize_ = v; }
    ui::TColor FontColor() const { return fontColor_; }
    void SetFontColor(ui::TColor v) { fontColor_ = v; }
    ui::TFontStyles FontStyle() const { return fontStyle_; }
    void SetFontStyle(ui::TFontStyles v) { fontStyle_ = v; }
    const std::string& FontName() const { return fontName_; }
    void SetFontName(const std::string& v) { fontName_ = v; }
    int CellSpanX() const { return cellSpanX_; }
    void SetCellSpanX(int v) { cellSpanX_ = v; }
    int CellSpanY() const { return cellSpanY_; }
    void SetCellSpanY(int v) { cellSpanY_ = v; }
    bool IsBaseCell() const { return isBaseCell_; }
    void SetIsBaseCell(bool v) { isBaseCell_ = v; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { borderWidth_ = v; }
    ui::TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(ui::TColor v) { borderColor_ = v; }
    THAlignment Alignment() const { return alignment_; }
    void SetAlignment(THAlignment v) { alignment_ = v; }
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    int PaintID() const { return paintId_; }
    void SetPaintID(int v) { paintId_ = v; }
    TColumnCalcType CalcType() const { return calcType_; }
    void SetCalcType(TColumnCalcType v) { calcType_ = v; }
    TObject* CalcObject() const { return calcObject_; }
    void SetCalcObject(TObject* v) { calcObject_ = v; }
    TEditorType Editor() const { return editor_; }
    void SetEditor(TEditorType v) { editor_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    TCellGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TCellGradientDirection v) { gradientDirection_ = v; }
    ui::TControl* Control() const { return control_; }
    void SetControl(ui::TControl* v) { control_ = v; }

private:
    void RepaintOwnerCell();

    TBaseGrid* owner_;
    int ownerCol_;
    int ownerRow_;
    TObject* cellObject_ = nullptr;
    TObject* graphic_ = nullptr;
    ui::TBrushStyle brushStyle_ = ui::TBrushStyle::bsSolid;
    ui::TColor brushColor_ = ui::clNone;
    ui::TColor brushColorTo_ = ui::clNone;
    int fontSize_ = 0;
    ui::TColor fontColor_ = ui::clNone;
    ui::TFontStyles fontStyle_ = 0;
    int cellSpanY_ = -1;
    int cellSpanX_ = -1;
    int borderWidth_ = 0;
    ui::TColor borderColor_ = 0;
    THAlignment alignment_ = THAlignment::taLeftJustify;
    TVAlignment vAlignment_ = vtaTop;
    int paintId_ = 0;
    bool wordWrap_;
    bool isBaseCell_ = true;
    TColumnCalcType calcType_ = acNONE;
    TObject* calcObject_ = nullptr;
    TEditorType editor_ = edNormal;
    std::string fontName_;
    bool readOnly_ = false;
    TCellGradientDirection gradientDirection_ = GradientVertical;
    ui::TControl* control_ = nullptr;
};

}  // namespace gx
