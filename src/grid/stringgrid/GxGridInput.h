// TGridInput: the keyboard, mouse, wheel, panning, scroll-hint and focus handling of a
// TGxStringGrid. The grid owns one and hands it its window messages and the framework's input
// methods; it keeps the state that lives from one key or press to the next. Split by concern:
// GxGridInputKeys.cpp (key down and up, characters, Enter advance, Tab), GxGridInputMouse.cpp
// (presses, releases, double and right clicks, moving, sizing), GxGridMouseCells.cpp (node glyphs,
// radio groups, rating stars, links), GxGridMouseDrag.cpp (fixed sizing, the selection resizer and
// moves and their marks, fixed cells' editors and button), GxGridInputWheel.cpp (wheel,
// panning, scroll messages and hints, the timer), GxGridInputFocus.cpp (validation, focus, hints).
#pragma once

#include <string>

#include "grid/stringgrid/GxGridTypes.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Messages.h"

namespace gx {

class THTMLHintWindow;

class TGxStringGrid;
struct THTMLDrawResult;

// The grid's own pointers in the screen's cursor table (GxGridCursors.cpp): rows, columns, all
// cells. GridSelectCursor registers them on first use and answers the one of a selection mode.
constexpr ui::TCursor kRowCursor = 8010;
constexpr ui::TCursor kColumnCursor = 8011;
constexpr ui::TCursor kAllCursor = 8012;
ui::TCursor GridSelectCursor(TMouseSelectMode mode);
// The pan pointers: 8000 at rest, 8001 … 8008 towards down, left, right, up, up-right, up-left,
// down-right and down-left. PanCursor registers them on first use and answers the one of a
// direction (dx, dy each -1, 0 or 1).
constexpr ui::TCursor kPanCursor = 8000;
ui::TCursor PanCursor(int dx, int dy);

class TGridInput {
public:
    explicit TGridInput(TGxStringGrid& grid) : g_(grid) {}

    // --- keys (GxGridInputKeys.cpp) ---
    // The grid's own key-down rules before the framework's; true when the key was used up.
    bool KeyDownMessage(unsigned& key, ui::TShiftState shift);
    void KeyDown(unsigned& key, ui::TShiftState shift);  // around the framework's moves
    void KeyUp(unsigned& key, ui::TShiftState shift);
    void KeyPress(char32_t& key);
    // Moves on after Enter by the advance direction; one bounded pass over cells that may not be
    // edited. Runs only with AdvanceOnEnter or Force.
    void AdvanceCell(int ACol, int ARow, bool StartEdit, bool Forward, bool Force);
    // Tab and Shift+Tab inside the grid; false when the Tab was handed to the parent.
    bool HandleTabKey(bool Backward);
    bool CanTabToCell(int ACol, int ARow);
    int FirstTabCol(int ARow);
    int LastTabCol(int ARow);
    int FirstNormalCol();
    int LastNormalCol();  // the last column before the shown fixed right columns
    int LastNormalRow();
    bool IsLastNormalRow();

    // --- mouse (GxGridInputMouse.cpp) ---
    // The button messages of the grid's window: the grid's rules around the framework's handling
    // (which each of them runs where it applies).
    void LeftButtonDown(ui::TMessage& m);
    void LeftButtonUp(ui::TMessage& m);
    void LeftDoubleClick(ui::TMessage& m);
    void RightButtonDown(ui::TMessage& m);
    void MouseMove(ui::TMessage& m);
    void MouseLeave();
    void UpdateCursor(int X, int Y);
    // The marks painted over the cells: drop arrows of a move, the sizing line of a fixed column or
    // row, the pan origin (GxGridMouseDrag.cpp).
    void PaintOverlay(ui::TCanvas& canvas);
    // The drop target of a column (X) or row (Y) being moved; -1 for none.
    ui::TPoint MoveMark() const { return moveMark_; }
    // Where the pan origin is drawn; empty while not panning.
    ui::TRect PanOriginRect() const;

    // --- wheel, panning, scrolling, timer (GxGridInputWheel.cpp) ---
    // The wheel message; true when it was handled (it then does not reach the framework).
    bool Wheel(int Delta, ui::TShiftState shift, ui::TPoint pt);
    void StartPanning(int X, int Y);
    void StopPanning();
    void PanStep();
    bool Panning() const { return panning_; }
    void ScrollMessage(ui::TMessage& message);
    void Timer();
    void RepaintBlinkingCells();
    std::string ScrollHintText() const { return scrollHintShown_ ? scrollHint_ : std::string(); }
    // The grid's HTML hint window of the sizing and scroll hints (created on first use).
    THTMLHintWindow* HintWindow() const { return hintWindow_; }

    // --- stretching and drag scrolling (GxGridScroll.cpp) ---
    void DragOver(int X, int Y, TDragState State);
    void DragScrollTick();
    bool DragScrolling() const { return dragScrollTimer_; }
    bool stretching = false;     // a stretch of the stretch column is running
    bool stretchAllowed = true;  // width changes may stretch again

    // --- focus and validation (GxGridInputFocus.cpp) ---
    void RememberOldCell(int ACol, int ARow);
    bool ValidateCell(const std::string& NewValue);
    void FocusIn();
    void FocusOut();
    void Enter();
    void Exit();
    void Click();

    // State other concerns read or set; the edit and validation state is the grid's (EditState()).
    std::string searchInc;
    int searchTics = 0;
    char32_t startEditChar = 0;

private:
    TGxStringGrid& g_;
    void FireKeyDown(unsigned key, ui::TShiftState shift);
    void FireKeyPress(char32_t& key);
    bool HomeEnd(unsigned key, ui::TShiftState shift);
    bool SkipFixed(unsigned key);
    void AppendRowOnArrowDown();
    bool InsertRowKey();
    bool DeleteRowKey();
    void SelectAllNormal();
    void ToggleCheckKey(int realCol);
    // Page, arrow, Home and End keys that scroll without moving the current cell.
    void ScrollOnlyKey(unsigned key);
    // Space or Enter on a check box, radio or button cell: toggles, picks or clicks it.
    void ControlCellKey(unsigned key, int realCol, int row, bool editing);
    void SelectionChangedSince(const ui::TGridRect& before);
    // Key-down steps of GxGridKeysSteps.cpp.
    bool ClipboardKey(unsigned& key, ui::TShiftState shift);
    void NodeKey(unsigned key);
    bool RowSelectLeftRight(unsigned key, ui::TShiftState shift);
    void RadioSpace(int realCol, bool canEdit);
    void SearchFocusKey(unsigned key, ui::TShiftState shift);
    bool SearchFooterKeyBefore(unsigned key, ui::TShiftState shift);
    void SearchFooterKeyAfter(unsigned key);
    bool EditOnEnterOrF2(unsigned& key, ui::TShiftState shift);
    void DisjunctSelectAfterMove(ui::TShiftState shift);
    int footerTop_ = -1;  // the top row a key other than a move keeps while the search footer shows
    int keepLeft_ = -1;   // the left column Up, Down and the page keys keep (KeepHorizScroll)
    bool TabStep(bool Backward);
    bool CheckBoxPress(ui::TMessage& m, int X, int Y, int ACol, int ARow);
    bool RangeEditPress(ui::TMessage& m, int ACol, int ARow);
    void HeaderClickSort(int ACol, int ARow, ui::TShiftState shift);
    void DisjunctCellKeyUp(unsigned key, ui::TShiftState shift, const ui::TGridRect& remembered);
    void FixedCellSelect(int ACol, int ARow, bool shift);
    void DragFixedSelect(int ACol, int ARow);
    TMouseSelectMode SelectModeAt(int X, int Y, int ACol, int ARow);
    int mouseSelectStart_ = -1;  // the row (column) a selection by the fixed cells started from
    // Presses on cells that act by themselves (GxGridMouseCells.cpp).
    bool NodePress(ui::TShiftState shift, int X, int Y, int ACol, int ARow);
    bool RadioGroupPress(int X, int Y, int ACol, int ARow);
    bool RatingPress(int X, int ACol, int ARow);
    bool LinkPress(int X, int Y, int ACol, int ARow);
    bool LinkCursor(int X, int Y, int ACol, int ARow);
    // The link under the mouse: OnAnchorEnter/OnAnchorExit, its hint and, with
    // URLUnderlineOnHover, the underline of the hovered link only.
    void AnchorHover(int X, int Y, int ACol, int ARow);
    std::string hoverAnchor_;           // the link the mouse is over
    ui::TPoint hoverLinkCell_{-1, -1};  // the cell drawn with its hovered link underlined
    bool ControlPress(int ACol, int ARow, const THTMLDrawResult& hit);
    bool allNodesContracted_ = false;  // the header glyph's last choice with NodeAllExpandContract
    // Dragging, fixed cells and the painted marks (GxGridMouseDrag.cpp).
    int FixedBorderAt(bool Cols, int Pos);
    int FixedStart(bool Cols, int Index);
    bool FixedSizingMove(int X, int Y);
    bool FixedSizingPress(int X, int Y);
    bool FixedSizingRelease(int X, int Y);
    void ShowSizeHint(bool Column, int Size, int ACol, int ARow);
    void HideSizeHint();
    bool OnResizer(int X, int Y);
    bool ResizerPress(int X, int Y);
    bool ResizerRelease();
    void MoveVisualsUpdate(int X, int Y);
    bool FooterTakesRow(int ARow);
    void ClearMoveMark();
    bool RowMoveRelease(ui::TMessage& m, int Y);
    void ColumnMoveRelease();
    bool moveAllowed_ = true;  // the drop target under the mouse takes the moved column or row
    bool IsHoverFixedCell(int ACol, int ARow) const;
    bool FixedDropDownPress(int X, int ACol, int ARow);
    bool FixedEditPress(TGridFixedCellEdit Click, int X, int Y, int ACol, int ARow);
    bool DisjunctCellRelease(ui::TShiftState shift, int ACol, int ARow);
    // The filter drop-down list of the filter row (GxGridMouseFilter.cpp).
    bool FilterListRelease(int X, int Y);
    void OpenFilterList(int ACol, int ARow, int RealCol);
    void DropSelectedCells();
    void PaintPanOrigin(ui::TCanvas& canvas);
    int sizeFixedCol_ = -1, sizeFixedRow_ = -1;      // the fixed border under the mouse
    int sizingFixedCol_ = -1, sizingFixedRow_ = -1;  // the fixed column or row being sized
    int sizeFixedPos_ = 0;                           // where its sizing line is
    bool resizing_ = false;                          // the selection resizer is dragged
    ui::TGridRect dropSelection_{};                  // the selection the resizer copied
    ui::TPoint moveMark_{-1, -1};
    bool noMouseLeave_ = false;  // the fixed cell of an open drop-down menu keeps its hover look
    void Inherited(ui::TMessage& m);

    ui::TGridRect moveSelection_{};
    ui::TPoint lastKeyCell_{-1, -1};
    int lastTabCol_ = -1, lastTabRow_ = -1;
    // Mouse.
    bool doOnClick_ = false;
    bool dblClk_ = false;
    bool sizing_ = false;  // a column border drag in the header started on this press
    int sizingCol_ = -1;
    int sizingStartWidth_ = 0;
    int sizingRow_ = -1;  // a row border drag in the fixed columns started on this press
    int sizingStartHeight_ = 0;
    int downCol_ = -1, downRow_ = -1;
    ui::TPoint pushedButton_{-1, -1};
    ui::TGridRect pressSelection_{};  // the selection before the press (or the last drag step)
    // Wheel and panning.
    bool panning_ = false;
    ui::TPoint panOrigin_{};
    ui::TCursor panPrevCursor_ = 0;
    // Drag scrolling: the directions of the last drag position; the timer runs while not empty.
    TDragScrollDirections dragScrollDirs_ = 0;
    bool dragScrollTimer_ = false;
    void StopDragScroll();
    // Scroll hints.
    bool scrollHintShown_ = false;
    std::string scrollHint_;
    THTMLHintWindow* hintWindow_ = nullptr;  // owned by the grid
    // Shows scrollHint_ in the hint window at a screen point, measured for maxWidth, in HintColor.
    void ShowHintWindow(ui::TPoint at, int maxWidth);
    void HideHintWindow();
};

}  // namespace gx
