// EtherNetIP_Master_Rules.xml, the scanner's connections, as the bank compiler reads it. A file it
// accepts gives a bank pair the updater accepts as one pair.
#include "BankPair.h"
#include "FuzzSupport.h"
#include "core/USaveBincc.h"
#include "platform/rtl/Exceptions.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("EtherNetIP_Master_Rules.xml", fuzz::Text(data, size));
    const auto none = fuzz::ScratchFolder() / "absent.xml";
    auto banks = std::make_unique<core::TBankStorage>();
    try {
        core::Build_Banks(*banks, {none, none, file});
    } catch (const rtl::EFileError&) {
        return 0;
    }
    const auto faults = updater::CheckBankPair(banks->Bank1.Bytes(), banks->Bank2.Bytes(), 0x80000);
    FUZZ_CHECK(faults.empty(), faults.empty() ? "" : faults.front());
    return 0;
}
