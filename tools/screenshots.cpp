// Starts the program offscreen, lets it calculate and saves pictures of its
// windows: trovanta_screenshots <folder> [window objectName ...]
// "Form6.B_Berechnen" clicks that button of the shown window first.
#include "files/programdir.h"
#include "ui/forms.h"
#include "ui/startup.h"
#include "ui/tform1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    // The pictures show a first start: no settings file from an earlier run
    // is read, and none is left behind.
    QTemporaryDir programDir;
    trovanta::files::setProgramDirectoryForTesting(programDir.path());
    trovanta::ui::startTrovanta();
    forms().Form1->Button_BerechnenClick();
    QStringList names;
    for (int i = 2; i < argc; ++i)
        names << QString::fromLocal8Bit(argv[i]);
    if (names.isEmpty())
        names << QStringLiteral("Form1");
    for (const QString &shot : names) {
        const QString name = shot.section(QLatin1Char('.'), 0, 0);
        const QString button = shot.section(QLatin1Char('.'), 1);
        QWidget *w = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == name)
                w = top;
        if (!w) {
            std::fprintf(stderr, "no window %s\n", qPrintable(name));
            continue;
        }
        w->show();
        if (!button.isEmpty()) {
            if (auto *b = w->findChild<QAbstractButton *>(button))
                b->click();
            else
                std::fprintf(stderr, "no button %s\n", qPrintable(button));
        }
        QApplication::processEvents();
        const QString path = folder + QLatin1Char('/') + shot + QStringLiteral(".png");
        w->grab().save(path);
        std::printf("%s\n", qPrintable(path));
    }
    trovanta::ui::stopTrovanta();
    return 0;
}
