#include "platform/rtl/DateTime.h"

#include <sys/time.h>

#include <algorithm>
#include <cmath>
#include <ctime>

#include "platform/rtl/Exceptions.h"

namespace rtl {

namespace {

constexpr int kDateDelta = 693594;  // days from 0001-01-01 (day 1) to 1899-12-30
constexpr int64_t kMSecsPerDay = 86400000;

int daysBeforeMonth(int year, int month)
{
    static const int cum[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return cum[month - 1] + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

// Days since 0001-01-01 (1-based) and milliseconds of the day, as the date-time is stored.
void toTimeStamp(TDateTime dt, int64_t& days, int64_t& msecs)
{
    double whole = std::trunc(dt);
    days = static_cast<int64_t>(whole) + kDateDelta;
    msecs = static_cast<int64_t>(std::llround(std::fabs(dt - whole) * MSecsPerDay));
    if (msecs >= kMSecsPerDay) {  // the fraction rounded up to a whole day: carry it into the date
        msecs -= kMSecsPerDay;
        days += dt < 0 ? -1 : 1;
    }
}

void decodeDays(int64_t days, int& year, int& month, int& day)
{
    if (days <= 0) {
        year = month = day = 0;
        return;
    }
    const int64_t D1 = 365, D4 = D1 * 4 + 1, D100 = D4 * 25 - 1, D400 = D100 * 4 + 1;
    int64_t t = days - 1;
    int64_t y = 1;
    y += (t / D400) * 400;
    t %= D400;
    int64_t i = t / D100;
    int64_t d = t % D100;
    if (i == 4) {
        --i;
        d += D100;
    }
    y += i * 100;
    i = d / D4;
    d %= D4;
    y += i * 4;
    i = d / D1;
    d %= D1;
    if (i == 4) {
        --i;
        d += D1;
    }
    y += i;
    year = static_cast<int>(y);
    month = 1;
    while (month < 12 && d >= DaysInAMonth(year, month)) {
        d -= DaysInAMonth(year, month);
        ++month;
    }
    day = static_cast<int>(d) + 1;
}

}  // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month))
        return false;
    int64_t y = year - 1;
    int64_t days = y * 365 + y / 4 - y / 100 + y / 400 + daysBeforeMonth(year, month) + day;
    date = static_cast<double>(days - kDateDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime d = 0;
    if (!TryEncodeDate(year, month, day, d))
        throw EConvertError(msg::DateEncodeError);
    return d;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        return false;
    time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    TDateTime t = 0;
    if (!TryEncodeTime(hour, min, sec, msec, t))
        throw EConvertError(msg::TimeEncodeError);
    return t;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec)
{
    TDateTime d = EncodeDate(year, month, day);
    TDateTime t = EncodeTime(hour, min, sec, msec);
    return d < 0 ? d - t : d + t;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day)
{
    int64_t days = 0, msecs = 0;
    toTimeStamp(date, days, msecs);
    decodeDays(days, year, month, day);
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec)
{
    int64_t days = 0, ms = 0;
    toTimeStamp(time, days, ms);
    hour = static_cast<int>(ms / 3600000);
    min = static_cast<int>(ms / 60000 % 60);
    sec = static_cast<int>(ms / 1000 % 60);
    msec = static_cast<int>(ms % 1000);
}

void DecodeDateTime(TDateTime dt, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec)
{
    DecodeDate(dt, year, month, day);
    DecodeTime(dt, hour, min, sec, msec);
}

int DayOfWeek(TDateTime date)
{
    int64_t days = 0, ms = 0;
    toTimeStamp(date, days, ms);
    return static_cast<int>(((days % 7) + 7) % 7) + 1;
}

namespace {
std::function<TDateTime()>& ClockSlot()
{
    static std::function<TDateTime()> clock;
    return clock;
}

TDateTime SystemNow()
{
    struct timeval tv {};
    gettimeofday(&tv, nullptr);
    struct tm t {};
    time_t secs = tv.tv_sec;
    localtime_r(&secs, &t);
    return EncodeDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, std::min(t.tm_sec, 59),
                          static_cast<int>(tv.tv_usec / 1000));
}
}  // namespace

TDateTime Now()
{
    const auto& clock = ClockSlot();
    return clock ? clock() : SystemNow();
}

TClockScope::TClockScope(std::function<TDateTime()> clock) : saved_(std::move(ClockSlot()))
{
    ClockSlot() = std::move(clock);
}

TClockScope::~TClockScope()
{
    ClockSlot() = std::move(saved_);
}

TDateTime Date()
{
    return std::trunc(Now());
}

TDateTime Time()
{
    TDateTime n = Now();
    return n - std::trunc(n);
}

TDateTime IncMonth(TDateTime date, int months)
{
    int y, m, d;
    DecodeDate(date, y, m, d);
    int total = y * 12 + (m - 1) + months;
    y = total / 12;
    m = total % 12 + 1;
    d = std::min(d, DaysInAMonth(y, m));
    TDateTime r = EncodeDate(y, m, d);
    double frac = date - std::trunc(date);
    return r + std::fabs(frac);
}

}  // namespace rtl
