#pragma once
// Index-checked list of plain values (pointers, integers, handles). An index out of range raises
// EListError "List index out of bounds (n)".
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace rtl {

[[noreturn]] void RaiseListIndexError(int index);

template <typename T>
class TListOf {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    int Capacity() const { return static_cast<int>(items_.capacity()); }
    void SetCapacity(int n)
    {
        if (n < Count())
            throw EListError("List capacity out of bounds (" + std::to_string(n) + ")");
        items_.reserve(static_cast<size_t>(n));
    }
    // Grows with default values or shrinks.
    void SetCount(int n)
    {
        if (n < 0)
            throw EListError("List count out of bounds (" + std::to_string(n) + ")");
        items_.resize(static_cast<size_t>(n));
    }

    int Add(const T& v)
    {
        items_.push_back(v);
        return Count() - 1;
    }
    void Insert(int index, const T& v)
    {
        if (index < 0 || index > Count())
            RaiseListIndexError(index);
        items_.insert(items_.begin() + index, v);
    }
    void Delete(int index)
    {
        check(index);
        items_.erase(items_.begin() + index);
    }
    // Removes the first equal item; returns its former index or -1.
    int Remove(const T& v)
    {
        int i = IndexOf(v);
        if (i >= 0)
            Delete(i);
        return i;
    }
    T Extract(const T& v)
    {
        int i = IndexOf(v);
        if (i < 0)
            return T{};
        T r = items_[static_cast<size_t>(i)];
        Delete(i);
        return r;
    }
    int IndexOf(const T& v) const
    {
        auto it = std::find(items_.begin(), items_.end(), v);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    bool Contains(const T& v) const { return IndexOf(v) >= 0; }
    void Clear()
    {
        items_.clear();
        items_.shrink_to_fit();
    }
    void Exchange(int a, int b)
    {
        check(a);
        check(b);
        std::swap(items_[a], items_[b]);
    }
    void Move(int from, int to)
    {
        if (from == to)
            return;
        check(from);
        check(to);
        T v = items_[static_cast<size_t>(from)];
        items_.erase(items_.begin() + from);
        items_.insert(items_.begin() + to, v);
    }
    // Removes every default-valued (nil / zero) item.
    void Pack() { items_.erase(std::remove(items_.begin(), items_.end(), T{}), items_.end()); }
    // Stable sort; compare returns <0, 0, >0.
    void Sort(const std::function<int(const T&, const T&)>& compare)
    {
        std::stable_sort(items_.begin(), items_.end(), [&](const T& a, const T& b) { return compare(a, b) < 0; });
    }

    T Get(int index) const
    {
        check(index);
        return items_[static_cast<size_t>(index)];
    }
    void Put(int index, const T& v)
    {
        check(index);
        items_[static_cast<size_t>(index)] = v;
    }
    T operator[](int index) const { return Get(index); }
    T First() const { return Get(0); }
    T Last() const { return Get(Count() - 1); }

    const std::vector<T>& data() const { return items_; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    void check(int index) const
    {
        if (index < 0 || index >= Count())
            RaiseListIndexError(index);
    }
    std::vector<T> items_;
};

using TList = TListOf<void*>;       // list of non-owned references
using TIntegerList = TListOf<int>;  // list of integers

}  // namespace rtl
