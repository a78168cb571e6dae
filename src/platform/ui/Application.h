#pragma once
// The application object (message loop, posted messages, timers, hints, exception handling) and the
// screen object (cursor, active form and control).
#include "platform/ui/Forms.h"
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ui {

class IUiBackend;

// A hint request: controls fill or change it in CM_HINTSHOW (LParam points to it) or in
// Application OnShowHint. CursorPos is in the control's client coordinates.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;
    TRect CursorRect;
    int HintMaxWidth = 0;
    std::string HintStr;
    TColor HintColor = clInfoBk;
    int ReshowTimeout = 0;
    int HideTimeout = -1;
    TPoint HintPos;  // screen position where the hint window appears
};

using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    void Initialize();
    // Creates a form owned by the application; the first one becomes the main form.
    template <class F>
    F* CreateForm()
    {
        F* f = new F(this);
        if (!mainForm_)
            mainForm_ = f;
        return f;
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* f) { mainForm_ = f; }
    // Shows the main form and processes messages until Terminate or the main form closes.
    void Run();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // Handles all pending native events, posted messages (also those posted meanwhile) and due
    // timers, then returns.
    void ProcessMessages();
    // Handles one round of messages, waiting at most maxWaitMs for something to happen.
    void HandleMessage(int maxWaitMs = 10);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    const std::string& ExeName() const { return exeName_; }
    void SetExeName(const std::string& v) { exeName_ = v; }

    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor c) { hintColor_ = c; }
    // Asks the control under the mouse for its hint (CM_HINTSHOW, OnShowHint). Returns false when
    // no hint is to be shown; on true, info holds the text and place. Tests call it directly.
    bool RequestHint(TControl* control, TPoint clientPos, THintInfo& info);
    // The hint shown now (empty when none).
    const std::string& CurrentHint() const { return currentHint_; }
    void ActivateHint(TControl* control, TPoint clientPos);
    void CancelHint();
    // The control whose hint is shown now, or nullptr.
    TControl* HintControl() const { return hintControl_; }
    // Takes the hint away when it belongs to control or to a control inside it (a form or panel
    // that hides, or a control that goes away).
    void CancelHintFor(const TControl* control);

    // An exception escaping an event handler ends here: OnException, or an error message box.
    void HandleException(TObject* sender, const std::exception& e);
    // Runs fn, sending any exception to HandleException. Returns false when one was caught.
    bool Guard(TObject* sender, const std::function<void()>& fn);

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    TShowHintEvent OnShowHint;
    TExceptionEvent OnException;
    TNotifyEvent OnIdle;

    // Message queue. Posting is safe from any thread; delivery runs in the user-interface thread.
    void Post(HWND wnd, const TMessage& msg);
    std::size_t PendingCount() const;
    void DeliverPosted();
    // Component removal: drops queued messages and timers of a control that goes away.
    void ForgetControl(TWinControl* control);

    void SetTimer(TWinControl* control, unsigned id, unsigned ms);
    void KillTimer(TWinControl* control, unsigned id);
    bool HasTimer(const TWinControl* control, unsigned id) const;
    // Sends WM_TIMER for every timer that is due; returns the time until the next one (ms, -1 none).
    int FireDueTimers();

    // Modal loop depth (0: none open).
    int ModalLevel() const { return modalLevel_; }
    void EnterModal() { ++modalLevel_; }
    void LeaveModal() { --modalLevel_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetHintControl(TControl* control);

    struct Posted {
        HWND wnd = nullptr;
        TMessage msg;
    };
    struct Timer {
        TWinControl* control;
        unsigned id;
        std::chrono::milliseconds interval;
        std::chrono::steady_clock::time_point due;
    };
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::string title_;
    std::string exeName_;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    TColor hintColor_ = clInfoBk;
    std::string currentHint_;
    TControl* hintControl_ = nullptr;
    mutable std::mutex queueMutex_;
    std::deque<Posted> queue_;
    std::vector<Timer> timers_;
    int modalLevel_ = 0;
    bool delivering_ = false;
};

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    // Custom cursors by index (positive numbers): a picture with its hot spot.
    void SetCursors(TCursor index, const TBitmap& image, TPoint hotSpot);
    bool HasCursor(TCursor index) const;
    TCustomForm* ActiveForm() const { return activeForm_; }
    void SetActiveForm(TCustomForm* f) { activeForm_ = f; }
    TWinControl* ActiveControl() const;
    int Width() const;
    int Height() const;
    // The part of the screen windows may use (screen coordinates).
    TRect WorkAreaRect() const;
    int PixelsPerInch() const { return 96; }
    // Lines scrolled per wheel notch (the desktop's wheel-scroll-lines setting; 3 unless set).
    int WheelScrollLines() const { return wheelScrollLines_; }
    void SetWheelScrollLines(int lines) { wheelScrollLines_ = lines; }
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int i) const { return forms_.at(static_cast<std::size_t>(i)); }
    void AddForm(TCustomForm* f);
    void RemoveForm(TCustomForm* f);

private:
    struct CustomCursor {
        TCursor index;
        std::unique_ptr<TBitmap> image;
        TPoint hotSpot;
    };
    TCursor cursor_ = crDefault;
    int wheelScrollLines_ = 3;
    TCustomForm* activeForm_ = nullptr;
    std::vector<CustomCursor> cursors_;
    std::vector<TCustomForm*> forms_;
};

// The one application and screen object (created on first use, never null).
TApplication* GetApplication();
TScreen* GetScreen();
// `Application->Run()`, `Screen->Cursor()`: handles that reach the objects above.
template <class T, T* (*Get)()>
struct TGlobalRef {
    T* operator->() const { return Get(); }
    operator T*() const { return Get(); }
};
inline constexpr TGlobalRef<TApplication, &GetApplication> Application{};
inline constexpr TGlobalRef<TScreen, &GetScreen> Screen{};

// Cursor position in screen coordinates as the input layer last saw it.
TPoint GetCursorPos();
void SetCursorPosForInput(TPoint p);

}  // namespace ui
