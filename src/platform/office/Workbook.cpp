#include "platform/office/Workbook.h"

#include <algorithm>
#include <cstdio>

#include "platform/rtl/DateTime.h"

namespace office {

namespace {
bool Before(const Cell& a, const Cell& b)
{
    return a.Row != b.Row ? a.Row < b.Row : a.Col < b.Col;
}
}  // namespace

bool IsoDateToSerial(const std::string& text, double& serial)
{
    int y = 1899, mo = 12, d = 30, h = 0, mi = 0, sec = 0;
    const std::size_t tpos = text.find('T');
    std::string datePart = tpos == std::string::npos ? text : text.substr(0, tpos);
    std::string timePart = tpos == std::string::npos ? std::string() : text.substr(tpos + 1);
    if (datePart.find(':') != std::string::npos) {
        timePart = datePart;
        datePart.clear();
    }
    if (!datePart.empty() && std::sscanf(datePart.c_str(), "%4d-%2d-%2d", &y, &mo, &d) != 3)
        return false;
    double frac = 0;
    if (!timePart.empty()) {
        double fs = 0;
        if (std::sscanf(timePart.c_str(), "%2d:%2d:%lf", &h, &mi, &fs) < 2 || fs < 0 || fs >= 61)
            return false;
        sec = static_cast<int>(fs);
        frac = fs - sec;
    }
    rtl::TDateTime date = 0, time = 0;
    if (!rtl::TryEncodeDate(y, mo, d, date) || !rtl::TryEncodeTime(h, mi, std::min(sec, 59), 0, time))
        return false;
    const double day = date < 61 && date > 0 ? date - 1 : date;
    serial = day + time + frac / 86400.0;
    return true;
}

double SerialToDateTime(double serial)
{
    return serial >= 1 && serial < 60 ? serial + 1 : serial;
}

void Sheet::Set(Cell cell)
{
    auto it = std::lower_bound(cells_.begin(), cells_.end(), cell, Before);
    if (it != cells_.end() && it->Row == cell.Row && it->Col == cell.Col) {
        *it = std::move(cell);
    } else if (it == cells_.end()) {
        cells_.push_back(std::move(cell));  // the usual case: cells arrive in order
    } else {
        cells_.insert(it, std::move(cell));
    }
}

void Sheet::SetText(int row, int col, std::string text)
{
    Set({row, col, CellKind::Text, std::move(text), 0});
}

void Sheet::SetNumber(int row, int col, double value)
{
    Set({row, col, CellKind::Number, {}, value});
}

void Sheet::SetBoolean(int row, int col, bool value)
{
    Set({row, col, CellKind::Boolean, {}, value ? 1.0 : 0.0});
}

void Sheet::SetDate(int row, int col, double serial)
{
    Set({row, col, CellKind::Date, {}, serial});
}

void Sheet::SetCells(std::vector<Cell> cells)
{
    std::stable_sort(cells.begin(), cells.end(), Before);
    std::vector<Cell> kept;
    kept.reserve(cells.size());
    for (Cell& c : cells) {
        if (!kept.empty() && kept.back().Row == c.Row && kept.back().Col == c.Col)
            kept.back() = std::move(c);
        else
            kept.push_back(std::move(c));
    }
    cells_ = std::move(kept);
}

const Cell* Sheet::Find(int row, int col) const
{
    Cell key{row, col, CellKind::Text, {}, 0};
    auto it = std::lower_bound(cells_.begin(), cells_.end(), key, Before);
    return it != cells_.end() && it->Row == row && it->Col == col ? &*it : nullptr;
}

const std::vector<Cell>& Sheet::Cells() const
{
    return cells_;
}

std::optional<CellRange> Sheet::UsedRange() const
{
    if (cells_.empty())
        return std::nullopt;
    CellRange r{cells_.front().Row, cells_.front().Col, cells_.front().Row, cells_.front().Col};
    for (const Cell& c : cells_) {
        r.FirstRow = std::min(r.FirstRow, c.Row);
        r.LastRow = std::max(r.LastRow, c.Row);
        r.FirstCol = std::min(r.FirstCol, c.Col);
        r.LastCol = std::max(r.LastCol, c.Col);
    }
    return r;
}

std::string Sheet::UsedRangeAddress() const
{
    auto r = UsedRange();
    if (!r)
        return {};
    auto ref = [](int row, int col) { return "$" + ColumnName(col) + "$" + std::to_string(row + 1); };
    std::string first = ref(r->FirstRow, r->FirstCol);
    if (r->FirstRow == r->LastRow && r->FirstCol == r->LastCol)
        return first;
    return first + ":" + ref(r->LastRow, r->LastCol);
}

Sheet* Workbook::FindSheet(const std::string& name)
{
    for (auto it = Sheets.rbegin(); it != Sheets.rend(); ++it)
        if (it->Name == name)
            return &*it;
    return nullptr;
}

const Sheet* Workbook::FindSheet(const std::string& name) const
{
    return const_cast<Workbook*>(this)->FindSheet(name);
}

std::string ColumnName(int col)
{
    std::string name;
    for (int n = col + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

std::string CellReference(int row, int col)
{
    return ColumnName(col) + std::to_string(row + 1);
}

bool ParseCellReference(const std::string& text, int& row, int& col)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '$')
        ++i;
    long c = 0;
    std::size_t letters = 0;
    for (; i < text.size() && letters < 4; ++i, ++letters) {
        char ch = text[i];
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
        if (ch < 'A' || ch > 'Z')
            break;
        c = c * 26 + (ch - 'A' + 1);
    }
    if (letters == 0 || c > kMaxCols)
        return false;
    if (i < text.size() && text[i] == '$')
        ++i;
    long r = 0;
    std::size_t digits = 0;
    for (; i < text.size(); ++i, ++digits) {
        if (text[i] < '0' || text[i] > '9' || digits == 7)
            return false;
        r = r * 10 + (text[i] - '0');
    }
    if (digits == 0 || r < 1 || r > kMaxRows)
        return false;
    row = static_cast<int>(r - 1);
    col = static_cast<int>(c - 1);
    return true;
}

}  // namespace office
