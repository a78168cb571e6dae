#include "controls/dropdown/GxDropDownText.h"

#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace dropdown {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexLetter(char c)
{
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

bool IsRangeSeparator(char32_t C)
{
    return C == U',' || C == U'-' || C == U';';
}

int TextNumberKind(std::string_view Text)
{
    if (Text.empty())
        return 2;
    const auto& fmt = rtl::Regional();
    const char ds = fmt.DecimalSeparator;
    // A thousand separator of more than one byte is never one of the characters a decimal number
    // may hold, so only a one-byte separator takes part in the spacing rule.
    const bool oneByteTs = fmt.ThousandSeparator.size() == 1;
    const char ts = oneByteTs ? fmt.ThousandSeparator[0] : '\0';
    bool hex = true, integer = true, decimal = true;
    int minus = 0, decimals = 0;
    int lastTs = -1;  // so that a separator in the first position is too close
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        const int pos = static_cast<int>(i) + 1;
        const bool digit = IsDigit(c);
        if (!(c == '-' || digit || IsHexLetter(c)))
            hex = false;
        if (!(digit || c == '-'))
            integer = false;
        if (!(digit || c == ',' || c == '-' || c == '.'))
            decimal = false;
        if (oneByteTs && c == ts) {
            if (pos - lastTs <= 2)
                decimal = false;
            lastTs = pos;
        }
        if (c == '-')
            ++minus;
        if (c == ds)
            ++decimals;
    }
    if (minus > 1 || decimals > 1)
        return 2;
    if (hex && !integer)
        return 5;
    if (integer)
        return 0;
    return decimal ? 1 : 2;
}

std::string RemoveThousandSeparators(std::string_view Text)
{
    const std::string& ts = rtl::Regional().ThousandSeparator;
    std::string out(Text);
    if (ts.empty())
        return out;
    for (std::size_t p = out.find(ts); p != std::string::npos; p = out.find(ts, p))
        out.erase(p, ts.size());
    return out;
}

int HexDigitValue(char32_t C)
{
    if (C >= U'0' && C <= U'9')
        return static_cast<int>(C - U'0');
    if (C >= U'A' && C <= U'F')
        return static_cast<int>(C - U'A') + 10;
    if (C >= U'a' && C <= U'f')
        return static_cast<int>(C - U'a') + 10;
    return 0;
}

std::int32_t HexToInt(std::string_view Text)
{
    std::uint32_t value = 0;
    for (const char32_t c : rtl::Utf8ToCodePoints(std::string(Text)))
        value = value * 16u + static_cast<std::uint32_t>(HexDigitValue(c));
    return static_cast<std::int32_t>(value);
}

std::string UpperCaseUnless(std::string_view Text, bool CaseSensitive)
{
    return CaseSensitive ? std::string(Text) : rtl::AnsiUpperCase(Text);
}

}  // namespace dropdown
