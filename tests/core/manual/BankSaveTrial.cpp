// Saves the bank pairs of two different builds into a bin folder, for the kill trials of
// scripts/manual/bank_save_kill_trials.py, which kill this program in the middle of a save and
// look at what the folder holds afterwards.
//
//   bank_save_trial save BIN    saves the first build's pair once
//   bank_save_trial loop BIN    saves the two builds' pairs in turn until the program is killed
//   bank_save_trial check BIN   exit code 0: the folder holds one build's pair, 1: bank1.bin of
//                               one build beside bank2.bin of the other, 2: anything else
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/USaveBincc.h"

namespace {

namespace fs = std::filesystem;

// The two builds: the defaults, and one with a variable in each direction and a connection.
std::unique_ptr<core::TBankStorage> Build(bool second)
{
    auto banks = std::make_unique<core::TBankStorage>();
    core::TBankSources sources;
    fs::path folder;
    if (second) {
        folder = fs::temp_directory_path() / ("bank_save_trial." + std::to_string(::getpid()));
        fs::create_directories(folder);
        sources.EtherCAT_Slave = folder / "EtherCAT_Slave.xml";
        sources.EtherNetIP_Master_Rules = folder / "EtherNetIP_Master_Rules.xml";
        std::ofstream(sources.EtherCAT_Slave)
            << "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
               "<row Enable=\"Y\" Type=\"Int32\" Name=\"in\"/></EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
               "<row Enable=\"Y\" Type=\"Int16\" Name=\"out\"/></EtherCAT_Master_To_Slave>"
               "</EtherCAT_Slave_Variables></EtherCAT_Slave>";
        std::ofstream(sources.EtherNetIP_Master_Rules)
            << "<EtherNetIP_Master_Access><row Enable=\"Y\" IP_Address=\"127.0.0.1\" Num_Input=\"4\"/>"
               "</EtherNetIP_Master_Access>";
    }
    core::Build_Banks(*banks, sources);
    if (!folder.empty())
        fs::remove_all(folder);
    return banks;
}

std::string Read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Which build a file's bytes come from: 0 or 1, -1 for neither.
int BuildOf(const std::string& bytes, const core::TBankImage& first, const core::TBankImage& second)
{
    if (bytes == first.View())
        return 0;
    if (bytes == second.View())
        return 1;
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s save|loop|check BIN\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const fs::path bin = argv[2];
    const auto first = Build(false);
    const auto second = Build(true);
    try {
        if (mode == "save") {
            core::Save_Banks(*first, bin);
            return 0;
        }
        if (mode == "loop") {
            for (bool which = true;; which = !which)
                core::Save_Banks(which ? *second : *first, bin);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    if (mode != "check")
        return 2;
    const int bank1 = BuildOf(Read(bin / "bank1.bin"), first->Bank1, second->Bank1);
    const int bank2 = BuildOf(Read(bin / "bank2.bin"), first->Bank2, second->Bank2);
    if (bank1 < 0 || bank2 < 0)
        return 2;
    return bank1 == bank2 ? 0 : 1;
}
