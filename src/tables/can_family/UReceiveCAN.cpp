#include "tables/can_family/UReceiveCAN.h"

#include "core/tables/can_family/ReceiveCANTable.h"

TFReceiveCAN* FReceiveCAN = nullptr;

TFReceiveCAN::TFReceiveCAN(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::Receive_CAN_Desc()),
      ACG_CAN_Receive(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_ReceiveCAN(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
