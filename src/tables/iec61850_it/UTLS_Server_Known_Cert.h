#pragma once
// The TLS server certificates the converter accepts as a TLS client: up to ten, each enabled or
// not, with the certificate as text (several lines, as pasted) and a description, stored in
// TLS_Known_Cert.xml. A rule table on the frame with a string grid (the table itself is
// core/tables/iec61850_it/TLSServerKnownCertTable).

#include "dialogs/UTableFrame.h"

class TFTLS_Server_Known_Cert : public dlg::TFTableFrame {
public:
    explicit TFTLS_Server_Known_Cert(ui::TComponent* AOwner);

    dlg::TFrameStringGrid* GSG;
    rtl::TStringList& Hint_List;
    bool& Do_Copy;

    // Row heights, the text centred in its line and cells of several lines.
    void Init_Table();
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
