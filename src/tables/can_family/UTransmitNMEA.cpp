#include "tables/can_family/UTransmitNMEA.h"

#include "core/tables/can_family/TransmitNMEATable.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::TFTransmitNMEA(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::Transmit_NMEA_Desc()),
      sga(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_TransmitNMEA(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
