#include <gtest/gtest.h>

#include "platform/rtl/Conversions.h"

namespace rtl {
namespace {

TEST(PictureFormat, Placeholders)
{
    TFormatSettings fs = TFormatSettings::Neutral();
    struct Case {
        const char* format;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"0.00", 1234.567, "1234.57"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0", 999.5, "1,000"},
        {"#.##", 0, ""},
        {"0", -0.4, "0"},  // rounds to zero: no sign
        {"0.0", -1.25, "-1.3"},
        {"00000", 42, "00042"},
        {"#", 12345, "12345"},  // more digits than places: all are written
        {"0.###", 1.5, "1.5"},
        {"0.00", 1.005, "1.01"},
        {"00-00", 1234, "12-34"},
        {"'$'#,##0.00", 5, "$5.00"},
        {"0.00 \"%\"", 12.5, "12.50 %"},
        {".00", 0.5, ".50"},
        {"0.00E+00", 1234, "1.23E+03"},
        {"0.0E-0", 0.00012, "1.2E-4"},
        {"00.0E+0", 1234, "12.3E+2"},
        {"0.0E+00", 9.96, "1.0E+01"},  // rounding carries into the exponent
        {"#,##0;(#,##0)", -1234, "(1,234)"},
        {"#,##0;(#,##0)", 1234, "1,234"},
        {"0.00;-0.00;'zero'", 0, "zero"},
        {"0.00;;'zero'", 0.001, "zero"},
        {"", 1.5, "1.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(c.format, c.value, fs), c.expected) << c.format;

    TFormatSettings eu = fs;
    eu.DecimalSeparator = ',';
    eu.ThousandSeparator = ".";
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, eu), "1.234,50");
}

}  // namespace
}  // namespace rtl
