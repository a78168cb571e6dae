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
unsigned RegisterClipboardFormat(const std::string& name);

} // namespace ui
