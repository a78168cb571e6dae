#pragma once
// The serial Modbus master's rules (TFSetAccess) as a rule table: ModbusM_SetAccess.xml, a read
// table and a write table of 512 rules each, every slave named by its slave ID alone.

#include "core/tables/TableDesc.h"
#include "core/tables/modbus_s7_bacnet/ModbusTopics.h"

namespace tables::modbus_s7_bacnet {

const TDialogDesc& Set_Access_Desc();

// The dialog's List_Publish_Topic (nothing fills it in this build).
TTopicList& Set_Access_Topics();

// ComboItem_Topic: per read row, the index last chosen in its Topic cell (from the list or the
// file); -1 when none. Every show forgets them.
int ComboItem_Topic(const TTableState& state, int row);
void Set_ComboItem_Topic(TTableState& state, int row, int index);

}  // namespace tables::modbus_s7_bacnet
