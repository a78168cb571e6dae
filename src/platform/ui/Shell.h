// Opening a document or link with the desktop's handler for it (the "open" verb, a normal window).
// The opener can be replaced: a test records what would have been opened instead of starting a
// program.
#pragma once

#include <functional>
#include <string>

namespace ui {

using TShellOpenHandler = std::function<bool(const std::string& Target)>;

// Hands Target to the current opener; false when it could not be started.
bool ShellOpen(const std::string& Target);
// Replaces the opener (an empty handler restores the desktop's); returns the one it replaced.
TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler);

}  // namespace ui
