#pragma once
// The NMEA 2000 receive table (TFReceiveNMEA) as a rule table: NMEA_Rec_Frames.xml, one grid of 62
// messages with PGN, source address, how the message arrives (transport protocol, fast packet or
// a single frame), the bytes captured, Cancel Data and a mnemonic. The captured bytes of all rows
// fill the input data area of NUM_BYTE_IN bytes.

#include "core/tables/TableDesc.h"

namespace tables::can {

inline constexpr int NMEA_NUM_BYTE_IN = 512;

const TDialogDesc& Receive_NMEA_Desc();

}  // namespace tables::can
