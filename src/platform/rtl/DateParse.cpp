// Reading dates and times typed in the regional short formats.

#include "platform/rtl/ConvertHelpers.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

namespace {

class Scanner {
public:
    Scanner(std::string_view s, const TFormatSettings& fs) : s_(s), fs_(fs) {}

    void blanks()
    {
        while (p_ < s_.size() && s_[p_] == ' ')
            ++p_;
    }
    bool atEnd()
    {
        blanks();
        return p_ >= s_.size();
    }
    bool number(int& value, int& digits)
    {
        blanks();
        size_t start = p_;
        int64_t v = 0;
        while (p_ < s_.size() && IsDigit(s_[p_]) && p_ - start < 9)
            v = v * 10 + (s_[p_++] - '0');
        digits = static_cast<int>(p_ - start);
        if (digits == 0 || (p_ < s_.size() && IsDigit(s_[p_])))
            return false;
        value = static_cast<int>(v);
        return true;
    }
    bool character(char c)
    {
        blanks();
        if (p_ < s_.size() && s_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    bool text(std::string_view word)
    {
        blanks();
        if (!word.empty() && StartsText(word, s_.substr(p_))) {
            p_ += word.size();
            return true;
        }
        return false;
    }

    bool date(TDateTime& value)
    {
        enum Order { DMY, MDY, YMD } order = MDY;
        for (char c : fs_.ShortDateFormat) {
            char u = static_cast<char>(c | 0x20);
            if (u == 'd') {
                order = DMY;
                break;
            }
            if (u == 'm') {
                order = MDY;
                break;
            }
            if (u == 'y') {
                order = YMD;
                break;
            }
        }
        int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
        if (!number(n1, l1) || !character(fs_.DateSeparator) || !number(n2, l2))
            return false;
        bool three = character(fs_.DateSeparator);
        if (three && !number(n3, l3))
            return false;
        int y = 0, m = 0, d = 0, yDigits = 4;
        if (!three) {
            y = currentYear();
            if (order == DMY) {
                d = n1;
                m = n2;
            } else {
                m = n1;
                d = n2;
            }
        } else {
            switch (order) {
            case DMY:
                d = n1;
                m = n2;
                y = n3;
                yDigits = l3;
                break;
            case MDY:
                m = n1;
                d = n2;
                y = n3;
                yDigits = l3;
                break;
            case YMD:
                y = n1;
                m = n2;
                d = n3;
                yDigits = l1;
                break;
            }
            if (yDigits <= 2)
                y = expandYear(y);
        }
        return TryEncodeDate(y, m, d, value);
    }

    bool time(TDateTime& value)
    {
        int hour = 0, min = 0, sec = 0, msec = 0, len = 0;
        int ampm = meridiem();  // -1 none, 0 am, 1 pm; may come before the time
        if (!number(hour, len))
            return false;
        bool haveMinutes = false;
        if (character(fs_.TimeSeparator)) {
            if (!number(min, len))
                return false;
            haveMinutes = true;
            if (character(fs_.TimeSeparator)) {
                if (!number(sec, len))
                    return false;
                if (character(fs_.DecimalSeparator) || character('.')) {
                    if (!number(msec, len))
                        return false;
                }
            }
        }
        if (ampm < 0)
            ampm = meridiem();
        if (!haveMinutes && ampm < 0)
            return false;
        if (ampm >= 0) {
            if (hour == 0 || hour > 12)
                return false;
            if (ampm == 0 && hour == 12)
                hour = 0;
            else if (ampm == 1 && hour < 12)
                hour += 12;
        }
        return TryEncodeTime(hour, min, sec, msec, value);
    }

private:
    int meridiem()
    {
        if (text(fs_.TimeAMString) || text("AM") || text("A"))
            return 0;
        if (text(fs_.TimePMString) || text("PM") || text("P"))
            return 1;
        return -1;
    }

    // The year of the clock Now reads, so that a test's fixed clock also fixes the implied year.
    static int currentYear()
    {
        int y = 0, m = 0, d = 0;
        DecodeDate(Now(), y, m, d);
        return y;
    }

    int expandYear(int y) const
    {
        int current = currentYear();
        int window = fs_.TwoDigitYearCenturyWindow;
        if (window > 0) {
            int base = current - window;
            y += base / 100 * 100;
            if (y < base)
                y += 100;
        } else {
            y += current / 100 * 100;
        }
        return y;
    }

    std::string_view s_;
    const TFormatSettings& fs_;
    size_t p_ = 0;
};

// Runs one scanner step over the whole text; the value is set only when nothing is left over.
bool scanWhole(std::string_view s, TDateTime& value, const TFormatSettings& fs, bool (Scanner::*step)(TDateTime&))
{
    Scanner sc(s, fs);
    TDateTime v = 0;
    if (!(sc.*step)(v) || !sc.atEnd())
        return false;
    value = v;
    return true;
}

using TryFn = bool (*)(std::string_view, TDateTime&);
constexpr TryFn tryDate = TryStrToDate;
constexpr TryFn tryTime = TryStrToTime;
constexpr TryFn tryDateTime = TryStrToDateTime;

}  // namespace

bool TryStrToDate(std::string_view s, TDateTime& value)
{
    return TryStrToDate(s, value, Regional());
}
bool TryStrToDate(std::string_view s, TDateTime& value, const TFormatSettings& fs)
{
    return scanWhole(s, value, fs, &Scanner::date);
}

bool TryStrToTime(std::string_view s, TDateTime& value)
{
    return TryStrToTime(s, value, Regional());
}
bool TryStrToTime(std::string_view s, TDateTime& value, const TFormatSettings& fs)
{
    return scanWhole(s, value, fs, &Scanner::time);
}

bool TryStrToDateTime(std::string_view s, TDateTime& value)
{
    return TryStrToDateTime(s, value, Regional());
}
bool TryStrToDateTime(std::string_view s, TDateTime& value, const TFormatSettings& fs)
{
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

TDateTime StrToDate(std::string_view s)
{
    return detail::ConvertOrRaise<TDateTime>(tryDate, s, msg::InvalidDate);
}
TDateTime StrToTime(std::string_view s)
{
    return detail::ConvertOrRaise<TDateTime>(tryTime, s, msg::InvalidTime);
}
TDateTime StrToDateTime(std::string_view s)
{
    return detail::ConvertOrRaise<TDateTime>(tryDateTime, s, msg::InvalidDateTime);
}
TDateTime StrToDateDef(std::string_view s, TDateTime def)
{
    return detail::ConvertOrDefault(tryDate, s, def);
}
TDateTime StrToTimeDef(std::string_view s, TDateTime def)
{
    return detail::ConvertOrDefault(tryTime, s, def);
}
TDateTime StrToDateTimeDef(std::string_view s, TDateTime def)
{
    return detail::ConvertOrDefault(tryDateTime, s, def);
}

}  // namespace rtl
