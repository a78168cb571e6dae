#pragma once
// String lists: TStrings (the abstract list every control's item list offers) and TStringList
// (the stand-alone list with sorting, duplicate control and change events).
// Each entry carries an attached TObject pointer (not owned unless OwnsObjects is set).
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Object.h"
#include "platform/rtl/TextEncoding.h"

namespace rtl {

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TObject {
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;
    ~TStrings() override = default;

    // --- core operations a descendant provides ---
    virtual int GetCount() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    virtual int IndexOf(std::string_view s) const;  // case-insensitive
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    virtual void Assign(const TStrings& source);  // strings, objects and delimiters

    // --- derived helpers ---
    int Count() const { return GetCount(); }
    std::string operator[](int index) const { return Get(index); }
    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }
    void Append(const std::string& s) { Add(s); }
    void AddStrings(const TStrings& source);
    void AddStrings(const std::vector<std::string>& source);
    int IndexOfObject(const TObject* object) const;
    bool Equals(const TStrings& other) const;  // same strings in the same order
    std::vector<std::string> ToVector() const;

    // name=value entries (separator NameValueSeparator); names compare case-insensitively
    int IndexOfName(std::string_view name) const;
    std::string Names(int index) const;  // empty when the entry has no separator
    std::string ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const std::string& value);
    std::string Values(std::string_view name) const;
    // An empty value removes the entry; otherwise sets it or adds "name=value".
    void SetValues(std::string_view name, const std::string& value);

    // Every entry followed by LineBreak; setting splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(std::string_view text);
    // Entries joined by Delimiter; entries with blanks, controls, quotes or the delimiter are
    // quoted with QuoteChar (not blanks and controls when StrictDelimiter).
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    // DelimitedText with ',', '"' and blanks as delimiters whatever the list's own settings are.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    void LoadFromFile(const std::string& fileName, TEncoding encoding = TEncoding::Default);
    // Written to a temporary file beside the target and renamed over it.
    void SaveToFile(const std::string& fileName, TEncoding encoding = TEncoding::Default) const;
    void LoadFromStream(TStream& stream, TEncoding encoding = TEncoding::Default);
    void SaveToStream(TStream& stream, TEncoding encoding = TEncoding::Default) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    char Delimiter = ',';
    char QuoteChar = '"';
    char NameValueSeparator = '=';
    bool StrictDelimiter = false;
    std::string LineBreak = "\r\n";

protected:
    // Called with true when the first BeginUpdate starts, false when the last EndUpdate ends.
    virtual void SetUpdateState(bool /*updating*/) {}
    [[noreturn]] void Error(const char* format, int index) const;
    // Comparison used by IndexOf/IndexOfName; TStringList makes it follow CaseSensitive.
    virtual int CompareStrings(std::string_view a, std::string_view b) const;

private:
    std::string joinDelimited(char delimiter, char quoteChar, bool strict) const;
    void splitDelimited(std::string_view text, char delimiter, char quoteChar, bool strict);
    int updateCount_ = 0;
};

class TStringList : public TStrings {
public:
    TStringList() = default;
    explicit TStringList(bool ownsObjects) : OwnsObjects(ownsObjects) {}
    ~TStringList() override;

    int GetCount() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    int IndexOf(std::string_view s) const override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;

    // Binary search of a sorted list: true when found; index is the match or the insert point.
    bool Find(std::string_view s, int& index) const;
    void Sort();
    // compare(list, i, j) returns <0, 0, >0.
    void CustomSort(const std::function<int(TStringList&, int, int)>& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);
    TDuplicates Duplicates = dupIgnore;
    bool OwnsObjects = false;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(std::string_view a, std::string_view b) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void checkIndex(int index) const;
    void insertItem(int index, const std::string& s, TObject* object);
    void exchangeItems(int a, int b);
    void quickSort(int lo, int hi, const std::function<int(TStringList&, int, int)>& compare);

    std::vector<std::unique_ptr<Item>> items_;  // by pointer: inserting moves 8 bytes per entry
    bool sorted_ = false;
    bool caseSensitive_ = false;
};

}  // namespace rtl
