#pragma once
// INI files. Section and key names compare case-insensitively; values are read trimmed, and a value
// enclosed in matching single or double quotes is read without them (profile-string semantics).
// TIniFile writes every change to the file at once; TMemIniFile keeps changes until UpdateFile.
// Reading follows a byte-order mark, else takes UTF-8 when valid, else Windows-1252; with the
// default encoding files are written as UTF-8.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/TextEncoding.h"

namespace rtl {

class TStrings;

// Parsed INI content, keeping comments and the order of sections and keys.
class TIniDocument {
public:
    void Parse(std::string_view text);
    std::string Serialize(const std::string& lineBreak = "\r\n") const;

    bool FindValue(std::string_view section, std::string_view key, std::string& value) const;
    void SetValue(std::string_view section, std::string_view key, const std::string& value);
    bool SectionExists(std::string_view section) const;
    void AddSection(std::string_view section);  // an empty section, unless it exists
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;
    void Clear()
    {
        sections_.clear();
        sectionIndex_.clear();
    }

private:
    struct Line {
        std::string key;    // empty for comments and blank lines
        std::string value;  // raw text after '=' (or the whole line for comments)
        bool isEntry = false;
    };
    // Names are looked up by their case-folded form, so that reading or writing a key costs the
    // same in a section of ten keys as in one of ten thousand.
    using NameIndex = std::unordered_map<std::string, std::size_t>;
    struct Section {
        std::string name;
        std::vector<Line> lines;
        NameIndex keys;  // folded key -> line of its first entry
        void AddLine(Line line);
        void Reindex();
        const Line* FindEntry(std::string_view key) const;
    };
    Section* find(std::string_view section);
    const Section* find(std::string_view section) const;
    void AppendSection(std::string name);
    void ReindexSections();
    std::vector<Section> sections_;  // the first may be the unnamed preamble
    NameIndex sectionIndex_;         // folded name -> first section of that name (never the preamble)
};

class TCustomIniFile : public TObject {
public:
    TCustomIniFile(std::string fileName, TEncoding encoding) : fileName_(std::move(fileName)), encoding_(encoding) {}
    const std::string& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view ident, const std::string& def);
    void WriteString(std::string_view section, std::string_view ident, const std::string& value);
    void ReadSection(std::string_view section, TStrings& strings);  // key names
    void ReadSections(TStrings& strings);
    void ReadSectionValues(std::string_view section, TStrings& strings);  // name=value
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view ident);
    // Writes what is still held in memory to the file.
    virtual void UpdateFile() = 0;

    bool SectionExists(std::string_view section);
    bool ValueExists(std::string_view section, std::string_view ident);
    // A value that is not a number gives def ("$" or "0x" hex accepted).
    int ReadInteger(std::string_view section, std::string_view ident, int def);
    void WriteInteger(std::string_view section, std::string_view ident, int value);
    // "0" is false, any other number true, an absent or non-number value gives def.
    bool ReadBool(std::string_view section, std::string_view ident, bool def);
    void WriteBool(std::string_view section, std::string_view ident, bool value);  // "1"/"0"
    double ReadFloat(std::string_view section, std::string_view ident, double def);
    void WriteFloat(std::string_view section, std::string_view ident, double value);
    TDateTime ReadDateTime(std::string_view section, std::string_view ident, TDateTime def);
    void WriteDateTime(std::string_view section, std::string_view ident, TDateTime value);

protected:
    // The content reads and writes work on: fresh from the file, or kept in memory.
    virtual TIniDocument& Document() = 0;
    // Called after every change of the content.
    virtual void Changed() = 0;
    TEncoding Encoding() const { return encoding_; }
    // Writes the whole file (atomically); raises EIniFileException "Unable to write to <file>".
    void WriteDocument(const TIniDocument& doc);

private:
    std::string fileName_;
    TEncoding encoding_;
};

// Every read looks at the file; every write updates the file at once (atomically).
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(std::string fileName, TEncoding encoding = TEncoding::Default);
    void UpdateFile() override {}

protected:
    TIniDocument& Document() override;
    void Changed() override { WriteDocument(doc_); }

private:
    TIniDocument doc_;
};

// Reads the file once; changes stay in memory until UpdateFile writes them back.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(std::string fileName, TEncoding encoding = TEncoding::Default);
    void UpdateFile() override { WriteDocument(doc_); }

    void Clear() { doc_.Clear(); }
    void GetStrings(TStrings& strings) const;
    void SetStrings(const TStrings& strings);

protected:
    TIniDocument& Document() override { return doc_; }
    void Changed() override {}

private:
    TIniDocument doc_;
};

}  // namespace rtl
