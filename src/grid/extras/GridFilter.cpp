// Filtering; see GridFilter.h.
#include "grid/extras/GridFilter.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

#include "grid/base/VozEdidFilter.h"
#include "grid/base/VozEdidText.h"

namespace gx {

namespace {

std::string_view Trimmed(std::string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ')
        ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ')
        --b;
    return s.substr(a, b - a);
}

std::string UpperAscii(std::string s)
{
    for (char& ch : s)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 32);
    return s;
}

// The filter conditions of one pass over the rows (ApplyFilter), each read once; outside a pass
// every row reads its conditions afresh.
class TFilterPass {
public:
    TFilterPass() : outer_(active_) { active_ = this; }
    ~TFilterPass() { active_ = outer_; }
    TFilterPass(const TFilterPass&) = delete;
    TFilterPass& operator=(const TFilterPass&) = delete;

    static TFilterPass* Active() { return active_; }
    TFilterMatcher& Matcher(const std::string& Condition, bool CaseSensitive)
    {
        for (Entry& e : entries_)
            if (e.caseSensitive == CaseSensitive && e.condition == Condition)
                return *e.matcher;
        entries_.push_back({Condition, CaseSensitive, std::make_unique<TFilterMatcher>(Condition, CaseSensitive)});
        return *entries_.back().matcher;
    }

private:
    struct Entry {
        std::string condition;
        bool caseSensitive;
        std::unique_ptr<TFilterMatcher> matcher;
    };
    std::vector<Entry> entries_;
    TFilterPass* outer_;
    static thread_local TFilterPass* active_;
};

thread_local TFilterPass* TFilterPass::active_ = nullptr;

// The text the filter item reads in the row, trimmed: a view of the stored cell where it can be,
// else of owned.
std::string_view FilterText(TGxStringGrid& g, const TFilterData& f, int row, std::string& owned)
{
    std::string_view t;
    switch (f.Data) {
    case fcNormal:
        t = g.GridCellsRef(f.Column, row);
        break;
    case fcStripHTML:
        owned = g.StrippedCells(f.Column, row);
        t = owned;
        break;
    case fcCalculated:
        owned = g.GetCalcCellText(f.Column, row);
        t = owned;
        break;
    case fcRow:
        for (int c = 0; c < g.AllColCount(); ++c) {
            if (c > 0)
                owned += "\r\n";
            owned += g.Cells(c, row);
        }
        t = owned;
        break;
    default:
        owned = g.Cells(f.Column, row);
        t = owned;
        break;
    }
    t = Trimmed(t);
    if (t.rfind("|\\", 0) == 0) {
        const std::u16string w = DecodeWideCellText(t);
        std::string decoded;
        for (char16_t ch : w) {  // UTF-16 to UTF-8
            if (ch < 0x80)
                decoded += static_cast<char>(ch);
            else if (ch < 0x800) {
                decoded += static_cast<char>(0xC0 | (ch >> 6));
                decoded += static_cast<char>(0x80 | (ch & 0x3F));
            } else {
                decoded += static_cast<char>(0xE0 | (ch >> 12));
                decoded += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
                decoded += static_cast<char>(0x80 | (ch & 0x3F));
            }
        }
        owned = std::move(decoded);
        t = owned;
    }
    return t;
}

bool Matches(TGxStringGrid& g, const TFilterData& f, int row)
{
    std::string owned;
    std::string_view t = FilterText(g, f, row, owned);
    if (f.Data == fcRow)
        return UpperAscii(std::string(t)).find(UpperAscii(f.Condition)) != std::string::npos;
    if (!f.Prefix.empty() && t.rfind(f.Prefix, 0) == 0)
        t.remove_prefix(f.Prefix.size());
    if (!f.Suffix.empty()) {
        const auto p = t.find(f.Suffix);
        if (p != std::string_view::npos && p + f.Suffix.size() == t.size())
            t = t.substr(0, p);
    }
    if (f.Condition.empty())
        return true;
    if (f.Method == fmLiteral)
        return t == f.Condition;
    try {
        if (TFilterPass* pass = TFilterPass::Active())
            return pass->Matcher(f.Condition, f.CaseSensitive).Match(t);
        return MatchFilterExpression(f.Condition, t, f.CaseSensitive);
    } catch (...) {
        return false;
    }
}

std::string NarrowCondition(const std::string& text, int column)
{
    if (column == -1)
        return text;
    std::string c = "*" + text + "*";
    return c.find(' ') != std::string::npos ? "\"" + c + "\"" : c;
}

void SetNarrowCondition(TGxStringGrid& g, const std::string& text, int column)
{
    TFilter* filter = g.Filter();
    filter->Clear();
    TFilterData* f = filter->Add();
    f->Data = column == -1 ? fcRow : fcNormal;
    f->Condition = NarrowCondition(text, column);
    f->CaseSensitive = false;
    f->Column = static_cast<std::int16_t>(column);
}

// A filter of one condition on one column's own cells reads that column row after row, each cell
// behind two hops through memory: the cell some rows ahead is asked for early, so that its memory
// is at hand when its row's turn comes. The column, or -1 for any other filter.
constexpr int kReadAhead = 8;

int ReadAheadColumn(TGxStringGrid& g)
{
    const TFilter* filter = g.Filter();
    if (filter->Count() != 1 || filter->Items(0)->Data != fcNormal)
        return -1;
    return filter->Items(0)->Column;
}

}  // namespace

bool RowMatchesFilter(TGxStringGrid& Grid, int ARow)
{
    bool result = true;
    TFilter* filter = Grid.Filter();
    for (int i = 0; i < filter->Count(); ++i) {
        const TFilterData& f = *filter->Items(i);
        const bool m = Matches(Grid, f, ARow);
        switch (f.Operation) {
        case foSHORT:
            result = m;
            break;
        case foNONE:
            result = m;
            break;
        case foAND:
            result = result && m;
            break;
        case foXOR:
            result = result != m;
            break;
        case foOR:
            result = result || m;
            break;
        }
        if (f.Operation == foSHORT && !m)
            break;
    }
    if (Grid.OnCustomFilter)
        Grid.OnCustomFilter(&Grid, ARow, result);
    return result;
}

void FilterRow(TGxStringGrid& Grid, int ARow)
{
    if (!Grid.RowMatchesFilter(ARow))
        Grid.HideRow(Grid.RealRowIndex(ARow));
}

void ApplyFilter(TGxStringGrid& Grid)
{
    // The fixed rows of the unfiltered grid: a level that hides every normal row leaves the grid none,
    // and a level over it would take that for the count to restore.
    if (Grid.FilterLevel() == 0)
        Grid.FilterFixedRows = Grid.FixedRows();
    const int first = Grid.FixedRows();
    const int last = Grid.RowCount() - Grid.FixedFooters() - 1;
    const int normal = last - first + 1;
    TIntList hide(0, 0);
    hide.SetCapacity(std::max(normal, 0));
    int visited = 0, lastProgress = -1;
    auto progress = [&] {
        if (!Grid.OnFilterProgress || normal <= 0)
            return;
        const int p = static_cast<int>(std::nearbyint(visited * 100.0 / normal));
        if (p != lastProgress)
            Grid.OnFilterProgress(&Grid, p);
        lastProgress = p;
    };
    TFilterPass pass;
    const bool normalOnly = Grid.FilterNormalCellsOnly && Grid.MayHoldNodeOrSummaryRows();
    const int readAhead = ReadAheadColumn(Grid);
    for (int r = first; r <= last; ++r) {
        if (readAhead >= 0 && r + kReadAhead <= last)
            __builtin_prefetch(&Grid.GridCellsRef(readAhead, r + kReadAhead));
        if (normalOnly && (Grid.IsNode(r) || Grid.IsSummary(r)))
            continue;
        if (!Grid.RowMatchesFilter(r))
            hide.Add(r);
        ++visited;
        progress();
    }
    Grid.HideRowList(hide);
    if (Grid.OnFilterProgress && normal > 0)
        Grid.OnFilterProgress(&Grid, static_cast<int>(std::nearbyint(visited * 100.0 / normal)));
}

void RestoreFilterFixedRows(TGxStringGrid& Grid)
{
    if (Grid.RowCount() > Grid.FilterFixedRows)
        Grid.SetFixedRows(Grid.FilterFixedRows);
}

bool RemoveLastFilter(TGxStringGrid& Grid)
{
    if (Grid.FilterLevel() <= 0)
        return false;
    Grid.UnHideRowList();
    RestoreFilterFixedRows(Grid);
    Grid.CalcFooter(-1);
    Grid.SetFilterLevel(Grid.FilterLevel() - 1);
    return Grid.FilterLevel() > 1;
}

void RemoveAllFilters(TGxStringGrid& Grid)
{
    if (Grid.FilterLevel() == 0) {
        Grid.Filter()->Clear();
        return;
    }
    while (Grid.FilterLevel() > 0)
        RemoveLastFilter(Grid);
}

void NarrowDown(TGxStringGrid& Grid, const std::string& ACondition, int AColumn)
{
    Grid.SetFixedRowAlways(true);
    const std::string& last = Grid.FilterNarrowText;
    if (!last.empty() && ACondition.size() == last.size() + 1 && ACondition.rfind(last, 0) == 0) {
        SetNarrowCondition(Grid, ACondition, AColumn);
        ApplyFilter(Grid);
    } else if (!ACondition.empty() && last.size() == ACondition.size() + 1 && last.rfind(ACondition, 0) == 0) {
        RemoveLastFilter(Grid);
    } else {
        RemoveAllFilters(Grid);
        if (!ACondition.empty()) {
            SetNarrowCondition(Grid, ACondition, AColumn);
            ApplyFilter(Grid);
        }
    }
    Grid.FilterNarrowText = ACondition;
}

}  // namespace gx
