// The Qt backend object, the event pump, cursors and clipboard; registered at start-up.
#include "platform/ui/qt/QtBackend.h"

#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtDragDrop.h"
#include "platform/ui/qt/QtSupport.h"
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QMenu>
#include <QPixmap>
#include <QThread>
#include <QTimer>

namespace ui::qt {

QtBackend::QtBackend() : dialogs_(std::make_unique<QtDialogs>()) {}
QtBackend::~QtBackend() = default;

QtBackend& Instance()
{
    // Lives until the process ends, like the Qt application object.
    static QtBackend* backend = new QtBackend();
    return *backend;
}

void QtBackend::ProcessEvents(int maxWaitMs)
{
    if (!ApplicationExists()) {
        if (maxWaitMs > 0)
            QThread::msleep(static_cast<unsigned long>(maxWaitMs));
        return;
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (maxWaitMs <= 0)
        return;
    // Sleep until something happens or the time is up.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxWaitMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QCursor QtBackend::CursorFor(TCursor c) const
{
    auto it = cursors_.find(c);
    if (it != cursors_.end())
        return it->second;
    switch (c) {
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    case crNone:
        return Qt::BlankCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void QtBackend::SetScreenCursor(TCursor cursor)
{
    if (!ApplicationExists())
        return;
    if (overrideCursor_)
        QApplication::restoreOverrideCursor();
    overrideCursor_ = cursor != crDefault;
    if (overrideCursor_)
        QApplication::setOverrideCursor(CursorFor(cursor));
}

void QtBackend::RegisterCursor(TCursor index, const TBitmap& image, TPoint hotSpot)
{
    EnsureApplication();
    cursors_[index] = QCursor(QPixmap::fromImage(ImageCopy(image)), hotSpot.X, hotSpot.Y);
}

void QtBackend::Beep()
{
    if (ApplicationExists() && !IsOffscreen())
        QApplication::beep();
}

int QtBackend::ShowPopupMenu(const std::vector<TMenuEntry>& items, TPoint screenPos)
{
    EnsureApplication();
    if (IsOffscreen())
        return -1;  // nobody can pick on the offscreen platform
    QMenu menu;
    std::vector<QAction*> actions;
    for (const TMenuEntry& e : items) {
        if (e.Caption == "-") {
            actions.push_back(menu.addSeparator());
            continue;
        }
        QAction* a = menu.addAction(ToQString(e.Caption));
        a->setEnabled(e.Enabled);
        a->setCheckable(e.Checked);
        a->setChecked(e.Checked);
        actions.push_back(a);
    }
    QAction* chosen = menu.exec(QPoint(screenPos.X, screenPos.Y));
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (actions[i] == chosen)
            return static_cast<int>(i);
    return -1;
}

IDialogService* QtBackend::NativeDialogs()
{
    return dialogs_.get();
}

bool QtBackend::ClipboardText(std::string& text)
{
    EnsureApplication();
    if (IsOffscreen())
        return false;
    text = FromQString(QGuiApplication::clipboard()->text());
    return true;
}

void QtBackend::SetClipboardText(const std::string& text)
{
    EnsureApplication();
    if (!IsOffscreen())
        QGuiApplication::clipboard()->setText(ToQString(text));
}

bool QtBackend::ClipboardData(TDragData& data)
{
    EnsureApplication();
    if (IsOffscreen())
        return false;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    data = mime ? FromMimeData(*mime) : TDragData();
    return true;
}

bool QtBackend::SetClipboardData(const TDragData& data)
{
    EnsureApplication();
    if (IsOffscreen())
        return false;
    QGuiApplication::clipboard()->setMimeData(ToMimeData(data).release());
    return true;
}

namespace {
// Linking this library installs the backend before main runs.
const bool registered = [] {
    SetBackend(&Instance());
    return true;
}();
}  // namespace

}  // namespace ui::qt
