// Fixed-width files, the aligned ASCII table, and the column and number helpers they use.
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string>
#include <vector>

#include "grid/base/VozEdidText.h"
#include "grid/extras/GridFileCommon.h"
#include "grid/extras/GridFixedAscii.h"
#include "platform/rtl/TextEncoding.h"
#include "platform/rtl/Utf8.h"

namespace gx {
namespace {

int CharCount(const std::string& s)
{
    return static_cast<int>(rtl::Utf8ToCodePoints(s).size());
}

// The text's lines (split at CR LF, CR or LF); only the first unless multi-line.
std::vector<std::string> CellLines(const TGxStringGrid& grid, const std::string& text)
{
    std::vector<std::string> lines = extras::SplitLines(text);
    if (lines.empty())
        lines.emplace_back();
    if (!grid.Multilinecells)
        lines.resize(1);
    return lines;
}

// Cut to n characters, or padded with spaces to n.
std::string FitTo(const std::string& s, int n)
{
    std::u32string cps = rtl::Utf8ToCodePoints(s);
    cps.resize(static_cast<std::size_t>(std::max(0, n)), U' ');
    return rtl::CodePointsToUtf8(cps);
}

std::string AlignIn(const std::string& text, int w, THAlignment ha)
{
    std::string t = text;
    int len = CharCount(t);
    if (ha == THAlignment::taRightJustify) {
        if (len < w)
            t = std::string(static_cast<std::size_t>(w - len), ' ') + t;
    } else if (ha == THAlignment::taCenter) {
        while (len < w) {
            t = " " + t + " ";
            len += 2;
        }
    }
    len = CharCount(t);
    if (len < w + 1)
        t += std::string(static_cast<std::size_t>(w + 1 - len), ' ');
    return t;
}

void WriteAscii(TGxStringGrid& grid, const std::string& FileName, bool Unicode, bool append)
{
    std::vector<std::string> lines;
    rtl::TEncoding enc = Unicode ? rtl::TEncoding::Unicode : rtl::TEncoding::Ansi;
    std::error_code ec;
    if (append && std::filesystem::exists(FileName, ec)) {
        std::string bytes = rtl::ReadFileBytes(FileName);
        if (!Unicode) {
            if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
                enc = rtl::TEncoding::UTF8BOM;
            else if (bytes.rfind("\xFF\xFE", 0) == 0)
                enc = rtl::TEncoding::Unicode;
        }
        lines = extras::SplitLines(rtl::DecodeText(bytes));
    }
    const int hidden = extras::HiddenSaveCount(grid);
    const int c0 = grid.SaveStartCol();
    const int r0 = grid.SaveFixedCells || grid.SaveFixedRows ? 0 : grid.FixedRows();
    const int c1 = grid.ColCount() - 1 + hidden;
    std::vector<int> widths;
    std::vector<int> real;
    for (int c = c0; c <= c1; ++c) {
        real.push_back(extras::MapSaveCol(grid, c));
        widths.push_back(GetMaxLineLength(grid, real.back()));
    }
    grid.ExportNotification(esExportStart, r0);
    for (int r = r0; r < grid.RowCount(); ++r) {
        grid.ExportNotification(esExportNextRow, r);
        std::string main;
        std::vector<std::string> extra;
        int start = 0;
        for (std::size_t k = 0; k < real.size(); ++k) {
            THAlignment ha;
            TVAlignment va;
            grid.GetCellTextAlignment(real[k], r, ha, va);
            std::vector<std::string> cl = CellLines(grid, grid.GetSaveCellText(real[k], r));
            main += AlignIn(cl[0], widths[k], ha);
            for (std::size_t e = 1; e < cl.size(); ++e) {
                if (extra.size() < e)
                    extra.emplace_back();
                std::string& x = extra[e - 1];
                int have = CharCount(x);
                if (have < start)
                    x += std::string(static_cast<std::size_t>(start - have), ' ');
                x += AlignIn(cl[e], widths[k], ha);
            }
            start += widths[k] + 1;
        }
        lines.push_back(main);
        lines.insert(lines.end(), extra.begin(), extra.end());
    }
    grid.ExportNotification(esExportDone, -1);
    rtl::WriteFileAtomic(FileName, rtl::EncodeText(extras::JoinLines(lines), enc));
}

}  // namespace

int GetMaxLineLength(TGxStringGrid& grid, int ACol)
{
    int best = 0;
    for (int r = 0; r < grid.RowCount(); ++r)
        for (const std::string& l : CellLines(grid, grid.GetSaveCellText(ACol, r)))
            best = std::max(best, CharCount(l));
    return best;
}

void SaveToFixed(TGxStringGrid& grid, const std::string& FileName, TIntList& positions)
{
    const int hidden = extras::HiddenSaveCount(grid);
    const int c0 = grid.SaveStartCol();
    const int c1 = grid.SaveEndCol() + hidden;
    for (int c = c0; c <= c1; ++c)
        if (c - c0 >= positions.Count())
            positions.Add(1 + GetMaxLineLength(grid, extras::MapSaveCol(grid, c)));
    std::vector<std::string> lines;
    grid.ExportNotification(esExportStart, grid.SaveStartRow());
    for (int r = grid.SaveStartRow(); r <= grid.SaveEndRow(); ++r) {
        grid.ExportNotification(esExportNextRow, r);
        std::string line;
        for (int c = c0; c <= c1; ++c)
            line += FitTo(grid.GetSaveCellText(extras::MapSaveCol(grid, c), r), positions.GetInteger(c - c0));
        lines.push_back(line);
    }
    grid.ExportNotification(esExportDone, -1);
    try {
        rtl::WriteFileAtomic(FileName, rtl::EncodeText(extras::JoinLines(lines), rtl::TEncoding::Ansi));
    } catch (const rtl::EFCreateError& e) {
        throw VIdiRazeRaduz("Cannot Create file " + FileName + " (" + e.Message + ")");
    }
}

void LoadFromFixed(TGxStringGrid& grid, const std::string& FileName, TIntList& positions, bool DoTrim, int MaxRows)
{
    std::string bytes;
    try {
        bytes = rtl::ReadFileBytes(FileName);
    } catch (const rtl::EFOpenError&) {
        throw VIdiRazeRaduz("File " + FileName + " not found");
    }
    std::vector<int> pos;
    for (int i = 0; i < positions.Count(); ++i)
        pos.push_back(positions.GetInteger(i));
    std::sort(pos.begin(), pos.end());
    for (int i = 0; i < static_cast<int>(pos.size()); ++i)
        positions.SetInteger(i, pos[static_cast<std::size_t>(i)]);
    if (pos.size() < 2 || pos.front() < 1)
        throw VIdiRazeRaduz("Fixed width positions of " + FileName + " must hold two or more starts from 1 on");
    std::vector<std::string> lines = extras::SplitLines(rtl::DecodeText(bytes, rtl::TEncoding::Ansi));
    if (MaxRows >= 0 && lines.size() > static_cast<std::size_t>(MaxRows))
        lines.resize(static_cast<std::size_t>(MaxRows));
    grid.BeginUpdate();
    grid.SetColCount(std::max(1, grid.FixedCols() + static_cast<int>(pos.size()) - 1));
    const int r0 = grid.SaveStartRow();
    if (r0 + static_cast<int>(lines.size()) > grid.RowCount())
        grid.SetRowCount(r0 + static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::u32string cps = rtl::Utf8ToCodePoints(lines[i]);
        for (std::size_t k = 1; k < pos.size(); ++k) {
            std::size_t from = static_cast<std::size_t>(pos[k - 1] - 1);
            std::size_t len = static_cast<std::size_t>(pos[k] - pos[k - 1]);
            std::u32string f = from < cps.size() ? cps.substr(from, len) : std::u32string();
            std::string text = rtl::CodePointsToUtf8(f);
            if (DoTrim) {
                std::size_t a = text.find_first_not_of(" \t\r\n\v\f");
                std::size_t b = text.find_last_not_of(" \t\r\n\v\f");
                text = a == std::string::npos ? std::string() : text.substr(a, b - a + 1);
            }
            grid.LoadCellText(grid.SaveStartCol() + static_cast<int>(k) - 1, r0 + static_cast<int>(i), text);
        }
    }
    grid.EndUpdate();
    grid.DoCellsChanged({0, 0, grid.ColCount(), grid.RowCount()});
    grid.ContentReloaded();
}

void SaveToASCII(TGxStringGrid& grid, const std::string& FileName, bool Unicode)
{
    WriteAscii(grid, FileName, Unicode, false);
}

void AppendToASCII(TGxStringGrid& grid, const std::string& FileName, bool Unicode)
{
    WriteAscii(grid, FileName, Unicode, true);
}

double CellToReal(TGxStringGrid& grid, int ACol, int ARow)
{
    std::string text = grid.Cells(ACol, ARow);
    if (text.empty())
        return 0;
    std::string clean = CleanNumberText(text);
    double v = 0;
    auto [p, ec] = std::from_chars(clean.data(), clean.data() + clean.size(), v);
    if (ec != std::errc() || p != clean.data() + clean.size()) {
        long at = ec != std::errc() ? 1 : static_cast<long>(p - clean.data()) + 1;
        throw VIdiRazeRaduz("Error at position: " + std::to_string(at) + " in Cell [" + std::to_string(ACol) + ", " +
                            std::to_string(ARow) + "].");
    }
    return v;
}

}  // namespace gx
