#include "tables/can_family/UReceiveJ1939.h"

#include "core/tables/can_family/ReceiveJ1939Table.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TFReceiveJ1939::TFReceiveJ1939(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::Receive_J1939_Desc()),
      sga(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_ReceiveJ1939(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
