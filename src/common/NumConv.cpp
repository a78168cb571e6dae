#include "common/NumConv.h"

namespace {

enum class Radix { Decimal, Hex, SignedHex };

struct Prefixes {
    bool dollar;  // "$"
    bool bareX;   // "x" / "X"
    bool zeroX;   // "0x" / "0X"
};

// Reads [blanks][sign][prefix]digits. Decimal magnitude must fit a signed integer of
// `bits`; hexadecimal magnitude may use all `bits` and is taken as that bit pattern, unless
// hexSigned asks it to fit the signed range as decimal does.
std::optional<int64_t> parse(std::string_view s, int bits, Prefixes allowed, bool skipBlanks, bool hexSigned = false)
{
    size_t i = 0;
    if (skipBlanks)
        while (i < s.size() && s[i] == ' ')
            ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    Radix radix = Radix::Decimal;
    if (i < s.size() && s[i] == '$' && allowed.dollar) {
        radix = Radix::Hex;
        ++i;
    } else if (i < s.size() && (s[i] == 'x' || s[i] == 'X') && allowed.bareX) {
        radix = Radix::Hex;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') && allowed.zeroX) {
        radix = Radix::Hex;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;

    const uint64_t decLimit = (uint64_t{1} << (bits - 1)) - (negative ? 0 : 1);
    if (radix == Radix::Hex && hexSigned)
        radix = Radix::SignedHex;
    const uint64_t hexLimit = bits == 64 ? UINT64_MAX : (uint64_t{1} << bits) - 1;
    uint64_t value = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = unsigned(c - '0');
        else if (radix != Radix::Decimal && c >= 'a' && c <= 'f')
            digit = unsigned(c - 'a' + 10);
        else if (radix != Radix::Decimal && c >= 'A' && c <= 'F')
            digit = unsigned(c - 'A' + 10);
        else
            return std::nullopt;
        if (radix == Radix::Hex) {
            if (value > (hexLimit >> 4))
                return std::nullopt;
            value = (value << 4) | digit;
        } else if (radix == Radix::SignedHex) {
            if (value > (decLimit - digit) / 16)
                return std::nullopt;
            value = value * 16 + digit;
        } else {
            if (value > (decLimit - digit) / 10)
                return std::nullopt;
            value = value * 10 + digit;
        }
    }
    if (radix == Radix::Hex && bits == 32)
        value = uint64_t(int64_t(int32_t(uint32_t(value))));  // the 32-bit pattern, sign-extended
    // Two's complement negation on the unsigned value keeps INT_MIN representable.
    if (negative)
        value = 0 - value;
    return static_cast<int64_t>(value);
}

constexpr Prefixes kGeneral{true, true, true};
constexpr Prefixes kDecimalOnly{false, false, false};
constexpr Prefixes kEds{false, false, true};

}  // namespace

std::optional<int32_t> Str_To_Int(std::string_view text)
{
    auto v = parse(text, 32, kGeneral, true);
    if (!v)
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

int32_t Str_To_Int_Def(std::string_view text, int32_t def)
{
    return Str_To_Int(text).value_or(def);
}

std::optional<int64_t> Str_To_Int64(std::string_view text)
{
    return parse(text, 64, kGeneral, true);
}

int64_t Str_To_Int64_Def(std::string_view text, int64_t def)
{
    return Str_To_Int64(text).value_or(def);
}

std::optional<int64_t> Str_To_IP_Part(std::string_view text)
{
    return parse(text, 64, kDecimalOnly, true);
}

int32_t Str_To_Int_Rule(std::string_view text)
{
    auto v = parse(text, 32, kGeneral, true, true);
    return v ? static_cast<int32_t>(*v) : -1;
}

int32_t Str_To_Int_EDS(std::string_view text)
{
    auto v = parse(text, 32, kEds, false);
    return v ? static_cast<int32_t>(*v) : -1;
}

int32_t Str_To_Int_Lang(std::string_view text)
{
    auto v = parse(text, 32, kDecimalOnly, false);
    return v ? static_cast<int32_t>(*v) : -1;
}
