// Tests in a real window. Such a test runs its body in a process of its own whose windows appear on
// a real X display, and drives them with that display's input, as a user's mouse and keys would
// (xdotool); its checks then hold for the real window system, not only for the offscreen platform.
//
// The display is the virtual one scripts/test.sh starts for the test run and names in
// CFG_TEST_DISPLAY. The test starts again in a child process on that display (Qt platform xcb);
// the tests that share the display take their turn one at a time, as their pointer and keyboard
// are the display's own. Without a test display the test is skipped; CI sets
// CFG_REQUIRE_DISPLAY=1, and it fails instead. Run by hand with QT_QPA_PLATFORM=xcb (on a display of
// your own), the body runs in that process; with SHOTS naming a folder it saves screenshots there.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// True in the process that shows the test's real windows. Elsewhere runs the current test in such
// a process, reports its failures (or its skip) as the test's own, and returns false.
bool OnRealDisplay();

// Runs xdotool with the arguments on the display and waits for it; false (with a test failure)
// when it could not run or failed.
bool XdoTool(const std::vector<std::string>& args);

// Starts xdotool without waiting for it, for input that the application must take while it runs
// a loop of its own (a drag and drop); -1 (with a test failure) when it could not start.
int StartXdoTool(const std::vector<std::string>& args);
// Starts the current test once more in a process of its own on the same display, with the given
// variables added to its environment, without waiting for it: a second program of the test (the
// other end of the clipboard).
int StartTestProcess(const std::vector<std::pair<std::string, std::string>>& env);
// True once a process started above has ended; its failure is a test failure.
bool ProcessEnded(int pid);

// Saves a picture of the whole screen as <SHOTS>/<name>.png when SHOTS names a folder.
void Shot(const std::string& name);

}  // namespace testsupport

// Runs the rest of the test body only in the process with the real windows (see above).
#define CFG_REAL_WINDOW_TEST()                                                                                         \
    if (!testsupport::OnRealDisplay())                                                                                 \
    return
