// EtherCAT_Slave.xml, the process-data variables: the bank compiler and the ESI generator read
// it. A file they accept gives an ESI file that is well-formed XML with one entry per variable
// bank2 holds, and a bank pair the updater accepts as one pair.
#include "BankPair.h"
#include "FuzzSupport.h"
#include "core/UEtherCAT_ESI_File.h"
#include "core/USaveBincc.h"
#include "platform/rtl/Exceptions.h"
#include "platform/xml/Xml.h"

#include <memory>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("EtherCAT_Slave.xml", fuzz::Text(data, size));
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
