#pragma once
// NMEA 2000 transmit frames: per message its priority, PGN, source address, fast packet, number
// of bytes and when it is sent (request, data change, timer), stored in NMEA_Send_Frames.xml. A
// rule table on the frame (core/tables/can_family/TransmitNMEATable holds the table itself); no
// button of the main window opens it.

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFTransmitNMEA : public dlg::TFTableFrame {
public:
    explicit TFTransmitNMEA(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* sga;
    rtl::TStringList& Hint_TransmitNMEA;
    bool& Do_Copy;
    bool Controllo_Dati() { return Controllo_dati(); }
    // Size of the data area the rows' bytes share; set at every show.
    std::int64_t NUM_BYTE_OUT() const { return State.Var("NUM_BYTE_OUT"); }
};

extern TFTransmitNMEA* FTransmitNMEA;
