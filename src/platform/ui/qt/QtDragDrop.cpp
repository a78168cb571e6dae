#include "platform/ui/qt/QtDragDrop.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

#include "platform/ui/qt/NativeDragTesting.h"
#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtInput.h"
#include "platform/ui/qt/QtSupport.h"

namespace ui::qt {

namespace {

Qt::DropActions ToActions(unsigned effects)
{
    Qt::DropActions a = Qt::IgnoreAction;
    if (effects & deCopy)
        a |= Qt::CopyAction;
    if (effects & deMove)
        a |= Qt::MoveAction;
    if (effects & deLink)
        a |= Qt::LinkAction;
    return a;
}

Qt::DropAction ToAction(unsigned effect)
{
    if (effect & deMove)
        return Qt::MoveAction;
    if (effect & deCopy)
        return Qt::CopyAction;
    if (effect & deLink)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

unsigned ToEffects(Qt::DropActions a)
{
    unsigned e = deNone;
    if (a & Qt::CopyAction)
        e |= deCopy;
    if (a & Qt::MoveAction)
        e |= deMove;
    if (a & Qt::LinkAction)
        e |= deLink;
    return e;
}

QByteArray Bytes(const std::string& s)
{
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// The scripted drop of NativeDragTesting.
struct ScriptedDrop {
    TControl* target = nullptr;
    QPoint pos;
    Qt::KeyboardModifiers modifiers;
};
ScriptedDrop gScript;
QSize gLastImageSize;
TPoint gLastImageHotSpot;

Qt::KeyboardModifiers ModifiersOf(TShiftState shift)
{
    Qt::KeyboardModifiers m;
    if (shift & ssShift)
        m |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        m |= Qt::ControlModifier;
    if (shift & ssAlt)
        m |= Qt::AltModifier;
    return m;
}

// What the window system does for a drop at pos of widget: enter, move, then drop or leave.
Qt::DropAction SimulateDrop(QWidget* widget, QPoint pos, const QMimeData* mime, Qt::DropActions actions,
                            Qt::KeyboardModifiers modifiers, IDropSource* feedback)
{
    QDragEnterEvent enter(pos, actions, mime, Qt::LeftButton, modifiers);
    enter.ignore();
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted()) {
        if (feedback)
            feedback->GiveFeedback(deNone);
        return Qt::IgnoreAction;
    }
    QDragMoveEvent move(pos, actions, mime, Qt::LeftButton, modifiers);
    move.ignore();
    QApplication::sendEvent(widget, &move);
    if (feedback)
        feedback->GiveFeedback(move.isAccepted() ? ToEffects(move.dropAction()) : deNone);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(widget, &leave);
        return Qt::IgnoreAction;
    }
    QDropEvent drop(QPointF(pos), actions, mime, Qt::NoButton, modifiers);
    drop.ignore();
    QApplication::sendEvent(widget, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

QWidget* WidgetFor(const TControl* control)
{
    for (const TControl* c = control; c; c = c->Parent())
        if (QWidget* w = Instance().WidgetOf(c))
            return w;
    return nullptr;
}

}  // namespace

std::unique_ptr<QMimeData> ToMimeData(const TDragData& data)
{
    auto mime = std::make_unique<QMimeData>();
    for (const std::string& format : data.Formats()) {
        const std::string bytes = data.Data(format);
        if (format == kMimeText) {
            mime->setText(QString::fromUtf8(Bytes(bytes)));
        } else if (format == kMimeHtml) {
            mime->setHtml(QString::fromUtf8(Bytes(bytes)));
        } else if (format == kMimeUriList) {
            QList<QUrl> urls;
            for (const std::string& u : data.Urls())
                urls.push_back(QUrl::fromEncoded(Bytes(u)));
            mime->setUrls(urls);
        } else {
            mime->setData(QString::fromStdString(format), Bytes(bytes));
        }
    }
    return mime;
}

TDragData FromMimeData(const QMimeData& mime)
{
    TDragData data;
    if (mime.hasText())
        data.SetText(mime.text().toStdString());
    if (mime.hasHtml())
        data.SetData(kMimeHtml, mime.html().toStdString());
    if (mime.hasUrls()) {
        std::vector<std::string> urls;
        for (const QUrl& u : mime.urls())
            urls.push_back(u.toEncoded().toStdString());
        data.SetUrls(urls);
    }
    // Rich text as other programs name it, and the grid's own formats, as they are.
    for (const char* format : {kMimeRichText, "application/rtf", kMimeGridCells, kMimeGridColumn}) {
        const QString name = QString::fromLatin1(format);
        if (mime.hasFormat(name)) {
            const QByteArray bytes = mime.data(name);
            data.SetData(format == std::string("application/rtf") ? kMimeRichText : format,
                         std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        }
    }
    return data;
}

bool DeliverNativeDrag(TWinControl* control, QEvent* e)
{
    TDragMessage m;
    if (e->type() == QEvent::DragLeave)
        return DeliverDragMessage(control, CM_DRAGLEAVE, m);
    auto* de = static_cast<QDropEvent*>(e);
    if (!de->mimeData())
        return false;
    const TDragData data = FromMimeData(*de->mimeData());
    auto* widget = dynamic_cast<QWidget*>(Instance().WidgetOf(control));
    const QPoint local = de->position().toPoint();
    m.Data = &data;
    m.ScreenPos =
        widget ? TPoint{widget->mapToGlobal(local).x(), widget->mapToGlobal(local).y()} : TPoint{local.x(), local.y()};
    m.Shift = ShiftOf(de->modifiers(), de->buttons());
    m.OkEffects = ToEffects(de->possibleActions());
    const unsigned msg = e->type() == QEvent::DragEnter  ? CM_DRAGENTER
                         : e->type() == QEvent::DragMove ? CM_DRAGOVER
                                                         : CM_DROP;
    if (!DeliverDragMessage(control, msg, m))
        return false;
    if (m.Effect == deNone) {
        de->ignore();
    } else {
        de->setDropAction(ToAction(m.Effect));
        de->accept();
    }
    return true;
}

unsigned QtBackend::StartDrag(TControl* source, const TDragData& data, unsigned okEffects, IDropSource* feedback)
{
    QWidget* widget = WidgetFor(source);
    const Qt::DropActions actions = ToActions(okEffects);
    Qt::DropAction result = Qt::IgnoreAction;
    const TBitmap* image = data.Image();
    gLastImageSize = image ? QSize(image->Width(), image->Height()) : QSize(0, 0);
    gLastImageHotSpot = image ? data.ImageHotSpot() : TPoint{0, 0};
    if (gScript.target) {
        const ScriptedDrop script = gScript;
        gScript = ScriptedDrop();
        const std::unique_ptr<QMimeData> mime = ToMimeData(data);
        if (QWidget* target = WidgetFor(script.target))
            result = SimulateDrop(target, script.pos, mime.get(), actions, script.modifiers, feedback);
    } else if (widget) {
        auto* drag = new QDrag(widget);
        drag->setMimeData(ToMimeData(data).release());
        if (image && !image->Empty()) {
            drag->setPixmap(QPixmap::fromImage(ImageCopy(*image)));
            drag->setHotSpot(QPoint(data.ImageHotSpot().X, data.ImageHotSpot().Y));
        }
        QObject::connect(drag, &QDrag::actionChanged, [feedback, source](Qt::DropAction a) {
            if (feedback)
                feedback->GiveFeedback(ToEffects(a));
            if (source)
                source->Perform(CM_DRAGFEEDBACK, ToEffects(a));
        });
        result = drag->exec(actions, (okEffects & deMove) ? Qt::MoveAction : Qt::CopyAction);
        drag->deleteLater();
    }
    if (feedback)
        feedback->DragEnded(result != Qt::IgnoreAction);
    return ToEffects(result) & okEffects;
}

void ScriptNextDrop(TControl* target, int x, int y, TShiftState shift)
{
    gScript = ScriptedDrop{target, QPoint(x, y), ModifiersOf(shift)};
}

TPoint LastDragImageSize()
{
    return {gLastImageSize.width(), gLastImageSize.height()};
}

TPoint LastDragImageHotSpot()
{
    return gLastImageHotSpot;
}

unsigned DropTextFromOutside(TControl* target, int x, int y, const std::string& text)
{
    QWidget* widget = WidgetFor(target);
    if (!widget)
        return deNone;
    QMimeData mime;
    mime.setText(QString::fromStdString(text));
    return ToEffects(
        SimulateDrop(widget, QPoint(x, y), &mime, Qt::CopyAction | Qt::MoveAction, Qt::NoModifier, nullptr));
}

}  // namespace ui::qt
