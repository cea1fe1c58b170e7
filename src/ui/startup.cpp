#include "ui/startup.h"

#include "calc/error.h"
#include "calc/product.h"
#include "ui/fonts.h"
#include "ui/instance.h"
#include "ui/platform.h"
#include "ui/programicon.h"
#include "ui/registry.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QTimer>

namespace trovanta::ui {

void startTrovanta(const std::function<void()> &mainWindowShown)
{
    QApplication::setApplicationName(QString::fromUtf8(product::ApplicationTitle));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setFont(formFont(8));
    QApplication::setWindowIcon(programIcon());

    TForm1 *main = createMainWindow();
    main->show();
    // Let the main window appear before the other windows are built; the
    // rider's input waits until all of them exist.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (mainWindowShown)
        mainWindowShown();
    createSecondaryWindows();
}

namespace {
void openInMain(const QString &path)
{
    TForm1 *main = forms().Form1;
    if (!main)
        return;
    if (main->isMinimized())
        main->showNormal();
    main->raise();
    main->activateWindow();
    main->openGearFile(path);
}
} // namespace

void openAtStart(const QStringList &files)
{
    for (const QString &f : files)
        QTimer::singleShot(0, qApp, [f] { openInMain(f); });
}

void openFromLaterStarts(InstanceServer &server)
{
    // Queued: the socket's handler returns before the file's boxes show.
    QObject::connect(&server, &InstanceServer::fileReceived, qApp, &openInMain, Qt::QueuedConnection);
}

void stopTrovanta(bool terminating) { destroyWindows(terminating); }

void saveForSessionEnd()
{
    saveOpenWindows(true);
    if (TForm1 *main = forms().Form1) {
        try {
            main->SaveIni();
        } catch (const Error &e) {
            reportSaveFailure(nullptr, QString::fromStdString(withFullStop(e.message())), true);
        }
    }
}

} // namespace trovanta::ui
