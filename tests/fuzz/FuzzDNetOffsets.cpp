// The DeviceNet byte-offset dialog's two files as it reads them: the input is the network file
// (DNETM_Net.xml), a NUL byte, then the maps (DNETM_DefOff.xml). Reading changes neither file; the
// check runs on whatever was read; maps that were read whole are written so that reading them
// again into the same slaves gives the same file.
#include <algorithm>

#include "FuzzSupport.h"
#include "core/tables/can_family/DefOffsetTable.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::Text(data, size);
    const std::size_t cut = std::min(input.find('\0'), input.size());
    const std::string_view netText = input.substr(0, cut);
    const std::string_view mapText = cut < input.size() ? input.substr(cut + 1) : std::string_view();
    const auto net = fuzz::WriteInput("DNETM_Net.xml", netText);
    const auto maps = fuzz::WriteInput("DNETM_DefOff.xml", mapText);

    tables::can::TSlaves_DN read = tables::can::Load_Slave_DN(net);
    const std::string note = tables::can::Load_Offset_Slave_DN(maps, read.Slaves);
    FUZZ_CHECK(fuzz::ReadFile(net) == netText && fuzz::ReadFile(maps) == mapText, "reading changed a file");
    tables::can::Check_Data(read.Slaves);
    if (!note.empty())
        return 0;

    const auto saved = fuzz::ScratchFolder() / "DNETM_DefOff_saved.xml";
    try {
        tables::can::Save_Offset_Slave_DN(saved, read.Slaves);
    } catch (const rtl::EFileError&) {
        return 0;  // a text XML cannot carry is refused with an error
    }
    tables::can::TSlaves_DN again = tables::can::Load_Slave_DN(net);
    FUZZ_CHECK(tables::can::Load_Offset_Slave_DN(saved, again.Slaves).empty(), "the saved maps do not read whole");
    FUZZ_CHECK(tables::can::Offset_File_Text(again.Slaves) == fuzz::ReadFile(saved),
               "the saved maps read back differently");
    return 0;
}
