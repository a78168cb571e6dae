// ParGen.xml, the communication settings: the dialog's reader, the bank compiler and the ESI
// generator read it. What the dialog reads it must write so that it reads back the same, and the
// ESI file made from it must be well-formed XML and agree with bank2 on the slave's identity.
#include "FuzzSupport.h"
#include "core/ParGenFile.h"
#include "core/UEtherCAT_ESI_File.h"
#include "core/USaveBincc.h"
#include "platform/rtl/Exceptions.h"
#include "platform/xml/Xml.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzz::WriteInput("ParGen.xml", fuzz::Text(data, size));
    const auto none = fuzz::ScratchFolder() / "absent.xml";
    core::TParGenSettings settings;
    try {
        settings = core::Read_ParGen_Settings(file);
    } catch (const rtl::EFileError&) {
        return 0;
    }
    auto banks = std::make_unique<core::TBankStorage>();
    core::Build_Banks(*banks, {file, none, none});

    // The ESI file and bank2 describe the same slave: revision and node address agree.
    const core::TESI_Data slave = core::Load_EtherCAT_Slave_Data(file, none);
    FUZZ_CHECK(slave.Revision == banks->EtherCAT_Bank_Header.Revision_Number, "the revision numbers differ");
    FUZZ_CHECK(slave.Node_Address == banks->EtherCAT_Bank_Header.Node_Address, "the node addresses differ");
    std::string esi;
    for (const std::string& line : core::ESI_Lines(slave))
        esi += line + "\r\n";
    xml::Document doc;
    try {
        doc.LoadFromString(esi, "ESI file");
    } catch (const xml::XmlError& e) {
        FUZZ_CHECK(false, std::string("the ESI file is not well-formed: ") + e.what());
    }

    const auto written = fuzz::ScratchFolder() / "ParGen_written.xml";
    try {
        core::Write_ParGen_Settings(written, settings);
    } catch (const rtl::EFileError&) {
        return 0;  // a value XML cannot carry is refused with an error
    }
    FUZZ_CHECK(core::Read_ParGen_Settings(written) == settings, "the settings read back differently");
    return 0;
}
