// TGxStringGrid: the table control every dialog stands on. It derives from TBaseGrid (cell store,
// merged cells, base painting) and adds hidden columns and rows with the mapping between display
// and real indexes, dimensions with fixed areas and a footer row, update locking, the selection
// models, typed cell access, per-cell looks, row and column insertion and removal, cell graphics,
// the settings objects and panels it owns, and the virtual slots through which editing, painting
// and input are built. Everything works without a window.
//
// Index spaces: columns of the cell store, Cells, CellProperties and the All... accessors are real
// columns (hidden ones keep their index); ColCount, Col, ColWidths, Selection and painting use
// display columns. Rows are display rows except in the All... accessors and the row-hiding
// operations, which take real rows (the index a row had before any row was hidden).
//
// Concerns live in their own source files (see README.md); this header declares the whole class
// and only declares the classes of its concerns (editors, panels, painting), whose headers stay
// out of the files that do not use them.
#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "grid/base/BaseGrid.h"
#include "grid/base/GridCellCheck.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GxLists.h"
#include "grid/base/GxStyleIF.h"
#include "grid/base/GxWindows.h"
#include "grid/base/HtmlPicture.h"
#include "grid/stringgrid/GxCellGraphic.h"
#include "grid/stringgrid/GxGridEvents.h"
#include "grid/stringgrid/GxGridExtras.h"
#include "grid/stringgrid/GxGridFilter.h"
#include "grid/stringgrid/GxGridLook.h"
#include "grid/stringgrid/GxGridSettings.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/ToolTip.h"

namespace ui {
class TRichEdit;
}  // namespace ui

namespace gx {

// The classes of the grid's concerns, declared in the concern's own header: editing
// (GxGridEdit.h, GxEditLink.h, GxGridEditRich.h, GxGridDropDownEditors.h), the panels
// (GxGridPanels.h) and painting (GxGridPaint.h). A file that uses one includes its header.
class TGxInplaceEdit;
class TGridCombo;
class TGridCheckBox;
class TGridSpin;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridButton;
class TGridTransEdit;
class TGridTransCombo;
class TControlEdit;
class TControlCombo;
class TEditLink;
class TGridChangeNotifier;
class DIzuReriVoru;
class IGridDropDownEditors;
class TFloatingFooter;
class TFooterPanel;
class TSearchPanel;
class TDropList;
class TDropCheckList;
class THeaderDragButton;
struct GridPaint;

class TGridInput;
class THTMLHintWindow;
struct THTMLDrawResult;

// The largest real column the hidden-column tables cover; columns from here on are always shown.
constexpr int kMaxHiddenColumns = 512;

// The look of tree (node) rows: glyph style, indent per level, colours, tree lines.
enum TNodeType : std::uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public TObject {
public:
    void Assign(const TObject* Source);  // bitmaps by content; other sources ignored
    TNodeType NodeType = cnXP;
    int NodeIndent = 12;
    ui::TColor Color = 0xC0C0C0;
    ui::TColor NodeColor = 0x000000;
    ui::TBitmap ExpandGlyph, ContractGlyph;
    bool ExpandOne = false;  // expanding a node first contracts every other expanded node
    bool ShowTree = true;
    bool ShowTreeFull = true;
    ui::TColor TreeColor = 0x808080;
};

class TGxStringGrid : public TBaseGrid, public TGxStringGridEvents {
public:
    // The grid sorts, filters, groups, finds, copies and stores its layout through Extras (see
    // GxGridExtras.h): the program's default unless it is given its own.
    explicit TGxStringGrid(ui::TComponent* AOwner, IGridExtras& Extras = DefaultGridExtras());
    ~TGxStringGrid() override;
    IGridExtras& Extras() const { return *extras_; }
    // False for a grid made without the extras: their operations raise GridExtrasMissing.
    bool HasExtras() const { return extras_ != &NoGridExtras(); }

    // --- lifecycle (GxGridLifecycle.cpp) ----------------------------------------------------------
    // Copies the settings of another string grid, then its cells; other sources do nothing.
    virtual void Assign(const TObject* Source);
    virtual void AssignCells(const TObject* Source);
    // The after-load step: grids read from a form get it from the loader; grids built in code call
    // it themselves once they are set up.
    void Loaded() override;
    void CreateWnd() override;
    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The scratch font of a cell with properties (overwritten by the next call), else the grid's.
    ui::TFont* GetCellFont(int ACol, int ARow);
    // The framework's edit-mask query: EditMask, then OnGetEditMask; the edit limit: MaxEditLength.
    std::string GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;
    static ui::TCustomForm* FindParentForm(ui::TControl* Control);
    virtual int GetVersionNr();
    virtual std::string GetVersionString();
    std::string Version() { return GetVersionString(); }
    bool IsLoaded() const { return loaded_; }
    unsigned GridTimerID() const { return gridTimerId_; }
    int GridTimerTicks() const { return gridTimerTicks_; }

    // --- dimensions, fixed areas, footer row, update locking (GxGridDimensions.cpp) ---------------
    int RowCount() const { return TBaseGrid::RowCount(); }
    void SetRowCount(int Value);
    int ColCount() const { return TBaseGrid::ColCount(); }
    void SetColCount(int Value);
    int FixedRows() const;  // 1 when there are none but FixedRowAlways is set
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    bool FixedRowAlways() const { return fixedRowAlways_; }
    void SetFixedRowAlways(bool v) { fixedRowAlways_ = v; }
    bool FixedColAlways() const { return fixedColAlways_; }
    void SetFixedColAlways(bool v) { fixedColAlways_ = v; }
    int FixedRowHeight() const { return fixedRowHeight_; }
    void SetFixedRowHeight(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int FixedFooters() const { return fixedFooters_; }
    void SetFixedFooters(int Value);
    int FixedRightCols() const { return fixedRightCols_; }
    void SetFixedRightCols(int Value);
    void SetDefaultRowHeight(int Value);
    int MaxRowCount() const { return maxRowCount_; }
    int MaxColCount() const { return maxColCount_; }
    virtual void AppendRow();
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const;
    int SaveRowCount() const;
    virtual ui::TRect CalcUsedCellsRect();
    void ScreenToCell(ui::TPoint pt, int& ACol, int& ARow) const;
    bool IsSizingBorder(int X, int Y) const;
    void UpdateFooter();
    virtual void CalcFooter(int ACol);
    virtual void UpdateFooterCalc(int ACol);
    void HiddenLastRowChanged() override;
    virtual void DoF2Key() {}
    // Statistics of a column over display rows FromRow .. ToRow (-1: the normal rows); non-numbers
    // are passed over, except where the footer needs a first value (Min, Max) or every value
    // (StdDev), which raise "Cell does not contain a float value".
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    virtual bool IsNode(int ARow);
    virtual bool IsSummary(int ARow);
    // False when no row can be a node or a summary row: both carry a graphic in the properties of
    // their first cell, and no cell holds properties. A descendant that overrides IsNode or
    // IsSummary overrides this too.
    virtual bool MayHoldNodeOrSummaryRows() const { return HasCellProps(); }

    THAlignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(THAlignment v);
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment v);
    unsigned VAlignFlag() const { return vAlignFlag_; }  // text flag of the vertical placement
    void SetWordWrap(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    int MaxEditLength() const { return maxEditLength_; }
    void SetMaxEditLength(int v);
    bool ShowSelection() const { return showSelection_; }
    void SetShowSelection(bool v);
    int SelectionColorMixerFactor() const { return selectionColorMixerFactor_; }
    void SetSelectionColorMixerFactor(int v);  // clamped to 0 .. 100
    bool SpreadSheet() const { return spreadSheet_; }
    void SetSpreadSheet(bool v);
    ui::TFont* ActiveCellFont() { return &activeCellFont_; }
    void SetActiveCellFont(const ui::TFont& v);
    ui::TFont* FixedFont() { return &fixedFont_; }
    void SetFixedFont(const ui::TFont& v);
    ui::TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(ui::TColor v);
    ui::TColor HighlightTextColor() const { return highlightTextColor_; }
    void SetHighlightTextColor(ui::TColor v);
    ui::TColor URLColor() const { return urlColor_; }
    void SetURLColor(ui::TColor v);
    bool URLShow() const { return urlShow_; }
    void SetURLShow(bool v);
    bool URLShowInText() const { return urlShowInText_; }
    void SetURLShowInText(bool v);
    bool URLFull() const { return urlFull_; }
    void SetURLFull(bool v);
    ui::TPoint XYOffset() const { return xyOffset_; }
    void SetXYOffset(ui::TPoint v);
    void UpdateXYOffset(int X, int Y) { xyOffset_ = {X, Y}; }
    ui::TBitmap* RowIndicator() { return &rowIndicator_; }
    void SetRowIndicator(const ui::TBitmap& v);
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool v);
    TScrollBarAlways ScrollBarAlways() const { return scrollBarAlways_; }
    void SetScrollBarAlways(TScrollBarAlways v);
    bool ShowDesignHelper() const { return showDesignHelper_; }
    void SetShowDesignHelper(bool v);
    ui::TColor DUDGradientFrom() const { return fixedGradients_[TControlLook::kFrom]; }
    void SetDUDGradientFrom(ui::TColor v);
    ui::TColor DUDGradientTo() const { return fixedGradients_[TControlLook::kTo]; }
    void SetDUDGradientTo(ui::TColor v);
    ui::TColor DUDGradientMirrorFrom() const { return fixedGradients_[TControlLook::kMirrorFrom]; }
    void SetDUDGradientMirrorFrom(ui::TColor v);
    ui::TColor DUDGradientMirrorTo() const { return fixedGradients_[TControlLook::kMirrorTo]; }
    void SetDUDGradientMirrorTo(ui::TColor v);
    // The grid's own copies of the fourteen fixed-cell gradient colours, in TControlLook's order.
    std::array<ui::TColor, TControlLook::kFixedColorCount>& FixedGradients() { return fixedGradients_; }

    // The selection: setting it moves the framework's selection and repaints the active headers.
    ui::TGridRect Selection() const { return TBaseGrid::Selection(); }
    void SetSelection(const ui::TGridRect& r);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return selectionHidden_; }

    // Update locking: every BeginUpdate counts, shown or not; painting resumes when the count
    // comes back to 0.
    void BeginUpdate();
    void StartUpdate() { ++updateCount_; }
    void EndUpdate();
    void ResetUpdate() { updateCount_ = 0; }
    bool LockUpdate() const { return updateCount_ != 0; }
    void SetLockUpdate(bool v) { v ? BeginUpdate() : EndUpdate(); }
    int UpdateCount() const { return updateCount_; }
    // The effective (horizontal, vertical) alignment of a cell's text (ACol real).
    void GetCellTextAlignment(int ACol, int ARow, THAlignment& HA, TVAlignment& VA);

    // --- hidden columns and rows, index mapping, current cell (GxGridHidden.cpp) ---------------------
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    // Real columns; an index at or past kMaxHiddenColumns raises "Invalid column accessed" and
    // hides nothing. The last shown column is never hidden.
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }
    bool IsHiddenColumn(int ColIndex) const;
    int NumHiddenColumns() const { return numHiddenColumns_; }
    int TotalColCount() const override { return ColCount() + numHiddenColumns_; }
    int AllColCount() const { return TotalColCount(); }
    int RealColIndex(int ACol) const;
    int DisplColIndex(int ACol) override;
    int DisplColIndex(int ACol) const;
    int RealCol() const { return RealColIndex(Col()); }
    bool IsIgnoredColumn(int ACol) const { return ignoreColumns_->HasValue(ACol); }
    TIntList* IgnoreColumns() const { return ignoreColumns_.get(); }

    void HideRow(int Rowindex) { HideRows(Rowindex, Rowindex); }
    void HideRows(int FromRow, int ToRow);  // real indexes
    void HideRowsEx(int FromRow, int ToRow);
    void HideRowList(const TIntList& RowList);  // display rows, as one filter level
    void UnHideRow(int Rowindex) { UnHideRows(Rowindex, Rowindex); }
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    void UnHideRowList();
    bool IsHiddenRow(int Rowindex) const;
    int NumHiddenRows() const { return static_cast<int>(gridItems_.size()); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int AllRowCount() const { return TotalRowCount(); }
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int RealRow() const { return RealRowIndex(Row()); }
    int FilterLevel() const { return filterLevel_; }
    void SetFilterLevel(int v) { filterLevel_ = v; }
    // The hidden-row records in ascending real index.
    int GridItemCount() const { return NumHiddenRows(); }
    TGridItem* GridItems(int i) const { return gridItems_.at(static_cast<std::size_t>(i)).get(); }
    // The record of a hidden real row, nullptr when the row is shown.
    TGridItem* HiddenRowItem(int ARow) const;

    int Row() const { return TBaseGrid::Row(); }
    void SetRow(int Value);
    int Col() const { return TBaseGrid::Col(); }
    void SetCol(int Value);
    int TopRow() const { return TBaseGrid::TopRow(); }
    void SetTopRow(int Value);

    // --- cells by real row and column, current cell, edit text (GxGridCells.cpp) --------------------
    std::string AllCells(int i, int j);
    void SetAllCells(int i, int j, const std::string& Value);
    std::string AllGridCells(int i, int j) const;
    void SetAllGridCells(int i, int j, const std::string& Value);
    std::u16string AllWideCells(int i, int j);
    void SetAllWideCells(int i, int j, const std::u16string& Value);
    std::u16string WideCells(int i, int j);
    void SetWideCells(int i, int j, const std::u16string& Value);
    std::string StrippedCells(int i, int j);
    TObject* AllObjects(int i, int j);
    void SetAllObjects(int i, int j, TObject* Value);
    int AllColWidths(int i) const;
    void SetAllColWidths(int i, int Value);
    int LinesInCell(int i, int j);
    std::string CurrentCell() { return ReadCurrentCell(); }
    void SetCurrentCell(const std::string& Value) { WriteCurrentCell(Value); }
    TEditorType CurrentEditor() const { return currentEditor_; }
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow) const;
    bool IsWideCell(int ACol, int ARow) const;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    virtual std::string ReadCurrentCell();
    virtual void WriteCurrentCell(const std::string& Value);
    virtual std::string ReadCurrentCellText();
    virtual void WriteCurrentEditText(const std::string& Value);
    void CellTextSet(int ACol, int ARow) override;
    // The cells of a hidden real row, nullptr when the row is shown; the properties of a cell by
    // real row (from the hidden row's cells, or the display cell's), nullptr when it has none.
    ui::GridRowCells* HiddenRowCells(int ARow) const;
    TCellProperties* HiddenRowObject(int ACol, int ARow) const;
    bool EditWithTags = false;
    bool NoEditChange = false;

    // --- per-cell appearance, embedded controls, zoom (GxGridAppearance.cpp) -------------------------
    ui::TColor Colors(int i, int j) const;
    void SetColors(int i, int j, ui::TColor Value);
    ui::TColor ColorsTo(int i, int j) const;
    void SetColorsTo(int i, int j, ui::TColor Value);
    TCellGradientDirection Gradients(int i, int j) const;
    void SetGradients(int i, int j, TCellGradientDirection Value);
    ui::TColor FontColors(int i, int j) const;
    void SetFontColors(int i, int j, ui::TColor Value);
    ui::TFontStyles FontStyles(int i, int j) const;
    void SetFontStyles(int i, int j, ui::TFontStyles Value);
    int FontSizes(int i, int j) const;
    void SetFontSizes(int i, int j, int Value);
    std::string FontNames(int i, int j) const;
    void SetFontNames(int i, int j, const std::string& Value);
    ui::TFont* Fonts(int i, int j) { return GetCellFont(i, j); }
    void SetFonts(int i, int j, const ui::TFont& Value);
    THAlignment Alignments(int i, int j) const;
    void SetAlignments(int i, int j, THAlignment Value);
    bool WordWraps(int i, int j);
    void SetWordWraps(int i, int j, bool Value);
    bool ReadOnly(int i, int j) const;
    void SetReadOnly(int i, int j, bool Value);
    ui::TControl* CellControls(int i, int j) const;
    void SetCellControls(int i, int j, ui::TControl* Value);
    int NumCellControls() const { return numCellControls_; }
    TControlList* ControlList() const { return controlList_.get(); }
    // Places every cell's control over its cell or hides it while the cell is out of view
    // (GxGridCellControls.cpp); rebuildlist first collects them anew from the cell properties.
    void CellControlsUpdate(bool rebuildlist);
    void SetRowColor(int i, ui::TColor AColor);
    void SetRowColorTo(int i, ui::TColor AColor);
    void SetRowFontColor(int i, ui::TColor AColor);
    int ZoomFactor() const { return zoomFactor_; }
    void Zoom(int x);
    ui::TCursor GridCursor() const { return Cursor(); }
    void SetGridCursor(ui::TCursor v);
    ui::TCursor RestoreCursor() const { return restoreCursor_; }
    void SetFocusHelper(const TFocusHelper& v) { focusHelper_->Assign(&v); }

    // --- clearing, trimming, colouring (GxGridClear.cpp) ----------------------------------------------
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void ClearSelection();
    void Clear();
    void ClearAll();  // also the cells of hidden rows, their properties freed
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, ui::TColor AColor);
    bool SaveHiddenCells = false;
    bool ClearTextOnly = false;

    // --- row and column insertion, removal and hiding (GxGridRows.cpp) ----------------------------------
    virtual void RemoveRowRange(int ARow, int Count);
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    virtual void RemoveCols(int ColIndex, int CCount);
    virtual void InsertCols(int ColIndex, int CCount);
    void RemoveRowsCore(int RowIndex, int RCount, bool UpdateHidden);
    // Inserts RCount empty rows at RowIndex. The side lists (modified, enabled, selected rows) get
    // entries at the new rows: at RowIndex on, or, when Targets is given, at those final rows.
    void InsertRowsCore(int RowIndex, int RCount, bool UpdateCellControls, const std::vector<int>* Targets = nullptr);
    // Empty rows that stand at the display rows Targets (ascending, distinct) once all are in; the
    // other rows keep their order. One pass over the rows however many targets there are.
    void InsertRowList(const std::vector<int>& Targets);
    // Removes the display rows Rows (ascending, distinct) as RemoveRows would one by one, in one pass.
    void RemoveRowList(const std::vector<int>& Rows);
    void AddRow();
    void AddColumn() { InsertCols(ColCount(), 1); }
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();

    // --- selection: rows, columns, cells, modified and enabled rows (GxGridSelection.cpp) --------------
    bool RowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol) const;
    void SetColSelect(int ACol, bool Value);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    int RowSelectCount() const;
    int ColSelectCount() const;
    int ModifiedRowCount() const;
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    void ClearModifiedRows();
    bool RowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const { return useEnabledRows_; }
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void FocusCell(int ACol, int ARow);
    void MoveToCell(int ACol, int ARow);
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void RepaintRect(const ui::TRect& r);
    void RepaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow);
    void RepaintCellRange(const ui::TRect& r);
    void SwapCells(ui::TGridCoord FromCell, ui::TGridCoord ToCell);
    ui::TInplaceEdit* NormalEdit() const { return InplaceEditor(); }
    // The selected rows of the disjunct model in the order they were selected.
    const std::vector<int>& SelectedRowList() const { return selectedRows_; }
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool IsSelected(int ACol, int ARow);
    bool SelectedCells(int i, int j) const;
    void SetSelectedCells(int i, int j, bool Value);
    int SelectedCellsCount();
    ui::TGridCoord SelectedCell(int i) const;
    void ClearSelectedCells();
    int SelectedRowCount() const;
    int SelectedColCount() const;
    int SelectedRow(int i) const;
    std::string SelectedText();
    bool Multilinecells = false;
    bool ExcelClipboardFormat = false;
    // The clipboard (grid extras): the top-left cell of the last rectangle turned into clipboard
    // text, the last copy or cut, and whether the paste in progress is a whole-grid paste.
    ui::TPoint ClipTopLeft{-1, -1};
    TClipOperation ClipLastOp = coCopy;
    bool PasteAll = false;

    // --- typed access, fills, headers, display text (GxGridTyped.cpp) -----------------------------------
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    void SetAllFloats(int ACol, int ARow, double Value);
    virtual std::string GetColumnFloatFormat(int ACol, int ARow);
    rtl::TDateTime Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, rtl::TDateTime Value);
    rtl::TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, rtl::TDateTime Value);
    std::string ControlValues(int ACol, int ARow, const std::string& ID);
    void SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value);
    int PrintColWidth(int ACol) const;
    void SetPrintColWidth(int ACol, int Value);
    int PrintColOffset(int ACol) const;
    void SetPrintColOffset(int ACol, int Value);
    rtl::TStringList* ColumnHeaders() { return &columnHeaders_; }
    void SetColumnHeaders(const rtl::TStrings& Value);
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    virtual void ColumnHeadersChanged() {}
    rtl::TStringList* RowHeaders() { return &rowHeaders_; }
    void SetRowHeaders(const rtl::TStrings& Value);
    void ClearRowHeaders();
    void ShowRowHeaders();
    rtl::TStringList* LookupItems() { return &lookupItems_; }
    void SetLookupItems(const rtl::TStrings* Value);
    TIntList* MergedColumns() const { return mergedColumns_.get(); }
    TGxStringGridCheck* CellChecker = nullptr;
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);
    void TextFill(bool DoFixed, const std::string& Txt);
    void FormatFill(bool DoFixed, const std::string& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    // The read hook: the base grid's OnGetDisplText. What a cell shows beyond that (automatic links,
    // node group counts) comes from GetDrawText, so a read gives back the text as written.
    void GetDisplText(int ACol, int ARow, std::string& Value) override;
    // The text the painter draws for a cell: Cells plus automatic links and group counts.
    virtual void GetDrawText(int ACol, int ARow, std::string& Value);
    // Splitting and merging runs of equal texts in a column (the merged-columns list uses them).
    void SplitColumnCells(int ColIndex);
    void MergeColumnCells(int ColIndex, bool MainMerge);

    // --- cell graphics (GxGridGraphics.cpp) ---------------------------------------------------------------
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    virtual ui::TPoint GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }
    virtual ui::TPoint CalcCellGraphicSize(int ACol, int ARow, int ExtraHeight);
    virtual ui::TPoint CalcCellGraphicPrintSize(int ACol, int ARow, int AvailWidth, int AvailHeight, double Scale);
    virtual ui::TImageList* GetGridImageList() { return GridImages; }
    int GetCellImageValue(int ACol, int ARow);
    bool HasCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> Kinds);
    bool IsDataGraphicCell(int ACol, int ARow);
    // A cell that takes clicks instead of an editor (check boxes, radio buttons, buttons), by its
    // merge base cell; false for negative coordinates.
    bool IsClickControlCell(int ACol, int ARow);
    // The check-box state of a cell: true when it holds a check box (its own state for a check-box
    // object, the text against the check-true text for a data or virtual check box).
    // Frees the cell's own graphic (never a shared one) and attaches a fresh one.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind);
    bool IsSortIndicatorCell(int ACol, int ARow);
    ui::TRect ExpandButtonRect(int ACol, int ARow);
    ui::TRect CellButtonRect(int ACol, int ARow);
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    virtual void DoColorSelect(ui::TColor Color, const std::string& Value);
    virtual void DoImageSelect(int Index);
    virtual void DoCanAddRow(bool& CanAdd);
    virtual void DoCanInsertRow(int ARow, bool& CanInsert);
    ui::TImageList* GridImages = nullptr;

    // --- event-dispatch queries and cell defaults (GxGridDispatch.cpp) ------------------------------------
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoSearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void DoGridHint(int ACol, int ARow, std::string& Hint, std::u16string& WideHint);
    virtual void GetCellColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush, ui::TFont* AFont);
    virtual void GetCellPrintColor(int ACol, int ARow, ui::TGridDrawState AState, ui::TBrush* ABrush, ui::TFont* AFont);
    virtual void GetCellBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(int ACol, int ARow, ui::TPen* APen, TCellBorders& Borders);
    virtual void GetCellAlignment(int ACol, int ARow, THAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix);
    virtual void GetSpinEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual bool IsEditorNone(int ACol, int ARow);
    virtual void GetIsFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void GetCellEditable(int ACol, int ARow, bool& CanEdit);
    virtual void GetIsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool GetHasComboBox(int ACol, int ARow);
    virtual bool GetHasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrueText(int ACol, int ARow, std::string& Value);
    virtual void GetCheckFalseText(int ACol, int ARow, std::string& Value);
    virtual bool GetColumnFilterList(int ACol);
    void GetCellPropDefaults(int ACol, int ARow, ui::TFont* AFont, ui::TBrush* ABrush, ui::TColor& AColorTo,
                             ui::TColor& AMirrorColor, ui::TColor& AMirrorColorTo, THAlignment& HA, TVAlignment& VA,
                             bool& WW, TCellGradientDirection& GD) override;
    rtl::TStringList* FilterList() { return &filterList_; }

    // --- painting: cell looks, cell painter, graphics, frame, looks (GxGridPaint*.cpp) ------------------
    // The cell's font only (fixed font for fixed cells, the cell's own font settings, the colour hook).
    void GetFontProperties(int ACol, int RCol, int ARow, ui::TGridDrawState& AState, ui::TFont* AFont,
                           ui::TBrush* ABrush, bool Remap);
    void Paint() override;
    void PaintControl(ui::TCanvas& canvas) override;
    // The coloured one-pixel ring of the XP-like looks over the control's outer edge.
    void PaintBorder(ui::TCanvas& canvas);
    void PaintGridBackground();
    // The cell's graphic (real column) with its size and placement; nullptr when it has none.
    TCellGraphic* GetCellGraphicLayout(int ACol, int ARow, int& Width, int& Height, bool& ShowText, TCellHAlign& HAlign,
                                       TCellVAlign& VAlign);
    void DrawCellCheckBox(ui::TCanvas& Canvas, const ui::TRect& R, bool Checked, ui::TCheckBoxState TriState,
                          bool IsTriState, TControlStyle Style, bool Grayed, bool Enabled);
    void DrawCellRadioButtons(ui::TCanvas& Canvas, const ui::TRect& R, bool Upward, double Scale, TControlStyle Style,
                              int ARow, int ACol, bool Selected, const rtl::TStrings* Items, bool Disabled,
                              bool Horizontal, int Index, int Count);
    void DrawSortIndicator(ui::TCanvas& Canvas, int ACol, int Y, int X);
    // Width and height the text of a cell (real column) needs; VS leaves room for a scroll bar, SB
    // wraps the text in the cell's width.
    ui::TSize GetCellTextSize(int ACol, int ARow, bool VS = false, bool SB = false);
    void DrawColSizingLine(int X);
    void DrawRowSizingLine(int Y);
    // The translucent frame around the edited cell (R in client coordinates) while
    // FocusHelper.Enabled: shown when the editor opens, following the current cell, hidden after a
    // valid value.
    void ShowFocusWindow(const ui::TRect& R);
    void MoveFocusWindow();
    void HideFocusWindow();
    // The text of the balloon tool tip of a cell (tags stripped, rich text as plain text, tabs as
    // blanks, at most 2048 characters).
    std::string BalloonText(int ACol, int ARow);
    // A text of more than MaxChars characters cut to MaxChars - 3 of them and "..." (whole UTF-8
    // characters).
    static std::string CutWithEllipsis(const std::string& Text, int MaxChars);
    void SetLook(TGridLook Value);
    virtual void SetStyle(TGxGridStyle AStyle);
    void SetComponentStyle(TGxStyle AStyle);
    void SetColorTones(const TColorTones& ATones);
    void SetTheme(TXPColorScheme Scheme);
    void AdaptToOfficeTheme();
    void SetScrollType(TScrollType Value);
    void UpdateScrollBarVisibility(bool Hide);
    // Window scroll bars that follow TopRow/LeftCol; their messages scroll the grid.
    void UpdateScrollBars() override;
    // WM_VSCROLL / WM_HSCROLL from the window scroll bars; false for other messages.
    bool HandleScrollMessage(ui::TMessage& message);
    TGxStyle Style() const { return style_; }
    const TColorTones& Tones() const { return tones_; }
    TGridPointerState Pointer;
    bool ShowColumnNumbers = false;
    bool NoImageAndText = false;
    bool XYOffsetTopLeftOnly = false;
    bool EnhTextSize = false;
    bool URLUnderlineOnHover = false;
    int FilterDropDownRow = 0;

    // --- check boxes and radio buttons (GxGridCheckBoxes.cpp, GxGridRadio.cpp) ------------------------
    // Raises "Invalid cell" for a cell outside the grid (hidden columns and rows counted) or a
    // negative index.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, ui::TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, ui::TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    // ARow is a real row; false (State untouched) when the cell holds no box.
    virtual bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState& State);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState State);
    bool SetCheckBoxStateNotify(int ACol, int ARow, bool State);
    bool IsChecked(int ACol, int ARow);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCellCheck(ACol, ARow, false); }
    virtual bool ToggleCellCheck(int ACol, int ARow, bool FromUser);
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void RemoveRadioButton(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    virtual bool SelectRadioButtonCell(int ACol, int ARow, bool FromUser);
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, rtl::TStrings* sl);
    rtl::TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    rtl::TStrings* GetRadioStrings(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow);
    void RemoveRadio(int ACol, int ARow);
    void CycleRadioCell(int ACol, int ARow, bool FromUser);
    // Picks the item of the radio group at an offset inside its cell (GxGridRadio.cpp).
    void ClickRadioGroupItem(int ACol, int ARow, int X, int Y);

    // --- sizing to contents, numbering, rotated text (GxGridPaintSizing.cpp) ------------------------------
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding = 0);
    void AutoSizeCells(bool DoFixedCells, int PaddingX = 0, int PaddingY = 0);
    void AutoFitColumns(bool DoFixedCells = true);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    int GetTotalXOffset() const;
    int GetTotalYOffset() const;
    int GetRowLineCount(int ARow);
    // Moves R's left and top to where text rotated by Angle degrees starts.
    void AlignRotatedText(ui::TCanvas& Canvas, ui::TRect& R, int Angle, const std::string& Text, int HAlign,
                          int VAlign);
    static void RotatedTextOrigin(ui::TRect& R, int HAlign, int VAlign, int Angle, int CW, int SH, int SW, int CH);
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = sdAscending;

    // --- hints, sizing permission, following the form, balloons (GxGridPaintHints.cpp) ------------------
    // Fills the hint of the cell under CursorPos (client coordinates): text, position (client
    // coordinates), colour, maximum width; false when the pointer is over no cell and no hint
    // handler gave a text.
    struct THintRequest {
        ui::TPoint CursorPos;
        ui::TPoint HintPos;
        int HintMaxWidth = 0;
        ui::TColor HintColor = ui::clInfoBk;
        bool HTMLWindow = false;
    };
    void BuildCellHint(std::string& HintStr, THintRequest& HintInfo);
    // CM_HINTSHOW: the hint of the cell under the mouse; false for other messages.
    bool HandleHintMessage(ui::TMessage& message);
    // The base decision plus the OnColumnSize / OnRowSize permission.
    bool AllowColumnSizing(int X, int Y);
    bool AllowRowSizing(int X, int Y);
    // A change of scale by M/D (another screen density): the fixed and active-cell fonts follow.
    virtual void HandleScaleChange(int M, int D);
    // Size * M / D rounded half away from zero, as a rescaled font size is.
    static int ScaleSize(int Size, int M, int D);
    void UpdateSearchPanel();
    void InitOrigColSizes();
    void ShowModifiedChange();
    void BandsChange();
    bool SizeWithForm = false;
    bool HTMLHint = false;
    ui::TPoint LastHintPos{-1, -1};
    // --- balloon tool tips over the cells (GxGridBalloon.cpp) ----------------------------------------
    // With Balloon.Enable the grid has a tool tip in balloon style whose text, title and icon the
    // grid gives for the cell under the mouse when it is about to show (OnCellBalloon has the last
    // word); moving to another cell takes the balloon away.
    void BalloonInit();
    void BalloonDone();
    void BalloonEnableChange();
    ui::TToolTip* BalloonToolTip() const { return balloonTip_; }
    // The base cell of the last balloon asked for ((-1, -1): none).
    ui::TPoint LastBalloonPos{-1, -1};
    // The mouse is over (ACol, ARow) (display column): a balloon of another cell goes.
    void BalloonCellMove(int ACol, int ARow);
    // WM_NOTIFY: the tool tip's text request; false for other notifications.
    bool HandleBalloonNotify(ui::TMessage& message);
    std::string LastAnchorHint;
    // The link under a point of a displayed cell; empty when none. CellTextHit also names a form
    // control under the point (GxGridMouseCells.cpp).
    std::string AnchorAt(int ACol, int ARow, int X, int Y);
    bool CellTextHit(int ACol, int ARow, int X, int Y, THTMLDrawResult& Result);
    // The transparent editor of a fixed cell (GxGridMouseDrag.cpp).
    void StartFixedCellEdit(int ACol, int ARow);
    // The size of a column or row being sized shows in a hint; the menu of the fixed cells'
    // drop-down button.
    bool HintShowSizing = false;
    ui::TPopupMenu* FixedDropDownMenu = nullptr;
    int OldSize = -1;  // the grid's width when the column widths were recorded

    // --- virtual slots that painting, editing, input and the periphery fill (GxGridSlots.cpp) -----------
    // Defaults: the base grid's behaviour, or nothing. Each concern's files override them.
    bool IsFixed(int ACol, int ARow) override;
    int GetNodeIndent(int ARow) override;
    bool HasNodes() override;
    void DrawCellText(ui::TCanvas* ACanvas, int ACol, int ARow, const ui::TRect& ARect,
                      ui::TGridDrawState AState) override;
    bool HasCellBorderEvent() override;
    bool UsesVCLStyles() override;
    void GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             ui::TBrush* ABrush, ui::TColor& AColorTo, ui::TColor& AMirrorColor,
                             ui::TColor& AMirrorColorTo, ui::TFont* AFont, THAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    virtual void DoClickSort(int ACol);
    virtual void StoreEditorValue(int ACol, int ARow, const std::string& Value);
    virtual void BeforeSelectAll(ui::TGridRect& ASelection);
    virtual void PasteCellText(int ACol, int ARow, const std::string& Value);
    virtual void RestoreCellCache();
    virtual std::string GetFormattedCell(int ACol, int ARow);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, std::string& PageNumString);
    virtual void DoGetEditorProp(int ACol, int ARow, TObject* AEditLink);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, rtl::TStrings* Values);
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void InplaceEditCaretChanged(const std::string& Text, ui::TPoint CaretXY, int CaretPos);
    virtual void InsertRowAt(int ARow);
    virtual void DeleteRowAt(int ARow);
    virtual void DoFilterDone();
    virtual void DoUpdateColumnSize(int ACol, int& AWidth);
    virtual void DoUpdateAutoColumnSize(int ACol, int& AWidth);
    virtual std::string DoEllipsClick(const std::string& Value);
    virtual bool RowMatchesFilter(int ARow);
    virtual void BeforePaste() {}
    virtual void AfterPaste() {}
    virtual void MarkPastedRowsModified(ui::TPoint FromCell, const ui::TRect& R);
    virtual std::string GetCalcCellText(int ACol, int ARow);
    virtual std::string GetSaveCellText(int ACol, int ARow);
    virtual void LoadCellText(int ACol, int ARow, const std::string& Value);
    virtual void UpdateColumnFooter(int ACol);
    virtual void RememberOldCell(int ACol, int ARow);
    virtual void AfterWheelScroll(int Delta, bool& Handled);
    virtual void CellSelectorClick(int ACol, int ARow);
    // Slots the input handling asks (ACol a real column): whether a cell may be edited now, whether
    // it takes edits at all, opening and closing the editor.
    virtual bool IsEditable(int ACol, int ARow);
    virtual bool CellAcceptsEdit(int ACol, int ARow);
    virtual void ShowInplaceEdit();
    // A press that opened an editor puts the editor's caret where it landed (grid client point).
    void PlaceEditCaretAt(int X, int Y);
    virtual void HideInplaceEdit();
    // Runs the cell-selection check for the current cell again.
    void Select() { SelectCell(Col(), Row()); }
    virtual void InplaceEditFormulaMode(bool Formula);
    virtual void AdjustMouseSelection(ui::TGridRect& ASelection) { (void)ASelection; }
    virtual void MouseActionsChanged() {}
    virtual bool QueryDesignMode(bool& IsDesigning);
    virtual void RepaintWholeGrid() { Invalidate(); }
    virtual void DisableEditing();
    virtual void InplaceEditKeyDown(unsigned& Key, ui::TShiftState Shift);
    virtual void InplaceEditKeyMessage(unsigned& Key);
    virtual void NavigationChanged() {}
    virtual void MoveToFirstRow();
    virtual bool AllowFormattedClipboard();
    virtual void FilterDropDownSelect(int ItemIndex);
    virtual void ApplyFilterCheckList(int ItemIndex);
    virtual void PaintDesignHelper() {}
    virtual void DesignHelperClick(int X, int Y);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    virtual void DoCellChanging(int NewCol, int NewRow, bool& Allow);
    virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    virtual bool DoCanShowFixedDropDown(int ACol);
    virtual void DoStartBlockFocus() {}
    virtual void DoEndBlockFocus() {}
    virtual void ExportNotification(int AState, int ARow);
    virtual void ImportNotification(int AState, int ARow);
    virtual bool ValidateCell(const std::string& NewValue);
    virtual bool ValidateCellWide(const std::u16string& NewValue);
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SortSwapRows(int ARow1, int ARow2);
    // Puts the rows from Left on into the order given (Order[k]: the row that goes to Left + k),
    // leaving everything SortSwapRows moves as the exchanges of the order's cycles would. In one
    // step while SortSwapRows is this class's own; else through SortSwapRows, one exchange at a
    // time, so that a descendant's SortSwapRows sees every one.
    void SortReorderRows(int Left, const std::vector<int>& Order);
    // Whether a descendant replaced SortSwapRows (a descendant that keeps this class's one and
    // wants the one-step reordering says false).
    virtual bool SortSwapRowsReplaced() const;
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    // The clipboard keys and the selection resizer run these; the grid extras fill them in.
    virtual void CutSelectionToClipboard();
    virtual void CopySelectionToClipboard();
    virtual void PasteSelectionFromClipboard();
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    virtual void DoCellsChanged(const ui::TRect& R);
    virtual void ContentReloaded();
    // Stretches a column to fill the client width (scrolling and stretching).
    virtual void StretchColumn(int Index);
    // Called by the constructor: the rarer editor controls (combo, spin, check box, button editors,
    // transparent fixed-cell editors, cell-control editors) are created by the editing files here.
    virtual void CreateEditorControls();
    // The form's resize handler installed by the constructor: runs the form's earlier handler (an
    // exception in it is swallowed); following the form and stretching come with the periphery.
    virtual void HandleFormResize(TObject* Sender);

    // --- inplace editing, validation, editor controls (GxGridEdit*.cpp) ----------------------------------
    // An editor (text or control) is open; the kind of the edit in progress is CurrentEditor().
    bool EditMode() const { return edit_.EditMode; }
    const TGridEditState& EditState() const { return edit_; }
    // Opens the current cell's editor (nothing on a click-control cell); closes it storing its value;
    // closes it because an editor control got a navigation key, which the grid then carries out.
    // ShowInplaceEdit/HideInplaceEdit (declared with the input slots) open and close it.
    void DoneInplaceEdit(unsigned Key, ui::TShiftState Shift);
    // OnEditingDone now, OnEditCellDone (ACol real) when the posted "GridEditDone" arrives.
    void NotifyEditDone(int ACol, int ARow);
    void ShowCellEdit();  // F2 to the grid
    void HideCellEdit();
    bool HasCellValidation();
    void ClearComboString();
    void AddComboString(const std::string& s);
    void AddComboStringObject(const std::string& s, TObject* AObject);
    bool RemoveComboString(const std::string& s);
    bool SetComboSelectionString(const std::string& s);
    void SetComboSelection(int idx) { edit_.ComboIdx = idx; }
    int GetComboCount();
    int GetComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);
    // The editor controls; the rarer ones are made on first use.
    TGridCombo* Combobox() const { return editCombo_; }
    TGridEditBtn* BtnEdit() const { return editBtn_; }
    TGridUnitEditBtn* BtnUnitEdit() const { return unitEditBtn_; }
    TGridCheckBox* EditCheck() const { return editCheck_; }
    TGridButton* Btn() const { return gridButton_; }
    TGridTransEdit* EditTrans() const { return editTrans_; }
    TGridTransCombo* ComboTrans() const { return comboTrans_; }
    TControlEdit* ControlEdit() const { return controlEdit_; }
    TControlCombo* ControlCombo() const { return controlCombo_; }

    // Form controls in a cell's HTML text (GxGridCellControlEdit.cpp). The one edit and the one
    // combo are placed over the control being edited; the value goes back into the control's
    // VALUE in the cell text when the editor is left.
    // Opens the first editable control after AfterID (the first one when empty); with none left the
    // grid takes the focus.
    void StartCellControlEdit(int ACol, int ARow, const std::string& AfterID = {});
    // Shows the editor of one control; ACol is the displayed column, StoreCol its real column.
    void ShowCellControlEditor(const std::string& CellText, const std::string& CtrlType, int ARow, int StoreCol,
                               int ACol, const ui::TRect& Rect, const std::string& Value, const std::string& CtrlID);
    // The editors' exit: writes the value back into the cell text.
    void EndCellControlEdit();
    void CellControlComboSelect(TObject* Combo);
    bool CellControlEditing() const { return ctrlEditing_; }
    const std::string& CellControlID() const { return ctrlID_; }
    const std::string& CellControlType() const { return ctrlType_; }
    // The store column and row of the cell whose control is edited.
    ui::TPoint CellControlCell() const { return ctrlXY_; }
    TGridSpin* SpinEdit();
    TGridDatePicker* DateTimePicker();
    TGridDateTimePicker* DateAndTimePicker();
    // The inplace editor of edRichEdit cells and the hidden control that converts rich-text cells
    // (GxGridEditRich.cpp).
    DIzuReriVoru* InplaceRichEdit();
    DIzuReriVoru* RichEdit();
    // Rich-text cells: the cell's 8-bit text into the control (an empty cell clears it), the
    // control's content as a cell's text, and into a cell (ACol real).
    void CellToRich(int ACol, int ARow, ui::TRichEdit* Richeditor);
    std::string RichToString(ui::TRichEdit* Richeditor);
    void RichToCell(int ACol, int ARow, ui::TRichEdit* Richeditor);
    // Paints a rich-text cell (ACol real) into a rectangle of the canvas.
    void DrawRichTextCell(int ACol, int ARow, const ui::TRect& Rect, ui::TCanvas& Canvas);
    // The control of the edit in progress (nullptr for the text editor and the check box).
    ui::TWinControl* EditCtrl() const { return editCtrl_; }
    // The custom editor of edCustom cells (not owned; GxGridEditLink.cpp).
    TEditLink* EditLink() const { return editLink_; }
    void SetEditLink(TEditLink* Value);
    // The subclassed edit control of an inline link: its dialog codes with goTabs.
    void EditLinkWindowProc(ui::TWinControl* Control, ui::TMessage& Message);
    // Change notifiers told about every changed rectangle of cells.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    // The current cell's text when the edit began (Escape puts it back).
    const std::string& CellCache() const { return edit_.CellCache; }
    virtual void ShowEditorControl(int ACol, int ARow);
    virtual void HideEditorControl(int ACol, int ARow);
    // The drop-down cell editors (nullptr when none are installed), made on first use.
    IGridDropDownEditors* DropDownEditors();
    // A refused value keeps the current cell after the editor's Enter, Up or Down.
    void SetEditNoAutoAdvance(bool Value) { edit_.NoAutoAdvance = Value; }
    // The framework's editor steps: the may-show test opens the non-text controls itself.
    bool CanEditShow() override;
    void ShowEditor() override;
    void ShowEditorChar(char32_t Ch) override;
    void HideEditor() override;
    ui::TInplaceEdit* CreateEditor() override;
    // The cell-selection check: editability per cell, validation of an open editor control,
    // the changing events and OnRowUpdate.
    bool SelectCell(int ACol, int ARow) override;
    bool GridModified() const { return edit_.GridModified; }
    void SetGridModified(bool v) { edit_.GridModified = v; }
    bool AlwaysValidate() const { return edit_.AlwaysValidate; }
    void SetAlwaysValidate(bool v) { edit_.AlwaysValidate = v; }
    bool ExcelStyleDecimalSeparator = false;
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    int MaxComboLength = 0;
    std::string ValidChars;

    // --- settings objects and panels the grid owns (created with it, freed with it) -----------------------
    TNavigation* Navigation() const { return navigation_.get(); }
    TMouseActions* MouseActions() const { return mouseActions_.get(); }
    TSearchFooter* SearchFooter() const { return searchFooter_.get(); }
    TBands* Bands() const { return bands_.get(); }
    TSyncGrid* SyncGrid() const { return syncGrid_.get(); }
    TFocusHelper* FocusHelper() const { return focusHelper_.get(); }
    TColumnSize* ColumnSize() const { return columnSize_.get(); }
    TSizeWhileTyping* SizeWhileTyping() const { return sizeWhileTyping_.get(); }
    THTMLSettings* HTMLSettings() const { return htmlSettings_.get(); }
    TPrintSettings* PrintSettings() const { return printSettings_.get(); }
    TControlLook* ControlLook() const { return controlLook_.get(); }
    TSortSettings* SortSettings() const { return sortSettings_.get(); }
    TBackGround* BackGround() const { return backGround_.get(); }
    void SetBackGround(const TBackGround& v) { backGround_->Assign(&v); }
    TGrouping* Grouping() const { return grouping_.get(); }
    TDragDropSettings* DragDropSettings() const { return dragDropSettings_.get(); }
    TBalloonSettings* Balloon() const { return balloon_.get(); }
    TShowModified* ShowModified() const { return showModified_.get(); }
    TDragScrollOptions* DragScrollOptions() const { return dragScrollOptions_.get(); }
    TGridProgressAppearance* ProgressAppearance() const { return progressAppearance_.get(); }
    TFilterDropDown* FilterDropDown() const { return filterDropDown_.get(); }
    TFilter* Filter() const { return filter_.get(); }
    TFloatingFooter* FloatingFooter() const { return floatingFooter_.get(); }
    THTMLPictureCache* ImageCache() const { return imageCache_.get(); }
    TSortIndexList* SortIndexes() const { return sortIndexes_.get(); }
    // Filtering (grid extras): FixedRows when the last filter pass started, and the text of the
    // previous NarrowDown call.
    int FilterFixedRows = 0;
    std::string FilterNarrowText;
    // Rows failing the filter are hidden while on; the grid extras carry out the switch (without
    // them only the flag changes). FilterActiveFlag is the stored state the switch keeps.
    bool FilterActive() const { return FilterActiveFlag; }
    void SetFilterActive(bool Value);
    // The search footer's handlers (its controls call them); the grid extras carry them out.
    void SearchEditChange();
    void SearchPrevClick();
    void SearchNextClick();
    void SearchCloseClick();
    void SearchHighlightClick();
    // The fixed-cell editor's text changed: OnEditChange with its column, row and text.
    void FixedEditChange();
    bool FilterActiveFlag = false;
    // Find (grid extras): options and text of the last search (the text upper-cased unless the
    // search matched case), the last hit ((-1,-1) for none), the preset find column and row.
    unsigned FindOptions = 0;
    std::string SearchCache;
    ui::TPoint SearchCell{-1, -1};
    int FindPresetCol = -1;
    int FindPresetRow = -1;
    TCellGraphic* ScratchGraphic() const { return scratchGraphic_.get(); }
    TFooterPanel* FooterPanel() const { return footerPanel_; }
    TSearchPanel* SearchPanel() const { return searchPanel_; }
    TDropList* FilterDropList() const { return filterDropList_; }
    TDropCheckList* FilterCheckList() const { return filterCheckList_; }
    THeaderDragButton* HeaderDragButton() const { return headerDragButton_; }
    TGridFocusWindow* FocusWindow() const { return focusWindow_; }
    TArrowWindow* ArrowWindows(int i) const { return arrowWindows_.at(static_cast<std::size_t>(i)); }
    // A hidden column about to be dragged out of an application's list of hidden columns: the
    // column (as the column order records it), its entry in the list, and the list. The column
    // drop shows the column again and takes the entry out of the list; OleDragCol is -1 otherwise.
    void OleColumnDragStart(int ACol, int AIndex, ui::TListBox* AList)
    {
        OleColumnDragEnd();
        oleDragCol_ = ACol;
        oleDragIndex_ = AIndex;
        oleDragList_ = AList;
        if (AList)
            FreeNotification(AList);  // a list that goes is forgotten (Notification)
    }
    void OleColumnDragEnd()
    {
        if (oleDragList_)
            RemoveFreeNotification(oleDragList_);
        oleDragCol_ = oleDragIndex_ = -1;
        oleDragList_ = nullptr;
    }
    int OleDragCol() const { return oleDragCol_; }
    int OleDragIndex() const { return oleDragIndex_; }
    ui::TListBox* OleDragList() const { return oleDragList_; }
    ui::TScrollBar* GridScrollBar(int i) const { return scrollBars_.at(static_cast<std::size_t>(i)); }
    // The HTML hint window of the sizing and scroll hints; null until one was shown.
    THTMLHintWindow* ScrollHintWindow() const;

    // --- plain settings (values the grid's other concerns read) --------------------------------------------
    TEditorType DefaultEditor = edNormal;
    TGridLook Look = glXP;
    TGxStyle InternalStyle = TGxStyle::tsWindowsXP;
    ui::TColor HintColor = ui::clInfoBk;
    ui::TColor SelectionColor = 0xEACAB6;
    ui::TColor SelectionColorTo = ui::clNone;
    ui::TColor SelectionMirrorColor = ui::clNone;
    ui::TColor SelectionMirrorColorTo = ui::clNone;
    ui::TColor SelectionTextColor = 0;
    ui::TColor SelectionRectangleColor = 0;
    bool SelectionColorMixer = false;
    bool SelectionRectangle = false;
    bool SelectionResizer = false;
    bool HideFocusRect = false;
    bool FixedAsButtons = false;
    bool ActiveCellShow = false;
    ui::TColor ActiveCellColor = 0x808080;
    ui::TColor ActiveCellColorTo = ui::clNone;
    ui::TColor DisabledFontColor = 0xC0C0C0;
    bool UseDisabledFont = true;
    bool EnableHTML = true, EnableWheel = true, IntelliZoom = true, EnhRowColMove = true;
    bool FilterNormalCellsOnly = true, AutoFilterUpdate = true, UseInternalHintClass = true, FitCellsInGrid = true;
    bool ShowNullDates = true, LoadFirstRow = true, SaveFixedCells = true, SaveVirtCells = true;
    bool SaveWithHTML = true, QuoteEmptyCells = true, SaveWithRTF = false;
    bool OemConvert = false;  // CSV files in the OEM code page
    bool SaveFixedRows = false, SaveFixedCols = false, AlwaysQuotes = false, JavaCSV = false;
    bool NoDefaultDraw = false, SizeGrowOnly = false, PrinterDriverFix = false, FilterIncremental = false;
    bool FindBusy = false;
    bool AnchorHint = false, AutoNumAlign = false, HintShowCells = false, HintShowLargeText = false;
    bool IntegralHeight = false, Hovering = false, ScrollProportional = false, ScrollSynch = false;
    bool FilterDropDownAuto = false, FilterDropDownCheck = false;
    std::string CheckTrue = "Y";
    std::string CheckFalse = "N";
    std::string FloatFormat = "%.2f";
    std::string EditMask;
    char PasswordChar = '*';
    char Delimiter = '\0';
    std::string XMLEncoding = "ISO-8859-1";
    std::string FilterDropDownClear = "(All)";
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    std::string InvalidEntryTitle;
    std::string InvalidEntryText;
    THoverFixedCells HoverFixedCells = hfNone;
    THintPosition HintShowLargeTextPos = hpCell;
    TScrollType ScrollType = ssNormal;
    ui::TColor ScrollColor = ui::clNone;
    int ScrollWidth = 17;
    ui::TColor BorderColor = 0xB99D7F;
    int MinRowHeight = 0, MaxRowHeight = 0, MinColWidth = 0, MaxColWidth = 0;
    int GroupColumn = -1;
    // Grouping (grid extras): what the grouped column had (width, row-0 caption, footer text) so that
    // UnGroup can put it back, and the flag set while Group or UnGroup reshapes the rows.
    int GroupColWidth = 0;
    std::string GroupCaption, GroupFooter;
    bool GroupingBusy = false;
    int PreviewPage = 1, LastPrintPage = 1, PrintPageCount = 0;
    int FilterColumn = -1;  // the column whose filter list is open
    TMouseSelectMode MouseSelectMode = msNormal;
    TOfficeTheme LastOfficeTheme = TOfficeTheme::otUnknown;
    bool IsWinXP = true, IsWinVista = true, IsWin7 = true, IsThemed = true;

    // --- keyboard, mouse, wheel, scrolling, focus (GxGridInput*.cpp) ------------------------------------
    TGridInput* Input() const { return input_.get(); }
    // Moves on after Enter as the navigation settings say (Force: even without AdvanceOnEnter).
    void AdvanceCell(int ACol, int ARow, bool StartEdit, bool Forward, bool Force);
    // Tab and Shift+Tab; false when the Tab went on to the next control.
    bool HandleTabKey(bool Backward);
    int FirstTabCol(int ARow);
    int LastTabCol(int ARow);
    // Plays a left click on a cell (display column), 2 pixels inside its top-left corner.
    void ClickCell(int ACol, int ARow);
    // The scroll hint shown while a thumb is dragged with ScrollHints; empty when none shows.
    std::string ScrollHint() const;
    bool Panning() const;
    // While the search footer shows (GxGridKeysSteps.cpp): whether the last row ends above the
    // footer panel; raising the top row until it does.
    bool IsLastRowAboveSearchPanel();
    void ScrollLastRowAboveSearchPanel();
    // Scroll bars (GxGridScrollBars.cpp). With ScrollProportional the window bars run from 0 to
    // 127 with a thumb as large as the share of the rows (columns) in view, measured in pixels;
    // ScrollPosToIndex turns a bar position into the top row (left column) it stands for.
    void UpdateVScrollProportional();
    void UpdateHScrollProportional();
    int ScrollPosToIndex(bool Vertical, int Pos) const;
    // The window bars flat in ScrollColor and ScrollWidth for ScrollType ssFlat and ssEncarta,
    // plain otherwise (again after a change of ScrollColor or ScrollWidth).
    void ApplyFlatScrollStyle();
    bool ProportionalBar(bool Vertical) const { return Vertical ? propV_ : propH_; }
    // The in-cell scroll bar control over the current cell when that holds a cell scroll bar
    // (hidden otherwise); its moves reach the cell and OnScrollCell.
    void SyncCellScrollBar();
    ui::TScrollBar* CellScrollBar() const { return scrollBars_[0]; }
    // A scroll message of the in-cell scroll bar control; false for any other.
    bool HandleCellScrollMessage(ui::TMessage& message);
    // WM_SIZE: the search panel, ColumnSize.SynchWithGrid scaling, proportional ranges again.
    void HandleSizeMessage(ui::TMessage& message);
    // The synchronised grid follows this grid's top row and left column (SyncGrid).
    void SyncGridFollowScroll();
    void AfterCellInput(int RowBefore);
    // The application's style (GxGridInputFocus.cpp): after loading and on every style change the
    // grid takes the grid colours of an active style other than the desktop's own.
    void ApplyVCLStyleColors();
    // The vertical bar while the search footer shows: no line down once the last row is clear of
    // the footer; a scroll to the end brings it clear.
    bool SearchFooterScrollBefore(ui::TMessage& message);
    void SearchFooterScrollAfter(const ui::TMessage& message);
    TIntelliPan IntelliPan = ipVertical;
    TScrollHintType ScrollHints = shNone;
    // Cells whose text holds a blink tag show and hide their text with every tick of the timer.
    bool EnableBlink = false;
    // Scrolling while something is dragged over the grid (DragScrollOptions.Active): called by the
    // drag source on entering, moving over and leaving the grid; Accept is the drag's own answer.
    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void RegisterSelListener(ITGxStringGridSelect* AListener) { selListener_ = AListener; }
    void UnRegisterSelListener(ITGxStringGridSelect*) { selListener_ = nullptr; }
    TDragScrollEvent OnDragScroll;

    // --- rotated cells, scrolling into view, moves and swaps, sort cross-reference, column order,
    // merging by row and text (GxGridMoves.cpp) ----------------------------------------------------------
    void AddRotated(int ACol, int ARow, int AAngle, const std::string& s);
    void SetRotated(int ACol, int ARow, int AAngle);
    void RemoveRotated(int ACol, int ARow);
    bool IsRotated(int ACol, int ARow, int& aAngle);
    void ScrollInView(int ColIndex, int RowIndex);
    // Display indexes; the column-order record and embedded controls follow.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void MoveRows(int FromIndex, int ToIndex, int Count);
    void SwapColumns(int ACol1, int ACol2);  // storage columns
    void SwapRows(int ARow1, int ARow2);     // whole rows, hidden columns' cells included
    // Entry i: the unsorted index of the row now at i; sorting fills it, SortSwapRows keeps it.
    TIntList* SortRowXRef() { return &sortRowXRef_; }
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    std::string UnSortedCells(int i, int j);
    void SetUnSortedCells(int i, int j, const std::string& Value);
    TIntList* ColumnOrder() const { return columnOrder_.get(); }
    void SetColumnOrder();
    void ResetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int ACol);
    std::string OriginalCells(int i, int j);
    void SetOriginalCells(int i, int j, const std::string& Value);
    int ColumnByHeader(const std::string& AValue);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);
    int Swaps = 0;
    int SortRow = -1;

    // Row statistics over display columns fromCol .. toCol (GxGridCalc.cpp).
    double RowSum(int ARow, int fromCol, int toCol);
    double RowAvg(int ARow, int fromCol, int toCol);
    double RowMin(int ARow, int fromCol, int toCol);
    double RowMax(int ARow, int fromCol, int toCol);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double GroupCalcCustomValue(int ACol, int FromRow, int ToRow);
    TColumnCalcEvent OnColumnCalc;
    TColumnCalcEvent OnGroupCalc;

    // --- tree (node) rows (GxGridNodes.cpp): ARow is a real row for AddNode, RemoveNode,
    // ExpandNode, ContractNode and SetSummaryRow, a display row elsewhere ---------------------------------
    TCellNode* CellNode() const { return cellNode_.get(); }
    void AddNode(int ARow, int Span);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool NodeState(int ARow);  // true = contracted
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow);
    int GetNodeSpanType(int ARow);
    bool IsInNodeGlyph(int ARow, int X);
    void SetSummaryRow(int ARow);
    int NumNodes() const { return numNodes_; }
    void InsertNormalRow(int ARow);
    void RemoveNormalRow(int ARow);
    // A row inside the block of ARow's parent node (at ARow + InsertAt; a node row with InsertAt 0
    // gets its first child with its former content); the parent and its ancestors grow.
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);

    // --- cell decorations: Add, Create, Get, Has, Remove per kind (GxGridDecorations.cpp) -----------------
    void AddBitmap(int ACol, int ARow, ui::TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    ui::TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    ui::TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow);
    void RemoveBitmap(int ACol, int ARow);
    void AddIcon(int ACol, int ARow, ui::TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    ui::TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    void AddPicture(int ACol, int ARow, ui::TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                    TCellHAlign hal, TCellVAlign val);
    ui::TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int padding,
                                TCellHAlign hal, TCellVAlign val);
    ui::TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow);
    void RemovePicture(int ACol, int ARow);
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow);
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow);
    void RemoveDataImage(int ACol, int ARow);
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    TIntList* CellImages(int ACol, int ARow);
    void RemoveMultiImage(int ACol, int ARow);
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
    TObject* GetInterfacedCell(int ACol, int ARow);
    void RemoveInterfacedCell(int ACol, int ARow);
    void AddProgress(int ACol, int ARow, ui::TColor FGColor, ui::TColor BKColor);
    void AddProgressEx(int ACol, int ARow, ui::TColor FGColor, ui::TColor FGTextColor, ui::TColor BKColor,
                       ui::TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, ui::TColor FGColor, ui::TColor FGTextColor, ui::TColor BKColor,
                              ui::TColor BKTextColor, const std::string& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow);
    void RemoveProgress(int ACol, int ARow);
    void AddGxProgress(int ACol, int ARow, int Min, int Max);
    void RemoveGxProgress(int ACol, int ARow);
    void AddProgressPie(int ACol, int ARow, ui::TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow);
    void AddRangeIndicator(int ACol, int ARow, int Range, ui::TColor NegColor, ui::TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow);
    void AddColorComment(int ACol, int ARow, const std::string& Comment, ui::TColor Color);
    void AddComment(int ACol, int ARow, const std::string& Comment);
    std::string GetComment(int ACol, int ARow);
    void SetComment(int ACol, int ARow, const std::string& Value);
    bool IsComment(int ACol, int ARow, std::string& comment);
    void RemoveComment(int ACol, int ARow);
    void RemoveAllComments();
    void AddShape(int ACol, int ARow, TCellShape Shape, ui::TColor FillColor, ui::TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, ui::TColor FillColor);
    ui::TColor GetShapeColor(int ACol, int ARow);
    void RemoveShape(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, ui::TColor FillColor, ui::TColor EmptyColor);
    bool HasRating(int ACol, int ARow);
    void RemoveRating(int ACol, int ARow);
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    void RemoveScrollBar(int ACol, int ARow);
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, ui::TBitmap* Glyph,
                      TCellHAlign hal, TCellVAlign val);
    ui::TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                                 TCellVAlign val);
    void SetButtonText(int ACol, int ARow, const std::string& Value);
    std::string GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool push);
    bool HasButton(int ACol, int ARow);
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow);
    void RemoveAllButtons();
    void AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon);
    bool IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon);
    bool HasBalloon(int ACol, int ARow);
    void RemoveBalloon(int ACol, int ARow);
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    bool HasExpand(int ACol, int ARow);
    void RemoveExpand(int ACol, int ARow);

protected:
    // EndUpdate repaints the whole grid, so cells changed under the lock need no repaint of their own.
    bool RepaintsHeld() const override { return updateCount_ != 0; }
    // The editor link and the change notifiers are dropped when they go (GxGridEditLink.cpp).
    void Notification(ui::TComponent* component, ui::TOperation operation) override;
    // Scrolling closes an editor control and re-places the cell controls (GxGridCellControls.cpp).
    void TopLeftChanged() override;
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyUp(unsigned& key, ui::TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void FocusIn() override;
    void FocusOut() override;
    void Click() override;
    void MouseLeave() override;
    // The grid's own per-column state follows a moved column (GxGridInputMouse.cpp).
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void Resize() override;
    // Stretching the stretch column again (GxGridScroll.cpp).
    void ColWidthsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    bool DoMouseWheelDown(ui::TShiftState Shift, ui::TPoint MousePos) override;
    bool DoMouseWheelUp(ui::TShiftState Shift, ui::TPoint MousePos) override;
    void WndProc(ui::TMessage& message) override;
    // Accelerators (GxGridKeysSteps.cpp): only the search footer's buttons answer them; the grid's
    // own child controls are never offered the dialog's characters.
    void HandleDialogChar(ui::TMessage& message);
    bool BroadcastsToChildren(const ui::TMessage& message) const override;
    // The framework's answer, plus characters while typing searches (AutoGotoWhenSorted) or
    // while the cells are not editable.
    unsigned WantKeys() const override;
    // The timer tick of the grid window (identifier 111).
    virtual void HandleTimer();
    // A tick of the drag-scroll timer; false for other timers.
    bool HandleDragScrollTimer(unsigned id);

private:
    friend class TGridItemStrings;
    friend class TGridInput;
    IGridExtras* extras_;
    std::unique_ptr<TGridInput> input_;
    ITGxStringGridSelect* selListener_ = nullptr;
    friend struct GridPaint;
    // RemoveCols' clearing of the columns it removes (GxGridRows.cpp).
    void FreeRemovedCells(int ColIndex, int CCount);
    // The framework's bare row insertion and removal would leave hidden rows, embedded controls and
    // the row flags behind: callers go through InsertRows and the Remove... operations.
    using TBaseGrid::DeleteRowsAt;
    using TBaseGrid::InsertRowsAt;
    // Bulk cores of hiding, showing and removing rows (display rows ascending; record positions
    // ascending).
    void HideDisplayRows(const std::vector<int>& requested, int Level);
    void ShowHiddenItems(const std::vector<int>& positions);
    void CloseRowGaps(const std::vector<int>& rows);
    void RemoveDisplayRows(const std::vector<int>& rows, bool UpdateHidden);
    // Cells and properties by real row.
    TCellProperties* PropsAt(int ACol, int ARow) const;
    TCellProperties* EnsureProps(int ACol, int ARow);
    void RepaintDisplayCell(int realCol, int ARow);
    void RebuildColumnMaps();
    int FindItemIndex(int realRow) const;  // position of the first record with Idx >= realRow
    // Widening ColCount by the hidden columns (so whole rows move) and back.
    void WidenColumns();
    void NarrowColumns();
    // The row flag lists follow removed rows (display rows ascending, with their real rows, which
    // persistent row selection is kept by) and inserted rows (their final display rows ascending).
    void EraseSideListRows(const std::vector<int>& rows, const std::vector<int>& reals, bool Removed);
    void InsertSideListRows(const std::vector<int>& rows, bool Inserted);
    void ClearStoreRows(int From, int Count);
    void UpdateActiveHeadersAfterSelection(const ui::TGridRect& old);
    std::vector<int> FillRange(bool DoFixed) const;
    ui::TGridCoord NormalTopLeft() const;

    // Owned settings objects.
    std::unique_ptr<TFocusHelper> focusHelper_;
    std::unique_ptr<TSearchFooter> searchFooter_;
    std::unique_ptr<TFloatingFooter> floatingFooter_;
    std::unique_ptr<TPrintSettings> printSettings_;
    std::unique_ptr<THTMLSettings> htmlSettings_;
    std::unique_ptr<TSortSettings> sortSettings_;
    std::unique_ptr<TDragDropSettings> dragDropSettings_;
    std::unique_ptr<TDragScrollOptions> dragScrollOptions_;
    std::unique_ptr<TControlLook> controlLook_;
    std::unique_ptr<TNavigation> navigation_;
    std::unique_ptr<TColumnSize> columnSize_;
    std::unique_ptr<TBands> bands_;
    std::unique_ptr<TSizeWhileTyping> sizeWhileTyping_;
    std::unique_ptr<TMouseActions> mouseActions_;
    std::unique_ptr<TGrouping> grouping_;
    std::unique_ptr<THTMLPictureCache> imageCache_;
    std::unique_ptr<TIntList> origColSizes_;
    std::unique_ptr<TIntList> mergedColumns_;
    std::unique_ptr<TSortIndexList> sortIndexes_;
    std::unique_ptr<TBackGround> backGround_;
    std::unique_ptr<TControlList> controlList_;
    std::unique_ptr<TGridProgressAppearance> progressAppearance_;
    std::unique_ptr<TSyncGrid> syncGrid_;
    std::unique_ptr<TFilter> filter_;
    std::unique_ptr<TBalloonSettings> balloon_;
    ui::TToolTip* balloonTip_ = nullptr;  // owned; exists while balloons are set up
    std::unique_ptr<TShowModified> showModified_;
    std::unique_ptr<TIntList> columnOrder_;
    TIntList sortRowXRef_{0, 0};
    std::unique_ptr<TCellNode> cellNode_ = std::make_unique<TCellNode>();
    int numNodes_ = 0;
    TCellGraphic* NodeAt(int ARow);
    TCellGraphic* NodeAtReal(int ARow);
    int NodeBlockEnd(int ARow, int Span);
    void LowerLevels(int d, int Span);
    TCellGraphic* BaseCellGraphic(int ACol, int ARow);
    bool BaseCellIs(int ACol, int ARow, std::initializer_list<TCellType> Kinds);
    TCellGraphic* AddProgressGraphic(int ACol, int ARow, ui::TColor FGColor, ui::TColor BKColor);
    int UnSortedRow(int j) const;
    std::unique_ptr<TCellGraphic> scratchGraphic_;
    std::unique_ptr<TIntList> ignoreColumns_;
    std::unique_ptr<TFilterDropDown> filterDropDown_;
    ui::TFont cellFont_;
    ui::TFont fixedFont_;
    ui::TFont activeCellFont_;
    ui::TBitmap rowIndicator_;
    rtl::TStringList columnHeaders_;
    rtl::TStringList rowHeaders_;
    rtl::TStringList sortList_;
    rtl::TStringList lookupItems_;
    rtl::TStringList filterList_;
    std::array<ui::TColor, TControlLook::kFixedColorCount> fixedGradients_{};

    // Owned child controls (owned as components; freed with the grid).
    TFooterPanel* footerPanel_ = nullptr;
    TSearchPanel* searchPanel_ = nullptr;
    TDropList* filterDropList_ = nullptr;
    TDropCheckList* filterCheckList_ = nullptr;
    THeaderDragButton* headerDragButton_ = nullptr;
    TGridFocusWindow* focusWindow_ = nullptr;
    std::array<TArrowWindow*, 4> arrowWindows_{};
    int oleDragCol_ = -1, oleDragIndex_ = -1;  // OleColumnDragStart
    ui::TListBox* oleDragList_ = nullptr;
    std::array<ui::TScrollBar*, 2> scrollBars_{};
    bool useVCLStyles_ = false;
    bool propV_ = false, propH_ = false;           // the window bars hold proportional ranges
    int cellScrollCol_ = -1, cellScrollRow_ = -1;  // the cell the in-cell scroll bar serves
    TGxStyle style_ = TGxStyle::tsWindowsXP;
    TColorTones tones_;
    TOfficeTheme oldOfficeTheme_ = TOfficeTheme::otUnknown;
    bool scrollUpdating_ = false;

    // Hidden columns: visibility by real column, saved widths, and the two mappings.
    std::array<bool, kMaxHiddenColumns + 1> visibleCol_{};
    std::array<int, kMaxHiddenColumns + 1> allColWidths_{};
    std::vector<int> realToDispl_;  // real column -> display column (a hidden one: the next shown)
    std::vector<int> displToReal_;  // display column -> real column
    int numHiddenColumns_ = 0;
    // Hidden rows, ascending by Idx.
    std::vector<std::unique_ptr<TGridItem>> gridItems_;
    int filterLevel_ = 0;

    // Selection models and row flags.
    std::vector<std::uint8_t> rowSelect_;
    std::vector<std::uint8_t> colSelect_;
    std::vector<int> selectedRows_;
    std::vector<ui::TGridCoord> selectedCells_;
    std::set<std::pair<int, int>> selectedCellSet_;
    std::vector<std::uint8_t> modifiedRows_;
    std::vector<std::uint8_t> disabledRows_;
    bool useEnabledRows_ = false;
    bool selChange_ = false;
    bool selectionHidden_ = false;
    ui::TGridRect savedSelection_{};

    // Dimensions.
    bool fixedRowAlways_ = false;
    bool fixedColAlways_ = false;
    int minFixedRows_ = 1;
    int minFixedCols_ = 1;
    int maxRowCount_ = 10;
    int maxColCount_ = 0;
    int fixedFooters_ = 0;
    int fixedRightCols_ = 0;
    int fixedRowHeight_ = 22;
    int updateCount_ = 0;

    // Looks and state.
    THAlignment defaultAlignment_ = THAlignment::taLeftJustify;
    TVAlignment vAlignment_ = vtaTop;
    unsigned vAlignFlag_ = 0;
    bool autoSize_ = false;
    bool flat_ = false;
    int maxEditLength_ = 0;
    bool showSelection_ = true;
    int selectionColorMixerFactor_ = 50;
    bool spreadSheet_ = false;
    ui::TColor highlightColor_ = ui::clHighlight;
    ui::TColor highlightTextColor_ = 0xFF00000E;
    ui::TColor urlColor_ = 0xFF0000;
    bool urlShow_ = false;
    bool urlShowInText_ = false;
    bool urlFull_ = false;
    ui::TPoint xyOffset_{2, 2};
    bool autoThemeAdapt_ = false;
    TScrollBarAlways scrollBarAlways_ = saNone;
    bool showDesignHelper_ = true;
    int zoomFactor_ = 0;
    int numCellControls_ = 0;
    ui::TCursor restoreCursor_ = 0;
    TEditorType currentEditor_ = edNormal;
    int lastRowUpdate_ = -1;
    std::array<int, kMaxHiddenColumns> printColWidths_{};
    std::array<int, kMaxHiddenColumns> printColOffsets_{};
    bool loaded_ = false;
    bool editChange_ = false;
    unsigned gridTimerId_ = 0;
    int gridTimerTicks_ = 0;
    ui::TCustomForm* ownerForm_ = nullptr;
    // Inplace editing (GxGridEdit*.cpp).
    friend class TGxInplaceEdit;
    friend class TGridCombo;
    friend class TGridCheckBox;
    friend class TGridSpin;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    friend class TGridButton;
    friend class TControlEdit;
    friend class TControlCombo;
    friend class TEditLink;
    friend class DIzuReriVoru;
    void ShowLinkEditor(int ACol, int ARow, const std::string& EditText);
    void HideLinkEditor(int RealCol, int ARow);
    // Validates the link's value; when accepted stores it and ends the edit (false: refused, reopened).
    bool StoreLinkValue(TEditLink* Link);
    void NotifyCellsChanged(const ui::TRect& R);
    TEditLink* editLink_ = nullptr;
    std::vector<TGridChangeNotifier*> notifiers_;
    void HandleEditDoneMessage(ui::TMessage& message);
    void CommitWalk(unsigned Key, ui::TShiftState Shift);
    std::string EditorControlText();
    TGridEditState edit_;
    TGridCombo* editCombo_ = nullptr;
    TGridEditBtn* editBtn_ = nullptr;
    TGridUnitEditBtn* unitEditBtn_ = nullptr;
    TGridCheckBox* editCheck_ = nullptr;
    TGridButton* gridButton_ = nullptr;
    TGridTransEdit* editTrans_ = nullptr;
    TGridTransCombo* comboTrans_ = nullptr;
    TControlEdit* controlEdit_ = nullptr;
    TControlCombo* controlCombo_ = nullptr;
    ui::TPoint ctrlXY_{-1, -1};
    std::string ctrlID_;
    std::string ctrlType_;
    bool ctrlEditing_ = false;
    // The layout rectangle of a cell's HTML text, as the painter lays it out.
    ui::TRect CellControlLayoutRect(int ACol, int ARow);
    TGridSpin* editSpin_ = nullptr;
    TGridDatePicker* editDate_ = nullptr;
    TGridDateTimePicker* editDateTime_ = nullptr;
    ui::TWinControl* editCtrl_ = nullptr;
    std::unique_ptr<IGridDropDownEditors> dropDownEditors_;
    void ShowDropDownEditor(int ACol, int ARow);
    void HideDropDownEditor(int ARealCol, int ARow);
    DIzuReriVoru* inplaceRich_ = nullptr;
    DIzuReriVoru* rich_ = nullptr;
    std::string richOriginal_;  // the cell's text when the rich edit opened; Escape puts it back
    bool richRestore_ = false;
    void ShowRichEditor(int ACol, int ARow);
    // The steps of ShowEditorControl (GxGridEditSwitch.cpp): each places and fills the control of
    // its kinds over the cell rectangle R and gives it back.
    void PlaceEditorControl(ui::TWinControl* Control, const ui::TRect& R);
    ui::TWinControl* ShowSpinControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText);
    ui::TWinControl* ShowComboControl(int ACol, int ARow, const ui::TRect& R, const std::string& EditText);
    // The item a drop-down list starts on; Fallback when no item matched and the first is taken.
    int ComboListStartIndex(int RealCol, int ARow, const std::string& EditText, bool& Fallback);
    TGridDatePicker* ShowDateControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText);
    ui::TWinControl* ShowUnitControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText);
    void ShowDateAndTimeControl(int RealCol, int ARow, const ui::TRect& R, const std::string& EditText);
    // The steps of GetVisualProperties (GxGridPaintVisual.cpp), on the look it gives back.
    struct TCellLook {
        ui::TGridDrawState& State;
        ui::TBrush* Brush;
        ui::TColor& ColorTo;
        ui::TColor& MirrorColor;
        ui::TColor& MirrorColorTo;
        ui::TFont* Font;
    };
    // The cell's own colours and font; true when it gives the cell a colour of its own.
    bool ApplyCellPropertiesLook(int RCol, int ARow, const TCellLook& L, bool& WW, TCellGradientDirection& GD);
    void ApplyDefaultCellColor(int ACol, int ARow, bool Print, ui::TBrush* ABrush);
    void ApplyFixedCellLook(bool Print, const TCellLook& L);
    // The selection colours by the selection model; Live: a cell shown with a live selection.
    void ApplySelectionLook(int ACol, int ARow, int RRow, bool Live, bool Normal, const TCellLook& L);
    void HideRichEditor(int ARealCol, int ARow);
    std::function<void(TObject*)> formResizeBefore_;
    int formWidth_ = 0;
    int formHeight_ = 0;
};

}  // namespace gx
