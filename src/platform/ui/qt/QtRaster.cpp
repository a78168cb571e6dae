// Text, curves, themed parts and picture coding on bitmaps through QPainter.
#include "platform/ui/ImageCodecs.h"
#include "platform/ui/qt/QtBackend.h"
#include "platform/ui/qt/QtPageSurface.h"
#include "platform/ui/qt/QtSupport.h"
#include <QApplication>
#include <QBuffer>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QStyle>
#include <QStyleOption>
#include <string>
#include <unordered_map>

namespace ui::qt {

namespace {
// A painter on the target bitmap, or the painter of the target's page, with its clip applied;
// inactive when everything is clipped away.
class TargetPainter {
public:
    explicit TargetPainter(const TRasterTarget& t)
    {
        if (t.Clipped && t.Clip.empty())
            return;
        if (t.Surface) {
            painter_ = PainterOf(t);
            return;
        }
        if (!t.Bitmap || t.Bitmap->Empty())
            return;
        image_ = ImageView(*t.Bitmap);
        own_ = std::make_unique<QPainter>(&image_);
        painter_ = own_.get();
        if (t.Clipped)
            painter_->setClipRegion(ToRegion(t.Clip));
    }
    QPainter* operator->() { return painter_; }
    QPainter& operator*() { return *painter_; }
    explicit operator bool() const { return painter_ != nullptr; }

private:
    QImage image_;
    std::unique_ptr<QPainter> own_;
    QPainter* painter_ = nullptr;
};

}  // namespace

TSize QtBackend::TextExtent(const TFont& font, const std::string& text)
{
    const QFontMetrics& fm = MetricsOf(font);
    // Text widths are asked for again and again while cells are painted and sized (wrapping,
    // alignment); shaping is the expensive part, so the widths of each font are remembered.
    static std::unordered_map<const QFontMetrics*, std::unordered_map<std::string, int>> widths;
    std::unordered_map<std::string, int>& known = widths[&fm];
    if (const auto it = known.find(text); it != known.end())
        return {it->second, fm.height()};
    if (known.size() >= 16384)
        known.clear();
    const int w = fm.horizontalAdvance(ToQString(text));
    known.emplace(text, w);
    return {w, fm.height()};
}

int QtBackend::FontHeight(const TFont& font)
{
    return MetricsOf(font).height();
}

void QtBackend::DrawTextLine(const TRasterTarget& target, const TFont& font, int x, int y, const std::string& text,
                             bool opaque, TColor background)
{
    if (text.empty())
        return;
    QFont qf = ToQFont(font);
    TargetPainter p(target);
    if (!p)
        return;
    const QFontMetrics& fm = MetricsOf(font);
    QString s = ToQString(text);
    // A page's painter goes on to the next figure: the turn of a rotated text is undone.
    const bool turned = font.Orientation() != 0;
    if (turned) {
        p->save();
        p->translate(x, y);
        p->rotate(-font.Orientation() / 10.0);
        x = y = 0;
    }
    if (opaque)
        p->fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), ToQColor(background));
    p->setFont(qf);
    p->setPen(ToQColor(font.Color()));
    p->drawText(x, y + fm.ascent(), s);
    if (turned)
        p->restore();
}

void QtBackend::DrawShape(const TRasterTarget& target, const TPen& pen, const TBrush& brush, int kind,
                          const std::vector<TPoint>& pts, int rx, int ry)
{
    TargetPainter p(target);
    if (!p || pts.empty())
        return;
    p->setRenderHint(QPainter::Antialiasing, false);
    // A page has no pixels to combine with, and its pen is as wide as the page's dots say.
    if (target.Surface && pen.Mode() != TPenMode::pmCopy)
        return;
    if (pen.Mode() == TPenMode::pmXor)
        p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    else if (pen.Mode() == TPenMode::pmNot)
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
    QPen qp(ToQColor(pen.Color()));
    qp.setWidth(pen.Width() <= 1 && !target.Surface ? 0 : std::max(1, pen.Width()));
    qp.setStyle(ToQPenStyle(pen.Style()));
    p->setPen(qp);
    if (brush.Style() == TBrushStyle::bsClear || kind == shapePolyline)
        p->setBrush(Qt::NoBrush);
    else
        p->setBrush(ToQColor(brush.Color()));
    // Figures cover their bounding box without its right and bottom edge.
    auto box = [&] {
        int x1 = std::min(pts[0].X, pts[1].X), x2 = std::max(pts[0].X, pts[1].X);
        int y1 = std::min(pts[0].Y, pts[1].Y), y2 = std::max(pts[0].Y, pts[1].Y);
        return QRect(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1));
    };
    switch (kind) {
    case shapeEllipse:
        if (pts.size() >= 2)
            p->drawEllipse(box());
        break;
    case shapeRoundRect:
        if (pts.size() >= 2)
            p->drawRoundedRect(box(), rx / 2.0, ry / 2.0);
        break;
    case shapeRectangle:
        if (pts.size() >= 2)
            p->drawRect(box());
        break;
    case shapePolygon:
    case shapePolyline: {
        QPolygon poly;
        for (TPoint t : pts)
            poly << QPoint(t.X, t.Y);
        if (kind == shapePolygon)
            p->drawPolygon(poly, Qt::OddEvenFill);
        else
            p->drawPolyline(poly);
        break;
    }
    default:
        break;
    }
}

void QtBackend::DrawThemedPart(const TRasterTarget& target, TThemedPart part, unsigned state, const TRect& r)
{
    EnsureApplication();
    TargetPainter p(target);
    if (!p)
        return;
    QStyle* style = QApplication::style();
    QRect rect(r.Left, r.Top, r.Width(), r.Height());
    QStyle::State st = QStyle::State_None;
    if (!(state & tsDisabled))
        st |= QStyle::State_Enabled;
    if (state & tsHot)
        st |= QStyle::State_MouseOver;
    if (state & tsPressed)
        st |= QStyle::State_Sunken;
    if (state & tsFocused)
        st |= QStyle::State_HasFocus;
    switch (part) {
    case TThemedPart::CheckBox:
    case TThemedPart::RadioButton: {
        QStyleOptionButton o;
        o.rect = rect;
        // The style reads the colours of the palette's current group: a disabled box uses the
        // disabled colours.
        if (state & tsDisabled)
            o.palette.setCurrentColorGroup(QPalette::Disabled);
        o.state = st | ((state & tsChecked) ? QStyle::State_On
                        : (state & tsMixed) ? QStyle::State_NoChange
                                            : QStyle::State_Off);
        style->drawPrimitive(
            part == TThemedPart::CheckBox ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &o, &*p);
        break;
    }
    case TThemedPart::PushButton: {
        QStyleOptionButton o;
        o.rect = rect;
        o.state = st | (state & tsPressed ? QStyle::State_Sunken : QStyle::State_Raised);
        style->drawControl(QStyle::CE_PushButtonBevel, &o, &*p);
        break;
    }
    case TThemedPart::ComboButton:
    case TThemedPart::SpinUp:
    case TThemedPart::SpinDown:
    case TThemedPart::SpinLeft:
    case TThemedPart::SpinRight: {
        QStyleOption o;
        o.rect = rect;
        o.state = st | QStyle::State_Raised;
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &o, &*p);
        o.rect = rect.adjusted(2, 2, -2, -2);
        const QStyle::PrimitiveElement arrow = part == TThemedPart::SpinUp      ? QStyle::PE_IndicatorArrowUp
                                               : part == TThemedPart::SpinLeft  ? QStyle::PE_IndicatorArrowLeft
                                               : part == TThemedPart::SpinRight ? QStyle::PE_IndicatorArrowRight
                                                                                : QStyle::PE_IndicatorArrowDown;
        style->drawPrimitive(arrow, &o, &*p);
        break;
    }
    case TThemedPart::HeaderItem: {
        QStyleOptionHeader o;
        o.rect = rect;
        o.state = st | QStyle::State_Raised;
        style->drawControl(QStyle::CE_HeaderSection, &o, &*p);
        break;
    }
    }
}

bool QtBackend::DecodeImage(const std::uint8_t* data, std::size_t size, TBitmap& into, std::string& reason)
{
    EnsureApplication();
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The size from the header, when the format states one, is checked before decoding; formats
    // that do not state it are held to the reader's allocation limit and checked afterwards.
    const QSize stated = reader.size();
    if (stated.isValid() && !PictureSizeAllowed(stated.width(), stated.height(), reason))
        return false;
    reader.setAllocationLimit(static_cast<int>(std::int64_t{kMaxPictureSide} * kMaxPictureSide * 4 / (1024 * 1024)));
    const QImage img = reader.read();
    if (img.isNull()) {
        if (reader.error() != QImageReader::UnsupportedFormatError)
            reason = reader.errorString().toStdString();
        return false;
    }
    if (!PictureSizeAllowed(img.width(), img.height(), reason))
        return false;
    CopyFromImage(img, into);
    return true;
}

bool QtBackend::SavePng(const TBitmap& bitmap, const std::string& fileName)
{
    EnsureApplication();
    QSaveFile file(ToQString(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!ImageCopy(bitmap).save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace ui::qt
