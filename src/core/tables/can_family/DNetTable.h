#pragma once
// The DeviceNet network table (TFDNet) as a rule table: DNETM_Net.xml, one grid of 64 slaves with
// their ID, numbers of input and output bytes and a mnemonic. The byte-offset maps (DefOffsetTable)
// read the same file to learn the slaves.

#include "core/tables/TableDesc.h"

namespace tables::can {

const TDialogDesc& DNet_Desc();

}  // namespace tables::can
