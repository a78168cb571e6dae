#pragma once
// The clipboard's text (through the backend; an in-process store when there is none).
#include <string>

namespace ui {

class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& text);
    bool HasText() const;
    void Clear();
};

TClipboard* Clipboard();
// A format id per name (letter case ignored; 0 for an empty name).
unsigned RegisterClipboardFormat(const std::string& name);

}  // namespace ui
