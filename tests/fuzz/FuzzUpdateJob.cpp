// Ethernet_Update.xml as the updater stand-in reads it: any job file is either accepted with a
// transfer to describe or refused with its faults, never both and never neither.
#include "FuzzSupport.h"
#include "UpdateJob.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("Ethernet_Update.xml", fuzz::Text(data, size));
    const updater::CheckResult result = updater::CheckJobFile(file);
    if (result.ok()) {
        FUZZ_CHECK(!result.job.operations.empty(), "an accepted job without operations");
        (void)updater::DescribeTransfer(result.job);
    }
    return 0;
}
