#include "platform/rtl/DateTime.h"

#include <sys/time.h>

#include <cmath>
#include <ctime>

#include "platform/rtl/ConvertHelpers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

namespace {

constexpr int kDateDelta = 693594;   // days from 0001-01-01 (day 1) to 1899-12-30
constexpr int64_t kMSecsPerDay = 86400000;

int daysBeforeMonth(int year, int month) {
    static const int cum[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return cum[month - 1] + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

// Days since 0001-01-01 (1-based) and milliseconds of the day, as the date-time is stored.
void toTimeStamp(TDateTime dt, int64_t& days, int64_t& msecs) {
    double whole = std::trunc(dt);
    days = static_cast<int64_t>(whole) + kDateDelta;
    msecs = static_cast<int64_t>(std::llround(std::fabs(dt - whole) * MSecsPerDay));
    if (msecs >= kMSecsPerDay) {   // the fraction rounded up to a whole day: carry it into the date
        msecs -= kMSecsPerDay;
        days += dt < 0 ? -1 : 1;
    }
}

void decodeDays(int64_t days, int& year, int& month, int& day) {
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

std::string pad(int v, int width) {
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), '0');
    return s;
}

// ---------------------------------------------------------------- formatting

class DateFormatter {
public:
    DateFormatter(TDateTime dt, const TFormatSettings& fs) : fs_(fs) {
        DecodeDateTime(dt, year_, month_, day_, hour_, min_, sec_, msec_);
        hasTime_ = hour_ || min_ || sec_;   // "c" leaves out a time of whole-day midnight
        dow_ = DayOfWeek(dt);
    }

    std::string run(std::string_view f, int depth) {
        std::string out;
        char last = ' ';
        size_t i = 0;
        auto runLength = [&](char c) {
            size_t n = 0;
            while (i + n < f.size() && (f[i + n] | 0x20) == c) ++n;
            return n;
        };
        while (i < f.size()) {
            char c = f[i];
            char token = static_cast<char>((c >= 'a' && c <= 'z') ? c - 32 : c);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && last == 'H') token = 'N';
                last = token;
            }
            switch (token) {
            case 'Y': {
                size_t n = runLength('y');
                out += n <= 2 ? pad(year_ % 100, 2) : pad(year_, 4);
                i += n;
                break;
            }
            case 'M': {
                size_t n = runLength('m');
                i += n;
                if (n == 1) out += std::to_string(month_);
                else if (n == 2) out += pad(month_, 2);
                else if (month_ >= 1) out += (n == 3 ? fs_.ShortMonthNames : fs_.LongMonthNames)[static_cast<size_t>(month_ - 1)];
                break;
            }
            case 'D': {
                size_t n = runLength('d');
                i += n;
                if (n == 1) out += std::to_string(day_);
                else if (n == 2) out += pad(day_, 2);
                else if (n == 3) out += fs_.ShortDayNames[static_cast<size_t>(dow_ - 1)];
                else if (n == 4) out += fs_.LongDayNames[static_cast<size_t>(dow_ - 1)];
                else if (n == 5) out += nested(fs_.ShortDateFormat, depth);
                else out += nested(fs_.LongDateFormat, depth);
                break;
            }
            case 'H': {
                size_t n = runLength('h');
                i += n;
                int h = hour_;
                if (twelveHourAhead(f, i)) {
                    h %= 12;
                    if (h == 0) h = 12;
                }
                out += n >= 2 ? pad(h, 2) : std::to_string(h);
                break;
            }
            case 'N': {
                // "m" after an hour is minutes as well: count m or n runs
                size_t n = 0;
                while (i + n < f.size() && ((f[i + n] | 0x20) == 'n' || (f[i + n] | 0x20) == 'm')) ++n;
                i += n;
                out += n >= 2 ? pad(min_, 2) : std::to_string(min_);
                break;
            }
            case 'S': {
                size_t n = runLength('s');
                i += n;
                out += n >= 2 ? pad(sec_, 2) : std::to_string(sec_);
                break;
            }
            case 'Z': {
                size_t n = runLength('z');
                i += n;
                out += n >= 3 ? pad(msec_, 3) : std::to_string(msec_);
                break;
            }
            case 'T': {
                size_t n = runLength('t');
                i += n;
                out += nested(n == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, depth);
                break;
            }
            case 'C': {
                ++i;
                out += nested(fs_.ShortDateFormat, depth);
                if (hasTime_) {
                    out += ' ';
                    out += nested(fs_.LongTimeFormat, depth);
                }
                break;
            }
            case 'A': {
                bool pm = hour_ >= 12;
                if (StartsText("AMPM", f.substr(i))) {
                    out += pm ? fs_.TimePMString : fs_.TimeAMString;
                    i += 4;
                } else if (StartsText("AM/PM", f.substr(i))) {
                    std::string_view part = f.substr(i + (pm ? 3 : 0), 2);
                    out += part;
                    i += 5;
                } else if (StartsText("A/P", f.substr(i))) {
                    out += f[i + (pm ? 2 : 0)];
                    i += 3;
                } else {
                    out += c;
                    ++i;
                }
                break;
            }
            case '/':
                out += fs_.DateSeparator;
                ++i;
                break;
            case ':':
                out += fs_.TimeSeparator;
                ++i;
                break;
            case '"':
            case '\'': {
                size_t close = f.find(c, i + 1);
                if (close == std::string_view::npos) close = f.size();
                out += f.substr(i + 1, close - i - 1);
                i = close + 1;
                break;
            }
            default:
                out += c;
                ++i;
                break;
            }
        }
        return out;
    }

private:
    // Regional formats may name each other ("c" inside a short date format); a bounded depth
    // keeps such a loop from recursing without end.
    std::string nested(const std::string& f, int depth) { return depth >= 2 ? std::string() : run(f, depth + 1); }

    static bool twelveHourAhead(std::string_view f, size_t from) {
        std::string rest = UpperCase(f.substr(from));
        return rest.find("AM/PM") != std::string::npos || rest.find("A/P") != std::string::npos ||
               rest.find("AMPM") != std::string::npos;
    }

    const TFormatSettings& fs_;
    int year_, month_, day_, hour_, min_, sec_, msec_, dow_;
    bool hasTime_;
};

// ---------------------------------------------------------------- parsing

class Scanner {
public:
    Scanner(std::string_view s, const TFormatSettings& fs) : s_(s), fs_(fs) {}

    void blanks() {
        while (p_ < s_.size() && s_[p_] == ' ') ++p_;
    }
    bool atEnd() {
        blanks();
        return p_ >= s_.size();
    }
    bool number(int& value, int& digits) {
        blanks();
        size_t start = p_;
        int64_t v = 0;
        while (p_ < s_.size() && IsDigit(s_[p_]) && p_ - start < 9) v = v * 10 + (s_[p_++] - '0');
        digits = static_cast<int>(p_ - start);
        if (digits == 0 || (p_ < s_.size() && IsDigit(s_[p_]))) return false;
        value = static_cast<int>(v);
        return true;
    }
    bool character(char c) {
        blanks();
        if (p_ < s_.size() && s_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    bool text(std::string_view word) {
        blanks();
        if (!word.empty() && StartsText(word, s_.substr(p_))) {
            p_ += word.size();
            return true;
        }
        return false;
    }

    bool date(TDateTime& value) {
        enum Order { DMY, MDY, YMD } order = MDY;
        for (char c : fs_.ShortDateFormat) {
            char u = static_cast<char>(c | 0x20);
            if (u == 'd') { order = DMY; break; }
            if (u == 'm') { order = MDY; break; }
            if (u == 'y') { order = YMD; break; }
        }
        int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
        if (!number(n1, l1) || !character(fs_.DateSeparator) || !number(n2, l2)) return false;
        bool three = character(fs_.DateSeparator);
        if (three && !number(n3, l3)) return false;
        int y = 0, m = 0, d = 0, yDigits = 4;
        if (!three) {
            time_t now = std::time(nullptr);
            struct tm tmNow {};
            localtime_r(&now, &tmNow);
            y = tmNow.tm_year + 1900;
            if (order == DMY) { d = n1; m = n2; }
            else { m = n1; d = n2; }
        } else {
            switch (order) {
            case DMY: d = n1; m = n2; y = n3; yDigits = l3; break;
            case MDY: m = n1; d = n2; y = n3; yDigits = l3; break;
            case YMD: y = n1; m = n2; d = n3; yDigits = l1; break;
            }
            if (yDigits <= 2) y = expandYear(y);
        }
        return TryEncodeDate(y, m, d, value);
    }

    bool time(TDateTime& value) {
        int hour = 0, min = 0, sec = 0, msec = 0, len = 0;
        int ampm = meridiem();   // -1 none, 0 am, 1 pm; may come before the time
        if (!number(hour, len)) return false;
        bool haveMinutes = false;
        if (character(fs_.TimeSeparator)) {
            if (!number(min, len)) return false;
            haveMinutes = true;
            if (character(fs_.TimeSeparator)) {
                if (!number(sec, len)) return false;
                if (character(fs_.DecimalSeparator) || character('.')) {
                    if (!number(msec, len)) return false;
                }
            }
        }
        if (ampm < 0) ampm = meridiem();
        if (!haveMinutes && ampm < 0) return false;
        if (ampm >= 0) {
            if (hour == 0 || hour > 12) return false;
            if (ampm == 0 && hour == 12) hour = 0;
            else if (ampm == 1 && hour < 12) hour += 12;
        }
        return TryEncodeTime(hour, min, sec, msec, value);
    }

private:
    int meridiem() {
        if (text(fs_.TimeAMString) || text("AM") || text("A")) return 0;
        if (text(fs_.TimePMString) || text("PM") || text("P")) return 1;
        return -1;
    }

    int expandYear(int y) const {
        time_t now = std::time(nullptr);
        struct tm tmNow {};
        localtime_r(&now, &tmNow);
        int current = tmNow.tm_year + 1900;
        int window = fs_.TwoDigitYearCenturyWindow;
        if (window > 0) {
            int base = current - window;
            y += base / 100 * 100;
            if (y < base) y += 100;
        } else {
            y += current / 100 * 100;
        }
        return y;
    }

    std::string_view s_;
    const TFormatSettings& fs_;
    size_t p_ = 0;
};

} // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
    int64_t y = year - 1;
    int64_t days = y * 365 + y / 4 - y / 100 + y / 400 + daysBeforeMonth(year, month) + day;
    date = static_cast<double>(days - kDateDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime d = 0;
    if (!TryEncodeDate(year, month, day, d)) throw EConvertError(msg::DateEncodeError);
    return d;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999) return false;
    time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime t = 0;
    if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError(msg::TimeEncodeError);
    return t;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec) {
    TDateTime d = EncodeDate(year, month, day);
    TDateTime t = EncodeTime(hour, min, sec, msec);
    return d < 0 ? d - t : d + t;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
    int64_t days = 0, msecs = 0;
    toTimeStamp(date, days, msecs);
    decodeDays(days, year, month, day);
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec) {
    int64_t days = 0, ms = 0;
    toTimeStamp(time, days, ms);
    hour = static_cast<int>(ms / 3600000);
    min = static_cast<int>(ms / 60000 % 60);
    sec = static_cast<int>(ms / 1000 % 60);
    msec = static_cast<int>(ms % 1000);
}

void DecodeDateTime(TDateTime dt, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec) {
    DecodeDate(dt, year, month, day);
    DecodeTime(dt, hour, min, sec, msec);
}

int DayOfWeek(TDateTime date) {
    int64_t days = 0, ms = 0;
    toTimeStamp(date, days, ms);
    return static_cast<int>(((days % 7) + 7) % 7) + 1;
}

TDateTime Now() {
    struct timeval tv {};
    gettimeofday(&tv, nullptr);
    struct tm t {};
    time_t secs = tv.tv_sec;
    localtime_r(&secs, &t);
    return EncodeDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, std::min(t.tm_sec, 59),
                          static_cast<int>(tv.tv_usec / 1000));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
    TDateTime n = Now();
    return n - std::trunc(n);
}

TDateTime IncMonth(TDateTime date, int months) {
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

std::string FormatDateTime(std::string_view format, TDateTime dt) { return FormatDateTime(format, dt, Regional()); }

std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& fs) {
    DateFormatter f(dt, fs);
    return f.run(format.empty() ? std::string_view("c") : format, 0);
}

std::string DateToStr(TDateTime dt) { return FormatDateTime("ddddd", dt); }
std::string TimeToStr(TDateTime dt) { return FormatDateTime("tt", dt); }
std::string DateTimeToStr(TDateTime dt) { return FormatDateTime("c", dt); }

namespace {
// Runs one scanner step over the whole text; the value is set only when nothing is left over.
bool scanWhole(std::string_view s, TDateTime& value, const TFormatSettings& fs, bool (Scanner::*step)(TDateTime&)) {
    Scanner sc(s, fs);
    TDateTime v = 0;
    if (!(sc.*step)(v) || !sc.atEnd()) return false;
    value = v;
    return true;
}
} // namespace

bool TryStrToDate(std::string_view s, TDateTime& value) { return TryStrToDate(s, value, Regional()); }
bool TryStrToDate(std::string_view s, TDateTime& value, const TFormatSettings& fs) {
    return scanWhole(s, value, fs, &Scanner::date);
}

bool TryStrToTime(std::string_view s, TDateTime& value) { return TryStrToTime(s, value, Regional()); }
bool TryStrToTime(std::string_view s, TDateTime& value, const TFormatSettings& fs) {
    return scanWhole(s, value, fs, &Scanner::time);
}

bool TryStrToDateTime(std::string_view s, TDateTime& value) { return TryStrToDateTime(s, value, Regional()); }
bool TryStrToDateTime(std::string_view s, TDateTime& value, const TFormatSettings& fs) {
    {
        Scanner sc(s, fs);
        TDateTime d = 0, t = 0;
        if (sc.date(d)) {
            if (sc.atEnd()) {
                value = d;
                return true;
            }
            if (sc.time(t) && sc.atEnd()) {
                value = d < 0 ? d - t : d + t;
                return true;
            }
            return false;
        }
    }
    return TryStrToTime(s, value, fs);
}

namespace {
using TryFn = bool (*)(std::string_view, TDateTime&);
constexpr TryFn tryDate = TryStrToDate;
constexpr TryFn tryTime = TryStrToTime;
constexpr TryFn tryDateTime = TryStrToDateTime;
} // namespace

TDateTime StrToDate(std::string_view s) { return detail::ConvertOrRaise<TDateTime>(tryDate, s, msg::InvalidDate); }
TDateTime StrToTime(std::string_view s) { return detail::ConvertOrRaise<TDateTime>(tryTime, s, msg::InvalidTime); }
TDateTime StrToDateTime(std::string_view s) {
    return detail::ConvertOrRaise<TDateTime>(tryDateTime, s, msg::InvalidDateTime);
}
TDateTime StrToDateDef(std::string_view s, TDateTime def) { return detail::ConvertOrDefault(tryDate, s, def); }
TDateTime StrToTimeDef(std::string_view s, TDateTime def) { return detail::ConvertOrDefault(tryTime, s, def); }
TDateTime StrToDateTimeDef(std::string_view s, TDateTime def) { return detail::ConvertOrDefault(tryDateTime, s, def); }

} // namespace rtl
