#include "tables/modbus_s7_bacnet/USetAccess.h"

#include "core/tables/modbus_s7_bacnet/ModbusGrids.h"
#include "core/tables/modbus_s7_bacnet/SetAccessTable.h"

namespace ms7 = tables::modbus_s7_bacnet;

TFSetAccess* FSetAccess = nullptr;

TFSetAccess::TFSetAccess(ui::TComponent* AOwner)
    : TModbusTables(AOwner, ms7::Set_Access_Desc(), ms7::Set_Access_Topics(),
                    ms7::Topic_Column(ms7::TModbusLink::Serial))
{
    ACG_Modbus_Read->OnComboChange = [this](ui::TObject* s, int c, int r, int i, const std::string& t) {
        ComboChange(s, c, r, i, t);
    };
}

int TFSetAccess::ComboItem_Topic(int row) const
{
    return ms7::ComboItem_Topic(State, row);
}

void TFSetAccess::ComboChange(ui::TObject*, int ACol, int ARow, int AItemIndex, const std::string&)
{
    if (ACol == ms7::Topic_Column(ms7::TModbusLink::Serial))
        ms7::Set_ComboItem_Topic(State, ARow, AItemIndex);
}
