// The pointer and keys of the test display for tests in a real window (RealDisplay.h): sent
// through the X server at points of controls, as a user's hand would, with waits while the
// application handles what arrived.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "RealDisplay.h"
#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/qt/NativeTesting.h"

namespace realinput {

// Handles the application's messages for the given time.
inline void Settle(int ms = 150)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end)
        ui::Application->HandleMessage(10);
}

// Handles messages until the condition holds; false when it still does not after the time limit.
inline bool WaitFor(const std::function<bool()>& done, int ms = 5000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        ui::Application->HandleMessage(10);
    }
    return true;
}

// Waits until the form is on the screen and has settled there.
inline bool WaitShown(ui::TControl& form)
{
    const bool shown = WaitFor([&] { return ui::qt::NativeVisible(&form); });
    Settle(300);
    return shown;
}

// The screen point of a client point of a control: the native window of its form (or of the popup
// it is) gives the place on the screen, the framework the way from there to the control.
inline ui::TPoint ScreenPoint(ui::TControl* control, int x, int y)
{
    ui::TControl* top = control;
    while (top->Parent() && !ui::qt::NativePopupWindow(top))
        top = top->Parent();
    const ui::TRect native = ui::qt::NativeScreenGeometry(top);
    const ui::TPoint at = control->ClientToScreen({x, y});
    const ui::TPoint origin = top->ClientToScreen({0, 0});
    return {native.Left + at.X - origin.X, native.Top + at.Y - origin.Y};
}

// Where the pointer was put last.
inline ui::TPoint& Pointer()
{
    static ui::TPoint at{};
    return at;
}

inline void MoveToScreen(ui::TPoint p, int settleMs = 100)
{
    testsupport::XdoTool({"mousemove", std::to_string(p.X), std::to_string(p.Y)});
    Pointer() = p;
    Settle(settleMs);
}

inline void MoveTo(ui::TControl* control, int x, int y)
{
    MoveToScreen(ScreenPoint(control, x, y));
}

inline void Press(int button = 1)
{
    testsupport::XdoTool({"mousedown", std::to_string(button)});
    Settle(100);
}

inline void Release(int button = 1)
{
    testsupport::XdoTool({"mouseup", std::to_string(button)});
    Settle(150);
}

inline void Click(ui::TControl* control, int x, int y, int button = 1)
{
    MoveTo(control, x, y);
    testsupport::XdoTool({"click", std::to_string(button)});
    Settle(200);
}

inline void DoubleClick(ui::TControl* control, int x, int y)
{
    MoveTo(control, x, y);
    testsupport::XdoTool({"click", "--repeat", "2", "--delay", "60", "1"});
    Settle(200);
}

// Moves the pointer to the client point in steps, as a hand drags (with a button held).
inline void DragTo(ui::TControl* control, int x, int y, int steps = 10)
{
    const ui::TPoint from = Pointer(), to = ScreenPoint(control, x, y);
    for (int i = 1; i <= steps; ++i)
        MoveToScreen({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps}, 40);
    Settle(150);
}

// A drag and drop in one go: press at a client point of one control, move in steps to a client
// point of another, release. The pointer moves on its own while the application runs the drag's
// loop; returns when the drop is done.
inline bool DragAndDrop(ui::TControl* from, ui::TPoint a, ui::TControl* to, ui::TPoint b, int steps = 10)
{
    const ui::TPoint p = ScreenPoint(from, a.X, a.Y), q = ScreenPoint(to, b.X, b.Y);
    std::vector<std::string> args = {"mousemove", std::to_string(p.X), std::to_string(p.Y), "sleep", "0.3", "mousedown",
                                     "1"};
    for (int i = 1; i <= steps; ++i) {
        args.insert(args.end(), {"sleep", "0.08", "mousemove", std::to_string(p.X + (q.X - p.X) * i / steps),
                                 std::to_string(p.Y + (q.Y - p.Y) * i / steps)});
    }
    args.insert(args.end(), {"sleep", "0.3", "mouseup", "1"});
    const int pid = testsupport::StartXdoTool(args);
    const bool ended = WaitFor([pid] { return testsupport::ProcessEnded(pid); }, 20000);
    Pointer() = q;
    Settle(300);
    return ended;
}

// Turns the wheel over a client point: positive notches scroll down (towards the user).
inline void Wheel(ui::TControl* control, int x, int y, int notches)
{
    MoveTo(control, x, y);
    const int button = notches > 0 ? 5 : 4;
    for (int i = 0; i < (notches > 0 ? notches : -notches); ++i) {
        testsupport::XdoTool({"click", std::to_string(button)});
        Settle(60);
    }
    Settle(150);
}

// Presses keys by their X names, one after another ("ctrl+Home", "Down", "Return").
inline void Keys(const std::string& keys)
{
    std::vector<std::string> args = {"key", "--delay", "40"};
    std::size_t start = 0;
    while (start < keys.size()) {
        const std::size_t end = keys.find(' ', start);
        const std::string key = keys.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!key.empty())
            args.push_back(key);
        start = end == std::string::npos ? keys.size() : end + 1;
    }
    testsupport::XdoTool(args);
    Settle(200);
}

inline void Type(const std::string& text)
{
    testsupport::XdoTool({"type", "--delay", "40", text});
    Settle(200);
}

}  // namespace realinput
