// Native windows: a form shown gets a top-level widget; its windowed controls get child widgets
// (line edits as Qt's own, everything else painted through the canvas); an open popup gets a
// top-level popup window above its form. The widgets follow the controls' state, and the user's
// input comes back as messages.
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupWindow.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtDragDrop.h"
#include "platform/ui/qt/QtInput.h"
#include "platform/ui/qt/QtSupport.h"
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

namespace ui::qt {

namespace {
TPoint WidgetPos(const TControl* c)
{
    const TWinControl* p = c->Parent();
    TPoint o = (!p || dynamic_cast<const TCustomForm*>(p)) ? TPoint{} : p->ClientOrigin();
    return {o.X + c->Left(), o.Y + c->Top()};
}

// Routes key, mouse and focus events of a widget to its control.
template <class Base>
class Bridge : public Base {
public:
    template <class... A>
    explicit Bridge(TWinControl* control, A&&... args) : Base(std::forward<A>(args)...), control_(control)
    {
        this->setMouseTracking(true);
        this->setAttribute(Qt::WA_InputMethodEnabled, true);
        // Drags reach the control when it takes drops (DragDrop.h); else the widget's own handling.
        this->setAcceptDrops(true);
    }
    TWinControl* Control() const { return control_; }
    void Detach() { control_ = nullptr; }

protected:
    bool event(QEvent* e) override
    {
        if (!control_)
            return Base::event(e);
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // All keys, Tab included, take the framework's way, to the control with the focus.
            TWinControl* target = FindFocusedControl();
            TCustomForm* form = control_->ParentForm();
            if (!target || (form && target->ParentForm() != form))
                target = control_;
            DeliverKey(target, *static_cast<QKeyEvent*>(e), e->type() == QEvent::KeyPress);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            DeliverMouse(control_, *static_cast<QMouseEvent*>(e), e->type());
            if (!Native())
                return true;
            break;
        case QEvent::Wheel:
            DeliverWheel(control_, *static_cast<QWheelEvent*>(e));
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            if (DeliverNativeDrag(control_, e))
                return true;
            break;
        case QEvent::Leave:
            DeliverLeave(control_);
            break;
        case QEvent::FocusIn:
            // Qt's own edits and combo boxes take the focus on a click; the framework follows.
            if (Native() && !control_->Focused() && control_->CanFocus())
                GetApplication()->Guard(control_, [this] { control_->SetFocus(); });
            break;
        default:
            break;
        }
        return Base::event(e);
    }
    // Qt's own controls keep their mouse handling (caret, selection, list).
    virtual bool Native() const { return false; }
    TWinControl* control_;
};

class PaintedWidget : public Bridge<QWidget> {
public:
    PaintedWidget(TWinControl* c, QWidget* parent) : Bridge<QWidget>(c, parent)
    {
        // The framework decides who has the focus (controls take it in their mouse handling).
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    static bool Painting() { return paintDepth_ > 0; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!control_)
            return;
        struct Depth {
            Depth() { ++paintDepth_; }
            ~Depth() { --paintDepth_; }
        } depth;
        // The control and its windowless children, into an off-screen bitmap.
        TBitmap bitmap(width(), height());
        GetApplication()->Guard(control_, [&] { PaintInto(bitmap); });
        QPainter p(this);
        p.drawImage(0, 0, ImageView(bitmap));
    }

private:
    static inline int paintDepth_ = 0;
    void PaintInto(TBitmap& bitmap)
    {
        TCanvas canvas(&bitmap);
        if (auto* form = dynamic_cast<TCustomForm*>(control_)) {
            TPoint o = form->ClientOrigin();
            canvas.SetOrigin({-o.X, -o.Y});
        }
        control_->PaintControl(canvas);
        TPoint base = canvas.Origin();
        TPoint co = control_->ClientOrigin();
        for (int i = 0; i < control_->ControlCount(); ++i) {
            TControl* child = control_->Controls(i);
            if (!child->Visible() || dynamic_cast<TWinControl*>(child))
                continue;
            TPoint origin{base.X + co.X + child->Left(), base.Y + co.Y + child->Top()};
            canvas.SetOrigin(origin);
            canvas.SetClipRect({0, 0, child->Width(), child->Height()});
            child->PaintControl(canvas);
            canvas.ResetClip();
        }
    }
};

class FormWidget : public PaintedWidget {
public:
    FormWidget(TCustomForm* f) : PaintedWidget(f, nullptr) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        if (control_)
            GetApplication()->Guard(control_, [&] { control_->Perform(WM_CLOSE); });
    }
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        auto* form = dynamic_cast<TCustomForm*>(control_);
        if (!form || (form->ClientWidth() == width() && form->ClientHeight() == height()))
            return;
        GetApplication()->Guard(form, [&] {
            form->SetClientWidth(width());
            form->SetClientHeight(height());
        });
    }
    void moveEvent(QMoveEvent* e) override
    {
        QWidget::moveEvent(e);
        // The user (or the window manager) moved the window: the form's position follows, so
        // that screen coordinates (popups, hints) stay right.
        auto* form = dynamic_cast<TCustomForm*>(control_);
        if (!form || !isVisible())
            return;
        TPoint o = form->ClientOrigin();
        int left = geometry().left() - o.X, top = geometry().top() - o.Y;
        if (left != form->Left() || top != form->Top())
            GetApplication()->Guard(form, [&] { form->SetBounds(left, top, form->Width(), form->Height()); });
    }
    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::ActivationChange && control_)
            if (auto* form = dynamic_cast<TCustomForm*>(control_))
                GetApplication()->Guard(form, [&] { form->NativeActivated(isActiveWindow()); });
        QWidget::changeEvent(e);
    }
};

class EditWidget : public Bridge<QLineEdit> {
public:
    EditWidget(TCustomEdit* c, QWidget* parent) : Bridge<QLineEdit>(c, parent)
    {
        // Text typed through an input method arrives as an edit of the whole text.
        connect(this, &QLineEdit::textEdited, [this](const QString& t) {
            if (auto* e = dynamic_cast<TCustomEdit*>(control_))
                GetApplication()->Guard(e, [&] { e->NativeTextEdited(FromQString(t), cursorPosition()); });
        });
        connect(this, &QLineEdit::selectionChanged, [this] { PullSelection(); });
        connect(this, &QLineEdit::cursorPositionChanged, [this](int, int) { PullSelection(); });
    }
    bool syncing = false;

protected:
    bool Native() const override { return true; }
    void PullSelection()
    {
        auto* e = dynamic_cast<TCustomEdit*>(control_);
        if (!e || syncing)
            return;
        if (hasSelectedText()) {
            e->SetSelStart(selectionStart());
            e->SetSelLength(static_cast<int>(selectedText().size()));
        } else {
            e->SetSelStart(cursorPosition());
        }
    }
};

// An open popup: a top-level popup window above its form's window. The window system gives it
// every mouse press and key while it is open; the framework decides what they do (a press
// outside closes it and goes no further).
class PopupWidget : public PaintedWidget {
public:
    PopupWidget(TPopupWindow* popup, QWidget* ownerWindow) : PaintedWidget(popup, ownerWindow)
    {
        // A click-through popup is a tool tip that input passes through.
        Qt::WindowFlags flags = popup->ClickThrough() ? Qt::ToolTip | Qt::FramelessWindowHint |
                                                            Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus
                                                      : Qt::Popup | Qt::FramelessWindowHint;
        if (!popup->Shadow())
            flags |= Qt::NoDropShadowWindowHint;
        setWindowFlags(flags);
        setAttribute(Qt::WA_NoMouseReplay);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

protected:
    bool event(QEvent* e) override
    {
        auto* popup = dynamic_cast<TPopupWindow*>(control_);
        if (!popup || !popup->ClickThrough())
            return PaintedWidget::event(e);
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            PassThrough(*popup, *static_cast<QMouseEvent*>(e));
            return true;
        default:
            return PaintedWidget::event(e);
        }
    }

private:
    // Where the window system still gives a click-through popup the mouse, the mouse goes on to
    // the window of its form under the point.
    static void PassThrough(TPopupWindow& popup, const QMouseEvent& me)
    {
        TCustomForm* form = popup.OwnerForm();
        auto* formWidget = form ? static_cast<QWidget*>(form->NativeHandle()) : nullptr;
        if (!formWidget)
            return;
        const QPointF global = me.globalPosition();
        QWidget* target = formWidget->childAt(formWidget->mapFromGlobal(global.toPoint()));
        if (!target)
            target = formWidget;
        QMouseEvent copy(me.type(), target->mapFromGlobal(global), global, me.button(), me.buttons(), me.modifiers());
        QCoreApplication::sendEvent(target, &copy);
    }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        // The window system closed it (the program lost the activation): the framework follows.
        if (auto* popup = dynamic_cast<TPopupWindow*>(control_); popup && popup->IsOpen())
            GetApplication()->Guard(popup, [&] { popup->ClosePopup(TPopupCloseReason::pcrOwner); });
        e->accept();
    }
};

// Window frame of a form: border style, border icons and window state.
void ApplyFrame(TCustomForm* form, QWidget* w)
{
    Qt::WindowFlags flags = Qt::Window;
    switch (form->BorderStyle()) {
    case TFormBorderStyle::bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
        flags = Qt::Tool;
        break;
    case TFormBorderStyle::bsDialog:
        flags = Qt::Dialog;
        break;
    default:
        break;
    }
    flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (form->BorderIcons() & biSystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    bool sizeable =
        form->BorderStyle() == TFormBorderStyle::bsSizeable || form->BorderStyle() == TFormBorderStyle::bsSizeToolWin;
    if ((form->BorderIcons() & biMinimize) && form->BorderStyle() != TFormBorderStyle::bsDialog)
        flags |= Qt::WindowMinimizeButtonHint;
    if ((form->BorderIcons() & biMaximize) && sizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    bool wasVisible = w->isVisible();
    if (w->windowFlags() != flags)
        w->setWindowFlags(flags);
    if (sizeable) {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        w->setFixedSize(form->ClientWidth(), form->ClientHeight());
    }
    switch (form->WindowState()) {
    case TWindowState::wsMaximized:
        w->setWindowState(Qt::WindowMaximized);
        break;
    case TWindowState::wsMinimized:
        w->setWindowState(Qt::WindowMinimized);
        break;
    default:
        w->setWindowState(Qt::WindowNoState);
        break;
    }
    if (wasVisible && !w->isVisible())
        w->show();  // changing flags hides a window
}

// Puts the window's client area at the form's client origin on the screen; the frame a window
// system draws around it is not the framework's to place.
void PlaceClientArea(TCustomForm* form, QWidget* w)
{
    TPoint o = form->ClientOrigin();
    QPoint want(form->Left() + o.X, form->Top() + o.Y);
    if (w->geometry().topLeft() != want)
        w->move(w->pos() + (want - w->geometry().topLeft()));
}

void DetachWidget(QWidget* w)
{
    if (auto* b = dynamic_cast<Bridge<QWidget>*>(w))
        b->Detach();
    else if (auto* e = dynamic_cast<Bridge<QLineEdit>*>(w))
        e->Detach();
}
}  // namespace

QWidget* QtBackend::WidgetOf(const TControl* control) const
{
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* QtBackend::CreateWidget(TControl* control, QWidget* parentWidget)
{
    auto* win = dynamic_cast<TWinControl*>(control);
    if (!win)
        return nullptr;
    QWidget* w;
    if (auto* edit = dynamic_cast<TCustomEdit*>(win); edit && !dynamic_cast<TMemo*>(win))
        w = new EditWidget(edit, parentWidget);
    else
        w = new PaintedWidget(win, parentWidget);
    widgets_[control] = w;
    control->SetNativeHandle(w);
    Sync(control, w, TChangeAspect::Other);
    return w;
}

void QtBackend::BuildChildren(TWinControl* parent, QWidget* parentWidget)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(parent->Controls(i));
        if (!child)
            continue;
        QWidget* w = WidgetOf(child);
        if (!w)
            w = CreateWidget(child, parentWidget);
        else if (w->parentWidget() != parentWidget)
            w->setParent(parentWidget);
        w->raise();
        BuildChildren(child, w);
    }
}

void QtBackend::Sync(TControl* control, QWidget* w, TChangeAspect aspect)
{
    bool all = aspect == TChangeAspect::Other;
    if (auto* form = dynamic_cast<TCustomForm*>(control)) {
        if (all || aspect == TChangeAspect::Text)
            w->setWindowTitle(ToQString(form->Caption()));
        if (all || aspect == TChangeAspect::Style)
            ApplyFrame(form, w);
        if (all || aspect == TChangeAspect::Bounds) {
            if (w->minimumSize() == w->maximumSize())
                w->setFixedSize(form->ClientWidth(), form->ClientHeight());
            w->resize(form->ClientWidth(), form->ClientHeight());
            PlaceClientArea(form, w);
        }
        if (all || aspect == TChangeAspect::Enabled)
            w->setEnabled(form->Enabled());
        if (all)
            BuildChildren(form, w);
        w->update();
        return;
    }
    if (all || aspect == TChangeAspect::Bounds) {
        TPoint p = WidgetPos(control);
        w->setGeometry(p.X, p.Y, control->Width(), control->Height());
    }
    if (all || aspect == TChangeAspect::Visible)
        w->setVisible(control->Visible());
    if (all || aspect == TChangeAspect::Enabled)
        w->setEnabled(control->Enabled());
    if (all || aspect == TChangeAspect::Cursor)
        w->setCursor(CursorFor(control->Cursor()));
    if (all || aspect == TChangeAspect::Font)
        w->setFont(ToQFont(*control->Font()));
    if (auto* ew = dynamic_cast<EditWidget*>(w)) {
        auto* e = static_cast<TCustomEdit*>(control);
        ew->syncing = true;
        if (ew->text() != ToQString(e->DisplayText()))
            ew->setText(ToQString(e->DisplayText()));
        ew->setReadOnly(e->ReadOnly());
        ew->setMaxLength(e->MaxLength() > 0 ? e->MaxLength() : 32767);
        ew->setEchoMode(e->PasswordChar() ? QLineEdit::Password : QLineEdit::Normal);
        const Qt::Alignment align = e->Alignment() == TAlignment::taRightJustify ? Qt::AlignRight
                                    : e->Alignment() == TAlignment::taCenter     ? Qt::AlignHCenter
                                                                                 : Qt::AlignLeft;
        if (ew->alignment() != (align | Qt::AlignVCenter))
            ew->setAlignment(align | Qt::AlignVCenter);
        // The edit rectangle keeps the text out of embedded buttons.
        const TRect client = e->ClientRect(), er = e->EditRect();
        const QMargins margins(std::max(0, er.Left - 1), 0, std::max(0, client.Right - er.Right - 1), 0);
        if (ew->textMargins() != margins)
            ew->setTextMargins(margins);
        if (e->SelLength() > 0)
            ew->setSelection(e->SelStart(), e->SelLength());
        else
            ew->setCursorPosition(e->SelStart());
        ew->syncing = false;
    }
    if (all) {
        if (auto* win = dynamic_cast<TWinControl*>(control))
            BuildChildren(win, w);
    }
    w->update();
}

void QtBackend::ShowForm(TCustomForm* form)
{
    EnsureApplication();
    QWidget* w = WidgetOf(form);
    if (!w) {
        w = new FormWidget(form);
        widgets_[form] = w;
        form->SetNativeHandle(w);
    }
    Sync(form, w, TChangeAspect::Other);
    if (form->Modal())
        w->setWindowModality(Qt::ApplicationModal);
    w->show();
    PlaceClientArea(form, w);  // a frame added when shown moves the client area
    w->activateWindow();
    if (TWinControl* f = FindFocusedControl(); f && form->ContainsControl(f))
        if (QWidget* fw = WidgetOf(f))
            fw->setFocus();
}

void QtBackend::DestroyTree(TControl* control)
{
    if (auto* win = dynamic_cast<TWinControl*>(control))
        for (int i = 0; i < win->ControlCount(); ++i)
            DestroyTree(win->Controls(i));
    auto it = widgets_.find(control);
    if (it == widgets_.end())
        return;
    control->SetNativeHandle(nullptr);
    if (QWidget* w = it->second.data())
        DetachWidget(w);
    widgets_.erase(it);
}

void QtBackend::HideForm(TCustomForm* form)
{
    QWidget* w = WidgetOf(form);
    DestroyTree(form);
    if (w) {
        w->hide();
        w->deleteLater();
    }
}

void QtBackend::ControlChanged(TControl* control, TChangeAspect aspect)
{
    QWidget* w = WidgetOf(control);
    if (!w)
        return;
    if (aspect == TChangeAspect::Other && !dynamic_cast<TCustomForm*>(control) &&
        !dynamic_cast<TPopupWindow*>(control)) {
        // The parent may have changed.
        TWinControl* parent = control->Parent();
        QWidget* pw = parent ? WidgetOf(parent) : nullptr;
        if (!pw) {
            DestroyTree(control);
            w->deleteLater();
            return;
        }
        if (w->parentWidget() != pw)
            w->setParent(pw);
    }
    Sync(control, w, aspect);
    if (aspect == TChangeAspect::Visible || aspect == TChangeAspect::Bounds)
        if (control->Parent())
            if (QWidget* pw = WidgetOf(control->Parent()))
                pw->update();
}

void QtBackend::ControlDestroyed(TControl* control)
{
    QWidget* w = WidgetOf(control);
    DestroyTree(control);
    if (w) {
        w->hide();
        w->deleteLater();
    }
}

void QtBackend::InvalidateControl(TControl* control)
{
    if (QWidget* w = WidgetOf(control))
        w->update();
}

void QtBackend::UpdateControl(TControl* control)
{
    QWidget* w = WidgetOf(control);
    if (!w || !w->isVisible())
        return;
    // A repaint asked for while painting is left to the pending update (Qt refuses to nest them).
    if (PaintedWidget::Painting())
        w->update();
    else
        w->repaint();
}

void QtBackend::FocusControl(TWinControl* control)
{
    if (QWidget* w = WidgetOf(control); w && !w->hasFocus())
        w->setFocus(Qt::OtherFocusReason);
}

void QtBackend::SetCapture(TControl* /*control*/)
{
    // Qt grabs the mouse for the pressed widget by itself; the framework routes captured input.
}

bool QtBackend::GrabForm(TCustomForm* form, const std::string& fileName)
{
    QWidget* w = WidgetOf(form);
    if (!w)
        return false;
    QCoreApplication::processEvents();
    QImage img = w->grab().toImage();
    TBitmap b;
    CopyFromImage(img, b);
    return SavePng(b, fileName);
}

void QtBackend::ShowPopup(TPopupWindow* popup)
{
    TCustomForm* form = popup->OwnerForm();
    QWidget* owner = form ? WidgetOf(form) : nullptr;
    if (!owner)
        return;
    QWidget* w = WidgetOf(popup);
    if (!w) {
        w = new PopupWidget(popup, owner->window());
        widgets_[popup] = w;
        popup->SetNativeHandle(w);
    }
    Sync(popup, w, TChangeAspect::Other);
    w->show();
}

void QtBackend::HidePopup(TPopupWindow* popup)
{
    QWidget* w = WidgetOf(popup);
    DestroyTree(popup);
    if (w) {
        w->hide();
        w->deleteLater();
    }
}

TRect QtBackend::WorkArea()
{
    QScreen* s = ApplicationExists() ? QGuiApplication::primaryScreen() : nullptr;
    if (!s)
        return IUiBackend::WorkArea();
    QRect a = s->availableGeometry();
    return {a.left(), a.top(), a.left() + a.width(), a.top() + a.height()};
}

TSize QtBackend::ScreenSize()
{
    if (!ApplicationExists())
        return {1920, 1080};
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return {1920, 1080};
    return {s->geometry().width(), s->geometry().height()};
}

void QtBackend::ShowHint(const std::string& text, TPoint screenPos, int /*maxWidth*/)
{
    if (!ApplicationExists())
        return;
    if (text.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(QPoint(screenPos.X, screenPos.Y), ToQString(text));
}

}  // namespace ui::qt
