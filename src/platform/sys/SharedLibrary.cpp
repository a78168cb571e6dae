#include "platform/sys/SharedLibrary.h"

#include <dlfcn.h>

#include "platform/sys/SysError.h"

namespace sys {

SharedLibrary::SharedLibrary(const std::string& name)
{
    handle_ = ::dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* reason = ::dlerror();
        throw SysError("Cannot load " + name + ": " + (reason ? reason : "unknown reason"));
    }
}

SharedLibrary::~SharedLibrary()
{
    if (handle_)
        ::dlclose(handle_);
}

void* SharedLibrary::Symbol(const std::string& name) const
{
    ::dlerror();
    return ::dlsym(handle_, name.c_str());
}

}  // namespace sys
