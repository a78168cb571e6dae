#pragma once
// The J1939 transmit table (TFTransmitJ1939) as a rule table: J1939_Send_Frames.xml, one grid of
// 512 messages with priority, data page, PGN, source address, number of bytes, when each is sent
// (on request, on data change, on a timer with its time) and a mnemonic. The bytes of all rows
// come from the output data area of NUM_BYTE_OUT bytes. Older files name one send condition per
// row in T_Type; it is read, never written.

#include "core/tables/TableDesc.h"

namespace tables::can {

inline constexpr int J1939_NUM_BYTE_OUT = 512;

const TDialogDesc& Transmit_J1939_Desc();

}  // namespace tables::can
