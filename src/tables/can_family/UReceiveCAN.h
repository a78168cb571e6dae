#pragma once
// Raw CAN receive frames: for each frame its CobID, 11- or 29-bit type, length, data timeout and
// the data-array position of each data byte (or "None"), stored in CAN_Rec_Frames.xml. A rule
// table on the frame (core/tables/can_family/ReceiveCANTable holds the table itself).

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFReceiveCAN : public dlg::TFTableFrame {
public:
    explicit TFReceiveCAN(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG_CAN_Receive;
    rtl::TStringList& Hint_ReceiveCAN;
    bool& Do_Copy;
    // Positions a byte can be put at; set at every show.
    std::int64_t MAX_Byte() const { return State.Var("MAX_Byte"); }
};

extern TFReceiveCAN* FReceiveCAN;
