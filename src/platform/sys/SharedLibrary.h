// A shared library loaded at run time and its functions looked up by name.
#pragma once

#include <string>

namespace sys {

class SharedLibrary {
public:
    // Loads the library (a path, or a name searched the system's usual way). Throws SysError with
    // the loader's reason when it cannot be loaded.
    explicit SharedLibrary(const std::string& name);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The address of the named symbol, or nullptr when the library has none.
    void* Symbol(const std::string& name) const;

    // The named function with the given signature, e.g. Function<int(const char*)>("f");
    // nullptr when missing.
    template <class Signature>
    Signature* Function(const std::string& name) const
    {
        return reinterpret_cast<Signature*>(Symbol(name));
    }

private:
    void* handle_ = nullptr;
};

}  // namespace sys
