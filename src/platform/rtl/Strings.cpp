// TStrings: the operations every string list offers on top of its core access.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace rtl {

void TStrings::Error(const char* format, int index) const
{
    throw EStringListError(Fmt(format, index));
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const
{
    return AnsiCompareText(a, b);
}

void TStrings::Put(int index, const std::string& s)
{
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

TObject* TStrings::GetObject(int) const
{
    return nullptr;
}
void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    Insert(index, s);
    PutObject(index, object);
}

int TStrings::Add(const std::string& s)
{
    int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object)
{
    int index = Add(s);
    PutObject(index, object);
    return index;
}

int TStrings::IndexOf(std::string_view s) const
{
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    std::string s1 = Get(index1);
    TObject* o1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    BeginUpdate();
    std::string s = Get(curIndex);
    TObject* o = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
    EndUpdate();
}

void TStrings::Assign(const TStrings& source)
{
    if (&source == this)
        return;
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

void TStrings::AddStrings(const TStrings& source)
{
    // Copy first: the source may be this list.
    std::vector<std::pair<std::string, TObject*>> items;
    for (int i = 0, n = source.GetCount(); i < n; ++i)
        items.emplace_back(source.Get(i), source.GetObject(i));
    BeginUpdate();
    for (auto& [s, o] : items)
        AddObject(s, o);
    EndUpdate();
}

void TStrings::AddStrings(const std::vector<std::string>& source)
{
    BeginUpdate();
    for (const auto& s : source)
        Add(s);
    EndUpdate();
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

bool TStrings::Equals(const TStrings& other) const
{
    if (GetCount() != other.GetCount())
        return false;
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

std::vector<std::string> TStrings::ToVector() const
{
    std::vector<std::string> v;
    for (int i = 0, n = GetCount(); i < n; ++i)
        v.push_back(Get(i));
    return v;
}

int TStrings::IndexOfName(std::string_view name) const
{
    for (int i = 0, n = GetCount(); i < n; ++i) {
        std::string s = Get(i);
        size_t p = s.find(NameValueSeparator);
        if (p != std::string::npos && CompareStrings(std::string_view(s).substr(0, p), name) == 0)
            return i;
    }
    return -1;
}

std::string TStrings::Names(int index) const
{
    std::string s = Get(index);
    size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::ValueFromIndex(int index) const
{
    std::string s = Get(index);
    size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value)
{
    if (value.empty()) {
        Delete(index);
        return;
    }
    Put(index, Names(index) + NameValueSeparator + value);
}

std::string TStrings::Values(std::string_view name) const
{
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(std::string_view name, const std::string& value)
{
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    std::string entry = std::string(name) + NameValueSeparator + value;
    if (i < 0)
        Add(entry);
    else
        Put(i, entry);
}

std::string TStrings::Text() const
{
    std::string r;
    for (int i = 0, n = GetCount(); i < n; ++i)
        r += Get(i) + LineBreak;
    return r;
}

void TStrings::SetText(std::string_view text)
{
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

std::string TStrings::DelimitedText() const
{
    return joinDelimited(Delimiter, QuoteChar, StrictDelimiter);
}

void TStrings::SetDelimitedText(std::string_view text)
{
    splitDelimited(text, Delimiter, QuoteChar, StrictDelimiter);
}

std::string TStrings::CommaText() const
{
    return joinDelimited(',', '"', false);
}

void TStrings::SetCommaText(std::string_view text)
{
    splitDelimited(text, ',', '"', false);
}

std::string TStrings::joinDelimited(char delimiter, char quoteChar, bool strict) const
{
    int n = GetCount();
    if (n == 1 && Get(0).empty())
        return std::string(2, quoteChar);
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
        if (i > 0)
            r += delimiter;
        r += quote ? QuotedStr(s, quoteChar) : s;
    }
    return r;
}

void TStrings::splitDelimited(std::string_view text, char delimiter, char quoteChar, bool strict)
{
    auto blank = [&](size_t i) {
        return !strict && i < text.size() && text[i] != '\0' && static_cast<unsigned char>(text[i]) <= ' ';
    };
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (blank(i))
        ++i;
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
        while (blank(i))
            ++i;
        if (i < text.size() && text[i] == delimiter) {
            if (i + 1 == text.size())
                Add(std::string());  // a trailing delimiter ends with an empty entry
            do {
                ++i;
            } while (blank(i));
        }
    }
    EndUpdate();
}

void TStrings::LoadFromFile(const std::string& fileName, TEncoding encoding)
{
    SetText(DecodeText(ReadFileBytes(fileName), encoding));
}

void TStrings::SaveToFile(const std::string& fileName, TEncoding encoding) const
{
    WriteFileAtomic(fileName, EncodeText(Text(), encoding));
}

void TStrings::LoadFromStream(TStream& stream, TEncoding encoding)
{
    SetText(DecodeText(stream.ReadRest(), encoding));
}

void TStrings::SaveToStream(TStream& stream, TEncoding encoding) const
{
    stream.WriteString(EncodeText(Text(), encoding));
}

void TStrings::BeginUpdate()
{
    if (updateCount_ == 0)
        SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

}  // namespace rtl
