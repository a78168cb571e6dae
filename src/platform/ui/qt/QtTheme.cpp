// The desktop's theme: a change of the application's palette (a new desktop theme or colour
// scheme) reaches the framework as the desktop's theme-change event, with the scheme it brings.
#include <QApplication>
#include <QEvent>
#include <QPalette>

#include "platform/ui/AppStyle.h"
#include "platform/ui/qt/QtSupport.h"

namespace ui::qt {

namespace {

// A window colour darker than mid-grey is a dark scheme.
TDesktopColorScheme SchemeOfPalette()
{
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    return window.lightness() < 128 ? TDesktopColorScheme::dcsDark : TDesktopColorScheme::dcsLight;
}

class ThemeWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
            DesktopThemeChanged(SchemeOfPalette());
        return false;
    }
};

}  // namespace

void WatchDesktopTheme()
{
    static ThemeWatcher* watcher = nullptr;
    if (watcher || !ApplicationExists())
        return;
    SetDesktopColorScheme(SchemeOfPalette());
    watcher = new ThemeWatcher;
    QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace ui::qt
