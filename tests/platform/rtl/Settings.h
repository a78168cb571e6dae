#pragma once
// Regional settings the tests set explicitly, so that no result depends on the host's locale.
#include "platform/rtl/Regional.h"

namespace rtl_test {

// Comma decimals, full-stop grouping, day.month.year dates, 24-hour times.
inline rtl::TFormatSettings GermanSettings()
{
    rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ".";
    fs.DateSeparator = '.';
    fs.ShortDateFormat = "dd.MM.yyyy";
    fs.LongTimeFormat = "hh:nn:ss";
    return fs;
}

}  // namespace rtl_test
