// The loop of the real-window checks: keeps a form open for the given seconds (or until it is
// closed) and writes the test's report every IntervalMs, so that the driver script can read the
// state while the window is open, and once more at the end.
#pragma once

#include <chrono>
#include <functional>

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace gx {

inline void ShowWhileReporting(ui::TForm& Form, int Seconds, const std::function<void()>& WriteReport,
                               int IntervalMs = 200)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(Seconds);
    auto nextReport = std::chrono::steady_clock::now();
    while (Form.Visible() && std::chrono::steady_clock::now() < end) {
        ui::Application->HandleMessage(20);
        if (std::chrono::steady_clock::now() >= nextReport) {
            WriteReport();
            nextReport += std::chrono::milliseconds(IntervalMs);
        }
    }
    WriteReport();
}

}  // namespace gx
