#pragma once
// Shared helpers of the Qt backend: the Qt application object, fonts, colours, bitmap views.
#include "platform/ui/Backend.h"
#include "platform/ui/Graphics.h"
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRegion>

namespace ui::qt {

// Creates the Qt application object on first need (offscreen platform when there is no display).
void EnsureApplication();
bool ApplicationExists();
bool IsOffscreen();
// Reports the desktop's palette changes to the framework as its theme-change event
// (QtTheme.cpp); the application object calls it once it exists.
void WatchDesktopTheme();

QColor ToQColor(TColor c);
// The line style of a pen (psClear: no pen; psInsideFrame: solid).
Qt::PenStyle ToQPenStyle(TPenStyle s);
QFont ToQFont(const TFont& font);
// Metrics of the font (cached; the last font asked for is answered without a lookup).
const QFontMetrics& MetricsOf(const TFont& font);
// A QImage sharing the bitmap's pixels (no copy); valid while the bitmap keeps its size.
QImage ImageView(TBitmap& bitmap);
QImage ImageCopy(const TBitmap& bitmap);
void CopyFromImage(const QImage& image, TBitmap& into);
QRegion ToRegion(const std::vector<TRect>& rects);
QString ToQString(const std::string& s);
std::string FromQString(const QString& s);

}  // namespace ui::qt
