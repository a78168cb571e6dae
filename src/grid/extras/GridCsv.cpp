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
#include "grid/extras/GridFileCommon.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextEncoding.h"
#include "platform/rtl/Utf8.h"

namespace gx {
namespace {

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

// Where one field of the text lies as the reader takes it: it starts after leading spaces; a field
// that starts with a double quote runs to its closing quote, over line ends too (doubled quotes
// stay inside), and what stands between the closing quote and the delimiter belongs to it; a quote
// that is never closed makes the rest of its line the field's text.
struct FieldSpan {
    std::size_t start = 0;     // after the leading spaces
    bool quoted = false;       // starts with a double quote
    bool closed = false;       // quoted, and the closing quote was found
    std::size_t quoteEnd = 0;  // quoted: the closing quote, or the line end when never closed
    std::size_t end = 0;       // the delimiter, the line end or the end of the text after it
};

class CsvScanner {
public:
    CsvScanner(std::string_view text, char delim) : text_(text), n_(text.size()), delim_(delim) {}

    bool LineEnd(std::size_t at) const { return at < n_ && (text_[at] == '\r' || text_[at] == '\n'); }
    bool IsDelim(std::size_t at) const { return delim_ != '\0' && at < n_ && text_[at] == delim_; }
    void SkipLineEnd(std::size_t& at) const
    {
        if (at < n_ && text_[at] == '\r')
            ++at;
        if (at < n_ && text_[at] == '\n')
            ++at;
    }

    FieldSpan Field(std::size_t i) const
    {
        FieldSpan f;
        std::size_t s = i;
        while (s < n_ && text_[s] == ' ' && s + 1 < n_ && !IsDelim(s + 1) && !LineEnd(s + 1))
            ++s;
        f.start = s;
        std::size_t j = s;
        if (s < n_ && text_[s] == '"') {
            f.quoted = true;
            j = s + 1;
            while (j < n_) {
                if (text_[j] == '"') {
                    if (j + 1 < n_ && text_[j + 1] == '"') {
                        j += 2;
                        continue;
                    }
                    f.closed = true;
                    break;
                }
                ++j;
            }
            if (f.closed) {
                f.quoteEnd = j++;
            } else {
                j = text_.find_first_of("\r\n", s + 1);
                if (j == std::string_view::npos)
                    j = n_;
                f.quoteEnd = j;
            }
        }
        while (j < n_ && !IsDelim(j) && !LineEnd(j))
            ++j;
        f.end = j;
        return f;
    }

    // Steps past the field that ends at `at`: past its delimiter (true while the record goes on),
    // or past the line end. A delimiter at the end of a line is followed by one empty last field
    // (lastEmpty).
    bool Next(std::size_t& at, bool& lastEmpty) const
    {
        lastEmpty = false;
        if (IsDelim(at)) {
            ++at;
            if (at < n_ && !LineEnd(at))
                return true;
            lastEmpty = true;
        }
        SkipLineEnd(at);
        return false;
    }

private:
    std::string_view text_;
    std::size_t n_;
    char delim_;
};

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
void EachField(const std::string& text, char delim, bool oem, At at, Field field)
{
    const CsvScanner scan(text, delim);
    const std::string_view all(text);
    std::string quoted, recoded;
    std::size_t i = 0, record = 0;
    while (i < text.size()) {
        if (!at(record))
            return;
        const FieldSpan f = scan.Field(i);
        std::string_view value;
        if (f.quoted) {
            quoted = Unquoted(all, f);
            // Anything between the closing quote and the delimiter belongs to the field.
            if (f.closed)
                quoted.append(all.substr(f.quoteEnd + 1, f.end - f.quoteEnd - 1));
            value = quoted;
        } else {
            value = all.substr(f.start, f.end - f.start);
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

// The number of records of the text.
std::size_t CountRecords(const std::string& text, char delim)
{
    const CsvScanner scan(text, delim);
    std::size_t i = 0, records = 0;
    while (i < text.size()) {
        ++records;
        bool more = true;
        while (more && i < text.size()) {
            i = scan.Field(i).end;
            bool lastEmpty = false;
            more = scan.Next(i, lastEmpty);
        }
    }
    return records;
}

void LoadCsvText(TGxStringGrid& grid, const std::string& text, int MaxRows, bool inserting)
{
    const char delim = grid.Delimiter != '\0' ? grid.Delimiter : DetectDelimiter(text);
    const std::size_t records = CountRecords(text, delim);
    if (records == 0)
        throw rtl::Exception("File is empty");
    std::size_t first = grid.LoadFirstRow ? 0 : 1;
    std::size_t count = records - std::min(first, records);
    if (MaxRows > 0)
        count = std::min<std::size_t>(count, static_cast<std::size_t>(MaxRows));

    const int hidden = extras::HiddenSaveCount(grid);
    int startRow = grid.SaveStartRow();
    std::vector<std::string> footer;
    grid.BeginUpdate();
    try {
        if (inserting) {
            startRow = grid.RowCount();
            if (grid.FloatingFooter()->Visible() && grid.RowCount() > 0) {
                startRow = grid.RowCount() - 1;
                for (int c = 0; c < grid.AllColCount(); ++c)
                    footer.push_back(grid.Cells(c, startRow));
                for (int c = 0; c < grid.AllColCount(); ++c)
                    grid.SetCells(c, startRow, "");
            }
        }
        extras::ProgressReporter progress(grid);
        // The grid is sized once for the rows the file holds (each record is one row).
        grid.SetRowCount(std::max(grid.RowCount(), startRow + static_cast<int>(count) + grid.FixedFooters()));
        const int startCol = grid.SaveStartCol();
        int row = startRow, col = startCol;
        std::size_t current = 0;  // records placed, the one being placed included
        std::string cell;
        bool place = false;  // the field's record is one the grid takes
        EachField(
            text, delim, grid.OemConvert,
            [&](std::size_t record) {
                place = record >= first;
                if (!place)
                    return true;
                const std::size_t k = record - first;
                if (k >= count)
                    return false;
                if (k + 1 != current) {
                    // A new record: the one before is done.
                    if (current > 0)
                        progress.Report(static_cast<long long>(current), static_cast<long long>(count));
                    current = k + 1;
                    row = startRow + static_cast<int>(k);
                    col = startCol;
                }
                return true;
            },
            [&](std::string_view field) {
                if (!place)
                    return;
                if (col >= grid.ColCount() + hidden)
                    grid.SetColCount(col + 1 - hidden);
                cell.assign(field);
                DecodeBreaks(grid, cell);
                grid.LoadCellText(col, row, cell);
                ++col;
            });
        if (current > 0)
            progress.Report(static_cast<long long>(current), static_cast<long long>(count));
        row = startRow + static_cast<int>(count);
        grid.SetRowCount(std::max(row, 1) + grid.FixedFooters());
        if (!footer.empty())
            for (int c = 0; c < static_cast<int>(footer.size()); ++c)
                grid.SetCells(c, grid.RowCount() - 1, footer[static_cast<std::size_t>(c)]);
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
    grid.DoCellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.ContentReloaded();
}

// The file's text as UTF-8: UTF-8 without a byte-order mark, the usual case, as it stands.
std::string FileText(std::string bytes)
{
    const bool bom =
        bytes.rfind("\xEF\xBB\xBF", 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
    return !bom && rtl::IsValidUtf8(bytes) ? bytes : rtl::DecodeText(bytes);
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
    std::string bytes = rtl::ReadFileBytes(FileName);
    if (bytes.empty())
        return;
    try {
        LoadCsvText(grid, FileText(std::move(bytes)), MaxRows, false);
    } catch (const rtl::Exception& e) {
        throw rtl::EFileError(FileName, e.Message);
    }
}

void LoadFromCSVStream(TGxStringGrid& grid, rtl::TStream& AStream, int MaxRows)
{
    LoadCsvText(grid, rtl::DecodeText(AStream.ReadRest()), MaxRows, false);
}

void InsertFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows)
{
    std::string bytes = rtl::ReadFileBytes(FileName);
    if (bytes.empty())
        return;
    try {
        LoadCsvText(grid, FileText(std::move(bytes)), MaxRows, true);
    } catch (const rtl::Exception& e) {
        throw rtl::EFileError(FileName, e.Message);
    }
}

}  // namespace gx
