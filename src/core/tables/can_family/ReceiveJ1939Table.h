#pragma once
// The J1939 receive table (TFReceiveJ1939) as a rule table: J1939_Rec_Frames.xml, one grid of 512
// messages with data page, PGN, source address, how the message arrives (transport protocol or a
// single frame), the bytes captured, Cancel Data, the request with its time and a mnemonic. The
// captured bytes of all rows fill the input data area of NUM_BYTE_IN bytes.

#include "core/tables/TableDesc.h"

namespace tables::can {

inline constexpr int J1939_NUM_BYTE_IN = 1440;

const TDialogDesc& Receive_J1939_Desc();

}  // namespace tables::can
