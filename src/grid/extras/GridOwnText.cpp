// The grid's own text format, as a file and as a stream of UTF-16LE lines.
#include <algorithm>
#include <string>
#include <vector>

#include "grid/extras/GridFileCommon.h"
#include "grid/extras/GridOwnText.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextEncoding.h"
#include "platform/rtl/Utf8.h"

namespace gx {
namespace {

using extras::ParseInt;

// A text holding a line break is coded onto one line: CR -> #9, LF -> #8, #0 -> #1. The original
// coded only texts with a CR, so a text with a lone LF broke the line it was written on. A coded
// text is known by its #8; one without (its line breaks are CRs alone) gets a leading #2 instead,
// and so does a text that starts with #2 itself, so that the reader takes away only that one.
constexpr char kCodedMark = '\x02';

std::string EncodeCellText(const std::string& t)
{
    const bool startsWithMark = !t.empty() && t.front() == kCodedMark;
    if (!startsWithMark && t.find_first_of("\r\n") == std::string::npos)
        return t;
    std::string out = startsWithMark || t.find('\n') == std::string::npos ? kCodedMark + t : t;
    for (char& ch : out) {
        if (ch == '\r')
            ch = '\t';
        else if (ch == '\n')
            ch = '\b';
        else if (ch == '\0')
            ch = '\x01';
    }
    return out;
}

std::string DecodeCellText(TGxStringGrid& grid, const std::string& t)
{
    const bool marked = !t.empty() && t.front() == kCodedMark;
    if (!marked && t.find('\b') == std::string::npos)
        return t;
    std::string out = marked ? t.substr(1) : t;
    for (char& ch : out) {
        if (ch == '\t')
            ch = '\r';
        else if (ch == '\b')
            ch = '\n';
        else if (ch == '\x01')
            ch = '\0';
    }
    if (!grid.Multilinecells) {
        std::size_t cr = out.find('\r');
        if (cr != std::string::npos)
            out.erase(cr);
    }
    return out;
}

int ColWidthOf(TGxStringGrid& grid, int c)
{
    return c < grid.ColCount() ? grid.ColWidths(c) : grid.DefaultColWidth();
}

[[noreturn]] void Corrupt(const std::string& file, std::size_t line, const std::string& why)
{
    throw rtl::EFileError(file, "line " + std::to_string(line) + ": " + why);
}

void Finish(TGxStringGrid& grid)
{
    grid.DoCellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.ContentReloaded();
}

}  // namespace

void SaveToFile(TGxStringGrid& grid, const std::string& FileName, bool Unicode)
{
    const int hidden = extras::HiddenSaveCount(grid);
    std::vector<std::string> lines;
    lines.push_back(std::to_string(grid.SaveColCount() + hidden) + "," + std::to_string(grid.SaveRowCount()));
    for (int c = grid.SaveStartCol(); c <= grid.SaveEndCol() + hidden; ++c)
        lines.push_back("cw " + std::to_string(c) + "," + std::to_string(ColWidthOf(grid, c)));
    extras::ProgressReporter progress(grid);
    grid.ExportNotification(esExportStart, grid.SaveStartRow());
    for (int r = grid.SaveStartRow(); r <= grid.SaveEndRow(); ++r) {
        grid.ExportNotification(esExportNextRow, r);
        for (int c = grid.SaveStartCol(); c <= grid.SaveEndCol() + hidden; ++c) {
            std::string text = grid.GetSaveCellText(extras::MapSaveCol(grid, c), r);
            if (!text.empty())
                lines.push_back(std::to_string(c) + "," + std::to_string(r) + "," + EncodeCellText(text));
        }
        progress.Report(r, grid.SaveRowCount() - 1);
    }
    grid.ExportNotification(esExportDone, -1);
    rtl::WriteFileAtomic(
        FileName, rtl::EncodeText(extras::JoinLines(lines), Unicode ? rtl::TEncoding::Unicode : rtl::TEncoding::Ansi));
}

void LoadFromFile(TGxStringGrid& grid, const std::string& FileName)
{
    std::vector<std::string> lines = extras::SplitLines(rtl::DecodeText(rtl::ReadFileBytes(FileName)));
    const int a = grid.SaveFixedCells || grid.SaveFixedCols ? 0 : grid.FixedCols();
    const int b = grid.SaveFixedCells || grid.SaveFixedRows ? 0 : grid.FixedRows();
    int cols = 0, rows = 0;
    if (!lines.empty() && !lines[0].empty()) {
        std::size_t comma = lines[0].find(',');
        if (comma == std::string::npos || !ParseInt(lines[0].substr(0, comma), cols) ||
            !ParseInt(lines[0].substr(comma + 1), rows) || cols < 0 || rows < 0)
            Corrupt(FileName, 1, "the first line is not \"columns,rows\"");
    }
    if (cols == 0 || rows == 0)
        throw VIdiRazeRaduz("File contains no data or corrupt file " + FileName);
    // The sizes are believed only as far as the file could fill them: the writer gives every
    // column a width line, and empty rows are allowed up to a bound that grows with the file.
    const long long n = static_cast<long long>(lines.size());
    if (cols > n - 1 || rows > std::max(65536LL, n * 64))
        Corrupt(FileName, 1, "the sizes are larger than the file's content");
    grid.BeginUpdate();
    try {
        grid.SetColCount(a + cols);
        grid.SetRowCount(b + rows);
        extras::ProgressReporter progress(grid);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string& l = lines[i];
            if (l.empty())
                continue;
            if (l.rfind("cw", 0) == 0) {
                std::size_t comma = l.find(',');
                int col = 0, width = 0;
                if (comma == std::string::npos || comma < 3 || !ParseInt(l.substr(3, comma - 3), col) ||
                    !ParseInt(l.substr(comma + 1), width) || width < 0)
                    Corrupt(FileName, i + 1, "a column width line is malformed");
                if (col >= 0 && col < grid.ColCount())
                    grid.SetColWidths(col, width);
                continue;
            }
            std::size_t c1 = l.find(',');
            std::size_t c2 = c1 == std::string::npos ? c1 : l.find(',', c1 + 1);
            int col = 0, row = 0;
            if (c2 == std::string::npos || !ParseInt(l.substr(0, c1), col) ||
                !ParseInt(l.substr(c1 + 1, c2 - c1 - 1), row))
                Corrupt(FileName, i + 1, "a cell line is not \"column,row,text\"");
            if (col >= 0 && col < grid.ColCount() && row >= 0 && row < grid.RowCount())
                grid.LoadCellText(col, row, DecodeCellText(grid, l.substr(c2 + 1)));
            progress.Report(row, grid.RowCount() - 1);
        }
    } catch (...) {
        grid.EndUpdate();
        throw;
    }
    grid.EndUpdate();
    Finish(grid);
}

namespace {

void PutLine(rtl::TStream& s, const std::string& utf8)
{
    std::u32string cps = rtl::Utf8ToCodePoints(utf8);
    std::string bytes;
    auto unit = [&bytes](unsigned u) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>((u >> 8) & 0xFF);
    };
    for (char32_t cp : cps) {
        if (cp >= 0x10000) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp);
        }
    }
    unit('\r');
    unit('\n');
    s.WriteString(bytes);
}

// One line of UTF-16LE code units up to a CR (the unit after the CR is skipped); false at the end.
bool GetLine(rtl::TStream& s, std::string& line)
{
    line.clear();
    std::u16string units;
    unsigned char b[2];
    bool any = false;
    while (s.Read(b, 2) == 2) {
        any = true;
        char16_t u = static_cast<char16_t>(b[0] | (b[1] << 8));
        if (u == u'\r') {
            s.Read(b, 2);
            break;
        }
        units += u;
    }
    std::u32string cps;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            u = 0xFFFD;
        }
        cps += u;
    }
    line = rtl::CodePointsToUtf8(cps);
    return any;
}

}  // namespace

void SaveToStream(TGxStringGrid& grid, rtl::TStream& Stream)
{
    PutLine(Stream, std::to_string(grid.SaveColCount()) + "," + std::to_string(grid.SaveRowCount()));
    for (int c = 0; c < grid.ColCount(); ++c)
        PutLine(Stream, "cw " + std::to_string(c) + "," + std::to_string(grid.ColWidths(c)));
    grid.ExportNotification(esExportStart, grid.SaveStartRow());
    for (int r = grid.SaveStartRow(); r <= grid.SaveEndRow(); ++r) {
        grid.ExportNotification(esExportNextRow, r);
        for (int c = grid.SaveStartCol(); c <= grid.SaveEndCol(); ++c) {
            std::string text = grid.GetSaveCellText(grid.RealColIndex(c), r);
            if (!text.empty())
                PutLine(Stream, std::to_string(c - grid.SaveStartCol()) + "," +
                                    std::to_string(r - grid.SaveStartRow()) + "," + EncodeCellText(text));
        }
    }
    grid.ExportNotification(esExportDone, -1);
}

void LoadFromStream(TGxStringGrid& grid, rtl::TStream& Stream)
{
    std::string line;
    const int64_t available = Stream.Size() - Stream.Position();
    if (!GetLine(Stream, line))
        return;
    if (!line.empty()) {
        std::size_t comma = line.find(',');
        int cols = 0, rows = 0;
        if (comma == std::string::npos || !ParseInt(line.substr(0, comma), cols) ||
            !ParseInt(line.substr(comma + 1), rows) || cols < 0 || rows < 0)
            throw rtl::EReadError("Cell stream: the first line is not \"columns,rows\"");
        // As in the file form: a width line per column, empty rows up to a bound growing with the stream.
        if (static_cast<int64_t>(cols) * 12 > available || rows > std::max<int64_t>(65536, available))
            throw rtl::EReadError("Cell stream: the sizes are larger than the stream's content");
        grid.SetColCount(grid.SaveStartCol() + cols);
        grid.SetRowCount(grid.SaveStartRow() + rows);
    }
    while (Stream.Position() < Stream.Size()) {
        const int64_t at = Stream.Position();
        GetLine(Stream, line);
        if (line.rfind("cw", 0) == 0) {
            std::size_t comma = line.find(',');
            int col = 0, width = 0;
            if (comma == std::string::npos || comma < 3 || !ParseInt(line.substr(3, comma - 3), col) ||
                !ParseInt(line.substr(comma + 1), width))
                throw rtl::EConvertError("'" + line + "' is not a valid column width line");
            if (col < 0 || col >= grid.ColCount())
                throw VIdiRazeRaduz("Grid index out of range");
            grid.SetColWidths(col, width);
            continue;
        }
        std::size_t c1 = line.find(',');
        std::size_t c2 = c1 == std::string::npos ? c1 : line.find(',', c1 + 1);
        if (c2 == std::string::npos) {
            Stream.SetPosition(at);
            break;
        }
        int col = 0, row = 0;
        if (!ParseInt(line.substr(0, c1), col) || !ParseInt(line.substr(c1 + 1, c2 - c1 - 1), row))
            throw rtl::EConvertError("'" + line + "' is not a valid cell line");
        col += grid.SaveStartCol();
        row += grid.SaveStartRow();
        if (col >= 0 && col < grid.ColCount() && row >= 0 && row < grid.RowCount())
            grid.LoadCellText(col, row, DecodeCellText(grid, line.substr(c2 + 1)));
    }
    Finish(grid);
}

}  // namespace gx
