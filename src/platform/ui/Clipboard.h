#pragma once
// The clipboard: text, or data in several formats at once as MIME data (TDragData, the same
// holder the drags use). Through the backend when it has a clipboard; an in-process store when
// there is none.
#include <string>

#include "platform/ui/DragDrop.h"

namespace ui {

class TClipboard {
public:
    std::string AsText() const;
    // Replaces whatever the clipboard held by the text alone.
    void SetAsText(const std::string& text);
    bool HasText() const;
    void Clear();

    // Every format at once: the clipboard is emptied and then holds exactly these formats.
    void SetData(const TDragData& data);
    // What the clipboard holds now, in each format it offers.
    TDragData Data() const;
    bool HasFormat(const std::string& mime) const;
};

TClipboard* Clipboard();
// A format id per name (letter case ignored; 0 for an empty name).
unsigned RegisterClipboardFormat(const std::string& name);

}  // namespace ui
