#pragma once
// The variables the converter offers as IEC 61850 server (TFIEC61850_Variables) as a rule table:
// IEC61850_Variables.xml, 50 rows of name, type, length, read-only flag, position and bit in the
// internal data array, conversion, multiplication factor, swaps and a mnemonic.

#include "core/tables/TableDesc.h"

namespace tables::iec {

// Bytes of the internal data array a Position may name (0 to NByte_IN - 1); set at every show.
inline constexpr int IEC61850_NByte_IN = 1438;

const TDialogDesc& IEC61850_Variables_Desc();

}  // namespace tables::iec
