// Reading an INI section of 1,000 to 16,000 keys: its key list, its name=value list and every
// key one by one. The fitted complexity and the time per key ("per_key") show the growth.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace {

namespace fs = std::filesystem;

std::string SectionText(int keys)
{
    std::string text = "[Other]\r\nA=1\r\n[Big]\r\n";
    for (int k = 0; k < keys; ++k)
        text += "Key" + std::to_string(k) + "=Value " + std::to_string(k) + "\r\n";
    return text;
}

void BM_ReadSection(benchmark::State& state)
{
    const int keys = static_cast<int>(state.range(0));
    const auto file = fs::temp_directory_path() / ("bench_ini_" + std::to_string(::getpid()) + ".ini");
    rtl::WriteFileAtomic(file.string(), SectionText(keys));
    for (auto _ : state) {
        rtl::TMemIniFile ini(file.string());
        rtl::TStringList names, values;
        ini.ReadSection("big", names);
        ini.ReadSectionValues("BIG", values);
        std::size_t total = 0;
        for (int i = 0; i < names.Count(); ++i)
            total += ini.ReadString("Big", names[i], "").size();
        benchmark::DoNotOptimize(total);
    }
    fs::remove(file);
    state.SetComplexityN(keys);
    state.counters["per_key"] = benchmark::Counter(
        static_cast<double>(keys), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadSection)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
