#pragma once
// The one exception of the office file library: its message names the file and the reason.
#include "platform/rtl/Exceptions.h"
#include <string>

namespace office {

class EOfficeError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// "Cannot read <what> "<file>". <reason>" and its writing counterpart.
[[noreturn]] void RefuseRead(const std::string& what, const std::string& fileName, const std::string& reason);
[[noreturn]] void RefuseWrite(const std::string& what, const std::string& fileName, const std::string& reason);

}  // namespace office
