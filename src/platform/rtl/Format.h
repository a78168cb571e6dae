#pragma once
// Printf-like formatting with the classic directive set:
//   "%" [index ":"] ["-"] [width] ["." prec] type,  width/prec may be "*",
//   types d u x e f g n m p s, and "%%".
// The float directives (e f g n m) also take integer arguments; numbers use the regional
// separators. A format that does not match its arguments raises EConvertError (never undefined
// behaviour), so a format text supplied by a user cannot crash the program.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/rtl/Regional.h"

namespace rtl {

class TVarRec {
public:
    enum class Kind { Integer, Float, String, Pointer };
    template <typename T,
              std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>, int> = 0>
    TVarRec(T v) : kind_(Kind::Integer), int_(static_cast<int64_t>(v))
    {}
    TVarRec(bool v) : kind_(Kind::Integer), int_(v ? 1 : 0) {}
    TVarRec(char c) : kind_(Kind::String), str_(1, c) {}
    TVarRec(double v) : kind_(Kind::Float), float_(v) {}
    TVarRec(float v) : kind_(Kind::Float), float_(v) {}
    TVarRec(long double v) : kind_(Kind::Float), float_(static_cast<double>(v)) {}
    TVarRec(const char* s) : kind_(Kind::String), str_(s ? s : "") {}
    TVarRec(std::string s) : kind_(Kind::String), str_(std::move(s)) {}
    TVarRec(std::string_view s) : kind_(Kind::String), str_(s) {}
    TVarRec(const void* p) : kind_(Kind::Pointer), int_(static_cast<int64_t>(reinterpret_cast<uintptr_t>(p))) {}

    Kind kind() const { return kind_; }
    int64_t asInteger() const { return int_; }
    double asFloat() const { return float_; }
    const std::string& asString() const { return str_; }

private:
    Kind kind_;
    int64_t int_ = 0;
    double float_ = 0.0;
    std::string str_;
};

std::string Format(std::string_view format, const std::vector<TVarRec>& args);
std::string Format(std::string_view format, const std::vector<TVarRec>& args, const TFormatSettings& fs);

// Convenience: Fmt("%d of %s", n, name).
template <typename... Args>
std::string Fmt(std::string_view format, Args&&... args)
{
    return Format(format, std::vector<TVarRec>{TVarRec(std::forward<Args>(args))...});
}

}  // namespace rtl
