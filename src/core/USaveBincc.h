#pragma once
// The bank compiler: turns ParGen.xml, EtherCAT_Slave.xml and EtherNetIP_Master_Rules.xml of the
// open configuration into bank1.bin (the 2048-byte general parameter block) and bank2.bin (the
// EtherNet/IP connection table followed by the EtherCAT section), written into its bin folder.

#include <filesystem>
#include <string>
#include <vector>

#include "core/BankTypes.h"
#include "platform/rtl/Exceptions.h"

namespace core {

// The table files a build reads; a file that does not exist leaves its part at its defaults.
struct TBankSources {
    std::filesystem::path ParGen;
    std::filesystem::path EtherCAT_Slave;
    std::filesystem::path EtherNetIP_Master_Rules;
};

// Builds both images of the given files into `out`. When a file cannot be read (something other
// than a file in its place) or parsed or lacks a required section (xml::XmlError), or holds more than the tables take
// or an enabled String variable whose length one byte cannot carry (1 to 255; rtl::EFileError), the error (naming the
// file, and the row where one is at fault) is thrown and `out` keeps what it held before.
void Build_Banks(TBankStorage& out, const TBankSources& sources);

// The bank files could not be written: File() is the file (or folder) that failed, Reason() why,
// what() the message for the user; Files the files that were not replaced.
class EBankWriteError : public rtl::EFileError {
public:
    EBankWriteError(std::vector<std::string> files, std::string file, std::string reason, std::string message)
        : rtl::EFileError(std::move(file), std::move(reason), std::move(message)), Files(std::move(files))
    {}
    std::vector<std::string> Files;
};

// Writes bank1.bin and bank2.bin into the folder as a pair (rtl::ReplaceFilesTogether): whatever
// fails, and wherever the program is stopped, the folder holds the earlier pair or the new one.
// When a file cannot be written, EBankWriteError names it and neither file is replaced.
void Save_Banks(const TBankStorage& banks, const std::filesystem::path& binFolder);

// The program's entries, on the open configuration (Path_Project and the File_ globals) and the
// module's own storage.
void Build_Banks();
void Save_Banks();
// The images of the last successful build.
const TBankStorage& Bank_Storage();

}  // namespace core
