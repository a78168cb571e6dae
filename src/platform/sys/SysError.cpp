#include "platform/sys/SysError.h"

#include <cstring>

namespace sys {

std::string ErrnoText(const std::string& what, int err)
{
    return what + ": " + std::strerror(err);
}

}  // namespace sys
