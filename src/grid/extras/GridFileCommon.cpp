#include "grid/extras/GridFileCommon.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace gx::extras {

void ProgressReporter::Report(int percent)
{
    if (!grid_.OnFileProgress || percent == last_)
        return;
    last_ = percent;
    grid_.OnFileProgress(&grid_, percent);
}

void ProgressReporter::Report(long long part, long long whole)
{
    if (!grid_.OnFileProgress)
        return;
    Report(RoundEven(static_cast<double>(part) / static_cast<double>(std::max(1LL, whole)) * 100.0));
}

int RoundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

int HiddenSaveCount(TGxStringGrid& grid)
{
    return grid.SaveHiddenCells ? grid.NumHiddenColumns() : 0;
}

int MapSaveCol(TGxStringGrid& grid, int col)
{
    return grid.SaveHiddenCells ? col : grid.RealColIndex(col);
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool ParseInt(std::string_view text, int& value)
{
    std::string_view t = text;
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    if (t.empty())
        return false;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    return ec == std::errc() && p == t.data() + t.size();
}

}  // namespace gx::extras
