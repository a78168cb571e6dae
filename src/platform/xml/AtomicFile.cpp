#include "platform/xml/AtomicFile.h"

#include <sstream>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace xml {

void WriteFileAtomically(const std::filesystem::path& target, const std::function<void(std::ostream&)>& write)
{
    // The content is complete in memory before the file is touched, so a writer that stops
    // half-way leaves nothing behind.
    std::ostringstream content;
    write(content);
    if (!content)
        throw rtl::EFCreateError("Cannot create file \"" + target.string() + "\". The content could not be produced");
    rtl::WriteFileAtomic(target.string(), std::move(content).str());
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    rtl::WriteFileAtomic(target.string(), std::string(bytes));
}

}  // namespace xml
