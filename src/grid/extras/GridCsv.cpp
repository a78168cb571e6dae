// CSV files: writing with the grid's quoting settings, reading with delimiter detection. Unlike
// the line-by-line reader this replaces, a quoted field may run over line ends, so every text the
// writer quotes (line breaks and delimiters included) reads back as it was.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "grid/extras/GridFileCommon.h"
#include "grid/extras/GridTextFiles.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/TextEncoding.h"

namespace gx {
namespace {

char WriteDelimiter(const TGxStringGrid& grid)
{
    return grid.Delimiter == '\0' ? ',' : grid.Delimiter;
}

std::string CsvLines(TGxStringGrid& grid)
{
    const char delim = WriteDelimiter(grid);
    const int hidden = extras::HiddenSaveCount(grid);
    extras::ProgressReporter progress(grid);
    std::string out;
    grid.ExportNotification(esExportStart, grid.SaveStartRow());
    for (int r = grid.SaveStartRow(); r <= grid.SaveEndRow(); ++r) {
        grid.ExportNotification(esExportNextRow, r);
        for (int c = grid.SaveStartCol(); c <= grid.SaveEndCol() + hidden; ++c) {
            if (c > grid.SaveStartCol())
                out += delim;
            out += CSVEncodeCell(grid, grid.GetSaveCellText(extras::MapSaveCol(grid, c), r), delim);
        }
        out += "\r\n";
        progress.Report(r, grid.RowCount() - 1);
    }
    grid.ExportNotification(esExportDone, -1);
    return out;
}

// Occurrences of c in line: runs of an odd number of consecutive c (odd: true), or every c.
int CountSeparators(const std::string& line, char c, bool odd)
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

char DetectDelimiter(const std::string& l1, const std::string& l2)
{
    static const char kCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
    char found = '\0';
    int best = 0;
    for (bool odd : {true, false}) {
        for (char c : kCandidates) {
            int a = CountSeparators(l1, c, odd), b = CountSeparators(l2, c, odd);
            if (a == b && a > best) {
                best = a;
                found = c;
            }
        }
        if (found)
            return found;
    }
    for (char c : kCandidates) {
        int a = CountSeparators(l1, c, false), b = CountSeparators(l2, c, false);
        if (a > best || b > best) {
            best = std::max(a, b);
            found = c;
        }
    }
    return found;
}

// The first two lines of the text (for delimiter detection), split at any line end.
void FirstLines(const std::string& text, std::string& l1, std::string& l2)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (lines.size() < 2 && start < text.size()) {
        std::size_t e = text.find_first_of("\r\n", start);
        if (e == std::string::npos)
            e = text.size();
        lines.push_back(text.substr(start, e - start));
        start = e + (e + 1 < text.size() && text[e] == '\r' && text[e + 1] == '\n' ? 2 : 1);
    }
    l1 = lines.size() > 0 ? lines[0] : "";
    l2 = lines.size() > 1 ? lines[1] : "";
}

std::string DecodeBreaks(const TGxStringGrid& grid, std::string t)
{
    if (grid.JavaCSV) {
        if (t == "^")
            return {};
        return rtl::ReplaceStr(t, "~", "\r\n");
    }
    return rtl::ReplaceStr(t, "\v", "\r\n");
}

// Splits the text into records of fields. A field that starts (after leading spaces) with a double
// quote runs to its closing quote, over line ends too; a quote that is never closed leaves the rest
// of its line as the field's text.
std::vector<std::vector<std::string>> ParseRecords(const std::string& text, char delim, bool oem)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto lineEnd = [&](std::size_t at) { return at < n && (text[at] == '\r' || text[at] == '\n'); };
    auto isDelim = [&](std::size_t at) { return delim != '\0' && at < n && text[at] == delim; };
    auto skipLineEnd = [&](std::size_t& at) {
        if (at < n && text[at] == '\r')
            ++at;
        if (at < n && text[at] == '\n')
            ++at;
    };
    while (i < n) {
        // One field.
        std::size_t s = i;
        while (s < n && text[s] == ' ' && s + 1 < n && !isDelim(s + 1) && !lineEnd(s + 1))
            ++s;
        std::string field;
        if (s < n && text[s] == '"') {
            std::size_t j = s + 1;
            bool closed = false;
            while (j < n) {
                if (text[j] == '"') {
                    if (j + 1 < n && text[j + 1] == '"') {
                        field += '"';
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                field += text[j++];
            }
            if (!closed) {
                std::size_t e = text.find_first_of("\r\n", s + 1);
                if (e == std::string::npos)
                    e = n;
                field = text.substr(s + 1, e - s - 1);
                j = e;
            }
            // Anything between the closing quote and the delimiter belongs to the field.
            while (j < n && !isDelim(j) && !lineEnd(j))
                field += text[j++];
            i = j;
        } else {
            std::size_t j = s;
            while (j < n && !isDelim(j) && !lineEnd(j))
                ++j;
            field = text.substr(s, j - s);
            i = j;
        }
        fields.push_back(oem ? rtl::Cp437ToUtf8(rtl::Utf8ToCp437(field)) : std::move(field));
        if (isDelim(i)) {
            ++i;
            if (i >= n || lineEnd(i)) {
                fields.emplace_back();  // a delimiter at the end of a line: one empty last field
            } else {
                continue;
            }
        }
        skipLineEnd(i);
        records.push_back(std::move(fields));
        fields.clear();
    }
    return records;
}

void LoadCsvText(TGxStringGrid& grid, const std::string& text, int MaxRows, bool inserting)
{
    std::string l1, l2;
    FirstLines(text, l1, l2);
    const char delim = grid.Delimiter != '\0' ? grid.Delimiter : DetectDelimiter(l1, l2);
    std::vector<std::vector<std::string>> records = ParseRecords(text, delim, grid.OemConvert);
    if (records.empty())
        throw rtl::Exception("File is empty");
    std::size_t first = grid.LoadFirstRow ? 0 : 1;
    std::size_t count = records.size() - std::min(first, records.size());
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
        int row = startRow;
        for (std::size_t k = 0; k < count; ++k, ++row) {
            const std::vector<std::string>& fields = records[first + k];
            int col = startCol;
            for (const std::string& f : fields) {
                if (col >= grid.ColCount() + hidden)
                    grid.SetColCount(col + 1 - hidden);
                grid.LoadCellText(col, row, DecodeBreaks(grid, f));
                ++col;
            }
            progress.Report(static_cast<long long>(k + 1), static_cast<long long>(count));
        }
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

}  // namespace

std::string CSVEncodeCell(TGxStringGrid& grid, const std::string& Text, char Delim)
{
    std::string t = rtl::ReplaceStr(Text, "\"", "\"\"");
    if (grid.OemConvert)
        t = rtl::Cp437ToUtf8(rtl::Utf8ToCp437(t));
    bool quoted = false;
    if (grid.AlwaysQuotes || (t.find(Delim) == std::string::npos && Text.find('"') != std::string::npos)) {
        t = "\"" + t + "\"";
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
        t = "\"" + t + "\"";
        quoted = true;
    }
    const bool breaks = Text.find_first_of("\r\n") != std::string::npos;
    if (Text.find(Delim) != std::string::npos || breaks) {
        if (grid.JavaCSV) {
            t = rtl::ReplaceStr(rtl::ReplaceStr(t, "\n", ""), "\r", "~");
            // A JavaCSV text holding the delimiter is quoted too, or it would split on reading.
            if (t.find(Delim) != std::string::npos && !quoted)
                t = "\"" + t + "\"";
        } else if (quoted) {
            // Line breaks stay inside the quotes, where the reader keeps them.
        } else {
            t = "\"" + rtl::ReplaceStr(t, "\r\n", "\v") + "\"";
        }
    }
    return t;
}

void SaveToCSV(TGxStringGrid& grid, const std::string& FileName, bool Unicode)
{
    rtl::WriteFileAtomic(FileName,
                         rtl::EncodeText(CsvLines(grid), Unicode ? rtl::TEncoding::UTF8BOM : rtl::TEncoding::Ansi));
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
    rtl::WriteFileAtomic(FileName, rtl::EncodeText(existing + CsvLines(grid), enc));
}

void LoadFromCSV(TGxStringGrid& grid, const std::string& FileName, int MaxRows)
{
    std::string bytes = rtl::ReadFileBytes(FileName);
    if (bytes.empty())
        return;
    try {
        LoadCsvText(grid, rtl::DecodeText(bytes), MaxRows, false);
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
        LoadCsvText(grid, rtl::DecodeText(bytes), MaxRows, true);
    } catch (const rtl::Exception& e) {
        throw rtl::EFileError(FileName, e.Message);
    }
}

}  // namespace gx
