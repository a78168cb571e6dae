// The start-up baseline: a bare Qt program that shows one widget in a window. With
// CONFIGURATOR_EXIT_AFTER_FIRST_PAINT=1 it ends once the widget has been painted, as the
// configurator does.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

class Label : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QLabel::paintEvent(e);
        const char* exitAfterPaint = std::getenv("CONFIGURATOR_EXIT_AFTER_FIRST_PAINT");
        if (exitAfterPaint && std::strcmp(exitAfterPaint, "1") == 0)
            QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Label window("Ready");
    window.resize(640, 480);
    window.show();
    return app.exec();
}
