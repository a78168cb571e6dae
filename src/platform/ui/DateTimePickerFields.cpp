// The date-time picker's fields: the format read into fields, their texts, moving between them,
// stepping them and typing digits into them.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/ui/DateTimePicker.h"

namespace ui {

using rtl::TDateTime;

namespace {

struct Parts {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
};

Parts split(TDateTime v)
{
    Parts p;
    rtl::DecodeDateTime(v, p.y, p.mo, p.d, p.h, p.mi, p.s, p.ms);
    return p;
}

// Joins the parts again; a day the month lacks becomes the month's last.
TDateTime join(Parts p)
{
    p.y = std::clamp(p.y, 1, 9999);
    p.mo = std::clamp(p.mo, 1, 12);
    p.d = std::clamp(p.d, 1, rtl::DaysInAMonth(p.y, p.mo));
    return rtl::EncodeDateTime(p.y, p.mo, p.d, p.h, p.mi, p.s, 0);
}

int wrap(int v, int lo, int hi)
{
    const int n = hi - lo + 1;
    return lo + (((v - lo) % n) + n) % n;
}

std::string pad(int v, int width)
{
    std::string s = std::to_string(v);
    while (static_cast<int>(s.size()) < width)
        s.insert(s.begin(), '0');
    return s;
}

bool startsWithNoCase(const std::string& s, std::size_t at, const char* word)
{
    for (std::size_t k = 0; word[k]; ++k)
        if (at + k >= s.size() || std::tolower(static_cast<unsigned char>(s[at + k])) != word[k])
            return false;
    return true;
}

}  // namespace

void TDateTimePicker::Parse()
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    std::string f = format_;
    if (f.empty())
        f = kind_ == TDateTimeKind::dtkTime        ? fs.LongTimeFormat
            : dateFormat_ == TDTDateFormat::dfLong ? fs.LongDateFormat
                                                   : fs.ShortDateFormat;
    const bool hasAmPm = f.find('t') != std::string::npos || startsWithNoCase(f, f.find_first_of("aA"), "am") ||
                         startsWithNoCase(f, f.find_first_of("aA"), "a/p");
    segments_.clear();
    auto literal = [&](const std::string& text) {
        if (!segments_.empty() && segments_.back().field == TDTField::dtfNone)
            segments_.back().literal += text;
        else {
            Segment s;
            s.literal = text;
            segments_.push_back(s);
        }
    };
    bool afterHour = false;
    for (std::size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (c == '\'' || c == '"') {
            const std::size_t end = f.find(c, i + 1);
            literal(f.substr(i + 1, (end == std::string::npos ? f.size() : end) - i - 1));
            i = end == std::string::npos ? f.size() : end + 1;
            continue;
        }
        if (startsWithNoCase(f, i, "am/pm") || startsWithNoCase(f, i, "a/p") || startsWithNoCase(f, i, "ampm")) {
            Segment s;
            s.field = TDTField::dtfAmPm;
            s.width = 2;
            s.lowerAmPm = std::islower(static_cast<unsigned char>(c)) != 0 && !startsWithNoCase(f, i, "ampm");
            if (startsWithNoCase(f, i, "a/p"))
                s.width = 1;
            segments_.push_back(s);
            i += startsWithNoCase(f, i, "am/pm") ? 5 : startsWithNoCase(f, i, "ampm") ? 4 : 3;
            continue;
        }
        std::size_t run = 1;
        while (i + run < f.size() && f[i + run] == c)
            ++run;
        const int width = static_cast<int>(run);
        Segment s;
        s.width = width;
        switch (c) {
        case 'd':
        case 'D':
            s.field = run >= 3 ? TDTField::dtfDayName : TDTField::dtfDay;
            break;
        case 'M':
            s.field = TDTField::dtfMonth;
            break;
        case 'm':
            s.field = afterHour && run <= 2 ? TDTField::dtfMinute : TDTField::dtfMonth;
            break;
        case 'y':
        case 'Y':
            s.field = TDTField::dtfYear;
            break;
        case 'h':
            s.field = TDTField::dtfHour;
            s.twelveHour = hasAmPm;
            break;
        case 'H':
            s.field = TDTField::dtfHour;
            break;
        case 'n':
        case 'N':
            s.field = TDTField::dtfMinute;
            break;
        case 's':
        case 'S':
            s.field = TDTField::dtfSecond;
            break;
        case 't':
            s.field = TDTField::dtfAmPm;
            break;
        case '/':
            literal(std::string(run, fs.DateSeparator));
            i += run;
            continue;
        case ':':
            literal(std::string(run, fs.TimeSeparator));
            i += run;
            continue;
        default:
            literal(f.substr(i, run));
            i += run;
            continue;
        }
        if (s.field == TDTField::dtfHour)
            afterHour = true;
        else if (s.field != TDTField::dtfMinute && s.field != TDTField::dtfSecond && s.field != TDTField::dtfAmPm)
            afterHour = false;
        segments_.push_back(s);
        i += run;
    }
    if (active_ < 0 || active_ >= FieldCount() || !Editable(active_)) {
        active_ = -1;
        for (int k = 0; k < FieldCount() && active_ < 0; ++k)
            if (Editable(k))
                active_ = k;
    }
    typed_.clear();
    UpdateText();
}

std::string TDateTimePicker::SegmentText(const Segment& s) const
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    const Parts p = split(value_);
    switch (s.field) {
    case TDTField::dtfNone:
        return s.literal;
    case TDTField::dtfDay:
        return pad(p.d, s.width >= 2 ? 2 : 1);
    case TDTField::dtfDayName: {
        const auto day = static_cast<std::size_t>(rtl::DayOfWeek(value_) - 1);
        return s.width >= 4 ? fs.LongDayNames[day] : fs.ShortDayNames[day];
    }
    case TDTField::dtfMonth:
        if (s.width >= 4)
            return fs.LongMonthNames[static_cast<std::size_t>(p.mo - 1)];
        if (s.width == 3)
            return fs.ShortMonthNames[static_cast<std::size_t>(p.mo - 1)];
        return pad(p.mo, s.width);
    case TDTField::dtfYear:
        return s.width <= 2 ? pad(p.y % 100, 2) : pad(p.y, 4);
    case TDTField::dtfHour: {
        const int h = s.twelveHour ? (p.h % 12 == 0 ? 12 : p.h % 12) : p.h;
        return pad(h, std::min(s.width, 2));
    }
    case TDTField::dtfMinute:
        return pad(p.mi, std::min(s.width, 2));
    case TDTField::dtfSecond:
        return pad(p.s, std::min(s.width, 2));
    case TDTField::dtfAmPm: {
        std::string t = p.h < 12 ? fs.TimeAMString : fs.TimePMString;
        if (s.width == 1)
            t = t.substr(0, 1);
        if (s.lowerAmPm)
            for (char& ch : t)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return t;
    }
    }
    return {};
}

void TDateTimePicker::UpdateText()
{
    std::string text;
    for (const Segment& s : segments_)
        text += SegmentText(s);
    TControl::SetText(text);
    Invalidate();
}

bool TDateTimePicker::Editable(int index) const
{
    if (index < 0 || index >= FieldCount())
        return false;
    const TDTField f = segments_[static_cast<std::size_t>(index)].field;
    return f != TDTField::dtfNone && f != TDTField::dtfDayName;
}

TDTField TDateTimePicker::FieldKind(int index) const
{
    return index >= 0 && index < FieldCount() ? segments_[static_cast<std::size_t>(index)].field : TDTField::dtfNone;
}

TDTField TDateTimePicker::ActiveField() const
{
    return FieldKind(active_);
}

void TDateTimePicker::MoveField(int step)
{
    for (int k = active_ + step; k >= 0 && k < FieldCount(); k += step) {
        if (Editable(k)) {
            active_ = k;
            typed_.clear();
            Invalidate();
            return;
        }
    }
}

void TDateTimePicker::StepField(int step)
{
    if (!Editable(active_))
        return;
    typed_.clear();
    Parts p = split(value_);
    switch (ActiveField()) {
    case TDTField::dtfDay:
        p.d = wrap(p.d + step, 1, rtl::DaysInAMonth(p.y, p.mo));
        break;
    case TDTField::dtfMonth:
        p.mo = wrap(p.mo + step, 1, 12);
        break;
    case TDTField::dtfYear:
        p.y += step;
        break;
    case TDTField::dtfHour:
        p.h = wrap(p.h + step, 0, 23);
        break;
    case TDTField::dtfMinute:
        p.mi = wrap(p.mi + step, 0, 59);
        break;
    case TDTField::dtfSecond:
        p.s = wrap(p.s + step, 0, 59);
        break;
    case TDTField::dtfAmPm:
        p.h = (p.h + 12) % 24;
        break;
    default:
        return;
    }
    UserValue(join(p));
}

void TDateTimePicker::TypeDigit(int digit)
{
    if (!Editable(active_) || ActiveField() == TDTField::dtfAmPm)
        return;
    const Segment& seg = segments_[static_cast<std::size_t>(active_)];
    Parts p = split(value_);
    const TDTField field = ActiveField();
    if (field == TDTField::dtfYear) {
        typed_ += static_cast<char>('0' + digit);
        const int n = std::stoi(typed_);
        if (typed_.size() <= 2) {
            // One or two digits take the century of the regional two-digit-year window.
            const int window = rtl::Regional().TwoDigitYearCenturyWindow;
            int thisYear = 0, m = 0, d = 0;
            rtl::DecodeDate(rtl::Now(), thisYear, m, d);
            const int base = thisYear - window;
            p.y = base / 100 * 100 + n;
            if (p.y < base)
                p.y += 100;
        } else {
            p.y = std::max(1, n);
        }
        if (typed_.size() >= 4)
            typed_.clear();
        UserValue(join(p));
        return;
    }
    int lo = 0, hi = 59;
    switch (field) {
    case TDTField::dtfDay:
        lo = 1;
        hi = rtl::DaysInAMonth(p.y, p.mo);
        break;
    case TDTField::dtfMonth:
        lo = 1;
        hi = 12;
        break;
    case TDTField::dtfHour:
        lo = seg.twelveHour ? 1 : 0;
        hi = seg.twelveHour ? 12 : 23;
        break;
    default:
        break;
    }
    typed_ += static_cast<char>('0' + digit);
    int n = std::stoi(typed_);
    if (n > hi) {
        // Too large with the earlier digit: this digit starts the field anew.
        typed_ = std::string(1, static_cast<char>('0' + digit));
        n = digit;
    }
    // The field is complete when no further digit could follow.
    if (typed_.size() >= 2 || n * 10 > hi)
        typed_.clear();
    if (n < lo)
        return;  // a leading zero: wait for the next digit
    switch (field) {
    case TDTField::dtfDay:
        p.d = n;
        break;
    case TDTField::dtfMonth:
        p.mo = n;
        break;
    case TDTField::dtfHour:
        p.h = seg.twelveHour ? (n % 12) + (p.h >= 12 ? 12 : 0) : n;
        break;
    case TDTField::dtfMinute:
        p.mi = n;
        break;
    case TDTField::dtfSecond:
        p.s = n;
        break;
    default:
        return;
    }
    UserValue(join(p));
}

void TDateTimePicker::TypeAmPm(bool pm)
{
    Parts p = split(value_);
    if ((p.h >= 12) != pm)
        p.h = (p.h + 12) % 24;
    UserValue(join(p));
}

}  // namespace ui
