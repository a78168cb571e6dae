#pragma once
// An owned, ordered list of items that tell their list when one of their properties changed
// (OnChange, Sender = the list). Adding, inserting and deleting items fire nothing.
#include <memory>
#include <vector>

#include "platform/ui/Types.h"

namespace dropdown {

class TCollectionBase : public ui::TObject {
public:
    ui::TNotifyEvent OnChange;
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};

// Item must be constructible from a TCollectionBase* and provide Assign(const Item&).
template <class Item>
class TItemCollection : public TCollectionBase {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    Item* Add()
    {
        items_.push_back(std::make_unique<Item>(this));
        return items_.back().get();
    }
    // A new item before Index (at the end when Index is out of range).
    Item* Insert(int Index)
    {
        if (Index < 0 || Index > Count())
            Index = Count();
        auto it = items_.insert(items_.begin() + Index, std::make_unique<Item>(this));
        return it->get();
    }
    // The item at Index, or nullptr outside the list.
    Item* GetItem(int Index) const { return Valid(Index) ? items_[static_cast<std::size_t>(Index)].get() : nullptr; }
    void SetItem(int Index, const Item& Value)
    {
        if (Valid(Index))
            items_[static_cast<std::size_t>(Index)]->Assign(Value);
    }
    void Delete(int Index)
    {
        if (Valid(Index))
            items_.erase(items_.begin() + Index);
    }
    void Clear() { items_.clear(); }
    // Replaces the items by copies of Source's.
    void Assign(const TItemCollection& Source)
    {
        if (&Source == this)
            return;
        items_.clear();
        for (const auto& item : Source.items_)
            Add()->Assign(*item);
    }
    bool Valid(int Index) const { return Index >= 0 && Index < Count(); }

private:
    std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace dropdown
