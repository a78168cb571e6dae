// TGxStringGrid: stretching one column to fill the client width (again after every width, size
// or column-count change), scrolling while something is dragged near the grid's edges, and the
// change notifiers told of every changed range of cells.
#include <algorithm>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridInput.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Application.h"

namespace gx {

namespace {

constexpr unsigned kDragScrollTimerId = 112;

}  // namespace

// --- stretching ------------------------------------------------------------------------------------------

void TGxStringGrid::StretchColumn(int Index)
{
    if (ComponentState() & (ui::csLoading | ui::csDestroying))
        return;
    if (ui::Application && ui::Application->Terminated())
        return;
    if (Index == -1)
        Index = ColCount() - 1;
    if (Index >= ColCount())
        throw rtl::Exception("Stretch column index out of range");
    TGridInput& in = *input_;
    if (ColCount() == 0 || Index < 0 || !columnSize_->Stretch() || in.stretching)
        return;
    in.stretching = true;
    const int client = ClientWidth();
    if (ColCount() == 1) {
        SetColWidths(Index, client);
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != Index)
                others += ColWidths(c);
        if (others < client)
            SetColWidths(Index, client - others - 1);
        else if (LeftCol() == FixedCols())
            SetColWidths(Index, DefaultColWidth());
    }
    in.stretchAllowed = true;
    in.stretching = false;
    if (floatingFooter_->Visible() && footerPanel_)
        footerPanel_->SetAlign(ui::TAlign::alBottom);
}

// The automatic stretches (size and width changes) leave a stretch column beyond the columns alone;
// only an explicit StretchColumn call raises for it.
namespace {

void StretchAgain(TGxStringGrid& grid)
{
    const int index = grid.ColumnSize()->StretchColumn;
    if (grid.ColumnSize()->Stretch() && index < grid.ColCount() && grid.Parent())
        grid.StretchColumn(index);
}

}  // namespace

void TGxStringGrid::ColWidthsChanged()
{
    if (input_ && input_->stretchAllowed && !input_->stretching)
        StretchAgain(*this);
    TBaseGrid::ColWidthsChanged();
}

void TGxStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    if (input_ && !(ComponentState() & ui::csLoading))
        StretchAgain(*this);
}

// --- scrolling while dragging ----------------------------------------------------------------------------

void TGxStringGrid::DragOver(TObject*, int X, int Y, TDragState State, bool&)
{
    input_->DragOver(X, Y, State);
}

void TGridInput::StopDragScroll()
{
    if (dragScrollTimer_)
        g_.KillTimer(kDragScrollTimerId);
    dragScrollTimer_ = false;
}

// Within a margin of an edge the grid scrolls that way: first after the initial delay, then at the
// repeat delay; leaving the margins or the grid stops it.
void TGridInput::DragOver(int X, int Y, TDragState State)
{
    TDragScrollOptions& options = *g_.DragScrollOptions();
    if (!options.Active || State == dsDragLeave) {
        StopDragScroll();
        dragScrollDirs_ = 0;
        return;
    }
    const TDragScrollMargins& m = *options.Margins();
    TDragScrollDirections dirs = 0;
    if (Y < m.TopMargin)
        dirs |= dsdUp;
    else if (Y > g_.Height() - m.BottomMargin)
        dirs |= dsdDown;
    if (X < m.LeftMargin)
        dirs |= dsdLeft;
    else if (X > g_.Width() - m.RightMargin)
        dirs |= dsdRight;
    if (dirs == 0) {
        StopDragScroll();
    } else if (!dragScrollTimer_ || dragScrollDirs_ != 0) {
        // A new timer, or the initial delay again when the previous position also scrolled.
        g_.SetTimer(kDragScrollTimerId, static_cast<unsigned>(options.Delays()->InitialDelay));
        dragScrollTimer_ = true;
    }
    dragScrollDirs_ = dirs;
}

void TGridInput::DragScrollTick()
{
    TDragScrollOptions& options = *g_.DragScrollOptions();
    if (!options.Active) {
        StopDragScroll();
        return;
    }
    g_.SetTimer(kDragScrollTimerId, static_cast<unsigned>(options.Delays()->RepeatDelay));
    TDragScrollDirections dirs = dragScrollDirs_;
    bool canScroll = true;
    if (g_.OnDragScroll)
        g_.OnDragScroll(&g_, g_.TopRow(), g_.LeftCol(), dirs, canScroll);
    if (!canScroll)
        return;
    if ((dirs & dsdUp) && g_.TopRow() > g_.FixedRows())
        g_.SetTopRow(g_.TopRow() - 1);
    if ((dirs & dsdDown) && g_.TopRow() + g_.VisibleRowCount() < g_.RowCount())
        g_.SetTopRow(g_.TopRow() + 1);
    if ((dirs & dsdLeft) && g_.LeftCol() > g_.FixedCols())
        g_.SetLeftCol(g_.LeftCol() - 1);
    if ((dirs & dsdRight) && g_.LeftCol() + g_.VisibleColCount() < g_.ColCount())
        g_.SetLeftCol(g_.LeftCol() + 1);
}

bool TGxStringGrid::HandleDragScrollTimer(unsigned id)
{
    if (id != kDragScrollTimerId || !input_->DragScrolling())
        return false;
    input_->DragScrollTick();
    return true;
}

}  // namespace gx
