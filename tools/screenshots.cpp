// Starts the program offscreen, lets it calculate and saves pictures of its
// windows: trovanta_screenshots <folder> [window objectName ...]
// "Form6.B_Berechnen" clicks that button of the shown window first;
// "GearSheet" prints the gear sheet through the main window's print command
// into <folder>/GearSheet.pdf. The analysis windows open through the menu;
// "SprocketWindow" lists the pairs for the chain calculator's worked example
// (15/45, 110 links of 1,56 cm, sag 2).
//
// The pictures are the same on every machine and at every run: a German
// locale (decimal comma, as the gear set's defaults are written), a fixed
// clock, and a first start from an empty program directory.
#include "files/programdir.h"
#include "ui/registry.h"
#include "ui/platform.h"
#include "ui/startup.h"
#include "ui/tform1.h"
#include "ui/tform6.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

namespace {

class PicturePlatform : public trovanta::ui::Platform {
public:
    QString pdf; // where the print dialog sends the sheet

    void showMessage(QWidget *, const QString &text) override { report(text); }
    void showError(QWidget *, const QString &message) override { report(message); }
    bool execPrintDialog(QWidget *, QPrinter &printer) override
    {
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(300);
        return true;
    }
    void openUrl(const QUrl &) override {}
    QLocale locale() const override { return QLocale(QLocale::German, QLocale::Germany); }
    QDateTime now() const override { return QDateTime(QDate(2026, 5, 16), QTime(9, 41, 0)); }

    int boxes = 0;

private:
    // A box would wait for a click nobody gives; a picture taken behind it
    // would not show what the README says.
    void report(const QString &text)
    {
        ++boxes;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

QWidget *topLevel(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

// A window created on first use, opened as the rider opens it.
QWidget *openFromMenu(const QString &name, TForm1 *main)
{
    if (name == QLatin1String("SprocketWindow")) {
        TForm6 *chain = trovanta::ui::forms().Form6;
        chain->E_Glieder_alt->setText(QStringLiteral("110"));
        chain->E_Gliedlaenge->setText(QStringLiteral("1,56"));
        chain->E_Solldurchhang->setText(QStringLiteral("2"));
        main->setSprockets(QStringLiteral("15"), QStringLiteral("45"));
        main->PignonsChaine1->trigger();
    }
    return topLevel(name);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    PicturePlatform platform;
    trovanta::ui::setPlatform(&platform);
    // No settings file from an earlier run is read, and none is left behind.
    QTemporaryDir programDir;
    trovanta::files::setProgramDirectoryForTesting(programDir.path());
    trovanta::ui::startTrovanta();
    TForm1 *main = trovanta::ui::forms().Form1;
    main->Button_BerechnenClick();
    main->Timer1Timer();
    QStringList names;
    for (int i = 2; i < argc; ++i)
        names << QString::fromLocal8Bit(argv[i]);
    if (names.isEmpty())
        names << QStringLiteral("Form1");
    int failures = 0;
    for (const QString &shot : names) {
        if (shot == QLatin1String("GearSheet")) {
            platform.pdf = QDir(folder).absoluteFilePath(shot + QStringLiteral(".pdf"));
            QFile::remove(platform.pdf);
            main->Drucken2Click();
            if (!QFile::exists(platform.pdf)) {
                std::fprintf(stderr, "no gear sheet printed\n");
                ++failures;
                continue;
            }
            std::printf("%s\n", qPrintable(platform.pdf));
            continue;
        }
        const QString name = shot.section(QLatin1Char('.'), 0, 0);
        const QString button = shot.section(QLatin1Char('.'), 1);
        QWidget *w = topLevel(name);
        if (!w)
            w = openFromMenu(name, main);
        if (!w) {
            std::fprintf(stderr, "no window %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        w->show();
        if (!button.isEmpty()) {
            if (auto *b = w->findChild<QAbstractButton *>(button))
                b->click();
            else {
                std::fprintf(stderr, "no button %s\n", qPrintable(button));
                ++failures;
            }
        }
        QApplication::processEvents();
        const QString path = folder + QLatin1Char('/') + shot + QStringLiteral(".png");
        if (!w->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(path));
    }
    trovanta::ui::stopTrovanta();
    trovanta::ui::setPlatform(nullptr);
    return failures + platform.boxes > 0 ? 1 : 0;
}
