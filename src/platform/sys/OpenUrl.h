// Handing a link (web page, file) to the desktop's handler for it.
#pragma once

#include <string>

namespace sys {

// Starts the desktop's opener with the URL as its one argument and returns without waiting.
// False when the opener cannot be started. The opener program can be replaced (tests do).
bool OpenUrl(const std::string& url, const std::string& opener = "xdg-open");

}  // namespace sys
