#include "platform/rtl/SettingsStore.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace rtl {

namespace fs = std::filesystem;

namespace {

std::mutex rootMutex;
std::string rootOverride;

// Key paths are kept without leading or trailing "\" and without empty parts.
std::string normalise(std::string_view key)
{
    std::string r;
    for (const std::string& part : SplitString(key, "\\/")) {
        if (part.empty())
            continue;
        if (!r.empty())
            r += '\\';
        r += part;
    }
    return r;
}

bool isBelow(const std::string& section, const std::string& key)
{
    return section.size() > key.size() && section[key.size()] == '\\' &&
           AnsiSameText(section.substr(0, key.size()), key);
}

}  // namespace

// Values are stored one per line: line breaks and backslashes are escaped so that any text
// written comes back unchanged.
std::string TSettingsStore::EncodeValue(const std::string& v)
{
    std::string r;
    for (char c : v) {
        if (c == '\\')
            r += "\\\\";
        else if (c == '\n')
            r += "\\n";
        else if (c == '\r')
            r += "\\r";
        else
            r += c;
    }
    // Leading or trailing blanks and surrounding quotes would be lost by the INI reader.
    return "\"" + r + "\"";
}

std::string TSettingsStore::DecodeValue(const std::string& v)
{
    std::string r;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '\\' && i + 1 < v.size()) {
            char n = v[++i];
            r += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            r += v[i];
        }
    }
    return r;
}

TSettingsStore::TSettingsStore(std::string app) : app_(std::move(app)) {}

void TSettingsStore::SetConfigRoot(const std::string& folder)
{
    std::lock_guard<std::mutex> lock(rootMutex);
    rootOverride = folder;
}

std::string TSettingsStore::ConfigRoot()
{
    {
        std::lock_guard<std::mutex> lock(rootMutex);
        if (!rootOverride.empty())
            return rootOverride;
    }
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute())
        return xdg;
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : ".") / ".config").string();
}

std::string TSettingsStore::FileName() const
{
    return (fs::path(ConfigRoot()) / app_ / "settings.ini").string();
}

std::string TSettingsStore::resolve(std::string_view key) const
{
    if (!key.empty() && (key.front() == '\\' || key.front() == '/'))
        return normalise(key);
    if (current_.empty())
        return normalise(key);
    return normalise(current_ + "\\" + std::string(key));
}

bool TSettingsStore::OpenKey(std::string_view key, bool canCreate)
{
    std::string path = resolve(key);
    if (!KeyExists("\\" + path)) {
        if (!canCreate)
            return false;
        try {
            fs::create_directories(fs::path(FileName()).parent_path());
            // An empty section marks the key as existing.
            TMemIniFile mem(FileName());
            if (!mem.SectionExists(path)) {
                TStringList lines;
                mem.GetStrings(lines);
                lines.Add("[" + path + "]");
                mem.SetStrings(lines);
                mem.UpdateFile();
            }
        } catch (const std::exception&) {
            throw ERegistryException(Fmt(msg::RegCreateFailed, path));
        }
    }
    current_ = path.empty() ? std::string("\\") : path;
    readOnly_ = false;
    return true;
}

bool TSettingsStore::OpenKeyReadOnly(std::string_view key)
{
    bool ok = OpenKey(key, false);
    readOnly_ = ok;
    return ok;
}

void TSettingsStore::CloseKey()
{
    current_.clear();
    readOnly_ = false;
}

bool TSettingsStore::KeyExists(std::string_view key) const
{
    std::string path = resolve(key);
    if (path.empty())
        return true;
    TMemIniFile ini(FileName());
    TStringList sections;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i)
        if (AnsiSameText(sections[i], path) || isBelow(sections[i], path))
            return true;
    return false;
}

bool TSettingsStore::DeleteKey(std::string_view key)
{
    std::string path = resolve(key);
    if (path.empty())
        return false;
    TMemIniFile ini(FileName());
    TStringList sections;
    ini.ReadSections(sections);
    bool found = false;
    for (int i = 0; i < sections.Count(); ++i) {
        if (AnsiSameText(sections[i], path) || isBelow(sections[i], path)) {
            ini.EraseSection(sections[i]);
            found = true;
        }
    }
    if (found)
        ini.UpdateFile();
    return found;
}

bool TSettingsStore::ValueExists(std::string_view name) const
{
    if (current_.empty())
        return false;
    TMemIniFile ini(FileName());
    return ini.ValueExists(current_, name);
}

bool TSettingsStore::DeleteValue(std::string_view name)
{
    if (current_.empty() || readOnly_ || !ValueExists(name))
        return false;
    TMemIniFile ini(FileName());
    ini.DeleteKey(current_, name);
    ini.UpdateFile();
    return true;
}

void TSettingsStore::GetValueNames(TStrings& names) const
{
    names.Clear();
    if (current_.empty())
        return;
    TMemIniFile ini(FileName());
    ini.ReadSection(current_, names);
}

void TSettingsStore::GetKeyNames(TStrings& names) const
{
    names.Clear();
    if (current_.empty())
        return;
    std::string base = current_ == "\\" ? std::string() : current_;
    TMemIniFile ini(FileName());
    TStringList sections;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i) {
        std::string s = sections[i];
        if (!base.empty()) {
            if (!isBelow(s, base))
                continue;
            s = s.substr(base.size() + 1);
        }
        std::string child = s.substr(0, s.find('\\'));
        if (!child.empty() && names.IndexOf(child) < 0)
            names.Add(child);
    }
}

bool TSettingsStore::HasSubKeys() const
{
    TStringList names;
    GetKeyNames(names);
    return names.Count() > 0;
}

std::string TSettingsStore::ReadString(std::string_view name) const
{
    if (current_.empty())
        throw ERegistryException(Fmt(msg::RegGetDataFailed, std::string(name)));
    TMemIniFile ini(FileName());
    if (!ini.ValueExists(current_, name))
        throw ERegistryException(Fmt(msg::RegGetDataFailed, std::string(name)));
    return DecodeValue(ini.ReadString(current_, name, ""));
}

int TSettingsStore::ReadInteger(std::string_view name) const
{
    int v = 0;
    if (!TryStrToInt(ReadString(name), v))
        throw ERegistryException(Fmt(msg::InvalidRegType, std::string(name)));
    return v;
}

bool TSettingsStore::ReadBool(std::string_view name) const
{
    return ReadInteger(name) != 0;
}

double TSettingsStore::ReadFloat(std::string_view name) const
{
    double v = 0;
    if (!TryStrToFloat(ReadString(name), v, TFormatSettings::Neutral()))
        throw ERegistryException(Fmt(msg::InvalidRegType, std::string(name)));
    return v;
}

void TSettingsStore::WriteString(std::string_view name, const std::string& value)
{
    if (current_.empty() || readOnly_)
        throw ERegistryException(Fmt(msg::RegSetDataFailed, std::string(name)));
    try {
        fs::create_directories(fs::path(FileName()).parent_path());
        TMemIniFile ini(FileName());
        ini.WriteString(current_, name, EncodeValue(value));
        ini.UpdateFile();
    } catch (const std::exception&) {
        throw ERegistryException(Fmt(msg::RegSetDataFailed, std::string(name)));
    }
}

void TSettingsStore::WriteInteger(std::string_view name, int value)
{
    WriteString(name, IntToStr(value));
}

void TSettingsStore::WriteBool(std::string_view name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

void TSettingsStore::WriteFloat(std::string_view name, double value)
{
    WriteString(name, FloatToStr(value, TFormatSettings::Neutral()));
}

}  // namespace rtl
