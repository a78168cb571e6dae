#include "platform/rtl/IniFiles.h"

#include <filesystem>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace rtl {

namespace {

// A value in matching single or double quotes reads without them.
std::string unquote(const std::string& v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string readIniText(const std::string& fileName, TEncoding encoding)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec))
        return {};
    return DecodeText(ReadFileBytes(fileName), encoding);
}

void fill(TStrings& strings, const std::vector<std::string>& items)
{
    strings.BeginUpdate();
    strings.Clear();
    strings.AddStrings(items);
    strings.EndUpdate();
}

}  // namespace

// ---------------------------------------------------------------- TIniDocument

namespace {

// The form under which names are compared: two names are the same exactly when AnsiSameText says so.
std::string folded(std::string_view name)
{
    return AnsiUpperCase(name);
}

}  // namespace

void TIniDocument::Section::AddLine(Line line)
{
    if (line.isEntry)
        keys.try_emplace(folded(line.key), lines.size());
    lines.push_back(std::move(line));
}

void TIniDocument::Section::Reindex()
{
    keys.clear();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].isEntry)
            keys.try_emplace(folded(lines[i].key), i);
}

const TIniDocument::Line* TIniDocument::Section::FindEntry(std::string_view key) const
{
    auto it = keys.find(folded(key));
    return it == keys.end() ? nullptr : &lines[it->second];
}

void TIniDocument::AppendSection(std::string name)
{
    if (!sections_.empty())
        sectionIndex_.try_emplace(folded(name), sections_.size());
    sections_.push_back(Section{std::move(name), {}, {}});
}

void TIniDocument::ReindexSections()
{
    sectionIndex_.clear();
    for (std::size_t s = 1; s < sections_.size(); ++s)
        sectionIndex_.try_emplace(folded(sections_[s].name), s);
}

void TIniDocument::Parse(std::string_view text)
{
    Clear();
    AppendSection({});  // lines before the first section header
    TStringList lines;
    lines.SetText(text);
    for (int i = 0; i < lines.Count(); ++i) {
        std::string raw = lines[i];
        std::string line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[') {
            size_t close = line.find(']');
            if (close != std::string::npos) {
                AppendSection(Trim(line.substr(1, close - 1)));
                continue;
            }
        }
        Line l;
        size_t eq = line.find('=');
        if (!line.empty() && line.front() != ';' && eq != std::string::npos) {
            l.key = Trim(line.substr(0, eq));
            l.value = Trim(line.substr(eq + 1));
            l.isEntry = !l.key.empty();
        }
        if (!l.isEntry)
            l.value = raw;
        sections_.back().AddLine(std::move(l));
    }
}

std::string TIniDocument::Serialize(const std::string& lineBreak) const
{
    std::string out;
    for (size_t s = 0; s < sections_.size(); ++s) {
        const Section& sec = sections_[s];
        if (s > 0)
            out += "[" + sec.name + "]" + lineBreak;
        for (const Line& l : sec.lines)
            out += (l.isEntry ? l.key + "=" + l.value : l.value) + lineBreak;
    }
    return out;
}

TIniDocument::Section* TIniDocument::find(std::string_view section)
{
    auto it = sectionIndex_.find(folded(section));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const TIniDocument::Section* TIniDocument::find(std::string_view section) const
{
    return const_cast<TIniDocument*>(this)->find(section);
}

bool TIniDocument::FindValue(std::string_view section, std::string_view key, std::string& value) const
{
    const Section* sec = find(section);
    const Line* l = sec ? sec->FindEntry(key) : nullptr;
    if (!l)
        return false;
    value = unquote(l->value);
    return true;
}

void TIniDocument::SetValue(std::string_view section, std::string_view key, const std::string& value)
{
    AddSection(section);
    Section* sec = find(section);
    if (auto it = sec->keys.find(folded(key)); it != sec->keys.end()) {
        sec->lines[it->second].value = value;
        return;
    }
    // New keys go after the section's last entry, before trailing blank lines and comments; only
    // lines that are no entries move, so the index stays valid.
    auto pos = sec->lines.end();
    while (pos != sec->lines.begin() && !std::prev(pos)->isEntry)
        --pos;
    sec->keys.emplace(folded(key), static_cast<std::size_t>(pos - sec->lines.begin()));
    sec->lines.insert(pos, Line{std::string(key), value, true});
}

bool TIniDocument::SectionExists(std::string_view section) const
{
    return find(section) != nullptr;
}

void TIniDocument::AddSection(std::string_view section)
{
    if (sections_.empty())
        AppendSection({});
    if (!find(section))
        AppendSection(std::string(section));
}

bool TIniDocument::DeleteKey(std::string_view section, std::string_view key)
{
    Section* sec = find(section);
    if (!sec)
        return false;
    auto it = sec->keys.find(folded(key));
    if (it == sec->keys.end())
        return false;
    sec->lines.erase(sec->lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    sec->Reindex();  // a repeated key now reads from its next entry
    return true;
}

bool TIniDocument::EraseSection(std::string_view section)
{
    bool erased = false;
    for (size_t s = sections_.size(); s-- > 1;) {
        if (AnsiSameText(sections_[s].name, section)) {
            sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(s));
            erased = true;
        }
    }
    if (erased)
        ReindexSections();
    return erased;
}

std::vector<std::string> TIniDocument::Sections() const
{
    std::vector<std::string> r;
    for (size_t s = 1; s < sections_.size(); ++s)
        r.push_back(sections_[s].name);
    return r;
}

std::vector<std::string> TIniDocument::Keys(std::string_view section) const
{
    std::vector<std::string> r;
    for (auto& [k, v] : Entries(section))
        r.push_back(k);
    return r;
}

std::vector<std::pair<std::string, std::string>> TIniDocument::Entries(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> r;
    const Section* sec = find(section);
    if (!sec)
        return r;
    r.reserve(sec->keys.size());
    for (std::size_t i = 0; i < sec->lines.size(); ++i) {
        const Line& l = sec->lines[i];
        // The first of repeated keys is the one that is read.
        if (l.isEntry && sec->keys.at(folded(l.key)) == i)
            r.emplace_back(l.key, unquote(l.value));
    }
    return r;
}

// ---------------------------------------------------------------- TCustomIniFile

std::string TCustomIniFile::ReadString(std::string_view section, std::string_view ident, const std::string& def)
{
    std::string v;
    return Document().FindValue(section, ident, v) ? v : def;
}

void TCustomIniFile::WriteString(std::string_view section, std::string_view ident, const std::string& value)
{
    Document().SetValue(section, ident, value);
    Changed();
}

void TCustomIniFile::ReadSection(std::string_view section, TStrings& strings)
{
    fill(strings, Document().Keys(section));
}

void TCustomIniFile::ReadSections(TStrings& strings)
{
    fill(strings, Document().Sections());
}

void TCustomIniFile::ReadSectionValues(std::string_view section, TStrings& strings)
{
    std::vector<std::string> items;
    for (auto& [k, v] : Document().Entries(section))
        items.push_back(k + "=" + v);
    fill(strings, items);
}

void TCustomIniFile::EraseSection(std::string_view section)
{
    if (Document().EraseSection(section))
        Changed();
}

void TCustomIniFile::DeleteKey(std::string_view section, std::string_view ident)
{
    if (Document().DeleteKey(section, ident))
        Changed();
}

void TCustomIniFile::WriteDocument(const TIniDocument& doc)
{
    try {
        TEncoding e = encoding_ == TEncoding::Default ? TEncoding::UTF8 : encoding_;
        WriteFileAtomic(FileName(), EncodeText(doc.Serialize(), e));
    } catch (const EStreamError&) {
        throw EIniFileException(Fmt(msg::IniFileWriteError, FileName()));
    }
}

bool TCustomIniFile::SectionExists(std::string_view section)
{
    return Document().SectionExists(section);
}

bool TCustomIniFile::ValueExists(std::string_view section, std::string_view ident)
{
    std::string value;
    return Document().FindValue(section, ident, value);
}

int TCustomIniFile::ReadInteger(std::string_view section, std::string_view ident, int def)
{
    return StrToIntDef(ReadString(section, ident, ""), def);
}

void TCustomIniFile::WriteInteger(std::string_view section, std::string_view ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(std::string_view section, std::string_view ident, bool def)
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(std::string_view section, std::string_view ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(std::string_view section, std::string_view ident, double def)
{
    std::string s = ReadString(section, ident, "");
    double v = 0;
    if (TryStrToFloat(s, v) || TryStrToFloat(s, v, TFormatSettings::Neutral()))
        return v;
    return def;
}

void TCustomIniFile::WriteFloat(std::string_view section, std::string_view ident, double value)
{
    WriteString(section, ident, FloatToStr(value));
}

TDateTime TCustomIniFile::ReadDateTime(std::string_view section, std::string_view ident, TDateTime def)
{
    return StrToDateTimeDef(ReadString(section, ident, ""), def);
}

void TCustomIniFile::WriteDateTime(std::string_view section, std::string_view ident, TDateTime value)
{
    WriteString(section, ident, DateTimeToStr(value));
}

// ---------------------------------------------------------------- TIniFile

TIniFile::TIniFile(std::string fileName, TEncoding encoding) : TCustomIniFile(std::move(fileName), encoding) {}

TIniDocument& TIniFile::Document()
{
    doc_.Parse(readIniText(FileName(), Encoding()));
    return doc_;
}

// ---------------------------------------------------------------- TMemIniFile

TMemIniFile::TMemIniFile(std::string fileName, TEncoding encoding) : TCustomIniFile(std::move(fileName), encoding)
{
    doc_.Parse(readIniText(FileName(), Encoding()));
}

void TMemIniFile::GetStrings(TStrings& strings) const
{
    strings.SetText(doc_.Serialize("\n"));
}

void TMemIniFile::SetStrings(const TStrings& strings)
{
    doc_.Parse(strings.Text());
}

}  // namespace rtl
