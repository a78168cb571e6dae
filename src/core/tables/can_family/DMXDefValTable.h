#pragma once
// The DMX default values (TFDMXDefVal) as a rule table: DMX_Default_Values.xml, one row per DMX
// channel with its default value (0 to 255) and a mnemonic; every channel has its row, so the
// table has no key and no row buttons. The number of channels comes from the communication
// settings (DMX_Num_Channels of ParGen.xml).

#include <filesystem>
#include <string>

#include "core/tables/TableDesc.h"

namespace tables::can {

inline constexpr int DMX_Default_Channels = 512;

const TDialogDesc& DMX_Def_Val_Desc();

// The number of channels: DMX_Num_Channels of the settings file, 512 when the file, the key or a
// number in it is missing or the file cannot be read. A number outside 1 to 512 is clamped to the
// nearer end and Note says so; otherwise Note is empty.
struct TDMXChannels {
    int Count = DMX_Default_Channels;
    std::string Note{};
};
TDMXChannels DMX_Channels(const std::filesystem::path& parGen);

}  // namespace tables::can
