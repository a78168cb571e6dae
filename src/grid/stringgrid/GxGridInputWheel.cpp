// TGridInput: the wheel (moving the current row or scrolling by WheelAction, zooming with Ctrl),
// panning with the middle button, the scroll-bar messages with their hints, and the 500 ms timer.
#include "grid/stringgrid/GxGridInput.h"

#include <algorithm>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridHintWindow.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"

namespace gx {

namespace {

constexpr unsigned kPanTimerId = 999;
constexpr unsigned kPanTimerMs = 10;
constexpr int kPanDeadZone = 5;

int WheelLines()
{
    const int lines = ui::GetScreen() ? ui::GetScreen()->WheelScrollLines() : 3;
    return lines > 0 ? lines : 3;
}

}  // namespace

bool TGridInput::Wheel(int Delta, ui::TShiftState shift, ui::TPoint pt)
{
    const ui::TGridRect before = g_.Selection();
    const bool down = Delta < 0;  // towards the user
    if ((shift & ui::ssCtrl) && g_.IntelliZoom) {
        g_.Zoom(down ? WheelLines() : -WheelLines());
        return true;
    }
    if (!g_.EnableWheel || (g_.FixedRowAlways() && g_.RowCount() == 1))
        return true;
    TMouseActions& mouse = *g_.MouseActions();
    int step = mouse.WheelIncrement() > 0 ? mouse.WheelIncrement() : WheelLines();
    const bool scroll = mouse.WheelAction() == waScroll;
    const int fixedRows = g_.FixedRows();
    int target = g_.Row();
    if (!scroll) {
        target = down ? g_.Row() + step : g_.Row() - step;
    } else if (down) {
        const int top = g_.TopRow();
        if (top < g_.MaxTopRow())
            g_.SetTopRow(std::min(top + step, g_.MaxTopRow()));
    } else {
        const int top = g_.TopRow();
        if (top - step < fixedRows)
            step = top - fixedRows;
        if (top > fixedRows && top - step >= fixedRows)
            g_.SetTopRow(top - step);
    }
    target = std::clamp(target, fixedRows, std::max(fixedRows, g_.RowCount() - g_.FixedFooters() - 1));
    if (g_.Col() < g_.FixedCols() || g_.Col() >= g_.ColCount())
        g_.MoveColRow(std::clamp(g_.Col(), g_.FixedCols(), g_.ColCount() - 1), g_.Row(), true, false);
    int deltaRows = 0;
    if (target >= 0 && target < g_.RowCount()) {
        g_.BeginUpdate();
        const int left = g_.LeftCol();
        deltaRows = target - g_.Row();
        if (!scroll) {
            if (mouse.DisjunctRowSelect())
                g_.ClearRowSelect();
            const int from = g_.Row();
            g_.MoveToCell(g_.Col(), target);
            if (g_.Row() == from && target != from) {
                // A row refused the move (a disabled one): half the way.
                const int half = from + (target - from) / 2;
                if (half != from)
                    g_.MoveToCell(g_.Col(), half);
            }
        }
        if ((g_.Options() & ui::goRowSelect) && g_.Navigation()->KeepHorizScroll())
            g_.SetLeftCol(left);
        g_.EndUpdate();
    }
    bool handled = true;
    g_.AfterWheelScroll(deltaRows, handled);
    if ((mouse.WheelIncrement() != 0 || mouse.DisjunctRowSelect()) && handled) {
        const TWheelEvent& event = down ? g_.OnMouseWheelDown : g_.OnMouseWheelUp;
        if (event) {
            bool h = true;
            event(&g_, shift, pt, h);
        }
    }
    SelectionChangedSince(before);
    return true;
}

// --- panning --------------------------------------------------------------------------------------------

void TGridInput::StartPanning(int X, int Y)
{
    panning_ = true;
    panOrigin_ = {X, Y};
    panPrevCursor_ = g_.Cursor();
    g_.SetCursor(PanCursor(0, 0));
    g_.SetTimer(kPanTimerId, kPanTimerMs);
    ui::SetCaptureControl(&g_);
    g_.Invalidate();
}

void TGridInput::StopPanning()
{
    if (!panning_)
        return;
    panning_ = false;
    if (ui::CaptureControl() == &g_)
        ui::SetCaptureControl(nullptr);
    g_.KillTimer(kPanTimerId);
    g_.SetCursor(panPrevCursor_);
    g_.Invalidate();
}

// One pan step towards the mouse: a row (column) per tick while the pointer lies more than 5 pixels
// from where panning started; the cursor shows the direction.
void TGridInput::PanStep()
{
    const ui::TGridRect before = g_.Selection();
    const ui::TPoint p = g_.ScreenToClient(ui::GetCursorPos());
    int dy = p.Y < panOrigin_.Y - kPanDeadZone ? -1 : (p.Y > panOrigin_.Y + kPanDeadZone ? 1 : 0);
    int dx = p.X < panOrigin_.X - kPanDeadZone ? -1 : (p.X > panOrigin_.X + kPanDeadZone ? 1 : 0);
    if (g_.IntelliPan == ipHorizontal)
        dy = 0;
    if (g_.IntelliPan == ipVertical)
        dx = 0;
    g_.SetCursor(PanCursor(dx, dy));
    if (g_.MouseActions()->WheelAction() == waScroll) {
        if (dx < 0 && g_.LeftCol() > g_.FixedCols())
            g_.SetLeftCol(g_.LeftCol() - 1);
        if (dx > 0 && g_.LeftCol() < g_.MaxLeftCol())
            g_.SetLeftCol(g_.LeftCol() + 1);
        if (dy < 0 && g_.TopRow() > g_.FixedRows())
            g_.SetTopRow(g_.TopRow() - 1);
        if (dy > 0 && g_.TopRow() < g_.MaxTopRow())
            g_.SetTopRow(g_.TopRow() + 1);
    } else {
        int c = g_.Col(), r = g_.Row();
        if (dx < 0 && c > g_.FixedCols())
            --c;
        if (dx > 0 && c < g_.ColCount() - g_.FixedRightCols() - 1)
            ++c;
        if (dy < 0 && r > g_.FixedRows())
            --r;
        if (dy > 0 && r < g_.RowCount() - g_.FixedFooters() - 1)
            ++r;
        if (c != g_.Col() || r != g_.Row())
            g_.MoveToCell(c, r);
    }
    SelectionChangedSince(before);
}

// --- scroll bars and their hints ------------------------------------------------------------------------

void TGridInput::ScrollMessage(ui::TMessage& m)
{
    const bool vertical = m.Msg == ui::WM_VSCROLL;
    const unsigned code = ui::LoWord(m.WParam);
    const int bar = vertical ? ui::SB_VERT : ui::SB_HORZ;
    const int fixed = vertical ? g_.FixedRows() : g_.FixedCols();
    const int last = std::max(fixed, vertical ? g_.MaxTopRow() : g_.MaxLeftCol());
    const bool hints = g_.ScrollHints == shBoth || g_.ScrollHints == (vertical ? shVertical : shHorizontal);
    // The bars count from the first scrollable row (column); a dragged thumb's full position is the
    // bar's track position (the message carries 16 bits only).
    int pos = static_cast<int>(ui::HiWord(m.WParam));
    if ((code == ui::SB_THUMBTRACK || code == ui::SB_THUMBPOSITION) && g_.ScrollBarVisible(bar)) {
        const int track = g_.GetScrollInfo(bar).nTrackPos;
        if ((track & 0xFFFF) == pos)
            pos = track;
    }
    const int n = std::clamp(g_.ScrollPosToIndex(vertical, pos), fixed, last);
    if (hints && code == ui::SB_ENDSCROLL && scrollHintShown_) {
        HideHintWindow();
    } else if (hints && code == ui::SB_THUMBTRACK) {
        scrollHint_ = (vertical ? "Row : " : "Col : ") + std::to_string(n);
        if (g_.OnScrollHint)
            g_.OnScrollHint(&g_, n, scrollHint_);
        const ui::TPoint cursor = ui::GetCursorPos();
        ShowHintWindow({cursor.X + 10, cursor.Y}, 100);
    }
    if (!vertical && g_.FixedCols() == 0 && n >= g_.Col())
        g_.HideInplaceEdit();
    if (code == ui::SB_THUMBTRACK || code == ui::SB_THUMBPOSITION) {
        if (code == ui::SB_THUMBPOSITION || g_.ScrollSynch || (g_.Options() & ui::goThumbTracking)) {
            if (vertical)
                g_.SetTopRow(n);
            else
                g_.SetLeftCol(n);
            g_.UpdateScrollBars();
        }
        m.Result = 0;
    } else if (!g_.HandleScrollMessage(m)) {
        g_.TBaseGrid::WndProc(m);
    }
    if (g_.HasCellTypeIn(g_.RealColIndex(g_.Col()), g_.Row(), {ctCheckBox, ctDataCheckBox, ctVirtCheckBox}))
        g_.HideEditor();
}

void TGridInput::ShowHintWindow(ui::TPoint at, int maxWidth)
{
    if (!hintWindow_)
        hintWindow_ = new THTMLHintWindow(&g_);
    const ui::TRect need = hintWindow_->CalcHintRect(maxWidth, scrollHint_, &g_);
    ui::TRect r{at.X, at.Y, at.X + need.Right, at.Y + need.Bottom};
    hintWindow_->SetColor(g_.HintColor);
    hintWindow_->ActivateHintData(r, scrollHint_, &g_);
    scrollHintShown_ = true;
}

void TGridInput::HideHintWindow()
{
    scrollHintShown_ = false;
    scrollHint_.clear();
    if (hintWindow_)
        hintWindow_->HideHint();
}

// --- the 500 ms timer -----------------------------------------------------------------------------------

void TGridInput::Timer()
{
    ++g_.gridTimerTicks_;
    if (g_.Navigation()->AutoGotoIncremental() && ++searchTics >= 4) {
        searchInc.clear();
        searchTics = 0;
    }
    // Hovering: the current cell follows the mouse over the normal cells.
    if (g_.Hovering && !(g_.ComponentState() & ui::csDesigning) && ui::MouseControl() == &g_) {
        const ui::TPoint p = g_.ScreenToClient(ui::GetCursorPos());
        int ACol = -1, ARow = -1;
        if (p.X >= 0 && p.Y >= 0 && p.X < g_.ClientWidth() && p.Y < g_.ClientHeight())
            g_.MouseToCell(p.X, p.Y, ACol, ARow);
        if (ACol >= g_.FixedCols() && ACol < g_.ColCount() && ARow >= g_.FixedRows() && ARow < g_.RowCount()) {
            if (g_.CanFocus())
                g_.SetFocus();
            g_.SetRow(ARow);
            g_.SetCol(ACol);
        }
    }
    if (g_.EnableBlink)
        RepaintBlinkingCells();
}

// Every shown cell whose text holds a blink tag is repainted in the other blink phase: the visible
// normal rows and the fixed rows over the visible columns, and the fixed columns over the visible
// rows.
void TGridInput::RepaintBlinkingCells()
{
    g_.Pointer.GridBlink = !g_.Pointer.GridBlink;
    const auto blinks = [this](int c, int r) {
        const std::string& text = g_.Cells(g_.RealColIndex(c), r);
        for (std::size_t i = 0; i + 4 <= text.size(); ++i)
            if (text[i] == '<' && (text[i + 1] | 0x20) == 'b' && (text[i + 2] | 0x20) == 'l' &&
                (text[i + 3] | 0x20) == 'i')
                return true;
        return false;
    };
    const int lastRow = std::min(g_.RowCount() - 1, g_.TopRow() + g_.VisibleRowCount());
    const int lastCol = std::min(g_.ColCount() - 1, g_.LeftCol() + g_.VisibleColCount());
    const auto sweep = [&](int r0, int r1, int c0, int c1) {
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                if (blinks(c, r))
                    g_.RepaintCell(c, r);
    };
    sweep(g_.TopRow(), lastRow, g_.LeftCol(), lastCol);
    sweep(0, g_.FixedRows() - 1, g_.LeftCol(), lastCol);
    sweep(g_.TopRow(), lastRow, 0, g_.FixedCols() - 1);
}

}  // namespace gx
