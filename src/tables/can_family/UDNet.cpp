#include "tables/can_family/UDNet.h"

#include "core/tables/can_family/DNetTable.h"

TFDNet* FDNet = nullptr;

TFDNet::TFDNet(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, tables::can::DNet_Desc()),
      GSG(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_DeviceNet(Hint_Lists[0]),
      Do_Copy(Copy_Flags[0])
{}
