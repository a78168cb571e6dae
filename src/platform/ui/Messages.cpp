#include "platform/ui/Messages.h"

#include "platform/rtl/StrUtils.h"

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Controls.h"
#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>

namespace ui {

namespace {
struct KeyboardState {
    TShiftState shift = 0;
};
KeyboardState& Keys()
{
    static KeyboardState k;
    return k;
}
}  // namespace

unsigned RegisterWindowMessage(const std::string& name)
{
    static std::map<std::string, unsigned> ids;
    static unsigned next = 0xC000;
    static std::mutex guard;  // worker threads may register the ids they post
    std::lock_guard<std::mutex> lock(guard);
    // Names compare case-insensitively, as registered names do on the desktop.
    std::string key = rtl::AnsiLowerCase(name);
    auto it = ids.find(key);
    if (it != ids.end())
        return it->second;
    if (name.empty() || next > 0xFFFF)
        return 0;
    ids[key] = next;
    return next++;
}

std::intptr_t SendMessage(HWND wnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!wnd)
        return 0;
    return wnd->Perform(msg, wParam, lParam);
}

bool PostMessage(HWND wnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!wnd)
        return false;
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    Application->Post(wnd, m);
    return true;
}

void SetKeyboardShiftState(TShiftState s)
{
    Keys().shift = s;
}

TShiftState KeyboardShiftState()
{
    return Keys().shift;
}

short GetKeyState(unsigned vk)
{
    TShiftState s = Keys().shift;
    bool down = false;
    switch (vk) {
    case VK_SHIFT:
        down = s & ssShift;
        break;
    case VK_CONTROL:
        down = s & ssCtrl;
        break;
    case VK_MENU:
        down = s & ssAlt;
        break;
    case VK_LBUTTON:
        down = s & ssLeft;
        break;
    case VK_RBUTTON:
        down = s & ssRight;
        break;
    case VK_MBUTTON:
        down = s & ssMiddle;
        break;
    default:
        break;
    }
    return down ? static_cast<short>(0x8000) : 0;
}

namespace {
std::atomic<int>& BeepCounter()
{
    static std::atomic<int> count{0};
    return count;
}
}  // namespace

void MessageBeep(unsigned /*type*/)
{
    ++BeepCounter();
    if (Backend())
        Backend()->Beep();
}

int MessageBeepCount()
{
    return BeepCounter();
}

}  // namespace ui
