// The SCL decoder against pugixml's own parse plus a plain walk of every node and attribute, side by
// side in the same run, on generated SCD files of about 1, 10 and 50 MB: many IEDs, one large IED
// first (the one the decoder reads), large DataTypeTemplates. Each iteration runs both sides
// (alternating which goes first) and reports:
//   time_ratio      decode time / (pugixml parse + walk)
//   ms_per_MB       decode time per MB of file (linear growth: the same at every size)
//   peak_x_file     peak heap while decoding (document and model) / file size
//   model_x_file    heap the decoded model keeps after the document is gone / file size
//   pugi_peak_x_file  peak heap of pugixml's parse and walk / file size
// The first IED and the templates are found by a scan and parsed alone (SclSource.h): the other
// IEDs cost the scan, not a document object model.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <new>
#include <string>

#include "core/iec61850/UIEC_Client_Decode.h"

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

// Not inlined into the delete operators, so that the compiler does not take the free() of a
// block from operator new for a mismatch.
[[gnu::noinline]] void Uncounted(void* p)
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

const bool kCountPugi = [] {
    pugi::set_memory_management_functions(Counted, Uncounted);
    // The heap keeps what it got (no mapping of large blocks of their own, no trimming), so that
    // the iterations after the first measure the work and not how fast this machine hands out
    // fresh pages, which both sides would pay for every block of tens of megabytes.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    return true;
}();

// ---- the generated SCD

constexpr const char* kCommonDataClasses[] = {"SPS", "DPS", "INS", "ENS", "MV", "CMV", "ACT", "SPC", "INC", "ENC"};
constexpr int kDataTypesPerClass = 40;

// The LN of an IED: its instance values as real files carry them (DOI, SDI, DAI, Val).
void LogicalNode(std::string& out, int ln, int lnTypes)
{
    const int type = ln % lnTypes;
    out += "<LN prefix=\"P" + std::to_string(ln % 7) + "\" lnClass=\"GGIO\" lnType=\"LNT" + std::to_string(type) +
           "\" inst=\"" + std::to_string(ln) + "\" desc=\"Generic input and output " + std::to_string(ln) + "\">\n";
    for (int d = 0; d < 4; ++d) {
        out += "  <DOI name=\"DO" + std::to_string(d) + "\" desc=\"Data object " + std::to_string(d) +
               "\"><DAI name=\"ctlModel\" valKind=\"RO\"><Val>status-only</Val></DAI>"
               "<DAI name=\"d\"><Val>Measured value of channel " +
               std::to_string(ln * 4 + d) + "</Val></DAI></DOI>\n";
    }
    out += "</LN>\n";
}

void LogicalDevice(std::string& out, int ld, int lns, int lnTypes, int& lnNumber)
{
    const std::string inst = "LD" + std::to_string(ld);
    out += "<LDevice inst=\"" + inst + "\" desc=\"Logical device " + std::to_string(ld) + "\">\n";
    out += "<LN0 lnClass=\"LLN0\" lnType=\"LLN0T\" inst=\"\">\n<DataSet name=\"DS" + std::to_string(ld) + "\">\n";
    for (int m = 0; m < 12; ++m)
        out += "<FCDA ldInst=\"" + inst + "\" prefix=\"P1\" lnClass=\"GGIO\" lnInst=\"1\" doName=\"DO" +
               std::to_string(m % 4) + "\"" + (m % 2 ? " daName=\"q\"" : "") + " fc=\"ST\"/>\n";
    out += "</DataSet>\n<GSEControl name=\"GO" + std::to_string(ld) + "\" datSet=\"DS" + std::to_string(ld) +
           "\" confRev=\"1\" appID=\"app" + std::to_string(ld) + "\"/>\n";
    out += "<ReportControl name=\"RP" + std::to_string(ld) + "\" datSet=\"DS" + std::to_string(ld) +
           "\" intgPd=\"1000\"><TrgOps dchg=\"true\" qchg=\"true\"/><OptFields seqNum=\"true\"/></ReportControl>\n";
    out += "</LN0>\n";
    for (int n = 0; n < lns; ++n)
        LogicalNode(out, ++lnNumber, lnTypes);
    out += "</LDevice>\n";
}

void Ied(std::string& out, const std::string& name, int lds, int lnsPerLd, int lnTypes)
{
    out += "<IED name=\"" + name +
           "\" type=\"Relay\" manufacturer=\"Generated\" configVersion=\"1.0\">\n<Services><GOOSE max=\"8\"/>"
           "<ReadWrite/><DataSetDirectory/></Services>\n<AccessPoint name=\"AP1\">\n<Server>"
           "<Authentication/>\n";
    int lnNumber = 0;
    for (int ld = 0; ld < lds; ++ld)
        LogicalDevice(out, ld, lnsPerLd, lnTypes, lnNumber);
    out += "</Server>\n</AccessPoint>\n</IED>\n";
}

void Templates(std::string& out, int lnTypes)
{
    out += "<DataTypeTemplates>\n<LNodeType id=\"LLN0T\" lnClass=\"LLN0\"><DO name=\"Mod\" type=\"ENC0\"/>"
           "<DO name=\"Beh\" type=\"ENS0\"/></LNodeType>\n";
    for (int t = 0; t < lnTypes; ++t) {
        out += "<LNodeType id=\"LNT" + std::to_string(t) + "\" lnClass=\"GGIO\" desc=\"Generated type " +
               std::to_string(t) + "\">";
        for (int d = 0; d < 4; ++d) {
            const int cdc = (t + d) % 10;
            out += "<DO name=\"DO" + std::to_string(d) + "\" type=\"" + kCommonDataClasses[cdc] +
                   std::to_string((t + 3 * d) % kDataTypesPerClass) + "\"/>";
        }
        out += "</LNodeType>\n";
    }
    for (int c = 0; c < 10; ++c) {
        const std::string cdc = kCommonDataClasses[c];
        for (int v = 0; v < kDataTypesPerClass; ++v) {
            out += "<DOType id=\"" + cdc + std::to_string(v) + "\" cdc=\"" + cdc + "\">";
            if (cdc == "MV")
                out += "<DA name=\"mag\" bType=\"Struct\" type=\"AnalogueValue\" fc=\"MX\" dchg=\"true\"/>";
            else if (cdc == "CMV")
                out += "<DA name=\"cVal\" bType=\"Struct\" type=\"Vector\" fc=\"MX\" dchg=\"true\"/>";
            else if (cdc == "ENS" || cdc == "ENC")
                out += "<DA name=\"stVal\" bType=\"Enum\" type=\"Beh\" fc=\"ST\" dchg=\"true\"/>";
            else
                out += "<DA name=\"stVal\" bType=\"" + std::string(c % 2 ? "INT32" : "BOOLEAN") +
                       "\" fc=\"ST\" dchg=\"true\"/>";
            out += "<DA name=\"q\" bType=\"Quality\" fc=\"ST\" qchg=\"true\"/><DA name=\"t\" bType=\"Timestamp\" "
                   "fc=\"ST\"/>";
            if (v % 4 == 0)
                out += "<DA name=\"d\" bType=\"VisString255\" fc=\"DC\"/>";
            out += "</DOType>\n";
        }
    }
    out += "<DAType id=\"AnalogueValue\"><BDA name=\"f\" bType=\"FLOAT32\"/><BDA name=\"i\" bType=\"INT32\"/>"
           "</DAType>\n<DAType id=\"Vector\"><BDA name=\"mag\" bType=\"Struct\" type=\"AnalogueValue\"/>"
           "<BDA name=\"ang\" bType=\"Struct\" type=\"AnalogueValue\"/></DAType>\n";
    // Enumerations make up much of a real template section; the decoder does not read them.
    for (int e = 0; e < lnTypes; ++e) {
        out += "<EnumType id=\"Enum" + std::to_string(e) + "\">";
        for (int v = 1; v <= 6; ++v)
            out += "<EnumVal ord=\"" + std::to_string(v) + "\">value-" + std::to_string(v) + "</EnumVal>";
        out += "</EnumType>\n";
    }
    out += "<EnumType id=\"Beh\"><EnumVal ord=\"1\">on</EnumVal><EnumVal ord=\"5\">off</EnumVal></EnumType>\n"
           "</DataTypeTemplates>\n";
}

// About `megabytes` MB: the first IED a tenth of it, templates a fifth, the rest other IEDs.
std::string Scd(int megabytes)
{
    const std::size_t target = std::size_t(megabytes) << 20;
    const int lnTypes = std::max(50, megabytes * 400);
    std::string templates;
    Templates(templates, lnTypes);
    std::string first;
    // An LN with its instance values is about 700 bytes.
    const int firstLns = std::max(20, int(target / 10 / 700));
    Ied(first, "BigIED", std::max(2, firstLns / 100), 100, lnTypes);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SCL xmlns=\"http://www.iec.ch/61850/2003/SCL\" "
                      "version=\"2007\" revision=\"B\">\n<Header id=\"Generated\" nameStructure=\"IEDName\"/>\n";
    out.reserve(target + target / 8);
    out += first;
    for (int i = 1; out.size() + templates.size() < target; ++i)
        Ied(out, "IED" + std::to_string(i), 4, 50, lnTypes);
    out += templates;
    out += "</SCL>\n";
    return out;
}

const fs::path& ScdFile(int megabytes)
{
    struct Files {
        std::map<int, fs::path> paths;
        ~Files()
        {
            for (auto& [mb, path] : paths)
                fs::remove(path);
        }
    };
    static Files files;
    auto [it, added] = files.paths.try_emplace(megabytes);
    if (added) {
        it->second = fs::temp_directory_path() /
                     ("bench_scl_" + std::to_string(megabytes) + "_" + std::to_string(::getpid()) + ".scd");
        const std::string text = Scd(megabytes);
        std::ofstream(it->second, std::ios::binary).write(text.data(), std::streamsize(text.size()));
    }
    return it->second;
}

// ---- the two sides

std::size_t ParseAndWalkWithPugi(const fs::path& file)
{
    pugi::xml_document doc;
    if (!doc.load_file(file.c_str()))
        std::abort();
    std::size_t seen = 0;
    pugi::xml_node n = doc.first_child();
    while (n) {
        seen += std::strlen(n.name());
        for (auto a = n.first_attribute(); a; a = a.next_attribute())
            seen += std::strlen(a.value());
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling())
            n = n.parent();
        if (n)
            n = n.next_sibling();
    }
    return seen;
}

std::size_t CountObjects(const iec::TIEC_DA& da)
{
    std::size_t n = 1;
    for (const auto& c : da.List_DA)
        n += CountObjects(*c);
    return n;
}

std::size_t CountObjects(const iec::TIEC_DO& d)
{
    std::size_t n = 1;
    for (const auto& s : d.List_DO)
        n += CountObjects(*s);
    for (const auto& da : d.List_DA)
        n += CountObjects(*da);
    return n;
}

std::size_t CountObjects(const iec::TIEC_Device& device)
{
    std::size_t n = 0;
    for (const auto& ld : device.List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& d : ln->List_DO)
                n += CountObjects(*d);
    return n;
}

struct Totals {
    double pugiSeconds = 0, decodeSeconds = 0;
    std::size_t pugiPeak = 0, decodePeak = 0, model = 0, objects = 0;
};

void BM_DecodeScd(benchmark::State& state)
{
    const int megabytes = static_cast<int>(state.range(0));
    const fs::path& file = ScdFile(megabytes);
    const double fileBytes = static_cast<double>(fs::file_size(file));
    // One untimed round of each side first: the heap then holds every page either side needs.
    benchmark::DoNotOptimize(ParseAndWalkWithPugi(file));
    benchmark::DoNotOptimize(std::make_unique<iec::TIEC_Device>(file));
    Totals t;
    bool pugiFirst = true;
    for (auto _ : state) {
        const auto pugiSide = [&] {
            const std::size_t base = heapNow.load();
            heapPeak = base;
            const auto start = Clock::now();
            benchmark::DoNotOptimize(ParseAndWalkWithPugi(file));
            t.pugiSeconds += std::chrono::duration<double>(Clock::now() - start).count();
            t.pugiPeak = std::max(t.pugiPeak, heapPeak.load() - base);
        };
        const auto decodeSide = [&] {
            const std::size_t base = heapNow.load();
            heapPeak = base;
            const auto start = Clock::now();
            auto device = std::make_unique<iec::TIEC_Device>(file);
            t.decodeSeconds += std::chrono::duration<double>(Clock::now() - start).count();
            t.decodePeak = std::max(t.decodePeak, heapPeak.load() - base);
            t.model = heapNow.load() - base;
            t.objects = CountObjects(*device);
            if (!device->Notes.empty() || device->fName != "BigIED")
                state.SkipWithError("the generated file did not decode whole");
        };
        if (pugiFirst) {
            pugiSide();
            decodeSide();
        } else {
            decodeSide();
            pugiSide();
        }
        pugiFirst = !pugiFirst;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["file_MB"] = fileBytes / (1 << 20);
    state.counters["pugixml_ms"] = t.pugiSeconds * 1e3 / n;
    state.counters["decode_ms"] = t.decodeSeconds * 1e3 / n;
    state.counters["time_ratio"] = t.decodeSeconds / t.pugiSeconds;
    state.counters["ms_per_MB"] = t.decodeSeconds * 1e3 / n / (fileBytes / (1 << 20));
    state.counters["peak_x_file"] = static_cast<double>(t.decodePeak) / fileBytes;
    state.counters["model_x_file"] = static_cast<double>(t.model) / fileBytes;
    state.counters["pugi_peak_x_file"] = static_cast<double>(t.pugiPeak) / fileBytes;
    state.counters["objects"] = static_cast<double>(t.objects);
}
BENCHMARK(BM_DecodeScd)->Arg(1)->Arg(10)->Arg(50)->MinTime(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
