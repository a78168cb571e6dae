#pragma once
// J1939 transmit frames: per message its priority, data page, PGN, source address, number of bytes
// and when it is sent (request, data change, timer), stored in J1939_Send_Frames.xml. A rule table
// on the frame (core/tables/can_family/TransmitJ1939Table holds the table itself); no button of the
// main window opens it.

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFTransmitJ1939 : public dlg::TFTableFrame {
public:
    explicit TFTransmitJ1939(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* sga;
    rtl::TStringList& Hint_TransmitJ1939;
    bool& Do_Copy;
    bool Controllo_Dati() { return Controllo_dati(); }
    // Size of the data area the rows' bytes share; set at every show.
    std::int64_t NUM_BYTE_OUT() const { return State.Var("NUM_BYTE_OUT"); }
};

extern TFTransmitJ1939* FTransmitJ1939;
