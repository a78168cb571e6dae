// Filter conditions and the records of hidden rows.
#include "grid/stringgrid/GxGridFilter.h"

#include "grid/stringgrid/GxGrid.h"

namespace gx {

// --- filter conditions ----------------------------------------------------------------------------

void TFilterData::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TFilterData*>(Source);
    if (!s || s == this)
        return;
    Column = s->Column;
    Condition = s->Condition;
    CaseSensitive = s->CaseSensitive;
    Data = s->Data;
    Prefix = s->Prefix;
    Suffix = s->Suffix;
    Operation = s->Operation;
}

TFilterData* TFilter::Add()
{
    TFilterData* item = Insert(Count());
    item->Operation = Count() == 1 ? foNONE : foAND;
    return item;
}

TFilterData* TFilter::Insert(int)
{
    items_.push_back(std::make_unique<TFilterData>(this));
    return items_.back().get();
}

void TFilter::Delete(int Index)
{
    if (Index >= 0 && Index < Count())
        items_.erase(items_.begin() + Index);
}

void TFilter::Assign(const TObject* Source)
{
    const auto* s = dynamic_cast<const TFilter*>(Source);
    if (!s || s == this)
        return;
    items_.clear();
    for (const auto& item : s->items_)
        Insert(Count())->Assign(item.get());
}

TFilterData* TFilter::GetColFilter(int Col)
{
    for (const auto& item : items_)
        if (item->Column == Col)
            return item.get();
    TFilterData* item = Add();
    item->Column = static_cast<std::int16_t>(Col);
    return item;
}

bool TFilter::HasFilter(int Col) const
{
    for (const auto& item : items_)
        if (item->Column == Col)
            return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (items_[static_cast<std::size_t>(i)]->Column == Col)
            items_.erase(items_.begin() + i);
    if (owner_)
        owner_->RepaintCell(Col, 0);
}

// --- hidden-row records -----------------------------------------------------------------------------

TGridItem::TGridItem(TGxStringGrid* AGrid) : TGridItem(AGrid, nullptr) {}

TGridItem::TGridItem(TGxStringGrid* AGrid, std::unique_ptr<ui::GridRowCells> ACells)
    : grid_(AGrid), cells_(ACells ? std::move(ACells) : std::make_unique<ui::GridRowCells>())
{}

std::unique_ptr<ui::GridRowCells> TGridItem::TakeCells()
{
    auto taken = std::move(cells_);
    cells_ = std::make_unique<ui::GridRowCells>();
    return taken;
}

void TGridItem::SetCells(std::unique_ptr<ui::GridRowCells> Value)
{
    // The old cells leave the record before they are destroyed.
    auto old = std::move(cells_);
    cells_ = Value ? std::move(Value) : std::make_unique<ui::GridRowCells>();
}

ui::GridCell& TGridItem::CellAt(int i)
{
    if (static_cast<std::size_t>(i) >= cells_->size())
        cells_->resize(static_cast<std::size_t>(i) + 1);
    return (*cells_)[static_cast<std::size_t>(i)];
}

int TGridItemStrings::GetCount() const
{
    return static_cast<int>(item_->Cells().size());
}

std::string TGridItemStrings::Get(int index) const
{
    if (index < 0 || index >= GetCount())
        throw rtl::EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    return item_->Cells()[static_cast<std::size_t>(index)].Text;
}

void TGridItemStrings::Put(int index, const std::string& s)
{
    if (index < 0 || index >= ui::kMaxGridCount)
        throw rtl::EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    item_->CellAt(index).Text = s;
}

TObject* TGridItemStrings::GetObject(int index) const
{
    return item_->Grid() ? item_->Grid()->AllObjects(index, item_->Idx) : nullptr;
}

void TGridItemStrings::PutObject(int index, TObject* object)
{
    if (item_->Grid())
        item_->Grid()->SetAllObjects(index, item_->Idx, object);
}

void TGridItemStrings::Insert(int index, const std::string& s)
{
    auto& cells = item_->Cells();
    if (index < 0 || index > GetCount())
        throw rtl::EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    ui::GridCell cell;
    cell.Text = s;
    cells.insert(cells.begin() + index, std::move(cell));
}

void TGridItemStrings::Delete(int index)
{
    auto& cells = item_->Cells();
    if (index < 0 || index >= GetCount())
        throw rtl::EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    ui::GridCell removed = std::move(cells[static_cast<std::size_t>(index)]);
    cells.erase(cells.begin() + index);
}

void TGridItemStrings::Clear()
{
    item_->SetCells(nullptr);
}

}  // namespace gx
