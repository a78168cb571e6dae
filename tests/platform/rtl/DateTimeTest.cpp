#include "platform/rtl/DateTime.h"

#include <ctime>

#include <gtest/gtest.h>

#include "Raises.h"
#include "Settings.h"
#include "platform/rtl/Exceptions.h"

namespace rtl {
namespace {

TEST(DateEncoding, KnownSerialNumbers)
{
    struct Case {
        int y, m, d;
        double serial;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},     {1900, 1, 1, 2},    {2000, 1, 1, 36526},     {2000, 2, 29, 36585},
        {2026, 12, 10, 46366}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465}, {1899, 12, 29, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
        int y, m, d;
        DecodeDate(c.serial, y, m, d);
        EXPECT_EQ(std::tie(y, m, d), std::tie(c.y, c.m, c.d)) << c.serial;
    }
}

TEST(DateEncoding, EveryDayOfTheRangeRoundTrips)
{
    for (int serial = -693593; serial <= 2958465; ++serial) {
        int y, m, d;
        DecodeDate(serial, y, m, d);
        TDateTime back = 0;
        ASSERT_TRUE(TryEncodeDate(y, m, d, back)) << serial;
        ASSERT_EQ(back, serial);
    }
}

TEST(DateEncoding, InvalidValuesRaise)
{
    struct Case {
        int y, m, d;
    };
    const Case dates[] = {{2026, 13, 1}, {2026, 0, 1}, {2026, 4, 31}, {2026, 1, 0},
                          {1900, 2, 29}, {0, 1, 1},    {10000, 1, 1}};
    for (const Case& c : dates) {
        EXPECT_TRUE(
            rtl_test::RaisesWith<EConvertError>([&] { EncodeDate(c.y, c.m, c.d); }, "Invalid argument to date encode"));
    }
    struct TimeCase {
        int h, n, s, ms;
    };
    const TimeCase times[] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
    for (const TimeCase& c : times) {
        EXPECT_TRUE(rtl_test::RaisesWith<EConvertError>([&] { EncodeTime(c.h, c.n, c.s, c.ms); },
                                                        "Invalid argument to time encode"));
    }
}

TEST(TimeDecoding, FractionsNegativeDatesAndCarry)
{
    int h, n, s, ms;
    DecodeTime(EncodeTime(13, 45, 30, 250), h, n, s, ms);
    EXPECT_EQ(std::tie(h, n, s, ms), std::make_tuple(13, 45, 30, 250));

    // Before 1899-12-30 the time of day is the fraction's absolute value.
    int y, m, d;
    DecodeDateTime(-1.25, y, m, d, h, n, s, ms);
    EXPECT_EQ(std::tie(y, m, d, h, n), std::make_tuple(1899, 12, 29, 6, 0));
    EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);

    // A fraction that rounds up to a whole day is the next midnight, not hour 24.
    DecodeDateTime(EncodeDate(2020, 1, 31) + 0.9999999999, y, m, d, h, n, s, ms);
    EXPECT_EQ(std::tie(y, m, d, h, n, s, ms), std::make_tuple(2020, 2, 1, 0, 0, 0, 0));
}

TEST(DateArithmetic, DayOfWeekLeapYearsAndMonths)
{
    EXPECT_EQ(DayOfWeek(0), 7);                         // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 10)), 5);  // Thursday
    EXPECT_EQ(DayOfWeek(-1), 6);
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15) + 0.5, -13), EncodeDate(2022, 12, 15) + 0.5);
}

TEST(DateFormatting, Tokens)
{
    TFormatSettings fs = TFormatSettings::Neutral();
    TDateTime dt = EncodeDateTime(2026, 3, 7, 14, 5, 9, 45);
    struct Case {
        const char* format;
        TDateTime value;
        const char* expected;
    };
    const Case cases[] = {
        {"yyyy-mm-dd hh:nn:ss.zzz", dt, "2026-03-07 14:05:09.045"},
        {"d/m/yy", dt, "7/3/26"},
        {"dddd, mmmm d", dt, "Saturday, March 7"},
        {"ddd mmm", dt, "Sat Mar"},
        {"hh:mm", dt, "14:05"},  // m after an hour is minutes
        {"hh:nn dd/mm", dt, "14:05 07/03"},
        {"h:mm AM/PM", dt, "2:05 PM"},
        {"hh:mm am/pm", dt, "02:05 pm"},
        {"h a/p", dt, "2 p"},
        {"h:nn ampm", dt, "2:05 PM"},
        {"h:nn AM/PM", EncodeTime(0, 30, 0, 0), "12:30 AM"},
        {"h:nn AM/PM", EncodeTime(12, 0, 0, 0), "12:00 PM"},
        {"c", dt, "3/7/2026 2:05:09 PM"},
        {"c", EncodeDate(2026, 3, 7), "3/7/2026"},
        {"ddddd", dt, "3/7/2026"},
        {"t|tt", dt, "2:05 PM|2:05:09 PM"},
        {"'yyyy' \"d\" yyyy", dt, "yyyy d 2026"},
        {"z|s|n", EncodeTime(1, 2, 3, 4), "4|3|2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, c.value, fs), c.expected) << c.format;

    TFormatSettings de = rtl_test::GermanSettings();
    EXPECT_EQ(FormatDateTime("ddddd", dt, de), "07.03.2026");
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", dt, de), "07.03.2026 14:05");
}

TEST(DateFormatting, SelfReferringRegionalFormatsTerminate)
{
    TFormatSettings fs = TFormatSettings::Neutral();
    fs.ShortDateFormat = "c";
    fs.LongTimeFormat = "tt";
    EXPECT_NO_THROW(FormatDateTime("c", EncodeDate(2026, 1, 1) + 0.5, fs));
}

TEST(DateParsing, FollowsTheRegionalOrderAndSeparator)
{
    TDateTime expected = EncodeDate(2026, 3, 7);
    TFormatSettings iso = TFormatSettings::Neutral();
    iso.ShortDateFormat = "yyyy-MM-dd";
    iso.DateSeparator = '-';
    struct Case {
        const char* text;
        TFormatSettings fs;
    };
    const Case cases[] = {
        {"3/7/2026", TFormatSettings::Neutral()},
        {" 03/07/2026 ", TFormatSettings::Neutral()},
        {"07.03.2026", rtl_test::GermanSettings()},
        {"7.3.2026", rtl_test::GermanSettings()},
        {"2026-03-07", iso},
    };
    for (const Case& c : cases) {
        TDateTime v = 0;
        EXPECT_TRUE(TryStrToDate(c.text, v, c.fs)) << c.text;
        EXPECT_EQ(v, expected) << c.text;
    }
}

TEST(DateParsing, ShortFormsUseThisYearAndTheCenturyWindow)
{
    TFormatSettings fs = TFormatSettings::Neutral();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    int thisYear = local.tm_year + 1900;

    TDateTime v = 0;
    ASSERT_TRUE(TryStrToDate("3/7", v, fs));
    int y, m, d;
    DecodeDate(v, y, m, d);
    EXPECT_EQ(std::tie(y, m, d), std::make_tuple(thisYear, 3, 7));

    for (const char* text : {"1/1/00", "1/1/49", "1/1/50", "1/1/99"}) {
        ASSERT_TRUE(TryStrToDate(text, v, fs)) << text;
        DecodeDate(v, y, m, d);
        EXPECT_GE(y, thisYear - 50) << text;
        EXPECT_LT(y, thisYear + 50) << text;
        EXPECT_EQ(y % 100, std::atoi(text + 4)) << text;
    }
}

TEST(Clock, AScopeFixesNowTheImpliedYearAndTheCenturyWindow)
{
    const TFormatSettings fs = TFormatSettings::Neutral();
    const TDateTime fixed = EncodeDateTime(2031, 5, 6, 10, 30, 0, 0);
    {
        TClockScope clock(fixed);
        EXPECT_DOUBLE_EQ(Now(), fixed);
        EXPECT_DOUBLE_EQ(Date(), EncodeDate(2031, 5, 6));
        EXPECT_DOUBLE_EQ(Time(), EncodeTime(10, 30, 0, 0));
        {
            TClockScope inner(EncodeDate(1999, 1, 1));
            EXPECT_DOUBLE_EQ(Now(), EncodeDate(1999, 1, 1));
        }
        EXPECT_DOUBLE_EQ(Now(), fixed);
        TDateTime v = 0;
        ASSERT_TRUE(TryStrToDate("3/7", v, fs));
        EXPECT_DOUBLE_EQ(v, EncodeDate(2031, 3, 7));
        ASSERT_TRUE(TryStrToDate("1/1/81", v, fs));
        EXPECT_DOUBLE_EQ(v, EncodeDate(1981, 1, 1));
        ASSERT_TRUE(TryStrToDate("1/1/80", v, fs));
        EXPECT_DOUBLE_EQ(v, EncodeDate(2080, 1, 1));
    }
    // The system clock is back.
    EXPECT_GT(Now(), EncodeDate(2024, 1, 1));
}

TEST(DateParsing, RefusedTexts)
{
    TRegionalScope scope(TFormatSettings::Neutral());
    for (const char* text : {"2/30/2026", "13/1/2026", "abc", "3/7/2026x", "", "3-7-2026", "3//2026", "3/7/"}) {
        TDateTime v = 0;
        EXPECT_FALSE(TryStrToDate(text, v)) << text;
        EXPECT_TRUE(rtl_test::RaisesWith<EConvertError>([&] { StrToDate(text); },
                                                        "'" + std::string(text) + "' is not a valid date"));
    }
}

TEST(TimeParsing, AcceptedAndRefusedTexts)
{
    TFormatSettings fs = TFormatSettings::Neutral();
    struct Case {
        const char* text;
        bool ok;
        int h, n, s, ms;
    };
    const Case cases[] = {
        {"14:05", true, 14, 5, 0, 0},     {"2:05:09 PM", true, 14, 5, 9, 0}, {"12:00 AM", true, 0, 0, 0, 0},
        {"12:30 pm", true, 12, 30, 0, 0}, {"5 PM", true, 17, 0, 0, 0},       {"14:05:09.250", true, 14, 5, 9, 250},
        {"24:00", false, 0, 0, 0, 0},     {"13:00 PM", false, 0, 0, 0, 0},   {"14", false, 0, 0, 0, 0},
        {"10:61", false, 0, 0, 0, 0},     {"10:00:60", false, 0, 0, 0, 0},   {"", false, 0, 0, 0, 0},
        {"1:2:3:4", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TDateTime v = -1;
        EXPECT_EQ(TryStrToTime(c.text, v, fs), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, EncodeTime(c.h, c.n, c.s, c.ms)) << c.text;
        }
    }
    TRegionalScope scope(fs);
    EXPECT_THROW(StrToTime("25:00"), EConvertError);
}

TEST(DateTimeParsing, DateTimeOrEitherPart)
{
    TRegionalScope scope(TFormatSettings::Neutral());
    EXPECT_DOUBLE_EQ(StrToDateTime("3/7/2026 14:05"), EncodeDateTime(2026, 3, 7, 14, 5, 0, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("3/7/2026"), EncodeDate(2026, 3, 7));
    EXPECT_DOUBLE_EQ(StrToDateTime("14:05"), EncodeTime(14, 5, 0, 0));
    EXPECT_EQ(StrToDateTimeDef("3/7/2026 99:00", -5), -5);
    EXPECT_TRUE(
        rtl_test::RaisesWith<EConvertError>([&] { StrToDateTime("soon"); }, "'soon' is not a valid date and time"));
    // What the regional formats write reads back.
    TDateTime dt = EncodeDateTime(2031, 11, 2, 23, 59, 58, 0);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(dt)), dt);
    TRegionalScope de(rtl_test::GermanSettings());
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(dt)), dt);
}

}  // namespace
}  // namespace rtl
