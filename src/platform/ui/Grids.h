#pragma once
// The framework's grid controls: TCustomGrid (dimensions, sizes, current cell, selection, scrolling,
// hit-testing, keyboard and mouse navigation, the inplace editor protocol and the paint loop),
// TCustomDrawGrid (the drawing and selection events) and TStringGrid (sparse per-cell texts and
// objects). Everything works without a native window; painting goes through Canvas().
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/GridsAxis.h"
#include "platform/ui/StdCtrls.h"

namespace ui {

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A cell range, bounds included on every side.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = unsigned;

enum TGridDrawStateFlag : unsigned {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
    gdRowSelected = 1u << 3,
    gdHotTrack = 1u << 4,
    gdPressed = 1u << 5,
};
using TGridDrawState = unsigned;

enum class TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Raised for refused grid dimensions ("Grid index out of range" and the fixed-count texts).
class EInvalidGridOperation : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

class TCustomGrid;

// The text editor a grid shows over its current cell.
class TInplaceEdit : public TCustomEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);
    TCustomGrid* Grid() const { return grid_; }
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& v) { editMask_ = v; }
    // Moves the editor over the grid's current cell, shows it and takes the focus.
    void Move(const TRect& r);
    // Reloads text, mask and limit from the grid.
    void UpdateContents();

protected:
    friend class TCustomGrid;
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Change() override;

private:
    TCustomGrid* grid_ = nullptr;
    std::string editMask_;
    std::string openedText_;  // the text the editor opened with, put back by Escape
};

// The largest column or row count a grid accepts.
constexpr int kMaxGridCount = 1 << 24;

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // Dimensions. A count below 1 is taken as 1; a count that does not exceed the fixed count
    // lowers the fixed count to count - 1 first; a count above kMaxGridCount is refused with
    // "Grid index out of range" before anything is allocated.
    int ColCount() const { return colCount_; }
    void SetColCount(int v);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int v);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int v);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int v);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor v);

    // Sizes. Setting a default size gives it to every column (row).
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int v);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int v);
    int ColWidths(int i) const;
    void SetColWidths(int i, int v);
    int RowHeights(int i) const;
    void SetRowHeights(int i, int v);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int v);
    int GridWidth() const;  // fixed columns plus the visible ones
    int GridHeight() const;
    // Room the columns (rows) before the index take: widths (heights) plus their lines; an index
    // of size 0 takes none. In O(log n).
    std::int64_t ColumnOffset(int ACol) const { return colWidths_.Offset(ACol); }
    std::int64_t RowOffset(int ARow) const { return rowHeights_.Offset(ARow); }

    // Count rows (columns) of the default size inserted before index At (At = RowCount appends),
    // or removed from At on, with their sizes; the store of a descendant follows through
    // RowsInserted/RowsDeleted (ColsInserted/ColsDeleted). The current cell, the anchor and the
    // top-left cell are kept inside the grid. Removing never leaves fewer than one row (column).
    void InsertRowsAt(int At, int Count);
    void DeleteRowsAt(int At, int Count);

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions v);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);

    // Current cell and selection. Setting Col or Row moves the current cell and the selection
    // anchor, scrolls the cell into view and asks SelectCell first.
    int Col() const { return current_.X; }
    void SetCol(int v) { FocusCell(v, current_.Y, true); }
    int Row() const { return current_.Y; }
    void SetRow(int v) { FocusCell(current_.X, v, true); }
    TGridCoord Anchor() const { return anchor_; }
    TGridRect Selection() const;
    void SetSelection(const TGridRect& r);
    // Puts the current cell and the anchor on the cell just past the last column and row, so that
    // no cell is selected; the next move or count change brings them back inside.
    void MoveSelectionOutside();
    // Moves the current cell; MoveAnchor also moves the anchor (else the selection grows).
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor);

    // Scrolling.
    int LeftCol() const { return topLeft_.X; }
    void SetLeftCol(int v);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int v);
    void MoveTopLeft(int ALeft, int ATop);
    int VisibleColCount() const;  // scrollable columns wholly in view (at least 1 when any)
    int VisibleRowCount() const;
    void ScrollInView(int ACol, int ARow);
    // The first scrollable column (row) of the last page: scrolling further shows nothing new.
    int MaxLeftCol() const;
    int MaxTopRow() const;
    // Scroll-bar messages (WM_HSCROLL / WM_VSCROLL codes): a line moves one drawn column or row, a
    // page by what is in view, the thumb to its position (while tracking only with goThumbTracking).
    void ScrollBarMessage(int bar, unsigned code, int pos);
    // Shows the window's scroll bars (as ScrollBars allows) where the columns or rows do not fit and
    // keeps their range and thumb in step with the top-left cell. Runs before each paint of a grid
    // with a native window, so headless grids keep their whole client area. A descendant with
    // scroll bars of its own replaces it.
    virtual void UpdateScrollBars();

    // Geometry in client coordinates. A cell out of view answers an empty rectangle.
    TRect CellRect(int ACol, int ARow) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;  // -1, -1 outside cells
    TGridCoord MouseCoord(int X, int Y) const;
    TGridState GridState() const { return gridState_; }

    void InvalidateCell(int ACol, int ARow);
    void InvalidateCol(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGrid() { Invalidate(); }
    void InvalidateRect(const TRect& r);
    // Number of cell or rectangle invalidations since creation (lets tests see repaint requests).
    int CellInvalidateCount() const { return cellInvalidateCount_; }

    // Rows and columns moved with their sizes; fire ColumnMoved / RowMoved.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);

    // The inplace editor.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool v);
    TInplaceEdit* InplaceEditor() const { return editor_; }
    // Descendants that show editors of their own (combo, check box, pickers) take these over.
    virtual void ShowEditor();
    virtual void ShowEditorChar(char32_t Ch);
    virtual void HideEditor();
    void UpdateEditor();
    void InvalidateEditor();

    void Paint() override;
    bool BiDiRightToLeft() const { return false; }
    bool UseRightToLeftAlignment() const { return false; }

    // Overridable steps.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual bool SelectCell(int ACol, int ARow);
    virtual void TopLeftChanged();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    // Rows were inserted or removed at an index (after the counts changed).
    virtual void RowsInserted(int At, int Count);
    virtual void RowsDeleted(int At, int Count);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    // Inplace editor queries and store.
    virtual bool CanEditShow();
    virtual bool CanEditModify() { return true; }
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual int GetEditLimit() { return 0; }
    virtual std::string GetEditMask(int ACol, int ARow);
    virtual TInplaceEdit* CreateEditor();
    // The grid's window comes into being: runs once, when the grid first gets a parent.
    virtual void CreateWnd() {}
    void SetParent(TWinControl* parent) override;

protected:
    friend class TInplaceEdit;
    void KeyDown(unsigned& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void Resize() override;
    void Loaded() override;
    unsigned WantKeys() const override;
    void WndProc(TMessage& message) override;

    // Column (row) whose right (bottom) border lies within 3 pixels of the client coordinate, in
    // the fixed area; -1 when none.
    int ColBorderAt(int X) const;
    int RowBorderAt(int Y) const;
    // Descendants end or start a selecting or sizing state of their own mouse handling.
    void SetGridState(TGridState v) { gridState_ = v; }
    // Draws the default background and grid lines of a cell (when DefaultDrawing).
    void DrawCellDefault(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // True while a descendant holds its repaints back and repaints the whole grid when it lets go:
    // single cells are then not invalidated (nor their rectangles computed).
    virtual bool RepaintsHeld() const { return false; }

private:
    // The layout of one axis: sizes, count, fixed count, first scrollable index in view, line
    // width, client extent and default size.
    struct Axis {
        const GridAxisSizes& sizes;
        int count;
        int fixed;
        int first;
        int line;
        int extent;
        int defaultSize;
    };
    Axis ColAxis() const;
    Axis RowAxis() const;
    static int SizeAt(const Axis& a, int i);
    static bool StoreSize(GridAxisSizes& sizes, int i, int v);  // false when unchanged
    static int FixedExtent(const Axis& a);
    // The next index at or after i that is drawn (has a size), count when none.
    static int NextDrawn(const Axis& a, int i) { return a.sizes.NextWithRoom(i); }
    static int Leading(const Axis& a, int i);  // -1 when out of view
    static int VisibleCount(const Axis& a);
    static int Span(const Axis& a);
    static int ScrollTarget(const Axis& a, int i);  // first index that brings i wholly into view
    static int IndexAt(const Axis& a, int pos);
    static int BorderAt(const Axis& a, int pos);
    static int LastPageFirst(const Axis& a);
    // The drawn index before i (a.fixed when there is none).
    static int PrevDrawn(const Axis& a, int i);

    void ClampCurrent();
    int ColumnLeft(int ACol) const;  // -1 when out of view
    int RowTop(int ARow) const;
    void UpdateEditorPosition();

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    GridAxisSizes colWidths_;
    GridAxisSizes rowHeights_;
    TColor fixedColor_ = clBtnFace;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    bool defaultDrawing_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridCoord topLeft_{1, 1};
    TGridState gridState_ = TGridState::gsNormal;
    int sizingIndex_ = -1;
    int sizingStart_ = 0;
    int movingFrom_ = -1;
    bool editorMode_ = false;
    TInplaceEdit* editor_ = nullptr;
    int cellInvalidateCount_ = 0;
    bool windowCreated_ = false;
    bool updatingScrollBars_ = false;
};

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;

// The grid with its drawing, selection and editing events.
class TCustomDrawGrid : public TCustomGrid {
public:
    explicit TCustomDrawGrid(TComponent* AOwner);

    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    std::string GetEditMask(int ACol, int ARow) override;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TGetEditEvent OnGetEditMask;
};

class TStringGrid;

// Typed data a grid descendant keeps per cell beside the text and the user object. The cell owns
// it and it travels with the cell when rows or columns move; neither Objects nor the row and
// column views can reach it.
class CellExtension : public TObject {
public:
    CellExtension() = default;
    CellExtension(const CellExtension&) = delete;
    CellExtension& operator=(const CellExtension&) = delete;
};

// The user object and the extension of a cell. Both are rare, so a row keeps them apart from its
// texts, only for the cells that have one: a cell that holds text alone costs its text.
struct CellSide {
    TObject* Object = nullptr;  // the user object, not owned
    std::unique_ptr<CellExtension> Extension;
};
// One stored cell of a string grid: its text.
struct GridCell {
    std::string Text;
};
// A stored row: its cells by column (a row may be shorter than the column count: missing cells
// read empty), their user objects and extensions, and one small number of the descendant's (Tag)
// that travels with the row wherever the row goes. Columns come and go through InsertColumns,
// DeleteColumns and MoveColumn, which keep each cell's object and extension with its text.
class GridRowCells : public std::vector<GridCell> {
public:
    int Tag = 0;

    TObject* Object(std::size_t Col) const;
    CellExtension* Extension(std::size_t Col) const;
    void SetObject(std::size_t Col, TObject* Value);
    // Stores Value as the cell's extension and hands back the one it replaces, for the caller to
    // destroy once the store is consistent again.
    std::unique_ptr<CellExtension> SetExtension(std::size_t Col, std::unique_ptr<CellExtension> Value);
    std::unique_ptr<CellExtension> TakeExtension(std::size_t Col) { return SetExtension(Col, nullptr); }
    // Whether some cell of the row has an object or an extension.
    bool HasSides() const { return sides_ && !sides_->empty(); }
    // Bytes the sides take, for memory accounting.
    std::size_t SideBytes() const;

    // Count empty cells come in before column At.
    void InsertColumns(std::size_t At, std::size_t Count);
    // The cells from At on move Count places to the left; the extensions of the removed cells are
    // handed over in Removed.
    void DeleteColumns(std::size_t At, std::size_t Count, std::vector<std::unique_ptr<CellExtension>>& Removed);
    // The cell at From moves to To, the cells between shift by one (the row grows to hold both).
    void MoveColumn(std::size_t From, std::size_t To);

private:
    struct Side {
        std::size_t Col;
        CellSide Data;
    };
    using Sides = std::vector<Side>;  // by column
    Side* FindSide(std::size_t Col) const;
    CellSide& EnsureSide(std::size_t Col);
    void DropSideIfEmpty(std::size_t Col);

    std::unique_ptr<Sides> sides_;
};

// A live view of one row or column of a string grid as a string list: reading and writing an entry
// reads and writes the cell. Its count is the grid's column (row) count.
class TStringGridStrings : public rtl::TStrings {
public:
    TStringGridStrings(TStringGrid* grid, bool isRow, int index) : grid_(grid), isRow_(isRow), index_(index) {}
    int GetCount() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    // Entries are cells, so the list cannot grow or shrink: Insert and Delete are refused,
    // Add writes the first empty cell after the last used one, Clear empties every cell.
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    // Copies the source's entries (texts and objects) into the cells from the first; cells after
    // the source's last entry up to the count are emptied.
    void Assign(const rtl::TStrings& source) override;

private:
    int Coord(int i, int& c, int& r) const;
    TStringGrid* grid_;
    bool isRow_;
    int index_;
};

// The grid of texts: one text, one user object reference and one owned extension per cell, kept
// sparsely; cells beyond the current column or row count keep their contents, so lowering and
// raising a count brings them back. The row and column views go through Objects and SetObjects,
// so a descendant that keeps the user object elsewhere overrides those two.
class TStringGrid : public TCustomDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    std::string Cells(int ACol, int ARow) const;
    // The stored text itself, for readers that need no copy; valid until the cell or the store
    // changes (an empty text for a cell that holds nothing).
    const std::string& CellText(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string& Value);
    virtual TObject* Objects(int ACol, int ARow) const;
    virtual void SetObjects(int ACol, int ARow, TObject* Value);
    // Row and column views; a new row (column) list is made on first use and kept.
    TStringGridStrings* Rows(int ARow);
    TStringGridStrings* Cols(int ACol);
    void SetRows(int ARow, const rtl::TStrings& Value) { Rows(ARow)->Assign(Value); }
    void SetCols(int ACol, const rtl::TStrings& Value) { Cols(ACol)->Assign(Value); }

    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;

    // Bytes held by the cell store (texts, objects and the row tables), for memory accounting.
    std::size_t CellStoreBytes() const;
    // One past the largest column and row the store has ever held a cell for (cells beyond the
    // current counts included).
    void StoredExtent(int& Cols, int& Rows) const;

protected:
    // Raw storage access without the invalidation of SetCells.
    const std::string* FindCellText(int ACol, int ARow) const;
    // The stored cell (nullptr when the store holds none there).
    const GridCell* FindCell(int ACol, int ARow) const;
    // The cell's extension (nullptr when it has none).
    CellExtension* CellExtensionAt(int ACol, int ARow) const;
    // Stores Value as the cell's extension, destroying the one it replaces; false (Value
    // destroyed, nothing stored) for an index the store refuses.
    bool SetCellExtension(int ACol, int ARow, std::unique_ptr<CellExtension> Value);
    // Takes the cell's extension out of the store.
    std::unique_ptr<CellExtension> TakeCellExtension(int ACol, int ARow);
    // The stored row's tag (0 for a row that holds nothing); setting 0 on such a row stores nothing,
    // and an index the store refuses is ignored.
    int StoreRowTag(int ARow) const;
    void SetStoreRowTag(int ARow, int Value);
    // Adds Delta to the tags of the rows From up to (not including) To.
    void AddStoreRowTags(int From, int To, int Delta);
    // Destroys every extension in the store, cells beyond the current counts included. Each one is
    // taken out of its cell before it is destroyed, so its destructor finds the store consistent.
    void DestroyCellExtensions();

    // Whole stored rows: Extract leaves the row empty and hands its cells over (nullptr for a row
    // that holds nothing); Place puts cells into an empty or filled row, destroying what it held.
    std::unique_ptr<GridRowCells> ExtractStoreRow(int ARow);
    void PlaceStoreRow(int ARow, std::unique_ptr<GridRowCells> Cells);
    // Reorders the stored rows from Left on in one step: the row at Left + k afterwards is the one
    // that was at Order[k] (Order a permutation of Left .. Left + size - 1).
    void PermuteStoreRows(int Left, const std::vector<int>& Order);
    // Stored columns of every stored row shift: Count empty cells come in before column At, or
    // the cells from At on move Count places to the left (the removed cells are destroyed).
    void InsertStoreColumns(int At, int Count);
    void DeleteStoreColumns(int At, int Count);

    // The stored rows follow the framework's row insertion and removal.
    void RowsInserted(int At, int Count) override;
    void RowsDeleted(int At, int Count) override;

private:
    using CellData = GridCell;
    using RowData = GridRowCells;
    CellData* Find(int ACol, int ARow);
    const CellData* Find(int ACol, int ARow) const;
    // The row of a stored cell (nullptr when the store holds no cell there).
    RowData* FindRow(int ACol, int ARow) const;
    CellData& Ensure(int ACol, int ARow);
    RowData& EnsureRow(int ARow, std::size_t Reserve);

    // Owning (freed by the destructor); plain pointers, so that inserting or removing rows moves the
    // whole block at once.
    std::vector<RowData*> rows_;
    std::unordered_map<int, std::unique_ptr<TStringGridStrings>> rowViews_;
    std::unordered_map<int, std::unique_ptr<TStringGridStrings>> colViews_;
};

}  // namespace ui
