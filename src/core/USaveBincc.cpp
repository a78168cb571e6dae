#include "core/USaveBincc.h"

#include <memory>

#include "common/UComon.h"
#include "core/EtherCATBank.h"
#include "core/EtherNetIPBank.h"
#include "core/GeneralBank.h"
#include "core/LittleEndian.h"
#include "core/ParGenFile.h"
#include "core/TableRows.h"
#include "platform/rtl/Streams.h"
#include "platform/xml/Xml.h"

namespace core {

namespace {

// Runs one compile step; a size limit it hits is reported as a fault of the file it came from.
template <typename Step>
void Compile_From(const std::filesystem::path& file, Step step)
{
    try {
        step();
    } catch (const std::length_error& e) {
        throw xml::XmlError(file.string(), e.what());
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
    std::vector<std::string> failed;
    std::string message;
    auto save = [&](const TBankImage& image, const char* name) {
        const auto file = binFolder / name;
        try {
            rtl::WriteFileAtomic(file.string(), std::string(image.View()));
        } catch (const std::exception& e) {
            failed.push_back(file.string());
            if (!message.empty())
                message += '\n';
            const std::string reason = e.what();
            message += reason.find(file.string()) == std::string::npos
                           ? "Cannot write file \"" + file.string() + "\". " + reason
                           : reason;
        }
    };
    save(banks.Bank1, "bank1.bin");
    save(banks.Bank2, "bank2.bin");
    if (!failed.empty())
        throw EBankWriteError(std::move(failed), message);
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
