#pragma once
// Decimal digits of a double, shared by the float conversions and Format.
#include <string>

#include "platform/rtl/Regional.h"

namespace rtl::detail {

// value = 0.digits × 10^exponent, digits without trailing zeros ("" for zero).
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

// Rounded to at most `precision` significant digits (1..17).
DecimalDigits ToDecimal(double value, int precision);
// Rounds half away from zero so that at most `decimals` digits follow the decimal point.
void RoundToDecimals(DecimalDigits& d, int decimals);
// Integer part digits ("0" when none) and fraction digits padded with zeros to `decimals`.
std::string IntegerDigits(const DecimalDigits& d);
std::string FractionDigits(const DecimalDigits& d, int decimals);
// Inserts the thousand separator every three digits from the right.
std::string GroupThousands(const std::string& intDigits, const std::string& separator);
// "NAN", "INF", "-INF", or empty for finite values.
std::string NonFiniteText(double value);

}  // namespace rtl::detail
