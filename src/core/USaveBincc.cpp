#include "core/USaveBincc.h"

#include <memory>

#include "common/UComon.h"
#include "core/EtherCATBank.h"
#include "core/EtherCATSlaveVars.h"
#include "core/EtherNetIPBank.h"
#include "core/GeneralBank.h"
#include "core/LittleEndian.h"
#include "core/ParGenFile.h"
#include "core/TableRows.h"
#include "platform/rtl/FolderSwap.h"
#include "platform/xml/Xml.h"

namespace core {

namespace {

// Runs one compile step; a size limit it hits is reported as a fault of the file it came from
// (a file error, not an XML error: the file itself is well-formed).
template <typename Step>
void Compile_From(const std::filesystem::path& file, Step step)
{
    try {
        step();
    } catch (const std::length_error& e) {
        throw rtl::EFileError(file.string(), e.what());
    }
}

}  // namespace

void Build_Banks(TBankStorage& out, const TBankSources& src)
{
    // Read every file first, so that a file that cannot be parsed stops the build before anything
    // is compiled.
    const auto parGen = TParGenFile::Open(src.ParGen);
    const auto variables = Read_EtherCAT_Slave_File(src.EtherCAT_Slave);
    const auto connections = Read_EtherNetIP_Master_Rules_File(src.EtherNetIP_Master_Rules);
    if (variables)
        Check_String_Lengths(*variables, src.EtherCAT_Slave);

    auto s = std::make_unique<TBankStorage>();
    Init_General_Bank(*s);
    Init_EtherCAT_Bank(*s);
    Init_EtherNetIP_Master_Table(*s);
    if (parGen)
        Read_ParGen_Bank(*s, *parGen);
    Put_U32_LE(&s->General_Bank[bank1::Connection_Table_Address], EtherNetIP_Table_Address);
    Put_U32_LE(&s->General_Bank[bank1::EtherCAT_Section_Address], EtherCAT_Section_Address);
    Compile_From(src.EtherCAT_Slave,
                 [&] { Read_EtherCAT_Slave_Bank(*s, variables ? &*variables : nullptr, EtherCAT_Section_Address); });
    Compile_From(src.EtherNetIP_Master_Rules,
                 [&] { Read_EtherNetIP_Master_Rules(*s, connections ? &*connections : nullptr); });
    s->Bank1.Clear();
    s->Bank2.Clear();
    Put_General_Bank(*s);
    Put_EtherNetIP_Master_Table(*s);
    Compile_From(src.EtherCAT_Slave, [&] { Put_EtherCAT_Bank(*s); });
    out = std::move(*s);
}

void Save_Banks(const TBankStorage& banks, const std::filesystem::path& binFolder)
{
    // The pair is replaced together: after any failure, and whenever the program is stopped, the
    // folder holds the earlier pair or the new one, never a bank1 of one build beside a bank2 of
    // another.
    try {
        rtl::ReplaceFilesTogether(binFolder, {{"bank1.bin", std::string(banks.Bank1.View())},
                                              {"bank2.bin", std::string(banks.Bank2.View())}});
    } catch (const rtl::EFileError& e) {
        const std::string what = e.what();
        const std::string message =
            what.find(e.File()) == std::string::npos ? "Cannot write file \"" + e.File() + "\". " + what : what;
        throw EBankWriteError({(binFolder / "bank1.bin").string(), (binFolder / "bank2.bin").string()}, e.File(),
                              e.Reason(), message + "\nNeither bank file was replaced.");
    }
}

namespace {

TBankStorage& Module_Storage()
{
    static auto storage = std::make_unique<TBankStorage>();
    return *storage;
}

}  // namespace

void Build_Banks()
{
    Build_Banks(Module_Storage(), {File_ParGen, File_EtherCAT_Slave, File_EtherNetIP_Master_Rules});
}

void Save_Banks()
{
    Save_Banks(Module_Storage(), std::filesystem::path(Path_Project) / "bin");
}

const TBankStorage& Bank_Storage()
{
    return Module_Storage();
}

}  // namespace core
