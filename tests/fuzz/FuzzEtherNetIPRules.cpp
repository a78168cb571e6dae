// EtherNetIP_Master_Rules.xml, the scanner's connections, as the bank compiler and the connections
// dialog read it. A file the compiler accepts gives a bank pair the updater accepts as one pair; a
// file the dialog loads whole it saves so that loading and saving again gives the same file.
#include "BankPair.h"
#include "FuzzSupport.h"
#include "core/EtherNetIPRulesFile.h"
#include "core/USaveBincc.h"
#include "platform/rtl/Exceptions.h"

#include <memory>

namespace {

void Dialog_Round_Trip(const std::filesystem::path& file)
{
    const core::TEtherNetIP_Rules_Load load = core::Load_EtherNetIP_Rules(file);
    if (!load.Message.empty())
        return;
    const auto first = fuzz::ScratchFolder() / "rules_saved.xml";
    try {
        core::Write_EtherNetIP_Rules_File(first, load.Rows);
    } catch (const rtl::EFileError&) {
        return;  // a cell XML cannot carry is refused with an error
    }
    const core::TEtherNetIP_Rules_Load again = core::Load_EtherNetIP_Rules(first);
    FUZZ_CHECK(again.Message.empty(), "the saved table does not load whole: " + again.Message);
    const auto second = fuzz::ScratchFolder() / "rules_saved_again.xml";
    core::Write_EtherNetIP_Rules_File(second, again.Rows);
    FUZZ_CHECK(fuzz::ReadFile(first) == fuzz::ReadFile(second), "the saved table reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("EtherNetIP_Master_Rules.xml", fuzz::Text(data, size));
    Dialog_Round_Trip(file);
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
