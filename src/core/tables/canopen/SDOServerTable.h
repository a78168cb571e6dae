#pragma once
// The CANopen SDO server objects (TFSet_SDO_Server_Access) as rule tables: SDO_Server_CANopen.xml,
// up to 500 objects the CANopen side reads ("SDO in Read") and 500 it writes ("SDO in Write"), each
// a manufacturer index 0x2000 to 0x5FFF with a sub-index, a size of 1, 2 or 4 bytes and the
// data-array position of every byte. The EDS export turns the saved rows into the manufacturer
// objects of the EDS file, so one index and sub-index may stand in one row only.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/tables/TableDesc.h"

namespace tables::canopen {

const TDialogDesc& Set_SDO_Server_Access_Desc();

// One object of the table as the search for a repeated index and sub-index sees it.
struct TSDOEntry {
    int Table = 0;  // 0 read, 1 write
    int Row = 0;    // from 1
    std::int64_t Index = 0;
    std::int64_t Sub = 0;
};
// The first entry, in table order, whose index and sub-index an earlier entry has already:
// {earlier, later}.
struct TSDORepeat {
    TSDOEntry First, Again;
};
std::optional<TSDORepeat> Find_Repeated_SDO(const std::vector<TSDOEntry>& entries);

}  // namespace tables::canopen
