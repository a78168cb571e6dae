// TCustomGrid: dimensions, sizes, current cell and selection, scrolling, geometry and the paint loop.
#include "platform/ui/Grids.h"

#include <algorithm>

namespace ui {

namespace {

int Clamp(int v, int lo, int hi)
{
    return std::max(lo, std::min(v, hi));
}

}  // namespace

// --- one axis: columns or rows --------------------------------------------------------------------

TCustomGrid::Axis TCustomGrid::ColAxis() const
{
    return {colWidths_, colCount_, fixedCols_, topLeft_.X, gridLineWidth_, ClientWidth(), defaultColWidth_};
}

TCustomGrid::Axis TCustomGrid::RowAxis() const
{
    return {rowHeights_, rowCount_, fixedRows_, topLeft_.Y, gridLineWidth_, ClientHeight(), defaultRowHeight_};
}

int TCustomGrid::SizeAt(const Axis& a, int i)
{
    return i < 0 || i >= a.count ? a.defaultSize : a.sizes.Size(i);
}

bool TCustomGrid::StoreSize(GridAxisSizes& sizes, int i, int v)
{
    if (i < 0 || i >= sizes.Count())
        throw EInvalidGridOperation("Grid index out of range");
    return sizes.SetSize(i, v);
}

int TCustomGrid::FixedExtent(const Axis& a)
{
    return static_cast<int>(a.sizes.Offset(a.fixed));
}

// Positions come from the sizes' tree: the fixed indexes from 0, the scrollable ones from the
// fixed area's end on, counted from the first index in view.
int TCustomGrid::Leading(const Axis& a, int i)
{
    if (i < 0 || i >= a.count)
        return -1;
    if (i < a.fixed)
        return static_cast<int>(a.sizes.Offset(i));
    if (i < a.first)
        return -1;
    const std::int64_t pos = FixedExtent(a) + a.sizes.Offset(i) - a.sizes.Offset(a.first);
    return pos < a.extent ? static_cast<int>(pos) : -1;
}

// Scrollable indexes from the first in view whose far edge lies inside the client area (indexes of
// size 0 between them count too); at least 1 when there is any.
int TCustomGrid::VisibleCount(const Axis& a)
{
    if (a.first >= a.count)
        return 0;
    const std::int64_t limit = a.extent - FixedExtent(a) + a.sizes.Offset(a.first);
    const int j = a.sizes.IndexAtOffset(limit);
    int n = j - a.first;
    if (j < a.count && a.sizes.Offset(j) + a.sizes.Size(j) <= limit)
        ++n;
    return std::max(n, 1);
}

int TCustomGrid::Span(const Axis& a)
{
    const std::int64_t pos = FixedExtent(a) + a.sizes.Offset(a.count) - a.sizes.Offset(a.first);
    return static_cast<int>(std::min<std::int64_t>(pos, a.extent));
}

int TCustomGrid::ScrollTarget(const Axis& a, int i)
{
    if (i < a.fixed)
        return a.first;
    if (i < a.first)
        return i;
    if (i < a.first + VisibleCount(a))
        return a.first;
    // The smallest first index from which index i still ends inside the client area.
    const std::int64_t needed = a.sizes.Offset(i) + SizeAt(a, i) - (a.extent - FixedExtent(a));
    if (needed <= a.sizes.Offset(a.fixed))
        return a.fixed;
    // Indexes of size 0 before the first drawn one are passed over.
    const int first = NextDrawn(a, a.sizes.IndexAtOffset(needed - 1) + 1);
    return std::clamp(first, a.fixed, i);
}

int TCustomGrid::IndexAt(const Axis& a, int pos)
{
    if (pos < 0 || pos >= a.extent)
        return -1;
    const int fixedExtent = FixedExtent(a);
    const int i = pos < fixedExtent ? a.sizes.IndexAtOffset(pos)
                                    : a.sizes.IndexAtOffset(pos - fixedExtent + a.sizes.Offset(a.first));
    return i < a.count ? i : -1;
}

// Walks the drawn indexes in view (fixed ones first) up to the position.
int TCustomGrid::BorderAt(const Axis& a, int pos)
{
    auto test = [&](int i) {
        const int lead = Leading(a, i);
        if (lead < 0)
            return 0;
        const int border = lead + SizeAt(a, i);
        if (pos >= border - 3 && pos <= border + 3)
            return 1;
        return lead > pos + 3 ? -1 : 0;
    };
    for (int i = NextDrawn(a, 0); i < a.fixed; i = NextDrawn(a, i + 1)) {
        const int hit = test(i);
        if (hit > 0)
            return i;
    }
    for (int i = NextDrawn(a, std::max(a.first, a.fixed)); i < a.count && Leading(a, i) >= 0; i = NextDrawn(a, i + 1)) {
        const int hit = test(i);
        if (hit > 0)
            return i;
        if (hit < 0)
            break;
    }
    return -1;
}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    colWidths_.SetLine(gridLineWidth_);
    rowHeights_.SetLine(gridLineWidth_);
    colWidths_.Resize(colCount_, defaultColWidth_);
    rowHeights_.Resize(rowCount_, defaultRowHeight_);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

// --- dimensions -----------------------------------------------------------------------------------

void TCustomGrid::SetColCount(int v)
{
    if (v > kMaxGridCount)
        throw EInvalidGridOperation("Grid index out of range");
    if (v < 1)
        v = 1;
    if (v == colCount_)
        return;
    if (v <= fixedCols_)
        fixedCols_ = v - 1;
    const int old = colCount_;
    colCount_ = v;
    colWidths_.Resize(v, defaultColWidth_);
    ClampCurrent();
    SizeChanged(old, rowCount_);
    Invalidate();
}

void TCustomGrid::SetRowCount(int v)
{
    if (v > kMaxGridCount)
        throw EInvalidGridOperation("Grid index out of range");
    if (v < 1)
        v = 1;
    if (v == rowCount_)
        return;
    if (v <= fixedRows_)
        fixedRows_ = v - 1;
    const int old = rowCount_;
    rowCount_ = v;
    rowHeights_.Resize(v, defaultRowHeight_);
    ClampCurrent();
    SizeChanged(colCount_, old);
    Invalidate();
}

void TCustomGrid::InsertRowsAt(int At, int Count)
{
    if (Count <= 0 || At < 0 || At > rowCount_)
        return;
    if (Count > kMaxGridCount - rowCount_)
        throw EInvalidGridOperation("Grid index out of range");
    const int old = rowCount_;
    rowCount_ += Count;
    rowHeights_.Insert(At, Count, defaultRowHeight_);
    RowsInserted(At, Count);
    ClampCurrent();
    SizeChanged(colCount_, old);
    Invalidate();
}

void TCustomGrid::DeleteRowsAt(int At, int Count)
{
    if (At < 0 || At >= rowCount_)
        return;
    Count = std::min(Count, rowCount_ - At);
    if (Count <= 0)
        return;
    if (rowCount_ - Count < 1)
        Count = rowCount_ - 1;
    if (Count <= 0)
        return;
    const int old = rowCount_;
    if (rowCount_ - Count <= fixedRows_)
        fixedRows_ = rowCount_ - Count - 1;
    rowCount_ -= Count;
    rowHeights_.Erase(At, Count);
    RowsDeleted(At, Count);
    ClampCurrent();
    SizeChanged(colCount_, old);
    Invalidate();
}

void TCustomGrid::SetFixedCols(int v)
{
    if (v < 0)
        throw EInvalidGridOperation("Grid index out of range");
    if (v >= colCount_)
        throw EInvalidGridOperation("Fixed column count must be less than column count");
    if (v == fixedCols_)
        return;
    fixedCols_ = v;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int v)
{
    if (v < 0)
        throw EInvalidGridOperation("Grid index out of range");
    if (v >= rowCount_)
        throw EInvalidGridOperation("Fixed row count must be less than row count");
    if (v == fixedRows_)
        return;
    fixedRows_ = v;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor v)
{
    if (v == fixedColor_)
        return;
    fixedColor_ = v;
    Invalidate();
}

// Keeps the current cell, the anchor and the top-left cell inside the scrollable area.
void TCustomGrid::ClampCurrent()
{
    auto clampCoord = [&](TGridCoord& c) {
        c.X = Clamp(c.X, fixedCols_, colCount_ - 1);
        c.Y = Clamp(c.Y, fixedRows_, rowCount_ - 1);
    };
    clampCoord(current_);
    clampCoord(anchor_);
    const TGridCoord oldTopLeft = topLeft_;
    clampCoord(topLeft_);
    if (editor_ && editorMode_)
        UpdateEditorPosition();
    if (!(topLeft_ == oldTopLeft))
        TopLeftChanged();
}

// --- sizes ----------------------------------------------------------------------------------------

void TCustomGrid::SetDefaultColWidth(int v)
{
    defaultColWidth_ = v;
    colWidths_.Fill(v);
    ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int v)
{
    defaultRowHeight_ = v;
    rowHeights_.Fill(v);
    RowHeightsChanged();
    Invalidate();
}

int TCustomGrid::ColWidths(int i) const
{
    return SizeAt(ColAxis(), i);
}

void TCustomGrid::SetColWidths(int i, int v)
{
    if (StoreSize(colWidths_, i, v)) {
        ColWidthsChanged();
        Invalidate();
    }
}

// Read straight from the sizes: the whole axis (with the client height) is not needed for one size.
int TCustomGrid::RowHeights(int i) const
{
    return i < 0 || i >= rowCount_ ? defaultRowHeight_ : rowHeights_.Size(i);
}

void TCustomGrid::SetRowHeights(int i, int v)
{
    if (StoreSize(rowHeights_, i, v)) {
        RowHeightsChanged();
        Invalidate();
    }
}

void TCustomGrid::SetGridLineWidth(int v)
{
    if (v < 0)
        v = 0;
    if (v == gridLineWidth_)
        return;
    gridLineWidth_ = v;
    colWidths_.SetLine(v);
    rowHeights_.SetLine(v);
    Invalidate();
}

int TCustomGrid::GridWidth() const
{
    return Span(ColAxis());
}

int TCustomGrid::GridHeight() const
{
    return Span(RowAxis());
}

void TCustomGrid::SetOptions(TGridOptions v)
{
    if (v == options_)
        return;
    options_ = v;
    if (editorMode_ && !(options_ & goEditing))
        HideEditor();
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool v)
{
    if (v == defaultDrawing_)
        return;
    defaultDrawing_ = v;
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle v)
{
    if (v == scrollBars_)
        return;
    scrollBars_ = v;
    Invalidate();
}

// --- current cell and selection -------------------------------------------------------------------

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_ & goRowSelect) {
        r.Left = fixedCols_;
        r.Right = colCount_ - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& r)
{
    anchor_ = {Clamp(r.Left, fixedCols_, colCount_ - 1), Clamp(r.Top, fixedRows_, rowCount_ - 1)};
    current_ = {Clamp(r.Right, fixedCols_, colCount_ - 1), Clamp(r.Bottom, fixedRows_, rowCount_ - 1)};
    Invalidate();
}

void TCustomGrid::MoveSelectionOutside()
{
    current_ = anchor_ = {colCount_, rowCount_};
    Invalidate();
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < fixedCols_ || ACol >= colCount_ || ARow < fixedRows_ || ARow >= rowCount_)
        return;
    const bool moves = ACol != current_.X || ARow != current_.Y;
    // The select step is asked while the editor is still open: it may look at the edit in
    // progress, and a refused move leaves the editor open with what the user typed.
    if (!SelectCell(ACol, ARow))
        return;
    if (moves && editorMode_)
        HideEditor();
    const TGridRect oldSel = Selection();
    current_ = {ACol, ARow};
    if (MoveAnchor || !(options_ & goRangeSelect))
        anchor_ = current_;
    if (Show)
        ScrollInView(ACol, ARow);
    if (!(oldSel == Selection()) || moves)
        Invalidate();
    if ((options_ & goAlwaysShowEditor) && (options_ & goEditing))
        ShowEditor();
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    MoveColRow(ACol, ARow, MoveAnchor, true);
}

// --- scrolling ------------------------------------------------------------------------------------

void TCustomGrid::SetLeftCol(int v)
{
    MoveTopLeft(v, topLeft_.Y);
}

void TCustomGrid::SetTopRow(int v)
{
    MoveTopLeft(topLeft_.X, v);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    const TGridCoord next{Clamp(ALeft, fixedCols_, colCount_ - 1), Clamp(ATop, fixedRows_, rowCount_ - 1)};
    if (next == topLeft_)
        return;
    topLeft_ = next;
    if (editorMode_)
        UpdateEditorPosition();
    Invalidate();
    UpdateScrollBars();
    TopLeftChanged();
}

int TCustomGrid::VisibleColCount() const
{
    return VisibleCount(ColAxis());
}

int TCustomGrid::VisibleRowCount() const
{
    return VisibleCount(RowAxis());
}

// Moves the top-left cell so that the cell is wholly in view (as far as the client area allows).
void TCustomGrid::ScrollInView(int ACol, int ARow)
{
    MoveTopLeft(ScrollTarget(ColAxis(), ACol), ScrollTarget(RowAxis(), ARow));
}

// --- geometry -------------------------------------------------------------------------------------

int TCustomGrid::ColumnLeft(int ACol) const
{
    return Leading(ColAxis(), ACol);
}

int TCustomGrid::RowTop(int ARow) const
{
    return Leading(RowAxis(), ARow);
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    const int x = ColumnLeft(ACol);
    const int y = RowTop(ARow);
    if (x < 0 || y < 0)
        return {};
    return {x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    const int col = IndexAt(ColAxis(), X);
    const int row = IndexAt(RowAxis(), Y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

int TCustomGrid::ColBorderAt(int X) const
{
    return BorderAt(ColAxis(), X);
}

int TCustomGrid::RowBorderAt(int Y) const
{
    return BorderAt(RowAxis(), Y);
}

// A cell out of view needs no repaint.
void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    if (RepaintsHeld())
        return;
    const TRect r = CellRect(ACol, ARow);
    if (!r.IsEmpty())
        InvalidateRect(r);
}

// Only the cells in view of a column (row) can need a repaint.
void TCustomGrid::InvalidateCol(int ACol)
{
    const Axis a = RowAxis();
    for (int r = NextDrawn(a, 0); r < fixedRows_; r = NextDrawn(a, r + 1))
        InvalidateCell(ACol, r);
    for (int r = NextDrawn(a, topLeft_.Y); r < rowCount_ && RowTop(r) >= 0; r = NextDrawn(a, r + 1))
        InvalidateCell(ACol, r);
}

void TCustomGrid::InvalidateRow(int ARow)
{
    const Axis a = ColAxis();
    for (int c = NextDrawn(a, 0); c < fixedCols_; c = NextDrawn(a, c + 1))
        InvalidateCell(c, ARow);
    for (int c = NextDrawn(a, topLeft_.X); c < colCount_ && ColumnLeft(c) >= 0; c = NextDrawn(a, c + 1))
        InvalidateCell(c, ARow);
}

// Without partial repaint in the framework, an invalidated rectangle repaints the control.
void TCustomGrid::InvalidateRect(const TRect&)
{
    ++cellInvalidateCount_;
    Invalidate();
}

// --- moving rows and columns ----------------------------------------------------------------------

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= colCount_ || ToIndex >= colCount_)
        return;
    colWidths_.Move(FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    Invalidate();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= rowCount_ || ToIndex >= rowCount_)
        return;
    rowHeights_.Move(FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    Invalidate();
}

// --- painting -------------------------------------------------------------------------------------

// Calls DrawCell for every cell in view, fixed cells included, with its state. Rows and columns
// of size 0 take no room and are not drawn; the walk visits only what it draws.
void TCustomGrid::Paint()
{
    UpdateScrollBars();
    TCanvas* canvas = Canvas();
    const bool focused = Focused();
    const TGridRect sel = Selection();
    const Axis rowAxis = RowAxis();
    const Axis colAxis = ColAxis();
    auto rows = [&](auto fn) {
        for (int r = NextDrawn(rowAxis, 0); r < fixedRows_; r = NextDrawn(rowAxis, r + 1))
            fn(r);
        for (int r = NextDrawn(rowAxis, topLeft_.Y); r < rowCount_ && RowTop(r) >= 0; r = NextDrawn(rowAxis, r + 1))
            fn(r);
    };
    rows([&](int r) {
        auto cell = [&](int c) {
            TGridDrawState state = 0;
            const bool fixed = c < fixedCols_ || r < fixedRows_;
            if (fixed) {
                state |= gdFixed;
            } else {
                const bool current = c == current_.X && r == current_.Y;
                if (current && focused)
                    state |= gdFocused;
                if (c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom) {
                    if (!(state & gdFocused) || (options_ & (goDrawFocusSelected | goRowSelect)))
                        state |= gdSelected;
                }
                if ((options_ & goRowSelect) && r >= sel.Top && r <= sel.Bottom)
                    state |= gdRowSelected;
            }
            const TRect rect = CellRect(c, r);
            if (defaultDrawing_)
                DrawCellDefault(c, r, rect, state);
            DrawCell(c, r, rect, state);
        };
        for (int c = NextDrawn(colAxis, 0); c < fixedCols_; c = NextDrawn(colAxis, c + 1))
            cell(c);
        for (int c = NextDrawn(colAxis, topLeft_.X); c < colCount_ && ColumnLeft(c) >= 0; c = NextDrawn(colAxis, c + 1))
            cell(c);
    });
    (void)canvas;
}

void TCustomGrid::DrawCellDefault(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas* canvas = Canvas();
    if (AState & gdFixed)
        canvas->Brush()->SetColor(fixedColor_);
    else if (AState & gdSelected)
        canvas->Brush()->SetColor(clHighlight);
    else
        canvas->Brush()->SetColor(Color());
    canvas->FillRect(ARect);
    if (gridLineWidth_ <= 0)
        return;
    const bool fixed = (AState & gdFixed) != 0;
    canvas->Brush()->SetColor(fixed ? clBtnShadow : clSilver);
    if (options_ & (fixed ? goFixedVertLine : goVertLine))
        canvas->FillRect({ARect.Right, ARect.Top, ARect.Right + gridLineWidth_, ARect.Bottom + gridLineWidth_});
    if (options_ & (fixed ? goFixedHorzLine : goHorzLine))
        canvas->FillRect({ARect.Left, ARect.Bottom, ARect.Right + gridLineWidth_, ARect.Bottom + gridLineWidth_});
    canvas->Brush()->SetColor(Color());
    (void)ACol;
    (void)ARow;
}

// --- overridable steps ----------------------------------------------------------------------------

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

bool TCustomGrid::SelectCell(int, int)
{
    return true;
}

void TCustomGrid::TopLeftChanged() {}

void TCustomGrid::ColumnMoved(int, int) {}

void TCustomGrid::RowMoved(int, int) {}

void TCustomGrid::ColWidthsChanged() {}

void TCustomGrid::RowHeightsChanged() {}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::RowsInserted(int, int) {}

void TCustomGrid::RowsDeleted(int, int) {}

void TCustomGrid::Resize()
{
    TCustomControl::Resize();
    if (editorMode_)
        UpdateEditorPosition();
}

void TCustomGrid::Loaded()
{
    TCustomControl::Loaded();
}

void TCustomGrid::SetParent(TWinControl* parent)
{
    TCustomControl::SetParent(parent);
    if (parent && !windowCreated_) {
        windowCreated_ = true;
        CreateWnd();
    }
}

unsigned TCustomGrid::WantKeys() const
{
    unsigned keys = DLGC_WANTARROWS;
    if (options_ & goTabs)
        keys |= DLGC_WANTTAB;
    if (options_ & goEditing)
        keys |= DLGC_WANTCHARS;
    return keys;
}

}  // namespace ui
