#pragma once
// The data check of the communication settings dialog, on the values as typed.

#include "core/ParGenFile.h"

namespace core {

// Text number of the message of the first invalid value, checked in the dialog's fixed order
// (DNS when enabled, revision, slave name, node address, scanner address, mask, gateway when
// enabled); 0 when every checked value is valid.
int ParGen_First_Fault(const TParGenSettings& settings);

}  // namespace core
