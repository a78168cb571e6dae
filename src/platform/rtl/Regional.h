#pragma once
// The user's regional settings: separators, date and time formats, month and day names.
// One process-wide instance, filled from the user's locale at first use and settable (tests set it).
#include <array>
#include <string>

namespace rtl {

struct TFormatSettings {
    char DecimalSeparator = '.';
    // May be more than one byte (e.g. a no-break space in UTF-8); empty means "no grouping".
    std::string ThousandSeparator = ",";
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char ListSeparator = ',';
    std::string ShortDateFormat = "M/d/yyyy";
    std::string LongDateFormat = "dddd, MMMM d, yyyy";
    std::string ShortTimeFormat = "h:mm AMPM";
    std::string LongTimeFormat = "h:mm:ss AMPM";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string CurrencyString = "$";
    int CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int NegCurrFormat = 0;   // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
                             // 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)"
    int CurrencyDecimals = 2;
    int TwoDigitYearCenturyWindow = 50;
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

    // Fixed neutral settings (English names, '.' decimal, ',' thousands, "M/d/yyyy").
    static TFormatSettings Neutral();
    // Read from the user's locale (LC_NUMERIC / LC_TIME / LC_MONETARY of the environment). Short
    // dates show the year in full; the C and POSIX locales keep the default "M/d/yyyy".
    static TFormatSettings FromUserLocale();
};

// The process-wide settings; mutable so that tests and the program can change them.
TFormatSettings& Regional();

// Replaces the process-wide settings for its lifetime and puts the old ones back afterwards.
class TRegionalScope {
public:
    explicit TRegionalScope(const TFormatSettings& settings);
    ~TRegionalScope();
    TRegionalScope(const TRegionalScope&) = delete;
    TRegionalScope& operator=(const TRegionalScope&) = delete;

private:
    TFormatSettings saved_;
};

}  // namespace rtl
