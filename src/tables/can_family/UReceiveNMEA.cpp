#include "tables/can_family/UReceiveNMEA.h"

#include "core/tables/can_family/ReceiveNMEATable.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::TFReceiveNMEA(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::Receive_NMEA_Desc()),
      sga(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_ReceiveNMEA(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
