#include "platform/ui/qt/QtSupport.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace ui::qt {

bool ApplicationExists()
{
    return QCoreApplication::instance() != nullptr;
}

void EnsureApplication()
{
    if (ApplicationExists())
        return;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if ((!platform || !*platform) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "configurator";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends.
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    WatchDesktopTheme();
}

bool IsOffscreen()
{
    return ApplicationExists() && QGuiApplication::platformName() == QLatin1String("offscreen");
}

QColor ToQColor(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return QColor(static_cast<int>(GetRValue(rgb)), static_cast<int>(GetGValue(rgb)), static_cast<int>(GetBValue(rgb)));
}

Qt::PenStyle ToQPenStyle(TPenStyle s)
{
    switch (s) {
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

QFont ToQFont(const TFont& font)
{
    static std::map<std::tuple<std::string, int, unsigned>, QFont> cache;
    auto key = std::make_tuple(font.Name(), font.Height(), font.Style());
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    EnsureApplication();
    QFont f(ToQString(font.Name()));
    // The desktop fonts the program names fall back to an installed sans-serif family.
    f.setStyleHint(QFont::SansSerif);
    int h = font.Height();
    if (h < 0)
        f.setPixelSize(-h);
    else if (h > 0)
        f.setPixelSize(std::max(1, h * 4 / 5));
    else
        f.setPixelSize(11);
    f.setBold(font.Style() & fsBold);
    f.setItalic(font.Style() & fsItalic);
    f.setUnderline(font.Style() & fsUnderline);
    f.setStrikeOut(font.Style() & fsStrikeOut);
    f.setHintingPreference(QFont::PreferFullHinting);
    cache.emplace(key, f);
    return f;
}

const QFontMetrics& MetricsOf(const TFont& font)
{
    struct Entry {
        std::string name;
        int height;
        unsigned style;
        QFontMetrics metrics;
    };
    static std::vector<std::unique_ptr<Entry>> cache;
    static Entry* last = nullptr;
    auto same = [&](const Entry* e) {
        return e->height == font.Height() && e->style == font.Style() && e->name == font.Name();
    };
    if (last && same(last))
        return last->metrics;
    for (auto& e : cache)
        if (same(e.get())) {
            last = e.get();
            return last->metrics;
        }
    cache.push_back(
        std::make_unique<Entry>(Entry{font.Name(), font.Height(), font.Style(), QFontMetrics(ToQFont(font))}));
    last = cache.back().get();
    return last->metrics;
}

QImage ImageView(TBitmap& bitmap)
{
    return QImage(reinterpret_cast<uchar*>(bitmap.Bits()), bitmap.Width(), bitmap.Height(), bitmap.Width() * 4,
                  QImage::Format_RGB32);
}

QImage ImageCopy(const TBitmap& bitmap)
{
    QImage view(reinterpret_cast<const uchar*>(bitmap.Bits()), bitmap.Width(), bitmap.Height(), bitmap.Width() * 4,
                bitmap.AlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return view.copy();
}

void CopyFromImage(const QImage& image, TBitmap& into)
{
    QImage img = image.convertToFormat(QImage::Format_ARGB32);
    into.SetSize(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(img.constScanLine(y));
        std::copy(src, src + img.width(), into.ScanLine(y));
    }
}

QRegion ToRegion(const std::vector<TRect>& rects)
{
    QRegion r;
    for (const TRect& t : rects)
        r += QRect(t.Left, t.Top, t.Width(), t.Height());
    return r;
}

QString ToQString(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string FromQString(const QString& s)
{
    QByteArray b = s.toUtf8();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

}  // namespace ui::qt
