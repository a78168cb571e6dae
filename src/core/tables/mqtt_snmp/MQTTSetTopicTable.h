#pragma once
// The MQTT topics (TFMQTT_Set_Topic) as a rule table: MQTT_Set_Topic.xml with a publish table and
// a subscribe table of 1024 topics each, with the position, type and size of each value, its
// template and, for publishing, when to publish. Some columns are hidden and still stored; a few
// are never stored and start afresh at every show.

#include <string_view>

#include "core/tables/TableDesc.h"

namespace tables::mqtt_snmp {

// Real columns of the two grids.
namespace mqtt_pub {
inline constexpr int Topic = 1, Retained = 2, QoS = 3, Data_Type = 4, Dimension = 5, Position = 6, IP_Address = 7,
                     Input_Template = 8, Template = 9, OnChange = 10, OnCMD = 11, OnTimer = 12, Time = 13, Channel = 14,
                     Swap = 15, Swap_Word = 16, Mnemonic = 17;
}
namespace mqtt_sub {
inline constexpr int Topic = 1, Retained = 2, QoS = 3, Data_Type = 4, Dimension = 5, Position = 6, IP_Address = 7,
                     Port = 8, Eth_Type = 9, Input_Template = 10, Template = 11, Swap = 12, Swap_Word = 13,
                     Mnemonic = 14;
}

// Bytes of the data arrays that publish and subscribe positions address.
inline constexpr int MQTT_Byte_IN = 1500;
inline constexpr int MQTT_Byte_OUT = 1500;

const TDialogDesc& MQTT_Set_Topic_Desc();

// True when the text holds an odd number of "$": keywords stand between two of them ("$VALUE$").
bool Error_In_Topic_Template(std::string_view text);

}  // namespace tables::mqtt_snmp
