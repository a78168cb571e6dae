// Load and save of a table file of 1,000 rows with 12 attributes each, the size of a well-filled
// table dialog.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/xml/Xml.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 1000;
constexpr int kColumns = 12;

xml::Document MakeTable()
{
    xml::Document doc;
    auto root = doc.CreateRoot("EtherCAT_Slave");
    for (int r = 0; r < kRows; ++r) {
        auto row = root.AppendChild("row");
        for (int c = 0; c < kColumns; ++c)
            row.SetAttribute("Col" + std::to_string(c), c == 0 ? "Y" : "Value_" + std::to_string(r * kColumns + c));
    }
    doc.AppendComment("SW_VERSION = 1.000");
    return doc;
}

fs::path BenchFile()
{
    return fs::temp_directory_path() / ("bench_xml_table_" + std::to_string(::getpid()) + ".xml");
}

void BM_LoadTable(benchmark::State& state)
{
    const auto file = BenchFile();
    MakeTable().SaveToFile(file);
    for (auto _ : state) {
        xml::Document doc;
        doc.LoadFromFile(file);
        int rows = 0;
        for (const auto& row : doc.DocumentElement().Children("row"))
            rows += row.Attribute("Col0") == "Y";
        benchmark::DoNotOptimize(rows);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fs::file_size(file)));
    fs::remove(file);
}
BENCHMARK(BM_LoadTable)->Unit(benchmark::kMillisecond);

void BM_SaveTable(benchmark::State& state)
{
    const auto file = BenchFile();
    const auto doc = MakeTable();
    for (auto _ : state)
        doc.SaveToFile(file);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fs::file_size(file)));
    fs::remove(file);
}
BENCHMARK(BM_SaveTable)->Unit(benchmark::kMillisecond);

void BM_BuildAndSaveTable(benchmark::State& state)
{
    const auto file = BenchFile();
    for (auto _ : state)
        MakeTable().SaveToFile(file);
    fs::remove(file);
}
BENCHMARK(BM_BuildAndSaveTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
