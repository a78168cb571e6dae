#pragma once
// Undo and redo of cell texts: TGxGridUndoRedo keeps a history of cell changes and sequence
// markers and applies them back (Undo) or again (Redo) to the grid it is linked to. The grid
// links itself through its UndoRedo setter; each side forgets the other when it is destroyed.

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Component.h"

namespace gx {

class TBaseGrid;

// One recorded change, or a marker (Col and Row -1, empty texts) that opens or closes a sequence.
struct TUndoRedoItem {
    int Row = -1;
    int Col = -1;           // real column
    std::string Value;      // text after the change
    std::string OrigValue;  // text before the change
    bool SequenceStart = false;
    bool SequenceStop = false;

    bool IsMarker() const { return SequenceStart || SequenceStop; }
};

// The history, oldest first.
class TUndoRedoCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TUndoRedoItem& Items(int Index) { return items_.at(static_cast<std::size_t>(Index)); }
    const TUndoRedoItem& Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)); }
    TUndoRedoItem& Add();
    void Delete(int Index);
    void Clear() { items_.clear(); }

private:
    std::vector<TUndoRedoItem> items_;
};

using TGxGridUndoRedoEvent = std::function<void(ui::TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                const std::string& OrigValue, const std::string& NewValue)>;

class TGxGridUndoRedo : public ui::TComponent {
public:
    explicit TGxGridUndoRedo(ui::TComponent* AOwner);
    ~TGxGridUndoRedo() override;

    TUndoRedoCollection& Items() { return items_; }
    const TUndoRedoCollection& Items() const { return items_; }
    TBaseGrid* Grid() const { return grid_; }
    void SetGrid(TBaseGrid* Value);
    // Number of history items in effect: items 0 to Level - 1 are done, the rest can be redone.
    int Level() const { return level_; }
    void SetLevel(int Value);
    // Largest history length; 0 = unlimited. Markers are not counted against it when recorded.
    int MaxLevel = 0;

    virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();

    void Undo();
    void Redo();
    bool CanUndo() const { return level_ > 0; }
    bool CanRedo() const { return level_ < items_.Count(); }
    void Reset();

    // Fired before each cell is changed back or again, with the cell's current text and the text
    // about to be written.
    TGxGridUndoRedoEvent OnUndo;
    TGxGridUndoRedoEvent OnRedo;

protected:
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    void AddMarker(bool start);
    // Writes the text of one item into the grid's cell and makes that cell current.
    void Apply(const TUndoRedoItem& item, const std::string& text, const TGxGridUndoRedoEvent& event);

    TUndoRedoCollection items_;
    TBaseGrid* grid_ = nullptr;
    int level_ = 0;
};

}  // namespace gx
