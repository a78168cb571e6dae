// Saving and loading 100,000 x 10 cells as CSV and as a cell stream, beside a plain buffered loop
// that writes and reads the same CSV in the same run. Ratios (grid / plain, wall and CPU) are printed
// at the end. The cell stream file is several times the CSV's size and its save is atomic (flushed to
// disk and renamed over the old file); two more runs show where its time goes: the same save into a
// sink that only counts bytes beside the plain loop writing into a counting buffer, and the atomic
// save of the finished bytes alone.
// The allocator keeps what it was given for the whole run (large blocks from the heap, no trimming),
// for both sides alike: otherwise whichever side happens to free the top of the heap hands its pages back
// after every iteration and pays the kernel for them again in the next (on a virtual machine that
// cost alone is several times the work measured). Run with GRID_BENCH_TRIM=1 to see it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "grid/extras/GridCellStream.h"
#include "grid/extras/GridTextFiles.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::string Dir()
{
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("gridfilesbench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dir;
}

std::string Text(int r, int c)
{
    // Every fifth cell needs quoting.
    std::string t = "r" + std::to_string(r) + "c" + std::to_string(c);
    return c % 5 == 0 ? t + ",x" : t;
}

gx::TGxStringGrid& Filled()
{
    static std::unique_ptr<gx::TGxStringGrid> grid = [] {
        auto g = std::make_unique<gx::TGxStringGrid>(nullptr);
        g->SetColCount(kCols);
        g->SetRowCount(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                g->SetCells(c, r, Text(r, c));
        return g;
    }();
    return *grid;
}

void BM_GridSaveCSV(benchmark::State& state)
{
    gx::TGxStringGrid& g = Filled();
    for (auto _ : state)
        gx::SaveToCSV(g, Dir() + "/grid.csv");
}

void BM_GridLoadCSV(benchmark::State& state)
{
    gx::SaveToCSV(Filled(), Dir() + "/grid.csv");
    for (auto _ : state) {
        gx::TGxStringGrid g(nullptr);
        gx::LoadFromCSV(g, Dir() + "/grid.csv");
        benchmark::DoNotOptimize(g.RowCount());
    }
}

void BM_GridSaveCellStream(benchmark::State& state)
{
    gx::TGxStringGrid& g = Filled();
    for (auto _ : state)
        gx::SaveToBinFile(g, Dir() + "/grid.cells");
}

void BM_GridLoadCellStream(benchmark::State& state)
{
    gx::SaveToBinFile(Filled(), Dir() + "/grid.cells");
    for (auto _ : state) {
        gx::TGxStringGrid g(nullptr);
        gx::LoadFromBinFile(g, Dir() + "/grid.cells");
        benchmark::DoNotOptimize(g.RowCount());
    }
}

// Where the time of a file save goes: the same save into a sink that only counts the bytes (no file
// system, no memory growing with the content), and the atomic save (temporary file, flush to disk,
// rename) of the finished cell stream's bytes on their own.
class CountingStream : public rtl::TStream {
public:
    int64_t Read(void*, int64_t) override { return 0; }
    int64_t Write(const void*, int64_t count) override
    {
        written += count;
        return count;
    }
    int64_t Seek(int64_t, rtl::TSeekOrigin) override { return written; }
    void SetSize(int64_t) override {}
    int64_t written = 0;
};

void BM_GridSaveCellStreamToSink(benchmark::State& state)
{
    gx::TGxStringGrid& g = Filled();
    for (auto _ : state) {
        CountingStream s;
        gx::SaveToBinStream(g, s);
        benchmark::DoNotOptimize(s.written);
    }
}

void BM_AtomicWriteCellStreamBytes(benchmark::State& state)
{
    rtl::TMemoryStream s;
    gx::SaveToBinStream(Filled(), s);
    const std::string bytes(s.Bytes().begin(), s.Bytes().end());
    for (auto _ : state)
        rtl::WriteFileAtomic(Dir() + "/bytes.cells", bytes);
}

// The plain peer: the same texts from a vector of rows, quoted where needed, through a buffered
// stream; read back by splitting lines and quoted fields into a vector of rows.
const std::vector<std::vector<std::string>>& Rows()
{
    static const std::vector<std::vector<std::string>> rows = [] {
        std::vector<std::vector<std::string>> v(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                v[static_cast<std::size_t>(r)].push_back(Text(r, c));
        return v;
    }();
    return rows;
}

void WritePlainCSV(std::ostream& out)
{
    for (const auto& row : Rows()) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c)
                out << ',';
            if (row[c].find(',') != std::string::npos)
                out << '"' << row[c] << '"';
            else
                out << row[c];
        }
        out << "\r\n";
    }
}

void BM_PlainWriteCSV(benchmark::State& state)
{
    Rows();
    for (auto _ : state) {
        std::ofstream out(Dir() + "/plain.csv", std::ios::binary);
        WritePlainCSV(out);
    }
}

// The same loop made durable the way a careful program replaces a file: a temporary beside the
// target, flushed to disk, renamed over it. The grid's saves always work so.
void BM_PlainWriteCSVDurable(benchmark::State& state)
{
    Rows();
    const std::string target = Dir() + "/plain-durable.csv", temporary = target + ".tmp";
    for (auto _ : state) {
        {
            std::ofstream out(temporary, std::ios::binary);
            WritePlainCSV(out);
        }
        const int fd = ::open(temporary.c_str(), O_WRONLY);
        ::fsync(fd);
        ::close(fd);
        std::rename(temporary.c_str(), target.c_str());
    }
}

// A buffered stream whose buffer is counted and reused when full, as a file stream's is written out.
class CountingBuf : public std::streambuf {
public:
    CountingBuf() { setp(buf_, buf_ + sizeof buf_); }
    std::streamsize written() const { return done_ + (pptr() - pbase()); }

protected:
    int_type overflow(int_type ch) override
    {
        done_ += pptr() - pbase();
        setp(buf_, buf_ + sizeof buf_);
        if (!traits_type::eq_int_type(ch, traits_type::eof()))
            sputc(traits_type::to_char_type(ch));
        return traits_type::not_eof(ch);
    }

private:
    char buf_[1 << 16];
    std::streamsize done_ = 0;
};

void BM_PlainWriteCSVToSink(benchmark::State& state)
{
    Rows();
    for (auto _ : state) {
        CountingBuf buf;
        std::ostream out(&buf);
        WritePlainCSV(out);
        benchmark::DoNotOptimize(buf.written());
    }
}

void BM_PlainReadCSV(benchmark::State& state)
{
    gx::SaveToCSV(Filled(), Dir() + "/grid.csv");
    for (auto _ : state) {
        std::ifstream in(Dir() + "/grid.csv", std::ios::binary);
        std::vector<std::vector<std::string>> rows;
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            rows.emplace_back();
            std::string field;
            bool quoted = false;
            for (char ch : line) {
                if (ch == '"')
                    quoted = !quoted;
                else if (ch == ',' && !quoted) {
                    rows.back().push_back(std::move(field));
                    field.clear();
                } else
                    field += ch;
            }
            rows.back().push_back(std::move(field));
        }
        benchmark::DoNotOptimize(rows.size());
    }
}

BENCHMARK(BM_GridSaveCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteCSVDurable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridLoadCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridSaveCellStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridLoadCellStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridSaveCellStreamToSink)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteCSVToSink)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AtomicWriteCellStreamBytes)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // On a shared machine the fastest repetition is the one least disturbed.
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            const std::string name = run.run_name.function_name;
            const double t = run.GetAdjustedRealTime();
            if (!times.count(name) || t < times[name])
                times[name] = t;
            const double cpu = run.GetAdjustedCPUTime();
            if (!cpuTimes.count(name) || cpu < cpuTimes[name])
                cpuTimes[name] = cpu;
        }
    }
    std::map<std::string, double> times, cpuTimes;  // wall and CPU, each the fastest repetition
};

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("GRID_BENCH_TRIM")) {
        mallopt(M_MMAP_MAX, 0);  // large blocks from the heap too, where they are kept
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto ratio = [](std::map<std::string, double>& t, const char* a, const char* b) {
        const double tb = t[b];
        return tb > 0 ? t[a] / tb : 0.0;
    };
    const auto line = [&](const char* what, const char* a, const char* b) {
        std::printf("%-40s wall %5.2f   CPU %5.2f\n", what, ratio(reporter.times, a, b),
                    ratio(reporter.cpuTimes, a, b));
    };
    std::printf("\n%d x %d cells; ratios are grid / plain loop (below 2: within the target)\n", kRows, kCols);
    line("save CSV:", "BM_GridSaveCSV", "BM_PlainWriteCSV");
    line("load CSV:", "BM_GridLoadCSV", "BM_PlainReadCSV");
    line("save cell stream (against the CSV write):", "BM_GridSaveCellStream", "BM_PlainWriteCSV");
    line("save CSV (against the durable CSV write):", "BM_GridSaveCSV", "BM_PlainWriteCSVDurable");
    line("save cell stream (durable CSV write):", "BM_GridSaveCellStream", "BM_PlainWriteCSVDurable");
    line("load cell stream (against the CSV read):", "BM_GridLoadCellStream", "BM_PlainReadCSV");
    line("save cell stream / CSV, both into a sink:", "BM_GridSaveCellStreamToSink", "BM_PlainWriteCSVToSink");
    if (reporter.times.count("BM_AtomicWriteCellStreamBytes") && reporter.times.count("BM_GridSaveCellStream"))
        std::printf("the atomic save of the finished cell stream alone takes %.1f ms wall, %.1f ms CPU of the file "
                    "save's %.1f / %.1f\n",
                    reporter.times["BM_AtomicWriteCellStreamBytes"], reporter.cpuTimes["BM_AtomicWriteCellStreamBytes"],
                    reporter.times["BM_GridSaveCellStream"], reporter.cpuTimes["BM_GridSaveCellStream"]);
    std::error_code ec;
    const auto csv = std::filesystem::file_size(Dir() + "/grid.csv", ec);
    const auto cells = std::filesystem::file_size(Dir() + "/grid.cells", ec);
    if (!ec && csv > 0)
        std::printf("the cell stream file holds %.1f times the bytes of the CSV file\n",
                    static_cast<double>(cells) / static_cast<double>(csv));
    std::filesystem::remove_all(Dir(), ec);
    return 0;
}
