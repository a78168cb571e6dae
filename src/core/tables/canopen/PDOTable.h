#pragma once
// The CANopen PDO tables (TFSet_PDO_Access) as rule tables: PDO_CANopen.xml, up to 30 receive and
// 30 transmit PDOs, each with its COB-ID, length, the data-array position of every data byte and
// its time-out, or its send period and change trigger. The EDS export reads the same file.

#include "core/tables/TableDesc.h"

namespace tables::canopen {

// PDOs per direction: the rows of each grid, and what an EDS file of the converter describes.
inline constexpr int PDO_Rows = 30;

const TDialogDesc& Set_PDO_Access_Desc();

}  // namespace tables::canopen
