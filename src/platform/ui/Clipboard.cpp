#include "platform/ui/Clipboard.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"

namespace ui {

namespace {
TDragData& LocalData()
{
    static TDragData data;
    return data;
}
}  // namespace

std::string TClipboard::AsText() const
{
    return Data().Text();
}

void TClipboard::SetAsText(const std::string& text)
{
    TDragData data;
    data.SetText(text);
    SetData(data);
}

bool TClipboard::HasText() const
{
    return !AsText().empty();
}

void TClipboard::Clear()
{
    SetAsText("");
}

void TClipboard::SetData(const TDragData& data)
{
    LocalData() = data;
    if (Backend())
        Backend()->SetClipboardData(data);
}

TDragData TClipboard::Data() const
{
    TDragData data;
    if (Backend() && Backend()->ClipboardData(data))
        return data;
    return LocalData();
}

bool TClipboard::HasFormat(const std::string& mime) const
{
    return Data().HasFormat(mime);
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
