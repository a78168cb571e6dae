#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

// ---------------------------------------------------------------- TStrings

void TStrings::Error(const char* format, int index) const { throw EStringListError(Fmt(format, index)); }

int TStrings::CompareStrings(std::string_view a, std::string_view b) const { return AnsiCompareText(a, b); }

void TStrings::Put(int index, const std::string& s) {
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

TObject* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

int TStrings::Add(const std::string& s) {
    int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    int index = Add(s);
    PutObject(index, object);
    return index;
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (CompareStrings(Get(i), s) == 0) return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2) {
    BeginUpdate();
    std::string s1 = Get(index1);
    TObject* o1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    BeginUpdate();
    std::string s = Get(curIndex);
    TObject* o = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
    EndUpdate();
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    BeginUpdate();
    Clear();
    Delimiter = source.Delimiter;
    QuoteChar = source.QuoteChar;
    NameValueSeparator = source.NameValueSeparator;
    StrictDelimiter = source.StrictDelimiter;
    LineBreak = source.LineBreak;
    AddStrings(source);
    EndUpdate();
}

void TStrings::AddStrings(const TStrings& source) {
    // Copy first: the source may be this list.
    std::vector<std::pair<std::string, TObject*>> items;
    for (int i = 0, n = source.GetCount(); i < n; ++i) items.emplace_back(source.Get(i), source.GetObject(i));
    BeginUpdate();
    for (auto& [s, o] : items) AddObject(s, o);
    EndUpdate();
}

void TStrings::AddStrings(const std::vector<std::string>& source) {
    BeginUpdate();
    for (const auto& s : source) Add(s);
    EndUpdate();
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

bool TStrings::Equals(const TStrings& other) const {
    if (GetCount() != other.GetCount()) return false;
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> v;
    for (int i = 0, n = GetCount(); i < n; ++i) v.push_back(Get(i));
    return v;
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0, n = GetCount(); i < n; ++i) {
        std::string s = Get(i);
        size_t p = s.find(NameValueSeparator);
        if (p != std::string::npos && CompareStrings(std::string_view(s).substr(0, p), name) == 0) return i;
    }
    return -1;
}

std::string TStrings::Names(int index) const {
    std::string s = Get(index);
    size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::ValueFromIndex(int index) const {
    std::string s = Get(index);
    size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value) {
    if (value.empty()) {
        Delete(index);
        return;
    }
    Put(index, Names(index) + NameValueSeparator + value);
}

std::string TStrings::Values(std::string_view name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(std::string_view name, const std::string& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
        return;
    }
    std::string entry = std::string(name) + NameValueSeparator + value;
    if (i < 0)
        Add(entry);
    else
        Put(i, entry);
}

std::string TStrings::Text() const {
    std::string r;
    for (int i = 0, n = GetCount(); i < n; ++i) r += Get(i) + LineBreak;
    return r;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t p = text.find_first_of("\r\n", start);
        if (p == std::string_view::npos) {
            Add(std::string(text.substr(start)));
            break;
        }
        Add(std::string(text.substr(start, p - start)));
        start = p + ((text[p] == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ? 2 : 1);
    }
    EndUpdate();
}

std::string TStrings::DelimitedText() const { return joinDelimited(Delimiter, QuoteChar, StrictDelimiter); }

void TStrings::SetDelimitedText(std::string_view text) { splitDelimited(text, Delimiter, QuoteChar, StrictDelimiter); }

std::string TStrings::CommaText() const { return joinDelimited(',', '"', false); }

void TStrings::SetCommaText(std::string_view text) { splitDelimited(text, ',', '"', false); }

std::string TStrings::joinDelimited(char delimiter, char quoteChar, bool strict) const {
    int n = GetCount();
    if (n == 1 && Get(0).empty()) return std::string(2, quoteChar);
    std::string r;
    for (int i = 0; i < n; ++i) {
        std::string s = Get(i);
        bool quote = false;
        for (char c : s) {
            if (c == '\0' || c == quoteChar || c == delimiter || (!strict && static_cast<unsigned char>(c) <= ' ')) {
                quote = true;
                break;
            }
        }
        if (i > 0) r += delimiter;
        r += quote ? QuotedStr(s, quoteChar) : s;
    }
    return r;
}

void TStrings::splitDelimited(std::string_view text, char delimiter, char quoteChar, bool strict) {
    auto blank = [&](size_t i) {
        return !strict && i < text.size() && text[i] != '\0' && static_cast<unsigned char>(text[i]) <= ' ';
    };
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (blank(i)) ++i;
    while (i < text.size()) {
        std::string s;
        if (text[i] == quoteChar) {
            AnsiExtractQuotedStr(text, i, quoteChar, s);
        } else {
            size_t start = i;
            while (i < text.size() && text[i] != delimiter && (strict || static_cast<unsigned char>(text[i]) > ' '))
                ++i;
            s.assign(text.substr(start, i - start));
        }
        Add(s);
        while (blank(i)) ++i;
        if (i < text.size() && text[i] == delimiter) {
            if (i + 1 == text.size()) Add(std::string());   // a trailing delimiter ends with an empty entry
            do {
                ++i;
            } while (blank(i));
        }
    }
    EndUpdate();
}

void TStrings::LoadFromFile(const std::string& fileName, TEncoding encoding) {
    SetText(DecodeText(ReadFileBytes(fileName), encoding));
}

void TStrings::SaveToFile(const std::string& fileName, TEncoding encoding) const {
    WriteFileAtomic(fileName, EncodeText(Text(), encoding));
}

void TStrings::LoadFromStream(TStream& stream, TEncoding encoding) { SetText(DecodeText(stream.ReadRest(), encoding)); }

void TStrings::SaveToStream(TStream& stream, TEncoding encoding) const { stream.WriteString(EncodeText(Text(), encoding)); }

void TStrings::BeginUpdate() {
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

// ---------------------------------------------------------------- TStringList

TStringList::~TStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
    if (OwnsObjects)
        for (auto& item : items_) delete item->object;
}

void TStringList::checkIndex(int index) const {
    if (index < 0 || index >= GetCount()) Error(msg::ListIndexError, index);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

std::string TStringList::Get(int index) const {
    checkIndex(index);
    return items_[static_cast<size_t>(index)]->text;
}

void TStringList::Put(int index, const std::string& s) {
    if (sorted_) Error(msg::SortedListError, 0);
    checkIndex(index);
    Changing();
    items_[static_cast<size_t>(index)]->text = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const {
    checkIndex(index);
    return items_[static_cast<size_t>(index)]->object;
}

void TStringList::PutObject(int index, TObject* object) {
    checkIndex(index);
    Changing();
    items_[static_cast<size_t>(index)]->object = object;
    Changed();
}

void TStringList::insertItem(int index, const std::string& s, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, std::make_unique<Item>(Item{s, object}));
    Changed();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
    if (sorted_) Error(msg::SortedListError, 0);
    if (index < 0 || index > GetCount()) Error(msg::ListIndexError, index);
    insertItem(index, s, object);
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* object) {
    int index = GetCount();
    if (sorted_ && Find(s, index)) {
        if (Duplicates == dupIgnore) return index;
        if (Duplicates == dupError) throw EStringListError(msg::DuplicateString);
    }
    insertItem(index, s, object);
    return index;
}

void TStringList::Delete(int index) {
    checkIndex(index);
    Changing();
    TObject* object = items_[static_cast<size_t>(index)]->object;
    items_.erase(items_.begin() + index);
    if (OwnsObjects) delete object;
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    std::vector<std::unique_ptr<Item>> old;
    old.swap(items_);
    if (OwnsObjects)
        for (auto& item : old) delete item->object;
    Changed();
}

int TStringList::IndexOf(std::string_view s) const {
    if (!sorted_) {
        for (size_t i = 0; i < items_.size(); ++i)
            if (CompareStrings(items_[i]->text, s) == 0) return static_cast<int>(i);
        return -1;
    }
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::exchangeItems(int a, int b) {
    std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
}

void TStringList::Exchange(int index1, int index2) {
    checkIndex(index1);
    checkIndex(index2);
    Changing();
    exchangeItems(index1, index2);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    if (sorted_) Error(msg::SortedListError, 0);
    checkIndex(curIndex);
    checkIndex(newIndex);
    Changing();
    std::unique_ptr<Item> item = std::move(items_[static_cast<size_t>(curIndex)]);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, std::move(item));
    Changed();
}

bool TStringList::Find(std::string_view s, int& index) const {
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
            if (c == 0) found = true;
        }
    }
    index = lo;
    return found;
}

void TStringList::quickSort(int lo, int hi, const std::function<int(TStringList&, int, int)>& compare) {
    while (lo < hi) {
        int i = lo, j = hi, p = (lo + hi) / 2;
        do {
            while (compare(*this, i, p) < 0) ++i;
            while (compare(*this, j, p) > 0) --j;
            if (i <= j) {
                if (i != j) exchangeItems(i, j);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (lo < j) quickSort(lo, j, compare);
        lo = i;
    }
}

void TStringList::CustomSort(const std::function<int(TStringList&, int, int)>& compare) {
    if (sorted_ || GetCount() < 2) return;
    Changing();
    quickSort(0, GetCount() - 1, compare);
    Changed();
}

void TStringList::Sort() {
    if (GetCount() < 2) return;
    Changing();
    quickSort(0, GetCount() - 1, [](TStringList& l, int a, int b) {
        return l.CompareStrings(l.items_[static_cast<size_t>(a)]->text, l.items_[static_cast<size_t>(b)]->text);
    });
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (sorted_ == value) return;
    if (value) Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (caseSensitive_ == value) return;
    caseSensitive_ = value;
    if (sorted_) Sort();
}

} // namespace rtl
