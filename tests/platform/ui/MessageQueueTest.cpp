// Registered and posted messages, the modal loop and window timers.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"
#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace ui;

namespace {
// A control that logs the messages it is asked to record and runs a hook on each.
class Listener : public TWinControl {
public:
    explicit Listener(TComponent* owner) : TWinControl(owner) {}
    std::vector<std::pair<unsigned, std::uintptr_t>> got;
    unsigned watch = 0;
    std::function<void(const TMessage&)> hook;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == watch || m.Msg == WM_TIMER) {
            got.emplace_back(m.Msg, m.WParam);
            if (hook)
                hook(m);
            return;
        }
        TWinControl::WndProc(m);
    }
};

template <class Pred>
bool RunUntil(Pred done, int ms = 2000)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done() && std::chrono::steady_clock::now() < end)
        Application->HandleMessage(5);
    return done();
}
}  // namespace

TEST(RegisteredMessages, SameNameSameIdDifferentNameDifferentId)
{
    unsigned a = RegisterWindowMessage("GridEditDone");
    unsigned b = RegisterWindowMessage("DTPShiftFocus");
    EXPECT_GE(a, 0xC000u);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessage("GridEditDone"), a);
    EXPECT_EQ(RegisterWindowMessage("grideditdone"), a);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
    unsigned cells = RegisterClipboardFormat("TGxStringGrid Cells");
    EXPECT_GE(cells, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("tgxstringgrid cells"), cells);
    EXPECT_NE(RegisterClipboardFormat("Grid Column"), cells);
    EXPECT_EQ(RegisterClipboardFormat(""), 0u);
}

TEST(RegisteredMessages, NeverTakeTheIdOfAFrameworkMessage)
{
    // A registered id equal to a framework notification would be handled as that notification.
    const unsigned framework[] = {CM_ACTIVATE,
                                  CM_DEACTIVATE,
                                  CM_ENABLEDCHANGED,
                                  CM_COLORCHANGED,
                                  CM_FONTCHANGED,
                                  CM_CURSORCHANGED,
                                  CM_PARENTFONTCHANGED,
                                  CM_PARENTCOLORCHANGED,
                                  CM_HITTEST,
                                  CM_VISIBLECHANGED,
                                  CM_ENTER,
                                  CM_EXIT,
                                  CM_MOUSEENTER,
                                  CM_MOUSELEAVE,
                                  CM_TEXTCHANGED,
                                  CM_WANTSPECIALKEY,
                                  CM_DIALOGKEY,
                                  CM_DIALOGCHAR,
                                  CM_FOCUSCHANGED,
                                  CM_SHOWHINTCHANGED,
                                  CM_HINTSHOW,
                                  CM_MOUSEWHEEL,
                                  CM_RELEASE,
                                  CM_CHILDKEY,
                                  CM_UIACTIVATE,
                                  CM_CANCELMODE,
                                  CN_COMMAND,
                                  CN_KEYDOWN,
                                  CN_CHAR,
                                  WM_USER};
    for (int i = 0; i < 64; ++i) {
        unsigned id = RegisterWindowMessage("Collision" + std::to_string(i));
        for (unsigned f : framework)
            EXPECT_NE(id, f) << std::hex << f;
    }
}

TEST(PostedMessages, ArriveAfterTheCurrentHandlerInOrder)
{
    Listener target(nullptr);
    target.watch = RegisterWindowMessage("GridEditDone");
    std::vector<std::string> order;
    TEdit edit(nullptr);
    edit.OnChange = [&](TObject*) {
        PostMessage(&target, target.watch, 3, 7);
        PostMessage(&target, target.watch, 4, 8);
        order.push_back("handler done");
    };
    target.hook = [&](const TMessage& m) { order.push_back("posted " + std::to_string(m.WParam)); };
    edit.SetText("x");
    EXPECT_EQ(order, (std::vector<std::string>{"handler done"}));
    Application->ProcessMessages();
    EXPECT_EQ(order, (std::vector<std::string>{"handler done", "posted 3", "posted 4"}));
    EXPECT_FALSE(PostMessage(nullptr, target.watch));
}

TEST(PostedMessages, ProcessingOnRequestAlsoDeliversWhatHandlersPostMeanwhile)
{
    Listener target(nullptr);
    target.watch = RegisterWindowMessage("Chained");
    target.hook = [&](const TMessage& m) {
        if (m.WParam < 3)
            PostMessage(&target, target.watch, m.WParam + 1);
    };
    PostMessage(&target, target.watch, 1);
    Application->ProcessMessages();
    ASSERT_EQ(target.got.size(), 3u);
    EXPECT_EQ(target.got.back().second, 3u);
    EXPECT_EQ(Application->PendingCount(), 0u);

    // A handler that keeps posting to itself does not hold the caller for ever.
    target.hook = [&](const TMessage& m) { PostMessage(&target, target.watch, m.WParam); };
    PostMessage(&target, target.watch, 9);
    Application->ProcessMessages();
    EXPECT_EQ(Application->PendingCount(), 1u);
    target.hook = nullptr;
    Application->ProcessMessages();
    EXPECT_EQ(Application->PendingCount(), 0u);
}

TEST(PostedMessages, PostingFromWorkerThreadsKeepsEachThreadsOrder)
{
    Listener target(nullptr);
    target.watch = RegisterWindowMessage("FromWorker");
    std::vector<std::thread> workers;
    for (std::uintptr_t t = 0; t < 4; ++t)
        workers.emplace_back([&, t] {
            for (std::uintptr_t i = 0; i < 100; ++i)
                PostMessage(&target, target.watch, t * 1000 + i);
        });
    for (auto& w : workers)
        w.join();
    Application->ProcessMessages();
    ASSERT_EQ(target.got.size(), 400u);
    std::vector<std::uintptr_t> next(4, 0);
    for (auto [msg, w] : target.got) {
        EXPECT_EQ(w % 1000, next[w / 1000]);
        ++next[w / 1000];
    }
}

TEST(PostedMessages, ToADestroyedControlAreDropped)
{
    unsigned id = RegisterWindowMessage("DropTest");
    auto* target = new Listener(nullptr);
    target->watch = id;
    PostMessage(target, id);
    delete target;
    EXPECT_EQ(Application->PendingCount(), 0u);
    Application->ProcessMessages();  // must not touch the deleted control (ASan)
}

TEST(PostedMessages, AreDeliveredInsideAModalLoop)
{
    TForm dialog(nullptr);
    auto* target = new Listener(&dialog);
    target->SetParent(&dialog);
    target->watch = RegisterWindowMessage("CloseLater");
    target->hook = [&](const TMessage& m) { dialog.SetModalResult(static_cast<TModalResult>(m.WParam)); };
    dialog.OnShow = [&](TObject*) { PostMessage(target, target->watch, mrOk); };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(Application->ModalLevel(), 0);
}

TEST(ModalForms, CloseQueryAndOnCloseCanKeepTheFormOpen)
{
    TForm dialog(nullptr);
    int attempts = 0;
    dialog.OnShow = [&](TObject*) { dialog.SetModalResult(mrCancel); };
    dialog.OnClose = [&](TObject*, TCloseAction& action) {
        if (++attempts == 1) {
            action = TCloseAction::caNone;  // refuse once, then accept the next result
            PostMessage(&dialog, WM_CLOSE);
        }
    };
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(attempts, 2);

    // A result set by a button is subject to CloseQuery too: a refused OK keeps the dialog open.
    TForm checked(nullptr);
    int queries = 0;
    checked.OnShow = [&](TObject*) { checked.SetModalResult(mrOk); };
    checked.OnCloseQuery = [&](TObject*, bool& canClose) {
        canClose = ++queries > 1;
        if (!canClose)
            PostMessage(&checked, WM_CLOSE);  // the user asks again: now as Cancel
    };
    EXPECT_EQ(checked.ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
}

TEST(ModalForms, HidingAModalFormFromCodeEndsItsLoopAsCancel)
{
    TForm dialog(nullptr);
    auto* target = new Listener(&dialog);
    target->SetParent(&dialog);
    target->watch = RegisterWindowMessage("HideMe");
    target->hook = [&](const TMessage&) { dialog.Hide(); };
    dialog.OnShow = [&](TObject*) { PostMessage(target, target->watch); };
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(Timers, ATimerByIdFiresOnItsControlUntilKilled)
{
    Listener target(nullptr);
    target.SetTimer(111, 10);
    EXPECT_TRUE(Application->HasTimer(&target, 111));
    ASSERT_TRUE(RunUntil([&] { return target.got.size() >= 2; }));
    EXPECT_EQ(target.got[0], (std::pair<unsigned, std::uintptr_t>{WM_TIMER, 111}));
    target.KillTimer(111);
    std::size_t n = target.got.size();
    RunUntil([] { return false; }, 40);
    EXPECT_EQ(target.got.size(), n);
}

TEST(Timers, TimerComponentFiresWhileEnabled)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(5);
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    RunUntil([&] { return ticks >= 3; });
    RunUntil([] { return false; }, 30);
    EXPECT_EQ(ticks, 3);
}

TEST(Exceptions, AnExceptionInAClickHandlerEndsInAnErrorBoxAndTheProgramGoesOn)
{
    ScriptedDialogs dialogs;
    TCheckBox box(nullptr);
    box.OnClick = [](TObject*) { throw std::runtime_error("Invalid port number"); };
    SendClick(&box);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Invalid port number.");
    EXPECT_EQ(dialogs.Messages[0].Flags & 0xF0, MB_ICONERROR);
    EXPECT_TRUE(box.Checked());
    box.OnClick = nullptr;
    SendClick(&box);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(dialogs.Messages.size(), 1u);

    // A posted message whose handler throws does not stop the queue.
    Listener target(nullptr);
    target.watch = RegisterWindowMessage("Throws");
    target.hook = [](const TMessage& m) {
        if (m.WParam == 1)
            throw std::runtime_error("first");
    };
    PostMessage(&target, target.watch, 1);
    PostMessage(&target, target.watch, 2);
    Application->ProcessMessages();
    EXPECT_EQ(target.got.size(), 2u);
    EXPECT_EQ(dialogs.Messages.size(), 2u);
}

TEST(MainLoop, RunEndsWhenTheMainFormClosesAndCanRunAgain)
{
    TForm main(nullptr);
    int shows = 0;
    main.OnShow = [&](TObject*) {
        ++shows;
        PostMessage(&main, WM_CLOSE);
    };
    Application->SetMainForm(&main);
    Application->Run();
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(Application->Terminated());
    Application->Run();
    EXPECT_EQ(shows, 2);
    Application->SetMainForm(nullptr);
}
