#include "tables/modbus_s7_bacnet/UModbusTables.h"

void TModbusTables::Shown()
{
    rtl::TStringList& items = ACG_Modbus_Read->Columns()->Items(topicColumn_)->ComboItems;
    items.Clear();
    for (const std::string& topic : List_Publish_Topic)
        items.Add(topic);
}
