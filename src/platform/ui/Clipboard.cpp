#include "platform/ui/Clipboard.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"

namespace ui {

namespace {
std::string& LocalText()
{
    static std::string text;
    return text;
}
}  // namespace

std::string TClipboard::AsText() const
{
    std::string t;
    if (Backend() && Backend()->ClipboardText(t))
        return t;
    return LocalText();
}

void TClipboard::SetAsText(const std::string& text)
{
    LocalText() = text;
    if (Backend())
        Backend()->SetClipboardText(text);
}

bool TClipboard::HasText() const
{
    return !AsText().empty();
}

void TClipboard::Clear()
{
    SetAsText("");
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

unsigned RegisterClipboardFormat(const std::string& name)
{
    // Clipboard formats and window messages registered by name share one table, as on the desktop.
    return RegisterWindowMessage(name);
}

}  // namespace ui
