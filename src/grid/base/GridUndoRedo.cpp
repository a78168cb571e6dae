#include "grid/base/GridUndoRedo.h"

#include <algorithm>

#include "grid/base/BaseGrid.h"

namespace gx {

TUndoRedoItem& TUndoRedoCollection::Add()
{
    return items_.emplace_back();
}

void TUndoRedoCollection::Delete(int Index)
{
    if (Index >= 0 && Index < Count())
        items_.erase(items_.begin() + Index);
}

TGxGridUndoRedo::TGxGridUndoRedo(ui::TComponent* AOwner) : ui::TComponent(AOwner) {}

TGxGridUndoRedo::~TGxGridUndoRedo()
{
    MarkDestroying();
}

void TGxGridUndoRedo::SetGrid(TBaseGrid* Value)
{
    // The removal notice runs both ways and stays in place for a grid unlinked here, which may
    // still point to this store.
    grid_ = Value;
    if (grid_)
        FreeNotification(grid_);
}

void TGxGridUndoRedo::SetLevel(int Value)
{
    level_ = std::clamp(Value, 0, items_.Count());
}

void TGxGridUndoRedo::Notification(ui::TComponent* component, ui::TOperation operation)
{
    if (operation == ui::TOperation::opRemove && component == grid_)
        grid_ = nullptr;
    ui::TComponent::Notification(component, operation);
}

void TGxGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue)
{
    if (MaxLevel > 0 && items_.Count() >= MaxLevel)
        items_.Delete(0);
    TUndoRedoItem& item = items_.Add();
    item.Col = ACol;
    item.Row = ARow;
    item.Value = NewValue;
    item.OrigValue = OldValue;
    level_ = items_.Count();
}

void TGxGridUndoRedo::AddMarker(bool start)
{
    TUndoRedoItem& item = items_.Add();
    item.SequenceStart = start;
    item.SequenceStop = !start;
    level_ = items_.Count();
}

void TGxGridUndoRedo::StartSequence()
{
    AddMarker(true);
}

void TGxGridUndoRedo::StopSequence()
{
    AddMarker(false);
}

void TGxGridUndoRedo::Apply(const TUndoRedoItem& item, const std::string& text, const TGxGridUndoRedoEvent& event)
{
    // A marker names no cell: stepping over it changes nothing in the grid.
    if (item.IsMarker())
        return;
    if (event)
        event(this, grid_, item.Col, item.Row, grid_->Cells(item.Col, item.Row), text);
    grid_->SetCells(item.Col, item.Row, text);
    grid_->SetCol(grid_->DisplColIndex(item.Col));
    grid_->SetRow(item.Row);
}

void TGxGridUndoRedo::Undo()
{
    if (!grid_ || level_ == 0 || level_ > items_.Count())
        return;
    if (!items_.Items(level_ - 1).SequenceStop) {
        Apply(items_.Items(level_ - 1), items_.Items(level_ - 1).OrigValue, OnUndo);
        grid_->RepaintCell(grid_->Col(), grid_->Row());
        --level_;
        return;
    }
    --level_;
    while (level_ > 0 && !items_.Items(level_ - 1).SequenceStart) {
        Apply(items_.Items(level_ - 1), items_.Items(level_ - 1).OrigValue, OnUndo);
        --level_;
    }
    // Past the start marker, when the history still holds it: a history trimmed to MaxLevel may
    // have lost it, and the level never goes below 0.
    if (level_ > 0)
        --level_;
    grid_->Invalidate();
}

void TGxGridUndoRedo::Redo()
{
    if (!grid_ || level_ < 0 || level_ >= items_.Count())
        return;
    const int l = level_++;
    if (!items_.Items(l).SequenceStart) {
        Apply(items_.Items(l), items_.Items(l).Value, OnRedo);
        return;
    }
    // Every change up to the stop marker, the last one included when the sequence was never
    // closed; the level ends just past the stop marker or at the end of the history.
    while (level_ < items_.Count()) {
        const TUndoRedoItem& item = items_.Items(level_++);
        if (item.SequenceStop)
            break;
        Apply(item, item.Value, OnRedo);
    }
    grid_->Invalidate();
}

void TGxGridUndoRedo::Reset()
{
    items_.Clear();
    level_ = 0;
}

}  // namespace gx
