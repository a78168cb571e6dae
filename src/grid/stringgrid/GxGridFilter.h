// The grid's filter conditions (TFilter of TFilterData, evaluated by the grid's filtering) and the
// record of a hidden row (TGridItem): its real index, height, filter level and cells. A hidden row's
// cells are the stored cells of the framework grid moved out whole, with their properties objects,
// so hiding and showing a row copies nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/stringgrid/GxGridTypes.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Grids.h"

namespace gx {

class TGxStringGrid;
class TFilter;

class TFilterData : public TObject {
public:
    explicit TFilterData(TFilter* ACollection) : collection_(ACollection) {}
    // Copies all but Method.
    void Assign(const TObject* Source);
    TFilter* Collection() const { return collection_; }

    std::int16_t Column = 0;
    std::string Condition;  // empty: every row passes this test
    bool CaseSensitive = true;
    TFilterCells Data = fcVirtual;
    std::string Prefix;
    std::string Suffix;
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;

private:
    TFilter* collection_;
};

class TFilter : public TObject {
public:
    explicit TFilter(TGxStringGrid* AOwner) : owner_(AOwner) {}
    TGxStringGrid* GetOwner() const { return owner_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // A new condition at the end: foNONE when it is the only one, else foAND.
    TFilterData* Add();
    // A new condition at the end with the initial values (foSHORT); the index is not used.
    TFilterData* Insert(int Index);
    TFilterData* Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)).get(); }
    void SetItems(int Index, const TFilterData& Value) { Items(Index)->Assign(&Value); }
    void Delete(int Index);
    void Clear() { items_.clear(); }
    // Replaces the conditions by copies of Source's.
    void Assign(const TObject* Source);

    // The first condition on Col; one is added for it when there is none.
    TFilterData* GetColFilter(int Col);
    bool HasFilter(int Col) const;
    // Deletes every condition on Col, then repaints the column's header cell (Col, 0).
    void RemoveColumnFilter(int Col);

private:
    TGxStringGrid* owner_;
    std::vector<std::unique_ptr<TFilterData>> items_;
};

class TGridItem;

// The cells of a hidden row as a string list: entries are the cells' texts, objects the cells'
// user objects (read and written through the grid, like its other cell accessors). Writing past
// the end extends the row with empty cells.
class TGridItemStrings : public rtl::TStrings {
public:
    explicit TGridItemStrings(TGridItem* item) : item_(item) {}
    int GetCount() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;  // frees the cells' properties objects too

private:
    TGridItem* item_;
};

// The record of one hidden row.
class TGridItem : public TObject {
public:
    explicit TGridItem(TGxStringGrid* AGrid);
    // With the given cells (a null is taken as none).
    TGridItem(TGxStringGrid* AGrid, std::unique_ptr<ui::GridRowCells> ACells);
    TGxStringGrid* Grid() const { return grid_; }

    int Idx = 0;     // real row index
    int Height = 0;  // height when hidden
    int Level = 0;   // filter level it was hidden at (0: hidden otherwise)

    rtl::TStrings* Items() { return &items_; }
    // The stored cells (texts, user objects, properties objects), never null.
    ui::GridRowCells& Cells() { return *cells_; }
    const ui::GridRowCells& Cells() const { return *cells_; }
    // Hands the cells over (leaving the item empty) or takes cells in (a null is taken as none).
    std::unique_ptr<ui::GridRowCells> TakeCells();
    void SetCells(std::unique_ptr<ui::GridRowCells> Value);
    // Cell i, created empty (with the cells before it) when the row is shorter.
    ui::GridCell& CellAt(int i);

private:
    TGxStringGrid* grid_;
    std::unique_ptr<ui::GridRowCells> cells_;
    TGridItemStrings items_{this};
};

}  // namespace gx
