#include "platform/ui/Shell.h"

#include <utility>

#include "platform/sys/OpenUrl.h"

namespace ui {

namespace {
TShellOpenHandler& Opener()
{
    static TShellOpenHandler opener;
    return opener;
}
}  // namespace

bool ShellOpen(const std::string& Target)
{
    if (Target.empty())
        return false;
    const TShellOpenHandler& opener = Opener();
    return opener ? opener(Target) : sys::OpenUrl(Target);
}

TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler)
{
    return std::exchange(Opener(), std::move(Handler));
}

}  // namespace ui
