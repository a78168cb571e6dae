// Sort comparison of cells and rows; see GridSortCompare.h.
#include "grid/extras/GridSortCompare.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>

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

// Whether GetNumberKind finds an integer, decimal or exponent number in Text. Two shapes settle
// most texts without the full scan: digits with at most a leading minus and one decimal
// separator are a number (an integer or a decimal), and a text with an ASCII character that is
// none of the characters a number may hold (digits, signs, exponent, the regional separators) is
// none.
bool IsNumberKindText(std::string_view Text)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    const char th = fs.ThousandSeparator.empty() ? '0' : fs.ThousandSeparator.front();
    const char dec = fs.DecimalSeparator;
    if (!Text.empty() && dec != th && dec != '-' && !(dec >= '0' && dec <= '9')) {
        std::size_t i = Text[0] == '-' ? 1 : 0;
        while (i < Text.size() && Text[i] >= '0' && Text[i] <= '9')
            ++i;
        if (i < Text.size() && Text[i] == dec)
            for (++i; i < Text.size() && Text[i] >= '0' && Text[i] <= '9';)
                ++i;
        if (i == Text.size())
            return true;
    }
    for (const char ch : Text) {
        if (static_cast<unsigned char>(ch) >= 0x80 || (ch >= '0' && ch <= '9'))
            continue;
        if (ch != '-' && ch != '+' && ch != 'e' && ch != 'E' && ch != dec && ch != th)
            return false;
    }
    const int k = GetNumberKind(Text);
    return k == nkInteger || k == nkDecimal || k == nkExponent;
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

std::string TRowComparer::SortText(int ACol, int ARow)
{
    return std::string(SortTextRef(ACol, ARow));
}

// Valid until the grid's cells change or the next read of a virtual cell.
const std::string& TRowComparer::SortTextRef(int ACol, int ARow)
{
    return grid_.SortSettings()->SortOnVirtualCells ? grid_.CellsRef(ACol, ARow) : grid_.GridCellsRef(ACol, ARow);
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
        e->Text = SortText(ACol, ARow);
        e->Loaded = true;
    }
    return *e;
}

bool TRowComparer::IsNumberText(Entry& E)
{
    if (E.IsNumber < 0) {
        E.IsNumber = IsNumberKindText(E.Text) ? 1 : 0;
    }
    return E.IsNumber == 1;
}

bool TRowComparer::Number(Column& C, Entry& E, int ACol, int ARow, bool Financial, double& Value)
{
    const int i = Financial ? 1 : 0;
    if (E.NumOk[i] < 0) {
        double v = 0;
        E.NumOk[i] = ReadNumber(C, E.Text, ACol, ARow, Financial, v) ? 1 : 0;
        E.Num[i] = v;
    }
    Value = E.Num[i];
    return E.NumOk[i] == 1;
}

bool TRowComparer::ReadNumber(const Column& C, std::string_view Text, int ACol, int ARow, bool Financial, double& Value)
{
    const rtl::TFormatSettings& regional = rtl::Regional();
    static const rtl::TFormatSettings neutral = rtl::TFormatSettings::Neutral();
    // The usual column (no prefix or suffix, a point for the decimals) reads the text as it is.
    if (C.Prefix.empty() && C.Suffix.empty() && regional.DecimalSeparator == '.' &&
        (!Financial || regional.ThousandSeparator.empty())) {
        Value = 0;
        if (rtl::TryStrToFloat(Text, Value, neutral))
            return true;
        Value = 0;
        return Text.empty() || grid_.CellsRef(ACol, ARow).empty();
    }
    std::string s(Text);
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
    Value = 0;
    if (rtl::TryStrToFloat(s, Value, neutral))
        return true;
    // An empty cell counts as 0.
    Value = 0;
    return Text.empty() || grid_.CellsRef(ACol, ARow).empty();
}

TSortStyle TRowComparer::AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2)
{
    if (IsCheckBoxType(grid_.GetCellType(ACol, ARow1)))
        return ssCheckBox;
    if (IsNumberKindText(T1))
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

namespace {

// Up to eight bytes of Text from Pos as a big-endian word, zero-padded: words compare as the
// bytes do, unsigned, and a text that ends compares below any byte but NUL.
std::uint64_t PackBytes(std::string_view Text, std::size_t Pos, bool UpperAscii)
{
    std::uint64_t w = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        auto c = static_cast<unsigned char>(Pos + i < Text.size() ? Text[Pos + i] : 0);
        if (UpperAscii && c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 32);
        w = (w << 8) | c;
    }
    return w;
}

}  // namespace

template <class Take>
TRowComparer::TextKey TRowComparer::MakeTextKey(std::string_view Text, Take&& TakeText, int Row, bool UpperAscii)
{
    TextKey k;
    k.Hi = PackBytes(Text, 0, UpperAscii);
    k.Lo = PackBytes(Text, 8, UpperAscii);
    k.Row = Row;
    k.Tail = static_cast<std::uint32_t>(Text.size());
    if (Text.size() > 16) {
        k.Tail = static_cast<std::uint32_t>(17 + tails_.size());
        tails_.push_back(TakeText());
    }
    return k;
}

// As CompareOrdinal of the two texts. Equal words with a text inside the 16 bytes: the shorter
// text is a prefix of the longer one (which goes on with NULs).
int TRowComparer::CompareTextKeys(const TextKey& A, const TextKey& B, bool UpperAscii) const
{
    if (A.Hi != B.Hi)
        return A.Hi < B.Hi ? -1 : 1;
    if (A.Lo != B.Lo)
        return A.Lo < B.Lo ? -1 : 1;
    if (A.Tail <= 16 || B.Tail <= 16) {
        const std::uint32_t a = std::min<std::uint32_t>(A.Tail, 17), b = std::min<std::uint32_t>(B.Tail, 17);
        return a == b ? 0 : (a < b ? -1 : 1);
    }
    const std::string& a = tails_[A.Tail - 17];
    const std::string& b = tails_[B.Tail - 17];
    return CompareOrdinal(std::string_view(a).substr(16), std::string_view(b).substr(16), UpperAscii);
}

std::uint64_t TRowComparer::NumberOrder(bool IsNumber, double Value)
{
    if (!IsNumber)
        return UINT64_MAX;  // no number text reads as NaN, whose image could reach this
    if (Value == 0)
        Value = 0;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &Value, sizeof bits);
    return (bits >> 63) != 0 ? ~bits : bits | (std::uint64_t{1} << 63);
}

namespace {

// The rows of the sorted keys, and the runs of equal keys when asked for.
template <class KeyT, class SameFn>
std::vector<int> RowsAndTies(const std::vector<KeyT>& keys, SameFn same,
                             std::vector<std::pair<std::size_t, std::size_t>>* ties)
{
    std::vector<int> rows(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        rows[i] = keys[i].Row;
    if (ties)
        for (std::size_t i = 0; i < keys.size();) {
            std::size_t j = i + 1;
            while (j < keys.size() && same(keys[i], keys[j]))
                ++j;
            if (j - i > 1)
                ties->emplace_back(i, j);
            i = j;
        }
    return rows;
}

// Stable sort by Order (Flip all ones: descending): a byte at a time from the lowest, leaving
// out a byte that is the same in every key; short lists by comparison.
template <class KeyT>
void SortByOrder(std::vector<KeyT>& keys, std::uint64_t flip)
{
    const std::size_t n = keys.size();
    if (n < 256) {
        std::stable_sort(keys.begin(), keys.end(),
                         [flip](const KeyT& a, const KeyT& b) { return (a.Order ^ flip) < (b.Order ^ flip); });
        return;
    }
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (const KeyT& k : keys)
        for (std::size_t b = 0; b < 8; ++b)
            ++counts[b][((k.Order ^ flip) >> (8 * b)) & 0xFF];
    std::vector<KeyT> buf(n);
    for (std::size_t b = 0; b < 8; ++b) {
        std::array<std::size_t, 256>& at = counts[b];
        if (at[((keys[0].Order ^ flip) >> (8 * b)) & 0xFF] == n)
            continue;
        std::size_t sum = 0;
        for (std::size_t& c : at)
            sum += std::exchange(c, sum);
        for (const KeyT& k : keys)
            buf[at[((k.Order ^ flip) >> (8 * b)) & 0xFF]++] = k;
        keys.swap(buf);
    }
}

}  // namespace

std::vector<int> TRowComparer::RowsInKeyOrder(int Sign, std::vector<std::pair<std::size_t, std::size_t>>* Ties)
{
    if (keyKind_ == kkNumber) {
        SortByOrder(numberKeys_, Sign < 0 ? UINT64_MAX : 0);
        return RowsAndTies(
            numberKeys_, [](const NumberKey& a, const NumberKey& b) { return a.Order == b.Order; }, Ties);
    }
    const bool upper = keyKind_ == kkTextNoCase;
    std::stable_sort(textKeys_.begin(), textKeys_.end(), [this, upper, Sign](const TextKey& a, const TextKey& b) {
        return CompareTextKeys(a, b, upper) * Sign < 0;
    });
    return RowsAndTies(
        textKeys_, [this, upper](const TextKey& a, const TextKey& b) { return CompareTextKeys(a, b, upper) == 0; },
        Ties);
}

bool TRowComparer::MayHaveKeys(int ACol)
{
    if (!cache_ || ACol < 0 || ACol >= colCount_ || grid_.IsIgnoredColumn(ACol) || grid_.SortSettings()->IgnoreBlanks)
        return false;
    switch (ColumnAt(ACol).Style) {
    case ssAutomatic:
    case ssNumeric:
    case ssFinancial:
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
        return true;
    default:
        return false;
    }
}

TRowComparer::TKeyCell TRowComparer::ReadKeyCell(int ACol, int ARow)
{
    TKeyCell cell;
    cell.Text = SortText(ACol, ARow);
    cell.CheckBox = ColumnAt(ACol).Style == ssAutomatic && IsCheckBoxType(grid_.GetCellType(ACol, ARow));
    return cell;
}

template <class RowAt, class CellAt, class TakeAt>
bool TRowComparer::PrepareKeysOf(int ACol, std::size_t Count, RowAt Row, CellAt Cell, TakeAt TakeCell)
{
    textKeys_.clear();
    numberKeys_.clear();
    tails_.clear();
    keyKind_ = kkNone;
    if (Count == 0 || !MayHaveKeys(ACol))
        return false;
    Column& col = ColumnAt(ACol);
    const TSortStyle style = col.Style;
    const bool noCase = grid_.SortSettings()->IgnoreCase;
    const rtl::TFormatSettings& fs = rtl::Regional();
    const std::size_t n = Count;
    // The automatic style takes one plain rule only when every row settles it alone and the same
    // way as the first row: all numbers, or all texts without a date or time separator, none a
    // check box.
    switch (style) {
    case ssAutomatic:
    case ssNumeric:
    case ssFinancial:
        keyKind_ = kkNumber;
        break;
    case ssAlphabetic:
    case ssAlphaCase:
        keyKind_ = kkText;
        break;
    case ssAlphaNoCase:
        keyKind_ = kkTextNoCase;
        break;
    default:
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const int row = Row(i);
        bool checkBox = false;
        const std::string_view text = Cell(i, row, checkBox);
        if (style == ssAutomatic) {
            if (checkBox)
                return false;
            const bool number = IsNumberKindText(text);
            if (!number &&
                (text.find(fs.DateSeparator) != std::string::npos || text.find(fs.TimeSeparator) != std::string::npos))
                return false;
            if (i == 0)
                keyKind_ = number ? kkNumber : (noCase ? kkTextNoCase : kkText);
            else if (number != (keyKind_ == kkNumber))
                return false;
        }
        if (keyKind_ == kkNumber) {
            if (i == 0)
                numberKeys_.reserve(n);
            double value = 0;
            const bool isNumber = ReadNumber(col, text, ACol, row, style == ssFinancial, value);
            numberKeys_.push_back({NumberOrder(isNumber, value), row});
            continue;
        }
        if (i == 0)
            textKeys_.reserve(n);
        textKeys_.push_back(MakeTextKey(
            text, [&] { return TakeCell(i, text); }, row, keyKind_ == kkTextNoCase));
    }
    return true;
}

bool TRowComparer::PrepareKeys(int ACol, int FromRow, int ToRow)
{
    // The cells are read where they are stored; a text key copies only a text longer than its words.
    const bool automatic = MayHaveKeys(ACol) && ColumnAt(ACol).Style == ssAutomatic;
    return PrepareKeysOf(
        ACol, FromRow <= ToRow ? static_cast<std::size_t>(ToRow - FromRow + 1) : 0,
        [FromRow](std::size_t i) { return FromRow + static_cast<int>(i); },
        [this, ACol, automatic](std::size_t, int row, bool& checkBox) -> std::string_view {
            checkBox = automatic && IsCheckBoxType(grid_.GetCellType(ACol, row));
            return SortTextRef(ACol, row);
        },
        [](std::size_t, std::string_view text) { return std::string(text); });
}

bool TRowComparer::PrepareKeys(int ACol, const std::vector<int>& Rows, TKeyCell* Cells)
{
    // Cells read before are used where they are (their texts moved into the keys that keep them).
    TKeyCell current;
    return PrepareKeysOf(
        ACol, Rows.size(), [&Rows](std::size_t i) { return Rows[i]; },
        [&](std::size_t i, int row, bool& checkBox) -> std::string_view {
            if (!Cells)
                current = ReadKeyCell(ACol, row);
            const TKeyCell& cell = Cells ? Cells[i] : current;
            checkBox = cell.CheckBox;
            return cell.Text;
        },
        [&](std::size_t i, std::string_view) { return std::move(Cells ? Cells[i].Text : current.Text); });
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
