// The stand-in updater's verdict in a window: the heading (accepted or refused), every line of
// the report, and an OK button that closes it. Shown only where there is a screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Forms.h"

namespace updater {

// The window, built but not shown (tests look at it without a display).
std::unique_ptr<ui::TForm> BuildVerdictWindow(bool accepted, const std::vector<std::string>& lines);

// Whether windows can be shown: a display is there and the offscreen platform is not asked for.
bool ScreenAvailable();

// Shows the window and waits until the user closes it.
void ShowVerdictWindow(bool accepted, const std::vector<std::string>& lines);

}  // namespace updater
