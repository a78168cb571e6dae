// EtherCAT_Slave.xml, the process-data variables: the bank compiler, the ESI generator and the
// variables dialog read it. A file they accept gives an ESI file that is well-formed XML with one
// entry per variable bank2 holds, and a bank pair the updater accepts as one pair; a file the
// dialog loads whole it saves so that loading and saving again gives the same file.
#include "BankPair.h"
#include "FuzzSupport.h"
#include "core/EtherCATSlaveFile.h"
#include "core/UEtherCAT_ESI_File.h"
#include "core/USaveBincc.h"
#include "platform/rtl/Exceptions.h"
#include "platform/xml/Xml.h"

#include <memory>
#include <optional>

namespace {

void Dialog_Round_Trip(const std::filesystem::path& file)
{
    const core::TEtherCAT_Slave_Load load = core::Load_EtherCAT_Slave_Vars(file);
    if (!load.Message.empty())
        return;
    const auto first = fuzz::ScratchFolder() / "variables_saved.xml";
    try {
        core::Write_EtherCAT_Slave_File(first, load.Vars);
    } catch (const rtl::EFileError&) {
        return;  // a cell XML cannot carry is refused with an error
    }
    const core::TEtherCAT_Slave_Load again = core::Load_EtherCAT_Slave_Vars(first);
    FUZZ_CHECK(again.Message.empty(), "the saved tables do not load whole: " + again.Message);
    const auto second = fuzz::ScratchFolder() / "variables_saved_again.xml";
    core::Write_EtherCAT_Slave_File(second, again.Vars);
    FUZZ_CHECK(fuzz::ReadFile(first) == fuzz::ReadFile(second), "the saved tables read back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("EtherCAT_Slave.xml", fuzz::Text(data, size));
    Dialog_Round_Trip(file);
    const auto none = fuzz::ScratchFolder() / "absent.xml";
    std::optional<std::size_t> esiEntries;
    try {
        const core::TESI_Data slave = core::Load_EtherCAT_Slave_Data(none, file);
        esiEntries = slave.Inputs.size() + slave.Outputs.size();
        std::string esi;
        for (const std::string& line : core::ESI_Lines(slave))
            esi += line + "\r\n";
        xml::Document doc;
        doc.LoadFromString(esi, "ESI file");
    } catch (const rtl::EFileError& e) {
        FUZZ_CHECK(e.File() == file.string(), std::string("the ESI file is not well-formed: ") + e.what());
    }
    auto banks = std::make_unique<core::TBankStorage>();
    try {
        core::Build_Banks(*banks, {none, file, none});
    } catch (const rtl::EFileError&) {
        return 0;
    }
    const auto faults = updater::CheckBankPair(banks->Bank1.Bytes(), banks->Bank2.Bytes(), 0x80000);
    FUZZ_CHECK(faults.empty(), faults.empty() ? "" : faults.front());
    // Both take the same rows: the ESI file's entries are bank2's entries.
    if (esiEntries)
        FUZZ_CHECK(*esiEntries == banks->EtherCAT_Bank_Header.Entry_Count, "the ESI file and bank2 count other rows");
    return 0;
}
