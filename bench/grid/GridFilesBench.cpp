// Saving and loading 100,000 x 10 cells as CSV and as a cell stream, beside a plain buffered loop
// that writes and reads the same CSV in the same run. The cell stream file is several times the
// CSV's size and its save is atomic (flushed to disk and renamed over the old file); two more runs
// show where its time goes: the same save into a sink that only counts bytes beside the plain loop
// writing into a counting buffer, and the atomic save of the finished bytes alone.
// Everything runs with the allocator's settings as the program has them.
//
// Without arguments the program prints the comparisons side by side (SideBySide.h: interleaved
// rounds, median and range of the grid / plain ratios, CPU and wall), the cost of a cell stream load
// at 50,000 against 100,000 rows, and the peak memory of loading a CSV file of 200 MB (in a child
// process, as a multiple of the file's size; GRID_BENCH_CSV_MB sets the size, 0 leaves it out).
// With --benchmark_* arguments it runs the single benchmarks instead.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SideBySide.h"
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

// The file names the runs use: the grid's files, and the first half of the cell stream's rows.
std::string CsvFile()
{
    return Dir() + "/grid.csv";
}
std::string CellsFile()
{
    return Dir() + "/grid.cells";
}
std::string HalfCellsFile()
{
    return Dir() + "/half.cells";
}

void MakeFiles()
{
    static bool made = false;
    if (made)
        return;
    made = true;
    gx::TGxStringGrid& g = Filled();
    gx::SaveToCSV(g, CsvFile());
    gx::SaveToBinFile(g, CellsFile());
    gx::TGxStringGrid half(nullptr);
    half.SetColCount(kCols);
    half.SetRowCount(kRows / 2);
    for (int r = 0; r < kRows / 2; ++r)
        for (int c = 0; c < kCols; ++c)
            half.SetCells(c, r, Text(r, c));
    gx::SaveToBinFile(half, HalfCellsFile());
}

void GridSaveCSV()
{
    gx::SaveToCSV(Filled(), CsvFile());
}

void GridLoadCSV()
{
    gx::TGxStringGrid g(nullptr);
    gx::LoadFromCSV(g, CsvFile());
    benchmark::DoNotOptimize(g.RowCount());
}

void GridSaveCellStream()
{
    gx::SaveToBinFile(Filled(), CellsFile());
}

void GridLoadCellStream(const std::string& file)
{
    gx::TGxStringGrid g(nullptr);
    gx::LoadFromBinFile(g, file);
    benchmark::DoNotOptimize(g.RowCount());
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

void GridSaveCellStreamToSink()
{
    CountingStream s;
    gx::SaveToBinStream(Filled(), s);
    benchmark::DoNotOptimize(s.written);
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

void PlainWriteCSV()
{
    std::ofstream out(Dir() + "/plain.csv", std::ios::binary);
    WritePlainCSV(out);
}

// The same loop made durable the way a careful program replaces a file: a temporary beside the
// target, flushed to disk, renamed over it. The grid's saves always work so.
void PlainWriteCSVDurable()
{
    const std::string target = Dir() + "/plain-durable.csv", temporary = target + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        WritePlainCSV(out);
    }
    const int fd = ::open(temporary.c_str(), O_WRONLY);
    ::fsync(fd);
    ::close(fd);
    std::rename(temporary.c_str(), target.c_str());
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

void PlainWriteCSVToSink()
{
    CountingBuf buf;
    std::ostream out(&buf);
    WritePlainCSV(out);
    benchmark::DoNotOptimize(buf.written());
}

void PlainReadCSV()
{
    std::ifstream in(CsvFile(), std::ios::binary);
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

void Loop(benchmark::State& state, void (*run)())
{
    Rows();
    MakeFiles();
    for (auto _ : state)
        run();
}

void BM_GridSaveCSV(benchmark::State& state)
{
    Loop(state, GridSaveCSV);
}
void BM_PlainWriteCSV(benchmark::State& state)
{
    Loop(state, PlainWriteCSV);
}
void BM_PlainWriteCSVDurable(benchmark::State& state)
{
    Loop(state, PlainWriteCSVDurable);
}
void BM_GridLoadCSV(benchmark::State& state)
{
    Loop(state, GridLoadCSV);
}
void BM_PlainReadCSV(benchmark::State& state)
{
    Loop(state, PlainReadCSV);
}
void BM_GridSaveCellStream(benchmark::State& state)
{
    Loop(state, GridSaveCellStream);
}
void BM_GridLoadCellStream(benchmark::State& state)
{
    Loop(state, [] { GridLoadCellStream(CellsFile()); });
}
void BM_GridSaveCellStreamToSink(benchmark::State& state)
{
    Loop(state, GridSaveCellStreamToSink);
}
void BM_PlainWriteCSVToSink(benchmark::State& state)
{
    Loop(state, PlainWriteCSVToSink);
}
void BM_AtomicWriteCellStreamBytes(benchmark::State& state)
{
    rtl::TMemoryStream s;
    gx::SaveToBinStream(Filled(), s);
    const std::string bytes(s.Bytes().begin(), s.Bytes().end());
    for (auto _ : state)
        rtl::WriteFileAtomic(Dir() + "/bytes.cells", bytes);
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

// --- peak memory of a large CSV load -------------------------------------------------------------

// A field of the large file: short codes, numbers, dates, names and a longer remark, some quoted,
// as a table exported from a spreadsheet holds them.
void AppendLargeRecord(std::string& out, long r)
{
    out += std::to_string(r);
    out += ",ITEM-";
    out += std::to_string(r * 7 % 100000);
    out += ',';
    out += std::to_string(r % 9973 * 13 % 100000);
    out += '.';
    out += std::to_string(r % 100);
    out += ",2024-";
    out += std::to_string(1 + r % 12);
    out += '-';
    out += std::to_string(1 + r % 28);
    out += ",\"Surname";
    out += std::to_string(r % 5000);
    out += ", Given\",";
    out += r % 3 ? "open" : "closed";
    out += ",remark on record ";
    out += std::to_string(r);
    out += " of the export\r\n";
}

long ValueOf(const char* status, const char* key)
{
    const char* p = std::strstr(status, key);
    return p ? std::atol(p + std::strlen(key)) : -1;
}

// Peak resident memory while the child loads the file, less what it held before (kB).
long PeakLoadKB(const std::string& file)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::string status;
        const auto read = [&status] {
            std::ifstream in("/proc/self/status");
            status.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        };
        {
            std::ofstream reset("/proc/self/clear_refs");
            reset << "5";  // the peak starts again from what the process holds now
        }
        read();
        const long before = ValueOf(status.c_str(), "VmRSS:");
        gx::TGxStringGrid g(nullptr);
        gx::LoadFromCSV(g, file);
        read();
        const long peak = ValueOf(status.c_str(), "VmHWM:");
        std::FILE* out = std::fopen((file + ".peak").c_str(), "w");
        if (out) {
            std::fprintf(out, "%ld %d\n", peak - before, g.RowCount());
            std::fclose(out);
        }
        std::_Exit(0);
    }
    int st = 0;
    ::waitpid(child, &st, 0);
    long kb = -1;
    int rows = 0;
    if (std::FILE* in = std::fopen((file + ".peak").c_str(), "r")) {
        if (std::fscanf(in, "%ld %d", &kb, &rows) != 2)
            kb = -1;
        std::fclose(in);
    }
    return kb;
}

void PrintLargeCsvPeak(long megabytes)
{
    const std::string file = Dir() + "/large.csv";
    {
        std::ofstream out(file, std::ios::binary);
        std::string chunk;
        const std::size_t target = static_cast<std::size_t>(megabytes) << 20;
        std::size_t written = 0;
        out << "id,code,amount,date,name,status,remark\r\n";
        for (long r = 0; written < target; ++r) {
            AppendLargeRecord(chunk, r);
            if (chunk.size() >= (1 << 20)) {
                out << chunk;
                written += chunk.size();
                chunk.clear();
            }
        }
    }
    const double size = static_cast<double>(std::filesystem::file_size(file));
    const long kb = PeakLoadKB(file);
    std::printf("CSV load of %.0f MB (7 columns): peak memory %.0f MB, %.2f times the file's size (target: below 4)\n",
                size / (1 << 20), static_cast<double>(kb) / 1024, static_cast<double>(kb) * 1024 / size);
    std::filesystem::remove(file);
}

}  // namespace

int main(int argc, char** argv)
{
    bool single = false;
    for (int i = 1; i < argc; ++i)
        single = single || std::strncmp(argv[i], "--benchmark", 11) == 0;
    if (single) {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } else {
        using sidebyside::Compare;
        using sidebyside::Print;
        using sidebyside::Side;
        Rows();
        MakeFiles();
        constexpr int kRounds = 9;
        std::printf("%d x %d cells; ratios are grid / plain loop, median [range] of %d interleaved rounds\n", kRows,
                    kCols, kRounds);
        const Side plainWrite{nullptr, PlainWriteCSV}, plainDurable{nullptr, PlainWriteCSVDurable},
            plainRead{nullptr, PlainReadCSV};
        Print("save CSV:", Compare({nullptr, GridSaveCSV}, plainWrite, kRounds));
        Print("save CSV (durable plain write):", Compare({nullptr, GridSaveCSV}, plainDurable, kRounds));
        Print("load CSV:", Compare({nullptr, GridLoadCSV}, plainRead, kRounds));
        Print("save cell stream (durable plain write):", Compare({nullptr, GridSaveCellStream}, plainDurable, kRounds));
        Print("load cell stream (plain CSV read, target 2):",
              Compare({nullptr, [] { GridLoadCellStream(CellsFile()); }}, plainRead, kRounds));
        Print("save cell stream / CSV, both into a sink:",
              Compare({nullptr, GridSaveCellStreamToSink}, {nullptr, PlainWriteCSVToSink}, kRounds));
        Print("load cell stream, 100,000 / 50,000 rows (2: linear):",
              Compare({nullptr, [] { GridLoadCellStream(CellsFile()); }},
                      {nullptr, [] { GridLoadCellStream(HalfCellsFile()); }}, kRounds));
        std::error_code ec;
        const auto csv = std::filesystem::file_size(CsvFile(), ec);
        const auto cells = std::filesystem::file_size(CellsFile(), ec);
        if (!ec && csv > 0)
            std::printf("the cell stream file holds %.1f times the bytes of the CSV file\n",
                        static_cast<double>(cells) / static_cast<double>(csv));
        const char* mb = std::getenv("GRID_BENCH_CSV_MB");
        const long megabytes = mb ? std::atol(mb) : 200;
        if (megabytes > 0)
            PrintLargeCsvPeak(megabytes);
    }
    std::error_code ec;
    std::filesystem::remove_all(Dir(), ec);
    return 0;
}
