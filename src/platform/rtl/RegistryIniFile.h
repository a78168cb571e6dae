#pragma once
// An INI-style store on a key of the per-user settings store: sections are sub-keys of the key,
// idents are value names. Every change is written at once; FileName() is the key.
#include <string>

#include "platform/rtl/IniFiles.h"

namespace rtl {

class TRegistryIniFile : public TCustomIniFile {
public:
    explicit TRegistryIniFile(std::string key, std::string app = "configurator");
    void UpdateFile() override {}

protected:
    TIniDocument& Document() override;  // the key's sub-keys and their values, read afresh
    void Changed() override;            // writes the content back below the key

private:
    std::string storeFile() const;
    std::string keyName() const;  // the key without leading or trailing "\"
    std::string app_;
    TIniDocument doc_;
};

}  // namespace rtl
