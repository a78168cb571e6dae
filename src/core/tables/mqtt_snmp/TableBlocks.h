#pragma once
// What the MQTT and SNMP tables share: the texts of a dialog's block and check-box columns.

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/tables/TableDesc.h"

namespace tables::mqtt_snmp {

// Caption `block`, description `block` + 1, the six button captions from `block` + 2, the six
// button hints from `hints`.
TTextsDesc Block_Texts(int block, int hints, int deleteQuestion, int rowPrefix);

TColumnDesc Box_Column(std::string_view caption, int header, int hint, int width);

}  // namespace tables::mqtt_snmp
