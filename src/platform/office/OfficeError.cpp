#include "platform/office/OfficeError.h"

namespace office {

void RefuseRead(const std::string& what, const std::string& fileName, const std::string& reason)
{
    throw EOfficeError("Cannot read " + what + " \"" + fileName + "\". " + reason);
}

void RefuseWrite(const std::string& what, const std::string& fileName, const std::string& reason)
{
    throw EOfficeError("Cannot write " + what + " \"" + fileName + "\". " + reason);
}

}  // namespace office
