// Sort comparison of cells and rows; see GridSortCompare.h.
#include "grid/extras/GridSortCompare.h"

#include <algorithm>
#include <string_view>

#include "grid/base/TextChars.h"
#include "grid/base/VozEdidText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace gx {

namespace {

int Sign(int v)
{
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

int CompareValues(double a, double b)
{
    return a > b ? 1 : (a < b ? -1 : 0);
}

int CompareOrdinal(std::string_view a, std::string_view b, bool upperAscii)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (upperAscii) {
            if (ca >= 'a' && ca <= 'z')
                ca = static_cast<unsigned char>(ca - 32);
            if (cb >= 'a' && cb <= 'z')
                cb = static_cast<unsigned char>(cb - 32);
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsCheckBoxType(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
}

// The separator occurs first at character position 2 or 3 (1-based), not last, with number
// characters around it: 1; at 2 or 3 without them: 0; elsewhere or absent: -1.
int SeparatorAtDatePosition(const std::u32string& t, char sep)
{
    std::size_t pos = std::u32string::npos;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == static_cast<char32_t>(static_cast<unsigned char>(sep))) {
            pos = i;
            break;
        }
    if (pos != 1 && pos != 2)
        return -1;
    if (pos + 1 >= t.size())
        return 0;
    return IsNumberCodePoint(t[pos - 1]) && IsNumberCodePoint(t[pos + 1]) ? 1 : 0;
}

double DateValue(const std::string& s, TSortStyle style)
{
    rtl::TDateTime v = 0;
    switch (style) {
    case ssDate:
    case ssDateTime:
        if (s.empty() || !rtl::TryStrToDateTime(s, v, rtl::Regional()))
            return 0;
        return v;
    case ssTime:
        if (!rtl::TryStrToTime(s, v, rtl::Regional()))
            return 0;
        return v;
    case ssShortDateEU:
        return ParseShortDateEU(s);
    default:
        return ParseShortDateUS(s);
    }
}

void RemoveFirst(std::string& s, const std::string& part)
{
    if (part.empty())
        return;
    const auto p = s.find(part);
    if (p != std::string::npos)
        s.erase(p, part.size());
}

}  // namespace

TRowComparer::TRowComparer(TGxStringGrid& Grid, bool Cache) : grid_(Grid), cache_(Cache), colCount_(Grid.AllColCount())
{
    if (cache_)
        columns_.resize(static_cast<std::size_t>(colCount_ > 0 ? colCount_ : 0));
}

TRowComparer::Column& TRowComparer::ColumnAt(int ACol)
{
    static thread_local Column single;
    Column& c = cache_ && ACol >= 0 && ACol < colCount_ ? columns_[static_cast<std::size_t>(ACol)] : single;
    if (!cache_ || !c.Known || &c == &single) {
        TSortSettings* ss = grid_.SortSettings();
        c.Style = ss->AutoFormat ? ssAutomatic : (ss->IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
        c.Prefix.clear();
        c.Suffix.clear();
        grid_.GetCellFormat(ACol, c.Style, c.Prefix, c.Suffix);
        c.Known = true;
    }
    return c;
}

TRowComparer::Entry& TRowComparer::At(Column& C, int Slot, int ACol, int ARow)
{
    Entry* e = &scratch_[Slot];
    if (cache_ && ACol >= 0 && ACol < colCount_ && ARow >= 0) {
        if (C.Entries.empty())
            C.Entries.resize(static_cast<std::size_t>(grid_.RowCount()));
        if (static_cast<std::size_t>(ARow) < C.Entries.size())
            e = &C.Entries[static_cast<std::size_t>(ARow)];
        else
            *e = Entry{};
    } else {
        *e = Entry{};
    }
    if (!e->Loaded) {
        e->Text = grid_.SortSettings()->SortOnVirtualCells ? grid_.Cells(ACol, ARow) : grid_.GridCells(ACol, ARow);
        e->Loaded = true;
    }
    return *e;
}

bool TRowComparer::IsNumberText(Entry& E)
{
    if (E.IsNumber < 0) {
        const int k = GetNumberKind(E.Text);
        E.IsNumber = (k == nkInteger || k == nkDecimal || k == nkExponent) ? 1 : 0;
    }
    return E.IsNumber == 1;
}

bool TRowComparer::Number(Column& C, Entry& E, int ACol, int ARow, bool Financial, double& Value)
{
    const int i = Financial ? 1 : 0;
    if (E.NumOk[i] < 0) {
        std::string s = E.Text;
        RemoveFirst(s, C.Suffix);
        RemoveFirst(s, C.Prefix);
        const rtl::TFormatSettings& fs = rtl::Regional();
        if (Financial && !fs.ThousandSeparator.empty()) {
            std::string out;
            out.reserve(s.size());
            for (std::size_t p = 0; p < s.size();) {
                if (s.compare(p, fs.ThousandSeparator.size(), fs.ThousandSeparator) == 0) {
                    p += fs.ThousandSeparator.size();
                    continue;
                }
                out += s[p++];
            }
            s = std::move(out);
        }
        if (fs.DecimalSeparator != '.') {
            const auto p = s.find(fs.DecimalSeparator);
            if (p != std::string::npos)
                s[p] = '.';
        }
        double v = 0;
        bool ok = rtl::TryStrToFloat(s, v, rtl::TFormatSettings::Neutral());
        if (!ok) {
            // An empty cell counts as 0.
            const std::string shown = E.Text.empty() ? std::string() : grid_.Cells(ACol, ARow);
            if (E.Text.empty() || shown.empty()) {
                v = 0;
                ok = true;
            }
        }
        E.NumOk[i] = ok ? 1 : 0;
        E.Num[i] = v;
    }
    Value = E.Num[i];
    return E.NumOk[i] == 1;
}

TSortStyle TRowComparer::AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2)
{
    if (IsCheckBoxType(grid_.GetCellType(ACol, ARow1)))
        return ssCheckBox;
    const int k = GetNumberKind(T1);
    if (k == nkInteger || k == nkDecimal || k == nkExponent)
        return ssNumeric;
    const TSortStyle text = grid_.SortSettings()->IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    const rtl::TFormatSettings& fs = rtl::Regional();
    if (T1.find(fs.DateSeparator) == std::string::npos && T1.find(fs.TimeSeparator) == std::string::npos)
        return text;
    const std::u32string t = rtl::Utf8ToCodePoints(T1);
    const int d = SeparatorAtDatePosition(t, fs.DateSeparator);
    if (d == 1) {
        if (T2.find(fs.DateSeparator) != std::string::npos)
            return T1.find(fs.TimeSeparator) != std::string::npos ? ssDateTime : ssDate;
        return text;
    }
    if (d == 0)
        return text;
    if (SeparatorAtDatePosition(t, fs.TimeSeparator) == 1 && T2.find(fs.TimeSeparator) != std::string::npos)
        return ssTime;
    return text;
}

int TRowComparer::CompareCells(int ACol, int ARow1, TSortDirection Direction, int ARow2)
{
    Column& col = ColumnAt(ACol);
    Entry& e1 = At(col, 0, ACol, ARow1);
    Entry& e2 = At(col, 1, ACol, ARow2);
    TSortStyle style = col.Style;
    if (style == ssAutomatic) {
        if (e1.Auto > 0) {
            style = static_cast<TSortStyle>(e1.Auto - 1);
        } else {
            style = AutomaticStyle(ACol, ARow1, e1.Text, e2.Text);
            // The style depends on the other text only where a date or time may stand.
            const rtl::TFormatSettings& fs = rtl::Regional();
            const bool pairDependent = style != ssCheckBox && style != ssNumeric &&
                                       (e1.Text.find(fs.DateSeparator) != std::string::npos ||
                                        e1.Text.find(fs.TimeSeparator) != std::string::npos);
            e1.Auto = pairDependent ? 0 : static_cast<signed char>(style + 1);
        }
    }
    if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        if (IsNumberText(e1) && IsNumberText(e2))
            style = ssNumeric;
        else
            style = style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }
    const std::string* t1 = &e1.Text;
    const std::string* t2 = &e2.Text;
    std::string h1, h2;
    int res = 1;
    switch (style) {
    case ssAlphabetic:
    case ssAlphaCase:
        res = CompareOrdinal(*t1, *t2, false);
        break;
    case ssAlphaNoCase:
        res = CompareOrdinal(*t1, *t2, true);
        break;
    case ssAnsiAlphaCase:
        res = Sign(rtl::AnsiCompareStr(*t1, *t2));
        break;
    case ssAnsiAlphaNoCase:
        res = Sign(rtl::AnsiCompareText(*t1, *t2));
        break;
    case ssHTML:
        h1 = grid_.StrippedCells(ACol, ARow1);
        h2 = grid_.StrippedCells(ACol, ARow2);
        t1 = &h1;
        t2 = &h2;
        res = CompareOrdinal(h1, h2, false);
        break;
    case ssNumeric:
    case ssFinancial: {
        double v1 = 0, v2 = 0;
        const bool fin = style == ssFinancial;
        const bool ok1 = Number(col, e1, ACol, ARow1, fin, v1);
        const bool ok2 = Number(col, e2, ACol, ARow2, fin, v2);
        if (ok1 && ok2)
            res = CompareValues(v1, v2);
        else if (!ok1 && !ok2)
            res = 0;
        else
            res = ok1 ? -1 : 1;  // a text that is no number sorts after the numbers
        break;
    }
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS:
        res = CompareValues(DateValue(*t1, style), DateValue(*t2, style));
        break;
    case ssCheckBox: {
        bool s1 = false, s2 = false;
        grid_.GetCheckBoxState(ACol, ARow1, s1);
        grid_.GetCheckBoxState(ACol, ARow2, s2);
        res = s1 == s2 ? 0 : (s1 ? 1 : -1);
        break;
    }
    case ssImages:
        res = CompareValues(grid_.GetCellImageValue(ACol, ARow1), grid_.GetCellImageValue(ACol, ARow2));
        break;
    case ssCustom:
        res = 0;
        if (grid_.OnCustomCompare)
            grid_.OnCustomCompare(&grid_, *t1, *t2, res);
        break;
    case ssRaw:
        res = 0;
        if (grid_.OnRawCompare)
            grid_.OnRawCompare(&grid_, ACol, ARow1, ARow2, res);
        break;
    default:
        res = CompareOrdinal(*t1, *t2, false);
        break;
    }
    TSortSettings* ss = grid_.SortSettings();
    if (ss->IgnoreBlanks && (t1->empty() != t2->empty())) {
        const int first = ss->BlankPos == blFirst ? -1 : 1;
        res = t1->empty() ? first : -first;
        if (Direction == sdDescending)
            res = -res;
    }
    return res;
}

int TRowComparer::CompareKeyTexts(const std::string& a, const std::string& b, bool upperAscii)
{
    return CompareOrdinal(a, b, upperAscii);
}

// Keys sorted by value next to their rows, so the sort touches one array.
std::vector<int> TRowComparer::RowsInKeyOrder(int Sign) const
{
    const std::size_t n = keys_.size();
    std::vector<int> rows(n);
    if (keyKind_ == kkNumber) {
        struct Item {
            signed char Class;
            double Value;
            int Row;
        };
        std::vector<Item> items(n);
        for (std::size_t i = 0; i < n; ++i)
            items[i] = {keys_[i].Class, keys_[i].Value, keyFrom_ + static_cast<int>(i)};
        std::stable_sort(items.begin(), items.end(), [Sign](const Item& a, const Item& b) {
            const int r = a.Class != b.Class
                              ? (a.Class < b.Class ? -1 : 1)
                              : (a.Class != 0 ? 0 : (a.Value < b.Value ? -1 : (b.Value < a.Value ? 1 : 0)));
            return r * Sign < 0;
        });
        for (std::size_t i = 0; i < n; ++i)
            rows[i] = items[i].Row;
        return rows;
    }
    for (std::size_t i = 0; i < n; ++i)
        rows[i] = keyFrom_ + static_cast<int>(i);
    std::stable_sort(rows.begin(), rows.end(), [this, Sign](int a, int b) { return CompareKeys(a, b) * Sign < 0; });
    return rows;
}

bool TRowComparer::PrepareKeys(int ACol, int FromRow, int ToRow)
{
    keys_.clear();
    keyKind_ = kkNone;
    if (!cache_ || ACol < 0 || ACol >= colCount_ || FromRow > ToRow || grid_.IsIgnoredColumn(ACol) ||
        grid_.SortSettings()->IgnoreBlanks)
        return false;
    Column& col = ColumnAt(ACol);
    TSortStyle style = col.Style;
    const bool noCase = grid_.SortSettings()->IgnoreCase;
    const rtl::TFormatSettings& fs = rtl::Regional();
    const int n = ToRow - FromRow + 1;
    keys_.resize(static_cast<std::size_t>(n));
    keyFrom_ = FromRow;
    if (style == ssAutomatic) {
        // One plain rule only when every row settles the automatic style alone and the same way:
        // all numbers, or all texts without a date or time separator, none a check box.
        int numbers = 0;
        for (int r = FromRow; r <= ToRow; ++r) {
            Entry& e = At(col, 0, ACol, r);
            if (IsCheckBoxType(grid_.GetCellType(ACol, r)))
                return false;
            const int k = GetNumberKind(e.Text);
            if (k == nkInteger || k == nkDecimal || k == nkExponent)
                ++numbers;
            else if (e.Text.find(fs.DateSeparator) != std::string::npos ||
                     e.Text.find(fs.TimeSeparator) != std::string::npos)
                return false;
        }
        if (numbers != 0 && numbers != n)
            return false;
        style = numbers == n ? ssNumeric : (noCase ? ssAlphaNoCase : ssAlphabetic);
    }
    switch (style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
        keyKind_ = style == ssAlphaNoCase ? kkTextNoCase : kkText;
        for (int r = FromRow; r <= ToRow; ++r)
            keys_[static_cast<std::size_t>(r - FromRow)].Text = &At(col, 0, ACol, r).Text;
        return true;
    case ssNumeric:
    case ssFinancial:
        keyKind_ = kkNumber;
        for (int r = FromRow; r <= ToRow; ++r) {
            Key& k = keys_[static_cast<std::size_t>(r - FromRow)];
            double v = 0;
            k.Class = Number(col, At(col, 0, ACol, r), ACol, r, style == ssFinancial, v) ? 0 : 1;
            k.Value = v;
        }
        return true;
    default:
        keys_.clear();
        return false;
    }
}

int TRowComparer::CompareRows(int ACol, int ARow1, int ARow2)
{
    const bool full = grid_.SortSettings()->Full;
    for (int c = ACol;; ++c) {
        const int r = grid_.IsIgnoredColumn(c) ? 0 : CompareCells(c, ARow1, grid_.SortSettings()->Direction, ARow2);
        if (r != 0 || !full || c > colCount_ - 2)
            return r;
    }
}

int TRowComparer::CompareRowsIndexed(int Index, int ARow1, int ARow2)
{
    TSortIndexList* list = grid_.SortIndexes();
    const bool full = grid_.SortSettings()->Full;
    for (int i = Index; i < list->Count(); ++i) {
        const int col = list->SortColumns(i);
        const bool descending = !list->SortDirections(i);
        const int r =
            grid_.IsIgnoredColumn(col) ? 0 : CompareCells(col, ARow1, descending ? sdDescending : sdAscending, ARow2);
        if (r == 0 && full && i + 1 < list->Count())
            continue;
        return descending ? -r : r;
    }
    return 0;
}

int CompareCells(TGxStringGrid& Grid, int ACol, int ARow1, TSortDirection Direction, int ARow2)
{
    return TRowComparer(Grid, false).CompareCells(ACol, ARow1, Direction, ARow2);
}

int CompareRows(TGxStringGrid& Grid, int ACol, int ARow1, int ARow2)
{
    return TRowComparer(Grid, false).CompareRows(ACol, ARow1, ARow2);
}

int CompareRowsIndexed(TGxStringGrid& Grid, int Index, int ARow1, int ARow2)
{
    return TRowComparer(Grid, false).CompareRowsIndexed(Index, ARow1, ARow2);
}

}  // namespace gx
