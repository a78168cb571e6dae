#include "platform/rtl/StrUtils.h"

#include <algorithm>

#include "platform/rtl/CodePages.h"

namespace rtl {

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letter case of the Latin-1, Latin Extended-A, Greek and Cyrillic letters. Each pair is
// encoded with the same number of UTF-8 bytes, so folding never changes a text's length.
bool latinExtUpper(int cp)
{
    if (cp == 0x130)
        return false;  // dotted capital I: its small letter is ASCII, left alone
    if (cp >= 0x100 && cp <= 0x137)
        return cp % 2 == 0;
    if (cp >= 0x139 && cp <= 0x148)
        return cp % 2 == 1;
    if (cp >= 0x14A && cp <= 0x177)
        return cp % 2 == 0;
    if (cp >= 0x179 && cp <= 0x17E)
        return cp % 2 == 1;
    return false;
}

int foldUpper(int cp)
{
    if (cp >= 'a' && cp <= 'z')
        return cp - 32;
    if (cp < 0x80)
        return cp;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)
        return cp - 32;
    if (cp == 0xFF)
        return 0x178;
    if (cp >= 0x100 && cp <= 0x17E && cp != 0x131 && cp != 0x138 && cp != 0x149 && cp != 0x178 && !latinExtUpper(cp))
        return cp - 1;
    if (cp == 0x3C2)
        return 0x3A3;  // final sigma
    if (cp >= 0x3B1 && cp <= 0x3C9)
        return cp - 32;
    if (cp >= 0x430 && cp <= 0x44F)
        return cp - 32;
    if (cp >= 0x450 && cp <= 0x45F)
        return cp - 80;
    return cp;
}

int foldLower(int cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 32;
    if (cp < 0x80)
        return cp;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 32;
    if (cp == 0x178)
        return 0xFF;
    if (latinExtUpper(cp))
        return cp + 1;
    if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2)
        return cp + 32;
    if (cp >= 0x410 && cp <= 0x42F)
        return cp + 32;
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 80;
    return cp;
}

std::string mapCodePoints(std::string_view s, int (*fn)(int))
{
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (pos < s.size()) {
        size_t start = pos;
        int cp = DecodeUtf8(s, pos);
        if (cp < 0) {
            out.append(s.substr(start, pos - start));  // keep invalid bytes as they are
            continue;
        }
        AppendUtf8(out, fn(cp));
    }
    return out;
}

int sign(int v)
{
    return (v > 0) - (v < 0);
}

size_t clampIndex(int index1, size_t size)
{
    if (index1 < 1)
        return 0;
    return std::min(static_cast<size_t>(index1 - 1), size);
}

}  // namespace

std::string Trim(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return std::string(s.substr(b, e - b));
}

std::string TrimLeft(std::string_view s)
{
    size_t b = 0;
    while (b < s.size() && isBlank(s[b]))
        ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s)
{
    size_t e = s.size();
    while (e > 0 && isBlank(s[e - 1]))
        --e;
    return std::string(s.substr(0, e));
}

std::string UpperCase(std::string_view s)
{
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), asciiUpper);
    return r;
}

std::string LowerCase(std::string_view s)
{
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), asciiLower);
    return r;
}

std::string AnsiUpperCase(std::string_view s)
{
    return mapCodePoints(s, foldUpper);
}
std::string AnsiLowerCase(std::string_view s)
{
    return mapCodePoints(s, foldLower);
}

int CompareStr(std::string_view a, std::string_view b)
{
    return sign(a.compare(b));
}

int CompareText(std::string_view a, std::string_view b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(asciiUpper(a[i]));
        auto cb = static_cast<unsigned char>(asciiUpper(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

bool SameStr(std::string_view a, std::string_view b)
{
    return a == b;
}
bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int AnsiCompareStr(std::string_view a, std::string_view b)
{
    int c = AnsiCompareText(a, b);
    if (c != 0)
        return c;
    // Equal but for case: at the first difference the small letter comes first.
    size_t pa = 0, pb = 0;
    while (pa < a.size() && pb < b.size()) {
        int ca = DecodeUtf8(a, pa);
        int cb = DecodeUtf8(b, pb);
        if (ca != cb)
            return foldLower(ca) == ca ? -1 : 1;
    }
    return CompareStr(a, b);
}

int AnsiCompareText(std::string_view a, std::string_view b)
{
    if (a == b)
        return 0;
    // ASCII prefix byte by byte; from the first other byte on, by decoded code points.
    size_t pa = 0, n = std::min(a.size(), b.size());
    for (; pa < n; ++pa) {
        auto ca = static_cast<unsigned char>(a[pa]), cb = static_cast<unsigned char>(b[pa]);
        if ((ca | cb) >= 0x80)
            break;
        int ua = foldUpper(ca), ub = foldUpper(cb);
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    size_t pb = pa;
    while (pa < a.size() && pb < b.size()) {
        int ca = foldUpper(DecodeUtf8(a, pa));
        int cb = foldUpper(DecodeUtf8(b, pb));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    bool restA = pa < a.size(), restB = pb < b.size();
    return static_cast<int>(restA) - static_cast<int>(restB);
}

bool AnsiSameText(std::string_view a, std::string_view b)
{
    return AnsiCompareText(a, b) == 0;
}

bool StartsStr(std::string_view sub, std::string_view s)
{
    return s.substr(0, sub.size()) == sub;
}
bool StartsText(std::string_view sub, std::string_view s)
{
    return s.size() >= sub.size() && AnsiSameText(s.substr(0, sub.size()), sub);
}
bool EndsStr(std::string_view sub, std::string_view s)
{
    return s.size() >= sub.size() && s.substr(s.size() - sub.size()) == sub;
}
bool EndsText(std::string_view sub, std::string_view s)
{
    return s.size() >= sub.size() && AnsiSameText(s.substr(s.size() - sub.size()), sub);
}
bool ContainsStr(std::string_view s, std::string_view sub)
{
    return s.find(sub) != std::string_view::npos;
}
bool ContainsText(std::string_view s, std::string_view sub)
{
    return PosText(sub, s) > 0 || sub.empty();
}

int Pos(std::string_view sub, std::string_view s, int offset)
{
    if (sub.empty() || offset < 1 || static_cast<size_t>(offset) > s.size())
        return 0;
    size_t p = s.find(sub, static_cast<size_t>(offset - 1));
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int PosText(std::string_view sub, std::string_view s, int offset)
{
    return Pos(AnsiUpperCase(sub), AnsiUpperCase(s), offset);
}

std::string Copy(std::string_view s, int index, int count)
{
    if (count <= 0)
        return {};
    size_t b = clampIndex(index, s.size());
    return std::string(s.substr(b, static_cast<size_t>(count)));
}

void Delete(std::string& s, int index, int count)
{
    if (count <= 0 || index < 1 || static_cast<size_t>(index) > s.size())
        return;
    s.erase(static_cast<size_t>(index - 1), static_cast<size_t>(count));
}

void Insert(std::string_view source, std::string& s, int index)
{
    s.insert(clampIndex(index, s.size()), source);
}

std::string LeftStr(std::string_view s, int count)
{
    return Copy(s, 1, count);
}
std::string RightStr(std::string_view s, int count)
{
    if (count <= 0)
        return {};
    size_t n = std::min(s.size(), static_cast<size_t>(count));
    return std::string(s.substr(s.size() - n));
}
std::string MidStr(std::string_view s, int start, int count)
{
    return Copy(s, start, count);
}

std::string StringOfChar(char c, int count)
{
    return count > 0 ? std::string(static_cast<size_t>(count), c) : std::string();
}

std::string DupeString(std::string_view s, int count)
{
    std::string r;
    for (int i = 0; i < count; ++i)
        r += s;
    return r;
}

int LastDelimiter(std::string_view delimiters, std::string_view s)
{
    size_t p = s.find_last_of(delimiters);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags)
{
    if (oldPattern.empty())
        return std::string(s);
    const bool ignoreCase = flags & rfIgnoreCase;
    // Case folding of Latin-1 keeps byte lengths, so positions found in the folded text hold.
    std::string search = ignoreCase ? AnsiUpperCase(s) : std::string(s);
    std::string pattern = ignoreCase ? AnsiUpperCase(oldPattern) : std::string(oldPattern);
    std::string out;
    size_t from = 0;
    while (true) {
        size_t p = search.find(pattern, from);
        if (p == std::string::npos)
            break;
        out.append(s.substr(from, p - from));
        out.append(newPattern);
        from = p + pattern.size();
        if (!(flags & rfReplaceAll))
            break;
    }
    out.append(s.substr(from));
    return out;
}

std::string ReplaceStr(std::string_view s, std::string_view from, std::string_view to)
{
    return StringReplace(s, from, to, rfReplaceAll);
}
std::string ReplaceText(std::string_view s, std::string_view from, std::string_view to)
{
    return StringReplace(s, from, to, rfReplaceAll | rfIgnoreCase);
}

std::vector<std::string> SplitString(std::string_view s, std::string_view delimiters)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t p = s.find_first_of(delimiters, start);
        if (p == std::string_view::npos) {
            parts.emplace_back(s.substr(start));
            return parts;
        }
        parts.emplace_back(s.substr(start, p - start));
        start = p + 1;
    }
}

std::string QuotedStr(std::string_view s, char quote)
{
    std::string r(1, quote);
    for (char c : s) {
        r += c;
        if (c == quote)
            r += c;
    }
    r += quote;
    return r;
}

bool AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote, std::string& text)
{
    text.clear();
    ++pos;  // the opening quote
    while (pos < s.size()) {
        if (s[pos] == quote) {
            if (pos + 1 < s.size() && s[pos + 1] == quote) {
                text += quote;
                pos += 2;
                continue;
            }
            ++pos;
            return true;
        }
        text += s[pos++];
    }
    return false;
}

std::string AnsiDequotedStr(std::string_view s, char quote)
{
    if (s.empty() || s.front() != quote)
        return std::string(s);
    size_t pos = 0;
    std::string text;
    // Anything after the closing quote is dropped; without one the text is not quoted.
    return AnsiExtractQuotedStr(s, pos, quote, text) ? text : std::string(s);
}

bool IsDelimiter(std::string_view delimiters, std::string_view s, int index)
{
    if (index < 1 || static_cast<size_t>(index) > s.size())
        return false;
    return delimiters.find(s[static_cast<size_t>(index - 1)]) != std::string_view::npos;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int Utf8Length(std::string_view s)
{
    int n = 0;
    size_t pos = 0;
    while (pos < s.size()) {
        DecodeUtf8(s, pos);
        ++n;
    }
    return n;
}

std::string Utf8Left(std::string_view s, int count)
{
    size_t pos = 0;
    for (int n = 0; n < count && pos < s.size(); ++n)
        DecodeUtf8(s, pos);
    return std::string(s.substr(0, pos));
}

}  // namespace rtl
