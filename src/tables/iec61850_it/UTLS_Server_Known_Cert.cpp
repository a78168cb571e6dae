#include "tables/iec61850_it/UTLS_Server_Known_Cert.h"

#include "core/tables/iec61850_it/TLSServerKnownCertTable.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {
constexpr int Cert_Row_Height = 60;
}

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::iec::TLS_Server_Known_Cert_Desc()),
      GSG(static_cast<dlg::TFrameStringGrid*>(Grids[0])),
      Hint_List(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{
    Init_Table();
}

void TFTLS_Server_Known_Cert::Init_Table()
{
    // A certificate is pasted whole: its lines stay lines, in the cell and in the file.
    GSG->Multilinecells = true;
    GSG->SetVAlignment(gx::vtaCenter);
    GSG->SetOptions(GSG->Options() | ui::goRowSizing);
    for (int r = 1; r < GSG->RowCount(); ++r)
        GSG->SetRowHeights(r, Cert_Row_Height);
}
