#pragma once
// The topics a Modbus read rule can be published under (List_Publish_Topic of the two Modbus
// dialogs) and the index the table file stores for a Topic cell. Nothing fills the lists in this
// build: the Topic column stays hidden, and a topic read back from a file is always empty.

#include <string>
#include <string_view>
#include <vector>

namespace tables::modbus_s7_bacnet {

using TTopicList = std::vector<std::string>;

// The remembered index when that entry is the topic, otherwise the first entry equal to it; -1 when
// the list has none.
int Get_Index_From_Topic(const TTopicList& list, std::string_view topic, int remembered = -1);
// Entry index of the list; the empty text outside it.
std::string Get_Topic_From_Index(const TTopicList& list, int index);

}  // namespace tables::modbus_s7_bacnet
