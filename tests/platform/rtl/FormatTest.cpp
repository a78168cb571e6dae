#include "platform/rtl/Format.h"

#include <random>

#include <gtest/gtest.h>

#include "Raises.h"
#include "platform/rtl/Exceptions.h"

namespace rtl {
namespace {

class FormatTest : public ::testing::Test {
protected:
    TRegionalScope regional{TFormatSettings::Neutral()};
};

TEST_F(FormatTest, Directives)
{
    struct Case {
        const char* fmt;
        std::vector<TVarRec> args;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"%d%%", {150}, "150%"},
        {"%s%.8d", {"StartHTML:", 97}, "StartHTML:00000097"},
        {"Error in Server Number %d in Read Variable %d!!", {2, 7}, "Error in Server Number 2 in Read Variable 7!!"},
        {"[%5d|%-5d]", {42, 42}, "[   42|42   ]"},
        {"%.3d", {-5}, "-005"},
        {"%d", {int64_t{-9000000000}}, "-9000000000"},
        {"%x|%.4x|%X", {255, 255, -1}, "FF|00FF|FFFFFFFF"},
        {"%u", {-1}, "4294967295"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%*d|%-*.*f|", {5, 42, 8, 1, 2.25}, "   42|2.3     |"},
        {"%f|%.2f|%.0f", {2.0, 1.005, 2.5}, "2.00|1.01|3"},
        {"%n|%.0n", {1234567.891, 1234.5}, "1,234,567.89|1,235"},
        {"%g|%g|%.3g", {0.5, 1e20, 3.14159}, "0.5|1E20|3.14"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%m|%m", {5.0, -5.0}, "$5.00|($5.00)"},
        {"%n", {1234}, "1,234.00"},  // an integer is taken where a float is asked for
        {"%.3s|%5s|%-3s|", {"abcdef", "ab", "x"}, "abc|   ab|x  |"},
        {"%.1s", {"\xC3\xA9t\xC3\xA9"}, "\xC3\xA9"},  // precision counts characters, not bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.fmt, c.args), c.expected) << c.fmt;
    EXPECT_EQ(Fmt("%s=%d", 'x', true), "x=1");
    EXPECT_EQ(Fmt("no directives"), "no directives");
}

TEST_F(FormatTest, UsesTheRegionalSeparators)
{
    TFormatSettings eu = TFormatSettings::Neutral();
    eu.DecimalSeparator = ',';
    eu.ThousandSeparator = "\xC2\xA0";  // a separator longer than one byte
    EXPECT_EQ(Format("%n|%.1f", {1234.5, 0.25}, eu), "1\xC2\xA0"
                                                     "234,50|0,3");
    Regional() = eu;
    EXPECT_EQ(Fmt("%g", 0.5), "0,5");
}

TEST_F(FormatTest, MismatchedFormatsRaiseConversionErrors)
{
    struct Case {
        const char* fmt;
        std::vector<TVarRec> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"%d", {"text"}, "Format '%d' invalid or incompatible with argument"},
        {"%s", {5}, "Format '%s' invalid or incompatible with argument"},
        {"%f", {"x"}, "Format '%f' invalid or incompatible with argument"},
        {"%p", {5}, "Format '%p' invalid or incompatible with argument"},
        {"100%", {}, "Format '100%' invalid or incompatible with argument"},
        {"%q", {1}, "Format '%q' invalid or incompatible with argument"},
        {"%5", {1}, "Format '%5' invalid or incompatible with argument"},
        {"%*d", {"w", 1}, "Format '%*d' invalid or incompatible with argument"},
        {"%999999999d", {1}, "Format '%999999999d' invalid or incompatible with argument"},
        {"%d %d", {1}, "No argument for format '%d %d'"},
        {"%2:d", {1}, "No argument for format '%2:d'"},
        {"%s", {}, "No argument for format '%s'"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(rtl_test::RaisesWith<EConvertError>([&] { Format(c.fmt, c.args); }, c.message));
    }
}

// Formats typed by users (language files, progress captions) must never do more than raise.
TEST_F(FormatTest, ArbitraryFormatsOnlyEverRaiseConversionErrors)
{
    const std::string alphabet = "%%%%-*.:0123456789dDuxefgnmpsSq ab";
    const std::vector<TVarRec> args = {1, "text", 2.5, -7, static_cast<const void*>(nullptr)};
    std::mt19937 rng(12345);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1), len(0, 12);
    for (int i = 0; i < 20000; ++i) {
        std::string fmt;
        for (size_t n = len(rng); n > 0; --n)
            fmt += alphabet[pick(rng)];
        try {
            std::string out = Format(fmt, args);
            EXPECT_LE(out.size(), 100000u + fmt.size() * 32) << fmt;
        } catch (const EConvertError&) {
        }
    }
}

}  // namespace
}  // namespace rtl
