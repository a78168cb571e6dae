#pragma once
// Forms: top-level windows shown modeless or modal. A native window exists only while a form is
// shown on a platform with a backend; everything else works on the plain objects.
#include "platform/ui/Controls.h"

namespace ui {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // Creation: the owner's constructor builds the controls and then calls DoCreate (OnCreate).
    void DoCreate();

    TFormBorderStyle BorderStyle() const { return formBorderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons v)
    {
        borderIcons_ = v;
        Changed(TChangeAspect::Style);
    }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState v);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }

    // The frame: caption bar and borders the native window adds around the client area.
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;

    TWinControl* ActiveControl() const { return activeControl_; }
    // Moves the focus to control (which must lie on this form); sends exit/enter and focus messages.
    void SetActiveControl(TWinControl* control);
    // Moves the focus to the next (or previous) tab stop after current.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop = true);
    bool Active() const { return active_; }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    // Shows the form and runs the message loop until ModalResult becomes non-zero or the form closes.
    virtual TModalResult ShowModal();
    bool Modal() const { return modal_; }
    void SetVisible(bool v) override;
    void Close();
    bool CloseQuery();
    void Release();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void WndProc(TMessage& message) override;
    // Called by the backend when the user resizes or activates the native window.
    void NativeActivated(bool active);

protected:
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    void PaintBackground(TCanvas& canvas) override;
    // Paints the form, then fires OnPaint.
    void PaintControl(TCanvas& canvas) override;

    bool CanFocusChild(const TWinControl* control) const;

private:
    friend class TWinControl;
    void CenterOnScreen();
    void FocusFirst();
    int FrameBorder() const;
    int CaptionHeight() const;

    TFormBorderStyle formBorderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TWindowState windowState_ = TWindowState::wsNormal;
    bool keyPreview_ = false;
    bool autoScroll_ = false;
    TWinControl* activeControl_ = nullptr;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool created_ = false;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

}  // namespace ui
