#pragma once
// The raw CAN receive table (TFReceiveCAN) as a rule table: CAN_Rec_Frames.xml, one grid of 512
// frames with CobID, type, length, timeout, the data-array position of each data byte and a
// mnemonic.

#include "core/tables/TableDesc.h"

namespace tables::can {

// Positions a received byte can be put at (the Byte columns offer 0 to MAX_Byte - 1 and "None").
inline constexpr int Receive_MAX_Byte = 2000;

const TDialogDesc& Receive_CAN_Desc();

}  // namespace tables::can
