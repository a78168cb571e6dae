#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (OwnsObjects)
        for (auto& item : items_)
            delete item->object;
}

void TStringList::checkIndex(int index) const
{
    if (index < 0 || index >= GetCount())
        Error(msg::ListIndexError, index);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const
{
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

std::string TStringList::Get(int index) const
{
    checkIndex(index);
    return items_[static_cast<size_t>(index)]->text;
}

void TStringList::Put(int index, const std::string& s)
{
    if (sorted_)
        Error(msg::SortedListError, 0);
    checkIndex(index);
    Changing();
    items_[static_cast<size_t>(index)]->text = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const
{
    checkIndex(index);
    return items_[static_cast<size_t>(index)]->object;
}

void TStringList::PutObject(int index, TObject* object)
{
    checkIndex(index);
    Changing();
    items_[static_cast<size_t>(index)]->object = object;
    Changed();
}

void TStringList::insertItem(int index, const std::string& s, TObject* object)
{
    Changing();
    items_.insert(items_.begin() + index, std::make_unique<Item>(Item{s, object}));
    Changed();
}

void TStringList::Insert(int index, const std::string& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object)
{
    if (sorted_)
        Error(msg::SortedListError, 0);
    if (index < 0 || index > GetCount())
        Error(msg::ListIndexError, index);
    insertItem(index, s, object);
}

int TStringList::Add(const std::string& s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::string& s, TObject* object)
{
    int index = GetCount();
    if (sorted_ && Find(s, index)) {
        if (Duplicates == dupIgnore)
            return index;
        if (Duplicates == dupError)
            throw EStringListError(msg::DuplicateString);
    }
    insertItem(index, s, object);
    return index;
}

void TStringList::Delete(int index)
{
    checkIndex(index);
    Changing();
    TObject* object = items_[static_cast<size_t>(index)]->object;
    items_.erase(items_.begin() + index);
    if (OwnsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    Changing();
    std::vector<std::unique_ptr<Item>> old;
    old.swap(items_);
    if (OwnsObjects)
        for (auto& item : old)
            delete item->object;
    Changed();
}

int TStringList::IndexOf(std::string_view s) const
{
    if (!sorted_) {
        for (size_t i = 0; i < items_.size(); ++i)
            if (CompareStrings(items_[i]->text, s) == 0)
                return static_cast<int>(i);
        return -1;
    }
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::exchangeItems(int a, int b)
{
    std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
}

void TStringList::Exchange(int index1, int index2)
{
    checkIndex(index1);
    checkIndex(index2);
    Changing();
    exchangeItems(index1, index2);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    if (sorted_)
        Error(msg::SortedListError, 0);
    checkIndex(curIndex);
    checkIndex(newIndex);
    Changing();
    std::unique_ptr<Item> item = std::move(items_[static_cast<size_t>(curIndex)]);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, std::move(item));
    Changed();
}

bool TStringList::Find(std::string_view s, int& index) const
{
    // Leftmost match, so that with accepted duplicates the first equal entry is found.
    int lo = 0, hi = GetCount() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = CompareStrings(items_[static_cast<size_t>(mid)]->text, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0)
                found = true;
        }
    }
    index = lo;
    return found;
}

void TStringList::quickSort(int lo, int hi, const std::function<int(TStringList&, int, int)>& compare)
{
    while (lo < hi) {
        int i = lo, j = hi, p = (lo + hi) / 2;
        do {
            while (compare(*this, i, p) < 0)
                ++i;
            while (compare(*this, j, p) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    exchangeItems(i, j);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (lo < j)
            quickSort(lo, j, compare);
        lo = i;
    }
}

void TStringList::CustomSort(const std::function<int(TStringList&, int, int)>& compare)
{
    if (sorted_ || GetCount() < 2)
        return;
    Changing();
    quickSort(0, GetCount() - 1, compare);
    Changed();
}

void TStringList::Sort()
{
    if (GetCount() < 2)
        return;
    Changing();
    quickSort(0, GetCount() - 1, [](TStringList& l, int a, int b) {
        return l.CompareStrings(l.items_[static_cast<size_t>(a)]->text, l.items_[static_cast<size_t>(b)]->text);
    });
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (sorted_ == value)
        return;
    if (value)
        Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (caseSensitive_ == value)
        return;
    caseSensitive_ = value;
    if (sorted_)
        Sort();
}

}  // namespace rtl
