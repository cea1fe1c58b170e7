#include "files/programdir.h"
#include "ui/instance.h"
#include "ui/startup.h"
#include "ui/termination.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to trovanta.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("trovanta"));

    // Gear data files named on the command line (the file manager's %f).
    QStringList files;
    for (const QString &a : QCoreApplication::arguments().mid(1))
        if (!a.startsWith(QLatin1Char('-')))
            files.append(QFileInfo(a).absoluteFilePath());
    const QString channel = trovanta::ui::instanceName(trovanta::files::programDirectory());
    if (!files.isEmpty() && trovanta::ui::handToRunning(channel, files))
        return 0;

    trovanta::ui::quitOnTerminationSignals(trovanta::ui::saveForSessionEnd);
    trovanta::ui::startTrovanta();
    trovanta::ui::InstanceServer laterStarts(channel);
    trovanta::ui::openFromLaterStarts(laterStarts);
    trovanta::ui::openAtStart(files);
    const int rc = trovanta::ui::terminationRequested() ? 0 : app.exec();
    trovanta::ui::stopTrovanta(trovanta::ui::terminationRequested());
    return rc;
}
