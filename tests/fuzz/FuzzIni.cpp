// INI files (grid settings, the per-user settings store): any text parses; its sections and
// entries survive being written and read again; the file reader follows any encoding.
#include "FuzzSupport.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"

namespace {

// Every section with its entries, in order.
std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>
Content(const rtl::TIniDocument& doc)
{
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> content;
    for (const std::string& section : doc.Sections())
        content.emplace_back(section, doc.Entries(section));
    return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rtl::TIniDocument doc;
    doc.Parse(fuzz::Text(data, size));
    const auto content = Content(doc);
    rtl::TIniDocument again;
    again.Parse(doc.Serialize());
    FUZZ_CHECK(Content(again) == content, "an INI text reads back differently after writing");

    const auto file = fuzz::WriteInput("settings.ini", fuzz::Text(data, size));
    rtl::TMemIniFile ini(file.string());
    rtl::TStringList sections;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count() && s < 64; ++s) {
        rtl::TStringList keys;
        ini.ReadSection(sections[s], keys);
        for (int k = 0; k < keys.Count() && k < 64; ++k) {
            (void)ini.ReadString(sections[s], keys[k], "");
            (void)ini.ReadInteger(sections[s], keys[k], 0);
            (void)ini.ReadFloat(sections[s], keys[k], 0);
            (void)ini.ReadBool(sections[s], keys[k], false);
        }
    }
    return 0;
}
