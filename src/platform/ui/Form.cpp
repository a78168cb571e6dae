// TCustomForm: showing (modeless and modal), closing, focus inside the form, dialog keys.
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PopupWindow.h"
#include <algorithm>

namespace ui {

void MoveFocus(TWinControl* to);

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    TControl::SetVisible(false);
    SetDefaultColor(clBtnFace);
    SetParentFont(false);
    SetParentColor(false);
    controlStyle_ |= csAcceptsControls;
    GetScreen()->AddForm(this);
    TControl::SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm()
{
    MarkDestroying();
    ClosePopupsOf(this);
    if (Backend() && HandleAllocated())
        Backend()->HideForm(this);
    DestroyComponents();
    GetScreen()->RemoveForm(this);
}

void TCustomForm::DoCreate()
{
    if (created_)
        return;
    created_ = true;
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v)
{
    if (v == formBorderStyle_)
        return;
    int cw = ClientWidth(), ch = ClientHeight();
    formBorderStyle_ = v;
    // The client area keeps its size; the frame around it changes.
    SetBounds(Left(), Top(), cw + 2 * FrameBorder(), ch + 2 * FrameBorder() + CaptionHeight());
    Changed(TChangeAspect::Style);
}

int TCustomForm::FrameBorder() const
{
    return formBorderStyle_ == TFormBorderStyle::bsNone ? 0 : 8;
}

int TCustomForm::CaptionHeight() const
{
    switch (formBorderStyle_) {
    case TFormBorderStyle::bsNone:
        return 0;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
        return 17;
    default:
        return 23;
    }
}

TPoint TCustomForm::ClientOrigin() const
{
    return {FrameBorder(), FrameBorder() + CaptionHeight()};
}

TRect TCustomForm::ClientRect() const
{
    int w = Width() - 2 * FrameBorder();
    int h = Height() - 2 * FrameBorder() - CaptionHeight();
    return {0, 0, std::max(0, w), std::max(0, h)};
}

void TCustomForm::SetWindowState(TWindowState v)
{
    if (v == windowState_)
        return;
    windowState_ = v;
    Changed(TChangeAspect::Style);
}

bool TCustomForm::CanFocusChild(const TWinControl* control) const
{
    return control && control != this && ContainsControl(control) && control->CanFocus();
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == this)
        control = nullptr;
    if (control && !CanFocusChild(control))
        return;
    activeControl_ = control;
    if (control)
        MoveFocus(control);
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return;
    int n = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (forward ? -1 : n) : static_cast<int>(it - list.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (forward ? step : -step)) % n + n) % n;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c == current)
            break;
        if ((!checkTabStop || c->TabStop()) && c->CanFocus()) {
            SetActiveControl(c);
            return;
        }
    }
}

void TCustomForm::FocusFirst()
{
    if (activeControl_ && CanFocusChild(activeControl_)) {
        MoveFocus(activeControl_);
        return;
    }
    SelectNext(nullptr, true, true);
}

void TCustomForm::CenterOnScreen()
{
    // Over the main form or the owning form when asked and it is shown; on the screen otherwise.
    TCustomForm* over = nullptr;
    if (position_ == TPosition::poMainFormCenter)
        over = GetApplication()->MainForm();
    if (position_ == TPosition::poOwnerFormCenter)
        over = dynamic_cast<TCustomForm*>(Owner());
    if (over && over != this && over->Visible()) {
        TControl::SetBounds(over->Left() + (over->Width() - Width()) / 2, over->Top() + (over->Height() - Height()) / 2,
                            Width(), Height());
        return;
    }
    TScreen* s = GetScreen();
    TControl::SetBounds((s->Width() - Width()) / 2, (s->Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::SetVisible(bool v)
{
    if (v == Visible())
        return;
    if (v) {
        // Another window comes to the front: open popups close, as when the focus leaves them.
        CloseAllPopups(TPopupCloseReason::pcrOwner);
        // OnShow may still size the form (a dialog setting its client area): centre afterwards.
        DoShow();
        if (position_ == TPosition::poScreenCenter || position_ == TPosition::poDesktopCenter ||
            position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter)
            CenterOnScreen();
        TControl::SetVisible(true);
        GetScreen()->SetActiveForm(this);
        active_ = true;
        if (Backend())
            Backend()->ShowForm(this);
        FocusFirst();
        if (OnActivate)
            OnActivate(this);
    } else {
        ClosePopupsOf(this);
        DoHide();
        TControl::SetVisible(false);
        if (Backend() && HandleAllocated())
            Backend()->HideForm(this);
        if (active_) {
            active_ = false;
            if (OnDeactivate)
                OnDeactivate(this);
        }
        if (GetScreen()->ActiveForm() == this) {
            GetScreen()->SetActiveForm(nullptr);
            // The focus returns to the most recent other visible form.
            for (int i = GetScreen()->FormCount() - 1; i >= 0; --i) {
                TCustomForm* f = GetScreen()->Forms(i);
                if (f != this && f->Visible()) {
                    GetScreen()->SetActiveForm(f);
                    f->active_ = true;
                    f->FocusFirst();
                    break;
                }
            }
        }
        TWinControl* focus = FindFocusedControl();
        if (focus && (focus == this || ContainsControl(focus)) && GetScreen()->ActiveForm() == nullptr)
            MoveFocus(nullptr);
    }
}

void TCustomForm::NativeActivated(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        GetScreen()->SetActiveForm(this);
        FocusFirst();
        if (OnActivate)
            OnActivate(this);
    } else if (OnDeactivate) {
        OnDeactivate(this);
    }
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (modal_) {
        // The modal loop asks CloseQuery and OnClose before it lets the form go.
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (GetApplication()->MainForm() == this)
        GetApplication()->Terminate();
    if (action == TCloseAction::caHide || action == TCloseAction::caMinimize)
        Hide();
    else if (action == TCloseAction::caFree)
        Release();
}

void TCustomForm::Release()
{
    PostMessage(this, CM_RELEASE);
}

TModalResult TCustomForm::ShowModal()
{
    if (modal_ || Visible())
        return mrNone;
    TCustomForm* previous = GetScreen()->ActiveForm();
    TWinControl* previousFocus = FindFocusedControl();
    modal_ = true;
    modalResult_ = mrNone;
    TApplication* app = GetApplication();
    app->EnterModal();
    struct Leave {
        TApplication* app;
        TCustomForm* form;
        ~Leave()
        {
            app->LeaveModal();
            form->modal_ = false;
        }
    } leave{app, this};
    Show();
    while (true) {
        app->HandleMessage(10);
        // Ending the program, or hiding the form from code, ends the modal loop too.
        if ((app->Terminated() || !Visible()) && modalResult_ == mrNone)
            modalResult_ = mrCancel;
        if (modalResult_ != mrNone) {
            // Whatever set the result (a button, Close, the close icon), the form may refuse.
            TCloseAction action = CloseQuery() ? TCloseAction::caHide : TCloseAction::caNone;
            if (action != TCloseAction::caNone)
                DoClose(action);
            if (action == TCloseAction::caNone) {
                modalResult_ = mrNone;
                continue;
            }
            break;
        }
    }
    TModalResult result = modalResult_;
    Hide();
    if (previous && previous != this && previous->Visible()) {
        GetScreen()->SetActiveForm(previous);
        if (previousFocus && previous->ContainsControl(previousFocus) && previousFocus->CanFocus())
            MoveFocus(previousFocus);
    }
    return result;
}

void TCustomForm::PaintControl(TCanvas& canvas)
{
    TWinControl::PaintControl(canvas);
    if (OnPaint)
        OnPaint(this);
}

void TCustomForm::PaintBackground(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    TPoint o = ClientOrigin();
    canvas.FillRect(ClientRect().Offset(o.X, o.Y));
}

namespace {
// Offers a message to every control under root until one answers non-zero.
std::intptr_t Broadcast(TWinControl* root, TMessage& m)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* c = root->Controls(i);
        if (!c->Visible())
            continue;
        c->WndProc(m);
        if (m.Result)
            return m.Result;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->BroadcastsToChildren(m)) {
            if (Broadcast(w, m))
                return m.Result;
        }
    }
    return 0;
}
}  // namespace

void TCustomForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case CM_RELEASE:
        delete this;
        return;
    case CM_DIALOGCHAR:
        Broadcast(this, m);
        return;
    case CM_DIALOGKEY: {
        Broadcast(this, m);
        if (m.Result)
            return;
        bool shift = (KeyboardShiftState() & ssShift) != 0;
        switch (m.WParam) {
        case VK_TAB:
            if (KeyboardShiftState() & (ssCtrl | ssAlt))
                return;
            SelectNext(FindFocusedControl(), !shift, true);
            m.Result = 1;
            return;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (TWinControl* f = FindFocusedControl(); f && f->Parent()) {
                SelectNext(f, m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
                m.Result = 1;
            }
            return;
        default:
            return;
        }
    }
    default:
        TWinControl::WndProc(m);
    }
}

}  // namespace ui
