#pragma once
// The NMEA 2000 transmit table (TFTransmitNMEA) as a rule table: NMEA_Send_Frames.xml (root
// Receive_NMEA_2000, as the receive file's), one grid of 62 messages with priority, PGN, source
// address, fast packet, number of bytes, when each is sent (on request, on data change, on a
// timer with its time) and a mnemonic. The bytes of all rows come from the output data area of
// NUM_BYTE_OUT bytes.

#include "core/tables/TableDesc.h"

namespace tables::can {

inline constexpr int NMEA_NUM_BYTE_OUT = 512;

const TDialogDesc& Transmit_NMEA_Desc();

}  // namespace tables::can
