#pragma once
// Rules the J1939 and NMEA 2000 tables share: which bytes of a message a receive row captures
// (transport protocol, fast packet or a single frame) and the running total of the rows' bytes
// against the size of the data area.

#include <functional>
#include <string_view>

#include "core/tables/TableDesc.h"

namespace tables::can {

// The row's cell is exactly "Y" (not trimmed, letter case counts).
std::function<bool(const TRowView&)> Is_Y(int col);

// How a receive row captures its bytes. Transport-protocol rows (Col_TP exactly "Y") take Start
// 0 to Max and N 0 or more with Start + N at most Max; fast-packet rows (Col_FP exactly "Y",
// Col_FP -1 where the table has none) the same with their own Max; every other row is a single
// frame: Start and N both empty capture all 8 bytes, one of them empty is a fault, else Start 1 to
// 8, N 1 to 8 and Start + N at most 8. The row's byte count goes to Vars["Row_Bytes"].
struct TCaptureDesc {
    int Col_TP = -1;
    int Col_FP = -1;
    int Col_Start = -1;
    int Col_NByte = -1;
    struct TLimit {
        std::int64_t Max = 0;
        int Text_Start = 0;  // Start beyond 0 to Max
        int Text_Sum = 0;    // N below 0 or Start + N beyond Max
    };
    TLimit TP{};
    TLimit FP{};
    int Text_Both = 0;   // one of Start and N empty
    int Text_Start = 0;  // Start beyond 1 to 8
    int Text_NByte = 0;  // N beyond 1 to 8
    int Text_Sum = 0;    // Start + N beyond 8
};
TRowRule Capture_Rule(const TCaptureDesc& desc);

// The running total of the rows' bytes (count of each row) must stay within Var(max): else text
// followed by the bound, without row prefix. Before_Check starts it with Start_Total.
TRowRule Total_Rule(std::function<std::int64_t(const TRowView&)> count, std::string_view max, int text);
void Start_Total(TTableState& state);
// The count of Capture_Rule; the number in a cell as the count.
std::int64_t Captured_Bytes(const TRowView& row);
std::function<std::int64_t(const TRowView&)> Int_Of(int col);

}  // namespace tables::can
