#pragma once
// J1939 receive frames: per message its data page, PGN and source address, transport protocol or
// single frame, the bytes captured, Cancel Data and the request with its time, stored in
// J1939_Rec_Frames.xml. A rule table on the frame (core/tables/can_family/ReceiveJ1939Table holds
// the table itself); no button of the main window opens it.

#include <cstdint>

#include "dialogs/UTableFrame.h"

class TFReceiveJ1939 : public dlg::TFTableFrame {
public:
    explicit TFReceiveJ1939(ui::TComponent* AOwner);

    dlg::TFrameColumnGrid* sga;
    rtl::TStringList& Hint_ReceiveJ1939;
    bool& Do_Copy;
    bool Controllo_Dati() { return Controllo_dati(); }
    // Size of the data area the rows' bytes share; set at every show.
    std::int64_t NUM_BYTE_IN() const { return State.Var("NUM_BYTE_IN"); }
};

extern TFReceiveJ1939* FReceiveJ1939;
