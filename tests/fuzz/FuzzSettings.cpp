// Brevandor.xml, the program's own settings: reading never fails (an unreadable file gives the
// defaults and a reason), and what was read is written so that it reads back the same.
#include "FuzzSupport.h"
#include "app/USettingsFile.h"
#include "common/UComon.h"
#include "platform/xml/Xml.h"

#include <tuple>

namespace {

auto Values()
{
    return std::make_tuple(Name_Project, Last_IP_Address, Language_Name, Enable_Internet, Enable_Update,
                           Enable_Jump_Field, Enable_DblClick_AutoSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Path_Exe = fuzz::ScratchFolder().string();
    fuzz::WriteInput("Brevandor.xml", fuzz::Text(data, size));
    xml::Document doc;
    if (!Read_Setting(doc).empty())
        return 0;
    const auto read = Values();
    try {
        Save_Setting(doc);
    } catch (const xml::XmlError&) {
        return 0;  // a value XML cannot carry is refused with an error
    }
    xml::Document again;
    FUZZ_CHECK(Read_Setting(again).empty(), "the written settings file cannot be read");
    FUZZ_CHECK(Values() == read, "the settings read back differently");
    return 0;
}
