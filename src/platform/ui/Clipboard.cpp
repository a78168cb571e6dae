#include "platform/ui/Clipboard.h"

#include <map>
#include "platform/ui/Backend.h"

namespace ui {

namespace {
std::string& LocalText()
{
    static std::string text;
    return text;
}
} // namespace

std::string TClipboard::AsText() const
{
    std::string t;
    if (Backend() && Backend()->ClipboardText(t)) return t;
    return LocalText();
}

void TClipboard::SetAsText(const std::string& text)
{
    LocalText() = text;
    if (Backend()) Backend()->SetClipboardText(text);
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
    static std::map<std::string, unsigned> ids;
    static unsigned next = 0xC000;
    auto it = ids.find(name);
    if (it != ids.end()) return it->second;
    ids[name] = next;
    return next++;
}

} // namespace ui
