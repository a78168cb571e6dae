#include "tables/can_family/UTransmitJ1939.h"

#include "core/tables/can_family/TransmitJ1939Table.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TFTransmitJ1939::TFTransmitJ1939(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::Transmit_J1939_Desc()),
      sga(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_TransmitJ1939(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
