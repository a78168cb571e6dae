#include "tables/mqtt_snmp/USNMPManagerAccess.h"

#include "core/tables/mqtt_snmp/SNMPManagerTable.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

namespace mq = tables::mqtt_snmp;

TFSNMPManagerAccess::TFSNMPManagerAccess(ui::TComponent* AOwner)
    : dlg::TFTableFrame(AOwner, mq::SNMP_Manager_Desc()),
      ACG_SNMP(static_cast<dlg::TFrameColumnGrid*>(Grids[0])),
      Hint_SNMP(Hint_Lists[0]),
      Do_Copy_SNMP(Copy_Flags[0])
{
    ACG_SNMP->Columns()->Items(mq::snmp_manager::Community)->EditLength = mq::snmp_manager::Community_Length;
}
