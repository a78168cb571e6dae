// EDS files, the connections of an EtherNet/IP device offered for import into the connections
// table: any bytes in any encoding the reader follows. The connections found are numbered from 1
// in order and can be shown; a file without one says why.
#include "FuzzSupport.h"
#include "core/EdsConnections.h"
#include "core/EtherNetIPRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("Device.eds", fuzz::Text(data, size));
    const core::TEDS_Read read = core::Read_EDS_Connections(file);
    FUZZ_CHECK(read.List_Conn.empty() != read.Message.empty(), "a message goes with an empty list, and only then");
    for (std::size_t i = 0; i < read.List_Conn.size(); ++i) {
        const core::TConnData& c = read.List_Conn[i];
        FUZZ_CHECK(c.ConnIndex == static_cast<std::int32_t>(i + 1), "the connections are not numbered in order");
        (void)core::EDS_Connection_Texts(c);
    }
    return 0;
}
