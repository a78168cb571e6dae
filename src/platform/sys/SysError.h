// The error raised by the operating-system services of this folder.
#pragma once

#include <string>

#include "platform/rtl/Exceptions.h"

namespace sys {

class SysError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// "<what>: <system's text for errno>".
std::string ErrnoText(const std::string& what, int err);

}  // namespace sys
