#include "grid/base/VozEdidFilter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>
#include <vector>

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace gx {

namespace {

void toChars(std::string_view s, std::u32string& out)
{
    out.clear();
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const auto ch = static_cast<unsigned char>(s[pos]);
        if (ch < 0x80) {
            out += static_cast<char32_t>(ch);
            ++pos;
            continue;
        }
        const int cp = rtl::DecodeUtf8(s, pos);
        out += static_cast<char32_t>(cp < 0 ? 0xFFFD : cp);
    }
}

std::u32string toChars(std::string_view s)
{
    std::u32string out;
    toChars(s, out);
    return out;
}

bool isAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0x80) == 0; });
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

bool isPlainNumberChar(char ch)
{
    return (ch >= '0' && ch <= '9') || ch == '.' || ch == '-';
}

// A text of digits, points and minus signs alone (of a length a number may have).
bool isPlainNumberText(std::string_view text)
{
    return !text.empty() && text.size() <= 64 && std::all_of(text.begin(), text.end(), isPlainNumberChar);
}

// Whether the decimal separator leaves a plain number text's point a decimal point.
bool decimalKeepsPlainText(const rtl::TFormatSettings& fs)
{
    return !(fs.DecimalSeparator >= '0' && fs.DecimalSeparator <= '9') && fs.DecimalSeparator != '-';
}

// The whole text read straight as a number.
bool readStraight(std::string_view text, double& value)
{
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    value = v;
    return true;
}

// Digits with a minus and a point are what NormalizeNumberText leaves as they are (unless the
// thousand separator is among them): such a text is read straight, the rest normalised first.
bool readNumber(std::string_view text, double& value)
{
    static const rtl::TFormatSettings kPoint = rtl::TFormatSettings::Neutral();
    const rtl::TFormatSettings& fs = rtl::Regional();
    const bool plain = isPlainNumberText(text) &&
                       (fs.ThousandSeparator.empty() || text.find(fs.ThousandSeparator) == std::string_view::npos) &&
                       decimalKeepsPlainText(fs);
    if (plain && readStraight(text, value))
        return true;
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

// A comparison operand read once: its text and how compareOperand reads it (a date, a number).
struct PreparedOperand {
    bool Ok = false;  // not longer than the operand limit
    std::u32string Text;
    bool IsDate = false;
    rtl::TDateTime Date = 0;
    bool IsNumber = false;
    double Number = 0;
};

PreparedOperand prepareOperand(std::u32string_view text, std::size_t at)
{
    PreparedOperand o;
    o.Ok = readOperand(text, at, o.Text);
    const std::string utf8 = toUtf8(o.Text);
    o.IsDate = ParseLocaleDateTime(utf8, o.Date);
    o.IsNumber = readNumber(utf8, o.Number);
    return o;
}

// The text being matched, read as compareOperand reads it, each reading made when first needed.
// Its characters are decoded from Source into Room on first use (a numeric comparison never needs
// them); an ASCII text's characters are its bytes.
struct PreparedValue {
    std::string_view Utf8;
    bool Ascii = false;
    std::string_view Source;
    std::u32string* Room = nullptr;
    bool* RoomReady = nullptr;
    signed char IsDate = -1;
    rtl::TDateTime Date = 0;
    signed char IsNumber = -1;
    double Number = 0;

    std::u32string_view Chars()
    {
        if (!*RoomReady) {
            toChars(Source, *Room);
            *RoomReady = true;
        }
        return *Room;
    }

    bool SameChars(std::u32string_view pattern)
    {
        if (!Ascii)
            return pattern == Chars();
        if (pattern.size() != Utf8.size())
            return false;
        for (std::size_t i = 0; i < pattern.size(); ++i)
            if (pattern[i] != static_cast<unsigned char>(Utf8[i]))
                return false;
        return true;
    }
};

// The readings of a text of digits, points and minus signs alone, made in one look where the
// regional settings allow: such a text holds no date separator that is none of those characters,
// so it is no date; and readNumber reads it straight when the thousand separator cannot be in it.
// Answers kNotPlain for any other text, kPlainText when it is no date but its number is left to
// readNumber, kPlainNumber with number read.
enum PlainReading { kNotPlain, kPlainText, kPlainNumber };

PlainReading readPlainNumber(std::string_view t, double& number)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    if (!isPlainNumberText(t) || isPlainNumberChar(fs.DateSeparator))
        return kNotPlain;
    if ((!fs.ThousandSeparator.empty() && isPlainNumberChar(fs.ThousandSeparator[0])) || !decimalKeepsPlainText(fs))
        return kPlainText;
    return readStraight(t, number) ? kPlainNumber : kPlainText;
}

// readPlainNumber into the text's readings; whatever is left undecided goes to the general readers.
void readPlainText(PreparedValue& v)
{
    double number = 0;
    const PlainReading reading = readPlainNumber(v.Utf8, number);
    if (reading == kNotPlain)
        return;
    v.IsDate = 0;
    if (reading == kPlainNumber) {
        v.IsNumber = 1;
        v.Number = number;
    }
}

// compareOperand with both sides read before.
int comparePrepared(PreparedValue& v, const PreparedOperand& o)
{
    if (v.IsDate < 0) {
        readPlainText(v);
        if (v.IsDate < 0)
            v.IsDate = ParseLocaleDateTime(v.Utf8, v.Date) ? 1 : 0;
    }
    if (!v.IsDate && !o.IsDate) {
        if (v.IsNumber < 0)
            v.IsNumber = readNumber(v.Utf8, v.Number) ? 1 : 0;
        if (v.IsNumber && o.IsNumber)
            return v.Number < o.Number ? -1 : (v.Number > o.Number ? 1 : 0);
    }
    if (v.IsDate && o.IsDate)
        return v.Date < o.Date ? -1 : (v.Date > o.Date ? 1 : 0);
    const std::size_t limit = kFilterOperandMax;
    return v.Chars().substr(0, limit).compare(std::u32string_view(o.Text).substr(0, limit));
}

// What a whole condition's comparison part needs, read from the condition once.
struct PreparedCondition {
    std::size_t Gt = std::u32string::npos, Lt = std::u32string::npos, No = std::u32string::npos;
    bool GtInclusive = false, LtInclusive = false;
    PreparedOperand GtOperand, LtOperand;
    bool Caret = false, Amp = false;
    bool Literal = false;  // no wildcard, negation or quote: the pattern matches only itself
};

PreparedCondition prepareCondition(std::u32string_view c)
{
    PreparedCondition p;
    p.Gt = c.find(U'>');
    p.Lt = c.find(U'<');
    p.No = c.find(U'!');
    const auto operandAfter = [&c](std::size_t at, bool& inclusive) {
        inclusive = at + 1 < c.size() && c[at + 1] == U'=';
        return prepareOperand(c, at + 1 + (inclusive ? 1 : 0));
    };
    if (p.Gt != std::u32string::npos)
        p.GtOperand = operandAfter(p.Gt, p.GtInclusive);
    if (p.Lt != std::u32string::npos)
        p.LtOperand = operandAfter(p.Lt, p.LtInclusive);
    p.Caret = c.find(U'^') != std::u32string::npos;
    p.Amp = c.find(U'&') != std::u32string::npos;
    p.Literal = c.find_first_of(U"*?!\"") == std::u32string::npos;
    return p;
}

// One condition matched against one text. Patterns with "*" try the rest of the pattern against
// every suffix of the text; each try is a whole condition of its own, and the answers are kept
// per (pattern position, text position) so that many stars cost no more than the pairs.
class ConditionMatcher {
public:
    ConditionMatcher(std::u32string_view pattern, std::u32string_view text) : p_(pattern), s_(text) {}

    bool Match() { return evaluate(0, 0); }

    // The whole condition with its comparison part read before (cond, for the pattern the matcher
    // holds) and the text's readings in value; the text the matcher was made with is not read.
    bool Match(const PreparedCondition& cond, PreparedValue& value)
    {
        int decided = 0;
        if (!preparedComparisons(cond, value, decided))
            return false;
        if (decided)
            return decided > 0;
        if (cond.Literal)
            return value.SameChars(p_);
        s_ = value.Chars();
        return wildcard(0, 0);
    }

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

    // comparisons(0, 0) from the prepared condition.
    bool preparedComparisons(const PreparedCondition& c, PreparedValue& v, int& decided)
    {
        constexpr auto npos = std::u32string::npos;
        if (c.Gt == npos && c.Lt == npos && c.No == npos)
            return true;
        bool greater = true, less = true, hasGreater = false, hasLess = false;
        const auto compare = [&](const PreparedOperand& o, bool inclusive, bool wantGreater, bool& result) {
            if (!o.Ok)
                return false;
            const int cmp = comparePrepared(v, o);
            result = wantGreater ? (inclusive ? cmp >= 0 : cmp > 0) : (inclusive ? cmp <= 0 : cmp < 0);
            return true;
        };
        if (c.Gt != npos) {
            if (!compare(c.GtOperand, c.GtInclusive, true, greater))
                return false;
            hasGreater = true;
        }
        if (c.Lt != npos) {
            if (!compare(c.LtOperand, c.LtInclusive, false, less))
                return false;
            hasLess = true;
        }
        if (c.No != npos) {
            hasGreater = hasGreater || c.Gt == npos;
            hasLess = hasLess || c.Lt == npos;
        }
        if (c.Caret && (hasGreater || hasLess))
            decided = greater || less ? 1 : -1;
        else if (c.Amp && hasGreater && hasLess)
            decided = greater && less ? 1 : -1;
        else if ((c.Gt != npos && greater) || (c.Lt != npos && less))
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

    std::u32string_view p_, s_;
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
    const std::size_t sep1 = Text.find(fs.DateSeparator);
    if (sep1 == std::string_view::npos)
        return false;
    const std::size_t sep2 = Text.find(fs.DateSeparator, sep1 + 1);
    if (sep2 == std::string_view::npos)
        return false;
    // The order of day, month and year in the short date format.
    const std::string format = rtl::UpperCase(fs.ShortDateFormat);
    std::array<std::pair<std::size_t, char>, 3> order{
        {{format.find('D'), 'D'}, {format.find('M'), 'M'}, {format.find('Y'), 'Y'}}};
    std::sort(order.begin(), order.end());
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
    // The matcher holds views: the characters live here for as long as it runs.
    const std::u32string pattern = toChars(Condition), value = toChars(Value);
    ConditionMatcher matcher(pattern, value);
    return matcher.Match();
}

bool MatchFilterTerm(std::string_view Condition, std::string_view Value, bool CaseSensitive)
{
    if (CaseSensitive)
        return MatchFilterCondition(Condition, Value);
    return MatchFilterCondition(rtl::AnsiUpperCase(Condition), rtl::AnsiUpperCase(Value));
}

// The expression as MatchFilterExpression walks it: each step a condition, a group or a group that
// is never closed (the expression matches nothing), combined with the result so far by the
// operator before it.
struct TFilterMatcher::Step {
    enum Kind { kTerm, kGroup, kUnclosed } kind = kTerm;
    char op = 0;
    std::size_t term = 0;
    std::unique_ptr<Expression> group;
};

struct TFilterMatcher::Expression {
    std::vector<Step> steps;
};

struct TFilterMatcher::Term {
    std::u32string pattern;
    PreparedCondition condition;
};

TFilterMatcher::TFilterMatcher(std::string_view Filter, bool CaseSensitive) : caseSensitive_(CaseSensitive)
{
    root_ = std::make_unique<Expression>(Read(Filter));
    PrepareNumberTest();
}

// A filter of one condition that is one comparison with a number (">=500000", "<-2.5"), with no
// pattern characters, negation or second comparison. A text that readPlainNumber reads as a number
// is no date, so the general path compares the two numbers; when that comparison fails it tries the
// condition as a literal, which such a text never equals (the condition holds a "<" or ">"). So
// the numbers' comparison alone is the answer.
void TFilterMatcher::PrepareNumberTest()
{
    constexpr auto npos = std::u32string::npos;
    if (root_->steps.size() != 1 || root_->steps[0].kind != Step::kTerm)
        return;
    const PreparedCondition& c = terms_[root_->steps[0].term]->condition;
    if ((c.Gt == npos) == (c.Lt == npos) || c.No != npos || c.Caret || c.Amp || !c.Literal)
        return;
    const bool greater = c.Gt != npos;
    const PreparedOperand& o = greater ? c.GtOperand : c.LtOperand;
    if (!o.Ok || o.IsDate || !o.IsNumber)
        return;
    numberTest_ = NumberTest{greater, greater ? c.GtInclusive : c.LtInclusive, o.Number};
}

bool TFilterMatcher::NumberTest::Passes(double Value) const
{
    if (Greater)
        return Inclusive ? !(Value < Operand) : Value > Operand;
    return Inclusive ? !(Value > Operand) : Value < Operand;
}

TFilterMatcher::~TFilterMatcher() = default;

TFilterMatcher::Expression TFilterMatcher::Read(std::string_view Filter)
{
    Expression e;
    std::string rest = RemoveBlanksOutsideQuotes(rtl::Trim(Filter));
    if (!rest.empty() && rest[0] == '=')
        rest.erase(0, 1);
    char op = 0;
    while (true) {
        int pos = -1;
        const char found = FindOperatorOutsideQuotes("(;^&|", rest, pos);
        if (!found)
            break;
        Step step;
        step.op = op;
        if (rest[0] == '(') {
            const int close = FindClosingParenthesis(rest);
            if (close == 0) {
                step.kind = Step::kUnclosed;
                e.steps.push_back(std::move(step));
                return e;
            }
            step.kind = Step::kGroup;
            step.group = std::make_unique<Expression>(
                Read(std::string_view(rest).substr(1, static_cast<std::size_t>(close) - 2)));
            rest.erase(0, static_cast<std::size_t>(close));
        } else {
            step.term = AddTerm(std::string_view(rest).substr(0, static_cast<std::size_t>(pos)));
            rest.erase(0, static_cast<std::size_t>(pos) + 1);
        }
        e.steps.push_back(std::move(step));
        op = found;
    }
    Step last;
    last.op = op;
    last.term = AddTerm(rest);
    e.steps.push_back(std::move(last));
    return e;
}

std::size_t TFilterMatcher::AddTerm(std::string_view Condition)
{
    auto term = std::make_unique<Term>();
    term->pattern = toChars(caseSensitive_ ? std::string(Condition) : rtl::AnsiUpperCase(Condition));
    term->condition = prepareCondition(term->pattern);
    terms_.push_back(std::move(term));
    return terms_.size() - 1;
}

bool TFilterMatcher::Evaluate(const Expression& e)
{
    bool result = false;
    for (const Step& step : e.steps) {
        if (step.kind == Step::kUnclosed)
            return false;
        // A step that cannot change the result is not evaluated (matching has no side effects).
        switch (step.op) {
        case 0:
            break;
        case '(':
            continue;  // the empty condition between a group and the operator after it
        case '&':
            if (!result)
                continue;
            break;
        default:
            if (result)
                continue;
            break;
        }
        bool term = false;
        if (step.kind == Step::kGroup) {
            term = Evaluate(*step.group);
        } else {
            const Term& t = *terms_[step.term];
            ConditionMatcher matcher(t.pattern, {});
            PreparedValue value;
            value.Utf8 = utf8View_;
            value.Ascii = ascii_;
            value.Source = text_;
            value.Room = &chars_;
            value.RoomReady = &charsReady_;
            term = matcher.Match(t.condition, value);
        }
        result = step.op == '&' ? result && term : (step.op == 0 ? term : result || term);
    }
    return result;
}

bool TFilterMatcher::Match(std::string_view Value)
{
    double number = 0;
    if (numberTest_ && readPlainNumber(Value, number) == kPlainNumber)
        return numberTest_->Passes(number);
    // The text as each condition sees it: upper-cased by the regional rules unless CaseSensitive,
    // as characters (decoded when a condition first needs them), and as UTF-8 of those characters
    // (invalid bytes read as U+FFFD).
    std::string_view text = Value;
    const bool ascii = isAscii(Value);
    if (!caseSensitive_) {
        if (!ascii) {
            upper_ = rtl::AnsiUpperCase(Value);
            text = upper_;
        } else if (std::any_of(Value.begin(), Value.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; })) {
            upper_.assign(Value);
            for (char& ch : upper_)
                if (ch >= 'a' && ch <= 'z')
                    ch = static_cast<char>(ch - 32);
            text = upper_;
        }
    }
    text_ = text;
    charsReady_ = false;
    ascii_ = ascii || isAscii(text);
    if (ascii_ || rtl::IsValidUtf8(text)) {
        utf8View_ = text;
    } else {
        toChars(text, chars_);
        charsReady_ = true;
        utf8_ = toUtf8(chars_);
        utf8View_ = utf8_;
    }
    return Evaluate(*root_);
}

bool MatchFilterExpression(std::string_view Filter, std::string_view Value, bool CaseSensitive)
{
    return TFilterMatcher(Filter, CaseSensitive).Match(Value);
}

}  // namespace gx
