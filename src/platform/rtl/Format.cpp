#include "platform/rtl/Format.h"

#include <charconv>
#include <climits>

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

namespace rtl {

namespace {

// Width and precision beyond this are refused as an invalid format rather than allocating
// whatever a typed format asks for.
constexpr int kMaxWidth = 100000;
// Significant digits used for the float directives (what a double holds reliably).
constexpr int kFloatPrecision = 15;

class Formatter {
public:
    Formatter(std::string_view format, const std::vector<TVarRec>& args, const TFormatSettings& fs)
        : fmt_(format), args_(args), fs_(fs)
    {}

    std::string run()
    {
        while (pos_ < fmt_.size()) {
            char c = fmt_[pos_++];
            if (c != '%') {
                out_ += c;
                continue;
            }
            if (pos_ < fmt_.size() && fmt_[pos_] == '%') {
                out_ += '%';
                ++pos_;
                continue;
            }
            directive();
        }
        return out_;
    }

private:
    [[noreturn]] void invalid() const { throw EConvertError(Fmt(msg::InvalidFormat, std::string(fmt_))); }

    const TVarRec& nextArg()
    {
        if (argIndex_ < 0 || static_cast<size_t>(argIndex_) >= args_.size())
            throw EConvertError(Fmt(msg::ArgumentMissing, std::string(fmt_)));
        return args_[static_cast<size_t>(argIndex_++)];
    }

    // A number, "*" (taken from the next integer argument) or nothing (-1).
    int number()
    {
        if (pos_ < fmt_.size() && fmt_[pos_] == '*') {
            ++pos_;
            const TVarRec& a = nextArg();
            if (a.kind() != TVarRec::Kind::Integer)
                invalid();
            int64_t v = a.asInteger();
            if (v > kMaxWidth)
                invalid();
            return v < 0 ? -1 : static_cast<int>(v);
        }
        size_t start = pos_;
        int64_t v = 0;
        while (pos_ < fmt_.size() && IsDigit(fmt_[pos_])) {
            v = v * 10 + (fmt_[pos_++] - '0');
            if (v > kMaxWidth)
                invalid();
        }
        return pos_ == start ? -1 : static_cast<int>(v);
    }

    // [index ":"] ["-"] [width] ["." prec] type
    void directive()
    {
        int n = number();
        if (pos_ < fmt_.size() && fmt_[pos_] == ':') {
            ++pos_;
            argIndex_ = n < 0 ? 0 : n;
            n = -1;
        }
        bool left = false;
        if (n < 0 && pos_ < fmt_.size() && fmt_[pos_] == '-') {
            left = true;
            ++pos_;
        }
        int width = n >= 0 ? n : number();
        int prec = -1;
        if (pos_ < fmt_.size() && fmt_[pos_] == '.') {
            ++pos_;
            prec = number();
            if (prec < 0)
                prec = 0;
        }
        if (pos_ >= fmt_.size())
            invalid();
        char type = static_cast<char>(fmt_[pos_++] | 0x20);  // directive letters are case-insensitive
        std::string text = convert(type, prec);
        int len = Utf8Length(text);
        if (width > len) {
            std::string pad(static_cast<size_t>(width - len), ' ');
            text = left ? text + pad : pad + text;
        }
        out_ += text;
    }

    int64_t integerArg()
    {
        const TVarRec& a = nextArg();
        if (a.kind() != TVarRec::Kind::Integer)
            invalid();
        return a.asInteger();
    }

    double floatArg()
    {
        const TVarRec& a = nextArg();
        if (a.kind() == TVarRec::Kind::Float)
            return a.asFloat();
        if (a.kind() == TVarRec::Kind::Integer)
            return static_cast<double>(a.asInteger());
        invalid();
    }

    static std::string zeroPad(std::string digits, int prec)
    {
        if (prec > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<size_t>(prec) - digits.size(), '0');
        return digits;
    }

    std::string convert(char type, int prec)
    {
        switch (type) {
        case 'd': {
            int64_t v = integerArg();
            uint64_t mag = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
            std::string text = v < 0 ? "-" : "";
            return text += zeroPad(std::to_string(mag), prec);
        }
        case 'u': {
            int64_t v = integerArg();
            uint64_t u = (v < 0 && v >= INT32_MIN) ? static_cast<uint32_t>(v) : static_cast<uint64_t>(v);
            return zeroPad(std::to_string(u), prec);
        }
        case 'x':
            return zeroPad(IntToHex(integerArg(), 0), prec);
        case 'e':
            return FloatToStrF(floatArg(), ffExponent, prec < 0 ? kFloatPrecision : prec, 3, fs_);
        case 'f':
            return FloatToStrF(floatArg(), ffFixed, kFloatPrecision, prec < 0 ? 2 : prec, fs_);
        case 'g':
            return FloatToStrF(floatArg(), ffGeneral, prec < 0 ? kFloatPrecision : prec, 0, fs_);
        case 'n':
            return FloatToStrF(floatArg(), ffNumber, kFloatPrecision, prec < 0 ? 2 : prec, fs_);
        case 'm':
            return FloatToStrF(floatArg(), ffCurrency, kFloatPrecision, prec < 0 ? fs_.CurrencyDecimals : prec, fs_);
        case 's': {
            const TVarRec& a = nextArg();
            if (a.kind() != TVarRec::Kind::String)
                invalid();
            return prec < 0 ? a.asString() : truncateChars(a.asString(), prec);
        }
        case 'p': {
            const TVarRec& a = nextArg();
            if (a.kind() != TVarRec::Kind::Pointer)
                invalid();
            return IntToHex(static_cast<int64_t>(static_cast<uint64_t>(a.asInteger())),
                            2 * static_cast<int>(sizeof(void*)));
        }
        default:
            invalid();
        }
    }

    static std::string truncateChars(const std::string& s, int count)
    {
        size_t pos = 0;
        for (int i = 0; i < count && pos < s.size(); ++i)
            DecodeUtf8(s, pos);
        return s.substr(0, pos);
    }

    std::string_view fmt_;
    const std::vector<TVarRec>& args_;
    const TFormatSettings& fs_;
    size_t pos_ = 0;
    int argIndex_ = 0;
    std::string out_;
};

}  // namespace

std::string Format(std::string_view format, const std::vector<TVarRec>& args)
{
    return Format(format, args, Regional());
}

std::string Format(std::string_view format, const std::vector<TVarRec>& args, const TFormatSettings& fs)
{
    return Formatter(format, args, fs).run();
}

}  // namespace rtl
