#pragma once
// The one exception of the office file library: a file error (the file and the reason apart),
// whose message names both.
#include "platform/rtl/Exceptions.h"
#include <string>

namespace office {

class EOfficeError : public rtl::EFileError {
public:
    using rtl::EFileError::EFileError;
};

// "Cannot read <what> "<file>". <reason>" and its writing counterpart.
[[noreturn]] void RefuseRead(const std::string& what, const std::string& fileName, const std::string& reason);
[[noreturn]] void RefuseWrite(const std::string& what, const std::string& fileName, const std::string& reason);

}  // namespace office
