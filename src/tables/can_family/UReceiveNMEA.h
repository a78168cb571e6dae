#pragma once
// NMEA 2000 receive frames: per message its PGN and source address, transport protocol, fast
// packet or single frame, the bytes captured and Cancel Data, stored in NMEA_Rec_Frames.xml. A rule
// table on the frame (core/tables/can_family/ReceiveNMEATable holds the table itself); no button of
// the main window opens it.

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFReceiveNMEA : public dlg::TFTableFrame {
public:
    explicit TFReceiveNMEA(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* sga;
    rtl::TStringList& Hint_ReceiveNMEA;
    bool& Do_Copy;
    bool Controllo_Dati() { return Controllo_dati(); }
    // Size of the data area the rows' bytes share; set at every show.
    std::int64_t NUM_BYTE_IN() const { return State.Var("NUM_BYTE_IN"); }
};

extern TFReceiveNMEA* FReceiveNMEA;
