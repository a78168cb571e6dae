#include "platform/rtl/RegistryIniFile.h"

#include <filesystem>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/SettingsStore.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"

namespace rtl {

namespace {

// The section names of the settings file directly below key ("key\name"), as names.
std::vector<std::string> directSubKeys(TMemIniFile& file, const std::string& key)
{
    TStringList sections;
    file.ReadSections(sections);
    std::vector<std::string> names;
    std::string prefix = key + "\\";
    for (int i = 0; i < sections.Count(); ++i) {
        std::string s = sections[i];
        if (s.size() > prefix.size() && StartsText(prefix, s) && s.find('\\', prefix.size()) == std::string::npos)
            names.push_back(s.substr(prefix.size()));
    }
    return names;
}

}  // namespace

TRegistryIniFile::TRegistryIniFile(std::string key, std::string app)
    : TCustomIniFile(std::move(key), TEncoding::Default), app_(std::move(app))
{}

std::string TRegistryIniFile::storeFile() const
{
    return TSettingsStore(app_).FileName();
}

std::string TRegistryIniFile::keyName() const
{
    std::string k = FileName();
    while (!k.empty() && k.front() == '\\')
        k.erase(0, 1);
    while (!k.empty() && k.back() == '\\')
        k.pop_back();
    return k;
}

TIniDocument& TRegistryIniFile::Document()
{
    doc_.Clear();
    TMemIniFile file(storeFile());
    std::string key = keyName();
    for (const std::string& section : directSubKeys(file, key)) {
        TStringList values;
        file.ReadSectionValues(key + "\\" + section, values);
        doc_.AddSection(section);
        for (int i = 0; i < values.Count(); ++i)
            doc_.SetValue(section, values.Names(i), TSettingsStore::DecodeValue(values.ValueFromIndex(i)));
    }
    return doc_;
}

void TRegistryIniFile::Changed()
{
    try {
        std::filesystem::create_directories(std::filesystem::path(storeFile()).parent_path());
    } catch (const std::filesystem::filesystem_error&) {
        throw EIniFileException(Fmt(msg::IniFileWriteError, storeFile()));
    }
    TMemIniFile file(storeFile());
    std::string key = keyName();
    for (const std::string& section : directSubKeys(file, key))
        file.EraseSection(key + "\\" + section);
    for (const std::string& section : doc_.Sections()) {
        std::string path = key + "\\" + section;
        file.WriteString(path, "", "");  // writing and removing an entry leaves the (empty) sub-key
        file.DeleteKey(path, "");
        for (auto& [name, value] : doc_.Entries(section))
            file.WriteString(path, name, TSettingsStore::EncodeValue(value));
    }
    file.UpdateFile();
}

}  // namespace rtl
