#pragma once
// Raw CAN transmit frames: for each frame its CobID, 11- or 29-bit type, length, when it is sent
// (on change, by command, on a timer) and the data-array position placed in each data byte (or
// "None"), stored in CAN_Send_Frames.xml. A rule table on the frame
// (core/tables/can_family/TransmitCANTable holds the table itself).

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFTransmitCAN : public dlg::TFTableFrame {
public:
    explicit TFTransmitCAN(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* ACG_CAN_Transmit;
    rtl::TStringList& Hint_TransmitCAN;
    bool& Do_Copy;
    // Positions a byte can be taken from; set at every show.
    std::int64_t MAX_Byte() const { return State.Var("MAX_Byte"); }
};

extern TFTransmitCAN* FTransmitCAN;
