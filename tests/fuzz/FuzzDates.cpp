// Date and time texts read with the regional settings: any text is read or refused under each of a
// few date formats, and a date that is read formats and reads back to the same day.
#include "FuzzSupport.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Regional.h"

#include <cmath>

namespace {

struct Layout {
    const char* shortDate;
    char dateSeparator;
    char timeSeparator;
};

constexpr Layout kLayouts[] = {
    {"M/d/yyyy", '/', ':'},
    {"dd.MM.yyyy", '.', ':'},
    {"yyyy-MM-dd", '-', ':'},
    {"d/M/yy", '/', '.'},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::Text(data, size);
    for (const Layout& layout : kLayouts) {
        rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
        fs.ShortDateFormat = layout.shortDate;
        fs.DateSeparator = layout.dateSeparator;
        fs.TimeSeparator = layout.timeSeparator;
        rtl::TDateTime value = 0;
        (void)rtl::TryStrToTime(text, value, fs);
        (void)rtl::TryStrToDateTime(text, value, fs);
        if (!rtl::TryStrToDate(text, value, fs))
            continue;
        int year = 0, month = 0, day = 0;
        rtl::DecodeDate(value, year, month, day);
        FUZZ_CHECK(month >= 1 && month <= 12 && day >= 1 && day <= rtl::DaysInAMonth(year, month),
                   "a date read as an impossible day: " + std::string(text));
        const std::string written = rtl::FormatDateTime("yyyy-mm-dd hh:nn:ss", value, fs);
        (void)rtl::FormatDateTime(fs.LongDateFormat, value, fs);
        if (std::string_view(layout.shortDate).find("yyyy") != std::string_view::npos && year >= 1 && year <= 9999) {
            rtl::TDateTime back = 0;
            FUZZ_CHECK(rtl::TryStrToDate(rtl::FormatDateTime(fs.ShortDateFormat, value, fs), back, fs) &&
                           std::floor(back) == std::floor(value),
                       "a date read from \"" + std::string(text) + "\" does not read back: " + written);
        }
    }
    return 0;
}
