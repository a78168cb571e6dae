#pragma once
// What the MQTT and SNMP tables share: the texts of a dialog's block, check-box columns, and the
// save that keeps a table file readable by its owner only.

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/tables/TableDesc.h"

namespace tables::mqtt_snmp {

// Caption `block`, description `block` + 1, the six button captions from `block` + 2, the six
// button hints from `hints`.
TTextsDesc Block_Texts(int block, int hints, int deleteQuestion, int rowPrefix);

TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width);

// The frame's save (Before_Save, then the whole file through a temporary), with the file readable
// and writable by its owner only: an existing file is narrowed to that first, a new one is
// created so before the temporary takes its permissions. A save that fails leaves no file that
// was not there before. The tables hold community strings and pass phrases.
void Save_Tables_Owner_Only(const TDialogDesc& dialog, const std::filesystem::path& file,
                            const std::vector<TCells*>& grids, TTableState& state);

}  // namespace tables::mqtt_snmp
