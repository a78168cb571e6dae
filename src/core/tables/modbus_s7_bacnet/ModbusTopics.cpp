#include "core/tables/modbus_s7_bacnet/ModbusTopics.h"

namespace tables::modbus_s7_bacnet {

int Get_Index_From_Topic(const TTopicList& list, std::string_view topic, int remembered)
{
    const int count = static_cast<int>(list.size());
    if (remembered >= 0 && remembered < count && list[static_cast<std::size_t>(remembered)] == topic)
        return remembered;
    for (int i = 0; i < count; ++i)
        if (list[static_cast<std::size_t>(i)] == topic)
            return i;
    return -1;
}

std::string Get_Topic_From_Index(const TTopicList& list, int index)
{
    return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)] : std::string();
}

}  // namespace tables::modbus_s7_bacnet
