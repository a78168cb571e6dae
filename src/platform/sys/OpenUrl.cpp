#include "platform/sys/OpenUrl.h"

#include "platform/sys/Process.h"
#include "platform/sys/SysError.h"

namespace sys {

bool OpenUrl(const std::string& url, const std::string& opener)
{
    try {
        ChildProcess::Start(opener, {url});  // left to run; its end is collected in the background
        return true;
    } catch (const SysError&) {
        return false;
    }
}

}  // namespace sys
