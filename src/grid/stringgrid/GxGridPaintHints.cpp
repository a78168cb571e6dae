// TGxStringGrid: the hint of the cell under the mouse, the permission to size columns and rows,
// following the size of the form, rescaling the extra fonts, the search footer's look handed to the
// search panel, the column widths recorded at load time and the change relays of owned settings.
#include <cmath>

#include "grid/base/HtmlTextDraw.h"
#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/ui/Application.h"

namespace gx {

void TGxStringGrid::BuildCellHint(std::string& HintStr, THintRequest& HintInfo)
{
    int col = -1, row = -1;
    MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, col, row);
    if (controlLook_->HintMaxWidth > 0)
        HintInfo.HintMaxWidth = controlLook_->HintMaxWidth;
    if (col >= 0 && row >= 0) {
        const int real = RealColIndex(col);
        const ui::TPoint base = BaseCell(real, row);
        row = base.Y;
        col = DisplColIndex(base.X);
        LastHintPos = {col, row};
        const ui::TRect R = CellRect(col, row);
        const int c = RealColIndex(col);
        HintInfo.HintPos = {HintInfo.CursorPos.X, R.Bottom + 6};
        const std::string text = Cells(c, row);
        const bool html = EnableHTML && GetCellTextKind(text, true) == 1;

        // A link under the cursor.
        if (html && AnchorHint) {
            THTMLDrawResult result;
            if (CellTextHit(col, row, HintInfo.CursorPos.X, HintInfo.CursorPos.Y, result) && result.ControlID.empty()) {
                std::string anchor = result.AnchorTitle.empty() ? result.AnchorAtPoint : result.AnchorTitle;
                if (OnAnchorHint)
                    OnAnchorHint(this, row, c, anchor);
                LastAnchorHint = anchor;
                HintStr = anchor;
                HintInfo.HintPos = {HintInfo.CursorPos.X + 8, HintInfo.CursorPos.Y - 16};
            }
        }

        // The cell's own text.
        const bool normal = col >= FixedCols() && col < ColCount() - fixedRightCols_ && row >= FixedRows() &&
                            row < RowCount() - fixedFooters_;
        if (HintShowCells && normal) {
            HintInfo.HintPos.Y = R.Top;
            if (IsWideCell(c, row))
                HintStr = text;
            else
                HintStr = HTMLHint ? text : StrippedCells(c, row);
        }

        // A text that does not fit its cell.
        if (HintShowLargeText) {
            const bool enh = EnhTextSize;
            EnhTextSize = false;
            const ui::TSize size = GetCellTextSize(c, row, false, true);
            EnhTextSize = enh;
            if (size.cx > R.Width() || size.cy > R.Height()) {
                if (HintShowLargeTextPos == hpCell)
                    HintInfo.HintPos = {R.Left, R.Top};
                HintStr = html && !HTMLHint ? StrippedCells(c, row) : text;
            }
        }

        // The handlers have the last word, except on the floating footer's row.
        if (!(floatingFooter_->Visible() && row == RowCount() - 1)) {
            std::u16string wide;
            DoGridHint(col, row, HintStr, wide);
        }
        const int kind = GetCellTextKind(HintStr, true);
        if ((kind == 1 || kind == 5) && UseInternalHintClass)
            HintInfo.HTMLWindow = true;
    }
    HintInfo.HintColor = HintColor;
}

bool TGxStringGrid::HandleHintMessage(ui::TMessage& message)
{
    if (message.Msg != ui::CM_HINTSHOW || message.LParam == 0)
        return false;
    auto& info = *reinterpret_cast<ui::THintInfo*>(message.LParam);
    THintRequest request;
    request.CursorPos = info.CursorPos;
    request.HintMaxWidth = info.HintMaxWidth;
    request.HintPos = ScreenToClient(info.HintPos);
    std::string hint = info.HintStr;
    BuildCellHint(hint, request);
    info.HintStr = hint;
    info.HintColor = request.HintColor;
    info.HintMaxWidth = request.HintMaxWidth;
    info.HintPos = ClientToScreen(request.HintPos);
    // A new cell asks again: the hint rectangle is the cell under the mouse.
    int col = -1, row = -1;
    MouseToCell(info.CursorPos.X, info.CursorPos.Y, col, row);
    if (col >= 0 && row >= 0)
        info.CursorRect = CellRect(col, row);
    message.Result = 0;
    return true;
}

bool TGxStringGrid::AllowColumnSizing(int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X - 6, Y, col, row);
    if (row >= FixedRows() || col < 0)
        return true;
    bool allow = true;
    if (OnColumnSize)
        OnColumnSize(this, col, allow);
    return allow;
}

bool TGxStringGrid::AllowRowSizing(int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X, Y - 6, col, row);
    if (col >= FixedCols() || row < 0)
        return true;
    bool allow = true;
    if (OnRowSize)
        OnRowSize(this, row, allow);
    return allow;
}

void TGxStringGrid::HandleFormResize(TObject* Sender)
{
    if (ComponentState() & ui::csDestroying)
        return;
    if (auto* form = dynamic_cast<ui::TCustomForm*>(Sender); form && SizeWithForm) {
        const int w = Width() + form->Width() - formWidth_;
        const int h = Height() + form->Height() - formHeight_;
        if (w > 0 && h > 0) {
            SetBounds(Left(), Top(), w, h);
            formWidth_ = form->Width();
            formHeight_ = form->Height();
        }
    }
    if (formResizeBefore_) {
        try {
            formResizeBefore_(Sender);
        } catch (...) {  // the form's own handler must not break the grid's
        }
    }
    if (columnSize_->Stretch())
        StretchColumn(columnSize_->StretchColumn);
}

void TGxStringGrid::HandleScaleChange(int M, int D)
{
    if (M == D || D == 0)
        return;
    fixedFont_.SetSize(ScaleSize(fixedFont_.Size(), M, D));
    activeCellFont_.SetSize(ScaleSize(activeCellFont_.Size(), M, D));
}

int TGxStringGrid::ScaleSize(int Size, int M, int D)
{
    return D == 0 ? Size : static_cast<int>(std::lround(double(Size) * M / D));
}

void TGxStringGrid::UpdateSearchPanel()
{
    if (!searchPanel_ || (ComponentState() & ui::csLoading))
        return;
    TSearchPanel& p = *searchPanel_;
    const TSearchFooter& f = *searchFooter_;
    p.SetColor(f.Color());
    p.SetColorTo(f.ColorTo());
    p.SetVisible(f.Visible());
    p.FindNextCaption = f.FindNextCaption();
    p.FindPrevCaption = f.FindPrevCaption();
    p.MatchCaseCaption = f.MatchCaseCaption();
    p.HighLightCaption = f.HighLightCaption();
    p.HintFindNext = f.HintFindNext();
    p.HintFindPrev = f.HintFindPrev();
    p.HintClose = f.HintClose();
    p.HintHighlight = f.HintHighlight();
    p.Font()->Assign(*f.Font());
    if (f.Visible())
        p.SetBounds(0, Height() - 32, Width(), 32);
    else
        p.SetBounds(0, Height(), Width(), 0);
}

void TGxStringGrid::InitOrigColSizes()
{
    origColSizes_->Clear();
    for (int c = 0; c < ColCount(); ++c)
        origColSizes_->Add(ColWidths(c));
    OldSize = Width();
}

void TGxStringGrid::ShowModifiedChange()
{
    RepaintCol(0);
}

void TGxStringGrid::BandsChange()
{
    Invalidate();
}

}  // namespace gx
