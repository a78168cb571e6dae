#include <cmath>
#include <vector>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/FloatText.h"

namespace rtl {

namespace {

// The placeholders of one section of a picture format.
struct Picture {
    std::string_view text;
    int intPlaces = 0;      // '0' and '#' before the decimal point
    int firstIntZero = -1;  // index of the first '0' among them
    int fracPlaces = 0;     // '0' and '#' after the decimal point
    int lastFracZero = -1;  // index of the last '0' among them
    bool thousands = false;
    bool scientific = false;
};

Picture parsePicture(std::string_view text)
{
    Picture p;
    p.text = text;
    bool afterPoint = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"' || c == '\'') {
            size_t close = text.find(c, i + 1);
            i = close == std::string_view::npos ? text.size() : close;
        } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) {
            p.scientific = true;
            break;
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',') {
            p.thousands = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                if (c == '0')
                    p.lastFracZero = p.fracPlaces;
                ++p.fracPlaces;
            } else {
                if (c == '0' && p.firstIntZero < 0)
                    p.firstIntZero = p.intPlaces;
                ++p.intPlaces;
            }
        }
    }
    return p;
}

std::vector<std::string_view> splitSections(std::string_view format)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c == '"' || c == '\'') {
            size_t close = format.find(c, i + 1);
            i = close == std::string_view::npos ? format.size() - 1 : close;
        } else if (c == ';' && sections.size() < 2) {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

class Renderer {
public:
    Renderer(const Picture& p, double magnitude, const TFormatSettings& fs) : p_(p), fs_(fs)
    {
        detail::DecimalDigits d = detail::ToDecimal(magnitude, 15);
        if (p.scientific) {
            int places = std::max(p.intPlaces, 1);
            exponent_ = d.digits.empty() ? 0 : d.exponent - places;
            if (!d.digits.empty())
                d.exponent = places;
            detail::RoundToDecimals(d, p.fracPlaces);
            if (d.exponent > places) {  // 9.99 rounded up to 10.0
                exponent_ += d.exponent - places;
                d.exponent = places;
            }
        } else {
            detail::RoundToDecimals(d, p.fracPlaces);
        }
        zero_ = d.digits.empty();
        int_ = detail::IntegerDigits(d);
        if (int_ == "0")
            int_.clear();
        int minInt = p.firstIntZero < 0 ? 0 : p.intPlaces - p.firstIntZero;
        if (static_cast<int>(int_.size()) < minInt)
            int_.insert(0, static_cast<size_t>(minInt) - int_.size(), '0');
        frac_ = detail::FractionDigits(d, p.fracPlaces);
        size_t minFrac = static_cast<size_t>(p.lastFracZero + 1);
        while (frac_.size() > minFrac && frac_.back() == '0')
            frac_.pop_back();
    }

    bool zero() const { return zero_; }

    std::string run()
    {
        std::string_view t = p_.text;
        bool afterPoint = false;
        int intIndex = 0, fracIndex = 0;
        for (size_t i = 0; i < t.size(); ++i) {
            char c = t[i];
            if (c == '"' || c == '\'') {
                size_t close = t.find(c, i + 1);
                if (close == std::string_view::npos)
                    close = t.size();
                out_ += t.substr(i + 1, close - i - 1);
                i = close;
            } else if (p_.scientific && (c == 'E' || c == 'e') && i + 1 < t.size() &&
                       (t[i + 1] == '+' || t[i + 1] == '-')) {
                if (p_.intPlaces == 0 && intIndex == 0)
                    emitInteger(0, true);
                out_ += c;
                if (exponent_ < 0)
                    out_ += '-';
                else if (t[i + 1] == '+')
                    out_ += '+';
                i += 2;
                size_t zeros = 0;
                while (i < t.size() && t[i] == '0')
                    ++zeros, ++i;
                std::string e = std::to_string(std::abs(exponent_));
                if (e.size() < zeros)
                    e.insert(0, zeros - e.size(), '0');
                out_ += e;
                --i;
            } else if (c == '.' && !afterPoint) {
                afterPoint = true;
                if (p_.intPlaces == 0)
                    emitInteger(0, true);
                if (!frac_.empty())
                    out_ += fs_.DecimalSeparator;
            } else if (c == ',') {
                // grouping flag only
            } else if (c == '0' || c == '#') {
                if (afterPoint) {
                    if (fracIndex < static_cast<int>(frac_.size()))
                        out_ += frac_[static_cast<size_t>(fracIndex)];
                    ++fracIndex;
                } else {
                    emitInteger(intIndex++, false);
                }
            } else {
                out_ += c;
            }
        }
        if (p_.intPlaces == 0 && !afterPoint && !p_.scientific)
            emitInteger(0, true);
        return out_;
    }

private:
    // Emits what belongs at integer placeholder k; the first placeholder also takes the digits
    // for which the picture has no place. `all` emits every digit at once.
    void emitInteger(int k, bool all)
    {
        int len = static_cast<int>(int_.size());
        int offset = len - p_.intPlaces;
        if (all) {
            for (int j = 0; j < len; ++j)
                digit(j);
            return;
        }
        if (k == 0)
            for (int j = 0; j < offset; ++j)
                digit(j);
        int j = k + offset;
        if (j >= 0 && j < len)
            digit(j);
    }

    void digit(int j)
    {
        out_ += int_[static_cast<size_t>(j)];
        int rest = static_cast<int>(int_.size()) - j - 1;
        if (p_.thousands && rest > 0 && rest % 3 == 0)
            out_ += fs_.ThousandSeparator;
    }

    const Picture& p_;
    const TFormatSettings& fs_;
    std::string int_, frac_, out_;
    int exponent_ = 0;
    bool zero_ = false;
};

}  // namespace

std::string FormatFloat(std::string_view format, double value, const TFormatSettings& fs)
{
    std::string nonFinite = detail::NonFiniteText(value);
    if (!nonFinite.empty())
        return nonFinite;
    if (format.empty())
        return FloatToStrF(value, ffGeneral, 15, 0, fs);
    std::vector<std::string_view> sections = splitSections(format);
    std::string_view section = sections[0];
    bool sign = value < 0;
    if (sign && sections.size() >= 2 && !sections[1].empty()) {
        section = sections[1];  // the negative section writes its own sign
        sign = false;
    }
    Picture picture = parsePicture(section);
    Renderer r(picture, std::fabs(value), fs);
    if (r.zero() && sections.size() >= 3 && !sections[2].empty()) {
        Picture zeroPicture = parsePicture(sections[2]);
        return Renderer(zeroPicture, 0.0, fs).run();
    }
    std::string text = r.run();
    return (sign && !r.zero()) ? "-" + text : text;
}

}  // namespace rtl
