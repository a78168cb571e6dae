#include "grid/base/VozEdidText.h"

#include "grid/base/TextChars.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>

namespace gx {

namespace {

bool IsE(char32_t c)
{
    return c == U'e' || c == U'E';
}

// Stands for "no such separator": no text yields this code point.
constexpr char32_t kNoSeparator = 0xFFFFFFFF;

// The regional thousand separator as one code point.
char32_t ThousandSeparatorChar()
{
    const auto cps = ToCodePoints(rtl::Regional().ThousandSeparator);
    return cps.empty() ? kNoSeparator : cps.front();
}

char32_t DecimalSeparatorChar()
{
    return static_cast<unsigned char>(rtl::Regional().DecimalSeparator);
}

bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

std::string Utf8Of(char32_t c)
{
    std::string s;
    rtl::AppendUtf8(s, static_cast<int>(c));
    return s;
}

}  // namespace

int GetCellTextKind(std::string_view Text, bool DetectHTML)
{
    if (Text.empty())
        return ctkPlain;
    if (Text[0] == '=')
        return ctkFormula;
    if (StartsWith(Text, "|\\")) {
        if (Text.size() >= 4 && Text[2] == '\0' && Text[3] == '=')
            return ctkFormula;
        return ctkWideText;
    }
    if (StartsWith(Text, "{\\"))
        return ctkRichText;
    if (DetectHTML) {
        // A tag opener: "</", "<B", "<I" or "<C" anywhere in the text.
        for (std::size_t i = Text.find('<'); i != std::string_view::npos && i + 1 < Text.size();
             i = Text.find('<', i + 1)) {
            const char next = Text[i + 1];
            if (next == '/' || next == 'B' || next == 'I' || next == 'C')
                return ctkHTML;
        }
    }
    return ctkPlain;
}

int GetNumberKind(std::string_view Text)
{
    if (Text.empty())
        return nkNotANumber;
    const std::u32string chars = ToCodePoints(Text);
    const char32_t th = ThousandSeparatorChar();
    const char32_t dec = DecimalSeparatorChar();
    const std::size_t n = chars.size();

    bool isInteger = true, isDecimal = true, isExponent = true, hasE = false;
    std::size_t lastThousand = 0;  // 1-based position, 0 = none yet
    int decimals = 0, minuses = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const char32_t c = chars[i - 1];
        const bool num = IsNumberCodePoint(c);
        if (!num && c != U'-')
            isInteger = false;
        if (IsE(c)) {
            if (hasE)
                isExponent = false;
            hasE = true;
        }
        if (i > 1 && c == U'-')
            isInteger = isDecimal = false;
        if (i == 1 && IsE(c))
            isExponent = false;
        if (i == n && (IsE(c) || c == U'+' || c == U'-'))
            isExponent = false;
        if (!num && c != U'-' && c != th && c != dec)
            isDecimal = false;
        if (c == th || !(num || c == th || c == dec || IsE(c) || c == U'+' || c == U'-'))
            isExponent = false;
        if (c == th) {
            if (lastThousand != 0 && i - lastThousand < 4)
                isDecimal = false;
            lastThousand = i;
        }
        if (c == dec)
            ++decimals;
        if (c == U'-')
            ++minuses;
    }

    int kind = nkNotANumber;
    if (isInteger) {
        kind = nkInteger;
    } else if (isDecimal && !hasE) {
        kind = nkDecimal;
    } else if (isExponent && hasE) {
        kind = nkExponent;
        if (minuses == 2)
            minuses = 1;  // one sign for the number, one for the exponent
    }
    if (minuses > 1 || decimals > 1)
        kind = nkNotANumber;
    return kind;
}

std::string CleanNumberText(std::string_view Text)
{
    if (Text.empty())
        return {};
    const std::string trimmed = rtl::Trim(Text);
    std::u32string chars = ToCodePoints(trimmed);
    const char32_t dec = DecimalSeparatorChar();
    const std::u32string th = ToCodePoints(rtl::Regional().ThousandSeparator);
    const char32_t thFirst = th.empty() ? kNoSeparator : th.front();

    bool negative = !chars.empty() && chars.front() == U'(' && chars.back() == U')';
    std::size_t i = 0;
    while (chars.size() - i >= 2) {
        const char32_t c = chars[i];
        if (IsNumberCodePoint(c) || c == thFirst || c == dec || IsE(c))
            break;
        if (c == U'-')
            negative = true;
        ++i;
    }

    std::string out;
    if (negative)
        out += '-';
    while (i < chars.size()) {
        const char32_t c = chars[i];
        if (!th.empty() && chars.compare(i, th.size(), th) == 0) {
            i += th.size();
            continue;
        }
        if (c == dec) {
            out += '.';
        } else if (IsNumberCodePoint(c) || c == U'-' || c == U'.' || IsE(c) || c == U'+') {
            out += Utf8Of(c);
        } else {
            break;
        }
        ++i;
    }
    return out;
}

namespace {

// Splits "a<sep>b<sep>c" with the first of "/", "." and "-" that occurs; false when the text has
// no such separator twice or a part is not an integer.
bool SplitShortDate(std::string_view Text, int& first, int& second, int& third)
{
    char sep = 0;
    for (char c : {'/', '.', '-'}) {
        if (Text.find(c) != std::string_view::npos) {
            sep = c;
            break;
        }
    }
    if (sep == 0)
        return false;
    const auto p1 = Text.find(sep);
    const auto p2 = Text.find(sep, p1 + 1);
    if (p2 == std::string_view::npos)
        return false;
    return rtl::TryStrToInt(Text.substr(0, p1), first) && rtl::TryStrToInt(Text.substr(p1 + 1, p2 - p1 - 1), second) &&
           rtl::TryStrToInt(Text.substr(p2 + 1), third);
}

rtl::TDateTime EncodeShortDate(int year, int month, int day)
{
    year += year <= 25 ? 2000 : 1900;
    rtl::TDateTime result = 0;
    return rtl::TryEncodeDate(year, month, day, result) ? result : 0;
}

}  // namespace

rtl::TDateTime ParseShortDateEU(std::string_view Text)
{
    int d = 0, m = 0, y = 0;
    return SplitShortDate(Text, d, m, y) ? EncodeShortDate(y, m, d) : 0;
}

rtl::TDateTime ParseShortDateUS(std::string_view Text)
{
    int d = 0, m = 0, y = 0;
    return SplitShortDate(Text, m, d, y) ? EncodeShortDate(y, m, d) : 0;
}

bool HasDateSeparators(std::string_view Text)
{
    const char sep = rtl::Regional().DateSeparator;
    const auto first = Text.find(sep);
    if (first == std::string_view::npos || first < 1)
        return false;
    return Text.find(sep, first + 2) != std::string_view::npos;
}

rtl::TDateTime IncDateBy(int Years, int Months, int Days, rtl::TDateTime Date, double Step)
{
    int y = 0, m = 0, d = 0;
    rtl::DecodeDate(Date, y, m, d);
    auto encode = [](int year, int month, int day) {
        return rtl::EncodeDate(year, month, std::min(day, rtl::DaysInAMonth(year, month)));
    };
    if (Days != 0 && Months == 0 && Years == 0)
        return Date + Days;
    if (Years != 0 && Months == 0 && Days == 0)
        return encode(y + Years, m, d);
    if (Months != 0 && Years == 0 && Days == 0) {
        m += Months;
        if (m <= 0) {
            m += 12;
            --y;
        } else if (m > 12) {
            m -= 12;
            ++y;
        }
        return encode(y, m, d);
    }
    return Date + Step;
}

std::string EncodeWideCellText(std::u16string_view W)
{
    std::string out = "|\\";
    for (char16_t c : W) {
        rtl::AppendUtf8(out, c >> 8);
        rtl::AppendUtf8(out, c & 0xFF);
    }
    return out;
}

std::u16string DecodeWideCellText(std::string_view S)
{
    if (!StartsWith(S, "|\\"))
        return Utf8ToUtf16(S);
    const std::u32string chars = ToCodePoints(S.substr(2));
    std::u16string out;
    out.reserve(chars.size() / 2);
    for (std::size_t i = 0; i + 1 < chars.size(); i += 2)
        out += static_cast<char16_t>(((chars[i] & 0xFF) << 8) | (chars[i + 1] & 0xFF));
    return out;
}

std::string MixedCase(std::string_view Text)
{
    const std::u32string chars = ToCodePoints(Text);
    const std::size_t n = chars.size();
    std::u32string result;
    bool capitalise = true;
    for (std::size_t i = 1; i <= n; ++i) {
        const char32_t c = chars[i - 1];
        if (c == U' ' || c == U'\'' || c == U',' || c == U'-' || c == U'.') {
            capitalise = true;
            result += c;
        } else {
            const std::string one = Utf8Of(c);
            const std::string cased = capitalise ? rtl::AnsiUpperCase(one) : rtl::AnsiLowerCase(one);
            result += ToCodePoints(cased);
            capitalise = false;
        }
        // Name prefixes and Roman numerals keep the next letter capital: "McDonald", "Henry III".
        const auto mc = result.find(U" Mc");
        if ((i == 2 && result == U"Mc") || (mc != std::u32string::npos && mc + 3 == i && i > 2))
            capitalise = true;
        auto endsWith = [&](std::u32string_view tail) {
            return result.size() >= tail.size() && result.compare(result.size() - tail.size(), tail.size(), tail) == 0;
        };
        if (i + 2 >= n && (endsWith(U" I") || endsWith(U" II")))
            capitalise = true;
    }
    std::string out;
    for (char32_t c : result)
        rtl::AppendUtf8(out, static_cast<int>(c));
    return out;
}

bool ParseCellRef(std::string_view Text, ui::TPoint& P)
{
    const std::string s = rtl::UpperCase(Text);
    if (s.size() <= 3 || s[0] != 'R')
        return false;
    const std::string_view rest = std::string_view(s).substr(1);
    const auto c = rest.find('C');
    if (c == std::string_view::npos)
        return false;
    int row = 0, col = 0;
    if (!rtl::TryStrToInt(rest.substr(0, c), row) || !rtl::TryStrToInt(rest.substr(c + 1), col))
        return false;
    P = ui::TPoint(col, row);
    return true;
}

bool IsURL(std::string_view Text)
{
    return Text.find("://") != std::string_view::npos || Text.find("mailto:") != std::string_view::npos;
}

void StripURLProtocol(std::string& Text)
{
    auto p = Text.find("://");
    if (p != std::string::npos) {
        Text.erase(0, p + 3);
        return;
    }
    p = Text.find("mailto:");
    if (p != std::string::npos)
        Text.erase(0, p + 7);
}

bool InsertURLLink(std::string_view Text, std::string_view Prefix, std::string& Result)
{
    if (rtl::UpperCase(Text).find(Prefix) == std::string::npos)
        return false;
    std::string s = rtl::ReplaceStr(rtl::ReplaceStr(Text, "<", "&lt;"), ">", "&gt;");
    const auto f = rtl::UpperCase(s).find(Prefix);
    if (f == std::string::npos)
        return false;  // the prefix itself held "<" or ">"
    auto inAddress = [](unsigned char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               std::string_view("%()-./:@\\_{}").find(static_cast<char>(c)) != std::string_view::npos;
    };
    std::size_t end = f;
    while (end < s.size() && inAddress(static_cast<unsigned char>(s[end])))
        ++end;
    const std::string address = s.substr(f, end - f);
    s.insert(end, "</a>");
    s.insert(f, "<a href=\"" + address + "\">");
    Result = std::move(s);
    return true;
}

}  // namespace gx
