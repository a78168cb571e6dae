// TObjStringGrid and TBaseGrid: the grid's cell store on the framework's string grid.
//
// Texts live in the framework's cells, and each cell may carry one TCellProperties, created on
// first need and owned by the cell as its typed extension: the framework's row and column views
// and its Objects slot never see it. The user object of a cell (Objects) lives in its properties;
// the views read and write it through Objects like every other caller. Cells() and SetCells() are
// the cell accessors of the whole program: a cell covered by a merged range reads and writes its
// range's base cell, and displayed text passes the display hooks. GridCells()/GridObjects() are
// the raw store. The store works without any window.
#pragma once

#include <memory>
#include <string>

#include "grid/base/CellProperties.h"
#include "grid/base/GxObj.h"
#include "platform/ui/Grids.h"

namespace gx {

class TGxGridUndoRedo;

// The grid's base on the framework's string grid; adds nothing of its own.
class TObjStringGrid : public ui::TStringGrid {
public:
    using ui::TStringGrid::TStringGrid;
};

class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(ui::TComponent* AOwner);
    ~TBaseGrid() override;

    // --- cells ------------------------------------------------------------------------------------
    std::string Cells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    void SetCells(int ACol, int ARow, const std::string& Value) { SetCellEx(ACol, ARow, Value); }
    std::string GetCellEx(int c, int r);
    void SetCellEx(int c, int r, const std::string& Value);
    std::string GridCells(int ACol, int ARow) const { return ui::TStringGrid::Cells(ACol, ARow); }
    // Readers' forms without a copy. GridCellsRef: the stored text, as GridCells reads it.
    // CellsRef: the text Cells() reads; the stored text of the (base) cell itself unless a display
    // hook may change it, else the hooks' result in a buffer of the grid that the next CellsRef
    // call reuses. Both stay valid until the grid's cells change.
    const std::string& GridCellsRef(int ACol, int ARow) const { return ui::TStringGrid::CellText(ACol, ARow); }
    const std::string& CellsRef(int ACol, int ARow);
    void SetGridCell(int ACol, int ARow, const std::string& Value) { ui::TStringGrid::SetCells(ACol, ARow, Value); }

    // The cell's properties, created with the grid's defaults on first read. An index the store
    // cannot hold (negative or absurdly large) raises "Invalid cell".
    TCellProperties* CellProperties(int c, int r) { return GetCellProperties(c, r); }
    TCellProperties* GetCellProperties(int c, int r);
    // Stores Value, which the cell owns from now on, freeing the properties it replaces (storing
    // the same object again frees nothing). A graphic that Value took over from the replaced
    // properties stays alive.
    void SetCellProperties(int c, int r, TCellProperties* Value);
    // The cell's properties as stored, nullptr when it has none; nothing is created.
    TCellProperties* GridObjects(int ACol, int ARow) const;
    // Moves properties between cells: Take leaves the cell without any, Put frees what the cell
    // had and stores Value (nothing and Value freed for an index the store refuses).
    std::unique_ptr<TCellProperties> TakeCellProperties(int ACol, int ARow);
    void PutCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> Value);
    bool HasCellProperties(int ACol, int ARow) const;
    // The tree level of a row: a number the node column keeps per stored row, moving with the row.
    // Freeing the node column's properties of a row (clearing, resetting) sets it back to 0.
    int RowNodeLevel(int ARow) const { return StoreRowTag(ARow); }
    void SetRowNodeLevel(int ARow, int Level) { SetStoreRowTag(ARow, Level); }
    // The rows From up to (not including) To one level deeper.
    void RaiseRowNodeLevels(int From, int To) { AddStoreRowTags(From, To, 1); }

    // The user object (not owned) and the graphic object of a cell. The framework's row and column
    // views read and write the user object through these.
    TObject* Objects(int c, int r) const override { return GetObjectEx(c, r); }
    void SetObjects(int c, int r, TObject* Value) override { SetObjectEx(c, r, Value); }
    TObject* GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, TObject* Value);
    TObject* GraphicObjects(int c, int r) const { return GetGraphicObjectEx(c, r); }
    void SetGraphicObjects(int c, int r, TObject* Value) { SetGraphicObjectEx(c, r, Value); }
    TObject* GetGraphicObjectEx(int c, int r) const;
    void SetGraphicObjectEx(int c, int r, TObject* Value);
    static TObject* GetPropsGraphic(const TCellProperties* Props) { return Props ? Props->GraphicObject() : nullptr; }

    // Freeing properties also frees the cell graphic they own.
    void ClearCellPropertiesRect(int Col1, int Row1, int Col2, int Row2);
    void ClearCellProperties(int ACol, int ARow);
    // Empty the text and free the properties still in the cell (a caller that moved them away with
    // TakeCellProperties leaves nothing to free).
    void ResetColumn(int ACol);
    void ResetRow(int ARow);
    void ResetCell(int ACol, int ARow);

    // --- merged cells -----------------------------------------------------------------------------
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    ui::TPoint BaseCell(int ACol, int ARow) const;
    bool FindBaseCell(int ACol, int ARow, int& BCol, int& BRow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    ui::TPoint CellSpan(int ACol, int ARow) const;
    ui::TPoint CellExt(int ACol, int ARow) const;
    ui::TRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    int MergeCount() const { return mergeCount_; }

    // --- geometry ---------------------------------------------------------------------------------
    // The whole merged range for a merged cell; a full-size rectangle also for a cell out of view.
    ui::TRect CellRect(int c, int r) const;
    ui::TPoint CellSize(int c, int r) const;
    // From the column widths and row heights alone, so it also works for cells out of view.
    ui::TRect CalcCellRect(int c, int r) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    // Invalidates the cell's (range's) rectangle when the window exists.
    void RepaintCell(int c, int r);
    // Makes the base cell current when the current cell lies in a merged range.
    void GoToBaseCell();

    // --- state ------------------------------------------------------------------------------------
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }
    bool HideLastRow() const { return hideLastRow_; }
    void SetHideLastRow(bool v) { hideLastRow_ = v; }
    int NormalRowCount() const { return normalRowCount_; }
    void SetNormalRowCount(int v) { normalRowCount_ = v; }
    bool HasCellProps() const { return hasCellProps_; }
    void NoteCellPropsCreated() { hasCellProps_ = true; }
    void ResetHasCellProps() { hasCellProps_ = false; }
    TGxGridUndoRedo* UndoRedo() const { return undoRedo_; }
    // Links the undo store and sets this grid as its Grid.
    void SetUndoRedo(TGxGridUndoRedo* v);

    // Painting state: the grid draws its own lines (the framework's are off) and its looks.
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int v);
    ui::TColor GridLineColor() const { return gridLineColor_; }
    void SetGridLineColor(ui::TColor v);
    ui::TColor GridFixedLineColor() const { return gridFixedLineColor_; }
    void SetGridFixedLineColor(ui::TColor v);
    bool DefaultDrawing() const { return defaultDrawingFlag_; }
    void SetDefaultDrawing(bool v);
    TGridSelectionStyle SelectionStyle() const { return selectionStyle_; }
    void SetSelectionStyle(TGridSelectionStyle v);
    bool ActiveRowShow() const { return activeRowShow_; }
    void SetActiveRowShow(bool v);
    ui::TColor ActiveRowColor() const { return activeRowColor_; }
    void SetActiveRowColor(ui::TColor v);
    ui::TColor ActiveRowColorTo() const { return activeRowColorTo_; }
    void SetActiveRowColorTo(ui::TColor v);
    ui::TColor ActiveRowMirrorColor() const { return activeRowMirrorColor_; }
    void SetActiveRowMirrorColor(ui::TColor v);
    ui::TColor ActiveRowMirrorColorTo() const { return activeRowMirrorColorTo_; }
    void SetActiveRowMirrorColorTo(ui::TColor v);
    bool HoverRow() const { return hoverRow_; }
    void SetHoverRow(bool v) { hoverRow_ = v; }
    ui::TColor HoverRowColor() const { return hoverRowColor_; }
    void SetHoverRowColor(ui::TColor v) { hoverRowColor_ = v; }
    ui::TColor HoverRowColorTo() const { return hoverRowColorTo_; }
    void SetHoverRowColorTo(ui::TColor v) { hoverRowColorTo_ = v; }
    THoverRowCells HoverRowCells() const { return hoverRowCells_; }
    void SetHoverRowCells(THoverRowCells v) { hoverRowCells_ = v; }
    int HoverRowIndex() const { return hoverRowIndex_; }
    void SetHoverRowIndex(int v) { hoverRowIndex_ = v; }
    bool ShowSelectionFlag() const { return showSelection_; }
    void SetShowSelectionFlag(bool v) { showSelection_ = v; }
    int PaintID() const { return paintId_; }
    void SetPaintID(int v) { paintId_ = v; }

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // --- virtual interface, with this class's behaviour -------------------------------------------
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetNodeIndent(int ARow);
    virtual bool HasNodes();
    // Draws the cell's text on one line, centred in ARect.
    virtual void DrawCellText(ui::TCanvas* ACanvas, int ACol, int ARow, const ui::TRect& ARect,
                              ui::TGridDrawState AState);
    virtual void HiddenLastRowChanged();
    virtual void GetDisplText(int ACol, int ARow, std::string& Value);
    virtual void GetDisplWideText(int ACol, int ARow, std::u16string& Value);
    // Whether the display hooks may change a text Cells() reads (the read events are set). A
    // descendant that overrides GetDisplText or GetDisplWideText overrides this too.
    virtual bool HasDisplHooks() const { return OnGetDisplText || OnGetDisplWideText; }
    virtual void GetCellPropDefaults(int ACol, int ARow, ui::TFont* AFont, ui::TBrush* ABrush, ui::TColor& AColorTo,
                                     ui::TColor& AMirrorColor, ui::TColor& AMirrorColorTo, THAlignment& HA,
                                     TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    virtual void CellTextSet(int ACol, int ARow);
    virtual bool HasCellBorderEvent();
    virtual bool UsesVCLStyles();
    virtual void GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, ui::TBrush* ABrush, ui::TColor& AColorTo, ui::TColor& AMirrorColor,
                                     ui::TColor& AMirrorColorTo, ui::TFont* AFont, THAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD);
    virtual int DisplColIndex(int ACol);
    virtual int TotalColCount() const;

    // Framework steps: the grid paints each cell itself (merged ranges once per pass) and keeps
    // the current cell on the base cell of a merged range.
    void Paint() override;
    void DrawCell(int ACol, int ARow, const ui::TRect& ARect, ui::TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    bool DoMouseWheelDown(ui::TShiftState Shift, ui::TPoint MousePos) override;
    bool DoMouseWheelUp(ui::TShiftState Shift, ui::TPoint MousePos) override;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    // Forgets the linked undo store when it goes.
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    // Only TCellProperties go into the typed per-cell store.
    using ui::TStringGrid::CellExtensionAt;
    using ui::TStringGrid::SetCellExtension;
    using ui::TStringGrid::TakeCellExtension;

    bool wordWrap_ = true;
    bool hideLastRow_ = false;
    int normalRowCount_ = 0;
    bool hasCellProps_ = false;
    TGxGridUndoRedo* undoRedo_ = nullptr;
    int mergeCount_ = 0;
    std::string cellsRefBuffer_;  // CellsRef's text when display hooks made it

    int gridLineWidth_ = 1;
    ui::TColor gridLineColor_ = 0xC0C0C0;
    ui::TColor gridFixedLineColor_ = 0x808080;
    bool defaultDrawingFlag_ = false;
    TGridSelectionStyle selectionStyle_ = ssDefault;
    bool activeRowShow_ = false;
    ui::TColor activeRowColor_ = 0xFF000018;
    ui::TColor activeRowColorTo_ = ui::clNone;
    ui::TColor activeRowMirrorColor_ = ui::clNone;
    ui::TColor activeRowMirrorColorTo_ = ui::clNone;
    bool hoverRow_ = false;
    ui::TColor hoverRowColor_ = 0xFF000018;
    ui::TColor hoverRowColorTo_ = ui::clNone;
    THoverRowCells hoverRowCells_ = HoverRowCellBit(hcNormal) | HoverRowCellBit(hcSelected);
    int hoverRowIndex_ = -1;
    bool showSelection_ = true;
    int paintId_ = 1;
};

}  // namespace gx
