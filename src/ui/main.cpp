#include "ui/startup.h"
#include "ui/termination.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to trovanta.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("trovanta"));
    trovanta::ui::quitOnTerminationSignals(trovanta::ui::saveForSessionEnd);
    trovanta::ui::startTrovanta();
    const int rc = trovanta::ui::terminationRequested() ? 0 : app.exec();
    trovanta::ui::stopTrovanta(trovanta::ui::terminationRequested());
    return rc;
}
