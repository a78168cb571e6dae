#include "platform/rtl/Conversions.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Raises.h"
#include "Settings.h"
#include "platform/rtl/Exceptions.h"

namespace rtl {
namespace {

TEST(IntegerConversion, AcceptedAndRefusedTexts)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"12", true, 12},
        {"  12", true, 12},
        {"-12", true, -12},
        {"+5", true, 5},
        {"$FF", true, 255},
        {"0x1f", true, 31},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"007", true, 7},
        {"2147483648", false, 0},
        {"$100000000", false, 0},
        {"12 ", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"1.5", false, 0},
        {"abc", false, 0},
        {"$", false, 0},
        {"-", false, 0},
        {"1e3", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int v = 0;
        EXPECT_EQ(TryStrToInt(c.text, v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
            EXPECT_EQ(StrToInt(c.text), c.value);
        } else {
            EXPECT_EQ(StrToIntDef(c.text, -77), -77);
            EXPECT_THROW(StrToInt(c.text), EConvertError);
        }
    }
}

TEST(IntegerConversion, ErrorTextNamesTheInput)
{
    EXPECT_TRUE(rtl_test::RaisesWith<EConvertError>([&] { StrToInt("12a"); }, "'12a' is not a valid integer value"));
}

TEST(IntegerConversion, SixtyFourBit)
{
    EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(StrToInt64Def("9223372036854775808", 3), 3);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("$FFFFFFFF"), 4294967295LL);
}

TEST(IntegerConversion, ToText)
{
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x1ABC, 2), "1ABC");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(INT64_MIN, 0), "8000000000000000");
}

TEST(FloatToText, GeneralFormat)
{
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {1.5, "1.5"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {100, "100"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.5e300, "1.5E300"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {-1.25e-7, "-1.25E-7"},
        {0.1 + 0.2, "0.3"},  // 15 significant digits hide the binary representation error
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    TFormatSettings fs = TFormatSettings::Neutral();
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStr(c.v, fs), c.text) << c.v;
    EXPECT_EQ(FloatToStr(1.5, rtl_test::GermanSettings()), "1,5");
}

TEST(FloatToText, FixedNumberExponentCurrency)
{
    TFormatSettings fs = TFormatSettings::Neutral();
    struct Case {
        double v;
        TFloatFormat f;
        int prec;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {1234.567, ffFixed, 15, 2, "1234.57"},
        {1234.567, ffNumber, 15, 2, "1,234.57"},
        {1234567.0, ffNumber, 15, 0, "1,234,567"},
        {0.125, ffFixed, 15, 2, "0.13"},   // halves round away from zero
        {1.005, ffFixed, 15, 2, "1.01"},   // as the 15-digit decimal value reads
        {-0.001, ffFixed, 15, 2, "0.00"},  // no sign on a value that rounds to zero
        {-2.5, ffFixed, 15, 0, "-3"},
        {9.999, ffFixed, 15, 2, "10.00"},
        {1e20, ffFixed, 15, 2, "1.00000000000000E+20"},  // too many integer digits: exponent form
        {1234.5, ffExponent, 4, 2, "1.235E+03"},
        {0.000123, ffExponent, 3, 0, "1.23E-4"},
        {0, ffExponent, 3, 2, "0.00E+00"},
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "($1,234.50)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStrF(c.v, c.f, c.prec, c.digits, fs), c.text) << c.v;

    TFormatSettings eu = rtl_test::GermanSettings();
    eu.CurrencyString = "\xE2\x82\xAC";
    eu.CurrencyFormat = 3;
    eu.NegCurrFormat = 8;
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, eu), "1.234,50 \xE2\x82\xAC");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2, eu), "-1.234,50 \xE2\x82\xAC");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2, eu), "1.234.567,89");
}

TEST(TextToFloat, AcceptedAndRefusedTexts)
{
    TFormatSettings fs = TFormatSettings::Neutral();
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"1.5", true, 1.5},
        {" -2.25 ", true, -2.25},
        {"+3", true, 3},
        {".5", true, 0.5},
        {"5.", true, 5},
        {"1e3", true, 1000},
        {"1.5E-2", true, 0.015},
        {"1e-400", true, 0},                                              // underflow reads as zero
        {"4.9e-324", true, 4.9e-324},                                     // the smallest subnormal
        {"123456789012345678901234567890", true, 1.2345678901234568e29},  // more digits than a double holds
        {"0.1000000000000000055511151231257827", true, 0.1},
        {"", false, 0},
        {".", false, 0},
        {"1e", false, 0},
        {"1,5", false, 0},
        {"1.2.3", false, 0},
        {"1 000", false, 0},
        {"abc", false, 0},
        {"1e999", false, 0},
        {"NAN", false, 0},
        {"INF", false, 0},
        {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double v = -1;
        EXPECT_EQ(TryStrToFloat(c.text, v, fs), c.ok);
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value);
        } else {
            EXPECT_THROW(StrToFloat(c.text, fs), EConvertError);
        }
    }
}

TEST(TextToFloat, FollowsTheRegionalDecimalSeparator)
{
    TFormatSettings eu = rtl_test::GermanSettings();
    EXPECT_DOUBLE_EQ(StrToFloat("1,5", eu), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloatDef("1.5", -1, eu), -1);
    EXPECT_TRUE(rtl_test::RaisesWith<EConvertError>([&] { StrToFloat("1.5", eu); },
                                                    "'1.5' is not a valid floating point value"));
    // What is written reads back unchanged, in both regional settings.
    for (double v : {0.1, -123.456, 1e-7, 6.02214076e23, 1.0 / 3}) {
        EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(v, eu), eu), std::stod(FloatToStr(v, TFormatSettings::Neutral())));
    }
}

TEST(BooleanConversion, TextsAndNumbers)
{
    EXPECT_EQ(BoolToStr(true), "-1");
    EXPECT_EQ(BoolToStr(false, true), "False");
    EXPECT_TRUE(StrToBool("true"));
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_TRUE(StrToBoolDef("maybe", true));
    EXPECT_THROW(StrToBool("Y"), EConvertError);
}

}  // namespace
}  // namespace rtl
