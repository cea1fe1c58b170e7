#include "ui/startup.h"

#include "calc/error.h"
#include "calc/product.h"
#include "ui/fonts.h"
#include "ui/platform.h"
#include "ui/registry.h"
#include "ui/tform1.h"

#include <QApplication>

namespace trovanta::ui {

void startTrovanta(const std::function<void()> &mainWindowShown)
{
    QApplication::setApplicationName(QString::fromUtf8(product::ApplicationTitle));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setFont(formFont(8));

    TForm1 *main = createMainWindow();
    main->show();
    // Let the main window appear before the other windows are built; the
    // rider's input waits until all of them exist.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (mainWindowShown)
        mainWindowShown();
    createSecondaryWindows();
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
