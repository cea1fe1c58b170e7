// Starts either the real program ("full") or a bare Qt window of the same
// size ("bare", or "caption" with one line of text in it), and
// writes one line to stdout as soon as the window has been shown and painted.

#include "ui/startup.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !seen_ && qobject_cast<QMainWindow *>(o)) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [] {
                std::puts("shown");
                std::fflush(stdout);
                qApp->quit();
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    const char *mode = argc > 1 ? argv[1] : "full";
    const bool caption = std::strcmp(mode, "caption") == 0;
    const bool bare = caption || std::strcmp(mode, "bare") == 0;
    QApplication app(argc, argv);
    // Shown means painted: report right after the main window's first paint.
    FirstPaint watch;
    app.installEventFilter(&watch);
    QMainWindow *plain = nullptr;
    if (bare) {
        plain = new QMainWindow;
        plain->setWindowTitle(QStringLiteral("Trovanta 2.11"));
        // One line of text makes Qt bring up its font system, which the
        // empty window never needs.
        if (caption)
            plain->setCentralWidget(new QLabel(QStringLiteral("Trovanta 2.11")));
        plain->resize(795, 600);
        plain->show();
    } else {
        app.removeEventFilter(&watch);
        trovanta::ui::startTrovanta([] {
            std::puts("shown");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }
    const int rc = app.exec();
    if (bare)
        delete plain;
    else
        trovanta::ui::stopTrovanta();
    return rc;
}
