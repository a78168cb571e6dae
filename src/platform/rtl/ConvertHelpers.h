#pragma once
// The raising and defaulting forms of the text conversions, built on their Try forms.
#include <string>
#include <string_view>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace rtl::detail {

// message is a format with one %s for the refused text.
template <typename T, typename TryFn>
T ConvertOrRaise(TryFn&& tryConvert, std::string_view s, const char* message)
{
    T v{};
    if (!tryConvert(s, v))
        throw EConvertError(Fmt(message, std::string(s)));
    return v;
}

template <typename T, typename TryFn>
T ConvertOrDefault(TryFn&& tryConvert, std::string_view s, T def)
{
    T v{};
    return tryConvert(s, v) ? v : def;
}

}  // namespace rtl::detail
