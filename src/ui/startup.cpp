#include "ui/startup.h"

#include "calc/product.h"
#include "ui/fonts.h"
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

} // namespace trovanta::ui
