// Overlays: top-level windows that show a translucent picture over the screen without taking
// input or the focus (the grid's focus frame around an edited cell).
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtSupport.h"

namespace ui::qt {

namespace {
class OverlayWidget : public QWidget {
public:
    OverlayWidget()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                               Qt::NoDropShadowWindowHint)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }
    QImage picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, picture);
    }
};
}  // namespace

void QtBackend::ShowOverlay(const void* key, const TBitmap& picture, TPoint screenPos, const std::vector<TRect>& shape)
{
    if (!ApplicationExists() || picture.Empty())
        return;
    QPointer<QWidget>& slot = overlays_[key];
    if (!slot)
        slot = new OverlayWidget;
    auto* w = static_cast<OverlayWidget*>(slot.data());
    // The picture's alpha is premultiplied already.
    w->picture = QImage(reinterpret_cast<const uchar*>(picture.Bits()), picture.Width(), picture.Height(),
                        picture.Width() * 4, QImage::Format_ARGB32_Premultiplied)
                     .copy();
    w->setGeometry(screenPos.X, screenPos.Y, picture.Width(), picture.Height());
    if (shape.empty())
        w->clearMask();
    else
        w->setMask(ToRegion(shape));
    w->show();
    w->update();
}

void QtBackend::HideOverlay(const void* key)
{
    const auto it = overlays_.find(key);
    if (it == overlays_.end())
        return;
    if (it->second) {
        it->second->hide();
        it->second->deleteLater();
    }
    overlays_.erase(it);
}

}  // namespace ui::qt
