// TGxStringGrid: the window messages and input methods handed to TGridInput (GxGridInput.h), and
// the grid's own entry points of the input handling.
#include "grid/stringgrid/GxGridInput.h"

#include <algorithm>

#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridModule.h"
#include "platform/ui/Application.h"

namespace gx {

void TGxStringGrid::WndProc(ui::TMessage& message)
{
    TGridInput& in = *input_;
    if (message.Msg == GxGridModule().EditDoneMessage && message.Msg != 0) {
        HandleEditDoneMessage(message);
        return;
    }
    switch (message.Msg) {
    case ui::WM_TIMER:
        if (message.WParam == gridTimerId_ && gridTimerId_ != 0) {
            HandleTimer();
            return;
        }
        if (in.Panning()) {
            in.PanStep();
            return;
        }
        if (HandleDragScrollTimer(static_cast<unsigned>(message.WParam)))
            return;
        break;
    case ui::WM_KEYDOWN: {
        in.StopPanning();
        const int row = Row();
        unsigned key = static_cast<unsigned>(message.WParam);
        if (in.KeyDownMessage(key, ui::KeyboardShiftState())) {
            message.WParam = 0;
            message.Result = 1;
            AfterCellInput(row);
            return;
        }
        message.WParam = key;
        TBaseGrid::WndProc(message);
        AfterCellInput(row);
        return;
    }
    case ui::WM_LBUTTONDOWN: {
        in.StopPanning();
        const int row = Row();
        in.LeftButtonDown(message);
        AfterCellInput(row);
        return;
    }
    case ui::WM_LBUTTONUP:
        in.LeftButtonUp(message);
        return;
    case ui::WM_LBUTTONDBLCLK:
        in.LeftDoubleClick(message);
        return;
    case ui::WM_RBUTTONDOWN:
        in.StopPanning();
        in.RightButtonDown(message);
        return;
    case ui::WM_RBUTTONUP:
        // A right release while a row or column is moved leaves the move going.
        if (GridState() == ui::TGridState::gsColMoving || GridState() == ui::TGridState::gsRowMoving) {
            message.Result = 0;
            return;
        }
        break;
    case ui::WM_MBUTTONDOWN:
        if (in.Panning()) {
            in.StopPanning();
        } else if (IntelliPan != ipNone && RowCount() > FixedRows()) {
            in.StartPanning(ui::LoWordSigned(message.LParam), ui::HiWordSigned(message.LParam));
        }
        break;
    case ui::WM_MOUSEMOVE:
        in.MouseMove(message);
        return;
    case ui::WM_MOUSEWHEEL: {
        if (in.Panning())
            break;
        // The grid handles the wheel through its wheel methods (which descendants may wrap); the
        // framework does not see it, and the parent gets no second step.
        const int delta = static_cast<std::int16_t>(ui::HiWord(message.WParam));
        ui::TShiftState shift = ui::KeyboardShiftState();
        if (ui::LoWord(message.WParam) & ui::MK_CONTROL)
            shift |= ui::ssCtrl;
        const ui::TPoint pt{ui::LoWordSigned(message.LParam), ui::HiWordSigned(message.LParam)};
        bool handled = false;
        if (OnMouseWheel)
            OnMouseWheel(this, shift, delta, pt, handled);
        if (!handled) {
            if (delta < 0)
                DoMouseWheelDown(shift, pt);
            else
                DoMouseWheelUp(shift, pt);
        }
        message.Result = 1;
        return;
    }
    case ui::WM_VSCROLL:
        if (HandleCellScrollMessage(message) || SearchFooterScrollBefore(message))
            return;
        in.ScrollMessage(message);
        SearchFooterScrollAfter(message);
        return;
    case ui::WM_SIZE:
        HandleSizeMessage(message);
        break;
    case ui::WM_HSCROLL:
        in.ScrollMessage(message);
        return;
    case ui::CM_STYLECHANGED:
        ApplyVCLStyleColors();
        break;
    case ui::WM_THEMECHANGED:
    case WM_OFFICETHEMECHANGED:
        if (autoThemeAdapt_)
            AdaptToOfficeTheme();
        break;
    case ui::CM_DIALOGCHAR:
        HandleDialogChar(message);
        return;
    case ui::CM_HINTSHOW:
        if (HandleHintMessage(message))
            return;
        break;
    case ui::WM_NOTIFY:
        if (HandleBalloonNotify(message))
            return;
        break;
    default:
        break;
    }
    TBaseGrid::WndProc(message);
}

// After a key or a press: the in-cell scroll bar follows the current cell, and a synchronised grid
// the current row when the row changed.
void TGxStringGrid::AfterCellInput(int RowBefore)
{
    SyncCellScrollBar();
    ui::TCustomGrid* other = syncGrid_->Grid();
    if (other && other != this && syncGrid_->SelectionRow && Row() != RowBefore)
        other->SetRow(std::clamp(Row(), other->FixedRows(), std::max(other->FixedRows(), other->RowCount() - 1)));
}

void TGxStringGrid::KeyDown(unsigned& key, ui::TShiftState shift)
{
    input_->KeyDown(key, shift);
}

void TGxStringGrid::KeyUp(unsigned& key, ui::TShiftState shift)
{
    input_->KeyUp(key, shift);
}

void TGxStringGrid::KeyPress(char32_t& key)
{
    input_->KeyPress(key);
}

bool TGxStringGrid::DoMouseWheelDown(ui::TShiftState Shift, ui::TPoint MousePos)
{
    return input_->Wheel(-ui::WHEEL_DELTA, Shift, MousePos);
}

bool TGxStringGrid::DoMouseWheelUp(ui::TShiftState Shift, ui::TPoint MousePos)
{
    return input_->Wheel(ui::WHEEL_DELTA, Shift, MousePos);
}

void TGxStringGrid::DoEnter()
{
    TBaseGrid::DoEnter();
    input_->Enter();
}

void TGxStringGrid::DoExit()
{
    input_->Exit();
    if (Focused() || (InplaceEditor() && InplaceEditor()->Focused()))
        return;  // a refused value kept the focus here
    TBaseGrid::DoExit();
}

void TGxStringGrid::FocusIn()
{
    TBaseGrid::FocusIn();
    input_->FocusIn();
}

void TGxStringGrid::FocusOut()
{
    TBaseGrid::FocusOut();
    input_->FocusOut();
}

void TGxStringGrid::MouseLeave()
{
    TBaseGrid::MouseLeave();
    input_->MouseLeave();
}

void TGxStringGrid::Click()
{
    TBaseGrid::Click();
    input_->Click();
}

void TGxStringGrid::AdvanceCell(int ACol, int ARow, bool StartEdit, bool Forward, bool Force)
{
    input_->AdvanceCell(ACol, ARow, StartEdit, Forward, Force);
}

bool TGxStringGrid::HandleTabKey(bool Backward)
{
    return input_->HandleTabKey(Backward);
}

int TGxStringGrid::FirstTabCol(int ARow)
{
    return input_->FirstTabCol(ARow);
}

int TGxStringGrid::LastTabCol(int ARow)
{
    return input_->LastTabCol(ARow);
}

void TGxStringGrid::ClickCell(int ACol, int ARow)
{
    const ui::TRect r = CellRect(ACol, ARow);
    if (r.IsEmpty())
        return;
    const std::intptr_t point = ui::MakeLParam(r.Left + 2, r.Top + 2);
    edit_.ForceSel = true;
    Perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, point);
    Perform(ui::WM_LBUTTONUP, 0, point);
    edit_.ForceSel = false;
}

std::string TGxStringGrid::ScrollHint() const
{
    return input_->ScrollHintText();
}

THTMLHintWindow* TGxStringGrid::ScrollHintWindow() const
{
    return input_->HintWindow();
}

bool TGxStringGrid::Panning() const
{
    return input_->Panning();
}

}  // namespace gx
