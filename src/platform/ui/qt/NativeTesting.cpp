#include "platform/ui/qt/NativeTesting.h"

#include <memory>

#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtSupport.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>

namespace ui::qt {

bool HasNativeWindow(const TControl* control)
{
    return Instance().WidgetOf(control) != nullptr;
}

std::string NativeText(const TControl* control)
{
    QWidget* w = Instance().WidgetOf(control);
    if (!w)
        return {};
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return FromQString(e->text());
    return FromQString(w->windowTitle());
}

TRect NativeGeometry(const TControl* control)
{
    QWidget* w = Instance().WidgetOf(control);
    if (!w)
        return {};
    QRect g = w->isWindow() ? QRect(0, 0, w->width(), w->height()) : w->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

TRect NativeScreenGeometry(const TControl* control)
{
    QWidget* w = Instance().WidgetOf(control);
    if (!w)
        return {};
    QPoint p = w->mapToGlobal(QPoint(0, 0));
    return {p.x(), p.y(), p.x() + w->width(), p.y() + w->height()};
}

bool NativePopupWindow(const TControl* control)
{
    QWidget* w = Instance().WidgetOf(control);
    return w && w->isWindow() && w->windowType() == Qt::Popup;
}

bool NativeVisible(const TControl* control)
{
    QWidget* w = Instance().WidgetOf(control);
    return w && w->isVisible();
}

void TypeIntoNative(TControl* control, const std::string& text)
{
    QWidget* w = Instance().WidgetOf(control);
    if (!w)
        return;
    for (char32_t ch : ToQString(text).toUcs4()) {
        QString s = QString::fromUcs4(&ch, 1);
        int key = (ch >= 'a' && ch <= 'z')   ? Qt::Key_A + static_cast<int>(ch - 'a')
                  : (ch >= 'A' && ch <= 'Z') ? Qt::Key_A + static_cast<int>(ch - 'A')
                  : (ch >= '0' && ch <= '9') ? Qt::Key_0 + static_cast<int>(ch - '0')
                                             : Qt::Key_unknown;
        Qt::KeyboardModifiers mods = (ch >= 'A' && ch <= 'Z') ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, key, mods, s);
        QKeyEvent release(QEvent::KeyRelease, key, mods, s);
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

void PressKeyNative(TControl* control, unsigned vk, TShiftState shift)
{
    QWidget* w = Instance().WidgetOf(control);
    if (!w)
        return;
    int key = Qt::Key_unknown;
    QString text;
    switch (vk) {
    case VK_RETURN:
        key = Qt::Key_Return;
        text = "\r";
        break;
    case VK_ESCAPE:
        key = Qt::Key_Escape;
        text = QString(QChar(27));
        break;
    case VK_TAB:
        key = Qt::Key_Tab;
        text = "\t";
        break;
    case VK_UP:
        key = Qt::Key_Up;
        break;
    case VK_DOWN:
        key = Qt::Key_Down;
        break;
    case VK_F4:
        key = Qt::Key_F4;
        break;
    case VK_BACK:
        key = Qt::Key_Backspace;
        text = "\b";
        break;
    case VK_DELETE:
        key = Qt::Key_Delete;
        text = QString(QChar(0x7F));  // as the X11 platform hands it over
        break;
    default:
        if (vk >= 'A' && vk <= 'Z') {
            key = Qt::Key_A + static_cast<int>(vk - 'A');
            text = (shift & ssCtrl) ? QString(QChar(static_cast<char16_t>(vk - 'A' + 1)))
                                    : QString(QChar(static_cast<char16_t>(vk - 'A' + 'a')));
        }
        break;
    }
    Qt::KeyboardModifiers mods;
    if (shift & ssShift)
        mods |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        mods |= Qt::ControlModifier;
    if (shift & ssAlt)
        mods |= Qt::AltModifier;
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

namespace {
QMouseEvent* LeftButtonEvent(QWidget* w, QEvent::Type type, int x, int y)
{
    QPointF local(x, y);
    Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    return new QMouseEvent(type, local, w->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
}
}  // namespace

void ClickNative(TControl* control, int x, int y)
{
    QWidget* w = Instance().WidgetOf(control);
    if (!w)
        return;
    std::unique_ptr<QMouseEvent> press(LeftButtonEvent(w, QEvent::MouseButtonPress, x, y));
    std::unique_ptr<QMouseEvent> release(LeftButtonEvent(w, QEvent::MouseButtonRelease, x, y));
    QApplication::sendEvent(w, press.get());
    QApplication::sendEvent(w, release.get());
}

void QueueClickNative(TControl* control, int x, int y)
{
    QWidget* w = Instance().WidgetOf(control);
    if (!w)
        return;
    QCoreApplication::postEvent(w, LeftButtonEvent(w, QEvent::MouseButtonPress, x, y));
    QCoreApplication::postEvent(w, LeftButtonEvent(w, QEvent::MouseButtonRelease, x, y));
}

bool NativeHintShown()
{
    return QToolTip::isVisible();
}

void SetNativeDesktopPalette(bool dark)
{
    EnsureApplication();
    QPalette palette = QApplication::style()->standardPalette();
    if (dark) {
        palette.setColor(QPalette::Window, QColor(45, 45, 45));
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Base, QColor(30, 30, 30));
        palette.setColor(QPalette::Text, Qt::white);
    }
    QApplication::setPalette(palette);
}

}  // namespace ui::qt
