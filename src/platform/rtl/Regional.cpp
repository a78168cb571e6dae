#include "platform/rtl/Regional.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

namespace rtl {

namespace {

// Translates a strftime-style date or time pattern into the program's format tokens. Years are
// shown in full: a short date never cuts a four-digit year to two.
std::string fromStrftime(std::string_view f, bool& twelveHour)
{
    std::string out;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%' || i + 1 >= f.size()) {
            out += f[i];
            continue;
        }
        char c = f[++i];
        if ((c == 'E' || c == 'O') && i + 1 < f.size())
            c = f[++i];  // alternative-representation modifiers
        switch (c) {
        case 'd':
            out += "dd";
            break;
        case 'e':
            out += "d";
            break;
        case 'm':
            out += "MM";
            break;
        case 'b':
        case 'h':
            out += "MMM";
            break;
        case 'B':
            out += "MMMM";
            break;
        case 'a':
            out += "ddd";
            break;
        case 'A':
            out += "dddd";
            break;
        case 'y':
        case 'Y':
            out += "yyyy";
            break;
        case 'H':
            out += "hh";
            break;
        case 'k':
            out += "h";
            break;
        case 'I':
            out += "hh";
            twelveHour = true;
            break;
        case 'l':
            out += "h";
            twelveHour = true;
            break;
        case 'M':
            out += "nn";
            break;
        case 'S':
            out += "ss";
            break;
        case 'p':
        case 'P':
            twelveHour = true;
            out += "AMPM";
            break;
        case 'D':
            out += "MM/dd/yyyy";
            break;
        case 'F':
            out += "yyyy-MM-dd";
            break;
        case 'T':
            out += "hh:nn:ss";
            break;
        case 'R':
            out += "hh:nn";
            break;
        case 'r':
            out += "hh:nn:ss AMPM";
            twelveHour = true;
            break;
        case '%':
            out += '%';
            break;
        default:
            break;
        }
    }
    // Trailing blanks appear when a modifier like %Z was dropped.
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

char firstSeparator(std::string_view f, char fallback)
{
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '%') {
            ++i;
            continue;
        }
        if (f[i] != ' ' && static_cast<unsigned char>(f[i]) < 0x80)
            return f[i];
    }
    return fallback;
}

// Drops the seconds ("ss" with the separator before it) from a long time format.
std::string withoutSeconds(const std::string& longTime)
{
    size_t p = longTime.find("ss");
    if (p == std::string::npos || p == 0)
        return longTime;
    return longTime.substr(0, p - 1) + longTime.substr(p + 2);
}

std::string info(nl_item item, locale_t loc)
{
    const char* s = nl_langinfo_l(item, loc);
    return s ? std::string(s) : std::string();
}

std::string CLocaleDateFormat()
{
    locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (!c)
        return {};
    std::string f = info(D_FMT, c);
    freelocale(c);
    return f;
}

}  // namespace

TFormatSettings TFormatSettings::Neutral()
{
    return TFormatSettings{};
}

TFormatSettings TFormatSettings::FromUserLocale()
{
    TFormatSettings fs;
    locale_t loc = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (!loc)
        return fs;

    std::string radix = info(RADIXCHAR, loc);
    if (radix.size() == 1)
        fs.DecimalSeparator = radix[0];
    fs.ThousandSeparator = info(THOUSEP, loc);
    if (fs.ThousandSeparator.empty())
        fs.ThousandSeparator.assign(1, fs.DecimalSeparator == ',' ? '.' : ',');
    fs.ListSeparator = fs.DecimalSeparator == ',' ? ';' : ',';

    std::string dfmt = info(D_FMT, loc);
    std::string tfmt = info(T_FMT, loc);
    // The C and POSIX locales name no user's date order; the default stays.
    if (!dfmt.empty() && dfmt != CLocaleDateFormat()) {
        bool twelve = false;
        fs.ShortDateFormat = fromStrftime(dfmt, twelve);
        fs.DateSeparator = firstSeparator(dfmt, '/');
    }
    if (!tfmt.empty()) {
        bool twelve = false;
        fs.LongTimeFormat = fromStrftime(tfmt, twelve);
        fs.ShortTimeFormat = withoutSeconds(fs.LongTimeFormat);
        fs.TimeSeparator = firstSeparator(tfmt, ':');
    }
    fs.TimeAMString = info(AM_STR, loc);
    fs.TimePMString = info(PM_STR, loc);

    static const nl_item months[12] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                       MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    static const nl_item abMonths[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                         ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    static const nl_item days[7] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
    static const nl_item abDays[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
    for (int i = 0; i < 12; ++i) {
        fs.LongMonthNames[i] = info(months[i], loc);
        fs.ShortMonthNames[i] = info(abMonths[i], loc);
    }
    for (int i = 0; i < 7; ++i) {
        fs.LongDayNames[i] = info(days[i], loc);
        fs.ShortDayNames[i] = info(abDays[i], loc);
    }
    std::string currency = info(CRNCYSTR, loc);  // leading '-', '+' or '.' tells the position
    if (currency.size() > 1) {
        fs.CurrencyFormat = currency[0] == '+' ? 1 : 0;
        fs.CurrencyString = currency.substr(1);
    }
    freelocale(loc);
    return fs;
}

TFormatSettings& Regional()
{
    static TFormatSettings settings = TFormatSettings::FromUserLocale();
    return settings;
}

TRegionalScope::TRegionalScope(const TFormatSettings& settings) : saved_(Regional())
{
    Regional() = settings;
}
TRegionalScope::~TRegionalScope()
{
    Regional() = saved_;
}

}  // namespace rtl
