#pragma once
// The raw CAN transmit table (TFTransmitCAN) as a rule table: CAN_Send_Frames.xml, one grid of 512
// frames with CobID, type, length, when each is sent (on change, by command, on a timer with its
// time), the data-array position placed in each data byte and a mnemonic.

#include "core/tables/TableDesc.h"

namespace tables::can {

// Positions a sent byte can be taken from (the Byte columns offer 0 to MAX_Byte - 1 and "None").
inline constexpr int Transmit_MAX_Byte = 2500;

const TDialogDesc& Transmit_CAN_Desc();

}  // namespace tables::can
