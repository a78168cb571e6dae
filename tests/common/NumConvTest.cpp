#include <gtest/gtest.h>

#include "common/NumConv.h"

namespace {

struct IntCase {
    const char* text;
    std::optional<int64_t> expected;
};

// Checks a conversion that reports failure as "no value" against a table of cases.
template <typename Conv, size_t N>
void expectTable(Conv conv, const IntCase (&cases)[N])
{
    for (const auto& c : cases) {
        const auto v = conv(c.text);
        ASSERT_EQ(v.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (v) {
            EXPECT_EQ(*v, *c.expected) << '"' << c.text << '"';
        }
    }
}

TEST(NumConv, GeneralConversionFollowsDecimalAndHexRules)
{
    const IntCase cases[] = {
        {"0", 0},
        {"  42", 42},
        {"+7", 7},
        {"-15", -15},
        {"$FF", 255},
        {"x1a", 26},
        {"X1A", 26},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"$FFFFFFFF", -1},  // hexadecimal may use all 32 bits
        {"$7FFFFFFF", 2147483647},
        {"2147483648", std::nullopt},  // decimal must fit a signed 32-bit integer
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},  // trailing blank
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
        {"$G1", std::nullopt},
    };
    expectTable(Str_To_Int, cases);
    for (const auto& c : cases)
        EXPECT_EQ(Str_To_Int_Def(c.text, -99), c.expected ? int32_t(*c.expected) : -99) << c.text;
}

TEST(NumConv, SixtyFourBitConversionKeepsLargeValues)
{
    const IntCase cases[] = {
        {"4294967295", 4294967295LL},
        {"0xFFFFFFFF", 4294967295LL},  // no 32-bit wrap in the 64-bit reading
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"9223372036854775808", std::nullopt},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"$10000000000000000", std::nullopt},
        {" -1", -1},
        {"1 ", std::nullopt},
    };
    expectTable(Str_To_Int64, cases);
    EXPECT_EQ(Str_To_Int64_Def("abc", 7), 7);
}

TEST(NumConv, AddressPartsAreDecimalOnly)
{
    const IntCase cases[] = {
        {"255", 255},
        {" 10", 10},
        {"-1", -1},
        {"+3", 3},
        {"10 ", std::nullopt},
        {"$A", std::nullopt},
        {"0x0A", std::nullopt},
        {"", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    expectTable(Str_To_IP_Part, cases);
}

TEST(NumConv, EdsNumbersAcceptDecimalAndZeroXHex)
{
    const struct {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"0x20", 0x20},
        {"0X2c", 0x2C},
        {"0x0F000002", 0x0F000002},
        {"0xFFFFFFFF", -1},
        {"0x84010002", int32_t(0x84010002u)},  // the 32-bit pattern is kept
        {"150", 150},
        {"$20", -1},
        {"x20", -1},
        {"0x", -1},
        {"0xZZ", -1},
        {"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str_To_Int_EDS(c.text), c.expected) << c.text;
}

TEST(NumConv, LanguageNumbersAreSignedDecimal)
{
    const struct {
        const char* text;
        int32_t expected;
    } cases[] = {{"12", 12},  {"0", 0}, {"-3", -3},  {"5299", 5299},     {"$10", -1},
                 {"1 2", -1}, {"", -1}, {"abc", -1}, {"99999999999", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(Str_To_Int_Lang(c.text), c.expected) << c.text;
}

}  // namespace
