#include "platform/rtl/Conversions.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "platform/rtl/ConvertHelpers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

using detail::DecimalDigits;

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Parses into an unsigned magnitude; maxHexDigits bounds hexadecimal input, maxDecimal decimal.
bool parseInteger(std::string_view s, int maxHexDigits, uint64_t maxPositive, uint64_t maxNegative, bool& negative,
                  uint64_t& magnitude, bool& hex)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return false;
    magnitude = 0;
    int count = 0;
    for (; i < s.size(); ++i) {
        if (hex) {
            int v = hexValue(s[i]);
            if (v < 0)
                return false;
            if (magnitude == 0 && v == 0)
                continue;  // leading zeros do not count
            if (++count > maxHexDigits)
                return false;
            magnitude = magnitude * 16 + static_cast<uint64_t>(v);
        } else {
            if (!IsDigit(s[i]))
                return false;
            uint64_t v = static_cast<uint64_t>(s[i] - '0');
            if (magnitude > (UINT64_MAX - v) / 10)
                return false;
            magnitude = magnitude * 10 + v;
            if (magnitude > (negative ? maxNegative : maxPositive))
                return false;
        }
    }
    return true;
}

// Number texts are normalised to the C notation before conversion, whatever the process locale is.
locale_t cLocale()
{
    static locale_t loc = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

std::string exponentText(int exp, bool alwaysSign, int minDigits)
{
    std::string e = std::to_string(std::abs(exp));
    if (static_cast<int>(e.size()) < minDigits)
        e.insert(0, static_cast<size_t>(minDigits) - e.size(), '0');
    if (exp < 0)
        return "E-" + e;
    return (alwaysSign ? "E+" : "E") + e;
}

std::string scientific(const DecimalDigits& d, int precision, int minExpDigits, bool alwaysSign, bool padDigits,
                       const TFormatSettings& fs)
{
    std::string digits = d.digits.empty() ? "0" : d.digits;
    if (padDigits && static_cast<int>(digits.size()) < precision)
        digits.append(static_cast<size_t>(precision) - digits.size(), '0');
    std::string r(1, digits[0]);
    if (digits.size() > 1)
        r += fs.DecimalSeparator + digits.substr(1);
    return r + exponentText(d.digits.empty() ? 0 : d.exponent - 1, alwaysSign, minExpDigits);
}

std::string generalFixed(const DecimalDigits& d, const TFormatSettings& fs)
{
    std::string intPart = detail::IntegerDigits(d);
    int fracCount = static_cast<int>(d.digits.size()) - d.exponent;
    if (fracCount <= 0)
        return intPart;
    return intPart + fs.DecimalSeparator + detail::FractionDigits(d, fracCount);
}

std::string currency(const std::string& amount, bool negative, const TFormatSettings& fs)
{
    const std::string& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 1:
            return amount + c;
        case 2:
            return c + " " + amount;
        case 3:
            return amount + " " + c;
        default:
            return c + amount;
        }
    }
    switch (fs.NegCurrFormat) {
    case 1:
        return "-" + c + amount;
    case 2:
        return c + "-" + amount;
    case 3:
        return c + amount + "-";
    case 4:
        return "(" + amount + c + ")";
    case 5:
        return "-" + amount + c;
    case 6:
        return amount + "-" + c;
    case 7:
        return amount + c + "-";
    case 8:
        return "-" + amount + " " + c;
    case 9:
        return "-" + c + " " + amount;
    case 10:
        return amount + " " + c + "-";
    case 11:
        return c + " " + amount + "-";
    case 12:
        return c + " -" + amount;
    case 13:
        return amount + "- " + c;
    case 14:
        return "(" + c + " " + amount + ")";
    case 15:
        return "(" + amount + " " + c + ")";
    default:
        return "(" + c + amount + ")";
    }
}

}  // namespace

std::string IntToStr(int64_t value)
{
    return std::to_string(value);
}

std::string IntToHex(int64_t value, int digits)
{
    uint64_t u = (value < 0 && value >= INT32_MIN) ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, u, 16);
    std::string r = UpperCase(std::string_view(buf, static_cast<size_t>(res.ptr - buf)));
    if (static_cast<int>(r.size()) < digits)
        r.insert(0, static_cast<size_t>(digits) - r.size(), '0');
    return r;
}

bool TryStrToInt64(std::string_view s, int64_t& value)
{
    bool neg = false, hex = false;
    uint64_t mag = 0;
    if (!parseInteger(s, 16, static_cast<uint64_t>(INT64_MAX), static_cast<uint64_t>(INT64_MAX) + 1, neg, mag, hex))
        return false;
    value = neg ? static_cast<int64_t>(0 - mag) : static_cast<int64_t>(mag);
    return true;
}

bool TryStrToInt(std::string_view s, int& value)
{
    bool neg = false, hex = false;
    uint64_t mag = 0;
    if (!parseInteger(s, 8, INT32_MAX, static_cast<uint64_t>(INT32_MAX) + 1, neg, mag, hex))
        return false;
    // Hexadecimal input covers the full 32 bits ($FFFFFFFF is -1).
    auto bits = static_cast<uint32_t>(mag);
    value = static_cast<int32_t>(neg ? 0u - bits : bits);
    return true;
}

int StrToInt(std::string_view s)
{
    return detail::ConvertOrRaise<int>(static_cast<bool (*)(std::string_view, int&)>(TryStrToInt), s,
                                       msg::InvalidInteger);
}

int64_t StrToInt64(std::string_view s)
{
    return detail::ConvertOrRaise<int64_t>(TryStrToInt64, s, msg::InvalidInteger);
}

int StrToIntDef(std::string_view s, int def)
{
    return detail::ConvertOrDefault<int>(static_cast<bool (*)(std::string_view, int&)>(TryStrToInt), s, def);
}

int64_t StrToInt64Def(std::string_view s, int64_t def)
{
    return detail::ConvertOrDefault(TryStrToInt64, s, def);
}

std::string FloatToStr(double value)
{
    return FloatToStr(value, Regional());
}
std::string FloatToStr(double value, const TFormatSettings& fs)
{
    return FloatToStrF(value, ffGeneral, 15, 0, fs);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    return FloatToStrF(value, format, precision, digits, Regional());
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs)
{
    std::string nonFinite = detail::NonFiniteText(value);
    if (!nonFinite.empty())
        return nonFinite;
    precision = std::clamp(precision, 1, 17);
    DecimalDigits d = detail::ToDecimal(value, precision);
    if (d.digits.empty())
        d.negative = false;  // zero is printed without a sign
    std::string sign = d.negative ? "-" : "";

    if (format == ffGeneral) {
        if (d.exponent > precision || d.exponent < -3)
            return sign + scientific(d, precision, std::clamp(digits, 0, 4), false, false, fs);
        return sign + generalFixed(d, fs);
    }
    if (format == ffExponent || d.exponent > precision)
        return sign + scientific(d, precision, std::clamp(digits, 0, 4), true, true, fs);

    digits = std::clamp(digits, 0, 18);
    detail::RoundToDecimals(d, digits);
    bool negative = d.negative && !d.digits.empty();
    std::string intPart = detail::IntegerDigits(d);
    if (format != ffFixed)
        intPart = detail::GroupThousands(intPart, fs.ThousandSeparator);
    std::string amount = intPart;
    if (digits > 0)
        amount += fs.DecimalSeparator + detail::FractionDigits(d, digits);
    if (format == ffCurrency)
        return currency(amount, negative, fs);
    return (negative ? "-" : "") + amount;
}

bool TryStrToFloat(std::string_view s, double& value)
{
    return TryStrToFloat(s, value, Regional());
}

bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& fs)
{
    size_t i = 0, n = s.size();
    while (i < n && s[i] == ' ')
        ++i;
    while (n > i && s[n - 1] == ' ')
        --n;
    std::string norm;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            norm += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool point = false;
    for (; i < n; ++i) {
        char c = s[i];
        if (IsDigit(c)) {
            norm += c;
            ++mantissaDigits;
        } else if (c == fs.DecimalSeparator && !point) {
            norm += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        norm += 'e';
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            norm += s[i++];
        int expDigits = 0;
        for (; i < n && IsDigit(s[i]); ++i, ++expDigits)
            norm += s[i];
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    // The shortest way through the text; what lies out of range takes the C library's reading, which
    // keeps an underflow as (nearly) zero.
    double v = 0;
    const auto [last, error] = std::from_chars(norm.data(), norm.data() + norm.size(), v);
    if (error == std::errc() && last == norm.data() + norm.size()) {
        value = v;
        return true;
    }
    errno = 0;
    char* end = nullptr;
    v = strtod_l(norm.c_str(), &end, cLocale());
    if (end != norm.c_str() + norm.size())
        return false;
    if (errno == ERANGE && std::isinf(v))
        return false;  // overflow; underflow reads as (nearly) zero
    value = v;
    return true;
}

double StrToFloat(std::string_view s)
{
    return StrToFloat(s, Regional());
}

double StrToFloat(std::string_view s, const TFormatSettings& fs)
{
    auto tryConvert = [&](std::string_view t, double& v) { return TryStrToFloat(t, v, fs); };
    return detail::ConvertOrRaise<double>(tryConvert, s, msg::InvalidFloat);
}

double StrToFloatDef(std::string_view s, double def)
{
    return StrToFloatDef(s, def, Regional());
}

double StrToFloatDef(std::string_view s, double def, const TFormatSettings& fs)
{
    auto tryConvert = [&](std::string_view t, double& v) { return TryStrToFloat(t, v, fs); };
    return detail::ConvertOrDefault(tryConvert, s, def);
}

std::string BoolToStr(bool value, bool useBoolStrs)
{
    if (useBoolStrs)
        return value ? "True" : "False";
    return value ? "-1" : "0";
}

bool TryStrToBool(std::string_view s, bool& value)
{
    if (SameText(s, "True")) {
        value = true;
        return true;
    }
    if (SameText(s, "False")) {
        value = false;
        return true;
    }
    double d = 0;
    TFormatSettings neutral = TFormatSettings::Neutral();
    if (TryStrToFloat(s, d, neutral)) {
        value = d != 0.0;
        return true;
    }
    return false;
}

bool StrToBool(std::string_view s)
{
    return detail::ConvertOrRaise<bool>(TryStrToBool, s, msg::InvalidBoolean);
}

bool StrToBoolDef(std::string_view s, bool def)
{
    return detail::ConvertOrDefault(TryStrToBool, s, def);
}

// Picture formats: up to three ';'-separated sections (positive; negative; zero).
std::string FormatFloat(std::string_view format, double value)
{
    return FormatFloat(format, value, Regional());
}

}  // namespace rtl
