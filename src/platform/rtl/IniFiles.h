#pragma once
// INI files. Section and key names compare case-insensitively; values are read trimmed, and a value
// enclosed in matching single or double quotes is read without them (profile-string semantics).
// TIniFile writes every change to the file at once; TMemIniFile keeps changes until UpdateFile.
// Reading follows a byte-order mark, else takes UTF-8 when valid, else Windows-1252; with the
// default encoding files are written as UTF-8.
#include <memory>
#include <string>
#include <string_view>
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
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;
    void Clear() { sections_.clear(); }

private:
    struct Line {
        std::string key;    // empty for comments and blank lines
        std::string value;  // raw text after '=' (or the whole line for comments)
        bool isEntry = false;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };
    Section* find(std::string_view section);
    const Section* find(std::string_view section) const;
    std::vector<Section> sections_;   // the first may be the unnamed preamble
};

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    const std::string& FileName() const { return fileName_; }

    virtual std::string ReadString(std::string_view section, std::string_view ident,
                                   const std::string& def) = 0;
    virtual void WriteString(std::string_view section, std::string_view ident, const std::string& value) = 0;
    virtual void ReadSection(std::string_view section, TStrings& strings) = 0;    // key names
    virtual void ReadSections(TStrings& strings) = 0;
    virtual void ReadSectionValues(std::string_view section, TStrings& strings) = 0;  // name=value
    virtual void EraseSection(std::string_view section) = 0;
    virtual void DeleteKey(std::string_view section, std::string_view ident) = 0;
    virtual void UpdateFile() = 0;

    bool SectionExists(std::string_view section);
    bool ValueExists(std::string_view section, std::string_view ident);
    // A value that is not a number gives def ("$" or "0x" hex accepted).
    int ReadInteger(std::string_view section, std::string_view ident, int def);
    void WriteInteger(std::string_view section, std::string_view ident, int value);
    // "0" is false, any other number true, an absent or non-number value gives def.
    bool ReadBool(std::string_view section, std::string_view ident, bool def);
    void WriteBool(std::string_view section, std::string_view ident, bool value);   // "1"/"0"
    double ReadFloat(std::string_view section, std::string_view ident, double def);
    void WriteFloat(std::string_view section, std::string_view ident, double value);
    TDateTime ReadDateTime(std::string_view section, std::string_view ident, TDateTime def);
    void WriteDateTime(std::string_view section, std::string_view ident, TDateTime value);

private:
    std::string fileName_;
};

// Every read looks at the file; every write updates the file at once (atomically).
// A write that fails raises EIniFileException "Unable to write to <file>".
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(std::string fileName, TEncoding encoding = TEncoding::Default);

    std::string ReadString(std::string_view section, std::string_view ident, const std::string& def) override;
    void WriteString(std::string_view section, std::string_view ident, const std::string& value) override;
    void ReadSection(std::string_view section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(std::string_view section, TStrings& strings) override;
    void EraseSection(std::string_view section) override;
    void DeleteKey(std::string_view section, std::string_view ident) override;
    void UpdateFile() override {}

private:
    TIniDocument load() const;
    void store(const TIniDocument& doc);
    TEncoding encoding_;
};

// Reads the file once; changes stay in memory until UpdateFile writes them back.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(std::string fileName, TEncoding encoding = TEncoding::Default);

    std::string ReadString(std::string_view section, std::string_view ident, const std::string& def) override;
    void WriteString(std::string_view section, std::string_view ident, const std::string& value) override;
    void ReadSection(std::string_view section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(std::string_view section, TStrings& strings) override;
    void EraseSection(std::string_view section) override;
    void DeleteKey(std::string_view section, std::string_view ident) override;
    void UpdateFile() override;   // raises EIniFileException when the file cannot be written

    void Clear() { doc_.Clear(); }
    void GetStrings(TStrings& strings) const;
    void SetStrings(const TStrings& strings);

private:
    TIniDocument doc_;
    TEncoding encoding_;
};

} // namespace rtl
