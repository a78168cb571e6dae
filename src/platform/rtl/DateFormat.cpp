// FormatDateTime and the text forms of dates and times.
#include <string>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

namespace {

std::string pad(int v, int width)
{
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<size_t>(width) - s.size(), '0');
    return s;
}

class DateFormatter {
public:
    DateFormatter(TDateTime dt, const TFormatSettings& fs) : fs_(fs)
    {
        DecodeDateTime(dt, year_, month_, day_, hour_, min_, sec_, msec_);
        hasTime_ = hour_ || min_ || sec_;  // "c" leaves out a time of whole-day midnight
        dow_ = DayOfWeek(dt);
    }

    std::string run(std::string_view f, int depth)
    {
        std::string out;
        char last = ' ';
        size_t i = 0;
        auto runLength = [&](char c) {
            size_t n = 0;
            while (i + n < f.size() && (f[i + n] | 0x20) == c)
                ++n;
            return n;
        };
        while (i < f.size()) {
            char c = f[i];
            char token = static_cast<char>((c >= 'a' && c <= 'z') ? c - 32 : c);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && last == 'H')
                    token = 'N';
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
                if (n <= 2)
                    out += number(month_, n, 2);
                else if (month_ >= 1)
                    out += (n == 3 ? fs_.ShortMonthNames : fs_.LongMonthNames)[static_cast<size_t>(month_ - 1)];
                break;
            }
            case 'D': {
                size_t n = runLength('d');
                i += n;
                if (n <= 2)
                    out += number(day_, n, 2);
                else if (n == 3)
                    out += fs_.ShortDayNames[static_cast<size_t>(dow_ - 1)];
                else if (n == 4)
                    out += fs_.LongDayNames[static_cast<size_t>(dow_ - 1)];
                else if (n == 5)
                    out += nested(fs_.ShortDateFormat, depth);
                else
                    out += nested(fs_.LongDateFormat, depth);
                break;
            }
            case 'H': {
                size_t n = runLength('h');
                i += n;
                int h = hour_;
                if (twelveHourAhead(f, i)) {
                    h %= 12;
                    if (h == 0)
                        h = 12;
                }
                out += number(h, n, 2);
                break;
            }
            case 'N': {
                // "m" after an hour is minutes as well: count m or n runs
                size_t n = 0;
                while (i + n < f.size() && ((f[i + n] | 0x20) == 'n' || (f[i + n] | 0x20) == 'm'))
                    ++n;
                i += n;
                out += number(min_, n, 2);
                break;
            }
            case 'S': {
                size_t n = runLength('s');
                i += n;
                out += number(sec_, n, 2);
                break;
            }
            case 'Z': {
                size_t n = runLength('z');
                i += n;
                out += number(msec_, n, 3);
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
                if (close == std::string_view::npos)
                    close = f.size();
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
    // A run of one letter gives the plain number, a run of `width` or more letters pads it.
    static std::string number(int v, size_t run, size_t width)
    {
        return run >= width ? pad(v, static_cast<int>(width)) : std::to_string(v);
    }

    // Regional formats may name each other ("c" inside a short date format); a bounded depth
    // keeps such a loop from recursing without end.
    std::string nested(const std::string& f, int depth) { return depth >= 2 ? std::string() : run(f, depth + 1); }

    static bool twelveHourAhead(std::string_view f, size_t from)
    {
        std::string rest = UpperCase(f.substr(from));
        return rest.find("AM/PM") != std::string::npos || rest.find("A/P") != std::string::npos ||
               rest.find("AMPM") != std::string::npos;
    }

    const TFormatSettings& fs_;
    int year_, month_, day_, hour_, min_, sec_, msec_, dow_;
    bool hasTime_;
};

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime dt)
{
    return FormatDateTime(format, dt, Regional());
}

std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& fs)
{
    DateFormatter f(dt, fs);
    return f.run(format.empty() ? std::string_view("c") : format, 0);
}

std::string DateToStr(TDateTime dt)
{
    return FormatDateTime("ddddd", dt);
}
std::string TimeToStr(TDateTime dt)
{
    return FormatDateTime("tt", dt);
}
std::string DateTimeToStr(TDateTime dt)
{
    return FormatDateTime("c", dt);
}

}  // namespace rtl
