#include "platform/rtl/FloatText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace rtl::detail {

DecimalDigits ToDecimal(double value, int precision)
{
    DecimalDigits d;
    precision = std::clamp(precision, 1, 17);
    d.negative = std::signbit(value);
    value = std::fabs(value);
    if (value == 0.0)
        return d;
    // 17 significant digits identify the double; rounding them to the precision wanted then goes
    // half away from zero on the decimal digits, so 0.125 shows as 0.13 and 1.005 as 1.01.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16);
    std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
    size_t e = s.find('e');
    for (size_t i = 0; i < e; ++i)
        if (s[i] != '.')
            d.digits += s[i];
    d.exponent = std::atoi(std::string(s.substr(e + 1)).c_str()) + 1;
    RoundToDecimals(d, precision - d.exponent);
    return d;
}

void RoundToDecimals(DecimalDigits& d, int decimals)
{
    int keep = d.exponent + decimals;  // number of digits that stay
    if (keep >= static_cast<int>(d.digits.size())) {
        while (!d.digits.empty() && d.digits.back() == '0')
            d.digits.pop_back();
        return;
    }
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[static_cast<size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

std::string IntegerDigits(const DecimalDigits& d)
{
    if (d.digits.empty() || d.exponent <= 0)
        return "0";
    std::string r =
        d.digits.substr(0, static_cast<size_t>(std::min<int>(d.exponent, static_cast<int>(d.digits.size()))));
    r.append(static_cast<size_t>(std::max<int>(0, d.exponent - static_cast<int>(d.digits.size()))), '0');
    return r;
}

std::string FractionDigits(const DecimalDigits& d, int decimals)
{
    std::string r;
    for (int i = 0; i < decimals; ++i) {
        int idx = d.exponent + i;  // index into digits of the i-th decimal
        r += (idx >= 0 && idx < static_cast<int>(d.digits.size())) ? d.digits[static_cast<size_t>(idx)] : '0';
    }
    return r;
}

std::string GroupThousands(const std::string& intDigits, const std::string& separator)
{
    if (separator.empty())
        return intDigits;
    std::string r;
    int n = static_cast<int>(intDigits.size());
    for (int i = 0; i < n; ++i) {
        r += intDigits[static_cast<size_t>(i)];
        int rest = n - i - 1;
        if (rest > 0 && rest % 3 == 0)
            r += separator;
    }
    return r;
}

std::string NonFiniteText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    return {};
}

}  // namespace rtl::detail
