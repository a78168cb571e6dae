// CSV files: writing with the grid's quoting settings, reading with delimiter detection. Unlike
// the line-by-line reader this replaces, a quoted field may run over line ends, so every text the
// writer quotes (line breaks and delimiters included) reads back as it was.
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "grid/extras/GridCsv.h"
#include "grid/extras/GridCsvScanner.h"
#include "grid/extras/GridFileCommon.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextEncoding.h"
#include "platform/rtl/Utf8.h"

namespace gx {
namespace {

using csv::CsvScanner;
using csv::FieldSpan;
using csv::RecordReader;
using csv::WholeRecords;

std::string Quoted(std::string_view t)
{
    std::string q;
    q.reserve(t.size() + 2);
    q += '"';
    q += t;
    q += '"';
    return q;
}

// No quote, delimiter or line break, no leading space, no recoding: the text is its own CSV form.
bool NeedsNoEncoding(const TGxStringGrid& grid, const std::string& Text, char Delim)
{
    if (grid.AlwaysQuotes || grid.OemConvert || Text.empty() || Text.front() == ' ')
        return false;
    for (char ch : Text)
        if (ch == '"' || ch == '\r' || ch == '\n' || ch == Delim)
            return false;
    return true;
}

char WriteDelimiter(const TGxStringGrid& grid)
{
    return grid.Delimiter == '\0' ? ',' : grid.Delimiter;
}

// The cell's CSV form appended to out; most texts need no quoting and are appended as they are.
// ANSI output encodes each cell on the way (ASCII stays as it is), so the file's bytes are made in
// one pass.
void AppendCSVCell(std::string& out, TGxStringGrid& grid, const std::string& Text, char Delim, bool ansi)
{
    const bool plain = NeedsNoEncoding(grid, Text, Delim);
    const std::string encoded = plain ? std::string() : CSVEncodeCell(grid, Text, Delim);
    const std::string& t = plain ? Text : encoded;
    if (ansi && !std::all_of(t.begin(), t.end(), [](char ch) { return (ch & 0x80) == 0; }))
        out += rtl::EncodeText(t, rtl::TEncoding::Ansi);
    else
        out += t;
}

// The saved area as CSV: UTF-8 text (with the encoding's byte-order mark first when it has one),
// or ANSI bytes.
std::string CsvLines(TGxStringGrid& grid, rtl::TEncoding encoding)
{
    const char delim = WriteDelimiter(grid);
    const int hidden = extras::HiddenSaveCount(grid);
    const bool ansi = encoding == rtl::TEncoding::Ansi;
    extras::ProgressReporter progress(grid);
    std::string out = encoding == rtl::TEncoding::UTF8BOM ? rtl::EncodeText("", encoding) : std::string();
    grid.ExportNotification(esExportStart, grid.SaveStartRow());
    const int first = grid.SaveStartRow(), last = grid.SaveEndRow();
    for (int r = first; r <= last; ++r) {
        grid.ExportNotification(esExportNextRow, r);
        const int c0 = grid.SaveStartCol(), c1 = grid.SaveEndCol() + hidden;
        for (int c = c0; c <= c1; ++c) {
            if (c > c0)
                out += delim;
            AppendCSVCell(out, grid, grid.GetSaveCellText(extras::MapSaveCol(grid, c), r), delim, ansi);
        }
        out += "\r\n";
        // Room for the rest, guessed from the first rows (untouched room costs no memory).
        if (r == first + 63 && last > r)
            out.reserve(out.size() + out.size() / 64 * static_cast<std::size_t>(last - r) * 9 / 8);
        progress.Report(r, grid.RowCount() - 1);
    }
    grid.ExportNotification(esExportDone, -1);
    return out;
}

// Occurrences of c in line: runs of an odd number of consecutive c (odd: true), or every c.
int CountSeparators(std::string_view line, char c, bool odd)
{
    int n = 0;
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] != c) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < line.size() && line[j] == c)
            ++j;
        n += odd ? static_cast<int>((j - i) % 2) : static_cast<int>(j - i);
        i = j;
    }
    return n;
}

// The first two records of the text as they read with the delimiter c, with their quoted parts
// left out: what the delimiter detection counts in (empty when there are fewer records).
void FirstRecords(std::string_view text, char c, std::string& r1, std::string& r2)
{
    const CsvScanner scan(text, c);
    std::string* out[] = {&r1, &r2};
    std::size_t i = 0;
    for (std::string* record : out) {
        record->clear();
        bool more = i < text.size();
        while (more) {
            const FieldSpan f = scan.Field(i);
            const std::size_t from = f.quoted ? std::min(f.quoteEnd + 1, f.end) : f.start;
            record->append(text.substr(from, f.end - from));
            i = f.end;
            bool lastEmpty = false;
            more = scan.Next(i, lastEmpty);
            if (more || lastEmpty)
                *record += c;
        }
    }
}

// The delimiter guessed from the first two records, which each candidate reads its own way.
char DetectDelimiter(std::string_view text)
{
    static const char kCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
    std::string records[std::size(kCandidates)][2];
    for (std::size_t k = 0; k < std::size(kCandidates); ++k)
        FirstRecords(text, kCandidates[k], records[k][0], records[k][1]);
    char found = '\0';
    int best = 0;
    for (bool odd : {true, false}) {
        for (std::size_t k = 0; k < std::size(kCandidates); ++k) {
            const char c = kCandidates[k];
            int a = CountSeparators(records[k][0], c, odd), b = CountSeparators(records[k][1], c, odd);
            if (a == b && a > best) {
                best = a;
                found = c;
            }
        }
        if (found)
            return found;
    }
    for (std::size_t k = 0; k < std::size(kCandidates); ++k) {
        const char c = kCandidates[k];
        int a = CountSeparators(records[k][0], c, false), b = CountSeparators(records[k][1], c, false);
        if (a > best || b > best) {
            best = std::max(a, b);
            found = c;
        }
    }
    return found;
}

// The line breaks of a read field back in the field (in place).
void DecodeBreaks(const TGxStringGrid& grid, std::string& t)
{
    if (grid.JavaCSV) {
        if (t.size() == 1 && t[0] == '^')
            t.clear();
        else if (t.find('~') != std::string::npos)
            t = rtl::ReplaceStr(t, "~", "\r\n");
    } else if (t.find('\v') != std::string::npos) {
        t = rtl::ReplaceStr(t, "\v", "\r\n");
    }
}

// The quoted part of a field without its quotes, doubled quotes undoubled; a quote that is never
// closed keeps its line's rest as it stands.
std::string Unquoted(std::string_view text, const FieldSpan& f)
{
    std::string_view inside = text.substr(f.start + 1, f.quoteEnd - f.start - 1);
    if (!f.closed)
        return std::string(inside);
    std::string out;
    out.reserve(inside.size());
    for (std::size_t k = 0; k < inside.size(); ++k) {
        out += inside[k];
        if (inside[k] == '"')
            ++k;  // the second quote of a doubled pair
    }
    return out;
}

// Walks the records of the text as CsvScanner finds them: at(record) is called at each field's
// start and says whether that record is still wanted (false ends the walk); field(text) then
// receives the field's text (a view of the text, or of scratch when reading changed it: quotes,
// code page). Nothing is kept from one field to the next, so a large file costs no index of its
// fields.
template <class At, class Field>
void EachField(std::string_view text, char delim, bool oem, At at, Field field)
{
    const CsvScanner scan(text, delim);
    std::string quoted, recoded;
    std::size_t i = 0, record = 0;
    while (i < text.size()) {
        if (!at(record))
            return;
        const FieldSpan f = scan.Field(i);
        std::string_view value;
        if (f.quoted) {
            quoted = Unquoted(text, f);
            // Anything between the closing quote and the delimiter belongs to the field.
            if (f.closed)
                quoted.append(text.substr(f.quoteEnd + 1, f.end - f.quoteEnd - 1));
            value = quoted;
        } else {
            value = text.substr(f.start, f.end - f.start);
        }
        if (oem) {
            recoded = rtl::Cp437ToUtf8(rtl::Utf8ToCp437(value));
            value = recoded;
        }
        field(value);
        i = f.end;
        bool lastEmpty = false;
        if (scan.Next(i, lastEmpty))
            continue;
        if (lastEmpty)
            field(std::string_view());  // a delimiter at the end of a line: one empty last field
        ++record;
    }
}

// Places a file's records in the grid, one slice of whole records after the other: the grid is
// sized once for the records the file holds (each record is one row) and updated once at the end.
class CsvPlacer {
public:
    CsvPlacer(TGxStringGrid& grid, std::size_t records, int MaxRows, bool inserting);
    ~CsvPlacer();
    CsvPlacer(const CsvPlacer&) = delete;
    CsvPlacer& operator=(const CsvPlacer&) = delete;

    // Whether the grid takes more records.
    bool Wants() const { return next_ < first_ + count_; }
    // The records of one slice, numbered on from the slices before.
    void Place(std::string_view slice, char delim);
    void Finish();

private:
    void StartBehindTheRows();
    void NextRecord(std::size_t k);

    TGxStringGrid& grid_;
    extras::ProgressReporter progress_;
    std::size_t first_ = 0;   // the first record the grid takes
    std::size_t count_ = 0;   // the records it takes
    std::size_t next_ = 0;    // the number of the next slice's first record
    std::size_t placed_ = 0;  // records placed, the one being placed included
    int hidden_ = 0;
    int startRow_ = 0, startCol_ = 0, row_ = 0, col_ = 0;
    std::vector<std::string> footer_;
    bool finished_ = false;
};

CsvPlacer::CsvPlacer(TGxStringGrid& grid, std::size_t records, int MaxRows, bool inserting)
    : grid_(grid), progress_(grid)
{
    if (records == 0)
        throw rtl::Exception("File is empty");
    first_ = grid.LoadFirstRow ? 0 : 1;
    count_ = records - std::min(first_, records);
    if (MaxRows > 0)
        count_ = std::min<std::size_t>(count_, static_cast<std::size_t>(MaxRows));
    hidden_ = extras::HiddenSaveCount(grid);
    startRow_ = grid.SaveStartRow();
    startCol_ = grid.SaveStartCol();
    grid.BeginUpdate();
    try {
        if (inserting)
            StartBehindTheRows();
        grid.SetRowCount(std::max(grid.RowCount(), startRow_ + static_cast<int>(count_) + grid.FixedFooters()));
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
}

void CsvPlacer::StartBehindTheRows()
{
    startRow_ = grid_.RowCount();
    // A floating footer stays the last row: its texts move down behind the inserted rows.
    if (grid_.FloatingFooter()->Visible() && grid_.RowCount() > 0) {
        startRow_ = grid_.RowCount() - 1;
        for (int c = 0; c < grid_.AllColCount(); ++c)
            footer_.push_back(grid_.Cells(c, startRow_));
        for (int c = 0; c < grid_.AllColCount(); ++c)
            grid_.SetCells(c, startRow_, "");
    }
}

CsvPlacer::~CsvPlacer()
{
    if (!finished_)
        grid_.EndUpdate();
}

void CsvPlacer::NextRecord(std::size_t k)
{
    // A new record: the one before is done.
    if (placed_ > 0)
        progress_.Report(static_cast<long long>(placed_), static_cast<long long>(count_));
    placed_ = k + 1;
    row_ = startRow_ + static_cast<int>(k);
    col_ = startCol_;
}

void CsvPlacer::Place(std::string_view slice, char delim)
{
    const std::size_t base = next_;
    std::size_t records = 0;
    std::string cell;
    bool place = false;  // the field's record is one the grid takes
    EachField(
        slice, delim, grid_.OemConvert,
        [&](std::size_t record) {
            records = record + 1;
            place = base + record >= first_;
            if (!place)
                return true;
            const std::size_t k = base + record - first_;
            if (k >= count_)
                return false;
            if (k + 1 != placed_)
                NextRecord(k);
            return true;
        },
        [&](std::string_view field) {
            if (!place)
                return;
            if (col_ >= grid_.ColCount() + hidden_)
                grid_.SetColCount(col_ + 1 - hidden_);
            cell.assign(field);
            DecodeBreaks(grid_, cell);
            grid_.LoadCellText(col_, row_, cell);
            ++col_;
        });
    next_ = base + records;
}

void CsvPlacer::Finish()
{
    if (placed_ > 0)
        progress_.Report(static_cast<long long>(placed_), static_cast<long long>(count_));
    // A file that lost records since they were counted leaves no empty rows behind.
    const int row = startRow_ + static_cast<int>(std::min(count_, placed_));
    grid_.SetRowCount(std::max(row, 1) + grid_.FixedFooters());
    for (int c = 0; c < static_cast<int>(footer_.size()); ++c)
        grid_.SetCells(c, grid_.RowCount() - 1, footer_[static_cast<std::size_t>(c)]);
    finished_ = true;
    grid_.EndUpdate();
    grid_.DoCellsChanged({0, 0, grid_.ColCount(), grid_.RowCount()});
    grid_.ContentReloaded();
}

// The grid's delimiter, or the one guessed from the text's first records.
char ReadDelimiter(const TGxStringGrid& grid, std::string_view text)
{
    return grid.Delimiter != '\0' ? grid.Delimiter : DetectDelimiter(text);
}

// Reads a whole text (a stream's, or a file's that needed decoding).
void LoadCsvText(TGxStringGrid& grid, std::string_view text, int MaxRows, bool inserting)
{
    const char delim = ReadDelimiter(grid, text);
    std::size_t records = 0;
    WholeRecords(text, delim, true, records);
    CsvPlacer placer(grid, records, MaxRows, inserting);
    placer.Place(text, delim);
    placer.Finish();
}

// What a first pass over a regular file finds: whether it is UTF-8 without a byte-order mark (the usual
// case, read as it stands) and, if so, its delimiter and records.
struct FileSurvey {
    bool plainUtf8 = false;
    bool empty = false;
    char delim = '\0';
    std::size_t records = 0;
};

FileSurvey Survey(const TGxStringGrid& grid, const std::string& FileName)
{
    FileSurvey s;
    RecordReader reader(FileName);
    const std::string_view head = reader.Head();
    s.empty = head.empty();
    if (s.empty || rtl::HasByteOrderMark(head))
        return s;
    s.delim = ReadDelimiter(grid, head);
    std::string_view slice;
    std::size_t records = 0;
    while (reader.Next(s.delim, slice, records)) {
        // A slice ends at a record's end, so no character is split between two slices.
        if (!rtl::IsValidUtf8(slice))
            return s;
        s.records += records;
    }
    s.plainUtf8 = true;
    return s;
}

// Reads a file: a UTF-8 file slice by slice after a first pass that counts its records, any other
// file decoded whole.
void LoadCsvFile(TGxStringGrid& grid, const std::string& FileName, int MaxRows, bool inserting)
{
    // Anything but a regular file (a pipe) can be read only once: it is read whole.
    std::error_code ec;
    const FileSurvey survey = std::filesystem::is_regular_file(FileName, ec) ? Survey(grid, FileName) : FileSurvey{};
    if (survey.empty)
        return;
    std::string bytes;
    if (!survey.plainUtf8) {
        bytes = rtl::ReadFileBytes(FileName);
        if (bytes.empty())
            return;
    }
    try {
        if (!survey.plainUtf8) {
            LoadCsvText(grid, rtl::DecodeText(bytes), MaxRows, inserting);
            return;
        }
        RecordReader reader(FileName);
        CsvPlacer placer(grid, survey.records, MaxRows, inserting);
        std::string_view slice;
        std::size_t records = 0;
        while (placer.Wants() && reader.Next(survey.delim, slice, records))
            placer.Place(slice, survey.delim);
        placer.Finish();
    } catch (const rtl::Exception& e) {
        throw rtl::EFileError(FileName, e.Message);
    }
}

}  // namespace

std::string CSVEncodeCell(TGxStringGrid& grid, const std::string& Text, char Delim)
{
    if (NeedsNoEncoding(grid, Text, Delim))
        return Text;
    std::string t = Text.find('"') == std::string::npos ? Text : rtl::ReplaceStr(Text, "\"", "\"\"");
    if (grid.OemConvert)
        t = rtl::Cp437ToUtf8(rtl::Utf8ToCp437(t));
    bool quoted = false;
    if (grid.AlwaysQuotes || (t.find(Delim) == std::string::npos && Text.find('"') != std::string::npos)) {
        t = Quoted(t);
        quoted = true;
    }
    if (t.empty()) {
        if (grid.JavaCSV)
            return "^";
        return grid.QuoteEmptyCells ? "\"\"" : t;
    }
    // Leading spaces of an unquoted field are dropped on reading; quoting keeps them.
    if (!quoted && t.front() == ' ' && Text.find(Delim) == std::string::npos &&
        Text.find_first_of("\r\n") == std::string::npos) {
        t = Quoted(t);
        quoted = true;
    }
    const bool breaks = Text.find_first_of("\r\n") != std::string::npos;
    if (Text.find(Delim) != std::string::npos || breaks) {
        if (grid.JavaCSV) {
            t = rtl::ReplaceStr(rtl::ReplaceStr(t, "\n", ""), "\r", "~");
            // A JavaCSV text holding the delimiter is quoted too, or it would split on reading.
            if (t.find(Delim) != std::string::npos && !quoted)
                t = Quoted(t);
        } else if (quoted) {
            // Line breaks stay inside the quotes, where the reader keeps them.
        } else {
            t = Quoted(breaks ? rtl::ReplaceStr(t, "\r\n", "\v") : t);
        }
    }
    return t;
}

void SaveToCSV(TGxStringGrid& grid, const std::string& FileName, bool Unicode)
{
    rtl::WriteFileAtomic(FileName, CsvLines(grid, Unicode ? rtl::TEncoding::UTF8BOM : rtl::TEncoding::Ansi));
}

void AppendToCSV(TGxStringGrid& grid, const std::string& FileName, bool Unicode)
{
    std::string existing;
    rtl::TEncoding enc = Unicode ? rtl::TEncoding::UTF8BOM : rtl::TEncoding::Ansi;
    std::error_code ec;
    if (std::filesystem::exists(FileName, ec)) {
        std::string bytes = rtl::ReadFileBytes(FileName);
        if (!Unicode) {
            if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
                enc = rtl::TEncoding::UTF8BOM;
            else if (bytes.rfind("\xFF\xFE", 0) == 0)
                enc = rtl::TEncoding::Unicode;
        }
        existing = rtl::DecodeText(bytes);
        if (!existing.empty() && existing.back() != '\n' && existing.back() != '\r')
            existing += "\r\n";
    }
    rtl::WriteFileAtomic(FileName, rtl::EncodeText(existing + CsvLines(grid, rtl::TEncoding::UTF8), enc));
}

void LoadFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows)
{
    LoadCsvFile(grid, FileName, MaxRows, false);
}

void LoadFromCSVStream(TGxStringGrid& grid, rtl::TStream& AStream, int MaxRows)
{
    LoadCsvText(grid, rtl::DecodeText(AStream.ReadRest()), MaxRows, false);
}

void InsertFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows)
{
    LoadCsvFile(grid, FileName, MaxRows, true);
}

}  // namespace gx
