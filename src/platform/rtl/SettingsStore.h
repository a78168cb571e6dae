#pragma once
// A per-user settings store used where the program would keep keys in the system registry.
// Keys are paths like "Software\Grid\Columns"; values live in an INI-style file
// "<config folder>/<app>/settings.ini" whose sections are key paths. The config folder is
// $XDG_CONFIG_HOME, else ~/.config; tests point it elsewhere with SetConfigRoot.
#include <string>
#include <string_view>

#include "platform/rtl/Object.h"

namespace rtl {

class TStrings;

class TSettingsStore : public TObject {
public:
    // app: the folder name under the configuration root.
    explicit TSettingsStore(std::string app = "configurator");

    // Overrides the configuration root for all stores (empty: back to the environment).
    static void SetConfigRoot(const std::string& folder);
    static std::string ConfigRoot();
    std::string FileName() const;

    // Opens a key relative to the current key (absolute when it starts with "\").
    // With canCreate false a key that does not exist is not opened and false is returned.
    bool OpenKey(std::string_view key, bool canCreate);
    bool OpenKeyReadOnly(std::string_view key);
    void CloseKey();
    const std::string& CurrentPath() const { return current_; }
    bool KeyExists(std::string_view key) const;
    bool DeleteKey(std::string_view key);  // the key and all keys below it
    bool ValueExists(std::string_view name) const;
    bool DeleteValue(std::string_view name);
    void GetValueNames(TStrings& names) const;
    void GetKeyNames(TStrings& names) const;  // direct sub-keys of the current key
    bool HasSubKeys() const;

    // Reads raise ERegistryException "Failed to get data for 'name'" when the value is absent
    // (or "Invalid data type for 'name'" when an integer value is not a number).
    std::string ReadString(std::string_view name) const;
    int ReadInteger(std::string_view name) const;
    bool ReadBool(std::string_view name) const;
    double ReadFloat(std::string_view name) const;
    // Writes go to the file at once; a failed write raises ERegistryException
    // "Failed to set data for 'name'". Writing without an open key raises the same.
    void WriteString(std::string_view name, const std::string& value);
    void WriteInteger(std::string_view name, int value);
    void WriteBool(std::string_view name, bool value);
    void WriteFloat(std::string_view name, double value);

    // A value as the settings file holds it, and back (line breaks and quotes survive).
    static std::string EncodeValue(const std::string& value);
    static std::string DecodeValue(const std::string& stored);

private:
    std::string resolve(std::string_view key) const;
    std::string app_;
    std::string current_;  // empty: no key open
    bool readOnly_ = false;
};

}  // namespace rtl
