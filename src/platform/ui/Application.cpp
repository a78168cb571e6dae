// The application object: message queue, timers, hints, exception handling; the screen object.
#include "platform/ui/Application.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Dialogs.h"
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace ui {

TApplication* GetApplication()
{
    // Lives until the process ends (forms owned by it are reachable, never leaked).
    static TApplication* app = new TApplication(nullptr);
    return app;
}

TScreen* GetScreen()
{
    static TScreen* screen = new TScreen(nullptr);
    return screen;
}

namespace {
TPoint& CursorSlot()
{
    static TPoint p;
    return p;
}
}  // namespace

TPoint GetCursorPos()
{
    return CursorSlot();
}
void SetCursorPosForInput(TPoint p)
{
    CursorSlot() = p;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication()
{
    MarkDestroying();
    for (int i = ComponentCount() - 1; i >= 0; --i)
        if (auto* f = dynamic_cast<TCustomForm*>(Components(i)); f && f->OnDestroy)
            f->OnDestroy(f);
    DestroyComponents();
}

void TApplication::Initialize()
{
    // The running program's own file, as the desktop reports it.
    if (exeName_.empty()) {
        std::error_code ec;
        std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (!ec)
            exeName_ = self.string();
    }
}

void TApplication::Run()
{
    // A program may run its main loop again after an earlier one ended.
    terminated_ = false;
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_) {
        HandleMessage(50);
        if (mainForm_ && !mainForm_->Visible())
            break;
    }
}

void TApplication::Post(HWND wnd, const TMessage& msg)
{
    std::lock_guard<std::mutex> lock(queueMutex_);
    queue_.push_back({wnd, msg});
}

std::size_t TApplication::PendingCount() const
{
    std::lock_guard<std::mutex> lock(queueMutex_);
    return queue_.size();
}

void TApplication::DeliverPosted()
{
    // Only what was queued before this round: a handler that posts again runs next round.
    std::size_t count = PendingCount();
    while (count-- > 0) {
        Posted p;
        {
            std::lock_guard<std::mutex> lock(queueMutex_);
            if (queue_.empty())
                break;
            p = queue_.front();
            queue_.pop_front();
        }
        Guard(p.wnd, [&] { p.wnd->Perform(p.msg.Msg, p.msg.WParam, p.msg.LParam); });
    }
}

void TApplication::ForgetControl(TWinControl* control)
{
    {
        std::lock_guard<std::mutex> lock(queueMutex_);
        queue_.erase(
            std::remove_if(queue_.begin(), queue_.end(), [control](const Posted& p) { return p.wnd == control; }),
            queue_.end());
    }
    timers_.erase(
        std::remove_if(timers_.begin(), timers_.end(), [control](const Timer& t) { return t.control == control; }),
        timers_.end());
}

void TApplication::SetTimer(TWinControl* control, unsigned id, unsigned ms)
{
    if (!control)
        return;
    KillTimer(control, id);
    auto interval = std::chrono::milliseconds(std::max(1u, ms));
    timers_.push_back({control, id, interval, std::chrono::steady_clock::now() + interval});
}

void TApplication::KillTimer(TWinControl* control, unsigned id)
{
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.control == control && t.id == id; }),
                  timers_.end());
}

bool TApplication::HasTimer(const TWinControl* control, unsigned id) const
{
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return t.control == control && t.id == id; });
}

int TApplication::FireDueTimers()
{
    auto now = std::chrono::steady_clock::now();
    std::vector<std::pair<TWinControl*, unsigned>> due;
    for (Timer& t : timers_) {
        if (t.due <= now) {
            due.emplace_back(t.control, t.id);
            t.due = now + t.interval;
        }
    }
    for (const auto& entry : due) {
        // Plain locals, not a structured binding: the lambda below captures them.
        TWinControl* control = entry.first;
        const unsigned id = entry.second;
        // A handler may have killed this timer or destroyed its control meanwhile.
        if (!HasTimer(control, id))
            continue;
        Guard(control, [&] { control->Perform(WM_TIMER, id, 0); });
    }
    if (timers_.empty())
        return -1;
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
                    return a.due < b.due;
                })->due;
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next - std::chrono::steady_clock::now()).count();
    return static_cast<int>(std::max<long long>(0, wait));
}

void TApplication::HandleMessage(int maxWaitMs)
{
    int wait = maxWaitMs;
    if (PendingCount() > 0)
        wait = 0;
    if (!timers_.empty()) {
        auto next = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
                        return a.due < b.due;
                    })->due;
        auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(next - std::chrono::steady_clock::now()).count();
        wait = std::min<int>(wait, static_cast<int>(std::max<long long>(0, ms)));
    }
    if (Backend())
        Backend()->ProcessEvents(wait);
    else if (wait > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(wait));
    DeliverPosted();
    FireDueTimers();
    if (PendingCount() == 0 && OnIdle)
        Guard(this, [&] { OnIdle(this); });
}

void TApplication::ProcessMessages()
{
    if (Backend())
        Backend()->ProcessEvents(0);
    // Messages that handlers post meanwhile are pending too and go in the same call; the bound
    // keeps a handler that posts to itself for ever from holding the caller.
    for (int round = 0; round < 1000 && PendingCount() > 0; ++round)
        DeliverPosted();
    FireDueTimers();
}

bool TApplication::RequestHint(TControl* control, TPoint clientPos, THintInfo& info)
{
    if (!control || !showHint_ || !control->ShowHint())
        return false;
    info = THintInfo{};
    info.HintControl = control;
    info.CursorPos = clientPos;
    info.CursorRect = control->ClientRect();
    info.HintMaxWidth = GetScreen()->Width();
    info.HintColor = hintColor_;
    info.HideTimeout = hintHidePause_;
    // The short hint is the part before "|".
    const std::string& h = control->Hint();
    info.HintStr = h.substr(0, h.find('|'));
    TPoint screen = control->ClientToScreen(clientPos);
    info.HintPos = {screen.X, screen.Y + 20};
    if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&info)) != 0)
        return false;
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(info.HintStr, canShow, info);
    return canShow && !info.HintStr.empty();
}

void TApplication::ActivateHint(TControl* control, TPoint clientPos)
{
    THintInfo info;
    if (RequestHint(control, clientPos, info)) {
        currentHint_ = info.HintStr;
        SetHintControl(control);
    } else {
        currentHint_.clear();
        SetHintControl(nullptr);
    }
    if (Backend())
        Backend()->ShowHint(currentHint_, info.HintPos, info.HintMaxWidth);
}

void TApplication::CancelHint()
{
    currentHint_.clear();
    SetHintControl(nullptr);
    if (Backend())
        Backend()->ShowHint("", {}, 0);
}

void TApplication::CancelHintFor(const TControl* control)
{
    if (!hintControl_ || !control)
        return;
    const auto* win = dynamic_cast<const TWinControl*>(control);
    if (hintControl_ == control || (win && win->ContainsControl(hintControl_)))
        CancelHint();
}

void TApplication::SetHintControl(TControl* control)
{
    if (hintControl_ == control)
        return;
    if (hintControl_)
        hintControl_->RemoveFreeNotification(this);
    hintControl_ = control;
    if (hintControl_)
        hintControl_->FreeNotification(this);
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // The hint of a control that goes away goes with it.
    if (operation == TOperation::opRemove && component == hintControl_) {
        hintControl_ = nullptr;
        CancelHint();
    }
}

void TApplication::HandleException(TObject* sender, const std::exception& e)
{
    if (OnException) {
        OnException(sender, e);
        return;
    }
    std::string text = e.what();
    if (!text.empty() && text.back() != '.')
        text += '.';
    ui::MessageBox(text, title_.empty() ? "Error" : title_, MB_OK | MB_ICONERROR);
}

bool TApplication::Guard(TObject* sender, const std::function<void()>& fn)
{
    try {
        fn();
        return true;
    } catch (const std::exception& e) {
        HandleException(sender, e);
    } catch (...) {
        HandleException(sender, std::runtime_error("Unknown error"));
    }
    return false;
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    return ui::MessageBox(text, caption, flags);
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}
TScreen::~TScreen() = default;

void TScreen::SetCursor(TCursor c)
{
    if (c == cursor_)
        return;
    cursor_ = c;
    if (Backend())
        Backend()->SetScreenCursor(c);
}

void TScreen::SetCursors(TCursor index, const TBitmap& image, TPoint hotSpot)
{
    auto it =
        std::find_if(cursors_.begin(), cursors_.end(), [index](const CustomCursor& c) { return c.index == index; });
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(image);
    if (it != cursors_.end()) {
        it->image = std::move(copy);
        it->hotSpot = hotSpot;
    } else {
        cursors_.push_back({index, std::move(copy), hotSpot});
    }
    if (Backend())
        Backend()->RegisterCursor(index, image, hotSpot);
}

bool TScreen::HasCursor(TCursor index) const
{
    if (index <= 0)
        return index >= crSizeAll;
    return std::any_of(cursors_.begin(), cursors_.end(), [index](const CustomCursor& c) { return c.index == index; });
}

TWinControl* TScreen::ActiveControl() const
{
    return FindFocusedControl();
}

int TScreen::Width() const
{
    return Backend() ? Backend()->ScreenSize().cx : 1920;
}

int TScreen::Height() const
{
    return Backend() ? Backend()->ScreenSize().cy : 1080;
}

TRect TScreen::WorkAreaRect() const
{
    return Backend() ? Backend()->WorkArea() : TRect{0, 0, Width(), Height()};
}

void TScreen::AddForm(TCustomForm* f)
{
    forms_.push_back(f);
}

void TScreen::RemoveForm(TCustomForm* f)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    if (activeForm_ == f)
        activeForm_ = nullptr;
}

}  // namespace ui
