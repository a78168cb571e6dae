#include "tables/can_family/UTransmitCAN.h"

#include "core/tables/can_family/TransmitCANTable.h"

TFTransmitCAN* FTransmitCAN = nullptr;

TFTransmitCAN::TFTransmitCAN(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::Transmit_CAN_Desc()),
      ACG_CAN_Transmit(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_TransmitCAN(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
