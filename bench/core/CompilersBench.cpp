// Building and saving both bank images and the ESI file for the largest configuration the
// dialogs allow: 256 named variables per direction and 10 connections.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "core/ParGenFile.h"
#include "core/UEtherCAT_ESI_File.h"
#include "core/USaveBincc.h"

namespace {

namespace fs = std::filesystem;

const char* const Types[] = {"Bool", "Int8", "Int16", "Int32", "UInt8", "UInt16", "UInt32", "Float32", "String"};

std::string Direction(const char* prefix, bool withInit)
{
    std::string rows;
    for (int i = 0; i < 256; ++i) {
        const std::string type = Types[i % 9];
        rows += "<row Enable=\"Y\" Type=\"" + type + "\" Length=\"" + (type == "String" ? "10" : "4") + "\" Name=\"" +
                prefix + "_variable_" + std::to_string(i) + "\"" +
                (withInit ? " InitValue=\"" + std::to_string(i) + "\"" : "") +
                " Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/>";
    }
    return rows;
}

void Write(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

class Largest_Configuration {
public:
    Largest_Configuration()
    {
        dir_ = fs::temp_directory_path() / ("core-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "bin");
        core::Write_ParGen_Settings(dir_ / "ParGen.xml", core::TParGenSettings{});
        Write(dir_ / "EtherCAT_Slave.xml",
              "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + Direction("in", true) +
                  "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + Direction("out", false) +
                  "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>");
        std::string rows;
        for (int i = 0; i < 10; ++i)
            rows +=
                "<row Enable=\"Y\" IP_Address=\"192.168.0." + std::to_string(10 + i) +
                "\" Start_Input=\"0\" Num_Input=\"100\" Start_Output=\"0\" Num_Output=\"100\" Time_Poll=\"10\""
                " Instance_T_O=\"100\" Connection_Point_T_O=\"100\" Instance_O_T=\"150\" Connection_Point_O_T=\"150\""
                " Dim_Header_T_O=\"Default\" Dim_Header_O_T=\"Default\" Mnemonic=\"\"/>";
        Write(dir_ / "EtherNetIP_Master_Rules.xml",
              "<EtherNetIP_Master_Access>" + rows + "</EtherNetIP_Master_Access>");
    }
    ~Largest_Configuration() { fs::remove_all(dir_); }
    core::TBankSources Sources() const
    {
        return {dir_ / "ParGen.xml", dir_ / "EtherCAT_Slave.xml", dir_ / "EtherNetIP_Master_Rules.xml"};
    }
    const fs::path& Dir() const { return dir_; }

private:
    fs::path dir_;
};

void BM_Build_Banks(benchmark::State& state)
{
    Largest_Configuration cfg;
    core::TBankStorage s;
    for (auto _ : state) {
        core::Build_Banks(s, cfg.Sources());
        benchmark::DoNotOptimize(s.Bank2.Length());
    }
}
BENCHMARK(BM_Build_Banks)->Unit(benchmark::kMicrosecond);

void BM_Save_Banks(benchmark::State& state)
{
    Largest_Configuration cfg;
    core::TBankStorage s;
    core::Build_Banks(s, cfg.Sources());
    for (auto _ : state)
        core::Save_Banks(s, cfg.Dir() / "bin");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(s.Bank1.Length() + s.Bank2.Length()));
}
BENCHMARK(BM_Save_Banks)->Unit(benchmark::kMicrosecond);

void BM_Build_ESI_File(benchmark::State& state)
{
    Largest_Configuration cfg;
    for (auto _ : state)
        core::Build_ESI_File(cfg.Dir() / "device.xml", cfg.Dir() / "ParGen.xml", cfg.Dir() / "EtherCAT_Slave.xml");
}
BENCHMARK(BM_Build_ESI_File)->Unit(benchmark::kMicrosecond);

void BM_Update_Device_Images_And_ESI(benchmark::State& state)
{
    Largest_Configuration cfg;
    core::TBankStorage s;
    for (auto _ : state) {
        core::Build_Banks(s, cfg.Sources());
        core::Save_Banks(s, cfg.Dir() / "bin");
        core::Build_ESI_File(cfg.Dir() / "device.xml", cfg.Dir() / "ParGen.xml", cfg.Dir() / "EtherCAT_Slave.xml");
    }
}
BENCHMARK(BM_Update_Device_Images_And_ESI)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
