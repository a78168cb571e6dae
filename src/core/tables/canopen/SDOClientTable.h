#pragma once
// The CANopen SDO client table (TFSet_SDO_Client_Access) as rule tables: SDO_Client_CANopen.xml,
// up to 256 read and 256 write requests to other CANopen devices, each with the device, the object
// index and sub-index, a size of 1, 2 or 4 bytes, its poll time and the data-array position of
// every byte; a write request may also be sent when one of its bytes changes.

#include "core/tables/TableDesc.h"

namespace tables::canopen {

const TDialogDesc& Set_SDO_Client_Access_Desc();

}  // namespace tables::canopen
