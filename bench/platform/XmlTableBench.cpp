// The XML layer against raw pugixml in the same run, on table files of 1,000 rows (a well-filled
// table dialog) and 100,000 rows, 12 attributes each:
// - load and walk every attribute: time and peak heap of each side and their ratios;
// - look up three attributes by name in every row of a loaded document;
// - save (durable: written, flushed to disk and renamed).
// Each paired benchmark runs both sides in every iteration (alternating which goes first) and
// prints "time_ratio" and "mem_ratio" (layer / pugixml; 1.0 means as fast or as small).
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <new>
#include <string>

#include "platform/xml/Xml.h"

// ---- heap accounting: every allocation of this process, pugixml's own included

namespace {

std::atomic<std::size_t> heapNow{0};
std::atomic<std::size_t> heapPeak{0};

void* Counted(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p) {
        const std::size_t now = heapNow += malloc_usable_size(p);
        std::size_t peak = heapPeak.load();
        while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
        }
    }
    return p;
}

void Uncounted(void* p)
{
    if (p) {
        heapNow -= malloc_usable_size(p);
        std::free(p);
    }
}

}  // namespace

void* operator new(std::size_t size)
{
    if (void* p = Counted(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void operator delete(void* p) noexcept
{
    Uncounted(p);
}
void operator delete[](void* p) noexcept
{
    Uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    Uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    Uncounted(p);
}

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kColumns = 12;
constexpr unsigned kPugiOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

const bool kCountPugi = [] {
    pugi::set_memory_management_functions(Counted, Uncounted);
    return true;
}();

xml::Document MakeTable(int rows)
{
    xml::Document doc;
    auto root = doc.CreateRoot("EtherCAT_Slave");
    for (int r = 0; r < rows; ++r) {
        auto row = root.AppendChild("row");
        for (int c = 0; c < kColumns; ++c)
            row.SetAttribute("Col" + std::to_string(c), c == 0 ? "Y" : "Value_" + std::to_string(r * kColumns + c));
    }
    doc.AppendComment("SW_VERSION = 1.000");
    return doc;
}

fs::path BenchFile(const std::string& tag)
{
    return fs::temp_directory_path() / ("bench_xml_" + tag + "_" + std::to_string(::getpid()) + ".xml");
}

// One table file per size, written once and removed at exit.
const fs::path& TableFile(int rows)
{
    struct Files {
        std::map<int, fs::path> paths;
        ~Files()
        {
            for (auto& [rows, path] : paths)
                fs::remove(path);
        }
    };
    static Files files;
    auto [it, added] = files.paths.try_emplace(rows);
    if (added) {
        it->second = BenchFile(std::to_string(rows));
        MakeTable(rows).SaveToFile(it->second);
    }
    return it->second;
}

struct Sample {
    double seconds = 0;
    std::size_t peakBytes = 0;
};

template <class F>
Sample Measure(F&& f)
{
    const std::size_t base = heapNow.load();
    heapPeak = base;
    const auto start = Clock::now();
    f();
    Sample s;
    s.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    s.peakBytes = heapPeak.load() - base;
    return s;
}

struct Pair {
    Sample pugi, layer;
    void Add(const Sample& p, const Sample& l)
    {
        pugi.seconds += p.seconds;
        layer.seconds += l.seconds;
        pugi.peakBytes = std::max(pugi.peakBytes, p.peakBytes);
        layer.peakBytes = std::max(layer.peakBytes, l.peakBytes);
    }
    void Report(benchmark::State& state, bool withMemory) const
    {
        const double n = static_cast<double>(state.iterations());
        state.counters["pugixml_ms"] = pugi.seconds * 1e3 / n;
        state.counters["xml_ms"] = layer.seconds * 1e3 / n;
        state.counters["time_ratio"] = layer.seconds / pugi.seconds;
        if (withMemory) {
            state.counters["pugixml_MiB"] = static_cast<double>(pugi.peakBytes) / (1 << 20);
            state.counters["xml_MiB"] = static_cast<double>(layer.peakBytes) / (1 << 20);
            state.counters["mem_ratio"] = static_cast<double>(layer.peakBytes) / static_cast<double>(pugi.peakBytes);
        }
    }
};

std::size_t WalkWithPugi(const fs::path& file)
{
    pugi::xml_document doc;
    if (!doc.load_file(file.c_str(), kPugiOptions))
        std::abort();
    std::size_t bytes = 0;
    for (auto row = doc.document_element().first_child(); row; row = row.next_sibling())
        for (auto a = row.first_attribute(); a; a = a.next_attribute())
            bytes += std::strlen(a.name()) + std::strlen(a.value());
    return bytes;
}

std::size_t WalkWithLayer(const fs::path& file)
{
    xml::Document doc;
    doc.LoadFromFile(file);
    std::size_t bytes = 0;
    for (const auto& row : doc.DocumentElement().Elements())
        for (const auto& [name, value] : row.Attributes())
            bytes += name.size() + value.size();
    return bytes;
}

void BM_LoadAndWalkEveryAttribute(benchmark::State& state)
{
    const auto& file = TableFile(static_cast<int>(state.range(0)));
    Pair pair;
    bool pugiFirst = true;
    for (auto _ : state) {
        Sample p, l;
        std::size_t a = 0, b = 0;
        if (pugiFirst) {
            p = Measure([&] { a = WalkWithPugi(file); });
            l = Measure([&] { b = WalkWithLayer(file); });
        } else {
            l = Measure([&] { b = WalkWithLayer(file); });
            p = Measure([&] { a = WalkWithPugi(file); });
        }
        if (a != b)
            state.SkipWithError("the two walks differ");
        pugiFirst = !pugiFirst;
        pair.Add(p, l);
    }
    pair.Report(state, true);
}
BENCHMARK(BM_LoadAndWalkEveryAttribute)->Arg(1000)->Arg(100000)->MinTime(3)->Unit(benchmark::kMillisecond);

void BM_LookUpThreeAttributesPerRow(benchmark::State& state)
{
    const auto& file = TableFile(static_cast<int>(state.range(0)));
    pugi::xml_document raw;
    raw.load_file(file.c_str(), kPugiOptions);
    xml::Document doc;
    doc.LoadFromFile(file);
    const char* names[] = {"Col0", "Col5", "Col11"};
    Pair pair;
    for (auto _ : state) {
        std::size_t a = 0, b = 0;
        const Sample p = Measure([&] {
            for (auto row = raw.document_element().first_child(); row; row = row.next_sibling())
                for (const char* name : names)
                    a += std::strlen(row.attribute(name).value());
        });
        const Sample l = Measure([&] {
            for (const auto& row : doc.DocumentElement().Elements())
                for (const char* name : names)
                    b += row.Attribute(name).value_or("").size();
        });
        if (a != b)
            state.SkipWithError("the two look-ups differ");
        pair.Add(p, l);
    }
    pair.Report(state, false);
}
BENCHMARK(BM_LookUpThreeAttributesPerRow)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SaveTable(benchmark::State& state)
{
    const auto file = BenchFile("save");
    const auto doc = MakeTable(static_cast<int>(state.range(0)));
    for (auto _ : state)
        doc.SaveToFile(file);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fs::file_size(file)));
    fs::remove(file);
}
BENCHMARK(BM_SaveTable)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
