#pragma once
// TDateTime: days since 1899-12-30 in the integer part, the time of day as the fraction.
// Encoding raises EConvertError on invalid values; Try forms return false instead.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/rtl/Regional.h"

namespace rtl {

using TDateTime = double;

inline constexpr double MSecsPerDay = 86400000.0;
inline constexpr double MinDateTime = -693593.0;         // 0001-01-01
inline constexpr double MaxDateTime = 2958465.99999999;  // 9999-12-31 23:59:59.999

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);

bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);  // "Invalid argument to date encode"
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
TDateTime EncodeTime(int hour, int min, int sec, int msec);  // "Invalid argument to time encode"
TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec);

void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
void DecodeDateTime(TDateTime dt, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec);
int DayOfWeek(TDateTime date);  // 1 = Sunday … 7 = Saturday

// Now, Date and Time read the system clock unless a clock scope replaced it.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Replaces the clock that Now, Date and Time read for its lifetime (tests fix the time of day);
// the previous clock comes back afterwards. Scopes nest.
class TClockScope {
public:
    explicit TClockScope(std::function<TDateTime()> clock);
    explicit TClockScope(TDateTime fixed) : TClockScope([fixed] { return fixed; }) {}
    ~TClockScope();
    TClockScope(const TClockScope&) = delete;
    TClockScope& operator=(const TClockScope&) = delete;

private:
    std::function<TDateTime()> saved_;
};
TDateTime IncMonth(TDateTime date, int months = 1);

// Format tokens: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes after h/hh), M/MM/MMM/MMMM
// (month), yy yyyy, h hh n nn s ss z zzz, t tt, am/pm a/p ampm, c, / and : (regional
// separators), "..." and '...' literal text.
std::string FormatDateTime(std::string_view format, TDateTime dt);
std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& fs);
std::string DateToStr(TDateTime dt);
std::string TimeToStr(TDateTime dt);
std::string DateTimeToStr(TDateTime dt);

// Parsing follows the order of day, month and year in ShortDateFormat; the separator is
// DateSeparator; a two-digit year follows TwoDigitYearCenturyWindow; a missing year is this year.
bool TryStrToDate(std::string_view s, TDateTime& value);
bool TryStrToDate(std::string_view s, TDateTime& value, const TFormatSettings& fs);
bool TryStrToTime(std::string_view s, TDateTime& value);
bool TryStrToTime(std::string_view s, TDateTime& value, const TFormatSettings& fs);
bool TryStrToDateTime(std::string_view s, TDateTime& value);
bool TryStrToDateTime(std::string_view s, TDateTime& value, const TFormatSettings& fs);
TDateTime StrToDate(std::string_view s);      // "'x' is not a valid date"
TDateTime StrToTime(std::string_view s);      // "'x' is not a valid time"
TDateTime StrToDateTime(std::string_view s);  // "'x' is not a valid date and time"
TDateTime StrToDateDef(std::string_view s, TDateTime def);
TDateTime StrToTimeDef(std::string_view s, TDateTime def);
TDateTime StrToDateTimeDef(std::string_view s, TDateTime def);

}  // namespace rtl
