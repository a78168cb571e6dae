// TGxStringGrid: the controls shown in cells follow their cells. After scrolling, sizing or row
// changes each control is placed over its cell (one pixel up and left, one pixel larger) or hidden
// while its cell is out of view or hidden; an open form-control editor ends.
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridEdit.h"

namespace gx {

void TGxStringGrid::CellControlsUpdate(bool rebuildlist)
{
    if (!Parent())
        return;
    if (rebuildlist) {
        while (controlList_->Count() > 0)
            controlList_->RemoveControl(0);
        numCellControls_ = 0;
        for (int c = 0; c < TotalColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (const TCellProperties* props = PropsAt(c, r); props && props->Control()) {
                    controlList_->AddControl(c, RealRowIndex(r), props->Control());
                    ++numCellControls_;
                }
    }
    if (numCellControls_ == 0)
        return;
    const int lastCol = LeftCol() + VisibleColCount();
    const int lastRow = TopRow() + VisibleRowCount();
    std::vector<ui::TControl*> shown;
    for (int i = 0; i < controlList_->Count(); ++i) {
        const TControlItem* item = controlList_->GetControl(i);
        ui::TControl* control = item->Control;
        if (!control)
            continue;
        if (IsHiddenRow(item->Y) || IsHiddenColumn(item->X)) {
            control->SetVisible(false);
            continue;
        }
        const int col = DisplColIndex(item->X);
        const int row = DisplRowIndex(item->Y);
        const bool fixed = col < FixedCols() || row < FixedRows();
        if (fixed)
            continue;
        const bool inView = col >= LeftCol() && col <= lastCol && col < ColCount() && row >= TopRow() &&
                            row <= lastRow && row < RowCount();
        if (!inView) {
            control->SetVisible(false);
            continue;
        }
        const ui::TRect r = CellRect(col, row);
        control->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
        control->SetVisible(true);
        shown.push_back(control);
    }
    // A nudge of the width lets each control lay itself out again.
    for (ui::TControl* control : shown) {
        control->Invalidate();
        control->SetWidth(control->Width() + 1);
        control->SetWidth(control->Width() - 1);
    }
}

void TGxStringGrid::TopLeftChanged()
{
    TBaseGrid::TopLeftChanged();
    if (edit_.EditMode && !IsTextEditor(currentEditor_))
        HideInplaceEdit();
    // The editor of a form control would stay where its cell was: the edit ends as when left.
    EndCellControlEdit();
    CellControlsUpdate(false);
    SyncCellScrollBar();
    SyncGridFollowScroll();
}

}  // namespace gx
