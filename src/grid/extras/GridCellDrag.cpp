#include "grid/extras/GridCellDrag.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "grid/extras/GridCellStream.h"
#include "grid/extras/GridClipboard.h"
#include "grid/extras/GridClipboardText.h"
#include "grid/extras/GridExtras.h"
#include "grid/extras/GridOffice.h"
#include "grid/extras/GridTextFiles.h"
#include "grid/stringgrid/GxGridModule.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"

namespace gx {

namespace {

// What a grid keeps for its drags: owned by the grid, so it goes with it.
class TCellDragState : public ui::TComponent {
public:
    explicit TCellDragState(TGxStringGrid* grid) : ui::TComponent(grid) {}
    std::unique_ptr<TGridDropTarget> Target;
    bool Registered = false;
    ui::TGridRect DropSelection{-1, -1, -1, -1};
    // While a drag of this grid runs: whether it was dropped onto this grid, and where.
    bool Dragging = false;
    bool DroppedHere = false;
    ui::TGridRect DroppedRect{-1, -1, -1, -1};
    // The last press on a cell (client coordinates) that may become a drag.
    bool Pressed = false;
    ui::TPoint Press{-1, -1};
    int PressCol = -1, PressRow = -1;
};

TCellDragState* FindState(TGxStringGrid& grid)
{
    for (int i = 0; i < grid.ComponentCount(); ++i)
        if (auto* s = dynamic_cast<TCellDragState*>(grid.Components(i)))
            return s;
    return nullptr;
}

TCellDragState& State(TGxStringGrid& grid)
{
    TCellDragState* s = FindState(grid);
    return s ? *s : *new TCellDragState(&grid);
}

constexpr int kLeftArrow = arrLeft, kDownArrow = arrDown, kUpArrow = arrUp;

void HideArrows(TGxStringGrid& grid, std::initializer_list<int> which)
{
    for (int i : which)
        grid.ArrowWindows(i)->SetVisible(false);
}

void ShowArrow(TGxStringGrid& grid, int which, int X, int Y)
{
    TArrowWindow* a = grid.ArrowWindows(which);
    // The window is as large as its arrow.
    int w = 0, h = 0;
    for (const ui::TPoint& p : a->Arrow()) {
        w = std::max(w, p.X + 1);
        h = std::max(h, p.Y + 1);
    }
    a->SetBounds(X, Y, w, h);
    a->SetVisible(true);
    a->BringToFront();
}

ui::TGridRect Normalized(ui::TGridRect r)
{
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

// The dragged selection as clipboard text (rows of the disjunct row selection, or the selection;
// whole rows with goRowSelect and OleEntireRows); no line end after the last row.
std::string DragText(TGxStringGrid& grid, ui::TGridRect sel)
{
    if ((grid.Options() & ui::goRowSelect) && grid.DragDropSettings()->OleEntireRows) {
        sel.Left = 0;
        sel.Right = grid.ColCount() - 1;
    }
    std::vector<int> rows;
    TMouseActions& ma = *grid.MouseActions();
    if (ma.DisjunctRowSelect()) {
        for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
            if (grid.RowSelect(ma.RowSelectPersistent() ? grid.RealRowIndex(r) : r))
                rows.push_back(r);
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            rows.push_back(r);
    }
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        for (int c = sel.Left; c <= sel.Right; ++c) {
            text += clipboardtext::QuoteField(grid.Cells(grid.RealColIndex(c), rows[i]));
            if (c < sel.Right)
                text += '\t';
        }
    }
    return text;
}

// After a move: the dragged cells go, except those a drop onto this same grid has just filled.
void RemoveMoved(TGxStringGrid& grid, TCellDragState& st)
{
    const TDragDropSettings& dd = *grid.DragDropSettings();
    TMouseActions& ma = *grid.MouseActions();
    const ui::TGridRect sel = st.DropSelection;
    std::vector<int> rows;
    if (ma.DisjunctRowSelect()) {
        for (int r = grid.RowCount() - 1; r >= grid.FixedRows(); --r)
            if (grid.RowSelect(ma.RowSelectPersistent() ? grid.RealRowIndex(r) : r))
                rows.push_back(r);
    } else {
        for (int r = sel.Bottom; r >= sel.Top; --r)
            rows.push_back(r);
    }
    const auto filled = [&st](int c, int r) {
        const ui::TGridRect& d = st.DroppedRect;
        return st.DroppedHere && c >= d.Left && c <= d.Right && r >= d.Top && r <= d.Bottom;
    };
    if (dd.OleRemoveRows && (grid.Options() & ui::goRowSelect)) {
        for (int r : rows)  // bottom up, so that the rows above keep their places
            if (r >= 0 && r < grid.RowCount())
                grid.RemoveRows(r, 1);
        return;
    }
    const int left = ma.DisjunctRowSelect() ? 0 : sel.Left;
    const int right = ma.DisjunctRowSelect() ? grid.ColCount() - 1 : sel.Right;
    for (int r : rows)
        for (int c = left; c <= right; ++c)
            if (r >= 0 && r < grid.RowCount() && c >= 0 && c < grid.ColCount() && !filled(c, r))
                grid.SetCells(grid.RealColIndex(c), r, "");
}

bool OleDragMouse(TGxStringGrid& grid, int X, int Y, bool Press)
{
    const TDragDropSettings& dd = *grid.DragDropSettings();
    if (!dd.OleDropSource)
        return false;
    TCellDragState& st = State(grid);
    if (Press) {
        int c = -1, r = -1;
        grid.MouseToCell(X, Y, c, r);
        st.Pressed = c >= 0 && r >= 0 && (!dd.OleColumnsOnly || r < grid.FixedRows());
        st.Press = {X, Y};
        st.PressCol = c;
        st.PressRow = r;
        // A press inside a selection of several cells keeps it, so that the block can be dragged.
        const ui::TGridRect sel = Normalized(grid.Selection());
        return st.Pressed && r >= grid.FixedRows() && (sel.Left != sel.Right || sel.Top != sel.Bottom) &&
               c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom;
    }
    const ui::TGridState gs = grid.GridState();
    if (!st.Pressed || gs == ui::TGridState::gsColSizing || gs == ui::TGridState::gsRowSizing)
        return false;
    if (std::abs(X - st.Press.X) <= 3 && std::abs(Y - st.Press.Y) <= 3)
        return false;
    st.Pressed = false;
    grid.Pointer.MouseDown = false;
    ui::SetCaptureControl(nullptr);
    grid.HideInplaceEdit();  // an editor left open would write the moved cell back
    StartCellDrag(grid, st.PressCol, st.PressRow);
    return true;
}

// A column moved by a drop shows its move as the enhanced column move does.
void MoveColumnShown(TGxStringGrid& grid, int FromIndex, int ToIndex)
{
    const bool enh = grid.EnhRowColMove;
    grid.EnhRowColMove = true;
    try {
        grid.MoveColumn(FromIndex, ToIndex);
    } catch (...) {
        grid.EnhRowColMove = enh;
        throw;
    }
    grid.EnhRowColMove = enh;
}

// The hidden column dragged out of the list of hidden columns (OleColumnDragStart) was dropped at
// display column ACol (ColCount: right of all columns; -1: nowhere): its entry leaves the list, the
// column is shown again and, dropped on a column, moved there.
void ShowDraggedHiddenColumn(TGxStringGrid& grid, int ACol)
{
    const int hidden = grid.ColumnPosition(grid.OleDragCol());
    ui::TListBox* list = grid.OleDragList();
    const int index = grid.OleDragIndex();
    grid.OleColumnDragEnd();
    if (list && index >= 0 && index < list->Items()->Count())
        list->Items()->Delete(index);
    grid.UnHideColumn(hidden);
    if (ACol < 0)
        return;
    // Right of all columns is the last place now that the column is back.
    const int from = grid.DisplColIndex(hidden);
    const int to = std::min(ACol, grid.ColCount() - 1);
    if (from >= 0 && from < grid.ColCount() && from != to)
        MoveColumnShown(grid, from, to);
}

}  // namespace

void TGridDropTarget::DropCell(ui::TPoint P, bool Column, int& ACol, int& ARow, bool& Below)
{
    TGxStringGrid& g = *FGrid;
    g.ScreenToCell(P, ACol, ARow);
    Below = false;
    const TDragDropSettings& dd = *g.DragDropSettings();
    if (ARow == -1 && !Column && dd.OleEntireRows && dd.OleAppendRows && g.RowCount() > 0) {
        const ui::TPoint pc = g.ScreenToClient(P);
        const ui::TRect last = g.CellRect(std::max(g.LeftCol(), g.FixedCols()), g.RowCount() - 1);
        if (pc.Y >= last.Bottom) {
            ACol = g.FixedCols();
            ARow = g.RowCount() - 1;
            Below = true;
        }
    }
}

void TGridDropTarget::DragMouseMove(ui::TPoint P, bool& Allow, TDropFormats F)
{
    TGxStringGrid& g = *FGrid;
    const bool column = F & DropFormatBit(dfCol);
    int ACol = -1, ARow = -1;
    bool below = false;
    DropCell(P, column, ACol, ARow, below);
    Allow = ACol >= 0 && ARow >= 0;
    // Scrolling at the edges: a row per move, a column per timer tick at most.
    if (Allow && !column) {
        const ui::TPoint pc = g.ScreenToClient(P);
        if ((ARow == g.TopRow() && g.TopRow() > g.FixedRows()) || (pc.Y < 8 && g.FixedRows() == 0 && g.TopRow() > 0))
            g.SetTopRow(g.TopRow() - 1);
        else if (ARow == g.TopRow() + g.VisibleRowCount() && ARow < g.RowCount())
            g.SetTopRow(g.TopRow() + 1);
        if (g.GridTimerTicks() % 2 == 0) {
            if (ACol == g.LeftCol() && g.LeftCol() > g.FixedCols() && ACol > 0)
                g.SetLeftCol(g.LeftCol() - 1);
            else if (ACol == g.LeftCol() + g.VisibleColCount() && ACol < g.ColCount())
                g.SetLeftCol(g.LeftCol() + 1);
        }
    }
    if (!column) {
        if (Allow && ARow < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways()))
            Allow = false;
    } else if (ACol == -1) {
        ACol = g.ColCount();
        ARow = 0;
        Allow = true;
    } else if (ARow >= g.FixedRows() || ACol < g.FixedCols()) {
        Allow = false;
    }
    Allow = Allow || (F & DropFormatBit(dfFile)) || (F & DropFormatBit(dfGridCells));
    if (g.OnOleDragOver)
        g.OnOleDragOver(&g, ARow, ACol, Allow);
    Allow = Allow && ((ARow >= 0 && ACol >= 0) || (F & DropFormatBit(dfFile)));
    // Feedback arrows (client coordinates of the grid, whose children they are).
    if (Allow && column) {
        const ui::TRect r = ACol < g.ColCount() ? g.CellRect(ACol, ARow) : g.CellRect(g.ColCount() - 1, ARow);
        const int x = ACol < g.ColCount() ? r.Left : r.Right;
        ShowArrow(g, kDownArrow, x, r.Top - 8);
        ShowArrow(g, kUpArrow, x, r.Bottom);
    } else if (Allow && ARow >= 0 && ACol >= 0) {
        if (ARow == 0 && g.FixedRowAlways()) {
            ARow = 1;
            below = false;
        }
        const int targetCol = g.DragDropSettings()->OleEntireRows ? g.FixedCols() : ACol;
        const ui::TRect r = g.CellRect(targetCol, ARow);
        ShowArrow(g, kLeftArrow, std::max(0, r.Left - 10), below ? r.Bottom : r.Top);
    } else {
        HideArrows(g, {kLeftArrow, kDownArrow, kUpArrow});
    }
}

void TGridDropTarget::DragEnter(ui::TDragMessage& Message)
{
    const TDragDropSettings& dd = *FGrid->DragDropSettings();
    AcceptText = dd.OleAcceptText;
    AcceptFiles = dd.OleAcceptFiles;
    AcceptURLs = dd.OleAcceptURLs;
    TGSGDropTarget::DragEnter(Message);
}

void TGridDropTarget::Drop(ui::TDragMessage& Message)
{
    // A refused drop answers no effect, so that a moving source keeps its cells.
    refused_ = false;
    TGSGDropTarget::Drop(Message);
    if (refused_)
        Message.Effect = ui::deNone;
}

void TGridDropTarget::DragMouseLeave()
{
    HideArrows(*FGrid, {kLeftArrow, kDownArrow, kUpArrow});
}

void TGridDropTarget::DropText(ui::TPoint P, const std::string& S)
{
    TGxStringGrid& g = *FGrid;
    const TDragDropSettings& dd = *g.DragDropSettings();
    TCellDragState& st = State(g);
    int ACol = -1, ARow = -1;
    bool below = false;
    DropCell(P, false, ACol, ARow, below);
    bool allow = true;
    int cols = 0, rows = 0;
    GetTextDimensions(S, cols, rows);
    if (g.Options() & ui::goRowSelect)
        ACol = dd.OleEntireRows ? 0 : g.FixedCols();
    if (g.OnOleDrop)
        g.OnOleDrop(&g, ARow, ACol, S, allow);
    ui::TGridRect dropped = g.Selection();
    refused_ = !allow;
    if (allow && ACol >= 0 && ARow >= 0) {
        // Rows inserted above the dragged rows push them down: the removal after the drop must
        // still find them.
        if (st.DropSelection.Top >= ARow && dd.OleRemoveRows && st.Dragging) {
            st.DropSelection.Top += rows + 1;
            st.DropSelection.Bottom += rows + 1;
        }
        if (ARow == 0 && g.FixedRowAlways() && g.RowCount() == 1)
            ARow = 1;
        if (below) {
            // Appending: the rows come after the last one, with or without row insertion.
            g.SetRowCount(g.RowCount() + rows + 1);
            ++ARow;
        } else if (dd.OleInsertRows) {
            int top = g.TopRow();
            g.InsertRows(ARow, rows + 1);
            if (top > g.FixedRows())
                ++top;
            if (top > 0 && top < g.RowCount())
                g.SetTopRow(top);
        }
        int pc = 0, pr = 0;
        PasteTextAt(g, ACol, ARow, S, pc, pr);
        ACol = std::max(ACol, g.FixedCols());
        const int right = (g.Options() & ui::goRowSelect) ? ACol + cols - g.FixedCols() : ACol + cols - 1;
        dropped = {ACol, ARow, std::min(std::max(right, ACol), g.ColCount() - 1),
                   std::min(ARow + rows, g.RowCount() - 1)};
        g.SetSelection(dropped);
        if (st.Dragging) {
            st.DroppedHere = true;
            st.DroppedRect = dropped;
        }
    }
    HideArrows(g, {kLeftArrow, kDownArrow});
    g.HeaderDragButton()->SetVisible(false);
    if (g.OnOleDropped)
        g.OnOleDropped(&g, dropped);
}

void TGridDropTarget::DropStream(ui::TPoint P, rtl::TMemoryStream& Stream)
{
    TGxStringGrid& g = *FGrid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(P, ACol, ARow);
    Stream.SetPosition(0);
    if (ACol >= 0 && ARow >= 0) {
        LoadAtPointFromBinStream(g, {ACol, ARow}, Stream);
        TCellDragState& st = State(g);
        if (st.Dragging) {
            const ui::TGridRect src = Normalized(st.DropSelection);
            st.DroppedHere = true;
            st.DroppedRect = {ACol, ARow, ACol + src.Right - src.Left, ARow + src.Bottom - src.Top};
        }
    }
    HideArrows(g, {kLeftArrow, kDownArrow});
    g.HeaderDragButton()->SetVisible(false);
    if (g.OnOleDropped)
        g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropCol(ui::TPoint P, int Col)
{
    TGxStringGrid& g = *FGrid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(P, ACol, ARow);
    if (ACol == -1)
        ACol = g.ColCount();
    HideArrows(g, {kDownArrow, kUpArrow});
    g.HeaderDragButton()->SetVisible(false);
    if (g.OleDragCol() != -1) {
        ShowDraggedHiddenColumn(g, ACol);
    } else if (g.DragDropSettings()->OleColumnReorder && Col >= 0 && Col < g.ColCount()) {
        ACol = std::min(ACol, g.ColCount() - 1);
        if (ACol >= 0 && Col != ACol)
            MoveColumnShown(g, Col, ACol);
    }
    if (g.OnOleDropCol)
        g.OnOleDropCol(&g, ARow, ACol, Col);
}

void TGridDropTarget::DropCellText(ui::TPoint P, const std::string& S, bool Rtf)
{
    TGxStringGrid& g = *FGrid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(P, ACol, ARow);
    bool allow = true;
    if (Rtf && g.OnOleDrop)
        g.OnOleDrop(&g, ARow, ACol, S, allow);
    else if (!Rtf && g.OnOleDropURL)
        g.OnOleDropURL(&g, ARow, ACol, S, allow);
    refused_ = !allow;
    // A point outside every cell addresses none.
    if (allow && ACol >= 0 && ARow >= 0)
        g.SetCells(g.RealColIndex(ACol), ARow, S);
    HideArrows(g, {kLeftArrow, kDownArrow});
}

void TGridDropTarget::DropRTF(ui::TPoint P, const std::string& S)
{
    DropCellText(P, RichTextFromClipboard(S), true);
}

void TGridDropTarget::DropURL(ui::TPoint P, const std::string& S)
{
    DropCellText(P, rtl::Trim(S), false);
}

void TGridDropTarget::DropFiles(ui::TPoint P, const std::vector<std::string>& Files)
{
    TGxStringGrid& g = *FGrid;
    HideArrows(g, {kLeftArrow, kDownArrow});
    if (Files.size() != 1)
        return;
    const std::string& name = Files[0];
    int ACol = -1, ARow = -1;
    g.ScreenToCell(P, ACol, ARow);
    bool allow = true;
    if (g.OnOleDropFile)
        g.OnOleDropFile(&g, ARow, ACol, name, allow);
    refused_ = !allow;
    if (!allow)
        return;
    const std::string upper = rtl::UpperCase(name);
    const auto load = [&](const char* ext, void (*loader)(TGxStringGrid&, const std::string&)) {
        if (upper.find(ext) == std::string::npos)
            return;
        bool ok = true;
        if (g.OnOleDrop)
            g.OnOleDrop(&g, -1, -1, name, ok);
        if (ok)
            loader(g, name);
    };
    load(".CSV", [](TGxStringGrid& grid, const std::string& f) { LoadFromCSV(grid, f); });
    load(".XLS", [](TGxStringGrid& grid, const std::string& f) { LoadFromXLS(grid, f); });
}

void TGridDropSource::QueryDrag()
{
    // The move button follows the cursor while a column is dragged without a picture of cells.
    if (!FGrid->DragDropSettings()->ShowCells && FGrid->HeaderDragButton()->Visible()) {
        const ui::TPoint p = FGrid->ScreenToClient(ui::GetCursorPos());
        THeaderDragButton* b = FGrid->HeaderDragButton();
        b->SetBounds(p.X, p.Y - b->Height(), b->Width(), b->Height());
    }
}

void TGridDropSource::DragEnded()
{
    HideArrows(*FGrid, {kLeftArrow, kDownArrow, kUpArrow});
}

void UpdateOleDropTarget(TGxStringGrid& grid)
{
    TCellDragState& st = State(grid);
    const TDragDropSettings& dd = *grid.DragDropSettings();
    SetDropRTF(dd.OleDropRTF());
    if (dd.OleDropTarget()) {
        if (!st.Target)
            st.Target = std::make_unique<TGridDropTarget>(&grid);
        st.Target->AcceptText = dd.OleAcceptText;
        st.Target->AcceptFiles = dd.OleAcceptFiles;
        st.Target->AcceptURLs = dd.OleAcceptURLs;
        st.Target->AcceptCols = true;
        ui::RegisterDragDrop(&grid, st.Target.get());
        st.Registered = ui::DropTargetOf(&grid) == st.Target.get();
    } else if (st.Registered) {
        ui::RevokeDragDrop(&grid);
        st.Registered = false;
    }
}

TGridDropTarget* GridDropTarget(TGxStringGrid& grid)
{
    TCellDragState* st = FindState(grid);
    return st && st->Registered ? st->Target.get() : nullptr;
}

namespace {

// The rows (or columns) first .. last cut to those in view: fixed ones stay, scrollable ones
// keep from the first in view to the one the edge cuts through.
void VisibleSpan(int& first, int& last, int fixed, int topLeft, int visible)
{
    if (first >= fixed)
        first = std::max(first, topLeft);
    if (last >= fixed)
        last = std::min(last, topLeft + visible);
}

// The picture of the cells (display columns) as the grid shows them, its selection colour left
// out, cut to the cells in view and the client area; nullptr when none of them is in view.
std::shared_ptr<const ui::TBitmap> DraggedCellsPicture(TGxStringGrid& grid, ui::TGridRect cells)
{
    VisibleSpan(cells.Left, cells.Right, grid.FixedCols(), grid.LeftCol(), grid.VisibleColCount());
    VisibleSpan(cells.Top, cells.Bottom, grid.FixedRows(), grid.TopRow(), grid.VisibleRowCount());
    cells.Right = std::min(cells.Right, grid.ColCount() - 1);
    cells.Bottom = std::min(cells.Bottom, grid.RowCount() - 1);
    if (cells.Left > cells.Right || cells.Top > cells.Bottom)
        return nullptr;
    // The corner cells ordered on screen: read right to left, the first column lies at the right.
    const ui::TRect first = grid.CellRect(cells.Left, cells.Top);
    const ui::TRect last = grid.CellRect(cells.Right, cells.Bottom);
    const ui::TRect span{std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                         std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom)};
    const ui::TRect area = span.Intersect(grid.ClientRect());
    if (area.Width() <= 0 || area.Height() <= 0)
        return nullptr;
    const bool hidden = grid.SelectionHidden();
    if (!hidden)
        grid.HideSelection();
    ui::TBitmap* shown = grid.PaintToBuffer();
    if (!hidden)
        grid.UnHideSelection();
    auto picture = std::make_shared<ui::TBitmap>(area.Width(), area.Height());
    picture->Canvas()->CopyRect({0, 0, area.Width(), area.Height()}, *shown->Canvas(), area);
    return picture;
}

// The point of the picture under the mouse, so that the picture sits as DragPicturePos places it.
ui::TPoint PictureHotSpot(TGxStringGrid& grid, const std::shared_ptr<const ui::TBitmap>& picture)
{
    if (!picture)
        return {0, 0};
    const ui::TPoint origin =
        DragPicturePos(grid.UseRightToLeftAlignment(), {0, 0}, picture->Width(), grid.ColWidths(0));
    return {-origin.X, -origin.Y};
}

}  // namespace

ui::TPoint DragPicturePos(bool RightToLeft, ui::TPoint Mouse, int PictureWidth, int FirstColWidth)
{
    if (!RightToLeft)
        return Mouse;
    return {Mouse.X + FirstColWidth - PictureWidth, Mouse.Y};
}

ui::TGridRect DropSelection(TGxStringGrid& grid)
{
    return State(grid).DropSelection;
}

unsigned StartCellDrag(TGxStringGrid& grid, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= grid.ColCount() || ARow >= grid.RowCount())
        return ui::deNone;
    const TDragDropSettings& dd = *grid.DragDropSettings();
    TCellDragState& st = State(grid);
    const std::string cellText = grid.Cells(grid.RealColIndex(ACol), ARow);
    bool allow = true;
    if (grid.OnOleDrag)
        grid.OnOleDrag(&grid, ARow, ACol, cellText, allow);
    if (!allow)
        return ui::deNone;
    if (grid.OnOleDragStart)
        grid.OnOleDragStart(&grid, ARow, ACol);
    // A drag of the grid's own cells is no hidden column leaving its list: a list drag that ended
    // without a drop here must not make this one's drop show that column.
    grid.OleColumnDragEnd();
    TGridDropSource source(&grid);
    unsigned effect = ui::deNone;
    if (ARow < grid.FixedRows() && dd.OleColumnDragDrop) {
        if (!dd.ShowCells) {
            grid.HeaderDragButton()->Caption = cellText;
            grid.HeaderDragButton()->SetVisible(true);
        }
        std::shared_ptr<const ui::TBitmap> picture;
        if (dd.ShowCells)
            picture = DraggedCellsPicture(grid, {ACol, 0, ACol, grid.TopRow() + grid.VisibleRowCount()});
        const ui::TPoint hotSpot = PictureHotSpot(grid, picture);
        const long res =
            StartColumnDrag(&grid, &source, ACol, ui::deCopy | ui::deMove, effect, std::move(picture), hotSpot);
        grid.HeaderDragButton()->SetVisible(false);
        HideArrows(grid, {kDownArrow, kUpArrow});
        if (res == DRAGDROP_S_CANCEL)
            return ui::deNone;
        if (grid.OnOleDragStop)
            grid.OnOleDragStop(&grid, static_cast<int>(effect));
        return effect;
    }
    st.DropSelection = Normalized(grid.Selection());
    const std::string text = DragText(grid, st.DropSelection);
    const std::string rtf = cellText.find("{\\") != std::string::npos ? RichTextToClipboard(cellText) : std::string();
    std::unique_ptr<rtl::TMemoryStream> cells;
    if (grid.Navigation()->AllowFmtClipboard()) {
        cells = std::make_unique<rtl::TMemoryStream>();
        const std::string bytes = clipboardtext::CellBlockBytes(grid, st.DropSelection);
        cells->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        cells->SetPosition(0);
    }
    std::shared_ptr<const ui::TBitmap> picture;
    if (dd.ShowCells)
        picture = DraggedCellsPicture(grid, st.DropSelection);
    const ui::TPoint hotSpot = PictureHotSpot(grid, picture);
    st.Dragging = true;
    st.DroppedHere = false;
    long res = DRAGDROP_S_CANCEL;
    try {
        res = StartTextDrag(&grid, &source, text, rtf, cells.get(), ui::deCopy | ui::deMove, effect, std::move(picture),
                            hotSpot);
    } catch (...) {
        st.Dragging = false;
        throw;
    }
    st.Dragging = false;
    if (res != DRAGDROP_S_CANCEL && effect == ui::deMove && !dd.OleCopyAlways)
        RemoveMoved(grid, st);
    if (grid.OnOleDragStop)
        grid.OnOleDragStop(&grid, static_cast<int>(res == DRAGDROP_S_CANCEL ? ui::deNone : effect));
    return res == DRAGDROP_S_CANCEL ? ui::deNone : effect;
}

bool TGridExtras::OleDragMouse(TGxStringGrid& Grid, int X, int Y, bool Press)
{
    return gx::OleDragMouse(Grid, X, Y, Press);
}

void TGridExtras::OleDropTargetChanged(TGxStringGrid& Grid)
{
    UpdateOleDropTarget(Grid);
}

}  // namespace gx
