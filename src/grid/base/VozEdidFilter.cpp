#include "grid/base/VozEdidFilter.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"

namespace gx {

namespace {

std::u32string toChars(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const int cp = rtl::DecodeUtf8(s, pos);
        out += static_cast<char32_t>(cp < 0 ? 0xFFFD : cp);
    }
    return out;
}

std::string toUtf8(std::u32string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s)
        rtl::AppendUtf8(out, static_cast<int>(c));
    return out;
}

// Reads the operand that starts at text[at] (just after its operator and "="). Blanks before it
// are skipped; it ends at a blank, "&" or "|" standing outside the double quotes it holds. A
// leading double quote is skipped, a trailing one dropped. Empty optional when the operand is
// longer than the operand limit.
bool readOperand(std::u32string_view text, std::size_t at, std::u32string& operand)
{
    while (at < text.size() && text[at] == U' ')
        ++at;
    operand.clear();
    int quotes = 0;
    if (at < text.size() && text[at] == U'"') {
        ++quotes;
        ++at;
    }
    for (; at < text.size(); ++at) {
        const char32_t c = text[at];
        const bool outside = quotes % 2 == 0;
        if (outside && (c == U' ' || c == U'&' || c == U'|'))
            break;
        if (c == U'"')
            ++quotes;
        operand += c;
    }
    if (!operand.empty() && operand.back() == U'"')
        operand.pop_back();
    return operand.size() <= static_cast<std::size_t>(kFilterOperandMax);
}

bool readNumber(std::string_view text, double& value)
{
    static const rtl::TFormatSettings kPoint = rtl::TFormatSettings::Neutral();
    return rtl::TryStrToFloat(NormalizeNumberText(text), value, kPoint);
}

// Value compared with the operand: <0, 0, >0. As numbers when both read as numbers and neither is
// a date, else as date-times when both are, else character by character over at most the operand
// limit.
int compareOperand(std::u32string_view value, std::u32string_view operand)
{
    const std::string v = toUtf8(value), o = toUtf8(operand);
    rtl::TDateTime vd = 0, od = 0;
    const bool vDate = ParseLocaleDateTime(v, vd), oDate = ParseLocaleDateTime(o, od);
    double vn = 0, on = 0;
    if (!vDate && !oDate && readNumber(v, vn) && readNumber(o, on))
        return vn < on ? -1 : (vn > on ? 1 : 0);
    if (vDate && oDate)
        return vd < od ? -1 : (vd > od ? 1 : 0);
    const std::size_t limit = kFilterOperandMax;
    return value.substr(0, limit).compare(operand.substr(0, limit));
}

// One condition matched against one text. Patterns with "*" try the rest of the pattern against
// every suffix of the text; each try is a whole condition of its own, and the answers are kept
// per (pattern position, text position) so that many stars cost no more than the pairs.
class ConditionMatcher {
public:
    ConditionMatcher(std::u32string pattern, std::u32string text) : p_(std::move(pattern)), s_(std::move(text)) {}

    bool Match() { return evaluate(0, 0); }

private:
    // A whole condition from pattern position pi against the text from si; remembered.
    bool Condition(std::size_t pi, std::size_t si)
    {
        signed char& known = memo(pi, si);
        if (known < 0)
            known = evaluate(pi, si) ? 1 : 0;
        return known == 1;
    }

    signed char& memo(std::size_t pi, std::size_t si)
    {
        if (memo_.empty())
            memo_.assign((p_.size() + 1) * (s_.size() + 1), -1);
        return memo_[pi * (s_.size() + 1) + si];
    }

    bool evaluate(std::size_t pi, std::size_t si)
    {
        int decided = 0;
        if (!comparisons(pi, si, decided))
            return false;
        if (decided)
            return decided > 0;
        return wildcard(pi, si);
    }

    // The comparison part of a condition: sets decided to 1 (match) when it decides; false when
    // an operand is too long, which never matches.
    bool comparisons(std::size_t pi, std::size_t si, int& decided)
    {
        const std::u32string_view c = std::u32string_view(p_).substr(pi);
        const std::u32string_view v = std::u32string_view(s_).substr(si);
        const std::size_t gt = c.find(U'>'), lt = c.find(U'<'), no = c.find(U'!');
        if (gt == std::u32string_view::npos && lt == std::u32string_view::npos && no == std::u32string_view::npos)
            return true;
        bool greater = true, less = true, hasGreater = false, hasLess = false;
        std::u32string operand;
        const auto compareAfter = [&](std::size_t at, bool wantGreater, bool& result) {
            const bool inclusive = at + 1 < c.size() && c[at + 1] == U'=';
            if (!readOperand(c, at + 1 + (inclusive ? 1 : 0), operand))
                return false;
            const int cmp = compareOperand(v, operand);
            result = wantGreater ? (inclusive ? cmp >= 0 : cmp > 0) : (inclusive ? cmp <= 0 : cmp < 0);
            return true;
        };
        if (gt != std::u32string_view::npos) {
            if (!compareAfter(gt, true, greater))
                return false;
            hasGreater = true;
        }
        if (lt != std::u32string_view::npos) {
            if (!compareAfter(lt, false, less))
                return false;
            hasLess = true;
        }
        if (no != std::u32string_view::npos) {
            hasGreater = hasGreater || gt == std::u32string_view::npos;
            hasLess = hasLess || lt == std::u32string_view::npos;
        }
        if (c.find(U'^') != std::u32string_view::npos && (hasGreater || hasLess))
            decided = greater || less ? 1 : -1;
        else if (c.find(U'&') != std::u32string_view::npos && hasGreater && hasLess)
            decided = greater && less ? 1 : -1;
        else if ((gt != std::u32string_view::npos && greater) || (lt != std::u32string_view::npos && less))
            decided = 1;
        return true;
    }

    bool wildcard(std::size_t i, std::size_t j)
    {
        bool match = true, negate = false;
        while (match && !(i == p_.size() && j == s_.size())) {
            const char32_t pc = i < p_.size() ? p_[i] : 0;
            if (i < p_.size() && pc == U'!') {
                negate = true;
                ++i;
            } else if (i < p_.size() && pc == U'"') {
                ++i;
            } else if (i < p_.size() && pc == U'*') {
                while (i < p_.size() && p_[i] == U'*')
                    ++i;
                match = false;
                for (std::size_t k = s_.size() + 1; k-- > j;)
                    if (Condition(i, k)) {
                        match = true;
                        break;
                    }
                if (match)
                    i = p_.size(), j = s_.size();
            } else if (i < p_.size() && pc == U'?') {
                match = j < s_.size();
                if (match)
                    ++i, ++j;
            } else {
                match = i < p_.size() && j < s_.size() && pc == s_[j];
                if (match)
                    ++i, ++j;
            }
        }
        return match != negate;
    }

    std::u32string p_, s_;
    std::vector<signed char> memo_;
};

}  // namespace

char FindOperatorOutsideQuotes(std::string_view Chars, std::string_view Text, int& Pos)
{
    int quotes = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '"')
            ++quotes;
        else if (quotes % 2 == 0 && Chars.find(Text[i]) != std::string_view::npos) {
            Pos = static_cast<int>(i);
            return Text[i];
        }
    }
    Pos = -1;
    return 0;
}

std::string RemoveBlanksOutsideQuotes(std::string_view Text)
{
    std::string out;
    int quotes = 0;
    for (char c : Text) {
        if (c == '"')
            ++quotes;
        if (c != ' ' || quotes % 2 == 1)
            out += c;
    }
    return out;
}

int FindClosingParenthesis(std::string_view Text)
{
    int open = 0, close = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '(')
            ++open;
        else if (Text[i] == ')')
            ++close;
        else
            continue;
        if (open == close)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string NormalizeNumberText(std::string_view Text)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    std::string out;
    out.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size();) {
        if (Text[i] == fs.DecimalSeparator) {
            out += '.';
            ++i;
        } else if (!fs.ThousandSeparator.empty() &&
                   Text.substr(i, fs.ThousandSeparator.size()) == fs.ThousandSeparator) {
            i += fs.ThousandSeparator.size();
        } else {
            out += Text[i++];
        }
    }
    return out;
}

namespace {

bool readField(std::string_view text, int& value)
{
    return rtl::TryStrToInt(rtl::Trim(text), value);
}

// "h:m" or "h:m:s" with the regional time separator; false when the text holds no separator or a
// part is out of range.
bool readTime(std::string_view text, char sep, int& h, int& m, int& s)
{
    h = m = s = 0;
    const std::size_t first = text.find(sep);
    if (first == std::string_view::npos)
        return false;
    const std::size_t second = text.find(sep, first + 1);
    if (!readField(text.substr(0, first), h) || h > 23 || h < 0)
        return false;
    if (second == std::string_view::npos)
        return readField(text.substr(first + 1), m) && m >= 0 && m <= 59;
    return readField(text.substr(first + 1, second - first - 1), m) && m >= 0 && m <= 59 &&
           readField(text.substr(second + 1), s) && s >= 0 && s <= 60;
}

}  // namespace

bool ParseLocaleDateTime(std::string_view Text, rtl::TDateTime& Value)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    // The order of day, month and year in the short date format.
    const std::string format = rtl::UpperCase(fs.ShortDateFormat);
    std::array<std::pair<std::size_t, char>, 3> order{
        {{format.find('D'), 'D'}, {format.find('M'), 'M'}, {format.find('Y'), 'Y'}}};
    std::sort(order.begin(), order.end());

    const std::size_t sep1 = Text.find(fs.DateSeparator);
    if (sep1 == std::string_view::npos)
        return false;
    const std::size_t sep2 = Text.find(fs.DateSeparator, sep1 + 1);
    if (sep2 == std::string_view::npos)
        return false;
    std::string rest = rtl::Trim(Text.substr(sep2 + 1));
    std::string timeText;
    if (const std::size_t blank = rest.find(' '); blank != std::string::npos) {
        timeText = rest.substr(blank);
        rest.erase(blank);
    }
    std::array<int, 3> fields{};
    if (!readField(Text.substr(0, sep1), fields[0]) || !readField(Text.substr(sep1 + 1, sep2 - sep1 - 1), fields[1]) ||
        !readField(rest, fields[2]))
        return false;
    int day = 0, month = 0, year = 0;
    for (std::size_t i = 0; i < 3; ++i)
        (order[i].second == 'D' ? day : order[i].second == 'M' ? month : year) = fields[i];
    if (day >= 32 || month > 12)
        return false;

    int h = 0, m = 0, s = 0;
    const bool timeOk = timeText.empty() || readTime(rtl::Trim(timeText), fs.TimeSeparator, h, m, s);
    if (!timeOk)
        h = m = s = 0;
    rtl::TDateTime date = 0, time = 0;
    if (!rtl::TryEncodeDate(year, month, day, date) || !rtl::TryEncodeTime(h, m, s, 0, time))
        return false;
    Value = date + time;
    return timeOk;
}

bool MatchFilterCondition(std::string_view Condition, std::string_view Value)
{
    ConditionMatcher matcher(toChars(Condition), toChars(Value));
    return matcher.Match();
}

bool MatchFilterTerm(std::string_view Condition, std::string_view Value, bool CaseSensitive)
{
    if (CaseSensitive)
        return MatchFilterCondition(Condition, Value);
    return MatchFilterCondition(rtl::AnsiUpperCase(Condition), rtl::AnsiUpperCase(Value));
}

bool MatchFilterExpression(std::string_view Filter, std::string_view Value, bool CaseSensitive)
{
    std::string rest = RemoveBlanksOutsideQuotes(rtl::Trim(Filter));
    if (!rest.empty() && rest[0] == '=')
        rest.erase(0, 1);

    bool result = false;
    char op = 0;
    const auto combine = [&](bool term) {
        switch (op) {
        case 0:
            result = term;
            break;
        case '&':
            result = result && term;
            break;
        case '(':
            break;  // the empty condition between a group and the operator after it
        default:
            result = result || term;
            break;
        }
    };
    while (true) {
        int pos = -1;
        const char found = FindOperatorOutsideQuotes("(;^&|", rest, pos);
        if (!found)
            break;
        bool term = false;
        if (rest[0] == '(') {
            const int close = FindClosingParenthesis(rest);
            if (close == 0)
                return false;  // a group that is never closed matches nothing
            term = MatchFilterExpression(std::string_view(rest).substr(1, static_cast<std::size_t>(close) - 2), Value,
                                         CaseSensitive);
            rest.erase(0, static_cast<std::size_t>(close));
        } else {
            term =
                MatchFilterTerm(std::string_view(rest).substr(0, static_cast<std::size_t>(pos)), Value, CaseSensitive);
            rest.erase(0, static_cast<std::size_t>(pos) + 1);
        }
        combine(term);
        op = found;
    }
    combine(MatchFilterTerm(rest, Value, CaseSensitive));
    return result;
}

}  // namespace gx
